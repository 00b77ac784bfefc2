// The desktop's "open" verb without a shell: programs start detached in
// their own folder, .desktop files launch their application, existing files
// and URLs go to xdg-open; a target that does not exist is reported, never
// handed to a desktop error dialog over a game.
#pragma once

#include <functional>
#include <string>

#include "monitor/DesktopEntry.h"
#include "monitor/HostInterfaces.h"
#include "platform/ProcessStart.h"

namespace orvyn {

// Largest .desktop file read; real ones are a few kilobytes.
inline constexpr std::size_t kDesktopEntryMaxBytes = 1 << 20;

// True for "scheme:..." with a scheme of two or more characters, so a
// Windows drive letter ("C:\...") is not taken for one.
bool looksLikeUrl(const std::string &target);

class DesktopLauncher final : public Shell {
public:
    using Starter = std::function<StartResult(const StartRequest &)>;

    // `startupIds` gives the DESKTOP_STARTUP_ID for each start (empty: none).
    explicit DesktopLauncher(std::function<std::string()> startupIds = {}, Starter start = startProgram);

    LaunchOutcome open(const std::string &target) override;
    LaunchOutcome startHelper(const std::string &path, const std::vector<std::string> &arguments) override;
    bool isProgram(const std::string &path) override;

    // The folders a bare name is searched in; PATH by default.
    void setSearchPath(std::string searchPath) { searchPath_ = std::move(searchPath); }

private:
    LaunchOutcome openDesktopEntry(const std::string &path);
    LaunchOutcome openWithDesktop(const std::string &target);
    LaunchOutcome start(const std::string &program, std::vector<std::string> argv, std::string folder);
    ResolvedProgram resolve(const std::string &name) const;

    std::function<std::string()> startupIds_;
    Starter start_;
    std::string searchPath_;
};

} // namespace orvyn
