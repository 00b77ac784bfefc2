#include "option/dialogs/ShortcutDialog.h"

#include "option/dialogs/KeyCaptureRecorder.h"

namespace orvyn {

ShortcutDialog::ShortcutDialog(const ShortcutChoice &initial, const KeyCodeTable &keys, QWidget *parent)
    : SkinnedDialog(SkinWindowKind::ModalPopup, parent), choice_(initial), keys_(keys) {
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
    connect(this, &SkinnedDialog::controlCommand, this, &ShortcutDialog::onCommand);

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

ShortcutDialog::~ShortcutDialog() {
    stopRecorder(this);
}

bool ShortcutDialog::event(QEvent *event) {
    if (event->type() == RecordedKeyEvent::kType) {
        const Keystroke &k = static_cast<RecordedKeyEvent *>(event)->keystroke();
        recordedKey(k.virtualKey, k.flags);
        return true;
    }
    return SkinnedDialog::event(event);
}

void ShortcutDialog::showEvent(QShowEvent *event) {
    SkinnedDialog::showEvent(event);
    startRecorder(this);
}

void ShortcutDialog::done(int result) {
    stopRecorder(this);
    SkinnedDialog::done(result);
}

void ShortcutDialog::recordedKey(uint32_t virtualKey, uint32_t flags) {
    const std::string name = choice_.capture(virtualKey, flags, keys_);
    if (BitmapEdit *e = edit(KeyName))
        e->setText(QString::fromStdString(name));
}

void ShortcutDialog::onCommand(int section) {
    switch (section) {
    case Ok:
        accept();
        return;
    case Cancel:
    case Close:
        reject();
        return;
    default:
        break;
    }
    const int toggle = section - NoModifier;
    if (toggle < 0 || toggle >= ShortcutChoice::kToggleCount)
        return;
    // The toggle has flipped itself; its flag follows its look.
    if (BitmapButton *b = button(section))
        choice_.setFlag(static_cast<ShortcutChoice::Toggle>(toggle), b->isCheckedState());
    showToggles();
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
        b->update();
    }
}

} // namespace orvyn
