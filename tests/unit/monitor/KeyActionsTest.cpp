// Applet refresh decisions and the helpers Monitor starts and closes.
#include <cstring>
#include <gtest/gtest.h>

#include "MonitorFakes.h"

namespace orvyn::test {
namespace {

const std::string kFolder = "/opt/orvyn/";

struct AppletsFixture : ::testing::Test {
    Journal journal;
    FakePoster poster{journal};
    FakeShell shell{journal};
    KeyActions actions{kFolder, poster, shell, [this](std::string_view t) { journal.add(std::string(t)); }};

    void SetUp() override {
        shell.programs = {kFolder + "Applets/LoadMeter", kFolder + "Applets/MailCheck",
                          kFolder + "Applets/CallNotify", kFolder + "OSD"};
    }
};

TEST(AppletDecision, StartsOnlyWhenWantedAndAbsentClosesOnlyWhenUnwantedAndRunning) {
    EXPECT_EQ(appletAction(true, false), AppletAction::Start);
    EXPECT_EQ(appletAction(true, true), AppletAction::None);
    EXPECT_EQ(appletAction(false, true), AppletAction::Close);
    EXPECT_EQ(appletAction(false, false), AppletAction::None);
}

TEST_F(AppletsFixture, MemorySwitchAloneStartsTheLoadDisplay) {
    OsdSettings osd{};
    osd.memoryLoad = 1;
    actions.refreshApplets(osd);
    EXPECT_EQ(journal.entries, std::vector<std::string>{"open " + kFolder + "Applets/LoadMeter"});
}

TEST_F(AppletsFixture, OnlyValueOneCountsAsOn) {
    OsdSettings osd{};
    osd.cpuLoad = 2;
    osd.mailCheck = -1;
    osd.unused8 = 1; // the third and fourth switches are not ours
    actions.refreshApplets(osd);
    EXPECT_TRUE(journal.entries.empty());
}

TEST_F(AppletsFixture, AllSwitchesOffClosesRunningAppletsAndStartsNone) {
    poster.present = {kLoadMeterTitle, kCallNotifyTitle};
    actions.refreshApplets(OsdSettings{});
    const std::vector<std::string> expected = {std::string("post ") + kLoadMeterTitle + " 16 0 0",
                                               std::string("post ") + kCallNotifyTitle + " 16 0 0"};
    EXPECT_EQ(journal.entries, expected);
}

TEST_F(AppletsFixture, RunningWantedAppletsAreLeftAloneAndOrderIsKept) {
    poster.present = {kMailCheckTitle};
    OsdSettings osd{};
    osd.cpuLoad = 1;
    osd.mailCheck = 1;
    osd.callNotify = 1;
    actions.refreshApplets(osd);
    const std::vector<std::string> expected = {"open " + kFolder + "Applets/LoadMeter",
                                               "open " + kFolder + "Applets/CallNotify"};
    EXPECT_EQ(journal.entries, expected);
}

TEST_F(AppletsFixture, MissingProgramsAreNotStarted) {
    shell.programs.clear();
    OsdSettings osd{};
    osd.cpuLoad = osd.mailCheck = osd.callNotify = 1;
    actions.refreshApplets(osd);
    actions.startOsd();
    EXPECT_TRUE(journal.entries.empty());
}

TEST_F(AppletsFixture, OptionAndTheOsdGetMonitorsLanguageTheAppletsDoNot) {
    shell.programs.insert(kFolder + "Option");
    actions.setHelperArguments({"--language", "de"});
    actions.startOsd();
    actions.OnCustomizer();
    OsdSettings osd{};
    osd.mailCheck = 1;
    actions.refreshApplets(osd);
    const std::vector<std::string> expected = {"open " + kFolder + "OSD --language de",
                                               "open " + kFolder + "Option --language de",
                                               "open " + kFolder + "Applets/MailCheck"};
    std::vector<std::string> opened;
    for (const std::string &entry : journal.entries)
        if (entry.rfind("open ", 0) == 0)
            opened.push_back(entry);
    EXPECT_EQ(opened, expected);
}

TEST_F(AppletsFixture, LaunchKeyProgramOnlyForProgramSlots) {
    ConfigBlock config{};
    config.CurrentProfile = 3;
    auto &key = config.profiles[3].keys[14];
    key.type = static_cast<uint8_t>(AssignType::LaunchProgram);
    // A path filling the whole field without a NUL is read up to the field end, never past it.
    std::memset(key.programPath, 'a', sizeof key.programPath);
    actions.launchKeyProgram(config, 15);
    ASSERT_EQ(journal.entries.size(), 1u);
    EXPECT_EQ(journal.entries[0], "open " + std::string(sizeof key.programPath, 'a'));

    journal.entries.clear();
    key.type = static_cast<uint8_t>(AssignType::Macro);
    actions.launchKeyProgram(config, 15);
    config.CurrentProfile = 9; // damaged record
    actions.launchKeyProgram(config, 1);
    EXPECT_TRUE(journal.entries.empty());
}

} // namespace
} // namespace orvyn::test
