#include "shared/SettingsStore.h"

#include <cstring>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sstream>
#include <vector>

#include "platform/Folders.h"
#include "platform/LocalText.h"
#include "shared/ProfileDomain.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

void writeAll(const std::string &path, const std::string &text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string readAll(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(makeFolder(dir.folder() + "config", 0755)); }
    test::TempDir dir;
    SettingsStore store{dir.folder()};
};

std::unique_ptr<ConfigBlock> freshBlock() {
    auto c = std::make_unique<ConfigBlock>();
    std::memset(c.get(), 0, sizeof *c);
    resetConfig(*c);
    return c;
}

TEST_F(SettingsStoreTest, MissingFilesGiveDefaultsAndNoCurrentProfile) {
    auto c = freshBlock();
    store.loadConfig(*c, "Profile");
    EXPECT_EQ(c->CurrentProfile, -1);
    EXPECT_EQ(getFixed(c->profiles[2].ProFileName), "Profile #3");
    EXPECT_EQ(c->profiles[2].PollingRate, 2);
    EXPECT_EQ(c->profiles[2].keys[5].code, 30);
}

TEST_F(SettingsStoreTest, EmptySettingSectionGivesFactoryNumbersAndEmptySlots) {
    writeAll(store.profilePath(0), "[Setting]\n");
    auto c = freshBlock();
    std::memset(c->profiles[0].standardkey, 7, sizeof c->profiles[0].standardkey);
    c->profiles[0].keys[3].type = 9;
    std::vector<std::string> told;
    store.setProblemHandler([&](const std::string &m) { told.push_back(m); });
    store.loadConfig(*c, "Profile");
    const ProfileData &p = c->profiles[0];
    // The reader gives a missing number -1; no such value reaches the
    // keyboard: it takes its factory value, and says so.
    EXPECT_EQ(p.PollingRate, 2);
    EXPECT_EQ(p.ModifyKey[0], 1);
    EXPECT_EQ(p.LtFlag, 1);
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.front(), store.profilePath(0) +
                                ": MediaOption: -1 is not a media player (0-3); replaced by its "
                                "factory value");
    EXPECT_EQ(getFixed(p.ProFileName), "");
    EXPECT_EQ(p.standardkey[50], 7); // left as it was
    const MacroKeyInfo zero{};
    for (int k = 0; k < kKeySlotCount; ++k)
        EXPECT_EQ(0, std::memcmp(&p.keys[k], &zero, sizeof zero)) << k;
    // The profiles without a file take their defaults.
    EXPECT_EQ(c->profiles[1].PollingRate, 2);
}

