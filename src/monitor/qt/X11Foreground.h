// The process of the active window on an X11 display: _NET_ACTIVE_WINDOW on
// the root window, then that window's _NET_WM_PID. A window without
// _NET_WM_PID is traced to the local client that created it through the
// X-Resource extension (1.2 or later); without that extension such a window
// finds nothing. Without an X server the source finds nothing.
#pragma once

#include <cstdint>

#include "monitor/ForegroundWatch.h"

struct xcb_connection_t;

namespace orvyn {

class X11Foreground final : public ForegroundSource {
public:
    X11Foreground();
    ~X11Foreground() override;
    X11Foreground(const X11Foreground &) = delete;
    X11Foreground &operator=(const X11Foreground &) = delete;

    std::optional<pid_t> foregroundPid() override;
    bool connected() const { return connection_ != nullptr; }

private:
    bool connect();
    void disconnect();
    bool serverKnowsClientIds();
    std::optional<pid_t> clientPid(uint32_t window);

    xcb_connection_t *connection_ = nullptr;
    uint32_t root_ = 0;
    uint32_t activeWindowAtom_ = 0;
    uint32_t pidAtom_ = 0;
    bool clientIds_ = false; // the server answers X-Resource client id queries
};

} // namespace orvyn
