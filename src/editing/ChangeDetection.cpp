#include "editing/ChangeDetection.h"

#include <cstring>
#include <iterator>

namespace orvyn {

namespace {

template <typename T> bool differs(const T &a, const T &b) {
    return std::memcmp(&a, &b, sizeof(T)) != 0;
}

bool lightingDiffers(const ProfileData &a, const ProfileData &b) {
    // The reserved words between the lighting fields are not compared.
    return differs(a.LtSwitch, b.LtSwitch) || differs(a.LtEffectType, b.LtEffectType) ||
           differs(a.LtFlag, b.LtFlag) || differs(a.LtColor, b.LtColor) ||
           differs(a.LtControl, b.LtControl) || differs(a.LtSaving, b.LtSaving) ||
           differs(a.LtTimeout, b.LtTimeout) || differs(a.ECOMode, b.ECOMode);
}

} // namespace

void detectChanges(const ConfigBlock &saved, ConfigBlock &working) {
    ChangeFlags flags{};
    flags.currentProfile = saved.CurrentProfile != working.CurrentProfile;
    for (int p = 0; p < kProfileCount; ++p) {
        const ProfileData &a = saved.profiles[p];
        const ProfileData &b = working.profiles[p];
        if (differs(a.HDDKeyboard, b.HDDKeyboard))
            flags.hddKeyboard = 1;
        flags.lighting[p] = lightingDiffers(a, b);
        flags.pollingRate[p] = differs(a.PollingRate, b.PollingRate);
        flags.modifyKey[p] = differs(a.ModifyKey, b.ModifyKey);
        flags.standardKey[p] = differs(a.standardkey, b.standardkey);
        for (int k = 0; k < kKeySlotCount; ++k)
            flags.keySlot[p][k] = differs(a.keys[k], b.keys[k]);
    }
    std::memcpy(flags.imported, working.flags.imported, sizeof flags.imported);
    working.flags = flags;
}

void markEverythingChanged(ConfigBlock &config) {
    ChangeFlags &f = config.flags;
    for (auto &profileSlots : f.keySlot)
        for (int32_t &flag : profileSlots)
            flag = 1;
    for (int p = 0; p < kProfileCount; ++p) {
        f.lighting[p] = 1;
        f.standardKey[p] = 1;
        f.modifyKey[p] = 1;
        f.unused[p] = 1;
        f.pollingRate[p] = 1;
    }
    f.currentProfile = 1;
}

void markProfileImported(ConfigBlock &config, int p) {
    if (!isValidProfile(p))
        return;
    ChangeFlags &f = config.flags;
    for (int32_t &flag : f.keySlot[p])
        flag = 1;
    f.lighting[p] = 1;
    f.standardKey[p] = 1;
    f.modifyKey[p] = 1;
    f.imported[p] = 1;
}

// Report ids and the change flags whose parts they carry.
inline constexpr uint32_t kCurrentProfileReport = 5;
inline constexpr uint32_t kStandardKeyReport = 6;
inline constexpr uint32_t kSwitchReport = 7;
inline constexpr uint32_t kKeySlotReport = 8;
inline constexpr uint32_t kMacroReport = 9;
inline constexpr uint32_t kLightingReport = 10;
inline constexpr uint32_t kPollingRateReport = 11;

void keepRefusedChanges(const ChangeFlags &sent, uint32_t refusedReports, ChangeFlags &kept) {
    uint32_t known = 0;
    for (uint32_t id = kCurrentProfileReport; id <= kPollingRateReport; ++id)
        known |= 1u << id;
    if (refusedReports == 0 || (refusedReports & ~known) != 0) {
        addChanges(kept, sent);
        return;
    }
    auto refused = [refusedReports](uint32_t id) { return (refusedReports >> id) & 1u; };
    auto keep = [](int32_t &to, int32_t from, bool wanted) {
        if (wanted && from)
            to = 1;
    };
    keep(kept.currentProfile, sent.currentProfile, refused(kCurrentProfileReport));
    for (int p = 0; p < kProfileCount; ++p) {
        keep(kept.standardKey[p], sent.standardKey[p], refused(kStandardKeyReport));
        keep(kept.modifyKey[p], sent.modifyKey[p], refused(kSwitchReport));
        keep(kept.lighting[p], sent.lighting[p], refused(kLightingReport));
        keep(kept.pollingRate[p], sent.pollingRate[p], refused(kPollingRateReport));
        // A macro key's slot carries its macro: either report refused leaves the slot unwritten.
        for (int k = 0; k < kKeySlotCount; ++k)
            keep(kept.keySlot[p][k], sent.keySlot[p][k], refused(kKeySlotReport) || refused(kMacroReport));
    }
}

void addChanges(ChangeFlags &flags, const ChangeFlags &extra) {
    // Every member is an int32_t flag.
    static_assert(sizeof(ChangeFlags) % sizeof(int32_t) == 0);
    int32_t to[sizeof(ChangeFlags) / sizeof(int32_t)];
    int32_t from[sizeof(ChangeFlags) / sizeof(int32_t)];
    std::memcpy(to, &flags, sizeof flags);
    std::memcpy(from, &extra, sizeof extra);
    for (std::size_t i = 0; i < std::size(to); ++i) {
        if (from[i])
            to[i] = 1;
    }
    std::memcpy(&flags, to, sizeof flags);
}

} // namespace orvyn
