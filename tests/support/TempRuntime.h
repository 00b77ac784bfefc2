// A private runtime and settings folder for one test: a fresh 0700 folder
// under /tmp (short, so socket paths fit), pointed at by XDG_RUNTIME_DIR and
// ORVYN_VANTOR_HOME, removed again afterwards.
#pragma once

#include "platform/Folders.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace orvyn::test {

class TempRuntime {
public:
    TempRuntime() {
        char pattern[] = "/tmp/ovtXXXXXX";
        if (!::mkdtemp(pattern))
            throw std::runtime_error("mkdtemp failed");
        base_ = pattern;
        ::setenv("XDG_RUNTIME_DIR", base_.c_str(), 1);
        const std::string home = base_ + "/home";
        std::filesystem::create_directory(home);
        // Whatever the umask: the programs refuse a settings folder that
        // others may write to.
        std::filesystem::permissions(home, std::filesystem::perms::owner_all);
        ::setenv("ORVYN_VANTOR_HOME", home.c_str(), 1);
        const RuntimeFolder folder = runtimeFolder();
        if (!folder.ok())
            throw std::runtime_error("runtime folder refused: " + folder.error);
        runtime_ = folder.path;
    }
    ~TempRuntime() {
        std::error_code ignored;
        std::filesystem::remove_all(base_, ignored);
    }
    TempRuntime(const TempRuntime &) = delete;
    TempRuntime &operator=(const TempRuntime &) = delete;

    // The temporary folder itself (no trailing "/").
    const std::string &base() const { return base_; }
    // <base>/orvyn-vantor/ as the programs see it.
    const std::string &runtime() const { return runtime_; }

private:
    std::string base_;
    std::string runtime_;
};

} // namespace orvyn::test
