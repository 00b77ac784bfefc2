// The tray icon meets a panel that comes after Monitor: a fake
// org.kde.StatusNotifierWatcher on the test's private session bus registers
// its host only once the tray is waiting. The icon then appears through
// Qt's own StatusNotifierItem, and is driven the way a panel drives it:
// its menu over com.canonical.dbusmenu, a click through Activate.
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QMutex>
#include <QThread>
#include <gtest/gtest.h>

#include "monitor/CMonitorWnd.h"
#include "monitor/qt/MonitorTray.h"
#include "shared/Messages.h"

namespace orvyn {
namespace {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

class FakeWatcher final : public QDBusVirtualObject {
public:
    QString introspect(const QString &) const override {
        return QStringLiteral("<interface name=\"org.kde.StatusNotifierWatcher\">"
                              "<method name=\"RegisterStatusNotifierItem\"><arg name=\"service\" type=\"s\" "
                              "direction=\"in\"/></method>"
                              "<method name=\"RegisterStatusNotifierHost\"><arg name=\"service\" type=\"s\" "
                              "direction=\"in\"/></method>"
                              "<property name=\"RegisteredStatusNotifierItems\" type=\"as\" access=\"read\"/>"
                              "<property name=\"IsStatusNotifierHostRegistered\" type=\"b\" access=\"read\"/>"
                              "<property name=\"ProtocolVersion\" type=\"i\" access=\"read\"/>"
                              "<signal name=\"StatusNotifierItemRegistered\"><arg type=\"s\"/></signal>"
                              "<signal name=\"StatusNotifierHostRegistered\"/>"
                              "</interface>");
    }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override {
        QMutexLocker lock(&mutex_);
        const QString member = message.member();
        if (member == QLatin1String("Introspect")) // Qt asks through a QDBusInterface
            return connection.send(
                message.createReply(QStringLiteral("<node>%1</node>").arg(introspect(message.path()))));
        if (member == QLatin1String("Get") || member == QLatin1String("GetAll")) {
            QVariantMap values{{QStringLiteral("IsStatusNotifierHostRegistered"), host_},
                               {QStringLiteral("ProtocolVersion"), 0},
                               {QStringLiteral("RegisteredStatusNotifierItems"), items_}};
            if (member == QLatin1String("GetAll"))
                return connection.send(message.createReply(QVariant::fromValue(values)));
            const QString name = message.arguments().value(1).toString();
            return connection.send(
                message.createReply(QVariant::fromValue(QDBusVariant(values.value(name)))));
        }
        if (member == QLatin1String("RegisterStatusNotifierItem")) {
            QString item = message.arguments().value(0).toString();
            if (!item.startsWith(QLatin1Char('/')))
                item = item.section(QLatin1Char('/'), 0, 0);
            items_ << (item.isEmpty() ? message.service() : item);
            return connection.send(message.createReply());
        }
        return connection.send(message.createReply());
    }
    void setHost() {
        QMutexLocker lock(&mutex_);
        host_ = true;
    }
    QStringList items() const {
        QMutexLocker lock(&mutex_);
        return items_;
    }

private:
    mutable QMutex mutex_;
    bool host_ = false;
    QStringList items_;
};

// The panel's watcher on a connection of its own, served by a thread of its
// own as a separate panel process would be: Qt asks the watcher with
// blocking calls from the tray's thread.
struct PanelOnBus {
    PanelOnBus() {
        thread.start();
        watcher.moveToThread(&thread);
        connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("panel"));
        registered = connection.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), &watcher) &&
                     connection.registerService(kWatcher);
    }
    ~PanelOnBus() {
        connection.unregisterService(kWatcher);
        connection.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
        QDBusConnection::disconnectFromBus(QStringLiteral("panel"));
        thread.quit();
        thread.wait();
    }
    FakeWatcher watcher;
    QThread thread;
    QDBusConnection connection{QString()};
    bool registered = false;
};

struct Texts final : TextSource {
    std::string text(unsigned id) const override {
        return id == 1000 ? "Open Keyboard Settings" : id == 1001 ? "Exit" : "Orvyn Vantor Keyboard";
    }
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

// A call made the way a panel makes it: on its own connection, waited for
// while the tray's event loop runs.
QDBusMessage panelCall(QDBusConnection &panel, const QDBusMessage &call) {
    QDBusPendingCall pending = panel.asyncCall(call);
    pumpUntil([&] { return pending.isFinished(); });
    return pending.reply();
}

struct MenuItem {
    int id;
    QString label;
    QString type;
};

void readLayout(const QDBusArgument &argument, std::vector<MenuItem> &items) {
    int id = 0;
    QVariantMap properties;
    argument.beginStructure();
    argument >> id >> properties;
    items.push_back({id, properties.value(QStringLiteral("label")).toString(),
                     properties.value(QStringLiteral("type")).toString()});
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        readLayout(child.variant().value<QDBusArgument>(), items);
    }
    argument.endArray();
    argument.endStructure();
}

