// Option as a real process: alone (instance lock, closing by message) and
// with a real Monitor and an emulated keyboard served from this test, its
// window clicked on the X server with xdotool.
#include "OptionProcessKit.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <set>
#include <sys/stat.h>

#include "editing/MacroLibrary.h"
#include "platform/InstanceLock.h"
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

// The visible window of Option other than `main`, once one is there (and a
// menu that just closed has gone).
std::string otherWindow(const Child &option, const std::string &main) {
    std::this_thread::sleep_for(500ms);
    for (int i = 0; i < 50; ++i) {
        std::stringstream ids(
            shell("xdotool search --onlyvisible --pid " + std::to_string(option.pid()) + " 2>/dev/null"));
        std::string id;
        while (ids >> id)
            if (id != main)
                return id;
        std::this_thread::sleep_for(100ms);
    }
    return {};
}

// A window found by its exact title.
std::string windowNamed(const std::string &title) {
    return shell("xdotool search --sync --onlyvisible --name '^" + title + "$' | head -1");
}

// The dialog that took the keyboard: "Hhook: <window>" with a window.
bool keyboardTaken(Child &option) {
    while (auto line = option.readLine(20)) {
        if (line->rfind("Hhook: ", 0) == 0)
            return *line != "Hhook: 0";
    }
    return false;
}

// The dialog ended and gave the keyboard back.
bool keyboardGivenBack(Child &option) {
    return waitForLine(option, "UnHhook: Success");
}

std::string lineWith(Child &child, const std::string &text, int seconds = 20) {
    while (auto line = child.readLine(seconds))
        if (line->find(text) != std::string::npos)
            return *line;
    return {};
}

// A skin that cannot draw the main window is named at once, on stderr and
// in a plain message box, and Option ends without a window; the instance
// lock is already free while the box is up, so vantorctl is not refused.
TEST_F(OptionProcessTest, ABrokenSkinIsNamedAndOptionEnds) {
    const bool box = haveXdotool();
    ::setenv("QT_QPA_PLATFORM", box ? "xcb" : "offscreen", 1);
    const std::string skins = programs_ + "skins/";
    fs::remove(programs_ + "skins");
    fs::copy(std::string(ORVYN_PROGRAM_DIR) + "skins", skins, fs::copy_options::recursive);
    struct Case {
        const char *file;
        const char *fault;
    };
    const Case cases[] = {
        {"config_normal.jpg", "fifo"}, // no writer: a blocking open would never return
        {"skin_Config.ini", "missing"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = skins + c.file;
        const std::string saved = path + ".saved";
        fs::rename(path, saved);
        if (std::string(c.fault) == "fifo") {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        }
        auto option = startOption();
        const auto started = std::chrono::steady_clock::now();
        const std::string line = lineWith(*option, "Option: cannot draw its windows: ", 10);
        EXPECT_NE(line.find(path + ": "), std::string::npos) << line;
        EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);
        InstanceLock lock;
        EXPECT_EQ(lock.acquire(runtime_.runtime(), kOptionInstanceName), LockResult::Acquired);
        lock.release();
        if (box) {
            const std::string window = shell("timeout 10 xdotool search --sync --name '^Option$' | head -1");
            ASSERT_FALSE(window.empty()) << "no message box";
            shell("xdotool windowfocus --sync " + window + " key Return");
            ASSERT_TRUE(ends(*option)) << "the box did not close";
            EXPECT_EQ(option->wait(), 1);
        }
        fs::remove(path);
        fs::rename(saved, path);
    }
}

