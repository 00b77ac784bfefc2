// The command line's apply wait on virtual time: every way it can end, and
// what the session has told the user by then.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "shared/IniFile.h"
#include "support/TempDir.h"
#include "unit/editing/OptionFakes.h"
#include "vantorctl/ApplyWait.h"
#include "vantorctl/ChangeRun.h"

namespace orvyn::ctl {
namespace {

using namespace orvyn::testing;
using namespace std::chrono_literals;

// Messages due at given moments; waiting passes virtual time.
class ScriptedSource final : public MessageSource {
public:
    explicit ScriptedSource(VirtualClock &clock) : clock_(clock) {}
    void at(Millis when, PostedMessage m, std::function<void()> also = {}) {
        script_.push_back({when, std::move(m), std::move(also)});
    }
    std::vector<PostedMessage> wait(std::chrono::milliseconds timeout) override {
        ++waits;
        const Millis end = clock_.now() + timeout;
        if (script_.empty() || script_.front().when > end) {
            clock_.sleep(timeout);
            return {};
        }
        clock_.sleep(script_.front().when - clock_.now());
        Step step = std::move(script_.front());
        script_.pop_front();
        if (step.also)
            step.also();
        return {step.message};
    }
    int waits = 0;

private:
    struct Step {
        Millis when;
        PostedMessage message;
        std::function<void()> also;
    };
    VirtualClock &clock_;
    std::deque<Step> script_;
};

// Monitor's closing message ends the wait, as it closes the window.
class WaitView final : public SessionView {
public:
    void refresh(int) override {}
    void beginApplyWait() override {}
    void endApplyWait() override {}
    void versionTextChanged() override {}
    void closeWindow() override { closed = true; }
    void restoreAndActivate() override {}
    void tellUser(SessionNotice notice, const std::string &) override { notices.push_back(notice); }
    bool closed = false;
    std::vector<SessionNotice> notices;
};

// A session started on Monitor's (fake) block, a scripted endpoint and
// virtual time.
struct Rig {
    Rig() {
        std::filesystem::create_directories(dir.file("config"));
        session.setView(&view);
        makeDefaultConfig(*exchange.block, "Profile");
        session.initialize(&exchange);
    }
    void deviceState(int state) {
        ASSERT_TRUE(IniFile(settings.configIniPath()).writeNumber("Setting", "Device", state));
    }
    ApplyEnd run() {
        EXPECT_TRUE(session.apply(ApplyMode::Apply));
        return waitForApply(session, source, poster, clock, WaitTiming{10s, 1s}, view.closed);
    }

