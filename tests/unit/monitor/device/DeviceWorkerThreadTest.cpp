// The worker's own thread: its queue, its order, and a stop that abandons a
// thread stuck in the module.
#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

#include "DeviceWorkerRig.h"

namespace orvyn {
namespace {

using namespace orvyn::test;

// --- the thread -------------------------------------------------------------------

TEST(DeviceWorkerThread, ServesQueuedRequestsInOrderAndStops) {
    Rig rig;
    prepareKeyboard(rig.model);
    EXPECT_FALSE(rig.worker.post(DeviceRequest::ApplyChanges)); // not started
    ASSERT_TRUE(rig.worker.start());
    EXPECT_FALSE(rig.worker.start());
    ASSERT_TRUE(rig.worker.post(DeviceRequest::ReadEverything));
    rig.config.handOver(rig.record(), 0, Keyboard::Connected);
    ASSERT_TRUE(rig.worker.post(DeviceRequest::ApplyChanges));
    ASSERT_TRUE(rig.worker.waitUntilIdle(std::chrono::seconds(30)));
    EXPECT_EQ(rig.poster.posted(), (std::vector<uint32_t>{WM_READBACK_DONE, WM_APPLY_DONE}));
    EXPECT_EQ(rig.worker.stop(), DeviceWorker::StopResult::Ended);
    EXPECT_FALSE(rig.worker.post(DeviceRequest::ApplyChanges));
}

TEST(DeviceWorkerThread, ARequestTakenAfterRemovalIsDroppedWithoutAnswer) {
    Rig rig;
    ASSERT_TRUE(rig.worker.start());
    rig.worker.setKeyboardState(KeyboardState::Removed);
    ASSERT_TRUE(rig.worker.post(DeviceRequest::ApplyChanges));
    ASSERT_TRUE(rig.worker.waitUntilIdle(std::chrono::seconds(30)));
    EXPECT_TRUE(rig.log.entries().empty());
    EXPECT_TRUE(rig.poster.posted().empty());
}

// A module whose SetFeature does not return until released.
class StuckModule final : public DeviceModule {
public:
    bool openDevMonitor(DevBridgeSink *, uint32_t, uint32_t) override { return true; }
    bool openFeatureDevice() override { return true; }
    void closeFeatureDevice() override {}
    void closeDevMonitor() override {}
    bool setFeature(uint8_t *, uint32_t) override {
        std::unique_lock lock(mutex);
        ++calls;
        changed.notify_all();
        changed.wait(lock, [this] { return released; });
        return true;
    }
    bool getFeature(uint8_t *, uint32_t) override {
        std::lock_guard lock(mutex);
        ++calls;
        return true;
    }
    std::mutex mutex;
    std::condition_variable changed;
    int calls = 0;
    bool released = false;
};

TEST(DeviceWorkerThread, AStuckThreadFillsABoundedQueueIsAbandonedAndThenLeavesEverythingAlone) {
    test::TempFolders folders;
    VirtualClock clock;
    StuckModule link;
    SettingsStore store{folders.home()};
    RecordingExchange exchange;
    RecordingPoster poster;
    DeviceOutcomes outcomes{&store, &exchange, poster, {}};
    RecordKeeper config{outcomes};
    WorkerMailbox mailbox{outcomes, {}};
    DeviceWorker worker{DeviceWorkerServices{link, clock, config.owed(), mailbox}};
    ConfigBlock taken{};
    taken.flags.currentProfile = 1;
    taken.flags.lighting[3] = 1;
    config.handOver(taken, 0, Keyboard::Connected);
    worker.setKeyboardState(KeyboardState::Connected);
    ASSERT_TRUE(worker.start());
    ASSERT_TRUE(worker.post(DeviceRequest::ApplyChanges));
    {
        std::unique_lock lock(link.mutex);
        ASSERT_TRUE(link.changed.wait_for(lock, std::chrono::seconds(30), [&] { return link.calls == 1; }));
    }
    EXPECT_TRUE(worker.isBusy());
    // Behind the stuck request the queue takes a bounded number more.
    for (std::size_t i = 0; i < kMaxQueuedRequests; ++i)
        EXPECT_TRUE(worker.post(DeviceRequest::WriteCurrentProfile)) << i;
    EXPECT_FALSE(worker.post(DeviceRequest::ApplyChanges));
    EXPECT_EQ(worker.stop(std::chrono::milliseconds(50)), DeviceWorker::StopResult::Abandoned);
    {
        std::lock_guard lock(link.mutex);
        link.released = true;
    }
    link.changed.notify_all();
    for (int i = 0; i < 3000 && worker.isBusy(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(worker.isBusy());
    std::lock_guard lock(link.mutex);
    EXPECT_EQ(link.calls, 1); // no status poll, no lighting report
    EXPECT_TRUE(poster.posted().empty());
}

} // namespace
} // namespace orvyn
