// Monitor as a real process: an emulated keyboard served from this test, test
// endpoints standing in for Option, the OSD and an applet, and a private
// program folder whose Option and OSD are scripts that leave a mark.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include "integration/platform/Child.h"
#include "kbsim/EmulatorServer.h"
#include "kbsim/KeyboardModel.h"
#include "platform/Datagram.h"
#include "platform/Endpoint.h"
#include "shared/IniFile.h"
#include "shared/Messages.h"
#include "shared/SettingsStore.h"
#include "shared/SharedBlock.h"
#include "support/FakeActiveWindow.h"
#include "support/TempRuntime.h"

namespace orvyn::test {
namespace {

using namespace std::chrono_literals;
constexpr auto kPatience = 10s; // only bounds a hang
constexpr auto kQuiet = 300ms;  // how long "nothing arrives" is watched

// The X display the tests were started with (the fixture hides it from
// Monitor unless a test needs it).
const std::string gDisplay = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";

// A test endpoint: receives datagrams at a title and keeps the kernel's
// receive time of each, so the order across two endpoints can be checked.
class TestEndpoint {
public:
    struct Received {
        PostedMessage message;
        std::chrono::nanoseconds stamp;
    };

    TestEndpoint(const std::string &runtime, const std::string &title) {
        path_ = runtime + title;
        fd_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        std::strncpy(addr.sun_path, path_.c_str(), sizeof addr.sun_path - 1);
        ::unlink(path_.c_str());
        if (::bind(fd_, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0)
            throw std::runtime_error("bind " + path_);
        const int on = 1;
        ::setsockopt(fd_, SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof on);
    }
    ~TestEndpoint() { close(); }
    // Stops receiving. `unlink` = false leaves the socket file behind, as a
    // killed program does.
    void close(bool unlink = true) {
        if (fd_ < 0)
            return;
        ::close(fd_);
        fd_ = -1;
        if (unlink)
            ::unlink(path_.c_str());
    }

    // The next message, or nullopt after `limit`.
    std::optional<Received>
    next(std::chrono::milliseconds limit = std::chrono::duration_cast<std::chrono::milliseconds>(kPatience)) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(limit.count())) <= 0)
            return std::nullopt;
        uint8_t buffer[kMaxDatagramSize + 1];
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(timespec))];
        iovec iov{buffer, sizeof buffer};
        msghdr header{};
        header.msg_iov = &iov;
        header.msg_iovlen = 1;
        header.msg_control = control;
        header.msg_controllen = sizeof control;
        const ssize_t n = ::recvmsg(fd_, &header, 0);
        if (n < 0)
            return std::nullopt;
        Received r;
        const auto decoded = decodeDatagram(std::span<const uint8_t>(buffer, static_cast<std::size_t>(n)));
        if (!decoded)
            throw std::runtime_error("malformed datagram from Monitor");
        r.message = *decoded;
        r.stamp = {};
        for (cmsghdr *c = CMSG_FIRSTHDR(&header); c; c = CMSG_NXTHDR(&header, c)) {
            if (c->cmsg_level == SOL_SOCKET && c->cmsg_type == SCM_TIMESTAMPNS) {
                timespec ts;
                std::memcpy(&ts, CMSG_DATA(c), sizeof ts);
                r.stamp = std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
            }
        }
        return r;
    }
    // The next message with this number, skipping others.
    std::optional<Received> waitFor(uint32_t message) {
        const auto end = std::chrono::steady_clock::now() + kPatience;
        while (std::chrono::steady_clock::now() < end) {
            auto r = next(std::chrono::duration_cast<std::chrono::milliseconds>(
                end - std::chrono::steady_clock::now()));
            if (r && r->message.message == message)
                return r;
        }
        return std::nullopt;
    }
    // True when nothing arrives for a while.
    bool quiet() { return !next(std::chrono::duration_cast<std::chrono::milliseconds>(kQuiet)); }
    void drain() {
        while (next(0ms)) {
        }
    }

private:
    std::string path_;
    int fd_ = -1;
};

// An environment variable set for one test and restored afterwards.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const std::string &value) : name_(name) {
        if (const char *old = std::getenv(name))
            old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    const char *name_;
    std::optional<std::string> old_;
};

class MonitorProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("ORVYN_KEYBOARD", "emulator", 1);
        ::setenv("ORVYN_TIME_SCALE", "0.01", 1);
        ::setenv("ORVYN_KEYBOARD_SOCKET", (runtime.runtime() + "keyboard.sock").c_str(), 1);
        ::unsetenv("DISPLAY"); // headless: no tray, no foreground watch
        ::unsetenv("WAYLAND_DISPLAY");
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        home = std::getenv("ORVYN_VANTOR_HOME") + std::string("/");

        // A program folder of our own: the real Monitor and modules, and
        // scripts in place of Option, the OSD and the load display.
        programs = runtime.base() + "/bin/";
        std::filesystem::create_directories(programs + "Applets");
        std::filesystem::copy_file(std::string(ORVYN_PROGRAM_DIR) + "Monitor", programs + "Monitor");
        for (const char *module : {"devbridge.so", "uitext.so"})
            std::filesystem::create_symlink(std::string(ORVYN_PROGRAM_DIR) + module, programs + module);
        for (const char *script : {"Option", "OSD", "Applets/LoadMeter"})
            writeMarkerScript(programs + script);
        server = std::make_unique<EmulatorServer>(model, clock, runtime.runtime() + "keyboard.sock");
    }
    void TearDown() override {
        if (monitor) {
            monitor->kill(SIGTERM);
            monitor->wait();
        }
        server->stop();
    }

    void writeMarkerScript(const std::string &path) {
        std::ofstream(path) << "#!/bin/sh\necho started >> \"$0.started\"\n";
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }
    bool started(const std::string &program, std::chrono::milliseconds limit = 3000ms) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            if (std::filesystem::exists(programs + program + ".started"))
                return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    std::unique_ptr<Child> startMonitor(std::vector<std::string> args = {}) {
        args.insert(args.begin(), programs + "Monitor");
        return std::make_unique<Child>(args);
    }
    // Monitor receives at its title.
    bool monitorListening() {
        EndpointPoster poster(runtime.runtime());
        const auto end = std::chrono::steady_clock::now() + kPatience;
        while (std::chrono::steady_clock::now() < end) {
            if (poster.exists(kMonitorTitle))
                return true;
            std::this_thread::sleep_for(5ms);
        }
        return false;
    }
    // Starts Monitor with the keyboard plugged and waits for its first
    // read-back to be announced to Option.
    void startConnected(std::vector<std::string> args = {}) {
        ASSERT_TRUE(server->start());
        monitor = startMonitor(std::move(args));
        ASSERT_TRUE(option.waitFor(WM_READBACK_DONE)) << "no read-back announced";
    }
    bool post(uint32_t message, int64_t wParam = 0, int64_t lParam = 0) {
        return EndpointPoster(runtime.runtime()).post(kMonitorTitle, message, wParam, lParam);
    }
    bool postCopyData(std::size_t size, const std::string &text) {
        PostedMessage m;
        m.message = WM_COPYDATA_MSG;
        m.hasCopyData = true;
        m.copyData.assign(size, 0);
        std::memcpy(m.copyData.data() + 1, text.data(), std::min(text.size(), size - 1));
        return EndpointPoster(runtime.runtime()).post(kMonitorTitle, m);
    }
    IniDocument configIni() const {
        IniDocument doc;
        loadIniDocument(home + "config.ini", doc);
        return doc;
    }
    bool waitForIni(const char *section, const char *key, int32_t value) {
        const auto end = std::chrono::steady_clock::now() + kPatience;
        while (std::chrono::steady_clock::now() < end) {
            if (configIni().readNumber(section, key, INT32_MIN) == value)
                return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }
    bool monitorEnds(int *code = nullptr) {
        for (int i = 0; i < 1000; ++i) {
            int status = 0;
            const pid_t r = ::waitpid(monitor->pid(), &status, WNOHANG);
            if (r == monitor->pid()) {
                if (code)
                    *code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                monitor.reset(); // already reaped: nothing left to end
                return true;
            }
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    TempRuntime runtime;
    std::string home;
    std::string programs;
    RealClock clock{0.01};
    KeyboardModel model{clock};
    std::unique_ptr<EmulatorServer> server;
    TestEndpoint option{runtime.runtime(), kOptionTitle};
    TestEndpoint osd{runtime.runtime(), kOsdTitle};
    std::unique_ptr<Child> monitor;
};

TEST_F(MonitorProcessTest, StartsReadsBackAndStartsTheOsd) {
    startConnected();
    EXPECT_TRUE(waitForIni("Setting", "Device", 1));
    EXPECT_TRUE(started("OSD"));
    EXPECT_FALSE(std::filesystem::exists(programs + "Option.started"));
    // The block and mutex exist while Monitor runs.
    EXPECT_TRUE(std::filesystem::exists(runtime.runtime() + kShareDataName));
}

TEST_F(MonitorProcessTest, ProfileEventsReachOptionOsdBlockAndSettings) {
    startConnected();
    option.drain();
    ASSERT_TRUE(server->sendEvent(0x1000, 0)); // out of range
    ASSERT_TRUE(server->sendEvent(0x1000, 6)); // out of range
    ASSERT_TRUE(server->sendEvent(0x1000, 3));
    auto toOption = option.next();
    ASSERT_TRUE(toOption);
    EXPECT_EQ(toOption->message.message, WM_PROFILE_CHANGED); // nothing came for 0 and 6
    auto toOsd = osd.waitFor(WM_OSD_COMMAND);
    ASSERT_TRUE(toOsd);
    EXPECT_EQ(toOsd->message.wParam, OSD_SHOW_PROFILE);
    EXPECT_EQ(toOsd->message.lParam, 2 << 16);
    EXPECT_TRUE(waitForIni("Setting", "CurrentProfile", 2));

    SharedConfigBlock block;
    block.open(runtime.runtime());
    auto config = std::make_unique<ConfigBlock>();
    ASSERT_TRUE(block.take(*config));
    EXPECT_EQ(config->CurrentProfile, 2);
}

TEST_F(MonitorProcessTest, LightingAndWindowsKeyNotices) {
    startConnected();
    option.drain();
    ASSERT_TRUE(server->sendEvent(0x3000, 3)); // not a lighting control value
    ASSERT_TRUE(server->sendEvent(0x3000, 4));
    auto first = option.next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->message.message, WM_LIGHTING_CHANGED);
    EXPECT_TRUE(option.quiet()); // only one notice: 3 was ignored

    osd.drain();
    ASSERT_TRUE(server->sendEvent(0x5000, 0));
    auto toOsd = osd.waitFor(WM_OSD_COMMAND);
    auto toOption = option.waitFor(WM_LIGHTING_CHANGED);
    ASSERT_TRUE(toOsd && toOption);
    EXPECT_EQ(toOsd->message.wParam, OSD_SHOW_TEXT);
    EXPECT_LT(toOsd->stamp, toOption->stamp) << "the OSD hears of the lock before Option";
    EXPECT_EQ(configIni().readText("OSDData", "Message", ""), "Windows Key: Lock");
}

TEST_F(MonitorProcessTest, ProgramKeyEvents) {
    startConnected();
    option.drain();
    ASSERT_TRUE(server->sendEvent(0x4000, 0x0105)); // high byte set: nothing
    ASSERT_TRUE(server->sendEvent(0x6000, 0x0028)); // outside the media codes: nothing
    ASSERT_TRUE(server->sendEvent(0x4000, 0x0000)); // the configuration key
    auto raise = option.next();
    ASSERT_TRUE(raise);
    EXPECT_EQ(raise->message.message, WM_SYSCOMMAND_MSG);
    EXPECT_EQ(raise->message.wParam, SC_RESTORE_CMD);
}

TEST_F(MonitorProcessTest, RemovalClosesOptionAndArrivalReadsBackAgain) {
    startConnected();
    server->unplug();
    auto close = option.waitFor(WM_CLOSE_MSG);
    ASSERT_TRUE(close);
    EXPECT_TRUE(waitForIni("Setting", "Device", 0));
    ASSERT_TRUE(server->plug());
    EXPECT_TRUE(option.waitFor(WM_READBACK_DONE)) << "arrival must read the keyboard back";
    EXPECT_TRUE(waitForIni("Setting", "Device", 1));
    // A second round works the same.
    server->unplug();
    EXPECT_TRUE(option.waitFor(WM_CLOSE_MSG));
    ASSERT_TRUE(server->plug());
    EXPECT_TRUE(option.waitFor(WM_READBACK_DONE));
}

TEST_F(MonitorProcessTest, ApplyIsWrittenToTheKeyboardAndAnswered) {
    startConnected();
    SharedConfigBlock block;
    block.open(runtime.runtime());
    auto config = std::make_unique<ConfigBlock>();
    ASSERT_TRUE(block.take(*config));
    config->profiles[1].LtColor = 6;
    config->flags.lighting[1] = 1;
    ASSERT_TRUE(block.publish(*config));
    option.drain();
    ASSERT_TRUE(post(WM_CONFIG_APPLY, 0));
    ASSERT_TRUE(option.waitFor(WM_APPLY_DONE));
    EXPECT_EQ(model.memory().profiles[1].lighting[6], 6);
}

TEST_F(MonitorProcessTest, ApplyWhileDisconnectedIsAnsweredAtOnce) {
    monitor = startMonitor(); // no keyboard
    ASSERT_TRUE(monitorListening());
    ASSERT_TRUE(waitForIni("Setting", "Device", 0));
    ASSERT_TRUE(post(WM_CONFIG_APPLY, 0));
    EXPECT_TRUE(option.waitFor(WM_APPLY_DONE));
}

TEST_F(MonitorProcessTest, RelayedNoticeMustBeExactly151Bytes) {
    startConnected();
    osd.drain();
    ASSERT_TRUE(postCopyData(150, "one short"));
    ASSERT_TRUE(postCopyData(152, "one long"));
    ASSERT_TRUE(postCopyData(151, "You have mail"));
    auto shown = osd.waitFor(WM_OSD_COMMAND);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->message.wParam, OSD_SHOW_TEXT);
    EXPECT_EQ(configIni().readText("OSDData", "Message", ""), "You have mail");
    EXPECT_TRUE(osd.quiet());
}

