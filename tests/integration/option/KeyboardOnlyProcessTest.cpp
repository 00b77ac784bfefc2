// Option driven by keys alone on the X server (xdotool), with a real Monitor
// and the emulated keyboard: the swap-key dialog, which records every key,
// is opened by keyboard and left by holding Escape.
#include "OptionProcessKit.h"

#include <algorithm>

#include "kbsim/KeyboardMemory.h"

namespace orvyn::test {
namespace {

// A visible window of Option with this exact title; empty when none.
std::string visibleWindow(const std::string &title) {
    return shell("xdotool search --onlyvisible --name '^" + title + "$' 2>/dev/null | head -1");
}

TEST_F(OptionProcessTest, TheSwapKeyDialogOpensByKeyboardAndAHeldEscapeLeavesItWithoutAChange) {
    if (!haveXdotool())
        GTEST_SKIP() << "needs an X server and xdotool";
    startKeyboardAndMonitor();
    if (HasFatalFailure())
        return;
    auto [option, window] = startOptionWindow();
    ASSERT_FALSE(window.empty());
    shell("xdotool windowfocus --sync " + window);

    // Escape drops the focus without closing the window; Tab then walks in
    // reading order: the four title buttons, the four tabs, the ten buttons
    // of the left column, and the first key of the page (Esc).
    shell("xdotool key Escape");
    std::this_thread::sleep_for(300ms);
    ASSERT_FALSE(visibleWindow("Orvyn Vantor Keyboard Option").empty()) << "Escape closed the main window";
    for (int i = 0; i < 20; ++i)
        shell("xdotool key Tab");
    shell("xdotool key space");
    ASSERT_FALSE(shell("timeout 10 xdotool search --sync --onlyvisible --name '^Swap key Dialog$'").empty())
        << "Space on the focused key did not open the swap-key dialog";
    ASSERT_TRUE(waitForLine(*option, "Hhook: ")) << "the dialog did not take the keyboard";

    // A tap is a key to record; only the held Escape leaves.
    shell("xdotool key Escape");
    std::this_thread::sleep_for(500ms);
    EXPECT_FALSE(visibleWindow("Swap key Dialog").empty()) << "a tapped Escape closed the dialog";
    shell("xdotool keydown Escape; sleep 1.2; xdotool keyup Escape");
    ASSERT_TRUE(waitForLine(*option, "UnHhook: Success")) << "the keyboard was not given back";
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(visibleWindow("Swap key Dialog").empty());

    // Apply by keyboard (from the end: Cancel, Apply): the keyboard keeps
    // its factory remap table.
    // Without a window manager the focus is given back by hand.
    shell("xdotool windowfocus --sync " + window);
    std::this_thread::sleep_for(300ms);
    model_.clearTraces();
    shell("xdotool key Escape shift+Tab shift+Tab space");
    ASSERT_TRUE(waitForLine(*option, "Option: Monitor answered, OK/Apply enabled"));
    const ProfileMemory now = model_.profile(0);
    const ProfileMemory factory = factoryProfile(0);
    EXPECT_TRUE(std::equal(std::begin(now.matrix), std::end(now.matrix), std::begin(factory.matrix)));
    ASSERT_TRUE(poster_.post(kOptionTitle, WM_CLOSE_MSG));
    EXPECT_TRUE(ends(*option));
}

} // namespace
} // namespace orvyn::test
