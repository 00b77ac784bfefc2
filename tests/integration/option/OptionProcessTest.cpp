// Option as a real process: alone (instance lock, closing by message) and
// with a real Monitor and an emulated keyboard served from this test, its
// window clicked on the X server with xdotool.
#include "OptionProcessKit.h"

#include <memory>
#include <set>

#include "shared/SharedBlock.h"

namespace orvyn::test {
namespace {

TEST_F(OptionProcessTest, SecondInstanceEndsSilentlyAndTheFirstClosesOnRequest) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    auto first = startOption();
    ASSERT_TRUE(waitForLine(*first, "Option: first frame painted"));
    ASSERT_TRUE(poster_.exists(kOptionTitle));

    auto second = startOption();
    EXPECT_EQ(second->wait(), 0);
    EXPECT_FALSE(second->readLine(1).has_value()); // not a word
    EXPECT_TRUE(poster_.exists(kOptionTitle));     // the first one is undisturbed

    ASSERT_TRUE(poster_.post(kOptionTitle, WM_CLOSE_MSG));
    EXPECT_TRUE(ends(*first));
    EXPECT_EQ(first->wait(), 0);
    EXPECT_FALSE(fs::exists(home_ + "config/Default0.gkp")); // closed without saving
}

TEST_F(OptionProcessTest, LightingApplyAndRestoreDefaultsReachTheKeyboard) {
    if (!haveXdotool())
        GTEST_SKIP() << "needs an X server and xdotool";
    startKeyboardAndMonitor();
    if (HasFatalFailure())
        return;
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    auto option = startOption();
    ASSERT_TRUE(waitForLine(*option, "Option: first frame painted"));
    const std::string window =
        shell("xdotool search --sync --name '^Orvyn Vantor Keyboard Option$' | head -1");
    ASSERT_FALSE(window.empty());

    // The colour profile 2 has now; the menu offers 1-3.
    SharedConfigBlock block;
    block.open(runtime_.runtime());
    auto config = std::make_unique<ConfigBlock>();
    ASSERT_TRUE(block.take(*config));
    const int colour = config->profiles[1].LtColor % 3 + 1;

    const Place page = place("skin_Config.ini", 1, "PAGEPOSITION");
    auto [px, py] = centre("skin_Config.ini", 11);
    click(window, px, py);
    auto [ax, ay] = centre("skin_Config.ini", 4);
    click(window, ax, ay);
    auto [cx, cy] = centre("Skin_Advance.ini", 5);
    click(window, page.x + cx, page.y + cy);
    for (int i = 0; i < colour; ++i)
        shell("xdotool key Down");
    shell("xdotool key Return");
    std::this_thread::sleep_for(200ms);

    model_.clearTraces();
    auto [applyX, applyY] = centre("skin_Config.ini", 21);
    click(window, applyX, applyY);
    ASSERT_TRUE(waitForLine(*option, "Option: apply handed to Monitor"));
    ASSERT_TRUE(waitForLine(*option, "Option: Monitor answered, OK/Apply enabled"));
    int lighting = 0;
    for (const auto &report : writes()) {
        if (report[0] == 10) {
            ++lighting;
            EXPECT_EQ(report[2], 1) << "lighting of profile 2 only";
            EXPECT_EQ(report[6], colour);
        } else {
            EXPECT_EQ(report[0], 5) << "only the lighting and the current profile changed";
        }
    }
    EXPECT_EQ(lighting, 1);

    // Restore defaults, confirmed in the warning dialog.
    model_.clearTraces();
    auto [rx, ry] = centre("skin_Config.ini", 25);
    click(window, rx, ry);
    std::string dialog;
    for (int i = 0; i < 50 && dialog.empty(); ++i) {
        std::this_thread::sleep_for(100ms);
        std::stringstream ids(
            shell("xdotool search --onlyvisible --pid " + std::to_string(option->pid()) + " 2>/dev/null"));
        std::string id;
        while (ids >> id)
            if (id != window)
                dialog = id;
    }
    ASSERT_FALSE(dialog.empty()) << "no warning dialog";
    auto [okX, okY] = centre("skin_reset_warn.ini", 1);
    click(dialog, okX, okY);
    ASSERT_TRUE(waitForLine(*option, "Option: Monitor answered, OK/Apply enabled"));
    std::set<std::pair<int, int>> sent; // (report, profile)
    for (const auto &report : writes())
        sent.insert({report[0], report[0] == 5 ? -1 : report[2]});
    EXPECT_TRUE(sent.count({5, -1}));
    for (int p = 0; p < kProfileCount; ++p)
        for (int id : {6, 7, 8, 10, 11})
            EXPECT_TRUE(sent.count({id, p})) << "report " << id << " of profile " << p;

    // Unplugging the keyboard closes Option.
    server_->unplug();
    EXPECT_TRUE(ends(*option, 15));
    EXPECT_EQ(option->wait(), 0);
}

} // namespace
} // namespace orvyn::test
