#include "monitor/qt/SessionNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace orvyn {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

SessionNotifier::SessionNotifier(Fallback fallback, QDBusConnection bus)
    : fallback_(std::move(fallback)), bus_(std::move(bus)) {}

void SessionNotifier::notify(const std::string &summary, const std::string &body) {
    if (!bus_.isConnected()) {
        if (fallback_)
            fallback_(summary, body);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    // These notices say what to fix: they stay in the history.
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QString::fromLatin1(kNoticeDesktopEntry));
    hints.insert(QStringLiteral("category"), QStringLiteral("device.error"));
    call << QStringLiteral("Orvyn Vantor Keyboard") << uint32_t(0) << QStringLiteral("orvyn-vantor")
         << QString::fromStdString(summary) << QString::fromStdString(body) << QStringList() << hints
         << int32_t(-1);
    auto *watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, summary, body] {
        watcher->deleteLater();
        if (watcher->isError() && watcher->error().type() != QDBusError::NoReply && fallback_)
            fallback_(summary, body);
    });
}

} // namespace orvyn
