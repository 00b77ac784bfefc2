// The key-capture dialogs without widgets: the shortcut dialog's key and
// modifier toggles, the swap-key dialog's key, mode and mouse function, and
// how the standard-key page stores and shows a remapped key.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "editing/KeyCodeTable.h"
#include "editing/Keystroke.h"
#include "shared/ConfigBlock.h"
#include "uitext/UiText.h"

namespace orvyn {

// The virtual key a captured keystroke stands for: Return with the extended
// flag is the keypad's Enter (108), told apart from the main Enter (13).
uint32_t capturedVirtualKey(uint32_t virtualKey, uint32_t flags);

// The key code a captured keystroke stands for: the position pressed when
// the keystroke knows it, so the layout only names the key; else its
// virtual key through the table. nullopt for keys the table does not know.
std::optional<uint32_t> capturedKeyCode(const Keystroke &keystroke, const KeyCodeTable &keys);

// The key and modifiers of the shortcut dialog.
class ShortcutChoice {
public:
    // The five toggles, in the order of the dialog's flags.
    enum Toggle { NoModifier = 0, Ctrl = 1, Shift = 2, Alt = 3, Win = 4 };
    static constexpr int kToggleCount = 5;

    ShortcutChoice() = default;
    // A key-combination slot: the low byte of its code, the four modifier
    // toggles from its flag bits 0-3, no-modifier off.
    static ShortcutChoice fromSlot(const MacroKeyInfo &key);

    uint8_t keyCode() const { return keyCode_; }
    void setKeyCode(uint8_t code) { keyCode_ = code; }
    bool flag(Toggle toggle) const { return flags_[toggle]; }
    void setFlag(Toggle toggle, bool on) { flags_[toggle] = on; }

    // A captured keystroke (presses and releases alike) becomes the key; a
    // key the table does not know stores 0. Returns the key's name.
    std::string capture(const Keystroke &keystroke, const KeyCodeTable &keys);
    std::string capture(uint32_t virtualKey, uint32_t flags, const KeyCodeTable &keys) {
        return capture(Keystroke{virtualKey, flags}, keys);
    }

    // How the toggles show: with no-modifier on, the four modifier toggles
    // are disabled and keep whatever look they had (nullopt); otherwise each
    // shows its flag and all are enabled.
    struct ToggleLook {
        std::optional<bool> checked;
        bool enabled = true;
    };
    std::array<ToggleLook, kToggleCount> toggleLooks() const;

    // The modifier bits confirmed with OK: 0 while no-modifier is on, even
    // with modifier toggles still set.
    uint8_t modifierBits() const;

private:
    uint8_t keyCode_ = 0;
    std::array<bool, kToggleCount> flags_{};
};

// The name of the key a key code stands for on the active layout, as the
// user reads it (see shownKeyName).
std::string keyNameOfCode(uint32_t keyCode, const KeyCodeTable &keys);

// Standard-key codes 241-247 are the seven mouse functions.
inline constexpr uint8_t kFirstMouseFunctionCode = 241;
inline constexpr int kMouseFunctionCount = 7;
inline constexpr unsigned kFirstMouseFunctionText = 1024;
// Commands of the swap-key dialog's mouse-function menu: 1001 + function.
inline constexpr int kMouseFunctionFirstCommand = 1001;

// What the swap-key dialog decides for one standard key.
class SwapKeyChoice {
public:
    enum class Mode { Key = 0, MouseFunction = 1 };

    // `position` 0-103 in the remap table; `initialCode` its entry now.
    SwapKeyChoice(int position, uint8_t initialCode, const KeyCodeTable &keys, const TextSource &texts);

    // What the key does now, drawn as the dialog's title text.
    const std::string &titleText() const { return titleText_; }
    Mode mode() const { return mode_; }
    void setMode(Mode mode) { mode_ = mode; }
    int function() const { return function_; }
    // Caption of the mouse-function button.
    std::string functionName() const;
    // The code kept so far; 0 = change nothing.
    uint8_t resultCode() const { return resultCode_; }

    // A captured keystroke: the key's name for the edit field, or nullopt
    // when the table does not know the key (the keystroke is ignored). The
    // mode stays as it is.
    std::optional<std::string> capture(const Keystroke &keystroke);
    std::optional<std::string> capture(uint32_t virtualKey, uint32_t flags) {
        return capture(Keystroke{virtualKey, flags});
    }
    // Back to the position's factory code, in key mode: its name, or nullopt
    // when that code has no virtual key (nothing changes then).
    std::optional<std::string> restore();
    // A command of the mouse-function menu (1001-1020); the mode stays.
    void chooseFunction(int command);
    // OK: the code to store; 0 tells the caller to change nothing.
    uint8_t accept();

private:
    int position_;
    const KeyCodeTable &keys_;
    const TextSource &texts_;
    std::string titleText_;
    Mode mode_ = Mode::Key;
    int function_ = 0;
    uint8_t resultCode_ = 0;
};

// A remapped standard key (one that no longer sends its own code) shows
// pressed.
bool standardKeyRemapped(const ProfileData &profile, int position);
// Stores a swap-key result in the remap table of `profile` and marks the
// table changed; false (and nothing changes) for code 0 or an index out of
// range.
bool storeStandardKey(ConfigBlock &config, int profile, int position, uint8_t code);

} // namespace orvyn
