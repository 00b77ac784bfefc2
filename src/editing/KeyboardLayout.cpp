#include "editing/KeyboardLayout.h"

#include <array>

namespace orvyn {

namespace {

constexpr uint32_t kScanLimit = 0x59; // set-1 codes 0x01-0x58 of the main block

using ScanTable = std::array<uint32_t, kScanLimit>;

constexpr ScanTable makeUsTable() {
    ScanTable t{};
    t[0x01] = 0x1B;
    for (uint32_t i = 0; i < 9; ++i)
        t[0x02 + i] = 0x31 + i;
    t[0x0B] = 0x30;
    t[0x0C] = 0xBD;
    t[0x0D] = 0xBB;
    t[0x0E] = 0x08;
    t[0x0F] = 0x09;
    constexpr char top[] = "QWERTYUIOP";
    for (uint32_t i = 0; i < 10; ++i)
        t[0x10 + i] = static_cast<uint32_t>(top[i]);
    t[0x1A] = 0xDB;
    t[0x1B] = 0xDD;
    t[0x1C] = 0x0D;
    t[0x1D] = 0xA2;
    constexpr char home[] = "ASDFGHJKL";
    for (uint32_t i = 0; i < 9; ++i)
        t[0x1E + i] = static_cast<uint32_t>(home[i]);
    t[0x27] = 0xBA;
    t[0x28] = 0xDE;
    t[0x29] = 0xC0;
    t[0x2A] = 0xA0;
    t[0x2B] = 0xDC;
    constexpr char bottom[] = "ZXCVBNM";
    for (uint32_t i = 0; i < 7; ++i)
        t[0x2C + i] = static_cast<uint32_t>(bottom[i]);
    t[0x33] = 0xBC;
    t[0x34] = 0xBE;
    t[0x35] = 0xBF;
    t[0x36] = 0xA1;
    t[0x37] = 0x6A;
    t[0x38] = 0xA4;
    t[0x39] = 0x20;
    t[0x3A] = 0x14;
    for (uint32_t i = 0; i < 10; ++i)
        t[0x3B + i] = 0x70 + i;
    t[0x45] = 0x90;
    t[0x46] = 0x91;
    constexpr uint32_t pad[13] = {0x24, 0x26, 0x21, 0x6D, 0x25, 0x0C, 0x27,
                                  0x6B, 0x23, 0x28, 0x22, 0x2D, 0x2E};
    for (uint32_t i = 0; i < 13; ++i)
        t[0x47 + i] = pad[i];
    t[0x54] = 0x2C;
    t[0x56] = 0xE2;
    t[0x57] = 0x7A;
    t[0x58] = 0x7B;
    return t;
}

constexpr ScanTable makeAzertyTable() {
    ScanTable t = makeUsTable();
    t[0x10] = 'A';
    t[0x11] = 'Z';
    t[0x1E] = 'Q';
    t[0x2C] = 'W';
    t[0x27] = 'M';
    t[0x32] = 0xBC;
    t[0x33] = 0xBE;
    t[0x34] = 0xBF;
    t[0x35] = 0xDF;
    t[0x0C] = 0xDB;
    t[0x0D] = 0xBB;
    t[0x1A] = 0xDD;
    t[0x1B] = 0xBA;
    t[0x28] = 0xC0;
    t[0x29] = 0xDE;
    t[0x2B] = 0xDC;
    return t;
}

constexpr ScanTable kUsTable = makeUsTable();
constexpr ScanTable kAzertyTable = makeAzertyTable();

// Keypad virtual keys sit on the same positions as the navigation keys.
uint32_t keypadScan(uint32_t vk) {
    switch (vk) {
    case 0x67:
        return 0x47;
    case 0x68:
        return 0x48;
    case 0x69:
        return 0x49;
    case 0x64:
        return 0x4B;
    case 0x65:
        return 0x4C;
    case 0x66:
        return 0x4D;
    case 0x61:
        return 0x4F;
    case 0x62:
        return 0x50;
    case 0x63:
        return 0x51;
    case 0x60:
        return 0x52;
    case 0x6E:
        return 0x53;
    case 0x10:
        return 0x2A; // Shift
    case 0x11:
        return 0x1D; // Ctrl
    case 0x12:
        return 0x38; // Alt
    default:
        return 0;
    }
}

class TableLayout final : public KeyboardLayout {
public:
    explicit TableLayout(const ScanTable &table) : table_(table) {}
    uint32_t map(uint32_t code, MapMode mode) const override {
        if (mode == MapMode::ScanToVirtualKey)
            return code < kScanLimit ? table_[code] : 0;
        if (code == 0)
            return 0;
        for (uint32_t scan = 1; scan < kScanLimit; ++scan)
            if (table_[scan] == code)
                return scan;
        return keypadScan(code);
    }

private:
    const ScanTable &table_;
};

} // namespace

uint32_t usVirtualKeyAt(uint32_t scan) {
    return scan < kScanLimit ? kUsTable[scan] : 0;
}
uint32_t scanCodeLimit() {
    return kScanLimit;
}

std::unique_ptr<KeyboardLayout> makeUsLayout() {
    return std::make_unique<TableLayout>(kUsTable);
}
std::unique_ptr<KeyboardLayout> makeFrenchAzertyLayout() {
    return std::make_unique<TableLayout>(kAzertyTable);
}

// evdev codes 1-83 are the set-1 codes themselves; the rest of the main
// block (the extra key beside left Shift, F11, F12) moved.
uint32_t scanCodeFromEvdev(uint32_t evdev) {
    if (evdev >= 1 && evdev <= 83)
        return evdev;
    switch (evdev) {
    case 86:
        return 0x56;
    case 87:
        return 0x57;
    case 88:
        return 0x58;
    default:
        return 0;
    }
}

uint32_t evdevFromScanCode(uint32_t scan) {
    if (scan >= 1 && scan <= 83)
        return scan;
    switch (scan) {
    case 0x56:
        return 86;
    case 0x57:
        return 87;
    case 0x58:
        return 88;
    default:
        return 0;
    }
}

} // namespace orvyn
