#include "editing/OptionLinks.h"

#include <sys/stat.h>

#include "shared/IniFile.h"

namespace orvyn {

std::string webPageAddress(const SettingsStore &settings) {
    std::string address = IniFile(settings.configIniPath()).readText(kLinksSection, kWebPageKey, "");
    return address.empty() ? std::string(kDefaultWebPage) : address;
}

std::string userManualPath(const std::string &programFolder, const std::string &language) {
    if (!language.empty() && language != "en") {
        const std::string translated = programFolder + "User Manual." + language + ".pdf";
        struct stat st {};
        if (::stat(translated.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            return translated;
    }
    return programFolder + kUserManualName;
}

} // namespace orvyn
