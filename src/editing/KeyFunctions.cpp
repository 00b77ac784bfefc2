#include "editing/KeyFunctions.h"

#include <array>
#include <cstring>

#include "platform/Text.h"

namespace orvyn {

namespace {

constexpr unsigned kMacroMenuTitle = 1071;
constexpr unsigned kMacroManagerText = 1067;
constexpr unsigned kMediaMenuTitle = 1078;
constexpr unsigned kApplicationMenuTitle = 1087;
constexpr unsigned kMouseMenuTitle = 1098;

// Function codes of the media and application commands, in command order.
constexpr std::array<uint16_t, 8> kMediaCodes = {178, 176, 177, 196, 187, 185, 186, 184};
constexpr std::array<uint16_t, 10> kApplicationCodes = {179, 180, 189, 190, 191, 199, 193, 183, 197, 198};
constexpr int kMouseButtonCount = 5;

constexpr std::array<PlayerMenuEntry, 3> kPlayerEntries = {{
    {5001, "Windows Media player"},
    {5002, "iTunes"},
    {5004, "Winmap"},
}};
constexpr std::array<std::string_view, 4> kPlayerCaptions = {"Windows Media player", "iTunes", "Real Player",
                                                             "Winmap"};
constexpr int kFirstPlayerCommand = 5001;

KeyMenuEntry entry(int command, std::string text) {
    KeyMenuEntry e;
    e.command = command;
    e.text = std::move(text);
    return e;
}

MacroKeyInfo *slotOf(ConfigBlock &config, int profile, int slot) {
    if (!isValidProfile(profile) || slot < 0 || slot >= kKeyboardSlotCount)
        return nullptr;
    return &config.profiles[profile].keys[slot];
}

// The slot holds its new non-macro assignment.
void setAssignment(ConfigBlock &config, int profile, int slot, AssignType type, uint8_t flags,
                   uint16_t code) {
    MacroKeyInfo &key = config.profiles[profile].keys[slot];
    key.type = static_cast<uint8_t>(type);
    key.flags = flags;
    key.code = code;
    clearKeyMacro(key);
    config.flags.keySlot[profile][slot] = 1;
}

} // namespace

KeyMenuLayout keyMenuLayout(const TextSource &texts, const MacroLibrary &library,
                            const MacroKeyInfo &current) {
    KeyMenuLayout layout;

    KeyMenuGroup macros{texts.text(kMacroMenuTitle),
                        {entry(kKeyCmdMacroManager, texts.text(kMacroManagerText))}};
    if (!library.empty()) {
        macros.entries.push_back(entry(0, {}));
        const bool holdsMacro = current.assignType() == AssignType::Macro;
        const std::string_view currentName = getFixed(current.macroName);
        for (std::size_t n = 0; n < library.size(); ++n) {
            const std::string_view name = getFixed(library.at(static_cast<int>(n))->name);
            KeyMenuEntry e =
                entry(kKeyCmdFirstMacro + static_cast<int>(n), std::string(trim(name, kAsciiWhitespace)));
            e.check =
                holdsMacro && macroNamesMatch(name, currentName) ? MenuCheck::Checked : MenuCheck::Unchecked;
            macros.entries.push_back(std::move(e));
        }
    }
    layout.submenus.push_back(std::move(macros));

    KeyMenuGroup media{texts.text(kMediaMenuTitle), {}};
    for (std::size_t i = 0; i < kMediaCodes.size(); ++i)
        media.entries.push_back(entry(kKeyCmdFirstMedia + static_cast<int>(i), texts.text(1079 + i)));
    layout.submenus.push_back(std::move(media));

    KeyMenuGroup applications{texts.text(kApplicationMenuTitle), {}};
    for (std::size_t i = 0; i < kApplicationCodes.size(); ++i)
        applications.entries.push_back(
            entry(kKeyCmdFirstApplication + static_cast<int>(i), texts.text(1088 + i)));
    layout.submenus.push_back(std::move(applications));

    KeyMenuGroup mouse{texts.text(kMouseMenuTitle), {}};
    for (int i = 0; i < kMouseButtonCount + 2; ++i)
        mouse.entries.push_back(entry(kKeyCmdFirstMouseButton + i, texts.text(1024 + i)));
    layout.submenus.push_back(std::move(mouse));

    layout.entries = {entry(kKeyCmdFactoryEntry, texts.text(1100)), entry(kKeyCmdShortcut, texts.text(1101)),
                      entry(kKeyCmdLaunchProgram, texts.text(1102)),
                      entry(kKeyCmdDefaultFunction, texts.text(1103))};
    return layout;
}

KeyCommandResult applyKeyCommand(ConfigBlock &config, int profile, int slot, int command,
                                 const MacroLibrary &library) {
    MacroKeyInfo *key = slotOf(config, profile, slot);
    if (!key)
        return KeyCommandResult::Ignored;
    switch (command) {
    case kKeyCmdShortcut:
        return KeyCommandResult::OpenShortcut;
    case kKeyCmdLaunchProgram:
        return KeyCommandResult::OpenLaunchProgram;
    case kKeyCmdMacroManager:
        return KeyCommandResult::OpenMacroManager;
    case kKeyCmdFactoryEntry: {
        const FactoryKeyEntry &factory = kFactoryKeyEntries[slot];
        setAssignment(config, profile, slot, static_cast<AssignType>(factory.type), factory.flags,
                      factory.code);
        return KeyCommandResult::SlotChanged;
    }
    case kKeyCmdMouseGroup:
        setAssignment(config, profile, slot, AssignType::MouseGroupFunction, 0, 0);
        return KeyCommandResult::SlotChanged;
    case kKeyCmdSingleFunction:
        setAssignment(config, profile, slot, AssignType::SingleFunction, 0, 0);
        return KeyCommandResult::SlotChanged;
    case kKeyCmdDefaultFunction:
        setAssignment(config, profile, slot, AssignType::DefaultFunction, 0, 0);
        return KeyCommandResult::SlotChanged;
    default:
        break;
    }
    if (command >= kKeyCmdFirstMedia && command < kKeyCmdFirstMedia + static_cast<int>(kMediaCodes.size())) {
        setAssignment(config, profile, slot, AssignType::MediaFunction, 0,
                      kMediaCodes[command - kKeyCmdFirstMedia]);
        return KeyCommandResult::SlotChanged;
    }
    if (command >= kKeyCmdFirstApplication &&
        command < kKeyCmdFirstApplication + static_cast<int>(kApplicationCodes.size())) {
        setAssignment(config, profile, slot, AssignType::MediaFunction, 0,
                      kApplicationCodes[command - kKeyCmdFirstApplication]);
        return KeyCommandResult::SlotChanged;
    }
    if (command >= kKeyCmdFirstMouseButton && command < kKeyCmdFirstMouseButton + kMouseButtonCount) {
        setAssignment(config, profile, slot, AssignType::MouseButton,
                      static_cast<uint8_t>(command - kKeyCmdFirstMouseButton + 1), 0);
        return KeyCommandResult::SlotChanged;
    }
    if (command >= kKeyCmdFirstMacro && library.assign(command - kKeyCmdFirstMacro, config, profile, slot))
        return KeyCommandResult::SlotChanged;
    return KeyCommandResult::Ignored;
}

void assignKeyCombination(ConfigBlock &config, int profile, int slot, uint8_t keyCode, uint8_t modifiers) {
    if (slotOf(config, profile, slot))
        setAssignment(config, profile, slot, AssignType::KeyCombination, modifiers, keyCode);
}

std::span<const PlayerMenuEntry> playerMenuEntries() {
    return kPlayerEntries;
}

std::optional<int32_t> mediaOptionForCommand(int command) {
    const int option = command - kFirstPlayerCommand;
    if (option < 0 || option >= static_cast<int>(kPlayerCaptions.size()))
        return std::nullopt;
    return option;
}

std::string_view playerCaption(int32_t mediaOption) {
    if (mediaOption < 0 || mediaOption >= static_cast<int32_t>(kPlayerCaptions.size()))
        return {};
    return kPlayerCaptions[static_cast<std::size_t>(mediaOption)];
}

} // namespace orvyn
