// The macro manager's rules without its window: event-list rows, names,
// deleting, repeat, recording through the editor and every context command,
// each change written back into the library record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "editing/KeyCodeTable.h"
#include "editing/MacroEditor.h"

namespace orvyn {
namespace {

constexpr uint8_t kA = 4, kB = 5, kC = 6;

struct Fixture {
    Fixture() : layout(makeUsLayout()), keys(*layout), editor(library, keys) {}

    // Adds a macro with the given steps and shows it.
    MacroRecord &add(const char *name, std::vector<MacroEvent> events, int repeat = 0) {
        MacroRecord &r = library.create(name);
        r.repeat = repeat;
        r.count = static_cast<int>(events.size());
        std::copy(events.begin(), events.end(), r.events);
        return r;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const EventRow &row : editor.rows())
            out.push_back(row.text);
        return out;
    }
    // The library record of the shown macro equals the working copy.
    void expectWrittenBack() const {
        const MacroRecord *r = library.at(editor.selected());
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->count, editor.steps().count);
        EXPECT_EQ(std::memcmp(r->events, editor.steps().events.data(), sizeof r->events), 0);
    }
    int rowOf(const std::string &text, int nth = 0) const {
        const auto rows = texts();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i] == text && nth-- == 0)
                return static_cast<int>(i);
        return -1;
    }

    std::unique_ptr<KeyboardLayout> layout;
    KeyCodeTable keys;
    MacroLibrary library;
    MacroEditor editor;
};

TEST(MacroEditor, EventRowsNameKeysMouseButtonsAndDelays) {
    MacroSteps steps;
    steps.insert(-1, {kA, kEventPress, 120});
    steps.insert(-1, {kA, kEventRelease, 0});
    for (uint8_t b = 241; b <= 245; ++b) {
        steps.insert(-1, {b, kEventPress, 0});
        steps.insert(-1, {b, kEventRelease, b == 245 ? uint16_t(65535) : uint16_t(0)});
    }
    const auto layout = makeUsLayout();
    const KeyCodeTable keys(*layout);
    const std::vector<EventRow> rows = buildEventRows(steps, keys);
    const struct {
        const char *text;
        int event;
        RowKind icon;
    } want[] = {
        {"A", 0, RowKind::KeyPress},         {"120 ms", 0, RowKind::Delay},
        {"A", 1, RowKind::KeyRelease},       {"L Button Down", 2, RowKind::Mouse},
        {"L Button Up", 3, RowKind::Mouse},  {"R Button Down", 4, RowKind::Mouse},
        {"R Button Up", 5, RowKind::Mouse},  {"M Button Down", 6, RowKind::Mouse},
        {"M Button Up", 7, RowKind::Mouse},  {"Button 4 Down", 8, RowKind::Mouse},
        {"Button 4 Up", 9, RowKind::Mouse},  {"Button 5 Down", 10, RowKind::Mouse},
        {"Button 5 Up", 11, RowKind::Mouse}, {"65535 ms", 11, RowKind::Delay},
    };
    ASSERT_EQ(rows.size(), std::size(want));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].text, want[i].text) << i;
        EXPECT_EQ(rows[i].value, (uint32_t(want[i].event + 1) << 16) | uint32_t(want[i].icon)) << i;
    }
}

TEST(MacroEditor, NewNamesAreTrimmedCutAndRefusedWhenTaken) {
    const struct {
        const char *typed;
        bool created;
        const char *stored;
    } rows[] = {
        {"jump", false, ""},
        {"  JUMP \t", false, ""},
        {"build", false, ""}, // the stored name has blanks around it
        {"   ", false, ""},
        {"Dash", true, "Dash"},
        {"  Sprint  ", true, "Sprint"},
        {"Fifteen chars ok and more", true, "Fifteen chars o"},
        // 16 two-byte letters: what fits the key's 23 bytes.
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
         "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9",
         true, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"},
    };
    for (const auto &row : rows) {
        Fixture f;
        f.add("Jump", {{kA, 1, 0}});
        f.add(" Build ", {{kB, 1, 0}, {kB, 2, 0}});
        f.editor.show(1);
        const MacroEditor::NameResult result = f.editor.commitNewName(row.typed);
        EXPECT_EQ(result.created, row.created) << row.typed;
        if (row.created) {
            ASSERT_EQ(f.library.size(), 3u);
            EXPECT_EQ(getFixed(f.library.at(2)->name), row.stored);
            EXPECT_EQ(result.shown, 2);
            EXPECT_EQ(f.editor.steps().count, 0);
        } else {
            EXPECT_EQ(f.library.size(), 2u);
            EXPECT_EQ(result.shown, 1) << "the macro shown before stays shown";
            EXPECT_EQ(f.editor.steps().count, 2);
        }
    }
}

