#include "vantorctl/ProfileJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>
#include <array>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#include "platform/LocalText.h"
#include "shared/ProfileDomain.h"
#include "vantorctl/JsonChecking.h"

namespace orvyn::ctl {

namespace {

QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString keyLabel(int slot) {
    return QStringLiteral("G%1").arg(slot + 1);
}

QJsonObject eventJson(const MacroEvent &e) {
    return QJsonObject{{"key", e.key}, {"state", e.state}, {"delay", e.delay}};
}

QJsonArray eventsJson(const MacroEvent *events, int count) {
    QJsonArray out;
    for (int i = 0; i < count; ++i)
        out.append(eventJson(events[i]));
    return out;
}

std::string dump(const QJsonDocument &doc) {
    return doc.toJson(QJsonDocument::Indented).toStdString();
}

// Where the reader found each key slot and remap position in the document,
// so that a field outside its domain is named as the document names it.
struct JsonPlaces {
    std::array<int, kKeyboardSlotCount> keyIndex;
    std::array<int, kStandardKeyCount> remapIndex;
    JsonPlaces() {
        keyIndex.fill(-1);
        remapIndex.fill(-1);
    }
};

std::string jsonField(const DomainViolation &v, const JsonPlaces &places) {
    const auto at = [](const char *list, int index) {
        return std::string(list) + "[" + std::to_string(index) + "]";
    };
    switch (v.field) {
    case DomainField::ProfileName:
        return "name";
    case DomainField::GameFile:
        return "gameFile";
    case DomainField::MediaOption:
        return "mediaPlayer";
    case DomainField::HddKeyboard:
        return "hddKeyboard";
    case DomainField::LtSwitch:
        return "lighting.switch";
    case DomainField::LtEffectType:
        return "lighting.effectType";
    case DomainField::LtFlag:
        return "lighting.flag";
    case DomainField::LtColor:
        return "lighting.colour";
    case DomainField::LtControl:
        return "lighting.effect";
    case DomainField::LtSaving:
        return "lighting.saving";
    case DomainField::LtTimeout:
        return "lighting.timeout";
    case DomainField::EcoMode:
        return "powerSaving";
    case DomainField::PollingRate:
        return "pollingRate";
    case DomainField::ModifyKey:
        return at("switches", v.index);
    case DomainField::StandardKey: {
        const int i = places.remapIndex[static_cast<std::size_t>(v.index)];
        return i < 0 ? v.fileField() : at("remaps", i) + ".code";
    }
    default:
        break;
    }
    // Key slots 15-31 are not in a document: they keep what they held.
    const int i = v.index < kKeyboardSlotCount ? places.keyIndex[static_cast<std::size_t>(v.index)] : -1;
    if (i < 0)
        return v.fileField();
    const std::string key = at("keys", i);
    switch (v.field) {
    case DomainField::KeyType:
        return key + ".type";
    case DomainField::KeyFlags:
        return key + ".flags";
    case DomainField::KeyCode:
        return key + ".code";
    case DomainField::MacroName:
        return key + ".macro.name";
    case DomainField::RepeatCount:
        return key + ".macro.repeat";
    case DomainField::EventCount:
        return key + ".macro.events";
    case DomainField::EventKey:
        return key + ".macro." + at("events", v.step) + ".key";
    case DomainField::EventState:
        return key + ".macro." + at("events", v.step) + ".state";
    default:
        return key + ".program";
    }
}

void readMacro(JsonChecker &c, const QJsonObject &macro, const std::string &path, MacroKeyInfo &key) {
    c.onlyFields(macro, path, {"name", "repeat", "events"});
    setFixed(key.macroName, c.text(macro, path, "name", sizeof key.macroName - 1));
    key.repeatCount = static_cast<int32_t>(c.integer(macro, path, "repeat", 0, kMacroRepeatMax).value_or(0));
    const auto events = c.array(macro, path, "events");
    if (!events)
        return;
    const std::string eventsPath = JsonChecker::join(path, "events");
    if (events->size() > kMacroEventCapacity) {
        c.fail(eventsPath,
               localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "%1 steps; a key holds at most 50"),
                         {std::to_string(events->size())}));
        return;
    }
    for (qsizetype i = 0; i < events->size(); ++i) {
        const std::string where = JsonChecker::at(eventsPath, i);
        const auto e = c.element(events->at(i), where);
        if (!e)
            return;
        c.onlyFields(*e, where, {"key", "state", "delay"});
        key.events[i].key = static_cast<uint8_t>(c.integer(*e, where, "key", 0, 0xFF).value_or(0));
        key.events[i].state = static_cast<uint8_t>(c.integer(*e, where, "state", 0, 0xFF).value_or(0));
        key.events[i].delay = static_cast<uint16_t>(c.integer(*e, where, "delay", 0, 0xFFFF).value_or(0));
    }
    key.eventCount = static_cast<uint16_t>(events->size());
}

