#include "option/dialogs/ShortcutDialog.h"

#include <QCoreApplication>

namespace orvyn {

ShortcutDialog::ShortcutDialog(const ShortcutChoice &initial, const KeyCodeTable &keys, QWidget *parent)
    : KeyCaptureDialog(parent), choice_(initial), keys_(keys) {
    std::vector<SkinControlSetup> controls;
    SkinControlSetup keyName;
    keyName.section = KeyName;
    keyName.kind = SkinControlKind::Edit;
    controls.push_back(keyName);
    for (int section : {Ok, Cancel, Close}) {
        SkinControlSetup setup;
        setup.section = section;
        setup.index = section;
        controls.push_back(setup);
    }
    for (int t = 0; t < ShortcutChoice::kToggleCount; ++t) {
        SkinControlSetup setup;
        setup.section = NoModifier + t;
        setup.index = setup.section;
        setup.toggleMode = ToggleMode::Toggle;
        controls.push_back(setup);
    }
    loadSkin(QString::fromLatin1(ShortcutDialogSkin::kFile), controls);
    setWindowTitle(QStringLiteral("Z.ORBA Shortcut Dialog"));
    setDialogButtons(dialogButtonsOf<ShortcutDialogSkin>());

    if (BitmapEdit *e = edit(KeyName)) {
        e->setTextColour(Qt::black);
        e->setBackgroundColour(Qt::white);
        e->setAlignment(Qt::AlignCenter);
        // The key is chosen by pressing it, never by typing a name.
        e->setReadOnly(true);
        e->setText(QString::fromStdString(keyNameOfCode(choice_.keyCode(), keys_)));
    }
    showToggles();
}

void ShortcutDialog::recordedKey(const Keystroke &keystroke) {
    const ModifierCombination::Step step = combination_.take(keystroke.virtualKey, keystroke.flags);
    if (step.modifiers)
        showModifiersHeld(*step.modifiers);
    if (!step.chooseKey)
        return;
    const std::string name = choice_.capture(keystroke, keys_);
    if (BitmapEdit *e = edit(KeyName))
        e->setText(QString::fromStdString(name));
}

void ShortcutDialog::command(int section) {
    const int toggle = section - NoModifier;
    if (toggle < 0 || toggle >= ShortcutChoice::kToggleCount) {
        KeyCaptureDialog::command(section);
        return;
    }
    // The toggle has flipped itself; its flag follows its look.
    if (BitmapButton *b = button(section))
        choice_.setFlag(static_cast<ShortcutChoice::Toggle>(toggle), b->isChecked());
    showToggles();
}

void ShortcutDialog::showModifiersHeld(const ModifierCombination::Held &held) {
    choice_.setFlag(ShortcutChoice::NoModifier, false);
    for (int m = 0; m < ModifierCombination::kModifierCount; ++m)
        choice_.setFlag(static_cast<ShortcutChoice::Toggle>(ShortcutChoice::Ctrl + m), held[m]);
    showToggles();
}

QString ShortcutDialog::captureHelp() const {
    return QCoreApplication::translate(
               "ShortcutDialog",
               "Press the key with Ctrl, Shift, Alt or Win held to record the combination. ") +
           KeyCaptureDialog::captureHelp();
}

void ShortcutDialog::showToggles() {
    const auto looks = choice_.toggleLooks();
    for (int t = 0; t < ShortcutChoice::kToggleCount; ++t) {
        BitmapButton *b = toggle(static_cast<ShortcutChoice::Toggle>(t));
        if (!b)
            continue;
        if (looks[t].checked)
            b->setChecked(*looks[t].checked ? ButtonCheck::Pressed : ButtonCheck::Released);
        b->setEnabled(looks[t].enabled);
    }
}

} // namespace orvyn
