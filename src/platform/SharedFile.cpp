#include "platform/SharedFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace orvyn {

namespace {

std::string systemError(const std::string &what, const std::string &path) {
    return what + " " + path + ": " + std::strerror(errno);
}

// A name beside `path` that nobody else uses (opened with O_EXCL).
std::string temporaryName(const std::string &path) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%016llx.new", static_cast<unsigned long long>(random()));
    return path + suffix;
}

void *mapShared(int fd, std::size_t size) {
    void *p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    return p == MAP_FAILED ? nullptr : p;
}

} // namespace

SharedBlockFile::~SharedBlockFile() {
    close();
}

SharedFileResult SharedBlockFile::create(const std::string &path, std::size_t size,
                                         const std::function<bool(void *)> &initialise) {
    close();
    error_.clear();
    if (size == 0) {
        error_ = "cannot create " + path + " with size 0";
        return SharedFileResult::Error;
    }
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temp = temporaryName(path);
        fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        error_ = systemError("cannot create", temp);
        return SharedFileResult::Error;
    }
    auto fail = [&](const std::string &what) {
        error_ = systemError(what, temp);
        ::close(fd);
        ::unlink(temp.c_str());
        return SharedFileResult::Error;
    };
    // The umask may have narrowed the mode; make it exactly 0600.
    if (::fchmod(fd, 0600) != 0)
        return fail("cannot set the mode of");
    // Every page is allocated now (this also sets the size): on a full
    // tmpfs a sparse file would map fine and then SIGBUS at the first copy.
    if (const int rc = ::posix_fallocate(fd, 0, static_cast<off_t>(size)); rc != 0) {
        errno = rc;
        return fail("cannot allocate " + std::to_string(size) + " bytes for");
    }
    void *data = mapShared(fd, size);
    if (!data)
        return fail("cannot map");
    if (initialise && !initialise(data)) {
        ::munmap(data, size);
        errno = EINVAL;
        return fail("cannot initialise");
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::munmap(data, size);
        return fail("cannot inspect");
    }
    // Replaces a leftover file (or link, FIFO, socket) of that name; a
    // folder there is refused.
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::munmap(data, size);
        ::close(fd);
        ::unlink(temp.c_str());
        error_ = "cannot put the file in place of " + path + ": " + std::strerror(err);
        return SharedFileResult::Error;
    }
    data_ = data;
    size_ = size;
    fd_ = fd;
    path_ = path;
    owner_ = true;
    dev_ = st.st_dev;
    ino_ = st.st_ino;
    return SharedFileResult::Ready;
}

SharedFileResult SharedBlockFile::open(const std::string &path, std::size_t size) {
    close();
    error_.clear();
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        if (errno == ENOENT)
            return SharedFileResult::Missing;
        const bool link = errno == ELOOP;
        error_ = systemError("cannot open", path);
        return link ? SharedFileResult::Invalid : SharedFileResult::Error;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error_ = systemError("cannot inspect", path);
        ::close(fd);
        return SharedFileResult::Error;
    }
    // Mapping a shorter file would fault on access; a different size is not
    // the object we expect.
    if (!S_ISREG(st.st_mode) || st.st_size != static_cast<off_t>(size) || size == 0) {
        error_ = path + " is not a regular file of " + std::to_string(size) + " bytes";
        ::close(fd);
        return SharedFileResult::Invalid;
    }
    void *data = mapShared(fd, size);
    if (!data) {
        error_ = systemError("cannot map", path);
        ::close(fd);
        return SharedFileResult::Error;
    }
    data_ = data;
    size_ = size;
    fd_ = fd;
    path_ = path;
    owner_ = false;
    dev_ = st.st_dev;
    ino_ = st.st_ino;
    return SharedFileResult::Ready;
}

bool SharedBlockFile::isStillInPlace() const {
    struct stat st {};
    return data_ && ::lstat(path_.c_str(), &st) == 0 && st.st_dev == dev_ && st.st_ino == ino_;
}