TEST(MacroEditor, DeletingShowsTheMacroNowAtThatPlace) {
    Fixture f;
    f.add("one", {{kA, 1, 0}});
    f.add("two", {{kB, 1, 0}});
    f.add("three", {{kC, 1, 0}, {kC, 2, 0}});
    f.editor.show(1);
    ASSERT_TRUE(f.editor.deleteShown());
    EXPECT_EQ(f.editor.names(), (std::vector<std::string>{"one", "three"}));
    EXPECT_EQ(f.editor.selected(), 1);
    EXPECT_EQ(f.editor.steps().count, 2);
    ASSERT_TRUE(f.editor.deleteShown());
    EXPECT_EQ(f.editor.selected(), 0) << "the last one when the place is gone";
    ASSERT_TRUE(f.editor.deleteShown());
    EXPECT_EQ(f.editor.selected(), -1);
    EXPECT_FALSE(f.editor.deleteShown());
}

TEST(MacroEditor, RepeatShownAndWrittenBack) {
    Fixture f;
    MacroRecord &never = f.add("never", {}, 0);
    MacroRecord &seven = f.add("seven", {}, 7);
    f.editor.show(0);
    EXPECT_EQ(f.editor.repeatCount(), 1);
    EXPECT_FALSE(f.editor.repeatOn());
    f.editor.show(1);
    EXPECT_EQ(f.editor.repeatCount(), 7);
    EXPECT_TRUE(f.editor.repeatOn());

    const struct {
        const char *typed;
        int count;
        const char *rewritten; // nullptr: the field stays as typed
    } rows[] = {{"12", 12, nullptr}, {"0", 1, "1"}, {"300", 255, "255"}, {"", 1, "1"}, {"255", 255, nullptr}};
    for (const auto &row : rows) {
        const auto corrected = f.editor.commitRepeatText(row.typed);
        EXPECT_EQ(f.editor.repeatCount(), row.count) << row.typed;
        EXPECT_EQ(corrected.has_value(), row.rewritten != nullptr) << row.typed;
        if (corrected && row.rewritten) {
            EXPECT_EQ(*corrected, row.rewritten);
        }
        EXPECT_EQ(seven.repeat, row.count) << "switch on: the count is stored";
    }
    f.editor.setRepeatOn(false);
    EXPECT_EQ(seven.repeat, 0);
    f.editor.setRepeatOn(true);
    EXPECT_EQ(seven.repeat, 255);
    EXPECT_EQ(never.repeat, 0);

    f.editor.show(-1);
    EXPECT_EQ(f.editor.repeatCount(), 1);
    EXPECT_FALSE(f.editor.repeatOn());
    EXPECT_EQ(f.editor.steps().count, 0);
}

TEST(MacroEditor, WithoutAMacroEveryCommandWarns) {
    Fixture f;
    f.editor.show(-1);
    EXPECT_EQ(f.editor.recordButton(), EditorAction::NoMacroWarning);
    for (int command : {1001, 1002, 1003, 1004, 1005, 1020, 1034})
        EXPECT_EQ(f.editor.contextCommand(command, -1), EditorAction::NoMacroWarning) << command;
    EXPECT_FALSE(f.editor.recording());
}

