#include "devbridge/HidBackend.h"

#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/Trace.h"

namespace orvyn::devbridge {

HidBackend::HidBackend(MessageSink &sink, HidApi &api, WatchFactory makeWatch, IdsSource ids)
    : sink_(sink), api_(api), makeWatch_(std::move(makeWatch)), ids_(std::move(ids)) {}

HidBackend::~HidBackend() {
    stopMonitor();
    closeFeature();
}

std::unique_ptr<HidDevice> HidBackend::openDevice(const std::string &path) {
    HidOpenResult opened = api_.open(path);
    if (!opened.device && opened.error != 0 && opened.error != ENOENT && opened.error != ENODEV &&
        !unusableReported_.exchange(true)) {
        trace("devbridge: cannot open " + path + ": " + std::strerror(opened.error) +
              (opened.error == EACCES || opened.error == EPERM ? " (is the udev rule installed?)" : ""));
        sink_.postUnusable(opened.error);
    }
    return std::move(opened.device);
}

std::optional<HidDeviceInfo> HidBackend::findKeyboard() {
    const DeviceIds ids = ids_();
    return pickKeyboard(api_.enumerate(ids.vendorId, ids.productId), ids);
}

void HidBackend::startMonitor() {
    std::lock_guard lock(monitorMutex_);
    if (monitor_.joinable())
        return;
    stop_ = false;
    std::optional<std::string> present;
    if (const auto keyboard = findKeyboard())
        present = keyboard->path;
    monitor_ = std::thread([this, present] { run(present); });
}

void HidBackend::stopMonitor() {
    std::lock_guard lock(monitorMutex_);
    if (!monitor_.joinable())
        return;
    stop_ = true;
    monitor_.join();
}

void HidBackend::run(std::optional<std::string> present) {
    using Clock = std::chrono::steady_clock;
    std::unique_ptr<HotplugWatch> watch = makeWatch_ ? makeWatch_() : nullptr;
    std::unique_ptr<HidDevice> events; // opened, read and closed on this thread only
    Clock::time_point reopenAt{};
    uint8_t buffer[64];

    auto openEvents = [&] {
        if (!present || events || Clock::now() < reopenAt)
            return;
        events = openDevice(*present);
        if (!events) // no access yet, or gone again: try now and then
            reopenAt = Clock::now() + std::chrono::milliseconds(kReopenDelayMs);
    };
    openEvents();
    while (!stop_) {
        bool look = false;
        if (events) {
            const int n = events->readInput(buffer, sizeof buffer, kSliceMs);
            if (n > 0) {
                if (const auto event = parseInputReport(buffer, static_cast<std::size_t>(n)))
                    sink_.postEvent(event->type, event->data);
            } else if (n < 0) {
                // Unplugged, or the node went bad: look at the list now and
                // do not hammer a handle that keeps failing.
                events.reset();
                reopenAt = Clock::now() + std::chrono::milliseconds(kReopenDelayMs);
                look = true;
            }
        }
        const bool changed = watch ? watch->waitForChange(events ? 0 : kSliceMs) : false;
        if (stop_)
            break;
        if (changed || look) {
            const auto now = findKeyboard();
            if (present && (!now || now->path != *present)) {
                events.reset();
                present.reset();
                unusableReported_ = false;
                sink_.postDevice(false);
            }
            if (!present && now) {
                present = now->path;
                reopenAt = {};
                unusableReported_ = false;
                sink_.postDevice(true);
            }
        }
        if (!events)
            openEvents();
    }
}

bool HidBackend::openFeature() {
    std::lock_guard lock(featureMutex_);
    // A handle from before a removal is stale: always start afresh.
    feature_.reset();
    const auto keyboard = findKeyboard();
    if (!keyboard)
        return false;
    feature_ = openDevice(keyboard->path);
    return feature_ != nullptr;
}

void HidBackend::closeFeature() {
    std::lock_guard lock(featureMutex_);
    feature_.reset();
}

bool HidBackend::setFeature(const uint8_t *report, std::size_t length) {
    if (!report || length == 0)
        return false;
    std::lock_guard lock(featureMutex_);
    if (!feature_)
        return false;
    return feature_->sendFeature(report, length) == static_cast<int>(length);
}

bool HidBackend::getFeature(uint8_t *report, std::size_t length) {
    if (!report || length == 0)
        return false;
    std::lock_guard lock(featureMutex_);
    if (!feature_)
        return false;
    const uint8_t id = report[0];
    const int n = feature_->getFeature(report, length);
    if (n <= 0 || static_cast<std::size_t>(n) > length)
        return false;
    // A shorter reply leaves no stale bytes of the caller's buffer behind.
    std::memset(report + n, 0, length - static_cast<std::size_t>(n));
    report[0] = id;
    return true;
}

} // namespace orvyn::devbridge
