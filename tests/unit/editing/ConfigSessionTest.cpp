#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sys/stat.h>

#include "OptionFakes.h"
#include "editing/ConfigSession.h"
#include "shared/IniFile.h"
#include "shared/Messages.h"
#include "support/FileAccess.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

using namespace orvyn::testing;
namespace fs = std::filesystem;

std::unique_ptr<ConfigBlock> defaults() {
    auto c = std::make_unique<ConfigBlock>();
    std::memset(c.get(), 0, sizeof(ConfigBlock));
    makeDefaultConfig(*c, "Profile");
    return c;
}

class ConfigSessionTest : public ::testing::Test {
protected:
    ConfigSessionTest() {
        fs::create_directories(dir_.file("config"));
        session_.setView(&view_);
    }
    void writeFirmware(int v) {
        ASSERT_TRUE(IniFile(settings_.configIniPath()).writeNumber("Setting", "FWVersion", v));
    }
    bool filesExist() const {
        return fs::exists(settings_.configIniPath()) || fs::exists(settings_.profilePath(0));
    }
    const PostedMessage &lastPost() const { return poster_.posted.back(); }

    test::TempDir dir_;
    SettingsStore settings_{dir_.folder()};
    FakePoster poster_;
    FakeTexts texts_;
    FakeExchange exchange_;
    FakeView view_;
    ConfigSession session_{settings_, poster_, texts_, dir_.file("config/sequence.dat")};
};

TEST(FirmwareVersion, StartUpRangeAndReadBackRange) {
    EXPECT_EQ(formatFirmwareVersion(105, FirmwareRange::StartUp), "1.05");
    EXPECT_EQ(formatFirmwareVersion(100, FirmwareRange::StartUp), "1.00");
    EXPECT_EQ(formatFirmwareVersion(500, FirmwareRange::StartUp), "5.00");
    EXPECT_EQ(formatFirmwareVersion(99, FirmwareRange::StartUp), "N/A");
    EXPECT_EQ(formatFirmwareVersion(501, FirmwareRange::StartUp), "N/A");
    EXPECT_EQ(formatFirmwareVersion(-5, FirmwareRange::StartUp), "N/A");
    EXPECT_EQ(formatFirmwareVersion(501, FirmwareRange::AfterReadBack), "5.01");
    EXPECT_EQ(formatFirmwareVersion(1234, FirmwareRange::AfterReadBack), "1.234");
    EXPECT_EQ(formatFirmwareVersion(99, FirmwareRange::AfterReadBack), "N/A");
}

TEST_F(ConfigSessionTest, StartWithoutMonitorLoadsFilesOrDefaults) {
    writeFirmware(99);
    session_.initialize(nullptr);
    EXPECT_EQ(session_.firmwareText(), "N/A");
    EXPECT_EQ(session_.versionLine(), "Driver V1.03-Firmware VN/A");
    // Fresh folder: every profile at its defaults and profile 0 current.
    EXPECT_EQ(session_.working().CurrentProfile, 0);
    EXPECT_STREQ(session_.working().profiles[2].ProFileName, "Profile #3");
    EXPECT_EQ(std::memcmp(&session_.working(), &session_.saved(), sizeof(ConfigBlock)), 0);
    ASSERT_EQ(view_.refreshes.size(), 1u);
    EXPECT_EQ(view_.refreshes[0], 0);
    // The (empty) library file is written at start-up.
    EXPECT_TRUE(fs::exists(dir_.file("config/sequence.dat")));
}

TEST_F(ConfigSessionTest, StartWithMonitorTakesTheBlockAndCollectsKeyMacros) {
    writeFirmware(501);
    exchange_.block = defaults();
    ConfigBlock &block = *exchange_.block;
    block.CurrentProfile = 3;
    block.profiles[3].LtColor = 5;
    block.flags.lighting[1] = 1;
    block.flags.imported[2] = 1;
    MacroKeyInfo &key = block.profiles[1].keys[4];
    key.type = 3;
    setFixed(key.macroName, "FromKeyboard");
    key.eventCount = 2;

    session_.initialize(&exchange_);
    EXPECT_EQ(session_.firmwareText(), "N/A");
    EXPECT_EQ(session_.working().CurrentProfile, 3);
    EXPECT_EQ(session_.working().profiles[3].LtColor, 5);
    EXPECT_EQ(session_.saved().flags.lighting[1], 0);
    EXPECT_EQ(session_.saved().flags.imported[2], 0);
    ASSERT_EQ(session_.library().size(), 1u);
    EXPECT_STREQ(session_.library().at(0)->name, "FromKeyboard");
    MacroLibrary onDisk(dir_.file("config/sequence.dat"));
    onDisk.load();
    EXPECT_EQ(onDisk.size(), 1u);
}

