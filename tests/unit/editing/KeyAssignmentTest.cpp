// The rules behind the key pages and the key-capture dialogs: every command
// of the key-function menu, the menu's entries, the player choice, the
// shortcut and swap-key choices and the standard-key remap.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>

#include "OptionFakes.h"
#include "editing/KeyCapture.h"
#include "editing/KeyFunctions.h"
#include "editing/ModifierCombination.h"

namespace orvyn {
namespace {

using testing::FakeTexts;

std::unique_ptr<ConfigBlock> defaults() {
    auto c = std::make_unique<ConfigBlock>();
    std::memset(c.get(), 0, sizeof(ConfigBlock));
    makeDefaultConfig(*c, "Profile");
    return c;
}

MacroRecord &addMacro(MacroLibrary &library, const char *name, int count) {
    MacroRecord &r = library.create(name);
    r.count = count;
    r.repeat = 3;
    for (int i = 0; i < count; ++i)
        r.events[i] = MacroEvent{static_cast<uint8_t>(4 + i), static_cast<uint8_t>(1 + i % 2), 20};
    return r;
}

// Flags other than the one of (profile, slot) stay 0.
void expectOnlyFlag(const ConfigBlock &c, int profile, int slot) {
    for (int p = 0; p < kProfileCount; ++p)
        for (int k = 0; k < kKeySlotCount; ++k)
            EXPECT_EQ(c.flags.keySlot[p][k], p == profile && k == slot ? 1 : 0) << p << "/" << k;
}

struct CommandCase {
    int command;
    AssignType type;
    uint8_t flags;
    uint16_t code;
};

TEST(KeyFunctionCommands, EveryPlainCommandGivesItsAssignmentClearsTheMacroAndFlagsTheSlot) {
    const CommandCase cases[] = {
        {1013, AssignType::MediaFunction, 0, 178},
        {1014, AssignType::MediaFunction, 0, 176},
        {1015, AssignType::MediaFunction, 0, 177},
        {1016, AssignType::MediaFunction, 0, 196},
        {1017, AssignType::MediaFunction, 0, 187},
        {1018, AssignType::MediaFunction, 0, 185},
        {1019, AssignType::MediaFunction, 0, 186},
        {1020, AssignType::MediaFunction, 0, 184},
        {1021, AssignType::MediaFunction, 0, 179},
        {1022, AssignType::MediaFunction, 0, 180},
        {1023, AssignType::MediaFunction, 0, 189},
        {1024, AssignType::MediaFunction, 0, 190},
        {1025, AssignType::MediaFunction, 0, 191},
        {1026, AssignType::MediaFunction, 0, 199},
        {1027, AssignType::MediaFunction, 0, 193},
        {1028, AssignType::MediaFunction, 0, 183},
        {1029, AssignType::MediaFunction, 0, 197},
        {1030, AssignType::MediaFunction, 0, 198},
        {1031, AssignType::MouseButton, 1, 0},
        {1032, AssignType::MouseButton, 2, 0},
        {1033, AssignType::MouseButton, 3, 0},
        {1034, AssignType::MouseButton, 4, 0},
        {1035, AssignType::MouseButton, 5, 0},
        {1036, AssignType::MouseGroupFunction, 0, 0},
        {1037, AssignType::SingleFunction, 0, 0},
        {1040, AssignType::DefaultFunction, 0, 0},
        // Media key 0 is slot 8: its factory entry is Ctrl + key code 33.
        {1001, AssignType::KeyCombination, kModCtrl, 33},
    };
    MacroLibrary library;
    for (const CommandCase &c : cases) {
        auto config = defaults();
        config->CurrentProfile = 2;
        MacroKeyInfo &key = config->profiles[2].keys[8];
        // A macro with a program path and a repeat before the command.
        key.type = static_cast<uint8_t>(AssignType::Macro);
        key.flags = 9;
        key.code = 0x1234;
        setFixed(key.macroName, "Burst");
        key.eventCount = 2;
        key.events[0] = {4, 1, 10};
        key.events[1] = {4, 2, 0};
        key.repeatCount = 5;
        setFixed(key.programPath, "/usr/bin/true");
        const auto other = config->profiles[2].keys[9];

        ASSERT_EQ(applyKeyCommand(*config, 2, 8, c.command, library), KeyCommandResult::SlotChanged)
            << c.command;
        EXPECT_EQ(key.type, static_cast<uint8_t>(c.type)) << c.command;
        EXPECT_EQ(key.flags, c.flags) << c.command;
        EXPECT_EQ(key.code, c.code) << c.command;
        EXPECT_EQ(key.eventCount, 0) << c.command;
        EXPECT_EQ(getFixed(key.macroName), "") << c.command;
        EXPECT_EQ(key.events[0].key, 0) << c.command;
        // Only the macro fields are cleared.
        EXPECT_EQ(key.repeatCount, 5) << c.command;
        EXPECT_EQ(getFixed(key.programPath), "/usr/bin/true") << c.command;
        EXPECT_EQ(key.slot, 8) << c.command;
        EXPECT_EQ(std::memcmp(&other, &config->profiles[2].keys[9], sizeof other), 0) << c.command;
        expectOnlyFlag(*config, 2, 8);
    }
}

TEST(KeyFunctionCommands, DialogCommandsAndUnknownOnesChangeNothing) {
    MacroLibrary library;
    addMacro(library, "Only", 2);
    const struct {
        int command;
        KeyCommandResult result;
    } cases[] = {
        {1002, KeyCommandResult::OpenShortcut},
        {1003, KeyCommandResult::OpenLaunchProgram},
        {1049, KeyCommandResult::OpenMacroManager},
        {1038, KeyCommandResult::Ignored},
        {1051, KeyCommandResult::Ignored}, // only macro 0 exists
        {0, KeyCommandResult::Ignored},
    };
    for (const auto &c : cases) {
        auto config = defaults();
        const auto before = std::make_unique<ConfigBlock>(*config);
        EXPECT_EQ(applyKeyCommand(*config, 0, 3, c.command, library), c.result) << c.command;
        EXPECT_EQ(std::memcmp(before.get(), config.get(), sizeof(ConfigBlock)), 0) << c.command;
    }
    // Slots beyond the programmable keys and profiles out of range.
    auto config = defaults();
    EXPECT_EQ(applyKeyCommand(*config, 0, 15, 1040, library), KeyCommandResult::Ignored);
    EXPECT_EQ(applyKeyCommand(*config, 5, 0, 1040, library), KeyCommandResult::Ignored);
    EXPECT_EQ(applyKeyCommand(*config, -1, 0, 1040, library), KeyCommandResult::Ignored);
}

TEST(KeyFunctionCommands, LibraryMacroCommandTakesTheMacroAndFactoryEntriesFollowTheSlot) {
    MacroLibrary library;
    addMacro(library, "First", 1);
    addMacro(library, "A name longer than the key's field", 4);
    auto config = defaults();
    ASSERT_EQ(applyKeyCommand(*config, 1, 14, 1051, library), KeyCommandResult::SlotChanged);
    const MacroKeyInfo &key = config->profiles[1].keys[14];
    EXPECT_EQ(key.type, static_cast<uint8_t>(AssignType::Macro));
    EXPECT_EQ(key.flags, 0);
    EXPECT_EQ(key.code, 0);
    EXPECT_EQ(getFixed(key.macroName), "A name longer than the "); // 23 characters and the NUL
    EXPECT_EQ(key.eventCount, 4);
    EXPECT_EQ(key.repeatCount, 3);
    EXPECT_EQ(key.events[3].key, 7);
    expectOnlyFlag(*config, 1, 14);

    // Factory entries of other slots: a keyboard function, a single key.
    for (auto [slot, type, flags, code] :
         {std::tuple{3, AssignType::KeyboardFunction, 7, 0}, std::tuple{4, AssignType::SingleKey, 0, 78},
          std::tuple{14, AssignType::SingleKey, 0, 77}}) {
        applyKeyCommand(*config, 1, slot, 1040, library);
        ASSERT_EQ(applyKeyCommand(*config, 1, slot, 1001, library), KeyCommandResult::SlotChanged);
        EXPECT_EQ(config->profiles[1].keys[slot].type, static_cast<uint8_t>(type)) << slot;
        EXPECT_EQ(config->profiles[1].keys[slot].flags, flags) << slot;
        EXPECT_EQ(config->profiles[1].keys[slot].code, code) << slot;
    }
    EXPECT_EQ(getFixed(config->profiles[1].keys[14].macroName), ""); // the macro went with 1040
}

TEST(KeyFunctionMenuLayout, EntriesInOrderAndTheSlotsMacroCheckedInAnyLetterCase) {
    FakeTexts texts;
    MacroLibrary library;
    MacroKeyInfo current{};
    KeyMenuLayout layout = keyMenuLayout(texts, library, current);
    ASSERT_EQ(layout.submenus.size(), 4u);
    // An empty library: only the macro manager entry.
    ASSERT_EQ(layout.submenus[0].entries.size(), 1u);
    EXPECT_EQ(layout.submenus[0].title, "T1071");
    EXPECT_EQ(layout.submenus[0].entries[0].command, 1049);
    EXPECT_EQ(layout.submenus[0].entries[0].text, "T1067");
    const struct {
        std::string title;
        int firstCommand, count;
        unsigned firstText;
    } groups[] = {{"T1078", 1013, 8, 1079}, {"T1087", 1021, 10, 1088}, {"T1098", 1031, 7, 1024}};
    for (int g = 0; g < 3; ++g) {
        const KeyMenuGroup &group = layout.submenus[g + 1];
        EXPECT_EQ(group.title, groups[g].title);
        ASSERT_EQ(group.entries.size(), static_cast<std::size_t>(groups[g].count));
        for (int i = 0; i < groups[g].count; ++i) {
            EXPECT_EQ(group.entries[i].command, groups[g].firstCommand + i);
            EXPECT_EQ(group.entries[i].text, "T" + std::to_string(groups[g].firstText + i));
            EXPECT_EQ(group.entries[i].check, MenuCheck::NotCheckable);
        }
    }
    ASSERT_EQ(layout.entries.size(), 4u);
    const int plain[] = {1001, 1002, 1003, 1040};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(layout.entries[i].command, plain[i]);
        EXPECT_EQ(layout.entries[i].text, "T" + std::to_string(1100 + i));
    }

