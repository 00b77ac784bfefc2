// The configuration window driven offscreen: its buttons, the Advanced page,
// restore defaults and Monitor's messages, with a fake block and endpoint.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "OptionFakes.h"
#include "WindowFakes.h"
#include "editing/OptionLinks.h"
#include "option/ConfigWindow.h"
#include "option/dialogs/ResetWarningDialog.h"
#include "option/pages/AdvancedPage.h"
#include "option/pages/MacroKeyPage.h"
#include "option/pages/MediaKeyPage.h"
#include "option/skin/BitmapButton.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/ContextMenus.h"
#include "option/skin/SkinResources.h"
#include "option/skin/SkinnedMenu.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

using namespace orvyn::testing;
namespace fs = std::filesystem;

std::unique_ptr<ConfigBlock> defaults() {
    auto c = std::make_unique<ConfigBlock>();
    std::memset(c.get(), 0, sizeof(ConfigBlock));
    makeDefaultConfig(*c, "Profile");
    return c;
}

// Runs `action` on the modal window that opens next.
void onNextModal(std::function<void(QWidget *)> action) {
    QTimer::singleShot(0, [action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal)
            action(modal);
        else
            onNextModal(action);
    });
}

class ConfigWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setSkinFolder(QStringLiteral(ORVYN_PROGRAM_DIR "skins/")); }

    ConfigWindowTest() {
        fs::create_directories(dir_.file("config"));
        exchange_.block = defaults();
        exchange_.block->profiles[1].PollingRate = 2;
        exchange_.block->profiles[1].LtColor = 7;
        exchange_.block->profiles[1].LtControl = 3;
    }

    void start(bool withMonitor = true) {
        poster_.monitorRunning = withMonitor;
        window_ = std::make_unique<ConfigWindow>(
            ConfigWindow::Services{session_, texts_, poster_, shell_, settings_, dir_.folder()});
        window_->initialize(withMonitor ? &exchange_ : nullptr, false);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    // A click on a window button: the real click where the skin placed it,
    // the command itself where no skin is installed.
    void click(SkinnedDialog &dialog, int section) {
        BitmapButton *b = dialog.button(section);
        ASSERT_NE(b, nullptr) << section;
        if (b->width() > 0 && b->height() > 0 && b->isVisible())
            QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        else
            emit dialog.controlCommand(section);
    }
    void clickWindow(int key) { click(*window_, key); }
    void clickAdvanced(int section) { click(*window_->advancedPage(), section); }

    bool pressed(SkinnedDialog &dialog, int section) { return dialog.button(section)->isChecked(); }
    QString caption(int section) { return window_->advancedPage()->button(section)->caption(); }

    test::TempDir dir_;
    SettingsStore settings_{dir_.folder()};
    FakePoster poster_;
    FakeTexts texts_;
    FakeExchange exchange_;
    FakeShell shell_;
    ConfigSession session_{settings_, poster_, texts_, dir_.file("config/sequence.dat")};
    std::unique_ptr<ConfigWindow> window_;
};

TEST_F(ConfigWindowTest, PageButtonsShowOnePageAtATime) {
    start();
    EXPECT_EQ(window_->shownPage(), ConfigWindow::StandardKeys);
    EXPECT_TRUE(window_->page(ConfigWindow::StandardKeys)->isVisible());
    EXPECT_TRUE(pressed(*window_, 1));
    for (int key : {4, 2, 3, 1, 4}) {
        clickWindow(key);
        const auto shown = static_cast<ConfigWindow::Page>(key - 1);
        EXPECT_EQ(window_->shownPage(), shown);
        for (int p = 0; p < 4; ++p) {
            EXPECT_EQ(window_->page(static_cast<ConfigWindow::Page>(p))->isVisible(), p == shown) << key;
            EXPECT_EQ(pressed(*window_, p + 1), p == shown) << key;
        }
        EXPECT_EQ(window_->page(shown)->pos(), window_->pageRect().topLeft());
    }
}

