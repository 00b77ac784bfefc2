// The overlay's own rules: which monitor it goes to, what each notice is
// drawn as, sharp at any scale, and a new notice replacing the shown one at
// once. With ORVYN_OSD_SHOTS set to a folder, the drawn panels are also
// saved there as PNG files (the README's pictures come from here).
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <tuple>

#include "osd/NoticeOverlay.h"
#include "osd/OsdProgram.h"
#include "osd/X11Fullscreen.h"
#include "shared/SettingsStore.h"
#include "support/FakeActiveWindow.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "osd_overlay_test";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QApplication(argc, argv);
}

TEST(NoticeAreaTest, TheActiveWindowsMonitorElseThePrimary) {
    const ScreenArea left{QRect(0, 0, 1920, 1080), QRect(0, 32, 1920, 1048)};
    // A scale-2 monitor right of it: 2560x1440 pixels, 1280x720 logical.
    const ScreenArea right{QRect(1920, 0, 2560, 1440), QRect(1920, 0, 1280, 720)};
    struct Row {
        const char *what;
        std::optional<QRect> active;
        QRect expected;
    };
    const Row rows[] = {
        {"no active window", std::nullopt, left.available},
        {"game on the primary", QRect(0, 0, 1920, 1080), left.available},
        {"game on the scaled monitor", QRect(1920, 0, 2560, 1440), right.available},
        {"window straddling, centre on the right", QRect(1500, 100, 1200, 600), right.available},
        {"window straddling, centre on the left", QRect(1000, 100, 1200, 600), left.available},
        {"window off every screen", QRect(-5000, -5000, 100, 100), left.available},
    };
    for (const Row &row : rows)
        EXPECT_EQ(noticeArea({left, right}, row.active), row.expected) << row.what;
    EXPECT_EQ(noticeArea({}, QRect(0, 0, 10, 10)), QRect()) << "no screens";
}

TEST(X11ActiveWindowTest, GivesWhereTheActiveWindowIs) {
    test::FakeActiveWindow active(std::nullopt); // 10x10 at the origin
    if (!active.ok())
        GTEST_SKIP() << "no X display";
    X11Fullscreen probe;
    const std::optional<X11Rect> r = probe.activeWindowRect();
    ASSERT_TRUE(r);
    EXPECT_EQ(std::tie(r->x, r->y, r->width, r->height), std::make_tuple(0, 0, 10, 10));
    active.clear();
    EXPECT_FALSE(probe.activeWindowRect());
}

struct KindRecorder final : NoticeDisplay {
    std::vector<Notice> shown;
    void show(const std::string &, const std::string &) override {}
    void showNotice(const Notice &n) override { shown.push_back(n); }
};

struct ProfileWord final : TextSource {
    std::string text(unsigned id) const override { return id == 1040 ? "Profile" : ""; }
};

// What each of Monitor's messages becomes: the Windows-key texts get the
// padlock, a profile its number and name (the default name too), anything
// else is shown as text.
TEST(NoticeKindsTest, MessagesBecomeTheirNotices) {
    test::TempDir folder;
    SettingsStore settings(folder.path() + "/");
    ProfileWord texts;
    KindRecorder display;
    OsdProgram osd(settings, texts, display, {});
    auto profile = std::make_unique<ProfileData>();
    makeDefaultProfile(*profile, 2, "Profile");
    std::filesystem::create_directories(folder.path() + "/config");
    ASSERT_TRUE(SettingsStore::saveProfile(*profile, settings.profilePath(2)));
    osd.showProfile(2);
    ASSERT_EQ(display.shown.size(), 1u);
    const Notice &shown = display.shown[0];
    EXPECT_EQ(std::tie(shown.kind, shown.profileNumber, shown.caption, shown.body),
              std::make_tuple(NoticeKind::Profile, 3, std::string("Profile"), std::string("Profile #3")));

    struct Row {
        const char *stored;
        NoticeKind kind;
    };
    const Row rows[] = {{"Windows Key: Lock", NoticeKind::KeyLock},
                        {"Windows Key: UnLock", NoticeKind::KeyUnlock},
                        {"windows key: lock", NoticeKind::Text},
                        {"You have mail", NoticeKind::Text}};
    for (const Row &row : rows) {
        display.shown.clear();
        ASSERT_TRUE(settings.writeOsdMessage(row.stored));
        osd.showStoredText();
        ASSERT_EQ(display.shown.size(), 1u) << row.stored;
        EXPECT_EQ(display.shown[0].kind, row.kind) << row.stored;
        EXPECT_EQ(display.shown[0].summary, row.stored);
    }
}

