// A notification service for end-to-end tests: owns
// org.freedesktop.Notifications on the session bus it is started on, answers
// every Notify at once and writes "notify <summary>|<body>" on its standard
// output for each (after a first line "ready").
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <cstdio>

namespace {

class Notifications final : public QDBusVirtualObject {
public:
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override {
        if (message.member() == QLatin1String("CloseNotification"))
            return connection.send(message.createReply());
        if (message.member() != QLatin1String("Notify"))
            return false;
        const QList<QVariant> args = message.arguments();
        const QByteArray line =
            QStringLiteral("notify %1|%2\n").arg(args.value(3).toString(), args.value(4).toString()).toUtf8();
        std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stdout);
        std::fflush(stdout);
        return connection.send(message.createReply(QVariant::fromValue(uint32_t(++lastId_))));
    }

private:
    uint32_t lastId_ = 0;
};

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    Notifications service;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() ||
        !bus.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"), &service) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "fake notification server: cannot own the service\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