TEST_F(ConfigSessionTest, UnreadableBlockFallsBackToTheFiles) {
    auto stored = defaults();
    stored->CurrentProfile = 2;
    stored->profiles[2].PollingRate = 4;
    ASSERT_TRUE(settings_.saveConfig(*stored));
    exchange_.available = false;
    session_.initialize(&exchange_);
    EXPECT_EQ(session_.working().CurrentProfile, 2);
    EXPECT_EQ(session_.working().profiles[2].PollingRate, 4);
}

TEST_F(ConfigSessionTest, ProfileSwitchWithoutApplyChangesNothingOutside) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    const std::string macroFile = dir_.file("config/sequence.dat");
    fs::remove(macroFile);
    const auto blockBefore = std::make_unique<ConfigBlock>(*exchange_.block);
    session_.selectProfile(4);
    session_.selectProfile(7); // not a profile: ignored
    EXPECT_EQ(session_.working().CurrentProfile, 4);
    EXPECT_EQ(view_.refreshes.back(), 4);
    EXPECT_TRUE(poster_.posted.empty());
    EXPECT_EQ(exchange_.publishes, 0);
    EXPECT_EQ(std::memcmp(blockBefore.get(), exchange_.block.get(), sizeof(ConfigBlock)), 0);
    EXPECT_FALSE(filesExist());
    EXPECT_FALSE(fs::exists(macroFile));
}

TEST_F(ConfigSessionTest, ApplyWithoutMonitorWritesFilesAndEndsAtOnce) {
    poster_.monitorRunning = false;
    session_.initialize(nullptr);
    session_.working().profiles[1].LtColor = 3;
    EXPECT_FALSE(session_.apply(ApplyMode::Apply));
    EXPECT_FALSE(session_.waiting());
    EXPECT_EQ(view_.begins, 1);
    EXPECT_EQ(view_.ends, 1);
    EXPECT_FALSE(view_.waitShown);
    EXPECT_TRUE(poster_.posted.empty());
    EXPECT_EQ(view_.notices, std::vector<SessionNotice>{SessionNotice::AppliedWithoutMonitor});

    auto reread = defaults();
    settings_.loadConfig(*reread, "Profile");
    EXPECT_EQ(reread->profiles[1].LtColor, 3);
    AccessCode code{};
    EXPECT_TRUE(IniFile(settings_.configIniPath()).readBlock("HidAccessCode", "Code", code.bytes, 16));
    EXPECT_NE(code.bytes[0] | code.bytes[1] | code.bytes[2] | code.bytes[3], 0);
    OsdSettings osd{};
    EXPECT_TRUE(settings_.readOsdSettings(osd));        // written although Option never changed them
    EXPECT_EQ(session_.working().flags.lighting[1], 0); // cleared after the apply
    EXPECT_EQ(std::memcmp(&session_.working(), &session_.saved(), sizeof(ConfigBlock)), 0);
}

