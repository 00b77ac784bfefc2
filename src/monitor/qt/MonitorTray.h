// The notification-area icon with its menu. Under a StatusNotifierItem host
// a double click never arrives, so a plain activation runs what the double
// click runs; under the XEmbed tray the double click does.
#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <memory>

#include "monitor/HostInterfaces.h"
#include "shared/UiText.h"

namespace orvyn {

class MonitorTray final : public QObject, public TrayControl {
public:
    // `onMouse` gets the mouse message numbers of the design (0x203 double
    // click); `onCommand` gets the menu commands 6001 and 6002.
    MonitorTray(const TextSource &texts, std::string programFolder, std::function<void(int64_t)> onMouse,
                std::function<void(int64_t)> onCommand);
    ~MonitorTray() override;

    void add() override;
    void remove() override;

    bool visible() const { return icon_ && icon_->isVisible(); }
    QMenu *menu() const { return menu_.get(); }

    // The icon by name from the theme, else the generated picture in the
    // program folder, else a drawn one.
    static QIcon findIcon(const std::string &programFolder);
    // True when a StatusNotifierItem host is registered on the session bus.
    static bool statusNotifierHost();

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    void show();

    const TextSource &texts_;
    std::string programFolder_;
    std::function<void(int64_t)> onMouse_;
    std::function<void(int64_t)> onCommand_;
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    // At session start the panel may come up after Monitor: while the icon
    // is wanted and no tray host is there yet, look again now and then.
    bool wanted_ = false;
    int retriesLeft_ = 0;
    QTimer retry_;
};

} // namespace orvyn
