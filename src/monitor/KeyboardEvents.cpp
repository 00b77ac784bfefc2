// What Monitor does with the keyboard's own events (profile, lighting and
// Windows-key changes, program and media keys, a macro recorded on the
// keyboard, arrival and removal) and with the program in the foreground.
#include "monitor/CMonitorWnd.h"

#include "monitor/DeviceAccessNotice.h"
#include "protocol/ValueRules.h"
#include "shared/Messages.h"

namespace orvyn {

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
            if (const ProfileData *profile = record_.record().currentProfileData())
                media_.press(low, high, profile->MediaOption);
        }
        break;
    case EventType::RecordedMacro:
        postToWorker(DeviceRequest::ReadRecordedMacro, data);
        break;
    }
}

void CMonitorWnd::profileNotice(uint16_t data) {
    if (data < 1 || data > kProfileCount)
        return;
    const int32_t index = data - 1;
    record_.with([index](ConfigBlock &c) { c.CurrentProfile = index; });
    ChangeFlags part{};
    part.currentProfile = 1;
    record_.changedHere(part);
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
    if (!editCurrentProfile(&ChangeFlags::lighting, [colour](ProfileData &p) { p.LtColor = colour; }))
        return;
    publish();
    postToOption(WM_LIGHTING_CHANGED);
}

void CMonitorWnd::lightingControlNotice(uint16_t data) {
    const uint8_t control = data & 0xFF;
    if (!isLightingControl(control) ||
        !editCurrentProfile(&ChangeFlags::lighting, [control](ProfileData &p) { p.LtControl = control; }))
        return;
    publish();
    postToOption(WM_LIGHTING_CHANGED);
}

void CMonitorWnd::windowsKeyNotice(uint16_t data) {
    const uint8_t low = data & 0xFF;
    if (low > 1)
        return;
    const bool lock = low == 0;
    if (!editCurrentProfile(&ChangeFlags::modifyKey,
                            [lock](ProfileData &p) { p.setWinKeyLock(lock ? 1 : 0); }))
        return;
    if (s_.settings)
        s_.settings->writeOsdMessage(lock ? "Windows Key: Lock" : "Windows Key: UnLock");
    publish();
    // The OSD hears of it before Option.
    postToOsd(OSD_SHOW_TEXT, 0);
    postToOption(WM_LIGHTING_CHANGED);
}

bool CMonitorWnd::editCurrentProfile(ProfilePart part, const std::function<void(ProfileData &)> &edit) {
    const int p = record_.record().CurrentProfile;
    if (!isValidProfile(p))
        return false;
    record_.with([&](ConfigBlock &c) { edit(c.profiles[p]); });
    ChangeFlags changed{};
    (changed.*part)[p] = 1;
    record_.changedHere(changed);
    return true;
}

void CMonitorWnd::onWatchTimer() {
    const auto chosen = watch_.tick(record_.record());
    if (!chosen)
        return;
    const int profile = *chosen;
    record_.with([profile](ConfigBlock &c) { c.CurrentProfile = profile; });
    ChangeFlags part{};
    part.currentProfile = 1;
    record_.changedHere(part);
    publish();
    postToWorker(DeviceRequest::WriteCurrentProfile, 0);
    postToOption(WM_PROFILE_CHANGED);
    postToOsd(OSD_SHOW_PROFILE, static_cast<int64_t>(profile) << 16);
}

} // namespace orvyn
