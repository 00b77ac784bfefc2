// A page whose buttons stand for key slots of the current profile (the
// programmable keys, the media keys): each button shows its slot's
// assignment and opens the key-function menu for it.
#pragma once

#include "editing/AssignmentText.h"
#include "editing/ConfigSession.h"
#include "option/pages/ConfigPage.h"
#include "option/pages/KeyFunctionMenu.h"

namespace orvyn {

class BitmapButton;

// What the key pages work with.
struct KeyPageServices {
    ConfigSession &session; // the working copy and the macro library
    const TextSource &texts;
    const KeyboardLayout &layout;
    const KeyCodeTable &keys; // over `layout`
};

class KeySlotPage : public ConfigPage {
    Q_OBJECT
public:
    // What OK in the macro manager opened from this page does besides
    // saving the library.
    enum class ManagerAccepted { SaveOnly, RefreshKeys };

    // The slot the last menu was opened for, or -1.
    int menuSlot() const { return menuSlot_; }
    // The entry of that slot as it was when its menu opened.
    const MacroKeyInfo &currentKey() const { return currentKey_; }
    // The entry of the key whose menu was opened last on any key page, as
    // it was then; nullptr before the first menu.
    static const MacroKeyInfo *lastMenuKey();

    // A command chosen in the key-function menu, applied to menuSlot() of
    // the profile that was current when the menu opened.
    void keyCommand(int command);

protected:
    KeySlotPage(const KeyPageServices &services, KeyFunctionMenu::Widths widths,
                ManagerAccepted managerAccepted, QWidget *parent);

    // Opens the key-function menu for `slot` below `button`, then applies
    // the chosen command.
    void openKeyMenu(int slot, BitmapButton *button);
    // Sets a button's caption to its slot's assignment.
    void showAssignment(BitmapButton *button, int slot);
    // Draws the page and its buttons now, as the captions stand.
    void redrawNow();
    // Shows every slot's assignment again after a change.
    virtual void reloadCaptions() = 0;

    KeyPageServices services_;
    AssignmentText assignmentText_;

private:
    void runShortcutDialog(int slot);
    void runLaunchProgramDialog(int slot);
    void runMacroManager();

    KeyFunctionMenu::Widths widths_;
    ManagerAccepted managerAccepted_;
    int menuSlot_ = -1;
    int menuProfile_ = -1;
    MacroKeyInfo currentKey_{};
};

} // namespace orvyn
