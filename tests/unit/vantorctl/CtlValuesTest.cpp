// The command line's words against the window's texts: every name the tool
// accepts must come back as the caption the window shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "editing/AssignmentText.h"
#include "editing/KeyboardLayout.h"
#include "uitext/UiText.h"
#include "vantorctl/CtlEnvironment.h"
#include "vantorctl/CtlValues.h"

namespace orvyn::ctl {
namespace {

class CtlValuesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(texts_.load(ORVYN_PROGRAM_DIR)) << "uitext.so is needed"; }

    std::unique_ptr<ConfigBlock> defaults() {
        auto c = std::make_unique<ConfigBlock>();
        std::memset(c.get(), 0, sizeof(ConfigBlock));
        makeDefaultConfig(*c, "Profile");
        return c;
    }

    UiTextLibrary texts_;
    std::unique_ptr<KeyboardLayout> us_ = makeUsLayout();
    KeyCodeTable keys_{*us_};
    AssignmentText captions_{texts_, keys_, KeyNames::Labels};
};

// Paths and names go into messages as given, even with "%2" in them.
TEST(CtlMessages, GivenTextsAreNeverTakenForPlaces) {
    EXPECT_EQ(said("Cannot write \"%1\": %2.", {"/tmp/%2%1", "denied %1"}),
              "Cannot write \"/tmp/%2%1\": denied %1.");
    EXPECT_EQ(said("Unknown command \"%1\".", {"%1%2"}), "Unknown command \"%1%2\".");
}

TEST_F(CtlValuesTest, ProfilesAndKeysAreCountedFromOne) {
    EXPECT_EQ(parseProfile("1").value, 0);
    EXPECT_EQ(parseProfile("5").value, 4);
    EXPECT_EQ(parseKeySlot("G1").value, 0);
    EXPECT_EQ(parseKeySlot("g15").value, 14);
    for (const char *bad : {"0", "6", "-1", "", "1x", "one", "2147483648"}) {
        const auto p = parseProfile(bad);
        EXPECT_FALSE(p.ok()) << bad;
        EXPECT_NE(p.error.find("profiles are 1-5"), std::string::npos) << p.error;
    }
    for (const char *bad : {"G0", "G16", "7", "G", "Gx", "H3", "G1 "})
        EXPECT_FALSE(parseKeySlot(bad).ok()) << bad;
}

TEST_F(CtlValuesTest, SettingsTakeTheWindowsTextsAndTheStoredNumbers) {
    using F = Setting::Field;
    struct Case {
        const char *input;
        F field;
        int32_t number;
    };
    const Case good[] = {
        {"effect=Wave", F::Effect, 4},
        {"effect=lights-off", F::Effect, 32},
        {"EFFECT=static", F::Effect, 1},
        {"effect=16", F::Effect, 16},
        {"colour=red", F::Colour, 1},
        {"color=Cyan", F::Colour, 6},
        {"colour=colour cycle", F::Colour, 7},
        {"colour=7", F::Colour, 7},
        {"colour=3", F::Colour, 3},
        {"polling=125", F::Polling, 1},
        {"polling=500Hz", F::Polling, 2},
        {"polling=1000", F::Polling, 4},
        {"winlock=on", F::WinLock, 1},
        {"winlock=0", F::WinLock, 0},
        {"powersaving=off", F::PowerSaving, 0},
        {"power-saving=yes", F::PowerSaving, 1},
    };
    for (const Case &c : good) {
        const auto s = parseSetting(c.input, texts_);
        ASSERT_TRUE(s.ok()) << c.input << ": " << s.error;
        EXPECT_EQ(s.value->field, c.field) << c.input;
        EXPECT_EQ(s.value->number, c.number) << c.input;
    }
    struct Bad {
        const char *input;
        const char *says;
    };
    const Bad bad[] = {
        {"colour=0", "out of range"},
        {"colour=8", "out of range"},
        {"colour=mauve", "Red, Green"},
        {"effect=3", "Static, Breathing"},
        {"effect=", "Unknown lighting effect"},
        {"polling=250", "125, 500, 1000"},
        {"winlock=maybe", "on or off"},
        {"volume=3", "Unknown setting"},
        {"colour", "KEY=VALUE"},
        {"=3", "KEY=VALUE"},
        {"name=123456789012345678901", "at most 20 characters"},
        {"game=/tmp/x\xE2\x80\xAE"
         "gpj.exe",
         "game: \"/tmp/x\xE2\x80\xAE"
         "gpj.exe\" contains a bidirectional"},
    };
    for (const Bad &b : bad) {
        const auto s = parseSetting(b.input, texts_);
        EXPECT_FALSE(s.ok()) << b.input;
        EXPECT_NE(s.error.find(b.says), std::string::npos) << b.input << ": " << s.error;
    }
    // Twenty characters fit, counted as characters rather than bytes.
    EXPECT_TRUE(parseSetting("name=Ünïcödé Prøfïlé 2", texts_).ok());
}

TEST_F(CtlValuesTest, SettingsLandInTheFieldsTheAdvancedPageEdits) {
    auto config = defaults();
    ProfileData &d = config->profiles[2];
    const ProfileData before = d;
    for (const char *s : {"effect=ripple", "colour=blue", "polling=1000", "winlock=on", "powersaving=off",
                          "name=Raid", "game=/opt/games/raid.exe"})
        applySetting(d, *parseSetting(s, texts_).value);
    EXPECT_EQ(d.LtControl, 16);
    EXPECT_EQ(d.LtColor, 3);
    EXPECT_EQ(d.PollingRate, 4);
    EXPECT_EQ(d.winKeyLock(), 1);
    EXPECT_EQ(d.winKeyLockTwin(), before.winKeyLockTwin()); // the page's lock is one switch
    EXPECT_EQ(d.ECOMode, 0);
    EXPECT_STREQ(d.ProFileName, "Raid");
    EXPECT_STREQ(d.GameFile, "/opt/games/raid.exe");
    EXPECT_EQ(std::memcmp(d.keys, before.keys, sizeof d.keys), 0);
}

