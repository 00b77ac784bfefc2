// Recorded keystrokes into macro steps: X key events read through a layout,
// repeats, delays from the server's time stamps, the keypad Enter, the
// physical key position, the 50-step limit and recording into the middle.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "editing/KeyCodeTable.h"
#include "editing/Keystroke.h"
#include "editing/MacroRecording.h"

namespace orvyn {

// Found by lookup from the test's containers (MacroEvent lives here).
bool operator==(const MacroEvent &a, const MacroEvent &b) {
    return a.key == b.key && a.state == b.state && a.delay == b.delay;
}

void PrintTo(const MacroEvent &e, std::ostream *os) {
    *os << "{" << int(e.key) << "," << int(e.state) << "," << e.delay << "}";
}

namespace {

// X keycodes (evdev + 8) of the keys the tests press.
constexpr uint32_t kXA = 38, kXB = 56, kXQ = 24, kXReturn = 36, kXKeypadEnter = 104;
constexpr uint32_t kXLeftCtrl = 37, kXRightCtrl = 105, kXUp = 111, kXKeypad8 = 80;
constexpr uint32_t kXPause = 127, kXNumLock = 77, kXLeftWin = 133, kXMute = 121, kXF13 = 191;

TEST(KeystrokeFromX, PositionsBecomeVirtualKeysWithTheirFlags) {
    const auto us = makeUsLayout();
    const auto azerty = makeFrenchAzertyLayout();
    const struct {
        uint32_t xKeycode;
        const KeyboardLayout *layout;
        uint32_t virtualKey;
        uint32_t flags;
    } rows[] = {
        {kXA, us.get(), 0x41, 0},
        {kXQ, us.get(), 0x51, 0},
        {kXQ, azerty.get(), 0x41, 0}, // the layout decides what a letter position means
        {kXReturn, us.get(), 0x0D, 0},
        {kXKeypadEnter, us.get(), 0x0D, kKeyFlagExtended},
        {kXLeftCtrl, us.get(), 0xA2, 0},
        {kXRightCtrl, us.get(), 0xA3, kKeyFlagExtended},
        {kXUp, us.get(), 0x26, kKeyFlagExtended},
        {kXKeypad8, us.get(), 0x68, 0}, // the keypad key, not the arrow it doubles as
        {kXPause, us.get(), 0x13, 0},
        {kXNumLock, us.get(), 0x90, kKeyFlagExtended},
        {kXLeftWin, us.get(), 0x5B, kKeyFlagExtended},
        {kXMute, us.get(), 0xAD, kKeyFlagExtended},
        {kXF13, us.get(), 0x7C, 0},
    };
    for (const auto &row : rows) {
        for (KeyDirection direction : {KeyDirection::Press, KeyDirection::Release}) {
            const auto k = keystrokeFromX(row.xKeycode, direction, 1234, *row.layout);
            ASSERT_TRUE(k.has_value()) << row.xKeycode;
            EXPECT_EQ(k->virtualKey, row.virtualKey) << row.xKeycode;
            EXPECT_EQ(k->flags, row.flags | (direction == KeyDirection::Release ? kKeyFlagReleased : 0))
                << row.xKeycode;
            EXPECT_EQ(k->time, 1234u);
        }
    }
    // Keycodes below the evdev range and keys without a place give nothing.
    for (uint32_t xKeycode : {0u, 7u, 8u + 240u, 255u})
        EXPECT_FALSE(keystrokeFromX(xKeycode, KeyDirection::Press, 0, *us).has_value()) << xKeycode;
}

TEST(RepeatPairFilter, ReleasePressPairsWithOneTimeStampAreRepeats) {
    using D = KeyDirection;
    const XKeyEvent in[] = {
        {38, D::Press, 100},   {38, D::Release, 600}, {38, D::Press, 600},   // held: the server repeats
        {38, D::Release, 640}, {38, D::Press, 640},   {38, D::Release, 700}, // and lets go
        {38, D::Press, 800},   {38, D::Release, 900}, {56, D::Press, 900},   // another key at the same time
        {56, D::Release, 950}, {56, D::Press, 990},                          // the same key again
    };
    const XKeyEvent want[] = {
        {38, D::Press, 100},   {38, D::Press, 600},   {38, D::Press, 640},
        {38, D::Release, 700}, {38, D::Press, 800},   {38, D::Release, 900},
        {56, D::Press, 900},   {56, D::Release, 950}, {56, D::Press, 990},
    };
    RepeatPairFilter filter;
    std::vector<XKeyEvent> out;
    for (const XKeyEvent &e : in) {
        const RepeatPairFilter::Ready ready = filter.take(e);
        out.insert(out.end(), ready.events, ready.events + ready.count);
        if (e.time == 700 || e.time == 950) {
            EXPECT_TRUE(filter.holding());
            if (e.time == 700)
                out.push_back(*filter.flush()); // nothing followed in its batch
        }
    }
    EXPECT_FALSE(filter.flush().has_value());
    ASSERT_EQ(out.size(), std::size(want));
    for (std::size_t i = 0; i < out.size(); ++i) {
        EXPECT_EQ(out[i].keycode, want[i].keycode) << i;
        EXPECT_EQ(out[i].direction, want[i].direction) << i;
        EXPECT_EQ(out[i].time, want[i].time) << i;
    }
}

// Feeds keystrokes to a MacroRecording the way the manager does.
class Recording {
public:
    explicit Recording(std::unique_ptr<KeyboardLayout> layout = makeUsLayout())
        : layout_(std::move(layout)), keys_(*layout_), recording_(keys_) {}

