#include "devbridge/Backend.h"

namespace orvyn::devbridge {

void MessageSink::activate(DevBridgeSink *sink, uint32_t eventMessage, uint32_t deviceMessage) {
    std::lock_guard lock(mutex_);
    sink_ = sink;
    eventMessage_ = eventMessage;
    deviceMessage_ = deviceMessage;
}

void MessageSink::deactivate() {
    // Taking the lock waits for a post in progress.
    std::lock_guard lock(mutex_);
    sink_ = nullptr;
}

bool MessageSink::active() const {
    std::lock_guard lock(mutex_);
    return sink_ != nullptr && sink_->post != nullptr;
}

void MessageSink::postEvent(uint16_t type, uint16_t data) {
    std::lock_guard lock(mutex_);
    if (sink_ && sink_->post)
        sink_->post(sink_, eventMessage_, type, data);
}

void MessageSink::postDevice(bool arrived) {
    std::lock_guard lock(mutex_);
    if (sink_ && sink_->post)
        sink_->post(sink_, deviceMessage_, arrived ? 1u : 0u, 0u);
}

void MessageSink::postUnusable(int error) {
    std::lock_guard lock(mutex_);
    if (sink_ && sink_->post)
        sink_->post(sink_, deviceMessage_, DEVBRIDGE_DEVICE_UNUSABLE, static_cast<uint32_t>(error));
}

} // namespace orvyn::devbridge
