// Option driven by keys alone on the X server (xdotool), with a real Monitor
// and the emulated keyboard: the swap-key dialog, which records every key,
// is opened by keyboard and left by holding Escape; then G5 gets a key
// combination through its menu (menu key), the shortcut dialog (the keys
// pressed together, Enter held for OK) and Apply.
#include "OptionProcessKit.h"

#include <algorithm>
#include <vector>

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

    // MACRO KEYS is the seventh stop (after the logo, the four title
    // buttons and KEY MAPPING); its page's first key (G1) is thirteen stops
    // on, and G5 four rows under it. Its menu opens by the menu key:
    // the sixth entry is the key combination.
    shell("xdotool key Escape");
    for (int i = 0; i < 7; ++i)
        shell("xdotool key Tab");
    shell("xdotool key space");
    for (int i = 0; i < 13; ++i)
        shell("xdotool key Tab");
    shell("xdotool key Down Down Down Down Menu");
    std::this_thread::sleep_for(500ms);
    for (int i = 0; i < 6; ++i)
        shell("xdotool key Down");
    shell("xdotool key Return");
    ASSERT_FALSE(
        shell("timeout 10 xdotool search --sync --onlyvisible --name '^Z.ORBA Shortcut Dialog$'").empty())
        << "the menu key on G5 and the menu's key-combination entry did not open the shortcut dialog";
    ASSERT_TRUE(waitForLine(*option, "Hhook: ")) << "the dialog did not take the keyboard";
    shell("xdotool key ctrl+shift+F7");
    std::this_thread::sleep_for(300ms);
    shell("xdotool keydown Return; sleep 1.2; xdotool keyup Return");
    ASSERT_TRUE(waitForLine(*option, "UnHhook: Success")) << "a held Enter did not end the dialog";
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(visibleWindow("Z.ORBA Shortcut Dialog").empty());

    shell("xdotool windowfocus --sync " + window);
    std::this_thread::sleep_for(300ms);
    model_.clearTraces();
    shell("xdotool key Escape shift+Tab shift+Tab space");
    ASSERT_TRUE(waitForLine(*option, "Option: Monitor answered, OK/Apply enabled"));
    const ProfileMemory afterApply = model_.profile(0);
    const uint8_t *g5 = afterApply.assignments[4];
    // Key combination, Ctrl+Shift, F7.
    EXPECT_EQ(std::vector<int>(g5, g5 + 3), (std::vector<int>{2, 3, 0x40}));
    ASSERT_TRUE(poster_.post(kOptionTitle, WM_CLOSE_MSG));
    EXPECT_TRUE(ends(*option));
}

} // namespace
} // namespace orvyn::test
