// MediaPlayers over the session bus: the running MPRIS players, their
// commands, and starting a player's application when none runs.
#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QString>

#include "monitor/HostInterfaces.h"
#include "monitor/MediaKeys.h"

namespace orvyn {

class MprisPlayers final : public MediaPlayers {
public:
    explicit MprisPlayers(Shell &shell, QDBusConnection bus = QDBusConnection::sessionBus());

    std::vector<MediaPlayer> running() override;
    bool command(const std::string &busName, PlayerCommand command) override;
    bool launch(const std::string &nameHint) override;

    // The .desktop file of the application to start for a hint (empty: the
    // desktop's default audio player); empty when none is found.
    static std::string findPlayerDesktopFile(const std::string &nameHint);

private:
    Shell &shell_;
    QDBusConnection bus_;
    // When each player was last playing or commanded by us: the most
    // recently active player is the one with the latest stamp.
    QHash<QString, qint64> lastActive_;
    qint64 tick_ = 0;
};

} // namespace orvyn
