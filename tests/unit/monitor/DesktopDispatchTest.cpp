// The main window on the desktop: profiles switched by the program in front,
// and problems told rather than swallowed.
#include <gtest/gtest.h>

#include "MonitorWndFixture.h"

namespace orvyn::test {
namespace {

TEST_F(MonitorWndTest, ForegroundWatchSwitchesToTheFirstMatchingProfile) {
    connect();
    edit([](ConfigBlock &c) {
        c.CurrentProfile = 0;
        setFixed(c.profiles[2].GameFile, "  D:\\Games\\Quake.EXE ");
        setFixed(c.profiles[3].GameFile, "quake.exe");
    });
    names = {"quake.exe", "quake.exe", "quake.exe"};

    foreground.pid = std::nullopt;
    wnd->onWatchTimer();
    foreground.pid = 7; // the process is gone
    wnd->onWatchTimer();
    EXPECT_TRUE(journal.entries.empty());

    foreground.pid = 42;
    wnd->onWatchTimer();
    EXPECT_EQ(wnd->snapshot().CurrentProfile, 2);
    const std::vector<std::string> expected = {"publish", "request 3 0", kOption + "1255 0 0",
                                               kOsd + "1324 40 " + std::to_string(2 << 16)};
    EXPECT_EQ(journal.entries, expected);

    // Already the current profile's game: nothing is sent again.
    journal.entries.clear();
    wnd->onWatchTimer();
    EXPECT_TRUE(journal.entries.empty());
}

// What goes wrong on the desktop is said, not swallowed: a keyboard Monitor
// may not open, a program key whose program is not there. Option is raised
// with the display server's time, and started only when it is a program.
TEST_F(MonitorWndTest, ProblemsAreToldAndOptionIsStartedOnlyWhenThere) {
    connect();
    wnd->handle(msg(WM_DEVICE_CHANGE, kDeviceUnusable, EACCES));
    ASSERT_EQ(journal.entries.size(), 2u);
    EXPECT_TRUE(journal.entries[0].starts_with("trace Monitor: The keyboard is connected, but this user"));
    EXPECT_TRUE(
        journal.entries[1].starts_with("notice The keyboard is connected, but this user may not use it | "));
    EXPECT_NE(journal.entries[1].find("udev"), std::string::npos);
    EXPECT_EQ(wnd->keyboardState(), KeyboardState::Connected) << "a notice changes no state";

    journal.entries.clear();
    edit([](ConfigBlock &c) {
        auto &key = c.profiles[0].keys[2];
        key.type = static_cast<uint8_t>(AssignType::LaunchProgram);
        setFixed(key.programPath, "C:\\Games\\game.exe");
        c.CurrentProfile = 0;
    });
    shell.failures["C:\\Games\\game.exe"] = "not found: C:\\Games\\game.exe";
    wnd->dispatch(0x40000003);
    EXPECT_EQ(journal.entries.back(), "notice not found: C:\\Games\\game.exe | Program key 3");

    journal.entries.clear();
    poster.present = {kOsdTitle};
    wnd->onCommand(CMD_CUSTOMIZER); // Option is not in the program folder
    EXPECT_FALSE(journal.contains("open /opt/orvyn/Option"));
    poster.present = {kOptionTitle};
    userTime.time = 123456;
    wnd->onCommand(CMD_CUSTOMIZER);
    EXPECT_EQ(journal.entries.back(), kOption + "274 61728 123456");
}

// Under gamescope or a game store the active window belongs to the
// launcher; the game is found among its descendants.
TEST_F(MonitorWndTest, ForegroundWatchFindsTheGameBelowALauncher) {
    connect();
    edit([](ConfigBlock &c) {
        c.CurrentProfile = 0;
        setFixed(c.profiles[4].GameFile, "C:\\Games\\Racer.exe");
    });
    names = {"gamescope", "gamescope", "gamescope"};
    otherNames[43] = {"steam", "steam", "steam"};
    otherNames[45] = {"wine64-preloader", "racer.exe", "racer.exe"};
    descendants[42] = {43, 44, 45}; // 44 is gone meanwhile
    foreground.pid = 42;
    wnd->onWatchTimer();
    EXPECT_EQ(wnd->snapshot().CurrentProfile, 4);
    EXPECT_TRUE(journal.contains(kOsd + "1324 40 " + std::to_string(4 << 16)));

    // The launcher's own name still wins over its children's.
    journal.entries.clear();
    edit([](ConfigBlock &c) { setFixed(c.profiles[1].GameFile, "gamescope"); });
    wnd->onWatchTimer();
    EXPECT_EQ(wnd->snapshot().CurrentProfile, 1);
}

} // namespace
} // namespace orvyn::test
