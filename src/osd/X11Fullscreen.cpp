#include "osd/X11Fullscreen.h"

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

#include "platform/qt/X11Display.h"

namespace orvyn {

X11Fullscreen::X11Fullscreen() {
    connect();
}

X11Fullscreen::~X11Fullscreen() {
    if (connection_)
        xcb_disconnect(connection_);
}

bool X11Fullscreen::connect() {
    const X11Display display = connectToX11Display();
    if (!display.connection)
        return false;
    connection_ = display.connection;
    root_ = display.root;
    activeAtom_ = internX11Atom(connection_, "_NET_ACTIVE_WINDOW");
    stateAtom_ = internX11Atom(connection_, "_NET_WM_STATE");
    fullscreenAtom_ = internX11Atom(connection_, "_NET_WM_STATE_FULLSCREEN");
    return true;
}

bool X11Fullscreen::usable() {
    if (connection_ && xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
    }
    return (connection_ || connect()) && activeAtom_ != XCB_ATOM_NONE;
}

uint32_t X11Fullscreen::activeWindow() {
    xcb_get_property_reply_t *active = xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, root_, activeAtom_, XCB_ATOM_WINDOW, 0, 1), nullptr);
    uint32_t window = XCB_WINDOW_NONE;
    if (active && active->format == 32 && xcb_get_property_value_length(active) >= 4)
        std::memcpy(&window, xcb_get_property_value(active), sizeof window);
    std::free(active);
    return window;
}

std::optional<X11Rect> X11Fullscreen::activeWindowRect() {
    if (!usable())
        return std::nullopt;
    const uint32_t window = activeWindow();
    if (window == XCB_WINDOW_NONE)
        return std::nullopt;
    xcb_get_geometry_reply_t *geometry =
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
    xcb_translate_coordinates_reply_t *origin = xcb_translate_coordinates_reply(
        connection_, xcb_translate_coordinates(connection_, window, root_, 0, 0), nullptr);
    std::optional<X11Rect> rect;
    if (geometry && origin)
        rect = X11Rect{origin->dst_x, origin->dst_y, geometry->width, geometry->height};
    std::free(geometry);
    std::free(origin);
    return rect;
}

bool X11Fullscreen::activeWindowIsFullscreen() {
    if (!usable() || fullscreenAtom_ == XCB_ATOM_NONE)
        return false;
    const uint32_t window = activeWindow();
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
