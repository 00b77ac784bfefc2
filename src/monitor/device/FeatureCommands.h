// Feature reports on the wire: a write followed by the keyboard's completion
// wait, a read preceded by the request that names its subject, and the
// cancellable pauses between them. Every pause goes through the Clock in
// 100 ms steps, so a cancel ends a running command within one step.
#pragma once

#include <functional>
#include <optional>

#include "monitor/device/DeviceLink.h"
#include "monitor/device/FeatureReports.h"
#include "platform/Clock.h"

namespace orvyn {

class FeatureCommands {
public:
    using CancelTest = std::function<bool()>;

    // `cancelled` is tested before every 100 ms step; none = never cancelled.
    FeatureCommands(DeviceLink &link, Clock &clock, CancelTest cancelled = {});

    // Sleeps `duration` in 100 ms steps (duration / 100 of them), testing
    // the cancel flag before each; false when cancelled.
    bool cancellableWait(Millis duration);

    // Polls report 4 after `firstPause`, then after 1000, 1500 and 2000 ms
    // (and 2000 ms from then on) while the keyboard answers busy, ten polls
    // at most. True when the keyboard answered done.
    bool completionWait(Millis firstPause);

    // SetFeature, then the completion wait with the report's first pause.
    // A report that could not be sent is not waited for and fails.
    bool write(Report report);

    // Report 4 (status) and report 5 (current profile): no request first.
    std::optional<Report> readStatus();
    std::optional<Report> readCurrentProfile();
    // Report 4 names the subject, a 200 ms pause, then the read.
    std::optional<Report> readPollingRate(int p);
    std::optional<Report> readKeyMatrix(int p);
    std::optional<Report> readSwitches(int p);
    std::optional<Report> readAssignments(int p);
    std::optional<Report> readLighting(int p);
    // Report 4 names the slot, the completion wait (first pause 300 ms,
    // its answer not used), then the read.
    std::optional<Report> readMacro(int p, int s);

    bool isCancelled() const { return cancelled_ && cancelled_(); }

private:
    std::optional<Report> get(uint8_t id, uint32_t length);
    std::optional<Report> readSubject(int p, uint8_t subject, uint8_t id, uint32_t length);

    DeviceLink &link_;
    Clock &clock_;
    CancelTest cancelled_;
};

} // namespace orvyn