TEST(TrayHostTest, LatePanelGetsTheIconAndDrivesIt) {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "no X display";
    static int argc = 1;
    static char name[] = "monitor_tray_test";
    static char *argv[] = {name, nullptr};
    QApplication app(argc, argv);
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus (run under dbus-run-session)";

    PanelOnBus bus;
    ASSERT_TRUE(bus.registered);
    FakeWatcher &watcher = bus.watcher;
    QDBusConnection &panel = bus.connection;

    Texts texts;
    std::vector<int64_t> mouse, commands;
    MonitorTray tray(
        texts, "/nonexistent/", [&](int64_t m) { mouse.push_back(m); },
        [&](int64_t c) { commands.push_back(c); });
    tray.add();
    pumpUntil([] { return false; }, 500);
    EXPECT_FALSE(tray.visible()) << "no host yet: no icon";
    EXPECT_TRUE(watcher.items().isEmpty());

    // The panel's host comes up.
    watcher.setHost();
    panel.send(QDBusMessage::createSignal(QStringLiteral("/StatusNotifierWatcher"), kWatcher,
                                          QStringLiteral("StatusNotifierHostRegistered")));
    ASSERT_TRUE(pumpUntil([&] { return tray.visible() && !watcher.items().isEmpty(); }));
    EXPECT_TRUE(tray.viaStatusNotifier());
    const QString item = watcher.items().constFirst();

    // The menu as the panel reads it: open, separator, quit; open is the default.
    ASSERT_NE(tray.menu(), nullptr);
    EXPECT_EQ(tray.menu()->defaultAction(), tray.menu()->actions().value(0));
    QDBusMessage get = QDBusMessage::createMethodCall(item, QStringLiteral("/StatusNotifierItem"),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << QStringLiteral("org.kde.StatusNotifierItem") << QStringLiteral("Menu");
    const QDBusMessage menuPath = panelCall(panel, get);
    ASSERT_EQ(menuPath.type(), QDBusMessage::ReplyMessage) << menuPath.errorMessage().toStdString();
    const QString menu =
        qvariant_cast<QDBusObjectPath>(menuPath.arguments().value(0).value<QDBusVariant>().variant()).path();
    QDBusMessage layoutCall = QDBusMessage::createMethodCall(
        item, menu, QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("GetLayout"));
    layoutCall << 0 << -1 << QStringList();
    const QDBusMessage layout = panelCall(panel, layoutCall);
    ASSERT_EQ(layout.type(), QDBusMessage::ReplyMessage) << layout.errorMessage().toStdString();
    std::vector<MenuItem> items;
    readLayout(layout.arguments().value(1).value<QDBusArgument>(), items);
    ASSERT_EQ(items.size(), 4u); // the root and its three entries
    EXPECT_EQ(items[1].label, "Open Keyboard Settings");
    EXPECT_EQ(items[2].type, "separator");
    EXPECT_EQ(items[3].label, "Exit");

    for (const int entry : {items[1].id, items[3].id}) {
        QDBusMessage click = QDBusMessage::createMethodCall(
            item, menu, QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("Event"));
        click << entry << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(0)) << 0u;
        panelCall(panel, click);
    }
    ASSERT_TRUE(pumpUntil([&] { return commands.size() == 2; }));
    EXPECT_EQ(commands, (std::vector<int64_t>{CMD_CUSTOMIZER, CMD_QUIT_MONITOR}));

    // One click on the icon opens Option once (no double click comes here).
    QDBusMessage activate = QDBusMessage::createMethodCall(item, QStringLiteral("/StatusNotifierItem"),
                                                           QStringLiteral("org.kde.StatusNotifierItem"),
                                                           QStringLiteral("Activate"));
    activate << 10 << 10;
    panelCall(panel, activate);
    pumpUntil([] { return false; }, 300);
    EXPECT_EQ(mouse, std::vector<int64_t>{kMouseLeftDoubleClick});

    tray.remove();
    EXPECT_FALSE(tray.visible());
}

} // namespace
} // namespace orvyn
