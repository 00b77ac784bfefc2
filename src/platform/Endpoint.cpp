#include "platform/Endpoint.h"

#include "platform/Datagram.h"
#include "platform/UnixAddress.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvyn {

namespace {

bool validTitle(const std::string &title) {
    return !title.empty() && title != "." && title != ".." && title.find('/') == std::string::npos &&
           title.find('\0') == std::string::npos;
}

int datagramSocket() {
    return ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// Whether something receives at `addr`: a connect on a datagram socket
// succeeds only when a socket is bound there.
SocketProbe probe(const UnixAddress &addr) {
    return probeUnixSocket(addr, SOCK_DGRAM | SOCK_NONBLOCK);
}

} // namespace

std::string endpointPath(const std::string &runtimeFolder, const std::string &title) {
    if (!validTitle(title))
        return {};
    std::string path = runtimeFolder + title;
    return fitsUnixAddress(path) ? path : std::string();
}

Endpoint::~Endpoint() {
    close();
}

BindResult Endpoint::bind(const std::string &runtimeFolder, const std::string &title) {
    close();
    error_.clear();
    const std::string path = endpointPath(runtimeFolder, title);
    const std::optional<UnixAddress> addr = unixAddress(path);
    if (!addr) {
        error_ = "cannot make an endpoint for \"" + title + "\" in " + runtimeFolder +
                 " (invalid title or path too long)";
        return BindResult::Error;
    }
    const int fd = datagramSocket();
    if (fd < 0) {
        error_ = std::string("cannot create a socket: ") + std::strerror(errno);
        return BindResult::Error;
    }

    // A few rounds: a stale file found, removed, then bound.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (::bind(fd, addr->get(), addr->size()) == 0) {
            struct stat st {};
            if (::lstat(path.c_str(), &st) != 0) {
                error_ = "cannot inspect " + path + ": " + std::strerror(errno);
                ::close(fd);
                return BindResult::Error;
            }
            fd_ = fd;
            path_ = path;
            dev_ = st.st_dev;
            ino_ = st.st_ino;
            return BindResult::Bound;
        }
        if (errno != EADDRINUSE) {
            error_ = "cannot bind " + path + ": " + std::strerror(errno);
            ::close(fd);
            return BindResult::Error;
        }
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && !S_ISSOCK(st.st_mode)) {
            error_ = path + " exists and is not a socket";
            ::close(fd);
            return BindResult::Error;
        }
        switch (probe(*addr)) {
        case SocketProbe::Live:
            ::close(fd);
            return BindResult::Taken;
        case SocketProbe::Stale:
            // Left behind by a program that died; nobody receives there.
            if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
                error_ = "cannot remove the stale endpoint " + path + ": " + std::strerror(errno);
                ::close(fd);
                return BindResult::Error;
            }
            break;
        case SocketProbe::Missing:
            break; // removed meanwhile: bind again
        case SocketProbe::Failed:
            error_ = "cannot probe " + path + ": " + std::strerror(errno);
            ::close(fd);
            return BindResult::Error;
        }
    }
    error_ = "cannot bind " + path + ": it keeps reappearing";
    ::close(fd);
    return BindResult::Error;
}

void Endpoint::close() {
    if (fd_ < 0)
        return;
    // Remove the file only while it is still the one we bound.
    struct stat st {};
    if (::lstat(path_.c_str(), &st) == 0 && st.st_dev == dev_ && st.st_ino == ino_)
        ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
    path_.clear();
}

std::vector<PostedMessage> Endpoint::receive(std::size_t limit) {
    std::vector<PostedMessage> out;
    if (fd_ < 0)
        return out;
    // One byte more than the largest valid datagram; MSG_TRUNC reports the
    // real length, so oversized datagrams are recognised and dropped.
    std::array<uint8_t, kMaxDatagramSize + 1> buf;
    for (std::size_t n = 0; n < limit; ++n) {
        const ssize_t got = ::recv(fd_, buf.data(), buf.size(), MSG_DONTWAIT | MSG_TRUNC);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            break; // EAGAIN: drained; anything else: nothing to read now
        }
        const auto size = static_cast<std::size_t>(got);
        std::optional<PostedMessage> m;
        if (size <= kMaxDatagramSize)
            m = decodeDatagram(std::span<const uint8_t>(buf.data(), size));
        if (m)
            out.push_back(std::move(*m));
        else
            ++rejected_;
    }
    return out;
}

EndpointPoster::EndpointPoster(std::string runtimeFolder)
    : folder_(std::move(runtimeFolder)), fd_(datagramSocket()) {}

EndpointPoster::~EndpointPoster() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool EndpointPoster::exists(const std::string &title) {
    const std::optional<UnixAddress> addr = unixAddress(endpointPath(folder_, title));
    return addr && probe(*addr) == SocketProbe::Live;
}

bool EndpointPoster::post(const std::string &title, const PostedMessage &message) {
    const std::optional<UnixAddress> addr = unixAddress(endpointPath(folder_, title));
    if (fd_ < 0 || !addr)
        return false;
    const std::optional<std::vector<uint8_t>> datagram = encodeDatagram(message);
    if (!datagram)
        return false;
    ssize_t sent;
    do {
        sent = ::sendto(fd_, datagram->data(), datagram->size(), MSG_DONTWAIT | MSG_NOSIGNAL, addr->get(),
                        addr->size());
    } while (sent < 0 && errno == EINTR);
    // ENOENT / ECONNREFUSED: not found; EAGAIN: the receiver's queue is full.
    return sent == static_cast<ssize_t>(datagram->size());
}

} // namespace orvyn