    addMacro(library, "  Rapid Fire ", 2);
    addMacro(library, "Other", 2);
    current.type = static_cast<uint8_t>(AssignType::Macro);
    setFixed(current.macroName, "rapid FIRE");
    layout = keyMenuLayout(texts, library, current);
    const auto &macros = layout.submenus[0].entries;
    ASSERT_EQ(macros.size(), 4u);
    EXPECT_EQ(macros[1].command, 0); // the separator
    EXPECT_EQ(macros[2].command, 1050);
    EXPECT_EQ(macros[2].text, "Rapid Fire"); // shown trimmed
    EXPECT_EQ(macros[2].check, MenuCheck::Checked);
    EXPECT_EQ(macros[3].command, 1051);
    EXPECT_EQ(macros[3].check, MenuCheck::Unchecked);
    // The same name on a key that holds no macro checks nothing.
    current.type = static_cast<uint8_t>(AssignType::KeyCombination);
    EXPECT_EQ(keyMenuLayout(texts, library, current).submenus[0].entries[2].check, MenuCheck::Unchecked);
}

TEST(PlayerChoice, CommandsCaptionsAndTheOfferedPlayers) {
    const auto entries = playerMenuEntries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].command, 5001);
    EXPECT_EQ(entries[1].command, 5002);
    EXPECT_EQ(entries[2].command, 5004); // the third player is not offered
    const struct {
        int command;
        std::optional<int32_t> option;
        const char *caption;
    } cases[] = {{5001, 0, "Windows Media player"},
                 {5002, 1, "iTunes"},
                 {5003, 2, "Real Player"},
                 {5004, 3, "Winmap"},
                 {5000, {}, ""},
                 {5005, {}, ""}};
    for (const auto &c : cases) {
        EXPECT_EQ(mediaOptionForCommand(c.command), c.option) << c.command;
        if (c.option) {
            EXPECT_EQ(playerCaption(*c.option), c.caption);
        }
    }
    EXPECT_EQ(std::string(entries[1].text), "iTunes");
    EXPECT_EQ(playerCaption(4), "");
    EXPECT_EQ(playerCaption(-1), "");
}

