#include "monitor/ForegroundChoice.h"

#include <string_view>

#include "platform/LocalText.h"

namespace orvyn {

ForegroundChoice chooseForeground(const SessionFacts &facts) {
    const std::string desktop = facts.desktop.empty() ? "this desktop" : facts.desktop;
    if (facts.kwinScript)
        return {ForegroundKind::KWinScript, {}};
    if (facts.gnomeExtension)
        return {ForegroundKind::GnomeExtension, {}};
    if (facts.wayland && facts.desktop.find("GNOME") != std::string::npos) {
        // The user is told this one, so it is in the user's language.
        const char *note =
            facts.x11 ? QT_TRANSLATE_NOOP("ForegroundChoice",
                                          "per-game profiles on GNOME need the extension that tells which "
                                          "window is in front: run \"gnome-extensions enable %1\" and start "
                                          "Monitor again; until then only games running through XWayland "
                                          "switch the profile")
                      : QT_TRANSLATE_NOOP("ForegroundChoice",
                                          "per-game profiles on GNOME need the extension that tells which "
                                          "window is in front: run \"gnome-extensions enable %1\" and start "
                                          "Monitor again");
        return {facts.x11 ? ForegroundKind::X11 : ForegroundKind::None,
                localText("ForegroundChoice", note, {kGnomeExtensionUuid}), true};
    }
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
