#include "option/dialogs/KeyCaptureDialog.h"

#include "option/keyboard/KeystrokeRecorder.h"
#include "option/skin/QuickHelp.h"

#include <QKeyEvent>
#include <QMetaObject>
#include <QPointer>

namespace orvyn {

namespace {

bool isEscape(const Keystroke &k) {
    return k.virtualKey == kEscapeVirtualKey;
}

} // namespace

EscapeHold::EscapeHold(QObject *parent, std::chrono::milliseconds hold, std::chrono::milliseconds settle)
    : QObject(parent), hold_(hold), settle_(settle) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &EscapeHold::timerEnds);
}

void EscapeHold::take(const Keystroke &k) {
    if (dropRest_ && isEscape(k)) {
        // The rest of a hold that ended: repeats, then the release.
        dropRest_ = !k.released();
        return;
    }
    if (!pressed_) {
        if (isEscape(k) && !k.released()) {
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
    if (isEscape(k) && !k.released() && (!released_ || released_->time == k.time)) {
        // Auto-repeat: a press alone, or a release and press at one time.
        released_.reset();
        if (heldLongEnough)
            endHold();
        else
            timer_.start(hold_ - heldFor);
        return;
    }
    if (isEscape(k) && k.released() && !released_) {
        if (heldLongEnough) {
            endHold();
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

void EscapeHold::timerEnds() {
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

void EscapeHold::endHold() {
    reset();
    dropRest_ = true;
    emit held();
}

void EscapeHold::reset() {
    timer_.stop();
    pressed_.reset();
    released_.reset();
}

QString escapeHoldHelp() {
    return QObject::tr("Every key you press is recorded. Hold Esc for one second to leave without a change.");
}

KeyCaptureDialog::KeyCaptureDialog(QWidget *parent)
    : SkinnedDialog(SkinWindowKind::ModalPopup, parent), escape_(this) {
    connect(&escape_, &EscapeHold::held, this, &KeyCaptureDialog::reject);
    connect(&escape_, &EscapeHold::record, this, [this](const Keystroke &k) { recordedKey(k); });
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
    QuickHelp::instance().setText(true, escapeHoldHelp());
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
    if (KeystrokeRecorder::instance().target() == this)
        KeystrokeRecorder::instance().stop();
}

} // namespace orvyn
