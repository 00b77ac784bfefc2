// Posting window messages to another program's endpoint, found by its exact
// window title. The real implementation sends datagrams to sockets in the
// runtime folder; tests use fakes that record what was posted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvyn {

// One posted message. `copyData` and `dwData` are used by WM_COPYDATA only.
struct PostedMessage {
    uint32_t message = 0;
    int64_t wParam = 0;
    int64_t lParam = 0;
    uint64_t dwData = 0;
    std::vector<uint8_t> copyData;
    bool hasCopyData = false;
};

class MessagePoster {
public:
    virtual ~MessagePoster() = default;
    // True when a program currently receives at that title ("window found").
    virtual bool exists(const std::string &title) = 0;
    // Posts without blocking; false when the endpoint is not found or the
    // message could not be queued.
    virtual bool post(const std::string &title, const PostedMessage &message) = 0;

    bool post(const std::string &title, uint32_t message, int64_t wParam = 0, int64_t lParam = 0) {
        PostedMessage m;
        m.message = message;
        m.wParam = wParam;
        m.lParam = lParam;
        return post(title, m);
    }
};

} // namespace orvyn
