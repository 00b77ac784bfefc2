// Option and Monitor as real processes started, killed and started again in
// either order against an emulated keyboard served from this test: every
// Apply reaches the keyboard or tells the user it did not, and Option's wait
// for Monitor leaves the rest of the desktop usable.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <utility>
#include <vector>

#include "ProcessSetup.h"
#include "XDriving.h"
#include "integration/platform/Child.h"
#include "kbsim/EmulatorServer.h"
#include "kbsim/KeyboardModel.h"
#include "platform/Endpoint.h"
#include "protocol/FeatureReportIds.h"
#include "shared/IniFile.h"
#include "shared/Messages.h"
#include "shared/SettingsStore.h"
#include "shared/SharedBlock.h"
#include "support/TempRuntime.h"

namespace orvyn::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Buttons of the Advanced page's polling rate, as skin sections.
constexpr int k125Hz = 1;
constexpr int k500Hz = 2;
constexpr int k1000Hz = 3;
// The keyboard's current profile, which the settings files do not know.
constexpr int kKeyboardProfile = 3;

class OptionMonitorOrderTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!haveXdotool())
            GTEST_SKIP() << "needs an X server and xdotool";
        useEmulatedKeyboard(runtime_.runtime() + "keyboard.sock");
        home_ = std::getenv("ORVYN_VANTOR_HOME") + std::string("/");
        fs::create_directories(home_ + "config");
        programs_ = privateProgramFolder(runtime_.base());

        model_.setTracing(true);
        model_.update([](KeyboardMemory &m) {
            m.currentProfile = kKeyboardProfile;
            m.profiles[kKeyboardProfile].pollingCode = 2;
        });
        server_ = std::make_unique<EmulatorServer>(model_, clock_, runtime_.runtime() + "keyboard.sock");
        std::string error;
        ASSERT_TRUE(server_->start(&error)) << error;
    }
    void TearDown() override {
        if (monitor_) {
            monitor_->kill(SIGTERM);
            monitor_->wait();
        }
        option_.reset();
        if (server_)
            server_->stop();
    }

    void startMonitor() {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1); // Monitor needs no window
        monitor_ = std::make_unique<Child>(std::vector<std::string>{programs_ + "Monitor"});
    }
    void killMonitor() {
        monitor_->kill(SIGKILL);
        monitor_->wait();
        monitor_.reset();
    }
    // Without Option, the read-back is over when the keyboard has been quiet
    // for a while.
    void waitForKeyboardQuiet() {
        ASSERT_TRUE(keyboardWentQuiet(model_)) << "Monitor did not read the keyboard back";
    }

    // Option on the X server, its traces (stderr) arriving as lines.
    void startOption() {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        option_ = std::make_unique<Child>(
            std::vector<std::string>{"/bin/sh", "-c", "exec '" + programs_ + "Option' 2>&1"});
        ASSERT_TRUE(waitForLine(*option_, "Option: first frame painted"));
        window_ = shell("xdotool search --sync --name '^Orvyn Vantor Keyboard Option$' | head -1");
        ASSERT_FALSE(window_.empty());
    }

    void choosePolling(int section) {
        auto [tabX, tabY] = centre("skin_Config.ini", 4);
        click(window_, tabX, tabY);
        const Place page = place("skin_Config.ini", 1, "PAGEPOSITION");
        auto [x, y] = centre("Skin_Advance.ini", section);
        click(window_, page.x + x, page.y + y);
    }
    void clickApply() {
        auto [x, y] = centre("skin_Config.ini", 21);
        click(window_, x, y);
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
        for (int i = 0; i < 50; ++i) {
            std::this_thread::sleep_for(100ms);
            if (shell("xdotool search --onlyvisible --pid " + std::to_string(option_->pid()) + " 2>/dev/null")
                    .find(box) == std::string::npos)
                return;
        }
        FAIL() << "the message box stayed";
    }
    void expectToldSavedButNotSent() {
        EXPECT_TRUE(waitForLine(*option_, "Option: apply done without Monitor"));
        EXPECT_TRUE(waitForLine(*option_,
                                "Option: told the user: The settings were saved, but they could not "
                                "be sent to the keyboard because the Monitor program is not running"));
        dismissNotice();
    }
    void expectAnswered() {
        ASSERT_TRUE(waitForLine(*option_, "Option: apply handed to Monitor"));
        ASSERT_TRUE(waitForLine(*option_, "Option: Monitor answered, OK/Apply enabled", 30));
    }

    // (profile, polling code) of every polling-rate report the keyboard took.
    std::vector<std::pair<int, int>> pollingWrites() const {
        std::vector<std::pair<int, int>> out;
        for (const ReportTrace &t : model_.traces())
            if (t.kind == ReportTrace::Kind::Set && t.ok && t.bytes.size() > 3 &&
                t.bytes[0] == report_id::PollingRate)
                out.emplace_back(t.bytes[2], t.bytes[3]);
        return out;
    }
    int storedPollingRate(int profile) const {
        return IniFile(home_ + "config/Default" + std::to_string(profile) + ".gkp")
            .readNumber("Setting", "PollingRate", -1);
    }

    TempRuntime runtime_;
    std::string home_;
    std::string programs_;
    RealClock clock_{0.01};
    KeyboardModel model_{clock_};
    std::unique_ptr<EmulatorServer> server_;
    std::unique_ptr<Child> monitor_;
    std::unique_ptr<Child> option_;
    std::string window_;
};

