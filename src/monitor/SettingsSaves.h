// Monitor's writes of its record to the settings files, from the main
// thread and the device worker. A write that fails leaves the files behind
// the record: the user is told once (until a write succeeds again), and
// every later write of any kind writes the whole record until one does.
#pragma once

#include <functional>
#include <mutex>
#include <string>

#include "shared/ConfigBlock.h"
#include "shared/SettingsStore.h"

namespace orvyn {

class SettingsSaves {
public:
    // Called on the thread whose write failed, once per run of failures;
    // lastFailure() then says what went wrong.
    using Tell = std::function<void()>;

    // `store` may be null (no settings folder): nothing is written.
    SettingsSaves(SettingsStore *store, Tell tell) : store_(store), tell_(std::move(tell)) {}

    void saveConfig(const ConfigBlock &config);
    // CurrentProfile alone, or the whole record while the files are behind.
    void saveCurrentProfile(const ConfigBlock &config);
    // The access code, then the whole record.
    void saveAccessCode(const AccessCode &code, const ConfigBlock &config);

    bool behind() const;
    // The files and reasons of the last failed write, one per line.
    std::string lastFailure() const;

private:
    struct Written {
        bool ok;
        bool wholeRecord;
    };
    // Runs `writes` under the lock and settles what it means for the files
    // and the user.
    void write(const std::function<Written(SaveFailures &)> &writes);

    SettingsStore *store_;
    Tell tell_;
    // Held across the writes: a partial write must not pass a whole one
    // that is still failing on the other thread.
    mutable std::mutex mutex_;
    bool behind_ = false;
    bool told_ = false;
    std::string lastFailure_;
};

} // namespace orvyn
