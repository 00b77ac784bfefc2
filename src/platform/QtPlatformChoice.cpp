#include "platform/QtPlatformChoice.h"

#include <cstdlib>

namespace orvyn {

DisplayEnvironment DisplayEnvironment::current() {
    const auto get = [](const char *name) {
        const char *value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return {get("QT_QPA_PLATFORM"), get("DISPLAY"), get("WAYLAND_DISPLAY")};
}

std::string choosePlatform(PlatformPreference preference, const DisplayEnvironment &environment) {
    if (!environment.qpaPlatform.empty())
        return {};
    if (environment.display.empty() && environment.waylandDisplay.empty())
        return "offscreen"; // still runs, without any window
    if (preference == PlatformPreference::X11WhenPresent && !environment.display.empty())
        return "xcb";
    return {};
}

std::vector<char *> argumentsWithPlatform(int argc, char **argv, const std::string &platform,
                                          std::vector<std::string> &storage) {
    storage.assign(argv, argv + argc);
    if (!platform.empty()) {
        storage.emplace_back("-platform");
        storage.push_back(platform);
    }
    std::vector<char *> args;
    for (std::string &a : storage)
        args.push_back(a.data());
    args.push_back(nullptr);
    return args;
}

} // namespace orvyn
