// The key pages driven offscreen through their real buttons, menus and
// dialogs: what each choice leaves in the working copy, its change flags and
// the captions and looks of the pages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "OptionFakes.h"
#include "editing/KeyboardLayout.h"
#include "option/ConfigWindow.h"
#include "option/dialogs/LaunchProgramDialog.h"
#include "option/dialogs/MacroManagerDialog.h"
#include "option/dialogs/ShortcutDialog.h"
#include "option/dialogs/SwapKeyDialog.h"
#include "option/pages/MacroKeyPage.h"
#include "option/pages/MediaKeyPage.h"
#include "option/pages/StandardKeyPage.h"
#include "option/skin/BitmapButton.h"
#include "option/skin/RgnButton.h"
#include "option/skin/SkinResources.h"
#include "option/skin/SkinnedMenu.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

using namespace orvyn::testing;
namespace fs = std::filesystem;

class NoShell final : public DocumentOpener {
public:
    bool openFile(const QString &) override { return true; }
    bool openAddress(const QString &) override { return true; }
};

std::unique_ptr<ConfigBlock> defaults() {
    auto c = std::make_unique<ConfigBlock>();
    std::memset(c.get(), 0, sizeof(ConfigBlock));
    makeDefaultConfig(*c, "Profile");
    return c;
}

// Runs `action` once `ready` holds, checking again from the event loop (a
// menu or dialog is open in a nested loop meanwhile).
void when(std::function<bool()> ready, std::function<void()> action, int triesLeft = 500) {
    QTimer::singleShot(triesLeft == 500 ? 0 : 10, [=] {
        if (ready())
            action();
        else if (triesLeft > 0)
            when(ready, action, triesLeft - 1);
        else
            ADD_FAILURE() << "the menu or dialog did not open";
    });
}

void onNextModal(std::function<void(QWidget *)> action) {
    when([] { return QApplication::activeModalWidget() != nullptr; },
         [action] { action(QApplication::activeModalWidget()); });
}

QAction *actionWith(QMenu &menu, int command, const QString &title = {}) {
    for (QAction *a : menu.actions()) {
        if (!title.isEmpty() ? a->menu() && a->text() == title : SkinnedMenu::commandOf(a) == command)
            return a;
    }
    return nullptr;
}

// What the menus looked like while open.
struct SeenMenus {
    int topWidth = -1;
    int subWidth = -1;
    QPoint topLeft;
    std::vector<std::tuple<int, QString, ItemCheck>> subEntries;
};

// Chooses `command` in the menu that opens next, first opening the submenu
// titled `submenu` when one is given; each step is a real click on the item.
// Command 0 only looks at the submenu and closes the menus.
void chooseInNextMenu(int command, const QString &submenu = {}, SeenMenus *seen = nullptr) {
    when([] { return qobject_cast<SkinnedMenu *>(QApplication::activePopupWidget()) != nullptr; },
         [=] {
             auto *top = qobject_cast<SkinnedMenu *>(QApplication::activePopupWidget());
             if (seen) {
                 seen->topWidth = top->itemWidth();
                 seen->topLeft = top->geometry().topLeft();
             }
             QAction *item = actionWith(*top, command, submenu);
             if (!item) {
                 ADD_FAILURE() << "no item " << command << " " << submenu.toStdString();
                 top->close();
                 return;
             }
             QTest::mouseClick(top, Qt::LeftButton, {}, top->actionGeometry(item).center());
             if (submenu.isEmpty())
                 return;
             when([top] { return QApplication::activePopupWidget() != top; },
                  [=] {
                      auto *sub = qobject_cast<SkinnedMenu *>(QApplication::activePopupWidget());
                      if (!sub) {
                          ADD_FAILURE() << "submenu did not open";
                          top->close();
                          return;
                      }
                      if (seen) {
                          seen->subWidth = sub->itemWidth();
                          for (QAction *a : sub->actions())
                              seen->subEntries.emplace_back(SkinnedMenu::commandOf(a), a->text(),
                                                            SkinnedMenu::checkOf(a));
                      }
                      QAction *entry = actionWith(*sub, command);
                      if (command == 0) {
                          sub->close();
                          top->close();
                          return;
                      }
                      if (!entry) {
                          ADD_FAILURE() << "no entry " << command;
                          top->close();
                          return;
                      }
                      QTest::mouseClick(sub, Qt::LeftButton, {}, sub->actionGeometry(entry).center());
                  });
         });
}