TEST_F(MonitorProcessTest, BadInputIsIgnoredAndMonitorKeepsRunning) {
    startConnected();
    option.drain();
    // Raw garbage of several shapes straight at Monitor's socket.
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string path = runtime.runtime() + kMonitorTitle;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    std::vector<std::vector<uint8_t>> junk = {{},
                                              {1, 2, 3},
                                              std::vector<uint8_t>(23, 0xFF),
                                              std::vector<uint8_t>(25, 0),
                                              std::vector<uint8_t>(4096, 0x41)};
    std::vector<uint8_t> reserved(24, 0);
    reserved[0] = 0xC8; // 1224 with a non-zero reserved word
    reserved[1] = 0x04;
    reserved[4] = 1;
    junk.push_back(reserved);
    for (const auto &bytes : junk)
        ::sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
    ::close(fd);
    // Foreign messages and event words outside the table.
    ASSERT_TRUE(post(12345, 1, 2));
    ASSERT_TRUE(post(WM_COMMAND_MSG, 9999, 0));
    ASSERT_TRUE(post(WM_DEVICE_EVENT, 0x0BAD, 0xBEEF)); // an event word nobody sends
    ASSERT_TRUE(server->sendEvent(0x0FFF, 1));
    ASSERT_TRUE(server->sendEvent(0x7F00, 9));
    EXPECT_TRUE(option.quiet());
    // Still alive and answering.
    ASSERT_TRUE(server->sendEvent(0x1000, 2));
    EXPECT_TRUE(option.waitFor(WM_PROFILE_CHANGED));
}

