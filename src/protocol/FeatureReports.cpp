#include "protocol/FeatureReports.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "protocol/ReportLayouts.h"
#include "protocol/ValueRules.h"

namespace orvyn {

namespace {

uint8_t low(int32_t v) {
    return static_cast<uint8_t>(v & 0xFF);
}

static_assert(kKeyMatrixCells == kKeyMatrixCellBytes);
static_assert(kKeyboardSlotCount == kAssignmentSlots);
static_assert(sizeof(MacroKeyInfo::macroName) == kMacroNameBytes);

constexpr int kMacroEntryCapacity = static_cast<int>(kMacroEntryBytes / 2); // 50 entries
constexpr int kMaxDelayExtensions = 10;
constexpr unsigned kDelayUnitMs = 50;
constexpr unsigned kDelayFieldMax = 127; // 7 bits; bit 7 is the release bit
constexpr uint8_t kReleaseBit = 0x80;

bool isExtensionKind(uint8_t b) {
    return b >= 1 && b <= 3;
}

// Position -> cell, built once from the factory table: each position takes
// the first cell whose factory code is the position's own default code.
struct CellMap {
    int cell[kStandardKeyCount];
    CellMap() {
        for (int n = 0; n < kStandardKeyCount; ++n) {
            cell[n] = -1;
            for (int c = 0; c < kKeyMatrixCells; ++c) {
                if (kFactoryKeyMatrix[c] == kDefaultStandardKeys[n]) {
                    cell[n] = c;
                    break;
                }
            }
        }
    }
};

const CellMap &cellMap() {
    static const CellMap map;
    return map;
}

// The report a filled layout stands for.
template <typename Layout> Report toReport(const Layout &layout) {
    Report r(layout.id, sizeof layout);
    std::memcpy(r.data(), &layout, sizeof layout);
    return r;
}

// A reply in its layout; false (layout untouched) when it is shorter.
template <typename Layout> bool fromReply(std::span<const uint8_t> reply, Layout &layout) {
    if (reply.size() < sizeof layout)
        return false;
    std::memcpy(&layout, reply.data(), sizeof layout);
    return true;
}

// A layout of a report written by the host: id, length and profile set.
template <typename Layout> Layout hostLayout(uint8_t id, int profile) {
    Layout layout{};
    layout.id = id;
    layout.length = static_cast<uint8_t>(sizeof layout);
    layout.profile = low(profile);
    return layout;
}

} // namespace

int keyMatrixCell(int position) {
    if (position < 0 || position >= kStandardKeyCount)
        return -1;
    return cellMap().cell[position];
}

Report makeReadRequest(int profile, uint8_t subject) {
    ReadRequestLayout request{};
    request.id = report_id::Status;
    request.profile = low(profile);
    request.subject = subject;
    return toReport(request);
}

Report makeReadBuffer(uint8_t id, uint32_t length) {
    return Report(id, std::min(length, kMaxReportLength));
}

Report encodeCurrentProfile(int32_t currentProfile) {
    return toReport(hostLayout<CurrentProfileLayout>(report_id::CurrentProfile, currentProfile));
}

Report encodeKeyMatrix(const ProfileData &profile, int p) {
    auto matrix = hostLayout<KeyMatrixLayout>(report_id::KeyMatrix, p);
    std::memcpy(matrix.cells, kFactoryKeyMatrix, kKeyMatrixCells);
    for (int n = 0; n < kStandardKeyCount; ++n) {
        const int c = keyMatrixCell(n);
        if (c >= 0)
            matrix.cells[c] = profile.standardkey[n];
    }
    return toReport(matrix);
}

Report encodeSwitches(const ProfileData &profile, int p) {
    auto switches = hostLayout<SwitchesLayout>(report_id::Switches, p);
    for (int i = 0; i < 6; ++i) {
        if (profile.ModifyKey[i] == 1)
            switches.bits |= static_cast<uint8_t>(1u << i);
    }
    return toReport(switches);
}

std::array<uint8_t, 3> assignmentBytes(const MacroKeyInfo &key) {
    const uint8_t codeLow = static_cast<uint8_t>(key.code & 0xFF);
    const uint8_t codeHigh = static_cast<uint8_t>(key.code >> 8);
    switch (key.assignType()) {
    case AssignType::KeyCombination:
    case AssignType::ReadBackCombination:
        return {key.type, key.flags, codeLow};
    case AssignType::KeyboardFunction:
    case AssignType::MouseButton:
    case AssignType::LaunchProgram:
        return {key.type, key.flags, 0};
    case AssignType::MediaFunction:
        return {key.type, codeLow, codeHigh};
    case AssignType::SingleKey:
        return {key.type, 0, codeLow};
    default: // unassigned, macro, single functions and unknown types
        return {key.type, 0, 0};
    }
}

Report encodeAssignments(const ProfileData &profile, int p) {
    auto assignments = hostLayout<AssignmentsLayout>(report_id::Assignments, p);
    for (int k = 0; k < kKeyboardSlotCount; ++k) {
        const auto b = assignmentBytes(profile.keys[k]);
        std::memcpy(assignments.slots[k], b.data(), kAssignmentBytes);
    }
    return toReport(assignments);
}

Report encodeLighting(const ProfileData &profile, int p) {
    auto lighting = hostLayout<LightingLayout>(report_id::Lighting, p);
    lighting.fixed3 = kLightingFixed3;
    lighting.lightSwitch = low(profile.LtSwitch);
    lighting.effectType = low(profile.LtEffectType);
    lighting.colour = lightingControlTakesColour(profile.LtControl) ? low(profile.LtColor) : 0;
    lighting.control = low(profile.LtControl);
    lighting.saving = powerSavingCode(profile.ECOMode);
    lighting.fixed10 = kLightingFixed10;
    lighting.profileMark = lightingProfileMark(p);
    lighting.fixed12 = kLightingFixed12;
    return toReport(lighting);
}

Report encodePollingRate(const ProfileData &profile, int p) {
    auto polling = hostLayout<PollingRateLayout>(report_id::PollingRate, p);
    polling.code = pollingWireCode(profile.PollingRate);
    return toReport(polling);
}

Report encodeClosing() {
    ClosingLayout closing{};
    closing.id = report_id::Closing;
    closing.length = static_cast<uint8_t>(sizeof closing);
    return toReport(closing);
}

Report encodeAccessCode(const AccessCode &code) {
    AccessCodeLayout report{};
    report.id = report_id::HidAccessCode;
    report.length = static_cast<uint8_t>(sizeof report);
    static_assert(sizeof report.code == sizeof code.bytes);
    std::memcpy(report.code, code.bytes, sizeof code.bytes);
    return toReport(report);
}

// --- Macros ----------------------------------------------------------------

unsigned delayUnits(unsigned milliseconds) {
    return (milliseconds + kDelayUnitMs / 2) / kDelayUnitMs;
}

DelaySplit splitDelayUnits(unsigned d) {
    if (d <= kDelayFieldMax)
        return {0, 0, static_cast<uint8_t>(d)};
    const unsigned over = d - kDelayFieldMax;
    if (d <= 381)
        return {1, static_cast<uint8_t>(over), static_cast<uint8_t>(kDelayFieldMax)};
    // Kinds 2 and 3 count in steps of two and four units. The value is
    // rounded up, so the remainder lands in 124-127 instead of 128-130 (which
    // would spill into the release bit); extension + remainder is still d.
    const unsigned multiplier = d <= 636 ? 2 : 4;
    const uint8_t kind = d <= 636 ? 2 : 3;
    unsigned value = (over + multiplier - 1) / multiplier;
    // A pause longer than 4 x 255 + 127 units does not fit at all: send the
    // longest one that does rather than a short one.
    value = std::min(value, 255u);
    const unsigned remainder = std::min(d - multiplier * value, kDelayFieldMax);
    return {kind, static_cast<uint8_t>(value), static_cast<uint8_t>(remainder)};
}

bool macroIsSent(const MacroKeyInfo &key) {
    return key.assignType() == AssignType::Macro;
}

Report encodeMacro(const MacroKeyInfo &key, int p, int s) {
    auto macro = hostLayout<MacroLayout>(report_id::Macro, p);
    macro.slot = low(s);
    const uint8_t repeat = low(key.repeatCount);
    macro.repeat = repeat == 0 ? 1 : repeat;
    const std::string_view name = getFixed(key.macroName);
    std::memcpy(macro.name, name.data(), std::min(name.size(), sizeof macro.name));

    // Two entries per event at most: build them all, then cut to the 100
    // bytes the report holds.
    uint8_t entries[2 * 2 * kMacroEventCapacity];
    int used = 0;
    int extensions = 0;
    const int count = std::min<int>(key.eventCount, kMacroEventCapacity);
    for (int i = 0; i < count; ++i) {
        // The delay of an entry is the wait after the previous step.
        unsigned d = i == 0 ? 0 : delayUnits(key.events[i - 1].delay);
        if (d > kDelayFieldMax) {
            const DelaySplit split = splitDelayUnits(d);
            if (extensions < kMaxDelayExtensions) {
                entries[used++] = split.kind;
                entries[used++] = split.value;
                ++extensions;
            }
            d = split.remainder;
        }
        const MacroEvent &e = key.events[i];
        entries[used++] = e.key;
        entries[used++] = static_cast<uint8_t>(d | (e.state != kEventPress ? kReleaseBit : 0));
    }
    if (used > static_cast<int>(kMacroEntryBytes)) {
        used = static_cast<int>(kMacroEntryBytes);
        // A cut macro must not end on a dangling extension or a key left
        // pressed: drop back to the last release.
        while (used >= 2 && (isExtensionKind(entries[used - 2]) || (entries[used - 1] & kReleaseBit) == 0))
            used -= 2;
    }
    macro.entryCount = static_cast<uint8_t>(used / 2);
    std::memcpy(macro.entries, entries, static_cast<std::size_t>(used));
    return toReport(macro);
}

std::string macroKeyName(int p, int s) {
    // The keyboard labels slots 5-14 M1-M10 and slots 0-4 M11-M15.
    const int m = s >= 5 ? s - 5 : s + 10;
    char text[32];
    std::snprintf(text, sizeof text, "Pro%d-M%d", p + 1, m + 1);
    return text;
}

bool decodeMacro(std::span<const uint8_t> reply, MacroKeyInfo &key, int p, int s, MacroNaming naming) {
    MacroLayout macro;
    if (!fromReply(reply, macro))
        return false;
    key.slot = macro.repeat;
    key.repeatCount = macro.repeat;
    key.type = static_cast<uint8_t>(AssignType::Macro);

    char name[sizeof key.macroName];
    std::memcpy(name, macro.name, sizeof name);
    // The field is a C string: a 24-character name loses its last character
    // rather than running into the next field.
    name[sizeof name - 1] = '\0';
    for (int i = static_cast<int>(sizeof name) - 1; i >= 0; --i) {
        if (static_cast<uint8_t>(name[i]) > 0x20)
            break;
        name[i] = '\0';
    }
    if (name[0] == '\0' || naming == MacroNaming::NewName)
        setFixed(key.macroName, macroKeyName(p, s));
    else
        std::memcpy(key.macroName, name, sizeof name);

    std::memset(key.events, 0, sizeof key.events);
    const int claimed = macro.entryCount;
    // The reply holds 50 entries at most. A count beyond that names entries
    // that are not there: only the 50 are walked and the macro is empty.
    const int walked = std::min(claimed, kMacroEntryCapacity);
    int events = claimed;
    int event = 0;
    unsigned extension = 0; // units carried to the next key entry
    for (int k = 0; k < walked; ++k) {
        const uint8_t a = macro.entries[2 * k];
        const uint8_t b = macro.entries[2 * k + 1];
        if (isExtensionKind(a)) {
            extension += static_cast<unsigned>(b) << (a - 1); // x1, x2, x4
            --events;
            continue;
        }
        MacroEvent &e = key.events[event];
        e.key = a;
        e.state = (b & kReleaseBit) ? kEventRelease : kEventPress;
        e.delay = 0;
        if (event > 0) {
            const unsigned ms = (extension + (b & kDelayFieldMax)) * kDelayUnitMs;
            key.events[event - 1].delay = static_cast<uint16_t>(std::min(ms, 65535u));
        }
        extension = 0;
        ++event;
    }
    if (events < 0 || events > kMacroEventCapacity || claimed > kMacroEntryCapacity) {
        // More events than a slot holds: the macro is taken as empty.
        events = 0;
        std::memset(key.events, 0, sizeof key.events);
    }
    key.eventCount = static_cast<uint16_t>(events);
    return true;
}

// --- Other reads -------------------------------------------------------------

int decodeStatus(std::span<const uint8_t> reply) {
    StatusLayout status;
    if (!fromReply(reply, status))
        return -1;
    return status.status;
}

bool decodeCurrentProfile(std::span<const uint8_t> reply, ConfigBlock &config) {
    CurrentProfileLayout current;
    if (!fromReply(reply, current))
        return false;
    if (current.profile <= 4)
        config.CurrentProfile = current.profile;
    return true;
}

bool decodeKeyMatrix(std::span<const uint8_t> reply, ProfileData &profile) {
    KeyMatrixLayout matrix;
    if (!fromReply(reply, matrix))
        return false;
    for (int n = 0; n < kStandardKeyCount; ++n) {
        const int c = keyMatrixCell(n);
        if (c >= 0)
            profile.standardkey[n] = matrix.cells[c];
    }
    return true;
}

bool decodeSwitches(std::span<const uint8_t> reply, ProfileData &profile) {
    SwitchesLayout switches;
    if (!fromReply(reply, switches))
        return false;
    // The keyboard's bits are the truth after a read-back: a clear bit is a
    // switch that is off, whatever the record held before.
    for (int i = 0; i < 6; ++i)
        profile.ModifyKey[i] = (switches.bits >> i) & 1;
    return true;
}

void decodeAssignment(uint8_t type, uint8_t b1, uint8_t b2, MacroKeyInfo &key) {
    key.type = type;
    switch (static_cast<AssignType>(type)) {
    case AssignType::KeyCombination:
    case AssignType::ReadBackCombination:
        key.flags = b1;
        key.code = b2;
        break;
    case AssignType::KeyboardFunction:
    case AssignType::MouseButton:
    case AssignType::LaunchProgram:
        key.flags = b1;
        key.code = 0;
        break;
    case AssignType::MediaFunction:
        key.flags = 0;
        key.code = static_cast<uint16_t>(b2 * 256 + b1);
        break;
    case AssignType::SingleKey:
        key.flags = 0;
        key.code = b2;
        break;
    default:
        key.flags = 0;
        key.code = 0;
        break;
    }
}

bool decodeAssignments(std::span<const uint8_t> reply, ProfileData &profile) {
    AssignmentsLayout assignments;
    if (!fromReply(reply, assignments))
        return false;
    for (int k = 0; k < kKeyboardSlotCount; ++k) {
        const uint8_t *slot = assignments.slots[k];
        decodeAssignment(slot[0], slot[1], slot[2], profile.keys[k]);
    }
    return true;
}

bool decodeLighting(std::span<const uint8_t> reply, ProfileData &profile) {
    LightingLayout lighting;
    if (!fromReply(reply, lighting))
        return false;
    profile.LtSwitch = lighting.lightSwitch;
    profile.LtEffectType = lighting.effectType;
    profile.LtColor = lighting.colour;
    profile.LtControl = lighting.control;
    profile.LtTimeout = lighting.saving;
    profile.ECOMode = lighting.saving != 0 ? 1 : 0;
    profile.LtFlag = 0;
    return true;
}

bool decodePollingRate(std::span<const uint8_t> reply, ProfileData &profile) {
    PollingRateLayout polling;
    if (!fromReply(reply, polling))
        return false;
    profile.PollingRate = pollingRateOfWireCode(polling.code);
    return true;
}

} // namespace orvyn
