// Addresses of Unix-domain sockets named by a file path, and the probe that
// tells a live socket file from one left behind by a dead owner.
#pragma once

#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>

namespace orvyn {

struct UnixAddress {
    sockaddr_un address{};
    const sockaddr *get() const { return reinterpret_cast<const sockaddr *>(&address); }
    socklen_t size() const { return sizeof address; }
};

// The address of the socket file at `path`; nullopt when the path is empty,
// holds a NUL byte or does not fit (it would be cut short silently).
std::optional<UnixAddress> unixAddress(const std::string &path);

// Whether `path` fits in a socket address.
bool fitsUnixAddress(const std::string &path);

// A socket of `type` (SOCK_DGRAM, SOCK_STREAM, SOCK_SEQPACKET; flags such as
// SOCK_NONBLOCK may be or-ed in) connected to `address`; -1 with errno set
// when nobody listens there. Always close-on-exec.
int connectUnixSocket(const UnixAddress &address, int type);
// The same for a path; -1 with errno ENAMETOOLONG when it makes no address.
int connectUnixSocket(const std::string &path, int type);

enum class SocketProbe {
    Live,    // something receives there
    Stale,   // a socket file nobody serves (its owner died)
    Missing, // no such file
    Failed,  // anything else; errno says why
};

// Probes with a socket of `type`, which must match the listener's.
SocketProbe probeUnixSocket(const UnixAddress &address, int type);

} // namespace orvyn
