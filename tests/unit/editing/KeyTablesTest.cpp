#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "editing/AssignmentText.h"
#include "editing/KeyCapture.h"
#include "editing/KeyCodeTable.h"
#include "option/keyboard/XkbLayout.h"

namespace orvyn {
namespace {

class FakeTexts final : public TextSource {
public:
    std::string text(unsigned id) const override { return "T" + std::to_string(id); }
};

MacroKeyInfo entry(AssignType type, uint8_t flags = 0, uint16_t code = 0) {
    MacroKeyInfo e{};
    e.type = static_cast<uint8_t>(type);
    e.flags = flags;
    e.code = code;
    return e;
}

TEST(KeyCodeTable, HasOneRowPerKeyCodeAndNoneFor50) {
    const auto rows = KeyCodeTable::rows();
    ASSERT_EQ(rows.size(), 128u);
    std::set<int32_t> codes, vks;
    for (const KeyCodeRow &row : rows) {
        EXPECT_TRUE(codes.insert(row.keyCode).second) << row.keyCode;
        EXPECT_TRUE(vks.insert(row.virtualKey).second) << row.virtualKey;
    }
    EXPECT_FALSE(codes.count(50));
    auto us = makeUsLayout();
    KeyCodeTable table(*us);
    EXPECT_FALSE(table.virtualKey(50).has_value());
    EXPECT_FALSE(table.keyCode(0x0C).has_value());
    EXPECT_FALSE(table.virtualKey(0).has_value());
    EXPECT_FALSE(table.virtualKey(255).has_value());
}

TEST(KeyCodeTable, UsLayoutRoundTripsEveryRow) {
    auto us = makeUsLayout();
    KeyCodeTable table(*us);
    for (const KeyCodeRow &row : KeyCodeTable::rows()) {
        const auto vk = table.virtualKey(static_cast<uint32_t>(row.keyCode));
        ASSERT_TRUE(vk.has_value());
        EXPECT_EQ(*vk, static_cast<uint32_t>(row.virtualKey)) << "key code " << row.keyCode;
        const auto code = table.keyCode(*vk);
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(*code, static_cast<uint32_t>(row.keyCode));
    }
}

// The tables as written down in key_tables.txt.
struct KeyTablesText {
    std::map<int32_t, std::pair<int32_t, int32_t>> rows; // key code -> (virtual key, scan code)
    std::map<uint32_t, std::string> names;               // virtual key -> name
};

KeyTablesText readKeyTablesText() {
    KeyTablesText out;
    std::ifstream in(ORVYN_SOURCE_DIR "tests/unit/editing/key_tables.txt");
    EXPECT_TRUE(in.is_open());
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind;
        fields >> kind;
        if (kind == "code") {
            int32_t code = 0, vk = 0, scan = 0;
            fields >> std::dec >> code >> std::hex >> vk >> scan;
            EXPECT_TRUE(fields) << line;
            EXPECT_TRUE(out.rows.emplace(code, std::make_pair(vk, scan)).second) << line;
        } else if (kind == "name") {
            uint32_t vk = 0;
            fields >> std::hex >> vk;
            fields.get(); // the blank before the name
            std::string name;
            std::getline(fields, name);
            EXPECT_FALSE(name.empty()) << line;
            EXPECT_TRUE(out.names.emplace(vk, name).second) << line;
        } else {
            EXPECT_TRUE(kind.empty() || kind[0] == '#') << line;
        }
    }
    return out;
}

TEST(KeyTables, MatchTheirWrittenTextInBothDirections) {
    const KeyTablesText text = readKeyTablesText();
    ASSERT_EQ(text.rows.size(), 128u);
    ASSERT_EQ(text.names.size(), 112u);

    // Every written row is in the table, and nothing else is.
    std::map<int32_t, std::pair<int32_t, int32_t>> table;
    for (const KeyCodeRow &row : KeyCodeTable::rows())
        table.emplace(row.keyCode, std::make_pair(row.virtualKey, row.scanCode));
    EXPECT_EQ(table.size(), text.rows.size());
    for (const auto &[code, entry] : text.rows) {
        const auto row = table.find(code);
        ASSERT_NE(row, table.end()) << "no row for key code " << code;
        EXPECT_EQ(row->second.first, entry.first) << "virtual key of key code " << code;
        EXPECT_EQ(row->second.second, entry.second) << "scan code of key code " << code;
    }

    // Both conversions, on the layout whose positions are the rows' own.
    auto us = makeUsLayout();
    KeyCodeTable codes(*us);
    for (const auto &[code, entry] : text.rows) {
        const auto vk = codes.virtualKey(static_cast<uint32_t>(code));
        ASSERT_TRUE(vk.has_value()) << "key code " << code;
        EXPECT_EQ(*vk, static_cast<uint32_t>(entry.first)) << "key code " << code;
        const auto back = codes.keyCode(static_cast<uint32_t>(entry.first));
        ASSERT_TRUE(back.has_value()) << "virtual key " << entry.first;
        EXPECT_EQ(*back, static_cast<uint32_t>(code)) << "virtual key " << entry.first;
    }

    // Every virtual key has the written name, or none when it has no line.
    for (uint32_t vk = 0; vk < 256; ++vk) {
        const auto written = text.names.find(vk);
        EXPECT_EQ(keyName(vk), written == text.names.end() ? std::string() : written->second)
            << "virtual key " << std::hex << vk;
    }
}

void expectFrenchPositions(const KeyboardLayout &layout) {
    KeyCodeTable table(layout);
    EXPECT_EQ(*table.virtualKey(4), 0x51u); // the A position carries Q
    EXPECT_EQ(keyName(*table.virtualKey(4)), "Q");
    EXPECT_EQ(*table.virtualKey(20), 0x41u); // the Q position carries A
    EXPECT_EQ(*table.virtualKey(26), 0x5Au); // W position carries Z
    EXPECT_EQ(*table.virtualKey(30), 0x31u); // digits keep their virtual keys
    // Back: virtual key Q is found at the position of key code 4.
    EXPECT_EQ(*table.keyCode(0x51), 4u);
    EXPECT_EQ(*table.keyCode(0x41), 20u);
    EXPECT_EQ(*table.keyCode(0x4D), 51u); // M sits where US has ';'
    // Keys outside the main block ignore the layout.
    EXPECT_EQ(*table.virtualKey(74), 0x24u);
}

TEST(KeyCodeTable, FrenchAzertyMovesLetters) {
    expectFrenchPositions(*makeFrenchAzertyLayout());
}

TEST(KeyCodeTable, VirtualKeyMissingFromTheLayoutKeepsItsRow) {
    // AZERTY has no key producing '-' (BD): the row's own code is kept rather
    // than the first row without scan code (Snapshot).
    auto fr = makeFrenchAzertyLayout();
    KeyCodeTable table(*fr);
    EXPECT_EQ(*table.keyCode(0xBD), 45u);
}

TEST(XkbKeymapLayout, CompiledLayoutsGiveTheirPositions) {
    auto us = XkbKeymapLayout::fromNames("us");
    auto fr = XkbKeymapLayout::fromNames("fr");
    if (!us || !fr)
        GTEST_SKIP() << "xkb-data not installed";
    KeyCodeTable usTable(*us);
    for (const KeyCodeRow &row : KeyCodeTable::rows()) {
        if (row.keyCode >= 4 && row.keyCode <= 69) {
            EXPECT_EQ(*usTable.virtualKey(static_cast<uint32_t>(row.keyCode)),
                      static_cast<uint32_t>(row.virtualKey))
                << "key code " << row.keyCode;
        }
    }
    expectFrenchPositions(*fr);
    auto de = XkbKeymapLayout::fromNames("de");
    ASSERT_TRUE(de);
    EXPECT_EQ(*KeyCodeTable(*de).virtualKey(28), 0x5Au); // QWERTZ: Y position carries Z
}

// Whatever the layout, each position of the key table is stored as itself:
// captured from its X key code, or converted back from the virtual key the
// layout names it by (no two positions share one).
TEST(XkbKeymapLayout, EveryPositionIsStoredAsItselfUnderEveryLayout) {
    if (!XkbKeymapLayout::fromNames("us"))
        GTEST_SKIP() << "xkb-data not installed";
    const std::pair<const char *, const char *> layouts[] = {
        {"us", ""}, {"de", ""}, {"fr", ""},       {"gb", ""}, {"es", ""}, {"it", ""},
        {"se", ""}, {"ch", ""}, {"us", "dvorak"}, {"pl", ""}, {"ru", ""}, {"jp", ""}};
    constexpr uint32_t kExtraKeyScan = 0x56;
    for (const auto &[name, variant] : layouts) {
        auto layout = XkbKeymapLayout::fromNames(name, variant);
        ASSERT_TRUE(layout) << name << "(" << variant << ")";
        const KeyCodeTable table(*layout);
        for (const KeyCodeRow &row : KeyCodeTable::rows()) {
            const auto code = static_cast<uint32_t>(row.keyCode);
            if (!(code >= 4 && code <= 69) && code != 100)
                continue;
            SCOPED_TRACE(std::string(name) + "(" + variant + ") key code " + std::to_string(code));
            const uint32_t scan = code == 100 ? kExtraKeyScan : static_cast<uint32_t>(row.scanCode);
            const auto press = keystrokeFromX(evdevFromScanCode(scan) + 8, KeyDirection::Press, 0, *layout);
            ASSERT_TRUE(press.has_value());
            EXPECT_EQ(capturedKeyCode(*press, table), code);
            const auto vk = table.virtualKey(code);
            ASSERT_TRUE(vk.has_value());
            EXPECT_EQ(press->virtualKey, *vk); // named alike when captured and when shown
            EXPECT_EQ(table.keyCode(*vk), code);
        }
    }
    // The layout names the key: German "-" sits where US has "/".
    auto de = XkbKeymapLayout::fromNames("de");
    EXPECT_EQ(keyName(*KeyCodeTable(*de).virtualKey(56)), "-");
}

TEST(ScanCodes, EvdevMapping) {
    EXPECT_EQ(scanCodeFromEvdev(30), 0x1Eu); // KEY_A
    EXPECT_EQ(scanCodeFromEvdev(86), 0x56u);
    EXPECT_EQ(scanCodeFromEvdev(87), 0x57u);
    EXPECT_EQ(scanCodeFromEvdev(96), 0u); // keypad Enter has no main-block code
    for (uint32_t evdev = 1; evdev < 90; ++evdev) {
        if (uint32_t scan = scanCodeFromEvdev(evdev)) {
            EXPECT_EQ(evdevFromScanCode(scan), evdev);
        }
    }
}

class AssignmentTextTest : public ::testing::Test {
protected:
    std::unique_ptr<KeyboardLayout> layout_ = makeUsLayout();
    KeyCodeTable table_{*layout_};
    FakeTexts texts_;
    AssignmentText text_{texts_, table_};
};

TEST_F(AssignmentTextTest, KeyCombinationsPrefixModifiersInFixedOrder) {
    EXPECT_EQ(text_.text(entry(AssignType::KeyCombination, 15, 4)), "Ctrl+Shift+Alt+Win+A");
    EXPECT_EQ(text_.text(entry(AssignType::KeyCombination, kModCtrl | kModAlt, 4)), "Ctrl+Alt+A");
    EXPECT_EQ(text_.text(entry(AssignType::KeyCombination, kModWin | kModShift, 58)), "Shift+Win+F1");
    EXPECT_EQ(text_.text(entry(AssignType::KeyCombination, kModCtrl, 100)), "Ctrl+"); // E2 has no name
    EXPECT_EQ(text_.text(entry(AssignType::KeyCombination, kModCtrl, 50)), "Ctrl+");  // no row
    auto fr = makeFrenchAzertyLayout();
    KeyCodeTable frTable(*fr);
    EXPECT_EQ(AssignmentText(texts_, frTable).text(entry(AssignType::KeyCombination, kModCtrl, 4)), "Ctrl+Q");
}

TEST_F(AssignmentTextTest, EveryTypeHasItsText) {
    EXPECT_EQ(text_.text(entry(AssignType::DefaultFunction)), "T1103");
    MacroKeyInfo macro = entry(AssignType::Macro);
    setFixed(macro.macroName, "Combo");
    EXPECT_EQ(text_.text(macro), "Combo");
    const std::map<uint8_t, std::string> keyboard = {{1, "T1077"}, {4, "T1072"}, {5, "T1073"},
                                                     {6, "T1074"}, {2, ""},      {0, ""}};
    for (const auto &[sub, want] : keyboard)
        EXPECT_EQ(text_.text(entry(AssignType::KeyboardFunction, sub)), want) << int(sub);
    EXPECT_EQ(text_.text(entry(AssignType::SingleFunction)), "T1030");
    EXPECT_EQ(text_.text(entry(AssignType::MediaFunction, 0, 176)), "T1080");
    EXPECT_EQ(text_.text(entry(AssignType::MediaFunction, 0, 199)), "T1093");
    EXPECT_EQ(text_.text(entry(AssignType::MediaFunction, 0, 192)), "Screensave");
    EXPECT_EQ(text_.text(entry(AssignType::MediaFunction, 0, 194)), "Explorer");
    EXPECT_EQ(text_.text(entry(AssignType::MediaFunction, 0, 195)), "Minimize");
    EXPECT_EQ(text_.text(entry(AssignType::MediaFunction, 0, 181)), "");
    EXPECT_EQ(text_.text(entry(AssignType::MouseButton, 1)), "T1024");
    EXPECT_EQ(text_.text(entry(AssignType::MouseButton, 5)), "T1028");
    EXPECT_EQ(text_.text(entry(AssignType::MouseButton, 6)), "");
    EXPECT_EQ(text_.text(entry(AssignType::MouseGroupFunction)), "T1029");
    EXPECT_EQ(text_.text(entry(AssignType::SingleKey, kModCtrl, 41)), "Esc");
    EXPECT_EQ(text_.text(entry(AssignType::Unassigned)), "");
    EXPECT_EQ(text_.text(entry(AssignType::ReadBackCombination, kModCtrl, 4)), "");
    EXPECT_EQ(text_.text(entry(static_cast<AssignType>(12))), "");
}

TEST_F(AssignmentTextTest, ProgramShowsFileNameOnly) {
    MacroKeyInfo e = entry(AssignType::LaunchProgram);
    setFixed(e.programPath, "C:\\Tools\\run.exe");
    EXPECT_EQ(text_.text(e), "run.exe");
    setFixed(e.programPath, "/usr/bin/firefox");
    EXPECT_EQ(text_.text(e), "firefox");
    setFixed(e.programPath, "plain.sh");
    EXPECT_EQ(text_.text(e), "plain.sh");
    setFixed(e.programPath, "C:\\Tools\\");
    EXPECT_EQ(text_.text(e), "");
}

} // namespace
} // namespace orvyn

namespace orvyn {
namespace {

TEST(XkbLiveLayout, FollowsTheServersCoreKeyboard) {
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X server";
    auto live = makeXkbLayout();
    ASSERT_TRUE(live) << "X server without XKB";
    KeyCodeTable table(*live);
    // Whatever the layout, the A position carries a letter and Esc stays Esc.
    const uint32_t vk = *table.virtualKey(4);
    EXPECT_TRUE(vk >= 0x41 && vk <= 0x5A) << vk;
    EXPECT_EQ(*table.virtualKey(41), 0x1Bu);
    EXPECT_EQ(*table.keyCode(vk), 4u);
    EXPECT_NE(makeSystemLayout(), nullptr);
}

} // namespace
} // namespace orvyn
