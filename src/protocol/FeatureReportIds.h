// Ids, lengths and status values of the keyboard's feature reports: the
// contract between Monitor's device module and the keyboard (and its emulator).
#pragma once

#include <cstdint>

namespace orvyn {

// Report ids (byte 0).
namespace report_id {
inline constexpr uint8_t Status = 4; // also the read request naming a subject
inline constexpr uint8_t CurrentProfile = 5;
inline constexpr uint8_t KeyMatrix = 6;
inline constexpr uint8_t Switches = 7;
inline constexpr uint8_t Assignments = 8;
inline constexpr uint8_t Macro = 9;
inline constexpr uint8_t Lighting = 10;
inline constexpr uint8_t PollingRate = 11;
inline constexpr uint8_t Closing = 16;
inline constexpr uint8_t HidAccessCode = 17;
} // namespace report_id

// Lengths passed to the module, per report.
namespace report_length {
inline constexpr uint32_t Status = 3;
inline constexpr uint32_t CurrentProfile = 3;
inline constexpr uint32_t KeyMatrix = 168;
inline constexpr uint32_t Switches = 4;
inline constexpr uint32_t Assignments = 48;
inline constexpr uint32_t Macro = 130;
inline constexpr uint32_t Lighting = 13;
inline constexpr uint32_t PollingRate = 8;
inline constexpr uint32_t Closing = 3;
inline constexpr uint32_t HidAccessCode = 18;
} // namespace report_length

inline constexpr uint32_t kMaxReportLength = 168;

// What a read request (report 4) asks for; a macro is asked for by its slot
// number 0-14 instead.
enum class ReadSubject : uint8_t {
    KeyMatrix = 64,
    Switches = 80,
    Assignments = 96,
    Lighting = 112,
    PollingRate = 128,
};
constexpr uint8_t subjectByte(ReadSubject subject) {
    return static_cast<uint8_t>(subject);
}

// Status byte of report 4.
inline constexpr uint8_t kStatusDone = 1;
inline constexpr uint8_t kStatusFailed = 2; // anything but done or busy
inline constexpr uint8_t kStatusBusy = 3;

} // namespace orvyn
