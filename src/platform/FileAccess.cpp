#include "platform/FileAccess.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvyn {

namespace {

std::string describe(const std::string &path, const char *what, int err) {
    return path + ": " + what + (err ? std::string(" (") + std::strerror(err) + ")" : std::string());
}

std::string baseOfPath(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void syncFolder(const std::string &folder) {
    const int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

} // namespace

std::string folderOfPath(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

FileRead readRegularFile(const std::string &path, std::size_t maxBytes, LinkPolicy links) {
    FileRead result;
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (links == LinkPolicy::Refuse)
        flags |= O_NOFOLLOW;
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR) {
            result.status = ReadStatus::Missing;
            result.error = describe(path, "no such file", 0);
        } else if (err == ELOOP && links == LinkPolicy::Refuse) {
            result.error = describe(path, "is a symbolic link where a file is expected", 0);
        } else if (err == ENXIO || err == EISDIR) {
            result.status = ReadStatus::NotRegular;
            result.error = describe(path, "is not a regular file", 0);
        } else {
            result.error = describe(path, "cannot be opened", err);
        }
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        result.error = describe(path, "cannot be examined", errno);
        ::close(fd);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.status = ReadStatus::NotRegular;
        result.error = describe(path, "is not a regular file", 0);
        ::close(fd);
        return result;
    }
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        result.status = ReadStatus::TooLarge;
        result.error = describe(path, ("is larger than " + std::to_string(maxBytes) + " bytes").c_str(), 0);
        ::close(fd);
        return result;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.error = describe(path, "cannot be read", errno);
            ::close(fd);
            return result;
        }
        if (n == 0)
            break;
        // The file may grow while it is read: the limit holds regardless.
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            result.status = ReadStatus::TooLarge;
            result.error =
                describe(path, ("is larger than " + std::to_string(maxBytes) + " bytes").c_str(), 0);
            ::close(fd);
            return result;
        }
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    result.status = ReadStatus::Ok;
    result.contents = std::move(bytes);
    return result;
}

std::string resolveLinks(const std::string &path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current; // a file, a folder, or nothing there yet
        char target[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), target, sizeof target - 1);
        if (n < 0)
            return current;
        target[n] = '\0';
        if (target[0] == '/')
            current = target;
        else
            current = folderOfPath(current) + "/" + target;
    }
    return {};
}

bool replaceFileAtomically(const std::string &path, std::string_view contents, std::string *error) {
    auto fail = [&](const std::string &why) {
        if (error)
            *error = why;
        return false;
    };
    const std::string target = resolveLinks(path);
    if (target.empty())
        return fail(describe(path, "is a loop of symbolic links", 0));
    const std::string folder = folderOfPath(target);

    mode_t mode = 0644;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return fail(describe(target, "is not a regular file", 0));
        mode = st.st_mode & 07777;
    }

    // mkostemp creates with O_CREAT|O_EXCL and mode 0600: a name planted in
    // advance (a link to somewhere else) makes it pick another name instead
    // of writing through it.
    std::string temp = folder + "/." + baseOfPath(target) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(describe(target, "could not be written, its folder cannot hold a new file", errno));
    int err = 0;
    bool ok = writeAll(fd, contents);
    if (!ok)
        err = errno;
    if (ok && ::fchmod(fd, mode) != 0) {
        ok = false;
        err = errno;
    }
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        err = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return fail(describe(target, "could not be written", err));
    }
    // Make the rename itself durable.
    syncFolder(folder);
    return true;
}

FolderLock::FolderLock(const std::string &folder) {
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ >= 0) {
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                ::close(fd_);
                fd_ = -1;
                break;
            }
        }
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0)
        ::close(fd_); // releases the lock
}

} // namespace orvyn
