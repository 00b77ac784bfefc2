#include "monitor/CMonitorWnd.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>

#include "monitor/DeviceAccessNotice.h"
#include "platform/Trace.h"
#include "protocol/ValueRules.h"
#include "shared/Messages.h"

namespace orvyn {

namespace {

constexpr Millis kCreationPause{1000};
constexpr unsigned kDefaultProfileNameText = 1040;
// A slow keyboard must not hold up the end of the session.
constexpr std::chrono::milliseconds kClosingReportLimit{1000};
// Requests that arrive during the arrival pause; more are refused.
constexpr std::size_t kMaxHeldRequests = 16;

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

// Runs `call` on a thread of its own and waits at most `limit` for it.
// False when it did not return in time; the thread then finishes alone and
// must touch nothing that its caller is about to free.
bool callWithin(std::function<void()> call, std::chrono::milliseconds limit) {
    struct State {
        std::mutex mutex;
        std::condition_variable done;
        bool returned = false;
    };
    auto state = std::make_shared<State>();
    try {
        std::thread([state, call = std::move(call)] {
            call();
            {
                std::lock_guard lock(state->mutex);
                state->returned = true;
            }
            state->done.notify_all();
        }).detach();
    } catch (const std::system_error &) {
        return false; // no thread: the call was not made
    }
    std::unique_lock lock(state->mutex);
    return state->done.wait_for(lock, limit, [&] { return state->returned; });
}

TraceFunction traceOrDefault(TraceFunction fn) {
    if (fn)
        return fn;
    return [](std::string_view text) { trace(text); };
}

} // namespace

CMonitorWnd::CMonitorWnd(MonitorServices services)
    : s_(std::move(services)), config_(std::make_unique<LockedConfig>()),
      scratch_(std::make_unique<ConfigBlock>()),
      outcomes_(s_.settings, s_.exchange, *s_.poster, traceOrDefault(s_.trace),
                [this] {
                    if (s_.loop)
                        s_.loop->postToSelf(WM_SETTINGS_UNSAVED, 0, 0);
                }),
      actions_(s_.programFolder, *s_.poster, *s_.shell, traceOrDefault(s_.trace)),
      media_(s_.players ? *s_.players : noMediaPlayers()) {
    s_.trace = traceOrDefault(s_.trace);
    if (!s_.clock)
        s_.clock = &systemClock();
    config_->with([](ConfigBlock &c) { resetConfig(c); });
    actions_.setNotifier(s_.notifier);
    actions_.setUserTime(s_.userTime);
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
    config_->assign(loaded);
}

void CMonitorWnd::publishInitial() {
    publish();
}

ConfigBlock CMonitorWnd::snapshot() const {
    ConfigBlock copy;
    config_->copyTo(copy);
    return copy;
}

void CMonitorWnd::publish() {
    // The record's lock is never held while the block's mutex is taken.
    if (!s_.exchange)
        return;
    config_->copyTo(*scratch_);
    s_.exchange->publish(*scratch_);
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
    held_.clear();
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
        onConfigApply(m.wParam);
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
    default:
        return 0; // anything else is not ours
    }
}

void CMonitorWnd::settingsUnsaved() {
    const std::string what = outcomes_.saves().lastFailure();
    traceText("Monitor: the settings could not be saved: " + what + "\n");
    if (s_.notifier)
        s_.notifier->notify("Keyboard settings not saved",
                            what +
                                "\nMonitor writes them again with its next save; free some space or fix the "
                                "folder's permissions.");
}

int64_t CMonitorWnd::handleFromOutside(const PostedMessage &m) {
    if (m.message == WM_DEVICE_EVENT || m.message == WM_DEVICE_CHANGE || m.message == WM_SETTINGS_UNSAVED) {
        traceText("Monitor: refused a keyboard message from another process\n");
        return 0;
    }
    return handle(m);
}

void CMonitorWnd::onTakeBlock() {
    if (s_.exchange && s_.exchange->take(*scratch_))
        config_->assign(*scratch_);
}

