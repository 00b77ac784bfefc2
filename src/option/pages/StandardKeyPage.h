// The page of the 104 standard keys drawn on a picture of the keyboard. A
// click opens the swap-key dialog for that key; remapped keys stay drawn
// pressed, hovered or not, and their help names what they send.
#pragma once

#include <array>

#include "option/pages/KeySlotPage.h"
#include "option/skin/SkinNames.h"

namespace orvyn {

class RgnButton;

class StandardKeyPage final : public ConfigPage {
    Q_OBJECT
public:
    static constexpr int kFirstHoverIndex = 300; // + position
    static constexpr int kEnterPosition = StandardKeyPageSkin::kEnterPosition;

    StandardKeyPage(const KeyPageServices &services, QWidget *parent);

    void reload() override;
    void command(int section) override;

    // The picture button of a position (the Enter key's one stays hidden).
    BitmapButton *keyButton(int position) const { return button(StandardKeyPageSkin::section(position)); }
    // The shaped Enter key, or nullptr when it could not be made.
    RgnButton *enterKey() const { return enter_; }
    // Whether a position is drawn remapped (pressed).
    bool shownRemapped(int position) const { return shownRemapped_[position]; }

    // What a click on a position does: the swap-key dialog, then its result.
    void keyClicked(int position);

private:
    // What a key says as cut from the skin. A remapped key shows its
    // pressed picture in place of the normal and pointer-over ones.
    struct KeyLooks {
        QString plainHelp; // the skin's help text
    };

    // What a screen reader calls a key: its name, and what it sends when
    // remapped ("Caps Lock, sends A").
    QString spokenKey(int position) const;

    // Gives a key the look of its entry; true when the look changed.
    bool showKey(int position);
    // "<key> → <what it sends>" for a key remapped to `code`.
    QString remapHelp(int position, uint8_t code) const;

    KeyPageServices services_;
    std::array<KeyLooks, kStandardKeyCount> looks_;
    // The look each key shows; the skin gives every key its plain look.
    std::array<bool, kStandardKeyCount> shownRemapped_{};
    RgnButton *enter_ = nullptr;
};

} // namespace orvyn
