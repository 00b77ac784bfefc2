// The "open" verb: .desktop command lines, what each kind of target leads
// to, and detached starts.
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "monitor/DesktopLauncher.h"
#include "platform/LocalText.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

// Where programs without a folder of their own are started.
std::string home() {
    const char *h = std::getenv("HOME");
    return h && *h == '/' ? h : "/";
}

TEST(DesktopEntry, ExecSplitsQuotesAndDropsFieldCodes) {
    EXPECT_EQ(splitExecValue("player --new %U"), (std::vector<std::string>{"player", "--new"}));
    EXPECT_EQ(splitExecValue("\"/opt/My Game/run\" -x \"a \\\"b\\\"\" 100%%"),
              (std::vector<std::string>{"/opt/My Game/run", "-x", "a \"b\"", "100%"}));
    EXPECT_TRUE(splitExecValue("   ").empty());
}

TEST(DesktopEntry, CommandComesFromTheDesktopEntryGroup) {
    const auto command = desktopEntryCommand("[Desktop Action New]\nExec=wrong\n"
                                             "[Desktop Entry]\nName=Game\nExec=game --fullscreen %f\n");
    ASSERT_TRUE(command);
    EXPECT_EQ(*command, (std::vector<std::string>{"game", "--fullscreen"}));
    EXPECT_FALSE(desktopEntryCommand("[Desktop Entry]\nName=No command\n"));
    EXPECT_FALSE(desktopEntryCommand("[Desktop Entry]\nExec=%U\n"));
}

// Exec values as they stand in files: the string escapes are resolved
// first, then the quoting, then the field codes.
TEST(DesktopEntry, ExecLinesAsWrittenInFiles) {
    const struct {
        const char *exec;
        Args expected;
    } rows[] = {
        // Wine's entries: doubled backslashes, an escaped blank, a quote
        // in the middle of an argument.
        {R"(env WINEPREFIX="/home/u/.wine" wine C:\\\\ProgramData\\\\Start\\ Menu\\\\Game.lnk)",
         {"env", "WINEPREFIX=/home/u/.wine", "wine", R"(C:\ProgramData\Start Menu\Game.lnk)"}},
        {R"("/opt/My Game/run" -x "a \\"b\\"" 100%%)", {"/opt/My Game/run", "-x", "a \"b\"", "100%"}},
        {R"(run "\\$HOME" "\\`x\\`" "a\\\\b")", {"run", "$HOME", "`x`", "a\\b"}},
        {R"(my\sgame --level\s2)", {"my", "game", "--level", "2"}},
        {"prog 'single quoted arg' \"\" end", {"prog", "single quoted arg", "", "end"}},
        {"viewer %i --title=%c %k", {"viewer", "--icon", "game-icon", "--title=The Game"}},
        {"tool --file=%f %F %u %U %d %D %n %N %v %m %%x", {"tool", "--file=", "%x"}},
        {"\"%U\" after", {"after"}},
        {"\tgame\t\t-w  ", {"game", "-w"}},
        {"\"unterminated", {}},
        {"'unterminated", {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.exec);
        const auto command = desktopEntryCommand(
            std::string("[Desktop Entry]\nName=The Game\nIcon=game-icon\n") + "Exec=" + row.exec + "\n");
        EXPECT_EQ(command.value_or(Args{}), row.expected);
    }
    EXPECT_EQ(splitExecValue("open %k", {"", "", "/apps/x.desktop"}), (Args{"open", "/apps/x.desktop"}));
    EXPECT_EQ(splitExecValue("open %i"), Args{"open"}); // no icon: no argument
}

TEST(DesktopEntry, KeysAreCaseSensitiveAndTheFirstValueCounts) {
    const auto entry =
        parseDesktopEntry("# comment\n[Desktop Entry]\r\nexec=wrong\nEXEC=wrong\n"
                          "Name[de]=Spiel\nName=Game\nName=Later\nExec = game \nHidden=true\n"
                          "Terminal=1\nTryExec=game\nPath=/srv/game\nType=Link\nURL=https://x/\n"
                          "[Other]\nExec=other\n");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, "Game");
    EXPECT_EQ(entry->exec, "game");
    EXPECT_TRUE(entry->hidden && entry->terminal);
    EXPECT_EQ(entry->tryExec, "game");
    EXPECT_EQ(entry->path, "/srv/game");
    EXPECT_EQ(entry->type, DesktopEntry::Type::Link);
    EXPECT_EQ(entry->url, "https://x/");
    EXPECT_FALSE(parseDesktopEntry("[desktop entry]\nExec=x\n"));
    EXPECT_FALSE(parseDesktopEntry(""));
}

