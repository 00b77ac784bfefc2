// Keyboard use of the skinned windows: a held Escape told from a tapped one
// by time alone (the timer's end is called, no waiting), and the reading
// order Tab walks.
#include <gtest/gtest.h>

#include <QRect>
#include <string>
#include <vector>

#include "option/dialogs/KeyCaptureDialog.h"
#include "option/skin/FocusOrder.h"

namespace orvyn {
namespace {

constexpr uint32_t kA = 0x41;
constexpr uint32_t kEsc = kEscapeVirtualKey;

Keystroke press(uint32_t key, uint32_t time) {
    return {key, 0, time};
}
Keystroke release(uint32_t key, uint32_t time) {
    return {key, kKeyFlagReleased, time};
}

// A step: a keystroke, or (key 0) the hold timer running out.
struct Step {
    Keystroke stroke;
    bool timerEnds() const { return stroke.virtualKey == 0; }
};
constexpr Step kTimerEnds{};

std::string describe(const Keystroke &k) {
    return (k.virtualKey == kEsc ? "E" : "A") + std::string(k.released() ? "^" : "v");
}

TEST(EscapeHold, TappedKeysAreRecordedInOrderAndOnlyAHeldEscapeEnds) {
    struct Case {
        const char *name;
        std::vector<Step> steps;
        const char *recorded; // E/A, v press, ^ release
        int held;
        int letGo = 0;
    };
    const std::vector<Case> cases = {
        {"other keys pass at once", {{press(kA, 0)}, {release(kA, 50)}}, "Av A^", 0},
        {"a tapped Escape is recorded", {{press(kEsc, 0)}, {release(kEsc, 200)}, kTimerEnds}, "Ev E^", 0},
        {"a key after the tap records all",
         {{press(kEsc, 0)}, {release(kEsc, 200)}, {press(kA, 210)}},
         "Ev E^ Av",
         0},
        {"a key during Escape records both",
         {{press(kEsc, 0)}, {press(kA, 100)}, {release(kEsc, 1500)}},
         "Ev Av E^",
         0},
        {"held past the timer ends, the rest dropped",
         {{press(kEsc, 0)}, kTimerEnds, {press(kEsc, 1040)}, {release(kEsc, 1200)}, {press(kA, 1300)}},
         "Av",
         1,
         1},
        {"repeats as presses alone",
         {{press(kEsc, 0)}, {press(kEsc, 660)}, {press(kEsc, 700)}, kTimerEnds, {release(kEsc, 1100)}},
         "",
         1},
        {"repeats as release-press pairs",
         {{press(kEsc, 0)},
          {release(kEsc, 660)},
          {press(kEsc, 660)},
          {release(kEsc, 700)},
          {press(kEsc, 700)},
          kTimerEnds},
         "",
         1},
        {"a late timer: the release's time decides", {{press(kEsc, 10)}, {release(kEsc, 1010)}}, "", 1},
        {"a late timer: a repeat's time decides",
         {{press(kEsc, 0)}, {release(kEsc, 1000)}, {press(kEsc, 1000)}},
         "",
         1},
        {"server time wraps", {{press(kEsc, 0xFFFFFF00u)}, {release(kEsc, 0x300)}}, "", 1},
        {"let go: a release that stands alone ends the hold",
         {{press(kEsc, 0)}, kTimerEnds, {release(kEsc, 1200)}, kTimerEnds},
         "",
         1,
         1},
        {"a repeat's release after the hold is not letting go",
         {{press(kEsc, 0)}, kTimerEnds, {release(kEsc, 1040)}, {press(kEsc, 1040)}, kTimerEnds},
         "",
         1,
         0},
        {"held past the timer, let go, then another key",
         {{press(kEsc, 0)}, kTimerEnds, {release(kEsc, 1200)}, {press(kA, 1210)}},
         "Av",
         1,
         1},
    };
    for (const Case &c : cases) {
        EscapeHold hold(nullptr);
        int held = 0;
        int letGo = 0;
        std::string got;
        QObject::connect(&hold, &EscapeHold::held, [&held] { ++held; });
        QObject::connect(&hold, &EscapeHold::letGo, [&letGo] { ++letGo; });
        QObject::connect(&hold, &EscapeHold::record,
                         [&got](const Keystroke &k) { got += (got.empty() ? "" : " ") + describe(k); });
        for (const Step &step : c.steps) {
            if (step.timerEnds())
                hold.timerEnds();
            else
                hold.take(step.stroke);
        }
        EXPECT_EQ(got, c.recorded) << c.name;
        EXPECT_EQ(held, c.held) << c.name;
        EXPECT_EQ(letGo, c.letGo) << c.name;
    }
}

TEST(FocusOrder, ReadingOrderIsRowsTopToBottomEachLeftToRightWithPagesAsBlocks) {
    constexpr StopKind P = StopKind::Page;
    struct Case {
        const char *name;
        std::vector<FocusStop> stops;
        std::vector<int> order;
    };
    const std::vector<Case> cases = {
        {"one row, made right to left", {{{50, 0, 20, 20}}, {{0, 0, 20, 20}}, {{25, 0, 20, 20}}}, {1, 2, 0}},
        {"rows before columns", {{{0, 30, 20, 20}}, {{40, 0, 20, 20}}, {{0, 0, 20, 20}}}, {2, 1, 0}},
        {"tops a few pixels apart share a row",
         {{{60, 3, 20, 20}}, {{0, 8, 20, 20}}, {{30, 0, 20, 20}}},
         {1, 2, 0}},
        {"beside the upper half of a tall control",
         {{{0, 0, 20, 60}}, {{60, 25, 20, 20}}, {{30, 28, 20, 20}}},
         {0, 2, 1}},
        // The main window: tabs above the page, a column of buttons left of
        // it, buttons under it.
        {"a page after its left column, before what is under it",
         {{{200, 100, 400, 300}, P},
          {{0, 120, 150, 30}},
          {{0, 90, 150, 30}},
          {{0, 420, 150, 30}},
          {{200, 60, 100, 30}},
          {{300, 420, 90, 30}}},
         {4, 2, 1, 0, 3, 5}},
        {"nothing", {}, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(readingOrder(c.stops), c.order) << c.name;
}

TEST(FocusOrder, ArrowsGoToTheNearestControlThatWayPreferringItsRowOrColumn) {
    // A piece of the keyboard picture: Q W over A S, shifted a little, and
    // Tab left of Q; a wide key (Enter) far right.
    const std::vector<QRect> keys = {{40, 0, 24, 24},  {68, 0, 24, 24}, {48, 28, 24, 24},
                                     {76, 28, 24, 24}, {0, 0, 36, 24},  {300, 0, 40, 52}};
    enum { Q, W, A, S, TabKey, Enter };
    struct Case {
        int from;
        Direction direction;
        int to;
    };
    const std::vector<Case> cases = {
        {Q, Direction::Right, W},      {Q, Direction::Left, TabKey}, {Q, Direction::Down, A},
        {W, Direction::Down, S},       {A, Direction::Up, Q},        {S, Direction::Right, Enter},
        {TabKey, Direction::Left, -1}, {Q, Direction::Up, -1},
    };
    for (const Case &c : cases) {
        std::vector<QRect> others = keys;
        others.erase(others.begin() + c.from);
        int got = nearestToward(keys[c.from], others, c.direction);
        if (got >= c.from)
            ++got;
        EXPECT_EQ(got, c.to) << "from " << c.from << " way " << static_cast<int>(c.direction);
    }
}

} // namespace
} // namespace orvyn
