// Media keys through the real MPRIS adaptor, against fake players that this
// test puts on the session bus (each on its own connection and thread).
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QMutex>
#include <QThread>
#include <gtest/gtest.h>

#include "monitor/MediaKeys.h"
#include "monitor/qt/MprisPlayers.h"

namespace orvyn {
namespace {

class FakePlayer final : public QDBusVirtualObject {
public:
    FakePlayer(QString identity, QString status)
        : identity_(std::move(identity)), status_(std::move(status)) {}

    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override {
        if (message.interface() == QLatin1String("org.freedesktop.DBus.Properties") &&
            message.member() == QLatin1String("Get") && message.arguments().size() == 2) {
            const QString name = message.arguments().at(1).toString();
            QVariant value;
            if (name == QLatin1String("Identity"))
                value = identity_;
            else if (name == QLatin1String("DesktopEntry"))
                value = QString();
            else if (name == QLatin1String("PlaybackStatus"))
                value = status_;
            else
                return connection.send(message.createErrorReply(QDBusError::UnknownProperty, name));
            return connection.send(message.createReply(QVariant::fromValue(QDBusVariant(value))));
        }
        {
            QMutexLocker lock(&mutex_);
            calls_ << message.interface() + QLatin1Char('.') + message.member();
        }
        return connection.send(message.createReply());
    }
    QStringList calls() const {
        QMutexLocker lock(&mutex_);
        return calls_;
    }

private:
    QString identity_;
    QString status_;
    mutable QMutex mutex_;
    QStringList calls_;
};

// One fake player on its own bus connection, served by its own thread so
// the adaptor's blocking calls from the test thread are answered.
struct PlayerOnBus {
    PlayerOnBus(const QString &suffix, const QString &identity, const QString &status)
        : player(identity, status), connectionName(QStringLiteral("fake-") + suffix),
          service(QStringLiteral("org.mpris.MediaPlayer2.") + suffix) {
        thread.start();
        player.moveToThread(&thread);
        connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName);
        registered = connection.isConnected() &&
                     connection.registerVirtualObject(QStringLiteral("/org/mpris/MediaPlayer2"), &player) &&
                     connection.registerService(service);
    }
    ~PlayerOnBus() {
        connection.unregisterService(service);
        connection.unregisterObject(QStringLiteral("/org/mpris/MediaPlayer2"));
        QDBusConnection::disconnectFromBus(connectionName);
        thread.quit();
        thread.wait();
    }
    // Waits (bounded) until the player has received `count` calls.
    QStringList waitForCalls(int count) {
        QElapsedTimer timer;
        timer.start();
        while (player.calls().size() < count && timer.elapsed() < 5000)
            QThread::msleep(5);
        return player.calls();
    }

    FakePlayer player;
    QThread thread;
    QString connectionName;
    QString service;
    QDBusConnection connection{QString()};
    bool registered = false;
};

class NoShell final : public Shell {
public:
    bool open(const std::string &path) override {
        opened.push_back(path);
        return true;
    }
    bool isProgram(const std::string &) override { return false; }
    std::vector<std::string> opened;
};

class MprisTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "monitor_adaptors_test";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QApplication(argc, argv); // the tray test needs a widget application
    }
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (run under dbus-run-session)";
    }
};

TEST_F(MprisTest, ListsPlayersWithThePlayingOneFirst) {
    PlayerOnBus quiet(QStringLiteral("quietplayer"), QStringLiteral("Quiet Player"),
                      QStringLiteral("Paused"));
    PlayerOnBus amp(QStringLiteral("winamp.instance42"), QStringLiteral("Winamp"), QStringLiteral("Playing"));
    ASSERT_TRUE(quiet.registered && amp.registered);
    NoShell shell;
    MprisPlayers players(shell);
    const auto running = players.running();
    ASSERT_GE(running.size(), 2u);
    EXPECT_EQ(running[0].busName, "org.mpris.MediaPlayer2.winamp.instance42");
    EXPECT_EQ(running[0].identity, "Winamp");
    EXPECT_EQ(running[0].status, MediaPlayer::Status::Playing);
}

TEST_F(MprisTest, KeysReachTheChosenPlayer) {
    PlayerOnBus quiet(QStringLiteral("quietplayer"), QStringLiteral("Quiet Player"),
                      QStringLiteral("Paused"));
    PlayerOnBus amp(QStringLiteral("winamp"), QStringLiteral("Winamp"), QStringLiteral("Stopped"));
    ASSERT_TRUE(quiet.registered && amp.registered);
    NoShell shell;
    MprisPlayers players(shell);
    MediaKeys keys(players);

    keys.press(kMediaKeyPlayPause, 0, 3); // Winamp choice: play
    keys.press(kMediaKeyPlayPause, 0, 3); // then pause
    keys.press(kMediaKeyStop, 0, 3);
    keys.press(kMediaKeyPlayer, 0, 3);
    const QStringList expected = {"org.mpris.MediaPlayer2.Player.Play", "org.mpris.MediaPlayer2.Player.Pause",
                                  "org.mpris.MediaPlayer2.Player.Stop", "org.mpris.MediaPlayer2.Raise"};
    EXPECT_EQ(amp.waitForCalls(4), expected);

    // The default choice: a paused player counts as more recently active
    // than a stopped one.
    keys.press(kMediaKeyNext, 0, 0);
    EXPECT_EQ(quiet.waitForCalls(1), QStringList{"org.mpris.MediaPlayer2.Player.Next"});
    keys.press(kMediaKeyPrevious, 0, 1); // no such player running: nothing
    EXPECT_EQ(amp.player.calls().size(), 4);
    EXPECT_EQ(quiet.player.calls().size(), 1);
    EXPECT_TRUE(shell.opened.empty());
}

} // namespace
} // namespace orvyn
