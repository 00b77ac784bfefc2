// Test doubles for the device worker: a device module onto the in-process keyboard
// model that logs every report, a log that interleaves those reports with
// the virtual clock's pauses, and recording fakes of the poster and the
// shared block.
#pragma once

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unistd.h>
#include <vector>

#include "kbsim/KeyboardModel.h"
#include "monitor/device/DeviceModule.h"
#include "platform/Clock.h"
#include "platform/MessagePoster.h"
#include "shared/ConfigExchange.h"
#include "shared/Messages.h"

namespace orvyn::test {

// The reports and pauses of a sequence, in order. Consecutive pauses are
// summed into one "wait N" entry.
class SequenceLog {
public:
    void add(const std::string &entry) {
        std::lock_guard lock(mutex_);
        entries_.push_back(entry);
    }
    void addWait(long ms) {
        std::lock_guard lock(mutex_);
        if (!entries_.empty() && entries_.back().rfind("wait ", 0) == 0) {
            const long before = std::stol(entries_.back().substr(5));
            entries_.back() = "wait " + std::to_string(before + ms);
        } else {
            entries_.push_back("wait " + std::to_string(ms));
        }
    }
    std::vector<std::string> entries() const {
        std::lock_guard lock(mutex_);
        return entries_;
    }
    void clear() {
        std::lock_guard lock(mutex_);
        entries_.clear();
    }
    // Logs every pause of `clock`; `then` runs after each one (at the new
    // virtual time), for example to cancel at a chosen moment.
    void attach(VirtualClock &clock, std::function<void(Millis)> then = {}) {
        auto last = std::make_shared<Millis>(clock.now());
        clock.setAfterSleep([this, last, then](Millis now) {
            addWait((now - *last).count());
            *last = now;
            if (then)
                then(now);
        });
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> entries_;
};

// "SET 10 p2", "SET 4 p0 s96", "SET 5 3", "SET 16", "GET 8": what a report
// is, without its body.
inline std::string describeSet(const uint8_t *r, uint32_t length) {
    if (length == 0)
        return "SET ?";
    const int id = r[0];
    std::string s = "SET " + std::to_string(id);
    if (id == 4 && length >= 3)
        s += " p" + std::to_string(r[1]) + " s" + std::to_string(r[2]);
    else if (id == 5 && length >= 3)
        s += " " + std::to_string(r[2]);
    else if (id >= 6 && id <= 11 && length >= 3)
        s += " p" + std::to_string(r[2]);
    if (id == 9 && length >= 4)
        s += " s" + std::to_string(r[3]);
    return s;
}

// A DeviceModule onto a KeyboardModel that logs each call and can be told to
// fail reads of one report id.
class ModelModule final : public DeviceModule {
public:
    ModelModule(KeyboardModel &model, SequenceLog &log) : model_(model), log_(log) {}

    bool openDevMonitor(DevBridgeSink *, uint32_t, uint32_t) override { return true; }
    bool openFeatureDevice() override { return true; }
    void closeFeatureDevice() override {}
    void closeDevMonitor() override {}
    bool setFeature(uint8_t *report, uint32_t length) override {
        log_.add(describeSet(report, length));
        {
            std::lock_guard lock(mutex_);
            auto failing = failSets_.find(report[0]);
            if (failing != failSets_.end() && failing->second > 0) {
                --failing->second;
                return false;
            }
        }
        return model_.setFeature(report, length);
    }
    bool getFeature(uint8_t *report, uint32_t length) override {
        const int id = report[0];
        log_.add("GET " + std::to_string(id));
        std::lock_guard lock(mutex_);
        auto failing = failGets_.find(id);
        if (failing != failGets_.end() && failing->second > 0) {
            --failing->second;
            return false;
        }
        return model_.getFeature(report, length);
    }
    // The next `count` reads of report `id` fail.
    void failGets(int id, int count) {
        std::lock_guard lock(mutex_);
        failGets_[id] = count;
    }
    // The next `count` writes of report `id` are refused.
    void failSets(int id, int count) {
        std::lock_guard lock(mutex_);
        failSets_[id] = count;
    }

private:
    KeyboardModel &model_;
    SequenceLog &log_;
    std::mutex mutex_;
    std::map<int, int> failGets_;
    std::map<int, int> failSets_;
};

class RecordingPoster final : public MessagePoster {
public:
    std::atomic<bool> optionPresent{true};

    bool exists(const std::string &title) override { return title == kOptionTitle && optionPresent; }
    bool post(const std::string &title, const PostedMessage &message) override {
        std::lock_guard lock(mutex_);
        if (!exists(title))
            return false;
        posted_.push_back(message.message);
        if (message.message == WM_APPLY_DONE)
            answers_.emplace_back(message.wParam, message.lParam);
        return true;
    }
    using MessagePoster::post;
    std::vector<uint32_t> posted() const {
        std::lock_guard lock(mutex_);
        return posted_;
    }
    // Every 1256 as (token, answer).
    std::vector<std::pair<int64_t, int64_t>> answers() const {
        std::lock_guard lock(mutex_);
        return answers_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<uint32_t> posted_;
    std::vector<std::pair<int64_t, int64_t>> answers_;
};

class RecordingExchange final : public ConfigExchange {
public:
    bool publish(const ConfigBlock &config) override {
        std::lock_guard lock(mutex_);
        ++publishCount_;
        last_ = config;
        return true;
    }
    bool take(ConfigBlock &config) override {
        std::lock_guard lock(mutex_);
        config = last_;
        return true;
    }
    int publishCount() const {
        std::lock_guard lock(mutex_);
        return publishCount_;
    }
    ConfigBlock last() const {
        std::lock_guard lock(mutex_);
        return last_;
    }

private:
    mutable std::mutex mutex_;
    int publishCount_ = 0;
    ConfigBlock last_{};
};

// A private settings folder (with config/) and runtime folder for one test.
class TempFolders {
public:
    TempFolders() {
        char pattern[] = "/tmp/orvyn-device-test-XXXXXX";
        const char *made = mkdtemp(pattern);
        root_ = made ? made : "/tmp/orvyn-device-test-fallback";
        std::filesystem::create_directories(root_ + "/home/config");
        std::filesystem::create_directories(root_ + "/run");
        std::filesystem::permissions(root_ + "/run", std::filesystem::perms::owner_all);
        setenv("ORVYN_VANTOR_HOME", (root_ + "/home/").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root_ + "/run").c_str(), 1);
    }
    ~TempFolders() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    std::string home() const { return root_ + "/home/"; }

private:
    std::string root_;
};

} // namespace orvyn::test
