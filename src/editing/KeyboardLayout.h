// Virtual-key <-> scan-code mapping of the active keyboard layout. Scan codes
// are PC set-1 codes (0x01-0x58 for the main block); virtual keys are the
// codes the key tables use.
#pragma once

#include <cstdint>
#include <memory>

namespace orvyn {

enum class MapMode {
    VirtualKeyToScan = 0, // which position carries this virtual key
    ScanToVirtualKey = 3, // what this position means, left/right modifiers told apart
};

class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // 0 when there is no mapping.
    virtual uint32_t map(uint32_t code, MapMode mode) const = 0;
};

// Fixed layouts that do not depend on the machine (tests, fallback, and
// the command-line tool, which has no desktop to ask).
std::unique_ptr<KeyboardLayout> makeUsLayout();
std::unique_ptr<KeyboardLayout> makeFrenchAzertyLayout();

// The US virtual key at a set-1 position (0 when none) and the bound of the
// positions the layouts cover.
uint32_t usVirtualKeyAt(uint32_t scan);
uint32_t scanCodeLimit();

// Set-1 scan code of an evdev key code (X keycode - 8); 0 when the key has
// no set-1 code of the main block.
uint32_t scanCodeFromEvdev(uint32_t evdev);
uint32_t evdevFromScanCode(uint32_t scan);

} // namespace orvyn