void readKeys(JsonChecker &c, const QJsonArray &keys, ProfileData &out, JsonPlaces &places) {
    if (keys.size() != kKeyboardSlotCount) {
        c.fail("keys",
               localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "%1 keys; a profile has 15 (G1-G15)"),
                         {std::to_string(keys.size())}));
        return;
    }
    std::array<bool, kKeyboardSlotCount> seen{};
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const std::string where = JsonChecker::at("keys", i);
        const auto k = c.element(keys.at(i), where);
        if (!k)
            return;
        c.onlyFields(*k, where, {"key", "type", "flags", "code", "caption", "macro", "program"});
        const auto label = c.field(*k, where, "key");
        int slot = -1;
        for (int s = 0; label && s < kKeyboardSlotCount; ++s)
            if (label->toString().compare(keyLabel(s), Qt::CaseInsensitive) == 0)
                slot = s;
        if (slot < 0 || seen[static_cast<std::size_t>(slot)]) {
            c.fail(JsonChecker::join(where, "key"),
                   slot < 0 ? localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "expected one of G1-G15"))
                            : localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "named twice")));
            return;
        }
        seen[static_cast<std::size_t>(slot)] = true;
        places.keyIndex[static_cast<std::size_t>(slot)] = static_cast<int>(i);
        MacroKeyInfo &key = out.keys[slot];
        std::memset(&key, 0, sizeof key);
        key.slot = static_cast<uint8_t>(slot);
        key.type = static_cast<uint8_t>(c.integer(*k, where, "type", 0, 0xFF).value_or(0));
        key.flags = static_cast<uint8_t>(c.integer(*k, where, "flags", 0, 0xFF).value_or(0));
        key.code = static_cast<uint16_t>(c.integer(*k, where, "code", 0, 0xFFFF).value_or(0));
        if (k->contains("caption") && !k->value("caption").isString())
            c.fail(JsonChecker::join(where, "caption"),
                   localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "expected a text")));

        const bool isMacro = key.assignType() == AssignType::Macro;
        const bool isProgram = key.assignType() == AssignType::LaunchProgram;
        if (isMacro != k->contains("macro"))
            c.fail(JsonChecker::join(where, "macro"),
                   isMacro
                       ? localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "missing (type 3 is a macro)"))
                       : localText(
                             "vantorctl",
                             QT_TRANSLATE_NOOP("vantorctl", "given, but only a macro key (type 3) has one")));
        else if (isMacro)
            if (const auto macro = c.object(*k, where, "macro"))
                readMacro(c, *macro, JsonChecker::join(where, "macro"), key);
        if (isProgram != k->contains("program"))
            c.fail(JsonChecker::join(where, "program"),
                   isProgram
                       ? localText("vantorctl",
                                   QT_TRANSLATE_NOOP("vantorctl", "missing (type 11 starts a program)"))
                       : localText("vantorctl",
                                   QT_TRANSLATE_NOOP("vantorctl",
                                                     "given, but only a program key (type 11) has one")));
        else if (isProgram)
            setFixed(key.programPath, c.text(*k, where, "program", sizeof key.programPath - 1));
        if (c.failed())
            return;
    }
}

