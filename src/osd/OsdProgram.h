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

class NoticeDisplay {
public:
    virtual ~NoticeDisplay() = default;
    // Shows one notice, replacing the one shown before.
    virtual void show(const std::string &summary, const std::string &body) = 0;
};

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
