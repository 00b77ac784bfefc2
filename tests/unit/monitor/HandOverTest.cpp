// Option handing a changed record over to the main window.
#include <gtest/gtest.h>

#include "MonitorWndFixture.h"

namespace orvyn::test {
namespace {

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
    EXPECT_TRUE(journal.contains(kOption + "1256 0 1")); // no keyboard
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
    EXPECT_TRUE(journal.contains(kOption + "1256 0 1"));
}

TEST_F(MonitorWndTest, HandOverWithoutTheBlockAnswersAtOnceAndSendsNothing) {
    connect();
    exchange.takes = false; // a stuck holder of the block's mutex, a cut file
    wnd->handle(msg(WM_CONFIG_APPLY, 0, 0));
    EXPECT_FALSE(journal.contains("request 1 0"));
    EXPECT_TRUE(journal.contains(kOption + "1256 0 2")); // not taken
}

} // namespace
} // namespace orvyn::test
