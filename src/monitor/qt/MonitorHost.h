// The event-loop side of Monitor's hidden main window: endpoint, timers,
// tray, device sink, the start-up and shutdown order.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "monitor/CMonitorWnd.h"
#include "monitor/DesktopLauncher.h"
#include "monitor/DeviceAdapters.h"
#include "monitor/device/BoundDeviceModule.h"
#include "monitor/device/DeviceWorker.h"
#include "monitor/qt/GnomeForeground.h"
#include "monitor/qt/KWinForeground.h"
#include "monitor/qt/MonitorTray.h"
#include "monitor/qt/MprisPlayers.h"
#include "monitor/qt/SessionNotifier.h"
#include "monitor/qt/WlrForeground.h"
#include "monitor/qt/X11Foreground.h"
#include "platform/Endpoint.h"
#include "platform/qt/EndpointListener.h"
#include "shared/SharedBlock.h"
#include "uitext/UiText.h"

namespace orvyn {

class MonitorHost;

// What the device module posts through: queued to the main thread.
struct QtDeviceSink : DevBridgeSink {
    MonitorHost *host = nullptr;
};

#include "monitor/DesktopLauncher.h"
#include "monitor/DeviceAdapters.h"
#include "monitor/device/BoundDeviceModule.h"
class MonitorHost final : public QObject, public MainLoop {
public:
    // `languageArgument`: the value of --language, empty when not given.
    MonitorHost(std::string runtimeFolder, bool openOption, std::string languageArgument = {});
    ~MonitorHost() override;

    // The main window's creation: folders and language library, the
    // device-access library, the configuration, mutex and block, the
    // endpoint, the device worker. False when it fails (the process must
    // then end).
    bool create();
    // The main window's destruction: the window's own parts, the keyboard,
    // the library, then the block, tray icon, texts and endpoint.
    void destroy();

    void startWatchTimer() override;
    void stopWatchTimer() override;
    void startReadBackTimer() override;
    void stopReadBackTimer() override;
    void startArrivalTimer() override;
    void stopArrivalTimer() override;
    void postToSelf(uint32_t message, int64_t wParam, int64_t lParam) override;

    // A message for the main window from any thread.
    void deliverFromAnyThread(const PostedMessage &message);

private:
    void deliver(const PostedMessage &message);
    void close();
    // A startup id stamped with the X server's time; empty without one.
    std::string startupId();
    // The source of the window in front this session offers; the X server
    // stays for startup ids whichever it is.
    ForegroundSource *chooseForegroundSource();
    // A notice the notification service did not take: the OSD shows it.
    void noticeThroughOsd(const std::string &summary, const std::string &body);

    std::string runtimeFolder_;
    bool openOption_;
    std::string languageArgument_;
    std::string programFolder_;
    UiTextLibrary texts_;
    std::unique_ptr<SettingsStore> settings_;
    BoundDeviceModule library_;
    QtDeviceSink sink_;
    std::unique_ptr<ModuleKeyboard> keyboard_;
    SharedConfigBlock shared_;
    EndpointPoster poster_;
    EndpointListener listener_;
    std::unique_ptr<DesktopLauncher> shell_;
    std::unique_ptr<SessionNotifier> notifier_;
    std::unique_ptr<MprisPlayers> players_;
    std::unique_ptr<X11Foreground> foreground_;
    std::unique_ptr<WlrForeground> toplevels_;
    std::unique_ptr<KWinForeground> kwin_;
    std::unique_ptr<GnomeForeground> gnome_;
    std::unique_ptr<MonitorTray> tray_;
    std::unique_ptr<CMonitorWnd> wnd_;
    std::unique_ptr<DeviceWorker> worker_;
    QTimer watchTimer_;
    QTimer readBackTimer_;
    QTimer arrivalTimer_;
    bool created_ = false;
    bool destroyed_ = false;
};

} // namespace orvyn
