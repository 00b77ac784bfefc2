// Monitor as a real process: an emulated keyboard served from the test, test
// endpoints standing in for Option, the OSD and an applet, and a private
// program folder whose Option and OSD are scripts that leave a mark.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
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

using namespace std::chrono_literals;
constexpr auto kPatience = 10s; // only bounds a hang
constexpr auto kQuiet = 300ms;  // how long "nothing arrives" is watched

// The X display the tests were started with (the fixture hides it from
// Monitor unless a test needs it).
inline const std::string gDisplay = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";

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

// True once `condition` holds; false if it still fails after `limit`.
template <typename F> bool eventually(F condition, std::chrono::milliseconds limit = 5s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

inline std::string fileText(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a shell command writes to its standard output.
inline std::string commandOutput(const std::string &command) {
    std::string text;
    if (FILE *pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t n = std::fread(buffer, 1, sizeof(buffer), pipe))
            text.append(buffer, n);
        ::pclose(pipe);
    }
    return text;
}

// A folder of its own under /tmp (short enough for socket paths, reachable
// by a compositor run as another user), removed with everything in it.
struct ScratchFolder {
    explicit ScratchFolder(const std::string &prefix) {
        std::string pattern = "/tmp/" + prefix + "-XXXXXX";
        if (::mkdtemp(pattern.data()))
            path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path.empty())
            std::filesystem::remove_all(path, ignored);
    }
    std::string path;
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
        if (server) // none when a test skipped before SetUp
            server->stop();
    }

    // Monitor announced a switch to `profile`, the keyboard took it (report
    // 5) and the shared block holds it.
    void switchedTo(int profile) {
        ASSERT_TRUE(option.waitFor(WM_PROFILE_CHANGED));
        for (int i = 0; i < 500 && model.currentProfile() != profile; ++i)
            std::this_thread::sleep_for(10ms);
        EXPECT_EQ(model.currentProfile(), profile); // report 5 reached the keyboard
        EXPECT_EQ(sharedBlock()->CurrentProfile, profile);
    }
    std::unique_ptr<ConfigBlock> sharedBlock() {
        SharedConfigBlock shared;
        shared.open(runtime.runtime());
        auto config = std::make_unique<ConfigBlock>();
        if (!shared.take(*config))
            ADD_FAILURE() << "no shared block";
        return config;
    }
    // A saved profile whose game is `game`.
    void saveGameProfile(int profile, const char *game) {
        auto data = std::make_unique<ProfileData>();
        makeDefaultProfile(*data, profile, "Profile");
        setFixed(data->GameFile, game);
        std::filesystem::create_directories(home + "config");
        ASSERT_TRUE(
            SettingsStore::saveProfile(*data, home + "config/Default" + std::to_string(profile) + ".gkp"));
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

} // namespace orvyn::test
