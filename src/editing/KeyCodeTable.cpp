#include "editing/KeyCodeTable.h"

#include <array>

#include "platform/LocalText.h"
#include "shared/ProfileDomain.h"

namespace orvyn {

namespace {

constexpr std::array<KeyCodeRow, 128> makeRows() {
    std::array<KeyCodeRow, 128> rows{};
    std::size_t n = 0;
    auto add = [&](int32_t vk, int32_t code, int32_t scan) { rows[n++] = KeyCodeRow{vk, code, scan}; };

    constexpr int32_t letterScans[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                         0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                         0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
    for (int i = 0; i < 26; ++i)
        add(0x41 + i, 4 + i, letterScans[i]);
    for (int i = 0; i < 9; ++i)
        add(0x31 + i, 30 + i, 0x02 + i);
    add(0x30, 39, 0x0B);

    constexpr int32_t controlVk[5] = {0x0D, 0x1B, 0x08, 0x09, 0x20};
    constexpr int32_t controlScan[5] = {0x1C, 0x01, 0x0E, 0x0F, 0x39};
    for (int i = 0; i < 5; ++i)
        add(controlVk[i], 40 + i, controlScan[i]);

    constexpr int32_t punct1Vk[5] = {0xBD, 0xBB, 0xDB, 0xDD, 0xDC};
    constexpr int32_t punct1Scan[5] = {0x0C, 0x0D, 0x1A, 0x1B, 0x2B};
    for (int i = 0; i < 5; ++i)
        add(punct1Vk[i], 45 + i, punct1Scan[i]);

    constexpr int32_t punct2Vk[6] = {0xBA, 0xDE, 0xC0, 0xBC, 0xBE, 0xBF};
    constexpr int32_t punct2Scan[6] = {0x27, 0x28, 0x29, 0x33, 0x34, 0x35};
    for (int i = 0; i < 6; ++i)
        add(punct2Vk[i], 51 + i, punct2Scan[i]);

    add(0x14, 57, 0x3A);
    for (int i = 0; i < 12; ++i)
        add(0x70 + i, 58 + i, i < 10 ? 0x3B + i : 0x57 + (i - 10));

    constexpr int32_t navVk[13] = {0x2C, 0x91, 0x13, 0x2D, 0x24, 0x21, 0x2E,
                                   0x23, 0x22, 0x27, 0x25, 0x28, 0x26};
    for (int i = 0; i < 13; ++i)
        add(navVk[i], 70 + i, 0);

    constexpr int32_t padVk[6] = {0x90, 0x6F, 0x6A, 0x6D, 0x6B, 0x6C};
    for (int i = 0; i < 6; ++i)
        add(padVk[i], 83 + i, 0);
    for (int i = 0; i < 9; ++i)
        add(0x61 + i, 89 + i, 0);
    add(0x60, 98, 0);
    add(0x6E, 99, 0);
    add(0xE2, 100, 0);
    add(0x5D, 101, 0);

    for (int i = 0; i < 18; ++i)
        add(0xA6 + i, 112 + i, 0);

    constexpr int32_t modVk[8] = {0xA2, 0xA0, 0xA4, 0x5B, 0xA3, 0xA1, 0xA5, 0x5C};
    for (int i = 0; i < 8; ++i)
        add(modVk[i], 224 + i, 0);

    for (int i = 0; i < 5; ++i)
        add(0xF1 + i, 241 + i, 0);
    return rows;
}

constexpr std::array<KeyCodeRow, 128> kRows = makeRows();
static_assert(kRows[127].keyCode == 245, "every row filled");
// The profile domain (shared/ProfileDomain.h) knows these codes without
// this table: its rule and the rows must name the same 128 codes.
constexpr bool rowsAreTheDomainCodes() {
    int domainCodes = 0;
    for (unsigned code = 0; code < 256; ++code)
        domainCodes += isTableKeyCode(code) ? 1 : 0;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (!isTableKeyCode(static_cast<unsigned>(kRows[i].keyCode)))
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (kRows[j].keyCode == kRows[i].keyCode)
                return false;
    }
    return domainCodes == static_cast<int>(kRows.size());
}
static_assert(rowsAreTheDomainCodes(), "KeyCodeTable and isTableKeyCode differ");

bool followsLayout(int32_t keyCode) {
    return keyCode >= 4 && keyCode <= 69;
}

const KeyCodeRow *rowByKeyCode(uint32_t keyCode) {
    for (const KeyCodeRow &row : kRows)
        if (static_cast<uint32_t>(row.keyCode) == keyCode)
            return &row;
    return nullptr;
}

} // namespace

std::span<const KeyCodeRow> KeyCodeTable::rows() {
    return kRows;
}

std::optional<uint32_t> KeyCodeTable::virtualKey(uint32_t keyCode) const {
    const KeyCodeRow *row = rowByKeyCode(keyCode);
    if (!row)
        return std::nullopt;
    if (followsLayout(row->keyCode)) {
        const uint32_t vk = layout_.map(static_cast<uint32_t>(row->scanCode), MapMode::ScanToVirtualKey);
        // A position the layout leaves empty still names its key.
        if (vk != 0)
            return vk;
    }
    return static_cast<uint32_t>(row->virtualKey);
}

std::optional<uint32_t> KeyCodeTable::keyCodeAtScan(uint32_t scanCode) {
    // The extra key's row carries no scan code, as its key code never
    // follows the layout.
    constexpr uint32_t kExtraKeyScan = 0x56;
    constexpr uint32_t kExtraKeyCode = 100;
    if (scanCode == kExtraKeyScan)
        return kExtraKeyCode;
    if (scanCode == 0)
        return std::nullopt;
    for (const KeyCodeRow &row : kRows)
        if (static_cast<uint32_t>(row.scanCode) == scanCode)
            return static_cast<uint32_t>(row.keyCode);
    return std::nullopt;
}

std::optional<uint32_t> KeyCodeTable::keyCode(uint32_t virtualKey) const {
    const KeyCodeRow *first = nullptr;
    for (const KeyCodeRow &row : kRows) {
        if (static_cast<uint32_t>(row.virtualKey) == virtualKey) {
            first = &row;
            break;
        }
    }
    if (!first)
        return std::nullopt;
    if (followsLayout(first->keyCode)) {
        const uint32_t scan = layout_.map(virtualKey, MapMode::VirtualKeyToScan);
        // Scan code 0 means the layout has no such key: the many rows with
        // scan code 0 must not be taken for it.
        if (scan != 0) {
            for (const KeyCodeRow &row : kRows)
                if (static_cast<uint32_t>(row.scanCode) == scan)
                    return static_cast<uint32_t>(row.keyCode);
        }
    }
    return static_cast<uint32_t>(first->keyCode);
}

std::string_view keyName(uint32_t vk) {
    switch (vk) {
    case 0x08:
        return QT_TRANSLATE_NOOP("KeyName", "BackSpace");
    case 0x09:
        return QT_TRANSLATE_NOOP("KeyName", "Tab");
    case 0x0D:
        return QT_TRANSLATE_NOOP("KeyName", "Enter");
    case 0x13:
        return QT_TRANSLATE_NOOP("KeyName", "Pause");
    case 0x14:
        return QT_TRANSLATE_NOOP("KeyName", "CapsLock");
    case 0x1B:
        return QT_TRANSLATE_NOOP("KeyName", "Esc");
    case 0x20:
        return QT_TRANSLATE_NOOP("KeyName", "Space");
    case 0x21:
        return QT_TRANSLATE_NOOP("KeyName", "Page UP");
    case 0x22:
        return QT_TRANSLATE_NOOP("KeyName", "Page Down");
    case 0x23:
        return QT_TRANSLATE_NOOP("KeyName", "End");
    case 0x24:
        return QT_TRANSLATE_NOOP("KeyName", "Home");
    case 0x25:
        return QT_TRANSLATE_NOOP("KeyName", "Left");
    case 0x26:
        return QT_TRANSLATE_NOOP("KeyName", "Up");
    case 0x27:
        return QT_TRANSLATE_NOOP("KeyName", "Right");
    case 0x28:
        return QT_TRANSLATE_NOOP("KeyName", "Down");
    case 0x29:
        return QT_TRANSLATE_NOOP("KeyName", "Select");
    case 0x2B:
        return QT_TRANSLATE_NOOP("KeyName", "Execute");
    case 0x2C:
        return QT_TRANSLATE_NOOP("KeyName", "Snapshot");
    case 0x2D:
        return QT_TRANSLATE_NOOP("KeyName", "Insert");
    case 0x2E:
        return QT_TRANSLATE_NOOP("KeyName", "Delete");
    case 0x2F:
        return QT_TRANSLATE_NOOP("KeyName", "Help");
    case 0x5B:
        return QT_TRANSLATE_NOOP("KeyName", "Left Windows");
    case 0x5C:
        return QT_TRANSLATE_NOOP("KeyName", "Right Windows");
    case 0x5D:
        return QT_TRANSLATE_NOOP("KeyName", "APP");
    case 0x6A:
        return "(*)";
    case 0x6B:
        return "(+)";
    case 0x6C:
        return QT_TRANSLATE_NOOP("KeyName", "(Enter)");
    case 0x6D:
        return "(-)";
    case 0x6E:
        return "(.)";
    case 0x6F:
        return "(/)";
    case 0x90:
        return QT_TRANSLATE_NOOP("KeyName", "Numlock");
    case 0x91:
        return QT_TRANSLATE_NOOP("KeyName", "ScrollLock");
    case 0xA0:
        return QT_TRANSLATE_NOOP("KeyName", "Left Shift");
    case 0xA1:
        return QT_TRANSLATE_NOOP("KeyName", "Right Shift");
    case 0xA2:
        return QT_TRANSLATE_NOOP("KeyName", "Left Ctrl");
    case 0xA3:
        return QT_TRANSLATE_NOOP("KeyName", "Right Ctrl");
    case 0xA4:
        return QT_TRANSLATE_NOOP("KeyName", "Left Alt");
    case 0xA5:
        return QT_TRANSLATE_NOOP("KeyName", "Right Alt");
    case 0xBA:
        return ";";
    case 0xBB:
        return "=";
    case 0xBC:
        return ",";
    case 0xBD:
        return "-";
    case 0xBE:
        return ".";
    case 0xBF:
        return "/";
    case 0xC0:
        return "`";
    case 0xDB:
        return "[";
    case 0xDC:
        return "\\";
    case 0xDD:
        return "]";
    case 0xDE:
        return "'";
    case 0xF1:
        return QT_TRANSLATE_NOOP("KeyName", "L Button");
    case 0xF2:
        return QT_TRANSLATE_NOOP("KeyName", "R Button");
    case 0xF3:
        return QT_TRANSLATE_NOOP("KeyName", "M Button");
    case 0xF4:
        return QT_TRANSLATE_NOOP("KeyName", "Button 4");
    case 0xF5:
        return QT_TRANSLATE_NOOP("KeyName", "Button 5");
    default:
        break;
    }
    static constexpr std::string_view kDigits = "0123456789";
    static constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    static constexpr std::string_view kPad[10] = {"(0)", "(1)", "(2)", "(3)", "(4)",
                                                  "(5)", "(6)", "(7)", "(8)", "(9)"};
    static constexpr std::string_view kFunction[12] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                                       "F7", "F8", "F9", "F10", "F11", "F12"};
    if (vk >= 0x30 && vk <= 0x39)
        return kDigits.substr(vk - 0x30, 1);
    if (vk >= 0x41 && vk <= 0x5A)
        return kLetters.substr(vk - 0x41, 1);
    if (vk >= 0x60 && vk <= 0x69)
        return kPad[vk - 0x60];
    if (vk >= 0x70 && vk <= 0x7B)
        return kFunction[vk - 0x70];
    return {};
}

std::string_view keyName(uint32_t vk, KeyNames names) {
    if (names == KeyNames::Labels) {
        switch (vk) {
        case 0x14:
            return QT_TRANSLATE_NOOP("KeyName", "Caps Lock");
        case 0x2C:
            return QT_TRANSLATE_NOOP("KeyName", "PrtSc");
        case 0x5D:
            return QT_TRANSLATE_NOOP("KeyName", "Menu");
        default:
            break;
        }
    }
    return keyName(vk);
}

std::string shownKeyName(uint32_t virtualKey, KeyNames names) {
    const std::string name(keyName(virtualKey, names));
    return name.empty() ? name : localText("KeyName", name.c_str());
}

} // namespace orvyn
