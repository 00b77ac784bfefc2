// Where Option's configuration comes from when it starts or Monitor reports
// news: Monitor's shared block, else the settings files, else the defaults;
// and the firmware version as the window shows it.
#pragma once

#include <cstdint>
#include <string>

#include "shared/ConfigBlock.h"
#include "shared/ConfigExchange.h"
#include "shared/SettingsStore.h"
#include "uitext/UiText.h"

namespace orvyn {

// The keyboard driver version the window shows ("Driver V1.03-Firmware V...");
// the suite's own version is kPackageVersion.
inline constexpr const char *kDriverVersion = "1.03";
inline constexpr unsigned kDefaultProfileNameText = 1040;

enum class ConfigSource { SharedBlock, SettingsFiles };

// The configuration as Option starts with it: Monitor's block (change flags
// cleared) when it can be read, else the settings files, else the defaults;
// always with a valid current profile. Writes nothing.
ConfigSource loadConfiguration(ConfigExchange *exchange, SettingsStore &settings, const TextSource &texts,
                               ConfigBlock &config);
// The block's record, change flags cleared and with a valid current
// profile; false when there is no block or it cannot be read.
bool takeFromBlock(ConfigExchange *exchange, ConfigBlock &config);

enum class FirmwareRange { StartUp, AfterReadBack };

// "1.05" for 105; "N/A" below 100 and, at start-up, above 500.
std::string formatFirmwareVersion(int32_t value, FirmwareRange range);

} // namespace orvyn
