#include "editing/ConfigLoading.h"

#include <cstring>

namespace orvyn {

std::string formatFirmwareVersion(int32_t value, FirmwareRange range) {
    if (value < 100 || (range == FirmwareRange::StartUp && value > 500))
        return "N/A";
    const std::string digits = std::to_string(value);
    return digits.substr(0, 1) + "." + digits.substr(1);
}

bool takeFromBlock(ConfigExchange *exchange, ConfigBlock &config) {
    if (!exchange || !exchange->take(config))
        return false;
    clearChangeFlags(config);
    // A Monitor that has not met the keyboard yet holds no current profile;
    // the pages show, and Apply stores, profile 0 as the settings files do.
    if (!isValidProfile(config.CurrentProfile))
        config.CurrentProfile = 0;
    return true;
}

ConfigSource loadConfiguration(ConfigExchange *exchange, SettingsStore &settings, const TextSource &texts,
                               ConfigBlock &config) {
    if (takeFromBlock(exchange, config))
        return ConfigSource::SharedBlock;
    // No Monitor (or its block could not be read): the settings files.
    // A record left all zero here would be applied over the files.
    std::memset(&config, 0, sizeof(ConfigBlock));
    config.CurrentProfile = -1;
    const std::string nameText = texts.text(kDefaultProfileNameText);
    if (!settings.loadConfig(config, nameText))
        makeDefaultConfig(config, nameText);
    // A fresh settings folder has no current profile yet.
    if (!isValidProfile(config.CurrentProfile))
        config.CurrentProfile = 0;
    return ConfigSource::SettingsFiles;
}

} // namespace orvyn
