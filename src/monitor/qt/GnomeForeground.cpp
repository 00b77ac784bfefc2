#include "monitor/qt/GnomeForeground.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <algorithm>

namespace orvyn {

namespace {

const QString kName = QStringLiteral("org.orvyn.Vantor.FocusedWindow");
const QString kPath = QStringLiteral("/org/orvyn/Vantor/FocusedWindow");
const QString kInterface = kName;
constexpr qsizetype kMaxText = 512;
constexpr int kPatienceMs = 250; // the shell answers at once or is stuck

std::optional<ForegroundWindow> windowOf(int pid, const QString &wmClass) {
    if (pid <= 0 && wmClass.isEmpty())
        return std::nullopt; // nothing has the focus
    return ForegroundWindow{pid > 0 ? std::optional<pid_t>(pid) : std::nullopt,
                            wmClass.left(kMaxText).toStdString()};
}

} // namespace

GnomeForeground::GnomeForeground(QDBusConnection bus) : bus_(std::move(bus)) {}

GnomeForeground::~GnomeForeground() {
    bus_.disconnect(kName, kPath, kInterface, QStringLiteral("Changed"), this,
                    SLOT(onChanged(int, QString, QString)));
}

bool GnomeForeground::start() {
    if (!bus_.isConnected() || !fetch())
        return false;
    // Qt follows the name's owner: signals from anyone else are not delivered.
    bus_.connect(kName, kPath, kInterface, QStringLiteral("Changed"), this,
                 SLOT(onChanged(int, QString, QString)));
    watcher_ = std::make_unique<QDBusServiceWatcher>(kName, bus_, QDBusServiceWatcher::WatchForOwnerChange);
    connect(watcher_.get(), &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &owner) {
                front_.reset();
                if (!owner.isEmpty())
                    fetch();
            });
    return true;
}

bool GnomeForeground::fetch() {
    const QDBusMessage reply =
        bus_.call(QDBusMessage::createMethodCall(kName, kPath, kInterface, QStringLiteral("Get")),
                  QDBus::Block, kPatienceMs);
    const QList<QVariant> values = reply.arguments();
    if (reply.type() != QDBusMessage::ReplyMessage || values.size() != 3)
        return false;
    front_ = windowOf(values.at(0).toInt(), values.at(1).toString());
    return true;
}

void GnomeForeground::onChanged(int pid, const QString &wmClass, const QString &) {
    front_ = windowOf(pid, wmClass);
}

bool GnomeForeground::hasOwnWindow(pid_t pid) {
    const QDBusMessage reply =
        bus_.call(QDBusMessage::createMethodCall(kName, kPath, kInterface, QStringLiteral("WindowPids")),
                  QDBus::Block, kPatienceMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1 ||
        reply.signature() != QStringLiteral("ai"))
        return false;
    return qdbus_cast<QList<int>>(reply.arguments().at(0)).contains(static_cast<int>(pid));
}

} // namespace orvyn
