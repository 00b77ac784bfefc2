// Media keys: the keyboard's player, next, previous, play/pause and stop keys
// drive the media player the current profile selects, over MPRIS.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvyn {

// One running MPRIS player.
struct MediaPlayer {
    std::string busName;      // org.mpris.MediaPlayer2.<name>[.instance]
    std::string identity;     // its Identity property
    std::string desktopEntry; // its DesktopEntry property (may be empty)
    enum class Status { Stopped, Paused, Playing } status = Status::Stopped;
};

enum class PlayerCommand { Raise, Next, Previous, PlayPause, Play, Pause, Stop };

// The session's media players. None of these may wait for a player.
class MediaPlayers {
public:
    virtual ~MediaPlayers() = default;
    // Running players, the most recently active (as the desktop saw it)
    // first.
    virtual std::vector<MediaPlayer> running() = 0;
    virtual bool command(const std::string &busName, PlayerCommand command) = 0;
    // Starts a player when none of the chosen kind runs. `nameHint` is empty
    // for the desktop's default player.
    virtual bool launch(const std::string &nameHint) = 0;
    // True when an application whose name contains the hint is installed.
    virtual bool installed(const std::string &nameHint) = 0;
};

// playerctld, when it runs, follows the most recently active player itself
// and passes commands on to it.
inline constexpr const char *kPlayerctldBusName = "org.mpris.MediaPlayer2.playerctld";

// The player choices a profile stores in MediaOption.
enum class MediaChoice : int32_t { DefaultPlayer = 0, ITunes = 1, RealPlayer = 2, Winamp = 3 };

inline constexpr uint8_t kMediaKeyPlayer = 0x20;
inline constexpr uint8_t kMediaKeyNext = 0x21;
inline constexpr uint8_t kMediaKeyPrevious = 0x22;
inline constexpr uint8_t kMediaKeyPlayPause = 0x23;
inline constexpr uint8_t kMediaKeyStop = 0x24;

class MediaKeys {
public:
    explicit MediaKeys(MediaPlayers &players) : players_(players) {}

    // One media key event: code 0x20-0x27, flag = the event's high data
    // byte (anything but 0 does nothing), mediaOption = the profile's choice.
    void press(uint8_t code, uint8_t flag, int32_t mediaOption);

    // The name a running player's identity must contain for a choice; empty
    // for the default player; nullopt for choices outside 0-3.
    static std::optional<std::string> nameHint(int32_t mediaOption);
    // The player a choice selects among the running ones: for the default
    // choice playerctld when it runs, else the most recently active player.
    static std::optional<MediaPlayer> choose(const std::vector<MediaPlayer> &running, int32_t mediaOption);

    // The alternating play/pause flag of the Winamp choice: true when the
    // last command sent was play.
    bool alternatingPlaying() const { return alternatingPlaying_; }

private:
    MediaPlayers &players_;
    bool alternatingPlaying_ = false;
};

} // namespace orvyn
