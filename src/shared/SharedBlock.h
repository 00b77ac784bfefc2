// The shared configuration block: one ConfigBlock, byte for byte, in the
// runtime folder file QIRUNE_HX770_Gaming_Keyboard_Share_Data, guarded by the
// robust mutex in QIRUNE_HX770_Gaming_Keyboard_Mutex_Object. Monitor creates
// both (replacing leftovers of a crash; its instance lock proves no other
// Monitor owns them) and removes them when it ends. Option may start before
// Monitor and outlive a Monitor that is restarted, so its side looks again
// before every copy and follows the files now in place.
//
// A block file outlives a Monitor that was killed. Option and vantorctl
// count it as live only while a Monitor runs (MonitorMustRun); otherwise
// they work from the settings files as when Monitor is not running, and the
// next Monitor replaces the file.
//
// Only whole-block copies cross: publish() and take() wait for the mutex
// (at most kMutexWaitLimit), copy all 84892 bytes and release it. Without a
// block, a mutex, a successful wait or a block file of its full size the
// copy is skipped and the result is false.
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

// Whether a Monitor runs for `runtimeFolder`: it holds its instance lock,
// or (when the lock table cannot tell) something answers at its endpoint.
bool monitorRunning(const std::string &runtimeFolder);

enum class BlockOwner {
    Any,           // whatever files are in place
    MonitorMustRun // only while monitorRunning()
};

class SharedConfigBlock final : public ConfigExchange {
public:
    SharedConfigBlock() = default;
    ~SharedConfigBlock() override; // close()

    // Monitor, at start-up: the mutex first, then the block (zero-filled).
    // Either may fail on its own; check the states.
    void create(const std::string &runtimeFolder);
    // Option, at start-up: opens what Monitor made, if it is there. From then
    // on every publish() and take() first calls attach().
    void open(const std::string &runtimeFolder, BlockOwner owner = BlockOwner::Any);
    // Option: makes sure the block and mutex held are the ones now at their
    // names (by device and inode), opening them when none is held and again
    // when a Monitor that started since has put new ones in place, and
    // letting them go while no Monitor runs (MonitorMustRun). True when both
    // are mapped. Monitor's own objects are never replaced.
    bool attach();
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
    enum class Side { None, Owner, Peer };
    void openObjects();

    Side side_ = Side::None;
    BlockOwner owner_ = BlockOwner::Any;
    std::string folder_;
    SharedBlockFile block_;
    RobustMutex mutex_;
    SharedObjectState blockState_ = SharedObjectState::Absent;
    SharedObjectState mutexState_ = SharedObjectState::Absent;
    std::string error_;
};

} // namespace orvyn
