// What each program of the suite does before anything else: find its
// runtime folder, take its instance lock when only one may run, and make
// sure of its settings folder. A refusal is printed as "<program>: <why>"
// on standard error; the program decides its exit status.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "platform/InstanceLock.h"

namespace orvyn {

enum class InstanceClaim {
    First,          // this process holds the lock for its life
    AlreadyRunning, // another instance holds it
    Failed,         // the lock could not be taken (printed)
};

class ProgramStartup {
public:
    explicit ProgramStartup(std::string program, std::FILE *errors = stderr);

    // False (printed) when the runtime folder is refused.
    bool findRuntimeFolder();
    // With a trailing "/"; empty before findRuntimeFolder succeeded.
    const std::string &runtimeFolder() const { return runtimeFolder_; }

    InstanceClaim claimInstance(const std::string &name);
    // Lets the next instance start (one that only reports why it ends).
    void releaseInstance() { instance_.release(); }

    // The settings folder, created and checked; nullopt (printed, and kept
    // in error()) when it is refused.
    std::optional<std::string> prepareSettingsFolder();

    // Prints "<program>: <text>".
    void complain(const std::string &text) const;
    const std::string &error() const { return error_; }

private:
    std::string program_;
    std::FILE *errors_;
    std::string runtimeFolder_;
    InstanceLock instance_;
    std::string error_;
};

} // namespace orvyn
