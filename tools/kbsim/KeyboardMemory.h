// What the keyboard keeps in its own memory, in the byte form the reports
// carry, and its factory contents. Also the body of kbsim's state file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "protocol/FeatureReportIds.h"
#include "protocol/ReportLayouts.h"
#include "shared/ConfigBlock.h"

namespace orvyn {

inline constexpr int kMacroSlots = 15;
inline constexpr std::size_t kMacroHeaderBytes = offsetof(MacroLayout, entries);
inline constexpr std::size_t kMacroEntryBytesMax = kMacroEntryBytes;

// One profile as the keyboard keeps it. Everything is held in the byte form
// the reports carry, so a read returns exactly what was written.
struct ProfileMemory {
    uint8_t matrix[kKeyMatrixCells];                   // report 6, bytes 8-167
    uint8_t assignments[kMacroSlots][3];               // report 8, bytes 3-47
    uint8_t macros[kMacroSlots][report_length::Macro]; // whole report 9 per slot
    uint8_t lighting[report_length::Lighting];         // whole report 10
    uint8_t pollingCode;                               // report 11, byte 3
    uint8_t switchBits;                                // report 7, byte 3
};
static_assert(sizeof(ProfileMemory) == 2170);
static_assert(offsetof(ProfileMemory, matrix) == 0);
static_assert(offsetof(ProfileMemory, assignments) == 160);
static_assert(offsetof(ProfileMemory, macros) == 205);
static_assert(offsetof(ProfileMemory, lighting) == 2155);
static_assert(offsetof(ProfileMemory, pollingCode) == 2168);
static_assert(offsetof(ProfileMemory, switchBits) == 2169);

// The keyboard's whole memory; also the body of the state file.
struct KeyboardMemory {
    uint8_t currentProfile; // 0-4
    uint8_t accessCode[16];
    uint8_t reserved[3]; // 0
    ProfileMemory profiles[5];
};
static_assert(sizeof(KeyboardMemory) == 20 + 5 * 2170);
static_assert(offsetof(KeyboardMemory, currentProfile) == 0);
static_assert(offsetof(KeyboardMemory, accessCode) == 1);
static_assert(offsetof(KeyboardMemory, reserved) == 17);
static_assert(offsetof(KeyboardMemory, profiles) == 20);

// Factory contents of one profile (index 0-4).
ProfileMemory factoryProfile(int profile);
KeyboardMemory factoryMemory();

// An empty macro of a slot as the keyboard answers it: header only, repeat 1,
// no name, no entries.
void makeEmptyMacro(uint8_t (&macro)[report_length::Macro], int profile, int slot);

} // namespace orvyn
