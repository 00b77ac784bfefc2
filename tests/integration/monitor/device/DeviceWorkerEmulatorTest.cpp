// The device worker end to end: devbridge.so bound by BoundDeviceModule, talking
// through the real socket to an emulated keyboard, on scaled real time.
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <thread>

#include "kbsim/EmulatorServer.h"
#include "monitor/DeviceOutcomes.h"
#include "monitor/RecordKeeper.h"
#include "monitor/device/BoundDeviceModule.h"
#include "monitor/device/DeviceWorker.h"
#include "protocol/FeatureReports.h"
#include "unit/monitor/device/DeviceTestSupport.h"

namespace orvyn {
namespace {

constexpr auto kWaitLimit = std::chrono::seconds(60); // only bounds a hang

class DeviceWorkerEmulatorTest : public ::testing::Test {
protected:
    static inline std::string dir;
    static inline std::string socketPath;

    static void SetUpTestSuite() {
        char pattern[] = "/tmp/orvyn-worker-it-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        socketPath = dir + "/keyboard.sock";
        setenv("ORVYN_KEYBOARD", "emulator", 1);
        setenv("ORVYN_KEYBOARD_SOCKET", socketPath.c_str(), 1);
    }
    static void TearDownTestSuite() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    test::TempFolders folders;
    RealClock keyboardClock;
    KeyboardModel model{keyboardClock};
    EmulatorServer server{model, keyboardClock, socketPath};
    RealClock workerClock{0.01}; // every pause of the worker at 1/100
    BoundDeviceModule library;
    SettingsStore store{folders.home()};
    test::RecordingExchange exchange;
    test::RecordingPoster poster;
    DeviceOutcomes outcomes{&store, &exchange, poster, {}};
    RecordKeeper config{outcomes};
    WorkerMailbox mailbox{outcomes, [this] { mailbox.deliverTo(config); }};
    DeviceWorker worker{DeviceWorkerServices{library, workerClock, config.owed(), mailbox}};

    void SetUp() override {
        ASSERT_TRUE(server.start());
        ASSERT_TRUE(library.load(ORVYN_PROGRAM_DIR)) << library.error();
        ASSERT_TRUE(library.openFeatureDevice());
        config.with([](ConfigBlock &c) { makeDefaultConfig(c, "Profile"); });
        worker.setKeyboardState(KeyboardState::Connected);
        ASSERT_TRUE(worker.start());
    }
    void TearDown() override {
        EXPECT_EQ(worker.stop(), DeviceWorker::StopResult::Ended);
        library.closeFeatureDevice();
        server.stop();
    }
};

TEST_F(DeviceWorkerEmulatorTest, AnAppliedConfigurationIsReadBackFromTheKeyboard) {
    config.with([](ConfigBlock &c) {
        c.CurrentProfile = 3;
        ProfileData &d = c.profiles[3];
        d.LtColor = 6;
        d.PollingRate = 4;
        d.winKeyLockTwin() = 0;
        d.standardkey[45] = 5;
        MacroKeyInfo &k = d.keys[9];
        k.type = 3;
        k.repeatCount = 2;
        setFixed(k.macroName, "Reload");
        k.eventCount = 2;
        k.events[0] = {21, kEventPress, 30000};
        k.events[1] = {21, kEventRelease, 0};
        ChangeFlags &f = c.flags;
        f.currentProfile = 1;
        f.lighting[3] = f.pollingRate[3] = f.modifyKey[3] = f.standardKey[3] = f.keySlot[3][9] = 1;
    });
    ConfigBlock applied;
    config.copyTo(applied);
    config.handOver(applied, 0, Keyboard::Connected);
    ASSERT_TRUE(worker.post(DeviceRequest::ApplyChanges));
    ASSERT_TRUE(worker.waitUntilIdle(kWaitLimit));
    EXPECT_EQ(poster.posted(), std::vector<uint32_t>{WM_APPLY_DONE});
    EXPECT_EQ(model.currentProfile(), 3);

    // Forget everything, then take the keyboard's word for it.
    config.with([](ConfigBlock &c) { makeDefaultConfig(c, "Profile"); });
    ASSERT_TRUE(worker.post(DeviceRequest::ReadEverything));
    ASSERT_TRUE(worker.waitUntilIdle(kWaitLimit));
    EXPECT_EQ(poster.posted(), (std::vector<uint32_t>{WM_APPLY_DONE, WM_READBACK_DONE}));
    EXPECT_EQ(model.closingCount(), 1);

    ConfigBlock back;
    config.copyTo(back);
    const ProfileData &d = back.profiles[3];
    EXPECT_EQ(back.CurrentProfile, 3);
    EXPECT_EQ(d.LtColor, 6);
    EXPECT_EQ(d.PollingRate, 4);
    EXPECT_EQ(d.winKeyLockTwin(), 0);
    EXPECT_EQ(d.winKeyLock(), 1);
    EXPECT_EQ(d.standardkey[45], 5);
    const MacroKeyInfo &k = d.keys[9];
    EXPECT_EQ(k.type, 3);
    EXPECT_EQ(std::string(getFixed(k.macroName)), "Reload");
    ASSERT_EQ(k.eventCount, 2);
    EXPECT_EQ(k.events[0].delay, 30000);
    EXPECT_EQ(k.events[1].state, kEventRelease);

    // Saved and published as read.
    EXPECT_EQ(exchange.publishCount(), 1);
    ProfileData saved{};
    ASSERT_TRUE(SettingsStore::loadProfile(saved, store.profilePath(3)));
    EXPECT_EQ(std::memcmp(&saved.keys[9], &k, sizeof k), 0);
}

TEST_F(DeviceWorkerEmulatorTest, UnpluggingDuringAReadBackEndsItUnsaved) {
    ASSERT_TRUE(worker.post(DeviceRequest::ReadEverything));
    // Let it get going, then do what Monitor does on removal.
    for (int i = 0; i < 2000 && !worker.isBusy(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    server.unplug();
    worker.setKeyboardState(KeyboardState::Removed);
    library.closeFeatureDevice();
    const auto cancelled = std::chrono::steady_clock::now();
    worker.cancelIfBusy();
    ASSERT_TRUE(worker.waitUntilIdle(kWaitLimit));
    EXPECT_LT(std::chrono::steady_clock::now() - cancelled, std::chrono::seconds(2));
    EXPECT_TRUE(poster.posted().empty());
    EXPECT_EQ(exchange.publishCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(store.profilePath(0)));

    // A request queued now is dropped without an answer.
    ASSERT_TRUE(worker.post(DeviceRequest::ApplyChanges));
    ASSERT_TRUE(worker.waitUntilIdle(kWaitLimit));
    EXPECT_TRUE(poster.posted().empty());
}

} // namespace
} // namespace orvyn