// A shell whose starts are recorded, over a private PATH of fake tools.
class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override {
        bin = dir.file("bin");
        for (const char *tool : {"xdg-open", "x-terminal-emulator", "game"})
            tool_(bin + "/" + tool);
        shell.setSearchPath(bin);
    }
    void tool_(const std::string &path) {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << "#!/bin/sh\n";
        fs::permissions(path, fs::perms::owner_all);
    }
    std::string entry(const std::string &name, const std::string &body) {
        const std::string path = dir.file(name);
        std::ofstream(path) << body;
        return path;
    }

    test::TempDir dir;
    std::string bin;
    std::vector<StartRequest> starts;
    DesktopLauncher shell{[] { return std::string("id-1_TIME99"); },
                          [this](const StartRequest &r) {
                              starts.push_back(r);
                              return StartResult{true, {}};
                          }};
};

TEST_F(ShellFixture, EachKindOfTargetGoesWhereItBelongs) {
    const std::string program = dir.file("games/Racer/racer");
    tool_(program);
    const std::string document = entry("notes.txt", "hello");
    const struct {
        std::string target;
        std::string program; // what is executed; empty: refused
        Args argv;
        std::string folder;
        std::string problem;
    } rows[] = {
        {program, program, {program}, dir.file("games/Racer/"), ""},
        {"game", bin + "/game", {"game"}, home(), ""},
        {"https://orvyn.example/", bin + "/xdg-open", {"xdg-open", "https://orvyn.example/"}, home(), ""},
        {document, bin + "/xdg-open", {"xdg-open", document}, home(), ""},
        {dir.path(), bin + "/xdg-open", {"xdg-open", dir.path()}, home(), ""},
        // Never handed to xdg-open: its error dialog would cover the game.
        {dir.file("gone/game.sh"), "", {}, "", "not found: " + dir.file("gone/game.sh")},
        {"C:\\Games\\game.exe", "", {}, "", "not found: C:\\Games\\game.exe"},
        {"no-such-tool", "", {}, "", "not found: no-such-tool"},
        {"", "", {}, "", "no program given"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.target);
        starts.clear();
        const LaunchOutcome outcome = shell.open(row.target);
        EXPECT_EQ(outcome.started, !row.program.empty());
        EXPECT_EQ(outcome.problem, row.problem);
        if (row.program.empty()) {
            EXPECT_TRUE(starts.empty());
            continue;
        }
        ASSERT_EQ(starts.size(), 1u);
        EXPECT_EQ(starts[0].program, row.program);
        EXPECT_EQ(starts[0].argv, row.argv);
        EXPECT_EQ(starts[0].workingFolder, row.folder);
        // A fresh startup id; stale tokens of Monitor's own are not passed on.
        EXPECT_EQ(starts[0].setEnvironment,
                  (std::vector<std::pair<std::string, std::string>>{{"DESKTOP_STARTUP_ID", "id-1_TIME99"}}));
        EXPECT_EQ(starts[0].unsetEnvironment, (Args{"DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN"}));
    }
}

TEST_F(ShellFixture, DesktopEntriesHonourTheirKeys) {
    const std::string head = "[Desktop Entry]\nType=Application\nName=Game\n";
    const struct {
        std::string body;
        std::string program; // empty: refused
        Args argv;
        std::string folder;
        std::string problem; // a part of it
    } rows[] = {
        {head + "Exec=game --level 2 %U\nPath=/srv/game\n",
         bin + "/game",
         {"game", "--level", "2"},
         "/srv/game",
         ""},
        {head + "Exec=game\nTerminal=true\n",
         bin + "/x-terminal-emulator",
         {"x-terminal-emulator", "-e", bin + "/game"},
         home(),
         ""},
        {"[Desktop Entry]\nType=Link\nURL=https://orvyn.example/\n",
         bin + "/xdg-open",
         {"xdg-open", "https://orvyn.example/"},
         home(),
         ""},
        {head + "exec=game\n", "", {}, "", "has no usable command"},
        {head + "Exec=game\nHidden=true\n", "", {}, "", "Hidden"},
        {head + "Exec=game\nTryExec=not-installed\n", "", {}, "", "not-installed is not installed"},
        {head + "Exec=missing-game\n", "", {}, "", "not found: missing-game"},
        {"[Desktop Entry]\nType=Directory\nExec=game\n", "", {}, "", "does not start a program"},
        {"Exec=game\n", "", {}, "", "is not a desktop entry"},
    };
    int n = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.body);
        starts.clear();
        const LaunchOutcome outcome = shell.open(entry("e" + std::to_string(++n) + ".desktop", row.body));
        EXPECT_EQ(outcome.started, !row.program.empty()) << outcome.problem;
        EXPECT_NE(outcome.problem.find(row.problem), std::string::npos) << outcome.problem;
        if (row.program.empty()) {
            EXPECT_TRUE(starts.empty());
            continue;
        }
        ASSERT_EQ(starts.size(), 1u);
        EXPECT_EQ(starts[0].program, row.program);
        EXPECT_EQ(starts[0].argv, row.argv);
        EXPECT_EQ(starts[0].workingFolder, row.folder);
    }
    fs::remove(bin + "/x-terminal-emulator");
    const auto noTerminal = shell.open(entry("t.desktop", head + "Exec=game\nTerminal=true\n"));
    EXPECT_FALSE(noTerminal.started);
    EXPECT_NE(noTerminal.problem.find("no terminal emulator"), std::string::npos);
}

