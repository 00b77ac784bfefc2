// The swap-key dialog on a real X server: opened by a click on a key of the
// standard-key page, it takes the whole keyboard; keys typed with xdotool
// (Escape too) reach the dialog and not the other client that has the
// focus, and OK stores the captured key.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <thread>

#include "OptionFakes.h"
#include "integration/platform/Child.h"
#include "option/ConfigWindow.h"
#include "option/dialogs/SwapKeyDialog.h"
#include "option/keyboard/KeystrokeRecorder.h"
#include "option/pages/StandardKeyPage.h"
#include "option/skin/SkinResources.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

using namespace orvyn::testing;
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

class NoShell final : public DocumentOpener {
public:
    bool openFile(const QString &) override { return true; }
    bool openAddress(const QString &) override { return true; }
};

// A real click of the X server's pointer on the middle of a widget.
void xClick(QWidget *w) {
    const QPoint at = w->mapToGlobal(w->rect().center());
    shell("xdotool mousemove --sync " + std::to_string(at.x()) + " " + std::to_string(at.y()) + " click 1");
}

bool waitUntil(const std::function<bool()> &done, int ms = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QTest::qWait(10);
    return done();
}

std::vector<std::string> witnessLines(Child &witness, int ms) {
    std::vector<std::string> lines;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        while (auto line = witness.readLine(0))
            lines.push_back(*line);
        QTest::qWait(10);
    }
    return lines;
}

TEST(KeyCaptureXTest, SwapKeyDialogTakesTypedKeysFromEveryOtherClient) {
    if (!std::getenv("DISPLAY") || QGuiApplication::platformName() != QLatin1String("xcb") ||
        shell("command -v xdotool").empty())
        GTEST_SKIP() << "needs an X server, the xcb platform and xdotool";
    setSkinFolder(QStringLiteral(ORVYN_PROGRAM_DIR "skins/"));
    test::TempDir dir;
    std::filesystem::create_directories(dir.file("config"));
    SettingsStore settings(dir.folder());
    FakePoster poster;
    FakeTexts texts;
    FakeExchange exchange;
    makeDefaultConfig(*exchange.block, "Profile");
    NoShell desktop;
    ConfigSession session(settings, poster, texts, dir.file("config/sequence.dat"));
    ConfigWindow window(ConfigWindow::Services{session, texts, poster, desktop, settings, dir.folder()});
    window.initialize(&exchange, false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    Child witness({ORVYN_WITNESS, "watch"});
    auto ready = witness.readLine(10);
    ASSERT_TRUE(ready && ready->rfind("ready ", 0) == 0);
    const std::string witnessWindow = ready->substr(6);

    bool checked = false;
    // Runs inside the dialog's modal loop; whatever fails, the dialog ends.
    auto inDialog = [&] {
        SwapKeyDialog *dialog = qobject_cast<SwapKeyDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(waitUntil([] { return KeystrokeRecorder::instance().grabbed(); }))
            << "the dialog did not take the keyboard";
        EXPECT_EQ(KeystrokeRecorder::instance().target(), dialog);
        EXPECT_EQ(dialog->choice().titleText(), "S");
        // The other client has the focus and still gets nothing.
        shell("xdotool windowfocus --sync " + witnessWindow + " 2>/dev/null");
        shell("xdotool key Escape");
        ASSERT_TRUE(waitUntil([&] { return dialog->edit(SwapKeyDialog::NewKey)->text() == "Esc"; }));
        EXPECT_TRUE(dialog->isVisible()) << "Escape is a key to capture here";
        shell("xdotool key d");
        ASSERT_TRUE(waitUntil([&] { return dialog->edit(SwapKeyDialog::NewKey)->text() == "D"; }));
        for (const std::string &line : witnessLines(witness, 300))
            EXPECT_EQ(line.rfind("key ", 0), std::string::npos) << "the other client got " << line;
        xClick(dialog->button(SwapKeyDialog::Ok));
        checked = true;
    };
    // Polled from the event loop, so that it runs inside the dialog's loop.
    std::function<void(int)> whenOpen = [&](int triesLeft) {
        QTimer::singleShot(10, [&, triesLeft] {
            if (!QApplication::activeModalWidget()) {
                if (triesLeft > 0)
                    whenOpen(triesLeft - 1);
                return;
            }
            inDialog();
            if (!checked)
                if (QWidget *modal = QApplication::activeModalWidget())
                    modal->close();
        });
    };
    whenOpen(500);
    xClick(window.standardKeyPage()->keyButton(46)); // S
    ASSERT_TRUE(waitUntil([&] { return checked && !QApplication::activeModalWidget(); }, 15000));
    EXPECT_EQ(session.working().profiles[0].standardkey[46], 7); // D
    EXPECT_EQ(session.working().flags.standardKey[0], 1);
    EXPECT_TRUE(window.standardKeyPage()->shownRemapped(46));
    EXPECT_FALSE(KeystrokeRecorder::instance().running());

    // The keyboard is the other client's again.
    shell("xdotool windowfocus --sync " + witnessWindow + " 2>/dev/null");
    shell("xdotool key c");
    const auto after = witnessLines(witness, 500);
    EXPECT_NE(std::find(after.begin(), after.end(), "key 54 down"), after.end());
}

} // namespace
} // namespace orvyn

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