// Whatever keeps the record from Monitor, the files are saved, nothing
// waits, and the user learns that the keyboard did not get it.
TEST(ConfigSessionApply, ThatCannotReachMonitorSavesPostsNothingAndSaysSo) {
    struct Case {
        const char *what;
        bool haveBlock;     // a block object at all
        bool blockWritable; // publish succeeds
        bool endpoint;      // Monitor's endpoint answers
    };
    const Case cases[] = {
        {"Monitor never seen", false, false, false},
        {"block gone, endpoint still there", true, false, true},
        {"stale block of a killed Monitor", true, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir dir;
        fs::create_directories(dir.file("config"));
        SettingsStore settings(dir.folder());
        FakePoster poster;
        FakeTexts texts;
        FakeExchange exchange;
        exchange.block = defaults();
        FakeView view;
        ConfigSession session(settings, poster, texts, dir.file("config/sequence.dat"));
        session.setView(&view);
        session.initialize(c.haveBlock ? &exchange : nullptr);
        exchange.available = c.blockWritable;
        poster.monitorRunning = c.endpoint;

        session.working().profiles[3].PollingRate = 1;
        EXPECT_FALSE(session.apply(ApplyMode::Apply));
        EXPECT_FALSE(session.waiting());
        EXPECT_TRUE(poster.posted.empty());
        EXPECT_EQ(view.begins, 1);
        EXPECT_EQ(view.ends, 1);
        ASSERT_EQ(view.notices.size(), 1u);
        EXPECT_EQ(view.notices[0], SessionNotice::AppliedWithoutMonitor);
        EXPECT_NE(view.noticeTexts[0].find("saved"), std::string::npos);
        EXPECT_NE(view.noticeTexts[0].find("not running"), std::string::npos);
        auto reread = defaults();
        ASSERT_TRUE(settings.loadConfig(*reread, "Profile"));
        EXPECT_EQ(reread->profiles[3].PollingRate, 1);
    }
}

TEST_F(ConfigSessionTest, ApplyWithMonitorPublishesFlagsPostsAndWaitsFor1256) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    session_.working().profiles[2].LtColor = 2;
    session_.working().profiles[0].PollingRate = 1;
    EXPECT_TRUE(session_.apply(ApplyMode::Apply));
    EXPECT_TRUE(session_.waiting());
    EXPECT_TRUE(view_.waitShown);
    ASSERT_EQ(poster_.posted.size(), 1u);
    EXPECT_EQ(lastPost().message, WM_CONFIG_APPLY);
    EXPECT_EQ(lastPost().wParam, 0);
    const ChangeFlags &sent = exchange_.block->flags;
    EXPECT_EQ(sent.lighting[2], 1);
    EXPECT_EQ(sent.lighting[0], 0);
    EXPECT_EQ(sent.pollingRate[0], 1);
    EXPECT_EQ(sent.currentProfile, 0);
    EXPECT_EQ(exchange_.block->profiles[2].LtColor, 2);

    EXPECT_TRUE(session_.handleMessage(message(WM_APPLY_DONE)));
    EXPECT_FALSE(session_.waiting());
    EXPECT_FALSE(view_.waitShown);
    EXPECT_TRUE(view_.notices.empty());
}

TEST_F(ConfigSessionTest, TheWaitEndsAtTheLimitOrAtTheFirstLookThatFindsMonitorGone) {
    using namespace std::chrono_literals;
    VirtualClock clock;
    session_.setApplyWaitClock(clock);
    session_.setApplyWaitTiming({10s, 1s});
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    EXPECT_FALSE(session_.applyWaitDue());

    struct Case {
        const char *name;
        Millis monitorGoneAt;
        Millis endedAt; // a look (every second) or the limit (10 s)
    };
    const Case cases[] = {
        {"gone between two looks", 2500ms, 3000ms},
        {"gone just before a look", 1000ms, 1000ms},
        {"never gone, no answer", 1h, 10000ms},
    };
    for (const Case &c : cases) {
        poster_.monitorRunning = true;
        view_.notices.clear();
        ASSERT_TRUE(session_.apply(ApplyMode::Apply)) << c.name;
        const Millis start = clock.now();
        // The view wakes the session whenever it says the wait is due.
        while (const auto due = session_.applyWaitDue()) {
            ASSERT_LE(*due, 1000ms) << c.name;
            clock.sleep(*due);
            poster_.monitorRunning = clock.now() - start < c.monitorGoneAt;
            session_.checkApplyWait();
        }
        EXPECT_EQ(clock.now() - start, c.endedAt) << c.name;
        EXPECT_FALSE(session_.waiting()) << c.name;
        EXPECT_EQ(view_.notices, std::vector<SessionNotice>{SessionNotice::ApplyUnconfirmed}) << c.name;
    }

    // The answer ends the wait: nothing is due any more, a late look does nothing.
    poster_.monitorRunning = true;
    view_.notices.clear();
    ASSERT_TRUE(session_.apply(ApplyMode::Apply));
    clock.sleep(500ms);
    EXPECT_EQ(session_.applyWaitDue(), 500ms);
    session_.handleMessage(message(WM_APPLY_DONE));
    EXPECT_FALSE(session_.applyWaitDue());
    clock.sleep(20s);
    session_.checkApplyWait();
    EXPECT_TRUE(view_.notices.empty());
}

