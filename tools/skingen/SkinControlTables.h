// The controls of the skin set's windows as tables: section, name, place,
// look, label and quick help of each. Pages whose controls follow a layout
// (the keys) are made in SkinSet.cpp from that layout.
#pragma once

#include "SkinChrome.h"
#include "SkinModel.h"
#include "option/skin/SkinNames.h"

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
inline constexpr QSize kShortcutSize{440, 272};
inline constexpr QSize kSwapKeySize{460, 300};
inline constexpr QSize kWarningSize{420, 200};

// One row per control: section, name, place, look, label, then the quick
// help (and a glyph or field colour).
// clang-format off
using CW = ConfigWindowSkin;
inline constexpr ControlRow kConfigControls[] = {
    {CW::StandardKeysTab, "TAB_KEY_MAPPING", {220, 64, 177, 36}, Look::Tab, "KEY MAPPING",
     "Remap the standard keys of the keyboard."},
    {CW::MacroKeysTab, "TAB_MACRO_KEYS", {401, 64, 177, 36}, Look::Tab, "MACRO KEYS",
     "Give the programmable keys macros and functions."},
    {CW::MediaKeysTab, "TAB_MEDIA_KEYS", {582, 64, 177, 36}, Look::Tab, "MEDIA KEYS",
     "Give the media keys their functions and choose the media player they control."},
    {CW::AdvancedTab, "TAB_ADVANCED", {763, 64, 177, 36}, Look::Tab, "ADVANCED",
     "Polling rate; lighting; Windows key lock and power saving."},
    {CW::Unused5, "LOGO", {16, 6, 40, 40}, Look::Logo, "",
     "Orvyn Vantor gaming keyboard."},
    {CW::ProfileNew, "PROFILE_NEW", {32, 306, 72, 28}, Look::Button, "NEW",
     "Start the current profile afresh with a new name and game program."},
    {CW::ImportProfile, "PROFILE_IMPORT", {32, 340, 72, 28}, Look::Button, "IMPORT",
     "Load a profile file into the current profile."},
    {CW::ExportProfile, "PROFILE_EXPORT", {112, 340, 72, 28}, Look::Button, "EXPORT",
     "Save the current profile to a profile file."},
    {CW::ProfileEdit, "PROFILE_EDIT", {112, 306, 72, 28}, Look::Button, "EDIT",
     "Change the name and the game program of the current profile."},
    {CW::FirstProfile, "PROFILE_1", {32, 96, 152, 32}, Look::Selector, "PROFILE 1",
     "Show and edit profile 1."},
    {CW::FirstProfile + 1, "PROFILE_2", {32, 136, 152, 32}, Look::Selector, "PROFILE 2",
     "Show and edit profile 2."},
    {CW::FirstProfile + 2, "PROFILE_3", {32, 176, 152, 32}, Look::Selector, "PROFILE 3",
     "Show and edit profile 3."},
    {CW::FirstProfile + 3, "PROFILE_4", {32, 216, 152, 32}, Look::Selector, "PROFILE 4",
     "Show and edit profile 4."},
    {CW::FirstProfile + 4, "PROFILE_5", {32, 256, 152, 32}, Look::Selector, "PROFILE 5",
     "Show and edit profile 5."},
    {CW::MacroManager, "MACRO_MANAGER", {32, 390, 152, 34}, Look::Button, "MACRO MANAGER",
     "Record and edit the macros of the macro library."},
    {CW::Minimize, "MINIMIZE", {890, 12, 28, 28}, Look::WindowButton, "",
     "Minimize the window.", Glyph::Minimize},
    {CW::CloseTop, "CLOSE", {922, 12, 28, 28}, Look::WindowButton, "",
     "Close without applying changes.", Glyph::Close},
    {CW::UserManual, "USER_MANUAL", {822, 12, 28, 28}, Look::WindowButton, "",
     "Open the user manual.", Glyph::Help},
    {CW::WebPage, "WEB_PAGE", {854, 12, 28, 28}, Look::WindowButton, "",
     "Visit the Orvyn Vantor web page.", Glyph::Web},
    {CW::Ok, "OK", {636, 448, 96, 32}, Look::PrimaryButton, "OK",
     "Write the changes to the keyboard and close."},
    {CW::Apply, "APPLY", {740, 448, 96, 32}, Look::Button, "APPLY",
     "Write the changes to the keyboard."},
    {CW::CloseBottom, "CANCEL", {844, 448, 96, 32}, Look::Button, "CANCEL",
     "Close without applying changes."},
    {CW::RestoreDefaults, "RESTORE_DEFAULTS", {220, 448, 170, 32}, Look::Button, "RESTORE DEFAULTS",
     "Restore the factory settings of all five profiles."},
};

