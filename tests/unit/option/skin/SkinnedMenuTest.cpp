// The dark popup menus: item sizes, colours, frame, mark, submenu arrow.
#include "SkinTestKit.h"

#include "option/skin/SkinFonts.h"
#include "option/skin/SkinnedMenu.h"

#include <QTest>
#include <QTimer>

namespace orvyn {
namespace {

class SkinnedMenuTest : public ::testing::Test {
protected:
    void SetUp() override { skintest::app(); }

    static QFont menuFont() { return skinFont(FontFace::Arial, 14, 6, 700); }

    // The menu as it looks on screen.
    static QImage shown(SkinnedMenu &menu) {
        if (!menu.isVisible()) {
            menu.popup(QPoint(10, 10));
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&menu));
        }
        return menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    static int count(const QImage &image, const QRect &area, QRgb colour) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
        return n;
    }

    skintest::SkinFolder folder;
};

TEST_F(SkinnedMenuTest, WidthGrowsWithTheTextUntilTheOwnerSetsIt) {
    SkinnedMenu menu(menuFont());
    QAction *item = menu.append(1001, QString(30, u'x'));
    menu.append(1002, "short");
    EXPECT_EQ(menu.itemWidth(), 240);
    EXPECT_EQ(menu.actionGeometry(item).width(), 240);
    EXPECT_EQ(menu.sizeHint().width(), 240 + 2 * kMenuFrameWidth);

    menu.setItemWidth(174);
    EXPECT_EQ(menu.actionGeometry(item).width(), 174);
    EXPECT_EQ(menu.sizeHint().width(), 174 + 2 * kMenuFrameWidth);
}

TEST_F(SkinnedMenuTest, ItemHeightsSeparatorsAndHiddenItems) {
    SkinnedMenu menu(menuFont());
    QAction *first = menu.append(kMenuSeparatorCommand, "");
    QAction *item = menu.append(1001, "Item");
    QAction *hidden = menu.append(kMenuHiddenItem, "Hidden");
    QAction *zero = menu.append(kMenuSeparatorItem, "");
    QAction *last = menu.append(1002, "Last");
    EXPECT_EQ(menu.actionGeometry(first).height(), 5); // a leading separator stays
    EXPECT_EQ(menu.actionGeometry(item).height(), 20);
    EXPECT_EQ(menu.actionGeometry(hidden).height(), 0);
    EXPECT_EQ(menu.actionGeometry(zero).height(), 5);
    EXPECT_EQ(menu.actionGeometry(last).height(), 20);
    EXPECT_EQ(menu.sizeHint().height(), 5 + 20 + 5 + 20 + 2 * kMenuFrameWidth);
    EXPECT_EQ(SkinnedMenu::commandOf(last), 1002);
    EXPECT_EQ(SkinnedMenu::commandOf(first), 0);

    const QImage image = shown(menu);
    const QRect sep = menu.actionGeometry(zero);
    EXPECT_EQ(image.pixel(sep.center().x(), sep.top() + sep.height() / 2), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(sep.center().x(), sep.top()), qRgb(18, 18, 18));
    // The frame: one red ring, two dark ones.
    EXPECT_EQ(image.pixel(0, 0), qRgb(250, 0, 0));
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() / 2), qRgb(250, 0, 0));
    EXPECT_EQ(image.pixel(1, 1), qRgb(18, 18, 18));
    EXPECT_EQ(image.pixel(2, image.height() - 3), qRgb(18, 18, 18));
    menu.hide();
}

TEST_F(SkinnedMenuTest, CheckedItemKeepsItsColourSelectedOrNot) {
    SkinnedMenu menu(menuFont());
    QAction *checked = menu.append(1050, "MMMM Macro", ItemCheck::Checked);
    QAction *plain = menu.append(1051, "MMMM Other", ItemCheck::Unchecked);
    const QRgb blue = qRgb(68, 191, 255);

    QImage image = shown(menu);
    const QRect checkedRect = menu.actionGeometry(checked);
    const QRect plainRect = menu.actionGeometry(plain);
    EXPECT_GT(count(image, checkedRect, blue), 10);
    EXPECT_EQ(count(image, checkedRect, qRgb(240, 240, 240)), 0);
    EXPECT_GT(count(image, checkedRect, qRgb(18, 18, 18)), checkedRect.width() * checkedRect.height() / 2);
    EXPECT_GT(count(image, plainRect, qRgb(240, 240, 240)), 10);
    EXPECT_EQ(count(image, plainRect, blue), 0);

    menu.setActiveAction(checked);
    image = shown(menu);
    EXPECT_GT(count(image, checkedRect, blue), 10);
    EXPECT_GT(count(image, checkedRect, qRgb(255, 0, 0)), checkedRect.width() * checkedRect.height() / 2);
    EXPECT_EQ(count(image, checkedRect, qRgb(255, 255, 255)), 0);

    menu.setActiveAction(plain);
    image = shown(menu);
    EXPECT_GT(count(image, plainRect, qRgb(255, 255, 255)), 10);
    EXPECT_GT(count(image, plainRect, qRgb(255, 0, 0)), plainRect.width() * plainRect.height() / 2);
    menu.hide();
}

