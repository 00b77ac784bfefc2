// The keyboard's event words: a 16-bit type and 16-bit data, sent by the
// keyboard on its vendor interface (or by the emulator) and posted to
// Monitor as one 32-bit word, type in the high half.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvyn {

enum class EventType : uint16_t {
    Profile = 0x1000,
    LightingColour = 0x2000,
    LightingControl = 0x3000,
    ProgramKey = 0x4000,
    WindowsKey = 0x5000,
    MediaKey = 0x6000,
    RecordedMacro = 0x7000,
    // Never sent by the keyboard: Monitor's own word for an arrival or a
    // removal, dispatched with the keyboard's events.
    DeviceChange = 0x7F00,
};

constexpr uint16_t eventTypeWord(EventType type) {
    return static_cast<uint16_t>(type);
}

// A type the keyboard sends: 0x1000-0x7000 with the low 12 bits clear.
constexpr bool isKeyboardEventType(uint16_t type) {
    return type >= eventTypeWord(EventType::Profile) && type <= eventTypeWord(EventType::RecordedMacro) &&
           (type & 0x0FFF) == 0;
}

// One event as it travels: type and data, both little-endian. The hid input
// report carries it after its report id, the emulator's EVENT packet as its
// payload.
struct EventLayout {
    uint8_t type[2];
    uint8_t data[2];
};
static_assert(sizeof(EventLayout) == 4);
static_assert(offsetof(EventLayout, type) == 0);
static_assert(offsetof(EventLayout, data) == 2);

constexpr EventLayout eventLayout(uint16_t type, uint16_t data) {
    return {{static_cast<uint8_t>(type & 0xFF), static_cast<uint8_t>(type >> 8)},
            {static_cast<uint8_t>(data & 0xFF), static_cast<uint8_t>(data >> 8)}};
}
constexpr uint16_t eventTypeOf(const EventLayout &event) {
    return static_cast<uint16_t>(event.type[0] | (event.type[1] << 8));
}
constexpr uint16_t eventDataOf(const EventLayout &event) {
    return static_cast<uint16_t>(event.data[0] | (event.data[1] << 8));
}

} // namespace orvyn
