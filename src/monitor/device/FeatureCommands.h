// Feature reports on the wire: a write followed by the keyboard's completion
// wait, a read preceded by the request that names its subject, and the
// cancellable pauses between them. Every pause goes through the Clock in
// 100 ms steps, so a cancel ends a running command within one step.
#pragma once

#include <functional>
#include <optional>

#include "monitor/device/DeviceModule.h"
#include "platform/Clock.h"
#include "protocol/FeatureReports.h"
#include "protocol/ReportTable.h"

namespace orvyn {

class FeatureCommands {
public:
    using CancelTest = std::function<bool()>;

    // `cancelled` is tested before every 100 ms step; none = never cancelled.
    FeatureCommands(DeviceModule &module, Clock &clock, CancelTest cancelled = {});

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

    // One read as the report's row says: status and current profile at
    // once; a per-profile report after report 4 has named its subject for
    // profile p and a 200 ms pause. A macro is read with readMacro, a
    // write-only report never: both answer nothing here.
    std::optional<Report> read(const ReportSpec &report, int p = 0);
    std::optional<Report> readStatus() { return read(reportSpec(report_id::Status)); }
    // Report 4 names the slot, the completion wait (first pause 300 ms,
    // its answer not used), then the read.
    std::optional<Report> readMacro(int p, int s);

    bool isCancelled() const { return cancelled_ && cancelled_(); }

private:
    std::optional<Report> get(const ReportSpec &report);

    DeviceModule &module_;
    Clock &clock_;
    CancelTest cancelled_;
};

} // namespace orvyn
