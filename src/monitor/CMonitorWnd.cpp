#include "monitor/CMonitorWnd.h"

#include <chrono>
#include <cstring>

#include "platform/CallWithin.h"
#include "platform/LocalText.h"
#include "platform/Trace.h"
#include "shared/Messages.h"

namespace orvyn {

namespace {

constexpr Millis kCreationPause{1000};
constexpr unsigned kDefaultProfileNameText = 1040;
// A slow keyboard must not hold up the end of the session.
constexpr std::chrono::milliseconds kClosingReportLimit{1000};

class NoMediaPlayers final : public MediaPlayers {
public:
    std::vector<MediaPlayer> running() override { return {}; }
    bool command(const std::string &, PlayerCommand) override { return false; }
    bool launch(const std::string &) override { return false; }
    bool installed(const std::string &) override { return false; }
};

NoMediaPlayers &noMediaPlayers() {
    static NoMediaPlayers none;
    return none;
}

TraceFunction traceOrDefault(TraceFunction fn) {
    if (fn)
        return fn;
    return [](std::string_view text) { trace(text); };
}

} // namespace

CMonitorWnd::CMonitorWnd(MonitorServices services)
    : s_(std::move(services)), scratch_(std::make_unique<ConfigBlock>()),
      outcomes_(s_.settings, s_.exchange, *s_.poster, traceOrDefault(s_.trace),
                [this] {
                    if (s_.loop)
                        s_.loop->postToSelf(WM_SETTINGS_UNSAVED, 0, 0);
                }),
      record_(outcomes_), mailbox_(outcomes_,
                                   [this] {
                                       if (s_.loop)
                                           s_.loop->postToSelf(WM_WORKER_RESULT, 0, 0);
                                   }),
      actions_(s_.programFolder, *s_.poster, *s_.shell, traceOrDefault(s_.trace)),
      media_(s_.players ? *s_.players : noMediaPlayers()), watch_(s_.foreground, procLookup(s_.processes)) {
    s_.trace = traceOrDefault(s_.trace);
    if (!s_.clock)
        s_.clock = &systemClock();
    record_.with([](ConfigBlock &c) { resetConfig(c); });
    actions_.setNotifier(s_.notifier);
    actions_.setUserTime(s_.userTime);
    actions_.setHelperArguments(s_.helperArguments);
}

void CMonitorWnd::traceText(std::string_view text) {
    s_.trace(text);
}

void CMonitorWnd::readOsdSettings() {
    if (s_.settings)
        s_.settings->readOsdSettings(osd_);
}

void CMonitorWnd::loadConfiguration() {
    ConfigBlock &loaded = *scratch_;
    resetConfig(loaded);
    if (s_.settings) {
        const std::string nameText = s_.texts ? s_.texts->text(kDefaultProfileNameText) : std::string();
        s_.settings->loadConfig(loaded, nameText);
    }
    readOsdSettings();
    clearChangeFlags(loaded);
    record_.assign(loaded);
}

void CMonitorWnd::publishInitial() {
    publish();
}

ConfigBlock CMonitorWnd::snapshot() const {
    return record_.record();
}

void CMonitorWnd::publish() {
    if (s_.exchange)
        s_.exchange->publish(record_.record());
}

void CMonitorWnd::setState(KeyboardState state) {
    state_ = state;
    if (s_.worker)
        s_.worker->setKeyboardState(state);
}

void CMonitorWnd::startKeyboard(bool openOption) {
    s_.clock->sleep(kCreationPause);
    bool opened = false;
    if (s_.keyboard) {
        s_.keyboard->openMonitor();
        opened = s_.keyboard->openFeatureDevice();
    }
    if (opened) {
        s_.loop->startWatchTimer();
        s_.loop->startReadBackTimer();
        s_.tray->add();
        setState(KeyboardState::Connected);
        if (openOption)
            actions_.OnCustomizer();
    } else {
        setState(KeyboardState::NotFound);
    }
    if (s_.settings)
        s_.settings->writeDeviceState(opened ? 1 : 0);
    actions_.startOsd();
    actions_.refreshApplets(osd_);
}

void CMonitorWnd::shutdown() {
    if (s_.keyboard) {
        KeyboardControl *keyboard = s_.keyboard;
        closingAbandoned_ = !callWithin([keyboard] { keyboard->sendClosingReport(); }, kClosingReportLimit);
        if (closingAbandoned_)
            traceText("Monitor: the closing report got no answer within a second\n");
    }
    s_.loop->stopWatchTimer();
    s_.loop->stopReadBackTimer();
    s_.loop->stopArrivalTimer();
    arrivalPending_ = false;
    recordedMacroAfterArrival_.reset();
    actions_.closeOption();
    actions_.closeHelpers();
    if (s_.worker) {
        s_.worker->cancelIfBusy();
        s_.worker->stop();
    }
}

int64_t CMonitorWnd::handle(const PostedMessage &m) {
    switch (m.message) {
    case WM_CONFIG_APPLY:
        onConfigApply(m.wParam, m.lParam);
        return 0;
    case WM_CONFIG_TAKE_ONLY:
    case WM_CONFIG_TAKE_ONLY_ALT:
        onTakeBlock();
        return 0;
    case WM_COPYDATA_MSG:
        return m.hasCopyData ? onCopyData(m.copyData) : 0;
    case WM_TRAY_NOTIFY:
        OnSystrayNotify(m.lParam);
        return 0;
    case WM_COMMAND_MSG:
        onCommand(m.wParam);
        return 0;
    case WM_DEVICE_EVENT:
        onDeviceEvent(m.wParam, m.lParam);
        return 1;
    case WM_DEVICE_CHANGE:
        onDeviceChange(m.wParam, m.lParam);
        return 1;
    case WM_CLOSE_MSG:
        if (close_)
            close_();
        return 0;
    case WM_SETTINGS_UNSAVED:
        settingsUnsaved();
        return 0;
    case WM_WORKER_RESULT:
        mailbox_.deliverTo(record_);
        return 0;
    default:
        return 0; // anything else is not ours
    }
}

void CMonitorWnd::settingsUnsaved() {
    const std::string what = outcomes_.saves().lastFailure();
    traceText("Monitor: the settings could not be saved: " + what + "\n");
    if (s_.notifier)
        s_.notifier->notify(
            localText("Monitor", QT_TRANSLATE_NOOP("Monitor", "Keyboard settings not saved")),
            localText("Monitor",
                      QT_TRANSLATE_NOOP("Monitor", "%1\nMonitor writes them again with its next save; free "
                                                   "some space or fix the folder's permissions."),
                      {what}));
}

int64_t CMonitorWnd::handleFromOutside(const PostedMessage &m) {
    if (m.message == WM_DEVICE_EVENT || m.message == WM_DEVICE_CHANGE || m.message == WM_SETTINGS_UNSAVED ||
        m.message == WM_WORKER_RESULT) {
        traceText("Monitor: refused a keyboard message from another process\n");
        return 0;
    }
    return handle(m);
}

void CMonitorWnd::onTakeBlock() {
    if (s_.exchange && s_.exchange->take(*scratch_))
        record_.assign(*scratch_);
}

void CMonitorWnd::onConfigApply(int64_t mode, int64_t token) {
    // Without the block's record (a stuck holder of its mutex, a cut block
    // file) there is nothing to write: the old record's flags would only
    // send the previous apply again.
    const bool taken = !s_.exchange || s_.exchange->take(*scratch_);
    const bool connected = state_ == KeyboardState::Connected;
    if (s_.exchange && taken)
        record_.handOver(*scratch_, token, connected ? Keyboard::Connected : Keyboard::Absent);
    if (!taken)
        traceText("OnApplyAllSetting the shared block could not be taken\n");
    readOsdSettings();
    const int64_t osdValues = (static_cast<int64_t>(osd_.osdParamHigh) << 16) | osd_.osdParamLow;
    s_.poster->post(kOsdTitle, WM_OSD_SETTINGS, 0, osdValues);
    if (!taken) {
        outcomes_.answerApplyAtOnce(token, ApplyOutcome::NotTaken);
        return;
    }
    if (!connected) {
        outcomes_.answerApplyAtOnce(token, ApplyOutcome::NoKeyboard);
        return;
    }
    actions_.refreshApplets(osd_);
    // What was handed over is owed to the keyboard now; the apply that
    // serves it answers this hand-over (and any other still waiting).
    if (!postToWorker(DeviceRequest::ApplyChanges, mode)) {
        // Still owed: the next apply sends it. This hand-over is not kept
        // waiting for one.
        outcomes_.answerApplyAtOnce(token, ApplyOutcome::NoKeyboard);
    }
}

bool CMonitorWnd::postToWorker(DeviceRequest request, int64_t argument) {
    if (!s_.worker)
        return false;
    if (arrivalPending_) {
        if (request == DeviceRequest::ReadRecordedMacro)
            recordedMacroAfterArrival_ = argument;
        else if (request == DeviceRequest::ApplyChanges)
            applyModeAfterArrival_ = argument;
        // An apply waits in what is owed; the profile a watch chose is in
        // the record the arrival's apply is taken from.
        return true;
    }
    return s_.worker->post(request, argument);
}

void CMonitorWnd::answerOwedApplies() {
    for (const int64_t token : record_.forgetOwed())
        outcomes_.answerApplyAtOnce(token, ApplyOutcome::NoKeyboard);
}

int64_t CMonitorWnd::onCopyData(const std::vector<uint8_t> &block) {
    if (block.size() != kCopyDataNoticeSize)
        return 1;
    const char *begin = reinterpret_cast<const char *>(block.data()) + 1;
    const char *end = reinterpret_cast<const char *>(block.data()) + block.size();
    const char *nul = static_cast<const char *>(std::memchr(begin, 0, static_cast<std::size_t>(end - begin)));
    const std::string text(begin, nul ? nul : end);
    if (s_.settings)
        s_.settings->writeOsdMessage(text);
    if (state_ == KeyboardState::Connected)
        postToOsd(OSD_SHOW_TEXT, 0);
    return 1;
}

void CMonitorWnd::onCommand(int64_t command) {
    if (command == CMD_CUSTOMIZER)
        actions_.OnCustomizer();
    else if (command == CMD_QUIT_MONITOR)
        s_.loop->postToSelf(WM_CLOSE_MSG, 0, 0);
}

void CMonitorWnd::OnSystrayNotify(int64_t mouseMessage) {
    switch (mouseMessage) {
    case kMouseLeftDoubleClick:
        traceText("OnSystrayNotify WM_LBUTTONDBLCLK\n");
        actions_.OnCustomizer();
        break;
    case kMouseLeftDown:
    case kMouseRightDown:
        // The hidden window has no pop-up to raise; the tray shows its own
        // context menu.
        break;
    default:
        break;
    }
}

void CMonitorWnd::onReadBackTimer() {
    s_.loop->stopReadBackTimer();
    if (s_.worker)
        s_.worker->post(DeviceRequest::ReadEverything, 0);
}

void CMonitorWnd::arrival() {
    setState(KeyboardState::Connected);
    // The keyboard needs a pause before it answers; the loop keeps serving
    // meanwhile. A bouncing cable starts the pause again at every arrival,
    // so the read-back comes once, after the last one.
    arrivalPending_ = true;
    s_.loop->startArrivalTimer();
}

void CMonitorWnd::onArrivalTimer() {
    s_.loop->stopArrivalTimer();
    if (!arrivalPending_)
        return;
    arrivalPending_ = false;
    if (s_.keyboard)
        s_.keyboard->openFeatureDevice();
    if (s_.worker) {
        s_.worker->post(DeviceRequest::ReadEverything, 0);
        // What came during the pause follows the read-back, as it would
        // have behind a pause that blocked the loop.
        if (!record_.owed().empty() && !s_.worker->post(DeviceRequest::ApplyChanges, applyModeAfterArrival_))
            answerOwedApplies();
        if (const auto recorded = std::exchange(recordedMacroAfterArrival_, std::nullopt))
            s_.worker->post(DeviceRequest::ReadRecordedMacro, *recorded);
    }
    s_.tray->add();
    if (s_.settings)
        s_.settings->writeDeviceState(1);
    s_.loop->startWatchTimer();
}

void CMonitorWnd::removal() {
    setState(KeyboardState::Removed);
    if (arrivalPending_) {
        arrivalPending_ = false;
        s_.loop->stopArrivalTimer();
    }
    // Applies still owed to the keyboard that went get the answer of an
    // apply without a keyboard; its arrival reads everything back.
    recordedMacroAfterArrival_.reset();
    applyModeAfterArrival_ = 0;
    answerOwedApplies();
    if (s_.keyboard)
        s_.keyboard->closeFeatureDevice();
    if (s_.worker)
        s_.worker->cancelIfBusy();
    s_.tray->remove();
    s_.loop->stopWatchTimer();
    if (s_.settings)
        s_.settings->writeDeviceState(0);
    actions_.closeOption();
}

void CMonitorWnd::postToOption(uint32_t message) {
    s_.poster->post(kOptionTitle, message);
}

void CMonitorWnd::postToOsd(int64_t command, int64_t lParam) {
    s_.poster->post(kOsdTitle, WM_OSD_COMMAND, command, lParam);
}

const ConfigBlock &CMonitorWnd::snapshotInto() {
    return record_.record();
}

} // namespace orvyn
