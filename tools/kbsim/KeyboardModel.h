// How the keyboard answers feature reports over what it keeps (its memory,
// KeyboardMemory.h). Used by the kbsim emulator program and, in-process, by
// tests of the host side. No Qt, no sockets: bytes in, bytes out, time from a
// Clock.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "kbsim/KeyboardMemory.h"
#include "platform/Clock.h"
#include "protocol/ReportTable.h"
#include "shared/ConfigBlock.h"

namespace orvyn {

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
