// Macros through the real programs on an X server, driven with xdotool:
// a macro recorded in Option's macro manager with real pauses reaches the
// keyboard (emulated here) by OK and Apply; a macro recorded on the keyboard
// while the manager is open reaches the library without the manager's
// unconfirmed edits; and killing Option while it records leaves the
// keyboard to the other clients.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>
#include <thread>
#include <vector>

#include "editing/MacroLibrary.h"
#include "integration/option/ProcessSetup.h"
#include "integration/option/XDriving.h"
#include "integration/platform/Child.h"
#include "kbsim/EmulatorServer.h"
#include "kbsim/KeyboardModel.h"
#include "platform/Endpoint.h"
#include "protocol/EventTypes.h"
#include "shared/IniFile.h"
#include "shared/Messages.h"
#include "support/TempRuntime.h"

namespace orvyn::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Waits for Option's trace of a keyboard grab taken ("Hhook: <window>").
bool waitForGrab(Child &option) {
    while (auto line = option.readLine(20)) {
        if (line->rfind("Hhook: ", 0) == 0)
            return line->rfind("Hhook: 0", 0) != 0;
    }
    return false;
}

// A skinned control clicked at its centre.
void click(const std::string &window, const std::string &skin, int key) {
    const auto [x, y] = centre(skin, key);
    orvyn::test::click(window, x, y);
}

constexpr const char *kMain = "skin_Config.ini";
constexpr const char *kManager = "skin_macro_manager.ini";
constexpr int kMacroManagerButton = 15, kApplyButton = 21;
constexpr int kManagerOk = 1, kManagerCancel = 2, kManagerNew = 4, kManagerDelete = 5, kManagerRecord = 7,
              kManagerDelays = 8;
constexpr int kSlot = 5;

class MacroProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!haveXdotool())
            GTEST_SKIP() << "needs an X server and xdotool";
        useEmulatedKeyboard(runtime_.runtime() + "keyboard.sock");
        home_ = std::getenv("ORVYN_VANTOR_HOME") + std::string("/");
        fs::create_directories(home_ + "config");
        programs_ = privateProgramFolder(runtime_.base());
    }
    void TearDown() override {
        if (option_) {
            option_->kill(SIGTERM);
            option_->wait();
        }
        if (monitor_) {
            monitor_->kill(SIGTERM);
            monitor_->wait();
        }
        if (server_)
            server_->stop();
    }

    void startKeyboardAndMonitor() {
        model_.setTracing(true);
        server_ = std::make_unique<EmulatorServer>(model_, clock_, runtime_.runtime() + "keyboard.sock");
        std::string error;
        ASSERT_TRUE(server_->start(&error)) << error;
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1); // Monitor needs no window
        monitor_ = std::make_unique<Child>(std::vector<std::string>{programs_ + "Monitor"});
        ASSERT_TRUE(keyboardWentQuiet(model_)) << "Monitor did not read the keyboard back";
    }

    // Option on the X server, its main window found.
    void startOption() {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        option_ = std::make_unique<Child>(
            std::vector<std::string>{"/bin/sh", "-c", "exec '" + programs_ + "Option' 2>&1"});
        ASSERT_TRUE(waitForLine(*option_, "Option: first frame painted"));
        main_ = shell("xdotool search --sync --name '^Orvyn Vantor Keyboard Option$' | head -1");
        ASSERT_FALSE(main_.empty());
    }

    // The window Option opened besides its main window.
    std::string openedWindow() {
        for (int i = 0; i < 50; ++i) {
            std::this_thread::sleep_for(100ms);
            std::stringstream ids(shell("xdotool search --onlyvisible --pid " +
                                        std::to_string(option_->pid()) + " 2>/dev/null"));
            std::string id, found;
            while (ids >> id)
                if (id != main_ && id != manager_)
                    found = id;
            if (!found.empty())
                return found;
        }
        return {};
    }

    void openManager() {
        click(main_, kMain, kMacroManagerButton);
        manager_ = openedWindow();
        ASSERT_FALSE(manager_.empty()) << "no macro manager";
    }

    // A new macro named `name` in the open manager, not confirmed.
    void newMacro(const char *name) {
        click(manager_, kManager, kManagerNew);
        shell("xdotool windowfocus --sync " + manager_ + " 2>/dev/null");
        shell(std::string("xdotool type --delay 20 ") + name);
        shell("xdotool key Return");
        std::this_thread::sleep_for(200ms);
    }

    // The names in config/sequence.dat once it holds `expected` (or after 10 s).
    std::vector<std::string> storedNames(const std::vector<std::string> &expected) {
        std::vector<std::string> names;
        for (int i = 0; i < 100; ++i) {
            MacroLibrary library(home_ + "config/sequence.dat");
            library.load();
            names.clear();
            for (std::size_t m = 0; m < library.size(); ++m)
                names.emplace_back(getFixed(library.at(static_cast<int>(m))->name));
            if (names == expected)
                break;
            std::this_thread::sleep_for(100ms);
        }
        return names;
    }

    // Key `slot` of the current profile records a macro on the keyboard;
    // Monitor reads it back and tells Option.
    void recordOnTheKeyboard(int slot) {
        ASSERT_TRUE(model_.recordMacro(slot, {{7, false, 0}, {7, true, 2}}));
        ASSERT_TRUE(
            server_->sendEvent(eventTypeWord(EventType::RecordedMacro), static_cast<uint16_t>(slot + 1)));
        ASSERT_TRUE(waitForLine(*option_, "Option: took the keyboard's configuration"));
    }

    TempRuntime runtime_;
    std::string home_;
    std::string programs_;
    RealClock clock_{0.01};
    KeyboardModel model_{clock_};
    std::unique_ptr<EmulatorServer> server_;
    std::unique_ptr<Child> monitor_;
    std::unique_ptr<Child> option_;
    std::string main_, manager_;
};

