// The window in front on GNOME (Mutter). Mutter tells no other program about
// its windows on Wayland: the package's GNOME Shell extension puts the
// focused window's process, WM class and title on the session bus and
// signals each change. Only that name's owner is heard; when the shell
// restarts, the new owner is asked again.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <memory>

#include "monitor/ForegroundWatch.h"

class QDBusServiceWatcher;

namespace orvyn {

class GnomeForeground final : public QObject, public ForegroundSource {
    Q_OBJECT
public:
    explicit GnomeForeground(QDBusConnection bus);
    ~GnomeForeground() override;
    GnomeForeground(const GnomeForeground &) = delete;
    GnomeForeground &operator=(const GnomeForeground &) = delete;

    // True when the extension answers on the bus.
    bool start();

    std::optional<ForegroundWindow> foregroundWindow() override { return front_; }
    bool hasOwnWindow(pid_t pid) override;

private Q_SLOTS:
    void onChanged(int pid, const QString &wmClass, const QString &title);

private:
    bool fetch();

    QDBusConnection bus_;
    std::unique_ptr<QDBusServiceWatcher> watcher_;
    std::optional<ForegroundWindow> front_;
};

} // namespace orvyn
