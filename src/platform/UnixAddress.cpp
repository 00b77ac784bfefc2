#include "platform/UnixAddress.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace orvyn {

bool fitsUnixAddress(const std::string &path) {
    return !path.empty() && path.size() < sizeof(sockaddr_un::sun_path) &&
           path.find('\0') == std::string::npos;
}

std::optional<UnixAddress> unixAddress(const std::string &path) {
    if (!fitsUnixAddress(path))
        return std::nullopt;
    UnixAddress out;
    out.address.sun_family = AF_UNIX;
    std::memcpy(out.address.sun_path, path.data(), path.size());
    return out;
}

int connectUnixSocket(const UnixAddress &address, int type) {
    const int fd = ::socket(AF_UNIX, type | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    int rc;
    do {
        rc = ::connect(fd, address.get(), address.size());
    } while (rc != 0 && errno == EINTR);
    if (rc == 0)
        return fd;
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
}

int connectUnixSocket(const std::string &path, int type) {
    const std::optional<UnixAddress> address = unixAddress(path);
    if (!address) {
        errno = ENAMETOOLONG;
        return -1;
    }
    return connectUnixSocket(*address, type);
}

SocketProbe probeUnixSocket(const UnixAddress &address, int type) {
    const int fd = connectUnixSocket(address, type);
    if (fd >= 0) {
        ::close(fd);
        return SocketProbe::Live;
    }
    if (errno == ECONNREFUSED)
        return SocketProbe::Stale;
    if (errno == ENOENT)
        return SocketProbe::Missing;
    return SocketProbe::Failed;
}

} // namespace orvyn
