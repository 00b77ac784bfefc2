#include "editing/ModifierCombination.h"

#include <algorithm>

#include "editing/Keystroke.h"

namespace orvyn {

std::optional<ModifierCombination::Modifier> ModifierCombination::modifierOf(uint32_t virtualKey) {
    switch (virtualKey) {
    case 0x11: // Ctrl
    case 0xA2: // left Ctrl
    case 0xA3: // right Ctrl
        return Ctrl;
    case 0x10:
    case 0xA0:
    case 0xA1:
        return Shift;
    case 0x12:
    case 0xA4:
    case 0xA5:
        return Alt;
    case 0x5B:
    case 0x5C:
        return Win;
    default:
        return std::nullopt;
    }
}

bool ModifierCombination::anyHeld() const {
    return std::any_of(held_.begin(), held_.end(), [](bool down) { return down; });
}

ModifierCombination::Step ModifierCombination::take(uint32_t virtualKey, uint32_t flags) {
    const bool released = (flags & kKeyFlagReleased) != 0;
    const std::optional<Modifier> modifier = modifierOf(virtualKey);
    Step step;
    if (!modifier) {
        if (!released && anyHeld()) {
            step.modifiers = held_;
            for (int m = 0; m < kModifierCount; ++m)
                inCombination_[m] = inCombination_[m] || held_[m];
        }
        return step;
    }
    if (!released) {
        // A second modifier joins a combination being built; the first
        // one pressed is the key while nothing else comes.
        step.chooseKey = !anyHeld() && !inCombination_[*modifier];
        held_[*modifier] = true;
        return step;
    }
    held_[*modifier] = false;
    if (inCombination_[*modifier]) {
        inCombination_[*modifier] = false;
        step.chooseKey = false;
        return step;
    }
    step.chooseKey = !anyHeld();
    return step;
}

} // namespace orvyn
