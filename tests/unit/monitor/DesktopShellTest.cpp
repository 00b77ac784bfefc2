// The "open" verb: .desktop command lines and detached starts.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

#include "monitor/DesktopShell.h"

namespace orvyn {
namespace {

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

TEST(DesktopShell, StartsProgramsAndDesktopEntriesDetached) {
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
    DesktopShell shell;
    EXPECT_TRUE(shell.isProgram(script));
    EXPECT_FALSE(shell.isProgram(dir));
    EXPECT_FALSE(shell.isProgram(dir + "/app.desktop"));
    EXPECT_TRUE(shell.open(script));
    EXPECT_TRUE(shell.open(dir + "/app.desktop"));
    EXPECT_FALSE(shell.open(""));
    EXPECT_FALSE(shell.open(dir + "/missing.desktop"));

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
