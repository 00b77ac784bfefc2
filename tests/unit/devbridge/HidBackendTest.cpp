// The hid backend's logic with a fake transport: which interface is used,
// what reaches the device, and what is posted on arrival, removal and input.
#include "devbridge/HidBackend.h"
#include "support/RecordingSink.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <gtest/gtest.h>
#include <map>
#include <thread>
#include <utility>

namespace orvyn::devbridge {
namespace {

using Bytes = std::vector<uint8_t>;

using test::Posted;
using test::RecordingSink;

struct DeviceState {
    std::mutex mutex;
    std::deque<Bytes> inputs;
    std::vector<Bytes> features;
    Bytes featureReply;
    int sendResult = -2; // -2: the full length
    std::atomic<bool> readError{false};
    std::atomic<int> open{0};
};

class FakeDevice final : public HidDevice {
public:
    explicit FakeDevice(std::shared_ptr<DeviceState> s) : s_(std::move(s)) { ++s_->open; }
    ~FakeDevice() override { --s_->open; }
    int sendFeature(const uint8_t *report, std::size_t length) override {
        std::lock_guard lock(s_->mutex);
        s_->features.emplace_back(report, report + length);
        return s_->sendResult == -2 ? static_cast<int>(length) : s_->sendResult;
    }
    int getFeature(uint8_t *report, std::size_t length) override {
        std::lock_guard lock(s_->mutex);
        const std::size_t n = std::min(length, s_->featureReply.size());
        std::copy_n(s_->featureReply.begin(), n, report);
        return static_cast<int>(n);
    }
    int readInput(uint8_t *report, std::size_t length, int timeoutMs) override {
        if (s_->readError)
            return -1;
        {
            std::lock_guard lock(s_->mutex);
            if (!s_->inputs.empty()) {
                Bytes r = std::move(s_->inputs.front());
                s_->inputs.pop_front();
                const std::size_t n = std::min(length, r.size());
                std::copy_n(r.begin(), n, report);
                return static_cast<int>(n);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(timeoutMs, 2)));
        return 0;
    }

private:
    std::shared_ptr<DeviceState> s_;
};

class FakeHid final : public HidApi {
public:
    std::mutex mutex;
    std::vector<HidDeviceInfo> devices;
    std::map<std::string, std::shared_ptr<DeviceState>> states;

    std::shared_ptr<DeviceState> add(const std::string &path, uint16_t page, int iface) {
        std::lock_guard lock(mutex);
        devices.push_back({path, 0x1209, 0x0001, page, 1, iface});
        auto &s = states[path];
        if (!s)
            s = std::make_shared<DeviceState>();
        return s;
    }
    void removeAll() {
        std::lock_guard lock(mutex);
        devices.clear();
    }
    std::vector<HidDeviceInfo> enumerate(uint16_t vid, uint16_t pid) override {
        std::lock_guard lock(mutex);
        std::vector<HidDeviceInfo> out;
        for (const auto &d : devices)
            if (d.vendorId == vid && d.productId == pid)
                out.push_back(d);
        return out;
    }
    HidOpenResult open(const std::string &path) override {
        std::lock_guard lock(mutex);
        ++openAttempts;
        const bool listed =
            std::any_of(devices.begin(), devices.end(), [&](auto &d) { return d.path == path; });
        if (!listed)
            return {nullptr, ENOENT};
        if (openError != 0)
            return {nullptr, openError};
        return {std::make_unique<FakeDevice>(states[path]), 0};
    }
    std::atomic<int> openError{0}; // every open fails with this errno when set
    std::atomic<int> openAttempts{0};
};

// Hints a change when the test says so.
struct WatchControl {
    std::atomic<int> pending{0};
    std::mutex mutex;
    std::vector<std::string> removed; // nodes a remove event names
};
class FakeWatch final : public HotplugWatch {
public:
    explicit FakeWatch(WatchControl &c) : c_(c) {}
    bool waitForChange(int timeoutMs) override {
        int n = c_.pending.load();
        while (n > 0)
            if (c_.pending.compare_exchange_weak(n, n - 1))
                return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(timeoutMs, 2)));
        return false;
    }

    std::vector<std::string> takeRemovedNodes() override {
        std::lock_guard lock(c_.mutex);
        return std::exchange(c_.removed, {});
    }

private:
    WatchControl &c_;
};

class HidBackendTest : public ::testing::Test {
protected:
    RecordingSink recorder;
    MessageSink sink;
    FakeHid hid;
    WatchControl watch;
    DeviceIds ids{0x1209, 0x0001, 1};
    std::unique_ptr<HidBackend> backend;

    void SetUp() override {
        sink.activate(&recorder.base, 1325, 1326);
        backend = std::make_unique<HidBackend>(
            sink, hid, [this] { return std::make_unique<FakeWatch>(watch); }, [this] { return ids; });
    }
    void TearDown() override { backend.reset(); }
};

TEST_F(HidBackendTest, ArrivalEventsAndRemovalArePostedForChangesOnly) {
    backend->startMonitor();
    auto vendor = hid.add("/dev/hidraw4", 0xFF00, 1);
    hid.add("/dev/hidraw3", 0x01, 0);
    ++watch.pending;
    EXPECT_EQ(recorder.waitForCount(1), (std::vector<Posted>{{1326, 1, 0}}));

    {
        std::lock_guard lock(vendor->mutex);
        vendor->inputs.push_back({0x03, 0x00, 0x20, 0x05, 0x00, 0, 0, 0});
        vendor->inputs.push_back({0x01, 0x00, 0x20, 0x05, 0x00}); // another report id: no event
        vendor->inputs.push_back({0x03, 0x00, 0x40, 0x0C, 0x00});
    }
    EXPECT_EQ(recorder.waitForCount(3)[1], (Posted{1325, 0x2000, 5}));
    EXPECT_EQ(recorder.waitForCount(3)[2], (Posted{1325, 0x4000, 12}));

    hid.removeAll();
    ++watch.pending;
    EXPECT_EQ(recorder.waitForCount(4)[3], (Posted{1326, 0, 0}));
    backend->stopMonitor();
    EXPECT_EQ(vendor->open, 0) << "the event handle is closed with the watcher";
    EXPECT_EQ(recorder.posted.size(), 4u);
}

