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

// The watch tick by tick: which program counts as the one in front, and
// that it switches when that program comes to the front, not while it stays.
TEST_F(MonitorWndTest, ForegroundWatchSwitchesOnceWhenAListedProgramComesToTheFront) {
    struct Process {
        pid_t pid, parent;
        const char *name;
        bool ownWindow;
    };
    struct Tick {
        pid_t front;    // 0: no window is in front
        int profileKey; // 1-5: pressed on the keyboard before the tick
        int profile;    // current profile after the tick
        bool switched;  // the watch wrote a profile on this tick
    };
    struct Row {
        const char *name;
        std::vector<Process> processes;
        std::vector<Tick> ticks;
    };
    const std::vector<Row> rows = {
        {"a launcher whose game has its own window",
         {{50, 1, "launcher", true}, {51, 50, "racer.exe", true}},
         {{50, 0, 0, false}, {50, 0, 0, false}, {51, 0, 1, true}, {51, 0, 1, false}, {50, 0, 1, false}}},
        {"a nested compositor, run from a terminal, whose game has no window",
         {{70, 1, "terminal", true},
          {71, 70, "bash", false},
          {72, 71, "gamescope", true},
          {73, 72, "racer.exe", false}},
         {{70, 0, 0, false}, {72, 0, 1, true}, {72, 0, 1, false}}},
        {"a profile key pressed while the game stays in front",
         {{80, 1, "shooter.exe", true}},
         {{80, 0, 3, true},
          {80, 1, 0, false},
          {80, 0, 0, false},
          {80, 0, 0, false},
          {0, 0, 0, false},
          {80, 0, 3, true}}},
        {"another listed program comes to the front",
         {{90, 1, "racer.exe", true}, {91, 1, "shooter.exe", true}},
         {{90, 0, 1, true}, {91, 0, 3, true}, {91, 0, 3, false}, {90, 0, 1, true}}},
    };
    connect();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        edit([](ConfigBlock &c) {
            c.CurrentProfile = 0;
            setFixed(c.profiles[1].GameFile, "C:\\Games\\Racer.exe");
            setFixed(c.profiles[3].GameFile, "shooter.exe");
        });
        parents.clear();
        otherNames.clear();
        foreground.withWindows.clear();
        for (const Process &p : row.processes) {
            parents[p.pid] = p.parent;
            otherNames[p.pid] = {p.name, p.name, p.name};
            if (p.ownWindow)
                foreground.withWindows.insert(p.pid);
        }
        for (std::size_t i = 0; i < row.ticks.size(); ++i) {
            const Tick &tick = row.ticks[i];
            SCOPED_TRACE("tick " + std::to_string(i));
            if (tick.profileKey)
                wnd->dispatch(0x10000000u | static_cast<uint32_t>(tick.profileKey));
            journal.entries.clear();
            foreground.pid = tick.front ? std::optional<pid_t>(tick.front) : std::nullopt;
            clock.sleep(Millis(2000)); // one period of timer 500
            wnd->onWatchTimer();
            EXPECT_EQ(wnd->snapshot().CurrentProfile, tick.profile);
            EXPECT_EQ(journal.contains("request 3 0"), tick.switched);
        }
    }
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

// Under gamescope the active window belongs to the compositor; the game,
// which has no window of its own, is found among its descendants.
TEST_F(MonitorWndTest, ForegroundWatchFindsTheGameBelowALauncher) {
    connect();
    edit([](ConfigBlock &c) {
        c.CurrentProfile = 0;
        setFixed(c.profiles[4].GameFile, "C:\\Games\\Racer.exe");
    });
    names = {"gamescope", "gamescope", "gamescope"};
    otherNames[43] = {"steam", "steam", "steam"};
    otherNames[45] = {"wine64-preloader", "racer.exe", "racer.exe"};
    parents = {{43, 42}, {44, 42}, {45, 42}}; // 44 is gone meanwhile
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
