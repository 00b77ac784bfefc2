#include "monitor/qt/MprisPlayers.h"

#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

#include "shared/IniFile.h"

namespace orvyn {

namespace {

const QString kPrefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kRootInterface = QStringLiteral("org.mpris.MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
constexpr int kCallTimeoutMs = 500;

QVariant property(QDBusConnection &bus, const QString &service, const QString &interface,
                  const QString &name) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << interface << name;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant();
}

int statusRank(MediaPlayer::Status s) {
    switch (s) {
    case MediaPlayer::Status::Playing:
        return 0;
    case MediaPlayer::Status::Paused:
        return 1;
    case MediaPlayer::Status::Stopped:
        break;
    }
    return 2;
}

} // namespace

MprisPlayers::MprisPlayers(Shell &shell, QDBusConnection bus) : shell_(shell), bus_(std::move(bus)) {}

std::vector<MediaPlayer> MprisPlayers::running() {
    std::vector<MediaPlayer> players;
    if (!bus_.isConnected() || !bus_.interface())
        return players;
    const QDBusReply<QStringList> names = bus_.interface()->registeredServiceNames();
    if (!names.isValid())
        return players;
    for (const QString &name : names.value()) {
        if (!name.startsWith(kPrefix))
            continue;
        MediaPlayer player;
        player.busName = name.toStdString();
        player.identity =
            property(bus_, name, kRootInterface, QStringLiteral("Identity")).toString().toStdString();
        player.desktopEntry =
            property(bus_, name, kRootInterface, QStringLiteral("DesktopEntry")).toString().toStdString();
        const QString status =
            property(bus_, name, kPlayerInterface, QStringLiteral("PlaybackStatus")).toString();
        player.status = status == QLatin1String("Playing")  ? MediaPlayer::Status::Playing
                        : status == QLatin1String("Paused") ? MediaPlayer::Status::Paused
                                                            : MediaPlayer::Status::Stopped;
        if (player.status == MediaPlayer::Status::Playing)
            lastActive_[name] = ++tick_;
        players.push_back(std::move(player));
    }
    // Playing before paused before stopped; among equals the one active
    // most recently (as far as we saw), then by name for a stable order.
    std::stable_sort(players.begin(), players.end(), [this](const MediaPlayer &a, const MediaPlayer &b) {
        if (statusRank(a.status) != statusRank(b.status))
            return statusRank(a.status) < statusRank(b.status);
        const qint64 ta = lastActive_.value(QString::fromStdString(a.busName), 0);
        const qint64 tb = lastActive_.value(QString::fromStdString(b.busName), 0);
        if (ta != tb)
            return ta > tb;
        return a.busName < b.busName;
    });
    return players;
}

bool MprisPlayers::command(const std::string &busName, PlayerCommand command) {
    const QString service = QString::fromStdString(busName);
    QString interface = kPlayerInterface;
    QString method;
    switch (command) {
    case PlayerCommand::Raise:
        interface = kRootInterface;
        method = QStringLiteral("Raise");
        break;
    case PlayerCommand::Next:
        method = QStringLiteral("Next");
        break;
    case PlayerCommand::Previous:
        method = QStringLiteral("Previous");
        break;
    case PlayerCommand::PlayPause:
        method = QStringLiteral("PlayPause");
        break;
    case PlayerCommand::Play:
        method = QStringLiteral("Play");
        break;
    case PlayerCommand::Pause:
        method = QStringLiteral("Pause");
        break;
    case PlayerCommand::Stop:
        method = QStringLiteral("Stop");
        break;
    }
    lastActive_[service] = ++tick_;
    // Fire and forget: a slow player must not hold up the main thread.
    return bus_.send(QDBusMessage::createMethodCall(service, kPath, interface, method));
}

std::string MprisPlayers::findPlayerDesktopFile(const std::string &nameHint) {
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    if (nameHint.empty()) {
        // The desktop's default application for audio files.
        QProcess query;
        query.start(QStringLiteral("xdg-mime"),
                    {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("audio/mpeg")});
        if (!query.waitForFinished(2000) || query.exitCode() != 0)
            return {};
        const QString id = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
        if (id.isEmpty() || id.contains(QLatin1Char('/')))
            return {};
        for (const QString &folder : folders) {
            const QString path = QDir(folder).filePath(id);
            if (QFile::exists(path))
                return path.toStdString();
        }
        return {};
    }
    const QString hint = QString::fromStdString(nameHint);
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &file : dir.entryList({QStringLiteral("*.desktop")}, QDir::Files, QDir::Name)) {
            const QString path = dir.filePath(file);
            QFile in(path);
            if (!in.open(QIODevice::ReadOnly))
                continue;
            const QByteArray text = in.read(1 << 20);
            const IniDocument entry = IniDocument::parse(std::string_view(text.constData(), text.size()));
            const QString name = QString::fromStdString(entry.readText("Desktop Entry", "Name", ""));
            if (file.contains(hint, Qt::CaseInsensitive) || name.contains(hint, Qt::CaseInsensitive))
                return path.toStdString();
        }
    }
    return {};
}

bool MprisPlayers::launch(const std::string &nameHint) {
    const std::string desktopFile = findPlayerDesktopFile(nameHint);
    return !desktopFile.empty() && shell_.open(desktopFile);
}

} // namespace orvyn
