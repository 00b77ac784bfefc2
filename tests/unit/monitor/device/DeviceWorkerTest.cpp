// The worker's request sequences against the keyboard model on virtual
// time: which reports go out, in which order, with which pauses, and what
// is saved, published and posted afterwards.
#include "monitor/device/DeviceWorker.h"

#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "DeviceWorkerRig.h"
#include "platform/Trace.h"
#include "protocol/FeatureReports.h"
#include "shared/IniFile.h"

namespace orvyn {
namespace {

using namespace orvyn::test;

void expectRecordedEvents(const MacroKeyInfo &key) {
    ASSERT_EQ(key.eventCount, 4);
    EXPECT_EQ(key.events[0].key, 4);
    EXPECT_EQ(key.events[0].state, kEventPress);
    EXPECT_EQ(key.events[0].delay, 1000);
    EXPECT_EQ(key.events[1].state, kEventRelease);
    EXPECT_EQ(key.events[1].delay, 500);
    EXPECT_EQ(key.events[2].key, 5);
    EXPECT_EQ(key.events[2].delay, 50);
    EXPECT_EQ(key.events[3].delay, 0);
}

// --- apply -------------------------------------------------------------------

TEST(DeviceWorkerApply, OnlyTheColourOfProfileTwoSendsOneLightingReport) {
    Rig rig;
    rig.config.with([](ConfigBlock &c) {
        c.profiles[2].LtColor = 6;
        c.flags.lighting[2] = 1;
    });
    rig.serve(DeviceRequest::ApplyChanges);
    // The apply pauses after each profile's macros even when none is sent.
    EXPECT_EQ(rig.log.entries(), Seq().wait(1000).write("SET 10" + p(2), 100).wait(200).entries());
    EXPECT_EQ(rig.model.profile(2).lighting[6], 6);
    EXPECT_EQ(rig.poster.posted(), std::vector<uint32_t>{WM_APPLY_DONE});
    EXPECT_EQ(rig.exchange.publishCount(), 0);
    EXPECT_FALSE(rig.settingsWritten());
}

TEST(DeviceWorkerApply, NoFlagSendsNothingAndStillAnswersOption) {
    Rig rig;
    rig.serve(DeviceRequest::ApplyChanges);
    EXPECT_EQ(rig.log.entries(), Seq().wait(1000).entries());
    EXPECT_EQ(rig.poster.posted(), std::vector<uint32_t>{WM_APPLY_DONE});
}

TEST(DeviceWorkerApply, EveryFlagSendsEveryPartInOrder) {
    Rig rig;
    rig.config.with([](ConfigBlock &c) {
        c.CurrentProfile = 2;
        for (int q = 0; q < kProfileCount; ++q) {
            ProfileData &d = c.profiles[q];
            d.PollingRate = 1;
            d.standardkey[45] = static_cast<uint8_t>(10 + q);
            d.winKeyLock() = 0;
            d.LtColor = 3;
        }
        // Macros on two keys; the other flagged keys are no macros.
        for (auto [q, s] : {std::pair{1, 2}, {4, 14}}) {
            MacroKeyInfo &k = c.profiles[q].keys[s];
            k.type = 3;
            setFixed(k.macroName, "Sweep");
            k.eventCount = 2;
            k.events[0] = {30, 1, 100};
            k.events[1] = {30, 2, 0};
        }
        ChangeFlags &f = c.flags;
        f.currentProfile = 1;
        for (int q = 0; q < kProfileCount; ++q) {
            f.pollingRate[q] = f.standardKey[q] = f.modifyKey[q] = f.lighting[q] = 1;
            for (int32_t &k : f.keySlot[q])
                k = 1;
        }
    });
    rig.serve(DeviceRequest::ApplyChanges);

    Seq want;
    want.write("SET 5 2", 100).wait(200);
    for (int q = 0; q < 5; ++q)
        want.write("SET 11" + p(q), 100).wait(100);
    for (int q = 0; q < 5; ++q)
        want.write("SET 6" + p(q), 200).wait(200);
    for (int q = 0; q < 5; ++q)
        want.write("SET 7" + p(q), 100).wait(200);
    for (int q = 0; q < 5; ++q)
        want.write("SET 8" + p(q), 200).wait(200);
    for (int q = 0; q < 5; ++q) {
        if (q == 1)
            want.write("SET 9 p1 s2", 200);
        if (q == 4)
            want.write("SET 9 p4 s14", 200);
        want.wait(200);
    }
    for (int q = 0; q < 5; ++q)
        want.write("SET 10" + p(q), 100).wait(200);
    EXPECT_EQ(rig.log.entries(), want.entries());

    // What the keyboard now holds is what the reports said.
    const ConfigBlock c = rig.record();
    EXPECT_EQ(rig.model.currentProfile(), 2);
    for (int q = 0; q < kProfileCount; ++q) {
        const ProfileMemory m = rig.model.profile(q);
        EXPECT_EQ(std::memcmp(m.matrix, encodeKeyMatrix(c.profiles[q], q).data() + 8, 160), 0);
        EXPECT_EQ(m.pollingCode, 8);
        EXPECT_EQ(m.switchBits, 0b111011);
        EXPECT_EQ(m.lighting[6], 3);
    }
    EXPECT_EQ(
        std::memcmp(rig.model.profile(4).macros[14], encodeMacro(c.profiles[4].keys[14], 4, 14).data(), 130),
        0);
    EXPECT_EQ(rig.poster.posted(), std::vector<uint32_t>{WM_APPLY_DONE});
}

TEST(DeviceWorkerApply, ABusyKeyboardIsPolledUntilDone) {
    Rig rig;
    rig.model.setBusyTime(Millis(2000));
    rig.config.with([](ConfigBlock &c) { c.flags.lighting[0] = 1; });
    rig.serve(DeviceRequest::ApplyChanges);
    // Busy at 100 and 1100 ms after the write, done at 2600.
    EXPECT_EQ(rig.log.entries(), Seq()
                                     .wait(1000)
                                     .add("SET 10 p0")
                                     .wait(100)
                                     .add("GET 4")
                                     .wait(1000)
                                     .add("GET 4")
                                     .wait(1500)
                                     .add("GET 4")
                                     .wait(200)
                                     .entries());
}

TEST(DeviceWorkerApply, AKeyboardThatStaysBusyIsPolledTenTimes) {
    Rig rig;
    rig.model.setAlwaysBusy(true);
    rig.config.with([](ConfigBlock &c) { c.flags.currentProfile = 1; });
    rig.serve(DeviceRequest::ApplyChanges);
    Seq want;
    want.add("SET 5 0");
    for (long pause : {100, 1000, 1500, 2000, 2000, 2000, 2000, 2000, 2000, 2000})
        want.wait(pause).add("GET 4");
    want.wait(200 + 1000);
    EXPECT_EQ(rig.log.entries(), want.entries());
    // A failed report does not stop the sequence: Option is still answered.
    EXPECT_EQ(rig.poster.posted(), std::vector<uint32_t>{WM_APPLY_DONE});
}

TEST(DeviceWorkerApply, WithoutOptionTheTracesSaySo) {
    Rig rig;
    rig.poster.optionPresent = false;
    testing::internal::CaptureStderr();
    rig.serve(DeviceRequest::ApplyChanges);
    const std::string traced = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(rig.poster.posted().empty());
    if (traceEnabled()) {
        EXPECT_EQ(traced,
                  "OnApplyAllSetting Don't find Merak Option Dialog\nThread Send Enable OK/Apply Button\n");
    }
}

TEST(DeviceWorkerApply, ACancelEndsTheRequestWithoutAnAnswer) {
    Rig *rigPtr = nullptr;
    Rig rig([&](Millis now) {
        if (now == Millis(300))
            rigPtr->worker.cancelIfBusy();
    });
    rigPtr = &rig;
    rig.config.with([](ConfigBlock &c) {
        c.flags.currentProfile = 1;
        c.flags.lighting[0] = 1;
    });
    rig.serve(DeviceRequest::ApplyChanges);
    // Cancelled during the pause after report 5.
    EXPECT_EQ(rig.log.entries(), Seq().write("SET 5 0", 100).wait(200).entries());
    EXPECT_TRUE(rig.poster.posted().empty());
    EXPECT_FALSE(rig.worker.isBusy());
}

// Option's apply taken while a read-back is under way (or waiting for the
// arrival pause) must not be undone by the keyboard's old values; without a
// read-back in between the record is used as it is.
TEST(DeviceWorkerApply, AnApplyTakenBeforeAReadBackEndsIsNotUndoneByIt) {
    Rig rig;
    prepareKeyboard(rig.model); // the keyboard is on profile 3, colour 7 on profile 5
    ConfigBlock taken = rig.record();
    taken.CurrentProfile = 1;
    taken.flags.currentProfile = 1;
    taken.profiles[4].LtColor = 3;
    taken.flags.lighting[4] = 1;
    rig.config.handOver(taken, 0, Keyboard::Connected);

    rig.worker.serve(
        ThreadMessage{WM_DEVICE_REQUEST, static_cast<int64_t>(DeviceRequest::ReadEverything), 0});
    // What is owed stays the user's; the rest is the keyboard's.
    EXPECT_EQ(rig.record().CurrentProfile, 1);
    EXPECT_EQ(rig.record().profiles[4].PollingRate, 1);
    rig.worker.serve(ThreadMessage{WM_DEVICE_REQUEST, static_cast<int64_t>(DeviceRequest::ApplyChanges), 0});

    EXPECT_EQ(rig.model.currentProfile(), 1);
    EXPECT_EQ(rig.model.profile(4).lighting[6], 3);
    const ConfigBlock c = rig.record();
    EXPECT_EQ(c.CurrentProfile, 1);
    EXPECT_EQ(c.profiles[4].LtColor, 3);
    // Kept, published and announced once, holding what was applied rather
    // than what was read back.
    EXPECT_EQ(rig.exchange.publishCount(), 1);
    EXPECT_EQ(rig.exchange.last().CurrentProfile, 1);
    EXPECT_EQ(rig.exchange.last().profiles[4].LtColor, 3);
    EXPECT_EQ(rig.poster.posted(), (std::vector<uint32_t>{WM_READBACK_DONE, WM_APPLY_DONE}));
    ConfigBlock saved{};
    resetConfig(saved);
    ASSERT_TRUE(rig.store.loadConfig(saved, "x"));
    EXPECT_EQ(saved.CurrentProfile, 1);
    EXPECT_EQ(saved.profiles[4].LtColor, 3);

    // The next apply, taken after the read-back: used as it is, nothing
    // restored or published.
    ConfigBlock next = rig.record();
    next.profiles[0].LtColor = 5;
    next.flags = {};
    next.flags.lighting[0] = 1;
    rig.config.handOver(next, 0, Keyboard::Connected);
    rig.config.with([](ConfigBlock &live) { live.profiles[0].LtColor = 6; }); // a notice meanwhile
    rig.worker.serve(ThreadMessage{WM_DEVICE_REQUEST, static_cast<int64_t>(DeviceRequest::ApplyChanges), 0});
    EXPECT_EQ(rig.model.profile(0).lighting[6], 6);
    EXPECT_EQ(rig.exchange.publishCount(), 1);
}

// --- read everything back -------------------------------------------------------

Seq fullReadBack() {
    Seq want;
    want.add("GET 5").wait(200);
    for (auto [subject, id] : {std::pair{128, 11}, {64, 6}, {80, 7}, {96, 8}})
        for (int q = 0; q < 5; ++q)
            want.read(q, subject, id).wait(200);
    for (int q = 0; q < 5; ++q) {
        if (q == 1)
            want.readMacro(1, 3).wait(500);
        if (q == 3)
            want.readMacro(3, 0).wait(500).readMacro(3, 7).wait(500);
        want.wait(200);
    }
    for (int q = 0; q < 5; ++q)
        want.read(q, 112, 10).wait(200);
    return want;
}

TEST(DeviceWorkerReadBack, EverythingIsReadSavedPublishedAndAnnounced) {
    Rig rig;
    prepareKeyboard(rig.model);
    rig.config.with([](ConfigBlock &c) {
        c.flags.keySlot[3][5] = 1;
        c.flags.lighting[1] = 1;
    });
    rig.serve(DeviceRequest::ReadEverything);

    EXPECT_EQ(rig.log.entries(), fullReadBack().write("SET 16", 100).entries());
    const ConfigBlock c = rig.record();
    EXPECT_EQ(c.CurrentProfile, 2);
    EXPECT_EQ(c.profiles[4].LtColor, 7);
    EXPECT_EQ(c.profiles[4].PollingRate, 1);
    EXPECT_EQ(c.profiles[3].keys[7].type, 3);
    EXPECT_EQ(std::string(getFixed(c.profiles[3].keys[7].macroName)), "Pro4-M3");
    EXPECT_EQ(std::string(getFixed(c.profiles[1].keys[3].macroName)), "Pro2-M14");
    expectRecordedEvents(c.profiles[3].keys[0]);
    // Per-key flags cleared; the others are not the read-back's.
    EXPECT_EQ(c.flags.keySlot[3][5], 0);
    EXPECT_EQ(c.flags.lighting[1], 1);

    EXPECT_EQ(rig.model.closingCount(), 1);
    EXPECT_EQ(rig.exchange.publishCount(), 1);
    const ConfigBlock published = rig.exchange.last();
    EXPECT_EQ(std::memcmp(&published, &c, sizeof c), 0);
    EXPECT_EQ(rig.poster.posted(), std::vector<uint32_t>{WM_READBACK_DONE});

    ConfigBlock saved{};
    resetConfig(saved);
    ASSERT_TRUE(rig.store.loadConfig(saved, "x"));
    EXPECT_EQ(saved.CurrentProfile, 2);
    EXPECT_EQ(std::memcmp(&saved.profiles, &c.profiles, sizeof c.profiles), 0);
}

TEST(DeviceWorkerReadBack, AMacroReadIsTriedThreeTimes) {
    Rig rig;
    prepareKeyboard(rig.model);
    rig.link.failGets(9, 2);
    rig.serve(DeviceRequest::ReadEverything);
    Seq want;
    want.add("GET 5").wait(200);
    for (auto [subject, id] : {std::pair{128, 11}, {64, 6}, {80, 7}, {96, 8}})
        for (int q = 0; q < 5; ++q)
            want.read(q, subject, id).wait(200);
    // Two failures, each followed by 500 ms; no pause after the third try.
    want.wait(200).readMacro(1, 3).wait(500).readMacro(1, 3).wait(500).readMacro(1, 3).wait(200);
    want.wait(200).readMacro(3, 0).wait(500).readMacro(3, 7).wait(500).wait(200).wait(200);
    for (int q = 0; q < 5; ++q)
        want.read(q, 112, 10).wait(200);
    want.write("SET 16", 100);
    EXPECT_EQ(rig.log.entries(), want.entries());
    EXPECT_EQ(rig.exchange.publishCount(), 1);
}

TEST(DeviceWorkerReadBack, AMacroThatFailsThreeTimesEndsTheMacrosButNotTheRequest) {
    Rig rig;
    prepareKeyboard(rig.model);
    rig.link.failGets(9, 3);
    rig.serve(DeviceRequest::ReadEverything);
    const Entries log = rig.log.entries();
    // Profile 3's macros are never asked for; lighting still is.
    EXPECT_EQ(std::count(log.begin(), log.end(), "SET 4 p3 s0"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "SET 4 p4 s112"), 1);
    EXPECT_EQ(rig.exchange.publishCount(), 1);
    EXPECT_EQ(rig.poster.posted(), std::vector<uint32_t>{WM_READBACK_DONE});
}

TEST(DeviceWorkerReadBack, AFailedReadIsTriedOnceMoreThenTheOldRecordIsKept) {
    // Once: the whole read-back runs again after a pause, and completes.
    {
        Rig rig;
        prepareKeyboard(rig.model);
        rig.link.failGets(6, 1);
        rig.serve(DeviceRequest::ReadEverything);
        Seq want;
        want.add("GET 5").wait(200);
        for (int q = 0; q < 5; ++q)
            want.read(q, 128, 11).wait(200);
        want.read(0, 64, 6).wait(1000).add("GET 5");
        const Entries log = rig.log.entries();
        ASSERT_GE(log.size(), want.entries().size());
        EXPECT_EQ(Entries(log.begin(), log.begin() + static_cast<std::ptrdiff_t>(want.entries().size())),
                  want.entries());
        EXPECT_EQ(std::count(log.begin(), log.end(), "SET 16"), 1);
        EXPECT_EQ(rig.exchange.publishCount(), 1);
        EXPECT_EQ(rig.poster.posted(), std::vector<uint32_t>{WM_READBACK_DONE});
        EXPECT_TRUE(rig.settingsWritten());
    }
    // Twice: it ends unsaved with the closing report.
    Rig rig;
    prepareKeyboard(rig.model);
    rig.link.failGets(6, 2);
    rig.serve(DeviceRequest::ReadEverything);
    Seq want;
    for (int attempt = 0; attempt < 2; ++attempt) {
        want.add("GET 5").wait(200);
        for (int q = 0; q < 5; ++q)
            want.read(q, 128, 11).wait(200);
        want.read(0, 64, 6);
        if (attempt == 0)
            want.wait(1000);
    }
    want.write("SET 16", 100);
    EXPECT_EQ(rig.log.entries(), want.entries());
    // Nothing of it reaches the record, the files, the block or Option.
    EXPECT_EQ(rig.record().CurrentProfile, 0);
    EXPECT_EQ(rig.exchange.publishCount(), 0);
    EXPECT_TRUE(rig.poster.posted().empty());
    EXPECT_FALSE(rig.settingsWritten());
}

TEST(DeviceWorkerReadBack, ACancelAtAnyMomentEndsItWithin100Milliseconds) {
    // The length of a whole read-back on this keyboard.
    Millis total{0};
    {
        Rig rig;
        prepareKeyboard(rig.model);
        rig.serve(DeviceRequest::ReadEverything);
        total = rig.clock.now();
    }
    ASSERT_GT(total, Millis(10000));
    for (Millis at{100}; at < total - Millis(200); at += Millis(100)) {
        Rig *rigPtr = nullptr;
        Millis cancelledAt{-1};
        Rig rig([&](Millis now) {
            if (cancelledAt < Millis(0) && now >= at) {
                cancelledAt = now;
                rigPtr->worker.cancelIfBusy();
            }
        });
        rigPtr = &rig;
        prepareKeyboard(rig.model);
        rig.serve(DeviceRequest::ReadEverything);
        ASSERT_GE(cancelledAt, Millis(0)) << at.count();
        EXPECT_LE(rig.clock.now() - cancelledAt, Millis(100)) << "cancelled at " << at.count();
        const Entries log = rig.log.entries();
        ASSERT_FALSE(log.empty());
        // Report 16 is still attempted, and the record goes nowhere.
        EXPECT_EQ(std::count(log.begin(), log.end(), "SET 16"), 1) << at.count();
        EXPECT_EQ(rig.model.closingCount(), 1);
        EXPECT_EQ(rig.exchange.publishCount(), 0) << at.count();
        EXPECT_TRUE(rig.poster.posted().empty()) << at.count();
        EXPECT_FALSE(rig.settingsWritten()) << at.count();
        if (HasFailure())
            break;
    }
}

// --- single requests ----------------------------------------------------------

TEST(DeviceWorkerRequests, WriteCurrentProfile) {
    Rig rig;
    rig.config.with([](ConfigBlock &c) { c.CurrentProfile = 4; });
    rig.serve(DeviceRequest::WriteCurrentProfile);
    EXPECT_EQ(rig.log.entries(), Seq().write("SET 5 4", 100).entries());
    EXPECT_EQ(rig.model.currentProfile(), 4);
    EXPECT_TRUE(rig.poster.posted().empty());
}

struct RecordedCase {
    int profile;
    int64_t eventData; // low byte = slot + 1
    int slot;
    const char *name;
};

class DeviceWorkerRecordedMacro : public ::testing::TestWithParam<RecordedCase> {};

TEST_P(DeviceWorkerRecordedMacro, IsReadNamedWrittenBackPublishedAndSaved) {
    const RecordedCase rc = GetParam();
    Rig rig;
    rig.model.setCurrentProfile(rc.profile);
    ASSERT_TRUE(rig.model.recordMacro(rc.slot, kRecordedSteps));
    rig.config.with([&](ConfigBlock &c) { c.CurrentProfile = rc.profile; });
    rig.serve(DeviceRequest::ReadRecordedMacro, rc.eventData);

    const std::string slotText = " s" + std::to_string(rc.slot);
    EXPECT_EQ(rig.log.entries(), Seq()
                                     .wait(300)
                                     .read(rc.profile, 96, 8)
                                     .wait(200)
                                     .readMacro(rc.profile, rc.slot)
                                     .wait(200)
                                     .write("SET 9" + p(rc.profile) + slotText, 200)
                                     .write("SET 17", 100)
                                     .entries());
    const ConfigBlock c = rig.record();
    const MacroKeyInfo &key = c.profiles[rc.profile].keys[rc.slot];
    EXPECT_EQ(key.type, 3);
    EXPECT_EQ(std::string(getFixed(key.macroName)), rc.name);
    expectRecordedEvents(key);
    // The keyboard now holds the name too.
    const ProfileMemory m = rig.model.profile(rc.profile);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(m.macros[rc.slot] + 5)), rc.name);

