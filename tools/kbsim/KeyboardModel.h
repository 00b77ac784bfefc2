// What the keyboard keeps in its own memory and how it answers feature
// reports. Used by the kbsim emulator program and, in-process, by tests of
// the host side. No Qt, no sockets: bytes in, bytes out, time from a Clock.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "protocol/ReportLayouts.h"
#include "protocol/ReportTable.h"
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

// One step of a macro recorded on the keyboard itself.
struct RecordedStep {
    uint8_t key;
    bool release;
    uint8_t delayUnits; // 50 ms units since the previous step, 0-127
};

// The record of one report that crossed the keyboard's interface.
struct ReportTrace {
    enum class Kind { Set, Get } kind;
    bool ok;                    // what the call returned
    std::vector<uint8_t> bytes; // SET: as received; GET: as answered (request on failure)
};

class KeyboardModel {
public:
    explicit KeyboardModel(Clock &clock);

    // A SET_FEATURE with byte 0 = report id. False when the keyboard refuses
    // the transfer (unknown id or wrong length); a well-formed report with
    // values out of range is taken but leaves the status "failed".
    bool setFeature(const uint8_t *report, std::size_t length);
    // A GET_FEATURE with byte 0 = report id on entry; fills `length` bytes.
    // Reads of 6-11 answer for the subject last named with report 4 and fail
    // when report 4 named something else (or nothing yet).
    bool getFeature(uint8_t *report, std::size_t length);

    // Busy (status 3) for this long after each accepted write, then done.
    void setBusyTime(Millis t);
    Millis busyTime() const;
    // Busy whatever the time (until switched off).
    void setAlwaysBusy(bool busy);
    bool alwaysBusy() const;
    // The status byte a report-4 read would answer now.
    uint8_t status() const;

    KeyboardMemory memory() const;
    void setMemory(const KeyboardMemory &memory);
    // Changes the memory in place, atomically with respect to reports.
    void update(const std::function<void(KeyboardMemory &)> &change);
    ProfileMemory profile(int p) const; // p must be 0-4
    void setProfile(int p, const ProfileMemory &profile);
    int currentProfile() const;
    void setCurrentProfile(int p); // ignored unless 0-4
    std::array<uint8_t, 16> accessCode() const;
    // How many closing reports (16) arrived.
    int closingCount() const;

    // The keys of the current profile that a press of the keyboard's own
    // macro-record function stores in `slot` (0-14): the macro bytes and the
    // assignment (type 3). False for a bad slot or too many steps (at most
    // 50). The name field stays empty, as the keyboard has no way to type one.
    bool recordMacro(int slot, const std::vector<RecordedStep> &steps);

    void factoryReset();

    // State file: a fixed header (magic, version, body size, checksum) and
    // the KeyboardMemory body. load() leaves the memory untouched unless the
    // whole file is valid.
    bool save(const std::string &path, std::string *error = nullptr) const;
    bool load(const std::string &path, std::string *error = nullptr);

    // Every report seen since the last clear, for tests that check sequences.
    void setTracing(bool on);
    std::vector<ReportTrace> traces() const;
    void clearTraces();

    // Readable dump of the whole memory (for `kbsim state`).
    std::string describe() const;

private:
    bool applySet(const uint8_t *report, std::size_t length, bool &valid);
    bool answerGet(uint8_t *report, std::size_t length);
    void trace(ReportTrace::Kind kind, bool ok, const uint8_t *bytes, std::size_t length);
    uint8_t statusLocked() const;

    Clock &clock_;
    mutable std::mutex mutex_;
    KeyboardMemory memory_;
    Millis busyTime_{0};
    Millis busyUntil_{0};
    bool alwaysBusy_ = false;
    bool lastWriteFailed_ = false;
    bool subjectNamed_ = false;
    uint8_t subjectProfile_ = 0;
    uint8_t subject_ = 0;
    int closingCount_ = 0;
    bool tracing_ = false;
    std::vector<ReportTrace> traces_;
};

} // namespace orvyn
