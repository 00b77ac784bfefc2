#include "option/keyboard/KeystrokeRecorder.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <xcb/xcb.h>

#include "option/keyboard/XkbLayout.h"
#include "platform/Trace.h"

namespace orvyn {

namespace {

constexpr uint32_t kXKeycodeOffset = 8;
// A window just shown may not be mapped yet, and a window manager may hold
// the keyboard for a moment (a menu, a focus change): the grab is tried for
// a tenth of a second before it counts as refused.
constexpr int kGrabAttempts = 20;
constexpr std::chrono::milliseconds kGrabRetryPause{5};

xcb_connection_t *xcbConnection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

bool isXWayland(xcb_connection_t *connection) {
    static const char kName[] = "XWAYLAND";
    xcb_query_extension_reply_t *reply = xcb_query_extension_reply(
        connection, xcb_query_extension(connection, sizeof kName - 1, kName), nullptr);
    const bool present = reply && reply->present;
    std::free(reply);
    return present;
}

// Under Wayland the compositor only lets an XWayland client's grab take
// the whole keyboard when the window asked for it first.
void askXWaylandForKeyboard(xcb_connection_t *connection, xcb_window_t window) {
    static const char kAtom[] = "_XWAYLAND_MAY_GRAB_KEYBOARD";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof kAtom - 1, kAtom), nullptr);
    if (!atom)
        return;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom->atom;
    message.data.data32[0] = 1;
    std::free(atom);
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return;
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}

// Every key event of the connection, while the keyboard is held, goes to the
// recorder and nowhere else in Option.
class XcbKeyFilter final : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        const uint8_t type = event->response_type & 0x7F;
        if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
            return false;
        // A menu opened over the recording window (the mouse-function menu,
        // an edit field's menu) has the keys: Esc closes it, arrows choose.
        if (QApplication::activePopupWidget() != nullptr)
            return false;
        // Keys another client sent with SendEvent are not typed keys.
        const bool synthetic = (event->response_type & 0x80) != 0;
        if (!synthetic) {
            const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
            KeystrokeRecorder::instance().keyEvent(
                key->detail, type == XCB_KEY_PRESS ? KeyDirection::Press : KeyDirection::Release, key->time);
        }
        return true;
    }
};

class XcbKeyboardGrab final : public KeyboardGrab {
public:
    bool grab(QWidget &target) override {
        xcb_connection_t *connection = xcbConnection();
        QWidget *top = target.window();
        QWindow *handle = top->windowHandle();
        if (!connection || !handle || !top->isVisible())
            return false;
        if (isXWayland(connection))
            askXWaylandForKeyboard(connection, static_cast<xcb_window_t>(top->winId()));
        for (int attempt = 0; attempt < kGrabAttempts; ++attempt) {
            if (attempt > 0)
                std::this_thread::sleep_for(kGrabRetryPause);
            // The reply says whether the server granted it; Qt's own record
            // of the keyboard grabber does not.
            if (handle->setKeyboardGrabEnabled(true)) {
                if (!filterInstalled_) {
                    QCoreApplication::instance()->installNativeEventFilter(&filter_);
                    filterInstalled_ = true;
                }
                return true;
            }
        }
        return false;
    }

    // Also after the window is gone: the ungrab names no window.
    void release() override {
        if (filterInstalled_) {
            QCoreApplication::instance()->removeNativeEventFilter(&filter_);
            filterInstalled_ = false;
        }
        if (xcb_connection_t *connection = xcbConnection()) {
            xcb_ungrab_keyboard(connection, XCB_CURRENT_TIME);
            xcb_flush(connection);
        }
    }

private:
    XcbKeyFilter filter_;
    bool filterInstalled_ = false;
};

