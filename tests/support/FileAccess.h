// Runs test code with the file-permission checks of an ordinary user. Root
// reads any file whatever its mode, so a file of mode 000 is unreadable only
// to others: as root the code runs on a thread whose file-system identity is
// "nobody" (the identity is per thread, and it drops root's override of file
// modes with it). The folders it uses must be open to that user.
#pragma once

#include <functional>
#include <sys/fsuid.h>
#include <thread>
#include <unistd.h>

namespace orvyn::test {

inline constexpr uid_t kNobody = 65534;

// False when the identity could not be taken (the body then did not run).
inline bool withOrdinaryFileAccess(const std::function<void()> &body) {
    if (::geteuid() != 0) {
        body();
        return true;
    }
    bool ran = false;
    std::thread([&] {
        ::setfsgid(kNobody);
        ::setfsuid(kNobody);
        // setfsuid answers with the identity before the call; asking again
        // tells whether the change took.
        if (static_cast<uid_t>(::setfsuid(kNobody)) != kNobody)
            return;
        body();
        ran = true;
    }).join();
    return ran;
}

} // namespace orvyn::test