// Milliseconds of the delay units in a step of a report-9 macro.
int delayOf(const uint8_t *entry) {
    return (entry[1] & 0x7F) * 50;
}

TEST_F(MacroProcessTest, ARecordedMacroReachesTheKeyboardWithItsPauses) {
    // Key 6 of profile 1 plays the macro "Combo" (two steps); the user
    // records it anew under the same name.
    model_.recordMacro(kSlot, {{4, false, 0}, {4, true, 1}});
    model_.update(
        [](KeyboardMemory &m) { std::memcpy(&m.profiles[m.currentProfile].macros[kSlot][5], "Combo", 5); });
    const int profile = model_.currentProfile();
    startKeyboardAndMonitor();
    if (HasFatalFailure())
        return;
    startOption();
    if (HasFatalFailure())
        return;
    openManager();
    if (HasFatalFailure())
        return;

    // Delete the old "Combo" (confirmed), make a new one by that name.
    click(manager_, kManager, kManagerDelete);
    const std::string confirm = openedWindow();
    ASSERT_FALSE(confirm.empty()) << "no delete confirmation";
    click(confirm, "skin_delete_macro_warn.ini", 1);
    newMacro("Combo");

    click(manager_, kManager, kManagerDelays);
    click(manager_, kManager, kManagerRecord);
    ASSERT_TRUE(waitForGrab(*option_)) << "recording did not take the keyboard";
    // Eight keystrokes with pauses of 300, 450 and 200 ms between the keys.
    const int pauses[] = {300, 450, 200};
    shell("xdotool key --delay 0 a sleep 0.3 key --delay 0 b sleep 0.45 key --delay 0 c sleep 0.2 "
          "key --delay 0 d");
    std::this_thread::sleep_for(300ms);
    click(manager_, kManager, kManagerRecord);
    ASSERT_TRUE(waitForLine(*option_, "UnHhook: Success"));
    click(manager_, kManager, kManagerOk);

    // The library file holds the recording with its pauses.
    MacroLibrary library(home_ + "config/sequence.dat");
    library.load();
    ASSERT_EQ(library.size(), 1u);
    const MacroRecord &combo = *library.at(0);
    EXPECT_EQ(getFixed(combo.name), "Combo");
    ASSERT_EQ(combo.count, 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(combo.events[i].key, 4 + i / 2) << i;
        EXPECT_EQ(combo.events[i].state, i % 2 ? 2 : 1) << i;
        if (i % 2 == 0) {
            EXPECT_LT(combo.events[i].delay, 20) << "press to release of one key";
        } else if (i < 7) {
            EXPECT_NEAR(combo.events[i].delay, pauses[i / 2], 20) << i;
        }
    }
    EXPECT_EQ(combo.events[7].delay, 0);

    // Apply: the key's macro goes to the keyboard in report-9 form.
    model_.clearTraces();
    click(main_, kMain, kApplyButton);
    ASSERT_TRUE(waitForLine(*option_, "Option: Monitor answered, OK/Apply enabled"));
    const ProfileMemory stored = model_.profile(profile);
    const uint8_t *macro = stored.macros[kSlot];
    ASSERT_EQ(macro[29], 8) << "eight steps";
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(macro + 5), 5), "Combo");
    const uint8_t *entries = macro + kMacroHeaderBytes;
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(entries[2 * i], 4 + i / 2) << i;
        EXPECT_EQ((entries[2 * i + 1] & 0x80) != 0, i % 2 == 1) << i;
    }
    // The pause before each key after the first.
    for (int k = 1; k < 4; ++k)
        EXPECT_NEAR(delayOf(entries + 2 * (2 * k)), pauses[k - 1], 20) << "before key " << k;
}