TEST_F(MonitorProcessTest, SecondInstanceWithOneRaisesOptionAndEnds) {
    startConnected();
    option.drain();
    Child second({programs + "Monitor", "1"});
    EXPECT_EQ(second.wait(), 0);
    auto raise = option.waitFor(WM_SYSCOMMAND_MSG);
    ASSERT_TRUE(raise);
    EXPECT_EQ(raise->message.wParam, SC_RESTORE_CMD);

    // Without "1" the second one just ends.
    Child third({programs + "Monitor"});
    EXPECT_EQ(third.wait(), 0);
    EXPECT_TRUE(option.quiet());
}

TEST_F(MonitorProcessTest, StartedWithOneStartsOptionOnlyWithAKeyboard) {
    // No keyboard: Option is not started.
    monitor = startMonitor({"1"});
    ASSERT_TRUE(monitorListening());
    ASSERT_TRUE(waitForIni("Setting", "Device", 0));
    EXPECT_FALSE(started("Option", 300ms));
    EXPECT_FALSE(option.next(100ms)) << "Option must not be raised without a keyboard";
    post(WM_COMMAND_MSG, CMD_QUIT_MONITOR);
    ASSERT_TRUE(monitorEnds());
}

TEST_F(MonitorProcessTest, StartedWithOneAndAKeyboardRaisesOption) {
    ASSERT_TRUE(server->start());
    monitor = startMonitor({"1"});
    // Raised during start-up, before the first read-back is announced.
    EXPECT_TRUE(option.waitFor(WM_SYSCOMMAND_MSG));
    EXPECT_TRUE(option.waitFor(WM_READBACK_DONE));
}