    const AccessCode code = makeAccessCode(kTestCodeSeconds);
    EXPECT_EQ(std::memcmp(rig.model.accessCode().data(), code.bytes, 16), 0);
    AccessCode stored{};
    ASSERT_TRUE(IniFile(rig.store.configIniPath()).readBlock("HidAccessCode", "Code", stored.bytes, 16));
    EXPECT_EQ(std::memcmp(stored.bytes, code.bytes, 16), 0);

    EXPECT_EQ(rig.exchange.publishCount(), 1);
    EXPECT_EQ(rig.poster.posted(), std::vector<uint32_t>{WM_READBACK_DONE});
    ProfileData saved{};
    ASSERT_TRUE(SettingsStore::loadProfile(saved, rig.store.profilePath(rc.profile)));
    EXPECT_EQ(std::string(getFixed(saved.keys[rc.slot].macroName)), rc.name);
}

INSTANTIATE_TEST_SUITE_P(Slots, DeviceWorkerRecordedMacro,
                         ::testing::Values(RecordedCase{0, 0x0001, 0, "Pro1-M11"},
                                           RecordedCase{2, 0x0306, 5, "Pro3-M1"}));

TEST(DeviceWorkerRequests, ARecordedMacroForNoSlotIsIgnored) {
    for (int64_t data : {0x00, 0x10, 0xFF, 0x100}) {
        Rig rig;
        rig.serve(DeviceRequest::ReadRecordedMacro, data);
        EXPECT_TRUE(rig.log.entries().empty()) << data;
    }
}

