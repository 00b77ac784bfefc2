// The KWin source against a fake KWin on the session bus that loads the
// script and calls back exactly as the script does: only KWin is heard, and
// garbage or a flood leaves the source right and bounded.
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

#include "monitor/qt/KWinForeground.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

// org.kde.KWin's scripting objects, as far as the source uses them.
class FakeScripting final : public QDBusVirtualObject {
public:
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override {
        const QString member = message.member();
        if (member == "isScriptLoaded")
            return connection.send(message.createReply(QVariant(false)));
        if (member == "unloadScript")
            return connection.send(message.createReply(QVariant(true)));
        if (member == "loadScript" && !message.arguments().isEmpty()) {
            QFile file(message.arguments().at(0).toString());
            if (file.open(QIODevice::ReadOnly))
                script = QString::fromUtf8(file.readAll());
            return connection.send(message.createReply(QVariant(0)));
        }
        if (member == "run" && message.path() == "/Scripting/Script0")
            return connection.send(message.createReply());
        return false;
    }
    QString introspect(const QString &) const override { return {}; }
    QString script; // written before the reply that lets the source go on
};

struct FakeKWin {
    FakeKWin() {
        thread.start();
        scripting.moveToThread(&thread);
        bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-kwin");
        registered = bus.registerVirtualObject("/", &scripting, QDBusConnection::SubPath) &&
                     bus.registerService("org.kde.KWin");
    }
    ~FakeKWin() {
        bus.unregisterService("org.kde.KWin");
        bus.unregisterObject("/");
        QDBusConnection::disconnectFromBus("fake-kwin");
        thread.quit();
        thread.wait();
    }
    FakeScripting scripting;
    QThread thread;
    QDBusConnection bus{QString()};
    bool registered = false;
};

TEST(KWinForegroundTest, OnlyKWinIsHeardAndGarbageStaysBounded) {
    static int argc = 1;
    static char name[] = "monitor_adaptors_test";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QApplication(argc, argv);
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus (run under dbus-run-session)";
    FakeKWin kwin;
    ASSERT_TRUE(kwin.registered);
    QDBusConnection stranger = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "stranger");
    const test::TempDir folder;
    KWinForeground source(folder.path(), QDBusConnection::sessionBus());
    ASSERT_TRUE(source.start());
    // Where the script calls back.
    const auto target =
        QRegularExpression(R"re(callDBus\("([^"]+)", "([^"]+)")re").match(kwin.scripting.script);
    ASSERT_TRUE(target.hasMatch()) << kwin.scripting.script.toStdString();
    const auto report = [&](QDBusConnection &from, const QString &pid, const QString &cls,
                            const QString &pids, QDBus::CallMode mode) {
        QDBusMessage call = QDBusMessage::createMethodCall(target.captured(1), target.captured(2),
                                                           "org.orvyn.Vantor.Foreground", "Activated");
        call << pid << cls << QString("caption") << pids;
        if (mode == QDBus::NoBlock)
            return from.send(call);
        return from.call(call, QDBus::BlockWithGui).type() == QDBusMessage::ReplyMessage;
    };

    const struct {
        const char *what;
        bool fromKWin;
        QString pid, cls, pids;
        std::optional<ForegroundWindow> front;
        pid_t withWindow;
        bool listed;
    } rows[] = {
        {"a window", true, "4242", "Racer", "1,4242", ForegroundWindow{4242, "Racer"}, 4242, true},
        {"not KWin", false, "77", "Evil", "77", ForegroundWindow{4242, "Racer"}, 77, false},
        {"no window", true, "0", "", "", std::nullopt, 4242, false},
        {"no pid", true, "abc", "Game", "", ForegroundWindow{std::nullopt, "Game"}, 0, false},
        {"a pid out of range", true, "99999999999", "Game", "x,,77,", ForegroundWindow{std::nullopt, "Game"},
         77, true},
        {"a class a megabyte long", true, "5", QString(1 << 20, 'g'), QString(1 << 20, '1'),
         ForegroundWindow{5, std::string(512, 'g')}, 1, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(
            report(row.fromKWin ? kwin.bus : stranger, row.pid, row.cls, row.pids, QDBus::BlockWithGui));
        EXPECT_EQ(source.foregroundWindow(), row.front);
        EXPECT_EQ(source.hasOwnWindow(row.withWindow), row.listed);
    }

    // A flood: ten thousand activations, then one more; the last one counts.
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 10000; ++i)
        report(kwin.bus, QString::number(1000 + i), "Flood", "1,2,3", QDBus::NoBlock);
    ASSERT_TRUE(report(kwin.bus, "4242", "Racer", "4242", QDBus::BlockWithGui));
    EXPECT_EQ(source.foregroundWindow(), (ForegroundWindow{4242, "Racer"}));
    EXPECT_LT(timer.elapsed(), 10000);
    QDBusConnection::disconnectFromBus("stranger");
}

} // namespace
} // namespace orvyn
