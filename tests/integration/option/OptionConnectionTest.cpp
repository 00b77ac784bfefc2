// Option tells where the user stands while Monitor is started from its
// window, killed, missing and started again, and confirms an Apply in the
// window: Option, Monitor and an emulated keyboard as real processes.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ProcessSetup.h"
#include "XDriving.h"
#include "integration/platform/Child.h"
#include "kbsim/EmulatorServer.h"
#include "kbsim/KeyboardModel.h"
#include "support/TempRuntime.h"

namespace orvyn::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Where ConfigWindow puts its "Start Monitor" button (window coordinates).
constexpr int kStartButtonX = 440;
constexpr int kStartButtonY = 475;
// The Advanced page's 125 Hz polling rate, as a skin section.
constexpr int k125Hz = 1;

class OptionConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!haveXdotool())
            GTEST_SKIP() << "needs an X server and xdotool";
        useEmulatedKeyboard(runtime_.runtime() + "keyboard.sock");
        fs::create_directories(std::getenv("ORVYN_VANTOR_HOME") + std::string("/config"));
        programs_ = privateProgramFolder(runtime_.base());
        server_ = std::make_unique<EmulatorServer>(model_, clock_, runtime_.runtime() + "keyboard.sock");
        std::string error;
        ASSERT_TRUE(server_->start(&error)) << error;
    }
    void TearDown() override {
        killMonitor();
        option_.reset();
        if (server_)
            server_->stop();
    }

    // The Monitor Option started: detached, so found by its program file,
    // which is ours alone.
    pid_t monitorPid() const {
        for (const auto &entry : fs::directory_iterator("/proc")) {
            std::error_code error;
            if (fs::read_symlink(entry.path() / "exe", error) == programs_ + "Monitor")
                return static_cast<pid_t>(std::stoi(entry.path().filename().string()));
        }
        return 0;
    }
    void killMonitor() {
        const pid_t pid = monitorPid();
        if (pid == 0)
            return;
        ::kill(pid, SIGKILL);
        for (int i = 0; i < 50 && monitorPid() == pid; ++i)
            std::this_thread::sleep_for(100ms);
    }

    void startOption() {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        option_ = std::make_unique<Child>(
            std::vector<std::string>{"/bin/sh", "-c", "exec '" + programs_ + "Option' 2>&1"});
        // Before its first frame: the line looks at once.
        ASSERT_TRUE(shows("Monitor is not running (Driver V1.03)"));
        ASSERT_TRUE(waitForLine(*option_, "Option: first frame painted"));
        window_ = shell("xdotool search --sync --name '^Orvyn Vantor Keyboard Option$' | head -1");
        ASSERT_FALSE(window_.empty());
    }
    void clickStartMonitor() { click(window_, kStartButtonX, kStartButtonY); }
    void applyPollingChange() {
        auto [tabX, tabY] = centre("skin_Config.ini", 4);
        click(window_, tabX, tabY);
        const Place page = place("skin_Config.ini", 1, "PAGEPOSITION");
        auto [x, y] = centre("Skin_Advance.ini", k125Hz);
        click(window_, page.x + x, page.y + y);
        auto [applyX, applyY] = centre("skin_Config.ini", 21);
        click(window_, applyX, applyY);
    }
    bool shows(const std::string &state, int seconds = 20) {
        return waitForLine(*option_, "Option: connection: " + state, seconds);
    }
    // The window as the user sees it, where the caller asks for pictures.
    void screenshot(const std::string &name) {
        std::this_thread::sleep_for(200ms);
        if (const char *out = std::getenv("ORVYN_RENDER_DIR"))
            shell("import -window " + window_ + " '" + out + "/" + name + ".png' 2>/dev/null");
    }
    // The message box Option shows, closed with its default button.
    void dismissNotice() {
        std::string box;
        for (int i = 0; i < 50 && box.empty(); ++i) {
            std::this_thread::sleep_for(100ms);
            std::stringstream ids(shell("xdotool search --onlyvisible --pid " +
                                        std::to_string(option_->pid()) + " 2>/dev/null"));
            std::string id;
            while (ids >> id)
                if (id != window_)
                    box = id;
        }
        ASSERT_FALSE(box.empty()) << "no message box";
        shell("xdotool windowfocus --sync " + box + " key Return");
        std::this_thread::sleep_for(300ms);
    }

    TempRuntime runtime_;
    std::string programs_;
    RealClock clock_{0.01};
    KeyboardModel model_{clock_};
    std::unique_ptr<EmulatorServer> server_;
    std::unique_ptr<Child> option_;
    std::string window_;
};

TEST_F(OptionConnectionTest, MonitorStartedFromTheWindowKilledAndStartedAgain) {
    startOption();
    if (HasFatalFailure())
        return;
    // No firmware is made up while nothing reported one (startOption).
    screenshot("connection-monitor-not-running");

    clickStartMonitor();
    ASSERT_TRUE(waitForLine(*option_, "Option: started Monitor"));
    ASSERT_TRUE(shows("Keyboard connected", 30));
    ASSERT_NE(monitorPid(), 0);
    screenshot("connection-keyboard-connected");
    ASSERT_TRUE(waitForLine(*option_, "Option: took the keyboard's configuration", 30));

    applyPollingChange();
    ASSERT_TRUE(waitForLine(*option_, "Option: confirmation: Saved to the keyboard", 30));
    screenshot("connection-saved-to-keyboard");

    // Killed: the line follows without the user, and the confirmation goes.
    killMonitor();
    EXPECT_TRUE(waitForLine(*option_, "Option: confirmation ended"));
    ASSERT_TRUE(shows("Monitor is not running"));

    // Its program missing: said so, nothing started.
    fs::rename(programs_ + "Monitor", programs_ + "Monitor.away");
    clickStartMonitor();
    EXPECT_TRUE(waitForLine(*option_, "Option: Monitor could not be started"));
    dismissNotice();
    EXPECT_EQ(monitorPid(), 0);
    fs::rename(programs_ + "Monitor.away", programs_ + "Monitor");

    // Started again with the keyboard unplugged, then applied to.
    server_->unplug();
    clickStartMonitor();
    ASSERT_TRUE(shows("No keyboard connected", 30));
    screenshot("connection-no-keyboard");
    applyPollingChange();
    ASSERT_TRUE(waitForLine(*option_, "Option: confirmation: Saved; the keyboard is not connected", 30));
    screenshot("connection-saved-no-keyboard");
    dismissNotice();
}

} // namespace
} // namespace orvyn::test
