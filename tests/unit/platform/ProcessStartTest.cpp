// Starting programs without a shell: which file a name resolves to, what is
// refused, and what the started program inherits.
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "platform/ProcessStart.h"
#include "platform/QtPlatformChoice.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

namespace fs = std::filesystem;

void writeFile(const std::string &path, const std::string &text, fs::perms perms) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << text;
    fs::permissions(path, perms);
}

std::string slurp(const std::string &path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Waits (bounded) for a file a started program writes.
bool appears(const std::string &path) {
    for (int i = 0; i < 500; ++i) {
        if (fs::exists(path) && fs::file_size(path) > 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

constexpr auto kExec = fs::perms::owner_all;
constexpr auto kNoExec = fs::perms::owner_read | fs::perms::owner_write;

TEST(ProcessStart, NamesResolveOnceAsAShellWouldAndOnlyProgramsPass) {
    test::TempDir t;
    const std::string T = t.path();
    writeFile(T + "/bin1/tool", "#!/bin/sh\n", kNoExec); // not executable: skipped
    writeFile(T + "/bin2/tool", "#!/bin/sh\n", kExec);
    writeFile(T + "/work/tool", "#!/bin/sh\n", kExec); // a bare name never means this one
    writeFile(T + "/work/sub/run", "#!/bin/sh\n", kExec);
    writeFile(T + "/plain", "touch ran\n", kExec); // no "#!": /bin/sh must not run it
    writeFile(T + "/noexec", "#!/bin/sh\n", kNoExec);
    fs::create_directory(T + "/dir");
    ASSERT_EQ(::mkfifo((T + "/pipe").c_str(), 0755), 0);
    fs::create_symlink("/bin/true", T + "/elf");

    const std::string path = T + "/bin1:" + T + "/bin2";
    struct Case {
        std::string name, searchPath, workingFolder;
        ProgramStatus status;
        std::string resolved;
    } cases[] = {
        {"tool", path, T + "/work", ProgramStatus::Ok, T + "/bin2/tool"},
        {"./tool", path, T + "/work", ProgramStatus::Ok, T + "/work/./tool"},
        {"sub/run", path, T + "/work", ProgramStatus::Ok, T + "/work/sub/run"},
        {"tool", "/nonexistent::", T + "/work", ProgramStatus::Ok, T + "/work/tool"}, // empty entry
        {"tool", "bin2", T, ProgramStatus::Ok, T + "/bin2/tool"},                     // relative entry
        {"missing", path, T, ProgramStatus::Missing, ""},
        {"", path, T, ProgramStatus::Missing, ""},
        {"plain", T, T, ProgramStatus::NotAProgram, ""},
        {T + "/noexec", path, T, ProgramStatus::NotExecutable, ""},
        {T + "/dir", path, T, ProgramStatus::NotRegular, ""},
        {T + "/pipe", path, T, ProgramStatus::NotRegular, ""},
        {"C:\\Games\\game.exe", path, T, ProgramStatus::Missing, ""},
        {T + "/elf", path, T, ProgramStatus::Ok, T + "/elf"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name + " in " + c.searchPath);
        const ResolvedProgram r = resolveProgram(c.name, c.searchPath, c.workingFolder);
        EXPECT_EQ(r.status, c.status) << r.error;
        EXPECT_EQ(r.path, c.resolved);
        EXPECT_EQ(r.error.empty(), c.status == ProgramStatus::Ok);
    }
    EXPECT_EQ(resolveProgram("missing", path, T).error, "not found: missing");
}

TEST(ProcessStart, ProgramGetsItsFolderEnvironmentAndNoDescriptorOfOurs) {
    test::TempDir t;
    const std::string T = t.path();
    const std::string script = T + "/game/run";
    writeFile(script,
              "#!/bin/sh\n"
              "ls -l /proc/$$/fd > \"$OUT/fds\"\n"
              "env > \"$OUT/env\"\n"
              "printf '%s|' \"$@\" > \"$OUT/args\"\n"
              "pwd > \"$OUT/pwd\"\n",
              kExec);
    // A descriptor the caller forgot to mark close-on-exec.
    const int leak = ::open((T + "/leak-marker").c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(leak, 0);
    ::setenv("ORVYN_STALE_TOKEN", "old", 1);

    const ResolvedProgram program = resolveProgram(script);
    ASSERT_TRUE(program.ok()) << program.error;
    StartRequest request;
    request.program = program.path;
    request.argv = {"run", "a b", "$HOME"};
    request.workingFolder = T + "/game";
    request.setEnvironment = {{"OUT", T}, {"DESKTOP_STARTUP_ID", "id_TIME42"}};
    request.unsetEnvironment = {"ORVYN_STALE_TOKEN"};
    const StartResult started = startProgram(request);
    ::close(leak);
    ::unsetenv("ORVYN_STALE_TOKEN");
    ASSERT_TRUE(started.started) << started.error;

    ASSERT_TRUE(appears(T + "/pwd"));
    EXPECT_EQ(slurp(T + "/pwd"), T + "/game\n");
    EXPECT_EQ(slurp(T + "/args"), "a b|$HOME|");
    const std::string fds = slurp(T + "/fds");
    EXPECT_EQ(fds.find("leak-marker"), std::string::npos) << fds;
    EXPECT_NE(fds.find("0 -> /dev/null"), std::string::npos) << fds;
    const std::string env = slurp(T + "/env");
    EXPECT_NE(env.find("DESKTOP_STARTUP_ID=id_TIME42\n"), std::string::npos);
    EXPECT_EQ(env.find("ORVYN_STALE_TOKEN"), std::string::npos);
}

TEST(ProcessStart, FailuresAreReportedNotWorkedAround) {
    test::TempDir t;
    const std::string T = t.path();
    // Without "#!" the kernel refuses the file; nothing may run it anyway.
    writeFile(T + "/plain", "touch " + T + "/ran\n", kExec);
    writeFile(T + "/script", "#!/bin/sh\ntouch " + T + "/ran\n", kExec);

    StartRequest plain;
    plain.program = T + "/plain";
    StartResult r = startProgram(plain);
    EXPECT_FALSE(r.started);
    EXPECT_EQ(r.error, T + "/plain is not a program the system can start");

    StartRequest nowhere;
    nowhere.program = T + "/script";
    nowhere.workingFolder = T + "/missing";
    r = startProgram(nowhere);
    EXPECT_FALSE(r.started);
    EXPECT_NE(r.error.find("in " + T + "/missing"), std::string::npos) << r.error;

    StartRequest relative;
    relative.program = "script";
    EXPECT_FALSE(startProgram(relative).started);

    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(fs::exists(T + "/ran"));
}

// The platform a program picks is its own argument: the environment that
// its children inherit is never touched, and a user's explicit choice wins.
TEST(QtPlatform, ChoiceIsAnArgumentAndTheUsersWins) {
    const struct {
        PlatformPreference preference;
        DisplayEnvironment environment;
        std::string expected;
    } rows[] = {
        {PlatformPreference::Default, {"", "", ""}, "offscreen"},
        {PlatformPreference::Default, {"", ":0", ""}, ""},
        {PlatformPreference::Default, {"", "", "wayland-0"}, ""},
        {PlatformPreference::X11WhenPresent, {"", ":0", "wayland-0"}, "xcb"},
        {PlatformPreference::X11WhenPresent, {"", "", "wayland-0"}, ""},
        {PlatformPreference::X11WhenPresent, {"", "", ""}, "offscreen"},
        {PlatformPreference::X11WhenPresent, {"wayland", ":0", ""}, ""},
        {PlatformPreference::Default, {"offscreen", "", ""}, ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(choosePlatform(row.preference, row.environment), row.expected);

    char program[] = "OSD", first[] = "1";
    char *argv[] = {program, first, nullptr};
    std::vector<std::string> storage;
    const std::vector<char *> args = argumentsWithPlatform(2, argv, "xcb", storage);
    ASSERT_EQ(args.size(), 5u);
    EXPECT_STREQ(args[1], "1");
    EXPECT_STREQ(args[2], "-platform");
    EXPECT_STREQ(args[3], "xcb");
    EXPECT_EQ(args[4], nullptr);
    EXPECT_EQ(argumentsWithPlatform(2, argv, "", storage).size(), 3u);
}

} // namespace
} // namespace orvyn
