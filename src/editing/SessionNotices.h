// What Option and vantorctl tell the user about a save or an apply, in the
// user's words.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "shared/SettingsStore.h"

namespace orvyn {

// What the user has to be told; the session gives the text.
enum class SessionNotice {
    AppliedWithoutMonitor, // saved, but nothing could be handed to Monitor
    ApplyUnconfirmed,      // saved and handed over, but Monitor never answered
    KeyboardAbsent,        // Monitor answered, but it has no keyboard to write
    KeyboardRefused,       // the keyboard refused some of the changed parts
    MacroLibraryUnreadable,
    SettingsNotSaved, // a settings file or the macro library could not be written
};

// What the refused reports (bit n: report id n) carry, in the user's words:
// "lighting, polling rate".
std::string refusedSettingsText(uint32_t refusedReports);

// What a notice's text speaks of.
struct NoticeFacts {
    bool lastApplySaved = true;   // the last apply's files, as the user was told of them
    uint32_t refusedReports = 0;  // KeyboardRefused
    std::string_view libraryPath; // MacroLibraryUnreadable
    std::string_view libraryProblem;
};

// The text for `notice`; `unsaved` lists what could not be written
// (SettingsNotSaved only).
std::string sessionNoticeText(SessionNotice notice, const NoticeFacts &facts, const SaveFailures &unsaved);

} // namespace orvyn
