// The controls of the skin set's windows as tables: section, name, place,
// look, label and quick help of each. Pages whose controls follow a layout
// (the keys) are made in SkinSet.cpp from that layout.
#pragma once

#include "SkinChrome.h"
#include "SkinModel.h"
#include "option/skin/SkinNames.h"

#include <QCoreApplication>
#include <QRect>
#include <QRgb>
#include <QSize>

namespace orvyn::skingen {

// One control of a window's table.
struct ControlRow {
    int section;
    const char *name;
    QRect rect;
    Look look;
    const char *label;
    const char *help;
    Glyph glyph = Glyph::None;
    QRgb field = 0; // background of an edit field
};

inline constexpr QRgb kWhiteField = 0xFFFFFFFF;
inline constexpr QRgb kPathField = 0xFFE5E5E5;
inline constexpr QRgb kProfileField = 0xFFE6E6E6;

inline constexpr QSize kMacroManagerSize{660, 456};
inline constexpr QSize kLaunchProgramSize{500, 200};
inline constexpr QSize kProfileSize{500, 262};
inline constexpr QSize kShortcutSize{520, 272};
inline constexpr QSize kSwapKeySize{460, 300};
inline constexpr QSize kWarningSize{420, 200};

// One row per control: section, name, place, look, label, then the quick
// help (and a glyph or field colour).
// clang-format off
using CW = ConfigWindowSkin;
inline constexpr ControlRow kConfigControls[] = {
    {CW::StandardKeysTab, "TAB_KEY_MAPPING", {220, 64, 177, 36}, Look::Tab, QT_TRANSLATE_NOOP("SkinMain", "KEY MAPPING"),
     QT_TRANSLATE_NOOP("SkinMain", "Remap the standard keys of the keyboard.")},
    {CW::MacroKeysTab, "TAB_MACRO_KEYS", {401, 64, 177, 36}, Look::Tab, QT_TRANSLATE_NOOP("SkinMain", "MACRO KEYS"),
     QT_TRANSLATE_NOOP("SkinMain", "Give the programmable keys macros and functions.")},
    {CW::MediaKeysTab, "TAB_MEDIA_KEYS", {582, 64, 177, 36}, Look::Tab, QT_TRANSLATE_NOOP("SkinMain", "MEDIA KEYS"),
     QT_TRANSLATE_NOOP("SkinMain", "Give the media keys their functions and choose the media player they control.")},
    {CW::AdvancedTab, "TAB_ADVANCED", {763, 64, 177, 36}, Look::Tab, QT_TRANSLATE_NOOP("SkinMain", "ADVANCED"),
     QT_TRANSLATE_NOOP("SkinMain", "Polling rate; lighting; Windows key lock and power saving.")},
    {CW::Unused5, "LOGO", {16, 6, 40, 40}, Look::Logo, "",
     QT_TRANSLATE_NOOP("SkinMain", "Orvyn Vantor gaming keyboard.")},
    {CW::ProfileNew, "PROFILE_NEW", {32, 306, 72, 28}, Look::Button, QT_TRANSLATE_NOOP("SkinMain", "NEW"),
     QT_TRANSLATE_NOOP("SkinMain", "Start the current profile afresh with a new name and game program.")},
    {CW::ImportProfile, "PROFILE_IMPORT", {32, 340, 72, 28}, Look::Button, QT_TRANSLATE_NOOP("SkinMain", "IMPORT"),
     QT_TRANSLATE_NOOP("SkinMain", "Load a profile file into the current profile.")},
    {CW::ExportProfile, "PROFILE_EXPORT", {112, 340, 72, 28}, Look::Button, QT_TRANSLATE_NOOP("SkinMain", "EXPORT"),
     QT_TRANSLATE_NOOP("SkinMain", "Save the current profile to a profile file.")},
    {CW::ProfileEdit, "PROFILE_EDIT", {112, 306, 72, 28}, Look::Button, QT_TRANSLATE_NOOP("SkinMain", "EDIT"),
     QT_TRANSLATE_NOOP("SkinMain", "Change the name and the game program of the current profile.")},
    {CW::FirstProfile, "PROFILE_1", {32, 96, 152, 32}, Look::Selector, QT_TRANSLATE_NOOP("SkinMain", "PROFILE 1"),
     QT_TRANSLATE_NOOP("SkinMain", "Show and edit profile 1.")},
    {CW::FirstProfile + 1, "PROFILE_2", {32, 136, 152, 32}, Look::Selector, QT_TRANSLATE_NOOP("SkinMain", "PROFILE 2"),
     QT_TRANSLATE_NOOP("SkinMain", "Show and edit profile 2.")},
    {CW::FirstProfile + 2, "PROFILE_3", {32, 176, 152, 32}, Look::Selector, QT_TRANSLATE_NOOP("SkinMain", "PROFILE 3"),
     QT_TRANSLATE_NOOP("SkinMain", "Show and edit profile 3.")},
    {CW::FirstProfile + 3, "PROFILE_4", {32, 216, 152, 32}, Look::Selector, QT_TRANSLATE_NOOP("SkinMain", "PROFILE 4"),
     QT_TRANSLATE_NOOP("SkinMain", "Show and edit profile 4.")},
    {CW::FirstProfile + 4, "PROFILE_5", {32, 256, 152, 32}, Look::Selector, QT_TRANSLATE_NOOP("SkinMain", "PROFILE 5"),
     QT_TRANSLATE_NOOP("SkinMain", "Show and edit profile 5.")},
    {CW::MacroManager, "MACRO_MANAGER", {32, 390, 152, 34}, Look::Button, QT_TRANSLATE_NOOP("SkinMain", "MACRO MANAGER"),
     QT_TRANSLATE_NOOP("SkinMain", "Record and edit the macros of the macro library.")},
    {CW::Minimize, "MINIMIZE", {890, 12, 28, 28}, Look::WindowButton, "",
     QT_TRANSLATE_NOOP("SkinMain", "Minimize the window."), Glyph::Minimize},
    {CW::CloseTop, "CLOSE", {922, 12, 28, 28}, Look::WindowButton, "",
     QT_TRANSLATE_NOOP("SkinMain", "Close without applying changes."), Glyph::Close},
    {CW::UserManual, "USER_MANUAL", {822, 12, 28, 28}, Look::WindowButton, "",
     QT_TRANSLATE_NOOP("SkinMain", "Open the user manual."), Glyph::Help},
    {CW::WebPage, "WEB_PAGE", {854, 12, 28, 28}, Look::WindowButton, "",
     QT_TRANSLATE_NOOP("SkinMain", "Visit the Orvyn Vantor web page."), Glyph::Web},
    {CW::Ok, "OK", {636, 448, 96, 32}, Look::PrimaryButton, QT_TRANSLATE_NOOP("SkinMain", "OK"),
     QT_TRANSLATE_NOOP("SkinMain", "Write the changes to the keyboard and close.")},
    {CW::Apply, "APPLY", {740, 448, 96, 32}, Look::Button, QT_TRANSLATE_NOOP("SkinMain", "APPLY"),
     QT_TRANSLATE_NOOP("SkinMain", "Write the changes to the keyboard.")},
    {CW::CloseBottom, "CANCEL", {844, 448, 96, 32}, Look::Button, QT_TRANSLATE_NOOP("SkinMain", "CANCEL"),
     QT_TRANSLATE_NOOP("SkinMain", "Close without applying changes.")},
    {CW::RestoreDefaults, "RESTORE_DEFAULTS", {220, 448, 170, 32}, Look::Button, QT_TRANSLATE_NOOP("SkinMain", "RESTORE DEFAULTS"),
     QT_TRANSLATE_NOOP("SkinMain", "Restore the factory settings of all five profiles.")},
};

using AP = AdvancedPageSkin;
inline constexpr ControlRow kAdvancedControls[] = {
    {AP::Polling1, "POLLING_125", {32, 124, 98, 34}, Look::Selector, QT_TRANSLATE_NOOP("SkinAdvanced", "125 Hz"),
     QT_TRANSLATE_NOOP("SkinAdvanced", "Report 125 times a second (8 ms).")},
    {AP::Polling2, "POLLING_500", {138, 124, 98, 34}, Look::Selector, QT_TRANSLATE_NOOP("SkinAdvanced", "500 Hz"),
     QT_TRANSLATE_NOOP("SkinAdvanced", "Report 500 times a second (2 ms).")},
    {AP::Polling4, "POLLING_1000", {244, 124, 98, 34}, Look::Selector, QT_TRANSLATE_NOOP("SkinAdvanced", "1000 Hz"),
     QT_TRANSLATE_NOOP("SkinAdvanced", "Report 1000 times a second (1 ms): the quickest response.")},
    {AP::LtControlMenu, "LIGHTING_EFFECT", {384, 114, 150, 34}, Look::CaptionField, "",
     QT_TRANSLATE_NOOP("SkinAdvanced", "Lighting effect of the keyboard. Click to choose another.")},
    {AP::LtColorMenu, "LIGHTING_COLOUR", {546, 114, 142, 34}, Look::CaptionField, "",
     QT_TRANSLATE_NOOP("SkinAdvanced", "Lighting colour of the keyboard. Click to choose another.")},
    {AP::WinLockOff, "WINDOWS_KEY_ENABLED", {32, 250, 150, 34}, Look::Selector, QT_TRANSLATE_NOOP("SkinAdvanced", "ENABLED"),
     QT_TRANSLATE_NOOP("SkinAdvanced", "The Windows keys work as usual.")},
    {AP::WinLockOn, "WINDOWS_KEY_LOCKED", {190, 250, 150, 34}, Look::Selector, QT_TRANSLATE_NOOP("SkinAdvanced", "LOCKED"),
     QT_TRANSLATE_NOOP("SkinAdvanced", "The Windows keys are locked while you play.")},
    {AP::EcoOff, "POWER_SAVING_OFF", {384, 250, 150, 34}, Look::Selector, QT_TRANSLATE_NOOP("SkinAdvanced", "OFF"),
     QT_TRANSLATE_NOOP("SkinAdvanced", "Power saving is off.")},
    {AP::EcoOn, "POWER_SAVING_ON", {542, 250, 150, 34}, Look::Selector, QT_TRANSLATE_NOOP("SkinAdvanced", "ON"),
     QT_TRANSLATE_NOOP("SkinAdvanced", "The keyboard saves power when it is idle.")},
};

using MM = MacroManagerSkin;
inline constexpr ControlRow kMacroManagerControls[] = {
    {MM::Ok, "OK", {428, 408, 100, 32}, Look::PrimaryButton, QT_TRANSLATE_NOOP("SkinMacroManager", "OK"),
     QT_TRANSLATE_NOOP("SkinMacroManager", "Keep the changes to the macro library.")},
    {MM::Cancel, "CANCEL", {536, 408, 108, 32}, Look::Button, QT_TRANSLATE_NOOP("SkinMacroManager", "CANCEL"),
     QT_TRANSLATE_NOOP("SkinMacroManager", "Discard the changes to the macro library.")},
    {MM::Close, "CLOSE", closeRect(kMacroManagerSize), Look::WindowButton, "",
     QT_TRANSLATE_NOOP("SkinMacroManager", "Discard the changes and close."), Glyph::Close},
    {MM::NewMacro, "NEW_MACRO", {28, 348, 100, 30}, Look::Button, QT_TRANSLATE_NOOP("SkinMacroManager", "NEW"),
     QT_TRANSLATE_NOOP("SkinMacroManager", "Create a new macro and name it.")},
    {MM::DeleteMacro, "DELETE_MACRO", {136, 348, 100, 30}, Look::Button, QT_TRANSLATE_NOOP("SkinMacroManager", "DELETE"),
     QT_TRANSLATE_NOOP("SkinMacroManager", "Delete the selected macro.")},
    {MM::MacroList, "MACRO_LIST", {30, 86, 204, 248}, Look::ListField, "",
     QT_TRANSLATE_NOOP("SkinMacroManager", "Macros of the library.")},
    {MM::Record, "RECORD", {494, 86, 138, 36}, Look::RecordButton, QT_TRANSLATE_NOOP("SkinMacroManager", "RECORD"),
     QT_TRANSLATE_NOOP("SkinMacroManager", "Record the keys you press into the selected macro. Click again to stop."), Glyph::Record},
    {MM::RecordDelays, "RECORD_DELAYS", {494, 134, 138, 30}, Look::Toggle, QT_TRANSLATE_NOOP("SkinMacroManager", "RECORD DELAYS"),
     QT_TRANSLATE_NOOP("SkinMacroManager", "Record the pauses between the keys as delays.")},
    {MM::Repeat, "REPEAT", {494, 176, 138, 30}, Look::Toggle, QT_TRANSLATE_NOOP("SkinMacroManager", "REPEAT"),
     QT_TRANSLATE_NOOP("SkinMacroManager", "Play the macro more than once each time the key is pressed.")},
    {MM::RepeatCount, "REPEAT_COUNT", {500, 222, 48, 22}, Look::EditField, "",
     QT_TRANSLATE_NOOP("SkinMacroManager", "How many times the macro plays (1-255)."), Glyph::None, kWhiteField},
    {MM::EventList, "EVENT_LIST", {274, 86, 206, 292}, Look::ListField, "",
     QT_TRANSLATE_NOOP("SkinMacroManager", "Steps of the selected macro. Right-click for more.")},
};

using LP = LaunchProgramSkin;
inline constexpr ControlRow kLaunchProgramControls[] = {
    {LP::PathField, "PROGRAM_PATH", {22, 86, 346, 24}, Look::EditField, "",
     QT_TRANSLATE_NOOP("SkinLaunchProgram", "Path of the program."), Glyph::None, kPathField},
    {LP::Browse, "BROWSE", {380, 82, 104, 32}, Look::Button, QT_TRANSLATE_NOOP("SkinLaunchProgram", "BROWSE..."),
     QT_TRANSLATE_NOOP("SkinLaunchProgram", "Choose the program in a file dialog.")},
    {LP::Ok, "OK", {272, 150, 104, 32}, Look::PrimaryButton, QT_TRANSLATE_NOOP("SkinLaunchProgram", "OK"),
     QT_TRANSLATE_NOOP("SkinLaunchProgram", "Use this program.")},
    {LP::Cancel, "CANCEL", {384, 150, 100, 32}, Look::Button, QT_TRANSLATE_NOOP("SkinLaunchProgram", "CANCEL"),
     QT_TRANSLATE_NOOP("SkinLaunchProgram", "Keep the key as it was.")},
    {LP::Close, "CLOSE", closeRect(kLaunchProgramSize), Look::WindowButton, "",
     QT_TRANSLATE_NOOP("SkinLaunchProgram", "Keep the key as it was and close."), Glyph::Close},
};

using PD = ProfileDialogSkin;
inline constexpr ControlRow kProfileControls[] = {
    {PD::NameField, "PROFILE_NAME", {22, 78, 250, 24}, Look::EditField, "",
     QT_TRANSLATE_NOOP("SkinProfile", "Name of the profile (20 characters)."), Glyph::None, kProfileField},
    {PD::GameField, "GAME_PROGRAM", {22, 164, 346, 24}, Look::EditField, "",
     QT_TRANSLATE_NOOP("SkinProfile", "The game: a program of this file name in front selects this profile."), Glyph::None, kProfileField},
    {PD::Browse, "BROWSE", {380, 160, 104, 32}, Look::Button, QT_TRANSLATE_NOOP("SkinProfile", "BROWSE..."),
     QT_TRANSLATE_NOOP("SkinProfile", "Choose the game program in a file dialog.")},
    {PD::Ok, "OK", {272, 212, 104, 32}, Look::PrimaryButton, QT_TRANSLATE_NOOP("SkinProfile", "OK"),
     QT_TRANSLATE_NOOP("SkinProfile", "Keep the name and the game program.")},
    {PD::Cancel, "CANCEL", {384, 212, 100, 32}, Look::Button, QT_TRANSLATE_NOOP("SkinProfile", "CANCEL"),
     QT_TRANSLATE_NOOP("SkinProfile", "Leave the profile as it was.")},
    {PD::Close, "CLOSE", closeRect(kProfileSize), Look::WindowButton, "",
     QT_TRANSLATE_NOOP("SkinProfile", "Leave the profile as it was and close."), Glyph::Close},
};

using SD = ShortcutDialogSkin;
inline constexpr ControlRow kShortcutControls[] = {
    {SD::Ok, "OK", {296, 224, 100, 32}, Look::PrimaryButton, QT_TRANSLATE_NOOP("SkinShortcut", "OK"),
     QT_TRANSLATE_NOOP("SkinShortcut", "Use this key combination.")},
    {SD::Cancel, "CANCEL", {404, 224, 100, 32}, Look::Button, QT_TRANSLATE_NOOP("SkinShortcut", "CANCEL"),
     QT_TRANSLATE_NOOP("SkinShortcut", "Keep the key as it was.")},
    {SD::Close, "CLOSE", closeRect(kShortcutSize), Look::WindowButton, "",
     QT_TRANSLATE_NOOP("SkinShortcut", "Keep the key as it was and close."), Glyph::Close},
    {SD::NoModifier, "NO_MODIFIER", {20, 148, 92, 32}, Look::Toggle, QT_TRANSLATE_NOOP("SkinShortcut", "NONE"),
     QT_TRANSLATE_NOOP("SkinShortcut", "The key alone without a modifier.")},
    {SD::Ctrl, "CTRL", {118, 148, 92, 32}, Look::Toggle, QT_TRANSLATE_NOOP("SkinShortcut", "CTRL"),
     QT_TRANSLATE_NOOP("SkinShortcut", "Hold Ctrl with the key.")},
    {SD::Shift, "SHIFT", {216, 148, 92, 32}, Look::Toggle, QT_TRANSLATE_NOOP("SkinShortcut", "SHIFT"),
     QT_TRANSLATE_NOOP("SkinShortcut", "Hold Shift with the key.")},
    {SD::Alt, "ALT", {314, 148, 92, 32}, Look::Toggle, QT_TRANSLATE_NOOP("SkinShortcut", "ALT"),
     QT_TRANSLATE_NOOP("SkinShortcut", "Hold Alt with the key.")},
    {SD::Win, "WIN", {412, 148, 92, 32}, Look::Toggle, QT_TRANSLATE_NOOP("SkinShortcut", "WIN"),
     QT_TRANSLATE_NOOP("SkinShortcut", "Hold the Windows key with the key.")},
    {SD::KeyName, "KEY_NAME", {22, 80, 476, 28}, Look::EditField, "",
     QT_TRANSLATE_NOOP("SkinShortcut", "The key of the combination."), Glyph::None, kWhiteField},
};

using SK = SwapKeyDialogSkin;
inline constexpr ControlRow kSwapKeyControls[] = {
    {SK::NewKey, "NEW_KEY", {142, 127, 186, 26}, Look::EditField, "",
     QT_TRANSLATE_NOOP("SkinSwapKey", "The key it will send."), Glyph::None, kWhiteField},
    {SK::Ok, "OK", {236, 252, 100, 32}, Look::PrimaryButton, QT_TRANSLATE_NOOP("SkinSwapKey", "OK"),
     QT_TRANSLATE_NOOP("SkinSwapKey", "Remap the key.")},
    {SK::Cancel, "CANCEL", {344, 252, 100, 32}, Look::Button, QT_TRANSLATE_NOOP("SkinSwapKey", "CANCEL"),
     QT_TRANSLATE_NOOP("SkinSwapKey", "Keep the key as it was.")},
    {SK::Close, "CLOSE", closeRect(kSwapKeySize), Look::WindowButton, "",
     QT_TRANSLATE_NOOP("SkinSwapKey", "Keep the key as it was and close."), Glyph::Close},
    {SK::Default, "DEFAULT", {340, 124, 104, 32}, Look::Button, QT_TRANSLATE_NOOP("SkinSwapKey", "DEFAULT"),
     QT_TRANSLATE_NOOP("SkinSwapKey", "Give the key back its own function.")},
    {SK::MouseFunction, "MOUSE_FUNCTION", {142, 168, 186, 32}, Look::CaptionField, "",
     QT_TRANSLATE_NOOP("SkinSwapKey", "Choose the mouse function.")},
    {SK::ModeKey, "MODE_KEY", {20, 124, 110, 32}, Look::Toggle, QT_TRANSLATE_NOOP("SkinSwapKey", "KEY"),
     QT_TRANSLATE_NOOP("SkinSwapKey", "The key sends another key.")},
    {SK::ModeMouse, "MODE_MOUSE", {20, 168, 110, 32}, Look::Toggle, QT_TRANSLATE_NOOP("SkinSwapKey", "MOUSE"),
     QT_TRANSLATE_NOOP("SkinSwapKey", "The key acts as a mouse button.")},
    {SK::TitleText, "TITLE_TEXT", {26, 78, 400, 22}, Look::TextSpot, "",
     ""},
}; // clang-format on

// clang-format on

// The three confirmations differ only in their texts.
struct WarningRow {
    const char *file;
    const char *stem;
    const char *title;
    const char *heading;
    const char *message;
    const char *detail;
    const char *okHelp;
    const char *cancelHelp;
};

inline constexpr WarningRow kWarnings[] = {
    {DeleteMacroWarningSkin::kFile, "delete_macro_warn", "delete-macro confirmation",
     QT_TRANSLATE_NOOP("SkinWarnings", "DELETE MACRO"),
     QT_TRANSLATE_NOOP("SkinWarnings", "Delete the selected macro?"),
     QT_TRANSLATE_NOOP("SkinWarnings",
                       "It is removed from the macro library. Cancel in the macro manager brings it back."),
     QT_TRANSLATE_NOOP("SkinWarnings", "Delete the macro."),
     QT_TRANSLATE_NOOP("SkinWarnings", "Keep the macro.")},
    {NoMacroWarningSkin::kFile, "macro_set_warn", "no-macro warning",
     QT_TRANSLATE_NOOP("SkinWarnings", "NO MACRO SELECTED"),
     QT_TRANSLATE_NOOP("SkinWarnings", "Select a macro first."),
     QT_TRANSLATE_NOOP("SkinWarnings", "Choose a macro in the list or create one with NEW."),
     QT_TRANSLATE_NOOP("SkinWarnings", "Close this message."),
     QT_TRANSLATE_NOOP("SkinWarnings", "Close this message.")},
    {ResetWarningSkin::kFile, "reset_warn", "reset warning",
     QT_TRANSLATE_NOOP("SkinWarnings", "RESTORE DEFAULTS"),
     QT_TRANSLATE_NOOP("SkinWarnings", "Restore the factory settings?"),
     QT_TRANSLATE_NOOP("SkinWarnings",
                       "All five profiles return to their defaults and are written to the keyboard at once."),
     QT_TRANSLATE_NOOP("SkinWarnings", "Restore the factory settings."),
     QT_TRANSLATE_NOOP("SkinWarnings", "Keep the current settings.")},
};

} // namespace orvyn::skingen
