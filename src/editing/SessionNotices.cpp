#include "editing/SessionNotices.h"

#include <algorithm>
#include <utility>

#include "platform/LocalText.h"

namespace orvyn {

namespace {

constexpr const char *kContext = "SessionNotices";

std::string said(const char *source, std::initializer_list<std::string_view> values = {}) {
    return localText(kContext, source, values);
}

} // namespace

std::string refusedSettingsText(uint32_t refusedReports) {
    static constexpr std::pair<uint32_t, const char *> kCarried[] = {
        {5, QT_TRANSLATE_NOOP("SessionNotices", "current profile")},
        {6, QT_TRANSLATE_NOOP("SessionNotices", "key assignments of the standard keys")},
        {7, QT_TRANSLATE_NOOP("SessionNotices", "Windows-key lock and other switches")},
        {8, QT_TRANSLATE_NOOP("SessionNotices", "programmable-key assignments")},
        {9, QT_TRANSLATE_NOOP("SessionNotices", "macros")},
        {10, QT_TRANSLATE_NOOP("SessionNotices", "lighting")},
        {11, QT_TRANSLATE_NOOP("SessionNotices", "polling rate")},
    };
    std::string text;
    uint32_t named = 0;
    for (const auto &[id, what] : kCarried) {
        if ((refusedReports >> id) & 1u) {
            text += (text.empty() ? "" : ", ") + said(what);
            named |= 1u << id;
        }
    }
    if (refusedReports & ~named)
        text += (text.empty() ? "" : ", ") + said(QT_TRANSLATE_NOOP("SessionNotices", "other settings"));
    return text;
}

std::string sessionNoticeText(SessionNotice notice, const NoticeFacts &facts, const SaveFailures &unsaved) {
    // Whole sentences for each case, so that a language words them its way.
    const bool saved = facts.lastApplySaved;
    switch (notice) {
    case SessionNotice::AppliedWithoutMonitor:
        return said(
            saved ? QT_TRANSLATE_NOOP("SessionNotices",
                                      "The settings were saved, but they could not be sent to the keyboard "
                                      "because the Monitor program is not running. Start Monitor and apply "
                                      "again to change the keyboard.")
                  : QT_TRANSLATE_NOOP("SessionNotices",
                                      "The settings were not saved, and they could not be sent to the "
                                      "keyboard because the Monitor program is not running. Start Monitor "
                                      "and apply again to change the keyboard."));
    case SessionNotice::KeyboardAbsent:
        return said(
            saved ? QT_TRANSLATE_NOOP("SessionNotices",
                                      "The settings were saved, but no keyboard is connected, so the "
                                      "keyboard did not receive them. Connect it and apply again.")
                  : QT_TRANSLATE_NOOP("SessionNotices",
                                      "The settings were not saved, and no keyboard is connected, so the "
                                      "keyboard did not receive them. Connect it and apply again."));
    case SessionNotice::ApplyUnconfirmed:
        return said(
            saved ? QT_TRANSLATE_NOOP("SessionNotices",
                                      "The settings were saved, but Monitor did not confirm that the "
                                      "keyboard received them. Make sure Monitor is running and apply "
                                      "again.")
                  : QT_TRANSLATE_NOOP("SessionNotices",
                                      "The settings were not saved, and Monitor did not confirm that the "
                                      "keyboard received them. Make sure Monitor is running and apply "
                                      "again."));
    case SessionNotice::KeyboardRefused: {
        const std::string refused = refusedSettingsText(facts.refusedReports);
        if (refused.empty())
            return said(QT_TRANSLATE_NOOP(
                "SessionNotices", "The keyboard refused some changes. They stay marked; Apply sends them "
                                  "again."));
        return said(
            QT_TRANSLATE_NOOP("SessionNotices",
                              "The keyboard refused some changes: %1. They stay marked; Apply sends them "
                              "again."),
            {refused});
    }
    case SessionNotice::MacroLibraryUnreadable:
        if (facts.libraryProblem.empty())
            return said(
                QT_TRANSLATE_NOOP("SessionNotices",
                                  "The macro library %1 cannot be read whole. It is left as it is: the "
                                  "macros that could be read are shown, and macros recorded or changed "
                                  "now are not saved to it until it is mended or removed."),
                {facts.libraryPath});
        return said(
            QT_TRANSLATE_NOOP("SessionNotices",
                              "The macro library %1 cannot be read whole: %2. It is left as it is: the "
                              "macros that could be read are shown, and macros recorded or changed now "
                              "are not saved to it until it is mended or removed."),
            {facts.libraryPath, facts.libraryProblem});
    case SessionNotice::SettingsNotSaved: {
        // config.ini is written more than once in an apply; one line a fault.
        SaveFailures lines;
        for (const std::string &line : unsaved) {
            if (std::find(lines.begin(), lines.end(), line) == lines.end())
                lines.push_back(line);
        }
        std::string faults;
        for (const std::string &line : lines)
            faults += (faults.empty() ? "" : "\n") + line;
        return said(
            QT_TRANSLATE_NOOP("SessionNotices",
                              "The settings could not be saved:\n%1\nThey stay marked as changed: once "
                              "the problem is solved, apply again to save them."),
            {faults});
    }
    }
    return {};
}

} // namespace orvyn