TEST_F(CtlValuesTest, EveryKeyNameRoundTripsThroughTheWindowsCaption) {
    const auto names = keyNames(keys_);
    ASSERT_GT(names.size(), 100u);
    auto config = defaults();
    for (const std::string &name : names) {
        for (const char *prefix : {"", "Ctrl+", "Ctrl+Shift+Alt+Win+"}) {
            const std::string spelled = prefix + name;
            const auto parsed = parseKeyCombination(spelled, keys_);
            ASSERT_TRUE(parsed.ok()) << spelled << ": " << parsed.error;
            assignFunction(*config, 0, 6,
                           {AssignType::KeyCombination, parsed.value->modifiers, parsed.value->keyCode});
            EXPECT_EQ(captions_.text(config->profiles[0].keys[6]), spelled);
        }
    }
    const auto lower = parseKeyCombination("ctrl+alt+x", keys_);
    ASSERT_TRUE(lower.ok());
    EXPECT_EQ(lower.value->modifiers, kModCtrl | kModAlt);
    EXPECT_EQ(lower.value->keyCode, 27);
    // The picture's labels are written, both spellings read.
    const struct {
        const char *label;
        const char *tableName;
        uint8_t code;
    } labels[] = {{"PrtSc", "Snapshot", 70}, {"Menu", "APP", 101}, {"Caps Lock", "CapsLock", 57}};
    for (const auto &l : labels) {
        EXPECT_NE(std::find(names.begin(), names.end(), l.label), names.end()) << l.label;
        EXPECT_EQ(std::find(names.begin(), names.end(), l.tableName), names.end()) << l.tableName;
        for (const char *spelled : {l.label, l.tableName}) {
            const auto parsed = parseKeyCombination(std::string("Ctrl+") + spelled, keys_);
            ASSERT_TRUE(parsed.ok()) << spelled;
            EXPECT_EQ(parsed.value->keyCode, l.code) << spelled;
        }
    }
    const auto keypadPlus = parseKeyCombination("Win+(+)", keys_);
    ASSERT_TRUE(keypadPlus.ok());
    EXPECT_EQ(keypadPlus.value->modifiers, kModWin);
    EXPECT_EQ(keypadPlus.value->keyCode, 87);

    for (const char *bad : {"Ctrl+", "Ctrl+Foo", "Ctrl", "", "Hyper+A", "L Button"})
        EXPECT_FALSE(parseKeyCombination(bad, keys_).ok()) << bad;
    EXPECT_NE(parseKeyCombination("Ctrl+L Button", keys_).error.find("macro"), std::string::npos);

    // The name is the key the active layout labels so: on AZERTY "A" is
    // the position US calls Q.
    const auto azerty = makeFrenchAzertyLayout();
    const KeyCodeTable french(*azerty);
    EXPECT_EQ(parseKeyCombination("A", french).value->keyCode, 20);
}

TEST_F(CtlValuesTest, EveryMenuFunctionRoundTripsThroughTheWindowsCaption) {
    auto config = defaults();
    MacroKeyInfo &key = config->profiles[1].keys[3];
    key.type = static_cast<uint8_t>(AssignType::Macro);
    setFixed(key.macroName, "Old");
    key.eventCount = 2;
    for (FunctionGroup group : {FunctionGroup::Media, FunctionGroup::Mouse}) {
        const auto names = functionNames(group, texts_);
        EXPECT_EQ(names.size(), group == FunctionGroup::Media ? 18u : 7u);
        for (const std::string &name : names) {
            ASSERT_FALSE(name.empty());
            const auto f = findFunction(group, name, texts_);
            ASSERT_TRUE(f.ok()) << name;
            config->flags.keySlot[1][3] = 0;
            assignFunction(*config, 1, 3, *f.value);
            EXPECT_EQ(captions_.text(key), name);
            EXPECT_EQ(key.eventCount, 0) << "macro fields are cleared";
            EXPECT_EQ(key.macroName[0], '\0');
            EXPECT_EQ(config->flags.keySlot[1][3], 1);
        }
    }
    EXPECT_EQ(findFunction(FunctionGroup::Media, "volume-up", texts_).value->code, 185);
    EXPECT_FALSE(findFunction(FunctionGroup::Media, "Left Button", texts_).ok());
    const auto unknown = findFunction(FunctionGroup::Mouse, "Wheel", texts_);
    EXPECT_NE(unknown.error.find("Double Click"), std::string::npos) << unknown.error;

    assignFactoryEntry(*config, 1, 8);
    EXPECT_EQ(captions_.text(config->profiles[1].keys[8]), "Ctrl+4");
}

// Translated labels line up in a terminal: a Chinese or Japanese character
// takes two columns, an accented letter one.
TEST(CtlOutput, LabelsLineUpByTerminalColumns) {
    const std::pair<const char *, std::size_t> widths[] = {{"Polling rate:", 13},     {"Abfragerate:", 12},
                                                           {"Częstotliwość:", 14},    {"回报率：", 8},
                                                           {"ポーリングレート:", 17}, {"", 0}};
    for (const auto &[text, columns] : widths)
        EXPECT_EQ(terminalColumns(text), columns) << text;
    EXPECT_EQ(alignedRows({{"游戏程序：", "a"}, {"灯光：", "b"}, {"Win:", "c"}}),
              "游戏程序： a\n灯光：     b\nWin:       c\n");
}

} // namespace
} // namespace orvyn::ctl