TEST(DeviceWorkerRequests, AFailedRecordedMacroReadWritesAndPublishesNothing) {
    Rig rig;
    ASSERT_TRUE(rig.model.recordMacro(2, kRecordedSteps));
    const ProfileMemory before = rig.model.profile(0);
    rig.link.failGets(9, 1);
    rig.serve(DeviceRequest::ReadRecordedMacro, 3);
    // The stale record must not overwrite what was just recorded.
    const ProfileMemory after = rig.model.profile(0);
    EXPECT_EQ(std::memcmp(before.macros[2], after.macros[2], 130), 0);
    const Entries log = rig.log.entries();
    EXPECT_EQ(std::count(log.begin(), log.end(), "SET 9 p0 s2"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "SET 17"), 0);
    EXPECT_EQ(rig.exchange.publishCount(), 0);
    EXPECT_FALSE(rig.settingsWritten());
}

TEST(DeviceWorkerRequests, ARecordedMacroWithoutACurrentProfileIsNotRead) {
    Rig rig;
    rig.config.with([](ConfigBlock &c) { c.CurrentProfile = -1; });
    rig.serve(DeviceRequest::ReadRecordedMacro, 1);
    EXPECT_EQ(rig.log.entries(), Seq().wait(300).entries());
    EXPECT_EQ(rig.exchange.publishCount(), 0);
}

