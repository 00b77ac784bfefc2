// Message endpoints: what a window found by its exact title is elsewhere.
// The receiving program binds an AF_UNIX/SOCK_DGRAM socket at
// <runtime folder>/<exact title>; senders post one datagram (see Datagram.h)
// per message. A socket file nobody receives on is stale: senders treat it
// as "not found" and the next owner replaces it.
//
// The kernel queues only a few datagrams per receiver
// (net.unix.max_dgram_qlen, often 10); a post to a full queue fails rather
// than blocks, so receivers drain promptly from their event loop.
#pragma once

#include "platform/MessagePoster.h"

#include <cstddef>
#include <string>
#include <sys/types.h>
#include <vector>

namespace orvyn {

enum class BindResult {
    Bound, // receiving at the title (a stale socket file was replaced)
    Taken, // a live program already receives at that title
    Error, // see error(): path too long, not a socket, system failure
};

// The receiving side. Not thread-safe: one thread owns it.
class Endpoint {
public:
    Endpoint() = default;
    ~Endpoint(); // closes and removes its socket file
    Endpoint(const Endpoint &) = delete;
    Endpoint &operator=(const Endpoint &) = delete;

    // `runtimeFolder` ends with "/". Two programs racing for one title are
    // kept apart by their instance locks, not here.
    BindResult bind(const std::string &runtimeFolder, const std::string &title);
    void close();

    // Non-blocking, close-on-exec descriptor to watch for readability; -1
    // before bind.
    int fd() const { return fd_; }
    bool isBound() const { return fd_ >= 0; }
    const std::string &path() const { return path_; }
    const std::string &error() const { return error_; }

    // Every datagram waiting now (at most `limit`, so a flood cannot starve
    // the event loop; the descriptor stays readable when more wait),
    // validated and decoded. Malformed ones are dropped and counted.
    std::vector<PostedMessage> receive(std::size_t limit = 256);
    std::size_t rejectedCount() const { return rejected_; }

private:
    int fd_ = -1;
    std::string path_;
    std::string error_;
    dev_t dev_ = 0; // identity of our socket file, so close() never
    ino_t ino_ = 0; // removes a successor's
    std::size_t rejected_ = 0;
};

// The sending side; thread-safe (the device worker posts too).
class EndpointPoster final : public MessagePoster {
public:
    explicit EndpointPoster(std::string runtimeFolder);
    ~EndpointPoster() override;
    EndpointPoster(const EndpointPoster &) = delete;
    EndpointPoster &operator=(const EndpointPoster &) = delete;

    // A datagram can be delivered now: something is bound and receiving.
    bool exists(const std::string &title) override;
    // One datagram, MSG_DONTWAIT. False when not found, the receiver's queue
    // is full, or the message has no valid datagram form.
    bool post(const std::string &title, const PostedMessage &message) override;
    using MessagePoster::post;

private:
    std::string folder_;
    int fd_ = -1; // one unbound socket for every sendto
};

// <folder><title> when it fits in a socket address; empty otherwise.
std::string endpointPath(const std::string &runtimeFolder, const std::string &title);

} // namespace orvyn