TEST_F(ConfigWindowTest, ProfileButtonsSelectAndRefreshWithoutWriting) {
    start();
    clickWindow(4);
    clickWindow(11); // profile 1
    EXPECT_EQ(session_.working().CurrentProfile, 1);
    for (int key = 10; key <= 14; ++key)
        EXPECT_EQ(pressed(*window_, key), key == 11);
    AdvancedPage &page = *window_->advancedPage();
    EXPECT_FALSE(pressed(page, 1));
    EXPECT_TRUE(pressed(page, 2)); // PollingRate 2
    EXPECT_FALSE(pressed(page, 3));
    EXPECT_EQ(caption(5), "T1110"); // LtColor 7
    EXPECT_EQ(caption(4), "");      // LtControl 3
    clickWindow(10);
    EXPECT_EQ(caption(5), "T" + QString::number(1103 + exchange_.block->profiles[0].LtColor));
    EXPECT_TRUE(poster_.posted.empty());
    EXPECT_EQ(exchange_.publishes, 0);
    EXPECT_FALSE(fs::exists(settings_.configIniPath()));
}

TEST_F(ConfigWindowTest, AdvancedEditsReachTheWorkingCopyOnly) {
    start();
    clickWindow(12);
    clickWindow(4);
    AdvancedPage &page = *window_->advancedPage();
    clickAdvanced(3);
    clickAdvanced(7);
    clickAdvanced(9);
    page.menuCommand(1004);
    page.menuCommand(1102);
    const ProfileData &w = session_.working().profiles[2];
    EXPECT_EQ(w.PollingRate, 4);
    EXPECT_TRUE(pressed(page, 3));
    EXPECT_FALSE(pressed(page, 1) || pressed(page, 2));
    EXPECT_EQ(w.winKeyLock(), 1);
    EXPECT_TRUE(pressed(page, 7));
    EXPECT_FALSE(pressed(page, 6));
    EXPECT_EQ(w.ECOMode, 1);
    EXPECT_TRUE(pressed(page, 9));
    EXPECT_EQ(w.LtControl, 8);
    EXPECT_EQ(caption(4), "T1045");
    EXPECT_EQ(w.LtColor, 2);
    EXPECT_EQ(caption(5), "T1105");
    // Other profiles and the saved copy stay as they were.
    EXPECT_EQ(session_.saved().profiles[2].PollingRate, exchange_.block->profiles[2].PollingRate);
    EXPECT_EQ(session_.working().profiles[3].LtColor, exchange_.block->profiles[3].LtColor);
    EXPECT_EQ(session_.working().flags.lighting[2], 0); // the page sets no flag
    // The menus offer six controls and only the first three colours.
    EXPECT_EQ(page.ltControlItems().size(), 6u);
    ASSERT_EQ(page.ltColorItems().size(), 3u);
    EXPECT_EQ(page.ltColorItems()[2].first, 1103);
    EXPECT_EQ(page.ltColorItems()[2].second, "T1106");
}

TEST_F(ConfigWindowTest, ApplyWithMonitorWaitsFor1256) {
    start();
    clickWindow(11);
    window_->advancedPage()->menuCommand(1101);
    clickWindow(21);
    ASSERT_EQ(poster_.posted.size(), 1u);
    EXPECT_EQ(exchange_.block->flags.lighting[1], 1);
    EXPECT_EQ(exchange_.block->flags.currentProfile, 1);
    EXPECT_FALSE(window_->windowButton(20)->isEnabled());
    EXPECT_FALSE(window_->windowButton(21)->isEnabled());
    EXPECT_TRUE(window_->applyWaitShown());
    // The busy cursor over this window only, and no pointer grab.
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    BitmapButton *profile3 = window_->windowButton(12);
    const QPoint onProfile3 = profile3->geometry().center();
    QWidget *over = window_->childAt(onProfile3);
    ASSERT_NE(over, nullptr);
    EXPECT_NE(over, profile3);
    EXPECT_EQ(over->cursor().shape(), Qt::WaitCursor);
    // A click reaching the window goes nowhere.
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, onProfile3);
    EXPECT_EQ(session_.working().CurrentProfile, 1);
    window_->handleMessage(message(WM_APPLY_DONE));
    EXPECT_TRUE(window_->windowButton(20)->isEnabled());
    EXPECT_TRUE(window_->windowButton(21)->isEnabled());
    EXPECT_EQ(window_->childAt(onProfile3), profile3);
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, onProfile3);
    EXPECT_EQ(session_.working().CurrentProfile, 2);
}

