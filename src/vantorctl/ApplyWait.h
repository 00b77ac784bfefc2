// Waiting for Monitor's answer to an apply without an event loop: the
// messages that arrive on Option's endpoint go to the session as they would
// in the window, and the wait ends on the answer, when Monitor stops
// receiving, when it closes us, or at the limit.
#pragma once

#include <chrono>
#include <vector>

#include "editing/ConfigSession.h"
#include "platform/Clock.h"
#include "platform/Endpoint.h"
#include "platform/MessagePoster.h"

namespace orvyn::ctl {

// Where posted messages arrive.
class MessageSource {
public:
    virtual ~MessageSource() = default;
    // What arrived within `timeout` (real time); empty when nothing did.
    virtual std::vector<PostedMessage> wait(std::chrono::milliseconds timeout) = 0;
};

// The endpoint bound under Option's title.
class EndpointSource final : public MessageSource {
public:
    explicit EndpointSource(Endpoint &endpoint) : endpoint_(endpoint) {}
    std::vector<PostedMessage> wait(std::chrono::milliseconds timeout) override;

private:
    Endpoint &endpoint_;
};

struct WaitTiming {
    std::chrono::milliseconds limit;                         // whole wait
    std::chrono::milliseconds watch = kMonitorWatchInterval; // Monitor alive?
};

// Runs until the session stops waiting, then reports how the wait ended
// (the session has been told). `closed` is set by the view when Monitor
// asks Option to close (keyboard removed, Monitor ending): no answer comes
// after that.
ApplyEnd waitForApply(ConfigSession &session, MessageSource &source, MessagePoster &poster,
                      const Clock &clock, const WaitTiming &timing, const bool &closed);

} // namespace orvyn::ctl
