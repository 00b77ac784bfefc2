#include "osd/OsdProgram.h"

#include <QCoreApplication>
#include <memory>

#include "shared/Messages.h"

namespace orvyn {

namespace {

constexpr unsigned kProfileText = 1040;

} // namespace

OsdProgram::OsdProgram(SettingsStore &settings, const TextSource &texts, NoticeDisplay &display,
                       std::function<void()> quit)
    : settings_(settings), texts_(texts), display_(display), quit_(std::move(quit)) {}

void OsdProgram::handle(const PostedMessage &m) {
    switch (m.message) {
    case WM_OSD_COMMAND:
        if (m.wParam == OSD_SHOW_PROFILE)
            showProfile(static_cast<int>((m.lParam >> 16) & 0xFFFF));
        else if (m.wParam == OSD_SHOW_TEXT)
            showStoredText();
        break;
    case WM_OSD_SETTINGS:
        value24_ = static_cast<uint16_t>((m.lParam >> 16) & 0xFFFF);
        value28_ = static_cast<uint16_t>(m.lParam & 0xFFFF);
        break;
    case WM_CLOSE_MSG:
        if (quit_)
            quit_();
        break;
    default:
        break;
    }
}

void OsdProgram::monitorChecked(bool present) {
    if (present) {
        monitorSeen_ = true;
    } else if (monitorSeen_) {
        monitorSeen_ = false; // quit once
        if (quit_)
            quit_();
    }
}

void OsdProgram::showProfile(int index) {
    if (!isValidProfile(index))
        return;
    std::string name;
    auto profile = std::make_unique<ProfileData>();
    *profile = ProfileData{};
    if (SettingsStore::loadProfile(*profile, settings_.profilePath(index)))
        name = std::string(getFixed(profile->ProFileName));
    // Without the language library the word is empty, like every text.
    const std::string word = texts_.text(kProfileText);
    Notice notice;
    notice.kind = NoticeKind::Profile;
    notice.profileNumber = index + 1;
    notice.caption = word;
    notice.summary = (word.empty() ? "" : word + " ") + std::to_string(index + 1);
    notice.body = name;
    display_.showNotice(notice);
}

void OsdProgram::showStoredText() {
    Notice notice;
    notice.summary = settings_.readOsdMessage();
    if (notice.summary.empty())
        return;
    // Monitor's two fixed texts are shown in the user's language; any other
    // text is shown as it came.
    if (notice.summary == kWindowsKeyLockText) {
        notice.kind = NoticeKind::KeyLock;
        notice.summary = QCoreApplication::translate("OsdProgram", "Windows Key: Lock").toStdString();
    } else if (notice.summary == kWindowsKeyUnlockText) {
        notice.kind = NoticeKind::KeyUnlock;
        notice.summary = QCoreApplication::translate("OsdProgram", "Windows Key: UnLock").toStdString();
    }
    display_.showNotice(notice);
}

} // namespace orvyn