std::string hookTrace(const char *format, unsigned long value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

KeystrokeRecorder &KeystrokeRecorder::instance() {
    // Lives until the process ends; the grab is given back when the
    // application quits.
    static KeystrokeRecorder *recorder = new KeystrokeRecorder;
    return *recorder;
}

KeystrokeRecorder::KeystrokeRecorder() : grab_(std::make_unique<XcbKeyboardGrab>()) {}

KeystrokeRecorder::~KeystrokeRecorder() = default;

const KeyboardLayout &KeystrokeRecorder::layout() {
    if (!layout_)
        layout_ = makeSystemLayout();
    return *layout_;
}

void KeystrokeRecorder::setLayout(std::unique_ptr<KeyboardLayout> layout) {
    layout_ = std::move(layout);
}

void KeystrokeRecorder::setKeyboardGrab(std::unique_ptr<KeyboardGrab> grab) {
    if (running())
        stop();
    grab_ = grab ? std::move(grab) : std::make_unique<XcbKeyboardGrab>();
}

bool KeystrokeRecorder::start(QWidget *target) {
    if (!target)
        return false;
    if (running() && target_ != target) {
        trace("Hhook: 0\r\n");
        return false;
    }
    if (!running()) {
        target_ = target;
        targetGone_ = connect(target, &QObject::destroyed, this, [this] { stop(); });
        qApp->installEventFilter(this);
        filtering_ = true;
        if (QCoreApplication *app = QCoreApplication::instance())
            connect(app, &QCoreApplication::aboutToQuit, this, &KeystrokeRecorder::stop,
                    Qt::UniqueConnection);
    }
    if (!grabbed_)
        grabbed_ = grab_->grab(*target);
    trace(hookTrace("Hhook: %lx\r\n",
                    grabbed_ ? static_cast<unsigned long>(target->window()->internalWinId()) : 0UL));
    return grabbed_;
}

void KeystrokeRecorder::stop() {
    const bool wasGrabbed = grabbed_;
    const unsigned long handle =
        wasGrabbed && target_ ? static_cast<unsigned long>(target_->window()->internalWinId()) : 0UL;
    trace(hookTrace("Hhook: %lx\r\n", handle));
    releaseGrab();
    if (filtering_) {
        qApp->removeEventFilter(this);
        filtering_ = false;
    }
    disconnect(targetGone_);
    repeats_.clear();
    if (target_)
        QCoreApplication::removePostedEvents(target_, RecordedKeyEvent::kType);
    target_ = nullptr;
    trace(wasGrabbed ? "UnHhook: Success \r\n" : "UnHhook: Fail \r\n");
}

void KeystrokeRecorder::releaseGrab() {
    if (grabbed_)
        grab_->release();
    grabbed_ = false;
}

void KeystrokeRecorder::regrab() {
    if (!running())
        return;
    // The grab moved to the popup and went with it.
    grabbed_ = grab_->grab(*target_);
    if (!grabbed_)
        trace("Hhook: 0\r\n");
}

bool KeystrokeRecorder::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Hide && running()) {
        if (watched == target_) {
            // A window that is not on screen loses the grab in the server.
            stop();
        } else if (auto *widget = qobject_cast<QWidget *>(watched);
                   widget && widget->windowType() == Qt::Popup && grabbed_) {
            // Qt gave the keyboard to the popup and lets it go when it closes.
            QTimer::singleShot(0, this, &KeystrokeRecorder::regrab);
        }
    }
    return QObject::eventFilter(watched, event);
}

void KeystrokeRecorder::keyEvent(uint32_t xKeycode, KeyDirection direction, uint32_t serverTime) {
    if (!running() || !grabbed_)
        return;
    const RepeatPairFilter::Ready ready = repeats_.take(XKeyEvent{xKeycode, direction, serverTime});
    for (int i = 0; i < ready.count; ++i)
        deliver(ready.events[i]);
    // A repeat's press comes in the same batch of X events as its release,
    // before the event loop turns.
    if (repeats_.holding())
        QTimer::singleShot(0, this, &KeystrokeRecorder::deliverHeldRelease);
}

void KeystrokeRecorder::deliverHeldRelease() {
    if (const std::optional<XKeyEvent> held = repeats_.flush(); held && running() && grabbed_)
        deliver(*held);
}

void KeystrokeRecorder::deliver(const XKeyEvent &event) {
    const std::optional<Keystroke> keystroke =
        keystrokeFromX(event.keycode, event.direction, event.time, layout());
    if (traceEnabled()) {
        const auto position = event.keycode >= kXKeycodeOffset
                                  ? keyPositionFromEvdev(event.keycode - kXKeycodeOffset)
                                  : std::nullopt;
        char text[64];
        std::snprintf(text, sizeof text, "vkcode=%x,scancode=%x\n", keystroke ? keystroke->virtualKey : 0u,
                      position ? position->scanCode : 0u);
        trace(text);
    }
    if (keystroke)
        QCoreApplication::postEvent(target_, new RecordedKeyEvent(*keystroke));
}

} // namespace orvyn