class KeyCaptureTest : public ::testing::Test {
protected:
    std::unique_ptr<KeyboardLayout> us_ = makeUsLayout();
    KeyCodeTable keys_{*us_};
    FakeTexts texts_;
};

TEST_F(KeyCaptureTest, ShortcutTogglesFollowTheSlotAndNoModifierWins) {
    MacroKeyInfo slot{};
    slot.type = static_cast<uint8_t>(AssignType::KeyCombination);
    slot.flags = kModCtrl | kModAlt;
    slot.code = 0x0121; // the low byte is the key
    ShortcutChoice choice = ShortcutChoice::fromSlot(slot);
    EXPECT_EQ(choice.keyCode(), 0x21);
    auto looks = choice.toggleLooks();
    const bool expected[] = {false, true, false, true, false};
    for (int t = 0; t < ShortcutChoice::kToggleCount; ++t) {
        EXPECT_EQ(looks[t].checked, expected[t]) << t;
        EXPECT_TRUE(looks[t].enabled) << t;
    }
    EXPECT_EQ(choice.modifierBits(), kModCtrl | kModAlt);

    choice.setFlag(ShortcutChoice::NoModifier, true);
    looks = choice.toggleLooks();
    EXPECT_EQ(looks[0].checked, true);
    EXPECT_TRUE(looks[0].enabled);
    for (int t = 1; t < ShortcutChoice::kToggleCount; ++t) {
        EXPECT_FALSE(looks[t].checked.has_value()) << t; // the look stays as it was
        EXPECT_FALSE(looks[t].enabled) << t;
    }
    EXPECT_EQ(choice.modifierBits(), 0);
    choice.setFlag(ShortcutChoice::NoModifier, false);
    choice.setFlag(ShortcutChoice::Win, true);
    EXPECT_EQ(choice.modifierBits(), kModCtrl | kModAlt | kModWin);
}