TEST_F(MonitorProcessTest, ShutdownClosesOptionOsdAndAppletsAndCleansUp) {
    TestEndpoint applet(runtime.runtime(), kLoadMeterTitle);
    startConnected();
    option.drain();
    osd.drain();
    ASSERT_TRUE(post(WM_COMMAND_MSG, CMD_QUIT_MONITOR));
    EXPECT_TRUE(option.waitFor(WM_CLOSE_MSG));
    EXPECT_TRUE(osd.waitFor(WM_CLOSE_MSG));
    EXPECT_TRUE(applet.waitFor(WM_CLOSE_MSG));
    int code = -1;
    ASSERT_TRUE(monitorEnds(&code));
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(std::filesystem::exists(runtime.runtime() + kShareDataName));
    EXPECT_FALSE(std::filesystem::exists(runtime.runtime() + kMonitorTitle));
}

TEST_F(MonitorProcessTest, TerminationSignalShutsDownTheSameWay) {
    startConnected();
    option.drain();
    monitor->kill(SIGTERM);
    EXPECT_TRUE(option.waitFor(WM_CLOSE_MSG));
    int code = -1;
    ASSERT_TRUE(monitorEnds(&code));
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(std::filesystem::exists(runtime.runtime() + kMutexObjectName));
}

TEST_F(MonitorProcessTest, ForegroundGameSwitchesTheProfile) {
    if (gDisplay.empty())
        GTEST_SKIP() << "no X display";
    ::setenv("DISPLAY", gDisplay.c_str(), 1);
    // Profile 4 (index 3) lists this test program as its game, with a folder.
    auto profile = std::make_unique<ProfileData>();
    *profile = ProfileData{};
    makeDefaultProfile(*profile, 3, "Profile");
    setFixed(profile->GameFile, "C:\\Games\\monitor_process_test");
    std::filesystem::create_directories(home + "config");
    ASSERT_TRUE(SettingsStore::saveProfile(*profile, home + "config/Default3.gkp"));
    startConnected();
    osd.drain();
    FakeActiveWindow active(static_cast<uint32_t>(::getpid()));
    ASSERT_TRUE(active.ok());
    ASSERT_TRUE(option.waitFor(WM_PROFILE_CHANGED));
    auto shown = osd.waitFor(WM_OSD_COMMAND);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->message.lParam, 3 << 16);
    // The switch reaches the keyboard (request 3).
    for (int i = 0; i < 500 && model.currentProfile() != 3; ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(model.currentProfile(), 3);
    // The game staying in front switches nothing more.
    EXPECT_TRUE(option.quiet());
}

// Without any display Monitor picks the offscreen platform for itself only:
// the programs it starts (here the OSD) see the session as it is, start in
// their own folder and get none of Monitor's descriptors.
TEST_F(MonitorProcessTest, ChildrenGetTheirOwnFolderAndNothingOfMonitors) {
    ::unsetenv("QT_QPA_PLATFORM");
    std::ofstream(programs + "OSD") << "#!/bin/sh\n"
                                       "env > \"$0.env\"\n"
                                       "ls -l /proc/$$/fd > \"$0.fds\"\n"
                                       "pwd > \"$0.pwd\"\n"
                                       "echo started >> \"$0.started\"\n";
    startConnected();
    ASSERT_TRUE(started("OSD"));
    std::ifstream env(programs + "OSD.env"), fds(programs + "OSD.fds"), pwd(programs + "OSD.pwd");
    const std::string environment((std::istreambuf_iterator<char>(env)), {});
    const std::string descriptors((std::istreambuf_iterator<char>(fds)), {});
    std::string folder;
    std::getline(pwd, folder);
    EXPECT_EQ(environment.find("QT_QPA_PLATFORM"), std::string::npos) << environment;
    EXPECT_EQ(folder + "/", programs);
    EXPECT_EQ(descriptors.find(runtime.runtime()), std::string::npos) << descriptors;
    EXPECT_EQ(descriptors.find("socket:"), std::string::npos) << descriptors;
}

