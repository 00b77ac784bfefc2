// What Monitor tells the user when the keyboard is there but cannot be
// opened: usually the udev rule that grants the seat user access is missing.
#pragma once

#include <string>
#include <vector>

namespace orvyn {

inline constexpr const char *kUdevRuleName = "70-orvyn-vantor.rules";

struct DeviceAccessNotice {
    std::string summary;
    std::string body; // names the fix
};

// The folders udev reads rules from.
std::vector<std::string> udevRuleFolders();

// The notice for an open that failed with `error` (an errno value). The fix
// depends on whether the rule is installed in one of `ruleFolders`; the
// command to install it copies the one shipped in the program folder.
DeviceAccessNotice deviceAccessNotice(int error, const std::string &programFolder,
                                      const std::vector<std::string> &ruleFolders = udevRuleFolders());

} // namespace orvyn
