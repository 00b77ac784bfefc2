// Message numbers, window titles (endpoint names) and named objects that the
// programs of the suite share. One place, so no program spells them twice.
#pragma once

#include <cstdint>

namespace orvyn {

// Standard window messages that cross between our programs.
inline constexpr uint32_t WM_NULL_MSG = 0;
inline constexpr uint32_t WM_CLOSE_MSG = 16;
inline constexpr uint32_t WM_COPYDATA_MSG = 74;
inline constexpr uint32_t WM_COMMAND_MSG = 273;
inline constexpr uint32_t WM_SYSCOMMAND_MSG = 274;
inline constexpr int64_t SC_RESTORE_CMD = 0xF120;

// Option -> Monitor.
inline constexpr uint32_t WM_CONFIG_APPLY = 1224; // wParam 0 apply, 1 defaults restored; lParam token
// Two more hand-overs (1226, 1227) without a sender in this suite: Monitor
// takes the shared block and does nothing else.
inline constexpr uint32_t WM_CONFIG_TAKE_ONLY = 1226;
inline constexpr uint32_t WM_CONFIG_TAKE_ONLY_ALT = 1227;

// Monitor -> Option.
inline constexpr uint32_t WM_READBACK_DONE = 1254;    // configuration read back / macro read back
inline constexpr uint32_t WM_PROFILE_CHANGED = 1255;  // current profile changed
inline constexpr uint32_t WM_APPLY_DONE = 1256;       // apply served (or could not be queued)
inline constexpr uint32_t WM_LIGHTING_CHANGED = 1257; // colour, control or Windows-key change
inline constexpr uint32_t WM_OPTION_IGNORED = 1258;   // accepted, does nothing

// Each hand-over (1224) may carry a token of its sender's in lParam (0: none;
// the sender picks any value 1..0x7FFFFFFF). Its answer (1256) carries the
// same token in wParam and the outcome in lParam, so a client that applied
// twice, or that gave up waiting, knows which apply an answer is for. A
// client that ignores wParam and lParam reads 1256 as it always did.
enum class ApplyOutcome : int64_t {
    Sent = 0,       // every changed part reached the keyboard (or none was changed)
    NoKeyboard = 1, // no keyboard to write to: the settings files only
    NotTaken = 2,   // the hand-over could not be read from the shared block
    Refused = 3,    // the keyboard refused reports (see applyRefusedReports)
};
// lParam of 1256: the outcome in bits 0-7, and for Refused a bit per refused
// report id from bit 8 (report id n -> bit 8 + n).
constexpr int64_t applyAnswer(ApplyOutcome outcome, uint32_t refusedReportBits = 0) {
    return static_cast<int64_t>(outcome) | (static_cast<int64_t>(refusedReportBits) << 8);
}
constexpr ApplyOutcome applyOutcome(int64_t lParam) {
    const int64_t outcome = lParam & 0xFF;
    return outcome <= static_cast<int64_t>(ApplyOutcome::Refused) ? static_cast<ApplyOutcome>(outcome)
                                                                  : ApplyOutcome::Refused;
}
// Bit n set: report id n was refused.
constexpr uint32_t applyRefusedReports(int64_t lParam) {
    return static_cast<uint32_t>((lParam >> 8) & 0xFFFFFF);
}
inline constexpr int64_t kMaxApplyToken = 0x7FFFFFFF;

// Device-access library -> Monitor.
inline constexpr uint32_t WM_DEVICE_EVENT = 1325;  // wParam type, lParam data
inline constexpr uint32_t WM_DEVICE_CHANGE = 1326; // wParam 1 arrived, 0 removed
// 1326 with this wParam: present but cannot be opened, lParam = errno.
inline constexpr int64_t kDeviceUnusable = 2;

// Monitor -> OSD.
inline constexpr uint32_t WM_OSD_COMMAND = 1324;  // wParam 40 profile, 50 text
inline constexpr uint32_t WM_OSD_SETTINGS = 1326; // lParam = (high << 16) | (low & 0xFFFF)
inline constexpr int64_t OSD_SHOW_PROFILE = 40;
inline constexpr int64_t OSD_SHOW_TEXT = 50;

// Monitor's tray callback and menu commands.
inline constexpr uint32_t WM_TRAY_NOTIFY = 1036;
inline constexpr int64_t CMD_CUSTOMIZER = 6001;
inline constexpr int64_t CMD_QUIT_MONITOR = 6002;

// Monitor to itself: a save of its record failed (Monitor tells the user).
// Refused from other processes.
inline constexpr uint32_t WM_SETTINGS_UNSAVED = 1650;
// Monitor to itself: the device worker has results for the record (a
// read-back, a macro recorded on the keyboard). Refused from other processes.
inline constexpr uint32_t WM_WORKER_RESULT = 1651;

// Device worker thread message and its requests.
inline constexpr uint32_t WM_DEVICE_REQUEST = 1649;
enum class DeviceRequest : int64_t {
    ApplyChanges = 1,
    ReadEverything = 2,
    WriteCurrentProfile = 3,
    ReadRecordedMacro = 4,
};

// Endpoint names: the exact window titles.
inline constexpr const char *kMonitorTitle = "Orvyn Vantor Keyboard Monitor";
inline constexpr const char *kOptionTitle = "Orvyn Vantor Keyboard Option";
inline constexpr const char *kOsdTitle = "Orvyn_Vantor_Keyboard_OSD";
inline constexpr const char *kLoadMeterTitle = "PALDOR Gaming Keyboard CPU RAM OSD";
inline constexpr const char *kMailCheckTitle = "PALDOR Gaming Keyboard Pop3";
inline constexpr const char *kCallNotifyTitle = "PALDOR Gaming Keyboard OSD CHAT";

// Named objects in the runtime folder.
inline constexpr const char *kShareDataName = "QIRUNE_HX770_Gaming_Keyboard_Share_Data";
inline constexpr const char *kMutexObjectName = "QIRUNE_HX770_Gaming_Keyboard_Mutex_Object";
inline constexpr const char *kMonitorInstanceName = "QIRUNE_HX770_Gaming_Keyboard_Monitor";
inline constexpr const char *kOptionInstanceName = "QIRUNE_HX770_Gaming_Keyboard_configure";

} // namespace orvyn
