#include "monitor/ForegroundChoice.h"

namespace orvyn {

ForegroundChoice chooseForeground(const SessionFacts &facts) {
    const std::string desktop = facts.desktop.empty() ? "this desktop" : facts.desktop;
    if (facts.kwinScript)
        return {ForegroundKind::KWinScript, {}};
    if (facts.wlrToplevels) {
        if (facts.pidFromCompositor)
            return {ForegroundKind::WlrToplevels, {}};
        return {ForegroundKind::WlrToplevels,
                "per-game profiles: " + desktop +
                    " names no process of a window; a game is recognised by its app id (the game file's "
                    "name, with or without its extension)"};
    }
    if (facts.x11) {
        if (!facts.wayland)
            return {ForegroundKind::X11, {}};
        return {ForegroundKind::X11, "per-game profiles: " + desktop +
                                         " tells nothing about its native Wayland windows; only games "
                                         "running through XWayland switch the profile"};
    }
    if (facts.wayland)
        return {ForegroundKind::None, "per-game profile switching is off: " + desktop +
                                          " tells nothing about its windows and there is no XWayland"};
    return {ForegroundKind::None,
            "per-game profile switching is off: no X display and no Wayland compositor"};
}

} // namespace orvyn
