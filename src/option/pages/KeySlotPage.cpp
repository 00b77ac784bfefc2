#include "option/pages/KeySlotPage.h"

#include <optional>

#include "editing/LaunchProgram.h"
#include "option/dialogs/LaunchProgramDialog.h"
#include "option/dialogs/MacroManagerDialog.h"
#include "option/dialogs/ShortcutDialog.h"
#include "option/skin/BitmapButton.h"
#include "platform/Trace.h"

namespace orvyn {

namespace {

// One for the process: the macro manager opened from the main window shows
// the macro of this key first.
std::optional<MacroKeyInfo> lastOpenedMenuKey;

} // namespace

const MacroKeyInfo *KeySlotPage::lastMenuKey() {
    return lastOpenedMenuKey ? &*lastOpenedMenuKey : nullptr;
}

KeySlotPage::KeySlotPage(const KeyPageServices &services, KeyFunctionMenu::Widths widths,
                         ManagerAccepted managerAccepted, QWidget *parent)
    : ConfigPage(services.session.working(), parent), services_(services),
      assignmentText_(services.texts, services.keys), widths_(widths), managerAccepted_(managerAccepted) {}

void KeySlotPage::showAssignment(BitmapButton *button, int slot) {
    if (!button)
        return;
    const ProfileData *p = profile();
    button->setCaption(p ? QString::fromStdString(assignmentText_.text(p->keys[slot])) : QString());
}

void KeySlotPage::redrawNow() {
    if (isVisible())
        repaint();
}

void KeySlotPage::openKeyMenu(int slot, BitmapButton *button) {
    const ProfileData *p = profile();
    if (!p || !button)
        return;
    menuSlot_ = slot;
    menuProfile_ = working_.CurrentProfile;
    currentKey_ = p->keys[slot];
    lastOpenedMenuKey = currentKey_;
    const bool keyboardFocus = button->showsFocusRing();
    int command = 0;
    {
        KeyFunctionMenu menu(keyMenuLayout(services_.texts, services_.session.library(), currentKey_),
                             widths_, this);
        command = menu.run(button->mapToGlobal(QPoint(0, button->height())));
    }
    // The button lost the pointer to the menu: it must not stay lit. A
    // field reached by keyboard keeps the focus, so the user goes on from
    // there; otherwise the page takes it.
    button->setHover(false);
    if (keyboardFocus)
        button->setFocus(Qt::TabFocusReason);
    else
        setFocus();
    if (command != 0)
        keyCommand(command);
}

void KeySlotPage::keyCommand(int command) {
    const int slot = menuSlot_;
    if (!isValidProfile(menuProfile_) || slot < 0)
        return;
    switch (applyKeyCommand(working_, menuProfile_, slot, command, services_.session.library())) {
    case KeyCommandResult::SlotChanged:
        reloadCaptions();
        break;
    case KeyCommandResult::OpenShortcut:
        runShortcutDialog(slot);
        break;
    case KeyCommandResult::OpenLaunchProgram:
        runLaunchProgramDialog(slot);
        break;
    case KeyCommandResult::OpenMacroManager:
        runMacroManager();
        break;
    case KeyCommandResult::Ignored:
        break;
    }
}

void KeySlotPage::runShortcutDialog(int slot) {
    // The edit belongs to the profile the menu was opened on, even when
    // Monitor switches the profile while the dialog is open.
    const int profileIndex = menuProfile_;
    ShortcutDialog dialog(ShortcutChoice::fromSlot(working_.profiles[profileIndex].keys[slot]),
                          services_.keys, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    assignKeyCombination(working_, profileIndex, slot, dialog.choice().keyCode(),
                         dialog.choice().modifierBits());
    reloadCaptions();
}

void KeySlotPage::runLaunchProgramDialog(int slot) {
    const int profileIndex = menuProfile_;
    const QString path = QString::fromStdString(programPathOf(working_.profiles[profileIndex].keys[slot]));
    LaunchProgramDialog dialog(path, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    assignProgram(working_, profileIndex, slot, dialog.path().toStdString());
    reloadCaptions();
}

void KeySlotPage::runMacroManager() {
    // OK: saved, and from the macro keys every macro key takes its library
    // content (from the media keys the keys keep their copies); otherwise
    // the manager's edits are dropped.
    const MacroKeysOnOk keys =
        managerAccepted_ == ManagerAccepted::SaveOnly ? MacroKeysOnOk::Keep : MacroKeysOnOk::Refresh;
    if (orvyn::runMacroManager(services_.session, services_.layout, services_.texts, &currentKey_, keys,
                               this) &&
        keys == MacroKeysOnOk::Refresh)
        reloadCaptions();
}

} // namespace orvyn
