#include "monitor/qt/CMonitorApp.h"

#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <string_view>
#include <sys/socket.h>
#include <unistd.h>

#include "monitor/qt/MonitorHost.h"
#include "platform/Endpoint.h"
#include "platform/InstanceLock.h"
#include "platform/ProgramStartup.h"
#include "platform/qt/ProgramApplication.h"
#include "shared/Messages.h"
#include "uitext/LanguageChoice.h"

namespace orvyn {

namespace {

// SIGTERM (session end) and SIGINT close Monitor the normal way.
int signalPipe[2] = {-1, -1};
void onTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// Posts the running Monitor its close and waits until it has ended (its
// instance lock is free again).
int quitRunningMonitor(const ProgramStartup &startup) {
    const std::string &runtime = startup.runtimeFolder();
    if (!EndpointPoster(runtime).post(kMonitorTitle, WM_CLOSE_MSG, 0, 0)) {
        startup.complain("no Monitor is running");
        return 1;
    }
    constexpr int kWaitMs = 15000;
    for (int waited = 0; waited < kWaitMs; waited += 50) {
        InstanceLock probe;
        if (probe.acquire(runtime, kMonitorInstanceName) == LockResult::Acquired)
            return 0;
        ::usleep(50 * 1000);
    }
    startup.complain("the running Monitor did not end within " + std::to_string(kWaitMs / 1000) + " s");
    return 1;
}

} // namespace

bool CMonitorApp::openOptionRequested(int argc, char **argv) {
    return argc > 1 && argv[1] && argv[1][0] == '1';
}

bool CMonitorApp::quitRequested(int argc, char **argv) {
    return argc > 1 && argv[1] && std::string_view(argv[1]) == "--quit";
}

int CMonitorApp::run(int argc, char **argv) {
    const std::string languageArgument = takeLanguageArgument(argc, argv);
    const bool openOption = openOptionRequested(argc, argv);
    ProgramStartup startup("Monitor");
    if (!startup.findRuntimeFolder())
        return 1;
    const std::string &runtime = startup.runtimeFolder();
    if (quitRequested(argc, argv))
        return quitRunningMonitor(startup);
    switch (startup.claimInstance(kMonitorInstanceName)) {
    case InstanceClaim::First:
        break;
    case InstanceClaim::AlreadyRunning:
        // The running Monitor raises or starts Option for us.
        if (openOption)
            EndpointPoster(runtime).post(kMonitorTitle, WM_COMMAND_MSG, CMD_CUSTOMIZER, 0);
        return 0;
    case InstanceClaim::Failed:
        return 1;
    }

    // Without any display Monitor still runs (no tray then).
    ProgramApplication application(argc, argv, PlatformPreference::Default, QStringLiteral("Monitor"),
                                   LastWindowClosed::KeepsRunning);
    // Docks match the window to its application entry by this name under
    // Wayland (the window class, StartupWMClass in the entry, under X11).
    QGuiApplication::setDesktopFileName(QStringLiteral("orvyn-vantor-monitor"));
    QApplication &app = application.app();

    MonitorHost host(runtime, openOption, languageArgument);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) == 0) {
        auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [&host] {
            char byte;
            [[maybe_unused]] const ssize_t n = ::read(signalPipe[0], &byte, 1);
            host.postToSelf(WM_CLOSE_MSG, 0, 0);
        });
        struct sigaction action {};
        action.sa_handler = onTerminate;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGTERM, &action, nullptr);
        ::sigaction(SIGINT, &action, nullptr);
    }
    if (!host.create())
        return 1;
    const int code = application.exec();
    host.destroy();
    return code;
}

} // namespace orvyn
