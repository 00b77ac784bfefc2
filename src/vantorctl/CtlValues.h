// The words of vantorctl's command line and what they mean in the record:
// profile numbers, key names, setting values and the functions a key can be
// given, all in the texts the configuration window shows. Qt-free.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/KeyCodeTable.h"
#include "shared/ConfigBlock.h"
#include "uitext/UiText.h"

namespace orvyn::ctl {

// A value or the message that says what was wrong with the input.
template <typename T> struct Parsed {
    std::optional<T> value;
    std::string error;
    bool ok() const { return value.has_value(); }
    static Parsed fail(std::string message) { return Parsed{std::nullopt, std::move(message)}; }
};

// "1"-"5" to the profile index 0-4.
Parsed<int> parseProfile(std::string_view text);
// "G1"-"G15" (any case) to the key slot 0-14.
Parsed<int> parseKeySlot(std::string_view text);

// One KEY=VALUE of `set`, applied to a profile. Everything the Advanced page
// edits, plus the two fields of the profile dialog.
struct Setting {
    enum class Field { Effect, Colour, Polling, WinLock, PowerSaving, Name, Game } field;
    int32_t number = 0;
    std::string text; // Name, Game
};
// Effect and colour names are the window's texts (`texts`), any case, or
// the stored numbers.
Parsed<Setting> parseSetting(std::string_view assignment, const TextSource &texts);
void applySetting(ProfileData &profile, const Setting &setting);

// A key combination in the English key names ("Ctrl+Alt+X", "Shift+Page
// Down"), any case: modifier bits and the key code of the named key.
struct KeyCombination {
    uint8_t modifiers = 0;
    uint8_t keyCode = 0;
};
Parsed<KeyCombination> parseKeyCombination(std::string_view text, const KeyCodeTable &keys);

// What the key-function menu gives a key, without its dialogs.
struct KeyFunction {
    AssignType type = AssignType::Unassigned;
    uint8_t flags = 0;
    uint16_t code = 0;
};
enum class FunctionGroup { Media, Mouse };
// The functions of the menu's multimedia and applications submenus (Media)
// or of its mouse submenu (Mouse), found by their menu text, any case.
Parsed<KeyFunction> findFunction(FunctionGroup group, std::string_view name, const TextSource &texts);
// The menu texts of a group, in menu order.
std::vector<std::string> functionNames(FunctionGroup group, const TextSource &texts);
// Every key name as vantorctl writes it (the labels of the window's keyboard
// picture), in key-code order. `parseKeyCombination` also takes the names of
// the key-name table ("Snapshot" as well as "PrtSc").
std::vector<std::string> keyNames(const KeyCodeTable &keys);

// Key `slot` of `profile` gets `function`; its macro fields are cleared and
// its change flag is set, as the menu does.
void assignFunction(ConfigBlock &config, int profile, int slot, const KeyFunction &function);
// The key's factory entry.
void assignFactoryEntry(ConfigBlock &config, int profile, int slot);

// Readable forms of stored values for `show`.
std::string pollingText(int32_t pollingRate);
std::string switchText(int32_t value);

// Case-insensitive ASCII comparison.
bool sameWord(std::string_view a, std::string_view b);

} // namespace orvyn::ctl