// A program key whose program is not there (a Windows path from elsewhere)
// is reported, never handed to xdg-open, whose error dialog would cover the
// game. Without a notification service the OSD shows it.
TEST_F(MonitorProcessTest, MissingProgramIsReportedNotOpened) {
    const std::string tools = runtime.base() + "/tools/";
    std::filesystem::create_directories(tools);
    writeMarkerScript(tools + "xdg-open");
    const ScopedVariable path("PATH", tools + ":" + std::getenv("PATH"));
    // No notification service, whatever bus the test runs on.
    const ScopedVariable bus("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    auto profile = std::make_unique<ProfileData>();
    *profile = ProfileData{};
    makeDefaultProfile(*profile, 0, "Profile");
    profile->keys[2].type = static_cast<uint8_t>(AssignType::LaunchProgram);
    setFixed(profile->keys[2].programPath, "C:\\Games\\game.exe");
    std::filesystem::create_directories(home + "config");
    ASSERT_TRUE(SettingsStore::saveProfile(*profile, home + "config/Default0.gkp"));
    model.update([](KeyboardMemory &m) {
        m.currentProfile = 0;
        m.profiles[0].assignments[2][0] = static_cast<uint8_t>(AssignType::LaunchProgram);
    });
    startConnected();
    osd.drain();
    ASSERT_TRUE(server->sendEvent(0x4000, 3));
    auto shown = osd.waitFor(WM_OSD_COMMAND);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->message.wParam, OSD_SHOW_TEXT);
    EXPECT_EQ(configIni().readText("OSDData", "Message", ""),
              "not found: C:\\Games\\game.exe: Program key 3");
    EXPECT_FALSE(started("tools/xdg-open", 300ms));
    EXPECT_FALSE(std::filesystem::exists(tools + "xdg-open.started"));
}

TEST_F(MonitorProcessTest, QuitOptionEndsTheRunningMonitor) {
    Child none({programs + "Monitor", "--quit"});
    EXPECT_EQ(none.wait(), 1) << "nothing to end";
    monitor = startMonitor();
    ASSERT_TRUE(monitorListening());
    Child quit({programs + "Monitor", "--quit"});
    EXPECT_EQ(quit.wait(), 0);
    int code = -1;
    ASSERT_TRUE(monitorEnds(&code));
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(std::filesystem::exists(runtime.runtime() + kMonitorTitle));
}

TEST_F(MonitorProcessTest, WithTheKbsimProgram) {
    // The emulator as its own program, driven through its command line.
    const std::string kbsim = std::string(ORVYN_PROGRAM_DIR) + "kbsim";
    Child keyboard({kbsim, "serve"});
    auto kbsimSays = [&](std::vector<std::string> args) {
        args.insert(args.begin(), kbsim);
        Child command(args);
        return command.wait();
    };
    for (int i = 0; i < 500 && kbsimSays({"state"}) != 0; ++i)
        std::this_thread::sleep_for(10ms);
    monitor = startMonitor();
    ASSERT_TRUE(option.waitFor(WM_READBACK_DONE));
    ASSERT_EQ(kbsimSays({"press", "profile", "4"}), 0);
    EXPECT_TRUE(option.waitFor(WM_PROFILE_CHANGED));
    auto shown = osd.waitFor(WM_OSD_COMMAND);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->message.lParam, 3 << 16);
    ASSERT_EQ(kbsimSays({"unplug"}), 0);
    EXPECT_TRUE(option.waitFor(WM_CLOSE_MSG));
    ASSERT_EQ(kbsimSays({"plug"}), 0);
    EXPECT_TRUE(option.waitFor(WM_READBACK_DONE));
    kbsimSays({"quit"});
    keyboard.wait();
}

