#include "monitor/MediaKeys.h"

#include "monitor/Utf8Text.h"

namespace orvyn {

std::optional<std::string> MediaKeys::nameHint(int32_t mediaOption) {
    switch (static_cast<MediaChoice>(mediaOption)) {
    case MediaChoice::DefaultPlayer:
        return std::string();
    case MediaChoice::ITunes:
        return std::string("itunes");
    case MediaChoice::RealPlayer:
        return std::string("realplay");
    case MediaChoice::Winamp:
        return std::string("winamp");
    }
    return std::nullopt;
}

std::optional<MediaPlayer> MediaKeys::choose(const std::vector<MediaPlayer> &running, int32_t mediaOption) {
    const auto hint = nameHint(mediaOption);
    if (!hint)
        return std::nullopt;
    if (hint->empty()) {
        for (const MediaPlayer &player : running)
            if (player.busName == kPlayerctldBusName)
                return player;
    }
    for (const MediaPlayer &player : running) {
        if (player.busName == kPlayerctldBusName)
            continue; // not a player of its own
        if (hint->empty())
            return player; // the most recently active one
        // A player that has not told its identity yet is known by its name.
        if (asciiLower(player.identity).find(*hint) != std::string::npos ||
            asciiLower(player.busName).find(*hint) != std::string::npos ||
            asciiLower(player.desktopEntry).find(*hint) != std::string::npos)
            return player;
    }
    return std::nullopt;
}

void MediaKeys::press(uint8_t code, uint8_t flag, int32_t mediaOption) {
    if (flag != 0 || code < kMediaKeyPlayer || code > kMediaKeyStop)
        return;
    const auto hint = nameHint(mediaOption);
    if (!hint)
        return;
    const std::vector<MediaPlayer> running = players_.running();
    auto player = choose(running, mediaOption);
    // Alternating play/pause is for the chosen player itself only.
    const bool alternate = player && static_cast<MediaChoice>(mediaOption) == MediaChoice::Winamp;
    bool launchChosen = hint->empty();
    if (!player && !hint->empty()) {
        // The players of choices 1-3 come from another desktop and rarely
        // exist here: when it is not installed either, the keys drive the
        // desktop's most recently active player instead of doing nothing.
        launchChosen = players_.installed(*hint);
        if (!launchChosen)
            player = choose(running, static_cast<int32_t>(MediaChoice::DefaultPlayer));
    }
    if (code == kMediaKeyPlayer) {
        if (player)
            players_.command(player->busName, PlayerCommand::Raise);
        else
            players_.launch(launchChosen ? *hint : std::string());
        return;
    }
    if (!player)
        return; // transport keys reach only a running player
    switch (code) {
    case kMediaKeyNext:
        players_.command(player->busName, PlayerCommand::Next);
        break;
    case kMediaKeyPrevious:
        players_.command(player->busName, PlayerCommand::Previous);
        break;
    case kMediaKeyPlayPause:
        if (alternate) {
            // Alternates whatever the player's real state: the first press
            // after start-up always plays.
            players_.command(player->busName,
                             alternatingPlaying_ ? PlayerCommand::Pause : PlayerCommand::Play);
            alternatingPlaying_ = !alternatingPlaying_;
        } else {
            players_.command(player->busName, PlayerCommand::PlayPause);
        }
        break;
    case kMediaKeyStop:
        players_.command(player->busName, PlayerCommand::Stop);
        break;
    default:
        break;
    }
}

} // namespace orvyn
