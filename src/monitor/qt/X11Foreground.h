// The windows of an X11 display: the active one is _NET_ACTIVE_WINDOW on the
// root window, the top-level ones are _NET_CLIENT_LIST. A window's process is
// the local client that created it as the X-Resource extension (1.2 or
// later) names it, and only when the server cannot say (no extension, a
// remote client) the window's _NET_WM_PID. Without an X server the source
// finds nothing.
#pragma once

#include <cstdint>

#include "monitor/ForegroundWatch.h"
#include "monitor/HostInterfaces.h"

struct xcb_connection_t;

namespace orvyn {

// Also the X server's clock: a property change on a window of our own comes
// back stamped with the server's time, which startup ids and raise requests
// carry so focus-stealing prevention lets the program through.
class X11Foreground final : public ForegroundSource, public UserTimeSource {
public:
    X11Foreground();
    ~X11Foreground() override;
    X11Foreground(const X11Foreground &) = delete;
    X11Foreground &operator=(const X11Foreground &) = delete;

    std::optional<ForegroundWindow> foregroundWindow() override;
    bool hasOwnWindow(pid_t pid) override;
    // The process of the active window.
    std::optional<pid_t> foregroundPid();
    std::optional<uint32_t> serverTime() override;
    bool connected() const { return connection_ != nullptr; }

private:
    bool connect();
    bool ensureConnected();
    void disconnect();
    bool serverKnowsClientIds();
    std::optional<pid_t> clientPid(uint32_t window);
    std::optional<pid_t> windowPid(uint32_t window);
    std::optional<uint32_t> activeWindow();

    xcb_connection_t *connection_ = nullptr;
    uint32_t root_ = 0;
    uint32_t activeWindowAtom_ = 0;
    uint32_t pidAtom_ = 0;
    uint32_t clientListAtom_ = 0;
    bool clientIds_ = false; // the server answers X-Resource client id queries
    uint32_t timeWindow_ = 0;
    uint32_t timeAtom_ = 0;
};

} // namespace orvyn
