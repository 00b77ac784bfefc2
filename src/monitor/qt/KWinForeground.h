// The window in front on KDE Plasma (KWin 5.27 and 6). KWin tells nothing
// about windows over the bus by itself: Monitor loads a small KWin script
// (org.kde.KWin /Scripting) that calls back on an object of Monitor's at
// each activation, with the window's process, resource class and caption and
// the processes that have windows. The script is unloaded when Monitor ends;
// one left by a Monitor that was killed is replaced, and when KWin restarts
// the script is loaded again.
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <memory>
#include <string>

#include "monitor/ForegroundWatch.h"

class QDBusServiceWatcher;

namespace orvyn {

// One report of the script, as it arrives: text only, as scripts send it.
struct KWinReport {
    QString pid; // decimal; "0" or empty: no window is active
    QString resourceClass;
    QString caption;
    QString windowPids; // comma-separated processes with a normal window
};

// What the report says; nullopt window when none is active or the report
// makes no sense. Bounded whatever its size.
struct KWinFront {
    std::optional<ForegroundWindow> window;
    QString windowPids; // read only when asked: a flood costs nothing here
};
KWinFront readKWinReport(const KWinReport &report);
bool listsPid(const QString &windowPids, pid_t pid);

class KWinForeground final : public QObject, public ForegroundSource, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.orvyn.Vantor.Foreground")
public:
    // `scriptFolder`: where the script file is written (Monitor's runtime folder).
    KWinForeground(std::string scriptFolder, QDBusConnection bus);
    ~KWinForeground() override;
    KWinForeground(const KWinForeground &) = delete;
    KWinForeground &operator=(const KWinForeground &) = delete;

    // Loads and runs the script; false when KWin is not on the bus or
    // refuses it.
    bool start();

    std::optional<ForegroundWindow> foregroundWindow() override { return front_.window; }
    bool hasOwnWindow(pid_t pid) override { return listsPid(front_.windowPids, pid); }

public Q_SLOTS:
    // Called by the script; from anyone but KWin it is ignored.
    Q_SCRIPTABLE void Activated(const QString &pid, const QString &resourceClass, const QString &caption,
                                const QString &windowPids);

private:
    bool loadScript();
    void unloadScript();
    QDBusMessage ask(const QDBusMessage &call);

    std::string scriptPath_;
    QDBusConnection bus_;
    QString kwinOwner_; // the unique name KWin has on the bus
    bool registered_ = false;
    std::unique_ptr<QDBusServiceWatcher> watcher_;
    KWinFront front_;
};

} // namespace orvyn