using AP = AdvancedPageSkin;
inline constexpr ControlRow kAdvancedControls[] = {
    {AP::Polling1, "POLLING_125", {32, 124, 98, 34}, Look::Selector, "125 Hz",
     "Report 125 times a second (8 ms)."},
    {AP::Polling2, "POLLING_500", {138, 124, 98, 34}, Look::Selector, "500 Hz",
     "Report 500 times a second (2 ms)."},
    {AP::Polling4, "POLLING_1000", {244, 124, 98, 34}, Look::Selector, "1000 Hz",
     "Report 1000 times a second (1 ms): the quickest response."},
    {AP::LtControlMenu, "LIGHTING_EFFECT", {384, 114, 150, 34}, Look::CaptionField, "",
     "Lighting effect of the keyboard. Click to choose another."},
    {AP::LtColorMenu, "LIGHTING_COLOUR", {546, 114, 142, 34}, Look::CaptionField, "",
     "Lighting colour of the keyboard. Click to choose another."},
    {AP::WinLockOff, "WINDOWS_KEY_ENABLED", {32, 250, 150, 34}, Look::Selector, "ENABLED",
     "The Windows keys work as usual."},
    {AP::WinLockOn, "WINDOWS_KEY_LOCKED", {190, 250, 150, 34}, Look::Selector, "LOCKED",
     "The Windows keys are locked while you play."},
    {AP::EcoOff, "POWER_SAVING_OFF", {384, 250, 150, 34}, Look::Selector, "OFF",
     "Power saving is off."},
    {AP::EcoOn, "POWER_SAVING_ON", {542, 250, 150, 34}, Look::Selector, "ON",
     "The keyboard saves power when it is idle."},
};

using MM = MacroManagerSkin;
inline constexpr ControlRow kMacroManagerControls[] = {
    {MM::Ok, "OK", {428, 408, 100, 32}, Look::PrimaryButton, "OK",
     "Keep the changes to the macro library."},
    {MM::Cancel, "CANCEL", {536, 408, 108, 32}, Look::Button, "CANCEL",
     "Discard the changes to the macro library."},
    {MM::Close, "CLOSE", closeRect(kMacroManagerSize), Look::WindowButton, "",
     "Discard the changes and close.", Glyph::Close},
    {MM::NewMacro, "NEW_MACRO", {28, 348, 100, 30}, Look::Button, "NEW",
     "Create a new macro and name it."},
    {MM::DeleteMacro, "DELETE_MACRO", {136, 348, 100, 30}, Look::Button, "DELETE",
     "Delete the selected macro."},
    {MM::MacroList, "MACRO_LIST", {30, 86, 204, 248}, Look::ListField, "",
     "Macros of the library."},
    {MM::Record, "RECORD", {494, 86, 138, 36}, Look::RecordButton, "RECORD",
     "Record the keys you press into the selected macro. Click again to stop.", Glyph::Record},
    {MM::RecordDelays, "RECORD_DELAYS", {494, 134, 138, 30}, Look::Toggle, "RECORD DELAYS",
     "Record the pauses between the keys as delays."},
    {MM::Repeat, "REPEAT", {494, 176, 138, 30}, Look::Toggle, "REPEAT",
     "Play the macro more than once each time the key is pressed."},
    {MM::RepeatCount, "REPEAT_COUNT", {500, 222, 48, 22}, Look::EditField, "",
     "How many times the macro plays (1-255).", Glyph::None, kWhiteField},
    {MM::EventList, "EVENT_LIST", {274, 86, 206, 292}, Look::ListField, "",
     "Steps of the selected macro. Right-click for more."},
};

using LP = LaunchProgramSkin;
inline constexpr ControlRow kLaunchProgramControls[] = {
    {LP::PathField, "PROGRAM_PATH", {22, 86, 346, 24}, Look::EditField, "",
     "Path of the program.", Glyph::None, kPathField},
    {LP::Browse, "BROWSE", {380, 82, 104, 32}, Look::Button, "BROWSE...",
     "Choose the program in a file dialog."},
    {LP::Ok, "OK", {272, 150, 104, 32}, Look::PrimaryButton, "OK",
     "Use this program."},
    {LP::Cancel, "CANCEL", {384, 150, 100, 32}, Look::Button, "CANCEL",
     "Keep the key as it was."},
    {LP::Close, "CLOSE", closeRect(kLaunchProgramSize), Look::WindowButton, "",
     "Keep the key as it was and close.", Glyph::Close},
};

