// Where the user stands with Monitor and the keyboard, from what Option can
// see without asking anyone: Monitor's endpoint, config.ini and the news
// Monitor posts. And what an answered apply tells the user in the window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shared/Messages.h"

namespace orvyn {

enum class ConnectionState { KeyboardConnected, NoKeyboard, MonitorNotRunning, MonitorStarting };

struct ConnectionFacts {
    bool monitorRunning = false;  // Monitor's endpoint is there
    bool monitorStarting = false; // Option started Monitor a moment ago
    int32_t deviceState = -1;     // Device in config.ini: 1 open, 0 none, -1 not written
    bool keyboardNews = false;    // a read-back or profile change from the running Monitor
    int32_t firmwareVersion = -1; // FWVersion in config.ini; -1 when not written
};

struct ConnectionStatus {
    ConnectionState state = ConnectionState::MonitorNotRunning;
    std::string stateText;   // "Keyboard connected", ...
    std::string versionLine; // "Driver V1.03-Firmware V1.05", or "Driver V1.03" without a known firmware
    bool operator==(const ConnectionStatus &) const = default;
};

ConnectionStatus connectionStatus(const ConnectionFacts &facts);

enum class ApplyConfirmation { SavedToKeyboard, SavedWithoutKeyboard };

// None where a notice tells the user instead (refused, not taken).
std::optional<ApplyConfirmation> applyConfirmation(ApplyOutcome outcome);
std::string applyConfirmationText(ApplyConfirmation confirmation);

} // namespace orvyn