// The own files keep whatever the window or a read-back from the keyboard
// can put there; anything else takes its factory value, one line each, and
// the file stays as it is until the next save.
TEST_F(SettingsStoreTest, OwnFilesKeepWhatTheKeyboardCanReportAndRepairTheRest) {
    using Change = std::function<void(ProfileData &)>;
    const struct {
        const char *name;
        Change change;
        const char *told; // empty: kept as it is
    } cases[] = {
        {"colour after control 32", [](ProfileData &p) { p.LtColor = 0; }, ""},
        {"power-saving byte", [](ProfileData &p) { p.LtTimeout = 5; }, ""},
        {"lighting bytes",
         [](ProfileData &p) {
             p.LtSwitch = 255;
             p.LtEffectType = 9;
             p.LtFlag = 0;
         },
         ""},
        {"read-back combination",
         [](ProfileData &p) {
             p.keys[7].type = 9;
             p.keys[7].flags = 15;
             p.keys[7].code = 231;
         },
         ""},
        {"combination without key", [](ProfileData &p) { p.keys[7].code = 0; }, ""},
        {"keyboard-recorded macro",
         [](ProfileData &p) {
             MacroKeyInfo &k = p.keys[4];
             k.slot = 3; // the repeat byte, as a read-back stores it
             k.type = 3;
             k.flags = 0;
             k.code = 0;
             k.repeatCount = 3;
             k.eventCount = 2;
             k.events[0] = MacroEvent{146, 1, 50}; // a key only the keyboard sends
             k.events[1] = MacroEvent{146, 2, 0};
             setFixed(k.macroName, "Pro1-M11");
         },
         ""},
        {"mouse button remap", [](ProfileData &p) { p.standardkey[43] = 245; }, ""},
        {"left Windows key", [](ProfileData &p) { p.standardkey[70] = 220; }, ""},
        {"program key",
         [](ProfileData &p) {
             p.keys[9].type = 11;
             p.keys[9].flags = 10;
             p.keys[9].code = 0;
             setFixed(p.keys[9].programPath, "/usr/bin/gimp");
         },
         ""},
        {"polling", [](ProfileData &p) { p.PollingRate = 3; },
         "PollingRate: 3 is not a polling rate (1, 2, 4)"},
        {"effect", [](ProfileData &p) { p.LtControl = 1 << 20; },
         "LtControl: 1048576 is not a lighting control value"},
        {"dead key", [](ProfileData &p) { p.standardkey[17] = 0xFF; },
         "standardkey[17]: 255 is not a key or mouse-button code"},
        {"type", [](ProfileData &p) { p.keys[6].type = 200; },
         "MacroKeyInfo6.type: 200 is not an assignment type"},
        {"media",
         [](ProfileData &p) {
             p.keys[6].type = 6;
             p.keys[6].flags = 0;
             p.keys[6].code = 0xFFFF;
         },
         "MacroKeyInfo6.code: 65535 is not a media or application function (176-199)"},
        {"hidden slot", [](ProfileData &p) { p.keys[31].type = 255; }, "MacroKeyInfo31.type: 255"},
        {"name",
         [](ProfileData &p) {
             setFixed(p.ProFileName, "\xE2\x80\xAE"
                                     "evil");
         },
         "ProFileName: \"\xE2\x80\xAE"
         "evil\" contains a bidirectional override"},
    };
    for (const auto &c : cases) {
        auto saved = freshBlock();
        makeDefaultConfig(*saved, "Profile");
        c.change(saved->profiles[1]);
        ASSERT_TRUE(store.saveConfig(*saved));
        const std::string onDisk = readAll(store.profilePath(1));
        std::vector<std::string> told;
        store.setProblemHandler([&](const std::string &m) { told.push_back(m); });
        auto loaded = freshBlock();
        store.loadConfig(*loaded, "Profile");
        auto factory = freshBlock();
        makeDefaultConfig(*factory, "Profile");
        const ProfileData &expected = *c.told ? factory->profiles[1] : saved->profiles[1];
        EXPECT_EQ(std::memcmp(&loaded->profiles[1], &expected, sizeof expected), 0) << c.name;
        if (*c.told) {
            ASSERT_EQ(told.size(), 1u) << c.name;
            EXPECT_EQ(told[0].rfind(store.profilePath(1) + ": " + c.told, 0), 0u) << told[0];
        } else {
            EXPECT_TRUE(told.empty()) << c.name << ": " << (told.empty() ? "" : told[0]);
        }
        EXPECT_EQ(readAll(store.profilePath(1)), onDisk) << c.name << ": the load wrote the file";
    }
}

