// How soon a foreground source knows the window brought to the front
// (median and 95th percentile; target: median <= 5 ms):
//   foreground_bench x11 [N]    on $DISPLAY: _NET_ACTIVE_WINDOW set -> the
//                               X11 source's answer (it reads on demand)
//   foreground_bench sway A B [N]  on $WAYLAND_DISPLAY/$SWAYSOCK with windows
//                               of app ids A and B: a focus command sent over
//                               sway's IPC -> the toplevel source's event
// bench/monitor/foreground-bench.sh starts a headless sway for the second.
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

#include "monitor/qt/WlrForeground.h"
#include "monitor/qt/X11Foreground.h"
#include "support/FakeActiveWindow.h"

namespace {

using Clock = std::chrono::steady_clock;

void report(const char *what, std::vector<double> ms) {
    if (ms.empty()) {
        std::printf("%s: no samples\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%s: n=%zu median %.3f ms, p95 %.3f ms\n", what, ms.size(), ms[ms.size() / 2],
                ms[std::min(ms.size() - 1, ms.size() * 95 / 100)]);
}

int benchX11(int rounds) {
    orvyn::test::FakeActiveWindow first(1), second(2);
    orvyn::X11Foreground source;
    if (!first.ok() || !second.ok() || !source.connected()) {
        std::fprintf(stderr, "foreground_bench: no X display\n");
        return 1;
    }
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        (i % 2 ? first : second).activate(0);
        const auto start = Clock::now();
        if (!source.foregroundWindow())
            return 1;
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    report("x11: active window set -> source answers", ms);
    return 0;
}

// One sway IPC command (RUN_COMMAND); the answer is not waited for.
bool swayCommand(int fd, const std::string &command) {
    char header[14];
    std::memcpy(header, "i3-ipc", 6);
    const auto length = static_cast<uint32_t>(command.size());
    const uint32_t type = 0;
    std::memcpy(header + 6, &length, 4);
    std::memcpy(header + 10, &type, 4);
    return ::send(fd, header, sizeof header, MSG_NOSIGNAL) == sizeof header &&
           ::send(fd, command.data(), command.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(command.size());
}

int benchSway(const std::string &a, const std::string &b, int rounds) {
    const char *display = std::getenv("WAYLAND_DISPLAY");
    const char *ipc = std::getenv("SWAYSOCK");
    sockaddr_un address{};
    if (!display || !ipc || std::strlen(ipc) >= sizeof address.sun_path) {
        std::fprintf(stderr, "foreground_bench: WAYLAND_DISPLAY and SWAYSOCK must name a sway\n");
        return 1;
    }
    orvyn::WlrForeground source(display, "");
    if (!source.connect()) {
        std::fprintf(stderr, "foreground_bench: the compositor lists no toplevels\n");
        return 1;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, ipc);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        std::perror("foreground_bench: sway IPC");
        return 1;
    }
    Clock::time_point sent, seen;
    bool changed = false;
    source.setActiveChanged([&] {
        seen = Clock::now();
        changed = true;
    });
    // b in front first, whichever window the compositor mapped last.
    swayCommand(fd, "[app_id=\"" + b + "\"] focus");
    for (const auto until = Clock::now() + std::chrono::milliseconds(300); Clock::now() < until;)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        const std::string &wanted = i % 2 ? b : a;
        changed = false;
        sent = Clock::now();
        if (!swayCommand(fd, "[app_id=\"" + wanted + "\"] focus"))
            return 1;
        const auto limit = sent + std::chrono::seconds(2);
        while (Clock::now() < limit) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            if (changed && source.foregroundWindow() && source.foregroundWindow()->appId == wanted)
                break;
            changed = false;
        }
        if (!changed) {
            char answer[512] = {};
            const ssize_t n = ::recv(fd, answer, sizeof answer - 1, MSG_DONTWAIT);
            std::fprintf(stderr, "foreground_bench: %s did not come to the front (%s)\n", wanted.c_str(),
                         n > 14 ? answer + 14 : "no answer");
            return 1;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(seen - sent).count());
        char drain[4096]; // sway's answers
        while (::recv(fd, drain, sizeof drain, MSG_DONTWAIT) > 0) {
        }
    }
    ::close(fd);
    report("sway: focus command sent -> toplevel source's event", ms);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "x11")
        return benchX11(argc > 2 ? std::atoi(argv[2]) : 1000);
    if (mode == "sway" && argc > 3)
        return benchSway(argv[2], argv[3], argc > 4 ? std::atoi(argv[4]) : 200);
    std::fprintf(stderr, "usage: foreground_bench x11 [N] | sway APP_ID_A APP_ID_B [N]\n");
    return 2;
}