TEST_F(OptionMonitorOrderTest, OptionFirstThenMonitorKilledAndStartedAgain) {
    startOption();
    if (HasFatalFailure())
        return;

    // No Monitor yet: saved, and the user is told the keyboard did not get it.
    choosePolling(k1000Hz);
    clickApply();
    expectToldSavedButNotSent();
    EXPECT_EQ(storedPollingRate(0), 4);
    EXPECT_TRUE(pollingWrites().empty());

    // Monitor starts: after its read-back Option shows the keyboard's
    // configuration, and an Apply reaches the keyboard.
    startMonitor();
    ASSERT_TRUE(waitForLine(*option_, "Option: took the keyboard's configuration, profile 3", 30));
    model_.clearTraces();
    choosePolling(k125Hz);
    clickApply();
    expectAnswered();
    EXPECT_EQ(pollingWrites(), (std::vector<std::pair<int, int>>{{kKeyboardProfile, 8}}));
    EXPECT_EQ(model_.memory().profiles[kKeyboardProfile].pollingCode, 8);
    EXPECT_EQ(storedPollingRate(kKeyboardProfile), 1);

    // Monitor killed: its block stays behind, but nobody takes it.
    killMonitor();
    model_.clearTraces();
    choosePolling(k1000Hz);
    clickApply();
    expectToldSavedButNotSent();
    EXPECT_EQ(storedPollingRate(kKeyboardProfile), 4);
    EXPECT_TRUE(pollingWrites().empty());

    // A new Monitor while Option stays open: back in step with its block.
    startMonitor();
    ASSERT_TRUE(waitForLine(*option_, "Option: took the keyboard's configuration, profile 3", 30));
    model_.clearTraces();
    choosePolling(k500Hz);
    clickApply();
    expectAnswered();
    EXPECT_EQ(pollingWrites(), (std::vector<std::pair<int, int>>{{kKeyboardProfile, 2}}));

    // Unplugged: Monitor closes Option. Opened again, an Apply that Monitor
    // answers without a keyboard says so.
    server_->unplug();
    EXPECT_TRUE(ends(*option_, 15));
    startOption();
    if (HasFatalFailure())
        return;
    choosePolling(k125Hz);
    clickApply();
    expectAnswered();
    EXPECT_TRUE(waitForLine(*option_, "Option: told the user: The settings were saved, but no keyboard is "
                                      "connected"));
    dismissNotice();
}

