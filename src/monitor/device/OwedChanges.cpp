#include "monitor/device/OwedChanges.h"

#include <algorithm>
#include <utility>

namespace orvyn {

namespace {

// Calls f(flag of `a`, flag of `b`) for every keyboard part.
template <typename A, typename F> void eachPart(A &a, const ChangeFlags &b, F &&f) {
    f(a.currentProfile, b.currentProfile);
    for (int p = 0; p < kProfileCount; ++p) {
        f(a.standardKey[p], b.standardKey[p]);
        f(a.modifyKey[p], b.modifyKey[p]);
        f(a.lighting[p], b.lighting[p]);
        f(a.pollingRate[p], b.pollingRate[p]);
        for (int s = 0; s < kKeySlotCount; ++s)
            f(a.keySlot[p][s], b.keySlot[p][s]);
    }
}

} // namespace

bool anyKeyboardPart(const ChangeFlags &parts) {
    bool any = false;
    eachPart(parts, parts, [&](int32_t flag, int32_t) { any = any || flag != 0; });
    return any;
}

void addParts(ChangeFlags &into, const ChangeFlags &more) {
    eachPart(into, more, [](int32_t &flag, int32_t other) { flag = flag != 0 || other != 0 ? 1 : 0; });
}

ChangeFlags allKeyboardParts() {
    ChangeFlags all{};
    eachPart(all, all, [](int32_t &flag, int32_t) { flag = 1; });
    return all;
}

ChangeFlags partsExcept(const ChangeFlags &all, const ChangeFlags &except) {
    ChangeFlags left{};
    addParts(left, all); // the keyboard's parts only
    eachPart(left, except, [](int32_t &flag, int32_t other) { flag = flag != 0 && other == 0 ? 1 : 0; });
    return left;
}

void copyKeyboardParts(const ConfigBlock &from, ConfigBlock &to, const ChangeFlags &parts) {
    if (parts.currentProfile)
        to.CurrentProfile = from.CurrentProfile;
    for (int p = 0; p < kProfileCount; ++p) {
        const ProfileData &f = from.profiles[p];
        ProfileData &t = to.profiles[p];
        if (parts.standardKey[p])
            std::copy(std::begin(f.standardkey), std::end(f.standardkey), std::begin(t.standardkey));
        if (parts.modifyKey[p])
            std::copy(std::begin(f.ModifyKey), std::end(f.ModifyKey), std::begin(t.ModifyKey));
        if (parts.lighting[p]) {
            t.LtSwitch = f.LtSwitch;
            t.LtEffectType = f.LtEffectType;
            t.LtFlag = f.LtFlag;
            t.LtColor = f.LtColor;
            t.LtControl = f.LtControl;
            t.LtTimeout = f.LtTimeout;
            t.ECOMode = f.ECOMode;
        }
        if (parts.pollingRate[p])
            t.PollingRate = f.PollingRate;
        for (int s = 0; s < kKeySlotCount; ++s) {
            if (parts.keySlot[p][s])
                t.keys[s] = f.keys[s];
        }
    }
}

void OwedChanges::setRecord(const ConfigBlock &record) {
    auto copy = std::make_shared<const ConfigBlock>(record);
    std::lock_guard lock(mutex_);
    record_ = std::move(copy);
}

void OwedChanges::handOver(const ConfigBlock &record, const ChangeFlags &parts, int64_t token) {
    auto copy = std::make_shared<const ConfigBlock>(record);
    std::lock_guard lock(mutex_);
    record_ = std::move(copy);
    addParts(parts_, parts);
    tokens_.push_back(token);
}

std::vector<int64_t> OwedChanges::forget() {
    std::lock_guard lock(mutex_);
    parts_ = {};
    return std::exchange(tokens_, {});
}

ChangeFlags OwedChanges::parts() const {
    std::lock_guard lock(mutex_);
    return parts_;
}

bool OwedChanges::empty() const {
    std::lock_guard lock(mutex_);
    return !anyKeyboardPart(parts_) && tokens_.empty();
}

std::shared_ptr<const ConfigBlock> OwedChanges::record() const {
    std::lock_guard lock(mutex_);
    return record_;
}

OwedChanges::Batch OwedChanges::take() {
    std::lock_guard lock(mutex_);
    Batch batch{record_, std::exchange(parts_, {}), std::exchange(tokens_, {})};
    return batch;
}

void OwedChanges::giveBack(const ChangeFlags &parts) {
    std::lock_guard lock(mutex_);
    addParts(parts_, parts);
}

void OwedChanges::overlay(ConfigBlock &readBack) const {
    std::lock_guard lock(mutex_);
    copyKeyboardParts(*record_, readBack, parts_);
}

} // namespace orvyn
