#include "editing/KeyCapture.h"

namespace orvyn {

namespace {

constexpr uint32_t kVkReturn = 13;
constexpr uint32_t kVkKeypadEnter = 108;
constexpr uint8_t kModifierBits[4] = {kModCtrl, kModShift, kModAlt, kModWin};
constexpr int kLastMouseMenuCommand = 1020;

} // namespace

uint32_t capturedVirtualKey(uint32_t virtualKey, uint32_t flags) {
    return virtualKey == kVkReturn && (flags & kKeyFlagExtended) ? kVkKeypadEnter : virtualKey;
}

std::optional<uint32_t> capturedKeyCode(const Keystroke &keystroke, const KeyCodeTable &keys) {
    if (keystroke.scanCode != 0 && !keystroke.extended())
        if (const auto code = KeyCodeTable::keyCodeAtScan(keystroke.scanCode))
            return code;
    return keys.keyCode(capturedVirtualKey(keystroke.virtualKey, keystroke.flags));
}

std::string keyNameOfCode(uint32_t keyCode, const KeyCodeTable &keys) {
    const auto vk = keys.virtualKey(keyCode);
    return vk ? shownKeyName(*vk) : std::string();
}

ShortcutChoice ShortcutChoice::fromSlot(const MacroKeyInfo &key) {
    ShortcutChoice choice;
    choice.keyCode_ = static_cast<uint8_t>(key.code & 0xFF);
    for (int i = 0; i < 4; ++i)
        choice.flags_[Ctrl + i] = (key.flags & kModifierBits[i]) != 0;
    return choice;
}

std::string ShortcutChoice::capture(const Keystroke &keystroke, const KeyCodeTable &keys) {
    const auto code = capturedKeyCode(keystroke, keys);
    keyCode_ = code ? static_cast<uint8_t>(*code) : 0;
    return shownKeyName(capturedVirtualKey(keystroke.virtualKey, keystroke.flags));
}

std::array<ShortcutChoice::ToggleLook, ShortcutChoice::kToggleCount> ShortcutChoice::toggleLooks() const {
    std::array<ToggleLook, kToggleCount> looks;
    if (flags_[NoModifier]) {
        looks[NoModifier] = {true, true};
        for (int t = Ctrl; t <= Win; ++t)
            looks[t] = {std::nullopt, false};
        return looks;
    }
    for (int t = 0; t < kToggleCount; ++t)
        looks[t] = {flags_[t], true};
    return looks;
}

uint8_t ShortcutChoice::modifierBits() const {
    if (flags_[NoModifier])
        return 0;
    uint8_t bits = 0;
    for (int i = 0; i < 4; ++i)
        if (flags_[Ctrl + i])
            bits |= kModifierBits[i];
    return bits;
}

SwapKeyChoice::SwapKeyChoice(int position, uint8_t initialCode, const KeyCodeTable &keys,
                             const TextSource &texts)
    : position_(position), keys_(keys), texts_(texts) {
    titleText_ = keyNameOfCode(initialCode, keys_);
    if (initialCode >= kFirstMouseFunctionCode) {
        // Mouse function n is code 241 + n and is named by text 1024 + n.
        function_ = initialCode - kFirstMouseFunctionCode;
        titleText_ = texts_.text(kFirstMouseFunctionText + static_cast<unsigned>(function_));
        mode_ = Mode::MouseFunction;
    }
}

std::string SwapKeyChoice::functionName() const {
    return texts_.text(kFirstMouseFunctionText + static_cast<unsigned>(function_));
}

std::optional<std::string> SwapKeyChoice::capture(const Keystroke &keystroke) {
    const auto code = capturedKeyCode(keystroke, keys_);
    if (!code)
        return std::nullopt;
    resultCode_ = static_cast<uint8_t>(*code);
    return shownKeyName(capturedVirtualKey(keystroke.virtualKey, keystroke.flags));
}

std::optional<std::string> SwapKeyChoice::restore() {
    if (position_ < 0 || position_ >= kStandardKeyCount)
        return std::nullopt;
    const uint8_t code = kDefaultStandardKeys[position_];
    const auto vk = keys_.virtualKey(code);
    if (!vk)
        return std::nullopt;
    resultCode_ = code;
    mode_ = Mode::Key;
    return shownKeyName(*vk);
}

void SwapKeyChoice::chooseFunction(int command) {
    const int n = command - kMouseFunctionFirstCommand;
    if (n >= 0 && n < kMouseFunctionCount)
        function_ = n;
    else if (command >= kMouseFunctionFirstCommand && command <= kLastMouseMenuCommand)
        function_ = 0;
}

uint8_t SwapKeyChoice::accept() {
    if (mode_ == Mode::MouseFunction)
        resultCode_ = static_cast<uint8_t>(kFirstMouseFunctionCode + function_);
    return resultCode_;
}

bool standardKeyRemapped(const ProfileData &profile, int position) {
    if (position < 0 || position >= kStandardKeyCount)
        return false;
    return profile.standardkey[position] != kDefaultStandardKeys[position];
}

bool storeStandardKey(ConfigBlock &config, int profile, int position, uint8_t code) {
    if (code == 0 || !isValidProfile(profile) || position < 0 || position >= kStandardKeyCount)
        return false;
    config.profiles[profile].standardkey[position] = code;
    config.flags.standardKey[profile] = 1;
    return true;
}

} // namespace orvyn
