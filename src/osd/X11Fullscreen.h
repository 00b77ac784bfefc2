// Whether the window that has the focus on the X display is fullscreen
// (_NET_ACTIVE_WINDOW's _NET_WM_STATE holds _NET_WM_STATE_FULLSCREEN).
// Games under XWayland count too. Without an X server: never. Also where
// that window is, so a notice can go to its monitor.
#pragma once

#include <cstdint>
#include <optional>

struct xcb_connection_t;

namespace orvyn {

// A rectangle in the X server's pixels.
struct X11Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class X11Fullscreen {
public:
    X11Fullscreen();
    ~X11Fullscreen();
    X11Fullscreen(const X11Fullscreen &) = delete;
    X11Fullscreen &operator=(const X11Fullscreen &) = delete;

    bool activeWindowIsFullscreen();
    // The active window's rectangle on the root window; nullopt when there
    // is none.
    std::optional<X11Rect> activeWindowRect();

private:
    bool connect();
    bool usable();
    uint32_t activeWindow();

    xcb_connection_t *connection_ = nullptr;
    uint32_t root_ = 0;
    uint32_t activeAtom_ = 0;
    uint32_t stateAtom_ = 0;
    uint32_t fullscreenAtom_ = 0;
};

} // namespace orvyn