    test::TempDir dir;
    SettingsStore settings{dir.folder()};
    FakePoster poster;
    FakeTexts texts;
    FakeExchange exchange;
    WaitView view;
    ConfigSession session{settings, poster, texts, dir.file("config/sequence.dat")};
    VirtualClock clock;
    ScriptedSource source{clock};
};

TEST(ApplyWait, EndsOnTheAnswerOnMonitorLeavingOnCloseAndAtTheLimit) {
    struct Case {
        const char *name;
        std::function<void(Rig &)> arrange;
        ApplyEnd end;
        Millis endsAt;
        std::vector<SessionNotice> notices;
    };
    const Case cases[] = {
        {"answered with the keyboard",
         [](Rig &t) {
             t.deviceState(1);
             t.source.at(3500ms, message(WM_APPLY_DONE));
         },
         ApplyEnd::Answered,
         3500ms,
         {}},
        {"answered without a keyboard",
         [](Rig &t) {
             t.deviceState(0);
             t.source.at(200ms, message(WM_APPLY_DONE));
         },
         ApplyEnd::Answered,
         200ms,
         {SessionNotice::KeyboardAbsent}},
        {"Monitor stops receiving",
         [](Rig &t) { t.source.at(2500ms, message(WM_NULL_MSG), [&t] { t.poster.monitorRunning = false; }); },
         ApplyEnd::MonitorGone,
         3000ms,
         {SessionNotice::ApplyUnconfirmed}},
        {"Monitor closes Option",
         [](Rig &t) { t.source.at(700ms, message(WM_CLOSE_MSG)); },
         ApplyEnd::MonitorGone,
         700ms,
         {SessionNotice::ApplyUnconfirmed}},
        {"no answer", [](Rig &) {}, ApplyEnd::TimedOut, 10s, {SessionNotice::ApplyUnconfirmed}},
        {"news first, then the answer",
         [](Rig &t) {
             t.deviceState(1);
             t.source.at(100ms, message(WM_PROFILE_CHANGED), [&t] { t.exchange.block->CurrentProfile = 3; });
             t.source.at(4000ms, message(WM_APPLY_DONE));
         },
         ApplyEnd::Answered,
         4000ms,
         {}},
    };
    for (const Case &c : cases) {
        Rig t;
        c.arrange(t);
        const Millis start = t.clock.now();
        EXPECT_EQ(t.run(), c.end) << c.name;
        EXPECT_EQ(t.clock.now() - start, c.endsAt) << c.name;
        EXPECT_FALSE(t.session.waiting()) << c.name;
        EXPECT_EQ(t.view.notices, c.notices) << c.name;
    }
}

TEST(ApplyWait, MonitorNewsDuringTheWaitReachesTheSession) {
    Rig t;
    t.deviceState(1);
    t.source.at(100ms, message(WM_PROFILE_CHANGED), [&t] { t.exchange.block->CurrentProfile = 3; });
    t.source.at(200ms, message(WM_APPLY_DONE));
    EXPECT_EQ(t.run(), ApplyEnd::Answered);
    EXPECT_EQ(t.session.working().CurrentProfile, 3);
}

TEST(ApplyWait, AReplacedProfileIsSentWholeByTheNextApply) {
    Rig t;
    auto data = std::make_unique<ProfileData>(t.session.working().profiles[2]);
    EXPECT_FALSE(t.session.replaceProfile(5, *data));
    ASSERT_TRUE(t.session.replaceProfile(2, *data)); // equal to what was saved, still sent whole
    t.deviceState(1);
    t.source.at(10ms, message(WM_APPLY_DONE));
    EXPECT_EQ(t.run(), ApplyEnd::Answered);
    const ChangeFlags &sent = t.exchange.block->flags;
    for (int k = 0; k < kKeySlotCount; ++k)
        EXPECT_EQ(sent.keySlot[2][k], 1) << k;
    EXPECT_EQ(sent.lighting[2], 1);
    EXPECT_EQ(sent.standardKey[2], 1);
    EXPECT_EQ(sent.modifyKey[2], 1);
    EXPECT_EQ(sent.lighting[1], 0);
    EXPECT_EQ(sent.keySlot[1][0], 0);
}

TEST(ChangeExitStatus, TheWorstOfWhatWasToldDecides) {
    using N = SessionNotice;
    struct Case {
        std::vector<SessionNotice> told;
        ExitStatus status;
    };
    const Case cases[] = {
        {{}, ExitStatus::Done},
        {{N::MacroLibraryUnreadable}, ExitStatus::Done},
        {{N::AppliedWithoutMonitor}, ExitStatus::NotApplied},
        {{N::ApplyUnconfirmed}, ExitStatus::NotApplied},
        {{N::KeyboardAbsent}, ExitStatus::NotApplied},
        {{N::KeyboardRefused}, ExitStatus::Refused},
        {{N::ApplyUnconfirmed, N::KeyboardRefused}, ExitStatus::Refused},
        {{N::KeyboardRefused, N::SettingsNotSaved}, ExitStatus::NotSaved},
        {{N::SettingsNotSaved, N::AppliedWithoutMonitor}, ExitStatus::NotSaved},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(changeExitStatus(c.told), c.status) << ::testing::PrintToString(static_cast<int>(c.status));
    }
    EXPECT_EQ(static_cast<int>(ExitStatus::Refused), 5);
}

} // namespace
} // namespace orvyn::ctl