TEST_F(ConfigWindowTest, ApplyWithoutMonitorEnablesAtOnceAndSaysSo) {
    start(false);
    QString told;
    bool enabledMeanwhile = false;
    onNextModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        told = box->text();
        enabledMeanwhile = window_->windowButton(21)->isEnabled() && !window_->applyWaitShown();
        box->accept();
    });
    clickWindow(21);
    EXPECT_TRUE(poster_.posted.empty());
    EXPECT_TRUE(told.contains(QStringLiteral("saved")));
    EXPECT_TRUE(enabledMeanwhile);
    EXPECT_TRUE(window_->windowButton(21)->isEnabled());
    EXPECT_FALSE(window_->applyWaitShown());
    EXPECT_TRUE(fs::exists(settings_.profilePath(4)));
}

TEST_F(ConfigWindowTest, MonitorVanishingEndsTheWait) {
    start();
    clickWindow(21);
    ASSERT_TRUE(window_->applyWaitShown());
    QString told;
    onNextModal([&told](QWidget *modal) {
        told = qobject_cast<QMessageBox *>(modal)->text();
        modal->close();
    });
    poster_.monitorRunning = false;
    QTRY_VERIFY_WITH_TIMEOUT(!window_->applyWaitShown(), 5000);
    QTRY_VERIFY(told.contains(QStringLiteral("did not confirm")));
    EXPECT_TRUE(window_->windowButton(21)->isEnabled());
    EXPECT_GT(ConfigWindow::applyWaitLimit(), std::chrono::minutes(30));
}

TEST_F(ConfigWindowTest, OkAppliesAndCloses) {
    start();
    clickWindow(20);
    EXPECT_EQ(poster_.posted.size(), 1u);
    QTRY_VERIFY(!window_->isVisible());
    EXPECT_FALSE(window_->applyWaitShown());
}

TEST_F(ConfigWindowTest, RestoreDefaultsConfirmed) {
    start();
    clickWindow(12);
    session_.working().profiles[2].LtColor = 6;
    onNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<ResetWarningDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        emit dialog->controlCommand(ResetWarningDialog::Ok);
    });
    clickWindow(25);
    ASSERT_EQ(poster_.posted.size(), 1u);
    EXPECT_EQ(poster_.posted[0].wParam, 1);
    EXPECT_EQ(session_.working().CurrentProfile, 0);
    EXPECT_EQ(session_.working().profiles[2].LtColor, defaults()->profiles[2].LtColor);
    EXPECT_EQ(exchange_.block->flags.lighting[2], 1);
    EXPECT_EQ(exchange_.block->flags.keySlot[4][14], 1);
    EXPECT_TRUE(pressed(*window_, 10));
}

TEST_F(ConfigWindowTest, RestoreDefaultsCancelledOrClosedChangesNothing) {
    start();
    session_.working().profiles[2].LtColor = 6;
    for (int section : {ResetWarningDialog::Cancel, ResetWarningDialog::Close}) {
        onNextModal([section](QWidget *modal) {
            auto *dialog = qobject_cast<ResetWarningDialog *>(modal);
            ASSERT_NE(dialog, nullptr);
            // Enter and Escape do not end it.
            QTest::keyClick(dialog, Qt::Key_Escape);
            QTest::keyClick(dialog, Qt::Key_Return);
            EXPECT_TRUE(dialog->isVisible());
            emit dialog->controlCommand(section);
        });
        clickWindow(25);
    }
    EXPECT_TRUE(poster_.posted.empty());
    EXPECT_EQ(session_.working().profiles[2].LtColor, 6);
}