// The notice speaks the user's language; the trace keeps English.
TEST_F(ShellFixture, TheNoticeIsTranslatedAndTheProblemStaysEnglish) {
    setTextTranslator([](const char *context, const char *source) -> std::string {
        if (std::string(context) != "Launcher")
            return {};
        if (std::string(source) == "not found: %1")
            return "nicht gefunden: %1";
        if (std::string(source) == "%1 is not a desktop entry")
            return "%1 ist kein Desktop-Eintrag";
        return {};
    });
    const std::string bad = entry("bad.desktop", "Exec=game\n");
    const struct {
        std::string target;
        std::string problem;
        std::string notice;
    } rows[] = {
        {"no-such-tool", "not found: no-such-tool", "nicht gefunden: no-such-tool"},
        {bad, bad + " is not a desktop entry", bad + " ist kein Desktop-Eintrag"},
    };
    for (const auto &row : rows) {
        const LaunchOutcome outcome = shell.open(row.target);
        EXPECT_EQ(outcome.problem, row.problem);
        EXPECT_EQ(outcome.notice, row.notice);
    }
    setTextTranslator(nullptr);
}

long peakMemoryKb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A .desktop target that is a FIFO, a device or huge: a clear message, at
// once, without reading it all.
TEST_F(ShellFixture, HostileDesktopTargetsAreRefusedQuickly) {
    const std::string fifo = dir.file("fifo.desktop");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string zero = dir.file("zero.desktop");
    fs::create_symlink("/dev/zero", zero);
    const std::string huge = dir.file("huge.desktop");
    { std::ofstream(huge) << "[Desktop Entry]\nExec=game\n"; }
    fs::resize_file(huge, 100u << 20);
    const long before = peakMemoryKb();
    for (const std::string &target : {fifo, zero, huge}) {
        SCOPED_TRACE(target);
        const auto start = std::chrono::steady_clock::now();
        const LaunchOutcome outcome = shell.open(target);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_FALSE(outcome.started);
        EXPECT_NE(outcome.problem.find(target), std::string::npos) << outcome.problem;
        EXPECT_NE(outcome.problem.find(target == huge ? "larger than" : "not a regular file"),
                  std::string::npos)
            << outcome.problem;
    }
    EXPECT_LT(peakMemoryKb() - before, 100 * 1024);
    EXPECT_TRUE(starts.empty());
}

TEST(DesktopLauncher, StartsProgramsAndDesktopEntriesDetached) {
    char pattern[] = "/tmp/shell-test-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    const std::string script = dir + "/touch-it";
    {
        std::ofstream out(script);
        out << "#!/bin/sh\ntouch \"$0.ran$1\"\n";
    }
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    {
        std::ofstream out(dir + "/app.desktop");
        out << "[Desktop Entry]\nType=Application\nExec=\"" << script << "\" -d %u\n";
    }
    DesktopLauncher shell;
    EXPECT_TRUE(shell.isProgram(script));
    EXPECT_FALSE(shell.isProgram(dir));
    EXPECT_FALSE(shell.isProgram(dir + "/app.desktop"));
    EXPECT_TRUE(shell.open(script).started);
    EXPECT_TRUE(shell.open(dir + "/app.desktop").started);
    EXPECT_FALSE(shell.open("").started);
    EXPECT_FALSE(shell.open(dir + "/missing.desktop").started);

    // The detached programs run on their own; wait for their marks.
    bool ran = false;
    for (int i = 0; i < 500 && !ran; ++i) {
        ran = std::filesystem::exists(script + ".ran") && std::filesystem::exists(script + ".ran-d");
        if (!ran)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(ran);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace orvyn
