// Option under a German layout on the X server, with a real Monitor and the
// emulated keyboard: a key pressed in the swap-key dialog reaches the
// keyboard as the position that was pressed, not as the key whose US symbol
// the layout's symbol matches.
#include "OptionProcessKit.h"

#include <algorithm>

#include "kbsim/KeyboardMemory.h"
#include "shared/ConfigBlock.h"

namespace orvyn::test {
namespace {

// The X server's layout for one test; the one before comes back after.
class ServerLayout {
public:
    explicit ServerLayout(const std::string &layout) {
        std::stringstream query(shell("setxkbmap -query"));
        std::string field, value;
        while (query >> field >> value)
            if (field == "layout:")
                before_ = value;
        ok_ = !before_.empty() && std::system(("setxkbmap " + layout).c_str()) == 0;
    }
    ~ServerLayout() {
        if (!before_.empty())
            (void)std::system(("setxkbmap " + before_).c_str());
    }
    ServerLayout(const ServerLayout &) = delete;
    ServerLayout &operator=(const ServerLayout &) = delete;
    bool ok() const { return ok_; }

private:
    std::string before_;
    bool ok_ = false;
};

TEST_F(OptionProcessTest, UnderAGermanLayoutTheSwapKeyDialogStoresThePositionPressed) {
    if (!haveXdotool() || shell("command -v setxkbmap").empty())
        GTEST_SKIP() << "needs an X server, xdotool and setxkbmap";
    ASSERT_NO_FATAL_FAILURE(startKeyboardAndMonitor());
    const ServerLayout german("de");
    ASSERT_TRUE(german.ok()) << "setxkbmap de failed";
    auto [option, window] = startOptionWindow();
    ASSERT_FALSE(window.empty());

    // D's key on the standard-key page opens its swap-key dialog.
    constexpr uint8_t kCodeOfD = 7;
    const int positionOfD =
        static_cast<int>(std::find(kDefaultStandardKeys, kDefaultStandardKeys + kStandardKeyCount, kCodeOfD) -
                         kDefaultStandardKeys);
    const Place page = place("skin_Config.ini", 1, "PAGEPOSITION");
    const auto [keyX, keyY] = centre("skin_main.ini", 40 + positionOfD);
    click(window, page.x + keyX, page.y + keyY);
    const std::string dialog =
        shell("timeout 10 xdotool search --sync --onlyvisible --name '^Swap key Dialog$' | head -1");
    ASSERT_FALSE(dialog.empty()) << "no swap-key dialog";
    ASSERT_TRUE(waitForLine(*option, "Hhook: ")) << "the dialog did not take the keyboard";

    // German "-" is the key where US has "/": key code 56 (ß, where US has
    // "-", is 45).
    shell("xdotool key minus");
    ASSERT_TRUE(waitForLine(*option, "vkcode=bd,scancode=35")) << "the key did not reach the dialog";
    const auto [okX, okY] = centre("skin_swap_key.ini", 2);
    click(dialog, okX, okY);
    ASSERT_TRUE(waitForLine(*option, "UnHhook: Success"));

    model_.clearTraces();
    const auto [applyX, applyY] = centre("skin_Config.ini", 21);
    click(window, applyX, applyY);
    ASSERT_TRUE(waitForLine(*option, "Option: Monitor answered, OK/Apply enabled"));
    const ProfileMemory now = model_.profile(0);
    const ProfileMemory factory = factoryProfile(0);
    const int cellOfD = static_cast<int>(
        std::find(kFactoryKeyMatrix, kFactoryKeyMatrix + kKeyMatrixCells, kCodeOfD) - kFactoryKeyMatrix);
    for (int c = 0; c < kKeyMatrixCells; ++c)
        EXPECT_EQ(now.matrix[c], c == cellOfD ? 56 : factory.matrix[c]) << "cell " << c;
    ASSERT_TRUE(poster_.post(kOptionTitle, WM_CLOSE_MSG));
    EXPECT_TRUE(ends(*option));
}

} // namespace
} // namespace orvyn::test
