// The foreground source on a real X display (xvfb in CI).
#include <gtest/gtest.h>

#include "monitor/qt/X11Foreground.h"
#include "support/FakeActiveWindow.h"

namespace orvyn {
namespace {

TEST(X11ForegroundTest, ActiveWindowLeadsToItsProcess) {
    test::FakeActiveWindow active(4242);
    if (!active.ok())
        GTEST_SKIP() << "no X display";
    X11Foreground source;
    ASSERT_TRUE(source.connected());
    EXPECT_EQ(source.foregroundPid(), std::optional<pid_t>(4242));
}

TEST(X11ForegroundTest, NoActiveWindowFindsNothing) {
    test::FakeActiveWindow active(1);
    if (!active.ok())
        GTEST_SKIP() << "no X display";
    X11Foreground source;
    ASSERT_TRUE(source.connected());
    EXPECT_EQ(source.foregroundPid(), std::optional<pid_t>(1));
    active.clear();
    EXPECT_FALSE(source.foregroundPid());
}

} // namespace
} // namespace orvyn
