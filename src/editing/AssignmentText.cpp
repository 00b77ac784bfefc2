#include "editing/AssignmentText.h"

#include "platform/LocalText.h"

namespace orvyn {

namespace {

unsigned mediaText(uint16_t code) {
    switch (code) {
    case 176:
        return 1080;
    case 177:
        return 1081;
    case 178:
        return 1079;
    case 179:
        return 1088;
    case 180:
        return 1089;
    case 183:
        return 1095;
    case 184:
        return 1086;
    case 185:
        return 1084;
    case 186:
        return 1085;
    case 187:
        return 1083;
    case 189:
        return 1090;
    case 190:
        return 1091;
    case 191:
        return 1092;
    case 193:
        return 1094;
    case 196:
        return 1082;
    case 197:
        return 1096;
    case 198:
        return 1097;
    case 199:
        return 1093;
    default:
        return 0;
    }
}

} // namespace

std::string programFileName(std::string_view path) {
    const auto cut = path.find_last_of("/\\");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string AssignmentText::keyCodeName(uint32_t keyCode) const {
    const auto vk = keys_.virtualKey(keyCode);
    if (!vk)
        return {};
    return names_ == KeyNames::Table ? shownKeyName(*vk) : std::string(keyName(*vk, names_));
}

std::string AssignmentText::text(const MacroKeyInfo &entry) const {
    auto mediaName = [this](const char *name) {
        return names_ == KeyNames::Table ? localText("MediaFunction", name) : std::string(name);
    };
    switch (entry.assignType()) {
    case AssignType::DefaultFunction:
        return texts_.text(1103);
    case AssignType::KeyCombination: {
        auto modifier = [this](const char *name) {
            return (names_ == KeyNames::Table ? localText("KeyName", name) : std::string(name)) + "+";
        };
        std::string s;
        if (entry.flags & kModCtrl)
            s += modifier(QT_TRANSLATE_NOOP("KeyName", "Ctrl"));
        if (entry.flags & kModShift)
            s += modifier(QT_TRANSLATE_NOOP("KeyName", "Shift"));
        if (entry.flags & kModAlt)
            s += modifier(QT_TRANSLATE_NOOP("KeyName", "Alt"));
        if (entry.flags & kModWin)
            s += modifier(QT_TRANSLATE_NOOP("KeyName", "Win"));
        return s + keyCodeName(entry.code);
    }
    case AssignType::Macro:
        return std::string(getFixed(entry.macroName));
    case AssignType::KeyboardFunction:
        switch (entry.flags) {
        case 1:
            return texts_.text(1077);
        case 4:
            return texts_.text(1072);
        case 5:
            return texts_.text(1073);
        case 6:
            return texts_.text(1074);
        default:
            return {};
        }
    case AssignType::SingleFunction:
        return texts_.text(1030);
    case AssignType::MediaFunction:
        switch (entry.code) {
        // Three functions without a text of the language library: named
        // here, shown in the user's language, written in English for vantorctl.
        case 192:
            return mediaName(QT_TRANSLATE_NOOP("MediaFunction", "Screensave"));
        case 194:
            return mediaName(QT_TRANSLATE_NOOP("MediaFunction", "Explorer"));
        case 195:
            return mediaName(QT_TRANSLATE_NOOP("MediaFunction", "Minimize"));
        default: {
            const unsigned id = mediaText(entry.code);
            return id ? texts_.text(id) : std::string();
        }
        }
    case AssignType::MouseButton:
        return entry.flags >= 1 && entry.flags <= 5 ? texts_.text(1023u + entry.flags) : std::string();
    case AssignType::MouseGroupFunction:
        return texts_.text(1029);
    case AssignType::SingleKey:
        return keyCodeName(entry.code);
    case AssignType::LaunchProgram:
        return programFileName(getFixed(entry.programPath));
    default:
        return {};
    }
}

} // namespace orvyn
