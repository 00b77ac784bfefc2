// Monitor's configuration record and its one owner, the main thread. Every
// change to the record goes through here: Option's hand-overs, the
// keyboard's own keys, the foreground watch, and what the device worker read
// from the keyboard. The worker sees only the copies this gives to
// OwedChanges, and gives back records of its own through WorkerMailbox.
//
// Merging, part by part (a part is what one change flag names):
// - a hand-over takes Option's record, except the parts Monitor changed on
//   its own since the last read-back and the hand-over did not flag, which
//   keep Monitor's values (a profile chosen on the keyboard survives an
//   Option that had not yet heard of it);
// - a read-back takes the keyboard's values, except the parts still owed to
//   the keyboard and those changed on Monitor's side since the last
//   read-back (keyboard keys, the watch), which the keyboard either does not
//   have yet or has newer than what was read.
#pragma once

#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "monitor/DeviceOutcomes.h"
#include "monitor/device/DeviceWorkerEvents.h"
#include "monitor/device/OwedChanges.h"
#include "shared/ConfigBlock.h"

namespace orvyn {

enum class Keyboard { Connected, Absent };

class RecordKeeper {
public:
    explicit RecordKeeper(DeviceOutcomes &outcomes);

    const ConfigBlock &record() const { return *record_; }
    // What the device worker reads: the owed parts and the record's copy.
    OwedChanges &owed() { return owed_; }

    // Runs f(ConfigBlock &) on the record and returns what it returns; the
    // worker's copy follows.
    template <typename F> decltype(auto) with(F &&f) {
        struct Refresh {
            RecordKeeper &keeper;
            ~Refresh() { keeper.owed_.setRecord(*keeper.record_); }
        } refresh{*this};
        return std::forward<F>(f)(*record_);
    }
    void copyTo(ConfigBlock &out) const { out = *record_; }
    // Replaces the whole record (start-up, a take-only hand-over).
    void assign(const ConfigBlock &in);

    // Option's apply (1224) with its sender's token. With the keyboard
    // connected the flagged parts become owed to it.
    void handOver(const ConfigBlock &taken, int64_t token, Keyboard keyboard);
    // Monitor changed these parts on its own (the keyboard said so, or the
    // watch chose a profile): a read-back under way must not undo them.
    void changedHere(const ChangeFlags &parts);
    // The keyboard went: the tokens of the hand-overs still waiting.
    std::vector<int64_t> forgetOwed() { return owed_.forget(); }

    // The worker's results, on the main thread.
    void readBackArrived(const ConfigBlock &read);
    void recordedMacroArrived(int profile, const ConfigBlock &read);
    void accessCodeSent(const AccessCode &code);

private:
    DeviceOutcomes &outcomes_;
    std::unique_ptr<ConfigBlock> record_;
    OwedChanges owed_;
    ChangeFlags changedHere_{};
};

// The worker's results, taken on its thread and handed to the record's
// keeper on the main thread: `wake` asks the main thread to call
// deliverTo() (Monitor posts a message to itself). Answers to applies need
// nothing of the record and go out at once.
class WorkerMailbox final : public DeviceWorkerEvents {
public:
    WorkerMailbox(DeviceOutcomes &outcomes, std::function<void()> wake);

    void applied(const std::vector<int64_t> &tokens, int64_t answer) override;
    void readBack(const ConfigBlock &config) override;
    void recordedMacroRead(int profile, const ConfigBlock &config) override;
    void accessCodeSent(const AccessCode &code) override;

    // Hands every waiting result to `keeper`, in the order they came.
    void deliverTo(RecordKeeper &keeper);

private:
    struct Result {
        enum class Kind { ReadBack, RecordedMacro, AccessCode } kind = Kind::ReadBack;
        int profile = 0;
        std::unique_ptr<ConfigBlock> record;
        AccessCode code{};
    };
    void add(Result result);

    DeviceOutcomes &outcomes_;
    std::function<void()> wake_;
    std::mutex mutex_;
    std::deque<Result> results_;
};

} // namespace orvyn
