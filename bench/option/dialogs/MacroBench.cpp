// Timed figures of macro recording in the macro manager, printed as text:
//  1. a keystroke handed to the manager to its row drawn in the event list
//     (posted as the recorder posts it; any platform);
//  2. with an X server: a key event made by the server (XTest) to its row
//     drawn, through the real keyboard grab;
//  3. with an X server: each recorded delay against the gap between the two
//     X events as the server stamped them, seen by a second client (the raw
//     key events of the X input extension).
// Usage: macro_bench [keystrokes]
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <random>
#include <sys/uio.h>
#include <thread>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include "option/dialogs/MacroManagerDialog.h"
#include "option/keyboard/KeystrokeRecorder.h"
#include "option/skin/SkinResources.h"

namespace {

using namespace orvyn;
using Steady = std::chrono::steady_clock;

double ms(Steady::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void print(const char *what, const std::vector<double> &v, double target) {
    const double med = median(v);
    const double worst = v.empty() ? 0 : *std::max_element(v.begin(), v.end());
    std::printf("%-62s median %6.2f ms  max %6.2f ms  (%zu, target <= %.0f ms: %s)\n", what, med, worst,
                v.size(), target, med <= target ? "met" : "NOT met");
}

class NoTexts final : public TextSource {
public:
    std::string text(unsigned) const override { return {}; }
};

class AlwaysGrab final : public KeyboardGrab {
public:
    bool grab(QWidget &) override { return true; }
    void release() override {}
};

// Takes the time once the event list has drawn a given number of rows.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(EditableListBox *list) : list_(list) { list->viewport()->installEventFilter(this); }
    void expect(int rows) {
        rows_ = rows;
        drawn_ = false;
    }
    bool drawn() const { return drawn_; }
    Steady::time_point when() const { return when_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Paint || inside_ || drawn_ || list_->count() < rows_)
            return false;
        // Let the list draw, then take the time.
        inside_ = true;
        QCoreApplication::sendEvent(watched, event);
        inside_ = false;
        when_ = Steady::now();
        drawn_ = true;
        return true;
    }

private:
    EditableListBox *list_;
    int rows_ = 0;
    bool drawn_ = false;
    bool inside_ = false;
    Steady::time_point when_;
};

void clickRecord(MacroManagerDialog &manager) {
    QTest::mouseClick(manager.button(MacroManagerDialog::Record), Qt::LeftButton);
}

