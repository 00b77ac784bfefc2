#include "monitor/qt/X11Foreground.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/res.h>
#include <xcb/xcb.h>

#include "platform/qt/X11Display.h"

namespace orvyn {

namespace {

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

// Windows of _NET_CLIENT_LIST looked at: a desktop has far fewer.
constexpr uint32_t kClientListMax = 4096;

std::optional<pid_t> validPid(uint32_t value) {
    if (value == 0 || value > static_cast<uint32_t>(INT32_MAX))
        return std::nullopt;
    return static_cast<pid_t>(value);
}

} // namespace

X11Foreground::X11Foreground() {
    connect();
}

X11Foreground::~X11Foreground() {
    disconnect();
}

bool X11Foreground::connect() {
    const X11Display display = connectToX11Display();
    if (!display.connection)
        return false;
    connection_ = display.connection;
    root_ = display.root;
    activeWindowAtom_ = internX11Atom(connection_, "_NET_ACTIVE_WINDOW");
    pidAtom_ = internX11Atom(connection_, "_NET_WM_PID");
    clientListAtom_ = internX11Atom(connection_, "_NET_CLIENT_LIST");
    clientIds_ = serverKnowsClientIds();
    return true;
}

// Client id queries came with version 1.2 of the X-Resource extension.
bool X11Foreground::serverKnowsClientIds() {
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(connection_, &xcb_res_id);
    if (!extension || !extension->present)
        return false;
    xcb_res_query_version_reply_t *reply =
        xcb_res_query_version_reply(connection_, xcb_res_query_version(connection_, 1, 2), nullptr);
    if (!reply)
        return false;
    const bool known = reply->server_major > 1 || (reply->server_major == 1 && reply->server_minor >= 2);
    std::free(reply);
    return known;
}

// The process of the local client that created the window. The server names
// no process for clients across the network or for windows gone meanwhile.
std::optional<pid_t> X11Foreground::clientPid(uint32_t window) {
    const xcb_res_client_id_spec_t wanted{window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    xcb_generic_error_t *error = nullptr;
    xcb_res_query_client_ids_reply_t *reply = xcb_res_query_client_ids_reply(
        connection_, xcb_res_query_client_ids(connection_, 1, &wanted), &error);
    std::free(error);
    if (!reply)
        return std::nullopt;
    std::optional<pid_t> pid;
    for (auto it = xcb_res_query_client_ids_ids_iterator(reply); it.rem && !pid;
         xcb_res_client_id_value_next(&it)) {
        // The first member says which kind of client id this value is.
        [[maybe_unused]] const auto &[client, valueLength] = *it.data;
        if (!(client.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) ||
            xcb_res_client_id_value_value_length(it.data) < 1)
            continue;
        pid = validPid(*xcb_res_client_id_value_value(it.data));
    }
    std::free(reply);
    return pid;
}

void X11Foreground::disconnect() {
    if (connection_)
        xcb_disconnect(connection_);
    connection_ = nullptr;
    timeWindow_ = 0;
}

bool X11Foreground::ensureConnected() {
    if (connection_ && xcb_connection_has_error(connection_))
        disconnect(); // the X server went away; try a new connection
    return connection_ || connect();
}

std::optional<uint32_t> X11Foreground::serverTime() {
    if (!ensureConnected())
        return std::nullopt;
    if (!timeWindow_) {
        timeAtom_ = internX11Atom(connection_, "_ORVYN_VANTOR_TIME");
        timeWindow_ = xcb_generate_id(connection_);
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, timeWindow_, root_, -1, -1, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    }
    // Appending nothing still makes the server report a change, with its time.
    xcb_change_property(connection_, XCB_PROP_MODE_APPEND, timeWindow_, timeAtom_, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    // After this round trip the notice is already queued.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    std::optional<uint32_t> time;
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
        if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
            const auto *change = reinterpret_cast<const xcb_property_notify_event_t *>(event);
            if (change->window == timeWindow_ && change->atom == timeAtom_)
                time = change->time;
        }
        std::free(event);
    }
    return time;
}

std::optional<uint32_t> X11Foreground::activeWindow() {
    if (!ensureConnected() || activeWindowAtom_ == XCB_ATOM_NONE)
        return std::nullopt; // no EWMH window manager
    const auto window = cardinalProperty(connection_, root_, activeWindowAtom_, XCB_ATOM_WINDOW);
    if (!window || *window == XCB_WINDOW_NONE)
        return std::nullopt;
    return window;
}

std::optional<pid_t> X11Foreground::windowPid(uint32_t window) {
    // The server knows which process made the window; _NET_WM_PID is what
    // the client claims, and a sandboxed (Flatpak) client names a process
    // of its own namespace there.
    if (clientIds_) {
        if (const auto pid = clientPid(window))
            return pid;
    }
    if (pidAtom_ == XCB_ATOM_NONE)
        return std::nullopt;
    const auto property = cardinalProperty(connection_, window, pidAtom_, XCB_ATOM_CARDINAL);
    return property ? validPid(*property) : std::nullopt;
}

std::optional<pid_t> X11Foreground::foregroundPid() {
    const auto window = activeWindow();
    return window ? windowPid(*window) : std::nullopt;
}

std::optional<ForegroundWindow> X11Foreground::foregroundWindow() {
    const auto window = activeWindow();
    if (!window)
        return std::nullopt;
    return ForegroundWindow{windowPid(*window), {}};
}

bool X11Foreground::hasOwnWindow(pid_t pid) {
    if (!ensureConnected() || clientListAtom_ == XCB_ATOM_NONE)
        return false;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 0, root_, clientListAtom_, XCB_ATOM_WINDOW, 0, kClientListMax),
        nullptr);
    if (!reply)
        return false;
    std::vector<uint32_t> windows;
    if (reply->format == 32) {
        const auto count = static_cast<std::size_t>(xcb_get_property_value_length(reply)) / sizeof(uint32_t);
        const auto *first = static_cast<const uint32_t *>(xcb_get_property_value(reply));
        windows.assign(first, first + count);
    }
    std::free(reply);
    return std::any_of(windows.begin(), windows.end(),
                       [&](uint32_t window) { return windowPid(window) == std::optional<pid_t>(pid); });
}

} // namespace orvyn
