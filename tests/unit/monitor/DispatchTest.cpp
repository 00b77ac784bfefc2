// The main window's keyboard state machine, event dispatch, commands and
// shutdown, against recording fakes.
#include <gtest/gtest.h>

#include "MonitorWndFixture.h"

namespace orvyn::test {
namespace {

TEST_F(MonitorWndTest, StartWithKeyboardOpensTimersTrayAndOption) {
    shell.programs = {"/opt/orvyn/OSD", "/opt/orvyn/Option"};
    poster.present = {kOsdTitle};
    wnd->startKeyboard(true);
    EXPECT_EQ(clock.pauses(), std::vector<Millis>{Millis(1000)});
    EXPECT_EQ(wnd->keyboardState(), KeyboardState::Connected);
    EXPECT_EQ(worker.state, KeyboardState::Connected);
    const std::vector<std::string> expected = {"openMonitor",
                                               "openFeature",
                                               "watchStart",
                                               "readBackStart",
                                               "trayAdd",
                                               "trace CMonitorWnd OnCustomizer\n",
                                               "trace CMonitorWnd OnCustomizer hWnd==NULL\n",
                                               "open /opt/orvyn/Option",
                                               "open /opt/orvyn/OSD"};
    EXPECT_EQ(journal.entries, expected);
    EXPECT_EQ(ini().readNumber("Setting", "Device", -1), 1);
}

TEST_F(MonitorWndTest, StartWithoutKeyboardNeitherTraysNorStartsOption) {
    keyboard.present = false;
    wnd->startKeyboard(true);
    EXPECT_EQ(wnd->keyboardState(), KeyboardState::NotFound);
    EXPECT_FALSE(journal.contains("trayAdd"));
    EXPECT_FALSE(journal.contains("watchStart"));
    EXPECT_FALSE(journal.contains("open /opt/orvyn/Option"));
    EXPECT_EQ(ini().readNumber("Setting", "Device", -1), 0);
}

TEST_F(MonitorWndTest, ArrivalAndRemovalFollowTheStateMachine) {
    connect();
    // A second arrival while connected is ignored.
    wnd->handle(msg(WM_DEVICE_CHANGE, 1, 0));
    EXPECT_TRUE(journal.entries.empty());
    EXPECT_TRUE(clock.pauses().empty());

    wnd->handle(msg(WM_DEVICE_CHANGE, 0, 0));
    EXPECT_EQ(wnd->keyboardState(), KeyboardState::Removed);
    EXPECT_EQ(worker.state, KeyboardState::Removed);
    std::vector<std::string> removal = {"closeFeature", "cancel", "trayRemove", "watchStop",
                                        kOption + "16 0 0"};
    EXPECT_EQ(journal.entries, removal);
    EXPECT_EQ(ini().readNumber("Setting", "Device", -1), 0);

    journal.entries.clear();
    wnd->handle(msg(WM_DEVICE_CHANGE, 0, 0)); // repeated removal
    EXPECT_TRUE(journal.entries.empty());

    // The keyboard's pause is a timer: nothing sleeps, and the rest of the
    // arrival happens when it fires.
    wnd->handle(msg(WM_DEVICE_CHANGE, 1, 0));
    EXPECT_TRUE(clock.pauses().empty());
    EXPECT_EQ(journal.entries, std::vector<std::string>{"arrivalStart"});
    EXPECT_EQ(wnd->keyboardState(), KeyboardState::Connected);
    journal.entries.clear();
    wnd->onArrivalTimer();
    std::vector<std::string> arrival = {"arrivalStop", "openFeature", "request 2 0", "trayAdd", "watchStart"};
    EXPECT_EQ(journal.entries, arrival);
    EXPECT_EQ(ini().readNumber("Setting", "Device", -1), 1);

    journal.entries.clear();
    wnd->handle(msg(WM_DEVICE_CHANGE, 7, 0)); // neither arrival nor removal
    EXPECT_TRUE(journal.entries.empty());
}

TEST_F(MonitorWndTest, ReadBackTimerFiresOnce) {
    connect();
    wnd->onReadBackTimer();
    EXPECT_EQ(journal.entries, (std::vector<std::string>{"readBackStop", "request 2 0"}));
}

TEST_F(MonitorWndTest, ProgramKeyEvents) {
    connect();
    edit([](ConfigBlock &c) {
        auto &key = c.profiles[0].keys[2];
        key.type = static_cast<uint8_t>(AssignType::LaunchProgram);
        setFixed(key.programPath, "/usr/bin/true");
        c.CurrentProfile = 0;
    });

    wnd->handle(msg(WM_DEVICE_EVENT, 0x4000, 0x0000));
    EXPECT_EQ(journal.entries, std::vector<std::string>{"self 273 6001 0"});
    journal.entries.clear();

    wnd->dispatch(0x40000105); // high byte set: nothing
    wnd->dispatch(0x40000010); // key 16 is outside the keyboard's slots
    wnd->dispatch(0x40000001); // key 1 is not a program key
    EXPECT_TRUE(journal.entries.empty());

    wnd->dispatch(0x40000003);
    EXPECT_EQ(journal.entries, std::vector<std::string>{"open /usr/bin/true"});
}

TEST_F(MonitorWndTest, MediaAndMacroEvents) {
    connect();
    edit([](ConfigBlock &c) {
        c.CurrentProfile = 1;
        c.profiles[1].MediaOption = 0;
    });
    players.players = {{"org.mpris.MediaPlayer2.a", "A", "", MediaPlayer::Status::Playing}};

    wnd->dispatch(0x60000020);
    EXPECT_EQ(journal.entries, std::vector<std::string>{"Raise org.mpris.MediaPlayer2.a"});
    journal.entries.clear();
    wnd->dispatch(0x60000028); // outside 0x20-0x27
    wnd->dispatch(0x60000125); // flag set
    wnd->dispatch(0x60000025); // no command for 0x25
    EXPECT_TRUE(journal.entries.empty());

    wnd->handle(msg(WM_DEVICE_EVENT, 0x7000, 0x0106));
    EXPECT_EQ(journal.entries, std::vector<std::string>{"request 4 262"});
}

TEST_F(MonitorWndTest, UnknownEventWordsAndMessagesAreIgnored) {
    connect();
    const ConfigBlock before = wnd->snapshot();
    for (uint32_t word : {0x00000000u, 0x0FFF0001u, 0x80000001u, 0xFFFFFFFFu, 0x7F000003u, 0x10010001u})
        wnd->dispatch(word);
    EXPECT_EQ(wnd->handle(msg(999, 1, 2)), 0);
    EXPECT_EQ(wnd->handle(msg(WM_COMMAND_MSG, 1234, 0)), 0);
    EXPECT_TRUE(journal.entries.empty());
    const ConfigBlock after = wnd->snapshot();
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

TEST_F(MonitorWndTest, ABouncingCableGivesOneReadBackAfterTheLastArrivalAndNothingIsLost) {
    connect();
    // Unplugged and plugged again three times; Option applies and a macro
    // is recorded while the keyboard's pause runs.
    wnd->handle(msg(WM_DEVICE_CHANGE, 0, 0));
    wnd->handle(msg(WM_DEVICE_CHANGE, 1, 0));
    wnd->handle(msg(WM_DEVICE_CHANGE, 0, 0));
    wnd->handle(msg(WM_DEVICE_CHANGE, 1, 0));
    wnd->handle(msg(WM_CONFIG_APPLY, 0, 0));
    wnd->dispatch(0x70000003);
    wnd->handle(msg(WM_DEVICE_CHANGE, 0, 0));
    // An apply held for a keyboard that went again is answered like one
    // without a keyboard.
    EXPECT_TRUE(journal.contains(kOption + "1256 0 1"));
    wnd->handle(msg(WM_DEVICE_CHANGE, 1, 0));
    wnd->handle(msg(WM_CONFIG_APPLY, 1, 0));
    EXPECT_EQ(std::count(journal.entries.begin(), journal.entries.end(), "arrivalStart"), 3);
    EXPECT_EQ(std::count(journal.entries.begin(), journal.entries.end(), "arrivalStop"), 2);
    EXPECT_TRUE(clock.pauses().empty());
    for (const auto &e : journal.entries)
        EXPECT_EQ(e.rfind("request", 0), std::string::npos)
            << "nothing reaches the worker during the pause: " << e;

    journal.entries.clear();
    wnd->onArrivalTimer();
    const std::vector<std::string> after = {"arrivalStop", "openFeature", "request 2 0",
                                            "request 1 1", "trayAdd",     "watchStart"};
    EXPECT_EQ(journal.entries, after);
    // A stray timer after the pause changes nothing.
    journal.entries.clear();
    wnd->onArrivalTimer();
    EXPECT_EQ(journal.entries, std::vector<std::string>{"arrivalStop"});
}

TEST_F(MonitorWndTest, KeyboardMessagesFromOutsideAreRefused) {
    connect();
    // The device module delivers these inside the process; through the
    // endpoint they would make Monitor believe the keyboard went away.
    EXPECT_EQ(wnd->handleFromOutside(msg(WM_DEVICE_CHANGE, 0, 0)), 0);
    EXPECT_EQ(wnd->handleFromOutside(msg(WM_DEVICE_EVENT, 0x4000, 0)), 0);
    EXPECT_EQ(wnd->handleFromOutside(msg(WM_DEVICE_EVENT, 0x7000, 1)), 0);
    EXPECT_EQ(wnd->keyboardState(), KeyboardState::Connected);
    for (const auto &e : journal.entries)
        EXPECT_EQ(e.rfind("trace", 0), 0u) << e;
    // Everything else passes.
    journal.entries.clear();
    wnd->handleFromOutside(msg(WM_CONFIG_APPLY, 0, 0));
    EXPECT_TRUE(journal.contains("request 1 0"));
}

// A keyboard whose closing report does not come back until released.
class SlowKeyboard final : public KeyboardControl {
public:
    bool openMonitor() override { return true; }
    bool openFeatureDevice() override { return true; }
    bool closeFeatureDevice() override { return true; }
    bool closeMonitor() override { return true; }
    bool sendClosingReport() override {
        std::unique_lock lock(mutex);
        changed.wait(lock, [this] { return released; });
        returned = true;
        changed.notify_all();
        return true;
    }
    std::mutex mutex;
    std::condition_variable changed;
    bool released = false;
    bool returned = false;
};

TEST_F(MonitorWndTest, ShutdownWaitsAtMostASecondForTheClosingReport) {
    SlowKeyboard slow;
    MonitorServices s;
    s.settings = settings.get();
    s.keyboard = &slow;
    s.worker = &worker;
    s.poster = &poster;
    s.shell = &shell;
    s.tray = &tray;
    s.loop = &loop;
    s.clock = &clock;
    s.trace = [](std::string_view) {};
    CMonitorWnd slowWnd(std::move(s));
    const auto start = std::chrono::steady_clock::now();
    slowWnd.shutdown();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(900));
    EXPECT_LT(took, std::chrono::milliseconds(3000));
    EXPECT_TRUE(slowWnd.closingReportAbandoned());
    EXPECT_TRUE(journal.contains("stopWorker")) << "the rest of the shutdown still runs";
    // The report's thread finishes on its own once the keyboard answers.
    std::unique_lock lock(slow.mutex);
    slow.released = true;
    slow.changed.notify_all();
    EXPECT_TRUE(slow.changed.wait_for(lock, std::chrono::seconds(10), [&] { return slow.returned; }));
}

TEST_F(MonitorWndTest, TakeOnlyMessages) {
    connect();
    wnd->handle(msg(WM_CONFIG_TAKE_ONLY, 0, 0));
    wnd->handle(msg(WM_CONFIG_TAKE_ONLY_ALT, 0, 0));
    EXPECT_EQ(journal.entries, (std::vector<std::string>{"take", "take"}));
}

TEST_F(MonitorWndTest, CommandsAndTray) {
    connect();
    wnd->handle(msg(WM_COMMAND_MSG, CMD_QUIT_MONITOR, 0));
    EXPECT_EQ(journal.entries, std::vector<std::string>{"self 16 0 0"});
    journal.entries.clear();

    wnd->handle(msg(WM_COMMAND_MSG, CMD_CUSTOMIZER, 0));
    const std::vector<std::string> raise = {"trace CMonitorWnd OnCustomizer\n",
                                            "trace CMonitorWnd OnCustomizer hWnd!=NULL\n",
                                            kOption + "274 61728 0"};
    EXPECT_EQ(journal.entries, raise);
    journal.entries.clear();

    wnd->handle(msg(WM_TRAY_NOTIFY, 102, kMouseLeftDoubleClick));
    EXPECT_EQ(journal.entries.front(), "trace OnSystrayNotify WM_LBUTTONDBLCLK\n");
    EXPECT_EQ(journal.entries.back(), kOption + "274 61728 0");
    journal.entries.clear();
    wnd->handle(msg(WM_TRAY_NOTIFY, 102, 0x200)); // mouse move
    EXPECT_TRUE(journal.entries.empty());

    bool closed = false;
    wnd->setCloseHandler([&] { closed = true; });
    wnd->handle(msg(WM_CLOSE_MSG, 0, 0));
    EXPECT_TRUE(closed);
}

TEST_F(MonitorWndTest, ShutdownOrder) {
    connect();
    poster.present = {kOptionTitle, kOsdTitle, kLoadMeterTitle};
    wnd->shutdown();
    const std::vector<std::string> expected = {
        "report16",      "watchStop",        "readBackStop",
        "arrivalStop",   kOption + "16 0 0", std::string("post ") + kLoadMeterTitle + " 16 0 0",
        kOsd + "16 0 0", "cancel",           "stopWorker"};
    EXPECT_EQ(journal.entries, expected);
}

} // namespace
} // namespace orvyn::test