TEST_F(ConfigSessionTest, AnApplyTheKeyboardMayNotHaveIsTold) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    for (ApplyEnd end : {ApplyEnd::MonitorGone, ApplyEnd::TimedOut}) {
        ASSERT_TRUE(session_.apply(ApplyMode::Apply));
        session_.finishApply(end);
        EXPECT_FALSE(session_.waiting());
        EXPECT_FALSE(view_.waitShown);
    }
    EXPECT_EQ(view_.notices,
              (std::vector<SessionNotice>{SessionNotice::ApplyUnconfirmed, SessionNotice::ApplyUnconfirmed}));
    EXPECT_NE(view_.noticeTexts[0].find("saved"), std::string::npos);
    // Nothing to tell once the answer came, or when nothing was waiting.
    ASSERT_TRUE(session_.apply(ApplyMode::Apply));
    session_.handleMessage(message(WM_APPLY_DONE));
    session_.finishApply(ApplyEnd::MonitorGone);
    EXPECT_EQ(view_.notices.size(), 2u);
    // Monitor answered, but has no keyboard open.
    ASSERT_TRUE(settings_.writeDeviceState(0));
    ASSERT_TRUE(session_.apply(ApplyMode::Apply));
    session_.handleMessage(message(WM_APPLY_DONE));
    ASSERT_EQ(view_.notices.size(), 3u);
    EXPECT_EQ(view_.notices[2], SessionNotice::KeyboardAbsent);
    EXPECT_NE(view_.noticeTexts[2].find("no keyboard is connected"), std::string::npos);
    ASSERT_TRUE(settings_.writeDeviceState(1));
    ASSERT_TRUE(session_.apply(ApplyMode::Apply));
    session_.handleMessage(message(WM_APPLY_DONE));
    EXPECT_EQ(view_.notices.size(), 3u);
}

PostedMessage answer(int64_t token, int64_t outcome) {
    PostedMessage m = message(WM_APPLY_DONE, token);
    m.lParam = outcome;
    return m;
}

TEST_F(ConfigSessionTest, OnlyTheAnswerToThisApplyEndsTheWait) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    enum class Token { Earlier, Foreign, None, Own };
    struct Case {
        const char *name;
        Token token;
        int64_t outcome;
        bool ends;
        std::optional<ApplyOutcome> told; // what the session keeps
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"the earlier apply's late answer", Token::Earlier, 0, false, std::nullopt, {}},
        {"another client's apply", Token::Foreign, 0, false, std::nullopt, {}},
        {"a Monitor without tokens", Token::None, 0, true, ApplyOutcome::Sent, {}},
        {"no keyboard",
         Token::Own,
         applyAnswer(ApplyOutcome::NoKeyboard),
         true,
         ApplyOutcome::NoKeyboard,
         {"The settings were saved, but no keyboard is connected, so the keyboard did not receive them. "
          "Connect it and apply again."}},
        {"not taken from the block",
         Token::Own,
         applyAnswer(ApplyOutcome::NotTaken),
         true,
         ApplyOutcome::NotTaken,
         {"The settings were saved, but Monitor did not confirm that the keyboard received them. Make sure "
          "Monitor is running and apply again."}},
        {"refused",
         Token::Own,
         applyAnswer(ApplyOutcome::Refused, 1u << 10 | 1u << 11),
         true,
         ApplyOutcome::Refused,
         {"The keyboard refused some changes: lighting, polling rate. They stay marked; Apply sends them "
          "again."}},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(session_.apply(ApplyMode::Apply)) << c.name;
        const int64_t earlier = lastPost().lParam;
        session_.finishApply(ApplyEnd::TimedOut);
        ASSERT_TRUE(session_.apply(ApplyMode::Apply)) << c.name;
        const int64_t own = lastPost().lParam;
        EXPECT_NE(own, earlier) << c.name;
        EXPECT_TRUE(own >= 1 && own <= kMaxApplyToken) << own;
        view_.noticeTexts.clear();
        const int64_t tokens[] = {earlier, 77, 0, own};
        session_.handleMessage(answer(tokens[static_cast<int>(c.token)], c.outcome));
        EXPECT_EQ(session_.waiting(), !c.ends) << c.name;
        EXPECT_EQ(session_.lastApplyOutcome(), c.told) << c.name;
        EXPECT_EQ(view_.noticeTexts, c.texts) << c.name;
        session_.finishApply(ApplyEnd::MonitorGone);
    }
}

