// The main window's message table, keyboard state machine, event dispatch
// and keyboard notices, against recording fakes.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <mutex>

#include "MonitorFakes.h"
#include "shared/IniFile.h"

namespace orvyn::test {
namespace {

PostedMessage msg(uint32_t message, int64_t wParam, int64_t lParam) {
    PostedMessage m;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    return m;
}

const std::string kOsd = std::string("post ") + kOsdTitle + " ";
const std::string kOption = std::string("post ") + kOptionTitle + " ";

class MonitorWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/monitor-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = std::string(pattern) + "/";
        std::filesystem::create_directories(folder + "config");
        settings = std::make_unique<SettingsStore>(folder);
        MonitorServices s;
        s.programFolder = "/opt/orvyn/";
        s.settings = settings.get();
        s.keyboard = &keyboard;
        s.worker = &worker;
        s.exchange = &exchange;
        s.poster = &poster;
        s.shell = &shell;
        s.players = &players;
        s.foreground = &foreground;
        s.processNames = [this](pid_t pid) -> std::optional<ProcessNames> {
            if (pid == 42)
                return names;
            if (const auto it = otherNames.find(pid); it != otherNames.end())
                return it->second;
            return std::nullopt;
        };
        s.descendants = [this](pid_t pid) { return descendants[pid]; };
        s.notifier = &notifier;
        s.userTime = &userTime;
        s.tray = &tray;
        s.loop = &loop;
        s.clock = &clock;
        s.trace = [this](std::string_view t) { journal.add("trace " + std::string(t)); };
        wnd = std::make_unique<CMonitorWnd>(std::move(s));
        edit([](ConfigBlock &c) { makeDefaultConfig(c, "Profile"); });
        poster.present = {kOptionTitle, kOsdTitle};
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    template <typename F> void edit(F f) { wnd->record().with(f); }

    // Brings the window to the connected state and forgets the journal.
    void connect() {
        wnd->startKeyboard(false);
        ASSERT_EQ(wnd->keyboardState(), KeyboardState::Connected);
        journal.entries.clear();
        clock.clearPauses();
    }
    IniDocument ini() const {
        IniDocument doc;
        loadIniDocument(folder + "config.ini", doc);
        return doc;
    }

