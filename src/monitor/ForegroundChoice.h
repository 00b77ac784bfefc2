// Which foreground source a desktop session gets, picked once at start from
// what the session offers.
#pragma once

#include <string>

namespace orvyn {

// The GNOME Shell extension the package installs.
inline constexpr const char *kGnomeExtensionUuid = "orvyn-vantor-foreground@orvyn";

enum class ForegroundKind {
    WlrToplevels,   // a compositor that lists its toplevels (sway and other wlroots ones)
    KWinScript,     // KDE Plasma: a KWin script of ours reports activations
    GnomeExtension, // GNOME: the package's Shell extension reports the focus
    X11,            // an X server, or XWayland beside a compositor we cannot ask
    None,
};

struct SessionFacts {
    bool wayland = false;           // WAYLAND_DISPLAY names a compositor
    bool wlrToplevels = false;      // and it answered with a toplevel list
    bool x11 = false;               // an X server (or XWayland) answered
    bool pidFromCompositor = false; // the compositor's own IPC names processes
    std::string desktop;            // XDG_CURRENT_DESKTOP
    bool kwinScript = false;        // KWin runs our script
    bool gnomeExtension = false;    // the Shell extension answers
};

struct ForegroundChoice {
    ForegroundKind kind = ForegroundKind::None;
    // Said once at start when per-game switching is off or sees only part
    // of the desktop; empty when everything is seen.
    std::string note;
    // The user can mend it (enable the GNOME extension): a desktop notice too.
    bool tellUser = false;
};

ForegroundChoice chooseForeground(const SessionFacts &facts);

} // namespace orvyn