// 1. Posted keystrokes, one at a time, to their rows drawn.
std::vector<double> postedToDrawn(int keystrokes) {
    MacroLibrary library;
    library.create("bench");
    NoTexts texts;
    const auto layout = makeUsLayout();
    KeystrokeRecorder &recorder = KeystrokeRecorder::instance();
    recorder.setKeyboardGrab(std::make_unique<AlwaysGrab>());
    MacroManagerDialog manager(library, *layout, texts, nullptr);
    manager.show();
    (void)QTest::qWaitForWindowExposed(&manager);
    PaintWatch watch(manager.eventsList());
    std::vector<double> times;
    uint32_t time = 0;
    for (int i = 0; i < keystrokes; ++i) {
        if (!manager.recording())
            clickRecord(manager); // starts afresh after every 50 steps
        QCoreApplication::processEvents();
        watch.expect(manager.eventsList()->count() + 1);
        const auto start = Steady::now();
        recorder.keyEvent(38 + i % 8, i % 2 ? KeyDirection::Release : KeyDirection::Press, time += 10);
        QElapsedTimer limit;
        limit.start();
        while (!watch.drawn() && limit.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (watch.drawn())
            times.push_back(ms(watch.when() - start));
    }
    if (manager.recording())
        clickRecord(manager);
    recorder.setKeyboardGrab(nullptr);
    return times;
}

// A second X client that makes key events with XTest and watches the X
// input extension's raw key events, which every client may see whoever holds
// the keyboard and which carry the same server time stamp as the events the
// grabbing window gets.
class XTestTyper {
public:
    bool open() {
        c_ = xcb_connect(nullptr, nullptr);
        if (!c_ || xcb_connection_has_error(c_))
            return false;
        xtest_ = extension("XTEST");
        input_ = extension("XInputExtension");
        if (!xtest_ || !input_)
            return false;
        // Announce XI 2.2 (minor 47), then select raw key events (mask bits
        // 13 and 14) of the master devices (1) on the root window (46).
        const struct {
            uint8_t major, minor;
            uint16_t length;
            uint16_t wantMajor, wantMinor;
        } version{input_, 47, 0, 2, 2};
        std::free(xcb_wait_for_reply(c_, send(&version, sizeof version, 0, Reply::Expected), nullptr));
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        const struct {
            uint8_t major, minor;
            uint16_t length;
            uint32_t window;
            uint16_t masks, pad;
            uint16_t device, maskLength;
            uint8_t mask[4];
        } select{input_, 46, 0, screen->root, 1, 0, 1, 1, {0, (1 << 5) | (1 << 6), 0, 0}};
        xcb_generic_error_t *error =
            xcb_request_check(c_, {send(&select, sizeof select, XCB_REQUEST_CHECKED)});
        const bool ok = error == nullptr;
        std::free(error);
        return ok;
    }
    ~XTestTyper() {
        if (c_)
            xcb_disconnect(c_);
    }

    // Makes the key event and returns the server time stamp it carries.
    uint32_t key(uint8_t keycode, bool press) {
        struct {
            uint8_t major, minor;
            uint16_t length;
            uint8_t type, detail;
            uint16_t unused1;
            uint32_t time, root;
            uint8_t unused2[8];
            int16_t rootX, rootY;
            uint8_t unused3[7];
            uint8_t device;
        } fake{};
        static_assert(sizeof fake == 36);
        fake.major = xtest_;
        fake.minor = 2; // FakeInput
        fake.type = press ? XCB_KEY_PRESS : XCB_KEY_RELEASE;
        fake.detail = keycode;
        send(&fake, sizeof fake, 0);
        xcb_flush(c_);
        const uint16_t wanted = press ? 13 : 14;
        while (xcb_generic_event_t *e = xcb_wait_for_event(c_)) {
            const auto *bytes = reinterpret_cast<const uint8_t *>(e);
            uint16_t type = 0;
            uint32_t time = 0, detail = 0;
            std::memcpy(&type, bytes + 8, 2);
            std::memcpy(&time, bytes + 12, 4);
            std::memcpy(&detail, bytes + 16, 4);
            const bool match = (e->response_type & 0x7F) == XCB_GE_GENERIC && bytes[1] == input_ &&
                               type == wanted && detail == keycode;
            std::free(e);
            if (match)
                return time;
        }
        return 0;
    }

private:
    uint8_t extension(const char *name) {
        xcb_query_extension_reply_t *reply = xcb_query_extension_reply(
            c_, xcb_query_extension(c_, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const uint8_t opcode = reply && reply->present ? reply->major_opcode : 0;
        std::free(reply);
        return opcode;
    }
    // A request whose first byte is its extension's opcode.
    enum class Reply { None, Expected };
    unsigned send(const void *request, std::size_t size, int flags, Reply reply = Reply::None) {
        iovec parts[4];
        parts[2].iov_base = const_cast<void *>(request);
        parts[2].iov_len = size;
        parts[3].iov_base = nullptr;
        parts[3].iov_len = 0;
        xcb_protocol_request_t info{};
        info.count = 2;
        info.ext = nullptr;
        info.opcode = static_cast<const uint8_t *>(request)[0];
        info.isvoid = reply == Reply::None ? 1 : 0;
        return xcb_send_request(c_, flags, parts + 2, &info);
    }

    xcb_connection_t *c_ = nullptr;
    uint8_t xtest_ = 0;
    uint8_t input_ = 0;
};

struct XFigures {
    std::vector<double> latency;
    std::vector<double> delivery; // to the second client's raw event
    std::vector<double> delayError;
};

// 2 and 3. Real key events through the grab.
XFigures realKeys(int keystrokes) {
    XFigures figures;
    XTestTyper typer;
    if (!typer.open()) {
        std::printf("no XTEST or XInput 2 on the X server: the X figures are skipped\n");
        return figures;
    }
    MacroLibrary library;
    library.create("bench");
    NoTexts texts;
    KeystrokeRecorder &recorder = KeystrokeRecorder::instance();
    MacroManagerDialog manager(library, recorder.layout(), texts, nullptr);
    manager.show();
    (void)QTest::qWaitForWindowExposed(&manager);
    QTest::mouseClick(manager.button(MacroManagerDialog::RecordDelays), Qt::LeftButton);
    PaintWatch watch(manager.eventsList());
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pause(20, 250);

    int done = 0;
    while (done < keystrokes) {
        clickRecord(manager);
        if (!recorder.grabbed()) {
            std::printf("the keyboard could not be taken: the X figures are skipped\n");
            break;
        }
        std::vector<uint32_t> serverTimes;
        // Up to 48 steps per recording run, distinct keys so none repeats.
        for (int i = 0; i < 48 && done < keystrokes; ++i, ++done) {
            QCoreApplication::processEvents();
            const int rowsBefore = manager.eventsList()->count();
            // A row for the step, and one for the delay of the step before.
            watch.expect(rowsBefore + 1);
            const auto start = Steady::now();
            serverTimes.push_back(typer.key(static_cast<uint8_t>(24 + (i / 2) % 10), i % 2 == 0));
            figures.delivery.push_back(ms(Steady::now() - start));
            QElapsedTimer limit;
            limit.start();
            // Blocking like Option's own event loop, so Qt's X reader thread
            // is not starved by a busy loop.
            while (!watch.drawn() && limit.elapsed() < 1000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (watch.drawn())
                figures.latency.push_back(ms(watch.when() - start));
            // A pause before the next key, with the event loop running.
            QElapsedTimer wait;
            wait.start();
            const int gap = pause(random);
            while (wait.elapsed() < gap)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        clickRecord(manager);
        const MacroSteps &steps = manager.editor().steps();
        for (std::size_t i = 0; i + 1 < serverTimes.size() && static_cast<int>(i) < steps.count; ++i) {
            const double gap = static_cast<double>(serverTimes[i + 1] - serverTimes[i]);
            figures.delayError.push_back(std::abs(static_cast<double>(steps.events[i].delay) - gap));
        }
    }
    return figures;
}

} // namespace

int main(int argc, char **argv) {
    const int keystrokes = argc > 1 ? std::max(2, std::atoi(argv[1])) : 200;
    const bool x11 = std::getenv("DISPLAY") != nullptr;
    if (!x11)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    else if (!std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    setSkinFolder(QStringLiteral(ORVYN_PROGRAM_DIR "skins/"));

    print("keystroke posted to the manager -> its row drawn", postedToDrawn(keystrokes), 5);
    if (x11 && QGuiApplication::platformName() == QLatin1String("xcb")) {
        const XFigures figures = realKeys(std::min(keystrokes, 96));
        print("X key event (XTest) -> its row drawn, through the grab", figures.latency, 5);
        print("  of which: the X server delivering it (to another client)", figures.delivery, 5);
        print("recorded delay vs gap between the X events (abs. difference)", figures.delayError, 1);
    } else {
        std::printf("no X server: the X figures are skipped\n");
    }
    return 0;
}
