// Monitor's hidden main window: it owns Monitor's copy of the configuration
// record and the OSD settings, keeps the keyboard state, and turns every
// message it receives (from Option, the device library, the tray, other
// programs) into work. Free of Qt and OS calls: the collaborators come in
// through MonitorServices.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "monitor/DeviceOutcomes.h"
#include "monitor/ForegroundWatch.h"
#include "monitor/HostInterfaces.h"
#include "monitor/KeyActions.h"
#include "monitor/MediaKeys.h"
#include "monitor/device/LockedConfig.h"
#include "platform/Clock.h"
#include "platform/MessagePoster.h"
#include "protocol/EventTypes.h"
#include "shared/ConfigBlock.h"
#include "shared/ConfigExchange.h"
#include "shared/SettingsStore.h"
#include "uitext/UiText.h"

namespace orvyn {

using ProcessNamesReader = std::function<std::optional<ProcessNames>(pid_t)>;
using DescendantsReader = std::function<std::vector<pid_t>(pid_t)>;

struct MonitorServices {
    std::string programFolder; // with trailing "/"
    SettingsStore *settings = nullptr;
    const TextSource *texts = nullptr;
    KeyboardControl *keyboard = nullptr; // null when the device library is missing
    WorkerControl *worker = nullptr;     // null when no worker runs
    ConfigExchange *exchange = nullptr;  // null without a shared block
    MessagePoster *poster = nullptr;
    Shell *shell = nullptr;
    MediaPlayers *players = nullptr;
    ForegroundSource *foreground = nullptr; // null: the watch finds nothing
    ProcessNamesReader processNames;        // empty: reads /proc
    DescendantsReader descendants;          // empty: reads /proc
    TrayControl *tray = nullptr;
    MainLoop *loop = nullptr;
    Clock *clock = nullptr;
    Notifier *notifier = nullptr;       // null: problems go to the trace only
    UserTimeSource *userTime = nullptr; // null: no focus hand-over
    TraceFunction trace;                // empty: the process's trace()
};

inline constexpr std::size_t kCopyDataNoticeSize = 151;
inline constexpr int64_t kMouseLeftDown = 0x201;
inline constexpr int64_t kMouseLeftDoubleClick = 0x203;
inline constexpr int64_t kMouseRightDown = 0x204;

class CMonitorWnd {
public:
    explicit CMonitorWnd(MonitorServices services);

    // Start-up steps around the program's own resources: the configuration
    // reset and loaded from the settings files, the OSD settings read, the
    // change flags cleared.
    void loadConfiguration();
    // Publishes the record into the shared block (when there is one).
    void publishInitial();
    // The pause, opening the keyboard, timers, tray, Device in config.ini,
    // the OSD and the applets. `openOption`: the command line asked for it.
    void startKeyboard(bool openOption);
    // Shutdown steps before the library and the block are released: closing
    // report, timers, Option, applets and OSD closed, worker stopped.
    void shutdown();
    // The closing report did not return within its time at shutdown: a
    // thread may still be inside the device module, which must then stay
    // loaded.
    bool closingReportAbandoned() const { return closingAbandoned_; }

    // One message posted to the main window; the handler's result.
    int64_t handle(const PostedMessage &message);
    // A message that came through the endpoint, from another process.
    // Keyboard events and arrivals come only from the device module inside
    // this process, so from outside they are refused.
    int64_t handleFromOutside(const PostedMessage &message);

    // Handlers of the message table.
    void onConfigApply(int64_t mode);
    void onTakeBlock();
    int64_t onCopyData(const std::vector<uint8_t> &block);
    void onCommand(int64_t command);
    void OnSystrayNotify(int64_t mouseMessage);
    void onDeviceEvent(int64_t wParam, int64_t lParam);
    void onDeviceChange(int64_t wParam, int64_t lParam = 0);
    void onReadBackTimer();
    void onArrivalTimer();
    void onWatchTimer();

    // The event word dispatch.
    void dispatch(uint32_t eventWord);

    // Asks the event loop to end (WM_CLOSE to the main window).
    void setCloseHandler(std::function<void()> handler) { close_ = std::move(handler); }

    KeyboardState keyboardState() const { return state_; }
    // Monitor's record, shared with the device worker.
    LockedConfig &record() { return *config_; }
    // Where the device worker reports its outcomes (on its own thread).
    DeviceWorkerEvents &workerEvents() { return outcomes_; }
    ConfigBlock snapshot() const;
    const OsdSettings &osdSettings() const { return osd_; }
    KeyActions &actions() { return actions_; }
    MediaKeys &mediaKeys() { return media_; }

private:
    void setState(KeyboardState state);
    void arrival();
    void removal();
    // Requests for the worker; held while the arrival pause runs and sent
    // after its read-back, in the order they came. False when not queued.
    bool postToWorker(DeviceRequest request, int64_t argument);
    void profileNotice(uint16_t data);
    void lightingColourNotice(uint16_t data);
    void lightingControlNotice(uint16_t data);
    void windowsKeyNotice(uint16_t data);
    // A save of the record failed (posted by whichever thread saved).
    void settingsUnsaved();
    void publish();
    void postToOption(uint32_t message);
    void postToOsd(int64_t command, int64_t lParam);
    void traceText(std::string_view text);
    void readOsdSettings();
    // A copy of the record in the scratch buffer.
    const ConfigBlock &snapshotInto();
    // Edits the current profile under the record's lock; false when no
    // profile is selected.
    bool editCurrentProfile(const std::function<void(ProfileData &)> &edit);

    MonitorServices s_;
    std::unique_ptr<LockedConfig> config_;
    std::unique_ptr<ConfigBlock> scratch_; // main thread only
    DeviceOutcomes outcomes_;
    OsdSettings osd_{};
    KeyboardState state_ = KeyboardState::NotFound;
    bool arrivalPending_ = false;
    std::vector<std::pair<DeviceRequest, int64_t>> held_;
    bool closingAbandoned_ = false;
    KeyActions actions_;
    MediaKeys media_;
    std::function<void()> close_;
};

} // namespace orvyn
