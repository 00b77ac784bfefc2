#include "monitor/qt/MprisPlayers.h"

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDirIterator>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <set>

#include "monitor/DesktopEntry.h"
#include "platform/FileAccess.h"
#include "platform/Text.h"

namespace orvyn {

namespace {

const QString kPrefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kRootInterface = QStringLiteral("org.mpris.MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kBus = QStringLiteral("org.freedesktop.DBus");
constexpr int kMimeQueryMs = 2000;
constexpr qint64 kApplicationsMaxAgeMs = 30000;
constexpr int kApplicationFilesMax = 5000;
constexpr std::size_t kApplicationEntryMaxBytes = 256 * 1024;

MediaPlayer::Status statusFrom(const QString &status) {
    if (status == QLatin1String("Playing"))
        return MediaPlayer::Status::Playing;
    if (status == QLatin1String("Paused"))
        return MediaPlayer::Status::Paused;
    return MediaPlayer::Status::Stopped;
}

} // namespace

std::vector<ApplicationEntry> findApplicationEntries(const std::vector<std::string> &folders) {
    std::vector<ApplicationEntry> entries;
    std::set<std::string> ids;
    int files = 0;
    for (const std::string &folder : folders) {
        const QString root = QString::fromStdString(folder);
        QDirIterator it(root, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext() && files < kApplicationFilesMax) {
            const QString path = it.next();
            ++files;
            std::string id = QDir(root).relativeFilePath(path).toStdString();
            std::replace(id.begin(), id.end(), '/', '-');
            if (ids.count(id))
                continue; // hidden by an earlier folder
            ids.insert(id);
            const FileRead file = readRegularFile(path.toStdString(), kApplicationEntryMaxBytes);
            if (!file.ok())
                continue;
            const auto entry = parseDesktopEntry(file.contents);
            if (!entry || entry->hidden)
                continue;
            entries.push_back({id, path.toStdString(), entry->name});
        }
    }
    return entries;
}

std::optional<ApplicationEntry> matchApplication(const std::vector<ApplicationEntry> &entries,
                                                 const std::string &nameHint) {
    const std::string hint = asciiLower(nameHint);
    for (const ApplicationEntry &entry : entries) {
        if (asciiLower(entry.id).find(hint) != std::string::npos ||
            asciiLower(entry.name).find(hint) != std::string::npos)
            return entry;
    }
    return std::nullopt;
}

MprisPlayers::MprisPlayers(Shell &shell, QDBusConnection bus) : shell_(shell), bus_(std::move(bus)) {
    if (!bus_.isConnected())
        return;
    bus_.connect(kBus, QStringLiteral("/org/freedesktop/DBus"), kBus, QStringLiteral("NameOwnerChanged"),
                 this, SLOT(onNameOwnerChanged(QString, QString, QString)));
    bus_.connect(QString(), kPath, kProperties, QStringLiteral("PropertiesChanged"), this,
                 SLOT(onPropertiesChanged(QString, QVariantMap, QStringList, QDBusMessage)));
    auto *list = new QDBusPendingCallWatcher(
        bus_.asyncCall(QDBusMessage::createMethodCall(kBus, QStringLiteral("/org/freedesktop/DBus"), kBus,
                                                      QStringLiteral("ListNames"))),
        this);
    connect(list, &QDBusPendingCallWatcher::finished, this, [this, list] {
        list->deleteLater();
        const QDBusPendingReply<QStringList> names = *list;
        ready_ = true;
        if (names.isError())
            return;
        for (const QString &name : names.value()) {
            if (!name.startsWith(kPrefix) || players_.contains(name))
                continue;
            auto *owner = new QDBusPendingCallWatcher(
                bus_.asyncCall(QDBusMessage::createMethodCall(kBus, QStringLiteral("/org/freedesktop/DBus"),
                                                              kBus, QStringLiteral("GetNameOwner"))
                               << name),
                this);
            connect(owner, &QDBusPendingCallWatcher::finished, this, [this, owner, name] {
                owner->deleteLater();
                const QDBusPendingReply<QString> unique = *owner;
                if (!unique.isError() && !players_.contains(name))
                    addPlayer(name, unique.value());
            });
        }
    });
}

void MprisPlayers::addPlayer(const QString &name, const QString &owner) {
    Player player;
    player.owner = owner;
    player.info.busName = name.toStdString();
    players_.insert(name, player);
    describe(name, kRootInterface);
    describe(name, kPlayerInterface);
}

void MprisPlayers::describe(const QString &name, const QString &interface) {
    QDBusMessage call = QDBusMessage::createMethodCall(name, kPath, kProperties, QStringLiteral("GetAll"));
    call << interface;
    auto *watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    const QString owner = players_.value(name).owner;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, name, owner] {
        watcher->deleteLater();
        const QDBusPendingReply<QVariantMap> properties = *watcher;
        auto it = players_.find(name);
        // A player that went (or was replaced) meanwhile keeps nothing of it.
        if (properties.isError() || it == players_.end() || it->owner != owner)
            return;
        apply(*it, properties.value(), false);
    });
}