// What the checker says reads as one sentence in the user's language, the
// field and the values placed where the language puts them.
TEST_F(SettingsStoreTest, ProfileCheckSpeaksTheUsersLanguage) {
    setTextTranslator([](const char *context, const char *source) -> std::string {
        static const std::pair<const char *, const char *> kGerman[] = {
            {"%1: %2 is not a polling rate (1, 2, 4)", "%1: %2 ist keine Abfragerate (1, 2, 4)"},
            {"%1; replaced by its factory value", "%1; durch den Werkswert ersetzt"},
            {"%1: %2 is not %3, the key's number", "%1: %3 ist die Nummer der Taste, nicht %2"},
        };
        for (const auto &[english, german] : kGerman)
            if (std::string(context) == "ProfileCheck" && english == std::string(source))
                return german;
        return {};
    });
    auto saved = freshBlock();
    makeDefaultConfig(*saved, "Profile");
    saved->profiles[1].PollingRate = 3;
    ASSERT_TRUE(store.saveConfig(*saved));
    std::vector<std::string> told;
    store.setProblemHandler([&](const std::string &m) { told.push_back(m); });
    auto loaded = freshBlock();
    store.loadConfig(*loaded, "Profile");
    ProfileData &p = saved->profiles[1];
    p.keys[6].type = 11;
    p.keys[6].flags = 3;
    p.keys[6].code = 0;
    const auto faults = profileViolations(p);
    const std::string keyFault = faults.size() > 1 ? faults[1].message("keys[6].flags") : "";
    setTextTranslator(nullptr);
    const struct {
        std::string said;
        std::string expected;
    } rows[] = {
        {told.empty() ? "" : told[0],
         store.profilePath(1) +
             ": PollingRate: 3 ist keine Abfragerate (1, 2, 4); durch den Werkswert ersetzt"},
        {keyFault, "keys[6].flags: 7 ist die Nummer der Taste, nicht 3"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.said, row.expected);
}

TEST_F(SettingsStoreTest, LowerCaseLtFlagIsReadAndLtFlagIsWrittenWithItsBlank) {
    writeAll(store.profilePath(1), "[setting]\nltflag=0\n");
    auto c = freshBlock();
    store.loadConfig(*c, "P");
    EXPECT_EQ(c->profiles[1].LtFlag, 0);

    makeDefaultConfig(*c, "P");
    ASSERT_TRUE(store.saveConfig(*c));
    const std::string text = readAll(store.profilePath(0));
    EXPECT_NE(text.find("\nLtFlag =1\n"), std::string::npos);
    EXPECT_NE(text.find("\nstandardkey="), std::string::npos);
    EXPECT_NE(text.find("\nMacroKeyInfo31="), std::string::npos);
    EXPECT_EQ(readAll(store.configIniPath()), "[Setting]\nCurrentProfile=0\n");
}

TEST_F(SettingsStoreTest, ANewProfileFileListsItsKeysInTheirOrder) {
    auto c = freshBlock();
    makeDefaultConfig(*c, "P");
    ASSERT_TRUE(store.saveConfig(*c));
    std::vector<std::string> want = {"ProFileName",  "GameFile",    "MediaOption", "HDDKeyboard", "LtSwitch",
                                     "LtEffectType", "LtFlag ",     "LtColor",     "LtControl",   "LtSaving",
                                     "LtTimeout",    "PollingRate", "ECOMode"};
    for (int i = 0; i < 6; ++i)
        want.push_back("ModifyKey" + std::to_string(i));
    want.push_back("standardkey");
    for (int k = 0; k < kKeySlotCount; ++k)
        want.push_back("MacroKeyInfo" + std::to_string(k));
    want.push_back("apmLightInfo");
    std::stringstream text(readAll(store.profilePath(0)));
    std::vector<std::string> keys;
    for (std::string line; std::getline(text, line);)
        if (const auto eq = line.find('='); eq != std::string::npos)
            keys.push_back(line.substr(0, eq));
    EXPECT_EQ(keys, want);
}

TEST_F(SettingsStoreTest, DamagedSlotBlockCountsAsMissing) {
    auto c = freshBlock();
    makeDefaultConfig(*c, "P");
    ASSERT_TRUE(store.saveConfig(*c));
    // Flip one digit of slot 5 so its checksum no longer matches.
    std::string text = readAll(store.profilePath(0));
    const std::size_t at = text.find("MacroKeyInfo5=") + std::strlen("MacroKeyInfo5=");
    text[at + 2] = text[at + 2] == '0' ? '1' : '0';
    writeAll(store.profilePath(0), text);
    auto back = freshBlock();
    store.loadConfig(*back, "P");
    EXPECT_EQ(back->profiles[0].keys[5].type, 0);
    EXPECT_EQ(back->profiles[0].keys[6].type, 2);
}

TEST_F(SettingsStoreTest, LongTextsAreCutToTheirFields) {
    writeAll(store.profilePath(0), "[Setting]\nProFileName=" + std::string(400, 'n') +
                                       "\nGameFile=" + std::string(900, 'g') + "\n");
    auto c = freshBlock();
    store.loadConfig(*c, "P");
    EXPECT_EQ(getFixed(c->profiles[0].ProFileName).size(), 249u);
    EXPECT_EQ(getFixed(c->profiles[0].GameFile).size(), 501u);
}

// Every field the files store, filled at random (texts without surrounding
// blanks, which the file format trims).
void randomize(ConfigBlock &c, std::mt19937 &rng) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int32_t> number(INT32_MIN, INT32_MAX);
    std::uniform_int_distribution<int> printable(0x21, 0x7E);
    auto text = [&](std::size_t n) {
        std::string s;
        for (std::size_t i = 0; i < n; ++i)
            s += static_cast<char>(printable(rng));
        return s;
    };
    c.CurrentProfile = std::uniform_int_distribution<int>(0, 4)(rng);
    for (ProfileData &p : c.profiles) {
        setFixed(p.ProFileName, text(1 + rng() % 249));
        setFixed(p.GameFile, text(rng() % 502));
        for (int32_t *f : {&p.MediaOption, &p.HDDKeyboard, &p.LtSwitch, &p.LtEffectType, &p.LtFlag,
                           &p.LtColor, &p.LtControl, &p.LtSaving, &p.LtTimeout, &p.ECOMode, &p.PollingRate})
            *f = number(rng);
        for (int32_t &m : p.ModifyKey)
            m = number(rng);
        for (uint8_t &b : p.standardkey)
            b = static_cast<uint8_t>(byte(rng));
        auto *raw = reinterpret_cast<uint8_t *>(p.keys);
        for (std::size_t i = 0; i < sizeof p.keys; ++i)
            raw[i] = static_cast<uint8_t>(byte(rng));
        for (uint8_t &b : p.apmLightInfo)
            b = static_cast<uint8_t>(byte(rng));
    }
}

