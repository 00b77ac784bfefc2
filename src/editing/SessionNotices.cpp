#include "editing/SessionNotices.h"

#include <algorithm>
#include <utility>

namespace orvyn {

std::string refusedSettingsText(uint32_t refusedReports) {
    static constexpr std::pair<uint32_t, const char *> kCarried[] = {
        {5, "current profile"},
        {6, "key assignments of the standard keys"},
        {7, "Windows-key lock and other switches"},
        {8, "programmable-key assignments"},
        {9, "macros"},
        {10, "lighting"},
        {11, "polling rate"},
    };
    std::string text;
    uint32_t named = 0;
    for (const auto &[id, what] : kCarried) {
        if ((refusedReports >> id) & 1u) {
            text += (text.empty() ? "" : ", ") + std::string(what);
            named |= 1u << id;
        }
    }
    if (refusedReports & ~named)
        text += (text.empty() ? "" : ", ") + std::string("other settings");
    return text;
}

std::string sessionNoticeText(SessionNotice notice, const NoticeFacts &facts, const SaveFailures &unsaved) {
    const std::string files =
        facts.lastApplySaved ? "The settings were saved, but " : "The settings were not saved, and ";
    switch (notice) {
    case SessionNotice::AppliedWithoutMonitor:
        return files + "they could not be sent to the keyboard because the Monitor program is not running. "
                       "Start Monitor and apply again to change the keyboard.";
    case SessionNotice::KeyboardAbsent:
        return files + "no keyboard is connected, so the keyboard did not receive them. Connect it and apply "
                       "again.";
    case SessionNotice::ApplyUnconfirmed:
        return files +
               "Monitor did not confirm that the keyboard received them. Make sure Monitor is running "
               "and apply again.";
    case SessionNotice::KeyboardRefused: {
        const std::string refused = refusedSettingsText(facts.refusedReports);
        return "The keyboard refused some changes" + (refused.empty() ? std::string() : ": " + refused) +
               ". They stay marked; Apply sends them again.";
    }
    case SessionNotice::MacroLibraryUnreadable:
        return "The macro library " + std::string(facts.libraryPath) + " cannot be read whole" +
               (facts.libraryProblem.empty() ? std::string() : ": " + std::string(facts.libraryProblem)) +
               ". It is left as it is: the macros that could be read are shown, and macros recorded "
               "or changed now are not saved to it until it is mended or removed.";
    case SessionNotice::SettingsNotSaved: {
        std::string text = "The settings could not be saved:";
        // config.ini is written more than once in an apply; one line a fault.
        SaveFailures lines;
        for (const std::string &line : unsaved) {
            if (std::find(lines.begin(), lines.end(), line) == lines.end())
                lines.push_back(line);
        }
        for (const std::string &line : lines)
            text += "\n" + line;
        text += "\nThey stay marked as changed: once the problem is solved, apply again to save them.";
        return text;
    }
    }
    return {};
}

} // namespace orvyn
