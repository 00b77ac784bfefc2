#include "StandardKeys.h"

#include <QCoreApplication>

#include <cctype>
#include <cstring>

namespace orvyn::skingen {

namespace {

// Key pitch: 28 pixels across (7 per quarter key), 27 down; caps are 5
// pixels apart. The Enter key has exactly the outline of mask 308: 34
// pixels across its top row and 27 across its lower one, cut 7 pixels in on
// the left. The Tab cap is 3 pixels wider than its quarter grid so that the
// row ends 5 pixels before the Enter key; the Caps Lock cap is 1 pixel wider
// so that its row ends just left of the Enter key's rectangle.
constexpr int kQuarter = 7;
constexpr int kGap = 5;
constexpr int kCapHeight = 22;
constexpr int kRowY[] = {0, 37, 64, 91, 118, 145};

struct Def {
    uint8_t code;
    const char *name;
    const char *legend;
    const char *shifted;
    int quarterX; // left edge in quarter keys
    int row;
    int quarters;  // width in quarter keys
    int rows = 1;  // height in rows
    int shift = 0; // extra pixels to the right (rows with the wider Tab and Caps Lock)
    int grow = 0;  // extra pixels of width
};

// clang-format off
const Def kKeys[] = {
    // Function row.
    {41, "Escape", QT_TRANSLATE_NOOP("KeyName", "Esc"), "", 0, 0, 4},
    {58, "F1", "F1", "", 8, 0, 4}, {59, "F2", "F2", "", 12, 0, 4}, {60, "F3", "F3", "", 16, 0, 4},
    {61, "F4", "F4", "", 20, 0, 4}, {62, "F5", "F5", "", 26, 0, 4}, {63, "F6", "F6", "", 30, 0, 4},
    {64, "F7", "F7", "", 34, 0, 4}, {65, "F8", "F8", "", 38, 0, 4}, {66, "F9", "F9", "", 44, 0, 4},
    {67, "F10", "F10", "", 48, 0, 4}, {68, "F11", "F11", "", 52, 0, 4}, {69, "F12", "F12", "", 56, 0, 4},
    {70, "Print Screen", QT_TRANSLATE_NOOP("KeyName", "PrtSc"), "", 62, 0, 4}, {71, "Scroll Lock", QT_TRANSLATE_NOOP("KeyName", "ScrLk"), "", 66, 0, 4},
    {72, "Pause", QT_TRANSLATE_NOOP("KeyName", "Pause"), "", 70, 0, 4},
    // Number row.
    {53, "Grave accent", "`", "~", 0, 1, 4},
    {30, "1", "1", "!", 4, 1, 4}, {31, "2", "2", "@", 8, 1, 4}, {32, "3", "3", "#", 12, 1, 4},
    {33, "4", "4", "$", 16, 1, 4}, {34, "5", "5", "%", 20, 1, 4}, {35, "6", "6", "^", 24, 1, 4},
    {36, "7", "7", "&", 28, 1, 4}, {37, "8", "8", "*", 32, 1, 4}, {38, "9", "9", "(", 36, 1, 4},
    {39, "0", "0", ")", 40, 1, 4}, {45, "Minus", "-", "_", 44, 1, 4}, {46, "Equals", "=", "+", 48, 1, 4},
    {42, "Backspace", QT_TRANSLATE_NOOP("KeyName", "Backspace"), "", 52, 1, 8},
    // Tab row.
    {43, "Tab", QT_TRANSLATE_NOOP("KeyName", "Tab"), "", 0, 2, 6, 1, 0, 3},
    {20, "Q", "Q", "", 6, 2, 4, 1, 3}, {26, "W", "W", "", 10, 2, 4, 1, 3}, {8, "E", "E", "", 14, 2, 4, 1, 3},
    {21, "R", "R", "", 18, 2, 4, 1, 3}, {23, "T", "T", "", 22, 2, 4, 1, 3}, {28, "Y", "Y", "", 26, 2, 4, 1, 3},
    {24, "U", "U", "", 30, 2, 4, 1, 3}, {12, "I", "I", "", 34, 2, 4, 1, 3}, {18, "O", "O", "", 38, 2, 4, 1, 3},
    {19, "P", "P", "", 42, 2, 4, 1, 3}, {47, "Left bracket", "[", "{", 46, 2, 4, 1, 3},
    {48, "Right bracket", "]", "}", 50, 2, 4, 1, 3},
    {40, "Enter", QT_TRANSLATE_NOOP("KeyName", "Enter"), "", 54, 2, 0, 2, 3}, // outline of mask 308, sized below
    // Home row.
    {57, "Caps Lock", QT_TRANSLATE_NOOP("KeyName", "Caps Lock"), "", 0, 3, 7, 1, 0, 1},
    {4, "A", "A", "", 7, 3, 4, 1, 1}, {22, "S", "S", "", 11, 3, 4, 1, 1}, {7, "D", "D", "", 15, 3, 4, 1, 1},
    {9, "F", "F", "", 19, 3, 4, 1, 1}, {10, "G", "G", "", 23, 3, 4, 1, 1}, {11, "H", "H", "", 27, 3, 4, 1, 1},
    {13, "J", "J", "", 31, 3, 4, 1, 1}, {14, "K", "K", "", 35, 3, 4, 1, 1}, {15, "L", "L", "", 39, 3, 4, 1, 1},
    {51, "Semicolon", ";", ":", 43, 3, 4, 1, 1}, {52, "Apostrophe", "'", "\"", 47, 3, 4, 1, 1},
    {49, "Backslash", "\\", "|", 51, 3, 4, 1, 1},
    // Shift row.
    {225, "Left Shift", QT_TRANSLATE_NOOP("KeyName", "Shift"), "", 0, 4, 9},
    {29, "Z", "Z", "", 9, 4, 4}, {27, "X", "X", "", 13, 4, 4}, {6, "C", "C", "", 17, 4, 4},
    {25, "V", "V", "", 21, 4, 4}, {5, "B", "B", "", 25, 4, 4}, {17, "N", "N", "", 29, 4, 4},
    {16, "M", "M", "", 33, 4, 4}, {54, "Comma", ",", "<", 37, 4, 4}, {55, "Period", ".", ">", 41, 4, 4},
    {56, "Slash", "/", "?", 45, 4, 4}, {229, "Right Shift", QT_TRANSLATE_NOOP("KeyName", "Shift"), "", 49, 4, 11},
    // Bottom row.
    {224, "Left Ctrl", QT_TRANSLATE_NOOP("KeyName", "Ctrl"), "", 0, 5, 5}, {220, "Left Windows", QT_TRANSLATE_NOOP("KeyName", "Win"), "", 5, 5, 5},
    {226, "Left Alt", QT_TRANSLATE_NOOP("KeyName", "Alt"), "", 10, 5, 5}, {44, "Space", "", "", 15, 5, 25},
    {230, "Right Alt", QT_TRANSLATE_NOOP("KeyName", "Alt"), "", 40, 5, 5}, {231, "Right Windows", QT_TRANSLATE_NOOP("KeyName", "Win"), "", 45, 5, 5},
    {101, "Menu", QT_TRANSLATE_NOOP("KeyName", "Menu"), "", 50, 5, 5}, {228, "Right Ctrl", QT_TRANSLATE_NOOP("KeyName", "Ctrl"), "", 55, 5, 5},
    // Six-key block and arrows, column by column.
    {73, "Insert", QT_TRANSLATE_NOOP("KeyName", "Ins"), "", 62, 1, 4}, {76, "Delete", QT_TRANSLATE_NOOP("KeyName", "Del"), "", 62, 2, 4},
    {80, "Left arrow", "\u2190", "", 62, 5, 4}, {74, "Home", QT_TRANSLATE_NOOP("KeyName", "Home"), "", 66, 1, 4},
    {77, "End", QT_TRANSLATE_NOOP("KeyName", "End"), "", 66, 2, 4}, {82, "Up arrow", "\u2191", "", 66, 4, 4},
    {81, "Down arrow", "\u2193", "", 66, 5, 4}, {75, "Page Up", QT_TRANSLATE_NOOP("KeyName", "PgUp"), "", 70, 1, 4},
    {78, "Page Down", QT_TRANSLATE_NOOP("KeyName", "PgDn"), "", 70, 2, 4}, {79, "Right arrow", "\u2192", "", 70, 5, 4},
    // Numeric keypad, column by column.
    {83, "Num Lock", QT_TRANSLATE_NOOP("KeyName", "Num"), "", 76, 1, 4}, {95, "Keypad 7", "7", "", 76, 2, 4},
    {92, "Keypad 4", "4", "", 76, 3, 4}, {89, "Keypad 1", "1", "", 76, 4, 4},
    {98, "Keypad 0", "0", "", 76, 5, 8}, {84, "Keypad slash", "/", "", 80, 1, 4},
    {96, "Keypad 8", "8", "", 80, 2, 4}, {93, "Keypad 5", "5", "", 80, 3, 4},
    {90, "Keypad 2", "2", "", 80, 4, 4}, {85, "Keypad asterisk", "*", "", 84, 1, 4},
    {97, "Keypad 9", "9", "", 84, 2, 4}, {94, "Keypad 6", "6", "", 84, 3, 4},
    {91, "Keypad 3", "3", "", 84, 4, 4}, {99, "Keypad period", ".", "", 84, 5, 4},
    {86, "Keypad minus", "-", "", 88, 1, 4}, {87, "Keypad plus", "+", "", 88, 2, 4, 2},
    {88, "Keypad Enter", QT_TRANSLATE_NOOP("KeyName", "Enter"), "", 88, 4, 4, 2},
};
// clang-format on

} // namespace

std::vector<StandardKey> standardKeys() {
    std::vector<StandardKey> keys;
    int position = 0;
    for (const Def &d : kKeys) {
        StandardKey k;
        k.position = position++;
        k.code = d.code;
        k.name = QString::fromUtf8(d.name);
        // Key caps read as the language names its keys; letters, digits,
        // symbols and F1-F12 read the same everywhere.
        const bool named = std::strlen(d.legend) > 1 && !(d.legend[0] == 'F' && std::isdigit(d.legend[1]));
        k.legend = named ? QCoreApplication::translate("KeyName", d.legend) : QString::fromUtf8(d.legend);
        k.shifted = QString::fromUtf8(d.shifted);
        const int x = d.quarterX * kQuarter + d.shift;
        const int y = kRowY[d.row];
        int w = d.quarters * kQuarter - kGap + d.grow;
        int h = (d.rows - 1) * (kRowY[2] - kRowY[1]) + kCapHeight;
        if (k.position == kEnterPosition) {
            w = kEnterWidth;
            h = kEnterHeight;
        }
        k.rect = QRect(x, y, w, h);
        keys.push_back(k);
    }
    return keys;
}

} // namespace orvyn::skingen