TEST(DeviceWorkerRequests, RequestsWhileNotConnectedAreDropped) {
    for (KeyboardState state : {KeyboardState::NotFound, KeyboardState::Removed}) {
        Rig rig;
        rig.worker.setKeyboardState(state);
        rig.config.with([](ConfigBlock &c) { c.flags.lighting[0] = 1; });
        for (auto request : {DeviceRequest::ApplyChanges, DeviceRequest::ReadEverything,
                             DeviceRequest::WriteCurrentProfile, DeviceRequest::ReadRecordedMacro})
            rig.serve(request, 1);
        EXPECT_TRUE(rig.log.entries().empty());
        EXPECT_TRUE(rig.poster.posted().empty());
        EXPECT_EQ(rig.exchange.publishCount(), 0);
    }
}

TEST(DeviceWorkerRequests, OtherMessagesAndRequestNumbersAreIgnored) {
    Rig rig;
    rig.worker.serve(ThreadMessage{WM_DEVICE_REQUEST + 1, 1, 0});
    rig.worker.serve(ThreadMessage{WM_DEVICE_REQUEST, 5, 0});
    rig.worker.serve(ThreadMessage{WM_DEVICE_REQUEST, 0, 0});
    EXPECT_TRUE(rig.log.entries().empty());
    EXPECT_TRUE(rig.poster.posted().empty());
}

} // namespace
} // namespace orvyn
