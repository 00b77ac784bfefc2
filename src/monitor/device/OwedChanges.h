// What Monitor still owes the keyboard: the parts of the configuration that
// applies have handed over and no write has yet delivered, the record their
// values come from, and the tokens of the hand-overs waiting for an answer.
//
// Monitor's main thread owns the record; it gives this object a copy after
// every change it makes, and adds each hand-over's flags. The device worker
// takes everything owed when it serves an apply (so overlapping hand-overs
// add up and nothing is sent twice), and gives back what the keyboard
// refused, which the next apply sends again. A read-back lays the owed
// values over what it read, so a change handed over while the keyboard was
// being read is not undone by the keyboard's old values.
//
// Every member takes the object's own lock for that call only.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "shared/ConfigBlock.h"

namespace orvyn {

// The parts of the record that reach the keyboard, as change flags name
// them: the current profile, and per profile the key matrix, switches,
// lighting, polling rate and each key slot. Imported, hddKeyboard and the
// unused flags name nothing the keyboard holds.
bool anyKeyboardPart(const ChangeFlags &parts);
// `into` |= `more`, part by part.
void addParts(ChangeFlags &into, const ChangeFlags &more);
// Every keyboard part set.
ChangeFlags allKeyboardParts();
// Copies the fields of each part set in `parts` from `from` into `to`.
void copyKeyboardParts(const ConfigBlock &from, ConfigBlock &to, const ChangeFlags &parts);
// The parts set in `all` but not in `except`.
ChangeFlags partsExcept(const ChangeFlags &all, const ChangeFlags &except);

class OwedChanges {
public:
    // One apply's share: the record to encode from, what to send, and the
    // hand-overs it answers.
    struct Batch {
        std::shared_ptr<const ConfigBlock> record;
        ChangeFlags parts{};
        std::vector<int64_t> tokens;
    };

    // --- Monitor's main thread -------------------------------------------------
    // The record as it now is; keeps the owed parts and the waiting tokens.
    void setRecord(const ConfigBlock &record);
    // A hand-over: `record` is the record after it, `parts` what it flagged.
    void handOver(const ConfigBlock &record, const ChangeFlags &parts, int64_t token);
    // The keyboard went: nothing is owed to it any more (its arrival reads it
    // back). Returns the tokens that were still waiting.
    std::vector<int64_t> forget();
    ChangeFlags parts() const;
    bool empty() const;

    // --- the device worker -----------------------------------------------------
    // The latest record (never null).
    std::shared_ptr<const ConfigBlock> record() const;
    // Everything owed and every waiting token, now the worker's.
    Batch take();
    // Parts of a batch the keyboard did not take: owed again.
    void giveBack(const ChangeFlags &parts);
    // Lays the values of the owed parts over a record just read back.
    void overlay(ConfigBlock &readBack) const;

private:
    mutable std::mutex mutex_;
    std::shared_ptr<const ConfigBlock> record_ = std::make_shared<const ConfigBlock>();
    ChangeFlags parts_{};
    std::vector<int64_t> tokens_;
};

} // namespace orvyn