TEST_F(KeyCaptureTest, CapturedKeysInBothDialogs) {
    const struct {
        uint32_t vk, flags;
        const char *name;
        uint8_t shortcutCode;           // 0: not in the table
        std::optional<uint8_t> swapped; // nullopt: the swap dialog ignores it
    } cases[] = {
        {13, kKeyFlagExtended, "(Enter)", 88, 88}, // keypad Enter
        {13, 0, "Enter", 40, 40},                  // main Enter
        {13, kKeyFlagReleased, "Enter", 40, 40},   // releases count too
        {0x1B, 0, "Esc", 41, 41},                  // Escape is a key like any other
        {0x41, kKeyFlagReleased, "A", 4, 4},
        {0xA3, kKeyFlagExtended, "Right Ctrl", 228, 228},
        {0x29, 0, "Select", 0, std::nullopt}, // named, not in the table
        {0x0C, 0, "", 0, std::nullopt},
    };
    for (const auto &c : cases) {
        ShortcutChoice shortcut;
        shortcut.setKeyCode(30);
        EXPECT_EQ(shortcut.capture(c.vk, c.flags, keys_), c.name) << c.vk;
        EXPECT_EQ(shortcut.keyCode(), c.shortcutCode) << c.vk;

        SwapKeyChoice swap(0, 41, keys_, texts_);
        swap.capture(0x42, 0); // B first
        const auto shown = swap.capture(c.vk, c.flags);
        EXPECT_EQ(shown.has_value(), c.swapped.has_value()) << c.vk;
        if (shown) {
            EXPECT_EQ(*shown, c.name);
        }
        EXPECT_EQ(swap.resultCode(), c.swapped.value_or(5)) << c.vk; // else B stays
    }
}

TEST_F(KeyCaptureTest, SwapKeyModesFunctionsRestoreAndResults) {
    // A key whose entry is 243 opens in function mode with function 2.
    SwapKeyChoice mouse(10, 243, keys_, texts_);
    EXPECT_EQ(mouse.mode(), SwapKeyChoice::Mode::MouseFunction);
    EXPECT_EQ(mouse.function(), 2);
    EXPECT_EQ(mouse.titleText(), "T1026");
    EXPECT_EQ(mouse.functionName(), "T1026");
    // A captured key shows in the edit, but OK stores the function.
    EXPECT_EQ(mouse.capture(0x41, 0), "A");
    EXPECT_EQ(mouse.mode(), SwapKeyChoice::Mode::MouseFunction);
    EXPECT_EQ(mouse.accept(), 243);
    // Menu choices: 1001 + n; others up to 1020 give function 0; the mode stays.
    const std::pair<int, int> choices[] = {{1007, 6}, {1001, 0}, {1004, 3}, {1015, 0}, {1021, 0}};
    for (auto [command, function] : choices) {
        mouse.chooseFunction(command);
        EXPECT_EQ(mouse.function(), function) << command;
        EXPECT_EQ(mouse.functionName(), "T" + std::to_string(1024 + function));
    }
    mouse.chooseFunction(1004);
    mouse.chooseFunction(1021); // not a menu command
    EXPECT_EQ(mouse.function(), 3);
    mouse.chooseFunction(1001);
    EXPECT_EQ(mouse.accept(), 241); // function 0

    // Key mode: the title names the key now sent; OK without a key is 0.
    SwapKeyChoice key(45, 4, keys_, texts_);
    EXPECT_EQ(key.titleText(), "A");
    EXPECT_EQ(key.mode(), SwapKeyChoice::Mode::Key);
    EXPECT_EQ(key.accept(), 0);
    key.setMode(SwapKeyChoice::Mode::MouseFunction);
    EXPECT_EQ(key.restore(), "A"); // position 45 is A: back to key mode
    EXPECT_EQ(key.mode(), SwapKeyChoice::Mode::Key);
    EXPECT_EQ(key.accept(), 4);

    // Position 70 defaults to 220, which has no virtual key: restore does
    // nothing at all.
    SwapKeyChoice win(70, 241, keys_, texts_);
    win.capture(0x42, 0);
    EXPECT_FALSE(win.restore().has_value());
    EXPECT_EQ(win.resultCode(), 5);
    EXPECT_EQ(win.mode(), SwapKeyChoice::Mode::MouseFunction);
}

