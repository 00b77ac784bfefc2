#include "platform/InstanceLock.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <utility>

namespace orvyn {

InstanceLock::~InstanceLock() {
    release();
}

InstanceLock::InstanceLock(InstanceLock &&other) noexcept
    : fd_(std::exchange(other.fd_, -1)), error_(std::move(other.error_)) {}

InstanceLock &InstanceLock::operator=(InstanceLock &&other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        error_ = std::move(other.error_);
    }
    return *this;
}

LockResult InstanceLock::acquire(const std::string &runtimeFolder, const std::string &name) {
    release();
    error_.clear();
    if (name.empty() || name.find('/') != std::string::npos) {
        error_ = "invalid instance lock name \"" + name + "\"";
        return LockResult::Error;
    }
    const std::string path = runtimeFolder + name + ".lock";
    // Each acquire opens its own file description, so two InstanceLocks in
    // one process exclude each other too.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        error_ = "cannot open " + path + ": " + std::strerror(errno);
        return LockResult::Error;
    }
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK)
            return LockResult::AlreadyHeld;
        error_ = "cannot lock " + path + ": " + std::strerror(err);
        return LockResult::Error;
    }
    fd_ = fd;
    return LockResult::Acquired;
}

void InstanceLock::release() {
    if (fd_ >= 0) {
        ::close(fd_); // closing the only description drops the flock
        fd_ = -1;
    }
}

std::optional<bool> instanceLockHeld(const std::string &runtimeFolder, const std::string &name) {
    struct stat st {};
    if (::stat((runtimeFolder + name + ".lock").c_str(), &st) != 0)
        return errno == ENOENT ? std::optional<bool>(false) : std::nullopt;
    std::ifstream table("/proc/locks");
    if (!table)
        return std::nullopt;
    // "1: FLOCK  ADVISORY  WRITE 1234 fd:01:393231 0 EOF", the device as
    // hexadecimal major:minor; a waiter's line has "->" after the number.
    char file[64];
    std::snprintf(file, sizeof file, "%02x:%02x:%llu", ::major(st.st_dev), ::minor(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string number, kind, mode, access, pid, where;
        fields >> number >> kind;
        if (kind == "->")
            continue;
        fields >> mode >> access >> pid >> where;
        if (kind == "FLOCK" && where == file)
            return true;
    }
    return false;
}

} // namespace orvyn
