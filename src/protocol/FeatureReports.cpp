#include "protocol/FeatureReports.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace orvyn {

namespace {

uint8_t low(int32_t v) {
    return static_cast<uint8_t>(v & 0xFF);
}

// Report 10 marks each profile with this number.
constexpr uint8_t kProfileMark[kProfileCount] = {1, 3, 2, 5, 4};

constexpr int kMacroHeaderLength = 30;                                      // entries start at byte 30
constexpr int kMacroEntryBytes = report_length::Macro - kMacroHeaderLength; // 100
constexpr int kMacroEntryCapacity = kMacroEntryBytes / 2;                   // 50 entries
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

} // namespace

int keyMatrixCell(int position) {
    if (position < 0 || position >= kStandardKeyCount)
        return -1;
    return cellMap().cell[position];
}

Report makeReadRequest(int profile, uint8_t subject) {
    Report r(report_id::Status, report_length::Status);
    r[1] = low(profile);
    r[2] = subject;
    return r;
}

Report makeReadBuffer(uint8_t id, uint32_t length) {
    return Report(id, std::min(length, kMaxReportLength));
}

Report encodeCurrentProfile(int32_t currentProfile) {
    Report r(report_id::CurrentProfile, report_length::CurrentProfile);
    r[1] = 3;
    r[2] = low(currentProfile);
    return r;
}

Report encodeKeyMatrix(const ProfileData &profile, int p) {
    Report r(report_id::KeyMatrix, report_length::KeyMatrix);
    r[1] = static_cast<uint8_t>(report_length::KeyMatrix);
    r[2] = low(p);
    uint8_t *cells = r.data() + 8;
    std::memcpy(cells, kFactoryKeyMatrix, kKeyMatrixCells);
    for (int n = 0; n < kStandardKeyCount; ++n) {
        const int c = keyMatrixCell(n);
        if (c >= 0)
            cells[c] = profile.standardkey[n];
    }
    return r;
}

Report encodeSwitches(const ProfileData &profile, int p) {
    Report r(report_id::Switches, report_length::Switches);
    r[1] = static_cast<uint8_t>(report_length::Switches);
    r[2] = low(p);
    uint8_t bits = 0;
    for (int i = 0; i < 6; ++i) {
        if (profile.ModifyKey[i] == 1)
            bits |= static_cast<uint8_t>(1u << i);
    }
    r[3] = bits;
    return r;
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
    Report r(report_id::Assignments, report_length::Assignments);
    r[1] = static_cast<uint8_t>(report_length::Assignments);
    r[2] = low(p);
    for (int k = 0; k < kKeyboardSlotCount; ++k) {
        const auto b = assignmentBytes(profile.keys[k]);
        std::memcpy(r.data() + 3 + 3 * k, b.data(), 3);
    }
    return r;
}

Report encodeLighting(const ProfileData &profile, int p) {
    Report r(report_id::Lighting, report_length::Lighting);
    r[1] = static_cast<uint8_t>(report_length::Lighting);
    r[2] = low(p);
    r[3] = 1;
    r[4] = low(profile.LtSwitch);
    r[5] = low(profile.LtEffectType);
    // With lighting control 32 the keyboard takes no colour.
    r[6] = profile.LtControl == 32 ? 0 : low(profile.LtColor);
    r[7] = 0;
    r[8] = low(profile.LtControl);
    r[9] = profile.ECOMode != 0 ? 5 : 0;
    r[10] = 1;
    r[11] = isValidProfile(p) ? kProfileMark[p] : 0;
    r[12] = 7;
    return r;
}

Report encodePollingRate(const ProfileData &profile, int p) {
    Report r(report_id::PollingRate, report_length::PollingRate);
    r[1] = static_cast<uint8_t>(report_length::PollingRate);
    r[2] = low(p);
    r[3] = profile.PollingRate == 1 ? 8 : profile.PollingRate == 2 ? 2 : 1;
    return r;
}

Report encodeClosing() {
    Report r(report_id::Closing, report_length::Closing);
    r[1] = 3;
    return r;
}

