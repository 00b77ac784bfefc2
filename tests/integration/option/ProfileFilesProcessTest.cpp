// Profile files end to end: a real Option clicked with xdotool, its file
// and profile dialogs answered by typing, a real Monitor, and the emulated
// keyboard that shows what reached it.
#include "OptionProcessKit.h"

#include <cstring>
#include <fstream>
#include <set>

#include "option/skin/SkinNames.h"
#include "protocol/FeatureReports.h"
#include "shared/SettingsStore.h"
#include "shared/SharedBlock.h"

namespace orvyn::test {
namespace {

using CW = ConfigWindowSkin;

// Profile `p` on the keyboard made unlike its defaults, written as Monitor
// writes it: remapped keys, a macro, a key combination, lighting, polling
// rate, switches.
void writeUnusualProfile(KeyboardModel &model, int p) {
    auto config = std::make_unique<ConfigBlock>();
    std::memset(config.get(), 0, sizeof(ConfigBlock));
    makeDefaultConfig(*config, "Profile");
    ProfileData &d = config->profiles[p];
    d.standardkey[10] = 4;
    d.standardkey[20] = 241;
    MacroKeyInfo &macro = d.keys[2];
    macro.type = 3;
    setFixed(macro.macroName, "Jump");
    macro.eventCount = 2;
    macro.repeatCount = 2;
    macro.events[0] = MacroEvent{0x2C, kEventPress, 40};
    macro.events[1] = MacroEvent{0x2C, kEventRelease, 10};
    d.keys[4].type = 2;
    d.keys[4].flags = 1;
    d.keys[4].code = 6;
    d.LtColor = 3;
    d.LtControl = 8;
    d.ECOMode = 1;
    d.PollingRate = 4; // the factory rate is 2

    d.winKeyLock() = 1;
    for (const Report &r : {encodeKeyMatrix(d, p), encodeSwitches(d, p), encodeAssignments(d, p),
                            encodeLighting(d, p), encodePollingRate(d, p), encodeMacro(macro, p, 2)})
        ASSERT_TRUE(model.setFeature(r.data(), r.length)) << int(r.id());
}

// Answers the file dialog titled `title` by typing `path` into it.
void answerFileDialog(const std::string &title, const std::string &path) {
    const std::string dialog = shell("xdotool search --sync --name '^" + title + "$' | head -1");
    ASSERT_FALSE(dialog.empty()) << "no dialog " << title;
    shell("xdotool windowfocus --sync " + dialog + " 2>/dev/null");
    std::this_thread::sleep_for(300ms);
    shell("xdotool type --delay 5 '" + path + "'");
    // A completion list may take the first Return.
    for (int i = 0; i < 5; ++i) {
        std::this_thread::sleep_for(300ms);
        shell("xdotool key Return");
        std::this_thread::sleep_for(300ms);
        if (shell("xdotool search --name '^" + title + "$' 2>/dev/null").empty())
            return;
    }
    FAIL() << "the dialog " << title << " stayed open";
}

// Closes the message box Option shows (titled "Option") with its OK.
void acknowledgeMessage() {
    const std::string box = shell("xdotool search --sync --onlyvisible --name '^Option$' | head -1");
    ASSERT_FALSE(box.empty()) << "no message";
    shell("xdotool windowfocus --sync " + box + " 2>/dev/null");
    std::this_thread::sleep_for(200ms);
    shell("xdotool key Return");
    for (int i = 0; i < 20 && !shell("xdotool search --onlyvisible --name '^Option$' 2>/dev/null").empty();
         ++i)
        std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(shell("xdotool search --onlyvisible --name '^Option$' 2>/dev/null").empty())
        << "the message stayed";
}

class ProfileFilesProcessTest : public OptionProcessTest {
protected:
    // Keyboard, Monitor and a clickable Option; false (skipped) without X.
    bool start() {
        if (!haveXdotool())
            return false;
        model_.setBusyTime(Millis{0});
        writeUnusualProfile(model_, 1);
        startKeyboardAndMonitor();
        if (HasFatalFailure())
            return false;
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        option_ = startOption();
        EXPECT_TRUE(waitForLine(*option_, "Option: first frame painted"));
        window_ = shell("xdotool search --sync --name '^Orvyn Vantor Keyboard Option$' | head -1");
        EXPECT_FALSE(window_.empty());
        return !window_.empty();
    }
    void clickButton(int section) {
        auto [x, y] = centre(CW::kFile, section);
        click(window_, x, y);
    }
    void apply() {
        model_.clearTraces();
        clickButton(CW::Apply);
        ASSERT_TRUE(waitForLine(*option_, "Option: apply handed to Monitor"));
        ASSERT_TRUE(waitForLine(*option_, "Option: Monitor answered, OK/Apply enabled"));
    }

