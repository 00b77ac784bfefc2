// The desktop's "open" verb without a shell: executables start detached,
// .desktop files launch their application, anything else goes to xdg-open.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/HostInterfaces.h"

namespace orvyn {

// The command line of a .desktop file's Exec key, split into arguments with
// the field codes (%f, %u, ...) dropped. nullopt when the file has no usable
// Exec key in its [Desktop Entry] group.
std::optional<std::vector<std::string>> desktopEntryCommand(std::string_view fileText);

// Splits an Exec value: blanks separate arguments, double quotes group,
// backslash escapes inside quotes, "%%" is a percent sign.
std::vector<std::string> splitExecValue(std::string_view value);

// Starts argv[0] (searched in PATH when it has no "/") in its own session,
// detached: no shell, no inherited descriptors beyond the standard three,
// standard input from /dev/null. True when the start could be attempted.
bool startDetached(const std::vector<std::string> &argv);

class DesktopShell final : public Shell {
public:
    bool open(const std::string &path) override;
    bool isProgram(const std::string &path) override;
};

} // namespace orvyn
