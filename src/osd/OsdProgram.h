// The on-screen display's answers to Monitor's messages: which notice to
// show for a profile change or a stored text, and the two settings values.
// Free of Qt; the notice itself goes to a NoticeDisplay.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/MessagePoster.h"
#include "shared/SettingsStore.h"
#include "uitext/UiText.h"

namespace orvyn {

// What a notice is about, so the overlay can draw more than its words.
enum class NoticeKind { Text, Profile, KeyLock, KeyUnlock };

struct Notice {
    NoticeKind kind = NoticeKind::Text;
    std::string summary; // the first line, as a notification service shows it
    std::string body;
    int profileNumber = 0; // 1-5 for a profile notice
    std::string caption;   // the word before that number ("Profile"); may be empty
};

class NoticeDisplay {
public:
    virtual ~NoticeDisplay() = default;
    // Shows one notice, replacing the one shown before.
    virtual void show(const std::string &summary, const std::string &body) = 0;
    // The same with what it is about; plain displays show its words.
    virtual void showNotice(const Notice &notice) { show(notice.summary, notice.body); }
};

// Monitor's texts for the Windows-key lock, as it stores them.
inline constexpr const char *kWindowsKeyLockText = "Windows Key: Lock";
inline constexpr const char *kWindowsKeyUnlockText = "Windows Key: UnLock";

class OsdProgram {
public:
    OsdProgram(SettingsStore &settings, const TextSource &texts, NoticeDisplay &display,
               std::function<void()> quit);

    // One message from Monitor; anything not ours is ignored.
    void handle(const PostedMessage &message);

    // "Profile N" (the word from the language library) and the profile's
    // name when its file can be read.
    void showProfile(int index);
    // The text stored in OSDData/Message; nothing for an empty text.
    void showStoredText();

    // Monitor's endpoint was looked at: `present` says whether it answers.
    // The OSD ends once Monitor has been seen and is gone, so a Monitor that
    // is killed (and cannot close it) does not leave it behind.
    void monitorChecked(bool present);

    uint16_t settingsValue24() const { return value24_; }
    uint16_t settingsValue28() const { return value28_; }

private:
    SettingsStore &settings_;
    const TextSource &texts_;
    NoticeDisplay &display_;
    std::function<void()> quit_;
    uint16_t value24_ = 0;
    uint16_t value28_ = 0;
    bool monitorSeen_ = false;
};

} // namespace orvyn
