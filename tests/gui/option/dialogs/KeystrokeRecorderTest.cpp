// The recorder's life with a fake keyboard grab: delivery to the target in
// order, nothing after stop (not even what was already queued), a refused
// grab, one recording window at a time, and the grab given back when the
// target goes away or taken again after a popup took it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "option/keyboard/KeystrokeRecorder.h"

namespace orvyn {
namespace {

class FakeGrab final : public KeyboardGrab {
public:
    struct Counts {
        int grabs = 0;
        int releases = 0;
        bool refuse = false;
    };
    explicit FakeGrab(Counts &counts) : counts_(counts) {}
    bool grab(QWidget &) override {
        ++counts_.grabs;
        return !counts_.refuse;
    }
    void release() override { ++counts_.releases; }

private:
    Counts &counts_;
};

class Target final : public QWidget {
public:
    std::vector<Keystroke> keys;

protected:
    bool event(QEvent *e) override {
        if (e->type() == RecordedKeyEvent::kType) {
            keys.push_back(static_cast<RecordedKeyEvent *>(e)->keystroke());
            return true;
        }
        return QWidget::event(e);
    }
};

class RecorderTest : public ::testing::Test {
protected:
    void SetUp() override {
        recorder().setLayout(makeUsLayout());
        recorder().setKeyboardGrab(std::make_unique<FakeGrab>(counts_));
        target_ = std::make_unique<Target>();
        target_->show();
    }
    void TearDown() override {
        recorder().stop();
        recorder().setKeyboardGrab(nullptr);
    }
    static KeystrokeRecorder &recorder() { return KeystrokeRecorder::instance(); }

    FakeGrab::Counts counts_;
    std::unique_ptr<Target> target_;
};

constexpr uint32_t kXA = 38, kXKeypadEnter = 104, kXUnknown = 8 + 240;

TEST_F(RecorderTest, DeliversEveryKeystrokeInOrderUntilStopped) {
    ASSERT_TRUE(recorder().start(target_.get()));
    EXPECT_TRUE(recorder().grabbed());
    recorder().keyEvent(kXA, KeyDirection::Press, 100);
    recorder().keyEvent(kXUnknown, KeyDirection::Press, 105); // swallowed, not delivered
    recorder().keyEvent(kXKeypadEnter, KeyDirection::Press, 110);
    recorder().keyEvent(kXKeypadEnter, KeyDirection::Release, 120);
    recorder().keyEvent(kXA, KeyDirection::Release, 130);
    EXPECT_TRUE(target_->keys.empty()) << "delivery is queued, not immediate";
    // A release waits for the event loop to turn once.
    EXPECT_TRUE(QTest::qWaitFor([&] { return target_->keys.size() >= 4; }, 2000));
    ASSERT_EQ(target_->keys.size(), 4u);
    const Keystroke want[] = {{0x41, 0, 100}, {0x0D, 0x01, 110}, {0x0D, 0x81, 120}, {0x41, 0x80, 130}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(target_->keys[i].virtualKey, want[i].virtualKey) << i;
        EXPECT_EQ(target_->keys[i].flags, want[i].flags) << i;
        EXPECT_EQ(target_->keys[i].time, want[i].time) << i;
    }

    // Keystrokes still queued when recording stops are dropped.
    recorder().keyEvent(kXA, KeyDirection::Press, 200);
    recorder().stop();
    recorder().keyEvent(kXA, KeyDirection::Release, 210);
    QCoreApplication::processEvents();
    EXPECT_EQ(target_->keys.size(), 4u);
    EXPECT_FALSE(recorder().running());
    EXPECT_EQ(counts_.releases, 1);
}

TEST_F(RecorderTest, RefusedGrabStartsNothingButKeepsTheTargetUntilStop) {
    counts_.refuse = true;
    EXPECT_FALSE(recorder().start(target_.get()));
    EXPECT_TRUE(recorder().running());
    EXPECT_FALSE(recorder().grabbed());
    recorder().keyEvent(kXA, KeyDirection::Press, 1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(target_->keys.empty());
    recorder().stop();
    EXPECT_EQ(counts_.releases, 0) << "nothing to give back";
}

TEST_F(RecorderTest, OneWindowAtATime) {
    ASSERT_TRUE(recorder().start(target_.get()));
    Target other;
    other.show();
    EXPECT_FALSE(recorder().start(&other));
    EXPECT_EQ(recorder().target(), target_.get());
    recorder().keyEvent(kXA, KeyDirection::Press, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(target_->keys.size(), 1u);
    EXPECT_TRUE(other.keys.empty());
}

TEST_F(RecorderTest, GrabEndsWithTheTargetAndReturnsAfterAPopup) {
    ASSERT_TRUE(recorder().start(target_.get()));
    // A popup takes the keyboard while it is open and lets it go when it
    // closes: the recorder takes it again.
    QMenu menu;
    menu.addAction(QStringLiteral("item"));
    QTimer::singleShot(50, &menu, &QMenu::close);
    menu.exec(QPoint(10, 10));
    QTest::qWait(20);
    EXPECT_EQ(counts_.grabs, 2);
    EXPECT_TRUE(recorder().grabbed());

    // Hidden: the server would have dropped the grab; recording ends.
    target_->hide();
    EXPECT_FALSE(recorder().running());
    EXPECT_EQ(counts_.releases, 1);

    target_->show();
    ASSERT_TRUE(recorder().start(target_.get()));
    target_.reset(); // destroyed while recording
    EXPECT_FALSE(recorder().running());
    EXPECT_EQ(counts_.releases, 2);
}

} // namespace
} // namespace orvyn

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
