#include "monitor/qt/X11Foreground.h"

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace orvyn {

namespace {

uint32_t internAtom(xcb_connection_t *c, const char *name) {
    xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const uint32_t atom = reply->atom;
    std::free(reply);
    return atom;
}

// The first 32-bit value of a window property, if it has one.
std::optional<uint32_t> cardinalProperty(xcb_connection_t *c, uint32_t window, uint32_t atom, uint32_t type) {
    xcb_get_property_cookie_t cookie = xcb_get_property(c, 0, window, atom, type, 0, 1);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(c, cookie, nullptr);
    if (!reply)
        return std::nullopt;
    std::optional<uint32_t> value;
    if (reply->format == 32 && xcb_get_property_value_length(reply) >= 4) {
        uint32_t v = 0;
        std::memcpy(&v, xcb_get_property_value(reply), sizeof v);
        value = v;
    }
    std::free(reply);
    return value;
}

} // namespace

X11Foreground::X11Foreground() {
    connect();
}

X11Foreground::~X11Foreground() {
    disconnect();
}

bool X11Foreground::connect() {
    const char *display = std::getenv("DISPLAY");
    if (!display || !*display)
        return false;
    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return false;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    if (!it.rem) {
        xcb_disconnect(c);
        return false;
    }
    connection_ = c;
    root_ = it.data->root;
    activeWindowAtom_ = internAtom(c, "_NET_ACTIVE_WINDOW");
    pidAtom_ = internAtom(c, "_NET_WM_PID");
    return true;
}

void X11Foreground::disconnect() {
    if (connection_)
        xcb_disconnect(connection_);
    connection_ = nullptr;
}

std::optional<pid_t> X11Foreground::foregroundPid() {
    if (connection_ && xcb_connection_has_error(connection_))
        disconnect(); // the X server went away; try a new connection
    if (!connection_ && !connect())
        return std::nullopt;
    if (activeWindowAtom_ == XCB_ATOM_NONE || pidAtom_ == XCB_ATOM_NONE)
        return std::nullopt; // no EWMH window manager
    const auto window = cardinalProperty(connection_, root_, activeWindowAtom_, XCB_ATOM_WINDOW);
    if (!window || *window == XCB_WINDOW_NONE)
        return std::nullopt;
    const auto pid = cardinalProperty(connection_, *window, pidAtom_, XCB_ATOM_CARDINAL);
    if (!pid || *pid == 0 || *pid > static_cast<uint32_t>(INT32_MAX))
        return std::nullopt;
    return static_cast<pid_t>(*pid);
}

} // namespace orvyn
