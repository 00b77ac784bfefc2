#include "monitor/device/FeatureCommands.h"

namespace orvyn {

namespace {
constexpr Millis kWaitStep{100};
constexpr Millis kSubjectPause{200};
constexpr Millis kMacroFirstPause{300};
constexpr int kMaxStatusPolls = 10;

Millis pollPause(int attempt, Millis firstPause) {
    switch (attempt) {
    case 0:
        return firstPause;
    case 1:
        return Millis(1000);
    case 2:
        return Millis(1500);
    default:
        return Millis(2000);
    }
}
} // namespace

FeatureCommands::FeatureCommands(DeviceModule &module, Clock &clock, CancelTest cancelled)
    : module_(module), clock_(clock), cancelled_(std::move(cancelled)) {}

bool FeatureCommands::cancellableWait(Millis duration) {
    const auto steps = duration / kWaitStep;
    for (auto i = decltype(steps){0}; i < steps; ++i) {
        if (isCancelled())
            return false;
        clock_.sleep(kWaitStep);
    }
    return true;
}

bool FeatureCommands::completionWait(Millis firstPause) {
    int status = 0;
    bool done = false;
    for (int attempt = 0; attempt < kMaxStatusPolls; ++attempt) {
        if (!cancellableWait(pollPause(attempt, firstPause)))
            return false;
        if (const auto reply = readStatus()) {
            status = decodeStatus(reply->view());
            done = status == kStatusDone;
        } else {
            done = false; // the status keeps its last value
        }
        if (status != kStatusBusy)
            break;
    }
    return done;
}

bool FeatureCommands::write(Report report) {
    if (!module_.setFeature(report.data(), report.length))
        return false;
    return completionWait(firstPauseAfterWrite(report.id()));
}

std::optional<Report> FeatureCommands::get(const ReportSpec &report) {
    Report buffer = makeReadBuffer(report.id, report.length);
    if (!module_.getFeature(buffer.data(), buffer.length))
        return std::nullopt;
    return buffer;
}

std::optional<Report> FeatureCommands::read(const ReportSpec &report, int p) {
    switch (report.read) {
    case ReadKind::Direct:
        return get(report);
    case ReadKind::Subject: {
        Report request = makeReadRequest(p, static_cast<uint8_t>(report.subject));
        module_.setFeature(request.data(), request.length); // its answer is not checked
        // A cancel during the pause ends the read before the module is asked.
        if (!cancellableWait(kSubjectPause))
            return std::nullopt;
        return get(report);
    }
    case ReadKind::MacroSlot:
    case ReadKind::WriteOnly:
        break;
    }
    return std::nullopt;
}

std::optional<Report> FeatureCommands::readMacro(int p, int s) {
    Report request = makeReadRequest(p, static_cast<uint8_t>(s));
    module_.setFeature(request.data(), request.length);
    completionWait(kMacroFirstPause); // busy or done, the read follows
    if (isCancelled())
        return std::nullopt;
    return get(reportSpec(report_id::Macro));
}

} // namespace orvyn
