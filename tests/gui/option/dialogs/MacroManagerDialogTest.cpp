// The macro manager driven offscreen through its buttons, lists, in-place
// edits, confirmation windows and context menu. Keystrokes come in through
// the recorder's X edge (a fake grab stands for the X server).
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

#include "option/dialogs/MacroManagerDialog.h"
#include "option/keyboard/KeystrokeRecorder.h"
#include "option/skin/SkinResources.h"
#include "uitext/UiText.h"

namespace orvyn {
namespace {

class AlwaysGrab final : public KeyboardGrab {
public:
    bool grab(QWidget &) override { return true; }
    void release() override {}
};

// Runs `action` on the next modal window other than `except`.
void onNextModal(std::function<void(QWidget *)> action, QWidget *except) {
    QTimer::singleShot(10, [action, except] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != except)
            action(modal);
        else
            onNextModal(action, except);
    });
}

// Clicks, in each popup as it opens, the item with the next text (a
// submenu opens a moment after its entry was clicked).
void clickMenuPath(QStringList texts, std::function<void()> then = {}, int tries = 100) {
    QTimer::singleShot(10, [texts, then, tries] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *menu = qobject_cast<QMenu *>(w);
            if (!menu || !menu->isVisible())
                continue;
            for (QAction *action : menu->actions()) {
                if (action->text() != texts.front())
                    continue;
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                if (texts.size() > 1)
                    clickMenuPath(texts.mid(1), then);
                else if (then)
                    QTimer::singleShot(0, then);
                return;
            }
        }
        if (tries > 0) {
            clickMenuPath(texts, then, tries - 1);
            return;
        }
        ADD_FAILURE() << "no menu item " << texts.front().toStdString();
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
}

class ManagerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setSkinFolder(QStringLiteral(ORVYN_PROGRAM_DIR "skins/")); }
    void SetUp() override {
        texts_.load(ORVYN_PROGRAM_DIR);
        layout_ = makeUsLayout();
        KeystrokeRecorder::instance().setLayout(makeUsLayout());
        KeystrokeRecorder::instance().setKeyboardGrab(std::make_unique<AlwaysGrab>());
    }
    void TearDown() override {
        dialog_.reset();
        KeystrokeRecorder::instance().setKeyboardGrab(nullptr);
    }

    MacroRecord &add(const char *name, std::vector<MacroEvent> events, int repeat = 0) {
        MacroRecord &r = library_.create(name);
        r.repeat = repeat;
        r.count = static_cast<int>(events.size());
        std::copy(events.begin(), events.end(), r.events);
        return r;
    }
    MacroManagerDialog &open(const MacroKeyInfo *key = nullptr) {
        dialog_ = std::make_unique<MacroManagerDialog>(library_, *layout_, texts_, key);
        dialog_->show();
        dialog_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
        return *dialog_;
    }
    void click(int section) {
        BitmapButton *b = dialog_->button(section);
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QStringList rows(EditableListBox *list) const {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->rowText(i);
        return out;
    }
    // One key typed while recording, through the recorder's X edge.
    void type(uint32_t xKeycode, uint32_t time) {
        const int before = dialog_->editor().steps().count;
        const bool listening = KeystrokeRecorder::instance().running();
        KeystrokeRecorder::instance().keyEvent(xKeycode, KeyDirection::Press, time);
        KeystrokeRecorder::instance().keyEvent(xKeycode, KeyDirection::Release, time + 40);
        // The release waits for the event loop to turn once.
        if (listening) {
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return dialog_->editor().steps().count >= before + 2 || !dialog_->recording(); },
                2000));
        }
        QCoreApplication::processEvents();
    }
    void rightClickEvents() {
        QTest::mouseClick(dialog_->eventsList()->viewport(), Qt::RightButton, {}, QPoint(20, 5));
    }

    UiTextLibrary texts_;
    std::unique_ptr<KeyboardLayout> layout_;
    MacroLibrary library_;
    std::unique_ptr<MacroManagerDialog> dialog_;
};

constexpr uint32_t kXA = 38, kXB = 56;