TEST_F(HidBackendTest, KeyboardPresentAtStartIsNotAnnouncedAndAReadErrorFindsTheRemoval) {
    auto vendor = hid.add("/dev/hidraw1", 0xFF00, 1);
    backend->startMonitor();
    for (int i = 0; i < 1000 && vendor->open == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(vendor->open, 1) << "the watcher reads the vendor interface";
    // Unplugged without a hint from the watch: the failing read is enough.
    hid.removeAll();
    vendor->readError = true;
    EXPECT_EQ(recorder.waitForCount(1), (std::vector<Posted>{{1326, 0, 0}}));
    backend->stopMonitor();
}

TEST_F(HidBackendTest, FeatureReportsGoToTheVendorInterface) {
    EXPECT_FALSE(backend->openFeature()) << "no keyboard";
    hid.add("/dev/hidraw0", 0x01, 0);
    auto vendor = hid.add("/dev/hidraw2", 0xFF00, 1);
    ASSERT_TRUE(backend->openFeature());
    EXPECT_EQ(vendor->open, 1);

    const uint8_t set[3] = {5, 3, 1};
    EXPECT_TRUE(backend->setFeature(set, sizeof set));
    EXPECT_EQ(vendor->features.back(), (Bytes{5, 3, 1}));
    vendor->sendResult = 2;
    EXPECT_FALSE(backend->setFeature(set, sizeof set)) << "a short write is a failure";
    vendor->sendResult = -1;
    EXPECT_FALSE(backend->setFeature(set, sizeof set));

    // Only the whole report asked for is a reply; a failed read leaves no
    // stale bytes behind.
    const Bytes failed{11, 0, 0, 0, 0, 0, 0, 0};
    const struct {
        Bytes reply;
        bool ok;
        Bytes seen;
    } replies[] = {
        {{11, 8, 0, 8, 1, 2, 3, 4}, true, {11, 8, 0, 8, 1, 2, 3, 4}},
        {{11, 8, 0, 8}, false, failed},             // shorter
        {{12, 8, 0, 8, 1, 2, 3, 4}, false, failed}, // another report
        {{}, false, failed},
    };
    for (const auto &row : replies) {
        vendor->featureReply = row.reply;
        uint8_t get[8] = {11, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC};
        EXPECT_EQ(backend->getFeature(get, sizeof get), row.ok);
        EXPECT_EQ(Bytes(get, get + 8), row.seen);
    }

    // Opening again replaces the handle; closing ends feature access.
    ASSERT_TRUE(backend->openFeature());
    EXPECT_EQ(vendor->open, 1);
    backend->closeFeature();
    EXPECT_EQ(vendor->open, 0);
    EXPECT_FALSE(backend->setFeature(set, sizeof set));
}

// No permission on the node (no udev rule): said once per arrival, however
// often the watcher and Monitor try to open it meanwhile.
// Replugged before any look: the node is back at the same path, and only
// the remove event tells.
TEST_F(HidBackendTest, ARemoveEventForTheKeyboardsNodeIsARemovalEvenIfItIsListedAgain) {
    hid.add("/dev/hidraw1", 0xFF00, 1);
    backend->startMonitor();
    {
        std::lock_guard lock(watch.mutex);
        watch.removed = {"/dev/hidraw0", "/dev/hidraw1"};
    }
    ++watch.pending;
    EXPECT_EQ(recorder.waitForCount(2), (std::vector<Posted>{{1326, 0, 0}, {1326, 1, 0}}));
    backend->stopMonitor();
}

TEST_F(HidBackendTest, UnusableKeyboardIsReportedOncePerArrival) {
    hid.openError = EACCES;
    hid.add("/dev/hidraw5", 0xFF00, 1);
    backend->startMonitor();
    EXPECT_FALSE(backend->openFeature());
    const Posted unusable{1326, DEVBRIDGE_DEVICE_UNUSABLE, EACCES};
    EXPECT_EQ(recorder.waitForCount(1), std::vector<Posted>{unusable});
    for (int i = 0; i < 3000 && hid.openAttempts < 4; ++i) {
        backend->openFeature();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_GE(hid.openAttempts, 4) << "Monitor and the watcher keep trying";
    EXPECT_EQ(recorder.take(), std::vector<Posted>{unusable});

    hid.removeAll();
    ++watch.pending;
    EXPECT_EQ(recorder.waitForCount(1), (std::vector<Posted>{{1326, 0, 0}}));
    hid.add("/dev/hidraw5", 0xFF00, 1);
    ++watch.pending;
    EXPECT_EQ(recorder.waitForCount(3), (std::vector<Posted>{{1326, 0, 0}, {1326, 1, 0}, unusable}));

    // With access granted the keyboard simply works; nothing more is said.
    recorder.take();
    hid.openError = 0;
    EXPECT_TRUE(backend->openFeature());
    backend->stopMonitor();
    EXPECT_TRUE(recorder.take().empty());
}

TEST_F(HidBackendTest, OtherIdsAreNotTheKeyboard) {
    hid.add("/dev/hidraw2", 0xFF00, 1);
    ids.productId = 0x0002;
    EXPECT_FALSE(backend->openFeature());
}

} // namespace
} // namespace orvyn::devbridge
