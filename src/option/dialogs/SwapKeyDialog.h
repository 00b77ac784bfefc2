// The swap-key dialog: one standard key is made to send another key (chosen
// by pressing it, or its own again) or to act as one of seven mouse
// functions. What the key does now is written in red at the top.
#pragma once

#include "editing/KeyCapture.h"
#include "option/skin/SkinNames.h"
#include "option/skin/SkinnedDialog.h"

namespace orvyn {

class SkinnedMenu;

class SwapKeyDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    using Section = SwapKeyDialogSkin::Section;
    using enum SwapKeyDialogSkin::Section;

    // `position` 0-103 of the remap table, `initialCode` its entry now.
    SwapKeyDialog(int position, uint8_t initialCode, const KeyCodeTable &keys, const TextSource &texts,
                  QWidget *parent);
    ~SwapKeyDialog() override;

    // The code to store after OK; 0 = change nothing.
    uint8_t resultCode() const { return choice_.resultCode(); }
    const SwapKeyChoice &choice() const { return choice_; }

    // One captured keystroke: virtual key and low-level flags (bit 0
    // extended, bit 7 released). The whole keyboard comes here from when
    // the dialog shows until it ends.
    void recordedKey(uint32_t virtualKey, uint32_t flags);

    // The items of the mouse-function menu (command, text).
    std::vector<std::pair<int, QString>> functionMenuItems() const;

protected:
    void paintSkinTexts(QPainter &painter) override;
    // Keystrokes from the recorder arrive here.
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void onCommand(int section);
    void openFunctionMenu();
    void showMode();
    void showFunction();
    void setKeyText(const std::string &name);

    const TextSource &texts_;
    SwapKeyChoice choice_;
};

} // namespace orvyn
