// The macro being edited and how recorded keystrokes become its steps:
// repeats of a held key dropped, the keypad Enter told apart, each key taken
// at its physical position, delays measured between the keystrokes' own
// time stamps, and recording ended when the macro is full.
#pragma once

#include <array>

#include "editing/KeyCodeTable.h"
#include "editing/Keystroke.h"
#include "editing/MacroLibrary.h"

namespace orvyn {

inline constexpr uint32_t kMaxDelayMs = 65535;

// The steps of one macro: the macro manager's working copy.
struct MacroSteps {
    int count = 0;
    std::array<MacroEvent, kMacroEventCapacity> events{};

    bool full() const { return count >= kMacroEventCapacity; }
    int freeSlots() const { return kMacroEventCapacity - count; }
    // Inserts before `index`; -1 or an index at or past the end appends.
    // False (nothing changed) when the macro is full.
    bool insert(int index, MacroEvent event);
    // Removes the step; later steps move down. Nothing for a bad index.
    void remove(int index);
    void clear() { *this = MacroSteps(); }

    // The record's count (kept to 0..50) and all 50 slots.
    void loadFrom(const MacroRecord &record);
    // All 50 slots and the count into the record.
    void storeInto(MacroRecord &record) const;
};

struct RecordOutcome {
    bool stored = false;        // a step was inserted
    int storedAt = -1;          // its index
    bool stopRecording = false; // the macro is full now
};

class MacroRecording {
public:
    explicit MacroRecording(const KeyCodeTable &keys) : keys_(keys) {}

    void setRecordDelays(bool on) { recordDelays_ = on; }
    bool recordDelays() const { return recordDelays_; }

    // A recording run starts: the next step goes before `insertAt` (-1 =
    // append), and the first keystroke of the run gets no delay before it.
    void beginRun(int insertAt);
    // The run ended; the last keystroke seen is kept for the next run.
    void endRun();
    int insertionPosition() const { return insertAt_; }

    // One keystroke of the recorder into `steps`.
    RecordOutcome take(const Keystroke &keystroke, MacroSteps &steps);

private:
    const KeyCodeTable &keys_;
    bool recordDelays_ = false;
    bool havePrevious_ = false;
    uint32_t previousKey_ = 0;
    uint32_t previousFlags_ = 0;
    bool storedInRun_ = false;
    uint32_t lastStoredTime_ = 0;
    int insertAt_ = -1;
};

} // namespace orvyn
