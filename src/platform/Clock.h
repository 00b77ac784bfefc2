// The one clock every pause of the suite goes through: real time (scaled by
// ORVYN_TIME_SCALE for integration tests) in the programs, virtual time that
// records each pause in unit tests.
#pragma once

#include <chrono>
#include <functional>
#include <mutex>
#include <vector>

namespace orvyn {

using Millis = std::chrono::milliseconds;

class Clock {
public:
    virtual ~Clock() = default;
    // Blocks the calling thread for the (scaled) duration.
    virtual void sleep(Millis duration) = 0;
    // Monotonic time in nominal milliseconds: real time divided by the scale,
    // so that durations measured with now() match the pauses given to sleep().
    virtual Millis now() const = 0;
};

// Real time; every pause is multiplied by `scale` (1 = real time).
class RealClock final : public Clock {
public:
    explicit RealClock(double scale = 1.0);
    void sleep(Millis duration) override;
    Millis now() const override;
    double scale() const { return scale_; }

private:
    double scale_;
};

// Virtual time for tests: sleep() returns at once, advances now() and records
// the pause. An optional hook runs after each pause (for example to set a
// cancel flag at a chosen moment). Thread-safe.
class VirtualClock final : public Clock {
public:
    void sleep(Millis duration) override;
    Millis now() const override;
    std::vector<Millis> pauses() const;
    void clearPauses();
    void setAfterSleep(std::function<void(Millis now)> hook);

private:
    mutable std::mutex mutex_;
    Millis now_{0};
    std::vector<Millis> pauses_;
    std::function<void(Millis)> hook_;
};

// The process-wide clock of the programs: RealClock with ORVYN_TIME_SCALE
// (a positive factor, default 1; anything unparsable counts as 1).
Clock &systemClock();

// Parses an ORVYN_TIME_SCALE value; 1.0 for null, empty, non-positive or bad.
double parseTimeScale(const char *text);

} // namespace orvyn
