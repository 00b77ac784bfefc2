#include "devbridge/HidBackend.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "platform/Trace.h"

namespace orvyn::devbridge {

HidBackend::HidBackend(MessageSink &sink, HidApi &api, WatchFactory makeWatch, IdsSource ids)
    : sink_(sink), api_(api), makeWatch_(std::move(makeWatch)), ids_(std::move(ids)) {}

HidBackend::~HidBackend() {
    stopMonitor();
    closeFeature();
}

HidOpenResult HidBackend::openDevice(const std::string &path) {
    HidOpenResult opened = api_.open(path);
    if (opened.device) {
        traceLine("devbridge: opened " + path);
        return opened;
    }
    traceLine("devbridge: cannot open " + path + ": " + std::strerror(opened.error));
    if (opened.error != 0 && opened.error != ENOENT && opened.error != ENODEV &&
        !unusableReported_.exchange(true)) {
        if (opened.error == EACCES || opened.error == EPERM)
            traceLine("devbridge: is the udev rule installed?");
        sink_.postUnusable(opened.error);
    }
    return opened;
}

namespace {

std::string hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value & 0xFFFFu);
    return text;
}

// Why `pick` was taken, for the trace.
const char *pickReason(const HidDeviceInfo &pick, const DeviceIds &ids) {
    if (pick.usagePage >= kVendorUsagePageFirst)
        return "vendor usage page";
    if (pick.interfaceNumber == ids.interfaceNumber)
        return "configured interface, no vendor usage page";
    return "first path, neither vendor usage page nor configured interface";
}

} // namespace

std::optional<HidDeviceInfo> HidBackend::findKeyboard() {
    const DeviceIds ids = ids_();
    const std::vector<HidDeviceInfo> listed = api_.enumerate(ids.vendorId, ids.productId);
    std::optional<HidDeviceInfo> pick = pickKeyboard(listed, ids);
    if (traceEnabled()) {
        // Said when it changes, not on every look.
        std::string text = "devbridge: " + hex4(ids.vendorId) + ":" + hex4(ids.productId) + " nodes:";
        for (const HidDeviceInfo &d : listed)
            text += " " + d.path + " (usage page 0x" + hex4(d.usagePage) + ", interface " +
                    std::to_string(d.interfaceNumber) + ")";
        text += pick ? " -> " + pick->path + " (" + pickReason(*pick, ids) + ")" : " -> none";
        std::lock_guard lock(traceMutex_);
        if (text != lastListing_) {
            lastListing_ = text;
            traceLine(text);
        }
    }
    return pick;
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
    using std::chrono::milliseconds;
    std::unique_ptr<HotplugWatch> watch = makeWatch_ ? makeWatch_() : nullptr;
    std::unique_ptr<HidDevice> events; // opened, read and closed on this thread only
    Clock::time_point reopenAt{};
    Clock::time_point settleUntil{};     // look at the list each slice until then
    std::optional<std::string> arriving; // a pick not yet stable long enough
    Clock::time_point arrivingSince{};
    uint8_t buffer[64];

    auto openEvents = [&] {
        if (!present || events || Clock::now() < reopenAt)
            return;
        HidOpenResult opened = openDevice(*present);
        events = std::move(opened.device);
        if (events)
            return;
        if (opened.error == ENOENT || opened.error == ENODEV) {
            // The node is not there: the list is about to change, or the
            // node has not been made yet. Look again soon either way.
            settleUntil = Clock::now() + milliseconds(kSettleMs);
            reopenAt = Clock::now() + milliseconds(kSettleMs);
        } else { // no access yet: try now and then
            reopenAt = Clock::now() + milliseconds(kReopenDelayMs);
        }
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
                traceLine("devbridge: reading " + *present + " failed; closed it");
                events.reset();
                reopenAt = Clock::now() + milliseconds(kReopenDelayMs);
                look = true;
            }
        }
        const bool changed = watch ? watch->waitForChange(events ? 0 : kSliceMs) : false;
        if (stop_)
            break;
        const auto now = Clock::now();
        if (changed || look)
            settleUntil = now + milliseconds(kSettleMs);
        bool announcedGone = false;
        if (watch && present)
            for (const std::string &node : watch->takeRemovedNodes())
                announcedGone = announcedGone || node == *present;
        if (changed || look || arriving || now < settleUntil) {
            const auto found = findKeyboard();
            if (present && (announcedGone || !found || found->path != *present)) {
                traceLine("devbridge: keyboard at " + *present + " removed");
                events.reset();
                present.reset();
                unusableReported_ = false;
                sink_.postDevice(false);
            }
            if (!present) {
                if (!found) {
                    arriving.reset();
                } else if (!arriving || *arriving != found->path) {
                    arriving = found->path;
                    arrivingSince = now;
                } else if (now - arrivingSince >= milliseconds(kSettleMs)) {
                    present = std::move(arriving);
                    arriving.reset();
                    reopenAt = {};
                    unusableReported_ = false;
                    traceLine("devbridge: keyboard arrived at " + *present);
                    sink_.postDevice(true);
                }
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
    feature_ = openDevice(keyboard->path).device;
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
    const int n = feature_->sendFeature(report, length);
    if (n != static_cast<int>(length)) {
        traceLine("devbridge: SET report " + std::to_string(report[0]) + " gave " + std::to_string(n) +
                  " of " + std::to_string(length) + " bytes");
        return false;
    }
    return true;
}

bool HidBackend::getFeature(uint8_t *report, std::size_t length) {
    if (!report || length == 0)
        return false;
    std::lock_guard lock(featureMutex_);
    if (!feature_)
        return false;
    const uint8_t id = report[0];
    const int n = feature_->getFeature(report, length);
    // Only the whole report asked for is the keyboard's answer: a reply of
    // another report, or a shorter one, is a failed read.
    if (n != static_cast<int>(length) || report[0] != id) {
        traceLine("devbridge: GET report " + std::to_string(id) + " failed: " + std::to_string(n) + " of " +
                  std::to_string(length) + " bytes" +
                  (n > 0 ? ", report id " + std::to_string(report[0]) : ""));
        std::memset(report, 0, length);
        report[0] = id;
        return false;
    }
    return true;
}

} // namespace orvyn::devbridge