TEST_F(MacroProcessTest, AMacroReadBackWhileTheManagerIsOpenKeepsItsEditsApart) {
    model_.recordMacro(kSlot, {{4, false, 0}, {4, true, 1}});
    model_.update(
        [](KeyboardMemory &m) { std::memcpy(&m.profiles[m.currentProfile].macros[kSlot][5], "Combo", 5); });
    const std::string pro = "Pro" + std::to_string(model_.currentProfile() + 1);
    ASSERT_NO_FATAL_FAILURE(startKeyboardAndMonitor());
    ASSERT_NO_FATAL_FAILURE(startOption());
    ASSERT_EQ(storedNames({"Combo"}), std::vector<std::string>{"Combo"});

    // Cancel: the keyboard's macro is in the file, the unconfirmed one never.
    ASSERT_NO_FATAL_FAILURE(openManager());
    newMacro("Fresh");
    ASSERT_NO_FATAL_FAILURE(recordOnTheKeyboard(6));
    const std::vector<std::string> readBack{"Combo", pro + "-M2"};
    EXPECT_EQ(storedNames(readBack), readBack);
    click(manager_, kManager, kManagerCancel);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(storedNames(readBack), readBack);

    // OK: the manager's list kept its edit and gained the keyboard's macro.
    manager_.clear();
    ASSERT_NO_FATAL_FAILURE(openManager());
    newMacro("Fresh");
    ASSERT_NO_FATAL_FAILURE(recordOnTheKeyboard(7));
    EXPECT_EQ(storedNames({"Combo", pro + "-M2", pro + "-M3"}),
              (std::vector<std::string>{"Combo", pro + "-M2", pro + "-M3"}));
    click(manager_, kManager, kManagerOk);
    const std::vector<std::string> accepted{"Combo", pro + "-M2", "Fresh", pro + "-M3"};
    EXPECT_EQ(storedNames(accepted), accepted);
}

TEST_F(MacroProcessTest, KillingOptionWhileItRecordsLeavesTheKeyboardUsable) {
    MacroLibrary library(home_ + "config/sequence.dat");
    library.create("m");
    ASSERT_TRUE(library.save());
    for (int signal : {SIGKILL, SIGTERM}) {
        startOption();
        if (HasFatalFailure())
            return;
        openManager();
        if (HasFatalFailure())
            return;
        click(manager_, kManager, kManagerRecord);
        ASSERT_TRUE(waitForGrab(*option_)) << "recording did not take the keyboard";

        Child witness({ORVYN_WITNESS, "watch"});
        auto ready = witness.readLine(10);
        ASSERT_TRUE(ready && ready->rfind("ready ", 0) == 0);
        shell("xdotool key x");
        std::this_thread::sleep_for(300ms);
        EXPECT_FALSE(witness.readLine(0).has_value()) << "Option holds the keyboard while recording";

        option_->kill(signal);
        option_->wait();
        option_.reset();
        manager_.clear();
        shell("xdotool windowfocus --sync " + ready->substr(6) + " 2>/dev/null");
        shell("xdotool key c");
        bool typed = false;
        while (auto line = witness.readLine(3))
            if (*line == "key 54 down") {
                typed = true;
                break;
            }
        EXPECT_TRUE(typed) << "the keyboard came back after signal " << signal;
    }
}

} // namespace
} // namespace orvyn::test
