// Monitor in its default hid mode (the real devbridge.so over the
// distribution's hidapi and libudev) against the keyboard in a umockdev
// testbed: the vendor and boot keyboard interfaces as the kernel shows them,
// their feature reports answered by the same keyboard model the emulator
// serves. Where a path exists on both transports the rows run it on both.
#include "MonitorProcessKit.h"
#include "support/HidTestbed.h"

namespace orvyn::test {
namespace {

enum class Transport { Emulator, Hid };
enum class Hotplug { Udev, Polling };
constexpr uint16_t kVendorId = 0x1209, kProductId = 0x0001;
constexpr auto kAnnounceLimit = 1000ms;

class MonitorHidTest : public MonitorProcessTest {
protected:
    void SetUp() override {
        MonitorProcessTest::SetUp();
        testbed = std::make_unique<HidTestbed>();
        ::setenv("ORVYN_TRACE", "1", 1);
        logPath = runtime.base() + "/monitor.log";
    }
    void TearDown() override {
        MonitorProcessTest::TearDown();
        if (HasFailure())
            std::cerr << "--- Monitor's trace\n" << log();
        testbed.reset();
    }

    // Monitor with its trace in a log; with udev in a private /run whose
    // udev control socket exists, as where udevd runs.
    void start(Transport transport, Hotplug hotplug = Hotplug::Udev) {
        ::setenv("ORVYN_KEYBOARD", transport == Transport::Hid ? "hid" : "emulator", 1);
        std::string script = "exec \"$0\" 2>>\"$1\"";
        std::vector<std::string> args;
        if (hotplug == Hotplug::Udev) {
            args = {"/usr/bin/unshare", "-m", "--propagation", "private"};
            if (::geteuid() != 0)
                args.push_back("-r");
            script = "mount -t tmpfs tmpfs /run && mkdir /run/udev && : >/run/udev/control && " + script;
        }
        args.insert(args.end(), {"/bin/sh", "-c", script, programs + "Monitor", logPath});
        monitor = std::make_unique<Child>(args);
    }
    void stop() {
        monitor->kill(SIGTERM);
        monitor->wait();
        monitor.reset();
    }
    int plugKeyboard(std::chrono::milliseconds gap = 0ms, NodeFault fault = NodeFault::None) {
        const int keyboard = testbed->plug(
            kVendorId, kProductId, {{HidrawInterface::BootKeyboard}, {HidrawInterface::Vendor, &model}}, gap);
        testbed->node(keyboard, 1).setFault(fault);
        return keyboard;
    }
    HidrawNode &bootNode(int keyboard) { return testbed->node(keyboard, 0); }

    std::string log() const { return fileText(logPath); }
    int logCount(const std::string &text) const {
        const std::string l = log();
        int n = 0;
        for (auto at = l.find(text); at != std::string::npos; at = l.find(text, at + 1))
            ++n;
        return n;
    }
    std::vector<std::string> profileFiles() const {
        std::vector<std::string> files;
        for (int p = 0; p < 5; ++p)
            files.push_back(fileText(SettingsStore(home).profilePath(p)));
        return files;
    }
    // Reports the model saw since the last call, as (SET/GET, bytes).
    std::vector<std::pair<bool, std::vector<uint8_t>>> takeReports() {
        std::vector<std::pair<bool, std::vector<uint8_t>>> out;
        for (const ReportTrace &t : model.traces())
            out.emplace_back(t.kind == ReportTrace::Kind::Set, t.bytes);
        model.clearTraces();
        return out;
    }
    void waitForReports(std::size_t count) {
        eventually([&] { return model.traces().size() >= count; });
    }
    // Publishes a lighting change of `profile` and asks for it to be applied,
    // every report traced from here on.
    void applyLighting(int profile, uint8_t colour) {
        auto config = sharedBlock();
        config->profiles[profile].LtColor = colour;
        config->flags.lighting[profile] = 1;
        SharedConfigBlock shared;
        shared.open(runtime.runtime());
        ASSERT_TRUE(shared.publish(*config));
        model.setTracing(true);
        model.clearTraces();
        option.drain();
        ASSERT_TRUE(post(WM_CONFIG_APPLY, 0));
    }
    void giveModelAConfiguration() {
        model.setCurrentProfile(3);
        for (int p = 0; p < 5; ++p) {
            ProfileMemory m = model.profile(p);
            m.lighting[6] = static_cast<uint8_t>(p + 1);
            m.matrix[40] = static_cast<uint8_t>(10 + p);
            m.pollingCode = p % 2 ? 8 : 2;
            model.setProfile(p, m);
        }
    }

