// devbridge.so loaded with dlopen, talking to an emulated keyboard through
// the real socket: reports, events, unplug and replug.
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "devbridge/EmulatorBackend.h"
#include "devbridge/devbridge.h"
#include "kbsim/EmulatorServer.h"
#include "kbsim/KeyboardModel.h"
#include "platform/Module.h"
#include "shared/Messages.h"
#include "support/RecordingSink.h"

namespace orvyn {
namespace {

using Bytes = std::vector<uint8_t>;
constexpr auto kWaitLimit = std::chrono::seconds(10); // only bounds a hang

using test::Posted;
using test::RecordingSink;

struct Library {
    LoadedModule module;
    Open_DevMonitor_fn openMonitor = nullptr;
    Open_FeatureDevice_fn openFeature = nullptr;
    Close_FeatureDevice_fn closeFeature = nullptr;
    Close_DevMonitor_fn closeMonitor = nullptr;
    SetFeature_fn set = nullptr;
    GetFeature_fn get = nullptr;

    bool load() {
        if (!module.open(std::string(ORVYN_PROGRAM_DIR) + "devbridge.so"))
            return false;
        openMonitor = module.function<Open_DevMonitor_fn>("Open_DevMonitor");
        openFeature = module.function<Open_FeatureDevice_fn>("Open_FeatureDevice");
        closeFeature = module.function<Close_FeatureDevice_fn>("Close_FeatureDevice");
        closeMonitor = module.function<Close_DevMonitor_fn>("Close_DevMonitor");
        set = module.function<SetFeature_fn>("SetFeature");
        get = module.function<GetFeature_fn>("GetFeature");
        return openMonitor && openFeature && closeFeature && closeMonitor && set && get;
    }
};

class DevbridgeEmulatorTest : public ::testing::Test {
protected:
    static inline std::string dir;
    static inline std::string socketPath;

