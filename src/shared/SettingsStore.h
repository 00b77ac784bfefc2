// Persistence of the configuration: config.ini and the five profile files
// config/Default0-4.gkp in the settings folder.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "protocol/AccessCode.h"
#include "shared/ConfigBlock.h"
#include "shared/IniFile.h"

namespace orvyn {

// The OSD settings record kept in config.ini ([OSDSetting] config); the bytes
// this suite does not name belong to the OSD program.
struct OsdSettings {
    int32_t cpuLoad;       // 0: processor-load display on (1)
    int32_t memoryLoad;    // 4: memory-load display on
    int32_t unused8;       // 8
    int32_t unused12;      // 12
    int32_t mailCheck;     // 16: mail notifier on
    int32_t callNotify;    // 20: voice-chat display on
    uint16_t osdParamHigh; // 24: high half of WM_OSD_SETTINGS' lParam
    uint16_t pad26;
    uint16_t osdParamLow; // 28: low half of WM_OSD_SETTINGS' lParam
    uint8_t rest[340 - 30];
};
static_assert(sizeof(OsdSettings) == 340);
static_assert(offsetof(OsdSettings, cpuLoad) == 0);
static_assert(offsetof(OsdSettings, memoryLoad) == 4);
static_assert(offsetof(OsdSettings, mailCheck) == 16);
static_assert(offsetof(OsdSettings, callNotify) == 20);
static_assert(offsetof(OsdSettings, osdParamHigh) == 24);
static_assert(offsetof(OsdSettings, osdParamLow) == 28);

inline constexpr int32_t kDefaultFirmwareVersion = 100;

// The access code of this moment.
AccessCode makeAccessCodeNow();

enum class OsdFolder { Program, Parent };

// Every key of one profile, in file order, into the section "Setting".
void writeProfileKeys(IniDocument &doc, const ProfileData &profile);
// The profile's keys from a parsed profile file: missing numbers -1, missing
// texts empty, a missing or damaged key slot all zero; the remap table and
// apmLightInfo stay as they were when missing or damaged.
void readProfileKeys(const IniDocument &doc, ProfileData &profile);

// What a parsed file holds of a profile's blocks: whether it has the
// section at all, how many of the 32 key slots decode, and the first block
// (key slot or remap table) that is there but damaged (wrong length or
// checksum).
struct ProfileBlocks {
    bool hasSection = false;
    int validKeySlots = 0;
    std::string firstDamaged;
};
ProfileBlocks inspectProfileBlocks(const IniDocument &doc);

// config.ini and a profile file (also an imported one) hold a few keys and
// 32 blocks of about 1 KB; anything this large is not one of them.
inline constexpr std::size_t kSettingsFileMaxBytes = 1u << 20;

// Told, with a message that names the file, when a settings file is refused
// (not a regular file, too large, unreadable) or cannot be written.
using SettingsProblemHandler = std::function<void(const std::string &message)>;

// The writes a save could not make, one line each naming the file and the
// reason ("<path>: could not be written (No space left on device)").
using SaveFailures = std::vector<std::string>;

class SettingsStore {
public:
    // `folder` is the settings folder with a trailing "/".
    explicit SettingsStore(std::string folder);

    // Where refusals and failed writes are reported; stderr by default.
    void setProblemHandler(SettingsProblemHandler handler) { problem_ = std::move(handler); }

    const std::string &folder() const { return folder_; }
    std::string configIniPath() const { return folder_ + "config.ini"; }
    std::string profilePath(int p) const; // config/Default<p>.gkp

    // CurrentProfile to config.ini, then every profile file. Each file is
    // one atomic replacement. True when every write succeeded; otherwise
    // `failures` (when given) gets a line for each file not written.
    bool saveConfig(const ConfigBlock &config, SaveFailures *failures = nullptr);
    // CurrentProfile (default -1), then each profile from its file, or its
    // defaults when the file cannot be opened. A value outside its domain
    // (a missing number too) takes its factory value, one report line each
    // (repairProfile). The caller resets first.
    bool loadConfig(ConfigBlock &config, std::string_view defaultNameText);

    // `error` (when given) says why a save or load failed; a load of a
    // missing file fails with an empty message.
    static bool saveProfile(const ProfileData &profile, const std::string &path,
                            std::string *error = nullptr);
    // False when the file cannot be opened (the profile is then untouched):
    // missing, or not a regular file of at most kSettingsFileMaxBytes.
    static bool loadProfile(ProfileData &profile, const std::string &path, std::string *error = nullptr);

    // These add a line to `failures` (when given) when they fail.
    bool writeCurrentProfile(int32_t index, SaveFailures *failures = nullptr);
    bool writeDeviceState(int32_t state);
    // 1 when Monitor has the keyboard open, 0 when not; -1 when not written.
    int32_t readDeviceState() const;
    bool writeAccessCode(const AccessCode &code, SaveFailures *failures = nullptr);
    // Leaves `record` untouched when the stored block is missing or damaged.
    bool readOsdSettings(OsdSettings &record, OsdFolder where = OsdFolder::Program) const;
    bool writeOsdSettings(const OsdSettings &record, SaveFailures *failures = nullptr);
    // `whenAbsent` when the keyboard never told it.
    int32_t readFirmwareVersion(int32_t whenAbsent = kDefaultFirmwareVersion) const;
    bool writeProfileFileName(int n, std::string_view text);
    bool writeOsdMessage(std::string_view text);
    std::string readOsdMessage() const;
    // [Setting] Language: the user's choice of language, empty when unset.
    std::string readLanguage() const;

private:
    IniFile configIni() const { return IniFile(configIniPath(), kSettingsFileMaxBytes); }
    // Passes on what went wrong with `ini`, if anything; `result` unchanged.
    template <typename T> T reported(const IniFile &ini, T result, SaveFailures *failures = nullptr) const {
        if (!ini.error().empty()) {
            report(ini.error());
            if (failures)
                failures->push_back(ini.error());
        }
        return result;
    }
    void report(const std::string &message) const;

    std::string folder_;
    SettingsProblemHandler problem_;
};

} // namespace orvyn
