// Monitor as a real process: a second instance, start with and without a
// keyboard, shutdown by message and by signal, start-up faults, and the
// emulator started as its own program.
#include <gtest/gtest.h>

#include "MonitorProcessKit.h"

namespace orvyn::test {
namespace {

TEST_F(MonitorProcessTest, SecondInstanceWithOneRaisesOptionAndEnds) {
    startConnected();
    option.drain();
    Child second({programs + "Monitor", "1"});
    EXPECT_EQ(second.wait(), 0);
    auto raise = option.waitFor(WM_SYSCOMMAND_MSG);
    ASSERT_TRUE(raise);
    EXPECT_EQ(raise->message.wParam, SC_RESTORE_CMD);

    // Without "1" the second one just ends.
    Child third({programs + "Monitor"});
    EXPECT_EQ(third.wait(), 0);
    EXPECT_TRUE(option.quiet());
}

TEST_F(MonitorProcessTest, StartedWithOneStartsOptionOnlyWithAKeyboard) {
    // No keyboard: Option is not started.
    monitor = startMonitor({"1"});
    ASSERT_TRUE(monitorListening());
    ASSERT_TRUE(waitForIni("Setting", "Device", 0));
    EXPECT_FALSE(started("Option", 300ms));
    EXPECT_FALSE(option.next(100ms)) << "Option must not be raised without a keyboard";
    post(WM_COMMAND_MSG, CMD_QUIT_MONITOR);
    ASSERT_TRUE(monitorEnds());
}

TEST_F(MonitorProcessTest, StartedWithOneAndAKeyboardRaisesOption) {
    ASSERT_TRUE(server->start());
    monitor = startMonitor({"1"});
    // Raised during start-up, before the first read-back is announced.
    EXPECT_TRUE(option.waitFor(WM_SYSCOMMAND_MSG));
    EXPECT_TRUE(option.waitFor(WM_READBACK_DONE));
}

TEST_F(MonitorProcessTest, ShutdownClosesOptionOsdAndAppletsAndCleansUp) {
    TestEndpoint applet(runtime.runtime(), kLoadMeterTitle);
    startConnected();
    option.drain();
    osd.drain();
    ASSERT_TRUE(post(WM_COMMAND_MSG, CMD_QUIT_MONITOR));
    EXPECT_TRUE(option.waitFor(WM_CLOSE_MSG));
    EXPECT_TRUE(osd.waitFor(WM_CLOSE_MSG));
    EXPECT_TRUE(applet.waitFor(WM_CLOSE_MSG));
    int code = -1;
    ASSERT_TRUE(monitorEnds(&code));
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(std::filesystem::exists(runtime.runtime() + kShareDataName));
    EXPECT_FALSE(std::filesystem::exists(runtime.runtime() + kMonitorTitle));
}

TEST_F(MonitorProcessTest, TerminationSignalShutsDownTheSameWay) {
    startConnected();
    option.drain();
    monitor->kill(SIGTERM);
    EXPECT_TRUE(option.waitFor(WM_CLOSE_MSG));
    int code = -1;
    ASSERT_TRUE(monitorEnds(&code));
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(std::filesystem::exists(runtime.runtime() + kMutexObjectName));
}

TEST_F(MonitorProcessTest, QuitOptionEndsTheRunningMonitor) {
    Child none({programs + "Monitor", "--quit"});
    EXPECT_EQ(none.wait(), 1) << "nothing to end";
    monitor = startMonitor();
    ASSERT_TRUE(monitorListening());
    Child quit({programs + "Monitor", "--quit"});
    EXPECT_EQ(quit.wait(), 0);
    int code = -1;
    ASSERT_TRUE(monitorEnds(&code));
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(std::filesystem::exists(runtime.runtime() + kMonitorTitle));
}

TEST_F(MonitorProcessTest, WithTheKbsimProgram) {
    // The emulator as its own program, driven through its command line.
    const std::string kbsim = std::string(ORVYN_PROGRAM_DIR) + "kbsim";
    Child keyboard({kbsim, "serve"});
    auto kbsimSays = [&](std::vector<std::string> args) {
        args.insert(args.begin(), kbsim);
        Child command(args);
        return command.wait();
    };
    for (int i = 0; i < 500 && kbsimSays({"state"}) != 0; ++i)
        std::this_thread::sleep_for(10ms);
    monitor = startMonitor();
    ASSERT_TRUE(option.waitFor(WM_READBACK_DONE));
    ASSERT_EQ(kbsimSays({"press", "profile", "4"}), 0);
    EXPECT_TRUE(option.waitFor(WM_PROFILE_CHANGED));
    auto shown = osd.waitFor(WM_OSD_COMMAND);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->message.lParam, 3 << 16);
    ASSERT_EQ(kbsimSays({"unplug"}), 0);
    EXPECT_TRUE(option.waitFor(WM_CLOSE_MSG));
    ASSERT_EQ(kbsimSays({"plug"}), 0);
    EXPECT_TRUE(option.waitFor(WM_READBACK_DONE));
    kbsimSays({"quit"});
    keyboard.wait();
}

TEST_F(MonitorProcessTest, TheOsdEndsWhenMonitorIsKilled) {
    // The real OSD this time, started by Monitor.
    osd.close();
    std::filesystem::remove(programs + "OSD");
    std::filesystem::create_symlink(std::string(ORVYN_PROGRAM_DIR) + "OSD", programs + "OSD");
    startConnected();
    EndpointPoster poster(runtime.runtime());
    auto osdRunning = [&] { return poster.exists(kOsdTitle); };
    for (int i = 0; i < 1000 && !osdRunning(); ++i)
        std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(osdRunning()) << "Monitor did not start the OSD";
    std::this_thread::sleep_for(1500ms);
    ASSERT_TRUE(osdRunning()) << "the OSD must stay while Monitor runs";

    monitor->kill(SIGKILL);
    monitor->wait();
    monitor.reset();
    const auto killed = std::chrono::steady_clock::now();
    while (osdRunning() && std::chrono::steady_clock::now() - killed < 5s)
        std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(osdRunning()) << "the OSD outlived Monitor";
}

// Monitor through a shell that passes its error output on as ours and sets
// up what `prelude` says first.
std::unique_ptr<Child> startMonitorThroughShell(const std::string &monitor, const std::string &prelude = "") {
    return std::make_unique<Child>(
        std::vector<std::string>{"/bin/sh", "-c", prelude + "exec \"$0\" 2>&1", monitor});
}

TEST_F(MonitorProcessTest, StartUpFaultsStopMonitorWithAClearMessage) {
    struct Case {
        const char *name;
        std::function<void()> arrange;
        std::string prelude;
        std::string says;
    } cases[] = {
        {"a folder in the block's place",
         [&] { std::filesystem::create_directory(runtime.runtime() + kShareDataName); }, "",
         "cannot put the file in place of " + runtime.runtime() + kShareDataName},
        // A full runtime tmpfs, as a file-size limit below the block's size
        // (dash counts 512-byte blocks).
        {"no room for the block", [] {}, "trap '' XFSZ; ulimit -f 128; ", "cannot allocate 84892 bytes"},
        {"a settings folder others may write",
         [&] { std::filesystem::permissions(home, std::filesystem::perms::all); }, "",
         "must not be writable by group or others"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        monitor = startMonitorThroughShell(programs + "Monitor", c.prelude);
        std::string said;
        while (auto line = monitor->readLine(10))
            said += *line + "\n";
        int code = -1;
        ASSERT_TRUE(monitorEnds(&code)) << "Monitor kept running: " << said;
        EXPECT_EQ(code, 1) << said;
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        EXPECT_FALSE(EndpointPoster(runtime.runtime()).exists(kMonitorTitle));
        std::error_code ignored;
        std::filesystem::remove(runtime.runtime() + kShareDataName, ignored);
        std::filesystem::permissions(home, std::filesystem::perms::owner_all);
    }
}

} // namespace
} // namespace orvyn::test