void SharedBlockFile::close() {
    if (!data_)
        return;
    if (owner_) {
        struct stat st {};
        if (::lstat(path_.c_str(), &st) == 0 && st.st_dev == dev_ && st.st_ino == ino_)
            ::unlink(path_.c_str());
    }
    ::munmap(data_, size_);
    ::close(fd_);
    data_ = nullptr;
    size_ = 0;
    fd_ = -1;
    path_.clear();
    owner_ = false;
}

SharedBlockFile::SizeCheck SharedBlockFile::checkSize() {
    struct stat st {};
    if (!data_ || ::fstat(fd_, &st) != 0)
        return SizeCheck::Broken;
    const auto expected = static_cast<off_t>(size_);
    if (st.st_size == expected)
        return SizeCheck::Intact;
    if (!owner_)
        return SizeCheck::Broken;
    // Same file, so every peer's mapping is whole again too.
    if (st.st_size < expected && ::posix_fallocate(fd_, 0, expected) != 0)
        return SizeCheck::Broken;
    if (st.st_size > expected && ::ftruncate(fd_, expected) != 0)
        return SizeCheck::Broken;
    return SizeCheck::Restored;
}

bool RobustMutex::initialise(void *at) {
    pthread_mutexattr_t attr;
    if (pthread_mutexattr_init(&attr) != 0)
        return false;
    const bool ok = pthread_mutexattr_setpshared(&attr, PTHREAD_PROCESS_SHARED) == 0 &&
                    pthread_mutexattr_setrobust(&attr, PTHREAD_MUTEX_ROBUST) == 0 &&
                    pthread_mutexattr_settype(&attr, PTHREAD_MUTEX_ERRORCHECK) == 0 &&
                    pthread_mutex_init(static_cast<pthread_mutex_t *>(at), &attr) == 0;
    pthread_mutexattr_destroy(&attr);
    return ok;
}

SharedFileResult RobustMutex::create(const std::string &path) {
    return file_.create(path, kFileSize, &RobustMutex::initialise);
}

SharedFileResult RobustMutex::open(const std::string &path) {
    return file_.open(path, kFileSize);
}

MutexLock RobustMutex::lock(std::chrono::milliseconds limit) {
    switch (file_.checkSize()) {
    case SharedBlockFile::SizeCheck::Intact:
        break;
    case SharedBlockFile::SizeCheck::Restored:
        // The mutex was lost with the cut; whoever held it holds nothing now.
        initialise(mutex());
        return MutexLock::Failed;
    case SharedBlockFile::SizeCheck::Broken:
        return MutexLock::Failed;
    }
    timespec deadline{};
    ::clock_gettime(CLOCK_MONOTONIC, &deadline);
    const auto ms = std::max<long long>(0, limit.count());
    deadline.tv_sec += static_cast<time_t>(ms / 1000);
    deadline.tv_nsec += static_cast<long>((ms % 1000) * 1000000);
    if (deadline.tv_nsec >= 1000000000) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000;
    }
    int rc;
    while ((rc = pthread_mutex_clocklock(mutex(), CLOCK_MONOTONIC, &deadline)) == EINTR) {
    }
    if (rc == 0)
        return MutexLock::Acquired;
    if (rc == EOWNERDEAD) {
        // The holder died mid-copy; without this the mutex stays
        // unrecoverable after our unlock and locks everyone out forever.
        if (pthread_mutex_consistent(mutex()) == 0)
            return MutexLock::RecoveredOwnerDied;
        pthread_mutex_unlock(mutex());
    }
    return MutexLock::Failed; // ETIMEDOUT, ENOTRECOVERABLE, EDEADLK, ...
}

void RobustMutex::unlock() {
    if (file_.isMapped())
        pthread_mutex_unlock(mutex());
}

} // namespace orvyn
