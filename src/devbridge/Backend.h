// Inside the device-access library: where messages go (MessageSink) and what
// a keyboard transport offers (Backend). The C exports drive one Backend.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "devbridge/devbridge.h"
#include "platform/Trace.h"

namespace orvyn::devbridge {

// One line of the trace (ORVYN_TRACE=1).
inline void traceLine(std::string_view text) {
    if (traceEnabled())
        trace(std::string(text) + "\n");
}

// The caller's sink and message numbers. post*() may be called from any
// thread; after deactivate() returns nothing more is posted.
class MessageSink {
public:
    void activate(DevBridgeSink *sink, uint32_t eventMessage, uint32_t deviceMessage);
    void deactivate();
    bool active() const;
    void postEvent(uint16_t type, uint16_t data);
    void postDevice(bool arrived);
    // The keyboard is there but cannot be opened (`error` is an errno value).
    void postUnusable(int error);

private:
    mutable std::mutex mutex_;
    DevBridgeSink *sink_ = nullptr;
    uint32_t eventMessage_ = 0;
    uint32_t deviceMessage_ = 0;
};

class Backend {
public:
    virtual ~Backend() = default;
    // Starts watching arrival, removal and events (posted to the sink the
    // backend was made with). The keyboard's presence at this moment is not
    // posted.
    virtual void startMonitor() = 0;
    // Stops watching; returns when the watcher no longer runs.
    virtual void stopMonitor() = 0;
    // Opens the keyboard for feature reports; true when present.
    virtual bool openFeature() = 0;
    // Closes it; waits for a report in flight.
    virtual void closeFeature() = 0;
    virtual bool setFeature(const uint8_t *report, std::size_t length) = 0;
    virtual bool getFeature(uint8_t *report, std::size_t length) = 0;
};

} // namespace orvyn::devbridge
