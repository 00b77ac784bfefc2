// kbsim's commands in-process: what a key press does to the keyboard's own
// memory, and which values are refused.
#include "kbsim/KbsimControl.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace orvyn {
namespace {

class KbsimControllerTest : public ::testing::Test {
protected:
    std::string dir;
    VirtualClock clock;
    KeyboardModel model{clock};
    std::unique_ptr<EmulatorServer> server;
    int changes = 0, quits = 0;
    std::unique_ptr<KbsimController> controller;

    void SetUp() override {
        char tmpl[] = "/tmp/kbsim-ctl-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        server = std::make_unique<EmulatorServer>(model, clock, dir + "/keyboard.sock");
        ASSERT_TRUE(server->start());
        controller = std::make_unique<KbsimController>(
            model, *server, [this] { ++changes; }, [this] { ++quits; });
    }
    void TearDown() override {
        server.reset();
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    bool run(std::vector<std::string> args) { return controller->execute(args).ok; }
};

TEST_F(KbsimControllerTest, KeyPressesChangeTheCurrentProfileOfTheKeyboard) {
    ASSERT_TRUE(run({"press", "profile", "3"}));
    EXPECT_EQ(model.currentProfile(), 2);
    ASSERT_TRUE(run({"press", "color", "5"}));
    ASSERT_TRUE(run({"press", "light", "32"}));
    ASSERT_TRUE(run({"press", "winlock"}));
    ProfileMemory p = model.profile(2);
    EXPECT_EQ(p.lighting[6], 5);
    EXPECT_EQ(p.lighting[8], 32);
    EXPECT_EQ(p.switchBits, 0x3F);
    ASSERT_TRUE(run({"press", "winunlock"}));
    EXPECT_EQ(model.profile(2).switchBits, 0x33) << "switches 2 and 3 are the Windows-key lock";
    EXPECT_EQ(model.profile(0).lighting[6], 1) << "other profiles untouched";
    EXPECT_EQ(changes, 5);

    ASSERT_TRUE(run({"record-macro", "14", "0x1E"}));
    p = model.profile(2);
    EXPECT_EQ(p.assignments[14][0], 3);
    EXPECT_EQ(p.macros[14][29], 2);
    EXPECT_EQ(p.macros[14][30], 0x1E);
    // Keys that change nothing in the keyboard's memory.
    EXPECT_TRUE(run({"press", "key", "15"}));
    EXPECT_TRUE(run({"press", "media", "0x20"}));
    EXPECT_TRUE(run({"press", "config"}));
    EXPECT_EQ(changes, 6);
}

TEST_F(KbsimControllerTest, OutOfRangeValuesAndAnUnpluggedKeyboardAreRefused) {
    for (const std::vector<std::string> &bad :
         std::vector<std::vector<std::string>>{{"press", "profile", "0"},
                                               {"press", "profile", "6"},
                                               {"press", "color", "8"},
                                               {"press", "light", "3"},
                                               {"press", "light", "64"},
                                               {"press", "key", "16"},
                                               {"press", "media", "0x28"},
                                               {"press", "media", "0x1F"},
                                               {"press", "profile", "2x"},
                                               {"press", "winlock", "1"},
                                               {"press"},
                                               {"record-macro", "15"},
                                               {"record-macro", "1", "0"},
                                               {"fail", "-1"},
                                               {"busy", "maybe"},
                                               {"delay", "x"},
                                               {"nonsense"}})
        EXPECT_FALSE(run(bad)) << ::testing::PrintToString(bad);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(model.currentProfile(), 0);

    ASSERT_TRUE(run({"unplug"}));
    EXPECT_FALSE(run({"press", "profile", "2"}));
    EXPECT_FALSE(run({"record-macro", "1"}));
    EXPECT_EQ(model.currentProfile(), 0);
    ASSERT_TRUE(run({"plug"}));
    EXPECT_TRUE(run({"press", "profile", "2"}));
}

TEST_F(KbsimControllerTest, FaultCommandsReachServerAndModel) {
    ASSERT_TRUE(run({"fail", "3"}));
    EXPECT_EQ(server->pendingFailures(), 3);
    ASSERT_TRUE(run({"busy", "on"}));
    EXPECT_EQ(model.status(), 3);
    ASSERT_TRUE(run({"busy", "off"}));
    ASSERT_TRUE(run({"busy-ms", "250"}));
    EXPECT_EQ(model.busyTime(), Millis{250});
    ASSERT_TRUE(run({"delay", "40"}));
    EXPECT_EQ(server->replyDelay(), Millis{40});
    ASSERT_TRUE(run({"press", "profile", "4"}));
    ASSERT_TRUE(run({"reset"}));
    EXPECT_EQ(model.currentProfile(), 0);
    const auto state = controller->execute({"state"});
    EXPECT_NE(state.text.find("failing next: 3"), std::string::npos) << state.text;
    ASSERT_TRUE(run({"quit"}));
    EXPECT_EQ(quits, 1);
}

} // namespace
} // namespace orvyn
