// Builds the windows of Option from the shipped skins with the toolkit: each
// window takes its picture's size, every button gets four pictures of its
// own size, shaped windows get an outline that holds all their controls, the
// Enter key's shaped button fits its key, and the gallery renders them all.
#include "Gallery.h"

#include "option/skin/RgnButton.h"
#include "option/skin/SkinResources.h"
#include "option/skin/SkinnedDialog.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace orvyn;

struct WindowCase {
    const char *file;
    SkinWindowKind kind;
    std::vector<int> sections;
    bool shaped;
};

std::vector<int> seq(int first, int last) {
    std::vector<int> v;
    for (int i = first; i <= last; ++i)
        v.push_back(i);
    return v;
}

std::vector<int> operator+(std::vector<int> a, const std::vector<int> &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const WindowCase kWindows[] = {
    {"skin_Config.ini", SkinWindowKind::ModalPopup, seq(1, 22) + std::vector<int>{25}, true},
    {"skin_main.ini", SkinWindowKind::ChildPage, seq(40, 143), false},
    {"skin_macro_control.ini", SkinWindowKind::ChildPage, seq(1, 15), false},
    {"skin_media_key_control.ini", SkinWindowKind::ChildPage, seq(9, 14) + std::vector<int>{20}, false},
    {"Skin_Advance.ini", SkinWindowKind::ChildPage, seq(1, 9), false},
    {"skin_profile.ini", SkinWindowKind::ModalPopup, seq(3, 6), true},
    {"skin_macro_manager.ini", SkinWindowKind::ModalPopup, seq(1, 5) + seq(7, 9), true},
    {"skin_lanuch_program.ini", SkinWindowKind::ModalPopup, seq(2, 5), true},
    {"skin_delete_macro_warn.ini", SkinWindowKind::ModalPopup, seq(1, 3), true},
    {"skin_macro_set_warn.ini", SkinWindowKind::ModalPopup, seq(1, 3), true},
    {"skin_shortcut.ini", SkinWindowKind::ModalPopup, seq(2, 9), true},
    {"skin_swap_key.ini", SkinWindowKind::ModalPopup, seq(2, 8), true},
    {"skin_reset_warn.ini", SkinWindowKind::ModalPopup, seq(1, 3), true},
};

class SkinWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "skingen_windows_test";
        static char *argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
        setSkinFolder(QStringLiteral(ORVYN_PROGRAM_DIR "skins/"));
    }
};

TEST_F(SkinWindows, EveryWindowBuildsWithPicturesForEveryButton) {
    for (const WindowCase &c : kWindows) {
        SCOPED_TRACE(c.file);
        SkinnedDialog w(c.kind);
        std::vector<SkinControlSetup> setups;
        for (int s : c.sections) {
            SkinControlSetup setup;
            setup.section = s;
            setups.push_back(setup);
        }
        w.loadSkin(QString::fromLatin1(c.file), setups);
        ASSERT_FALSE(w.background().isNull());
        EXPECT_EQ(w.size(), w.background().size());
        for (int s : c.sections) {
            SCOPED_TRACE(s);
            BitmapButton *b = w.button(s);
            ASSERT_NE(b, nullptr);
            for (StatePicture p :
                 {StatePicture::Normal, StatePicture::Over, StatePicture::Down, StatePicture::Disable})
                EXPECT_EQ(b->statePicture(p).size(), w.controlRect(s).size());
            // The pictures of a state differ where the button is drawn.
            EXPECT_NE(b->statePicture(StatePicture::Normal), b->statePicture(StatePicture::Down));
        }
        if (c.shaped) {
            ASSERT_TRUE(w.outline().has_value());
            EXPECT_FALSE(w.outline()->contains(QPoint(0, 0))) << "corner is cut";
            for (int s : c.sections)
                EXPECT_TRUE(w.outline()->contains(w.controlRect(s))) << s;
        }
    }
}

TEST_F(SkinWindows, EnterKeyShapedButtonCoversItsKeyOnly) {
    SkinnedDialog page(SkinWindowKind::ChildPage);
    page.loadSkin(QStringLiteral("skin_main.ini"), {}, WindowPictures::Keep);
    const ControlPlacement placement = page.skinFile().placement(40 + 43);
    const QRect enterRect(placement.left, placement.top, placement.width(), placement.height());
    ASSERT_EQ(enterRect.size(), QSize(34, 49));
    RgnButton enter(&page);
    enter.setMaskResource(kEnterKeyMaskBitmap);
    enter.setImages(page.windowPictures(), enterRect);
    enter.create(QStringLiteral("Enter"), enterRect);
    const QRegion &hit = enter.hitRegion();
    EXPECT_TRUE(hit.contains(QPoint(0, 0)));
    EXPECT_TRUE(hit.contains(QPoint(33, 48)));
    EXPECT_TRUE(hit.contains(QPoint(7, 30)));
    EXPECT_FALSE(hit.contains(QPoint(6, 30)));
    EXPECT_FALSE(hit.contains(QPoint(0, 48)));
    // The key drawn under the shape: the notch shows the keyboard, the
    // rest the key cap, which lights up in the Down picture.
    const QImage &normal = page.windowPictures()[0];
    const QImage &down = page.windowPictures()[2];
    const QPoint capPoint = enterRect.topLeft() + QPoint(20, 35);
    const QPoint notchPoint = enterRect.topLeft() + QPoint(3, 35);
    EXPECT_NE(normal.pixel(capPoint), down.pixel(capPoint));
    EXPECT_GT(qRed(down.pixel(capPoint)), 150);
    EXPECT_LT(qRed(down.pixel(notchPoint)), 60);
}

TEST_F(SkinWindows, GalleryRendersEveryWindow) {
    const std::vector<skingen::GalleryShot> shots = skingen::renderGallery();
    std::set<QString> names;
    for (const skingen::GalleryShot &shot : shots) {
        EXPECT_FALSE(shot.image.isNull()) << shot.fileName.toStdString();
        names.insert(shot.fileName);
    }
    EXPECT_EQ(names.size(), shots.size());
    for (const char *name :
         {"config_key_mapping.png", "config_macro_keys.png", "config_media_keys.png", "config_advanced.png",
          "profile.png", "macro_manager.png", "macro_manager_menu.png", "launch_program.png",
          "delete_macro_warn.png", "macro_set_warn.png", "shortcut.png", "swap_key.png", "reset_warn.png"})
        EXPECT_EQ(names.count(QString::fromLatin1(name)), 1u) << name;
}

} // namespace
