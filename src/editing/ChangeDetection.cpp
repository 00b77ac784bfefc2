#include "editing/ChangeDetection.h"

#include <cstring>

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

} // namespace orvyn