void dismissNextMenu() {
    when([] { return QApplication::activePopupWidget() != nullptr; },
         [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape); });
}

void click(QWidget *w) {
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

class KeyPagesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setSkinFolder(QStringLiteral(ORVYN_PROGRAM_DIR "skins/")); }

    KeyPagesTest() {
        fs::create_directories(dir_.file("config"));
        exchange_.block = defaults();
    }

    // Library macros as they would be in config/sequence.dat.
    void writeLibrary(std::initializer_list<const char *> names) {
        MacroLibrary library(dir_.file("config/sequence.dat"));
        for (const char *name : names) {
            MacroRecord &r = library.create(name);
            r.count = 2;
            r.repeat = 2;
            r.events[0] = {5, 1, 30};
            r.events[1] = {5, 2, 0};
        }
        ASSERT_TRUE(library.save());
    }

    void start() {
        window_ = std::make_unique<ConfigWindow>(ConfigWindow::Services{
            session_, texts_, poster_, shell_, settings_, dir_.folder(), nullptr, us_.get()});
        window_->initialize(&exchange_, false);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    void showPage(int tab) { click(window_->windowButton(tab)); }

    ConfigBlock &working() { return session_.working(); }
    MacroKeyInfo &slot(int profile, int s) { return working().profiles[profile].keys[s]; }
    // Every per-key flag but (profile, slot) is 0; that one is `value`.
    void expectKeyFlags(int profile, int s, int value) {
        for (int p = 0; p < kProfileCount; ++p)
            for (int k = 0; k < kKeySlotCount; ++k)
                EXPECT_EQ(working().flags.keySlot[p][k], p == profile && k == s ? value : 0) << p << "/" << k;
    }
    QString macroCaption(int s) { return window_->macroKeyPage()->keyButton(s)->caption(); }
    QString mediaCaption(int key) { return window_->mediaKeyPage()->mediaKeyButton(key)->caption(); }

    test::TempDir dir_;
    SettingsStore settings_{dir_.folder()};
    FakePoster poster_;
    FakeTexts texts_;
    FakeExchange exchange_;
    NoShell shell_;
    std::unique_ptr<KeyboardLayout> us_ = makeUsLayout();
    ConfigSession session_{settings_, poster_, texts_, dir_.file("config/sequence.dat")};
    std::unique_ptr<ConfigWindow> window_;
};

TEST_F(KeyPagesTest, MediaKeyMenuAssignsFunctionsAndTheMacroPageShowsTheSameSlot) {
    start();
    showPage(3);
    MediaKeyPage &media = *window_->mediaKeyPage();
    // Slot 8 is media key 0 and programmable key 9.
    EXPECT_EQ(mediaCaption(0), "Ctrl+4");
    EXPECT_EQ(macroCaption(8), "Ctrl+4");

    SeenMenus seen;
    chooseInNextMenu(1014, "T1078", &seen); // Play/Pause
    click(media.mediaKeyButton(0));
    EXPECT_EQ(media.menuMediaKey(), 0);
    EXPECT_EQ(seen.topWidth, 174);
    EXPECT_EQ(seen.subWidth, 174);
    // Opened at the button's bottom-left corner (inside the menu's frame).
    const QPoint corner = media.mediaKeyButton(0)->mapToGlobal(QPoint(0, media.mediaKeyButton(0)->height()));
    EXPECT_LE((seen.topLeft - corner).manhattanLength(), 4) << seen.topLeft.x() << "," << seen.topLeft.y();
    EXPECT_EQ(slot(0, 8).type, static_cast<uint8_t>(AssignType::MediaFunction));
    EXPECT_EQ(slot(0, 8).code, 176);
    EXPECT_EQ(mediaCaption(0), "T1080");
    expectKeyFlags(0, 8, 1);
    EXPECT_FALSE(media.mediaKeyButton(0)->hover());

    // The factory entry brings Ctrl+4 back; the macro page shows it after
    // the next reload.
    chooseInNextMenu(1001);
    click(media.mediaKeyButton(0));
    EXPECT_EQ(slot(0, 8).type, static_cast<uint8_t>(AssignType::KeyCombination));
    EXPECT_EQ(slot(0, 8).flags, kModCtrl);
    EXPECT_EQ(slot(0, 8).code, 33);
    EXPECT_EQ(mediaCaption(0), "Ctrl+4");

    // A mouse function on media key 5 (slot 13); the empty library's macro
    // submenu offers only the manager.
    seen = {};
    chooseInNextMenu(0, "T1071", &seen);
    click(media.mediaKeyButton(5));
    ASSERT_EQ(seen.subEntries.size(), 1u);
    EXPECT_EQ(std::get<0>(seen.subEntries[0]), 1049);
    EXPECT_EQ(std::get<1>(seen.subEntries[0]), "T1067");
    chooseInNextMenu(1033, "T1098");
    click(media.mediaKeyButton(5));
    EXPECT_EQ(slot(0, 13).type, static_cast<uint8_t>(AssignType::MouseButton));
    EXPECT_EQ(slot(0, 13).flags, 3);
    EXPECT_EQ(mediaCaption(5), "T1026");
    EXPECT_EQ(working().flags.keySlot[0][13], 1);

    // A dismissed menu changes nothing.
    const auto before = std::make_unique<ConfigBlock>(working());
    dismissNextMenu();
    click(media.mediaKeyButton(2));
    EXPECT_EQ(std::memcmp(before.get(), &working(), sizeof(ConfigBlock)), 0);

    showPage(2);
    window_->refresh(0);
    EXPECT_EQ(macroCaption(13), "T1026");
}

