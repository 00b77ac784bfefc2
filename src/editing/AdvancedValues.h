// The value rules of the Advanced page: which button of a group shows
// pressed, which text a caption shows, what a menu command stores.
#pragma once

#include <cstdint>

namespace orvyn {

// The two menus' command bands; a command in a band that names no item
// stores 0.
inline constexpr int kLtControlFirstCommand = 1001;
inline constexpr int kLtControlLastCommand = 1099;
inline constexpr int kLtControlCommandCount = 6;
inline constexpr int kLtColorFirstCommand = 1101;
inline constexpr int kLtColorLastCommand = 1199;
inline constexpr int kLtColorMenuCount = 3;

// Polling-rate button n (1-3) stores 1 << (n - 1) and shows pressed when
// that bit of the value is set.
int32_t pollingRateForButton(int n);
bool pollingButtonPressed(int32_t value, int n);

// Two-button switches (Windows-key lock, power saving): button 0 stands for
// value 0, button 1 for value 1; other values press neither.
bool switchButtonPressed(int32_t value, int button);

// Caption texts; 0 = empty caption.
unsigned ltControlTextId(int32_t value);
unsigned ltColorCaptionTextId(int32_t value);
// Menu item texts (index 0-based).
unsigned ltControlMenuTextId(int index);
unsigned ltColorMenuTextId(int index);

// Command of the LtControl menu to the stored value.
int32_t ltControlForCommand(int command);
// Command of the LtColor menu to the stored value.
int32_t ltColorForCommand(int command);

} // namespace orvyn