void expectStoredFieldsEqual(const ConfigBlock &a, const ConfigBlock &b) {
    EXPECT_EQ(a.CurrentProfile, b.CurrentProfile);
    for (int i = 0; i < kProfileCount; ++i) {
        const ProfileData &x = a.profiles[i];
        const ProfileData &y = b.profiles[i];
        EXPECT_EQ(getFixed(x.ProFileName), getFixed(y.ProFileName));
        EXPECT_EQ(getFixed(x.GameFile), getFixed(y.GameFile));
        // Everything from MediaOption up to the reserved word after the key
        // slots, except the two reserved words in between.
        EXPECT_EQ(x.MediaOption, y.MediaOption);
        EXPECT_EQ(x.HDDKeyboard, y.HDDKeyboard);
        EXPECT_EQ(x.LtSwitch, y.LtSwitch);
        EXPECT_EQ(x.LtEffectType, y.LtEffectType);
        EXPECT_EQ(x.LtFlag, y.LtFlag);
        EXPECT_EQ(x.LtColor, y.LtColor);
        EXPECT_EQ(x.LtControl, y.LtControl);
        EXPECT_EQ(x.LtSaving, y.LtSaving);
        EXPECT_EQ(x.LtTimeout, y.LtTimeout);
        EXPECT_EQ(x.ECOMode, y.ECOMode);
        EXPECT_EQ(x.PollingRate, y.PollingRate);
        EXPECT_EQ(0, std::memcmp(x.ModifyKey, y.ModifyKey, sizeof x.ModifyKey));
        EXPECT_EQ(0, std::memcmp(x.standardkey, y.standardkey, sizeof x.standardkey));
        EXPECT_EQ(0, std::memcmp(x.keys, y.keys, sizeof x.keys));
        EXPECT_EQ(0, std::memcmp(x.apmLightInfo, y.apmLightInfo, sizeof x.apmLightInfo));
    }
}

TEST_F(SettingsStoreTest, RandomRecordsSurviveSaveAndLoad) {
    std::mt19937 rng(20261208);
    for (int round = 0; round < 20; ++round) {
        auto original = freshBlock();
        randomize(*original, rng);
        ASSERT_TRUE(store.saveConfig(*original));
        auto back = freshBlock();
        store.loadConfig(*back, "unused");
        // Random values are mostly outside their domain, which a load
        // repairs: the file format itself is read profile by profile.
        for (int p = 0; p < kProfileCount; ++p)
            ASSERT_TRUE(SettingsStore::loadProfile(back->profiles[p], store.profilePath(p)));
        expectStoredFieldsEqual(*original, *back);
        if (HasFailure())
            FAIL() << "round " << round;
    }
}

TEST_F(SettingsStoreTest, SmallRecordsAndTexts) {
    EXPECT_EQ(store.readFirmwareVersion(), 100);
    writeAll(store.configIniPath(), "[Setting]\nFWVersion=501\n");
    EXPECT_EQ(store.readFirmwareVersion(), 501);

    ASSERT_TRUE(store.writeDeviceState(1));
    ASSERT_TRUE(store.writeCurrentProfile(2));
    ASSERT_TRUE(store.writeAccessCode(makeAccessCode(0x01020304)));
    ASSERT_TRUE(store.writeProfileFileName(3, "My Export"));
    ASSERT_TRUE(store.writeOsdMessage("Windows Key: Lock"));
    EXPECT_EQ(store.readOsdMessage(), "Windows Key: Lock");
    EXPECT_EQ(readAll(store.configIniPath()), "[Setting]\nFWVersion=501\nDevice=1\nCurrentProfile=2\n"
                                              "[HidAccessCode]\nCode=04030201000000000000000000000000"
                                              "0A\n[Profile3]\nFileName=My Export\n"
                                              "[OSDData]\nMessage=Windows Key: Lock\n");

    OsdSettings osd{};
    osd.cpuLoad = 1;
    osd.osdParamHigh = 0x1234;
    ASSERT_TRUE(store.writeOsdSettings(osd));
    OsdSettings back{};
    back.mailCheck = 77;
    ASSERT_TRUE(store.readOsdSettings(back));
    EXPECT_EQ(back.cpuLoad, 1);
    EXPECT_EQ(back.osdParamHigh, 0x1234);
    EXPECT_EQ(back.mailCheck, 0);
    // A missing record leaves the caller's record as it was.
    OsdSettings untouched{};
    untouched.memoryLoad = 5;
    EXPECT_FALSE(store.readOsdSettings(untouched, OsdFolder::Parent));
    EXPECT_EQ(untouched.memoryLoad, 5);
}

TEST(SettingsFolders, CreatesTheSettingsFolderAndItsConfigFolder) {
    test::TempDir dir;
    const std::string folder = dir.folder() + "a/b/";
    std::string error;
    ASSERT_TRUE(ensureSettingsFolders(folder, &error)) << error;
    SettingsStore store(folder);
    auto c = freshBlock();
    makeDefaultConfig(*c, "P");
    EXPECT_TRUE(store.saveConfig(*c));
}

} // namespace
} // namespace orvyn
