// Everything the host knows of each feature report, one row per report: its
// id and length, how it is read, the first pause of the completion wait that
// follows a write, whether it goes once per profile or once per key slot, the
// pause an apply keeps after it, the change flag that sends it and its
// encoder and decoder. Apply and read-back walk kProfileReportOrder instead
// of restating the rows.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>

#include "protocol/FeatureReports.h"

namespace orvyn {

enum class ReadKind : uint8_t {
    Direct,    // read at once (status, current profile)
    Subject,   // report 4 names the subject first
    MacroSlot, // report 4 names the slot, then the completion wait
    WriteOnly, // never read
};

// How many of a report one profile has.
enum class ReportScope : uint8_t {
    Keyboard, // one for the whole keyboard
    Profile,  // one per profile
    KeySlot,  // one per programmable key slot of each profile (macros)
};

struct ReportSpec {
    uint8_t id;
    uint32_t length;
    ReadKind read;
    ReadSubject subject; // meaningful for ReadKind::Subject only
    std::chrono::milliseconds firstPause;
    ReportScope scope;
    // The pause an apply keeps after sending the report (for a key-slot
    // report: after the slots of one profile).
    std::chrono::milliseconds applyPause;
    // Per-profile reports only (null elsewhere): whether profile p's flags
    // ask for the report, and how it is built and taken apart.
    bool (*changed)(const ChangeFlags &flags, int p);
    Report (*encode)(const ProfileData &profile, int p);
    bool (*decode)(std::span<const uint8_t> reply, ProfileData &profile);
};

namespace report_table {
inline bool anyKeySlot(const ChangeFlags &f, int p) {
    return std::any_of(f.keySlot[p], f.keySlot[p] + kKeyboardSlotCount,
                       [](int32_t flag) { return flag != 0; });
}

// Reports that change many cells (6, 8, 9) keep the keyboard longer.
inline constexpr std::chrono::milliseconds kShortPause{100};
inline constexpr std::chrono::milliseconds kLongPause{200};
// An apply gives the keyboard this long after each report; the polling rate
// is taken faster.
inline constexpr std::chrono::milliseconds kApplyPause{200};
inline constexpr std::chrono::milliseconds kApplyPauseShort{100};
// Reports an apply never sends.
inline constexpr std::chrono::milliseconds kNotApplied{0};

// clang-format off
inline constexpr ReportSpec kReports[] = {
    {report_id::Status, report_length::Status, ReadKind::Direct, ReadSubject{}, kShortPause,
     ReportScope::Keyboard, kNotApplied, nullptr, nullptr, nullptr},
    {report_id::CurrentProfile, report_length::CurrentProfile, ReadKind::Direct, ReadSubject{}, kShortPause,
     ReportScope::Keyboard, kApplyPause, nullptr, nullptr, nullptr},
    {report_id::KeyMatrix, report_length::KeyMatrix, ReadKind::Subject, ReadSubject::KeyMatrix, kLongPause,
     ReportScope::Profile, kApplyPause,
     [](const ChangeFlags &f, int p) { return f.standardKey[p] != 0; }, encodeKeyMatrix, decodeKeyMatrix},
    {report_id::Switches, report_length::Switches, ReadKind::Subject, ReadSubject::Switches, kShortPause,
     ReportScope::Profile, kApplyPause,
     [](const ChangeFlags &f, int p) { return f.modifyKey[p] != 0; }, encodeSwitches, decodeSwitches},
    {report_id::Assignments, report_length::Assignments, ReadKind::Subject, ReadSubject::Assignments, kLongPause,
     ReportScope::Profile, kApplyPause,
     anyKeySlot, encodeAssignments, decodeAssignments},
    {report_id::Macro, report_length::Macro, ReadKind::MacroSlot, ReadSubject{}, kLongPause,
     ReportScope::KeySlot, kApplyPause, nullptr, nullptr, nullptr},
    {report_id::Lighting, report_length::Lighting, ReadKind::Subject, ReadSubject::Lighting, kShortPause,
     ReportScope::Profile, kApplyPause,
     [](const ChangeFlags &f, int p) { return f.lighting[p] != 0; }, encodeLighting, decodeLighting},
    {report_id::PollingRate, report_length::PollingRate, ReadKind::Subject, ReadSubject::PollingRate, kShortPause,
     ReportScope::Profile, kApplyPauseShort,
     [](const ChangeFlags &f, int p) { return f.pollingRate[p] != 0; }, encodePollingRate, decodePollingRate},
    {report_id::Closing, report_length::Closing, ReadKind::WriteOnly, ReadSubject{}, kShortPause,
     ReportScope::Keyboard, kNotApplied, nullptr, nullptr, nullptr},
    {report_id::HidAccessCode, report_length::HidAccessCode, ReadKind::WriteOnly, ReadSubject{}, kShortPause,
     ReportScope::Keyboard, kNotApplied, nullptr, nullptr, nullptr},
};
// clang-format on

static_assert(std::all_of(std::begin(kReports), std::end(kReports),
                          [](const ReportSpec &r) { return r.length <= kMaxReportLength; }));
} // namespace report_table

// The row index of a report id; -1 for an id the keyboard does not know.
// Indices, not pointers: a null test on a row's address is not a constant
// expression under the undefined-behaviour sanitizer.
constexpr int reportIndex(uint8_t id) {
    for (std::size_t i = 0; i < std::size(report_table::kReports); ++i) {
        if (report_table::kReports[i].id == id)
            return static_cast<int>(i);
    }
    return -1;
}
// The row of a report id; null for an id the keyboard does not know.
constexpr const ReportSpec *findReport(uint8_t id) {
    const int i = reportIndex(id);
    return i < 0 ? nullptr : &report_table::kReports[i];
}
// The row of a report_id constant, found while compiling: an unknown id does
// not compile.
consteval const ReportSpec &reportSpec(uint8_t id) {
    const int i = reportIndex(id);
    if (i < 0)
        throw "not a report id"; // a compile error, never thrown at run time
    return report_table::kReports[i];
}
// The fixed length of a report id, 0 for ids the keyboard does not know.
constexpr uint32_t reportLength(uint8_t id) {
    const ReportSpec *r = findReport(id);
    return r ? r->length : 0;
}

// The first pause of the completion wait that follows a write of this id.
constexpr std::chrono::milliseconds firstPauseAfterWrite(uint8_t id) {
    const ReportSpec *r = findReport(id);
    return r ? r->firstPause : report_table::kShortPause;
}

// The per-profile reports in the order an apply sends them and a read-back
// reads them (after the current profile). The macros (report 9) go slot by
// slot and have a sequence of their own.
inline constexpr const ReportSpec *kProfileReportOrder[] = {
    &reportSpec(report_id::PollingRate), &reportSpec(report_id::KeyMatrix), &reportSpec(report_id::Switches),
    &reportSpec(report_id::Assignments), &reportSpec(report_id::Macro),     &reportSpec(report_id::Lighting),
};

} // namespace orvyn
