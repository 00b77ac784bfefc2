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
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "monitor/MediaKeys.h"
#include "monitor/qt/MprisPlayers.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

class FakePlayer final : public QDBusVirtualObject {
public:
    FakePlayer(QString identity, QString status, bool hung)
        : identity_(std::move(identity)), status_(std::move(status)), hung_(hung) {}

    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override {
        QMutexLocker lock(&mutex_);
        if (hung_)
            return true; // never answers anything
        if (message.interface() == QLatin1String("org.freedesktop.DBus.Properties") &&
            message.member() == QLatin1String("GetAll") && message.arguments().size() == 1) {
            QVariantMap values;
            if (message.arguments().at(0).toString() == kPlayerInterface)
                values.insert(QStringLiteral("PlaybackStatus"), status_);
            else
                values.insert(QStringLiteral("Identity"), identity_);
            return connection.send(message.createReply(QVariant::fromValue(values)));
        }
        calls_ << message.interface() + QLatin1Char('.') + message.member();
        return connection.send(message.createReply());
    }
    QStringList calls() const {
        QMutexLocker lock(&mutex_);
        return calls_;
    }
    void setStatus(const QString &status) {
        QMutexLocker lock(&mutex_);
        status_ = status;
    }

private:
    QString identity_;
    QString status_;
    bool hung_;
    mutable QMutex mutex_;
    QStringList calls_;
};

// One fake player on its own bus connection, served by its own thread.
struct PlayerOnBus {
    PlayerOnBus(const QString &suffix, const QString &identity, const QString &status, bool hung = false)
        : player(identity, status, hung), connectionName(QStringLiteral("fake-") + suffix),
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
    // Someone else (the desktop, another program) changes its state.
    void changeStatus(const QString &status) {
        player.setStatus(status);
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/mpris/MediaPlayer2"),
                                                         QStringLiteral("org.freedesktop.DBus.Properties"),
                                                         QStringLiteral("PropertiesChanged"));
        signal << kPlayerInterface << QVariantMap{{QStringLiteral("PlaybackStatus"), status}}
               << QStringList();
        connection.send(signal);
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
    LaunchOutcome open(const std::string &path) override {
        opened.push_back(path);
        return {true, {}};
    }
    LaunchOutcome startHelper(const std::string &path, const std::vector<std::string> &) override {
        return open(path);
    }
    bool isProgram(const std::string &) override { return false; }
    std::vector<std::string> opened;
};

// Runs the event loop until `done` holds (bounded).
template <typename Predicate> bool pumpUntil(Predicate done, int limitMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

// The bus names of the running players, in order.
std::vector<std::string> order(MprisPlayers &players) {
    std::vector<std::string> names;
    for (const MediaPlayer &p : players.running())
        names.push_back(p.busName.substr(std::string("org.mpris.MediaPlayer2.").size()));
    return names;
}

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
        // Applications are looked up here only: iTunes is "installed", in a
        // subfolder as Wine makes them; nothing else is.
        const std::string apps = data.file("applications/wine/Programs/iTunes");
        std::filesystem::create_directories(apps);
        std::ofstream(apps + "/iTunes.desktop") << "[Desktop Entry]\nType=Application\nName=iTunes\nExec=x\n";
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path()));
        qputenv("XDG_DATA_DIRS", QByteArray::fromStdString(data.file("none")));
    }
    test::TempDir data;
};

TEST_F(MprisTest, ListsPlayersWithThePlayingOneFirst) {
    PlayerOnBus quiet(QStringLiteral("quietplayer"), QStringLiteral("Quiet Player"),
                      QStringLiteral("Paused"));
    PlayerOnBus amp(QStringLiteral("winamp.instance42"), QStringLiteral("Winamp"), QStringLiteral("Playing"));
    ASSERT_TRUE(quiet.registered && amp.registered);
    NoShell shell;
    MprisPlayers players(shell);
    // Names, identities and playback states arrive one by one.
    ASSERT_TRUE(pumpUntil([&] {
        const auto running = players.running();
        return running.size() >= 2 && !running[0].identity.empty() && !running[1].identity.empty() &&
               running[0].status == MediaPlayer::Status::Playing;
    })) << "the playing player never came first";
    const auto running = players.running();
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
    ASSERT_TRUE(pumpUntil([&] {
        return order(players) == std::vector<std::string>{"quietplayer", "winamp"};
    }));
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
    keys.press(kMediaKeyPrevious, 0, 1); // installed but not running: nothing
    EXPECT_EQ(amp.player.calls().size(), 4);
    EXPECT_EQ(quiet.player.calls().size(), 1);
    EXPECT_TRUE(shell.opened.empty());
    // The player key starts the installed one, found in a subfolder.
    keys.press(kMediaKeyPlayer, 0, 1);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], data.file("applications/wine/Programs/iTunes/iTunes.desktop"));
}

