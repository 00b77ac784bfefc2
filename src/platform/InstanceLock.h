// Single-instance guard: an exclusive flock on <runtime folder>/<name>.lock.
// The kernel drops the lock when its holder dies, so a crashed program never
// keeps the next one out. The lock file itself stays (removing it would let
// two processes lock two different files of the same name).
#pragma once

#include <optional>
#include <string>

namespace orvyn {

enum class LockResult {
    Acquired,    // this object now holds the lock
    AlreadyHeld, // another process (or another InstanceLock) holds it
    Error,       // the lock file could not be opened or locked; see error()
};

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;
    InstanceLock(InstanceLock &&other) noexcept;
    InstanceLock &operator=(InstanceLock &&other) noexcept;

    // Tries once, never waits. `runtimeFolder` ends with "/".
    LockResult acquire(const std::string &runtimeFolder, const std::string &name);
    void release();
    bool held() const { return fd_ >= 0; }
    const std::string &error() const { return error_; }

private:
    int fd_ = -1;
    std::string error_;
};

// Whether some process holds the instance lock `name`, looked up in the
// kernel's table of file locks (/proc/locks) without taking the lock even
// for a moment: a program starting meanwhile must never find it taken.
// nullopt when the table cannot be read.
std::optional<bool> instanceLockHeld(const std::string &runtimeFolder, const std::string &name);

} // namespace orvyn
