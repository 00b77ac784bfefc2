// The foreground source on a real X display (xvfb in CI).
#include <gtest/gtest.h>
#include <unistd.h>

#include "monitor/qt/X11Foreground.h"
#include "support/FakeActiveWindow.h"

namespace orvyn {
namespace {

// The window claims (through _NET_WM_PID) a process that is not the one
// that made it, as a Flatpak program does with a pid of its own namespace:
// the X server's word counts; the claim only where the server cannot say.
TEST(X11ForegroundTest, ActiveWindowLeadsToItsProcess) {
    test::FakeActiveWindow active(4242);
    if (!active.ok())
        GTEST_SKIP() << "no X display";
    X11Foreground source;
    ASSERT_TRUE(source.connected());
    const pid_t expected = active.serverHasClientIds() ? ::getpid() : 4242;
    EXPECT_EQ(source.foregroundPid(), std::optional<pid_t>(expected));
}

TEST(X11ForegroundTest, NoActiveWindowFindsNothing) {
    test::FakeActiveWindow active(1);
    if (!active.ok())
        GTEST_SKIP() << "no X display";
    X11Foreground source;
    ASSERT_TRUE(source.connected());
    EXPECT_TRUE(source.foregroundPid());
    active.clear();
    EXPECT_FALSE(source.foregroundPid());
}

// The server's clock moves on and is the same one every client sees.
TEST(X11ForegroundTest, ServerTimeForStartupIds) {
    test::FakeActiveWindow active(1);
    if (!active.ok())
        GTEST_SKIP() << "no X display";
    X11Foreground source;
    const auto first = source.serverTime();
    ASSERT_TRUE(first);
    ::usleep(20000);
    const auto second = source.serverTime();
    ASSERT_TRUE(second);
    EXPECT_GE(*second - *first, 10u);
    EXPECT_LT(*second - *first, 5000u);
}

// A window without a usable _NET_WM_PID belongs to whichever process created
// it: here the test itself, which made the window on its own connection.
TEST(X11ForegroundTest, WindowWithoutPidLeadsToTheClientThatMadeIt) {
    const auto self = static_cast<uint32_t>(::getpid());
    for (const auto property : {std::optional<uint32_t>(), std::optional<uint32_t>(0)}) {
        SCOPED_TRACE(property ? "_NET_WM_PID 0" : "no _NET_WM_PID");
        test::FakeActiveWindow active(property);
        if (!active.ok())
            GTEST_SKIP() << "no X display";
        X11Foreground source;
        ASSERT_TRUE(source.connected());
        if (active.serverHasClientIds())
            EXPECT_EQ(source.foregroundPid(), std::optional<pid_t>(static_cast<pid_t>(self)));
        else
            EXPECT_FALSE(source.foregroundPid()); // nothing to ask
    }
}

} // namespace
} // namespace orvyn