TEST_F(OptionProcessTest, KeyAssignmentsMadeInTheWindowReachTheKeyboardAndComeBack) {
    if (!haveXdotool())
        GTEST_SKIP() << "needs an X server and xdotool";
    {
        MacroLibrary library(home_ + "config/sequence.dat");
        MacroRecord &burst = library.create("Burst");
        burst.count = 4;
        burst.repeat = 3;
        const MacroEvent steps[] = {{4, 1, 50}, {4, 2, 100}, {5, 1, 50}, {5, 2, 0}};
        std::copy(std::begin(steps), std::end(steps), burst.events);
        ASSERT_TRUE(library.save());
    }
    startKeyboardAndMonitor();
    if (HasFatalFailure())
        return;
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    auto option = startOption();
    ASSERT_TRUE(waitForLine(*option, "Option: first frame painted"));
    const std::string window =
        shell("xdotool search --sync --name '^Orvyn Vantor Keyboard Option$' | head -1");
    ASSERT_FALSE(window.empty());
    const Place page = place("skin_Config.ini", 1, "PAGEPOSITION");
    auto clickOnPage = [&](const char *skin, int section) {
        auto [x, y] = centre(skin, section);
        click(window, page.x + x, page.y + y);
    };
    auto clickInDialog = [&](const std::string &dialog, const char *skin, int section) {
        auto [x, y] = centre(skin, section);
        click(dialog, x, y);
    };
    auto tab = [&](int key) {
        auto [x, y] = centre("skin_Config.ini", key);
        click(window, x, y);
    };

    // S (position 46) sends D: typed into the swap-key dialog.
    clickOnPage("skin_main.ini", 40 + 46);
    std::string dialog = windowNamed("Swap key Dialog");
    ASSERT_FALSE(dialog.empty()) << "no swap-key dialog";
    ASSERT_TRUE(keyboardTaken(*option));
    shell("xdotool key d");
    std::this_thread::sleep_for(300ms);
    clickInDialog(dialog, "skin_swap_key.ini", 2);
    ASSERT_TRUE(keyboardGivenBack(*option));

    // G1 plays the library macro: Macro > (manager, separator) Burst.
    tab(2);
    clickOnPage("skin_macro_control.ini", 1);
    shell("xdotool key --delay 150 Down Right Down Return");
    std::this_thread::sleep_for(300ms);

    // G5 (a single key, no modifiers) becomes Ctrl+Alt+A: the key typed,
    // the modifiers clicked.
    clickOnPage("skin_macro_control.ini", 5);
    shell("xdotool key --delay 150 Down Down Down Down Down Down Return");
    dialog = windowNamed("Z.ORBA Shortcut Dialog");
    ASSERT_FALSE(dialog.empty()) << "no shortcut dialog";
    ASSERT_TRUE(keyboardTaken(*option));
    shell("xdotool key a");
    std::this_thread::sleep_for(300ms);
    clickInDialog(dialog, "skin_shortcut.ini", 6); // Ctrl
    clickInDialog(dialog, "skin_shortcut.ini", 8); // Alt
    clickInDialog(dialog, "skin_shortcut.ini", 2);
    ASSERT_TRUE(keyboardGivenBack(*option));

    // G3 starts a program, typed into the launch-program dialog.
    clickOnPage("skin_macro_control.ini", 3);
    shell("xdotool key --delay 150 Down Down Down Down Down Down Down Return");
    dialog = otherWindow(*option, window);
    ASSERT_FALSE(dialog.empty()) << "no launch-program dialog";
    clickInDialog(dialog, "skin_lanuch_program.ini", 1);
    shell("xdotool windowfocus --sync " + dialog + " type --delay 30 /usr/bin/true");
    std::this_thread::sleep_for(300ms);
    clickInDialog(dialog, "skin_lanuch_program.ini", 3);

    // M1 plays and pauses: Multimedia > Play/Pause.
    tab(3);
    clickOnPage("skin_media_key_control.ini", 9);
    shell("xdotool key --delay 150 Down Down Right Down Return");
    std::this_thread::sleep_for(300ms);

    model_.clearTraces();
    tab(21); // Apply
    ASSERT_TRUE(waitForLine(*option, "Option: apply handed to Monitor"));
    ASSERT_TRUE(waitForLine(*option, "Option: Monitor answered, OK/Apply enabled"));
    std::set<std::pair<int, int>> sent; // (report, profile)
    for (const auto &report : writes())
        sent.insert({report[0], report[0] == 5 ? -1 : report[2]});
    EXPECT_TRUE(sent.count({6, 0}));
    EXPECT_TRUE(sent.count({8, 0}));
    EXPECT_TRUE(sent.count({9, 0}));

    // The keyboard holds exactly these changes.
    const ProfileMemory now = model_.profile(0);
    const ProfileMemory factory = factoryProfile(0);
    const int cellOfS = static_cast<int>(
        std::find(kFactoryKeyMatrix, kFactoryKeyMatrix + kKeyMatrixCells, 22) - kFactoryKeyMatrix);
    for (int c = 0; c < kKeyMatrixCells; ++c)
        EXPECT_EQ(now.matrix[c], c == cellOfS ? 7 : factory.matrix[c]) << "cell " << c;
    std::map<int, std::array<uint8_t, 3>> changed = {
        {0, {3, 0, 0}}, {2, {11, 3, 0}}, {4, {2, kModCtrl | kModAlt, 4}}, {8, {6, 176, 0}}};
    for (int s = 0; s < kMacroSlots; ++s) {
        const uint8_t *want = changed.count(s) ? changed[s].data() : factory.assignments[s];
        for (int b = 0; b < 3; ++b)
            EXPECT_EQ(now.assignments[s][b], want[b]) << "slot " << s << " byte " << b;
    }
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(now.macros[0]) + 5, 5), "Burst");
    EXPECT_EQ(now.macros[0][4], 3); // repeat

    // Unplugged, Option closes; plugged again, Monitor reads the keyboard
    // back and a new Option shows the same assignments on its pages.
    server_->unplug();
    ASSERT_TRUE(ends(*option, 15));
    option->wait();
    model_.clearTraces();
    ASSERT_TRUE(server_->plug());
    std::size_t seen = 0;
    int quietRounds = 0;
    for (int i = 0; i < 200 && quietRounds < 5; ++i) {
        std::this_thread::sleep_for(100ms);
        const std::size_t traces = model_.traces().size();
        quietRounds = traces > 0 && traces == seen ? quietRounds + 1 : 0;
        seen = traces;
    }
    ASSERT_EQ(quietRounds, 5) << "no read-back after the keyboard came back";
    option = startOption();
    const std::string shown = lineWith(*option, "Option: pages show ");
    ASSERT_FALSE(shown.empty());
    EXPECT_NE(shown.find("remapped=46:7 "), std::string::npos) << shown;
    EXPECT_NE(shown.find(" keys=Burst|Lighting Mode|true||Ctrl+Alt+A|"), std::string::npos) << shown;
    EXPECT_NE(shown.find(" media=Play/Pause|"), std::string::npos) << shown;
    ASSERT_TRUE(poster_.post(kOptionTitle, WM_CLOSE_MSG));
    EXPECT_TRUE(ends(*option));
}

// Option in German draws from the German skin set: a picture missing there,
// and only there, is the one it names.
TEST_F(OptionProcessTest, GermanOptionDrawsFromTheGermanSkinSet) {
    if (!fs::exists(std::string(ORVYN_PROGRAM_DIR) + "skins/de/skin_Config.ini"))
        GTEST_SKIP() << "skin sets not generated";
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    fs::remove(programs_ + "skins");
    fs::copy(std::string(ORVYN_PROGRAM_DIR) + "skins", programs_ + "skins", fs::copy_options::recursive);
    const std::string picture = programs_ + "skins/de/config_normal.jpg";
    fs::remove(picture);
    Child option({"/bin/sh", "-c", "exec '" + programs_ + "Option' --language de 2>&1"});
    const std::string line = lineWith(option, "Option: cannot draw its windows: ", 10);
    EXPECT_NE(line.find(picture + ": "), std::string::npos) << line;
    option.kill(SIGTERM);
    option.wait();
}

} // namespace
} // namespace orvyn::test