TEST(MacroEditor, RecordButtonClearsRecordsAndStops) {
    Fixture f;
    f.add("m", {{kA, 1, 0}, {kA, 2, 0}});
    f.editor.show(0);
    f.editor.setRecordDelays(true);
    ASSERT_EQ(f.editor.recordButton(), EditorAction::StartRecording);
    EXPECT_TRUE(f.editor.recording());
    EXPECT_EQ(f.editor.steps().count, 0) << "recording anew clears the macro";
    EXPECT_EQ(f.editor.keystroke({0x42, 0, 1000}), EditorAction::Changed);
    EXPECT_EQ(f.editor.keystroke({0x42, 0x80, 1075}), EditorAction::Changed);
    EXPECT_EQ(f.texts(), (std::vector<std::string>{"B", "75 ms", "B"}));
    EXPECT_EQ(f.editor.rowToKeepInView(), 2);
    EXPECT_EQ(f.editor.recordButton(), EditorAction::StopRecording);
    EXPECT_FALSE(f.editor.recording());
    f.expectWrittenBack();
    EXPECT_EQ(f.editor.keystroke({0x43, 0, 2000}), EditorAction::None) << "not recording";

    // Filling the macro stops recording by itself.
    ASSERT_EQ(f.editor.recordButton(), EditorAction::StartRecording);
    EditorAction last = EditorAction::None;
    for (uint32_t i = 0; i < 50; ++i)
        last = f.editor.keystroke({0x41 + i % 2, i % 4 < 2 ? 0u : 0x80u, 3000 + i});
    EXPECT_EQ(last, EditorAction::StopRecording);
    EXPECT_FALSE(f.editor.recording());
    EXPECT_EQ(f.library.at(0)->count, 50);
}

TEST(MacroEditor, RecordBeforeAndAfterInsertAtTheSelectedRow) {
    Fixture f;
    f.add("m", {{kA, 1, 30}, {kA, 2, 0}, {kB, 1, 0}, {kB, 2, 0}});
    f.editor.show(0);
    // Row 1 is A's delay row: record after it goes between A down and A up.
    ASSERT_EQ(f.texts()[1], "30 ms");
    ASSERT_EQ(f.editor.contextCommand(1002, 1), EditorAction::StartRecording);
    f.editor.keystroke({0x43, 0, 10});
    f.editor.keystroke({0x43, 0x80, 20});
    f.editor.recordButton();
    EXPECT_EQ(f.library.at(0)->events[1].key, kC);
    EXPECT_EQ(f.library.at(0)->events[2].key, kC);
    EXPECT_EQ(f.library.at(0)->events[3].key, kA);

    // Record before the first event; without a selected row: at the end.
    ASSERT_EQ(f.editor.contextCommand(1001, 0), EditorAction::StartRecording);
    f.editor.keystroke({0x42, 0, 30});
    f.editor.recordButton();
    EXPECT_EQ(f.library.at(0)->events[0].key, kB);
    ASSERT_EQ(f.editor.contextCommand(1001, -1), EditorAction::StartRecording);
    f.editor.keystroke({0x42, 0x80, 40});
    f.editor.recordButton();
    EXPECT_EQ(f.library.at(0)->count, 8);
    EXPECT_EQ(f.library.at(0)->events[7].key, kB);
    EXPECT_EQ(f.library.at(0)->events[7].state, kEventRelease);
}

