#include "editing/ConnectionStatus.h"

#include "editing/ConfigLoading.h"
#include "platform/LocalText.h"

namespace orvyn {

namespace {

ConnectionState stateOf(const ConnectionFacts &facts) {
    // A Device line left by a Monitor that was killed says nothing.
    if (!facts.monitorRunning)
        return facts.monitorStarting ? ConnectionState::MonitorStarting : ConnectionState::MonitorNotRunning;
    if (facts.deviceState == 1)
        return ConnectionState::KeyboardConnected;
    if (facts.deviceState == 0)
        return ConnectionState::NoKeyboard;
    // Not written yet: only news from the keyboard proves it is there.
    return facts.keyboardNews ? ConnectionState::KeyboardConnected : ConnectionState::NoKeyboard;
}

const char *stateText(ConnectionState state) {
    switch (state) {
    case ConnectionState::KeyboardConnected:
        return QT_TRANSLATE_NOOP("ConnectionStatus", "Keyboard connected");
    case ConnectionState::NoKeyboard:
        return QT_TRANSLATE_NOOP("ConnectionStatus", "No keyboard connected");
    case ConnectionState::MonitorStarting:
        return QT_TRANSLATE_NOOP("ConnectionStatus", "Starting Monitor...");
    case ConnectionState::MonitorNotRunning:
        break;
    }
    return QT_TRANSLATE_NOOP("ConnectionStatus", "Monitor is not running");
}

} // namespace

ConnectionStatus connectionStatus(const ConnectionFacts &facts) {
    ConnectionStatus status;
    status.state = stateOf(facts);
    status.stateText = localText("ConnectionStatus", stateText(status.state));
    status.versionLine = std::string("Driver V") + kDriverVersion;
    // The firmware of a keyboard that is there and has told it; none that
    // a default or an earlier keyboard would make up.
    const std::string firmware = formatFirmwareVersion(facts.firmwareVersion, FirmwareRange::AfterReadBack);
    if (status.state == ConnectionState::KeyboardConnected && firmware != "N/A")
        status.versionLine += "-Firmware V" + firmware;
    return status;
}

std::optional<ApplyConfirmation> applyConfirmation(ApplyOutcome outcome) {
    switch (outcome) {
    case ApplyOutcome::Sent:
        return ApplyConfirmation::SavedToKeyboard;
    case ApplyOutcome::NoKeyboard:
        return ApplyConfirmation::SavedWithoutKeyboard;
    case ApplyOutcome::NotTaken:
    case ApplyOutcome::Refused:
        break;
    }
    return std::nullopt;
}

std::string applyConfirmationText(ApplyConfirmation confirmation) {
    return confirmation == ApplyConfirmation::SavedToKeyboard
               ? localText("ConnectionStatus", QT_TRANSLATE_NOOP("ConnectionStatus", "Saved to the keyboard"))
               : localText("ConnectionStatus",
                           QT_TRANSLATE_NOOP("ConnectionStatus", "Saved; the keyboard is not connected"));
}

} // namespace orvyn
