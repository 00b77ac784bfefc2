// The keyboard's own key codes (USB HID keyboard-page usages, mouse buttons
// 241-245) against virtual keys and scan codes, and the names of virtual keys.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "editing/KeyboardLayout.h"

namespace orvyn {

struct KeyCodeRow {
    int32_t virtualKey;
    int32_t keyCode;
    int32_t scanCode; // 0 for keys the layout does not move
};

class KeyCodeTable {
public:
    explicit KeyCodeTable(const KeyboardLayout &layout) : layout_(layout) {}

    static std::span<const KeyCodeRow> rows();

    // Key codes 4-69 follow the active layout (through their scan code);
    // the others take their row's virtual key. nullopt for codes without row.
    std::optional<uint32_t> virtualKey(uint32_t keyCode) const;
    // The key code of a virtual key, at its physical position under the
    // active layout for the main block. nullopt when no row has the key.
    std::optional<uint32_t> keyCode(uint32_t virtualKey) const;
    // The key code of a main-block position by its set-1 scan code (not an
    // E0 key), whatever the layout: the row with that scan code, or 100 for
    // the extra key beside left Shift. nullopt for other positions.
    static std::optional<uint32_t> keyCodeAtScan(uint32_t scanCode);

private:
    const KeyboardLayout &layout_;
};

// Display name of a virtual key; empty for keys without a name.
std::string_view keyName(uint32_t virtualKey);

// Which names keys go by: the key-name table the window's captions use, or
// the labels of the window's keyboard picture where those differ ("PrtSc",
// "Menu", "Caps Lock" for "Snapshot", "APP", "CapsLock"), as vantorctl
// writes them.
enum class KeyNames { Table, Labels };
std::string_view keyName(uint32_t virtualKey, KeyNames names);
// The name as the user reads it: in the user's language where the
// language names the key differently (context "KeyName"). What is stored,
// sent or typed in keeps keyName's English.
std::string shownKeyName(uint32_t virtualKey, KeyNames names = KeyNames::Table);

} // namespace orvyn