Notice makeNotice(NoticeKind kind, const std::string &summary, const std::string &body = {}) {
    Notice n;
    n.kind = kind;
    n.summary = summary;
    n.body = body;
    if (kind == NoticeKind::Profile) {
        n.profileNumber = 3;
        n.caption = "Profile";
    }
    return n;
}

bool isRed(QRgb c) {
    return qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80;
}

// Drawn, not scaled: at scale 2 every edge is as sharp as at scale 1 (the
// red bar ends on a pixel row), and the panel holds its words.
TEST(NoticeOverlayTest, PanelsAreDrawnSharpAtEachScale) {
    ensureApplication();
    const QString shots = qEnvironmentVariable("ORVYN_OSD_SHOTS");
    struct Row {
        const char *file;
        Notice notice;
    };
    const Row rows[] = {
        {"osd-profile", makeNotice(NoticeKind::Profile, "Profile 3", "Racing")},
        {"osd-lock", makeNotice(NoticeKind::KeyLock, "Windows Key: Lock")},
        {"osd-unlock", makeNotice(NoticeKind::KeyUnlock, "Windows Key: UnLock")},
        {"osd-text", makeNotice(NoticeKind::Text, "not found: C:\\Games\\game.exe: Program key 3")},
    };
    for (const Row &row : rows) {
        const QSize size = NoticeOverlay::panelSize(row.notice);
        EXPECT_LE(size.width(), 620) << row.file;
        for (const int scale : {1, 2}) {
            QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::transparent);
            {
                QPainter p(&image);
                NoticeOverlay::paintPanel(p, row.notice, size);
            }
            const int mid = image.width() / 2;
            EXPECT_TRUE(isRed(image.pixel(mid, 3 * scale - 1))) << row.file << " at " << scale;
            EXPECT_FALSE(isRed(image.pixel(mid, 3 * scale))) << row.file << " at " << scale;
            // Light text pixels right of the emblem.
            int light = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 72 * scale; x < image.width(); ++x)
                    light += qGray(image.pixel(x, y)) > 200;
            EXPECT_GT(light, 40 * scale * scale) << row.file << " at " << scale;
            if (!shots.isEmpty())
                image.save(QStringLiteral("%1/%2@%3x.png").arg(shots, QLatin1String(row.file)).arg(scale));
        }
    }
}

TEST(NoticeOverlayTest, ANewNoticeReplacesTheShownOneAtOnceAtTheTopCentre) {
    ensureApplication();
    NoticeOverlay overlay;
    const QRect area(100, 40, 1600, 1000);
    overlay.present(makeNotice(NoticeKind::Profile, "Profile 3", "Racing"), area);
    EXPECT_TRUE(overlay.isVisible());
    EXPECT_TRUE(overlay.windowFlags().testFlag(Qt::WindowTransparentForInput));
    EXPECT_TRUE(overlay.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    overlay.present(makeNotice(NoticeKind::KeyLock, "Windows Key: Lock"), area);
    EXPECT_EQ(overlay.notice().kind, NoticeKind::KeyLock);
    EXPECT_EQ(overlay.windowOpacity(), 1.0) << "no second fade-in";
    EXPECT_LE(std::abs(overlay.geometry().center().x() - area.center().x()), 1);
    EXPECT_GE(overlay.geometry().top(), area.top());
    EXPECT_LT(overlay.geometry().top(), area.top() + 100);
}

} // namespace
} // namespace orvyn
