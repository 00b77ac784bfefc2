// The documents the configuration window opens: the user manual beside the
// programs and the maker's web page, whose address is a setting.
#pragma once

#include <string>

#include "shared/SettingsStore.h"

namespace orvyn {

inline constexpr const char *kLinksSection = "Links";
inline constexpr const char *kWebPageKey = "WebPage";
inline constexpr const char *kDefaultWebPage = "https://orvyn.example/vantor";
inline constexpr const char *kUserManualName = "User Manual.pdf";

// config.ini [Links] WebPage, or the default address when it is not set.
std::string webPageAddress(const SettingsStore &settings);

// <program folder>User Manual.<language>.pdf, or <program folder>User
// Manual.pdf (English) when there is no manual in `language`.
std::string userManualPath(const std::string &programFolder, const std::string &language = "en");

} // namespace orvyn