using PD = ProfileDialogSkin;
inline constexpr ControlRow kProfileControls[] = {
    {PD::NameField, "PROFILE_NAME", {22, 78, 250, 24}, Look::EditField, "",
     "Name of the profile (20 characters).", Glyph::None, kProfileField},
    {PD::GameField, "GAME_PROGRAM", {22, 164, 346, 24}, Look::EditField, "",
     "The game: a program of this file name in front selects this profile.", Glyph::None, kProfileField},
    {PD::Browse, "BROWSE", {380, 160, 104, 32}, Look::Button, "BROWSE...",
     "Choose the game program in a file dialog."},
    {PD::Ok, "OK", {272, 212, 104, 32}, Look::PrimaryButton, "OK",
     "Keep the name and the game program."},
    {PD::Cancel, "CANCEL", {384, 212, 100, 32}, Look::Button, "CANCEL",
     "Leave the profile as it was."},
    {PD::Close, "CLOSE", closeRect(kProfileSize), Look::WindowButton, "",
     "Leave the profile as it was and close.", Glyph::Close},
};

using SD = ShortcutDialogSkin;
inline constexpr ControlRow kShortcutControls[] = {
    {SD::Ok, "OK", {216, 224, 100, 32}, Look::PrimaryButton, "OK",
     "Use this key combination."},
    {SD::Cancel, "CANCEL", {324, 224, 100, 32}, Look::Button, "CANCEL",
     "Keep the key as it was."},
    {SD::Close, "CLOSE", closeRect(kShortcutSize), Look::WindowButton, "",
     "Keep the key as it was and close.", Glyph::Close},
    {SD::NoModifier, "NO_MODIFIER", {20, 148, 76, 32}, Look::Toggle, "NONE",
     "The key alone without a modifier."},
    {SD::Ctrl, "CTRL", {102, 148, 76, 32}, Look::Toggle, "CTRL",
     "Hold Ctrl with the key."},
    {SD::Shift, "SHIFT", {184, 148, 76, 32}, Look::Toggle, "SHIFT",
     "Hold Shift with the key."},
    {SD::Alt, "ALT", {266, 148, 76, 32}, Look::Toggle, "ALT",
     "Hold Alt with the key."},
    {SD::Win, "WIN", {348, 148, 76, 32}, Look::Toggle, "WIN",
     "Hold the Windows key with the key."},
    {SD::KeyName, "KEY_NAME", {22, 80, 396, 28}, Look::EditField, "",
     "The key of the combination.", Glyph::None, kWhiteField},
};

using SK = SwapKeyDialogSkin;
inline constexpr ControlRow kSwapKeyControls[] = {
    {SK::NewKey, "NEW_KEY", {142, 127, 186, 26}, Look::EditField, "",
     "The key it will send.", Glyph::None, kWhiteField},
    {SK::Ok, "OK", {236, 252, 100, 32}, Look::PrimaryButton, "OK",
     "Remap the key."},
    {SK::Cancel, "CANCEL", {344, 252, 100, 32}, Look::Button, "CANCEL",
     "Keep the key as it was."},
    {SK::Close, "CLOSE", closeRect(kSwapKeySize), Look::WindowButton, "",
     "Keep the key as it was and close.", Glyph::Close},
    {SK::Default, "DEFAULT", {340, 124, 104, 32}, Look::Button, "DEFAULT",
     "Give the key back its own function."},
    {SK::MouseFunction, "MOUSE_FUNCTION", {142, 168, 186, 32}, Look::CaptionField, "",
     "Choose the mouse function."},
    {SK::ModeKey, "MODE_KEY", {20, 124, 110, 32}, Look::Toggle, "KEY",
     "The key sends another key."},
    {SK::ModeMouse, "MODE_MOUSE", {20, 168, 110, 32}, Look::Toggle, "MOUSE",
     "The key acts as a mouse button."},
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
    {DeleteMacroWarningSkin::kFile, "delete_macro_warn", "delete-macro confirmation", "DELETE MACRO",
     "Delete the selected macro?",
     "It is removed from the macro library. Cancel in the macro manager brings it back.", "Delete the macro.",
     "Keep the macro."},
    {NoMacroWarningSkin::kFile, "macro_set_warn", "no-macro warning", "NO MACRO SELECTED",
     "Select a macro first.", "Choose a macro in the list or create one with NEW.", "Close this message.",
     "Close this message."},
    {ResetWarningSkin::kFile, "reset_warn", "reset warning", "RESTORE DEFAULTS",
     "Restore the factory settings?",
     "All five profiles return to their defaults and are written to the keyboard at once.",
     "Restore the factory settings.", "Keep the current settings."},
};

} // namespace orvyn::skingen
