// The swap-key dialog: one standard key is made to send another key (chosen
// by pressing it, or its own again) or to act as one of seven mouse
// functions. What the key does now is written in red at the top.
#pragma once

#include "editing/KeyCapture.h"
#include "option/dialogs/KeyCaptureDialog.h"
#include "option/skin/SkinNames.h"

namespace orvyn {

class SkinnedMenu;

class SwapKeyDialog final : public KeyCaptureDialog {
    Q_OBJECT
public:
    using Section = SwapKeyDialogSkin::Section;
    using enum SwapKeyDialogSkin::Section;

    // `position` 0-103 of the remap table, `initialCode` its entry now.
    SwapKeyDialog(int position, uint8_t initialCode, const KeyCodeTable &keys, const TextSource &texts,
                  QWidget *parent);

    // The code to store after OK; 0 = change nothing.
    uint8_t resultCode() const { return choice_.resultCode(); }
    const SwapKeyChoice &choice() const { return choice_; }

    using KeyCaptureDialog::recordedKey;
    void recordedKey(const Keystroke &keystroke) override;
    void command(int section) override;
    // OK: the choice is kept (resultCode()).
    void accept() override;

    // The items of the mouse-function menu (command, text).
    std::vector<std::pair<int, QString>> functionMenuItems() const;

protected:
    void paintSkinTexts(QPainter &painter) override;

private:
    void openFunctionMenu();
    void showMode();
    void showFunction();
    void setKeyText(const std::string &name);

    const TextSource &texts_;
    SwapKeyChoice choice_;
};

} // namespace orvyn
