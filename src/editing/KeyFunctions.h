// The key-function menu of the programmable and media keys without widgets:
// its entries, what each command does to a key slot, and the media-player
// choice of the media keys.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editing/MacroLibrary.h"
#include "shared/ConfigBlock.h"
#include "uitext/UiText.h"

namespace orvyn {

// Commands of the key-function menu.
inline constexpr int kKeyCmdFactoryEntry = 1001;
inline constexpr int kKeyCmdShortcut = 1002;
inline constexpr int kKeyCmdLaunchProgram = 1003;
inline constexpr int kKeyCmdFirstMedia = 1013;       // 1013-1020
inline constexpr int kKeyCmdFirstApplication = 1021; // 1021-1030
inline constexpr int kKeyCmdFirstMouseButton = 1031; // 1031-1035
inline constexpr int kKeyCmdMouseGroup = 1036;
inline constexpr int kKeyCmdSingleFunction = 1037;
inline constexpr int kKeyCmdDefaultFunction = 1040;
inline constexpr int kKeyCmdMacroManager = 1049;
inline constexpr int kKeyCmdFirstMacro = 1050; // + library index

// The media keys are key slots 8-13 (the programmable keys G9-G14).
inline constexpr int kFirstMediaKeySlot = 8;
inline constexpr int kMediaKeyCount = 6;

enum class MenuCheck { NotCheckable, Unchecked, Checked };

struct KeyMenuEntry {
    int command = 0; // 0: a separator line
    std::string text;
    MenuCheck check = MenuCheck::NotCheckable;
};

struct KeyMenuGroup {
    std::string title;
    std::vector<KeyMenuEntry> entries;
};

// The menu top to bottom: four submenus (macros, media, applications,
// mouse), then four plain entries.
struct KeyMenuLayout {
    std::vector<KeyMenuGroup> submenus;
    std::vector<KeyMenuEntry> entries;
};

// `current` is the entry of the key the menu is opened for: when it holds a
// macro, the library macro of that name (any letter case) is checked.
KeyMenuLayout keyMenuLayout(const TextSource &texts, const MacroLibrary &library,
                            const MacroKeyInfo &current);

// What a chosen command needs next.
enum class KeyCommandResult {
    Ignored,           // unknown command or macro index: nothing changed
    SlotChanged,       // the slot took its new assignment; captions reload
    OpenShortcut,      // the caller runs the shortcut dialog
    OpenLaunchProgram, // the caller runs the launch-program dialog
    OpenMacroManager,  // the caller runs the macro manager
};

// Applies every command that needs no dialog to key slot `slot` (0-14) of
// `profile`: the slot's assignment, its macro fields cleared unless it now
// holds a macro, and its change flag set.
KeyCommandResult applyKeyCommand(ConfigBlock &config, int profile, int slot, int command,
                                 const MacroLibrary &library);

// Key code and modifier bits confirmed in the shortcut dialog. (The
// launch-program dialog's result is assignProgram() of LaunchProgram.h.)
void assignKeyCombination(ConfigBlock &config, int profile, int slot, uint8_t keyCode, uint8_t modifiers);

// The media-player choice of the media keys (MediaOption 0-3).
struct PlayerMenuEntry {
    int command;
    const char *text;
};
// 5001, 5002 and 5004; the player of command 5003 is not offered.
std::span<const PlayerMenuEntry> playerMenuEntries();
// The MediaOption a command of 5001-5004 stores.
std::optional<int32_t> mediaOptionForCommand(int command);
// Caption of the player button; empty for values other than 0-3.
std::string_view playerCaption(int32_t mediaOption);

} // namespace orvyn