    Journal journal;
    std::string folder;
    std::unique_ptr<SettingsStore> settings;
    FakeKeyboard keyboard{journal};
    FakeWorker worker{journal};
    FakeExchange exchange{journal};
    FakePoster poster{journal};
    FakeShell shell{journal};
    FakePlayers players{journal};
    FakeForeground foreground;
    ProcessNames names;
    std::map<pid_t, ProcessNames> otherNames;
    std::map<pid_t, std::vector<pid_t>> descendants;
    FakeNotifier notifier{journal};
    FakeUserTime userTime;
    FakeTray tray{journal};
    FakeLoop loop{journal};
    VirtualClock clock;
    std::unique_ptr<CMonitorWnd> wnd;
};

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

TEST_F(MonitorWndTest, ProfileNoticeWritesPublishesAndTellsOptionThenOsd) {
    connect();
    wnd->dispatch(0x10000003);
    EXPECT_EQ(wnd->snapshot().CurrentProfile, 2);
    EXPECT_EQ(ini().readNumber("Setting", "CurrentProfile", -1), 2);
    const std::vector<std::string> expected = {"publish", kOption + "1255 0 0",
                                               kOsd + "1324 40 " + std::to_string(2 << 16)};
    EXPECT_EQ(journal.entries, expected);
    EXPECT_EQ(exchange.block.CurrentProfile, 2);

    journal.entries.clear();
    wnd->dispatch(0x10000000);
    wnd->dispatch(0x10000006);
    wnd->dispatch(0x10000101); // the whole data word counts
    EXPECT_TRUE(journal.entries.empty());
    EXPECT_EQ(wnd->snapshot().CurrentProfile, 2);
}

TEST_F(MonitorWndTest, LightingNotices) {
    connect();
    edit([](ConfigBlock &c) { c.CurrentProfile = 1; });
    wnd->dispatch(0x20000005);
    EXPECT_EQ(wnd->snapshot().profiles[1].LtColor, 5);
    EXPECT_EQ(journal.entries, (std::vector<std::string>{"publish", kOption + "1257 0 0"}));

    journal.entries.clear();
    wnd->dispatch(0x30000010);
    EXPECT_EQ(wnd->snapshot().profiles[1].LtControl, 16);
    EXPECT_EQ(journal.entries, (std::vector<std::string>{"publish", kOption + "1257 0 0"}));

    journal.entries.clear();
    const int32_t control = wnd->snapshot().profiles[1].LtControl;
    for (uint32_t word : {0x30000003u, 0x30000000u, 0x30000040u, 0x20000000u, 0x20000008u})
        wnd->dispatch(word);
    EXPECT_TRUE(journal.entries.empty());
    EXPECT_EQ(wnd->snapshot().profiles[1].LtControl, control);
    EXPECT_EQ(wnd->snapshot().profiles[1].LtColor, 5);

    // A stray high byte never reaches the record.
    wnd->dispatch(0x20000203);
    EXPECT_EQ(wnd->snapshot().profiles[1].LtColor, 3);
}

TEST_F(MonitorWndTest, WindowsKeyTellsOsdBeforeOption) {
    connect();
    edit([](ConfigBlock &c) { c.CurrentProfile = 4; });
    wnd->dispatch(0x50000000);
    EXPECT_EQ(wnd->snapshot().profiles[4].winKeyLock(), 1);
    EXPECT_EQ(wnd->snapshot().profiles[4].winKeyLockTwin(), 1);
    EXPECT_EQ(settings->readOsdMessage(), "Windows Key: Lock");
    EXPECT_EQ(journal.entries,
              (std::vector<std::string>{"publish", kOsd + "1324 50 0", kOption + "1257 0 0"}));

    wnd->dispatch(0x50000001);
    EXPECT_EQ(wnd->snapshot().profiles[4].winKeyLock(), 0);
    EXPECT_EQ(wnd->snapshot().profiles[4].winKeyLockTwin(), 0);
    EXPECT_EQ(settings->readOsdMessage(), "Windows Key: UnLock");

    journal.entries.clear();
    wnd->dispatch(0x50000002);
    EXPECT_TRUE(journal.entries.empty());
}

TEST_F(MonitorWndTest, NoticesWithoutOptionOrOsdStillPublish) {
    connect();
    poster.present.clear();
    wnd->dispatch(0x10000002);
    EXPECT_EQ(journal.entries, std::vector<std::string>{"publish"});
}

TEST_F(MonitorWndTest, NoticesWithoutSelectedProfileChangeNothing) {
    connect();
    edit([](ConfigBlock &c) { c.CurrentProfile = -1; });
    wnd->dispatch(0x20000003);
    wnd->dispatch(0x50000000);
    EXPECT_TRUE(journal.entries.empty());
}

TEST_F(MonitorWndTest, HandOverWhileConnectedQueuesApply) {
    connect();
    OsdSettings osd{};
    osd.mailCheck = 1;
    osd.osdParamHigh = 0x12;
    osd.osdParamLow = 0x34;
    ASSERT_TRUE(settings->writeOsdSettings(osd));
    shell.programs = {"/opt/orvyn/Applets/MailCheck"};
    exchange.block = wnd->snapshot();
    exchange.block.profiles[0].LtColor = 6;

    EXPECT_EQ(wnd->handle(msg(WM_CONFIG_APPLY, 1, 0)), 0);
    EXPECT_EQ(wnd->snapshot().profiles[0].LtColor, 6);
    const std::vector<std::string> expected = {"take", kOsd + "1326 0 " + std::to_string((0x12 << 16) | 0x34),
                                               "open /opt/orvyn/Applets/MailCheck", "request 1 1"};
    EXPECT_EQ(journal.entries, expected);
}

TEST_F(MonitorWndTest, HandOverWhileDisconnectedAnswersAtOnce) {
    keyboard.present = false;
    wnd->startKeyboard(false);
    journal.entries.clear();
    wnd->handle(msg(WM_CONFIG_APPLY, 0, 0));
    EXPECT_FALSE(journal.contains("request 1 0"));
    EXPECT_TRUE(journal.contains(kOption + "1256 0 0"));
    EXPECT_TRUE(journal.contains("trace OnApplyAllSetting  Send Enable OK/Apply Button\n"));

    // Without Option's window the other trace is written.
    journal.entries.clear();
    poster.present.clear();
    wnd->handle(msg(WM_CONFIG_APPLY, 0, 0));
    EXPECT_TRUE(journal.contains("trace OnApplyAllSetting Don't find Merak Option Dialog\n"));
}

TEST_F(MonitorWndTest, HandOverAnswersWhenTheWorkerRefuses) {
    connect();
    worker.accepts = false;
    wnd->handle(msg(WM_CONFIG_APPLY, 0, 0));
    EXPECT_TRUE(journal.contains("request 1 0"));
    EXPECT_TRUE(journal.contains(kOption + "1256 0 0"));
}

TEST_F(MonitorWndTest, HandOverWithoutTheBlockAnswersAtOnceAndSendsNothing) {
    connect();
    exchange.takes = false; // a stuck holder of the block's mutex, a cut file
    wnd->handle(msg(WM_CONFIG_APPLY, 0, 0));
    EXPECT_FALSE(journal.contains("request 1 0"));
    EXPECT_TRUE(journal.contains(kOption + "1256 0 0"));
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
    EXPECT_TRUE(journal.contains(kOption + "1256 0 0"));
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

PostedMessage copyData(std::size_t size, std::string_view text) {
    PostedMessage m;
    m.message = WM_COPYDATA_MSG;
    m.hasCopyData = true;
    m.copyData.assign(size, 0);
    for (std::size_t i = 0; i < text.size() && i + 1 < size; ++i)
        m.copyData[i + 1] = static_cast<uint8_t>(text[i]);
    return m;
}

TEST_F(MonitorWndTest, CopyDataTakesOnlyTheNoticeSize) {
    connect();
    EXPECT_EQ(wnd->handle(copyData(150, "short")), 1);
    EXPECT_EQ(wnd->handle(copyData(152, "long")), 1);
    EXPECT_TRUE(journal.entries.empty());
    EXPECT_EQ(settings->readOsdMessage(), "");

    EXPECT_EQ(wnd->handle(copyData(151, "New mail")), 1);
    EXPECT_EQ(settings->readOsdMessage(), "New mail");
    EXPECT_EQ(journal.entries, std::vector<std::string>{kOsd + "1324 50 0"});

    // Without a NUL the text runs to the end of the block.
    PostedMessage full = copyData(151, "");
    std::fill(full.copyData.begin() + 1, full.copyData.end(), 'x');
    wnd->handle(full);
    EXPECT_EQ(settings->readOsdMessage(), std::string(150, 'x'));
}

TEST_F(MonitorWndTest, CopyDataWhileDisconnectedOnlyStoresTheText) {
    keyboard.present = false;
    wnd->startKeyboard(false);
    journal.entries.clear();
    wnd->handle(copyData(151, "Call"));
    EXPECT_EQ(settings->readOsdMessage(), "Call");
    EXPECT_TRUE(journal.entries.empty());
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
