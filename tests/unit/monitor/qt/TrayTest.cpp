// The tray icon: its menu texts and commands, and that no tray host means no
// icon and nothing else.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "monitor/qt/MonitorTray.h"
#include "shared/Messages.h"

namespace orvyn {
namespace {

struct FixedTexts final : TextSource {
    std::string text(unsigned id) const override {
        switch (id) {
        case 1000:
            return "Open Option";
        case 1001:
            return "Exit";
        case 1002:
            return std::string(200, 't');
        }
        return {};
    }
};

TEST(MonitorTrayTest, NoTrayHostMeansNoIcon) {
    int argc = 1;
    char name[] = "monitor_adaptors_test";
    char *argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
    FixedTexts texts;
    std::vector<int64_t> mouse, commands;
    MonitorTray tray(
        texts, "/nonexistent/", [&](int64_t m) { mouse.push_back(m); },
        [&](int64_t c) { commands.push_back(c); });
    tray.add(); // offscreen: no tray host
    EXPECT_FALSE(tray.visible());
    tray.remove();
    EXPECT_TRUE(mouse.empty() && commands.empty());
    // The icon is always found: theme, generated pictures or the drawn one.
    EXPECT_FALSE(MonitorTray::findIcon("/nonexistent/").isNull());

    // A FIFO in an icon's place (no writer) is passed over, not waited on.
    QTemporaryDir folder;
    const QString apps = folder.path() + QStringLiteral("/icons/hicolor/16x16/apps/");
    ASSERT_TRUE(QDir().mkpath(apps));
    ASSERT_EQ(::mkfifo((apps + QStringLiteral("orvyn-vantor.png")).toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(MonitorTray::findIcon(folder.path().toStdString() + "/").isNull());
}

// Without a theme icon the tray draws the pictures it finds: beside the built
// programs, or in the hicolor folder of an installed suite.
TEST(MonitorTrayTest, TheFallbackIconComesFromTheBuildOrTheInstalledLayout) {
    int argc = 1;
    char name[] = "monitor_adaptors_test";
    char *argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
    // An icon of the name installed on this machine must not answer.
    QIcon::setThemeSearchPaths({});
    QIcon::setFallbackSearchPaths({});
    struct Case {
        const char *what;
        const char *pictureFolder; // below the prefix
        QColor expected;           // red: the picture; else the drawn key cap
    };
    const Case cases[] = {
        {"built", "lib/orvyn-vantor/icons/hicolor/48x48/apps/", Qt::red},
        {"installed", "share/icons/hicolor/48x48/apps/", Qt::red},
        {"elsewhere", "share/pixmaps/", QColor(30, 30, 36)},
    };
    for (const Case &c : cases) {
        QTemporaryDir prefix;
        const QString pictures = prefix.path() + QLatin1Char('/') + QLatin1String(c.pictureFolder);
        ASSERT_TRUE(QDir().mkpath(pictures) &&
                    QDir().mkpath(prefix.path() + QStringLiteral("/lib/orvyn-vantor")));
        QImage picture(48, 48, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(pictures + QStringLiteral("orvyn-vantor.png")));
        const QIcon icon = MonitorTray::findIcon(prefix.path().toStdString() + "/lib/orvyn-vantor/");
        ASSERT_FALSE(icon.isNull()) << c.what;
        const QImage drawn = icon.pixmap(48, 48).toImage();
        EXPECT_EQ(drawn.pixelColor(drawn.width() / 6, drawn.height() / 2).rgba(), c.expected.rgba())
            << c.what;
    }
}

} // namespace
} // namespace orvyn