// "Most recent" is what the desktop saw, not what Monitor pressed: a player
// started and paused by others comes first; one that appears later and
// plays comes before it; one that quits is gone.
TEST_F(MprisTest, MostRecentIsWhatTheDesktopSaw) {
    PlayerOnBus older(QStringLiteral("older"), QStringLiteral("Older"), QStringLiteral("Paused"));
    PlayerOnBus other(QStringLiteral("other"), QStringLiteral("Other"), QStringLiteral("Stopped"));
    ASSERT_TRUE(older.registered && other.registered);
    NoShell shell;
    MprisPlayers players(shell);
    ASSERT_TRUE(pumpUntil([&] { return order(players) == std::vector<std::string>{"older", "other"}; }));

    other.changeStatus(QStringLiteral("Playing"));
    other.changeStatus(QStringLiteral("Paused"));
    // The two changes arrive one by one: the order follows the first, the status the second.
    ASSERT_TRUE(pumpUntil([&] {
        return order(players) == std::vector<std::string>{"other", "older"} &&
               players.running()[0].status == MediaPlayer::Status::Paused;
    }));

    MediaKeys keys(players);
    keys.press(kMediaKeyPlayPause, 0, 0);
    EXPECT_EQ(other.waitForCalls(1), QStringList{"org.mpris.MediaPlayer2.Player.PlayPause"});
    // Choice 2 is neither running nor installed: the most recent one plays.
    keys.press(kMediaKeyNext, 0, 2);
    EXPECT_EQ(other.waitForCalls(2).last(), "org.mpris.MediaPlayer2.Player.Next");
    EXPECT_TRUE(older.player.calls().isEmpty());

    {
        PlayerOnBus late(QStringLiteral("late"), QStringLiteral("Late"), QStringLiteral("Stopped"));
        ASSERT_TRUE(late.registered);
        ASSERT_TRUE(pumpUntil([&] { return order(players).size() == 3; }));
        late.changeStatus(QStringLiteral("Playing"));
        ASSERT_TRUE(pumpUntil([&] { return order(players).front() == "late"; }));
    }
    EXPECT_TRUE(pumpUntil([&] { return order(players) == std::vector<std::string>{"other", "older"}; }));
}

// A player that never answers costs Monitor nothing: keys aimed at it and
// the list of players come back at once, however long it stays silent.
TEST_F(MprisTest, HungPlayerDelaysNothing) {
    PlayerOnBus hung(QStringLiteral("winamp"), QStringLiteral("Winamp"), QStringLiteral("Playing"), true);
    PlayerOnBus fine(QStringLiteral("fine"), QStringLiteral("Fine"), QStringLiteral("Paused"));
    ASSERT_TRUE(hung.registered && fine.registered);
    NoShell shell;
    MprisPlayers players(shell);
    // The silent one is listed by its name only; the other has told its own.
    ASSERT_TRUE(pumpUntil([&] {
        const auto running = players.running();
        return running.size() == 2 && running[0].identity == "Fine";
    }));
    MediaKeys keys(players);
    std::vector<double> millis;
    for (int i = 0; i < 21; ++i) {
        const auto start = std::chrono::steady_clock::now();
        keys.press(i % 3 == 0 ? kMediaKeyNext : kMediaKeyPlayPause, 0, 3); // the hung Winamp
        keys.press(kMediaKeyStop, 0, 0);
        millis.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        QCoreApplication::processEvents();
    }
    std::sort(millis.begin(), millis.end());
    std::printf("two key presses with a hung player: median %.3f ms, slowest %.3f ms\n",
                millis[millis.size() / 2], millis.back());
    EXPECT_LT(millis[millis.size() / 2], 5.0) << "median of two key presses";
    EXPECT_LT(millis.back(), 100.0) << "slowest; a blocking call would wait 500 ms or more";
    EXPECT_GE(fine.waitForCalls(21).size(), 21);
}

} // namespace
} // namespace orvyn
