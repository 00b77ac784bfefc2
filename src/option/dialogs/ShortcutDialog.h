// The key-combination dialog: one key, captured by pressing it, plus any of
// Ctrl, Shift, Alt and Win, or explicitly no modifier. Every keystroke goes
// to the dialog while it is open; Enter and Escape are keys like the others.
// A key pressed with modifiers held sets the toggles to them
// (ModifierCombination), so the keyboard alone can choose a combination.
#pragma once

#include "editing/KeyCapture.h"
#include "editing/ModifierCombination.h"
#include "option/dialogs/KeyCaptureDialog.h"
#include "option/skin/SkinNames.h"

namespace orvyn {

class ShortcutDialog final : public KeyCaptureDialog {
    Q_OBJECT
public:
    // The toggles are sections NoModifier to Win, in the choice's order.
    using Section = ShortcutDialogSkin::Section;
    using enum ShortcutDialogSkin::Section;

    ShortcutDialog(const ShortcutChoice &initial, const KeyCodeTable &keys, QWidget *parent);

    BitmapButton *toggle(ShortcutChoice::Toggle which) const {
        return button(NoModifier + static_cast<int>(which));
    }

    // The key and modifiers; read them after the dialog ended with OK.
    const ShortcutChoice &choice() const { return choice_; }

    // Presses and releases alike choose the key.
    using KeyCaptureDialog::recordedKey;
    void recordedKey(const Keystroke &keystroke) override;
    void command(int section) override;

protected:
    QString captureHelp() const override;

private:
    void showToggles();
    void showModifiersHeld(const ModifierCombination::Held &held);

    ShortcutChoice choice_;
    const KeyCodeTable &keys_;
    ModifierCombination combination_;
};

} // namespace orvyn