TEST(ModifierCombination, AKeyWithModifiersHeldSetsThemAndTheReleasesChooseNothing) {
    // Keys as typed: + press, - release; C Ctrl (left 0xA2, right 0xA3), S
    // Shift, W Win, A and B letters. What each keystroke does: k chooses the
    // key, . chooses nothing, and [CSAW] the toggles set by a combination.
    const std::map<char, uint32_t> keys = {{'C', 0xA2}, {'R', 0xA3}, {'S', 0xA0},
                                           {'W', 0x5B}, {'A', 0x41}, {'B', 0x42}};
    struct Case {
        const char *name;
        const char *typed;
        const char *seen;
    };
    const std::vector<Case> cases = {
        {"a key alone leaves the toggles", "+A-A", "k k"},
        {"Ctrl+A: the toggles, then Ctrl's release keeps A", "+C+A-A-C", "k k[C] k ."},
        {"A let go after Ctrl: still Ctrl+A", "+C+A-C-A", "k k[C] . k"},
        {"two modifiers: the second one joins", "+C+S+A-A-S-C", "k . k[CS] k . ."},
        {"right Ctrl and Win", "+R+W+B-B-W-R", "k . k[CW] k . ."},
        {"a modifier tapped alone is the key", "+C-C", "k k"},
        {"two modifiers alone: the first one", "+C+S-S-C", "k . . k"},
        {"after a combination a plain key again leaves them", "+C+A-A-C+B-B", "k k[C] k . k k"},
    };
    for (const Case &c : cases) {
        ModifierCombination combination;
        std::string seen;
        for (const char *p = c.typed; *p != 0; p += 2) {
            const uint32_t flags = *p == '-' ? kKeyFlagReleased : 0;
            const ModifierCombination::Step step = combination.take(keys.at(p[1]), flags);
            seen += seen.empty() ? "" : " ";
            seen += step.chooseKey ? "k" : ".";
            if (step.modifiers) {
                seen += "[";
                for (int m = 0; m < ModifierCombination::kModifierCount; ++m)
                    if ((*step.modifiers)[m])
                        seen += "CSAW"[m];
                seen += "]";
            }
        }
        EXPECT_EQ(seen, c.seen) << c.name;
    }
}

TEST(StandardKeyRemap, LookAndStoreRules) {
    auto config = defaults();
    ProfileData &p = config->profiles[3];
    for (int k = 0; k < kStandardKeyCount; ++k)
        EXPECT_FALSE(standardKeyRemapped(p, k)) << k;

    EXPECT_TRUE(storeStandardKey(*config, 3, 45, 5));
    EXPECT_TRUE(standardKeyRemapped(p, 45));
    EXPECT_EQ(config->flags.standardKey[3], 1);
    EXPECT_EQ(config->flags.standardKey[0], 0);

    // Back to its own code: released again, and still flagged.
    config->flags.standardKey[3] = 0;
    EXPECT_TRUE(storeStandardKey(*config, 3, 45, 4));
    EXPECT_FALSE(standardKeyRemapped(p, 45));
    EXPECT_EQ(config->flags.standardKey[3], 1);

    // Code 0 (OK without a choice) changes nothing.
    const auto before = std::make_unique<ConfigBlock>(*config);
    EXPECT_FALSE(storeStandardKey(*config, 3, 46, 0));
    EXPECT_FALSE(storeStandardKey(*config, 3, 104, 5));
    EXPECT_FALSE(storeStandardKey(*config, 3, -1, 5));
    EXPECT_FALSE(storeStandardKey(*config, -1, 46, 5));
    EXPECT_FALSE(storeStandardKey(*config, 5, 46, 5));
    EXPECT_EQ(std::memcmp(before.get(), config.get(), sizeof(ConfigBlock)), 0);
}

} // namespace
} // namespace orvyn