    std::unique_ptr<HidTestbed> testbed;
    std::string logPath;
};

TEST_F(MonitorHidTest, PresentAtStartReadsBackWhatTheEmulatorPathReads) {
    giveModelAConfiguration();
    ASSERT_TRUE(server->start());
    start(Transport::Emulator);
    ASSERT_TRUE(option.waitFor(WM_READBACK_DONE));
    const auto viaEmulator = sharedBlock();
    stop();
    server->stop();

    const int keyboard = plugKeyboard();
    model.setTracing(true);
    start(Transport::Hid);
    ASSERT_TRUE(option.waitFor(WM_READBACK_DONE));
    const auto viaHid = sharedBlock();
    EXPECT_EQ(viaHid->CurrentProfile, 3);
    EXPECT_EQ(viaHid->profiles[4].LtColor, 5);
    EXPECT_EQ(std::memcmp(viaHid->profiles, viaEmulator->profiles, sizeof viaHid->profiles), 0);
    EXPECT_EQ(viaHid->CurrentProfile, viaEmulator->CurrentProfile);
    EXPECT_TRUE(waitForIni("Setting", "Device", 1));
    EXPECT_GT(model.traces().size(), 50u);
    EXPECT_EQ(bootNode(keyboard).calls(), 0) << "the boot keyboard interface is never opened";
}

TEST_F(MonitorHidTest, OneApplySendsTheEmulatorPathsReports) {
    std::vector<std::vector<std::pair<bool, std::vector<uint8_t>>>> sent;
    for (const Transport transport : {Transport::Emulator, Transport::Hid}) {
        if (transport == Transport::Emulator)
            ASSERT_TRUE(server->start());
        else
            plugKeyboard();
        start(transport);
        ASSERT_TRUE(option.waitFor(WM_READBACK_DONE));
        model.setAlwaysBusy(true); // the whole completion wait: every poll answered busy
        ASSERT_NO_FATAL_FAILURE(applyLighting(1, 6));
        ASSERT_TRUE(option.waitFor(WM_APPLY_DONE));
        sent.push_back(takeReports());
        model.setTracing(false);
        model.setAlwaysBusy(false);
        stop();
        server->stop();
    }
    ASSERT_EQ(sent[0].size(), 11u) << "report 10, then ten polls";
    EXPECT_EQ(sent[0].front().second[0], 10);
    EXPECT_EQ(sent[1], sent[0]);
}

TEST_F(MonitorHidTest, UnplugDuringAnApplyAndAReadBackThenReplug) {
    int keyboard = plugKeyboard();
    start(Transport::Hid);
    ASSERT_TRUE(option.waitFor(WM_READBACK_DONE));
    const auto saved = profileFiles();

    // During an apply: the keyboard stays busy.
    model.setAlwaysBusy(true);
    ASSERT_NO_FATAL_FAILURE(applyLighting(2, 3));
    waitForReports(2);
    testbed->unplug(keyboard);
    EXPECT_TRUE(option.waitFor(WM_CLOSE_MSG));
    EXPECT_TRUE(waitForIni("Setting", "Device", 0));
    model.setAlwaysBusy(false);

    // During the read-back after the arrival.
    giveModelAConfiguration();
    model.clearTraces();
    keyboard = plugKeyboard();
    waitForReports(6);
    testbed->unplug(keyboard);
    EXPECT_TRUE(option.waitFor(WM_CLOSE_MSG));
    EXPECT_EQ(profileFiles(), saved) << "nothing half-saved";

    option.drain();
    plugKeyboard();
    ASSERT_TRUE(option.waitFor(WM_READBACK_DONE));
    EXPECT_TRUE(option.quiet()) << "one read-back per arrival";
    EXPECT_EQ(sharedBlock()->profiles[4].LtColor, 5);
    EXPECT_TRUE(monitorListening());
}

TEST_F(MonitorHidTest, RemovalsOfAnIdleKeyboardAreAnnouncedWithinASecond) {
    int keyboard = plugKeyboard();
    start(Transport::Hid, Hotplug::Udev);
    ASSERT_TRUE(option.waitFor(WM_READBACK_DONE));
    for (int round = 0; round < 8; ++round) {
        std::this_thread::sleep_for(100ms); // idle
        option.drain();
        testbed->unplug(keyboard);
        const auto unplugged = std::chrono::steady_clock::now();
        ASSERT_TRUE(option.waitFor(WM_CLOSE_MSG)) << "round " << round;
        EXPECT_LT(std::chrono::steady_clock::now() - unplugged, kAnnounceLimit) << "round " << round;
        EXPECT_TRUE(waitForIni("Setting", "Device", 0));
        keyboard = plugKeyboard();
        ASSERT_TRUE(option.waitFor(WM_READBACK_DONE)) << "round " << round;
    }
    EXPECT_GT(logCount("devbridge: udev remove /dev/hidraw"), 0) << "the udev path ran";
}

TEST_F(MonitorHidTest, AnArrivalWhoseBootKeyboardNodeComesFirstOpensOnlyTheVendorNode) {
    int watching = 0;
    for (const Hotplug hotplug : {Hotplug::Udev, Hotplug::Polling}) {
        start(Transport::Hid, hotplug);
        // Plugged once the library watches (after Monitor's start-up look).
        ++watching;
        eventually([&] { return logCount("udev for hidraw") + logCount("udevd is not running") >= watching; },
                   10s);
        const int keyboard = plugKeyboard(100ms);
        ASSERT_TRUE(option.waitFor(WM_READBACK_DONE));
        EXPECT_EQ(bootNode(keyboard).calls(), 0);
        EXPECT_TRUE(option.quiet()) << "one arrival, no removal between";
        testbed->unplug(keyboard);
        stop();
    }
}

// umockdev routes every open of a mocked node to its handler whatever the
// file's mode, so the refusal comes with the first call after the open.
TEST_F(MonitorHidTest, ANodeWithoutPermissionGivesTheNoticeOncePerArrival) {
    const std::string notice = "Monitor: The keyboard is connected, but this user may not use it";
    // Said once however often the watcher and Monitor try again meanwhile.
    auto noticesSettleAt = [&](int count) {
        eventually([&] { return logCount(notice) >= count; }, 3s);
        std::this_thread::sleep_for(1500ms);
        return logCount(notice) == count;
    };
    int keyboard = plugKeyboard(0ms, NodeFault::NoPermission);
    start(Transport::Hid);
    EXPECT_TRUE(noticesSettleAt(1));
    testbed->unplug(keyboard);
    keyboard = plugKeyboard(0ms, NodeFault::NoPermission);
    EXPECT_TRUE(noticesSettleAt(2));
    EXPECT_EQ(logCount("devbridge: opened"), 0);
}

TEST_F(MonitorHidTest, AnotherHidDeviceComingAndGoingChangesNothing) {
    plugKeyboard();
    start(Transport::Hid);
    ASSERT_TRUE(option.waitFor(WM_READBACK_DONE));
    model.setTracing(true);
    model.clearTraces();
    const int other = testbed->plug(0x1234, 0x5678, {{HidrawInterface::Vendor, &model}});
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(testbed->node(other, 0).calls(), 0) << "never opened";
    testbed->unplug(other);
    EXPECT_TRUE(option.quiet());
    EXPECT_TRUE(waitForIni("Setting", "Device", 1));
    EXPECT_TRUE(model.traces().empty());
}

TEST_F(MonitorHidTest, AGarbageNodeWritesNoSettingsAndMonitorStaysUp) {
    for (const NodeFault fault :
         {NodeFault::WrongReportId, NodeFault::ShortReply, NodeFault::FailEveryCall}) {
        giveModelAConfiguration();
        const int keyboard = plugKeyboard(0ms, fault);
        start(Transport::Hid);
        ASSERT_TRUE(monitorListening());
        while (const auto m = option.next(kQuiet))
            EXPECT_NE(m->message.message, WM_READBACK_DONE) << "no read-back announced";
        std::this_thread::sleep_for(300ms);
        for (int p = 0; p < 5; ++p)
            EXPECT_FALSE(std::filesystem::exists(SettingsStore(home).profilePath(p)));
        EXPECT_TRUE(monitorListening());
        stop();
        testbed->unplug(keyboard);
    }
}

} // namespace
} // namespace orvyn::test
