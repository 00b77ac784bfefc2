// Monitor's two performance figures, measured on a real Monitor process at
// real time (ORVYN_TIME_SCALE=1) against the emulated keyboard (the emulator
// server of kbsim, run in this process so the moment an event leaves the
// keyboard is known exactly):
//   1. a profile-key event from the keyboard to the datagram at Option's
//      endpoint (median and 95th percentile; target: median <= 5 ms);
//   2. Monitor idle with the keyboard connected (CPU share and resident
//      memory; targets: <= 0.5 % and <= 40 MB).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "kbsim/EmulatorServer.h"
#include "kbsim/KeyboardModel.h"
#include "platform/Datagram.h"
#include "platform/Folders.h"
#include "shared/Messages.h"

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

int bindEndpoint(const std::string &path) {
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    ::unlink(path.c_str());
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0) {
        std::perror("bind");
        std::exit(1);
    }
    return fd;
}

// The next message number at fd, or 0 after the time-out.
uint32_t receive(int fd, std::chrono::milliseconds limit) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(limit.count())) <= 0)
        return 0;
    uint8_t buffer[orvyn::kMaxDatagramSize];
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0)
        return 0;
    const auto m = orvyn::decodeDatagram(std::span<const uint8_t>(buffer, static_cast<std::size_t>(n)));
    return m ? m->message : 0;
}

bool waitFor(int fd, uint32_t message, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        if (receive(fd, std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now())) == message)
            return true;
    }
    return false;
}

// utime + stime of a process in clock ticks.
long long cpuTicks(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::vector<std::string> fields;
    std::string field;
    for (std::size_t i = close + 2; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ' ') {
            fields.push_back(field);
            field.clear();
        } else {
            field += text[i];
        }
    }
    // Fields after the name: state is [0]; utime and stime are 14 and 15 of
    // the whole line, i.e. [11] and [12] here.
    if (fields.size() < 13)
        return -1;
    return std::stoll(fields[11]) + std::stoll(fields[12]);
}

long residentKiB(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char **argv) {
    int idleSeconds = 60;
    int events = 200;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--idle-seconds") == 0)
            idleSeconds = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--events") == 0)
            events = std::atoi(argv[i + 1]);
    }

    char pattern[] = "/tmp/ovbXXXXXX";
    if (!::mkdtemp(pattern))
        return 1;
    const std::string base = pattern;
    std::filesystem::create_directories(base + "/home");
    ::setenv("XDG_RUNTIME_DIR", base.c_str(), 1);
    ::setenv("ORVYN_VANTOR_HOME", (base + "/home").c_str(), 1);
    ::setenv("ORVYN_TIME_SCALE", "1", 1);
    ::setenv("ORVYN_KEYBOARD", "emulator", 1);
    const orvyn::RuntimeFolder runtime = orvyn::runtimeFolder();
    if (!runtime.ok())
        return 1;
    ::setenv("ORVYN_KEYBOARD_SOCKET", (runtime.path + "keyboard.sock").c_str(), 1);

    orvyn::RealClock clock(1.0);
    orvyn::KeyboardModel model(clock);
    orvyn::EmulatorServer server(model, clock, runtime.path + "keyboard.sock");
    if (!server.start()) {
        std::fprintf(stderr, "cannot start the emulated keyboard\n");
        return 1;
    }
    const int option = bindEndpoint(runtime.path + orvyn::kOptionTitle);
    const int osd = bindEndpoint(runtime.path + orvyn::kOsdTitle); // keeps the real OSD away

    const std::string monitorPath = std::string(ORVYN_PROGRAM_DIR) + "Monitor";
    char *args[] = {const_cast<char *>(monitorPath.c_str()), nullptr};
    pid_t pid = 0;
    if (::posix_spawn(&pid, args[0], nullptr, nullptr, args, environ) != 0) {
        std::perror("spawn Monitor");
        return 1;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("Monitor %s (display: %s)\n", monitorPath.c_str(),
                std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "none");
    // The first read-back takes several seconds of the keyboard's pauses.
    if (!waitFor(option, orvyn::WM_READBACK_DONE, 60s)) {
        std::fprintf(stderr, "Monitor never announced its read-back\n");
        ::kill(pid, SIGTERM);
        return 1;
    }

    std::vector<double> latencies;
    for (int i = 0; i < events; ++i) {
        const uint16_t profile = static_cast<uint16_t>(1 + i % 5);
        const auto start = Clock::now();
        server.sendEvent(0x1000, profile);
        if (!waitFor(option, orvyn::WM_PROFILE_CHANGED, 2s)) {
            std::fprintf(stderr, "event %d was not announced\n", i);
            continue;
        }
        latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        while (receive(osd, 0ms) != 0) {
        }
        std::this_thread::sleep_for(5ms);
    }
    std::sort(latencies.begin(), latencies.end());
    if (!latencies.empty()) {
        const double median = latencies[latencies.size() / 2];
        const double p95 = latencies[latencies.size() * 95 / 100];
        std::printf("profile event -> Option datagram: %zu events, median %.3f ms, p95 %.3f ms, max %.3f ms "
                    "(target: median <= 5 ms) %s\n",
                    latencies.size(), median, p95, latencies.back(), median <= 5.0 ? "OK" : "OVER");
    }

    // Idle: let the events settle, then measure.
    std::this_thread::sleep_for(2s);
    const long long ticksBefore = cpuTicks(pid);
    const auto idleStart = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    const long long ticksAfter = cpuTicks(pid);
    const double seconds = std::chrono::duration<double>(Clock::now() - idleStart).count();
    const double cpu = 100.0 * static_cast<double>(ticksAfter - ticksBefore) /
                       static_cast<double>(::sysconf(_SC_CLK_TCK)) / seconds;
    const double rssMiB = static_cast<double>(residentKiB(pid)) / 1024.0;
    std::printf(
        "idle with keyboard connected for %.0f s: CPU %.3f %% (%lld clock ticks of %ld/s; target <= 0.5 %%) "
        "%s, RSS %.1f MiB (target <= 40 MB) %s\n",
        seconds, cpu, ticksAfter - ticksBefore, ::sysconf(_SC_CLK_TCK), cpu <= 0.5 ? "OK" : "OVER", rssMiB,
        rssMiB * 1.048576 <= 40.0 ? "OK" : "OVER");

    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    server.stop();
    ::close(option);
    ::close(osd);
    std::filesystem::remove_all(base);
    return 0;
}
