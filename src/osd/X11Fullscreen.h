// Whether the window that has the focus on the X display is fullscreen
// (_NET_ACTIVE_WINDOW's _NET_WM_STATE holds _NET_WM_STATE_FULLSCREEN).
// Games under XWayland count too. Without an X server: never.
#pragma once

#include <cstdint>

struct xcb_connection_t;

namespace orvyn {

class X11Fullscreen {
public:
    X11Fullscreen();
    ~X11Fullscreen();
    X11Fullscreen(const X11Fullscreen &) = delete;
    X11Fullscreen &operator=(const X11Fullscreen &) = delete;

    bool activeWindowIsFullscreen();

private:
    bool connect();

    xcb_connection_t *connection_ = nullptr;
    uint32_t root_ = 0;
    uint32_t activeAtom_ = 0;
    uint32_t stateAtom_ = 0;
    uint32_t fullscreenAtom_ = 0;
};

} // namespace orvyn
