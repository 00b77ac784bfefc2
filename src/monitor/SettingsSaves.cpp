#include "monitor/SettingsSaves.h"

namespace orvyn {

void SettingsSaves::saveConfig(const ConfigBlock &config) {
    write([&](SaveFailures &failures) { return Written{store_->saveConfig(config, &failures), true}; });
}

void SettingsSaves::saveCurrentProfile(const ConfigBlock &config) {
    write([&](SaveFailures &failures) {
        if (behind_)
            return Written{store_->saveConfig(config, &failures), true};
        return Written{store_->writeCurrentProfile(config.CurrentProfile, &failures), false};
    });
}

void SettingsSaves::saveAccessCode(const AccessCode &code, const ConfigBlock &config) {
    write([&](SaveFailures &failures) {
        const bool codeWritten = store_->writeAccessCode(code, &failures);
        return Written{store_->saveConfig(config, &failures) && codeWritten, true};
    });
}

bool SettingsSaves::behind() const {
    std::lock_guard lock(mutex_);
    return behind_;
}

std::string SettingsSaves::lastFailure() const {
    std::lock_guard lock(mutex_);
    return lastFailure_;
}

void SettingsSaves::write(const std::function<Written(SaveFailures &)> &writes) {
    if (!store_)
        return;
    bool tellNow = false;
    {
        std::lock_guard lock(mutex_);
        SaveFailures failures;
        const Written written = writes(failures);
        if (written.ok) {
            // Only the whole record written brings the files level again.
            if (written.wholeRecord) {
                behind_ = false;
                told_ = false;
            }
        } else {
            behind_ = true;
            lastFailure_.clear();
            for (const std::string &line : failures)
                lastFailure_ += (lastFailure_.empty() ? "" : "\n") + line;
            if (lastFailure_.empty())
                lastFailure_ = store_->folder() + ": the settings could not be written";
            tellNow = !told_;
            told_ = true;
        }
    }
    // Outside the lock: the one told may ask lastFailure() at once.
    if (tellNow && tell_)
        tell_();
}

} // namespace orvyn
