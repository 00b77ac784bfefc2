// What is owed to the keyboard across overlapping hand-overs, read-backs and
// refused reports, on the keyboard model and virtual time: every field ends
// on the keyboard and in Monitor's record, and each hand-over gets its own
// answer.
#include <gtest/gtest.h>
#include <utility>

#include "DeviceWorkerRig.h"

namespace orvyn {
namespace {

using namespace orvyn::test;

using Answers = std::vector<std::pair<int64_t, int64_t>>;

// One step of a row: a hand-over of a change, or a request served.
struct Step {
    enum Kind { HandOver, Serve, PressProfile } kind;
    int token = 0;                      // HandOver
    DeviceRequest request{};            // Serve
    void (*change)(ConfigBlock &) = {}; // HandOver: the edit, with its flags
    int value = 0;                      // PressProfile: the profile, pressed during the next serve
};

void colourGreen(ConfigBlock &c) {
    c.profiles[0].LtColor = 2;
    c.flags.lighting[0] = 1;
}
void polling1000(ConfigBlock &c) {
    c.profiles[1].PollingRate = 1;
    c.flags.pollingRate[1] = 1;
}
void keyOnProfile3(ConfigBlock &c) {
    c.profiles[2].standardkey[10] = 44;
    c.flags.standardKey[2] = 1;
}

struct Row {
    const char *name;
    std::vector<Step> steps;
    int refusedLightingWrites; // the keyboard refuses this many writes of report 10
    Answers answers;
    int keyboardProfile; // what the keyboard and the record end on
};

Step handOver(int token, void (*change)(ConfigBlock &)) {
    return {Step::HandOver, token, {}, change, 0};
}
Step serve(DeviceRequest request) {
    return {Step::Serve, 0, request, nullptr, 0};
}
Step press(int profile) {
    return {Step::PressProfile, 0, {}, nullptr, profile};
}

const int64_t kSent = applyAnswer(ApplyOutcome::Sent);
const int64_t kLightingRefused = applyAnswer(ApplyOutcome::Refused, 1u << report_id::Lighting);

class ApplyQueue : public ::testing::TestWithParam<Row> {};

TEST_P(ApplyQueue, EveryChangeEndsOnTheKeyboardAndInTheRecord) {
    const Row &row = GetParam();
    Rig *rigPtr = nullptr;
    int pressNext = -1;
    // The keyboard's profile key, pressed after the first pause of the next
    // request (for a read-back: after it has read the current profile), and
    // what Monitor does with its event.
    Rig rig([&](Millis) {
        if (pressNext < 0 || !rigPtr)
            return;
        const int profile = std::exchange(pressNext, -1);
        rigPtr->model.setCurrentProfile(profile);
        rigPtr->config.with([&](ConfigBlock &c) { c.CurrentProfile = profile; });
        ChangeFlags part{};
        part.currentProfile = 1;
        rigPtr->config.changedHere(part);
    });
    rigPtr = &rig;
    rig.link.failSets(report_id::Lighting, row.refusedLightingWrites);
    for (const Step &step : row.steps) {
        switch (step.kind) {
        case Step::HandOver: {
            // Option's record: Monitor's, with the user's change flagged.
            ConfigBlock taken = rig.record();
            taken.flags = {};
            step.change(taken);
            rig.config.handOver(taken, step.token, Keyboard::Connected);
            break;
        }
        case Step::Serve:
            rig.worker.serve(ThreadMessage{WM_DEVICE_REQUEST, static_cast<int64_t>(step.request), 0});
            break;
        case Step::PressProfile:
            pressNext = step.value;
            break;
        }
    }
    EXPECT_EQ(rig.poster.answers(), row.answers);
    const ConfigBlock c = rig.record();
    EXPECT_EQ(rig.model.profile(0).lighting[6], 2);
    EXPECT_EQ(c.profiles[0].LtColor, 2);
    EXPECT_EQ(rig.model.profile(1).pollingCode, 8);
    EXPECT_EQ(c.profiles[1].PollingRate, 1);
    EXPECT_EQ(rig.model.currentProfile(), row.keyboardProfile);
    EXPECT_EQ(c.CurrentProfile, row.keyboardProfile);
    EXPECT_TRUE(rig.config.owed().empty());
    // Nothing was sent twice.
    const Entries log = rig.log.entries();
    EXPECT_EQ(std::count(log.begin(), log.end(), "SET 11 p1"), 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, ApplyQueue,
                         ::testing::Values(
                             // The second hand-over arrives while the first waits: one apply
                             // sends both, the other finds nothing owed; each token answered.
                             Row{"TwoOverlapping",
                                 {handOver(7, colourGreen), handOver(8, polling1000),
                                  serve(DeviceRequest::ApplyChanges), serve(DeviceRequest::ApplyChanges)},
                                 0,
                                 {{7, kSent}, {8, kSent}},
                                 0},
                             // Both handed over during a read-back, whose old values do not undo
                             // them; a profile chosen on the keyboard meanwhile survives too.
                             Row{"DuringAReadBack",
                                 {handOver(1, colourGreen), press(2), serve(DeviceRequest::ReadEverything),
                                  handOver(2, polling1000), serve(DeviceRequest::ApplyChanges),
                                  serve(DeviceRequest::ApplyChanges)},
                                 0,
                                 {{1, kSent}, {2, kSent}},
                                 2},
                             // A refused colour is answered as refused, stays owed, and goes out
                             // with the next apply although that one flags only the polling rate.
                             Row{"RefusedThenRetried",
                                 {handOver(3, colourGreen), serve(DeviceRequest::ApplyChanges),
                                  handOver(4, polling1000), serve(DeviceRequest::ApplyChanges)},
                                 1,
                                 {{3, kLightingRefused}, {4, kSent}},
                                 0},
                             // Three quick hand-overs, the last of them unrelated.
                             Row{"ThreeQuick",
                                 {handOver(1, colourGreen), handOver(2, polling1000),
                                  handOver(3, keyOnProfile3), serve(DeviceRequest::ApplyChanges)},
                                 0,
                                 {{1, kSent}, {2, kSent}, {3, kSent}},
                                 0}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace orvyn
