// One keystroke as the recorder hands it to the recording window: virtual
// key, the two flags that matter, the X server's own time stamp and the
// position pressed, and the
// translation of an X key event into it.
#pragma once

#include <cstdint>
#include <optional>

#include "editing/KeyboardLayout.h"

namespace orvyn {

inline constexpr uint32_t kKeyFlagExtended = 0x01; // an E0 key (right Ctrl, arrows, keypad Enter, ...)
inline constexpr uint32_t kKeyFlagReleased = 0x80;
inline constexpr uint32_t kKeyFlagMask = kKeyFlagExtended | kKeyFlagReleased;

enum class KeyDirection { Press, Release };

struct Keystroke {
    uint32_t virtualKey = 0;
    uint32_t flags = 0; // kKeyFlagExtended | kKeyFlagReleased only
    uint32_t time = 0;  // X server milliseconds; wraps after 49.7 days
    // The PC set-1 scan code of the position pressed (E0 keys by the
    // extended flag); 0 when only the virtual key is known.
    uint32_t scanCode = 0;

    bool released() const { return (flags & kKeyFlagReleased) != 0; }
    bool extended() const { return (flags & kKeyFlagExtended) != 0; }
};

// A key's position: its PC set-1 scan code and whether it is an E0 key.
struct KeyPosition {
    uint32_t scanCode = 0;
    bool extended = false;
};

// Position of an evdev key code (X keycode - 8); nullopt for keys that have
// no place on a PC keyboard the key tables know.
std::optional<KeyPosition> keyPositionFromEvdev(uint32_t evdev);

// Virtual key at a position: the main block through the layout, so the
// active layout decides what a letter key means; keypad, E0 and media keys
// from a fixed table. 0 when the position carries none.
uint32_t virtualKeyAt(KeyPosition position, const KeyboardLayout &layout);

// An X key event as the recorder delivers it; nullopt for keys without a
// virtual key (they are still swallowed while recording).
std::optional<Keystroke> keystrokeFromX(uint32_t xKeycode, KeyDirection direction, uint32_t serverTime,
                                        const KeyboardLayout &layout);

// One key event as the X server reports it.
struct XKeyEvent {
    uint32_t keycode = 0;
    KeyDirection direction = KeyDirection::Press;
    uint32_t time = 0;
};

// The X server repeats a held key as a release and a press with the same
// time stamp (for clients that did not ask XKB for presses alone). Such a
// pair is one repeated press: a release is held back until the next event
// (or flush()) shows that it is not half of a pair.
class RepeatPairFilter {
public:
    // The events ready to be delivered, in order (at most two).
    struct Ready {
        XKeyEvent events[2];
        int count = 0;
    };
    Ready take(const XKeyEvent &event);
    // The release held back, when nothing followed it.
    std::optional<XKeyEvent> flush();
    bool holding() const { return held_.has_value(); }
    void clear() { held_.reset(); }

private:
    std::optional<XKeyEvent> held_;
};

// Milliseconds from `earlier` to `later` on the X server's wrapping clock.
inline uint32_t serverMillisBetween(uint32_t earlier, uint32_t later) {
    return later - earlier;
}

} // namespace orvyn
