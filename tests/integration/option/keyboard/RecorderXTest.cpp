// The recorder on a real X server: while it records, keys typed (Alt+Tab
// too) reach the recording window and not the client that has the focus;
// afterwards they reach that client again; a grab held by another client
// makes start() fail. Keys are typed with xdotool (XTest, real device input).
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "integration/platform/Child.h"
#include "option/dialogs/MacroManagerDialog.h"
#include "option/keyboard/KeystrokeRecorder.h"
#include "option/skin/SkinResources.h"

namespace orvyn {
namespace {

using test::Child;

std::string shell(const std::string &command) {
    std::string out;
    if (FILE *p = ::popen(command.c_str(), "r")) {
        char buf[256];
        while (std::fgets(buf, sizeof buf, p))
            out += buf;
        ::pclose(p);
    }
    return out;
}

class Target final : public QWidget {
public:
    std::vector<Keystroke> keys;

protected:
    bool event(QEvent *e) override {
        if (e->type() == RecordedKeyEvent::kType) {
            keys.push_back(static_cast<RecordedKeyEvent *>(e)->keystroke());
            return true;
        }
        return QWidget::event(e);
    }
};

// Lines the witness printed within `ms`.
std::vector<std::string> witnessLines(Child &witness, int ms) {
    std::vector<std::string> lines;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        while (auto line = witness.readLine(0))
            lines.push_back(*line);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return lines;
}

class RecorderXTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY") || QGuiApplication::platformName() != QLatin1String("xcb") ||
            shell("command -v xdotool").empty())
            GTEST_SKIP() << "needs an X server, the xcb platform and xdotool";
        target_.setWindowTitle(QStringLiteral("recorder target"));
        target_.resize(200, 120);
        target_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&target_));
    }
    void TearDown() override { KeystrokeRecorder::instance().stop(); }

    // Waits until the target has `count` keystrokes.
    bool waitForKeys(std::size_t count, int ms = 3000) {
        QElapsedTimer timer;
        timer.start();
        while (target_.keys.size() < count && timer.elapsed() < ms)
            QTest::qWait(10);
        return target_.keys.size() >= count;
    }

    Target target_;
};

TEST_F(RecorderXTest, KeysGoToTheRecordingWindowOnlyWhileItRecords) {
    Child witness({ORVYN_WITNESS, "watch"});
    auto ready = witness.readLine(10);
    ASSERT_TRUE(ready && ready->rfind("ready ", 0) == 0);
    const std::string witnessWindow = ready->substr(6);

    KeystrokeRecorder &recorder = KeystrokeRecorder::instance();
    ASSERT_TRUE(recorder.start(&target_));
    // The other client has the input focus, and still gets nothing.
    shell("xdotool windowfocus --sync " + witnessWindow + " 2>/dev/null");
    // Typed before Option handles any of it: the delay between the two
    // keystrokes must come from the server's time stamps.
    shell("xdotool keydown a sleep 0.3 keyup a key alt+Tab");
    ASSERT_TRUE(waitForKeys(6));
    const struct {
        uint32_t vk, flags;
    } want[] = {{0x41, 0}, {0x41, 0x80}, {0xA4, 0},
                {0x09, 0}, {0xA4, 0x80}, {0x09, 0x80}}; // xdotool lets Alt go first
    ASSERT_EQ(target_.keys.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(target_.keys[i].virtualKey, want[i].vk) << i;
        EXPECT_EQ(target_.keys[i].flags, want[i].flags) << i;
    }
    const uint32_t held = serverMillisBetween(target_.keys[0].time, target_.keys[1].time);
    EXPECT_GE(held, 295u);
    EXPECT_LT(held, 600u);
    for (const std::string &line : witnessLines(witness, 300))
        EXPECT_EQ(line.rfind("key ", 0), std::string::npos) << "the other client got " << line;

    recorder.stop();
    shell("xdotool windowfocus --sync " + witnessWindow + " 2>/dev/null");
    shell("xdotool key c");
    const auto after = witnessLines(witness, 500);
    EXPECT_NE(std::find(after.begin(), after.end(), "key 54 down"), after.end()) << "the keyboard came back";
    QTest::qWait(50);
    EXPECT_EQ(target_.keys.size(), 6u);
}

