// Monitor as a real process on the desktop: the game in front picks the
// profile, started programs get a clean start, missing programs are told.
#include <gtest/gtest.h>

#include "MonitorProcessKit.h"

namespace orvyn::test {
namespace {

TEST_F(MonitorProcessTest, ForegroundGameSwitchesTheProfile) {
    if (gDisplay.empty())
        GTEST_SKIP() << "no X display";
    ::setenv("DISPLAY", gDisplay.c_str(), 1);
    // Profile 4 (index 3) lists this test program as its game, with a folder.
    auto profile = std::make_unique<ProfileData>();
    *profile = ProfileData{};
    makeDefaultProfile(*profile, 3, "Profile");
    setFixed(profile->GameFile, "C:\\Games\\monitor_process_test");
    std::filesystem::create_directories(home + "config");
    ASSERT_TRUE(SettingsStore::saveProfile(*profile, home + "config/Default3.gkp"));
    startConnected();
    osd.drain();
    FakeActiveWindow active(static_cast<uint32_t>(::getpid()));
    ASSERT_TRUE(active.ok());
    ASSERT_TRUE(option.waitFor(WM_PROFILE_CHANGED));
    auto shown = osd.waitFor(WM_OSD_COMMAND);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->message.lParam, 3 << 16);
    // The switch reaches the keyboard (request 3).
    for (int i = 0; i < 500 && model.currentProfile() != 3; ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(model.currentProfile(), 3);
    // The game staying in front switches nothing more.
    EXPECT_TRUE(option.quiet());
}

// This test program is a launcher in front; its child, the game, has a
// window of its own: the game's profile comes with the game's window, and
// a profile chosen on the keyboard while the launcher is in front stays.
TEST_F(MonitorProcessTest, ProfileChosenOnTheKeyboardStaysWithALauncherInFront) {
#ifndef ORVYN_WITNESS
    GTEST_SKIP() << "no X client program to stand for the game";
#else
    if (gDisplay.empty())
        GTEST_SKIP() << "no X display";
    ::setenv("DISPLAY", gDisplay.c_str(), 1);
    ASSERT_NO_FATAL_FAILURE(saveGameProfile(3, "C:\\Games\\Racer.exe"));
    std::filesystem::create_symlink(ORVYN_WITNESS, programs + "racer.exe");
    Child game({programs + "racer.exe", "watch"});
    const auto ready = game.readLine();
    ASSERT_TRUE(ready && ready->starts_with("ready "));
    const auto gameWindow = static_cast<uint32_t>(std::stoul(ready->substr(6)));
    startConnected();
    FakeActiveWindow launcher(static_cast<uint32_t>(::getpid()), {gameWindow});
    ASSERT_TRUE(launcher.ok());
    EXPECT_TRUE(option.quiet()) << "the launcher in front switched";

    launcher.activate(gameWindow);
    ASSERT_TRUE(option.waitFor(WM_PROFILE_CHANGED));
    for (int i = 0; i < 500 && model.currentProfile() != 3; ++i)
        std::this_thread::sleep_for(10ms);
    ASSERT_EQ(model.currentProfile(), 3);

    launcher.activate(0);
    model.setCurrentProfile(0); // profile key 1 on the keyboard
    ASSERT_TRUE(server->sendEvent(0x1000, 1));
    ASSERT_TRUE(option.waitFor(WM_PROFILE_CHANGED));
    // 300 ms at ORVYN_TIME_SCALE 0.01: far more than 3 s of Monitor's ticks.
    EXPECT_TRUE(option.quiet()) << "the watch switched back";
    EXPECT_EQ(model.currentProfile(), 0);
#endif
}

// Without any display Monitor picks the offscreen platform for itself only:
// the programs it starts (here the OSD) see the session as it is, start in
// their own folder and get none of Monitor's descriptors.
TEST_F(MonitorProcessTest, ChildrenGetTheirOwnFolderAndNothingOfMonitors) {
    ::unsetenv("QT_QPA_PLATFORM");
    std::ofstream(programs + "OSD") << "#!/bin/sh\n"
                                       "env > \"$0.env\"\n"
                                       "ls -l /proc/$$/fd > \"$0.fds\"\n"
                                       "pwd > \"$0.pwd\"\n"
                                       "echo started >> \"$0.started\"\n";
    startConnected();
    ASSERT_TRUE(started("OSD"));
    std::ifstream env(programs + "OSD.env"), fds(programs + "OSD.fds"), pwd(programs + "OSD.pwd");
    const std::string environment((std::istreambuf_iterator<char>(env)), {});
    const std::string descriptors((std::istreambuf_iterator<char>(fds)), {});
    std::string folder;
    std::getline(pwd, folder);
    EXPECT_EQ(environment.find("QT_QPA_PLATFORM"), std::string::npos) << environment;
    EXPECT_EQ(folder + "/", programs);
    EXPECT_EQ(descriptors.find(runtime.runtime()), std::string::npos) << descriptors;
    EXPECT_EQ(descriptors.find("socket:"), std::string::npos) << descriptors;
}

// A program key whose program is not there (a Windows path from elsewhere)
// is reported, never handed to xdg-open, whose error dialog would cover the
// game. Without a notification service the OSD shows it.
TEST_F(MonitorProcessTest, MissingProgramIsReportedNotOpened) {
    const std::string tools = runtime.base() + "/tools/";
    std::filesystem::create_directories(tools);
    writeMarkerScript(tools + "xdg-open");
    const ScopedVariable path("PATH", tools + ":" + std::getenv("PATH"));
    // No notification service, whatever bus the test runs on.
    const ScopedVariable bus("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    auto profile = std::make_unique<ProfileData>();
    *profile = ProfileData{};
    makeDefaultProfile(*profile, 0, "Profile");
    profile->keys[2].type = static_cast<uint8_t>(AssignType::LaunchProgram);
    profile->keys[2].flags = 3; // the key's number, as the window stores it
    setFixed(profile->keys[2].programPath, "C:\\Games\\game.exe");
    std::filesystem::create_directories(home + "config");
    ASSERT_TRUE(SettingsStore::saveProfile(*profile, home + "config/Default0.gkp"));
    model.update([](KeyboardMemory &m) {
        m.currentProfile = 0;
        m.profiles[0].assignments[2][0] = static_cast<uint8_t>(AssignType::LaunchProgram);
        m.profiles[0].assignments[2][1] = 3;
    });
    startConnected();
    osd.drain();
    ASSERT_TRUE(server->sendEvent(0x4000, 3));
    auto shown = osd.waitFor(WM_OSD_COMMAND);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->message.wParam, OSD_SHOW_TEXT);
    EXPECT_EQ(configIni().readText("OSDData", "Message", ""),
              "not found: C:\\Games\\game.exe: Program key 3");
    EXPECT_FALSE(started("tools/xdg-open", 300ms));
    EXPECT_FALSE(std::filesystem::exists(tools + "xdg-open.started"));
}

} // namespace
} // namespace orvyn::test
