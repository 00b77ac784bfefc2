// Waiting for Monitor's answer to an apply: the token that tells our answer
// from others, the limit of the wait and the regular looks for Monitor.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "platform/Clock.h"

namespace orvyn {

// Why a wait for Monitor's answer ended.
enum class ApplyEnd { Answered, MonitorGone, TimedOut };

// The wait for Monitor's answer outlasts the slowest apply a busy keyboard
// can hold Monitor for (101 reports of about 17 s each).
inline constexpr std::chrono::minutes kApplyWaitDesignLimit{40};
// How often a waiting apply checks that Monitor still receives.
inline constexpr std::chrono::milliseconds kMonitorWatchInterval{1000};
// The apply-wait limit scaled by ORVYN_TIME_SCALE's factor.
std::chrono::milliseconds applyWaitLimit(double timeScale);

// The token an apply hands to Monitor (1..kMaxApplyToken): the process id's
// low 15 bits over a 16-bit sequence that skips 0, so that an answer meant
// for an earlier apply, or for a client before us on Option's endpoint,
// is told apart.
int64_t applyToken(uint32_t processId, uint32_t sequence);

// How long Option waits for Monitor's answer at most and how often it looks
// whether Monitor still receives, both on the session's wait clock.
struct ApplyWaitTiming {
    Millis limit = std::chrono::duration_cast<Millis>(kApplyWaitDesignLimit);
    Millis watch = kMonitorWatchInterval;
};

// What a look at a running wait calls for.
enum class ApplyWaitLook { NotDue, PastLimit, LookForMonitor };

// When a running wait is to be looked at. The clock is real time unless a
// test gives another, which must outlive the schedule.
class ApplyWaitSchedule {
public:
    ApplyWaitSchedule();

    void setTiming(ApplyWaitTiming timing) { timing_ = timing; }
    void setClock(const Clock &clock) { clock_ = &clock; }

    void start();
    void stop() { running_ = false; }
    // Time until the next look for Monitor or the limit, whichever comes
    // first; none unless the wait runs.
    std::optional<Millis> due() const;
    // PastLimit once the limit has passed; LookForMonitor once per watch
    // interval that has passed since the last such look.
    ApplyWaitLook look();

private:
    const Clock *clock_;
    ApplyWaitTiming timing_;
    bool running_ = false;
    Millis start_{0};
    Millis nextWatch_{0};
};

} // namespace orvyn