TEST_F(KeyPagesTest, MacroKeyMenuChecksTheKeysMacroAndAssignsLibraryMacros) {
    writeLibrary({"  Rapid Fire ", "Other"});
    ConfigBlock &block = *exchange_.block;
    MacroKeyInfo &key = block.profiles[0].keys[2];
    key.type = static_cast<uint8_t>(AssignType::Macro);
    setFixed(key.macroName, "rapid FIRE");
    key.eventCount = 2;
    key.repeatCount = 2;
    key.events[0] = {5, 1, 30};
    key.events[1] = {5, 2, 0};
    start();
    showPage(2);
    MacroKeyPage &page = *window_->macroKeyPage();
    EXPECT_EQ(macroCaption(2), "rapid FIRE");

    SeenMenus seen;
    chooseInNextMenu(1051, "T1071", &seen);
    click(page.keyButton(2));
    EXPECT_EQ(page.menuSlot(), 2);
    EXPECT_EQ(getFixed(page.currentKey().macroName), "rapid FIRE"); // the entry as it was
    EXPECT_EQ(seen.topWidth, 236);
    EXPECT_EQ(seen.subWidth, 136);
    ASSERT_EQ(seen.subEntries.size(), 4u);
    EXPECT_EQ(std::get<0>(seen.subEntries[1]), 0); // separator
    EXPECT_EQ(std::get<1>(seen.subEntries[2]), "Rapid Fire");
    EXPECT_EQ(std::get<2>(seen.subEntries[2]), ItemCheck::Checked);
    EXPECT_EQ(std::get<2>(seen.subEntries[3]), ItemCheck::Unchecked);

    EXPECT_EQ(slot(0, 2).type, static_cast<uint8_t>(AssignType::Macro));
    EXPECT_EQ(getFixed(slot(0, 2).macroName), "Other");
    EXPECT_EQ(macroCaption(2), "Other");
    expectKeyFlags(0, 2, 1);

    // Slot 9 is media key 1: a choice here shows there after a reload.
    chooseInNextMenu(1040);
    click(page.keyButton(9));
    EXPECT_EQ(slot(0, 9).type, static_cast<uint8_t>(AssignType::DefaultFunction));
    EXPECT_EQ(macroCaption(9), "T1103");
    window_->refresh(0);
    EXPECT_EQ(mediaCaption(1), "T1103");
}

