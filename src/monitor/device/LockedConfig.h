// Monitor's own configuration record, shared by its main thread and the
// device worker. Every access holds the lock for that access only, never
// across a pause or a call into the device module, so the main thread is
// never held up by a running read-back. Copies into and out of the shared
// block are made from snapshots, under the block's own named mutex.
#pragma once

#include <mutex>
#include <utility>

#include "shared/ConfigBlock.h"

namespace orvyn {

class LockedConfig {
public:
    LockedConfig() = default;
    LockedConfig(const LockedConfig &) = delete;
    LockedConfig &operator=(const LockedConfig &) = delete;

    // Runs f(ConfigBlock &) under the lock and returns what it returns.
    template <typename F> decltype(auto) with(F &&f) {
        std::lock_guard lock(mutex_);
        return std::forward<F>(f)(config_);
    }
    template <typename F> decltype(auto) with(F &&f) const {
        std::lock_guard lock(mutex_);
        return std::forward<F>(f)(static_cast<const ConfigBlock &>(config_));
    }

    void copyTo(ConfigBlock &out) const {
        std::lock_guard lock(mutex_);
        out = config_;
    }
    void assign(const ConfigBlock &in) {
        std::lock_guard lock(mutex_);
        config_ = in;
    }

private:
    mutable std::mutex mutex_;
    ConfigBlock config_{};
};

} // namespace orvyn