// A Monitor killed outright leaves its block behind. Option then works from
// the settings files, so a profile file mended by hand stays as it is, and
// the next Monitor puts a block of its own in place.
TEST_F(OptionMonitorOrderTest, ABlockLeftByAKilledMonitorIsNotTaken) {
    startMonitor();
    waitForKeyboardQuiet();
    killMonitor();
    const std::string block = runtime_.runtime() + kShareDataName;
    ASSERT_TRUE(fs::exists(block));
    struct stat stale {};
    ASSERT_EQ(::stat(block.c_str(), &stale), 0);
    const std::string profile = home_ + "config/Default" + std::to_string(kKeyboardProfile) + ".gkp";
    ASSERT_TRUE(IniFile(profile).writeText("Setting", "ProFileName", "Mended by hand"));
    SettingsStore files(home_);
    auto before = std::make_unique<ConfigBlock>();
    ASSERT_TRUE(files.loadConfig(*before, "P"));

    startOption();
    if (HasFatalFailure())
        return;
    clickApply();
    expectToldSavedButNotSent();
    auto after = std::make_unique<ConfigBlock>();
    ASSERT_TRUE(files.loadConfig(*after, "P"));
    EXPECT_EQ(std::memcmp(before.get(), after.get(), sizeof(ConfigBlock)), 0) << "the files were overwritten";

    startMonitor();
    ASSERT_TRUE(waitForLine(*option_, "Option: took the keyboard's configuration", 30));
    struct stat fresh {};
    ASSERT_EQ(::stat(block.c_str(), &fresh), 0);
    EXPECT_NE(fresh.st_ino, stale.st_ino) << "the stale block was not replaced";
    SharedConfigBlock shared;
    shared.open(runtime_.runtime(), BlockOwner::MonitorMustRun);
    auto published = std::make_unique<ConfigBlock>();
    ASSERT_TRUE(shared.take(*published));
    EXPECT_EQ(getFixed(published->profiles[kKeyboardProfile].ProFileName), "Mended by hand");
}

// Monitor gone and its block with it, though something still answers at
// Monitor's name: Option posts nothing, says so and is ready again at once.
TEST_F(OptionMonitorOrderTest, WithoutTheBlockNoApplyIsPosted) {
    startMonitor();
    waitForKeyboardQuiet();
    startOption();
    if (HasFatalFailure())
        return;
    killMonitor();
    fs::remove(runtime_.runtime() + kShareDataName);
    fs::remove(runtime_.runtime() + kMutexObjectName);
    Endpoint listener;
    ASSERT_EQ(listener.bind(runtime_.runtime(), kMonitorTitle), BindResult::Bound);

    choosePolling(k1000Hz);
    clickApply();
    expectToldSavedButNotSent();
    EXPECT_EQ(storedPollingRate(kKeyboardProfile), 4);
    clickApply(); // the controls came back at once
    expectToldSavedButNotSent();
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(listener.receive().empty()) << "1224 was posted";
}

// While Option waits for a slow keyboard, another program's window still
// gets the user's clicks.
TEST_F(OptionMonitorOrderTest, ApplyWaitLeavesOtherWindowsClickable) {
    startMonitor();
    waitForKeyboardQuiet();
    startOption();
    if (HasFatalFailure())
        return;
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    Child probe({ORVYN_CLICK_PROBE});
    const auto ready = probe.readLine(10);
    ASSERT_TRUE(ready && ready->rfind("window ", 0) == 0) << "the probe window did not appear";
    const std::string probeWindow = ready->substr(7);

    server_->setReplyDelay(Millis(200000)); // 2 s a reply
    choosePolling(k125Hz);
    clickApply();
    ASSERT_TRUE(waitForLine(*option_, "Option: apply handed to Monitor"));
    click(probeWindow, 50, 50);
    EXPECT_TRUE(waitForLine(probe, "press", 3)) << "the click did not reach the other window";
    server_->setReplyDelay(Millis(0));
    ASSERT_TRUE(waitForLine(*option_, "Option: Monitor answered, OK/Apply enabled", 30));
    ASSERT_FALSE(pollingWrites().empty());
    EXPECT_EQ(pollingWrites().back(), std::make_pair(kKeyboardProfile, 8));
}

