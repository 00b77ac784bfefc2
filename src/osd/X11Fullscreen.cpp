#include "osd/X11Fullscreen.h"

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace orvyn {

namespace {

uint32_t internAtom(xcb_connection_t *c, const char *name) {
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const uint32_t atom = reply ? reply->atom : uint32_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

X11Fullscreen::X11Fullscreen() {
    connect();
}

X11Fullscreen::~X11Fullscreen() {
    if (connection_)
        xcb_disconnect(connection_);
}

bool X11Fullscreen::connect() {
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
    activeAtom_ = internAtom(c, "_NET_ACTIVE_WINDOW");
    stateAtom_ = internAtom(c, "_NET_WM_STATE");
    fullscreenAtom_ = internAtom(c, "_NET_WM_STATE_FULLSCREEN");
    return true;
}

bool X11Fullscreen::activeWindowIsFullscreen() {
    if (connection_ && xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
    }
    if ((!connection_ && !connect()) || activeAtom_ == XCB_ATOM_NONE || fullscreenAtom_ == XCB_ATOM_NONE)
        return false;
    xcb_get_property_reply_t *active = xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, root_, activeAtom_, XCB_ATOM_WINDOW, 0, 1), nullptr);
    uint32_t window = XCB_WINDOW_NONE;
    if (active && active->format == 32 && xcb_get_property_value_length(active) >= 4)
        std::memcpy(&window, xcb_get_property_value(active), sizeof window);
    std::free(active);
    if (window == XCB_WINDOW_NONE)
        return false;
    constexpr uint32_t kMaxStates = 64;
    xcb_get_property_reply_t *state = xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, stateAtom_, XCB_ATOM_ATOM, 0, kMaxStates),
        nullptr);
    bool fullscreen = false;
    if (state && state->format == 32) {
        const auto count = static_cast<std::size_t>(xcb_get_property_value_length(state)) / 4;
        const auto *atoms = static_cast<const uint32_t *>(xcb_get_property_value(state));
        for (std::size_t i = 0; i < count && !fullscreen; ++i)
            fullscreen = atoms[i] == fullscreenAtom_;
    }
    std::free(state);
    return fullscreen;
}

} // namespace orvyn