void CMonitorWnd::onConfigApply(int64_t mode) {
    // Without the block's record (a stuck holder of its mutex, a cut block
    // file) there is nothing to write: the old record's flags would only
    // send the previous apply again.
    const bool taken = !s_.exchange || s_.exchange->take(*scratch_);
    if (s_.exchange && taken) {
        // Before the record goes live: a read-back under way or waiting for
        // the arrival pause would otherwise undo it.
        if (s_.worker && state_ == KeyboardState::Connected)
            s_.worker->keepTakenRecord(*scratch_);
        config_->assign(*scratch_);
    }
    if (!taken)
        traceText("OnApplyAllSetting the shared block could not be taken\n");
    readOsdSettings();
    const int64_t osdValues = (static_cast<int64_t>(osd_.osdParamHigh) << 16) | osd_.osdParamLow;
    s_.poster->post(kOsdTitle, WM_OSD_SETTINGS, 0, osdValues);
    bool queued = false;
    if (state_ == KeyboardState::Connected) {
        actions_.refreshApplets(osd_);
        queued = taken && postToWorker(DeviceRequest::ApplyChanges, mode);
    }
    if (!queued)
        outcomes_.answerApplyAtOnce();
}

bool CMonitorWnd::postToWorker(DeviceRequest request, int64_t argument) {
    if (!s_.worker)
        return false;
    if (arrivalPending_) {
        if (held_.size() >= kMaxHeldRequests)
            return false;
        held_.emplace_back(request, argument);
        return true;
    }
    return s_.worker->post(request, argument);
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

void CMonitorWnd::onDeviceEvent(int64_t wParam, int64_t lParam) {
    dispatch(static_cast<uint32_t>(((wParam & 0xFFFF) << 16) | (lParam & 0xFFFF)));
}

void CMonitorWnd::onDeviceChange(int64_t wParam, int64_t lParam) {
    if (wParam == kDeviceUnusable) {
        // The library says this once per arrival; silence would look dead.
        const DeviceAccessNotice notice = deviceAccessNotice(static_cast<int>(lParam), s_.programFolder);
        traceText("Monitor: " + notice.summary + ". " + notice.body + "\n");
        if (s_.notifier)
            s_.notifier->notify(notice.summary, notice.body);
        return;
    }
    const uint32_t data = wParam == 0 ? 2 : (wParam == 1 ? 1 : 0);
    dispatch(0x7F000000u + data);
}

void CMonitorWnd::onReadBackTimer() {
    s_.loop->stopReadBackTimer();
    if (s_.worker)
        s_.worker->post(DeviceRequest::ReadEverything, 0);
}

void CMonitorWnd::dispatch(uint32_t word) {
    const auto type = static_cast<uint16_t>(word >> 16);
    const auto data = static_cast<uint16_t>(word & 0xFFFF);
    const auto low = static_cast<uint8_t>(data & 0xFF);
    const auto high = static_cast<uint8_t>(data >> 8);
    switch (static_cast<EventType>(type)) {
    case EventType::DeviceChange:
        if (data == 1 && state_ != KeyboardState::Connected)
            arrival();
        else if (data == 2 && state_ != KeyboardState::Removed)
            removal();
        break;
    case EventType::Profile:
        profileNotice(data);
        break;
    case EventType::LightingColour:
        lightingColourNotice(data);
        break;
    case EventType::LightingControl:
        lightingControlNotice(data);
        break;
    case EventType::WindowsKey:
        windowsKeyNotice(data);
        break;
    case EventType::ProgramKey:
        if (low == 0)
            s_.loop->postToSelf(WM_COMMAND_MSG, CMD_CUSTOMIZER, 0);
        else if (low <= kKeyboardSlotCount && high == 0)
            actions_.launchKeyProgram(snapshotInto(), low);
        break;
    case EventType::MediaKey:
        if (low >= 0x20 && low <= 0x27) {
            const auto option = config_->with([](const ConfigBlock &c) -> std::optional<int32_t> {
                const ProfileData *profile = c.currentProfileData();
                return profile ? std::optional<int32_t>(profile->MediaOption) : std::nullopt;
            });
            if (option)
                media_.press(low, high, *option);
        }
        break;
    case EventType::RecordedMacro:
        postToWorker(DeviceRequest::ReadRecordedMacro, data);
        break;
    }
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
    if (s_.worker)
        s_.worker->post(DeviceRequest::ReadEverything, 0);
    // What came during the pause follows the read-back, as it would have
    // behind a pause that blocked the loop.
    for (const auto &[request, argument] : std::exchange(held_, {})) {
        if (!s_.worker->post(request, argument) && request == DeviceRequest::ApplyChanges)
            outcomes_.answerApplyAtOnce();
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
    // Applies held for the keyboard that went again get the answer of an
    // apply without a keyboard.
    for (const auto &held : std::exchange(held_, {})) {
        if (held.first == DeviceRequest::ApplyChanges)
            outcomes_.answerApplyAtOnce();
    }
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

void CMonitorWnd::profileNotice(uint16_t data) {
    if (data < 1 || data > kProfileCount)
        return;
    const int32_t index = data - 1;
    config_->with([index](ConfigBlock &c) { c.CurrentProfile = index; });
    publish();
    postToOption(WM_PROFILE_CHANGED);
    postToOsd(OSD_SHOW_PROFILE, static_cast<int64_t>(index) << 16);
    // Neither Option nor the OSD reads this value on the notices; the file
    // is flushed to disk, which can take tens of milliseconds, so it is
    // written after they have been told.
    outcomes_.saves().saveCurrentProfile(snapshotInto());
}

void CMonitorWnd::lightingColourNotice(uint16_t data) {
    const uint8_t colour = data & 0xFF;
    if (!isLightingColour(colour))
        return;
    // The accepted low byte is what is stored: a stray high byte must not
    // reach the record, the settings files and the keyboard.
    if (!editCurrentProfile([colour](ProfileData &p) { p.LtColor = colour; }))
        return;
    publish();
    postToOption(WM_LIGHTING_CHANGED);
}

void CMonitorWnd::lightingControlNotice(uint16_t data) {
    const uint8_t control = data & 0xFF;
    if (!isLightingControl(control) ||
        !editCurrentProfile([control](ProfileData &p) { p.LtControl = control; }))
        return;
    publish();
    postToOption(WM_LIGHTING_CHANGED);
}

void CMonitorWnd::windowsKeyNotice(uint16_t data) {
    const uint8_t low = data & 0xFF;
    if (low > 1)
        return;
    const bool lock = low == 0;
    if (!editCurrentProfile([lock](ProfileData &p) { p.setWinKeyLock(lock ? 1 : 0); }))
        return;
    if (s_.settings)
        s_.settings->writeOsdMessage(lock ? "Windows Key: Lock" : "Windows Key: UnLock");
    publish();
    // The OSD hears of it before Option.
    postToOsd(OSD_SHOW_TEXT, 0);
    postToOption(WM_LIGHTING_CHANGED);
}

const ConfigBlock &CMonitorWnd::snapshotInto() {
    config_->copyTo(*scratch_);
    return *scratch_;
}

bool CMonitorWnd::editCurrentProfile(const std::function<void(ProfileData &)> &edit) {
    return config_->with([&edit](ConfigBlock &c) {
        ProfileData *profile = c.currentProfileData();
        if (!profile)
            return false;
        edit(*profile);
        return true;
    });
}

void CMonitorWnd::onWatchTimer() {
    if (!s_.foreground)
        return;
    const auto pid = s_.foreground->foregroundPid();
    if (!pid)
        return;
    const auto namesOf = [this](pid_t p) {
        return s_.processNames ? s_.processNames(p) : readProcessNames(p);
    };
    const auto names = namesOf(*pid);
    if (!names)
        return;
    const ConfigBlock &config = snapshotInto();
    int profile = matchingProfile(config, *names);
    if (profile < 0) {
        // A launcher's window: the game may be one of its descendants.
        for (const pid_t child : s_.descendants ? s_.descendants(*pid) : readDescendants(*pid)) {
            const auto childNames = namesOf(child);
            profile = childNames ? matchingProfile(config, *childNames) : -1;
            if (profile >= 0)
                break;
        }
    }
    if (profile < 0)
        return;
    const bool switched = config_->with([profile](ConfigBlock &c) {
        if (profile == c.CurrentProfile)
            return false;
        c.CurrentProfile = profile;
        return true;
    });
    if (!switched)
        return;
    publish();
    postToWorker(DeviceRequest::WriteCurrentProfile, 0);
    postToOption(WM_PROFILE_CHANGED);
    postToOsd(OSD_SHOW_PROFILE, static_cast<int64_t>(profile) << 16);
}

} // namespace orvyn
