// Monitor as a real process: keyboard events, notices and the apply cycle
// reach the stand-ins for Option and the OSD; bad input changes nothing.
#include <gtest/gtest.h>

#include "MonitorProcessKit.h"

namespace orvyn::test {
namespace {

TEST_F(MonitorProcessTest, StartsReadsBackAndStartsTheOsd) {
    startConnected();
    EXPECT_TRUE(waitForIni("Setting", "Device", 1));
    EXPECT_TRUE(started("OSD"));
    EXPECT_FALSE(std::filesystem::exists(programs + "Option.started"));
    // The block and mutex exist while Monitor runs.
    EXPECT_TRUE(std::filesystem::exists(runtime.runtime() + kShareDataName));
}

TEST_F(MonitorProcessTest, ProfileEventsReachOptionOsdBlockAndSettings) {
    startConnected();
    option.drain();
    ASSERT_TRUE(server->sendEvent(0x1000, 0)); // out of range
    ASSERT_TRUE(server->sendEvent(0x1000, 6)); // out of range
    ASSERT_TRUE(server->sendEvent(0x1000, 3));
    auto toOption = option.next();
    ASSERT_TRUE(toOption);
    EXPECT_EQ(toOption->message.message, WM_PROFILE_CHANGED); // nothing came for 0 and 6
    auto toOsd = osd.waitFor(WM_OSD_COMMAND);
    ASSERT_TRUE(toOsd);
    EXPECT_EQ(toOsd->message.wParam, OSD_SHOW_PROFILE);
    EXPECT_EQ(toOsd->message.lParam, 2 << 16);
    EXPECT_TRUE(waitForIni("Setting", "CurrentProfile", 2));

    SharedConfigBlock block;
    block.open(runtime.runtime());
    auto config = std::make_unique<ConfigBlock>();
    ASSERT_TRUE(block.take(*config));
    EXPECT_EQ(config->CurrentProfile, 2);
}

TEST_F(MonitorProcessTest, LightingAndWindowsKeyNotices) {
    startConnected();
    option.drain();
    ASSERT_TRUE(server->sendEvent(0x3000, 3)); // not a lighting control value
    ASSERT_TRUE(server->sendEvent(0x3000, 4));
    auto first = option.next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->message.message, WM_LIGHTING_CHANGED);
    EXPECT_TRUE(option.quiet()); // only one notice: 3 was ignored

    osd.drain();
    ASSERT_TRUE(server->sendEvent(0x5000, 0));
    auto toOsd = osd.waitFor(WM_OSD_COMMAND);
    auto toOption = option.waitFor(WM_LIGHTING_CHANGED);
    ASSERT_TRUE(toOsd && toOption);
    EXPECT_EQ(toOsd->message.wParam, OSD_SHOW_TEXT);
    EXPECT_LT(toOsd->stamp, toOption->stamp) << "the OSD hears of the lock before Option";
    EXPECT_EQ(configIni().readText("OSDData", "Message", ""), "Windows Key: Lock");
}

TEST_F(MonitorProcessTest, ProgramKeyEvents) {
    startConnected();
    option.drain();
    ASSERT_TRUE(server->sendEvent(0x4000, 0x0105)); // high byte set: nothing
    ASSERT_TRUE(server->sendEvent(0x6000, 0x0028)); // outside the media codes: nothing
    ASSERT_TRUE(server->sendEvent(0x4000, 0x0000)); // the configuration key
    auto raise = option.next();
    ASSERT_TRUE(raise);
    EXPECT_EQ(raise->message.message, WM_SYSCOMMAND_MSG);
    EXPECT_EQ(raise->message.wParam, SC_RESTORE_CMD);
}

TEST_F(MonitorProcessTest, RemovalClosesOptionAndArrivalReadsBackAgain) {
    startConnected();
    server->unplug();
    auto close = option.waitFor(WM_CLOSE_MSG);
    ASSERT_TRUE(close);
    EXPECT_TRUE(waitForIni("Setting", "Device", 0));
    ASSERT_TRUE(server->plug());
    EXPECT_TRUE(option.waitFor(WM_READBACK_DONE)) << "arrival must read the keyboard back";
    EXPECT_TRUE(waitForIni("Setting", "Device", 1));
    // A second round works the same.
    server->unplug();
    EXPECT_TRUE(option.waitFor(WM_CLOSE_MSG));
    ASSERT_TRUE(server->plug());
    EXPECT_TRUE(option.waitFor(WM_READBACK_DONE));
}

TEST_F(MonitorProcessTest, ApplyIsWrittenToTheKeyboardAndAnswered) {
    startConnected();
    SharedConfigBlock block;
    block.open(runtime.runtime());
    auto config = std::make_unique<ConfigBlock>();
    ASSERT_TRUE(block.take(*config));
    config->profiles[1].LtColor = 6;
    config->flags.lighting[1] = 1;
    ASSERT_TRUE(block.publish(*config));
    option.drain();
    ASSERT_TRUE(post(WM_CONFIG_APPLY, 0));
    ASSERT_TRUE(option.waitFor(WM_APPLY_DONE));
    EXPECT_EQ(model.memory().profiles[1].lighting[6], 6);
}

TEST_F(MonitorProcessTest, ApplyWhileDisconnectedIsAnsweredAtOnce) {
    monitor = startMonitor(); // no keyboard
    ASSERT_TRUE(monitorListening());
    ASSERT_TRUE(waitForIni("Setting", "Device", 0));
    ASSERT_TRUE(post(WM_CONFIG_APPLY, 0));
    EXPECT_TRUE(option.waitFor(WM_APPLY_DONE));
}

TEST_F(MonitorProcessTest, RelayedNoticeMustBeExactly151Bytes) {
    startConnected();
    osd.drain();
    ASSERT_TRUE(postCopyData(150, "one short"));
    ASSERT_TRUE(postCopyData(152, "one long"));
    ASSERT_TRUE(postCopyData(151, "You have mail"));
    auto shown = osd.waitFor(WM_OSD_COMMAND);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->message.wParam, OSD_SHOW_TEXT);
    EXPECT_EQ(configIni().readText("OSDData", "Message", ""), "You have mail");
    EXPECT_TRUE(osd.quiet());
}