Report encodeAccessCode(const AccessCode &code) {
    Report r(report_id::HidAccessCode, report_length::HidAccessCode);
    r[1] = static_cast<uint8_t>(report_length::HidAccessCode);
    std::memcpy(r.data() + 2, code.bytes, sizeof code.bytes);
    return r;
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
    Report r(report_id::Macro, report_length::Macro);
    r[1] = static_cast<uint8_t>(report_length::Macro);
    r[2] = low(p);
    r[3] = low(s);
    const uint8_t repeat = low(key.repeatCount);
    r[4] = repeat == 0 ? 1 : repeat;
    const std::string_view name = getFixed(key.macroName);
    std::memcpy(r.data() + 5, name.data(), name.size());

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
    if (used > kMacroEntryBytes) {
        used = kMacroEntryBytes;
        // A cut macro must not end on a dangling extension or a key left
        // pressed: drop back to the last release.
        while (used >= 2 && (isExtensionKind(entries[used - 2]) || (entries[used - 1] & kReleaseBit) == 0))
            used -= 2;
    }
    r[29] = static_cast<uint8_t>(used / 2);
    std::memcpy(r.data() + kMacroHeaderLength, entries, static_cast<std::size_t>(used));
    return r;
}

std::string macroKeyName(int p, int s) {
    // The keyboard labels slots 5-14 M1-M10 and slots 0-4 M11-M15.
    const int m = s >= 5 ? s - 5 : s + 10;
    char text[32];
    std::snprintf(text, sizeof text, "Pro%d-M%d", p + 1, m + 1);
    return text;
}

bool decodeMacro(std::span<const uint8_t> reply, MacroKeyInfo &key, int p, int s, MacroNaming naming) {
    if (reply.size() < report_length::Macro)
        return false;
    key.slot = reply[4];
    key.repeatCount = reply[4];
    key.type = static_cast<uint8_t>(AssignType::Macro);

    char name[sizeof key.macroName];
    std::memcpy(name, reply.data() + 5, sizeof name);
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
    const int claimed = reply[29];
    // The reply holds 50 entries at most. A count beyond that names entries
    // that are not there: only the 50 are walked and the macro is empty.
    const int walked = std::min(claimed, kMacroEntryCapacity);
    int events = claimed;
    int event = 0;
    unsigned extension = 0; // units carried to the next key entry
    for (int k = 0; k < walked; ++k) {
        const uint8_t a = reply[kMacroHeaderLength + 2 * k];
        const uint8_t b = reply[kMacroHeaderLength + 2 * k + 1];
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
    if (reply.size() < report_length::Status)
        return -1;
    return reply[1];
}

bool decodeCurrentProfile(std::span<const uint8_t> reply, ConfigBlock &config) {
    if (reply.size() < report_length::CurrentProfile)
        return false;
    if (reply[2] <= 4)
        config.CurrentProfile = reply[2];
    return true;
}

bool decodeKeyMatrix(std::span<const uint8_t> reply, ProfileData &profile) {
    if (reply.size() < report_length::KeyMatrix)
        return false;
    for (int n = 0; n < kStandardKeyCount; ++n) {
        const int c = keyMatrixCell(n);
        if (c >= 0)
            profile.standardkey[n] = reply[8 + static_cast<std::size_t>(c)];
    }
    return true;
}

bool decodeSwitches(std::span<const uint8_t> reply, ProfileData &profile) {
    if (reply.size() < report_length::Switches)
        return false;
    // The keyboard's bits are the truth after a read-back: a clear bit is a
    // switch that is off, whatever the record held before.
    for (int i = 0; i < 6; ++i)
        profile.ModifyKey[i] = (reply[3] >> i) & 1;
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
    if (reply.size() < report_length::Assignments)
        return false;
    for (int k = 0; k < kKeyboardSlotCount; ++k) {
        const std::size_t at = 3 + 3 * static_cast<std::size_t>(k);
        decodeAssignment(reply[at], reply[at + 1], reply[at + 2], profile.keys[k]);
    }
    return true;
}

bool decodeLighting(std::span<const uint8_t> reply, ProfileData &profile) {
    if (reply.size() < report_length::Lighting)
        return false;
    profile.LtSwitch = reply[4];
    profile.LtEffectType = reply[5];
    profile.LtColor = reply[6];
    profile.LtControl = reply[8];
    profile.LtTimeout = reply[9];
    profile.ECOMode = reply[9] != 0 ? 1 : 0;
    profile.LtFlag = 0;
    return true;
}

bool decodePollingRate(std::span<const uint8_t> reply, ProfileData &profile) {
    if (reply.size() < report_length::PollingRate)
        return false;
    profile.PollingRate = reply[3] == 1 ? 4 : reply[3] == 8 ? 1 : 2;
    return true;
}

} // namespace orvyn
