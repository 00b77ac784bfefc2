// Shaped windows on a real X server: what the screen shows of a skinned
// window and of the Enter key, read back from the screen.
#include "SkinTestKit.h"

#include "option/skin/RgnButton.h"
#include "option/skin/SkinnedDialog.h"

#include <QElapsedTimer>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <functional>

namespace orvyn {
namespace {

using skintest::solid;

constexpr QRgb kRed = 0xFFC80000; // the window's background in these tests

class OutlineTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr)
            GTEST_SKIP() << "needs an X server (run under xvfb-run)";
        skintest::app();
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            GTEST_SKIP() << "needs the xcb platform";
    }

    // Writes a 120x80 window skin with a red background and the mask.
    void writeSkin(const QImage &mask) {
        folder.writeWindow("skin_shape.ini", 120, 80, mask, "");
        folder.savePicture("skin_shape.ini_normal.bmp", solid(120, 80, QColor::fromRgb(kRed)));
    }

    static QImage screenArea(const QRect &area) {
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Waits (bounded) until the screen shows what `ready` wants.
    static QImage settle(const QRect &area, const std::function<bool(const QImage &)> &ready,
                         int limitMs = 3000) {
        QElapsedTimer timer;
        timer.start();
        QImage image;
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QTest::qWait(20);
            image = screenArea(area);
        } while (!ready(image) && timer.elapsed() < limitMs);
        return image;
    }

    static int countColour(const QImage &image, QRgb colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == (colour | 0xFF000000);
        return n;
    }

    skintest::SkinFolder folder;
    const QRect area{200, 150, 120, 80};
};

TEST_F(OutlineTest, MaskCutsTheWindowOutline) {
    QImage mask = solid(120, 80, Qt::black);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            mask.setPixel(x, y, qRgb(255, 255, 255));
    writeSkin(mask);
    SkinnedDialog window(SkinWindowKind::ModalPopup);
    window.loadSkin("skin_shape.ini", {});
    window.move(area.topLeft());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage shown = settle(area, [](const QImage &i) { return i.pixel(100, 60) == kRed; });
    EXPECT_EQ(shown.pixel(100, 60), kRed);
    EXPECT_EQ(shown.pixel(40, 10), kRed);
    EXPECT_EQ(shown.pixel(10, 30), kRed);
    EXPECT_NE(shown.pixel(5, 5), kRed);
    EXPECT_NE(shown.pixel(39, 29), kRed);
    EXPECT_EQ(countColour(shown, kRed), 120 * 80 - 40 * 30);
}

TEST_F(OutlineTest, AllWhiteMaskLeavesNothingVisible) {
    writeSkin(solid(120, 80, Qt::white));
    SkinnedDialog window(SkinWindowKind::ModalPopup);
    window.loadSkin("skin_shape.ini", {});
    ASSERT_TRUE(window.outline().has_value());
    EXPECT_TRUE(window.outline()->isEmpty());
    window.move(area.topLeft());
    window.show();
    // Nothing of it is ever exposed: give the server time to draw anyway.
    const QImage shown = settle(
        area, [](const QImage &) { return false; }, 500);
    EXPECT_EQ(countColour(shown, kRed), 0);
}

TEST_F(OutlineTest, WhiteFreeMaskAndMissingMaskKeepTheRectangle) {
    for (const QImage &mask : {solid(120, 80, QColor(10, 10, 10)), QImage()}) {
        QFile::remove(folder.path("skin_shape.ini_mask.bmp"));
        writeSkin(mask);
        SkinnedDialog window(SkinWindowKind::ModalPopup);
        window.loadSkin("skin_shape.ini", {});
        EXPECT_EQ(window.outline().has_value(), !mask.isNull());
        window.move(area.topLeft());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QImage shown =
            settle(area, [](const QImage &i) { return i.pixel(0, 0) == kRed && i.pixel(119, 79) == kRed; });
        EXPECT_EQ(countColour(shown, kRed), 120 * 80);
        window.hide();
    }
}

TEST_F(OutlineTest, EnterKeyShowsOnlyItsOutline) {
    folder.savePicture("resources/bitmap308.bmp", skintest::enterKeyMask());
    folder.writeWindow("skin_keys.ini", 120, 80, QImage(), "");
    folder.savePicture("skin_keys.ini_normal.bmp", solid(120, 80, QColor(0, 0, 180)));
    SkinnedDialog page(SkinWindowKind::ModalPopup);
    page.loadSkin("skin_keys.ini", {});
    auto *key = new RgnButton(&page);
    const QImage red = solid(120, 80, QColor::fromRgb(kRed));
    key->setImages({red, red, red, red}, QRect(20, 10, 34, 49));
    key->setMaskResource(308);
    key->create("Enter", QRect(20, 10, 34, 49));
    page.move(area.topLeft());
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    const QImage shown = settle(area, [](const QImage &i) { return i.pixel(40, 40) == kRed; });
    EXPECT_EQ(countColour(shown, kRed), 34 * 49 - 7 * 27);
    EXPECT_EQ(shown.pixel(20, 10), kRed);
    EXPECT_EQ(shown.pixel(20 + 6, 10 + 22), qRgb(0, 0, 180)); // the cut-out corner shows the page
    EXPECT_EQ(shown.pixel(20 + 7, 10 + 22), kRed);
}

} // namespace
} // namespace orvyn