TEST_F(MonitorProcessTest, BadInputIsIgnoredAndMonitorKeepsRunning) {
    startConnected();
    option.drain();
    // Raw garbage of several shapes straight at Monitor's socket.
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string path = runtime.runtime() + kMonitorTitle;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    std::vector<std::vector<uint8_t>> junk = {{},
                                              {1, 2, 3},
                                              std::vector<uint8_t>(23, 0xFF),
                                              std::vector<uint8_t>(25, 0),
                                              std::vector<uint8_t>(4096, 0x41)};
    std::vector<uint8_t> reserved(24, 0);
    reserved[0] = 0xC8; // 1224 with a non-zero reserved word
    reserved[1] = 0x04;
    reserved[4] = 1;
    junk.push_back(reserved);
    for (const auto &bytes : junk)
        ::sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
    ::close(fd);
    // Foreign messages and event words outside the table.
    ASSERT_TRUE(post(12345, 1, 2));
    ASSERT_TRUE(post(WM_COMMAND_MSG, 9999, 0));
    ASSERT_TRUE(post(WM_DEVICE_EVENT, 0x0BAD, 0xBEEF)); // an event word nobody sends
    ASSERT_TRUE(server->sendEvent(0x0FFF, 1));
    ASSERT_TRUE(server->sendEvent(0x7F00, 9));
    EXPECT_TRUE(option.quiet());
    // Still alive and answering.
    ASSERT_TRUE(server->sendEvent(0x1000, 2));
    EXPECT_TRUE(option.waitFor(WM_PROFILE_CHANGED));
}

TEST_F(MonitorProcessTest, KeyboardMessagesFromOtherProcessesAreIgnored) {
    startConnected();
    option.drain();
    // A removal, the configuration key and a recorded macro, posted by a
    // process that is not the keyboard.
    ASSERT_TRUE(post(WM_DEVICE_CHANGE, 0, 0));
    ASSERT_TRUE(post(WM_DEVICE_EVENT, 0x4000, 0));
    ASSERT_TRUE(post(WM_DEVICE_EVENT, 0x7000, 1));
    EXPECT_TRUE(option.quiet()) << "no close, no raise, no read-back";
    EXPECT_EQ(configIni().readNumber("Setting", "Device", -1), 1);
    // Monitor still believes in its keyboard: an apply reaches it.
    SharedConfigBlock block;
    block.open(runtime.runtime());
    auto config = std::make_unique<ConfigBlock>();
    ASSERT_TRUE(block.take(*config));
    config->profiles[0].LtColor = 5;
    config->flags.lighting[0] = 1;
    ASSERT_TRUE(block.publish(*config));
    ASSERT_TRUE(post(WM_CONFIG_APPLY, 0));
    ASSERT_TRUE(option.waitFor(WM_APPLY_DONE));
    EXPECT_EQ(model.memory().profiles[0].lighting[6], 5);
}

} // namespace
} // namespace orvyn::test