void readRemaps(JsonChecker &c, const QJsonArray &remaps, ProfileData &out, JsonPlaces &places) {
    std::memcpy(out.standardkey, kDefaultStandardKeys, sizeof out.standardkey);
    std::array<bool, kStandardKeyCount> seen{};
    for (qsizetype i = 0; i < remaps.size(); ++i) {
        const std::string where = JsonChecker::at("remaps", i);
        const auto r = c.element(remaps.at(i), where);
        if (!r)
            return;
        c.onlyFields(*r, where, {"position", "code", "from", "to"});
        const auto position = c.integer(*r, where, "position", 0, kStandardKeyCount - 1);
        const auto code = c.integer(*r, where, "code", 0, 0xFF);
        if (!position || !code)
            return;
        if (seen[static_cast<std::size_t>(*position)]) {
            c.fail(JsonChecker::join(where, "position"),
                   localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "position %1 is given twice"),
                             {std::to_string(*position)}));
            return;
        }
        seen[static_cast<std::size_t>(*position)] = true;
        places.remapIndex[static_cast<std::size_t>(*position)] = static_cast<int>(i);
        out.standardkey[*position] = static_cast<uint8_t>(*code);
    }
}

} // namespace

std::string profileToJson(const ProfileData &profile, const AssignmentText &captions) {
    QJsonObject lighting{
        {"switch", profile.LtSwitch},   {"effectType", profile.LtEffectType}, {"flag", profile.LtFlag},
        {"colour", profile.LtColor},    {"effect", profile.LtControl},        {"saving", profile.LtSaving},
        {"timeout", profile.LtTimeout},
    };
    QJsonArray switches;
    for (int32_t s : profile.ModifyKey)
        switches.append(s);

    QJsonArray remaps;
    for (int i = 0; i < kStandardKeyCount; ++i) {
        if (profile.standardkey[i] == kDefaultStandardKeys[i])
            continue;
        remaps.append(QJsonObject{{"position", i},
                                  {"code", profile.standardkey[i]},
                                  {"from", qstr(captions.keyCodeName(kDefaultStandardKeys[i]))},
                                  {"to", qstr(captions.keyCodeName(profile.standardkey[i]))}});
    }

    QJsonArray keys;
    for (int slot = 0; slot < kKeyboardSlotCount; ++slot) {
        const MacroKeyInfo &key = profile.keys[slot];
        QJsonObject k{{"key", keyLabel(slot)},
                      {"type", key.type},
                      {"flags", key.flags},
                      {"code", key.code},
                      {"caption", qstr(captions.text(key))}};
        if (key.assignType() == AssignType::Macro) {
            const int count = std::min<int>(key.eventCount, kMacroEventCapacity);
            k.insert("macro", QJsonObject{{"name", qstr(getFixed(key.macroName))},
                                          {"repeat", key.repeatCount},
                                          {"events", eventsJson(key.events, count)}});
        }
        if (key.assignType() == AssignType::LaunchProgram)
            k.insert("program", qstr(getFixed(key.programPath)));
        keys.append(k);
    }

    const QJsonObject root{
        {"format", kProfileJsonFormat},
        {"version", kProfileJsonVersion},
        {"name", qstr(getFixed(profile.ProFileName))},
        {"gameFile", qstr(getFixed(profile.GameFile))},
        {"mediaPlayer", profile.MediaOption},
        {"hddKeyboard", profile.HDDKeyboard},
        {"lighting", lighting},
        {"powerSaving", profile.ECOMode},
        {"pollingRate", profile.PollingRate},
        {"switches", switches},
        {"remaps", remaps},
        {"keys", keys},
    };
    return dump(QJsonDocument(root));
}