// The Monitor Option starts is detached: found by its program file, which
// is this test's alone, and killed by its id.
class StartedMonitor {
public:
    explicit StartedMonitor(std::string program) : program_(std::move(program)) {}
    ~StartedMonitor() { kill(); }
    pid_t pid() const {
        for (const auto &entry : fs::directory_iterator("/proc")) {
            std::error_code error;
            if (fs::read_symlink(entry.path() / "exe", error) == program_)
                return static_cast<pid_t>(std::stoi(entry.path().filename().string()));
        }
        return 0;
    }
    void kill() const {
        const pid_t found = pid();
        if (found == 0)
            return;
        ::kill(found, SIGKILL);
        for (int i = 0; i < 50 && pid() == found; ++i)
            std::this_thread::sleep_for(100ms);
    }

private:
    std::string program_;
};

// Option's window tells where the user stands while Monitor is started from
// it, killed, missing and started again, and confirms an Apply.
TEST_F(OptionMonitorOrderTest, ConnectionLineFollowsMonitorStartedFromTheWindow) {
    constexpr int kStartButtonX = 440, kStartButtonY = 475; // where ConfigWindow puts it
    StartedMonitor monitor(programs_ + "Monitor");
    auto shows = [this](const std::string &state) {
        return waitForLine(*option_, "Option: connection: " + state, 30);
    };
    auto screenshot = [this](const std::string &name) {
        std::this_thread::sleep_for(200ms);
        if (const char *out = std::getenv("ORVYN_RENDER_DIR"))
            shell("import -window " + window_ + " '" + out + "/" + name + ".png' 2>/dev/null");
    };
    startOption();
    if (HasFatalFailure())
        return;
    screenshot("connection-monitor-not-running");

    click(window_, kStartButtonX, kStartButtonY);
    ASSERT_TRUE(waitForLine(*option_, "Option: started Monitor"));
    ASSERT_TRUE(shows("Keyboard connected"));
    ASSERT_NE(monitor.pid(), 0);
    ASSERT_TRUE(waitForLine(*option_, "Option: took the keyboard's configuration", 30));
    screenshot("connection-keyboard-connected");
    choosePolling(k125Hz);
    clickApply();
    ASSERT_TRUE(waitForLine(*option_, "Option: confirmation: Saved to the keyboard", 30));
    screenshot("connection-saved-to-keyboard");

    // Killed: the line follows without the user, the confirmation goes, and
    // no firmware is made up while nothing reported one.
    monitor.kill();
    EXPECT_TRUE(waitForLine(*option_, "Option: confirmation ended"));
    ASSERT_TRUE(shows("Monitor is not running (Driver V1.03)"));

    // Its program missing: said so, nothing started.
    fs::rename(programs_ + "Monitor", programs_ + "Monitor.away");
    click(window_, kStartButtonX, kStartButtonY);
    EXPECT_TRUE(waitForLine(*option_, "Option: Monitor could not be started"));
    dismissNotice();
    EXPECT_EQ(monitor.pid(), 0);
    fs::rename(programs_ + "Monitor.away", programs_ + "Monitor");

    // Started again with the keyboard unplugged, then applied to.
    server_->unplug();
    click(window_, kStartButtonX, kStartButtonY);
    ASSERT_TRUE(shows("No keyboard connected"));
    screenshot("connection-no-keyboard");
    choosePolling(k1000Hz);
    clickApply();
    ASSERT_TRUE(waitForLine(*option_, "Option: confirmation: Saved; the keyboard is not connected", 30));
    screenshot("connection-saved-no-keyboard");
    dismissNotice();
}

} // namespace
} // namespace orvyn::test