    std::unique_ptr<Child> option_;
    std::string window_;
};

TEST_F(ProfileFilesProcessTest, ProfileExportedAndImportedElsewhereReachesTheKeyboardWhole) {
    if (!start())
        GTEST_SKIP() << "needs an X server and xdotool";
    const std::string file = runtime_.base() + "/round.trip.gkp";

    clickButton(CW::FirstProfile + 1);
    clickButton(CW::ExportProfile);
    answerFileDialog("Export the profile", file);
    ASSERT_TRUE(waitForLine(*option_, "Option: profile exported"));
    ASSERT_TRUE(fs::exists(file));
    EXPECT_TRUE(fs::exists(home_ + "config/round.trip.gkp"));

    clickButton(CW::FirstProfile + 3);
    clickButton(CW::ImportProfile);
    answerFileDialog("Import a profile", file);
    ASSERT_TRUE(waitForLine(*option_, "Option: profile imported"));
    EXPECT_TRUE(fs::exists(home_ + "round.trip.gkp"));

    apply();
    std::set<std::pair<int, int>> sent; // (report, profile), and macros by slot
    std::set<int> macroSlots;
    for (const auto &report : writes()) {
        if (report[0] == report_id::CurrentProfile)
            continue;
        EXPECT_EQ(report[2], 3) << "report " << int(report[0]) << " of another profile";
        sent.insert({report[0], report[2]});
        if (report[0] == report_id::Macro)
            macroSlots.insert(report[3]);
    }
    // 6, 7, 8 and 10 because the import marks them; 11 because the polling
    // rate differs (an import does not mark it).
    for (int id : {6, 7, 8, 10, 11})
        EXPECT_TRUE(sent.count({id, 3})) << "report " << id;
    EXPECT_EQ(macroSlots, std::set<int>{2}) << "report 9 for the macro slot only";

    // The keyboard's profile 4 now holds what its profile 2 holds; only the
    // bytes that name the profile itself differ.
    const KeyboardMemory memory = model_.memory();
    const ProfileMemory &from = memory.profiles[1];
    const ProfileMemory &to = memory.profiles[3];
    EXPECT_EQ(std::memcmp(from.matrix, to.matrix, sizeof from.matrix), 0);
    EXPECT_EQ(std::memcmp(from.assignments, to.assignments, sizeof from.assignments), 0);
    EXPECT_EQ(from.switchBits, to.switchBits);
    EXPECT_EQ(from.pollingCode, to.pollingCode);
    // Byte 2 is the profile's number in both; lighting byte 11 its mark.
    auto sameBut = [](const uint8_t *a, const uint8_t *b, std::size_t size, std::set<std::size_t> skip) {
        for (std::size_t i = 0; i < size; ++i) {
            if (!skip.count(i) && a[i] != b[i])
                return false;
        }
        return true;
    };
    EXPECT_TRUE(sameBut(from.lighting, to.lighting, sizeof from.lighting, {2, 11}));
    for (int s = 0; s < kMacroSlots; ++s)
        EXPECT_TRUE(sameBut(from.macros[s], to.macros[s], report_length::Macro, {2})) << "macro slot " << s;
}

TEST_F(ProfileFilesProcessTest, RefusedFileIsReportedAndNothingReachesTheKeyboard) {
    if (!start())
        GTEST_SKIP() << "needs an X server and xdotool";
    SharedConfigBlock block;
    block.open(runtime_.runtime());
    auto before = std::make_unique<ConfigBlock>();
    ASSERT_TRUE(block.take(*before));

    const std::string photo = runtime_.base() + "/photo.gkp";
    std::ofstream(photo, std::ios::binary)
        << std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10) << std::string(4000, '\x55');
    clickButton(CW::ImportProfile);
    answerFileDialog("Import a profile", photo);
    ASSERT_TRUE(waitForLine(*option_, "Option: profile import refused"));
    acknowledgeMessage();

    apply();
    EXPECT_TRUE(writes().empty()) << writes().size() << " reports after a refused import";
    auto after = std::make_unique<ConfigBlock>();
    ASSERT_TRUE(block.take(*after));
    EXPECT_EQ(std::memcmp(before->profiles, after->profiles, sizeof before->profiles), 0);
    EXPECT_FALSE(fs::exists(home_ + "photo.gkp"));
}

// The 20 characters of the name field limit typing only: EDIT and OK with a
// new game program keep a longer stored name.
TEST_F(ProfileFilesProcessTest, EditingOnlyTheGameKeepsALongProfileName) {
    const int p = model_.currentProfile();
    const std::string name = "Tournament evenings with the long macros";
    auto stored = std::make_unique<ConfigBlock>();
    std::memset(stored.get(), 0, sizeof(ConfigBlock));
    makeDefaultConfig(*stored, "Profile");
    stored->CurrentProfile = p;
    setFixed(stored->profiles[p].ProFileName, name);
    ASSERT_TRUE(SettingsStore(home_).saveConfig(*stored));
    if (!start())
        GTEST_SKIP() << "needs an X server and xdotool";
    const std::string file = home_ + "config/Default" + std::to_string(p) + ".gkp";
    auto before = std::make_unique<ProfileData>();
    ASSERT_TRUE(SettingsStore::loadProfile(*before, file));
    ASSERT_EQ(getFixed(before->ProFileName), name) << "Monitor kept the name";

    using PD = ProfileDialogSkin;
    clickButton(CW::ProfileEdit);
    const std::string dialog = shell("xdotool search --sync --onlyvisible --name '^Profile$' | head -1");
    ASSERT_FALSE(dialog.empty()) << "no profile dialog";
    const auto [gameX, gameY] = centre(PD::kFile, PD::GameField);
    click(dialog, gameX, gameY);
    shell("xdotool key ctrl+a type --delay 5 /usr/games/arena");
    const auto [okX, okY] = centre(PD::kFile, PD::Ok);
    click(dialog, okX, okY);
    apply();

    auto after = std::make_unique<ProfileData>();
    ASSERT_TRUE(SettingsStore::loadProfile(*after, file));
    EXPECT_EQ(getFixed(after->ProFileName), name);
    EXPECT_EQ(getFixed(after->GameFile), "/usr/games/arena");
    setFixed(before->GameFile, "/usr/games/arena");
    EXPECT_EQ(std::memcmp(before.get(), after.get(), sizeof(ProfileData)), 0) << "nothing else changed";
}

} // namespace
} // namespace orvyn::test