TEST_F(ConfigSessionTest, WhatTheKeyboardRefusedIsSentAgainUntilItIsTaken) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    session_.working().profiles[2].LtColor = 2;
    session_.working().profiles[0].PollingRate = 1;
    auto applyAnswered = [this](int64_t outcome) {
        ASSERT_TRUE(session_.apply(ApplyMode::Apply));
        session_.handleMessage(answer(lastPost().lParam, outcome));
        ASSERT_FALSE(session_.waiting());
    };
    applyAnswered(applyAnswer(ApplyOutcome::Refused, 1u << 10));
    EXPECT_EQ(session_.lastRefusedReports(), 1u << 10);
    // Sent again without an edit; the polling rate was taken.
    applyAnswered(applyAnswer(ApplyOutcome::Sent));
    EXPECT_EQ(exchange_.block->flags.lighting[2], 1);
    EXPECT_EQ(exchange_.block->flags.pollingRate[0], 0);
    applyAnswered(applyAnswer(ApplyOutcome::Sent));
    EXPECT_EQ(exchange_.block->flags.lighting[2], 0);
}

TEST_F(ConfigSessionTest, ApplyWithoutDifferencesStillPostsAndKeepsOnlyImportFlags) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    ConfigBlock &w = session_.working();
    w.flags.imported[3] = 1;
    w.flags.lighting[0] = 1; // stale flags are recomputed
    w.flags.unused[4] = 1;
    w.flags.hddKeyboard = 1;
    EXPECT_TRUE(session_.apply(ApplyMode::Apply));
    ASSERT_EQ(poster_.posted.size(), 1u);
    ChangeFlags expected{};
    expected.imported[3] = 1;
    EXPECT_EQ(std::memcmp(&exchange_.block->flags, &expected, sizeof expected), 0);
}

TEST_F(ConfigSessionTest, AfterApplyOnlyTheHddFlagSurvives) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    session_.working().profiles[4].HDDKeyboard = 0;
    session_.working().flags.imported[1] = 1;
    session_.apply(ApplyMode::Apply);
    EXPECT_EQ(exchange_.block->flags.hddKeyboard, 1);
    EXPECT_EQ(exchange_.block->flags.imported[1], 1);
    EXPECT_EQ(session_.working().flags.hddKeyboard, 1);
    EXPECT_EQ(session_.working().flags.imported[1], 0);
}

TEST_F(ConfigSessionTest, OkAppliesAndClosesWithoutWaiting) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    session_.ok();
    EXPECT_EQ(poster_.posted.size(), 1u);
    EXPECT_EQ(view_.closes, 1);
}

TEST_F(ConfigSessionTest, AnApplyWhoseFilesCannotBeWrittenIsToldAndStaysAChange) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    // A file where the profiles' folder belongs: neither the profile files nor the macro library can be
    // written, even as root.
    fs::remove_all(dir_.file("config"));
    std::ofstream(dir_.file("config")) << "in the way";
    session_.working().profiles[0].LtColor = 3;
    for (int attempt = 0; attempt < 2; ++attempt) {
        session_.ok();
        ASSERT_EQ(view_.notices.size(), static_cast<std::size_t>(attempt + 1));
        EXPECT_EQ(view_.notices.back(), SessionNotice::SettingsNotSaved);
        const std::string &text = view_.noticeTexts.back();
        EXPECT_NE(text.find("config/Default0.gkp"), std::string::npos) << text;
        EXPECT_NE(text.find("config/sequence.dat"), std::string::npos) << text;
        session_.finishApply(ApplyEnd::MonitorGone); // nothing may say "saved" now
        EXPECT_NE(view_.noticeTexts.back().find("were not saved"), std::string::npos)
            << view_.noticeTexts.back();
        view_.notices.pop_back();
        view_.noticeTexts.pop_back();
        // Still a change: every apply sends it again until it is saved; OK keeps the window open.
        EXPECT_EQ(exchange_.block->flags.lighting[0], 1) << attempt;
        EXPECT_EQ(view_.closes, 0);
    }
    fs::remove(dir_.file("config"));
    fs::create_directories(dir_.file("config"));
    session_.ok();
    EXPECT_EQ(view_.notices.size(), 2u);
    EXPECT_EQ(view_.closes, 1);
    auto stored = std::make_unique<ProfileData>();
    ASSERT_TRUE(SettingsStore::loadProfile(*stored, settings_.profilePath(0)));
    EXPECT_EQ(stored->LtColor, 3);
    session_.apply(ApplyMode::Apply);
    EXPECT_EQ(exchange_.block->flags.lighting[0], 0);
}