TEST_F(MonitorProcessTest, KeyboardMessagesFromOtherProcessesAreIgnored) {
    startConnected();
    option.drain();
    // A removal, the configuration key and a recorded macro, posted by a
    // process that is not the keyboard.
    ASSERT_TRUE(post(WM_DEVICE_CHANGE, 0, 0));
    ASSERT_TRUE(post(WM_DEVICE_EVENT, 0x4000, 0));
    ASSERT_TRUE(post(WM_DEVICE_EVENT, 0x7000, 1));
    EXPECT_TRUE(option.quiet()) << "no close, no raise, no read-back";
    EXPECT_EQ(configIni().readNumber("Setting", "Device", -1), 1);
    // Monitor still believes in its keyboard: an apply reaches it.
    SharedConfigBlock block;
    block.open(runtime.runtime());
    auto config = std::make_unique<ConfigBlock>();
    ASSERT_TRUE(block.take(*config));
    config->profiles[0].LtColor = 5;
    config->flags.lighting[0] = 1;
    ASSERT_TRUE(block.publish(*config));
    ASSERT_TRUE(post(WM_CONFIG_APPLY, 0));
    ASSERT_TRUE(option.waitFor(WM_APPLY_DONE));
    EXPECT_EQ(model.memory().profiles[0].lighting[6], 5);
}

TEST_F(MonitorProcessTest, TheOsdEndsWhenMonitorIsKilled) {
    // The real OSD this time, started by Monitor.
    osd.close();
    std::filesystem::remove(programs + "OSD");
    std::filesystem::create_symlink(std::string(ORVYN_PROGRAM_DIR) + "OSD", programs + "OSD");
    startConnected();
    EndpointPoster poster(runtime.runtime());
    auto osdRunning = [&] { return poster.exists(kOsdTitle); };
    for (int i = 0; i < 1000 && !osdRunning(); ++i)
        std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(osdRunning()) << "Monitor did not start the OSD";
    std::this_thread::sleep_for(1500ms);
    ASSERT_TRUE(osdRunning()) << "the OSD must stay while Monitor runs";

    monitor->kill(SIGKILL);
    monitor->wait();
    monitor.reset();
    const auto killed = std::chrono::steady_clock::now();
    while (osdRunning() && std::chrono::steady_clock::now() - killed < 5s)
        std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(osdRunning()) << "the OSD outlived Monitor";
}

// Monitor through a shell that passes its error output on as ours and sets
// up what `prelude` says first.
std::unique_ptr<Child> startMonitorThroughShell(const std::string &monitor, const std::string &prelude = "") {
    return std::make_unique<Child>(
        std::vector<std::string>{"/bin/sh", "-c", prelude + "exec \"$0\" 2>&1", monitor});
}

