// Timed figures of vantorctl, each run a whole process, printed as text:
//  1. `vantorctl status` and `vantorctl show` with Monitor running (median);
//  2. `vantorctl set 2 colour=N` through a real Monitor and the keyboard
//     emulator in real time (ORVYN_TIME_SCALE=1), above the protocol's own
//     pauses: the 200 ms pause after each profile's macro step (5 x 200 ms),
//     the 100 ms first pause of the lighting report's completion wait and
//     the 200 ms pause after it;
//  3. a burst of 20 `vantorctl set` commands that do not wait for the
//     keyboard (--wait 0.05), so their applies overlap in Monitor: whether
//     the keyboard, the settings files and `vantorctl show` agree at the end.
// Usage: vantorctl_bench [runs]
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "integration/platform/Child.h"
#include "kbsim/EmulatorServer.h"
#include "kbsim/KeyboardModel.h"
#include "platform/Endpoint.h"
#include "shared/SettingsStore.h"
#include "shared/Messages.h"
#include "support/TempRuntime.h"

extern char **environ;

namespace {

using namespace orvyn;
using Steady = std::chrono::steady_clock;
constexpr double kLightingPausesMs = 5 * 200.0 + 100.0 + 200.0;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void print(const char *what, const std::vector<double> &v, double target) {
    const double med = median(v);
    const double worst = v.empty() ? 0 : *std::max_element(v.begin(), v.end());
    std::printf("%-52s median %7.1f ms  max %7.1f ms  (%zu runs, target <= %.0f ms: %s)\n", what, med, worst,
                v.size(), target, !v.empty() && med <= target ? "met" : "NOT met");
}

// Milliseconds from spawn to exit of one vantorctl run; negative when it
// failed.
double timedRun(std::vector<std::string> args) {
    args.insert(args.begin(), std::string(ORVYN_PROGRAM_DIR) + "vantorctl");
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = Steady::now();
    pid_t pid = -1;
    const int rc = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
    }
    const double elapsed = std::chrono::duration<double, std::milli>(Steady::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "vantorctl %s: exit status %d\n", args[1].c_str(),
                     WIFEXITED(status) ? WEXITSTATUS(status) : -1);
        return -1;
    }
    return elapsed;
}

std::vector<double> repeat(int runs, const std::vector<std::string> &args, double minus = 0) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double t = timedRun(args);
        if (t < 0)
            break;
        times.push_back(t - minus);
    }
    return times;
}

bool waitFor(Endpoint &endpoint, uint32_t message, std::chrono::seconds limit) {
    const auto end = Steady::now() + limit;
    while (Steady::now() < end) {
        pollfd p{endpoint.fd(), POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Steady::now());
        if (::poll(&p, 1, static_cast<int>(std::max<int64_t>(left.count(), 0))) <= 0)
            continue;
        for (const PostedMessage &m : endpoint.receive())
            if (m.message == message)
                return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    ::unsetenv("DISPLAY"); // the key names of the US table: no X round trips
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    test::TempRuntime temp;
    const std::string runtime = temp.runtime();

    std::unique_ptr<test::Child> monitor;
    RealClock clock(1.0);
    KeyboardModel model(clock);
    const std::string socket = runtime + "keyboard.sock";
    EmulatorServer server(model, clock, socket);
    std::string error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "emulator: %s\n", error.c_str());
        return 1;
    }
    ::setenv("ORVYN_KEYBOARD", "emulator", 1);
    ::setenv("ORVYN_KEYBOARD_SOCKET", socket.c_str(), 1);
    ::setenv("ORVYN_TIME_SCALE", "1", 1);
    {
        // Until Monitor has read the keyboard back (1254), this program
        // receives where Option would.
        Endpoint option;
        if (option.bind(runtime, kOptionTitle) != BindResult::Bound) {
            std::fprintf(stderr, "cannot bind Option's endpoint\n");
            return 1;
        }
        monitor = std::make_unique<test::Child>(
            std::vector<std::string>{std::string(ORVYN_PROGRAM_DIR) + "Monitor"});
        if (!waitFor(option, WM_READBACK_DONE, std::chrono::seconds(90))) {
            std::fprintf(stderr, "Monitor did not read the keyboard back\n");
            return 1;
        }
    }
    // The read-back's closing report follows 1254: let the keyboard go quiet.
    for (std::size_t seen = SIZE_MAX; model.traces().size() != seen;) {
        seen = model.traces().size();
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }

    print("vantorctl status (whole process)", repeat(runs, {"status"}), 20);
    print("vantorctl show (whole process)", repeat(runs, {"show", "2"}), 20);
    std::vector<double> set;
    for (int i = 0; i < 7; ++i) {
        const double t = timedRun({"set", "2", "colour=" + std::to_string(i % 2 + 2)});
        if (t < 0)
            break;
        set.push_back(t - kLightingPausesMs);
    }
    print("vantorctl set of one colour, above the protocol's pauses", set, 20);

    // The burst: profile i % 5 + 1 gets colour i % 7 + 1; the last one wins.
    // Then the keyboard and the files must come to agree, within a minute.
    const auto burstStart = Steady::now();
    for (int i = 0; i < 20; ++i)
        timedRun({"set", std::to_string(i % 5 + 1), "colour=" + std::to_string(i % 7 + 1), "--wait", "0.05"});
    const double sentMs = std::chrono::duration<double, std::milli>(Steady::now() - burstStart).count();
    SettingsStore files(temp.base() + "/home/");
    auto disagreement = [&]() -> std::string {
        for (int p = 0; p < 5; ++p) {
            const int colour = (p + 15) % 7 + 1;
            auto stored = std::make_unique<ProfileData>();
            const bool read = SettingsStore::loadProfile(*stored, files.profilePath(p));
            if (model.profile(p).lighting[6] != colour || !read || stored->LtColor != colour)
                return "profile " + std::to_string(p + 1) + ": keyboard " +
                       std::to_string(model.profile(p).lighting[6]) + ", file " +
                       std::to_string(read ? stored->LtColor : -1) + ", expected " + std::to_string(colour);
        }
        return {};
    };
    std::string left = disagreement();
    while (!left.empty() && Steady::now() - burstStart < std::chrono::seconds(60)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        left = disagreement();
    }
    const double agreedMs = std::chrono::duration<double, std::milli>(Steady::now() - burstStart).count();
    std::printf("%-52s sent in %7.1f ms; keyboard and files agree after %7.1f ms: %s\n",
                "burst of 20 vantorctl set (overlapping applies)", sentMs, agreedMs,
                left.empty() ? "yes" : ("NO (" + left + ")").c_str());
    monitor->kill(SIGTERM);
    monitor->wait();
    server.stop();
    return 0;
}
