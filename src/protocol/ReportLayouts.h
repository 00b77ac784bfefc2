// The byte layout of every feature report: one plain struct per report, all
// fields bytes, so the struct is the report as it crosses the wire. Encoders
// fill a struct and copy it out; decoders copy the reply into one.
#pragma once

#include <cstddef>
#include <cstdint>

#include "protocol/FeatureReportIds.h"

namespace orvyn {

// Report 4 as a read request: names the profile and the subject (or macro
// slot) of the read that follows.
struct ReadRequestLayout {
    uint8_t id;
    uint8_t profile;
    uint8_t subject;
};
static_assert(sizeof(ReadRequestLayout) == report_length::Status);
static_assert(offsetof(ReadRequestLayout, id) == 0);
static_assert(offsetof(ReadRequestLayout, profile) == 1);
static_assert(offsetof(ReadRequestLayout, subject) == 2);

// Report 4 as read: the status of the last write.
struct StatusLayout {
    uint8_t id;
    uint8_t status; // kStatusDone, kStatusFailed, kStatusBusy
    uint8_t reserved;
};
static_assert(sizeof(StatusLayout) == report_length::Status);
static_assert(offsetof(StatusLayout, id) == 0);
static_assert(offsetof(StatusLayout, status) == 1);
static_assert(offsetof(StatusLayout, reserved) == 2);

// Report 5.
struct CurrentProfileLayout {
    uint8_t id;
    uint8_t length; // 3
    uint8_t profile;
};
static_assert(sizeof(CurrentProfileLayout) == report_length::CurrentProfile);
static_assert(offsetof(CurrentProfileLayout, id) == 0);
static_assert(offsetof(CurrentProfileLayout, length) == 1);
static_assert(offsetof(CurrentProfileLayout, profile) == 2);

inline constexpr std::size_t kKeyMatrixCellBytes = 160;

// Report 6.
struct KeyMatrixLayout {
    uint8_t id;
    uint8_t length;
    uint8_t profile;
    uint8_t reserved[5];
    uint8_t cells[kKeyMatrixCellBytes];
};
static_assert(sizeof(KeyMatrixLayout) == report_length::KeyMatrix);
static_assert(offsetof(KeyMatrixLayout, id) == 0);
static_assert(offsetof(KeyMatrixLayout, length) == 1);
static_assert(offsetof(KeyMatrixLayout, profile) == 2);
static_assert(offsetof(KeyMatrixLayout, reserved) == 3);
static_assert(offsetof(KeyMatrixLayout, cells) == 8);

// Report 7: bit i is switch i.
struct SwitchesLayout {
    uint8_t id;
    uint8_t length;
    uint8_t profile;
    uint8_t bits;
};
static_assert(sizeof(SwitchesLayout) == report_length::Switches);
static_assert(offsetof(SwitchesLayout, id) == 0);
static_assert(offsetof(SwitchesLayout, length) == 1);
static_assert(offsetof(SwitchesLayout, profile) == 2);
static_assert(offsetof(SwitchesLayout, bits) == 3);

inline constexpr std::size_t kAssignmentSlots = 15;
inline constexpr std::size_t kAssignmentBytes = 3; // type and two value bytes

// Report 8.
struct AssignmentsLayout {
    uint8_t id;
    uint8_t length;
    uint8_t profile;
    uint8_t slots[kAssignmentSlots][kAssignmentBytes];
};
static_assert(sizeof(AssignmentsLayout) == report_length::Assignments);
static_assert(offsetof(AssignmentsLayout, id) == 0);
static_assert(offsetof(AssignmentsLayout, length) == 1);
static_assert(offsetof(AssignmentsLayout, profile) == 2);
static_assert(offsetof(AssignmentsLayout, slots) == 3);

inline constexpr std::size_t kMacroNameBytes = 24;
inline constexpr std::size_t kMacroEntryBytes = 100; // 50 entries of two bytes

// Report 9: one macro slot.
struct MacroLayout {
    uint8_t id;
    uint8_t length;
    uint8_t profile;
    uint8_t slot;
    uint8_t repeat;
    char name[kMacroNameBytes];
    uint8_t entryCount;
    uint8_t entries[kMacroEntryBytes];
};
static_assert(sizeof(MacroLayout) == report_length::Macro);
static_assert(offsetof(MacroLayout, id) == 0);
static_assert(offsetof(MacroLayout, length) == 1);
static_assert(offsetof(MacroLayout, profile) == 2);
static_assert(offsetof(MacroLayout, slot) == 3);
static_assert(offsetof(MacroLayout, repeat) == 4);
static_assert(offsetof(MacroLayout, name) == 5);
static_assert(offsetof(MacroLayout, entryCount) == 29);
static_assert(offsetof(MacroLayout, entries) == 30);

// Report 10. The three fixed bytes hold 1, 1 and 7 in every report.
struct LightingLayout {
    uint8_t id;
    uint8_t length;
    uint8_t profile;
    uint8_t fixed3;
    uint8_t lightSwitch;
    uint8_t effectType;
    uint8_t colour;
    uint8_t reserved;
    uint8_t control;
    uint8_t saving; // powerSavingCode(); read back as the timeout
    uint8_t fixed10;
    uint8_t profileMark; // lightingProfileMark()
    uint8_t fixed12;
};
static_assert(sizeof(LightingLayout) == report_length::Lighting);
static_assert(offsetof(LightingLayout, id) == 0);
static_assert(offsetof(LightingLayout, length) == 1);
static_assert(offsetof(LightingLayout, profile) == 2);
static_assert(offsetof(LightingLayout, fixed3) == 3);
static_assert(offsetof(LightingLayout, lightSwitch) == 4);
static_assert(offsetof(LightingLayout, effectType) == 5);
static_assert(offsetof(LightingLayout, colour) == 6);
static_assert(offsetof(LightingLayout, reserved) == 7);
static_assert(offsetof(LightingLayout, control) == 8);
static_assert(offsetof(LightingLayout, saving) == 9);
static_assert(offsetof(LightingLayout, fixed10) == 10);
static_assert(offsetof(LightingLayout, profileMark) == 11);
static_assert(offsetof(LightingLayout, fixed12) == 12);

inline constexpr uint8_t kLightingFixed3 = 1;
inline constexpr uint8_t kLightingFixed10 = 1;
inline constexpr uint8_t kLightingFixed12 = 7;

// Report 10 marks each profile (0-4) with its own number; 0 for others.
constexpr uint8_t lightingProfileMark(int profile) {
    constexpr uint8_t kMarks[] = {1, 3, 2, 5, 4};
    return profile >= 0 && profile < 5 ? kMarks[profile] : 0;
}

// Report 11.
struct PollingRateLayout {
    uint8_t id;
    uint8_t length;
    uint8_t profile;
    uint8_t code; // pollingWireCode()
    uint8_t reserved[4];
};
static_assert(sizeof(PollingRateLayout) == report_length::PollingRate);
static_assert(offsetof(PollingRateLayout, id) == 0);
static_assert(offsetof(PollingRateLayout, length) == 1);
static_assert(offsetof(PollingRateLayout, profile) == 2);
static_assert(offsetof(PollingRateLayout, code) == 3);
static_assert(offsetof(PollingRateLayout, reserved) == 4);

// Report 16: ends a read-back.
struct ClosingLayout {
    uint8_t id;
    uint8_t length; // 3
    uint8_t reserved;
};
static_assert(sizeof(ClosingLayout) == report_length::Closing);
static_assert(offsetof(ClosingLayout, id) == 0);
static_assert(offsetof(ClosingLayout, length) == 1);
static_assert(offsetof(ClosingLayout, reserved) == 2);

// Report 17.
struct AccessCodeLayout {
    uint8_t id;
    uint8_t length;
    uint8_t code[16];
};
static_assert(sizeof(AccessCodeLayout) == report_length::HidAccessCode);
static_assert(offsetof(AccessCodeLayout, id) == 0);
static_assert(offsetof(AccessCodeLayout, length) == 1);
static_assert(offsetof(AccessCodeLayout, code) == 2);

} // namespace orvyn
