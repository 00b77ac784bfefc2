// Matching the foreground process against the profiles' game files, and
// reading a process's names from a proc tree.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

#include "monitor/ForegroundChoice.h"
#include "monitor/ForegroundWatch.h"

namespace orvyn {
namespace {

ConfigBlock configWithGames(std::initializer_list<std::pair<int, const char *>> games) {
    ConfigBlock config{};
    for (const auto &[p, game] : games)
        setFixed(config.profiles[p].GameFile, game);
    return config;
}

TEST(ForegroundMatch, LowerProfileWinsWhenTwoNameTheSameGame) {
    const ConfigBlock config = configWithGames({{1, "game.exe"}, {3, "GAME.EXE"}});
    EXPECT_EQ(matchingProfile(config, {"game.exe", "", ""}), 1);
}

TEST(ForegroundMatch, GameFileWithFolderMatchesTheNameAlone) {
    const ConfigBlock config = configWithGames(
        {{2, " C:\\Program Files\\Shooter\\shooter.exe  "}, {4, "/home/u/games/native-game"}});
    EXPECT_EQ(matchingProfile(config, {"shooter.exe", "", ""}), 2);
    EXPECT_EQ(matchingProfile(config, {"native-game", "native-game", "native-game"}), 4);
    EXPECT_EQ(matchingProfile(config, {"other", "other", "other"}), -1);
}

TEST(ForegroundMatch, WineProcessMatchesThroughArgvAndComm) {
    const ConfigBlock config = configWithGames({{0, "C:\\Games\\game.exe"}});
    // The executable is Wine's loader; argv[0] is the Windows path.
    EXPECT_EQ(matchingProfile(config, {"wine64-preloader", "game.exe", "game.exe"}), 0);
    // Only the comm name is left.
    EXPECT_EQ(matchingProfile(config, {"wine64-preloader", "", "game.exe"}), 0);
}

TEST(ForegroundMatch, CommIsAPrefixOnlyWhenTheKernelCutIt) {
    const ConfigBlock config = configWithGames({{0, "averylongprogramname.exe"}, {1, "short.exe"}});
    EXPECT_EQ(matchingProfile(config, {"loader", "", "averylongprogra"}), 0);
    // A short comm is the whole name, not a prefix.
    EXPECT_EQ(matchingProfile(config, {"loader", "", "short"}), -1);
}

TEST(ForegroundMatch, BlankGameFilesAreSkipped) {
    const ConfigBlock config = configWithGames({{0, "   "}, {1, "C:\\Games\\"}});
    EXPECT_EQ(matchingProfile(config, {"", "", ""}), -1);
    EXPECT_EQ(gameFileName(" \\x\\Quake.Exe "), "quake.exe");
}

// A desktop that names no process: the game file, without its extension or
// whole, is the app id or window class.
TEST(ForegroundMatch, AppIdMatchesTheGameFileWithoutItsExtension) {
    const ConfigBlock config = configWithGames({{0, ""},
                                                {1, "C:\\Games\\Racer.exe"},
                                                {2, "/opt/tux/supertux2"},
                                                {3, ".hidden"},
                                                {4, "racer.x86_64"}});
    const struct {
        const char *appId;
        int profile;
    } rows[] = {
        {"racer", 1},     {"RACER", 1},        {" racer ", 1},   {"Racer.exe", 1},
        {"racer.ex", -1}, {"SuperTux2", 2},    {".hidden", 3},   {"hidden", -1},
        {"", -1},         {"racer.x86_64", 4}, {"org.foot", -1},
    };
    for (const auto &row : rows)
        EXPECT_EQ(profileForAppId(config, row.appId), row.profile) << row.appId;
}

// The session decides the source; whatever it cannot see is said once.
TEST(ForegroundChoosing, SessionPicksTheSource) {
    const struct {
        SessionFacts facts;
        ForegroundKind kind;
        bool said;
    } rows[] = {
        {{false, false, true, false, ""}, ForegroundKind::X11, false},
        {{true, true, true, true, "sway"}, ForegroundKind::WlrToplevels, false},
        {{true, true, false, false, "labwc"}, ForegroundKind::WlrToplevels, true},
        {{true, false, true, false, "GNOME"}, ForegroundKind::X11, true},
        {{true, false, false, false, "KDE"}, ForegroundKind::None, true},
        {{true, false, true, false, "KDE", true}, ForegroundKind::KWinScript, false},
        {{true, false, true, false, "ubuntu:GNOME", false, true}, ForegroundKind::GnomeExtension, false},
        {{false, false, false, false, ""}, ForegroundKind::None, true},
    };
    for (const auto &row : rows) {
        const ForegroundChoice choice = chooseForeground(row.facts);
        EXPECT_EQ(choice.kind, row.kind) << row.facts.desktop;
        EXPECT_EQ(!choice.note.empty(), row.said) << row.facts.desktop;
        if (!row.facts.desktop.empty() && row.said) {
            EXPECT_NE(choice.note.find(row.facts.desktop), std::string::npos) << choice.note;
        }
        // Only GNOME's missing extension is the user's to mend: the command is told.
        const bool mendable = row.facts.desktop == "GNOME";
        EXPECT_EQ(choice.tellUser, mendable) << row.facts.desktop;
        if (mendable) {
            EXPECT_NE(choice.note.find(std::string("gnome-extensions enable ") + kGnomeExtensionUuid),
                      std::string::npos);
        }
    }
}

class ProcTree : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/proc-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(root); }
    void makeProcess(int pid, const std::string &exe, const std::string &cmdline, const std::string &comm) {
        const std::string dir = root + "/" + std::to_string(pid);
        std::filesystem::create_directories(dir);
        if (!exe.empty())
            std::filesystem::create_symlink(exe, dir + "/exe");
        std::ofstream(dir + "/cmdline", std::ios::binary) << cmdline;
        std::ofstream(dir + "/comm", std::ios::binary) << comm;
    }
    std::string root;
};

