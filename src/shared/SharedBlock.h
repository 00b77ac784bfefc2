// The shared configuration block: one ConfigBlock, byte for byte, in the
// runtime folder file QIRUNE_HX770_Gaming_Keyboard_Share_Data, guarded by the
// robust mutex in QIRUNE_HX770_Gaming_Keyboard_Mutex_Object. Monitor creates
// both (replacing leftovers of a crash; its instance lock proves no other
// Monitor owns them) and removes them when it ends; Option opens them when
// they exist and never looks again later.
//
// Only whole-block copies cross: publish() and take() wait for the mutex
// (at most kMutexWaitLimit), copy all 84892 bytes and release it. Without a
// block, a mutex, a successful wait or a block file of its full size the
// copy is skipped silently and the result is false; callers still post their
// messages.
#pragma once

#include "platform/SharedFile.h"
#include "shared/ConfigExchange.h"

#include <string>

namespace orvyn {

enum class SharedObjectState {
    Ready,
    Absent, // not created / not found (Monitor is not running)
    Failed, // exists but could not be created or mapped; see error()
};

class SharedConfigBlock final : public ConfigExchange {
public:
    SharedConfigBlock() = default;
    ~SharedConfigBlock() override; // close()

    // Monitor, at start-up: the mutex first, then the block (zero-filled).
    // Either may fail on its own; check the states.
    void create(const std::string &runtimeFolder);
    // Option, at start-up: opens what Monitor made.
    void open(const std::string &runtimeFolder);
    // Unmaps; when created by this object, removes both files.
    void close();

    SharedObjectState blockState() const { return blockState_; }
    SharedObjectState mutexState() const { return mutexState_; }
    bool hasBlock() const { return blockState_ == SharedObjectState::Ready; }
    const std::string &error() const { return error_; }

    // Thread-safe: the process-shared mutex serialises threads as well.
    bool publish(const ConfigBlock &config) override;
    bool take(ConfigBlock &config) override;

private:
    SharedBlockFile block_;
    RobustMutex mutex_;
    SharedObjectState blockState_ = SharedObjectState::Absent;
    SharedObjectState mutexState_ = SharedObjectState::Absent;
    std::string error_;
};

} // namespace orvyn
