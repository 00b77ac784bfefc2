#include "shared/SettingsStore.h"

#include <cstring>
#include <ctime>
#include <memory>

#include "platform/Trace.h"
#include "shared/ProfileDomain.h"

namespace orvyn {

namespace {

constexpr const char *kSetting = "Setting";

// A number field of ProfileData with the key it is stored under. LtFlag is
// written with a trailing blank and read without it, as the files have
// always been.
struct NumberKey {
    const char *writeKey;
    const char *readKey;
    int32_t ProfileData::*field;
};

const NumberKey kNumberKeys[] = {
    {"MediaOption", "MediaOption", &ProfileData::MediaOption},
    {"HDDKeyboard", "HDDKeyboard", &ProfileData::HDDKeyboard},
    {"LtSwitch", "LtSwitch", &ProfileData::LtSwitch},
    {"LtEffectType", "LtEffectType", &ProfileData::LtEffectType},
    {"LtFlag ", "LtFlag", &ProfileData::LtFlag},
    {"LtColor", "LtColor", &ProfileData::LtColor},
    {"LtControl", "LtControl", &ProfileData::LtControl},
    {"LtSaving", "LtSaving", &ProfileData::LtSaving},
    {"LtTimeout", "LtTimeout", &ProfileData::LtTimeout},
    {"PollingRate", "PollingRate", &ProfileData::PollingRate},
    {"ECOMode", "ECOMode", &ProfileData::ECOMode},
};

std::string slotKey(int k) {
    return "MacroKeyInfo" + std::to_string(k);
}
std::string modifyKey(int i) {
    return "ModifyKey" + std::to_string(i);
}

} // namespace

void writeProfileKeys(IniDocument &doc, const ProfileData &profile) {
    doc.writeText(kSetting, "ProFileName", getFixed(profile.ProFileName));
    doc.writeText(kSetting, "GameFile", getFixed(profile.GameFile));
    for (const NumberKey &k : kNumberKeys)
        doc.writeNumber(kSetting, k.writeKey, profile.*k.field);
    for (int i = 0; i < 6; ++i)
        doc.writeNumber(kSetting, modifyKey(i), profile.ModifyKey[i]);
    doc.writeBlock(kSetting, "standardkey", profile.standardkey, sizeof profile.standardkey);
    for (int k = 0; k < kKeySlotCount; ++k)
        doc.writeBlock(kSetting, slotKey(k), &profile.keys[k], sizeof profile.keys[k]);
    doc.writeBlock(kSetting, "apmLightInfo", profile.apmLightInfo, sizeof profile.apmLightInfo);
}

void readProfileKeys(const IniDocument &doc, ProfileData &profile) {
    setFixed(profile.ProFileName, doc.readText(kSetting, "ProFileName", ""));
    setFixed(profile.GameFile, doc.readText(kSetting, "GameFile", ""));
    for (const NumberKey &k : kNumberKeys)
        profile.*k.field = doc.readNumber(kSetting, k.readKey, -1);
    for (int i = 0; i < 6; ++i)
        profile.ModifyKey[i] = doc.readNumber(kSetting, modifyKey(i), -1);
    doc.readBlock(kSetting, "standardKey", profile.standardkey, sizeof profile.standardkey);
    doc.readBlock(kSetting, "apmLightInfo", profile.apmLightInfo, sizeof profile.apmLightInfo);
    for (int k = 0; k < kKeySlotCount; ++k) {
        if (!doc.readBlock(kSetting, slotKey(k), &profile.keys[k], sizeof profile.keys[k]))
            std::memset(&profile.keys[k], 0, sizeof profile.keys[k]);
    }
}

ProfileBlocks inspectProfileBlocks(const IniDocument &doc) {
    ProfileBlocks blocks;
    blocks.hasSection = doc.hasSection(kSetting);
    // True when the block is there and decodes.
    auto inspect = [&](const std::string &key, void *into, std::size_t size) {
        if (!doc.value(kSetting, key))
            return false;
        if (doc.readBlock(kSetting, key, into, size))
            return true;
        if (blocks.firstDamaged.empty())
            blocks.firstDamaged = key;
        return false;
    };
    auto scratch = std::make_unique<ProfileData>();
    inspect("standardKey", scratch->standardkey, sizeof scratch->standardkey);
    for (int k = 0; k < kKeySlotCount; ++k)
        blocks.validKeySlots += inspect(slotKey(k), &scratch->keys[k], sizeof scratch->keys[k]) ? 1 : 0;
    return blocks;
}

AccessCode makeAccessCodeNow() {
    return makeAccessCode(static_cast<uint32_t>(std::time(nullptr)));
}

SettingsStore::SettingsStore(std::string folder) : folder_(std::move(folder)) {
    if (!folder_.empty() && folder_.back() != '/')
        folder_ += '/';
}

std::string SettingsStore::profilePath(int p) const {
    return folder_ + "config/Default" + std::to_string(p) + ".gkp";
}

void SettingsStore::report(const std::string &message) const {
    if (problem_)
        problem_(message);
    else
        warn(message + "\n");
}

bool SettingsStore::saveConfig(const ConfigBlock &config, SaveFailures *failures) {
    bool ok = writeCurrentProfile(config.CurrentProfile, failures);
    for (int p = 0; p < kProfileCount; ++p) {
        std::string error;
        if (!saveProfile(config.profiles[p], profilePath(p), &error)) {
            ok = false;
            report(error);
            if (failures)
                failures->push_back(error);
        }
    }
    return ok;
}

bool SettingsStore::loadConfig(ConfigBlock &config, std::string_view defaultNameText) {
    const IniFile ini = configIni();
    config.CurrentProfile = ini.readNumber(kSetting, "CurrentProfile", -1);
    reported(ini, true);
    for (int p = 0; p < kProfileCount; ++p) {
        std::string error;
        if (!loadProfile(config.profiles[p], profilePath(p), &error)) {
            if (!error.empty())
                report(error + "; profile " + std::to_string(p + 1) + " takes its defaults");
            makeDefaultProfile(config.profiles[p], p, defaultNameText);
            continue;
        }
        // A field outside its domain never reaches the keyboard: it takes
        // its factory value, and the file keeps what it holds until the
        // next save.
        const std::string path = profilePath(p);
        repairProfile(config.profiles[p], p, defaultNameText,
                      [&](const std::string &line) { report(path + ": " + line); });
    }
    return true;
}

bool SettingsStore::saveProfile(const ProfileData &profile, const std::string &path, std::string *error) {
    IniFile ini(path, kSettingsFileMaxBytes);
    const bool ok = ini.update([&](IniDocument &doc) {
        writeProfileKeys(doc, profile);
        return true;
    });
    if (error)
        *error = ini.error();
    return ok;
}

bool SettingsStore::loadProfile(ProfileData &profile, const std::string &path, std::string *error) {
    IniDocument doc;
    std::string why;
    if (loadIniDocument(path, doc, kSettingsFileMaxBytes, &why) != IniLoad::Ok) {
        if (error)
            *error = std::move(why);
        return false;
    }
    readProfileKeys(doc, profile);
    return true;
}

bool SettingsStore::writeCurrentProfile(int32_t index, SaveFailures *failures) {
    IniFile ini = configIni();
    return reported(ini, ini.writeNumber(kSetting, "CurrentProfile", index), failures);
}

bool SettingsStore::writeDeviceState(int32_t state) {
    IniFile ini = configIni();
    return reported(ini, ini.writeNumber(kSetting, "Device", state));
}

int32_t SettingsStore::readDeviceState() const {
    return IniFile(configIniPath(), kSettingsFileMaxBytes).readNumber(kSetting, "Device", -1);
}

bool SettingsStore::writeAccessCode(const AccessCode &code, SaveFailures *failures) {
    IniFile ini = configIni();
    return reported(ini, ini.writeBlock("HidAccessCode", "Code", code.bytes, sizeof code.bytes), failures);
}

bool SettingsStore::readOsdSettings(OsdSettings &record, OsdFolder where) const {
    std::string path = configIniPath();
    if (where == OsdFolder::Parent) {
        std::string base = folder_.substr(0, folder_.empty() ? 0 : folder_.size() - 1);
        const std::size_t slash = base.rfind('/');
        base = slash == std::string::npos ? std::string("../") : base.substr(0, slash + 1);
        path = base + "config.ini";
    }
    const IniFile ini(path, kSettingsFileMaxBytes);
    return reported(ini, ini.readBlock("OSDSetting", "config", &record, sizeof record));
}

bool SettingsStore::writeOsdSettings(const OsdSettings &record, SaveFailures *failures) {
    IniFile ini = configIni();
    return reported(ini, ini.writeBlock("OSDSetting", "config", &record, sizeof record), failures);
}

int32_t SettingsStore::readFirmwareVersion(int32_t whenAbsent) const {
    const IniFile ini = configIni();
    return reported(ini, ini.readNumber(kSetting, "FWVersion", whenAbsent));
}

bool SettingsStore::writeProfileFileName(int n, std::string_view text) {
    IniFile ini = configIni();
    return reported(ini, ini.writeText("Profile" + std::to_string(n), "FileName", text));
}

bool SettingsStore::writeOsdMessage(std::string_view text) {
    IniFile ini = configIni();
    return reported(ini, ini.writeText("OSDData", "Message", text));
}

std::string SettingsStore::readOsdMessage() const {
    const IniFile ini = configIni();
    return reported(ini, ini.readText("OSDData", "Message", ""));
}

std::string SettingsStore::readLanguage() const {
    const IniFile ini = configIni();
    return reported(ini, ini.readText(kSetting, "Language", ""));
}

} // namespace orvyn
