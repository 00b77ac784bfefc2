#include "monitor/RecordKeeper.h"

#include <utility>

namespace orvyn {

RecordKeeper::RecordKeeper(DeviceOutcomes &outcomes)
    : outcomes_(outcomes), record_(std::make_unique<ConfigBlock>()) {}

void RecordKeeper::assign(const ConfigBlock &in) {
    *record_ = in;
    owed_.setRecord(*record_);
}

void RecordKeeper::handOver(const ConfigBlock &taken, int64_t token, Keyboard keyboard) {
    // `taken` may be the record itself, which the assignment below frees.
    auto merged = std::make_unique<ConfigBlock>(taken);
    const ChangeFlags flagged = merged->flags;
    copyKeyboardParts(*record_, *merged, partsExcept(changedHere_, flagged));
    record_ = std::move(merged);
    if (keyboard == Keyboard::Connected)
        owed_.handOver(*record_, flagged, token);
    else
        owed_.setRecord(*record_);
}

void RecordKeeper::changedHere(const ChangeFlags &parts) {
    addParts(changedHere_, parts);
}

void RecordKeeper::readBackArrived(const ConfigBlock &read) {
    ChangeFlags keep = owed_.parts();
    addParts(keep, changedHere_);
    changedHere_ = {};
    copyKeyboardParts(read, *record_, partsExcept(allKeyboardParts(), keep));
    for (auto &profileFlags : record_->flags.keySlot)
        for (int32_t &flag : profileFlags)
            flag = 0;
    owed_.setRecord(*record_);
    outcomes_.readBack(*record_);
}

void RecordKeeper::recordedMacroArrived(int profile, const ConfigBlock &read) {
    if (!isValidProfile(profile))
        return;
    ChangeFlags slots{};
    for (int s = 0; s < kKeySlotCount; ++s)
        slots.keySlot[profile][s] = 1;
    ChangeFlags keep = owed_.parts();
    addParts(keep, changedHere_);
    copyKeyboardParts(read, *record_, partsExcept(slots, keep));
    owed_.setRecord(*record_);
    outcomes_.recordedMacroRead(*record_);
}

void RecordKeeper::accessCodeSent(const AccessCode &code) {
    outcomes_.accessCodeSent(code, *record_);
}

WorkerMailbox::WorkerMailbox(DeviceOutcomes &outcomes, std::function<void()> wake)
    : outcomes_(outcomes), wake_(std::move(wake)) {}

void WorkerMailbox::applied(const std::vector<int64_t> &tokens, int64_t answer) {
    outcomes_.applied(tokens, answer);
}

void WorkerMailbox::add(Result result) {
    {
        std::lock_guard lock(mutex_);
        results_.push_back(std::move(result));
    }
    if (wake_)
        wake_();
}

void WorkerMailbox::readBack(const ConfigBlock &config) {
    add(Result{Result::Kind::ReadBack, 0, std::make_unique<ConfigBlock>(config), {}});
}

void WorkerMailbox::recordedMacroRead(int profile, const ConfigBlock &config) {
    add(Result{Result::Kind::RecordedMacro, profile, std::make_unique<ConfigBlock>(config), {}});
}

void WorkerMailbox::accessCodeSent(const AccessCode &code) {
    add(Result{Result::Kind::AccessCode, 0, nullptr, code});
}

void WorkerMailbox::deliverTo(RecordKeeper &keeper) {
    for (;;) {
        Result result;
        {
            std::lock_guard lock(mutex_);
            if (results_.empty())
                return;
            result = std::move(results_.front());
            results_.pop_front();
        }
        switch (result.kind) {
        case Result::Kind::ReadBack:
            keeper.readBackArrived(*result.record);
            break;
        case Result::Kind::RecordedMacro:
            keeper.recordedMacroArrived(result.profile, *result.record);
            break;
        case Result::Kind::AccessCode:
            keeper.accessCodeSent(result.code);
            break;
        }
    }
}

} // namespace orvyn
