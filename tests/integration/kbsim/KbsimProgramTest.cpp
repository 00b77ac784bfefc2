// The kbsim program end to end: `kbsim serve` in its own process, driven by
// its command line, with a host connected through the emulator backend.
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <mutex>
#include <regex>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

#include "devbridge/EmulatorBackend.h"
#include "kbsim/KbsimControl.h"
#include "support/RecordingSink.h"

extern char **environ;

namespace orvyn {
namespace {

using Bytes = std::vector<uint8_t>;

using test::Posted;
using test::RecordingSink;

class KbsimProgramTest : public ::testing::Test {
protected:
    std::string dir, socketPath, statePath, logPath;
    pid_t server = -1;

    void SetUp() override {
        char tmpl[] = "/tmp/kbsim-prog-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        socketPath = dir + "/keyboard.sock";
        statePath = dir + "/state.bin";
        logPath = dir + "/packets.log";
        setenv("ORVYN_KEYBOARD_SOCKET", socketPath.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
        setenv("ORVYN_VANTOR_HOME", dir.c_str(), 1);
    }
    void TearDown() override {
        stopServer();
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    static std::string program() { return std::string(ORVYN_PROGRAM_DIR) + "kbsim"; }

    void startServer() {
        std::vector<std::string> args = {program(), "serve", "--state", statePath, "--log", logPath};
        std::vector<char *> argv;
        for (auto &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ASSERT_EQ(posix_spawn(&server, argv[0], nullptr, nullptr, argv.data(), environ), 0);
        // Ready once its control socket answers.
        CommandResult r;
        for (int i = 0; i < 500 && !sendControlCommand(socketPath + ".control", {"help"}, r); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_TRUE(r.ok) << "kbsim serve did not come up";
    }
    int stopServer() {
        if (server < 0)
            return -1;
        int status = 0;
        kbsim({"quit"});
        for (int i = 0; i < 500; ++i) {
            if (waitpid(server, &status, WNOHANG) == server) {
                server = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        kill(server, SIGKILL);
        waitpid(server, &status, 0);
        server = -1;
        return 128;
    }
    // Runs the command line; its exit code.
    int kbsim(const std::vector<std::string> &args) {
        std::string cmd = "'" + program() + "'";
        for (const auto &a : args)
            cmd += " '" + a + "'";
        cmd += " >/dev/null 2>&1";
        const int status = std::system(cmd.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(KbsimProgramTest, CommandLineDrivesTheKeyboardAndTheStateSurvivesARestart) {
    startServer();
    RecordingSink recorder;
    devbridge::MessageSink sink;
    sink.activate(&recorder.base, 1325, 1326);
    devbridge::EmulatorBackend host(sink, socketPath);
    host.startMonitor();
    ASSERT_TRUE(host.openFeature());
    Bytes status{4, 0, 0};
    ASSERT_TRUE(host.getFeature(status.data(), status.size()));

    EXPECT_EQ(kbsim({"press", "profile", "3"}), 0);
    EXPECT_TRUE(recorder.waitFor({1325, 0x1000, 3}));
    EXPECT_EQ(kbsim({"press", "media", "0x24"}), 0);
    EXPECT_TRUE(recorder.waitFor({1325, 0x6000, 0x24}));
    EXPECT_EQ(kbsim({"press", "config"}), 0);
    EXPECT_TRUE(recorder.waitFor({1325, 0x4000, 0}));
    EXPECT_EQ(kbsim({"press", "winlock"}), 0);
    EXPECT_TRUE(recorder.waitFor({1325, 0x5000, 0}));
    EXPECT_NE(kbsim({"press", "profile", "6"}), 0);
    EXPECT_NE(kbsim({"press", "media", "0x28"}), 0);
    EXPECT_NE(kbsim({"frobnicate"}), 0);

    EXPECT_EQ(kbsim({"record-macro", "2", "30", "31"}), 0);
    EXPECT_TRUE(recorder.waitFor({1325, 0x7000, 3}));
    Bytes request{4, 2, 2}; // profile index 2 (profile 3), slot 2
    ASSERT_TRUE(host.setFeature(request.data(), request.size()));
    Bytes macro(130, 0);
    macro[0] = 9;
    ASSERT_TRUE(host.getFeature(macro.data(), macro.size()));
    EXPECT_EQ(macro[29], 4);
    EXPECT_EQ(macro[30], 30);
    EXPECT_EQ(macro[34], 31);

    EXPECT_EQ(kbsim({"fail", "1"}), 0);
    EXPECT_FALSE(host.getFeature(status.data(), status.size()));
    EXPECT_TRUE(host.getFeature(status.data(), status.size()));

    EXPECT_EQ(kbsim({"unplug"}), 0);
    EXPECT_TRUE(recorder.waitFor({1326, 0, 0}));
    EXPECT_NE(kbsim({"press", "key", "3"}), 0) << "an unplugged keyboard has no keys to press";
    EXPECT_EQ(kbsim({"plug"}), 0);
    EXPECT_TRUE(recorder.waitFor({1326, 1, 0}));

    host.stopMonitor();
    host.closeFeature();
    ASSERT_EQ(stopServer(), 0);

    // The log has one timestamped line per packet.
    std::ifstream log(logPath);
    std::stringstream text;
    text << log.rdbuf();
    const std::regex packetLine(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} <- GET status 0 \[3\] 04 00 00)");
    EXPECT_TRUE(std::regex_search(text.str(), packetLine)) << text.str();
    EXPECT_NE(text.str().find("-> EVENT type 0x1000 data 3"), std::string::npos);

    // A new run starts from the saved memory.
    startServer();
    devbridge::EmulatorBackend again(sink, socketPath);
    ASSERT_TRUE(again.openFeature());
    Bytes profile{5, 0, 0};
    ASSERT_TRUE(again.getFeature(profile.data(), profile.size()));
    EXPECT_EQ(profile[2], 2);
    again.closeFeature();
}

TEST_F(KbsimProgramTest, ASecondServerAndCommandsWithoutServerAreRefused) {
    EXPECT_EQ(kbsim({"press", "profile", "1"}), 2) << "nothing runs yet";
    EXPECT_EQ(kbsim({"help"}), 0);
    startServer();
    EXPECT_EQ(kbsim({"serve", "--state", statePath}), 1);
    EXPECT_EQ(kbsim({"state"}), 0);
}

} // namespace
} // namespace orvyn
