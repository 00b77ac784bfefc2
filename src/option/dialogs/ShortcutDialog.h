// The key-combination dialog: one key, captured by pressing it, plus any of
// Ctrl, Shift, Alt and Win, or explicitly no modifier. Every keystroke goes
// to the dialog while it is open; Enter and Escape are keys like the others.
#pragma once

#include "editing/KeyCapture.h"
#include "option/skin/SkinNames.h"
#include "option/skin/SkinnedDialog.h"

namespace orvyn {

class ShortcutDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    // The toggles are sections NoModifier to Win, in the choice's order.
    using Section = ShortcutDialogSkin::Section;
    using enum ShortcutDialogSkin::Section;

    ShortcutDialog(const ShortcutChoice &initial, const KeyCodeTable &keys, QWidget *parent);
    ~ShortcutDialog() override;

    BitmapButton *toggle(ShortcutChoice::Toggle which) const {
        return button(NoModifier + static_cast<int>(which));
    }

    // The key and modifiers; read them after the dialog ended with OK.
    const ShortcutChoice &choice() const { return choice_; }

    // One captured keystroke (presses and releases alike): virtual key and
    // low-level flags (bit 0 extended, bit 7 released). The whole keyboard
    // comes here from when the dialog shows until it ends.
    void recordedKey(uint32_t virtualKey, uint32_t flags);

protected:
    // Keystrokes from the recorder arrive here.
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void onCommand(int section);
    void showToggles();

    ShortcutChoice choice_;
    const KeyCodeTable &keys_;
};

} // namespace orvyn
