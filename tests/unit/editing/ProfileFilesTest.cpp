// Profile files through the session: export, import, what an import marks
// for the next Apply, and the files it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "OptionFakes.h"
#include "editing/ConfigSession.h"
#include "editing/ProfileFiles.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

using namespace orvyn::testing;
namespace fs = std::filesystem;

std::string readAll(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::string &path, const std::string &bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A profile unlike any default: every stored field changed.
void makeUnusual(ProfileData &p) {
    setFixed(p.ProFileName, "Rocket League");
    setFixed(p.GameFile, "C:\\Games\\RL\\RocketLeague.exe");
    p.MediaOption = 2;
    p.LtSwitch = 0;
    p.LtEffectType = 3;
    p.LtFlag = 0;
    p.LtColor = 3;
    p.LtControl = 8;
    p.LtSaving = 1;
    p.LtTimeout = 9;
    p.ECOMode = 1;
    p.PollingRate = 2;
    p.winKeyLock() = 1;
    p.ModifyKey[5] = 0;
    p.standardkey[10] = 0x2C;
    p.standardkey[43] = 241;
    MacroKeyInfo &macro = p.keys[3];
    macro.type = 3;
    macro.flags = 0;
    setFixed(macro.macroName, "Jump");
    macro.eventCount = 2;
    macro.repeatCount = 3;
    macro.events[0] = MacroEvent{0x2C, 1, 40};
    macro.events[1] = MacroEvent{0x2C, 2, 10};
    p.keys[5].type = 11;
    p.keys[5].flags = 6;
    p.keys[5].code = 0;
    setFixed(p.keys[5].programPath, "/usr/bin/obs");
    p.keys[20].type = 10;
    p.keys[20].code = 77;
    p.apmLightInfo[4] = 9;
}

class ProfileFilesTest : public ::testing::Test {
protected:
    ProfileFilesTest() {
        fs::create_directories(dir_.file("config"));
        fs::create_directories(dir_.file("elsewhere"));
        session_.setView(&view_);
        exchange_.block = std::make_unique<ConfigBlock>();
        std::memset(exchange_.block.get(), 0, sizeof(ConfigBlock));
        makeDefaultConfig(*exchange_.block, "Profile");
        makeUnusual(exchange_.block->profiles[1]);
        session_.initialize(&exchange_);
    }

    std::string outside(const std::string &name) const { return dir_.file("elsewhere/" + name); }
    // What the block carries after the next Apply.
    const ChangeFlags &appliedFlags() {
        session_.apply(ApplyMode::Apply);
        session_.finishApply(ApplyEnd::Answered);
        return exchange_.block->flags;
    }

    test::TempDir dir_;
    SettingsStore settings_{dir_.folder()};
    FakePoster poster_;
    FakeTexts texts_;
    FakeExchange exchange_;
    FakeView view_;
    ConfigSession session_{settings_, poster_, texts_, dir_.file("config/sequence.dat")};
};

TEST(ProfileFileTitle, NameUpToItsLastDot) {
    const std::pair<const char *, const char *> table[] = {{"/home/u/a.b.gkp", "a.b"},
                                                           {"/home/u/plain", "plain"},
                                                           {"/x.y/z", "z"},
                                                           {"rel.gkp", "rel"},
                                                           {"/d/.gkp", ""}};
    for (auto [path, title] : table)
        EXPECT_EQ(profileFileTitle(path), title) << path;
}

TEST_F(ProfileFilesTest, ExportedProfileImportsIntoAnotherProfileWhole) {
    session_.selectProfile(1);
    setFixed(session_.working().profiles[1].keys[3].macroName, "Dash"); // not in the library yet
    const std::string file = outside("a.b.gkp");
    const TransferResult exported = session_.exportProfile(file);
    ASSERT_TRUE(exported.ok) << exported.message;
    EXPECT_TRUE(exported.message.empty());
    // Beside the file: its copy under config/ and its title in config.ini.
    EXPECT_EQ(readAll(dir_.file("config/a.b.gkp")), readAll(file));
    EXPECT_EQ(IniFile(settings_.configIniPath()).readText("Profile2", "FileName", ""), "a.b");

    session_.selectProfile(3);
    const std::size_t refreshes = view_.refreshes.size();
    const TransferResult imported = session_.importProfile(file);
    ASSERT_TRUE(imported.ok) << imported.message;
    EXPECT_EQ(view_.refreshes.size(), refreshes + 1);
    EXPECT_EQ(readAll(dir_.file("a.b.gkp")), readAll(file)); // copied into the settings folder
    // Everything a profile file carries arrived; the reserved words are not
    // in the file and stay the target's.
    ProfileData from = session_.working().profiles[1];
    const ProfileData &to = session_.working().profiles[3];
    from.reserved764 = to.reserved764;
    from.reserved772 = to.reserved772;
    from.lightingReserved = to.lightingReserved;
    EXPECT_EQ(std::memcmp(&from, &to, sizeof from), 0);
    // The key's macro joined the library.
    const MacroMatch dash = session_.library().findByName(to.keys[3]);
    ASSERT_TRUE(dash.found());
    EXPECT_STREQ(session_.library().at(dash.index)->name, "Dash");

    const ChangeFlags &f = session_.working().flags;
    for (int k = 0; k < kKeySlotCount; ++k)
        EXPECT_EQ(f.keySlot[3][k], 1) << k;
    EXPECT_EQ(f.lighting[3], 1);
    EXPECT_EQ(f.standardKey[3], 1);
    EXPECT_EQ(f.modifyKey[3], 1);
    EXPECT_EQ(f.imported[3], 1);
    EXPECT_EQ(f.pollingRate[3], 0);
    EXPECT_EQ(f.hddKeyboard, 0);
    EXPECT_EQ(f.lighting[1], 0);
}

TEST_F(ProfileFilesTest, AnImportIsSentWholeByTheNextApplyOnly) {
    // The file equals the profile it lands in: nothing differs, yet the
    // Apply after the import sends all of it (but the polling rate).
    session_.selectProfile(1);
    ASSERT_TRUE(session_.exportProfile(outside("same.gkp")).ok);
    session_.apply(ApplyMode::Apply);
    session_.finishApply(ApplyEnd::Answered);
    ASSERT_TRUE(session_.importProfile(outside("same.gkp")).ok);
    const ChangeFlags &sent = appliedFlags();
    for (int k = 0; k < kKeySlotCount; ++k)
        EXPECT_EQ(sent.keySlot[1][k], 1) << k;
    EXPECT_EQ(sent.lighting[1] + sent.standardKey[1] + sent.modifyKey[1], 3);
    EXPECT_EQ(sent.pollingRate[1], 0);
    EXPECT_EQ(sent.keySlot[0][0] + sent.lighting[0], 0);

    const ChangeFlags &again = appliedFlags();
    EXPECT_EQ(again.keySlot[1][0] + again.lighting[1] + again.standardKey[1] + again.modifyKey[1], 0);
}

TEST_F(ProfileFilesTest, ExportReplacesAnExistingFileAndItsCopyWhole) {
    const std::string file = outside("mine.gkp");
    const std::string stale = "[Other]\nKeep=1\n[Setting]\nProFileName=old\nExtra=1\n";
    writeAll(file, stale);
    writeAll(dir_.file("config/mine.gkp"), stale);
    session_.selectProfile(1);
    ASSERT_TRUE(session_.exportProfile(file).ok);
    IniDocument expected;
    writeProfileKeys(expected, session_.working().profiles[1]);
    EXPECT_EQ(readAll(file), expected.serialize());
    EXPECT_EQ(readAll(dir_.file("config/mine.gkp")), expected.serialize());
}

TEST_F(ProfileFilesTest, FilesThatAreNoProfileAreRefusedAndChangeNothing) {
    session_.selectProfile(2);
    // A real profile file to damage.
    ASSERT_TRUE(session_.exportProfile(outside("good.gkp")).ok);
    appliedFlags(); // the profile change is out of the way
    std::string damaged = readAll(outside("good.gkp"));
    for (std::size_t at = damaged.find("MacroKeyInfo"); at != std::string::npos;
         at = damaged.find("MacroKeyInfo", at + 1)) {
        const std::size_t value = damaged.find('=', at) + 1;
        damaged[value] = damaged[value] == '0' ? '1' : '0'; // checksum no longer matches
    }
    std::string jpeg = "\xFF\xD8\xFF\xE0";
    jpeg += std::string("\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 16);
    jpeg += std::string(3000, '\x7F');
    const struct {
        const char *name;
        std::string bytes;
        const char *says;
    } files[] = {
        {"empty.gkp", "", "is empty"},
        {"photo.gkp", jpeg, "no [Setting] section"},
        {"other.gkp", "[Macros]\nnumber=0\n", "no [Setting] section"},
        {"damaged.gkp", damaged, "MacroKeyInfo0 does not check out"},
        {"numbers.gkp", "[Setting]\nPollingRate=1\n", "none of the key blocks"},
        {"huge.gkp", std::string(10u << 20, 'A'), "larger than 1 MB"},
    };
    for (const auto &file : files)
        writeAll(outside(file.name), file.bytes);
    ASSERT_EQ(::mkfifo(outside("pipe.gkp").c_str(), 0600), 0);

    const auto before = std::make_unique<ConfigBlock>(session_.working());
    const std::size_t refreshes = view_.refreshes.size();
    auto refuse = [&](const std::string &path, const std::string &says) {
        const TransferResult r = session_.importProfile(path);
        EXPECT_FALSE(r.ok) << path;
        EXPECT_NE(r.message.find(says), std::string::npos) << r.message;
        EXPECT_NE(r.message.find(path), std::string::npos) << r.message;
        EXPECT_NE(r.message.find("Nothing was imported."), std::string::npos) << r.message;
        EXPECT_FALSE(fs::exists(dir_.file(profileFileTitle(path) + ".gkp"))) << path;
    };
    for (const auto &file : files)
        refuse(outside(file.name), file.says);
    refuse(outside("pipe.gkp"), "is not a file");
    refuse(outside("missing.gkp"), "does not exist");
    refuse(dir_.file("elsewhere"), "is not a file");

    EXPECT_EQ(std::memcmp(before.get(), &session_.working(), sizeof(ConfigBlock)), 0);
    EXPECT_EQ(view_.refreshes.size(), refreshes);
    const ChangeFlags &sent = appliedFlags();
    ChangeFlags none{};
    EXPECT_EQ(std::memcmp(&sent, &none, sizeof none), 0) << "an Apply after refusals sends nothing";
}

TEST_F(ProfileFilesTest, FieldsNothingCouldProduceAreRefusedWholeAndNamed) {
    session_.selectProfile(2);
    appliedFlags();
    using Change = std::function<void(ProfileData &)>;
    const struct {
        const char *name;
        Change change;
        const char *says;
    } cases[] = {
        {"dead-keys", [](ProfileData &p) { std::memset(p.standardkey, 0xFF, sizeof p.standardkey); },
         "standardkey[0]: 255 is not a key or mouse-button code"},
        {"type255", [](ProfileData &p) { p.keys[3].type = 255; },
         "MacroKeyInfo3.type: 255 is not an assignment type"},
        {"combination",
         [](ProfileData &p) {
             p.keys[6].flags = 0xFF;
             p.keys[6].code = 0xFFFF;
         },
         "MacroKeyInfo6.flags: 255 is not a set of modifiers"},
        {"media",
         [](ProfileData &p) {
             p.keys[0] = MacroKeyInfo{};
             p.keys[0].type = 6;
             p.keys[0].code = 0xFFFF;
         },
         "MacroKeyInfo0.code: 65535 is not a media or application function"},
        {"repeat", [](ProfileData &p) { p.keys[3].repeatCount = -5; },
         "MacroKeyInfo3.repeatCount: -5 is not a repeat count"},
        {"step-key", [](ProfileData &p) { p.keys[3].events[1].key = 0xFF; },
         "MacroKeyInfo3.events[1].key: 255 is not a key or mouse-button code"},
        {"step-state", [](ProfileData &p) { p.keys[3].events[0].state = 7; },
         "MacroKeyInfo3.events[0].state: 7 is neither 1 (press) nor 2 (release)"},
        {"unterminated", [](ProfileData &p) { std::memset(p.keys[3].macroName, 'M', 24); },
         "MacroKeyInfo3.macroName: \"MMMMMMMMMMMMMMMMMMMMMMMM\" has no terminating NUL within its 24 bytes"},
        {"hidden-slot",
         [](ProfileData &p) {
             p.keys[20] = MacroKeyInfo{};
             p.keys[20].type = 3;
             p.keys[20].eventCount = 51;
         },
         "MacroKeyInfo20.eventCount: 51 is more than the 50 steps"},
        {"colour", [](ProfileData &p) { p.LtColor = 1000000; }, "LtColor: 1000000 is not a lighting colour"},
        {"polling", [](ProfileData &p) { p.PollingRate = -7; }, "PollingRate: -7 is not a polling rate"},
        {"escape", [](ProfileData &p) { setFixed(p.ProFileName, "a\x1B]0;pwned\x07"); },
         "ProFileName: \"a\\x1B]0;pwned\\x07\" contains a control character"},
        {"override", [](ProfileData &p) { setFixed(p.keys[5].programPath, "/tmp/\xE2\x81\xA6x"); },
         "MacroKeyInfo5.programPath: \"/tmp/\xE2\x81\xA6"
         "x\" contains a bidirectional override"},
    };
    // Files the reader parses but that are not whole or not one-valued.
    IniDocument doc;
    writeProfileKeys(doc, session_.working().profiles[1]);
    const std::string good = doc.serialize();
    const std::string withoutPolling = std::regex_replace(good, std::regex("PollingRate=2\r?\n"), "");
    const struct {
        const char *name;
        std::string bytes;
        const char *says;
    } texts[] = {
        {"no-polling", withoutPolling, "PollingRate: missing"},
        {"twice", good + "LtColor=3\n", "it holds LtColor more than once"},
        {"twice-case", good + "ltcolor = 3\n", "it holds ltcolor more than once"},
        {"two-sections", good + "[setting]\nLtColor=3\n", "it holds [Setting] more than once"},
    };

    const auto before = std::make_unique<ConfigBlock>(session_.working());
    auto refuse = [&](const std::string &name, const std::string &bytes, const std::string &says) {
        writeAll(outside(name + ".gkp"), bytes);
        const TransferResult r = session_.importProfile(outside(name + ".gkp"));
        EXPECT_FALSE(r.ok) << name;
        EXPECT_NE(r.message.find(says), std::string::npos) << name << ": " << r.message;
        EXPECT_NE(r.message.find("Nothing was imported."), std::string::npos) << r.message;
        EXPECT_FALSE(fs::exists(dir_.file(name + ".gkp"))) << name << ": copied although refused";
    };
    for (const auto &c : cases) {
        auto profile = std::make_unique<ProfileData>(session_.working().profiles[1]);
        c.change(*profile);
        IniDocument file;
        writeProfileKeys(file, *profile);
        refuse(c.name, file.serialize(), c.says);
    }
    for (const auto &t : texts)
        refuse(t.name, t.bytes, t.says);
    EXPECT_EQ(std::memcmp(before.get(), &session_.working(), sizeof(ConfigBlock)), 0);
    ChangeFlags none{};
    EXPECT_EQ(std::memcmp(&appliedFlags(), &none, sizeof none), 0) << "an Apply after refusals sends nothing";
    // The same profile, whole and once, imports.
    writeAll(outside("good.gkp"), good);
    EXPECT_TRUE(session_.importProfile(outside("good.gkp")).ok);
}

// Runs `body` where the permission bits count: as "nobody" when the test
// runs as root (who may write anywhere), in a child so the test keeps its
// own rights. Returns what `body` returned.
bool withoutPrivileges(const std::function<bool()> &body) {
    if (::geteuid() != 0)
        return body();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && body();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

TEST_F(ProfileFilesTest, FailedExportSaysSoAndLeavesTheOldFile) {
    const std::string folder = dir_.file("readonly");
    fs::create_directories(folder);
    const std::string file = folder + "/kept.gkp";
    writeAll(file, "old contents\n");
    ::chmod(dir_.path().c_str(), 0755); // reachable for the unprivileged child
    ::chmod(folder.c_str(), 0555);
    const ProfileData &profile = session_.working().profiles[0];
    EXPECT_TRUE(withoutPrivileges([&] {
        const TransferResult r = exportProfileFile(profile, 0, file, settings_);
        return !r.ok && r.message.find("could not be written to \"" + file + "\"") != std::string::npos &&
               r.message.find("left as it was") != std::string::npos;
    }));
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(readAll(file), "old contents\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()),
              1); // no temporary left

    const TransferResult noFolder = session_.exportProfile(dir_.file("no/such/folder/x.gkp"));
    EXPECT_FALSE(noFolder.ok);
    EXPECT_EQ(noFolder.message.find("left as it was"), std::string::npos) << noFolder.message;
    EXPECT_FALSE(fs::exists(dir_.file("config/x.gkp")));
}

} // namespace
} // namespace orvyn