TEST_F(ProcTree, ReadsWineProcessNames) {
    makeProcess(100, "/usr/lib/wine/wine64-preloader", std::string("C:\\Games\\Game.exe\0-windowed\0", 28),
                "Game.exe\n");
    const auto names = readProcessNames(100, root);
    ASSERT_TRUE(names);
    EXPECT_EQ(names->exeName, "wine64-preloader");
    EXPECT_EQ(names->argvName, "game.exe");
    EXPECT_EQ(names->comm, "game.exe");
}

TEST_F(ProcTree, MissingProcessAndUnreadableParts) {
    EXPECT_FALSE(readProcessNames(555, root));
    EXPECT_FALSE(readProcessNames(0, root));
    makeProcess(101, "", "", ""); // a kernel thread: no exe, empty cmdline
    EXPECT_FALSE(readProcessNames(101, root));
    makeProcess(102, "/opt/game/bin/Game (deleted)", "", "Game\n");
    const auto names = readProcessNames(102, root);
    ASSERT_TRUE(names);
    EXPECT_EQ(names->exeName, "game");
}

// Descendants from the kernel's children lists (one per thread), or from
// every process's parent in its stat line when there are no such lists.
TEST_F(ProcTree, DescendantsFromChildrenListsOrParents) {
    const auto children = [this](int pid, int tid, const std::string &list) {
        const std::string dir = root + "/" + std::to_string(pid) + "/task/" + std::to_string(tid);
        std::filesystem::create_directories(dir);
        std::ofstream(dir + "/children") << list;
    };
    children(10, 10, "11 12 ");
    children(10, 13, "14\n");   // a child started by another thread
    children(11, 11, "15 10 "); // a loop must not hang the walk
    children(12, 12, "");
    children(14, 14, "");
    children(15, 15, "");
    EXPECT_EQ(readDescendants(10, root), (std::vector<pid_t>{11, 12, 14, 15}));
    EXPECT_EQ(readDescendants(10, root, 2), (std::vector<pid_t>{11, 12}));
    EXPECT_TRUE(readDescendants(12, root).empty());

    std::filesystem::remove_all(root);
    const auto stat = [this](int pid, const std::string &line) {
        std::filesystem::create_directories(root + "/" + std::to_string(pid));
        std::ofstream(root + "/" + std::to_string(pid) + "/stat") << line;
    };
    stat(20, "20 (gamescope) S 1 20 20 0");
    stat(21, "21 (reaper (x) ) S 20 20 20 0"); // a name with blanks and parentheses
    stat(22, "22 (Racer.exe) R 21 20 20 0");
    stat(23, "23 (other) S 1 23 23 0");
    stat(24, "garbage");
    EXPECT_EQ(readDescendants(20, root), (std::vector<pid_t>{21, 22}));
    EXPECT_TRUE(readDescendants(0, root).empty());
}

TEST(ForegroundMatch, ReadsThisProcess) {
    const auto names = readProcessNames(::getpid());
    ASSERT_TRUE(names);
    EXPECT_EQ(names->exeName, "monitor_logic_test");
}

} // namespace
} // namespace orvyn