TEST_F(KeyPagesTest, ShortcutDialogFromTheMenuCapturesKeysAndTogglesModifiers) {
    start();
    showPage(2);
    MacroKeyPage &page = *window_->macroKeyPage();
    // Slot 5 is Ctrl+1: the dialog opens with key 1 and Ctrl checked.
    chooseInNextMenu(1002);
    onNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<ShortcutDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Z.ORBA Shortcut Dialog");
        EXPECT_EQ(dialog->edit(ShortcutDialog::KeyName)->text(), "1");
        for (int t = 0; t < 5; ++t) {
            EXPECT_EQ(dialog->button(5 + t)->isChecked(), t == 1) << t;
            EXPECT_TRUE(dialog->button(5 + t)->isEnabled()) << t;
        }
        // Escape and Enter are keys to capture, not ways out.
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTest::keyClick(dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        dialog->recordedKey(0x41, 0);                // A pressed
        dialog->recordedKey(0x41, kKeyFlagReleased); // and released
        EXPECT_EQ(dialog->edit(ShortcutDialog::KeyName)->text(), "A");
        click(dialog->toggle(ShortcutChoice::Alt));
        click(dialog->button(ShortcutDialog::Ok));
    });
    click(page.keyButton(5));
    EXPECT_EQ(slot(0, 5).type, static_cast<uint8_t>(AssignType::KeyCombination));
    EXPECT_EQ(slot(0, 5).code, 4);
    EXPECT_EQ(slot(0, 5).flags, kModCtrl | kModAlt);
    EXPECT_EQ(macroCaption(5), "Ctrl+Alt+A");
    expectKeyFlags(0, 5, 1);

    // No modifier wins over modifiers that still look checked.
    working().flags = {};
    chooseInNextMenu(1002);
    onNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<ShortcutDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->recordedKey(13, kKeyFlagExtended); // keypad Enter
        EXPECT_EQ(dialog->edit(ShortcutDialog::KeyName)->text(), "(Enter)");
        click(dialog->toggle(ShortcutChoice::NoModifier));
        for (int t = 1; t < 5; ++t)
            EXPECT_FALSE(dialog->button(5 + t)->isEnabled()) << t;
        EXPECT_TRUE(dialog->button(6)->isChecked()); // Ctrl keeps its look
        click(dialog->button(ShortcutDialog::Ok));
    });
    click(page.keyButton(5));
    EXPECT_EQ(slot(0, 5).code, 88);
    EXPECT_EQ(slot(0, 5).flags, 0);
    EXPECT_EQ(macroCaption(5), "(Enter)");

    // Cancel and close change nothing, even after a key was captured.
    working().flags = {};
    const auto before = std::make_unique<ConfigBlock>(working());
    for (int way : {ShortcutDialog::Cancel, ShortcutDialog::Close}) {
        chooseInNextMenu(1002);
        onNextModal([way](QWidget *modal) {
            auto *dialog = qobject_cast<ShortcutDialog *>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->recordedKey(0x42, 0);
            click(dialog->toggle(ShortcutChoice::Ctrl));
            click(dialog->button(way));
        });
        click(page.keyButton(5));
        EXPECT_EQ(std::memcmp(before.get(), &working(), sizeof(ConfigBlock)), 0) << way;
    }
}

TEST_F(KeyPagesTest, LaunchProgramAndMacroManagerFromTheMenus) {
    writeLibrary({"Burst", "Spare"});
    ConfigBlock &block = *exchange_.block;
    for (int s : {4, 9}) { // G5, and G10 = media key 1
        MacroKeyInfo &key = block.profiles[0].keys[s];
        key.type = static_cast<uint8_t>(AssignType::Macro);
        setFixed(key.macroName, "Burst");
        key.eventCount = 2;
        key.repeatCount = 2;
        key.events[0] = {5, 1, 30};
        key.events[1] = {5, 2, 0};
    }
    start();
    showPage(2);
    MacroKeyPage &page = *window_->macroKeyPage();

    // A program for G3: the dialog starts empty for a key without one.
    chooseInNextMenu(1003);
    onNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<LaunchProgramDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->edit(LaunchProgramDialog::PathField)->text(), "");
        dialog->edit(LaunchProgramDialog::PathField)->setText("/usr/games/frozen-bubble");
        click(dialog->button(LaunchProgramDialog::Ok));
    });
    click(page.keyButton(2));
    EXPECT_EQ(slot(0, 2).type, static_cast<uint8_t>(AssignType::LaunchProgram));
    EXPECT_EQ(slot(0, 2).flags, 3);
    EXPECT_EQ(getFixed(slot(0, 2).programPath), "/usr/games/frozen-bubble");
    EXPECT_EQ(macroCaption(2), "frozen-bubble");
    expectKeyFlags(0, 2, 1);

    // Reopened it shows the key's program; Cancel keeps everything.
    working().flags = {};
    auto before = std::make_unique<ConfigBlock>(working());
    chooseInNextMenu(1003);
    onNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<LaunchProgramDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->edit(LaunchProgramDialog::PathField)->text(), "/usr/games/frozen-bubble");
        dialog->edit(LaunchProgramDialog::PathField)->setText("/bin/false");
        click(dialog->button(LaunchProgramDialog::Cancel));
    });
    click(page.keyButton(2));
    EXPECT_EQ(std::memcmp(before.get(), &working(), sizeof(ConfigBlock)), 0);

    // The manager cancelled: its edits are dropped by reading the file
    // again, and no key changes.
    MacroLibrary &library = session_.library();
    chooseInNextMenu(1049, "T1071");
    onNextModal([&library](QWidget *modal) {
        auto *dialog = qobject_cast<MacroManagerDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        library.create("Scratch");
        library.at(0)->events[0].key = 9;
        click(dialog->button(MacroManagerDialog::Cancel));
    });
    click(page.keyButton(4));
    ASSERT_EQ(library.size(), 2u);
    EXPECT_EQ(library.at(0)->events[0].key, 5);
    EXPECT_EQ(std::memcmp(before.get(), &working(), sizeof(ConfigBlock)), 0);

    // From the media keys, OK only keeps the library: the keys keep their
    // copies of the macro.
    showPage(3);
    chooseInNextMenu(1049, "T1071");
    onNextModal([&library](QWidget *modal) {
        auto *dialog = qobject_cast<MacroManagerDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        library.at(0)->events[0].key = 9;
        click(dialog->button(MacroManagerDialog::Ok));
    });
    click(window_->mediaKeyPage()->mediaKeyButton(1));
    EXPECT_EQ(std::memcmp(before.get(), &working(), sizeof(ConfigBlock)), 0);
    MacroLibrary saved(dir_.file("config/sequence.dat"));
    saved.load();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved.at(0)->events[0].key, 9);

    // From the macro keys, OK also brings the edited macro to every key
    // that plays it, marked changed.
    showPage(2);
    chooseInNextMenu(1049, "T1071");
    onNextModal([&library](QWidget *modal) {
        auto *dialog = qobject_cast<MacroManagerDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        library.at(0)->events[1].key = 6;
        click(dialog->button(MacroManagerDialog::Ok));
    });
    click(page.keyButton(4));
    for (int s : {4, 9}) {
        EXPECT_EQ(slot(0, s).events[0].key, 9) << s;
        EXPECT_EQ(slot(0, s).events[1].key, 6) << s;
        EXPECT_EQ(working().flags.keySlot[0][s], 1) << s;
    }
    EXPECT_EQ(macroCaption(4), "Burst");
}

