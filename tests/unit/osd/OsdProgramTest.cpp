// The OSD's answers to Monitor's messages, and its overlay when no
// notification service is on the bus.
#include <QApplication>
#include <QTranslator>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

#include "osd/DesktopNotices.h"
#include "osd/OsdProgram.h"
#include "shared/Messages.h"
#include "uitext/UiText.h"

namespace orvyn {
namespace {

struct RecordingDisplay final : NoticeDisplay {
    std::vector<std::pair<std::string, std::string>> shown;
    void show(const std::string &s, const std::string &b) override { shown.emplace_back(s, b); }
};

struct WordTexts final : TextSource {
    std::string text(unsigned id) const override { return id == 1040 ? "Profile" : ""; }
};

PostedMessage msg(uint32_t m, int64_t w, int64_t l) {
    PostedMessage p;
    p.message = m;
    p.wParam = w;
    p.lParam = l;
    return p;
}

class OsdTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/osd-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = std::string(pattern) + "/";
        std::filesystem::create_directories(folder + "config");
        settings = std::make_unique<SettingsStore>(folder);
        osd = std::make_unique<OsdProgram>(*settings, texts, display, [this] { quitCalls++; });
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string folder;
    std::unique_ptr<SettingsStore> settings;
    WordTexts texts;
    RecordingDisplay display;
    int quitCalls = 0;
    std::unique_ptr<OsdProgram> osd;
};

TEST_F(OsdTest, ProfileNoticeNamesTheProfileWhenItsFileIsReadable) {
    osd->handle(msg(WM_OSD_COMMAND, OSD_SHOW_PROFILE, 1 << 16)); // no file yet
    auto profile = std::make_unique<ProfileData>();
    *profile = ProfileData{};
    makeDefaultProfile(*profile, 3, "Profile");
    setFixed(profile->ProFileName, "Racing");
    ASSERT_TRUE(SettingsStore::saveProfile(*profile, settings->profilePath(3)));
    osd->handle(msg(WM_OSD_COMMAND, OSD_SHOW_PROFILE, 3 << 16));
    const std::vector<std::pair<std::string, std::string>> expected = {{"Profile 2", ""},
                                                                       {"Profile 4", "Racing"}};
    EXPECT_EQ(display.shown, expected);
}

TEST_F(OsdTest, TextNoticeShowsTheStoredMessage) {
    ASSERT_TRUE(settings->writeOsdMessage("Windows Key: Lock"));
    osd->handle(msg(WM_OSD_COMMAND, OSD_SHOW_TEXT, 0));
    ASSERT_EQ(display.shown.size(), 1u);
    EXPECT_EQ(display.shown[0].first, "Windows Key: Lock");
}

// A German desktop: the profile notice takes its word from the German table,
// the key-lock notices come from the German catalogue.
TEST(OsdLanguage, NoticesAreShownInTheChosenLanguage) {
    char pattern[] = "/tmp/osd-test-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string folder = std::string(pattern) + "/";
    std::filesystem::create_directories(folder + "config");
    SettingsStore settings(folder);
    UiTextLibrary texts;
    ASSERT_TRUE(texts.load(ORVYN_PROGRAM_DIR, "de"));
    int argc = 1;
    char name[] = "osd_test";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTranslator catalogue;
    ASSERT_TRUE(catalogue.load(QStringLiteral("orvyn_de"), QStringLiteral(ORVYN_PROGRAM_DIR "translations")));
    QCoreApplication::installTranslator(&catalogue);
    RecordingDisplay display;
    OsdProgram osd(settings, texts, display, [] {});
    osd.handle(msg(WM_OSD_COMMAND, OSD_SHOW_PROFILE, 1 << 16));
    for (const char *stored : {kWindowsKeyLockText, kWindowsKeyUnlockText}) {
        ASSERT_TRUE(settings.writeOsdMessage(stored));
        osd.handle(msg(WM_OSD_COMMAND, OSD_SHOW_TEXT, 0));
    }
    QCoreApplication::removeTranslator(&catalogue);
    texts.load(ORVYN_PROGRAM_DIR, "en");
    std::filesystem::remove_all(folder);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Profil 2", ""}, {"Windows-Taste: gesperrt", ""}, {"Windows-Taste: entsperrt", ""}};
    EXPECT_EQ(display.shown, expected);
}

TEST_F(OsdTest, BadIndexesUnknownCommandsAndEmptyTextShowNothing) {
    osd->handle(msg(WM_OSD_COMMAND, OSD_SHOW_PROFILE, 5 << 16));
    osd->handle(msg(WM_OSD_COMMAND, OSD_SHOW_PROFILE, -1));
    osd->handle(msg(WM_OSD_COMMAND, 41, 0));
    osd->handle(msg(WM_OSD_COMMAND, OSD_SHOW_TEXT, 0)); // nothing stored
    osd->handle(msg(4242, 0, 0));
    EXPECT_TRUE(display.shown.empty());
    EXPECT_EQ(quitCalls, 0);
}

TEST_F(OsdTest, SettingsValuesAndClose) {
    osd->handle(msg(WM_OSD_SETTINGS, 0, (0x1234 << 16) | 0xABCD));
    EXPECT_EQ(osd->settingsValue24(), 0x1234);
    EXPECT_EQ(osd->settingsValue28(), 0xABCD);
    osd->handle(msg(WM_CLOSE_MSG, 0, 0));
    EXPECT_EQ(quitCalls, 1);
}

TEST_F(OsdTest, EndsOnceMonitorHasBeenSeenAndIsGone) {
    // Started by hand before Monitor: it waits for one.
    osd->monitorChecked(false);
    osd->monitorChecked(false);
    EXPECT_EQ(quitCalls, 0);
    osd->monitorChecked(true);
    osd->monitorChecked(true);
    EXPECT_EQ(quitCalls, 0);
    // Monitor killed: its endpoint no longer answers.
    osd->monitorChecked(false);
    EXPECT_EQ(quitCalls, 1);
    osd->monitorChecked(false);
    EXPECT_EQ(quitCalls, 1) << "once is enough";
}

TEST(DesktopNoticesTest, OverlayWhenNoServiceAnswers) {
    // A private, empty session bus address: nobody answers Notify.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    int argc = 1;
    char name[] = "osd_test";
    char *argv[] = {name, nullptr};
    QApplication app(argc, argv);
    DesktopNotices notices;
    notices.show("Profile 1", "Default <b>");
    ASSERT_NE(notices.overlay(), nullptr);
    EXPECT_TRUE(notices.overlay()->isVisible());
    EXPECT_TRUE(notices.overlay()->text().contains("Profile 1"));
    EXPECT_TRUE(notices.overlay()->text().contains("&lt;b&gt;")); // shown as text, not markup
    EXPECT_TRUE(notices.overlay()->windowFlags().testFlag(Qt::FramelessWindowHint));
}

} // namespace
} // namespace orvyn
