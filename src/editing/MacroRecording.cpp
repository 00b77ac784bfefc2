#include "editing/MacroRecording.h"

#include <algorithm>
#include <cstring>

#include "editing/KeyCapture.h"

namespace orvyn {

bool MacroSteps::insert(int index, MacroEvent event) {
    if (full())
        return false;
    if (index < 0 || index > count)
        index = count;
    std::move_backward(events.begin() + index, events.begin() + count, events.begin() + count + 1);
    events[index] = event;
    ++count;
    return true;
}

void MacroSteps::remove(int index) {
    if (index < 0 || index >= count)
        return;
    std::move(events.begin() + index + 1, events.begin() + count, events.begin() + index);
    --count;
    events[count] = MacroEvent{};
}

void MacroSteps::loadFrom(const MacroRecord &record) {
    count = record.validCount();
    std::memcpy(events.data(), record.events, sizeof record.events);
}

void MacroSteps::storeInto(MacroRecord &record) const {
    std::memcpy(record.events, events.data(), sizeof record.events);
    record.count = count;
}

void MacroRecording::beginRun(int insertAt) {
    insertAt_ = insertAt;
    storedInRun_ = false;
}

void MacroRecording::endRun() {
    lastStoredTime_ = 0;
}

RecordOutcome MacroRecording::take(const Keystroke &keystroke, MacroSteps &steps) {
    RecordOutcome outcome;
    const uint32_t vk = keystroke.virtualKey;
    const uint32_t flags = keystroke.flags & kKeyFlagMask;
    // A held key repeats its press; only the first one counts.
    if (havePrevious_ && vk == previousKey_ && flags == previousFlags_)
        return outcome;
    havePrevious_ = true;
    previousKey_ = vk;
    previousFlags_ = flags;

    // The position pressed, whatever the layout calls it.
    const uint32_t keyCode = capturedKeyCode(keystroke, keys_).value_or(0);

    // The pause since the last step becomes that step's delay.
    if (recordDelays_ && storedInRun_) {
        const uint32_t elapsed = std::min(serverMillisBetween(lastStoredTime_, keystroke.time), kMaxDelayMs);
        const int before = insertAt_ < 0 ? steps.count - 1 : insertAt_ - 1;
        if (before >= 0 && before < steps.count)
            steps.events[before].delay = static_cast<uint16_t>(elapsed);
    }

    const MacroEvent event{static_cast<uint8_t>(keyCode),
                           (flags & kKeyFlagReleased) ? kEventRelease : kEventPress, 0};
    const int at = insertAt_ < 0 || insertAt_ > steps.count ? steps.count : insertAt_;
    if (steps.insert(at, event)) {
        outcome.stored = true;
        outcome.storedAt = at;
        if (insertAt_ >= 0)
            insertAt_ = at + 1; // the next keystroke follows this one
    }
    lastStoredTime_ = keystroke.time;
    storedInRun_ = true;
    outcome.stopRecording = steps.full();
    return outcome;
}

} // namespace orvyn
