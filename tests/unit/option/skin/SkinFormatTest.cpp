// Control lines, skin files, picture loading and mask outlines.
#include "SkinTestKit.h"

#include "option/skin/ControlLine.h"
#include "option/skin/SkinFile.h"
#include "option/skin/SkinImage.h"
#include "option/skin/SkinnedDialog.h"

#include <QBuffer>
#include <QtEndian>
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <sys/stat.h>

namespace orvyn {
namespace {

using skintest::solid;

TEST(ControlLine, ExampleLineHasNameRectangleAndNoHelp) {
    const ControlPlacement p = ParseControlLine("Button1,25,192,185,40,");
    EXPECT_STREQ(p.name, "Button1");
    EXPECT_EQ(p.left, 25);
    EXPECT_EQ(p.top, 192);
    EXPECT_EQ(p.right, 210);
    EXPECT_EQ(p.bottom, 232);
    EXPECT_STREQ(p.help, "");
}

TEST(ControlLine, HelpIsTrimmedAndOnlyTheLastFieldCounts) {
    EXPECT_STREQ(ParseControlLine("OK,10,20,30,40,  Saves and closes \t").help, "Saves and closes");
    const ControlPlacement two = ParseControlLine("Edit,1,2,3,4,first field,second field");
    EXPECT_STREQ(two.help, "second field");
    EXPECT_EQ(two.right, 4);
    EXPECT_EQ(two.bottom, 6);
}

TEST(ControlLine, LinesWithoutCommaOrWithBadNumbers) {
    const ControlPlacement bare = ParseControlLine("JustAName");
    EXPECT_STREQ(bare.name, "JustAName");
    EXPECT_EQ(bare.left, 0);
    EXPECT_EQ(bare.bottom, 0);
    EXPECT_STREQ(bare.help, "");

    // Reading stops at the first malformed number; the rest stays 0.
    const ControlPlacement partial = ParseControlLine("K,7, x,30,40,help");
    EXPECT_EQ(partial.left, 7);
    EXPECT_EQ(partial.top, 0);
    EXPECT_EQ(partial.right, 7);
    EXPECT_EQ(partial.bottom, 0);
    EXPECT_STREQ(partial.help, "help");

    // Blanks before a number are skipped, signs are read.
    const ControlPlacement signs = ParseControlLine("K, -5, +6,10,20,");
    EXPECT_EQ(signs.left, -5);
    EXPECT_EQ(signs.top, 6);
    EXPECT_EQ(signs.right, 5);
    EXPECT_EQ(signs.bottom, 26);

    // A blank before the comma ends the pattern, as "%d,%d" reads it.
    const ControlPlacement blankComma = ParseControlLine("K,5 ,6,7,8,");
    EXPECT_EQ(blankComma.left, 5);
    EXPECT_EQ(blankComma.top, 0);
}

TEST(ControlLine, LongFieldsAreCutAndHugeNumbersSaturate) {
    const std::string name(60, 'n');
    const std::string help(600, 'h');
    const ControlPlacement p = ParseControlLine(name + ",1,2,3,4," + help);
    EXPECT_EQ(std::strlen(p.name), kControlNameMax);
    EXPECT_EQ(std::strlen(p.help), kControlHelpMax);
    EXPECT_EQ(std::string(p.name), std::string(kControlNameMax, 'n'));

    const ControlPlacement big = ParseControlLine("K,2147483647,-2147483648,10,-10,");
    EXPECT_EQ(big.right, INT_MAX);
    EXPECT_EQ(big.bottom, INT_MIN);
    const ControlPlacement huge = ParseControlLine("K,99999999999999999999,5,1,1,");
    EXPECT_EQ(huge.left, INT_MAX);
    EXPECT_EQ(huge.top, 5);
}

class SkinFileTest : public ::testing::Test {
protected:
    skintest::SkinFolder folder;
};

TEST_F(SkinFileTest, ReadsBothControlLayoutsAndDefaultsToEmpty) {
    folder.writeText("a.ini", "[SCREEN]\nNormal=n.jpg\n"
                              "[BUTTONPOS]\n1=One,1,2,3,4,first\n"
                              "[2]\nBUTTONPOS=Two,5,6,7,8,second\n"
                              "[PAGEPOSITION]\n1=Page,10,20,300,200,\n");
    const SkinFile skin = SkinFile::load(folder.path("a.ini").toStdString());
    EXPECT_EQ(skin.pictureName(SkinPicture::Normal), "n.jpg");
    EXPECT_EQ(skin.pictureName(SkinPicture::Mask), "");
    EXPECT_STREQ(skin.placement(1).help, "first");
    EXPECT_EQ(skin.placement(2).right, 12);
    EXPECT_EQ(skin.placement(1, "PAGEPOSITION").bottom, 220);
    // A section without a control line: an empty rectangle at (0, 0).
    const ControlPlacement none = skin.placement(3);
    EXPECT_EQ(none.right - none.left, 0);
    EXPECT_STREQ(none.name, "");

    const SkinFile missing = SkinFile::load(folder.path("nothing.ini").toStdString());
    EXPECT_EQ(missing.pictureName(SkinPicture::Normal), "");
    EXPECT_EQ(missing.controlLine(1), "");
}

TEST_F(SkinFileTest, ValuesKeepAtMost2047Characters) {
    folder.writeText("long.ini", "[SCREEN]\nNormal=" + std::string(3000, 'p') + "\n");
    const SkinFile skin = SkinFile::load(folder.path("long.ini").toStdString());
    EXPECT_EQ(skin.pictureName(SkinPicture::Normal).size(), 2047u);
}

TEST_F(SkinFileTest, PicturesThatCannotBeReadGiveEmptyImages) {
    QImage image = solid(4, 4, Qt::red);
    EXPECT_TRUE(LoadSkinImage(folder.path("missing.jpg"), image).isEmpty());
    EXPECT_TRUE(image.isNull()); // the old picture is dropped too

    folder.writeText("garbage.jpg", std::string("\xFF\xD8\xFF\xE0 not really a picture", 24));
    EXPECT_TRUE(LoadSkinImage(folder.path("garbage.jpg"), image).isEmpty());
    EXPECT_TRUE(image.isNull());
    folder.writeText("empty.bmp", "");
    EXPECT_TRUE(LoadSkinImage(folder.path("empty.bmp"), image).isEmpty());

    folder.savePicture("ok.jpg", solid(40, 30, QColor(200, 0, 0)));
    EXPECT_EQ(LoadSkinImage(folder.path("ok.jpg"), image), QSize(40, 30));
    EXPECT_EQ(image.size(), QSize(40, 30));
}

// A BMP whose header declares `width` x `height` pixels, with one pixel
// after it: only a reader that decoded would notice.
std::string bmpHeader(uint32_t width, uint32_t height) {
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    solid(1, 1, Qt::black).save(&buffer, "BMP");
    qToLittleEndian(width, bmp.data() + 18);
    qToLittleEndian(height, bmp.data() + 22);
    return bmp.toStdString();
}

// Each fault of a skin is named, file and reason, by the check Option makes
// at start-up and by loading the window, without waiting on a FIFO and
// without decoding an oversized picture.
TEST_F(SkinFileTest, EveryFaultOfASkinNamesItsFile) {
    skintest::app();
    struct Case {
        const char *what;
        std::function<void()> fault;
        const char *file;
        const char *reason;
    };
    const QString base = folder.path(QStringLiteral("w.ini_"));
    const Case cases[] = {
        {"a FIFO as the background",
         [&] {
             QFile::remove(base + "normal.bmp");
             ASSERT_EQ(::mkfifo((base + "normal.bmp").toLocal8Bit(), 0600), 0);
         },
         "w.ini_normal.bmp", "not a regular file"},
        {"no skin file", [&] { QFile::remove(folder.path("w.ini")); }, "w.ini", "no such file"},
        {"an empty skin file", [&] { folder.writeText("w.ini", ""); }, "w.ini", "no [SCREEN]"},
        {"no Over picture named", [&] { folder.writeText("w.ini", "[SCREEN]\nNormal=w.ini_normal.bmp\n"); },
         "w.ini", "names no Over picture"},
        {"a missing mask", [&] { QFile::remove(base + "mask.bmp"); }, "w.ini_mask.bmp", "no such file"},
        {"not a picture", [&] { folder.writeText("w.ini_down.bmp", "plain text"); }, "w.ini_down.bmp",
         "not a picture"},
        {"9000 pixels wide", [&] { folder.writeText("w.ini_normal.bmp", bmpHeader(9000, 1)); },
         "w.ini_normal.bmp", "more than 8192 a side"},
        {"5600x5600 background", [&] { folder.writeText("w.ini_normal.bmp", bmpHeader(5600, 5600)); },
         "w.ini_normal.bmp", "more than 16777216 pixels"},
        {"over 4 times the window", [&] { folder.writeText("w.ini_over.bmp", bmpHeader(161, 160)); },
         "w.ini_over.bmp", "more than 25600 pixels"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(base + "normal.bmp"); // a save would wait on the FIFO
        folder.writeWindow(QStringLiteral("w.ini"), 80, 80, solid(80, 80, Qt::black), "");
        ASSERT_EQ(checkSkinFile(QStringLiteral("w.ini")), "");
        c.fault();
        const std::string problem = checkSkinFile(QStringLiteral("w.ini"));
        EXPECT_NE(problem.find(folder.path(QString::fromLatin1(c.file)).toStdString() + ": "),
                  std::string::npos)
            << problem;
        EXPECT_NE(problem.find(c.reason), std::string::npos) << problem;
        SkinnedDialog window(SkinWindowKind::ModalPopup);
        window.loadSkin(QStringLiteral("w.ini"), {});
        EXPECT_EQ(window.skinProblem(), problem);
    }
    QFile::remove(base + "normal.bmp");
    EXPECT_EQ(checkSkinSet(),
              folder.path(QString::fromLatin1(kSkinFiles[0])).toStdString() + ": no such file");
}

TEST(CropStateImage, CopiesTheAreaOneToOneAndIgnoresEmptySources) {
    QImage source = solid(20, 10, Qt::black);
    source.setPixel(5, 3, qRgb(1, 2, 3));
    source.setPixel(9, 7, qRgb(4, 5, 6));
    QImage target;
    CropStateImage(target, source, 5, 3, 10, 8);
    ASSERT_EQ(target.size(), QSize(5, 5));
    EXPECT_EQ(target.pixel(0, 0) & 0xFFFFFF, 0x010203u);
    EXPECT_EQ(target.pixel(4, 4) & 0xFFFFFF, 0x040506u);

    QImage kept = solid(2, 2, Qt::red);
    CropStateImage(kept, QImage(), 0, 0, 1, 1);
    EXPECT_EQ(kept.size(), QSize(2, 2));

    CropStateImage(kept, source, 10, 5, 4, 2); // inverted area
    EXPECT_TRUE(kept.isNull());
}

// Union of the runs added one at a time: the outline a mask should give.
QRegion referenceOutline(const std::vector<QRect> &runs) {
    QRegion region;
    for (const QRect &run : runs)
        region = region.united(run);
    return region;
}

bool sameArea(const QRegion &a, const QRegion &b) {
    return a.xored(b).isEmpty();
}

TEST(RegionFromMask, NoMaskAllWhiteAndWhiteFree) {
    EXPECT_FALSE(RegionFromMask(QImage(), kMaskTransparent, kMaskTolerance).has_value());

    const auto allWhite = RegionFromMask(solid(50, 40, Qt::white), kMaskTransparent, kMaskTolerance);
    ASSERT_TRUE(allWhite.has_value());
    EXPECT_TRUE(allWhite->isEmpty());

    const auto noWhite =
        RegionFromMask(solid(50, 40, QColor(254, 255, 255)), kMaskTransparent, kMaskTolerance);
    ASSERT_TRUE(noWhite.has_value());
    EXPECT_TRUE(sameArea(*noWhite, QRegion(0, 0, 50, 40)));
}

TEST(RegionFromMask, EnterKeyMaskGivesTheKeyOutline) {
    const auto outline = RegionFromMask(skintest::enterKeyMask(), kMaskTransparent, kMaskTolerance);
    ASSERT_TRUE(outline.has_value());
    const QRegion expected = QRegion(0, 0, 34, 22).united(QRegion(7, 22, 27, 27));
    EXPECT_TRUE(sameArea(*outline, expected));
    EXPECT_TRUE(outline->contains(QPoint(0, 21)));
    EXPECT_FALSE(outline->contains(QPoint(6, 22)));
    EXPECT_TRUE(outline->contains(QPoint(7, 48)));
}

TEST(RegionFromMask, ToleranceWidensTheTransparentRange) {
    QImage mask = solid(10, 1, Qt::black);
    mask.setPixel(2, 0, qRgb(250, 252, 255));
    mask.setPixel(3, 0, qRgb(255, 255, 255));
    mask.setPixel(4, 0, qRgb(249, 255, 255));
    const auto exact = RegionFromMask(mask, 0xFAFAFA, 0x000000);
    const auto wide = RegionFromMask(mask, 0xFAFAFA, 0x050505);
    ASSERT_TRUE(exact && wide);
    EXPECT_TRUE(sameArea(*exact, QRegion(0, 0, 10, 1)));
    // (250..255) in every component is transparent: pixels 2 and 3.
    EXPECT_TRUE(sameArea(*wide, QRegion(0, 0, 2, 1).united(QRegion(4, 0, 6, 1))));
}

TEST(RegionFromMask, ManyBatchesGiveTheSameOutlineAsOne) {
    // Vertical stripes 3 pixels opaque, 2 white, with a diagonal cut so
    // bands differ: far more than 2000 runs.
    QImage mask = solid(301, 97, Qt::white);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (x % 5 < 3 && x != y)
                mask.setPixel(x, y, qRgb(0, 0, 0));
    const std::vector<QRect> runs = maskRuns(mask, kMaskTransparent, kMaskTolerance);
    ASSERT_GT(runs.size(), 2u * kRegionBatchMax);

    const auto batched = RegionFromMask(mask, kMaskTransparent, kMaskTolerance);
    const auto oneBatch = RegionFromMask(mask, kMaskTransparent, kMaskTolerance, INT_MAX);
    const auto tinyBatches = RegionFromMask(mask, kMaskTransparent, kMaskTolerance, 7);
    ASSERT_TRUE(batched && oneBatch && tinyBatches);
    const QRegion reference = referenceOutline(runs);
    EXPECT_TRUE(sameArea(*batched, reference));
    EXPECT_TRUE(sameArea(*oneBatch, reference));
    EXPECT_TRUE(sameArea(*tinyBatches, reference));
    EXPECT_EQ(batched->boundingRect(), QRect(0, 0, 301, 97));
    EXPECT_FALSE(batched->contains(QPoint(3, 0)));
    EXPECT_FALSE(batched->contains(QPoint(10, 10)));
    EXPECT_TRUE(batched->contains(QPoint(11, 10)));
}

} // namespace
} // namespace orvyn
