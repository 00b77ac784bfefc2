#include "editing/OptionLinks.h"

#include "shared/IniFile.h"

namespace orvyn {

std::string webPageAddress(const SettingsStore &settings) {
    std::string address = IniFile(settings.configIniPath()).readText(kLinksSection, kWebPageKey, "");
    return address.empty() ? std::string(kDefaultWebPage) : address;
}

std::string userManualPath(const std::string &programFolder) {
    return programFolder + kUserManualName;
}

} // namespace orvyn
