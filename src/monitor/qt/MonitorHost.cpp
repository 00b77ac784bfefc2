#include "monitor/qt/MonitorHost.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "monitor/ForegroundChoice.h"
#include "platform/Folders.h"
#include "platform/ProgramStartup.h"
#include "platform/Trace.h"
#include "protocol/FeatureReports.h"
#include "translations/ProgramTranslations.h"
#include "uitext/LanguageChoice.h"

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

} // namespace

MonitorHost::MonitorHost(std::string runtimeFolder, bool openOption, std::string languageArgument)
    : runtimeFolder_(std::move(runtimeFolder)), openOption_(openOption),
      languageArgument_(std::move(languageArgument)), poster_(runtimeFolder_) {
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
    const std::optional<std::string> settingsPath = ProgramStartup("Monitor").prepareSettingsFolder();
    if (!settingsPath)
        return false;
    settings_ = std::make_unique<SettingsStore>(*settingsPath);
    // The language needs config.ini, so the texts come after the settings.
    const std::string language =
        chooseLanguage(languageArgument_, settings_->readLanguage(), LocaleVariables::fromProcess());
    texts_.load(programFolder_, language);
    if (QCoreApplication *app = QCoreApplication::instance())
        installTranslations(*app, language, programFolder_);
    // The device-access library.
    if (library_.load(programFolder_))
        keyboard_ = std::make_unique<ModuleKeyboard>(library_, sink_);
    else
        trace("Monitor: " + library_.error() + "\n");

    foreground_ = std::make_unique<X11Foreground>();
    shell_ = std::make_unique<DesktopLauncher>([this] { return startupId(); });
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
    services.exchange = &shared_;
    services.poster = &poster_;
    services.shell = shell_.get();
    services.notifier = notifier_.get();
    services.userTime = foreground_.get();
    services.players = players_.get();
    services.foreground = chooseForegroundSource();
    services.tray = tray_.get();
    services.loop = this;
    services.clock = &systemClock();
    // A language chosen on Monitor's command line holds for what it starts.
    if (!languageArgument_.empty())
        services.helperArguments = {"--language", languageArgument_};
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
        DeviceWorkerServices{library_, systemClock(), wnd_->owed(), wnd_->workerEvents()});
    if (worker_->start())
        wnd_->attachWorker(worker_.get());
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
    if ((worker_ && worker_->abandoned()) || wnd_->closingReportAbandoned())
        library_.abandon(); // a thread may still be inside the module
    else
        library_.unload();
    shared_.close();
    tray_->remove();
    texts_.unload();
    listener_.close();
}

ForegroundSource *MonitorHost::chooseForegroundSource() {
    const auto variable = [](const char *name) {
        const char *value = std::getenv(name);
        return std::string(value ? value : "");
    };
    SessionFacts facts;
    facts.wayland = !variable("WAYLAND_DISPLAY").empty();
    facts.x11 = foreground_->connected();
    facts.desktop = variable("XDG_CURRENT_DESKTOP");
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (facts.wayland && facts.desktop.find("KDE") != std::string::npos && bus.interface() &&
        bus.interface()->isServiceRegistered(QStringLiteral("org.kde.KWin"))) {
        auto kwin = std::make_unique<KWinForeground>(runtimeFolder_, bus);
        facts.kwinScript = kwin->start();
        if (facts.kwinScript)
            kwin_ = std::move(kwin);
    }
    if (facts.wayland && facts.desktop.find("GNOME") != std::string::npos) {
        auto gnome = std::make_unique<GnomeForeground>(bus);
        facts.gnomeExtension = gnome->start();
        if (facts.gnomeExtension)
            gnome_ = std::move(gnome);
    }
    if (facts.wayland && !facts.kwinScript && !facts.gnomeExtension) {
        auto toplevels = std::make_unique<WlrForeground>(variable("WAYLAND_DISPLAY"), variable("SWAYSOCK"));
        facts.wlrToplevels = toplevels->connect();
        facts.pidFromCompositor = toplevels->namesProcesses();
        if (facts.wlrToplevels)
            toplevels_ = std::move(toplevels);
    }
    const ForegroundChoice choice = chooseForeground(facts);
    if (!choice.note.empty())
        warn(choice.note + "\n");
    if (choice.tellUser)
        notifier_->notify(QCoreApplication::translate("MonitorHost", "Per-game profiles").toStdString(),
                          choice.note);
    if (choice.kind == ForegroundKind::KWinScript)
        return kwin_.get();
    if (choice.kind == ForegroundKind::GnomeExtension)
        return gnome_.get();
    if (choice.kind == ForegroundKind::WlrToplevels)
        return toplevels_.get();
    // Without any source the X server is still asked, as it may come.
    return foreground_.get();
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

} // namespace orvyn
