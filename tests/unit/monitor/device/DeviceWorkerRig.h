// The device worker wired to the keyboard model on virtual time, and the
// expected report sequences, for the worker's tests.
#pragma once

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "DeviceTestSupport.h"
#include "monitor/DeviceOutcomes.h"
#include "monitor/RecordKeeper.h"
#include "monitor/device/DeviceWorker.h"

namespace orvyn::test {

using Entries = std::vector<std::string>;

inline constexpr uint32_t kTestCodeSeconds = 0x5F001234;

// The expected log, built the way SequenceLog records it.
class Seq {
public:
    Seq &add(const std::string &entry) {
        entries_.push_back(entry);
        return *this;
    }
    Seq &wait(long ms) {
        if (!entries_.empty() && entries_.back().rfind("wait ", 0) == 0)
            entries_.back() = "wait " + std::to_string(std::stol(entries_.back().substr(5)) + ms);
        else
            entries_.push_back("wait " + std::to_string(ms));
        return *this;
    }
    // A write the keyboard finishes at once: the report, its first pause,
    // one status read.
    Seq &write(const std::string &set, long firstPause) { return add(set).wait(firstPause).add("GET 4"); }
    Seq &read(int p, int subject, int id) {
        return add("SET 4 p" + std::to_string(p) + " s" + std::to_string(subject))
            .wait(200)
            .add("GET " + std::to_string(id));
    }
    Seq &readMacro(int p, int s) {
        return add("SET 4 p" + std::to_string(p) + " s" + std::to_string(s))
            .wait(300)
            .add("GET 4")
            .add("GET 9");
    }
    const Entries &entries() const { return entries_; }

private:
    Entries entries_;
};

inline std::string p(int profile) {
    return " p" + std::to_string(profile);
}

// Everything one worker needs, wired to the keyboard model.
struct Rig {
    test::TempFolders folders;
    VirtualClock clock;
    KeyboardModel model{clock};
    SequenceLog log;
    ModelModule link{model, log};
    SettingsStore store{folders.home()};
    RecordingExchange exchange;
    RecordingPoster poster;
    DeviceOutcomes outcomes{&store, &exchange, poster, {}};
    // Monitor's record; the worker's results reach it at once here, where
    // Monitor hands them to its main thread.
    RecordKeeper config{outcomes};
    WorkerMailbox mailbox{outcomes, [this] { mailbox.deliverTo(config); }};
    DeviceWorker worker{DeviceWorkerServices{link, clock, config.owed(), mailbox,
                                             [] { return makeAccessCode(kTestCodeSeconds); }}};

    explicit Rig(std::function<void(Millis)> afterPause = {}) {
        config.with([](ConfigBlock &c) { makeDefaultConfig(c, "Profile"); });
        worker.setKeyboardState(KeyboardState::Connected);
        log.attach(clock, std::move(afterPause));
    }
    // An apply serves what the record's change flags name, as Option's
    // hand-over of this record would.
    void serve(DeviceRequest request, int64_t argument = 0) {
        if (request == DeviceRequest::ApplyChanges)
            config.handOver(config.record(), 0, Keyboard::Connected);
        worker.serve(ThreadMessage{WM_DEVICE_REQUEST, static_cast<int64_t>(request), argument});
    }
    ConfigBlock record() const { return config.record(); }
    bool settingsWritten() const {
        return std::filesystem::exists(store.configIniPath()) ||
               std::filesystem::exists(store.profilePath(0));
    }
};

// A macro recorded on the keyboard: A down, 1 s, A up, 0.5 s, B down+up.
inline const std::vector<RecordedStep> kRecordedSteps = {
    {4, false, 0}, {4, true, 20}, {5, false, 10}, {5, true, 1}};

// Keyboard memory for the read-backs: macros on profile 1 slot 3 and
// profile 3 slots 0 and 7, current profile 2, a changed lighting colour.
inline void prepareKeyboard(KeyboardModel &model) {
    model.setCurrentProfile(1);
    ASSERT_TRUE(model.recordMacro(3, kRecordedSteps));
    model.setCurrentProfile(3);
    ASSERT_TRUE(model.recordMacro(0, kRecordedSteps));
    ASSERT_TRUE(model.recordMacro(7, kRecordedSteps));
    model.setCurrentProfile(2);
    ProfileMemory m = model.profile(4);
    m.lighting[6] = 7;
    m.pollingCode = 8;
    model.setProfile(4, m);
}

} // namespace orvyn::test