TEST_F(KeyPagesTest, PlayerChoiceShowsAtOnceWithoutAChangeFlag) {
    exchange_.block->profiles[0].MediaOption = 7;
    start();
    showPage(3);
    MediaKeyPage &media = *window_->mediaKeyPage();
    EXPECT_EQ(media.playerButton()->caption(), "");
    chooseInNextMenu(5002);
    click(media.playerButton());
    EXPECT_EQ(working().profiles[0].MediaOption, 1);
    EXPECT_EQ(media.playerButton()->caption(), "iTunes");
    const ChangeFlags none{};
    EXPECT_EQ(std::memcmp(&none, &working().flags, sizeof none), 0);
    // Three players are offered; the third one is not.
    when([] { return QApplication::activePopupWidget() != nullptr; },
         [] {
             auto *menu = qobject_cast<SkinnedMenu *>(QApplication::activePopupWidget());
             ASSERT_NE(menu, nullptr);
             std::vector<int> commands;
             for (QAction *a : menu->actions())
                 commands.push_back(SkinnedMenu::commandOf(a));
             EXPECT_EQ(commands, (std::vector<int>{5001, 5002, 5004}));
             menu->close();
         });
    click(media.playerButton());
    EXPECT_EQ(working().profiles[0].MediaOption, 1);
}