TEST_F(ConfigSessionTest, RestoreDefaultsMarksEveryPartAndAppliesWithMode1) {
    exchange_.block = defaults();
    exchange_.block->CurrentProfile = 2;
    exchange_.block->profiles[1].LtColor = 6;
    setFixed(exchange_.block->profiles[1].ProFileName, "Mine");
    session_.initialize(&exchange_);
    session_.working().flags.imported[0] = 1;
    session_.restoreDefaults();
    ASSERT_EQ(poster_.posted.size(), 1u);
    EXPECT_EQ(lastPost().wParam, 1);
    const ConfigBlock &sent = *exchange_.block;
    EXPECT_EQ(sent.CurrentProfile, 0);
    EXPECT_EQ(sent.profiles[1].LtColor, defaults()->profiles[1].LtColor);
    EXPECT_STREQ(sent.profiles[1].ProFileName, "Profile #2");
    EXPECT_EQ(sent.flags.currentProfile, 1);
    for (int p = 0; p < kProfileCount; ++p) {
        EXPECT_EQ(sent.flags.lighting[p], 1);
        EXPECT_EQ(sent.flags.pollingRate[p], 1);
        EXPECT_EQ(sent.flags.standardKey[p], 1);
        EXPECT_EQ(sent.flags.modifyKey[p], 1);
        EXPECT_EQ(sent.flags.keySlot[p][31], 1);
    }
    EXPECT_EQ(sent.flags.imported[0], 1);
    EXPECT_EQ(sent.flags.imported[1], 0);
    EXPECT_EQ(sent.flags.hddKeyboard, 0);
    EXPECT_EQ(view_.refreshes.back(), 0);
}

TEST_F(ConfigSessionTest, ReadBackMessageReloadsEverythingAndFormatsAnyFirmware) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    session_.working().profiles[0].LtColor = 4; // unapplied edit: dropped
    writeFirmware(501);
    exchange_.block->CurrentProfile = 1;
    exchange_.block->flags.lighting[1] = 1;
    MacroKeyInfo &key = exchange_.block->profiles[4].keys[14];
    key.type = 3;
    setFixed(key.macroName, "Recorded");
    EXPECT_TRUE(session_.handleMessage(message(WM_READBACK_DONE)));
    EXPECT_EQ(session_.firmwareText(), "5.01");
    EXPECT_EQ(view_.versionChanges, 1);
    EXPECT_EQ(session_.working().CurrentProfile, 1);
    EXPECT_EQ(session_.working().profiles[0].LtColor, exchange_.block->profiles[0].LtColor);
    EXPECT_EQ(session_.saved().flags.lighting[1], 0);
    EXPECT_EQ(view_.refreshes.back(), 1);
    ASSERT_EQ(session_.library().size(), 1u);
    MacroLibrary onDisk(dir_.file("config/sequence.dat"));
    onDisk.load();
    EXPECT_EQ(onDisk.size(), 1u);
}

// Monitor's news that cannot be read (its block gone) must not cost the
// user the edits not applied yet.
TEST_F(ConfigSessionTest, FailedTakeKeepsTheWorkingCopyAndItsEdits) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    session_.working().profiles[2].PollingRate = 1;
    session_.working().CurrentProfile = 3;
    const auto working = std::make_unique<ConfigBlock>(session_.working());
    const auto saved = std::make_unique<ConfigBlock>(session_.saved());
    exchange_.block->profiles[2].PollingRate = 4;
    exchange_.available = false;
    const std::size_t refreshes = view_.refreshes.size();
    for (uint32_t m : {WM_READBACK_DONE, WM_PROFILE_CHANGED, WM_LIGHTING_CHANGED}) {
        EXPECT_TRUE(session_.handleMessage(message(m)));
        EXPECT_EQ(std::memcmp(working.get(), &session_.working(), sizeof(ConfigBlock)), 0) << m;
        EXPECT_EQ(std::memcmp(saved.get(), &session_.saved(), sizeof(ConfigBlock)), 0) << m;
    }
    EXPECT_EQ(view_.refreshes.size(), refreshes);
}

// A Monitor that has not met the keyboard yet holds profile -1.
TEST_F(ConfigSessionTest, BlockWithoutACurrentProfileGivesProfile0AndApplyNeverStoresMinus1) {
    exchange_.block = defaults();
    exchange_.block->CurrentProfile = -1;
    session_.initialize(&exchange_);
    EXPECT_EQ(session_.working().CurrentProfile, 0);
    EXPECT_EQ(session_.saved().CurrentProfile, 0);
    EXPECT_EQ(view_.refreshes.back(), 0);
    session_.apply(ApplyMode::Apply);
    EXPECT_EQ(exchange_.block->CurrentProfile, 0);
    EXPECT_EQ(IniFile(settings_.configIniPath()).readNumber("Setting", "CurrentProfile", -7), 0);

    exchange_.block->CurrentProfile = 5;
    session_.handleMessage(message(WM_PROFILE_CHANGED));
    EXPECT_EQ(session_.working().CurrentProfile, 0);
}

