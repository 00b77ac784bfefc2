#include "monitor/qt/MonitorHost.h"

#include <QApplication>
#include <QSocketNotifier>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string_view>
#include <sys/socket.h>
#include <unistd.h>

#include "monitor/device/FeatureReports.h"
#include "platform/Folders.h"
#include "platform/QtPlatformChoice.h"
#include "platform/Trace.h"

namespace orvyn {

namespace {

constexpr int kWatchIntervalMs = 2000;
constexpr int kReadBackDelayMs = 200;
constexpr int kArrivalPauseMs = 8000;

// A nominal interval scaled like every other pause of the suite.
int scaledInterval(int nominalMs) {
    double scale = 1.0;
    if (auto *real = dynamic_cast<RealClock *>(&systemClock()))
        scale = real->scale();
    return std::max(1, static_cast<int>(std::lround(nominalMs * scale)));
}

void sinkPost(DevBridgeSink *self, uint32_t message, uint32_t wParam, uint32_t lParam) {
    auto *sink = static_cast<QtDeviceSink *>(self);
    if (!sink || !sink->host)
        return;
    PostedMessage m;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    sink->host->deliverFromAnyThread(m);
}

// SIGTERM (session end) and SIGINT close Monitor the normal way.
int signalPipe[2] = {-1, -1};
void onTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

} // namespace

bool LibraryKeyboard::openMonitor() {
    return library_.openDevMonitor(&sink_, WM_DEVICE_EVENT, WM_DEVICE_CHANGE);
}

bool LibraryKeyboard::closeFeatureDevice() {
    library_.closeFeatureDevice();
    return true;
}

bool LibraryKeyboard::closeMonitor() {
    library_.closeDevMonitor();
    return true;
}

bool LibraryKeyboard::sendClosingReport() {
    Report report = encodeClosing();
    return library_.setFeature(report.data(), report.length);
}

void WorkerAdapter::setKeyboardState(KeyboardState state) {
    if (worker_)
        worker_->setKeyboardState(state);
}

bool WorkerAdapter::post(DeviceRequest request, int64_t argument) {
    return worker_ && worker_->post(request, argument);
}

void WorkerAdapter::cancelIfBusy() {
    if (worker_)
        worker_->cancelIfBusy();
}

void WorkerAdapter::stop() {
    if (worker_)
        abandoned_ = worker_->stop() == DeviceWorker::StopResult::Abandoned;
}

MonitorHost::MonitorHost(std::string runtimeFolder, bool openOption)
    : runtimeFolder_(std::move(runtimeFolder)), openOption_(openOption), poster_(runtimeFolder_) {
    sink_.post = &sinkPost;
    sink_.host = this;
    watchTimer_.setInterval(scaledInterval(kWatchIntervalMs));
    readBackTimer_.setSingleShot(true);
    readBackTimer_.setInterval(scaledInterval(kReadBackDelayMs));
    arrivalTimer_.setSingleShot(true);
    // The keyboard needs the whole pause: a coarse timer may fire 5% early.
    arrivalTimer_.setTimerType(Qt::PreciseTimer);
    arrivalTimer_.setInterval(scaledInterval(kArrivalPauseMs));
    connect(&watchTimer_, &QTimer::timeout, this, [this] {
        if (wnd_)
            wnd_->onWatchTimer();
    });
    connect(&readBackTimer_, &QTimer::timeout, this, [this] {
        if (wnd_)
            wnd_->onReadBackTimer();
    });
    connect(&arrivalTimer_, &QTimer::timeout, this, [this] {
        if (wnd_)
            wnd_->onArrivalTimer();
    });
    // What arrives at the endpoint comes from other processes.
    connect(&listener_, &EndpointListener::messageReceived, this, [this](const PostedMessage &message) {
        if (wnd_ && !destroyed_)
            wnd_->handleFromOutside(message);
    });
}

MonitorHost::~MonitorHost() {
    destroy();
}

bool MonitorHost::create() {
    // Folders, language library, the INI helper.
    programFolder_ = programFolder();
    texts_.load(programFolder_);
    const std::string settingsPath = settingsFolder();
    std::string error;
    if (!ensureSettingsFolders(settingsPath, &error)) {
        std::fprintf(stderr, "Monitor: %s\n", error.c_str());
        return false;
    }
    settings_ = std::make_unique<SettingsStore>(settingsPath);
    // The device-access library.
    if (library_.load(programFolder_))
        keyboard_ = std::make_unique<LibraryKeyboard>(library_, sink_);
    else
        trace("Monitor: " + library_.error() + "\n");

    foreground_ = std::make_unique<X11Foreground>();
    shell_ = std::make_unique<DesktopShell>([this] { return startupId(); });
    notifier_ = std::make_unique<SessionNotifier>(
        [this](const std::string &summary, const std::string &body) { noticeThroughOsd(summary, body); });
    players_ = std::make_unique<MprisPlayers>(*shell_);
    tray_ = std::make_unique<MonitorTray>(
        texts_, programFolder_, [this](int64_t mouse) { postToSelf(WM_TRAY_NOTIFY, 102, mouse); },
        [this](int64_t command) { postToSelf(WM_COMMAND_MSG, command, 0); });

    MonitorServices services;
    services.programFolder = programFolder_;
    services.settings = settings_.get();
    services.texts = &texts_;
    services.keyboard = keyboard_.get();
    services.worker = &workerAdapter_;
    services.exchange = &shared_;
    services.poster = &poster_;
    services.shell = shell_.get();
    services.notifier = notifier_.get();
    services.userTime = foreground_.get();
    services.players = players_.get();
    services.foreground = foreground_.get();
    services.tray = tray_.get();
    services.loop = this;
    services.clock = &systemClock();
    wnd_ = std::make_unique<CMonitorWnd>(std::move(services));
    wnd_->setCloseHandler([this] { close(); });

    // The configuration, then the mutex and the block.
    wnd_->loadConfiguration();
    shared_.create(runtimeFolder_);
    // Without the block an apply could only be answered, never done.
    if (shared_.mutexState() != SharedObjectState::Ready || !shared_.hasBlock()) {
        std::fprintf(stderr, "Monitor: cannot create the shared configuration block: %s\n",
                     shared_.error().c_str());
        return false;
    }
    wnd_->publishInitial();
    // Reachable only now: an Option that sees our endpoint finds our block
    // in place, so what it publishes before posting 1224 is what we take.
    if (listener_.bind(runtimeFolder_, kMonitorTitle) != BindResult::Bound) {
        std::fprintf(stderr, "Monitor: cannot receive messages: %s\n", listener_.endpoint().error().c_str());
        return false;
    }
    // The device worker.
    worker_ = std::make_unique<DeviceWorker>(
        DeviceWorkerServices{library_, systemClock(), wnd_->record(), *settings_, shared_, poster_});
    if (worker_->start())
        workerAdapter_.attach(worker_.get());
    created_ = true;
    wnd_->startKeyboard(openOption_);
    return true;
}

void MonitorHost::destroy() {
    if (!created_ || destroyed_)
        return;
    destroyed_ = true;
    wnd_->shutdown(); // closing report, timers, Option/applets/OSD, worker
    if (keyboard_) {
        keyboard_->closeMonitor();
        keyboard_->closeFeatureDevice();
    }
    sink_.host = nullptr;
    if (workerAdapter_.abandoned() || wnd_->closingReportAbandoned())
        library_.abandon(); // a thread may still be inside the module
    else
        library_.unload();
    shared_.close();
    tray_->remove();
    texts_.unload();
    listener_.close();
}

std::string MonitorHost::startupId() {
    static unsigned sequence = 0;
    const auto time = foreground_ ? foreground_->serverTime() : std::nullopt;
    if (!time)
        return {};
    return "orvyn-vantor-Monitor-" + std::to_string(::getpid()) + "-" + std::to_string(++sequence) + "_TIME" +
           std::to_string(*time);
}

void MonitorHost::noticeThroughOsd(const std::string &summary, const std::string &body) {
    if (settings_)
        settings_->writeOsdMessage(body.empty() ? summary : summary + ": " + body);
    poster_.post(kOsdTitle, WM_OSD_COMMAND, OSD_SHOW_TEXT, 0);
}

void MonitorHost::close() {
    destroy();
    QCoreApplication::quit();
}

void MonitorHost::startWatchTimer() {
    watchTimer_.start();
}
void MonitorHost::stopWatchTimer() {
    watchTimer_.stop();
}
void MonitorHost::startReadBackTimer() {
    readBackTimer_.start();
}
void MonitorHost::stopReadBackTimer() {
    readBackTimer_.stop();
}
void MonitorHost::startArrivalTimer() {
    arrivalTimer_.start();
}
void MonitorHost::stopArrivalTimer() {
    arrivalTimer_.stop();
}

void MonitorHost::postToSelf(uint32_t message, int64_t wParam, int64_t lParam) {
    PostedMessage m;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    QMetaObject::invokeMethod(
        this, [this, m] { deliver(m); }, Qt::QueuedConnection);
}

void MonitorHost::deliverFromAnyThread(const PostedMessage &message) {
    QMetaObject::invokeMethod(
        this, [this, message] { deliver(message); }, Qt::QueuedConnection);
}

void MonitorHost::deliver(const PostedMessage &message) {
    if (wnd_ && !destroyed_)
        wnd_->handle(message);
}

bool CMonitorApp::openOptionRequested(int argc, char **argv) {
    return argc > 1 && argv[1] && argv[1][0] == '1';
}

bool CMonitorApp::quitRequested(int argc, char **argv) {
    return argc > 1 && argv[1] && std::string_view(argv[1]) == "--quit";
}

namespace {

// Posts the running Monitor its close and waits until it has ended (its
// instance lock is free again).
int quitRunningMonitor(const std::string &runtime) {
    if (!EndpointPoster(runtime).post(kMonitorTitle, WM_CLOSE_MSG, 0, 0)) {
        std::fprintf(stderr, "Monitor: no Monitor is running\n");
        return 1;
    }
    constexpr int kWaitMs = 15000;
    for (int waited = 0; waited < kWaitMs; waited += 50) {
        InstanceLock probe;
        if (probe.acquire(runtime, kMonitorInstanceName) == LockResult::Acquired)
            return 0;
        ::usleep(50 * 1000);
    }
    std::fprintf(stderr, "Monitor: the running Monitor did not end within %d s\n", kWaitMs / 1000);
    return 1;
}

} // namespace

int CMonitorApp::run(int argc, char **argv) {
    const bool openOption = openOptionRequested(argc, argv);
    const RuntimeFolder runtime = runtimeFolder();
    if (!runtime.ok()) {
        std::fprintf(stderr, "Monitor: %s\n", runtime.error.c_str());
        return 1;
    }
    if (quitRequested(argc, argv))
        return quitRunningMonitor(runtime.path);
    InstanceLock lock;
    switch (lock.acquire(runtime.path, kMonitorInstanceName)) {
    case LockResult::Acquired:
        break;
    case LockResult::AlreadyHeld:
        // The running Monitor raises or starts Option for us.
        if (openOption)
            EndpointPoster(runtime.path).post(kMonitorTitle, WM_COMMAND_MSG, CMD_CUSTOMIZER, 0);
        return 0;
    case LockResult::Error:
        std::fprintf(stderr, "Monitor: %s\n", lock.error().c_str());
        return 1;
    }

    // Without any display Monitor still runs (no tray then).
    std::vector<std::string> storage;
    std::vector<char *> args = argumentsWithPlatform(
        argc, argv, choosePlatform(PlatformPreference::Default, DisplayEnvironment::current()), storage);
    int appArgc = static_cast<int>(args.size()) - 1;
    QApplication app(appArgc, args.data());
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Monitor"));

    MonitorHost host(runtime.path, openOption);
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
    const int code = app.exec();
    host.destroy();
    return code;
}

} // namespace orvyn