void MprisPlayers::apply(Player &player, const QVariantMap &properties, bool fromSignal) {
    if (const auto it = properties.find(QStringLiteral("Identity")); it != properties.end())
        player.info.identity = it->toString().toStdString();
    if (const auto it = properties.find(QStringLiteral("DesktopEntry")); it != properties.end())
        player.info.desktopEntry = it->toString().toStdString();
    if (const auto it = properties.find(QStringLiteral("PlaybackStatus")); it != properties.end()) {
        const MediaPlayer::Status status = statusFrom(it->toString());
        // Started or paused by anyone: the desktop saw it in use. A player
        // found playing counts as in use when it is first seen.
        const bool used = fromSignal ? status != player.info.status && status != MediaPlayer::Status::Stopped
                                     : status == MediaPlayer::Status::Playing;
        if (used)
            player.activeStamp = ++tick_;
        player.info.status = status;
    }
}

void MprisPlayers::onNameOwnerChanged(const QString &name, const QString &oldOwner, const QString &newOwner) {
    if (!name.startsWith(kPrefix))
        return;
    if (!oldOwner.isEmpty())
        players_.remove(name);
    if (!newOwner.isEmpty())
        addPlayer(name, newOwner);
}

void MprisPlayers::onPropertiesChanged(const QString &interface, const QVariantMap &changed,
                                       const QStringList &, const QDBusMessage &message) {
    if (interface != kPlayerInterface && interface != kRootInterface)
        return;
    for (Player &player : players_) {
        if (player.owner == message.service()) {
            apply(player, changed, true);
            // One connection may serve several names (an instance suffix).
        }
    }
}

std::vector<MediaPlayer> MprisPlayers::running() {
    std::vector<const Player *> order;
    for (const Player &player : players_)
        order.push_back(&player);
    // Playing before anything else; then the one the desktop saw in use
    // last; then paused before stopped; then by name, for a stable order.
    const auto rank = [](MediaPlayer::Status s) {
        return s == MediaPlayer::Status::Playing ? 0 : s == MediaPlayer::Status::Paused ? 1 : 2;
    };
    std::sort(order.begin(), order.end(), [&rank](const Player *a, const Player *b) {
        const bool playingA = a->info.status == MediaPlayer::Status::Playing;
        const bool playingB = b->info.status == MediaPlayer::Status::Playing;
        if (playingA != playingB)
            return playingA;
        if (a->activeStamp != b->activeStamp)
            return a->activeStamp > b->activeStamp;
        if (rank(a->info.status) != rank(b->info.status))
            return rank(a->info.status) < rank(b->info.status);
        return a->info.busName < b->info.busName;
    });
    std::vector<MediaPlayer> result;
    result.reserve(order.size());
    for (const Player *player : order)
        result.push_back(player->info);
    return result;
}

bool MprisPlayers::command(const std::string &busName, PlayerCommand command) {
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
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromStdString(busName), kPath, interface, method);
    // Fire and forget: a hung player must not hold up Monitor.
    return bus_.send(call);
}

const std::vector<ApplicationEntry> &MprisPlayers::applications() {
    if (!applicationsAge_.isValid() || applicationsAge_.elapsed() > kApplicationsMaxAgeMs) {
        std::vector<std::string> folders;
        for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
            folders.push_back(folder.toStdString());
        applications_ = findApplicationEntries(folders);
        applicationsAge_.start();
    }
    return applications_;
}

bool MprisPlayers::installed(const std::string &nameHint) {
    return !nameHint.empty() && matchApplication(applications(), nameHint).has_value();
}

bool MprisPlayers::launch(const std::string &nameHint) {
    if (nameHint.empty()) {
        launchDefaultPlayer();
        return true;
    }
    const auto entry = matchApplication(applications(), nameHint);
    return entry && shell_.open(entry->path).started;
}

void MprisPlayers::launchDefaultPlayer() {
    if (mimeQuery_)
        return; // one question at a time
    // The desktop's default application for audio files, asked without
    // waiting: the answer starts it when it comes.
    auto *query = new QProcess(this);
    mimeQuery_ = query;
    connect(query, &QProcess::finished, this, [this, query](int exitCode, QProcess::ExitStatus status) {
        query->deleteLater();
        if (status != QProcess::NormalExit || exitCode != 0)
            return;
        const std::string id = QString::fromLocal8Bit(query->readAllStandardOutput()).trimmed().toStdString();
        if (id.empty())
            return;
        for (const ApplicationEntry &entry : applications()) {
            if (entry.id == id) {
                shell_.open(entry.path);
                return;
            }
        }
    });
    connect(query, &QProcess::errorOccurred, query, [query](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            query->deleteLater();
    });
    QTimer::singleShot(kMimeQueryMs, query, [query] { query->kill(); });
    query->start(QStringLiteral("xdg-mime"),
                 {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("audio/mpeg")});
}

} // namespace orvyn
