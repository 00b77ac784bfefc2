#include "option/dialogs/KeySlotPage.h"

#include "option/dialogs/ShortcutDialog.h"
#include "option/skin/BitmapButton.h"

namespace orvyn {

KeySlotPage::KeySlotPage(const KeyPageServices &services, KeyFunctionMenu::Widths widths,
                         ManagerAccepted managerAccepted, QWidget *parent)
    : ConfigPage(services.session.working(), parent), services_(services),
      assignmentText_(services.texts, services.keys), widths_(widths), managerAccepted_(managerAccepted) {}

void KeySlotPage::showAssignment(BitmapButton *button, int slot) {
    if (!button)
        return;
    const ProfileData *p = profile();
    button->setCaption(p ? QString::fromStdString(assignmentText_.text(p->keys[slot])) : QString());
    button->update();
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
    int command = 0;
    {
        KeyFunctionMenu menu(keyMenuLayout(services_.texts, services_.session.library(), currentKey_),
                             widths_, this);
        command = menu.run(button->mapToGlobal(QPoint(0, button->height())));
    }
    // The button lost the pointer to the menu: it must not stay lit.
    button->setHover(false);
    button->repaint();
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
    case KeyCommandResult::OpenMacroManager:
        // Not wired yet: the launch-program dialog and the macro manager
        // are still to come. Until then these entries change nothing.
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

} // namespace orvyn
