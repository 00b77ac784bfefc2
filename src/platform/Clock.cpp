#include "platform/Clock.h"

#include <cmath>
#include <cstdlib>
#include <thread>

namespace orvyn {

RealClock::RealClock(double scale) : scale_(scale > 0 && std::isfinite(scale) ? scale : 1.0) {}

void RealClock::sleep(Millis duration) {
    if (duration.count() <= 0)
        return;
    const auto scaled = std::chrono::duration<double, std::milli>(duration.count() * scale_);
    std::this_thread::sleep_for(std::chrono::duration_cast<std::chrono::microseconds>(scaled));
}

Millis RealClock::now() const {
    const auto real = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch());
    return Millis(static_cast<Millis::rep>(real.count() / scale_));
}

void VirtualClock::sleep(Millis duration) {
    std::function<void(Millis)> hook;
    Millis at;
    {
        std::lock_guard lock(mutex_);
        now_ += duration;
        pauses_.push_back(duration);
        hook = hook_;
        at = now_;
    }
    if (hook)
        hook(at);
}

Millis VirtualClock::now() const {
    std::lock_guard lock(mutex_);
    return now_;
}

std::vector<Millis> VirtualClock::pauses() const {
    std::lock_guard lock(mutex_);
    return pauses_;
}

void VirtualClock::clearPauses() {
    std::lock_guard lock(mutex_);
    pauses_.clear();
}

void VirtualClock::setAfterSleep(std::function<void(Millis)> hook) {
    std::lock_guard lock(mutex_);
    hook_ = std::move(hook);
}

double parseTimeScale(const char *text) {
    if (!text || !*text)
        return 1.0;
    char *end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(v > 0) || !std::isfinite(v))
        return 1.0;
    return v;
}

Clock &systemClock() {
    static RealClock clock(parseTimeScale(std::getenv("ORVYN_TIME_SCALE")));
    return clock;
}

} // namespace orvyn
