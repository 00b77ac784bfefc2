// Which Qt platform a program asks for. It is passed as the program's own
// "-platform" argument, never put into QT_QPA_PLATFORM: every program it
// starts would inherit that (an Option started by a headless Monitor would
// run invisibly while holding its instance lock).
#pragma once

#include <string>
#include <vector>

namespace orvyn {

enum class PlatformPreference {
    Default,        // Qt's own choice; offscreen when there is no display
    X11WhenPresent, // xcb when an X server (or XWayland) is there
};

struct DisplayEnvironment {
    std::string qpaPlatform; // QT_QPA_PLATFORM: the user's explicit choice wins
    std::string display;     // DISPLAY
    std::string waylandDisplay;
    static DisplayEnvironment current();
};

// The platform name to ask for; empty: none (Qt decides).
std::string choosePlatform(PlatformPreference preference, const DisplayEnvironment &environment);

// argv for the application object: the program's own arguments, then
// "-platform NAME" when a platform is chosen. The strings live in `storage`.
std::vector<char *> argumentsWithPlatform(int argc, char **argv, const std::string &platform,
                                          std::vector<std::string> &storage);

} // namespace orvyn
