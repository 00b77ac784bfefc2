// kbsim: the keyboard emulator. `kbsim serve` runs the keyboard; every other
// command talks to the running instance over its control socket.
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "kbsim/EmulatorServer.h"
#include "kbsim/KbsimControl.h"
#include "kbsim/KeyboardModel.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "protocol/EmulatorSocket.h"

using namespace orvyn;

namespace {

class PacketLog {
public:
    bool open(const std::string &path) {
        file_ = std::fopen(path.c_str(), "a");
        return file_ != nullptr;
    }
    ~PacketLog() {
        if (file_)
            std::fclose(file_);
    }
    void write(std::string_view line) {
        if (!file_)
            return;
        const auto now = std::chrono::system_clock::now();
        const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
        std::tm tm{};
        localtime_r(&seconds, &tm);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &tm);
        std::lock_guard lock(mutex_);
        std::fprintf(file_, "%s.%03lld %.*s\n", stamp, static_cast<long long>(ms),
                     static_cast<int>(line.size()), line.data());
        std::fflush(file_);
    }

private:
    std::FILE *file_ = nullptr;
    std::mutex mutex_;
};

std::string keyboardSocketPath(const std::string &option) {
    return option.empty() ? defaultEmulatorSocketPath() : option;
}

std::string controlPathFor(const std::string &keyboardSocket) {
    return keyboardSocket + ".control";
}

int serve(const std::vector<std::string> &args) {
    std::string statePath, logPath, socketOption;
    long busyMs = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--state" && hasValue) {
            statePath = args[++i];
        } else if (a == "--log" && hasValue) {
            logPath = args[++i];
        } else if (a == "--socket" && hasValue) {
            socketOption = args[++i];
        } else if (a == "--busy-ms" && hasValue) {
            if (!parseNumberArg(args[++i], 0, 600000, busyMs)) {
                std::fprintf(stderr, "kbsim: --busy-ms takes 0-600000\n");
                return 2;
            }
        } else {
            std::fprintf(stderr, "kbsim: unknown option %s\n%s", a.c_str(), kbsimUsage().c_str());
            return 2;
        }
    }
    const std::string socketPath = keyboardSocketPath(socketOption);
    if (socketPath.empty()) {
        std::fprintf(stderr, "kbsim: no runtime folder for the keyboard socket\n");
        return 1;
    }
    const std::string controlPath = controlPathFor(socketPath);
    CommandResult probe;
    if (sendControlCommand(controlPath, {"help"}, probe)) {
        std::fprintf(stderr, "kbsim: another instance already serves %s\n", socketPath.c_str());
        return 1;
    }
    if (statePath.empty())
        statePath = settingsFolder() + "kbsim-state.bin";

    // Signals are taken by the main loop only.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    // The keyboard's busy time and reply delays shrink with the host's pauses.
    RealClock clock(parseTimeScale(std::getenv("ORVYN_TIME_SCALE")));
    KeyboardModel model(clock);
    struct stat st;
    if (::stat(statePath.c_str(), &st) == 0) {
        std::string error;
        if (!model.load(statePath, &error))
            std::fprintf(stderr, "kbsim: %s; starting from factory settings\n", error.c_str());
    }
    model.setBusyTime(Millis{busyMs});

    PacketLog log;
    if (!logPath.empty() && !log.open(logPath)) {
        std::fprintf(stderr, "kbsim: cannot open the log %s: %s\n", logPath.c_str(), std::strerror(errno));
        return 1;
    }
    std::atomic<bool> dirty{false};
    EmulatorServer server(model, clock, socketPath);
    if (!logPath.empty())
        server.setLog([&](std::string_view line) { log.write(line); });
    server.setOnWrite([&] { dirty = true; });
    std::string error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "kbsim: %s\n", error.c_str());
        return 1;
    }
    KbsimController controller(
        model, server, [&] { dirty = true; }, [] { ::kill(::getpid(), SIGTERM); });
    ControlServer control(controlPath, [&](const std::vector<std::string> &command) {
        std::string line = "control:";
        for (const auto &word : command)
            line += " " + word;
        log.write(line);
        return controller.execute(command);
    });
    if (!control.start(&error)) {
        std::fprintf(stderr, "kbsim: %s\n", error.c_str());
        return 1;
    }
    std::printf("kbsim: keyboard at %s\nkbsim: control at %s\nkbsim: state in %s\n", socketPath.c_str(),
                controlPath.c_str(), statePath.c_str());
    std::fflush(stdout);

    auto saveIfDirty = [&] {
        if (dirty.exchange(false) && !model.save(statePath, &error))
            std::fprintf(stderr, "kbsim: %s\n", error.c_str());
    };
    for (;;) {
        const timespec second{1, 0};
        const int sig = sigtimedwait(&signals, nullptr, &second);
        if (sig > 0)
            break;
        saveIfDirty(); // at most once a second: writes stay fast
    }
    control.stop();
    server.stop();
    saveIfDirty();
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(kbsimUsage().c_str(), stderr);
        return 2;
    }
    if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        std::fputs(kbsimUsage().c_str(), stdout);
        return 0;
    }
    if (args[0] == "serve")
        return serve(args);
    const std::string socketPath = keyboardSocketPath({});
    CommandResult result;
    if (socketPath.empty() || !sendControlCommand(controlPathFor(socketPath), args, result)) {
        std::fprintf(stderr, "kbsim: no keyboard is running (start one with \"kbsim serve\")\n");
        return 2;
    }
    std::fputs(result.text.c_str(), result.ok ? stdout : stderr);
    return result.ok ? 0 : 1;
}