TEST_F(ManagerTest, OpensWithTheKeysMacroShown) {
    add("Jump", {{4, 1, 0}, {4, 2, 0}});
    add("Build", {{5, 1, 80}, {5, 2, 0}}, 3);
    MacroKeyInfo key{};
    key.type = static_cast<uint8_t>(AssignType::Macro);
    setFixed(key.macroName, "build");
    MacroManagerDialog &d = open(&key);
    EXPECT_EQ(d.windowTitle(), QStringLiteral(" Gaming Mouse Macro Manager"));
    EXPECT_EQ(rows(d.namesList()), (QStringList{"Jump", "Build"}));
    EXPECT_EQ(d.namesList()->currentRow(), 1);
    EXPECT_EQ(rows(d.eventsList()), (QStringList{"B", "80 ms", "B"}));
    EXPECT_EQ(d.eventsList()->rowValue(1), (1u << 16) | 135u);
    EXPECT_EQ(d.edit(MacroManagerDialog::RepeatCount)->text(), QStringLiteral("3"));
    EXPECT_TRUE(d.button(MacroManagerDialog::Repeat)->isChecked());
    EXPECT_EQ(d.button(MacroManagerDialog::Record)->statePicture(StatePicture::Normal),
              QImage(skinFolder() + "start_record_normal.jpg"));

    // Choosing the other macro shows it; its stored repeat 0 shows as 1, off.
    d.namesList()->setCurrentRow(0);
    EXPECT_EQ(rows(d.eventsList()), (QStringList{"A", "A"}));
    EXPECT_EQ(d.edit(MacroManagerDialog::RepeatCount)->text(), QStringLiteral("1"));
    EXPECT_FALSE(d.button(MacroManagerDialog::Repeat)->isChecked());
}

TEST_F(ManagerTest, NewMacroIsNamedInPlace) {
    add("Jump", {});
    MacroManagerDialog &d = open();
    click(MacroManagerDialog::NewMacro);
    QLineEdit *field = d.namesList()->editField();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->maxLength(), 15);
    QTest::keyClicks(field, QStringLiteral("  jUMP "));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(library_.size(), 1u) << "a name another macro has creates nothing";
    EXPECT_EQ(rows(d.namesList()), (QStringList{"Jump"}));
    EXPECT_EQ(d.editor().selected(), 0);

    click(MacroManagerDialog::NewMacro);
    QTest::keyClicks(d.namesList()->editField(), QStringLiteral("Dash"));
    QTest::keyClick(d.namesList()->editField(), Qt::Key_Escape);
    EXPECT_EQ(rows(d.namesList()), (QStringList{"Jump"})) << "Esc drops the row";

    click(MacroManagerDialog::NewMacro);
    QTest::keyClicks(d.namesList()->editField(), QStringLiteral(" Dash"));
    // Clicking elsewhere commits the name as Enter would.
    QTest::mouseClick(d.eventsList()->viewport(), Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_EQ(library_.size(), 2u);
    EXPECT_EQ(getFixed(library_.at(1)->name), "Dash");
    EXPECT_EQ(rows(d.namesList()), (QStringList{"Jump", "Dash"}));
    EXPECT_EQ(d.editor().selected(), 1);
    EXPECT_EQ(d.namesList()->currentRow(), 1);
}

TEST_F(ManagerTest, RecordingTakesKeysAndLocksTheWindowUntilStopped) {
    MacroRecord &m = add("m", {{4, 1, 0}});
    MacroManagerDialog &d = open();
    click(MacroManagerDialog::RecordDelays);
    click(MacroManagerDialog::Record);
    ASSERT_TRUE(d.recording());
    EXPECT_EQ(KeystrokeRecorder::instance().target(), &d);
    EXPECT_EQ(d.button(MacroManagerDialog::Record)->statePicture(StatePicture::Normal),
              QImage(skinFolder() + "stop_record_normal.jpg"));
    for (int s : {1, 2, 3, 4, 5})
        EXPECT_FALSE(d.button(s)->isEnabled()) << s;
    EXPECT_FALSE(d.namesList()->isEnabled());
    EXPECT_TRUE(rows(d.eventsList()).isEmpty()) << "recording anew clears the macro";

    type(kXA, 1000);
    type(kXB, 1500);
    EXPECT_EQ(rows(d.eventsList()), (QStringList{"A", "40 ms", "A", "460 ms", "B", "40 ms", "B"}));
    // The context menu is not offered while recording.
    rightClickEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    click(MacroManagerDialog::Record);
    EXPECT_FALSE(d.recording());
    EXPECT_FALSE(KeystrokeRecorder::instance().running());
    for (int s : {1, 2, 3, 4, 5})
        EXPECT_TRUE(d.button(s)->isEnabled()) << s;
    EXPECT_TRUE(d.namesList()->isEnabled());
    EXPECT_EQ(m.count, 4);
    EXPECT_EQ(m.events[1].delay, 460);
    type(kXA, 3000);
    EXPECT_EQ(m.count, 4) << "nothing arrives once stopped";

    // The 50th step stops recording; the 51st key is not recorded.
    click(MacroManagerDialog::Record);
    for (uint32_t i = 0; i < 25; ++i)
        type(i % 2 ? kXA : kXB, 5000 + 100 * i);
    EXPECT_FALSE(d.recording());
    EXPECT_EQ(m.count, 50);
    type(kXA, 9000);
    EXPECT_EQ(m.count, 50);
    EXPECT_TRUE(d.button(MacroManagerDialog::Ok)->isEnabled());
}

