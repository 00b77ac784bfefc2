// The tray icon: its menu texts and commands, and that no tray host means no
// icon and nothing else.
#include <QApplication>
#include <QDir>
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

} // namespace
} // namespace orvyn
