#include "editing/Keystroke.h"

#include <cstddef>

namespace orvyn {

namespace {

struct EvdevPosition {
    uint16_t evdev;
    uint8_t scanCode;
    bool extended;
};

// Keys beyond evdev 1-83, whose evdev codes are not their set-1 codes.
constexpr EvdevPosition kMovedKeys[] = {
    {86, 0x56, false},  {87, 0x57, false},  {88, 0x58, false},  // 102nd key, F11, F12
    {96, 0x1C, true},   {97, 0x1D, true},   {98, 0x35, true},   // keypad Enter, right Ctrl, keypad /
    {99, 0x37, true},   {100, 0x38, true},                      // Print, right Alt
    {102, 0x47, true},  {103, 0x48, true},  {104, 0x49, true},  // Home, Up, Page Up
    {105, 0x4B, true},  {106, 0x4D, true},  {107, 0x4F, true},  // Left, Right, End
    {108, 0x50, true},  {109, 0x51, true},  {110, 0x52, true},  // Down, Page Down, Insert
    {111, 0x53, true},  {113, 0x20, true},  {114, 0x2E, true},  // Delete, Mute, Volume Down
    {115, 0x30, true},  {119, 0x45, false}, {125, 0x5B, true},  // Volume Up, Pause, left Windows
    {126, 0x5C, true},  {127, 0x5D, true},  {128, 0x68, true},  // right Windows, application, browser stop
    {140, 0x21, true},  {155, 0x6C, true},  {156, 0x66, true},  // calculator, mail, favourites
    {157, 0x6B, true},  {158, 0x6A, true},  {159, 0x69, true},  // computer, back, forward
    {163, 0x19, true},  {164, 0x22, true},  {165, 0x10, true},  // next, play/pause, previous
    {166, 0x24, true},  {172, 0x32, true},  {173, 0x67, true},  // stop, home page, refresh
    {183, 0x64, false}, {184, 0x65, false}, {185, 0x66, false}, // F13-F15
    {186, 0x67, false}, {187, 0x68, false}, {188, 0x69, false}, // F16-F18
    {189, 0x6A, false}, {190, 0x6B, false}, {191, 0x6C, false}, // F19-F21
    {192, 0x6D, false}, {193, 0x6E, false}, {194, 0x76, false}, // F22-F24
};

struct PositionKey {
    uint8_t scanCode;
    uint8_t virtualKey;
};

// E0 keys: one virtual key each, whatever the layout.
constexpr PositionKey kExtendedKeys[] = {
    {0x1C, 0x0D}, {0x1D, 0xA3}, {0x35, 0x6F}, {0x37, 0x2C}, {0x38, 0xA5}, {0x45, 0x90},
    {0x47, 0x24}, {0x48, 0x26}, {0x49, 0x21}, {0x4B, 0x25}, {0x4D, 0x27}, {0x4F, 0x23},
    {0x50, 0x28}, {0x51, 0x22}, {0x52, 0x2D}, {0x53, 0x2E}, {0x5B, 0x5B}, {0x5C, 0x5C},
    {0x5D, 0x5D}, {0x20, 0xAD}, {0x2E, 0xAE}, {0x30, 0xAF}, {0x19, 0xB0}, {0x10, 0xB1},
    {0x24, 0xB2}, {0x22, 0xB3}, {0x6A, 0xA6}, {0x69, 0xA7}, {0x67, 0xA8}, {0x68, 0xA9},
    {0x65, 0xAA}, {0x66, 0xAB}, {0x32, 0xAC}, {0x6C, 0xB4}, {0x6D, 0xB5}, {0x6B, 0xB6},
};

// The keypad's own keys: a macro keeps the key that was pressed, so they are
// the keypad digits whatever the Num Lock state.
constexpr PositionKey kKeypadKeys[] = {
    {0x47, 0x67}, {0x48, 0x68}, {0x49, 0x69}, {0x4B, 0x64}, {0x4C, 0x65}, {0x4D, 0x66},
    {0x4F, 0x61}, {0x50, 0x62}, {0x51, 0x63}, {0x52, 0x60}, {0x53, 0x6E},
};

constexpr uint32_t kScanPause = 0x45;
constexpr uint32_t kVkPause = 0x13;
constexpr uint32_t kFirstFunction13Scan = 0x64;
constexpr uint32_t kLastFunction22Scan = 0x6E;
constexpr uint32_t kFunction24Scan = 0x76;
constexpr uint32_t kVkF13 = 0x7C;
constexpr uint32_t kVkF24 = 0x87;

template <std::size_t N> uint32_t lookup(const PositionKey (&table)[N], uint32_t scan) {
    for (const PositionKey &entry : table)
        if (entry.scanCode == scan)
            return entry.virtualKey;
    return 0;
}

constexpr uint32_t kEvdevMainBlockLast = 83;
constexpr uint32_t kEvdevNumLock = 69;
constexpr uint32_t kXKeycodeOffset = 8;

} // namespace

std::optional<KeyPosition> keyPositionFromEvdev(uint32_t evdev) {
    if (evdev >= 1 && evdev <= kEvdevMainBlockLast)
        return KeyPosition{evdev, evdev == kEvdevNumLock};
    for (const EvdevPosition &entry : kMovedKeys)
        if (entry.evdev == evdev)
            return KeyPosition{entry.scanCode, entry.extended};
    return std::nullopt;
}

uint32_t virtualKeyAt(KeyPosition position, const KeyboardLayout &layout) {
    const uint32_t scan = position.scanCode;
    if (position.extended)
        return lookup(kExtendedKeys, scan);
    // Pause shares its scan code with Num Lock and is told apart by the
    // extended flag, which only Num Lock carries.
    if (scan == kScanPause)
        return kVkPause;
    if (uint32_t keypad = lookup(kKeypadKeys, scan))
        return keypad;
    if (scan >= kFirstFunction13Scan && scan <= kLastFunction22Scan)
        return kVkF13 + (scan - kFirstFunction13Scan);
    if (scan == kFunction24Scan)
        return kVkF24;
    return layout.map(scan, MapMode::ScanToVirtualKey);
}

std::optional<Keystroke> keystrokeFromX(uint32_t xKeycode, KeyDirection direction, uint32_t serverTime,
                                        const KeyboardLayout &layout) {
    if (xKeycode < kXKeycodeOffset)
        return std::nullopt;
    const std::optional<KeyPosition> position = keyPositionFromEvdev(xKeycode - kXKeycodeOffset);
    if (!position)
        return std::nullopt;
    const uint32_t vk = virtualKeyAt(*position, layout);
    if (vk == 0)
        return std::nullopt;
    Keystroke k;
    k.virtualKey = vk;
    k.flags = (position->extended ? kKeyFlagExtended : 0) |
              (direction == KeyDirection::Release ? kKeyFlagReleased : 0);
    k.time = serverTime;
    k.scanCode = position->scanCode;
    return k;
}

RepeatPairFilter::Ready RepeatPairFilter::take(const XKeyEvent &event) {
    Ready ready;
    if (held_ && event.direction == KeyDirection::Press && event.keycode == held_->keycode &&
        event.time == held_->time) {
        held_.reset(); // the key is still down: only the press counts
        ready.events[ready.count++] = event;
        return ready;
    }
    if (held_) {
        ready.events[ready.count++] = *held_;
        held_.reset();
    }
    if (event.direction == KeyDirection::Release)
        held_ = event;
    else
        ready.events[ready.count++] = event;
    return ready;
}

std::optional<XKeyEvent> RepeatPairFilter::flush() {
    std::optional<XKeyEvent> out = held_;
    held_.reset();
    return out;
}

} // namespace orvyn