TEST_F(ManagerTest, ContextMenuCommandsWorkOnTheSelectedRow) {
    MacroRecord &m = add("m", {{4, 1, 0}, {4, 2, 300}, {5, 1, 0}, {5, 2, 0}});
    MacroManagerDialog &d = open();
    ASSERT_EQ(rows(d.eventsList()), (QStringList{"A", "A", "300 ms", "B", "B"}));

    // The menu as the window builds it: texts, widths at least as asked.
    {
        const std::unique_ptr<SkinnedMenu> menu = d.makeContextMenu();
        QStringList items;
        for (QAction *a : menu->actions())
            items << a->text();
        EXPECT_EQ(items, (QStringList{"Record Before", "Record After", "Insert Delay", "Insert Mouse Event",
                                      "Edit", "Delete"}));
        EXPECT_GE(menu->itemWidth(), 120);
        QMenu *mouse = menu->actions()[3]->menu();
        ASSERT_NE(mouse, nullptr);
        EXPECT_EQ(mouse->actions().size(), 5);
        EXPECT_GE(static_cast<SkinnedMenu *>(mouse)->itemWidth(), 100);
        auto *left = static_cast<SkinnedMenu *>(mouse->actions()[0]->menu());
        ASSERT_NE(left, nullptr);
        EXPECT_GE(left->itemWidth(), 40);
        QList<int> commands;
        for (QAction *a : left->actions())
            commands << SkinnedMenu::commandOf(a);
        EXPECT_EQ(commands, (QList<int>{1020, 1021, 1022, kMenuHiddenItem}));
    }

    // Delete on the delay row removes only the delay.
    d.eventsList()->setCurrentRow(2);
    clickMenuPath({"Delete"});
    rightClickEvents();
    QTest::qWait(100);
    EXPECT_EQ(rows(d.eventsList()), (QStringList{"A", "A", "B", "B"}));
    EXPECT_EQ(m.events[1].delay, 0);

    // A left click inserted before the selected event, through the submenus.
    d.eventsList()->setCurrentRow(2);
    clickMenuPath({"Insert Mouse Event", "Left Button", "Click"});
    rightClickEvents();
    QTest::qWait(200);
    EXPECT_EQ(rows(d.eventsList()), (QStringList{"A", "A", "L Button Down", "L Button Up", "B", "B"}));
    EXPECT_EQ(m.count, 6);

    // Insert delay, then edit it in place: "0" becomes 1 ms, Esc keeps it.
    d.eventsList()->setCurrentRow(1);
    clickMenuPath({"Insert Delay"});
    rightClickEvents();
    QTest::qWait(100);
    ASSERT_EQ(d.eventsList()->rowText(1), QStringLiteral("1 ms"));
    d.eventsList()->setCurrentRow(1);
    clickMenuPath({"Edit"});
    rightClickEvents();
    QTest::qWait(100);
    QLineEdit *field = d.eventsList()->editField();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), QStringLiteral("1"));
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("25x0"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(d.eventsList()->rowText(1), QStringLiteral("250 ms")) << "digits only";
    EXPECT_EQ(m.events[0].delay, 250);
    d.eventsList()->setCurrentRow(1);
    clickMenuPath({"Edit"});
    rightClickEvents();
    QTest::qWait(100);
    ASSERT_NE(d.eventsList()->editField(), nullptr);
    QTest::keyClick(d.eventsList()->editField(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(d.eventsList()->rowText(1), QStringLiteral("250 ms")) << "Esc leaves the delay as it was";
    EXPECT_EQ(m.events[0].delay, 250);
}

TEST_F(ManagerTest, DeleteAsksFirstAndNoMacroWarns) {
    add("one", {});
    add("two", {{4, 1, 0}});
    MacroManagerDialog &d = open();
    d.namesList()->setCurrentRow(0);
    onNextModal(
        [&](QWidget *w) {
            auto *confirm = qobject_cast<MacroWarningDialog *>(w);
            ASSERT_NE(confirm, nullptr);
            QTest::mouseClick(confirm->button(MacroWarningDialog::Cancel), Qt::LeftButton);
        },
        &d);
    click(MacroManagerDialog::DeleteMacro);
    EXPECT_EQ(library_.size(), 2u);
    onNextModal(
        [&](QWidget *w) {
            QTest::mouseClick(static_cast<SkinnedDialog *>(w)->button(MacroWarningDialog::Ok),
                              Qt::LeftButton);
        },
        &d);
    click(MacroManagerDialog::DeleteMacro);
    ASSERT_EQ(library_.size(), 1u);
    EXPECT_EQ(rows(d.namesList()), (QStringList{"two"}));
    EXPECT_EQ(d.namesList()->currentRow(), 0);
    EXPECT_EQ(rows(d.eventsList()), (QStringList{"A"}));

    onNextModal(
        [&](QWidget *w) { QTest::mouseClick(static_cast<SkinnedDialog *>(w)->button(1), Qt::LeftButton); },
        &d);
    click(MacroManagerDialog::DeleteMacro);
    EXPECT_TRUE(library_.empty());
    EXPECT_EQ(d.editor().selected(), -1);

    // Nothing selected: the record button only warns.
    bool warned = false;
    onNextModal(
        [&](QWidget *w) {
            warned = qobject_cast<MacroWarningDialog *>(w) != nullptr;
            QTest::mouseClick(static_cast<SkinnedDialog *>(w)->button(MacroWarningDialog::Close),
                              Qt::LeftButton);
        },
        &d);
    click(MacroManagerDialog::Record);
    EXPECT_TRUE(warned);
    EXPECT_FALSE(d.recording());
}

TEST_F(ManagerTest, RepeatFieldAndSwitch) {
    MacroRecord &m = add("m", {}, 0);
    MacroManagerDialog &d = open();
    BitmapEdit *field = d.edit(MacroManagerDialog::RepeatCount);
    EXPECT_EQ(field->maxLength(), 3);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("3a00"));
    EXPECT_EQ(field->text(), QStringLiteral("300")) << "digits only";
    d.eventsList()->setFocus(); // the field loses the focus
    QCoreApplication::processEvents();
    EXPECT_EQ(field->text(), QStringLiteral("255"));
    EXPECT_EQ(m.repeat, 0) << "switch off";
    click(MacroManagerDialog::Repeat);
    EXPECT_EQ(m.repeat, 255);
    click(MacroManagerDialog::Repeat);
    EXPECT_EQ(m.repeat, 0);
}

TEST_F(ManagerTest, EventListKeepsTheLastRowInViewAndScrollsARowPerWheelTurn) {
    std::vector<MacroEvent> many;
    for (int i = 0; i < 40; ++i)
        many.push_back({static_cast<uint8_t>(4 + i % 26), static_cast<uint8_t>(1 + i % 2), 0});
    add("long", many);
    MacroManagerDialog &d = open();
    EditableListBox *list = d.eventsList();
    QScrollBar *bar = list->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "more rows than the list shows";
    EXPECT_EQ(bar->value(), bar->maximum()) << "the last row in view";
    EXPECT_EQ(list->visualItemRect(list->item(0)).height(), EditableListBox::kRowHeight);

    const QPoint inside = list->viewport()->rect().center();
    auto wheel = [&](int delta) {
        QWheelEvent event(inside, list->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(list->viewport(), &event);
    };
    const int bottom = bar->value();
    wheel(120);
    EXPECT_EQ(bar->value(), bottom - 1);
    wheel(15); // a fine-grained turn still moves one row
    EXPECT_EQ(bar->value(), bottom - 2);
    wheel(-120);
    EXPECT_EQ(bar->value(), bottom - 1);

    // A row in the middle, reached from above, is shown with two more rows
    // below it.
    list->scrollToTop();
    list->keepInView(25);
    const QRect below = list->visualItemRect(list->item(27));
    EXPECT_GE(below.top(), 0);
    EXPECT_LE(below.bottom(), list->viewport()->rect().bottom());
    list->keepInView(-1);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(ManagerTest, EnterEscAndSpaceNeitherCloseNorPress) {
    add("m", {});
    MacroManagerDialog &d = open();
    int ended = 0;
    QObject::connect(&d, &QDialog::finished, [&] { ++ended; });
    BitmapButton *ok = d.button(MacroManagerDialog::Ok);
    ok->setFocus();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(ok, key);
    QTest::keyClick(d.namesList(), Qt::Key_Escape);
    QTest::keyClick(&d, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(d.isVisible());
    click(MacroManagerDialog::Ok);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

} // namespace
} // namespace orvyn
