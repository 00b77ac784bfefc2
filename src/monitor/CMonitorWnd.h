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
#include "monitor/KeyActions.h"
#include "monitor/MediaKeys.h"
#include "monitor/MonitorServices.h"
#include "monitor/RecordKeeper.h"
#include "platform/Clock.h"
#include "protocol/EventTypes.h"
#include "shared/ConfigBlock.h"

namespace orvyn {

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
    void onConfigApply(int64_t mode, int64_t token = 0);
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
    // Monitor's record; the main thread's alone.
    RecordKeeper &record() { return record_; }
    // What the device worker takes its work from.
    OwedChanges &owed() { return record_.owed(); }
    // Where the device worker reports its outcomes (on its own thread).
    DeviceWorkerEvents &workerEvents() { return mailbox_; }
    // The worker, once it runs (it needs owed() and workerEvents() first).
    void attachWorker(WorkerControl *worker) { s_.worker = worker; }
    ConfigBlock snapshot() const;
    const OsdSettings &osdSettings() const { return osd_; }
    KeyActions &actions() { return actions_; }
    MediaKeys &mediaKeys() { return media_; }

private:
    void setState(KeyboardState state);
    void arrival();
    void removal();
    // A request for the worker; false when not queued. During the arrival
    // pause an apply waits in what is owed and a recorded macro is read
    // after the read-back.
    bool postToWorker(DeviceRequest request, int64_t argument);
    // 1256 to every hand-over still waiting for the keyboard that went.
    void answerOwedApplies();
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
    // Edits the current profile's `part` (a change flag per profile); false
    // when no profile is selected.
    using ProfilePart = int32_t (ChangeFlags::*)[kProfileCount];
    bool editCurrentProfile(ProfilePart part, const std::function<void(ProfileData &)> &edit);

    MonitorServices s_;
    std::unique_ptr<ConfigBlock> scratch_; // main thread only
    DeviceOutcomes outcomes_;
    RecordKeeper record_;
    WorkerMailbox mailbox_;
    OsdSettings osd_{};
    KeyboardState state_ = KeyboardState::NotFound;
    bool arrivalPending_ = false;
    std::optional<int64_t> recordedMacroAfterArrival_;
    int64_t applyModeAfterArrival_ = 0;
    bool closingAbandoned_ = false;
    KeyActions actions_;
    MediaKeys media_;
    ForegroundWatch watch_;
    std::function<void()> close_;
};

} // namespace orvyn
