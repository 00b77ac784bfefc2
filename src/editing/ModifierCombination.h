// How the shortcut dialog hears a key pressed with modifiers held: the key
// of the combination is recorded and the modifier toggles show the
// modifiers held, so a combination is chosen from the keyboard alone (the
// toggles cannot take the focus while every key is recorded).
//
// A key pressed alone is recorded as before and leaves the toggles as they
// are (a user may click them first). A modifier pressed and released
// alone is a key of its own. The releases that end a combination choose
// nothing: Ctrl+A stays Ctrl+A whichever key comes up last.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace orvyn {

class ModifierCombination {
public:
    // In the order of the shortcut dialog's modifier toggles.
    enum Modifier { Ctrl = 0, Shift = 1, Alt = 2, Win = 3 };
    static constexpr int kModifierCount = 4;
    using Held = std::array<bool, kModifierCount>;

    struct Step {
        bool chooseKey = true;         // the keystroke becomes the key
        std::optional<Held> modifiers; // set when it completed a combination
    };

    // One recorded keystroke (virtual key; flags bit 7 = released).
    Step take(uint32_t virtualKey, uint32_t flags);

    // The modifier a virtual key is (either side), if it is one.
    static std::optional<Modifier> modifierOf(uint32_t virtualKey);

private:
    bool anyHeld() const;

    Held held_{};
    Held inCombination_{};
};

} // namespace orvyn