TEST_F(KeyPagesTest, StandardKeysShowRemapsAndTheSwapDialogStoresItsResult) {
    ProfileData &p1 = exchange_.block->profiles[1];
    p1.standardkey[45] = 5;   // A sends B
    p1.standardkey[43] = 88;  // Enter sends the keypad Enter
    p1.standardkey[10] = 243; // F10 is the middle mouse button
    start();
    StandardKeyPage &page = *window_->standardKeyPage();
    EXPECT_TRUE(page.isVisible());
    for (int k = 0; k < kStandardKeyCount; ++k)
        EXPECT_FALSE(page.shownRemapped(k)) << k; // profile 0 is the default table
    click(window_->windowButton(11));             // profile 1
    for (int k = 0; k < kStandardKeyCount; ++k)
        EXPECT_EQ(page.shownRemapped(k), k == 45 || k == 43 || k == 10) << k;
    // A remapped key's normal picture is its pressed one.
    BitmapButton *a = page.keyButton(45);
    EXPECT_EQ(a->statePicture(StatePicture::Normal), a->statePicture(StatePicture::Down));
    // ... under the pointer too, and its help names what it sends.
    EXPECT_EQ(a->statePicture(StatePicture::Over), a->statePicture(StatePicture::Down));
    EXPECT_EQ(a->helpText(), QStringLiteral("A → B"));
    EXPECT_EQ(
        page.keyButton(10)->helpText(),
        QStringLiteral("F10 → %1").arg(QString::fromStdString(texts_.text(kFirstMouseFunctionText + 2))));
    EXPECT_TRUE(page.keyButton(46)->helpText().startsWith(QStringLiteral("S key.")));
    EXPECT_NE(page.keyButton(46)->statePicture(StatePicture::Normal),
              page.keyButton(46)->statePicture(StatePicture::Down));
    ASSERT_NE(page.enterKey(), nullptr);
    EXPECT_FALSE(page.keyButton(43)->isVisible());
    EXPECT_TRUE(page.enterKey()->isVisible());
    EXPECT_EQ(page.enterKey()->size(), QSize(34, 49));
    EXPECT_FALSE(page.enterKey()->hitRegion().contains(QPoint(3, 40))); // the notch below
    EXPECT_TRUE(page.enterKey()->hitRegion().contains(QPoint(3, 10)));

    // F10 opens in function mode; another function is chosen from the menu.
    onNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<SwapKeyDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Swap key Dialog");
        EXPECT_EQ(dialog->choice().titleText(), "T1026");
        EXPECT_TRUE(dialog->button(SwapKeyDialog::ModeMouse)->isChecked());
        EXPECT_FALSE(dialog->button(SwapKeyDialog::ModeKey)->isChecked());
        EXPECT_EQ(dialog->button(SwapKeyDialog::MouseFunction)->caption(), "T1026");
        SeenMenus seen;
        chooseInNextMenu(1004, {}, &seen);
        click(dialog->button(SwapKeyDialog::MouseFunction));
        EXPECT_EQ(seen.topWidth, 107);
        EXPECT_EQ(dialog->button(SwapKeyDialog::MouseFunction)->caption(), "T1027");
        dialog->recordedKey(0x43, 0); // shown, but OK stores the function
        EXPECT_EQ(dialog->edit(SwapKeyDialog::NewKey)->text(), "C");
        click(dialog->button(SwapKeyDialog::Ok));
    });
    click(page.keyButton(10));
    EXPECT_EQ(working().profiles[1].standardkey[10], 244);
    EXPECT_EQ(working().flags.standardKey[1], 1);

    // The shaped Enter key counts as position 43: back to its own code,
    // it shows released and the table is still marked changed.
    working().flags = {};
    onNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<SwapKeyDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->choice().titleText(), "(Enter)");
        click(dialog->button(SwapKeyDialog::Default));
        EXPECT_EQ(dialog->edit(SwapKeyDialog::NewKey)->text(), "Enter");
        click(dialog->button(SwapKeyDialog::Ok));
    });
    click(page.enterKey());
    EXPECT_EQ(working().profiles[1].standardkey[43], 40);
    EXPECT_FALSE(page.shownRemapped(43));
    EXPECT_EQ(working().flags.standardKey[1], 1);

    // A key captured and then cancelled, and OK without a key, change nothing.
    working().flags = {};
    const auto before = std::make_unique<ConfigBlock>(working());
    onNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<SwapKeyDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->recordedKey(0x44, 0);
        click(dialog->button(SwapKeyDialog::Cancel));
    });
    click(page.keyButton(46));
    onNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<SwapKeyDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        click(dialog->button(SwapKeyDialog::Ok));
    });
    click(page.keyButton(46));
    EXPECT_EQ(std::memcmp(before.get(), &working(), sizeof(ConfigBlock)), 0);

    // A captured key remaps: the key shows pressed at once.
    onNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<SwapKeyDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->choice().titleText(), "S");
        dialog->recordedKey(0x44, 0);
        dialog->recordedKey(0x44, kKeyFlagReleased);
        click(dialog->button(SwapKeyDialog::Ok));
    });
    click(page.keyButton(46));
    EXPECT_EQ(working().profiles[1].standardkey[46], 7);
    EXPECT_TRUE(page.shownRemapped(46));
    EXPECT_EQ(page.keyButton(46)->statePicture(StatePicture::Normal),
              page.keyButton(46)->statePicture(StatePicture::Down));
    EXPECT_EQ(working().flags.standardKey[1], 1);
    EXPECT_EQ(working().flags.standardKey[0], 0);
}

} // namespace
} // namespace orvyn

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