JsonImport profileFromJson(const std::string &json, ProfileData &profile) {
    JsonImport result;
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.error = localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "not valid JSON at byte %1: %2"),
                                 {std::to_string(parseError.offset), parseError.errorString().toStdString()});
        return result;
    }
    if (!doc.isObject()) {
        result.error =
            localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "expected a JSON object at the top"));
        return result;
    }
    // The parser keeps the last of two equal names, a profile file's reader
    // the first: a document that names a field twice is refused.
    const std::string twice = firstRepeatedJsonName(json);
    if (!twice.empty()) {
        result.error =
            localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "%1: given more than once"), {twice});
        return result;
    }
    const QJsonObject root = doc.object();
    JsonChecker c;
    if (root.value("format").toString() != QLatin1String(kProfileJsonFormat)) {
        result.error = localText(
            "vantorctl", QT_TRANSLATE_NOOP("vantorctl", "format: expected \"%1\" (not a profile document)"),
            {kProfileJsonFormat});
        return result;
    }
    if (c.integer(root, "", "version", 0, std::numeric_limits<int32_t>::max()).value_or(0) !=
            kProfileJsonVersion &&
        !c.failed())
        c.fail("version",
               localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "this vantorctl reads version %1"),
                         {std::to_string(kProfileJsonVersion)}));
    c.onlyFields(root, "",
                 {"format", "version", "name", "gameFile", "mediaPlayer", "hddKeyboard", "lighting",
                  "powerSaving", "pollingRate", "switches", "remaps", "keys"});

    auto out = std::make_unique<ProfileData>(profile);
    setFixed(out->ProFileName, c.text(root, "", "name", kProfileNameMax));
    setFixed(out->GameFile, c.text(root, "", "gameFile", kGameFileMax));
    out->MediaOption = c.int32(root, "", "mediaPlayer");
    out->HDDKeyboard = c.int32(root, "", "hddKeyboard");
    if (const auto lighting = c.object(root, "", "lighting")) {
        c.onlyFields(*lighting, "lighting",
                     {"switch", "effectType", "flag", "colour", "effect", "saving", "timeout"});
        out->LtSwitch = c.int32(*lighting, "lighting", "switch");
        out->LtEffectType = c.int32(*lighting, "lighting", "effectType");
        out->LtFlag = c.int32(*lighting, "lighting", "flag");
        out->LtColor = c.int32(*lighting, "lighting", "colour");
        out->LtControl = c.int32(*lighting, "lighting", "effect");
        out->LtSaving = c.int32(*lighting, "lighting", "saving");
        out->LtTimeout = c.int32(*lighting, "lighting", "timeout");
    }
    out->ECOMode = c.int32(root, "", "powerSaving");
    out->PollingRate = c.int32(root, "", "pollingRate");
    if (const auto switches = c.array(root, "", "switches")) {
        if (switches->size() != 6)
            c.fail("switches",
                   localText("vantorctl", QT_TRANSLATE_NOOP("vantorctl", "%1 values; a profile has 6"),
                             {std::to_string(switches->size())}));
        for (qsizetype i = 0; i < switches->size() && i < 6 && !c.failed(); ++i)
            out->ModifyKey[i] = static_cast<int32_t>(
                c.integer(switches->at(i), JsonChecker::at("switches", i),
                          std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max())
                    .value_or(0));
    }
    JsonPlaces places;
    if (const auto remaps = c.array(root, "", "remaps"))
        readRemaps(c, *remaps, *out, places);
    if (const auto keys = c.array(root, "", "keys"))
        readKeys(c, *keys, *out, places);

    if (c.failed()) {
        result.error = c.error();
        return result;
    }
    const std::vector<DomainViolation> faults = profileViolations(*out, 1);
    if (!faults.empty()) {
        result.error = faults.front().message(jsonField(faults.front(), places));
        return result;
    }
    profile = *out;
    result.ok = true;
    return result;
}

std::string libraryToJson(const MacroLibrary &library) {
    QJsonArray macros;
    for (std::size_t i = 0; i < library.size(); ++i) {
        const MacroRecord *m = library.at(static_cast<int>(i));
        macros.append(QJsonObject{{"name", qstr(getFixed(m->name))},
                                  {"repeat", m->repeat},
                                  {"events", eventsJson(m->events, m->validCount())}});
    }
    return dump(
        QJsonDocument(QJsonObject{{"format", "orvyn-vantor-macros"}, {"version", 1}, {"macros", macros}}));
}

} // namespace orvyn::ctl