TEST_F(SkinnedMenuTest, OwnerColoursAreUsed) {
    SkinnedMenu menu(menuFont());
    QAction *item = menu.append(1001, "Item");
    menu.append(kMenuSeparatorCommand, "");
    menu.setBackgroundColours(QColor(0, 0, 60), QColor(0, 90, 0));
    menu.setSeparatorColour(QColor(7, 7, 7));
    QImage image = shown(menu);
    const QRect r = menu.actionGeometry(item);
    EXPECT_EQ(image.pixel(r.right() - 2, r.top() + 1), qRgb(0, 0, 60));
    menu.setActiveAction(item);
    image = shown(menu);
    EXPECT_EQ(image.pixel(r.right() - 2, r.top() + 1), qRgb(0, 90, 0));
    menu.hide();
}

TEST_F(SkinnedMenuTest, MarkAndSubmenuArrowAreDrawnInTheItem) {
    QImage arrow(32, 32, QImage::Format_RGB32);
    arrow.fill(QColor(0, 255, 0));
    folder.savePicture("resources/icon145.png", arrow);

    SkinnedMenu menu(menuFont());
    QAction *marked = menu.append(1001, "Game", ItemCheck::NotCheckable, ItemMark::Trademark);
    QAction *plain = menu.append(1002, "Game");
    auto *sub = new SkinnedMenu(menuFont());
    sub->append(2001, "Inner");
    QAction *opener = menu.appendSubmenu(sub, "More");
    menu.setItemWidth(150);
    const QImage image = shown(menu);

    // Past the end of "Game": light pixels only where the mark is.
    const int markLeft = 2 + QFontMetrics(menuFont()).horizontalAdvance("Game") + kMenuFrameWidth;
    auto lightPixels = [&](const QRect &item) {
        int n = 0;
        for (int y = item.top(); y <= item.bottom(); ++y)
            for (int x = markLeft; x < markLeft + 20; ++x)
                n += qGreen(image.pixel(x, y)) > 100;
        return n;
    };
    EXPECT_GT(lightPixels(menu.actionGeometry(marked)), 3);
    EXPECT_EQ(lightPixels(menu.actionGeometry(plain)), 0);

    // The arrow sits 19 pixels in from the right and is cut to the item.
    const QRect r = menu.actionGeometry(opener);
    EXPECT_EQ(image.pixel(r.right() - 10, r.center().y()), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(r.right() - 18, r.top()), qRgb(0, 255, 0));
    EXPECT_NE(image.pixel(r.right() - 19, r.center().y()), qRgb(0, 255, 0));
    EXPECT_NE(image.pixel(r.right() - 10, r.top() - 1), qRgb(0, 255, 0));
    menu.hide();
}

TEST_F(SkinnedMenuTest, OpeningAndClosingManyTimesLeavesNothingBehind) {
    SkinnedMenu menu(menuFont());
    auto *sub = new SkinnedMenu(menuFont());
    sub->append(2001, "Inner");
    QAction *opener = menu.appendSubmenu(sub, "More");
    menu.append(1001, "Item");

    auto open = [&] {
        menu.popup(QPoint(20, 20));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
        menu.setActiveAction(opener);
        sub->popup(QPoint(200, 20));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sub));
        sub->hide();
        menu.hide();
        QCoreApplication::processEvents();
    };
    open();
    const qsizetype topLevels = QApplication::topLevelWidgets().size();
    const qsizetype menuObjects = menu.findChildren<QObject *>().size();
    const qsizetype subObjects = sub->findChildren<QObject *>().size();
    for (int i = 0; i < 60; ++i)
        open();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevels);
    EXPECT_EQ(menu.findChildren<QObject *>().size(), menuObjects);
    EXPECT_EQ(sub->findChildren<QObject *>().size(), subObjects);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_FALSE(sub->isVisible());
}

TEST_F(SkinnedMenuTest, RunReturnsTheChosenCommandOrZero) {
    SkinnedMenu menu(menuFont());
    menu.append(1001, "First");
    QAction *second = menu.append(1002, "Second");
    QTimer::singleShot(0, [&] {
        menu.setActiveAction(second);
        QTest::keyClick(&menu, Qt::Key_Return);
    });
    EXPECT_EQ(menu.run(QPoint(10, 10)), 1002);
    QTimer::singleShot(0, [&] { QTest::keyClick(&menu, Qt::Key_Escape); });
    EXPECT_EQ(menu.run(QPoint(10, 10)), 0);
}

} // namespace
} // namespace orvyn
