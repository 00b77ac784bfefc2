#include "option/dialogs/KeyCaptureDialog.h"

#include <QCoreApplication>

#include "option/keyboard/KeystrokeRecorder.h"
#include "option/skin/QuickHelp.h"

#include <QKeyEvent>
#include <QMetaObject>
#include <QPointer>

namespace orvyn {

KeyHold::KeyHold(QObject *parent, uint32_t virtualKey, std::chrono::milliseconds hold,
                 std::chrono::milliseconds settle)
    : QObject(parent), key_(virtualKey), hold_(hold), settle_(settle) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &KeyHold::timerEnds);
}

void KeyHold::take(const Keystroke &k) {
    if (dropRest_ && isHeldKey(k)) {
        // The rest of a hold that ended: repeats, then the release, which
        // waits `settle` for the press that would make it half a repeat.
        if (k.released()) {
            dropRelease_ = k;
            timer_.start(settle_);
            return;
        }
        if (!dropRelease_ || dropRelease_->time == k.time) {
            dropRelease_.reset();
            timer_.stop();
            return;
        }
        endDrop(); // let go and pressed anew
    } else if (dropRest_ && dropRelease_) {
        endDrop(); // another key after the release
    }
    if (!pressed_) {
        if (isHeldKey(k) && !k.released()) {
            dropRest_ = false;
            pressed_ = k;
            timer_.start(hold_);
            return;
        }
        emit record(k);
        return;
    }
    // Server times: a hold shows even when the timer is late.
    const std::chrono::milliseconds heldFor(serverMillisBetween(pressed_->time, k.time));
    const bool heldLongEnough = heldFor >= hold_;
    if (isHeldKey(k) && !k.released() && (!released_ || released_->time == k.time)) {
        // Auto-repeat: a press alone, or a release and press at one time.
        released_.reset();
        if (heldLongEnough)
            endHold();
        else
            timer_.start(hold_ - heldFor);
        return;
    }
    if (isHeldKey(k) && k.released() && !released_) {
        if (heldLongEnough) {
            endHold();
            dropRelease_ = k;
            timer_.start(settle_);
            return;
        }
        released_ = k;
        timer_.start(settle_);
        return;
    }
    // Another key: the Escape was a key of its own.
    const Keystroke press = *pressed_;
    const std::optional<Keystroke> release = released_;
    reset();
    emit record(press);
    if (release)
        emit record(*release);
    take(k);
}

void KeyHold::timerEnds() {
    if (dropRest_ && dropRelease_) {
        endDrop();
        return;
    }
    if (!pressed_)
        return;
    if (!released_) {
        endHold();
        return;
    }
    // The release stood alone: a tap.
    const Keystroke press = *pressed_;
    const Keystroke release = *released_;
    reset();
    emit record(press);
    emit record(release);
}

void KeyHold::endHold() {
    reset();
    dropRest_ = true;
    emit held();
}

void KeyHold::endDrop() {
    dropRest_ = false;
    dropRelease_.reset();
    timer_.stop();
    emit letGo();
}

void KeyHold::reset() {
    timer_.stop();
    dropRelease_.reset();
    pressed_.reset();
    released_.reset();
}

QString escapeHoldHelp() {
    return QObject::tr("Every key you press is recorded. Hold Esc for one second to leave without a change.");
}

KeyCaptureDialog::KeyCaptureDialog(QWidget *parent)
    : SkinnedDialog(SkinWindowKind::ModalPopup, parent), escape_(this), enter_(this, kReturnVirtualKey) {
    // The dialog ends when the held key comes up: ended at once, its
    // repeats would reach the window underneath and press what has the
    // focus there. Enter held does what the OK button does; Escape's taps
    // and other keys go on to it, and what it lets pass is recorded.
    connect(&escape_, &KeyHold::letGo, this, &KeyCaptureDialog::reject);
    connect(&enter_, &KeyHold::letGo, this, [this] { command(dialogButtons().ok); });
    connect(&escape_, &KeyHold::record, &enter_, &KeyHold::take);
    connect(&enter_, &KeyHold::record, this, [this](const Keystroke &k) { recordedKey(k); });
}

QString KeyCaptureDialog::captureHelp() const {
    return QCoreApplication::translate(
        "KeyCaptureDialog",
        "Every key you press is recorded. Hold Enter for one second for OK, hold Esc for one "
        "second to leave without a change.");
}

KeyCaptureDialog::~KeyCaptureDialog() {
    stopCapture();
}

void KeyCaptureDialog::done(int result) {
    stopCapture();
    QuickHelp::instance().setText(false, {});
    QuickHelp::instance().announce(false);
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
    // A field that shows a captured key offers nothing to copy or paste.
    for (BitmapEdit *field : findChildren<BitmapEdit *>())
        if (field->isReadOnly())
            field->setContextMenuPolicy(Qt::PreventContextMenu);
    // A screen reader tells it when the dialog opens.
    setAccessibleDescription(captureHelp());
    QuickHelp::instance().setText(true, captureHelp());
    QuickHelp::instance().announce(true);
    startCapture();
}

void KeyCaptureDialog::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    SkinnedDialog::keyPressEvent(event);
}

void KeyCaptureDialog::keystroke(const Keystroke &k) {
    // Every captured key passes here: a held Escape ends the dialog instead.
    escape_.take(k);
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
    escape_.reset();
    enter_.reset();
    if (KeystrokeRecorder::instance().target() == this)
        KeystrokeRecorder::instance().stop();
}

} // namespace orvyn