// A library file that exists but cannot be read whole is neither written at
// start-up nor by any later save; what could be read is shown, and the user
// hears once what is wrong.
TEST(ConfigSessionLibrary, UnreadableFileIsLeftAloneAndToldOnce) {
    const fs::perms readable =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
    auto record = [](const char *name) {
        MacroRecord r{};
        setFixed(r.name, name);
        return encodeBlock(&r, sizeof r);
    };
    std::string damaged = record("b");
    damaged.back() = damaged.back() == '0' ? '1' : '0'; // checksum off
    const std::string two = "0=" + record("a") + "\n1=" + record("b") + "\n";
    struct Case {
        const char *what;
        std::string contents;
        fs::perms mode;
        const char *message;
        std::size_t shown; // macros read from the file
    };
    const Case cases[] = {
        {"mode 000", "[Macros]\nnumber=0\n", fs::perms::none, "cannot be opened", 0},
        {"over the size limit", "[Macros]\nnumber=0\n;" + std::string(kMacroLibraryMaxBytes, 'x') + "\n",
         readable, "is larger than", 0},
        {"a record failing its checksum",
         "[Macros]\nnumber=3\n0=" + record("a") + "\n1=" + damaged + "\n2=" + record("c") + "\n", readable,
         ": record 1 is damaged", 3},
        {"a count that is not a number", "[Macros]\nnumber=abc\n" + two, readable,
         "count (number=abc) is not a number", 2},
        {"a negative count", "[Macros]\nnumber=-1\n" + two, readable, "count (number=-1) is not a number", 2},
        {"fewer records than the count", "[Macros]\nnumber=3\n" + two, readable, ": record 2 is missing", 2},
        {"more records than the count", "[Macros]\nnumber=1\n" + two, readable,
         "record 1 beyond its count (number=1)", 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir dir;
        fs::create_directories(dir.file("config"));
        fs::permissions(dir.path(), fs::perms::all);
        fs::permissions(dir.file("config"), fs::perms::all);
        const std::string library = dir.file("config/sequence.dat");
        std::ofstream(library) << c.contents;
        fs::permissions(library, c.mode);
        struct stat before {};
        ASSERT_EQ(::stat(library.c_str(), &before), 0);

        ASSERT_TRUE(test::withOrdinaryFileAccess([&] {
            SettingsStore settings(dir.folder());
            FakePoster poster;
            FakeTexts texts;
            FakeExchange exchange;
            exchange.block = defaults();
            MacroKeyInfo &key = exchange.block->profiles[0].keys[1];
            key.type = 3;
            setFixed(key.macroName, "FromKeyboard");
            FakeView view;
            ConfigSession session(settings, poster, texts, library);
            session.setView(&view);
            session.initialize(&exchange);
            // What could be read, and the keys' macros, are still at hand.
            ASSERT_EQ(session.library().size(), c.shown + 1);
            session.apply(ApplyMode::Apply);
            session.handleMessage(message(WM_APPLY_DONE));
            session.handleMessage(message(WM_READBACK_DONE));
            session.macroManagerClosed(true);
            session.macroManagerClosed(false);
            session.apply(ApplyMode::Apply);
            EXPECT_EQ(view.notices, std::vector<SessionNotice>{SessionNotice::MacroLibraryUnreadable});
            EXPECT_NE(view.noticeTexts.at(0).find("sequence.dat"), std::string::npos);
            EXPECT_NE(view.noticeTexts.at(0).find(c.message), std::string::npos) << view.noticeTexts.at(0);
        }));
        struct stat after {};
        ASSERT_EQ(::stat(library.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_size, before.st_size);
        fs::permissions(library, readable);
        std::ifstream in(library);
        const std::string now((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_TRUE(now == c.contents);
    }
}

TEST_F(ConfigSessionTest, ProfileMessageReplacesTheWorkingCopy) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    session_.working().profiles[0].PollingRate = 2;
    exchange_.block->CurrentProfile = 4;
    const std::size_t refreshes = view_.refreshes.size();
    EXPECT_TRUE(session_.handleMessage(message(WM_PROFILE_CHANGED)));
    EXPECT_EQ(session_.working().CurrentProfile, 4);
    EXPECT_EQ(session_.working().profiles[0].PollingRate, exchange_.block->profiles[0].PollingRate);
    EXPECT_EQ(view_.refreshes.size(), refreshes + 1);
}

TEST_F(ConfigSessionTest, LightingMessageTakesOnlyWhatTheKeyboardChanged) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    ConfigBlock &w = session_.working();
    w.profiles[2].PollingRate = 1; // unapplied edits that stay
    w.profiles[2].LtSwitch = 0;
    w.profiles[0].LtColor = 6;
    w.flags.imported[2] = 1;
    w.flags.imported[0] = 1;
    ProfileData &kb = exchange_.block->profiles[2];
    exchange_.block->CurrentProfile = 2;
    kb.LtColor = 3;
    kb.LtControl = 16;
    kb.winKeyLock() = 1;
    kb.winKeyLockTwin() = 1;
    kb.lightingReserved = 77;
    kb.LtEffectType = 5; // not one of the taken fields
    EXPECT_TRUE(session_.handleMessage(message(WM_LIGHTING_CHANGED)));
    EXPECT_EQ(w.CurrentProfile, 2);
    EXPECT_EQ(w.profiles[2].LtColor, 3);
    EXPECT_EQ(w.profiles[2].LtControl, 16);
    EXPECT_EQ(w.profiles[2].winKeyLock(), 1);
    EXPECT_EQ(w.profiles[2].winKeyLockTwin(), 1);
    EXPECT_EQ(w.profiles[2].lightingReserved, 77);
    EXPECT_NE(w.profiles[2].LtEffectType, 5);
    EXPECT_EQ(w.profiles[2].PollingRate, 1);
    EXPECT_EQ(w.profiles[2].LtSwitch, 0);
    EXPECT_EQ(w.profiles[0].LtColor, 6);
    EXPECT_EQ(w.flags.imported[2], 0);
    EXPECT_EQ(w.flags.imported[0], 1);
    EXPECT_EQ(session_.saved().profiles[2].LtEffectType, 5);
    EXPECT_EQ(view_.refreshes.back(), 2);
}

TEST_F(ConfigSessionTest, LightingMessageWithABadProfileFallsBackToProfile0) {
    exchange_.block = defaults();
    session_.initialize(&exchange_);
    exchange_.block->CurrentProfile = 9;
    exchange_.block->profiles[0].LtColor = 6;
    EXPECT_TRUE(session_.handleMessage(message(WM_LIGHTING_CHANGED)));
    EXPECT_EQ(session_.working().CurrentProfile, 0);
    EXPECT_EQ(session_.working().profiles[0].LtColor, 6);
}

TEST_F(ConfigSessionTest, CloseRestoreAndUnknownMessages) {
    session_.initialize(nullptr);
    EXPECT_TRUE(session_.handleMessage(message(WM_OPTION_IGNORED)));
    EXPECT_TRUE(session_.handleMessage(message(WM_CLOSE_MSG)));
    EXPECT_EQ(view_.closes, 1);
    EXPECT_TRUE(session_.handleMessage(message(WM_SYSCOMMAND_MSG, 0xF060))); // not a restore
    EXPECT_EQ(view_.restores, 0);
    EXPECT_TRUE(session_.handleMessage(message(WM_SYSCOMMAND_MSG, SC_RESTORE_CMD)));
    EXPECT_EQ(view_.restores, 1);
    EXPECT_FALSE(session_.handleMessage(message(WM_CONFIG_APPLY)));
}

TEST_F(ConfigSessionTest, MacroManagerOutcomes) {
    session_.initialize(nullptr);
    MacroLibrary &lib = session_.library();
    lib.create("Saved");
    ASSERT_TRUE(lib.save());
    MacroKeyInfo &key = session_.working().profiles[0].keys[2];
    key.type = 3;
    setFixed(key.macroName, "saved");
    lib.at(0)->count = 1;
    lib.at(0)->events[0] = {30, 1, 0};
    session_.macroManagerClosed(true);
    EXPECT_EQ(key.eventCount, 1);
    EXPECT_EQ(session_.working().flags.keySlot[0][2], 1);

    lib.create("dropped");
    session_.macroManagerClosed(false);
    EXPECT_EQ(lib.size(), 1u);
}

} // namespace
} // namespace orvyn
