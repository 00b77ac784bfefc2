// The notification-area icon with its menu. Under a StatusNotifierItem host
// a double click never arrives, so a plain activation runs what the double
// click runs; under the XEmbed tray the double click does.
//
// Qt decides once per process whether a StatusNotifierItem host exists, when
// the first icon is made. So the icon is made only once a tray is known to
// be there: a host registered with org.kde.StatusNotifierWatcher (watched on
// the bus, so a panel that comes after Monitor still gets the icon), or an
// XEmbed tray on the X display.
#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <memory>

#include "monitor/HostInterfaces.h"
#include "uitext/UiText.h"

namespace orvyn {

class MonitorTray final : public QObject, public TrayControl {
    Q_OBJECT
public:
    // `onMouse` gets the tray callback's mouse message numbers (0x203 double
    // click); `onCommand` gets the menu commands 6001 and 6002.
    MonitorTray(const TextSource &texts, std::string programFolder, std::function<void(int64_t)> onMouse,
                std::function<void(int64_t)> onCommand, QDBusConnection bus = QDBusConnection::sessionBus());
    ~MonitorTray() override;

    void add() override;
    void remove() override;

    bool visible() const { return icon_ && icon_->isVisible(); }
    QMenu *menu() const { return menu_.get(); }
    // The icon went to a StatusNotifierItem host (not the XEmbed tray).
    bool viaStatusNotifier() const { return viaStatusNotifier_; }

    // The icon by name from the theme, else the generated picture in the
    // program folder, else a drawn one.
    static QIcon findIcon(const std::string &programFolder);

private Q_SLOTS:
    void onHostRegistered();

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    void queryHost();
    void show();
    void create(bool statusNotifier);

    const TextSource &texts_;
    std::string programFolder_;
    std::function<void(int64_t)> onMouse_;
    std::function<void(int64_t)> onCommand_;
    QDBusConnection bus_;
    QDBusServiceWatcher watcher_;
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    bool hostAnswered_ = false;   // the question about a host was answered
    bool hostRegistered_ = false; // a StatusNotifierItem host is there
    bool viaStatusNotifier_ = false;
    // While the icon is wanted and there is no tray yet, an XEmbed tray is
    // looked for now and then (a StatusNotifierItem host announces itself).
    bool wanted_ = false;
    int retriesLeft_ = 0;
    QTimer retry_;
};

} // namespace orvyn