    void delays(bool on) { recording_.setRecordDelays(on); }
    void begin(int insertAt = -1) { recording_.beginRun(insertAt); }
    RecordOutcome key(uint32_t xKeycode, KeyDirection direction, uint32_t time) {
        const auto k = keystrokeFromX(xKeycode, direction, time, *layout_);
        EXPECT_TRUE(k.has_value());
        return recording_.take(*k, steps);
    }
    RecordOutcome press(uint32_t x, uint32_t time) { return key(x, KeyDirection::Press, time); }
    RecordOutcome release(uint32_t x, uint32_t time) { return key(x, KeyDirection::Release, time); }
    RecordOutcome vk(uint32_t virtualKey, uint32_t flags, uint32_t time) {
        return recording_.take(Keystroke{virtualKey, flags, time}, steps);
    }

    std::vector<MacroEvent> events() const {
        return std::vector<MacroEvent>(steps.events.begin(), steps.events.begin() + steps.count);
    }

    MacroSteps steps;

private:
    std::unique_ptr<KeyboardLayout> layout_;
    KeyCodeTable keys_;
    MacroRecording recording_;
};

constexpr uint8_t kCodeA = 4, kCodeB = 5, kCodeQ = 20, kCodeEnter = 40, kCodeKeypadEnter = 88;

TEST(MacroRecording, HeldKeyAndRepeatedKeys) {
    Recording r;
    r.begin();
    // A held key: the server repeats its press; one press and one release stay.
    for (uint32_t t = 0; t < 500; t += 33)
        r.press(kXA, 1000 + t);
    r.release(kXA, 1600);
    // The same key twice in a row is four steps.
    r.press(kXB, 1700);
    r.release(kXB, 1750);
    r.press(kXB, 1800);
    r.release(kXB, 1850);
    const std::vector<MacroEvent> want{{kCodeA, 1, 0}, {kCodeA, 2, 0}, {kCodeB, 1, 0},
                                       {kCodeB, 2, 0}, {kCodeB, 1, 0}, {kCodeB, 2, 0}};
    EXPECT_EQ(r.events(), want); // delays switched off: every delay is 0
}

TEST(MacroRecording, DelaysComeFromTheServerTimeStamps) {
    Recording r;
    r.delays(true);
    r.begin();
    // The first keystroke of a run gets no delay for the time before it; the
    // server clock may wrap between two keystrokes.
    r.press(kXA, 0xFFFFFF00u);
    r.release(kXA, 0x00000064u); // 356 ms later, across the wrap
    r.press(kXB, 0x00000064u + 70000);
    r.release(kXB, 0x00000064u + 70000 + 65535);
    const std::vector<MacroEvent> want{
        {kCodeA, 1, 356}, {kCodeA, 2, 65535}, {kCodeB, 1, 65535}, {kCodeB, 2, 0}};
    EXPECT_EQ(r.events(), want);

    // A new run does not give its first step a delay for the pause since the
    // last run; the last step keeps delay 0.
    r.begin();
    r.press(kXQ, 0x00100000u);
    EXPECT_EQ(r.steps.events[3].delay, 0);
    EXPECT_EQ(r.steps.events[4].delay, 0);
}

TEST(MacroRecording, KeypadEnterMainEnterAndThePhysicalPosition) {
    Recording us;
    us.begin();
    us.press(kXKeypadEnter, 10);
    us.press(kXReturn, 20);
    EXPECT_EQ(us.steps.events[0].key, kCodeKeypadEnter);
    EXPECT_EQ(us.steps.events[1].key, kCodeEnter);

    // On AZERTY the key labelled A sits where US has Q: the position counts.
    Recording fr(makeFrenchAzertyLayout());
    fr.begin();
    fr.press(kXQ, 10);
    EXPECT_EQ(fr.steps.events[0].key, kCodeQ);
    // Where US has "/", AZERTY's virtual key is one the key table lacks:
    // the position is recorded all the same.
    constexpr uint32_t kXSlashPosition = 61;
    fr.press(kXSlashPosition, 20);
    EXPECT_EQ(fr.steps.events[1].key, 56);

    // A virtual key the key table lacks is recorded as key code 0.
    Recording unknown;
    unknown.begin();
    unknown.vk(0x0C, 0, 10);
    ASSERT_EQ(unknown.steps.count, 1);
    EXPECT_EQ(unknown.steps.events[0].key, 0);
}

TEST(MacroRecording, StopsAtFiftyStepsAndRefusesTheNext) {
    Recording r;
    r.delays(true);
    r.begin();
    uint32_t time = 100;
    for (int i = 0; i < 25; ++i) {
        const uint32_t x = i % 2 ? kXA : kXB;
        EXPECT_FALSE(r.press(x, time += 10).stopRecording);
        const RecordOutcome last = r.release(x, time += 10);
        EXPECT_TRUE(last.stored);
        EXPECT_EQ(last.stopRecording, i == 24) << i;
    }
    const RecordOutcome extra = r.press(kXQ, time += 10);
    EXPECT_FALSE(extra.stored);
    EXPECT_TRUE(extra.stopRecording);
    EXPECT_EQ(r.steps.count, kMacroEventCapacity);
    EXPECT_EQ(r.steps.events[49].key, kCodeB);
}

TEST(MacroRecording, RecordBeforeAndAfterKeepTheOrder) {
    Recording r;
    r.delays(true);
    r.begin();
    r.press(kXA, 0);
    r.release(kXA, 100);
    r.press(kXB, 200);
    r.release(kXB, 300);

    // Record before step 2 (B down): the new steps go in there, in order,
    // each with the pause to the next new one.
    r.begin(2);
    r.press(kXQ, 5000);
    r.release(kXQ, 5040);
    r.press(kXReturn, 5100);
    const std::vector<MacroEvent> before{{kCodeA, 1, 100}, {kCodeA, 2, 100},   {kCodeQ, 1, 40},
                                         {kCodeQ, 2, 60},  {kCodeEnter, 1, 0}, {kCodeB, 1, 100},
                                         {kCodeB, 2, 0}};
    EXPECT_EQ(r.events(), before);

    // Record after the last step: appended in order.
    r.begin(r.steps.count);
    r.release(kXReturn, 9000);
    r.press(kXA, 9010);
    ASSERT_EQ(r.steps.count, 9);
    EXPECT_EQ(r.steps.events[6].delay, 0) << "no delay before the first step of a run";
    EXPECT_EQ(r.steps.events[7].key, kCodeEnter);
    EXPECT_EQ(r.steps.events[7].delay, 10);
    EXPECT_EQ(r.steps.events[8].key, kCodeA);
}

} // namespace
} // namespace orvyn
