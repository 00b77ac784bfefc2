// The main window's macro-manager button: OK saves the library and the macro
// keys take the edited macro; Cancel after recording drops the recording;
// the manager shows first the macro of the last key menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "OptionFakes.h"
#include "option/ConfigWindow.h"
#include "option/dialogs/MacroManagerDialog.h"
#include "option/keyboard/KeystrokeRecorder.h"
#include "option/pages/MediaKeyPage.h"
#include "option/skin/SkinResources.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

using namespace orvyn::testing;

class NoShell final : public DocumentOpener {
public:
    bool openFile(const QString &) override { return true; }
    bool openAddress(const QString &) override { return true; }
};

class AlwaysGrab final : public KeyboardGrab {
public:
    bool grab(QWidget &) override { return true; }
    void release() override {}
};

constexpr int kSlot = 5;
constexpr uint32_t kXA = 38, kXB = 56, kXC = 54;

class MacroManagerButtonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setSkinFolder(QStringLiteral(ORVYN_PROGRAM_DIR "skins/")); }

    MacroManagerButtonTest() {
        std::filesystem::create_directories(dir_.file("config"));
        std::memset(exchange_.block.get(), 0, sizeof(ConfigBlock));
        makeDefaultConfig(*exchange_.block, "Profile");
        // A key that already plays the macro "Combo" (as read back from the
        // keyboard): the library takes it in at start-up.
        MacroKeyInfo &key = exchange_.block->profiles[0].keys[kSlot];
        key.type = static_cast<uint8_t>(AssignType::Macro);
        setFixed(key.macroName, "Combo");
        key.eventCount = 2;
        key.events[0] = {4, 1, 0};
        key.events[1] = {4, 2, 0};
        KeystrokeRecorder::instance().setLayout(makeUsLayout());
        KeystrokeRecorder::instance().setKeyboardGrab(std::make_unique<AlwaysGrab>());
    }
    ~MacroManagerButtonTest() override { KeystrokeRecorder::instance().setKeyboardGrab(nullptr); }

    void start() {
        window_ = std::make_unique<ConfigWindow>(
            ConfigWindow::Services{session_, texts_, poster_, shell_, settings_, dir_.folder()});
        window_->initialize(&exchange_, false);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    // Opens the manager with the window's button, records `keys` into the
    // shown macro and leaves with `leave` (OK or Cancel).
    void recordThroughTheManager(std::vector<uint32_t> keys, int leave) {
        bool opened = false;
        QTimer::singleShot(20, [&] {
            auto *manager = qobject_cast<MacroManagerDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(manager, nullptr);
            opened = true;
            QTest::mouseClick(manager->button(MacroManagerDialog::Record), Qt::LeftButton);
            uint32_t time = 1000;
            for (uint32_t x : keys) {
                KeystrokeRecorder::instance().keyEvent(x, KeyDirection::Press, time += 10);
                KeystrokeRecorder::instance().keyEvent(x, KeyDirection::Release, time += 10);
            }
            const int steps = static_cast<int>(2 * keys.size());
            EXPECT_TRUE(QTest::qWaitFor([&] { return manager->editor().steps().count == steps; }, 2000));
            QTest::mouseClick(manager->button(MacroManagerDialog::Record), Qt::LeftButton);
            QTest::mouseClick(manager->button(leave), Qt::LeftButton);
        });
        QTest::mouseClick(window_->windowButton(ConfigWindow::MacroManager), Qt::LeftButton);
        EXPECT_TRUE(opened);
    }

    const MacroKeyInfo &key() const { return session_.working().profiles[0].keys[kSlot]; }
    MacroLibrary stored() const {
        MacroLibrary library(dir_.file("config/sequence.dat"));
        library.load();
        return library;
    }

    test::TempDir dir_;
    SettingsStore settings_{dir_.folder()};
    FakePoster poster_;
    FakeTexts texts_;
    FakeExchange exchange_;
    NoShell shell_;
    ConfigSession session_{settings_, poster_, texts_, dir_.file("config/sequence.dat")};
    std::unique_ptr<ConfigWindow> window_;
};

TEST_F(MacroManagerButtonTest, OkSavesAndRefreshesTheKeysCancelDropsTheRecording) {
    start();
    ASSERT_EQ(session_.library().size(), 1u);
    ASSERT_EQ(stored().size(), 1u);

    recordThroughTheManager({kXB, kXC}, MacroManagerDialog::Ok);
    EXPECT_EQ(key().eventCount, 4);
    EXPECT_EQ(key().events[0].key, 5);
    EXPECT_EQ(key().events[2].key, 6);
    EXPECT_EQ(session_.working().flags.keySlot[0][kSlot], 1) << "the next apply writes the key";
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored().at(0)->count, 4) << "saved to config/sequence.dat";

    recordThroughTheManager({kXA}, MacroManagerDialog::Cancel);
    EXPECT_EQ(session_.library().at(0)->count, 4) << "the library came back from its file";
    EXPECT_EQ(key().eventCount, 4);
    EXPECT_EQ(key().events[0].key, 5);
    EXPECT_EQ(stored().at(0)->count, 4);
}

TEST_F(MacroManagerButtonTest, ShowsTheMacroOfTheLastKeyMenuFirst) {
    MacroKeyInfo &mediaKey = exchange_.block->profiles[0].keys[9]; // media key 1
    mediaKey = exchange_.block->profiles[0].keys[kSlot];
    setFixed(mediaKey.macroName, "Spare");
    start();
    QTest::mouseClick(window_->windowButton(ConfigWindow::MediaKeysTab), Qt::LeftButton);
    QTimer::singleShot(50, [] {
        if (QWidget *menu = QApplication::activePopupWidget())
            QTest::keyClick(menu, Qt::Key_Escape);
    });
    QTest::mouseClick(window_->mediaKeyPage()->mediaKeyButton(1), Qt::LeftButton);
    int shown = -1;
    QTimer::singleShot(20, [&shown] {
        auto *manager = qobject_cast<MacroManagerDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(manager, nullptr);
        shown = manager->editor().selected();
        QTest::mouseClick(manager->button(MacroManagerDialog::Cancel), Qt::LeftButton);
    });
    QTest::mouseClick(window_->windowButton(ConfigWindow::MacroManager), Qt::LeftButton);
    EXPECT_EQ(shown, 1) << "the media key's Spare, after Combo";
}

} // namespace
} // namespace orvyn
