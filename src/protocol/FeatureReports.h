// The keyboard's feature reports: how each one is built from the
// configuration record and how each reply is decoded into it. Pure functions;
// the I/O around them (request, pauses, completion wait) is FeatureCommands.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "shared/ConfigBlock.h"

#include "protocol/AccessCode.h"
#include "protocol/FeatureReportIds.h"

namespace orvyn {

// One report buffer: byte 0 is the id, `length` the bytes passed.
struct Report {
    std::array<uint8_t, kMaxReportLength> bytes{};
    uint32_t length = 0;

    Report() = default;
    Report(uint8_t id, uint32_t len) : length(len < kMaxReportLength ? len : kMaxReportLength) {
        bytes[0] = id;
    }
    uint8_t id() const { return bytes[0]; }
    uint8_t *data() { return bytes.data(); }
    const uint8_t *data() const { return bytes.data(); }
    std::span<const uint8_t> view() const { return {bytes.data(), length}; }
    uint8_t &operator[](std::size_t i) { return bytes[i]; }
    uint8_t operator[](std::size_t i) const { return bytes[i]; }
};

// --- Writes ------------------------------------------------------------

Report makeReadRequest(int profile, uint8_t subject);        // report 4
Report makeReadBuffer(uint8_t id, uint32_t length);          // byte 0 = id, rest 0
Report encodeCurrentProfile(int32_t currentProfile);         // report 5
Report encodeKeyMatrix(const ProfileData &profile, int p);   // report 6
Report encodeSwitches(const ProfileData &profile, int p);    // report 7
Report encodeAssignments(const ProfileData &profile, int p); // report 8
Report encodeLighting(const ProfileData &profile, int p);    // report 10
Report encodePollingRate(const ProfileData &profile, int p); // report 11
Report encodeClosing();                                      // report 16
Report encodeAccessCode(const AccessCode &code);             // report 17

// The three bytes of one slot in report 8.
std::array<uint8_t, 3> assignmentBytes(const MacroKeyInfo &key);

// Only a macro slot (type 3) is sent with report 9.
bool macroIsSent(const MacroKeyInfo &key);
// Report 9 of profile p, slot s.
Report encodeMacro(const MacroKeyInfo &key, int p, int s);

// One extension entry of a macro delay of d units: kind 1, 2 or 3 multiplies
// `value` by 1, 2 or 4; `remainder` (0-127) goes into the key entry's 7-bit
// delay field. Kind 0 (no extension) for d of 127 or less.
struct DelaySplit {
    uint8_t kind;
    uint8_t value;
    uint8_t remainder;
};
DelaySplit splitDelayUnits(unsigned units);
// A delay in milliseconds in 50 ms units, rounded to the nearest unit.
unsigned delayUnits(unsigned milliseconds);

// --- Reads -------------------------------------------------------------
// Every decoder checks the reply length first and changes nothing (false)
// when the reply is shorter than its report.

// Report 4: the status byte, or -1 when the reply is too short.
int decodeStatus(std::span<const uint8_t> reply);
// Report 5: the keyboard's profile, taken only when it is 0-4.
bool decodeCurrentProfile(std::span<const uint8_t> reply, ConfigBlock &config);
bool decodeKeyMatrix(std::span<const uint8_t> reply, ProfileData &profile);
bool decodeSwitches(std::span<const uint8_t> reply, ProfileData &profile);
bool decodeAssignments(std::span<const uint8_t> reply, ProfileData &profile);
void decodeAssignment(uint8_t type, uint8_t b1, uint8_t b2, MacroKeyInfo &key);
bool decodeLighting(std::span<const uint8_t> reply, ProfileData &profile);
bool decodePollingRate(std::span<const uint8_t> reply, ProfileData &profile);

enum class MacroNaming { KeepName, NewName };
// Report 9 reply into slot s of profile p (the macro's name is made from p
// and s when the reply has none, or always with NewName).
bool decodeMacro(std::span<const uint8_t> reply, MacroKeyInfo &key, int p, int s, MacroNaming naming);
// "Pro<p+1>-M<key number>": the name a macro read from the keyboard gets.
std::string macroKeyName(int p, int s);

// --- Key matrix ----------------------------------------------------------

// The matrix cell of standard-key position n (0-103); -1 when the key has
// no cell (it is then neither sent nor read).
int keyMatrixCell(int position);

} // namespace orvyn