TEST_F(ConfigWindowTest, MessagesRefreshWhatTheyShould) {
    start();
    clickWindow(4);
    session_.working().profiles[0].PollingRate = 4; // unapplied edit
    session_.working().profiles[0].LtControl = 16;

    // 1257: only colour, control and the Windows-key words come over.
    exchange_.block->profiles[0].LtColor = 3;
    exchange_.block->profiles[0].LtControl = 2;
    exchange_.block->profiles[0].winKeyLock() = 1;
    exchange_.block->profiles[0].PollingRate = 1;
    window_->handleMessage(message(WM_LIGHTING_CHANGED));
    const ProfileData &w = session_.working().profiles[0];
    EXPECT_EQ(w.LtColor, 3);
    EXPECT_EQ(caption(5), "T1106");
    EXPECT_EQ(caption(4), "T1043");
    EXPECT_TRUE(pressed(*window_->advancedPage(), 7));
    EXPECT_EQ(w.PollingRate, 4); // kept
    EXPECT_TRUE(pressed(*window_->advancedPage(), 3));

    // 1255: the profile the keyboard switched to, edits dropped.
    exchange_.block->CurrentProfile = 1;
    window_->handleMessage(message(WM_PROFILE_CHANGED));
    EXPECT_EQ(session_.working().CurrentProfile, 1);
    EXPECT_TRUE(pressed(*window_, 11));
    EXPECT_FALSE(pressed(*window_, 10));
    EXPECT_EQ(caption(5), "T1110");
    EXPECT_EQ(session_.working().profiles[0].PollingRate, 1);

    // 1254: everything again, and the firmware number without upper bound.
    ASSERT_TRUE(IniFile(settings_.configIniPath()).writeNumber("Setting", "FWVersion", 501));
    exchange_.block->CurrentProfile = 4;
    exchange_.block->profiles[4].PollingRate = 1;
    window_->handleMessage(message(WM_READBACK_DONE));
    EXPECT_EQ(session_.firmwareText(), "5.01");
    EXPECT_TRUE(pressed(*window_, 14));
    EXPECT_TRUE(pressed(*window_->advancedPage(), 1));
    EXPECT_EQ(window_->shownPage(), ConfigWindow::Advanced); // the page stays

    window_->handleMessage(message(WM_OPTION_IGNORED));
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(ConfigWindowTest, Button5DoesNothing) {
    start();
    const auto before = std::make_unique<ConfigBlock>(session_.working());
    clickWindow(5);
    EXPECT_EQ(std::memcmp(before.get(), &session_.working(), sizeof(ConfigBlock)), 0);
    EXPECT_EQ(window_->shownPage(), ConfigWindow::StandardKeys);
    EXPECT_TRUE(poster_.posted.empty());
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(ConfigWindowTest, ManualAndWebPage) {
    start();
    clickWindow(18);
    ASSERT_EQ(shell_.files.size(), 1);
    EXPECT_EQ(shell_.files[0], QString::fromStdString(dir_.folder() + "User Manual.pdf"));
    clickWindow(19);
    ASSERT_TRUE(IniFile(settings_.configIniPath()).writeText("Links", "WebPage", "https://example.org/kb"));
    clickWindow(19);
    ASSERT_EQ(shell_.addresses.size(), 2);
    EXPECT_EQ(shell_.addresses[0], QString::fromUtf8(kDefaultWebPage));
    EXPECT_EQ(shell_.addresses[1], "https://example.org/kb");
}

TEST_F(ConfigWindowTest, CloseMessageAndRestore) {
    start();
    window_->showMinimized();
    window_->handleMessage(message(WM_SYSCOMMAND_MSG, SC_RESTORE_CMD));
    EXPECT_FALSE(window_->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(window_->isVisible());
    session_.working().profiles[0].LtColor = 5;
    window_->handleMessage(message(WM_CLOSE_MSG));
    QTRY_VERIFY(!window_->isVisible());
    EXPECT_TRUE(poster_.posted.empty()); // closed without saving
    EXPECT_FALSE(fs::exists(settings_.configIniPath()));
}

TEST_F(ConfigWindowTest, CloseMessageDuringTheResetWarningDeclinesIt) {
    start();
    onNextModal([this](QWidget *modal) {
        ASSERT_NE(qobject_cast<ResetWarningDialog *>(modal), nullptr);
        window_->handleMessage(message(WM_CLOSE_MSG)); // the keyboard was unplugged
    });
    clickWindow(25);
    EXPECT_TRUE(poster_.posted.empty());
    QTRY_VERIFY(!window_->isVisible());
}

TEST_F(ConfigWindowTest, CloseButtonsDuringTheWaitGiveThePointerBack) {
    start();
    clickWindow(21);
    ASSERT_TRUE(window_->applyWaitShown());
    clickWindow(22);
    QTRY_VERIFY(!window_->isVisible());
    EXPECT_FALSE(window_->applyWaitShown());
}

TEST_F(ConfigWindowTest, ViewFailureIsShownAndWorksFromTheFiles) {
    QString shown;
    onNextModal([&shown](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->accept();
    });
    window_ = std::make_unique<ConfigWindow>(
        ConfigWindow::Services{session_, texts_, poster_, shell_, settings_, dir_.folder()});
    exchange_.available = false; // the block that could not be mapped
    window_->initialize(&exchange_, true);
    EXPECT_EQ(shown, "Could not map view of file.");
    EXPECT_EQ(exchange_.takes, 0);
    EXPECT_EQ(window_->windowTitle(), "Orvyn Vantor Keyboard Option");
}

// The icon's sizes fit in what desktop tools read of _NET_WM_ICON (xprop:
// 500000 bytes at 8 per pixel), else they show the window without one.
TEST_F(ConfigWindowTest, TheWindowIconFitsWhatDesktopToolsRead) {
    if (!fs::exists(ORVYN_PROGRAM_DIR "skins/resources/icon128.png"))
        GTEST_SKIP() << "skin set not generated";
    start();
    const QList<QSize> sizes = window_->windowIcon().availableSizes();
    ASSERT_FALSE(sizes.isEmpty());
    qint64 longs = 0;
    for (const QSize &size : sizes) {
        EXPECT_LE(size.width(), 128) << size.width();
        longs += 2 + qint64{size.width()} * size.height();
    }
    EXPECT_LT(longs * 8, 500000);
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

TEST_F(ConfigWindowTest, DrawsTheSkinAndTheVersionLine) {
    if (!fs::exists(ORVYN_PROGRAM_DIR "skins/skin_Config.ini"))
        GTEST_SKIP() << "skin set not generated";
    ASSERT_TRUE(IniFile(settings_.configIniPath()).writeNumber("Setting", "FWVersion", 105));
    // The firmware is drawn while a keyboard is connected.
    ASSERT_TRUE(IniFile(settings_.configIniPath()).writeNumber("Setting", "Device", 1));
    // The real texts where the language module is built.
    UiTextLibrary realTexts;
    realTexts.load(ORVYN_PROGRAM_DIR);
    ConfigSession session(settings_, poster_, realTexts, dir_.file("config/sequence.dat"));
    window_ = std::make_unique<ConfigWindow>(
        ConfigWindow::Services{session, realTexts, poster_, shell_, settings_, dir_.folder()});
    window_->initialize(&exchange_, false);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    clickWindow(4);
    clickWindow(11);
    window_->advancedPage()->menuCommand(1102);
    EXPECT_EQ(session.versionLine(), "Driver V1.03-Firmware V1.05");
    EXPECT_FALSE(window_->pageRect().isEmpty());
    EXPECT_EQ(window_->advancedPage()->geometry().topLeft(), window_->pageRect().topLeft());
    const QImage shot = window_->grab().toImage();
    // The version line is drawn in light grey (E6E6E6) in its strip.
    int light = 0;
    const QRect strip = window_->versionLineRect();
    for (int y = strip.top(); y <= strip.bottom(); ++y)
        for (int x = strip.left(); x <= strip.right(); ++x)
            if (qRed(shot.pixel(x, y)) > 200 && qGreen(shot.pixel(x, y)) > 200 &&
                qBlue(shot.pixel(x, y)) > 200)
                ++light;
    EXPECT_GT(light, 40);
    if (const char *out = std::getenv("ORVYN_RENDER_DIR"))
        shot.save(QString::fromUtf8(out) + "/option-advanced.png");
    window_.reset();
}

// A manual the desktop cannot show is named with its path, and its folder is
// offered instead.
TEST_F(ConfigWindowTest, AManualThatCannotBeShownIsNamedAndItsFolderOffered) {
    start();
    const QString manual = QString::fromStdString(dir_.folder() + "User Manual.pdf");
    QString told;
    onNextModal([&told](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        told = box->text();
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Option"));
        for (QAbstractButton *b : box->buttons())
            if (b->text() == QStringLiteral("Open Folder"))
                b->click();
    });
    shell_.reportFailure(manual, OpenOutcome::NoViewer);
    EXPECT_TRUE(told.contains(manual)) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("No program to show PDF files"))) << told.toStdString();
    ASSERT_EQ(shell_.files.size(), 1);
    EXPECT_EQ(fs::path(shell_.files[0].toStdString()), fs::path(dir_.folder()).parent_path());
}

TEST_F(ConfigWindowTest, TheMenuKeyAndShiftF10OpenTheFocusedFieldsMenuAndEscClosesIt) {
    start();
    clickWindow(ConfigWindowSkin::MacroKeysTab);
    BitmapEdit edit(window_.get());
    edit.setText(QStringLiteral("Profile"));
    enum class Ask { MenuKey, ShiftF10 };
    struct Case {
        const char *name;
        QWidget *field;
        Ask ask;
        std::vector<QString> items; // empty: no menu opens
    };
    const std::vector<Case> cases = {
        {"a G-key field, menu key", window_->macroKeyPage()->keyButton(4), Ask::MenuKey, {}},
        {"a media key, Shift+F10", window_->mediaKeyPage()->mediaKeyButton(0), Ask::ShiftF10, {}},
        {"the player choice, menu key", window_->mediaKeyPage()->playerButton(), Ask::MenuKey, {}},
        {"an edit field, Shift+F10",
         &edit,
         Ask::ShiftF10,
         {"&Undo", "&Redo", "", "Cu&t", "&Copy", "&Paste", "&Delete", "", "Select &All"}},
        {"a page tab has no menu", window_->windowButton(1), Ask::MenuKey, {}},
    };
    for (const Case &c : cases) {
        const bool opens = c.field != window_->windowButton(1);
        std::vector<QString> seen;
        bool shown = false;
        // Looks at the menu once it is open (in its own loop), then closes it.
        std::function<void(int)> closeMenu = [&](int triesLeft) {
            auto *menu = qobject_cast<SkinnedMenu *>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                if (triesLeft > 0)
                    QTimer::singleShot(10, [&closeMenu, triesLeft] { closeMenu(triesLeft - 1); });
                return;
            }
            shown = true;
            for (QAction *a : menu->actions())
                seen.push_back(a->text());
            QTest::keyClick(menu, Qt::Key_Escape);
        };
        if (opens)
            QTimer::singleShot(0, [&closeMenu] { closeMenu(300); });
        c.field->setFocus(Qt::TabFocusReason);
        if (c.ask == Ask::MenuKey)
            requestMenuByKeyboard(*c.field); // what Qt makes of the menu key
        else
            QTest::keyClick(c.field, Qt::Key_F10, Qt::ShiftModifier);
        QApplication::processEvents();
        EXPECT_EQ(shown, opens) << c.name;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << c.name << ": Esc left the menu open";
        if (!c.items.empty()) {
            EXPECT_EQ(seen, c.items) << c.name;
        }
    }
}

// A language with its own skin set draws the window from skins/<code>/; one
// without it, and a folder chosen by hand, keep their pictures.
TEST_F(ConfigWindowTest, DrawsFromTheSkinSetOfItsLanguage) {
    const QString skins = QStringLiteral(ORVYN_PROGRAM_DIR "skins/");
    if (!fs::exists(ORVYN_PROGRAM_DIR "skins/de/skin_Config.ini"))
        GTEST_SKIP() << "skin sets not generated";
    const struct {
        const char *language;
        QString folder;
    } cases[] = {{"en", skins}, {"de", skins + "de/"}, {"xx", skins}, {"", skins}};
    for (const auto &c : cases)
        EXPECT_EQ(languageSkinFolder(skins, c.language), c.folder) << c.language;
    useLanguageSkins("de");
    EXPECT_EQ(skinFolder(), skins) << "a chosen folder is kept";

    // The German tabs are drawn, not the English ones.
    const QRect tabs(220, 64, 720, 36);
    start();
    const QImage english = window_->grab().toImage().copy(tabs);
    window_.reset();
    setSkinFolder(languageSkinFolder(skins, "de"));
    start();
    const QImage german = window_->grab().toImage().copy(tabs);
    window_.reset();
    setSkinFolder(skins);
    int differing = 0;
    for (int y = 0; y < tabs.height(); ++y)
        for (int x = 0; x < tabs.width(); ++x)
            differing += english.pixel(x, y) != german.pixel(x, y);
    EXPECT_GT(differing, 200);
}

} // namespace
} // namespace orvyn

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
