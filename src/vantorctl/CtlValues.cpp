#include "vantorctl/CtlValues.h"

#include <array>
#include <cstring>
#include <memory>

#include "editing/AdvancedValues.h"
#include "editing/MacroLibrary.h"
#include "platform/Text.h"
#include "protocol/ValueRules.h"
#include "shared/ProfileDomain.h"
#include "vantorctl/CtlEnvironment.h"

namespace orvyn::ctl {

namespace {

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::optional<int32_t> parseInt(std::string_view text) {
    return parseWhole<int32_t>(text);
}

std::string joined(const std::vector<std::string> &words) {
    std::string out;
    for (const std::string &w : words) {
        if (w.empty())
            continue;
        out += out.empty() ? "" : ", ";
        out += w;
    }
    return out;
}

// Function codes of the menu's multimedia and applications entries, in menu
// order, with the texts the menu shows.
struct MenuFunction {
    unsigned textId;
    KeyFunction function;
};

constexpr KeyFunction media(uint16_t code) {
    return KeyFunction{AssignType::MediaFunction, 0, code};
}

constexpr std::array<MenuFunction, 18> kMediaFunctions = {{
    {1079, media(178)},
    {1080, media(176)},
    {1081, media(177)},
    {1082, media(196)},
    {1083, media(187)},
    {1084, media(185)},
    {1085, media(186)},
    {1086, media(184)},
    {1088, media(179)},
    {1089, media(180)},
    {1090, media(189)},
    {1091, media(190)},
    {1092, media(191)},
    {1093, media(199)},
    {1094, media(193)},
    {1095, media(183)},
    {1096, media(197)},
    {1097, media(198)},
}};

constexpr std::array<MenuFunction, 7> kMouseFunctions = {{
    {1024, {AssignType::MouseButton, 1, 0}},
    {1025, {AssignType::MouseButton, 2, 0}},
    {1026, {AssignType::MouseButton, 3, 0}},
    {1027, {AssignType::MouseButton, 4, 0}},
    {1028, {AssignType::MouseButton, 5, 0}},
    {1029, {AssignType::MouseGroupFunction, 0, 0}},
    {1030, {AssignType::SingleFunction, 0, 0}},
}};

std::vector<MenuFunction> menuFunctions(FunctionGroup group) {
    if (group == FunctionGroup::Media)
        return {kMediaFunctions.begin(), kMediaFunctions.end()};
    return {kMouseFunctions.begin(), kMouseFunctions.end()};
}

constexpr int kProfileNameChars = 20; // what the profile dialog lets one type

// Characters of UTF-8 text (continuation bytes not counted).
std::size_t characterCount(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

Parsed<bool> parseOnOff(std::string_view value, std::string_view what) {
    for (std::string_view on : {"on", "1", "yes", "true"})
        if (equalsAsciiNoCase(value, on))
            return {true, {}};
    for (std::string_view off : {"off", "0", "no", "false"})
        if (equalsAsciiNoCase(value, off))
            return {false, {}};
    return Parsed<bool>::fail(
        said(QT_TRANSLATE_NOOP("vantorctl", "%1 takes on or off, not %2."), {what, quoted(value)}));
}

Parsed<int32_t> parseEffect(std::string_view value, const TextSource &texts) {
    std::vector<std::string> names;
    for (int i = 0; i < static_cast<int>(kLightingControls.size()); ++i) {
        names.push_back(texts.text(ltControlMenuTextId(i)));
        if (!names.back().empty() && sameWord(value, names.back()))
            return {lightingControlAt(i), {}};
    }
    if (const auto n = parseInt(value)) {
        if (isLightingControl(*n))
            return {*n, {}};
    }
    return Parsed<int32_t>::fail(said(
        QT_TRANSLATE_NOOP("vantorctl", "Unknown lighting effect %1: use one of %2 (or 1, 2, 4, 8, 16, 32)."),
        {quoted(value), joined(names)}));
}

Parsed<int32_t> parseColour(std::string_view value, const TextSource &texts) {
    std::vector<std::string> names;
    for (int32_t v = kLightingColourFirst; v <= kLightingColourCycle; ++v) {
        names.push_back(texts.text(ltColorCaptionTextId(v)));
        if (!names.back().empty() && sameWord(value, names.back()))
            return {v, {}};
    }
    if (const auto n = parseInt(value)) {
        if (isLightingColour(*n))
            return {*n, {}};
        return Parsed<int32_t>::fail(
            said(QT_TRANSLATE_NOOP("vantorctl", "Colour %1 is out of range: use 1-7 or one of %2."),
                 {value, joined(names)}));
    }
    return Parsed<int32_t>::fail(
        said(QT_TRANSLATE_NOOP("vantorctl", "Unknown colour %1: use one of %2 (or 1-7)."),
             {quoted(value), joined(names)}));
}

Parsed<int32_t> parsePolling(std::string_view value) {
    std::string_view number = value;
    if (number.size() > 2 && equalsAsciiNoCase(number.substr(number.size() - 2), "hz"))
        number.remove_suffix(2);
    if (const auto n = parseInt(number)) {
        if (const auto stored = pollingRateOfHertz(*n))
            return {*stored, {}};
    }
    return Parsed<int32_t>::fail(
        said(QT_TRANSLATE_NOOP("vantorctl", "Polling rate %1 is not one of 125, 500, 1000 (Hz)."),
             {quoted(value)}));
}

} // namespace

bool sameWord(std::string_view a, std::string_view b) {
    // Blanks, "-" and "_" are the same, so "lights-off" names "Lights Off".
    auto norm = [](char c) { return c == '-' || c == '_' ? ' ' : asciiLower(c); };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (norm(a[i]) != norm(b[i]))
            return false;
    return true;
}

Parsed<int> parseProfile(std::string_view text) {
    const auto n = parseInt(text);
    if (!n || *n < 1 || *n > kProfileCount)
        return Parsed<int>::fail(said(
            QT_TRANSLATE_NOOP("vantorctl", "Profile %1 does not exist: profiles are 1-5."), {quoted(text)}));
    return {*n - 1, {}};
}

Parsed<int> parseKeySlot(std::string_view text) {
    if (text.size() >= 2 && asciiLower(text[0]) == 'g') {
        const auto n = parseInt(text.substr(1));
        if (n && *n >= 1 && *n <= kKeyboardSlotCount)
            return {*n - 1, {}};
    }
    return Parsed<int>::fail(said(
        QT_TRANSLATE_NOOP("vantorctl", "Unknown key %1: the programmable keys are G1-G15."), {quoted(text)}));
}

Parsed<Setting> parseSetting(std::string_view assignment, const TextSource &texts) {
    const auto eq = assignment.find('=');
    if (eq == std::string_view::npos || eq == 0)
        return Parsed<Setting>::fail(
            said(QT_TRANSLATE_NOOP("vantorctl", "Expected KEY=VALUE, not %1."), {quoted(assignment)}));
    const std::string_view key = assignment.substr(0, eq);
    const std::string_view value = assignment.substr(eq + 1);
    Setting s{};
    if (sameWord(key, "effect")) {
        const auto v = parseEffect(value, texts);
        if (!v.ok())
            return Parsed<Setting>::fail(v.error);
        s.field = Setting::Field::Effect;
        s.number = *v.value;
    } else if (sameWord(key, "colour") || sameWord(key, "color")) {
        const auto v = parseColour(value, texts);
        if (!v.ok())
            return Parsed<Setting>::fail(v.error);
        s.field = Setting::Field::Colour;
        s.number = *v.value;
    } else if (sameWord(key, "polling")) {
        const auto v = parsePolling(value);
        if (!v.ok())
            return Parsed<Setting>::fail(v.error);
        s.field = Setting::Field::Polling;
        s.number = *v.value;
    } else if (sameWord(key, "winlock") || sameWord(key, "powersaving") || sameWord(key, "power saving")) {
        const bool winlock = sameWord(key, "winlock");
        const auto v = parseOnOff(value, winlock ? "winlock" : "powersaving");
        if (!v.ok())
            return Parsed<Setting>::fail(v.error);
        s.field = winlock ? Setting::Field::WinLock : Setting::Field::PowerSaving;
        s.number = *v.value ? 1 : 0;
    } else if (sameWord(key, "name")) {
        if (characterCount(value) > kProfileNameChars)
            return Parsed<Setting>::fail("A profile name has at most 20 characters; " + quoted(value) +
                                         " has " + std::to_string(characterCount(value)) + ".");
        s.field = Setting::Field::Name;
        s.text = std::string(value);
    } else if (sameWord(key, "game")) {
        if (value.size() > static_cast<std::size_t>(kGameFileMax))
            return Parsed<Setting>::fail(
                said(QT_TRANSLATE_NOOP(
                         "vantorctl", "The game program's path is longer than the %1 bytes a profile holds."),
                     {std::to_string(kGameFileMax)}));
        s.field = Setting::Field::Game;
        s.text = std::string(value);
    } else {
        return Parsed<Setting>::fail(
            said(QT_TRANSLATE_NOOP(
                     "vantorctl",
                     "Unknown setting %1: use effect, colour, polling, winlock, powersaving, name or game."),
                 {quoted(key)}));
    }
    // The check every import passes, on the value alone (a factory profile
    // around it).
    auto scratch = std::make_unique<ProfileData>();
    std::memset(scratch.get(), 0, sizeof(ProfileData));
    makeDefaultProfile(*scratch, 0, "Profile");
    applySetting(*scratch, s);
    const std::vector<DomainViolation> faults = profileViolations(*scratch, 1);
    if (!faults.empty())
        //: A refused setting's reason (already translated) as a sentence.
        return Parsed<Setting>::fail(
            said(QT_TRANSLATE_NOOP("vantorctl", "%1."), {faults.front().message(key)}));
    return {s, {}};
}

void applySetting(ProfileData &profile, const Setting &setting) {
    switch (setting.field) {
    case Setting::Field::Effect:
        profile.LtControl = setting.number;
        break;
    case Setting::Field::Colour:
        profile.LtColor = setting.number;
        break;
    case Setting::Field::Polling:
        profile.PollingRate = setting.number;
        break;
    case Setting::Field::WinLock:
        // The Advanced page's lock buttons store this switch alone.
        profile.winKeyLock() = setting.number;
        break;
    case Setting::Field::PowerSaving:
        profile.ECOMode = setting.number;
        break;
    case Setting::Field::Name:
        setFixed(profile.ProFileName, setting.text);
        break;
    case Setting::Field::Game:
        setFixed(profile.GameFile, setting.text);
        break;
    }
}

Parsed<KeyCombination> parseKeyCombination(std::string_view text, const KeyCodeTable &keys) {
    struct Modifier {
        std::string_view prefix;
        uint8_t bit;
    };
    constexpr Modifier kModifiers[] = {
        {"ctrl+", kModCtrl}, {"shift+", kModShift}, {"alt+", kModAlt}, {"win+", kModWin}};
    KeyCombination combination;
    std::string_view rest = text;
    // Prefixes, not a split at "+": the keypad's "(+)" is a key name.
    for (bool found = true; found;) {
        found = false;
        for (const Modifier &m : kModifiers) {
            if (rest.size() > m.prefix.size() &&
                equalsAsciiNoCase(rest.substr(0, m.prefix.size()), m.prefix)) {
                combination.modifiers |= m.bit;
                rest.remove_prefix(m.prefix.size());
                found = true;
            }
        }
    }
    for (uint32_t vk = 1; vk < 256; ++vk) {
        // The picture's label or the key-name table's name, either.
        const std::string_view name = equalsAsciiNoCase(keyName(vk, KeyNames::Labels), rest)
                                          ? keyName(vk, KeyNames::Labels)
                                          : keyName(vk);
        if (name.empty() || !equalsAsciiNoCase(name, rest))
            continue;
        const auto code = keys.keyCode(vk);
        if (!code)
            break;
        if (*code > 0xFF || *code >= 241)
            return Parsed<KeyCombination>::fail(
                said(QT_TRANSLATE_NOOP(
                         "vantorctl",
                         "The mouse button %1 can only be a step of a macro, not a key's combination."),
                     {quoted(name)}));
        combination.keyCode = static_cast<uint8_t>(*code);
        return {combination, {}};
    }
    return Parsed<KeyCombination>::fail(
        said(QT_TRANSLATE_NOOP("vantorctl", "Unknown key %1 in %2: write it with the English key names, "
                                            "e.g. Ctrl+Alt+X or Shift+Page Down (vantorctl functions "
                                            "lists them)."),
             {quoted(rest), quoted(text)}));
}

Parsed<KeyFunction> findFunction(FunctionGroup group, std::string_view name, const TextSource &texts) {
    for (const MenuFunction &f : menuFunctions(group)) {
        const std::string text = texts.text(f.textId);
        if (!text.empty() && sameWord(text, name))
            return {f.function, {}};
    }
    return Parsed<KeyFunction>::fail(
        said(group == FunctionGroup::Media
                 ? QT_TRANSLATE_NOOP("vantorctl", "Unknown media function %1: use one of %2.")
                 : QT_TRANSLATE_NOOP("vantorctl", "Unknown mouse function %1: use one of %2."),
             {quoted(name), joined(functionNames(group, texts))}));
}

std::vector<std::string> functionNames(FunctionGroup group, const TextSource &texts) {
    std::vector<std::string> names;
    for (const MenuFunction &f : menuFunctions(group))
        names.push_back(texts.text(f.textId));
    return names;
}

std::vector<std::string> keyNames(const KeyCodeTable &keys) {
    std::vector<std::string> names;
    for (const KeyCodeRow &row : KeyCodeTable::rows()) {
        if (row.keyCode <= 0 || row.keyCode >= 241)
            continue;
        const auto vk = keys.virtualKey(static_cast<uint32_t>(row.keyCode));
        const std::string_view name = vk ? keyName(*vk, KeyNames::Labels) : std::string_view();
        if (!name.empty())
            names.emplace_back(name);
    }
    return names;
}

void assignFunction(ConfigBlock &config, int profile, int slot, const KeyFunction &function) {
    MacroKeyInfo &key = config.profiles[profile].keys[slot];
    key.type = static_cast<uint8_t>(function.type);
    key.flags = function.flags;
    key.code = function.code;
    clearKeyMacro(key);
    config.flags.keySlot[profile][slot] = 1;
}

void assignFactoryEntry(ConfigBlock &config, int profile, int slot) {
    const FactoryKeyEntry &factory = kFactoryKeyEntries[slot];
    assignFunction(config, profile, slot,
                   KeyFunction{static_cast<AssignType>(factory.type), factory.flags, factory.code});
}

std::string pollingText(int32_t pollingRate) {
    if (const auto rate = pollingRateOfStored(pollingRate))
        return std::to_string(rate->hertz) + " Hz";
    return "unknown (" + std::to_string(pollingRate) + ")";
}

std::string switchText(int32_t value) {
    switch (value) {
    case 0:
        return "off";
    case 1:
        return "on";
    default:
        return "unknown (" + std::to_string(value) + ")";
    }
}

} // namespace orvyn::ctl