TEST(MacroEditor, InsertDelayEditAndDelete) {
    Fixture f;
    f.add("m", {{kA, 1, 0}, {kA, 2, 50}, {kB, 1, 0}, {kB, 2, 0}});
    f.editor.show(0);
    ASSERT_EQ(f.texts(), (std::vector<std::string>{"A", "A", "50 ms", "B", "B"}));

    // Not on the first event, nor after a step that already waits.
    EXPECT_EQ(f.editor.contextCommand(1003, 0), EditorAction::None);
    EXPECT_EQ(f.editor.contextCommand(1003, f.rowOf("B")), EditorAction::None);
    EXPECT_EQ(f.editor.contextCommand(1003, f.rowOf("50 ms")), EditorAction::None);
    EXPECT_EQ(f.editor.contextCommand(1003, f.rowOf("A", 1)), EditorAction::Changed);
    EXPECT_EQ(f.texts(), (std::vector<std::string>{"A", "1 ms", "A", "50 ms", "B", "B"}));
    f.expectWrittenBack();

    // Editing works on delay rows only; what is typed is kept to 1..65535.
    EXPECT_EQ(f.editor.contextCommand(1004, 0), EditorAction::None);
    const struct {
        const char *typed;
        uint16_t delay;
    } edits[] = {{"250", 250}, {"0", 1}, {"", 1}, {"70000", 65535}, {"99999999999999999999", 65535}};
    for (const auto &edit : edits) {
        ASSERT_EQ(f.editor.contextCommand(1004, 1), EditorAction::OpenDelayEdit);
        EXPECT_EQ(f.editor.commitDelayText(edit.typed), EditorAction::Changed);
        EXPECT_EQ(f.library.at(0)->events[0].delay, edit.delay) << edit.typed;
        EXPECT_EQ(f.editor.rowToKeepInView(), 1);
    }

    // A delay row loses only its delay; an event row takes its delay along.
    EXPECT_EQ(f.editor.contextCommand(1005, 1), EditorAction::Changed);
    EXPECT_EQ(f.texts(), (std::vector<std::string>{"A", "A", "50 ms", "B", "B"}));
    EXPECT_EQ(f.editor.contextCommand(1005, 1), EditorAction::Changed);
    EXPECT_EQ(f.texts(), (std::vector<std::string>{"A", "B", "B"}));
    EXPECT_EQ(f.editor.contextCommand(1005, -1), EditorAction::None);
    f.expectWrittenBack();
}

TEST(MacroEditor, MouseStepsForEveryButtonAndTheFiftyLimit) {
    Fixture f;
    f.add("m", {{kA, 1, 0}});
    f.editor.show(0);
    for (int b = 0; b < 5; ++b) {
        // Press and release before the first step, a click at the end.
        f.editor.contextCommand(1020 + 3 * b, 0);
        f.editor.contextCommand(1021 + 3 * b, -1);
        f.editor.contextCommand(1022 + 3 * b, -1);
        const MacroSteps &s = f.editor.steps();
        const uint8_t code = static_cast<uint8_t>(241 + b);
        EXPECT_EQ(s.events[0].key, code);
        EXPECT_EQ(s.events[0].state, kEventPress);
        EXPECT_EQ(s.events[s.count - 3].key, code);
        EXPECT_EQ(s.events[s.count - 3].state, kEventRelease);
        EXPECT_EQ(s.events[s.count - 2].state, kEventPress);
        EXPECT_EQ(s.events[s.count - 1].state, kEventRelease);
    }
    EXPECT_EQ(f.editor.steps().count, 21);
    f.expectWrittenBack();

    // 49 steps: a click no longer fits, a press does.
    std::vector<MacroEvent> many(49, MacroEvent{kA, 1, 0});
    f.add("full", many);
    f.editor.show(1);
    f.editor.contextCommand(1022, -1);
    EXPECT_EQ(f.editor.steps().count, 49);
    f.editor.contextCommand(1020, -1);
    EXPECT_EQ(f.editor.steps().count, 50);
    f.editor.contextCommand(1023, -1);
    EXPECT_EQ(f.editor.steps().count, 50);
    EXPECT_EQ(f.library.at(1)->count, 50);
}

TEST(MacroEditor, PreselectionFollowsTheKeysMacro) {
    Fixture f;
    EXPECT_EQ(f.editor.preselection(nullptr), -1) << "empty library";
    f.add("Jumping", {});
    f.add("jump", {});
    MacroKeyInfo key{};
    key.type = static_cast<uint8_t>(AssignType::Macro);
    setFixed(key.macroName, "Jump");
    EXPECT_EQ(f.editor.preselection(&key), 1) << "its own macro before a longer name";
    setFixed(key.macroName, "jum");
    EXPECT_EQ(f.editor.preselection(&key), 0) << "else the first name that begins with it";
    setFixed(key.macroName, "other");
    EXPECT_EQ(f.editor.preselection(&key), 0);
    key.type = static_cast<uint8_t>(AssignType::SingleKey);
    setFixed(key.macroName, "jump");
    EXPECT_EQ(f.editor.preselection(&key), 0);
    EXPECT_EQ(f.editor.preselection(nullptr), 0);
}

} // namespace
} // namespace orvyn
