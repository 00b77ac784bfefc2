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

FeatureCommands::FeatureCommands(DeviceLink &link, Clock &clock, CancelTest cancelled)
    : link_(link), clock_(clock), cancelled_(std::move(cancelled)) {}

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
    if (!link_.setFeature(report.data(), report.length))
        return false;
    return completionWait(firstPauseAfterWrite(report.id()));
}

std::optional<Report> FeatureCommands::get(uint8_t id, uint32_t length) {
    Report buffer = makeReadBuffer(id, length);
    if (!link_.getFeature(buffer.data(), buffer.length))
        return std::nullopt;
    return buffer;
}

std::optional<Report> FeatureCommands::readStatus() {
    return get(report_id::Status, report_length::Status);
}

std::optional<Report> FeatureCommands::readCurrentProfile() {
    return get(report_id::CurrentProfile, report_length::CurrentProfile);
}

std::optional<Report> FeatureCommands::readSubject(int p, uint8_t subject, uint8_t id, uint32_t length) {
    Report request = makeReadRequest(p, subject);
    link_.setFeature(request.data(), request.length); // its answer is not checked
    // A cancel during the pause ends the read before the module is asked.
    if (!cancellableWait(kSubjectPause))
        return std::nullopt;
    return get(id, length);
}

std::optional<Report> FeatureCommands::readPollingRate(int p) {
    return readSubject(p, static_cast<uint8_t>(ReadSubject::PollingRate), report_id::PollingRate,
                       report_length::PollingRate);
}

std::optional<Report> FeatureCommands::readKeyMatrix(int p) {
    return readSubject(p, static_cast<uint8_t>(ReadSubject::KeyMatrix), report_id::KeyMatrix,
                       report_length::KeyMatrix);
}

std::optional<Report> FeatureCommands::readSwitches(int p) {
    return readSubject(p, static_cast<uint8_t>(ReadSubject::Switches), report_id::Switches,
                       report_length::Switches);
}

std::optional<Report> FeatureCommands::readAssignments(int p) {
    return readSubject(p, static_cast<uint8_t>(ReadSubject::Assignments), report_id::Assignments,
                       report_length::Assignments);
}

std::optional<Report> FeatureCommands::readLighting(int p) {
    return readSubject(p, static_cast<uint8_t>(ReadSubject::Lighting), report_id::Lighting,
                       report_length::Lighting);
}

std::optional<Report> FeatureCommands::readMacro(int p, int s) {
    Report request = makeReadRequest(p, static_cast<uint8_t>(s));
    link_.setFeature(request.data(), request.length);
    completionWait(kMacroFirstPause); // busy or done, the read follows
    if (isCancelled())
        return std::nullopt;
    return get(report_id::Macro, report_length::Macro);
}

} // namespace orvyn
