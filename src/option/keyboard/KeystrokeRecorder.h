// Takes every keystroke of the desktop for one window of Option while it
// records: the window's top level grabs the X keyboard, so no other client
// sees a key (not even the window manager's Alt+Tab), and each press and
// release is posted to the window as a RecordedKeyEvent.
//
// Delivery: QCoreApplication::postEvent(target, RecordedKeyEvent), so the
// target handles keystrokes from its event loop, in the order they were
// typed, in its event() override:
//
//     bool MyDialog::event(QEvent *e) {
//         if (e->type() == RecordedKeyEvent::kType) {
//             const Keystroke &k = static_cast<RecordedKeyEvent *>(e)->keystroke();
//             ...
//             return true;
//         }
//         return SkinnedDialog::event(e);
//     }
//
// Start it once the window is shown: a dialog that records for its whole
// life posts the start from its showEvent(), so it runs after the window was
// mapped:
//
//     QMetaObject::invokeMethod(this, [this] { KeystrokeRecorder::instance().start(this); },
//                               Qt::QueuedConnection);
//
// The grab ends with stop(), when the target is hidden or destroyed, and at
// exit; the X server drops it by itself when Option dies, whatever kills it.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "editing/KeyboardLayout.h"
#include "editing/Keystroke.h"

namespace orvyn {

class RecordedKeyEvent final : public QEvent {
public:
    // The message number the recording windows know keystrokes by.
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(1034);

    explicit RecordedKeyEvent(const Keystroke &keystroke) : QEvent(kType), keystroke_(keystroke) {}
    const Keystroke &keystroke() const { return keystroke_; }

private:
    Keystroke keystroke_;
};

// Takes and gives back the keyboard for a window (the X grab in Option; a
// fake in tests).
class KeyboardGrab {
public:
    virtual ~KeyboardGrab() = default;
    // True when every key now goes to this process.
    virtual bool grab(QWidget &window) = 0;
    virtual void release() = 0;
};

class KeystrokeRecorder final : public QObject {
    Q_OBJECT
public:
    // The one recorder of the process.
    static KeystrokeRecorder &instance();

    // Makes `target` the window that receives keystrokes and takes the
    // keyboard. False when the keyboard could not be taken (another client
    // holds it, the window is not on screen, no X server) or another window
    // is recording; the target is kept even then, and stop() still ends it.
    bool start(QWidget *target);
    // Gives the keyboard back; keystrokes not yet handled are dropped.
    void stop();

    bool running() const { return !target_.isNull(); }
    bool grabbed() const { return grabbed_; }
    QWidget *target() const { return target_; }

    // The layout keys are read with (the live XKB layout unless set).
    const KeyboardLayout &layout();
    void setLayout(std::unique_ptr<KeyboardLayout> layout);
    // Replaces the X grab (tests); nullptr returns to it.
    void setKeyboardGrab(std::unique_ptr<KeyboardGrab> grab);

    // One X key event, from the X event filter (or a test): posted to the
    // target as a keystroke while the keyboard is held. A release waits for
    // the event loop's next turn, in case it is half of a repeat.
    void keyEvent(uint32_t xKeycode, KeyDirection direction, uint32_t serverTime);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeystrokeRecorder();
    ~KeystrokeRecorder() override;
    void regrab();
    void releaseGrab();
    void deliver(const XKeyEvent &event);
    void deliverHeldRelease();

    QPointer<QWidget> target_;
    bool grabbed_ = false;
    std::unique_ptr<KeyboardLayout> layout_;
    std::unique_ptr<KeyboardGrab> grab_;
    QMetaObject::Connection targetGone_;
    bool filtering_ = false;
    RepeatPairFilter repeats_;
};

} // namespace orvyn