TEST_F(RecorderXTest, AGrabHeldByAnotherClientMakesStartFail) {
    Child holder({ORVYN_WITNESS, "grab"});
    ASSERT_EQ(holder.readLine(10).value_or(""), "grabbed");
    KeystrokeRecorder &recorder = KeystrokeRecorder::instance();
    EXPECT_FALSE(recorder.start(&target_));
    EXPECT_TRUE(recorder.running());
    EXPECT_FALSE(recorder.grabbed());
    recorder.stop();

    // Once the other client lets go, the keyboard can be taken.
    holder.closeStdin();
    holder.wait();
    EXPECT_TRUE(recorder.start(&target_));
}

TEST_F(RecorderXTest, AHeldKeyRepeatsItsPressOnlyAndRecordsAsTwoSteps) {
    ASSERT_TRUE(KeystrokeRecorder::instance().start(&target_));
    // The server repeats a held key; a client that asked for it gets the
    // repeats as presses alone, never as release and press pairs.
    shell("xdotool keydown a sleep 1 keyup a");
    ASSERT_TRUE(waitForKeys(2));
    QTest::qWait(100);
    int releases = 0;
    for (const Keystroke &k : target_.keys)
        releases += k.released() ? 1 : 0;
    EXPECT_EQ(releases, 1);
    EXPECT_TRUE(target_.keys.back().released());

    const KeyCodeTable keys(KeystrokeRecorder::instance().layout());
    MacroRecording recording(keys);
    recording.beginRun(-1);
    MacroSteps steps;
    for (const Keystroke &k : target_.keys)
        recording.take(k, steps);
    EXPECT_EQ(steps.count, 2);
}

class NoTexts final : public TextSource {
public:
    std::string text(unsigned) const override { return {}; }
};

TEST_F(RecorderXTest, TheManagerShowsRecordingWhenAnotherClientHoldsTheKeyboard) {
    setSkinFolder(QStringLiteral(ORVYN_PROGRAM_DIR "skins/"));
    MacroLibrary library;
    library.create("m");
    const NoTexts texts;
    const auto layout = makeUsLayout();
    Child holder({ORVYN_WITNESS, "grab"});
    ASSERT_EQ(holder.readLine(10).value_or(""), "grabbed");

    MacroManagerDialog manager(library, *layout, texts, nullptr);
    manager.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&manager));
    QTest::mouseClick(manager.button(MacroManagerDialog::Record), Qt::LeftButton);
    EXPECT_TRUE(manager.recording());
    EXPECT_TRUE(KeystrokeRecorder::instance().running());
    EXPECT_FALSE(KeystrokeRecorder::instance().grabbed());
    EXPECT_EQ(manager.button(MacroManagerDialog::Record)->statePicture(StatePicture::Normal),
              QImage(skinFolder() + "stop_record_normal.jpg"));
    EXPECT_FALSE(manager.button(MacroManagerDialog::Ok)->isEnabled());
    shell("xdotool key a");
    QTest::qWait(200);
    EXPECT_EQ(manager.editor().steps().count, 0) << "no keystroke arrives";

    QTest::mouseClick(manager.button(MacroManagerDialog::Record), Qt::LeftButton);
    EXPECT_FALSE(manager.recording());
    EXPECT_TRUE(manager.button(MacroManagerDialog::Ok)->isEnabled());
}

TEST_F(RecorderXTest, StartedFromTheEventLoopRightAfterShowTakesTheKeyboard) {
    // What a dialog that records for its whole life does in its showEvent().
    Target fresh;
    fresh.resize(100, 80);
    bool taken = false;
    fresh.show();
    QMetaObject::invokeMethod(
        &fresh, [&] { taken = KeystrokeRecorder::instance().start(&fresh); }, Qt::QueuedConnection);
    QTest::qWait(50);
    EXPECT_TRUE(taken);
    shell("xdotool key b");
    QElapsedTimer timer;
    timer.start();
    while (fresh.keys.size() < 2 && timer.elapsed() < 3000)
        QTest::qWait(10);
    EXPECT_EQ(fresh.keys.size(), 2u);
}

} // namespace
} // namespace orvyn

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