    static void SetUpTestSuite() {
        char tmpl[] = "/tmp/devbridge-it-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        socketPath = dir + "/keyboard.sock";
        // Read by the library when it first needs its backend.
        setenv("ORVYN_KEYBOARD", "emulator", 1);
        setenv("ORVYN_KEYBOARD_SOCKET", socketPath.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
        setenv("ORVYN_VANTOR_HOME", dir.c_str(), 1);
    }
    static void TearDownTestSuite() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    RealClock clock;
    KeyboardModel model{clock};
    EmulatorServer server{model, clock, socketPath};
    RecordingSink sink;
    Library lib;

    void SetUp() override {
        ASSERT_TRUE(lib.load()) << lib.module.error();
        ASSERT_TRUE(server.start());
    }
    void TearDown() override {
        lib.closeMonitor();
        lib.closeFeature();
        server.stop();
    }
    bool set(Bytes r) { return lib.set(r.data(), static_cast<uint32_t>(r.size())) != 0; }
    Bytes get(uint8_t id, std::size_t length) {
        Bytes r(length, 0);
        r[0] = id;
        return lib.get(r.data(), static_cast<uint32_t>(r.size())) ? r : Bytes{};
    }
};

TEST_F(DevbridgeEmulatorTest, FeatureReportsReachTheKeyboardAndComeBack) {
    EXPECT_FALSE(set({5, 3, 2})) << "nothing may be sent before the device is opened";
    ASSERT_EQ(lib.openMonitor(&sink.base, WM_DEVICE_EVENT, WM_DEVICE_CHANGE), 1);
    ASSERT_EQ(lib.openFeature(), 1);

    ASSERT_TRUE(set({5, 3, 2}));
    EXPECT_EQ(model.currentProfile(), 2);
    EXPECT_EQ(get(5, 3), (Bytes{5, 3, 2}));

    Bytes matrix(168, 0);
    matrix[0] = 6, matrix[1] = 168, matrix[2] = 4;
    for (int c = 0; c < 160; ++c)
        matrix[8 + c] = uint8_t(255 - c);
    ASSERT_TRUE(set(matrix));
    ASSERT_TRUE(set({4, 4, 64}));
    EXPECT_EQ(get(6, 168), matrix);
    EXPECT_TRUE(get(7, 4).empty()) << "report 4 named the key matrix, not the switches";

    // Injected failures are failures, then service resumes.
    server.failNext(2);
    EXPECT_FALSE(set({11, 8, 0, 8, 0, 0, 0, 0}));
    EXPECT_TRUE(get(4, 3).empty());
    EXPECT_EQ(get(4, 3), (Bytes{4, 1, 0}));
    EXPECT_FALSE(set({42, 1, 2})) << "an id the keyboard refuses";

    // Presence at start is not announced.
    EXPECT_TRUE(sink.take().empty());
}

TEST_F(DevbridgeEmulatorTest, EventsArePostedInOrderWithTypeAndData) {
    ASSERT_EQ(lib.openMonitor(&sink.base, WM_DEVICE_EVENT, WM_DEVICE_CHANGE), 1);
    ASSERT_EQ(lib.openFeature(), 1);
    ASSERT_FALSE(get(4, 3).empty()); // the keyboard has taken the connection
    ASSERT_TRUE(server.sendEvent(0x1000, 3));
    ASSERT_TRUE(server.sendEvent(0x6000, 0x24));
    ASSERT_TRUE(server.sendEvent(0x7000, 15));
    // The reply comes after the events on the same connection.
    ASSERT_FALSE(get(4, 3).empty());
    EXPECT_EQ(sink.take(),
              (std::vector<Posted>{{1325, 0x1000, 3}, {1325, 0x6000, 0x24}, {1325, 0x7000, 15}}));

    // After Close_DevMonitor nothing is posted, though reports still work.
    ASSERT_EQ(lib.closeMonitor(), 1);
    ASSERT_TRUE(server.sendEvent(0x2000, 5));
    ASSERT_FALSE(get(4, 3).empty());
    EXPECT_TRUE(sink.take().empty());
}

TEST_F(DevbridgeEmulatorTest, UnplugPostsRemovalAndReplugPostsArrival) {
    ASSERT_EQ(lib.openMonitor(&sink.base, WM_DEVICE_EVENT, WM_DEVICE_CHANGE), 1);
    ASSERT_EQ(lib.openFeature(), 1);
    ASSERT_TRUE(set({7, 4, 1, 0x21}));

    server.unplug();
    ASSERT_TRUE(sink.waitFor({1326, 0, 0}));
    EXPECT_FALSE(set({7, 4, 1, 0x22})) << "the keyboard is gone";
    EXPECT_TRUE(get(4, 3).empty());
    lib.closeFeature(); // what Monitor does on removal
    EXPECT_EQ(lib.openFeature(), 0);

    ASSERT_TRUE(server.plug());
    ASSERT_TRUE(sink.waitFor({1326, 1, 0}));
    ASSERT_EQ(lib.openFeature(), 1);
    ASSERT_TRUE(set({4, 1, 80}));
    EXPECT_EQ(get(7, 4), (Bytes{7, 4, 1, 0x21}));
    const auto posted = sink.take();
    ASSERT_EQ(posted.size(), 2u) << "one removal, one arrival";
    EXPECT_EQ(posted[0], (Posted{1326, 0, 0}));
    EXPECT_EQ(posted[1], (Posted{1326, 1, 0}));
}

TEST_F(DevbridgeEmulatorTest, FeatureAccessWithoutMonitorAndClosing) {
    ASSERT_EQ(lib.openFeature(), 1);
    ASSERT_TRUE(set({16, 3, 0}));
    EXPECT_EQ(model.closingCount(), 1);
    ASSERT_EQ(lib.closeFeature(), 1);
    EXPECT_FALSE(set({16, 3, 0}));
    // The connection is gone once nothing uses it: the server sees the host leave.
    for (int i = 0; i < 1000 && server.hostConnected(); ++i)
        clock.sleep(Millis{5});
    EXPECT_FALSE(server.hostConnected());
    EXPECT_EQ(lib.get(nullptr, 3), 0);
    EXPECT_EQ(lib.openMonitor(nullptr, 1325, 1326), 0);
}

} // namespace
} // namespace orvyn

namespace orvyn {
namespace {

class EmulatorBackendTimingTest : public DevbridgeEmulatorTest {};

// A reply that comes after its request gave up must not be taken as the
// answer to the next request.
TEST_F(EmulatorBackendTimingTest, LateReplyIsNotGivenToTheNextRequest) {
    devbridge::MessageSink messages;
    devbridge::EmulatorBackend backend(messages, socketPath,
                                       {std::chrono::milliseconds(20), std::chrono::milliseconds(400)});
    ASSERT_TRUE(backend.openFeature());
    model.setCurrentProfile(3);
    server.setReplyDelay(Millis{600});
    uint8_t profile[3] = {5, 0, 0};
    EXPECT_FALSE(backend.getFeature(profile, sizeof profile)) << "timed out";
    server.setReplyDelay(Millis{0});
    uint8_t status[3] = {4, 0, 0};
    ASSERT_TRUE(backend.getFeature(status, sizeof status));
    EXPECT_EQ(status[1], 1);
    uint8_t again[3] = {5, 0, 0};
    ASSERT_TRUE(backend.getFeature(again, sizeof again));
    EXPECT_EQ(again[2], 3);
    backend.closeFeature();
}

} // namespace
} // namespace orvyn
