#include "shared/ProfileDomain.h"

#include <array>
#include <cstring>
#include <memory>

#include "platform/LocalText.h"
#include "protocol/ValueRules.h"

namespace orvyn {

namespace {

// Faults several fields share.
constexpr const char *kNotAByte = QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not a byte (0-255)");
constexpr const char *kNeitherZeroNorOne = QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is neither 0 nor 1");

std::array<uint8_t, 256> makeMatrixCodes() {
    std::array<uint8_t, 256> sent{};
    for (uint8_t code : kFactoryKeyMatrix)
        if (code != 0)
            sent[code] = 1;
    return sent;
}

// What the field is called in a profile file.
const char *fieldName(DomainField f) {
    switch (f) {
    case DomainField::ProfileName:
        return "ProFileName";
    case DomainField::GameFile:
        return "GameFile";
    case DomainField::MediaOption:
        return "MediaOption";
    case DomainField::HddKeyboard:
        return "HDDKeyboard";
    case DomainField::LtSwitch:
        return "LtSwitch";
    case DomainField::LtEffectType:
        return "LtEffectType";
    case DomainField::LtFlag:
        return "LtFlag";
    case DomainField::LtColor:
        return "LtColor";
    case DomainField::LtControl:
        return "LtControl";
    case DomainField::LtSaving:
        return "LtSaving";
    case DomainField::LtTimeout:
        return "LtTimeout";
    case DomainField::EcoMode:
        return "ECOMode";
    case DomainField::PollingRate:
        return "PollingRate";
    case DomainField::ModifyKey:
        return "ModifyKey";
    case DomainField::StandardKey:
        return "standardkey";
    case DomainField::KeyType:
        return "type";
    case DomainField::KeyFlags:
        return "flags";
    case DomainField::KeyCode:
        return "code";
    case DomainField::MacroName:
        return "macroName";
    case DomainField::EventCount:
        return "eventCount";
    case DomainField::RepeatCount:
        return "repeatCount";
    case DomainField::EventKey:
        return "key";
    case DomainField::EventState:
        return "state";
    case DomainField::ProgramPath:
        return "programPath";
    }
    return "?";
}

// A text as a value in a message: quoted, control bytes as \xNN.
std::string quotedText(std::string_view text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F || c == '"' || c == '\\') {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

class Collector {
public:
    Collector(std::vector<DomainViolation> &out, std::size_t limit) : out_(out), limit_(limit) {}
    bool full() const { return out_.size() >= limit_; }
    void add(DomainField field, int index, int step, std::string value, const char *why,
             std::string detail = {}) {
        if (!full())
            out_.push_back(DomainViolation{field, index, step, std::move(value), why, std::move(detail)});
    }
    void number(DomainField field, int index, int64_t value, bool ok, const char *why,
                std::string detail = {}) {
        if (!ok)
            add(field, index, -1, std::to_string(value), why, std::move(detail));
    }
    // A fixed text field: terminated inside its bytes, no control characters.
    void text(DomainField field, int index, const char *bytes, std::size_t size) {
        if (!std::memchr(bytes, '\0', size)) {
            add(field, index, -1, quotedText(std::string_view(bytes, size)),
                QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 has no terminating NUL within its %3 bytes"),
                std::to_string(size));
            return;
        }
        const std::string_view t = fixedString(bytes, size);
        if (const char *fault = textFault(t))
            add(field, index, -1, quotedText(t), fault);
    }

private:
    std::vector<DomainViolation> &out_;
    std::size_t limit_;
};

bool inRange(int64_t v, int64_t lo, int64_t hi) {
    return v >= lo && v <= hi;
}

// A key code a combination (type 2, 9) or a single key (type 10) sends:
// a key of KeyCodeTable, not a mouse button.
bool isKeyOfKeyboard(unsigned code) {
    return isTableKeyCode(code) && !isMouseButtonCode(code);
}

void checkMacro(Collector &c, const MacroKeyInfo &key, int slot) {
    c.text(DomainField::MacroName, slot, key.macroName, sizeof key.macroName);
    c.number(DomainField::RepeatCount, slot, key.repeatCount, inRange(key.repeatCount, 0, 255),
             QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not a repeat count (0-255)"));
    if (key.eventCount > kMacroEventCapacity) {
        c.number(DomainField::EventCount, slot, key.eventCount, false,
                 QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is more than the 50 steps a key holds"));
        return;
    }
    for (int i = 0; i < key.eventCount && !c.full(); ++i) {
        const MacroEvent &e = key.events[i];
        if (!isMacroStepKeyCode(e.key))
            c.add(DomainField::EventKey, slot, i, std::to_string(e.key),
                  QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not a key or mouse-button code"));
        if (e.state != kEventPress && e.state != kEventRelease)
            c.add(DomainField::EventState, slot, i, std::to_string(e.state),
                  QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is neither 1 (press) nor 2 (release)"));
    }
}

// Type, flags and code as the assignment table and the
// read-back of report 8 can give them.
void checkKey(Collector &c, const MacroKeyInfo &key, int slot) {
    const unsigned flags = key.flags;
    const unsigned code = key.code;
    auto flagsMust = [&](bool ok, const char *why, std::string detail = {}) {
        c.number(DomainField::KeyFlags, slot, flags, ok, why, std::move(detail));
    };
    auto codeMust = [&](bool ok, const char *why) { c.number(DomainField::KeyCode, slot, code, ok, why); };
    switch (key.type) {
    case static_cast<uint8_t>(AssignType::Unassigned):
    case static_cast<uint8_t>(AssignType::DefaultFunction):
    case static_cast<uint8_t>(AssignType::Macro):
    case static_cast<uint8_t>(AssignType::SingleFunction):
    case static_cast<uint8_t>(AssignType::MouseGroupFunction):
        flagsMust(flags == 0, QT_TRANSLATE_NOOP("ProfileCheck",
                                                "%1: %2 is not 0, the only flags of this assignment type"));
        codeMust(code == 0,
                 QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not 0, the only code of this assignment type"));
        if (key.type == static_cast<uint8_t>(AssignType::Macro))
            checkMacro(c, key, slot);
        break;
    case static_cast<uint8_t>(AssignType::KeyCombination):
    case static_cast<uint8_t>(AssignType::ReadBackCombination):
        flagsMust(flags <= (kModCtrl | kModShift | kModAlt | kModWin),
                  QT_TRANSLATE_NOOP("ProfileCheck",
                                    "%1: %2 is not a set of modifiers (1 Ctrl, 2 Shift, 4 Alt, 8 Win)"));
        codeMust(code == 0 || isKeyOfKeyboard(code),
                 QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not a key code"));
        break;
    case static_cast<uint8_t>(AssignType::KeyboardFunction):
        flagsMust(flags == 1 || (flags >= 4 && flags <= 7),
                  QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not a keyboard function (1, 4-7)"));
        codeMust(code == 0,
                 QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not 0, the only code of a keyboard function"));
        break;
    case static_cast<uint8_t>(AssignType::MediaFunction):
        flagsMust(flags == 0,
                  QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not 0, the only flags of a media function"));
        codeMust(
            code >= 176 && code <= 199,
            QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not a media or application function (176-199)"));
        break;
    case static_cast<uint8_t>(AssignType::MouseButton):
        flagsMust(flags >= 1 && flags <= 5,
                  QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not a mouse button (1-5)"));
        codeMust(code == 0, QT_TRANSLATE_NOOP("ProfileCheck",
                                              "%1: %2 is not 0, the only code of a mouse-button function"));
        break;
    case static_cast<uint8_t>(AssignType::SingleKey):
        flagsMust(flags == 0,
                  QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not 0, the only flags of a single key"));
        codeMust(isKeyOfKeyboard(code), QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not a key code"));
        break;
    case static_cast<uint8_t>(AssignType::LaunchProgram):
        flagsMust(flags == static_cast<unsigned>(slot) + 1,
                  QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not %3, the key's number"),
                  std::to_string(slot + 1));
        codeMust(code == 0,
                 QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not 0, the only code of a program key"));
        c.text(DomainField::ProgramPath, slot, key.programPath, sizeof key.programPath);
        break;
    default:
        c.add(DomainField::KeyType, slot, -1, std::to_string(key.type),
              QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not an assignment type"));
        break;
    }
}

} // namespace

bool isMacroStepKeyCode(unsigned code) {
    static const std::array<uint8_t, 256> kMatrixCodes = makeMatrixCodes();
    return isTableKeyCode(code) || (code < 256 && kMatrixCodes[code] != 0);
}

std::string DomainViolation::fileField() const {
    switch (field) {
    case DomainField::ModifyKey:
        return "ModifyKey" + std::to_string(index);
    case DomainField::StandardKey:
        return "standardkey[" + std::to_string(index) + "]";
    default:
        break;
    }
    if (!inKeySlot())
        return fieldName(field);
    std::string name = "MacroKeyInfo" + std::to_string(index) + ".";
    if (field == DomainField::EventKey || field == DomainField::EventState)
        name += "events[" + std::to_string(step) + "].";
    return name + fieldName(field);
}

std::string DomainViolation::message(std::string_view fieldPath) const {
    return localText("ProfileCheck", why, {fieldPath, value, detail});
}

std::string DomainViolation::message() const {
    return message(fileField());
}

const char *textFault(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F)
            return QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 contains a control character");
        const auto next = [&](std::size_t k) {
            return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u;
        };
        if (c == 0xC2 && next(1) >= 0x80 && next(1) <= 0x9F)
            return QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 contains a control character");
        if (c == 0xE2 && ((next(1) == 0x80 && next(2) >= 0xAA && next(2) <= 0xAE) ||
                          (next(1) == 0x81 && next(2) >= 0xA6 && next(2) <= 0xA9)))
            return QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 contains a bidirectional override");
    }
    return nullptr;
}

std::vector<DomainViolation> profileViolations(const ProfileData &p, std::size_t limit) {
    std::vector<DomainViolation> out;
    Collector c(out, limit);
    c.text(DomainField::ProfileName, -1, p.ProFileName, sizeof p.ProFileName);
    c.text(DomainField::GameFile, -1, p.GameFile, sizeof p.GameFile);
    c.number(DomainField::MediaOption, -1, p.MediaOption, inRange(p.MediaOption, 0, 3),
             QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not a media player (0-3)"));
    c.number(DomainField::HddKeyboard, -1, p.HDDKeyboard, inRange(p.HDDKeyboard, 0, 1), kNeitherZeroNorOne);
    // The keyboard keeps these as bytes and reports them as bytes.
    c.number(DomainField::LtSwitch, -1, p.LtSwitch, inRange(p.LtSwitch, 0, 255), kNotAByte);
    c.number(DomainField::LtEffectType, -1, p.LtEffectType, inRange(p.LtEffectType, 0, 255), kNotAByte);
    c.number(DomainField::LtFlag, -1, p.LtFlag, inRange(p.LtFlag, 0, 1), kNeitherZeroNorOne);
    // 0 comes back from the keyboard after LtControl 32 sent the colour as 0.
    c.number(DomainField::LtColor, -1, p.LtColor, isStoredLightingColour(p.LtColor),
             QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not a lighting colour (0-7)"));
    c.number(
        DomainField::LtControl, -1, p.LtControl, isLightingControl(p.LtControl),
        QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not a lighting control value (1, 2, 4, 8, 16, 32)"));
    c.number(DomainField::LtSaving, -1, p.LtSaving, inRange(p.LtSaving, 0, 255), kNotAByte);
    c.number(DomainField::LtTimeout, -1, p.LtTimeout, inRange(p.LtTimeout, 0, 255), kNotAByte);
    c.number(DomainField::EcoMode, -1, p.ECOMode, inRange(p.ECOMode, 0, 1), kNeitherZeroNorOne);
    c.number(DomainField::PollingRate, -1, p.PollingRate, isPollingRate(p.PollingRate),
             QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not a polling rate (1, 2, 4)"));
    for (int i = 0; i < 6; ++i)
        c.number(DomainField::ModifyKey, i, p.ModifyKey[i], inRange(p.ModifyKey[i], 0, 1),
                 kNeitherZeroNorOne);
    for (int n = 0; n < kStandardKeyCount; ++n) {
        const uint8_t code = p.standardkey[n];
        // A key's own default is always allowed (220, the left Windows key
        // of position 70, has no KeyCodeTable row); mouse buttons are what
        // the swap dialog's mouse functions store.
        c.number(DomainField::StandardKey, n, code, code == kDefaultStandardKeys[n] || isTableKeyCode(code),
                 QT_TRANSLATE_NOOP("ProfileCheck", "%1: %2 is not a key or mouse-button code"));
    }
    for (int k = 0; k < kKeySlotCount && !c.full(); ++k)
        checkKey(c, p.keys[k], k);
    return out;
}

int repairProfile(ProfileData &profile, int n, std::string_view nameText,
                  const std::function<void(const std::string &line)> &report) {
    const std::vector<DomainViolation> faults = profileViolations(profile);
    if (faults.empty())
        return 0;
    auto factory = std::make_unique<ProfileData>(profile);
    makeDefaultProfile(*factory, n, nameText);
    for (const DomainViolation &v : faults) {
        switch (v.field) {
        case DomainField::ProfileName:
            std::memcpy(profile.ProFileName, factory->ProFileName, sizeof profile.ProFileName);
            break;
        case DomainField::GameFile:
            std::memcpy(profile.GameFile, factory->GameFile, sizeof profile.GameFile);
            break;
        case DomainField::MediaOption:
            profile.MediaOption = factory->MediaOption;
            break;
        case DomainField::HddKeyboard:
            profile.HDDKeyboard = factory->HDDKeyboard;
            break;
        case DomainField::LtSwitch:
            profile.LtSwitch = factory->LtSwitch;
            break;
        case DomainField::LtEffectType:
            profile.LtEffectType = factory->LtEffectType;
            break;
        case DomainField::LtFlag:
            profile.LtFlag = factory->LtFlag;
            break;
        case DomainField::LtColor:
            profile.LtColor = factory->LtColor;
            break;
        case DomainField::LtControl:
            profile.LtControl = factory->LtControl;
            break;
        case DomainField::LtSaving:
            profile.LtSaving = factory->LtSaving;
            break;
        case DomainField::LtTimeout:
            profile.LtTimeout = factory->LtTimeout;
            break;
        case DomainField::EcoMode:
            profile.ECOMode = factory->ECOMode;
            break;
        case DomainField::PollingRate:
            profile.PollingRate = factory->PollingRate;
            break;
        case DomainField::ModifyKey:
            profile.ModifyKey[v.index] = factory->ModifyKey[v.index];
            break;
        case DomainField::StandardKey:
            profile.standardkey[v.index] = factory->standardkey[v.index];
            break;
        default:
            // Type, flags, code and macro belong together: the whole slot
            // becomes its factory entry.
            profile.keys[v.index] = factory->keys[v.index];
            break;
        }
        if (report)
            report(localText("ProfileCheck",
                             QT_TRANSLATE_NOOP("ProfileCheck", "%1; replaced by its factory value"),
                             {v.message()}));
    }
    return static_cast<int>(faults.size());
}

} // namespace orvyn
