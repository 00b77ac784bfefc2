#include "editing/ApplyAnswerWait.h"

#include <algorithm>

namespace orvyn {

std::chrono::milliseconds applyWaitLimit(double timeScale) {
    const auto design = std::chrono::duration_cast<std::chrono::milliseconds>(kApplyWaitDesignLimit);
    return std::chrono::milliseconds(static_cast<int64_t>(static_cast<double>(design.count()) * timeScale) +
                                     1);
}

int64_t applyToken(uint32_t processId, uint32_t sequence) {
    const int64_t low = static_cast<int64_t>(sequence % 0xFFFF) + 1; // 1..0xFFFF, never 0
    return static_cast<int64_t>(processId & 0x7FFF) << 16 | low;
}

namespace {

// The wait is measured in real time: its limit is already scaled.
const Clock &realTime() {
    static const RealClock clock(1.0);
    return clock;
}

} // namespace

ApplyWaitSchedule::ApplyWaitSchedule() : clock_(&realTime()) {}

void ApplyWaitSchedule::start() {
    running_ = true;
    start_ = clock_->now();
    nextWatch_ = start_ + timing_.watch;
}

std::optional<Millis> ApplyWaitSchedule::due() const {
    if (!running_)
        return std::nullopt;
    const Millis now = clock_->now();
    const Millis due = std::min(nextWatch_, start_ + timing_.limit);
    return std::max(due - now, Millis{0});
}

ApplyWaitLook ApplyWaitSchedule::look() {
    const Millis now = clock_->now();
    if (now - start_ >= timing_.limit)
        return ApplyWaitLook::PastLimit;
    if (now < nextWatch_)
        return ApplyWaitLook::NotDue;
    while (nextWatch_ <= now)
        nextWatch_ += timing_.watch;
    return ApplyWaitLook::LookForMonitor;
}

} // namespace orvyn
