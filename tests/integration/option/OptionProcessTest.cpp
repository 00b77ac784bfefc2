// Option as a real process: alone (instance lock, closing by message) and
// with a real Monitor and an emulated keyboard served from this test, its
// window clicked on the X server with xdotool.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <thread>

#include "XDriving.h"
#include "integration/platform/Child.h"
#include "kbsim/EmulatorServer.h"
#include "kbsim/KeyboardModel.h"
#include "platform/Endpoint.h"
#include "shared/IniFile.h"
#include "shared/Messages.h"
#include "shared/SharedBlock.h"
#include "support/TempRuntime.h"

namespace orvyn::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class OptionProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("ORVYN_TRACE", "1", 1);
        ::setenv("ORVYN_TIME_SCALE", "0.01", 1);
        ::setenv("ORVYN_KEYBOARD", "emulator", 1);
        ::setenv("ORVYN_KEYBOARD_SOCKET", (runtime_.runtime() + "keyboard.sock").c_str(), 1);
        home_ = std::getenv("ORVYN_VANTOR_HOME") + std::string("/");
        fs::create_directories(home_ + "config");
        // A program folder of our own without the OSD and applets, so that
        // nothing Monitor starts outlives the test.
        programs_ = runtime_.base() + "/bin/";
        fs::create_directories(programs_);
        for (const char *program : {"Monitor", "Option"})
            fs::copy_file(std::string(ORVYN_PROGRAM_DIR) + program, programs_ + program);
        for (const char *shared : {"devbridge.so", "uitext.so", "skins"})
            fs::create_symlink(std::string(ORVYN_PROGRAM_DIR) + shared, programs_ + shared);
    }
    void TearDown() override {
        if (monitor_) {
            monitor_->kill(SIGTERM);
            monitor_->wait();
        }
        if (server_)
            server_->stop();
    }

    // The emulated keyboard and a real Monitor that has read it back.
    void startKeyboardAndMonitor() {
        model_.setTracing(true);
        server_ = std::make_unique<EmulatorServer>(model_, clock_, runtime_.runtime() + "keyboard.sock");
        std::string error;
        ASSERT_TRUE(server_->start(&error)) << error;
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1); // Monitor needs no window
        monitor_ = std::make_unique<Child>(std::vector<std::string>{programs_ + "Monitor"});
        // The read-back is over when the keyboard has been quiet for a while.
        std::size_t seen = 0;
        int quietRounds = 0;
        for (int i = 0; i < 200 && quietRounds < 5; ++i) {
            std::this_thread::sleep_for(100ms);
            const std::size_t now = model_.traces().size();
            quietRounds = now > 0 && now == seen ? quietRounds + 1 : 0;
            seen = now;
        }
        ASSERT_EQ(quietRounds, 5) << "Monitor did not read the keyboard back";
        ASSERT_TRUE(poster_.exists(kMonitorTitle));
    }

    std::vector<std::vector<uint8_t>> writes() const {
        std::vector<std::vector<uint8_t>> out;
        for (const ReportTrace &t : model_.traces())
            if (t.kind == ReportTrace::Kind::Set && t.ok)
                out.push_back(t.bytes);
        return out;
    }

    // Option started through a shell so its traces (stderr) arrive as lines.
    std::unique_ptr<Child> startOption() {
        return std::make_unique<Child>(
            std::vector<std::string>{"/bin/sh", "-c", "exec '" + programs_ + "Option' 2>&1"});
    }

    TempRuntime runtime_;
    std::string home_;
    std::string programs_;
    RealClock clock_{0.01};
    KeyboardModel model_{clock_};
    std::unique_ptr<EmulatorServer> server_;
    std::unique_ptr<Child> monitor_;
    EndpointPoster poster_{runtime_.runtime()};
};

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
