// Where Option's menus and dialogs open on a fresh start under a real window
// manager (openbox on a private 1920x1080 X server): the window manager
// places the main window, and nothing has moved it yet.
#include "OptionProcessKit.h"

#include "option/skin/SkinNames.h"

#include <fcntl.h>
#include <unistd.h>

namespace orvyn::test {
namespace {

struct Frame {
    int x = 0, y = 0, w = 0, h = 0;
};

// Where a window really is on the screen, as the X server says.
Frame frameOf(const std::string &window) {
    Frame f;
    std::stringstream s(shell("xwininfo -id " + window +
                              " | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} "
                              "/Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'"));
    s >> f.x >> f.y >> f.w >> f.h;
    return f;
}

// The one visible window of `pid` besides `main`, once it is there.
std::string newWindow(int pid, const std::string &main) {
    for (int i = 0; i < 50; ++i) {
        std::this_thread::sleep_for(100ms);
        std::stringstream ids(
            shell("xdotool search --onlyvisible --pid " + std::to_string(pid) + " 2>/dev/null"));
        std::string id;
        while (ids >> id)
            if (id != main)
                return id;
    }
    return {};
}

void expectCentredOn(const Frame &dialog, const Frame &main) {
    EXPECT_NEAR(dialog.x + dialog.w / 2, main.x + main.w / 2, 2);
    EXPECT_NEAR(dialog.y + dialog.h / 2, main.y + main.h / 2, 2);
}

class PlacementProcessTest : public OptionProcessTest {
protected:
    void SetUp() override {
        OptionProcessTest::SetUp();
        if (shell("for p in Xvfb openbox xdotool xwininfo xprop; do command -v $p; done | wc -l") != "5")
            GTEST_SKIP() << "needs Xvfb, openbox, xdotool, xwininfo and xprop";
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        server_ = std::make_unique<Child>(std::vector<std::string>{"/usr/bin/Xvfb", "-displayfd",
                                                                   std::to_string(fds[1]), "-screen", "0",
                                                                   "1920x1080x24", "-nolisten", "tcp"});
        ::close(fds[1]);
        // Xvfb writes its display number and a newline once it accepts clients.
        std::string number;
        char c = 0;
        while (::read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(fds[0]);
        ASSERT_FALSE(number.empty()) << "Xvfb did not start";
        const char *outer = std::getenv("DISPLAY");
        savedDisplay_ = outer ? outer : "";
        ::setenv("DISPLAY", (":" + number).c_str(), 1);
        windowManager_ = std::make_unique<Child>(std::vector<std::string>{"/usr/bin/openbox"});
        for (int i = 0;
             i < 50 && shell("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") == std::string::npos;
             ++i)
            std::this_thread::sleep_for(100ms);
    }
    void TearDown() override {
        for (auto *child : {&windowManager_, &server_})
            if (*child) {
                (*child)->kill(SIGTERM);
                (*child)->wait();
            }
        if (!savedDisplay_.empty())
            ::setenv("DISPLAY", savedDisplay_.c_str(), 1);
        OptionProcessTest::TearDown();
    }

    std::unique_ptr<Child> server_, windowManager_;
    std::string savedDisplay_;
};

TEST_F(PlacementProcessTest, MenusAndDialogsOpenWhereTheyBelongBeforeTheWindowEverMoved) {
    const auto [option, window] = startOptionWindow();
    ASSERT_FALSE(window.empty()) << "Option did not show its window";
    const Frame main = frameOf(window);
    ASSERT_GT(main.x + main.y, 0) << "the window sits at the screen's corner";
    const Place page = place("skin_Config.ini", 1, "PAGEPOSITION");

    // G4's key menu: its top-left at the field's bottom-left.
    auto [mx, my] = centre("skin_Config.ini", ConfigWindowSkin::MacroKeysTab);
    click(window, mx, my);
    const Place g4 = place("skin_macro_control.ini", MacroKeyPageSkin::kFirstKey + 3);
    click(window, page.x + g4.x + g4.w / 2, page.y + g4.y + g4.h / 2);
    const std::string menu = newWindow(option->pid(), window);
    ASSERT_FALSE(menu.empty()) << "no key menu";
    const Frame menuFrame = frameOf(menu);
    EXPECT_NEAR(menuFrame.x, main.x + page.x + g4.x, 3);
    EXPECT_NEAR(menuFrame.y, main.y + page.y + g4.y + g4.h, 3);
    shell("xdotool key Escape");
    std::this_thread::sleep_for(300ms);

    // The macro manager, centred on the window.
    auto [gx, gy] = centre("skin_Config.ini", ConfigWindowSkin::MacroManager);
    click(window, gx, gy);
    const std::string manager = newWindow(option->pid(), window);
    ASSERT_FALSE(manager.empty()) << "no macro manager";
    expectCentredOn(frameOf(manager), main);
    auto [cx, cy] = centre("skin_macro_manager.ini", MacroManagerSkin::Cancel);
    click(manager, cx, cy);
    std::this_thread::sleep_for(300ms);

    // The swap-key dialog of Escape, centred on the window.
    auto [sx, sy] = centre("skin_Config.ini", ConfigWindowSkin::StandardKeysTab);
    click(window, sx, sy);
    auto [ex, ey] = centre("skin_main.ini", StandardKeyPageSkin::section(0));
    click(window, page.x + ex, page.y + ey);
    const std::string swap = newWindow(option->pid(), window);
    ASSERT_FALSE(swap.empty()) << "no swap-key dialog";
    expectCentredOn(frameOf(swap), main);
    auto [kx, ky] = centre("skin_swap_key.ini", SwapKeyDialogSkin::Cancel);
    click(swap, kx, ky);

    ASSERT_TRUE(poster_.post(kOptionTitle, WM_CLOSE_MSG));
    EXPECT_TRUE(ends(*option));
}

} // namespace
} // namespace orvyn::test
