// What the macro manager does, without its widgets: which macro is shown,
// its working copy and the rows of the event list, the name rules of a new
// macro, recording, the repeat settings and every command of the event
// list's context menu. Each change of the working copy is written back into
// the library record at once; the caller saves or reloads the library when
// the manager closes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/KeyCodeTable.h"
#include "editing/MacroLibrary.h"
#include "editing/MacroRecording.h"

namespace orvyn {

// What an event-list row stands for; the window picks each kind's icon.
enum class RowKind : uint16_t {
    Delay = 1,
    KeyRelease = 2,
    KeyPress = 3,
    Mouse = 4,
};

inline constexpr int kMacroNameMaxChars = 15;
// A key keeps the name in 24 bytes with its terminator.
inline constexpr std::size_t kMacroNameMaxBytes = sizeof(MacroKeyInfo::macroName) - 1;
inline constexpr int kDelayEditMaxChars = 20;
inline constexpr int kRepeatEditMaxChars = 3;

struct EventRow {
    std::string text;
    uint32_t value = 0; // (event index + 1) << 16 | kind

    int eventIndex() const { return static_cast<int>(value >> 16) - 1; }
    RowKind kind() const { return static_cast<RowKind>(value & 0xFFFF); }
    bool isDelay() const { return kind() == RowKind::Delay; }
};

// One row per step, followed by a delay row when its delay is not 0.
std::vector<EventRow> buildEventRows(const MacroSteps &steps, const KeyCodeTable &keys);

// Commands of the event list's context menu.
enum class ContextCommand : int {
    RecordBefore = 1001,
    RecordAfter = 1002,
    InsertDelay = 1003,
    EditDelay = 1004,
    Delete = 1005,
    FirstMouseStep = 1020, // left press, left release, left click, right press, ... button-5 click
    LastMouseStep = 1034,
};
inline constexpr int kMouseButtons = 5;
inline constexpr uint8_t kFirstMouseButtonCode = 241;

// What the window has to do after a command.
enum class EditorAction {
    None,           // nothing changed
    Changed,        // rows or values changed: redraw
    NoMacroWarning, // no macro selected: show the warning
    StartRecording, // take the keyboard for this window
    StopRecording,  // give it back
    OpenDelayEdit,  // open the digits-only edit over the selected row
};

// A name as the user typed it, trimmed, cut to what a key can hold.
std::string macroNameFromInput(std::string_view text);

class MacroEditor {
public:
    MacroEditor(MacroLibrary &library, const KeyCodeTable &keys);

    // --- Macros -----------------------------------------------------------
    std::vector<std::string> names() const;
    // The macro to show first for the key a menu was opened for (nullptr:
    // none): its macro by name, else the first macro; -1 for an empty library.
    int preselection(const MacroKeyInfo *key) const;
    // Shows macro `index` (-1 or out of range: none).
    void show(int index);
    // The library took macros from elsewhere (appended, or replacing ones
    // not edited here). Outside a recording the shown macro is shown again
    // when its record changed; true then.
    bool libraryMerged();
    int selected() const { return selected_; }

    struct NameResult {
        bool created = false;
        int shown = -1; // the macro shown now
    };
    // A new name was typed: refused when blank or when another macro has it
    // (ignoring case and blanks around it), otherwise a macro is created and
    // shown.
    NameResult commitNewName(std::string_view text);
    // Deletes the shown macro; the one now at its place (or the last) is
    // shown. False when none is shown.
    bool deleteShown();

    // --- Recording --------------------------------------------------------
    // The record button: warning, start (the macro is cleared) or stop.
    EditorAction recordButton();
    bool recording() const { return recording_; }
    // Start (from the record button or the context menu) and stop.
    void beginRecording(int insertAt);
    void endRecording();
    // A keystroke while recording; StopRecording when the macro is full.
    EditorAction keystroke(const Keystroke &keystroke);
    void setRecordDelays(bool on) { recorder_.setRecordDelays(on); }
    bool recordDelays() const { return recorder_.recordDelays(); }

    // --- Repeat -----------------------------------------------------------
    int repeatCount() const { return repeatCount_; }
    bool repeatOn() const { return repeatOn_; }
    void setRepeatOn(bool on);
    // The repeat field lost the focus: the count it gives (1..255). The
    // corrected text when the field must be rewritten.
    std::optional<std::string> commitRepeatText(std::string_view text);

    // --- Event list -------------------------------------------------------
    const MacroSteps &steps() const { return steps_; }
    const std::vector<EventRow> &rows() const { return rows_; }
    // The row the list keeps in view after it was rebuilt (-1 = the last).
    int rowToKeepInView() const { return keepInView_; }
    // A context-menu command on row `row` (-1 = none selected).
    EditorAction contextCommand(int command, int row);
    // The digits of the delay edit opened by EditDelay were committed.
    EditorAction commitDelayText(std::string_view text);

private:
    MacroRecord *record() { return library_.at(selected_); }
    void writeBack();
    void writeBackRepeat();
    void rebuild(int keepRow);
    int rowOfEvent(int event) const;

    MacroLibrary &library_;
    const KeyCodeTable &keys_;
    MacroRecording recorder_;
    int selected_ = -1;
    MacroSteps steps_;
    int repeatCount_ = 1;
    bool repeatOn_ = false;
    bool recording_ = false;
    std::vector<EventRow> rows_;
    int keepInView_ = -1;
    int delayEditEvent_ = -1;
};

} // namespace orvyn
