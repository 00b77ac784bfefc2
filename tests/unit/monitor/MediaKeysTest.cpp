// Media keys against a fake session bus of MPRIS players.
#include <gtest/gtest.h>

#include "MonitorFakes.h"

namespace orvyn::test {
namespace {

struct MediaFixture : ::testing::Test {
    Journal journal;
    FakePlayers players{journal};
    MediaKeys keys{players};

    void SetUp() override {
        players.players = {
            {"org.mpris.MediaPlayer2.vlc", "VLC media player", "vlc", MediaPlayer::Status::Playing},
            {"org.mpris.MediaPlayer2.winamp", "Winamp", "", MediaPlayer::Status::Paused},
            {"org.mpris.MediaPlayer2.itunes.instance7", "iTunes", "", MediaPlayer::Status::Stopped},
        };
    }
};

TEST_F(MediaFixture, DefaultChoiceDrivesTheMostRecentlyActivePlayer) {
    keys.press(kMediaKeyPlayer, 0, 0);
    keys.press(kMediaKeyNext, 0, 0);
    keys.press(kMediaKeyPrevious, 0, 0);
    keys.press(kMediaKeyPlayPause, 0, 0);
    keys.press(kMediaKeyStop, 0, 0);
    const std::string bus = "org.mpris.MediaPlayer2.vlc";
    const std::vector<std::string> expected = {"Raise " + bus, "Next " + bus, "Previous " + bus,
                                               "PlayPause " + bus, "Stop " + bus};
    EXPECT_EQ(journal.entries, expected);
}

TEST_F(MediaFixture, NamedChoiceFindsItsPlayerByIdentity) {
    keys.press(kMediaKeyNext, 0, 1);
    EXPECT_EQ(journal.entries, std::vector<std::string>{"Next org.mpris.MediaPlayer2.itunes.instance7"});
}

TEST_F(MediaFixture, PlayerKeyLaunchesWhenTheChosenPlayerIsNotRunning) {
    players.installedApps = {"realplay"};
    keys.press(kMediaKeyPlayer, 0, 2);
    keys.press(kMediaKeyPlayPause, 0, 2); // nobody to talk to
    EXPECT_EQ(journal.entries, std::vector<std::string>{"launch realplay"});

    journal.entries.clear();
    players.players.clear();
    keys.press(kMediaKeyPlayer, 0, 0);
    EXPECT_EQ(journal.entries, std::vector<std::string>{"launch "});
}

// The Windows players of choices 1-3 are seldom there on this desktop:
// neither running nor installed, the keys reach the most recent player
// (plain play/pause, no alternation), or start the default player.
TEST_F(MediaFixture, ChosenPlayerNeitherRunningNorInstalledFallsBackToTheMostRecent) {
    keys.press(kMediaKeyPlayPause, 0, 2);
    keys.press(kMediaKeyPlayer, 0, 2);
    players.players.erase(players.players.begin() + 1); // Winamp quits
    keys.press(kMediaKeyPlayPause, 0, 3);
    keys.press(kMediaKeyPlayPause, 0, 3);
    players.players.clear();
    keys.press(kMediaKeyPlayer, 0, 1);
    keys.press(kMediaKeyNext, 0, 1);
    const std::string vlc = "org.mpris.MediaPlayer2.vlc";
    const std::vector<std::string> expected = {"PlayPause " + vlc, "Raise " + vlc, "PlayPause " + vlc,
                                               "PlayPause " + vlc, "launch "};
    EXPECT_EQ(journal.entries, expected);
    EXPECT_FALSE(keys.alternatingPlaying());
}

TEST_F(MediaFixture, PlayerctldSpeaksForTheMostRecentPlayerWhenItRuns) {
    players.players.push_back({kPlayerctldBusName, "playerctld", "", MediaPlayer::Status::Stopped});
    keys.press(kMediaKeyNext, 0, 0);
    keys.press(kMediaKeyNext, 0, 3); // a named choice still means that player
    const std::vector<std::string> expected = {std::string("Next ") + kPlayerctldBusName,
                                               "Next org.mpris.MediaPlayer2.winamp"};
    EXPECT_EQ(journal.entries, expected);
    // It never counts as a player of a name of its own.
    players.players = {{kPlayerctldBusName, "winamp-ish playerctld", "", {}}};
    EXPECT_FALSE(MediaKeys::choose(players.players, 3));
}

TEST_F(MediaFixture, WinampChoiceAlternatesPlayAndPause) {
    for (int i = 0; i < 4; ++i)
        keys.press(kMediaKeyPlayPause, 0, 3);
    const std::string bus = "org.mpris.MediaPlayer2.winamp";
    const std::vector<std::string> expected = {"Play " + bus, "Pause " + bus, "Play " + bus, "Pause " + bus};
    EXPECT_EQ(journal.entries, expected);
}

TEST_F(MediaFixture, NonZeroFlagUnknownCodesAndChoicesDoNothing) {
    keys.press(kMediaKeyPlayPause, 1, 0);
    keys.press(kMediaKeyPlayer, 0xFF, 3);
    for (uint8_t code : {0x25, 0x26, 0x27, 0x1F, 0x28})
        keys.press(code, 0, 0);
    keys.press(kMediaKeyPlayer, 0, 4);
    keys.press(kMediaKeyNext, 0, -1);
    EXPECT_TRUE(journal.entries.empty());
    EXPECT_FALSE(keys.alternatingPlaying());
}

TEST(MediaChoice, MatchIgnoresCase) {
    std::vector<MediaPlayer> running = {{"org.mpris.MediaPlayer2.a", "REALPLAYER Cloud", "", {}}};
    ASSERT_TRUE(MediaKeys::choose(running, 2));
    EXPECT_FALSE(MediaKeys::choose(running, 3));
    EXPECT_FALSE(MediaKeys::choose({}, 0));
}

} // namespace
} // namespace orvyn::test
