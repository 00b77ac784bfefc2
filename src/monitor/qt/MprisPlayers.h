// MediaPlayers over the session bus. The players are followed as the
// desktop sees them: the MPRIS names coming and going (NameOwnerChanged),
// one GetAll per player and interface when it appears, and its
// PropertiesChanged signals afterwards. Nothing here waits for a player:
// running() answers from what was heard, commands are sent without waiting
// for a reply, and the default player is looked up without blocking.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QVariantMap>

#include "monitor/HostInterfaces.h"
#include "monitor/MediaKeys.h"

namespace orvyn {

// One application entry (.desktop file) of the desktop.
struct ApplicationEntry {
    std::string id;   // desktop file id: the path below the folder, "/" as "-"
    std::string path; // the file
    std::string name; // its Name
};

// Every application entry in `folders` and their subfolders (Wine puts its
// entries under wine/Programs/...); an id found in an earlier folder hides
// the same id in later ones. Hidden entries are left out.
std::vector<ApplicationEntry> findApplicationEntries(const std::vector<std::string> &folders);

// The first entry whose id or Name contains the hint, ignoring case.
std::optional<ApplicationEntry> matchApplication(const std::vector<ApplicationEntry> &entries,
                                                 const std::string &nameHint);

class MprisPlayers final : public QObject, public MediaPlayers {
    Q_OBJECT
public:
    explicit MprisPlayers(Shell &shell, QDBusConnection bus = QDBusConnection::sessionBus());

    std::vector<MediaPlayer> running() override;
    bool command(const std::string &busName, PlayerCommand command) override;
    bool launch(const std::string &nameHint) override;
    bool installed(const std::string &nameHint) override;

    // The answer to the first list of names has arrived.
    bool ready() const { return ready_; }

private Q_SLOTS:
    void onNameOwnerChanged(const QString &name, const QString &oldOwner, const QString &newOwner);
    void onPropertiesChanged(const QString &interface, const QVariantMap &changed,
                             const QStringList &invalidated, const QDBusMessage &message);

private:
    struct Player {
        QString owner; // unique name: signals come from it
        MediaPlayer info;
        qint64 activeStamp = 0; // when the desktop last saw it play or pause
    };
    void addPlayer(const QString &name, const QString &owner);
    void describe(const QString &name, const QString &interface);
    void apply(Player &player, const QVariantMap &properties, bool fromSignal);
    const std::vector<ApplicationEntry> &applications();
    void launchDefaultPlayer();

    Shell &shell_;
    QDBusConnection bus_;
    QHash<QString, Player> players_; // by well-known name
    qint64 tick_ = 0;
    bool ready_ = false;
    std::vector<ApplicationEntry> applications_;
    QElapsedTimer applicationsAge_;
    QPointer<QProcess> mimeQuery_;
};

} // namespace orvyn
