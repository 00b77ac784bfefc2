#include "monitor/qt/KWinForeground.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <charconv>
#include <fstream>
#include <unistd.h>

#include "platform/Trace.h"

namespace orvyn {

namespace {

const QString kKWin = QStringLiteral("org.kde.KWin");
const QString kScripting = QStringLiteral("org.kde.kwin.Scripting");
const QString kPlugin = QStringLiteral("orvyn-vantor-foreground");
const QString kObjectPath = QStringLiteral("/org/orvyn/Vantor/Foreground");
constexpr qsizetype kMaxText = 512;
constexpr int kPatienceMs = 2000;               // a stuck KWin must not hold Monitor's loop for long
constexpr qsizetype kMaxWindowPids = 64 * 1024; // more windows than any desktop has

// Reports the active window at each activation. KWin 6 names windows
// "window", 5 "client"; every argument goes as text, which both pass as is.
constexpr const char *kScript = R"(
function report(window) {
    var list = workspace.windowList ? workspace.windowList() : workspace.clientList();
    var pids = [];
    for (var i = 0; i < list.length; ++i) {
        if (list[i].normalWindow)
            pids.push(list[i].pid);
    }
    callDBus("%1", "%2", "org.orvyn.Vantor.Foreground", "Activated",
             window ? String(window.pid) : "0", window ? String(window.resourceClass) : "",
             window ? String(window.caption) : "", pids.join(","));
}
if (workspace.windowActivated)
    workspace.windowActivated.connect(report);
else
    workspace.clientActivated.connect(report);
report(workspace.activeWindow !== undefined ? workspace.activeWindow : workspace.activeClient);
)";

std::optional<pid_t> parsePid(std::string_view text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0 || value > 0x3fffffff)
        return std::nullopt;
    return static_cast<pid_t>(value);
}

QDBusMessage scriptingCall(const QString &path, const QString &interface, const QString &method,
                           const QVariantList &arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(kKWin, path, interface, method);
    call.setArguments(arguments);
    return call;
}

} // namespace

QDBusMessage KWinForeground::ask(const QDBusMessage &call) {
    return bus_.call(call, QDBus::Block, kPatienceMs);
}

KWinFront readKWinReport(const KWinReport &report) {
    KWinFront front;
    front.windowPids = report.windowPids.size() > kMaxWindowPids ? QString() : report.windowPids;
    const auto pid = parsePid(report.pid.left(16).toStdString());
    const QString resourceClass = report.resourceClass.left(kMaxText);
    if (!pid && resourceClass.isEmpty())
        return front; // no window is active
    front.window = ForegroundWindow{pid, resourceClass.toStdString()};
    return front;
}

bool listsPid(const QString &windowPids, pid_t pid) {
    const QString wanted = QString::number(pid);
    for (const QStringView listed : QStringView(windowPids).split(u','))
        if (listed == wanted)
            return true;
    return false;
}

KWinForeground::KWinForeground(std::string scriptFolder, QDBusConnection bus)
    : scriptPath_(std::move(scriptFolder)), bus_(std::move(bus)) {
    if (!scriptPath_.empty() && scriptPath_.back() != '/')
        scriptPath_ += '/';
    scriptPath_ += "kwin-foreground.js";
}

KWinForeground::~KWinForeground() {
    unloadScript();
    if (registered_)
        bus_.unregisterObject(kObjectPath);
}

bool KWinForeground::start() {
    if (!bus_.isConnected() || !bus_.interface())
        return false;
    if (!registered_)
        registered_ = bus_.registerObject(kObjectPath, this, QDBusConnection::ExportScriptableSlots);
    if (!registered_ || !loadScript())
        return false;
    if (!watcher_) {
        // KWin restarting (a crash, a replace) drops every script: load ours again.
        watcher_ =
            std::make_unique<QDBusServiceWatcher>(kKWin, bus_, QDBusServiceWatcher::WatchForOwnerChange);
        connect(watcher_.get(), &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString &, const QString &, const QString &owner) {
                    front_ = {};
                    kwinOwner_.clear();
                    if (!owner.isEmpty() && !loadScript())
                        warn("KWin came back but refused the foreground script\n");
                });
    }
    return true;
}

bool KWinForeground::loadScript() {
    const QDBusReply<QString> owner = bus_.interface()->serviceOwner(kKWin);
    if (!owner.isValid())
        return false;
    kwinOwner_ = owner.value();
    const std::string text = QString::fromLatin1(kScript).arg(bus_.baseService(), kObjectPath).toStdString();
    {
        std::ofstream file(scriptPath_, std::ios::trunc);
        if (!(file << text) || !file.flush())
            return false;
    }
    // One left by a Monitor that was killed would report twice.
    const QDBusReply<bool> loaded = ask(scriptingCall("/Scripting", kScripting, "isScriptLoaded", {kPlugin}));
    if (loaded.isValid() && loaded.value())
        ask(scriptingCall("/Scripting", kScripting, "unloadScript", {kPlugin}));
    const QDBusReply<int> id = ask(scriptingCall("/Scripting", kScripting, "loadScript",
                                                 {QString::fromStdString(scriptPath_), kPlugin}));
    if (!id.isValid() || id.value() < 0)
        return false;
    // The script's object: /N on 5.27, /Scripting/ScriptN on 6.
    for (const QString &path :
         {QStringLiteral("/Scripting/Script%1").arg(id.value()), QStringLiteral("/%1").arg(id.value())}) {
        if (ask(scriptingCall(path, "org.kde.kwin.Script", "run")).type() == QDBusMessage::ReplyMessage)
            return true;
    }
    return false;
}

void KWinForeground::unloadScript() {
    if (kwinOwner_.isEmpty() || !bus_.isConnected())
        return;
    ask(scriptingCall("/Scripting", kScripting, "unloadScript", {kPlugin}));
    ::unlink(scriptPath_.c_str());
}

void KWinForeground::Activated(const QString &pid, const QString &resourceClass, const QString &caption,
                               const QString &windowPids) {
    if (!calledFromDBus() || kwinOwner_.isEmpty() || message().service() != kwinOwner_)
        return; // not KWin: nobody else tells us what is in front
    front_ = readKWinReport({pid, resourceClass, caption, windowPids});
}

} // namespace orvyn