TEST_F(MonitorProcessTest, StartUpFaultsStopMonitorWithAClearMessage) {
    struct Case {
        const char *name;
        std::function<void()> arrange;
        std::string prelude;
        std::string says;
    } cases[] = {
        {"a folder in the block's place",
         [&] { std::filesystem::create_directory(runtime.runtime() + kShareDataName); }, "",
         "cannot put the file in place of " + runtime.runtime() + kShareDataName},
        // A full runtime tmpfs, as a file-size limit below the block's size
        // (dash counts 512-byte blocks).
        {"no room for the block", [] {}, "trap '' XFSZ; ulimit -f 128; ", "cannot allocate 84892 bytes"},
        {"a settings folder others may write",
         [&] { std::filesystem::permissions(home, std::filesystem::perms::all); }, "",
         "must not be writable by group or others"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        monitor = startMonitorThroughShell(programs + "Monitor", c.prelude);
        std::string said;
        while (auto line = monitor->readLine(10))
            said += *line + "\n";
        int code = -1;
        ASSERT_TRUE(monitorEnds(&code)) << "Monitor kept running: " << said;
        EXPECT_EQ(code, 1) << said;
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        EXPECT_FALSE(EndpointPoster(runtime.runtime()).exists(kMonitorTitle));
        std::error_code ignored;
        std::filesystem::remove(runtime.runtime() + kShareDataName, ignored);
        std::filesystem::permissions(home, std::filesystem::perms::owner_all);
    }
}

// Real time: the keyboard's 8000 ms pause after an arrival as it is.
class MonitorRealTime : public MonitorProcessTest {
protected:
    void SetUp() override {
        MonitorProcessTest::SetUp();
        ::setenv("ORVYN_TIME_SCALE", "1", 1);
    }
};

TEST_F(MonitorRealTime, ABouncingCableGivesOneReadBackAfterTheLastArrivalAndMonitorKeepsAnswering) {
    using Clock = std::chrono::steady_clock;
    // The server outlives this test body (it logs the disconnect at the
    // fixture's end), so the log is shared with it.
    struct PacketLog {
        std::mutex mutex;
        std::vector<std::pair<Clock::time_point, std::string>> lines;
    };
    auto log = std::make_shared<PacketLog>();
    server->setLog([log](std::string_view line) {
        std::lock_guard lock(log->mutex);
        log->lines.emplace_back(Clock::now(), std::string(line));
    });
    monitor = startMonitor(); // no keyboard yet
    ASSERT_TRUE(monitorListening());
    ASSERT_TRUE(waitForIni("Setting", "Device", 0));

    // Throughout, Monitor is asked to raise Option and must answer at once.
    std::atomic<bool> stop{false};
    std::atomic<int> readBacks{0};
    std::vector<Clock::duration> answers;
    int unanswered = 0;
    std::thread pinger([&] {
        EndpointPoster poster(runtime.runtime());
        while (!stop) {
            const auto sent = Clock::now();
            if (!poster.post(kMonitorTitle, WM_COMMAND_MSG, CMD_CUSTOMIZER, 0)) {
                ++unanswered;
                continue;
            }
            for (;;) {
                auto r = option.next(1000ms);
                if (!r) {
                    ++unanswered;
                    break;
                }
                if (r->message.message == WM_READBACK_DONE)
                    ++readBacks;
                if (r->message.message == WM_SYSCOMMAND_MSG) {
                    answers.push_back(Clock::now() - sent);
                    break;
                }
            }
            std::this_thread::sleep_for(20ms);
        }
    });

    // Five arrivals within 4 s.
    bool plugged = server->start();
    for (int bounce = 1; bounce < 5 && plugged; ++bounce) {
        std::this_thread::sleep_for(700ms);
        server->unplug();
        std::this_thread::sleep_for(100ms);
        plugged = server->plug();
    }
    // The read-back and its announcement; then a while longer, in case a
    // second one follows.
    const auto end = Clock::now() + 40s;
    while (plugged && readBacks == 0 && Clock::now() < end)
        std::this_thread::sleep_for(50ms);
    std::this_thread::sleep_for(1500ms);
    stop = true;
    pinger.join();
    ASSERT_TRUE(plugged);
    EXPECT_EQ(readBacks, 1);

    std::lock_guard lock(log->mutex);
    Clock::time_point lastConnect{}, firstRequest{};
    int connects = 0;
    for (const auto &[at, line] : log->lines) {
        if (line == "host connected") {
            lastConnect = at;
            ++connects;
        } else if (line.rfind("<- ", 0) == 0 && firstRequest == Clock::time_point{}) {
            firstRequest = at;
        }
    }
    EXPECT_EQ(connects, 5);
    ASSERT_NE(firstRequest, Clock::time_point{}) << "no read-back";
    EXPECT_GT(firstRequest, lastConnect)
        << "nothing is asked of the keyboard before the last arrival's pause ends";
    const auto pause = std::chrono::duration_cast<std::chrono::milliseconds>(firstRequest - lastConnect);
    EXPECT_GE(pause, 7900ms);
    EXPECT_LE(pause, 9000ms);

    EXPECT_EQ(unanswered, 0);
    ASSERT_GT(answers.size(), 200u);
    // Within 50 ms throughout; a shared test machine may stall any process
    // now and then, so one answer in a hundred may be late, but never by
    // the seconds a sleeping loop would take.
    const auto slowest = *std::max_element(answers.begin(), answers.end());
    const auto late = std::count_if(answers.begin(), answers.end(), [](auto a) { return a >= 50ms; });
    std::printf(
        "read-back %lld ms after the last arrival; %zu answers, %td over 50 ms, slowest %lld us\n",
        static_cast<long long>(pause.count()), answers.size(), late,
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(slowest).count()));
    EXPECT_LE(late, static_cast<std::ptrdiff_t>(answers.size() / 100));
    EXPECT_LT(slowest, 500ms);
}

} // namespace
} // namespace orvyn::test
