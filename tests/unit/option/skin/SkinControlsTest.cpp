// Picture buttons, the edit field, the shaped Enter key and skinned windows
// (offscreen: behaviour and drawing, not window shapes).
#include "SkinTestKit.h"

#include "option/skin/BitmapButton.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/QuickHelp.h"
#include "option/skin/RgnButton.h"
#include "option/skin/SkinnedDialog.h"

#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace orvyn {
namespace {

using skintest::solid;

TEST(ButtonPicture, ToggleCheckedAndDisabledShowsDisable) {
    for (bool pressed : {false, true})
        for (bool hover : {false, true})
            EXPECT_EQ(chooseButtonPicture(ToggleMode::Toggle, true, true, pressed, hover),
                      StatePicture::Disable);
    EXPECT_EQ(chooseButtonPicture(ToggleMode::Toggle, true, false, false, true), StatePicture::Down);
    EXPECT_EQ(chooseButtonPicture(ToggleMode::Toggle, false, false, true, false), StatePicture::Normal);
}

TEST(ButtonPicture, PushCheckedAndDisabledShowsDisableOnlyWhenIdle) {
    EXPECT_EQ(chooseButtonPicture(ToggleMode::Push, true, true, false, false), StatePicture::Disable);
    EXPECT_EQ(chooseButtonPicture(ToggleMode::Push, true, true, true, false), StatePicture::Down);
    EXPECT_EQ(chooseButtonPicture(ToggleMode::Push, true, true, false, true), StatePicture::Over);
    EXPECT_EQ(chooseButtonPicture(ToggleMode::Push, true, false, false, true), StatePicture::Down);
    EXPECT_EQ(chooseButtonPicture(ToggleMode::Push, false, false, false, false), StatePicture::Normal);
}

TEST(ButtonPicture, ShapedKeyShowsItsStateUnlessToggled) {
    using S = RgnButton::State;
    const std::tuple<bool, S, StatePicture> table[] = {
        {false, S::Normal, StatePicture::Normal}, {false, S::Over, StatePicture::Over},
        {false, S::Down, StatePicture::Down},     {false, S::Disabled, StatePicture::Disable},
        {true, S::Normal, StatePicture::Down},    {true, S::Disabled, StatePicture::Down},
    };
    for (const auto &[toggled, state, picture] : table)
        EXPECT_EQ(RgnButton::choosePicture(toggled, state), picture) << toggled << int(state);
}

// The drawing every skinned button shares, on an image: the picture from the
// corner (black without one), the caption white at x = 5, centred in height.
TEST(SkinControlPaint, PictureThenCaption) {
    skintest::app();
    const QSize size(60, 30);
    auto paint = [&](const QImage &picture, const QString &caption) {
        QImage out(size, QImage::Format_RGB32);
        out.fill(Qt::magenta);
        QPainter painter(&out);
        paintSkinControl(painter, size, picture, caption);
        return out;
    };
    EXPECT_EQ(paint(QImage(), QString()), solid(60, 30, Qt::black).convertToFormat(QImage::Format_RGB32));
    const QImage blue = solid(60, 30, QColor(0, 0, 200));
    EXPECT_EQ(paint(blue, QString()), blue.convertToFormat(QImage::Format_RGB32));
    // A smaller picture covers only its own area.
    const QImage small = paint(solid(20, 10, QColor(0, 0, 200)), QString());
    EXPECT_EQ(small.pixel(19, 9), qRgb(0, 0, 200));
    EXPECT_EQ(small.pixel(20, 10), qRgb(255, 0, 255));

    const QImage captioned = paint(blue, QStringLiteral("II"));
    int minX = INT_MAX, minY = INT_MAX, maxY = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            if (qRed(captioned.pixel(x, y)) > 128) {
                minX = std::min(minX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    ASSERT_GE(maxY, 0) << "no caption drawn";
    EXPECT_GE(minX, 5);
    EXPECT_LE(minX, 7);
    EXPECT_LE(std::abs((minY + maxY) / 2 - 15), 4);
    EXPECT_EQ(captioned.pixel(59, 0), qRgb(0, 0, 200));
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A popup window with two neighbouring buttons and an edit field.
class SkinnedWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        skintest::app();
        folder.writeWindow("skin_test.ini", 200, 100, QImage(),
                           "[BUTTONPOS]\n"
                           "3=Right,60,10,50,30,Help of the right one\n"
                           "1=Left,10,10,50,30, Help of the left one \n"
                           "2=Name,10,60,120,20,\n"
                           "4=Toggle,120,10,40,30,\n"
                           "5=List,130,50,60,40,\n");
    }

    std::unique_ptr<SkinnedDialog> makeWindow() {
        auto window = std::make_unique<SkinnedDialog>(SkinWindowKind::ModalPopup);
        window->loadSkin("skin_test.ini",
                         {{3, SkinControlKind::Button, 301},
                          {1, SkinControlKind::Button, 300},
                          {2, SkinControlKind::Edit},
                          {4, SkinControlKind::Button, 7, ToggleMode::Toggle, ButtonCheck::Pressed},
                          {5, SkinControlKind::PlaceOnly}});
        return window;
    }

    void showActive(QWidget &window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    skintest::SkinFolder folder;
};

TEST_F(SkinnedWindowTest, ControlsFollowTheSkinAndTheWindowSettings) {
    auto window = makeWindow();
    EXPECT_EQ(window->size(), QSize(200, 100));
    EXPECT_FALSE(window->outline().has_value()); // no mask: rectangular
    BitmapButton *left = window->button(1);
    BitmapButton *right = window->button(3);
    BitmapButton *toggle = window->button(4);
    ASSERT_TRUE(left && right && toggle);
    EXPECT_EQ(left->geometry(), QRect(10, 10, 50, 30));
    EXPECT_EQ(left->helpText(), "Help of the left one");
    EXPECT_EQ(left->index(), 300);
    EXPECT_EQ(right->index(), 301);
    EXPECT_EQ(toggle->toggleMode(), ToggleMode::Toggle);
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_FALSE(left->isChecked());
    ASSERT_NE(window->edit(2), nullptr);
    EXPECT_EQ(window->edit(2)->geometry(), QRect(10, 60, 120, 20));
    EXPECT_EQ(window->button(5), nullptr);
    EXPECT_EQ(window->controlRect(5), QRect(130, 50, 60, 40));
    EXPECT_EQ(window->sectionOf(right), 3);

    // Created in ascending section order: the child list shows it.
    const QList<QWidget *> children = window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_GE(children.size(), 4);
    EXPECT_EQ(children[0], left);
    EXPECT_EQ(children[1], window->edit(2));
    EXPECT_EQ(children[2], right);

    // State pictures are cut from the window pictures at the button.
    EXPECT_EQ(left->statePicture(StatePicture::Normal).pixel(0, 0), qRgb(30, 30, 30));
    EXPECT_EQ(left->statePicture(StatePicture::Over).pixel(0, 0), qRgb(0, 0, 200));
    EXPECT_EQ(left->statePicture(StatePicture::Down).size(), QSize(50, 30));
    EXPECT_EQ(left->statePicture(StatePicture::Disable).size(), QSize(50, 30)); // cut on first use
    EXPECT_TRUE(window->windowPictures()[0].isNull()); // discarded after cutting
}

TEST_F(SkinnedWindowTest, SkinningAgainReplacesTheControls) {
    auto window = makeWindow();
    QPointer<BitmapButton> old = window->button(1);
    window->loadSkin("skin_test.ini", {{1, SkinControlKind::Button, 9}});
    EXPECT_TRUE(old.isNull());
    ASSERT_NE(window->button(1), nullptr);
    EXPECT_EQ(window->button(1)->index(), 9);
    EXPECT_EQ(window->button(3), nullptr);
    EXPECT_EQ(window->findChildren<BitmapButton *>().size(), 1);
    // The background is the Normal picture.
    EXPECT_EQ(window->background().pixel(0, 0), qRgb(30, 30, 30));

    // A button-sized set of pictures replaces the cut ones.
    const QImage red = solid(50, 30, Qt::red);
    window->button(1)->setStatePictures({red, red, red, red});
    EXPECT_EQ(window->button(1)->grab().toImage().pixel(10, 10), qRgb(255, 0, 0));
}

TEST_F(SkinnedWindowTest, MissingSkinStillBuildsAWindow) {
    SkinnedDialog window(SkinWindowKind::ModalPopup);
    window.loadSkin("no_such_skin.ini", {{1, SkinControlKind::Button, 1}});
    EXPECT_FALSE(window.outline().has_value());
    ASSERT_NE(window.button(1), nullptr);
    EXPECT_TRUE(window.button(1)->geometry().isEmpty());
    EXPECT_FALSE(window.grab().isNull()); // paints without pictures
}

TEST_F(SkinnedWindowTest, HoverSaysLeftBeforeEnteredBetweenNeighbours) {
    auto window = makeWindow();
    showActive(*window);
    std::vector<std::tuple<bool, int, std::string>> seen;
    QObject::connect(window.get(), &SkinnedDialog::skinHover, [&](bool entered, int index) {
        seen.emplace_back(entered, index, QuickHelpText().toStdString());
    });
    QSignalSpy help(&QuickHelp::instance(), &QuickHelp::quickHelp);

    QTest::mouseMove(window.get(), QPoint(150, 90)); // surface, no button
    QTest::mouseMove(window.get(), QPoint(30, 20));  // left button
    QTest::mouseMove(window.get(), QPoint(80, 20));  // straight onto the right one
    QTest::mouseMove(window.get(), QPoint(150, 90));

    using Event = std::tuple<bool, int, std::string>;
    const std::vector<Event> expected = {Event{true, 300, "Help of the left one"}, Event{false, 300, ""},
                                         Event{true, 301, "Help of the right one"}, Event{false, 301, ""}};
    EXPECT_EQ(seen, expected);
    ASSERT_EQ(help.size(), 4);
    EXPECT_TRUE(help[0][0].toBool());
    EXPECT_FALSE(help[1][0].toBool());
    EXPECT_TRUE(QuickHelpText().isEmpty());
}

TEST_F(SkinnedWindowTest, ClicksReachTheWindowAsCommandsOfTheirSection) {
    auto window = makeWindow();
    showActive(*window);
    QSignalSpy commands(window.get(), &SkinnedDialog::controlCommand);

    QTest::mouseClick(window->button(1), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands[0][0].toInt(), 1);

    // A push button released away from itself does not click.
    QTest::mousePress(window->button(3), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(window->button(3), Qt::LeftButton, {}, QPoint(-40, 50));
    EXPECT_EQ(commands.size(), 1);

    // A toggle flips on every release and tells the window each time.
    BitmapButton *toggle = window->button(4);
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(toggle->isChecked());
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(toggle->isChecked());
    ASSERT_EQ(commands.size(), 3);
    EXPECT_EQ(commands[2][0].toInt(), 4);
}

TEST_F(SkinnedWindowTest, ToggleReleasedAnywhereFlipsOnceAndTellsOnce) {
    auto window = makeWindow();
    showActive(*window);
    BitmapButton *toggle = window->button(4);
    QSignalSpy commands(window.get(), &SkinnedDialog::controlCommand);
    QSignalSpy flips(toggle, &QAbstractButton::toggled);
    QTest::mousePress(toggle, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(toggle, Qt::LeftButton, {}, QPoint(-40, 50));
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(flips.size(), 1);
    EXPECT_EQ(commands.size(), 1);

    // A window that sets the look itself from the command still hears once.
    QObject::connect(window.get(), &SkinnedDialog::controlCommand, toggle,
                     [toggle] { toggle->setChecked(ButtonCheck::Released); });
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(commands.size(), 2);
}

TEST_F(SkinnedWindowTest, DialogButtonsEndTheWindow) {
    const std::tuple<int, bool, int> table[] = {
        // section, still shown, result
        {1, false, QDialog::Accepted},
        {3, false, QDialog::Rejected},
        {4, false, QDialog::Rejected},
        {2, true, QDialog::Rejected},
    };
    for (const auto &[section, shown, result] : table) {
        auto window = makeWindow();
        window->setDialogButtons({1, 3, 4});
        window->setResult(QDialog::Rejected);
        window->show();
        emit window->controlCommand(section);
        EXPECT_EQ(window->isVisible(), shown) << section;
        EXPECT_EQ(window->result(), result) << section;
    }
}

// Callers never redraw a control: each setter does when its value changes.
TEST_F(SkinnedWindowTest, SettersRedrawWhatTheyChange) {
    auto window = makeWindow();
    showActive(*window);
    BitmapButton *b = window->button(1);
    PaintCounter counter(b);
    const QImage red = solid(50, 30, Qt::red);
    const std::tuple<const char *, std::function<void()>, bool> table[] = {
        {"caption", [b] { b->setCaption("A"); }, true},
        {"same caption", [b] { b->setCaption("A"); }, false},
        {"checked", [b] { b->setChecked(ButtonCheck::Pressed); }, true},
        {"same checked", [b] { b->setChecked(ButtonCheck::Pressed); }, false},
        {"hover", [b] { b->setHover(true); }, true},
        {"same hover", [b] { b->setHover(true); }, false},
        {"toggle mode", [b] { b->setToggleMode(ToggleMode::Toggle); }, true},
        {"pictures",
         [&] {
             b->setStatePictures({red, red, red, red});
         },
         true},
    };
    for (const auto &[setter, change, redraws] : table) {
        QTest::qWait(30);
        counter.paints = 0;
        change();
        QTest::qWait(60);
        EXPECT_EQ(counter.paints > 0, redraws) << setter;
    }
}

TEST_F(SkinnedWindowTest, EnterAndEscapeDoNotCloseTheWindow) {
    auto window = makeWindow();
    bool visibleAfterKeys = false;
    QTimer::singleShot(0, window.get(), [&] {
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTest::keyClick(window->edit(2), Qt::Key_Escape);
        QTest::keyClick(window.get(), Qt::Key_Return);
        QTest::keyClick(window->edit(2), Qt::Key_Enter);
        visibleAfterKeys = window->isVisible();
        window->done(42);
    });
    EXPECT_EQ(window->exec(), 42);
    EXPECT_TRUE(visibleAfterKeys);
}

TEST_F(SkinnedWindowTest, EditReportsFocusLossAndChanges) {
    auto window = makeWindow();
    showActive(*window);
    QSignalSpy killFocus(window.get(), &SkinnedDialog::editKillFocus);
    QSignalSpy changed(window.get(), &SkinnedDialog::editChanged);
    BitmapEdit *edit = window->edit(2);
    EXPECT_EQ(edit->textColour(), QColor(0x24, 0x24, 0x24));
    EXPECT_EQ(edit->backgroundColour(), QColor(255, 255, 255));
    edit->setFocus();
    QTest::keyClicks(edit, "12");
    EXPECT_EQ(changed.size(), 2);
    // Clicking a button takes the focus, so the edit commits first.
    QTest::mouseClick(window->button(1), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(killFocus.size(), 1);

    // Closing the window with the edit focused reaches nobody: the window
    // is already half gone when the focus moves.
    edit->setFocus();
    int late = 0;
    QObject::connect(window.get(), &SkinnedDialog::editKillFocus, [&late] { ++late; });
    window.reset();
    EXPECT_EQ(late, 0);
}

TEST_F(SkinnedWindowTest, CaptionIsWhiteFivePixelsInAndVerticallyCentred) {
    auto window = makeWindow();
    BitmapButton *button = window->button(1);
    const QImage bare = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(bare, button->statePicture(StatePicture::Normal).convertToFormat(QImage::Format_RGB32));

    button->setCaption("HIH");
    const QImage drawn = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int minX = INT_MAX, maxX = -1, minY = INT_MAX, maxY = -1;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (qRed(drawn.pixel(x, y)) > 128) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    ASSERT_GE(maxX, 0) << "no caption drawn";
    EXPECT_GE(minX, 5);
    EXPECT_LE(minX, 7); // "H" starts at its side bearing
    // Capitals sit in the upper part of the text line, which is centred.
    const int middle = (minY + maxY) / 2;
    EXPECT_GE(middle, drawn.height() / 2 - 4);
    EXPECT_LE(middle, drawn.height() / 2 + 1);
    EXPECT_EQ(drawn.pixel(2, 2), qRgb(30, 30, 30)); // picture around it kept
    // White text: the brightest pixel is a light grey (edges are smoothed).
    QRgb brightest = 0;
    for (int y = minY; y <= maxY; ++y)
        for (int x = minX; x <= maxX; ++x)
            if (qRed(drawn.pixel(x, y)) > qRed(brightest))
                brightest = drawn.pixel(x, y);
    EXPECT_GE(qRed(brightest), 200);
    EXPECT_EQ(qRed(brightest), qGreen(brightest));
    EXPECT_EQ(qRed(brightest), qBlue(brightest));
}

TEST_F(SkinnedWindowTest, PagesSitAtTheParentsCornerAndDragWithoutAWindowSystem) {
    QWidget top;
    top.resize(400, 300);
    SkinnedDialog page(SkinWindowKind::ChildPage, &top);
    page.loadSkin("skin_test.ini", {{1, SkinControlKind::Button, 300}});
    EXPECT_FALSE(page.isWindow());
    EXPECT_EQ(page.geometry(), QRect(0, 0, 200, 100));
    top.move(100, 100);
    showActive(top);
    // Offscreen has no window manager to move windows: the manual drag.
    const QPoint before = top.pos();
    QTest::mousePress(&page, Qt::LeftButton, {}, QPoint(150, 90));
    QMouseEvent move(QEvent::MouseMove, QPointF(170, 95), page.mapToGlobal(QPointF(170, 95)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&page, &move);
    QTest::mouseRelease(&page, Qt::LeftButton, {}, QPoint(170, 95));
    EXPECT_EQ(top.pos(), before + QPoint(20, 5));
}

class RgnButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        skintest::app();
        folder.savePicture("resources/bitmap308.bmp", skintest::enterKeyMask());
        parent.resize(100, 100);
        StatePictures pictures = {solid(100, 100, QColor(1, 1, 1)), solid(100, 100, QColor(2, 2, 2)),
                                  solid(100, 100, QColor(3, 3, 3)), solid(100, 100, QColor(4, 4, 4))};
        key = new RgnButton(&parent);
        key->setImages(pictures, QRect(20, 10, 34, 49));
        key->setMaskResource(308);
        key->create("Enter", QRect(20, 10, 34, 49));
    }

    skintest::SkinFolder folder;
    QWidget parent;
    RgnButton *key = nullptr;
};

TEST_F(RgnButtonTest, ShapeComesFromTheEnterMask) {
    EXPECT_EQ(key->index(), RgnButton::kDefaultIndex);
    EXPECT_EQ(key->geometry(), QRect(20, 10, 34, 49));
    EXPECT_TRUE(key->hitRegion().xored(QRegion(0, 0, 34, 22).united(QRegion(7, 22, 27, 27))).isEmpty());
    EXPECT_TRUE(key->mask().xored(key->hitRegion()).isEmpty());
}

TEST_F(RgnButtonTest, ReleasedOutsideTheOutlineGivesNoCommand) {
    QSignalSpy commands(key, &RgnButton::command);
    QSignalSpy hover(key, &RgnButton::skinHover);
    QTest::mousePress(key, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(key->state(), RgnButton::State::Down);
    EXPECT_TRUE(key->captured());
    EXPECT_EQ(key->currentPicture(), StatePicture::Down);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 40), key->mapToGlobal(QPointF(3, 40)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(key, &move);
    EXPECT_FALSE(key->pressedInside());
    // Inside the key's rectangle, but in the cut-out corner.
    QTest::mouseRelease(key, Qt::LeftButton, {}, QPoint(3, 40));
    EXPECT_EQ(commands.size(), 0);
    EXPECT_EQ(key->state(), RgnButton::State::Normal);
    EXPECT_FALSE(key->captured());
    ASSERT_GE(hover.size(), 1);
    EXPECT_FALSE(hover.last()[0].toBool());
    EXPECT_EQ(hover.last()[1].toInt(), RgnButton::kDefaultIndex);

    QTest::mousePress(key, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(key, Qt::LeftButton, {}, QPoint(10, 40));
    EXPECT_EQ(commands.size(), 1);
}

TEST_F(RgnButtonTest, ToggleFlipsOnlyAfterAPressInside) {
    key->setToggleMode(ToggleMode::Toggle);
    QTest::mouseClick(key, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(key->isChecked());
    EXPECT_EQ(key->currentPicture(), StatePicture::Down);
    QTest::mouseClick(key, Qt::LeftButton, {}, QPoint(2, 45)); // pressed outside the outline
    EXPECT_TRUE(key->isChecked());
    QTest::mouseClick(key, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_FALSE(key->isChecked());
}

TEST_F(RgnButtonTest, DisabledKeyPaintsItsDisabledPicture) {
    key->setEnabled(false);
    const QImage shown = key->grab().toImage();
    EXPECT_EQ(key->state(), RgnButton::State::Disabled);
    EXPECT_EQ(shown.pixel(20, 10) & 0xFFFFFF, 0x040404u);
    key->setEnabled(true);
    key->grab();
    EXPECT_EQ(key->state(), RgnButton::State::Normal);
}

TEST(RgnButtonWithoutMask, WholeRectangleStillClicks) {
    skintest::app();
    skintest::SkinFolder folder; // no resources
    QWidget parent;
    auto *key = new RgnButton(&parent);
    key->setMaskResource(308);
    key->create("Enter", QRect(0, 0, 34, 49));
    QSignalSpy commands(key, &RgnButton::command);
    QTest::mouseClick(key, Qt::LeftButton, {}, QPoint(2, 45));
    EXPECT_EQ(commands.size(), 1);
}

} // namespace
} // namespace orvyn
