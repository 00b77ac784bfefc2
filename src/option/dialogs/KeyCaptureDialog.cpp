#include "option/dialogs/KeyCaptureDialog.h"

#include "option/keyboard/KeystrokeRecorder.h"

#include <QMetaObject>
#include <QPointer>

namespace orvyn {

KeyCaptureDialog::KeyCaptureDialog(QWidget *parent) : SkinnedDialog(SkinWindowKind::ModalPopup, parent) {}

KeyCaptureDialog::~KeyCaptureDialog() {
    stopCapture();
}

void KeyCaptureDialog::done(int result) {
    stopCapture();
    SkinnedDialog::done(result);
}

bool KeyCaptureDialog::event(QEvent *event) {
    if (event->type() == RecordedKeyEvent::kType) {
        keystroke(static_cast<RecordedKeyEvent *>(event)->keystroke());
        return true;
    }
    return SkinnedDialog::event(event);
}

void KeyCaptureDialog::showEvent(QShowEvent *event) {
    SkinnedDialog::showEvent(event);
    startCapture();
}

void KeyCaptureDialog::keystroke(const Keystroke &k) {
    // The one door every captured key passes: a keyboard way out of the
    // dialog (keys that end it rather than being captured) belongs here.
    recordedKey(k.virtualKey, k.flags);
}

void KeyCaptureDialog::startCapture() {
    // Started from the event loop once the window is mapped: a keyboard
    // grab needs a window on screen.
    QPointer<KeyCaptureDialog> target(this);
    QMetaObject::invokeMethod(
        this,
        [target] {
            if (target && target->isVisible() && !KeystrokeRecorder::instance().running())
                KeystrokeRecorder::instance().start(target);
        },
        Qt::QueuedConnection);
}

void KeyCaptureDialog::stopCapture() {
    if (KeystrokeRecorder::instance().target() == this)
        KeystrokeRecorder::instance().stop();
}

} // namespace orvyn
