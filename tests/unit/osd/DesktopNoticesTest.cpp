// The OSD's notices against a fake notification service on the test's
// private session bus: hints, a slow service that is not a missing one, a
// late id closed like any other, and the overlay when there is no service
// or a fullscreen window has the focus.
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QMutex>
#include <QThread>
#include <gtest/gtest.h>
#include <thread>

#include "osd/DesktopNotices.h"
#include "osd/X11Fullscreen.h"
#include "support/FakeActiveWindow.h"

namespace orvyn {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");

class FakeNotifications final : public QDBusVirtualObject {
public:
    explicit FakeNotifications(int answerAfterMs) : delayMs_(answerAfterMs) {}
    ~FakeNotifications() override {
        for (std::thread &t : answers_)
            t.join();
    }
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override {
        QMutexLocker lock(&mutex_);
        if (message.member() == QLatin1String("CloseNotification")) {
            log_ << QStringLiteral("close %1").arg(message.arguments().value(0).toUInt());
            return connection.send(message.createReply());
        }
        if (message.member() != QLatin1String("Notify"))
            return false;
        const QList<QVariant> args = message.arguments();
        log_ << QStringLiteral("notify ") + args.value(3).toString();
        hints_ = qdbus_cast<QVariantMap>(args.value(6));
        const QDBusMessage reply = message.createReply(QVariant::fromValue(uint32_t(nextId_++)));
        // A busy desktop shell answers late.
        answers_.emplace_back([connection, reply, delay = delayMs_] {
            std::this_thread::sleep_for(std::chrono::milliseconds(delay));
            QDBusConnection(connection).send(reply);
        });
        return true;
    }
    QStringList log() const {
        QMutexLocker lock(&mutex_);
        return log_;
    }
    QVariantMap hints() const {
        QMutexLocker lock(&mutex_);
        return hints_;
    }

private:
    int delayMs_;
    mutable QMutex mutex_;
    QStringList log_;
    QVariantMap hints_;
    uint32_t nextId_ = 7;
    std::vector<std::thread> answers_;
};

// The fake service on its own connection, for the length of a test.
struct ServiceOnBus {
    explicit ServiceOnBus(int answerAfterMs) : service(answerAfterMs) {
        thread.start();
        service.moveToThread(&thread);
        connection =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-notices"));
        registered =
            connection.isConnected() &&
            connection.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"), &service) &&
            connection.registerService(kService);
    }
    ~ServiceOnBus() {
        connection.unregisterService(kService);
        connection.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-notices"));
        thread.quit();
        thread.wait();
    }
    FakeNotifications service;
    QThread thread;
    QDBusConnection connection{QString()};
    bool registered = false;
};

template <typename Predicate> bool pumpUntil(Predicate done, int limitMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    return true;
}

void pumpFor(int ms) {
    pumpUntil([] { return false; }, ms);
}

bool overlayShown(const DesktopNotices &notices) {
    return notices.overlay() && notices.overlay()->isVisible();
}

class NoticesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "osd_notices_test";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QApplication(argc, argv);
    }
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (run under dbus-run-session)";
    }
};

TEST_F(NoticesTest, NoServiceMeansTheOverlay) {
    DesktopNotices notices;
    notices.show("Profile 2", "Racing");
    ASSERT_TRUE(pumpUntil([&] { return overlayShown(notices); }));
    EXPECT_TRUE(notices.overlay()->text().contains("Profile 2"));
}

TEST_F(NoticesTest, SlowServiceIsNotAMissingOneAndItsLateIdIsClosed) {
    ServiceOnBus bus(1500);
    ASSERT_TRUE(bus.registered);
    DesktopNotices notices;
    notices.show("Profile 1", "Default");
    pumpFor(1100); // longer than any wait for the service used to be
    EXPECT_FALSE(overlayShown(notices));
    ASSERT_TRUE(pumpUntil([&] { return notices.lastNotificationId() == 7; }));
    // Passing notices, configurable per application.
    const QVariantMap hints = bus.service.hints();
    EXPECT_EQ(hints.value(QStringLiteral("transient")), QVariant(true));
    EXPECT_EQ(hints.value(QStringLiteral("desktop-entry")), QVariant(QStringLiteral("orvyn-vantor-option")));
    EXPECT_EQ(hints.value(QStringLiteral("category")), QVariant(QStringLiteral("device")));

    notices.show("Windows Key: Lock", "");
    ASSERT_TRUE(pumpUntil([&] { return bus.service.log().size() == 3; }));
    EXPECT_EQ(bus.service.log(), (QStringList{"notify Profile 1", "close 7", "notify Windows Key: Lock"}));
    EXPECT_FALSE(overlayShown(notices));
}

// A notice replaced before the service answered: its id is closed as soon
// as it arrives, so no banner stays behind.
TEST_F(NoticesTest, AnswerToAReplacedNoticeClosesIt) {
    ServiceOnBus bus(300);
    ASSERT_TRUE(bus.registered);
    DesktopNotices notices;
    notices.show("Profile 1", "");
    notices.show("Profile 2", "");
    ASSERT_TRUE(pumpUntil([&] { return bus.service.log().contains("close 7"); }));
    ASSERT_TRUE(pumpUntil([&] { return notices.lastNotificationId() == 8; }));
    EXPECT_EQ(bus.service.log(), (QStringList{"notify Profile 1", "notify Profile 2", "close 7"}));
}

TEST_F(NoticesTest, FullscreenWindowGetsTheOverlayNotABanner) {
    ServiceOnBus bus(0);
    ASSERT_TRUE(bus.registered);
    bool fullscreen = true;
    DesktopNotices notices([&] { return fullscreen; });
    notices.show("Profile 3", "");
    EXPECT_TRUE(overlayShown(notices));
    pumpFor(200);
    EXPECT_TRUE(bus.service.log().isEmpty());
    fullscreen = false;
    notices.show("Profile 4", "");
    EXPECT_TRUE(pumpUntil([&] { return bus.service.log() == QStringList{"notify Profile 4"}; }));
}

TEST(X11FullscreenTest, SeesTheActiveWindowGoFullscreen) {
    test::FakeActiveWindow active(std::nullopt);
    if (!active.ok())
        GTEST_SKIP() << "no X display";
    X11Fullscreen probe;
    EXPECT_FALSE(probe.activeWindowIsFullscreen());
    active.setFullscreen();
    EXPECT_TRUE(probe.activeWindowIsFullscreen());
    active.clear();
    EXPECT_FALSE(probe.activeWindowIsFullscreen());
}

} // namespace
} // namespace orvyn
