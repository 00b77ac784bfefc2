// Makes a window of this X display "active" the way a window manager does:
// the window carries _NET_WM_PID (unless no pid is given, as for programs
// that never set it) and the root window's _NET_ACTIVE_WINDOW names it;
// _NET_CLIENT_LIST names it and the other top-level windows given. Without a
// display nothing happens (ok() is false). The root properties are removed
// again afterwards.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace orvyn::test {

class FakeActiveWindow {
public:
    explicit FakeActiveWindow(std::optional<uint32_t> pid, std::vector<uint32_t> otherClients = {}) {
        const char *display = std::getenv("DISPLAY");
        if (!display || !*display)
            return;
        int screenNumber = 0;
        // An X server without -noreset resets when its last client leaves
        // and refuses connections for a moment meanwhile.
        for (int attempt = 0; attempt < 50 && !c_; ++attempt) {
            c_ = xcb_connect(nullptr, &screenNumber);
            if (xcb_connection_has_error(c_)) {
                xcb_disconnect(c_);
                c_ = nullptr;
                ::usleep(20000);
            }
        }
        if (!c_)
            return;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c_));
        for (int i = 0; i < screenNumber && it.rem; ++i)
            xcb_screen_next(&it);
        root_ = it.data->root;
        active_ = atom("_NET_ACTIVE_WINDOW");
        clients_ = atom("_NET_CLIENT_LIST");
        const uint32_t pidAtom = atom("_NET_WM_PID");
        window_ = xcb_generate_id(c_);
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, window_, root_, 0, 0, 10, 10, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, it.data->root_visual, 0, nullptr);
        if (pid)
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, window_, pidAtom, XCB_ATOM_CARDINAL, 32, 1, &*pid);
        otherClients.push_back(window_); // listed before it is made active
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, root_, clients_, XCB_ATOM_WINDOW, 32,
                            static_cast<uint32_t>(otherClients.size()), otherClients.data());
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, root_, active_, XCB_ATOM_WINDOW, 32, 1, &window_);
        roundTrip(); // the server has applied it before anyone else asks
        ok_ = xcb_connection_has_error(c_) == 0;
    }
    ~FakeActiveWindow() {
        if (!c_)
            return;
        xcb_delete_property(c_, root_, active_);
        xcb_delete_property(c_, root_, clients_);
        xcb_destroy_window(c_, window_);
        xcb_flush(c_);
        xcb_disconnect(c_);
    }
    FakeActiveWindow(const FakeActiveWindow &) = delete;
    FakeActiveWindow &operator=(const FakeActiveWindow &) = delete;

    bool ok() const { return ok_; }
    // Whether the server can name the process behind a window (X-Resource).
    bool serverHasClientIds() {
        static const char name[] = "X-Resource";
        auto *reply = xcb_query_extension_reply(c_, xcb_query_extension(c_, sizeof name - 1, name), nullptr);
        const bool present = reply && reply->present;
        std::free(reply);
        return present;
    }
    // The active window goes fullscreen, as a game does.
    void setFullscreen() {
        if (!c_)
            return;
        const uint32_t fullscreen = atom("_NET_WM_STATE_FULLSCREEN");
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, window_, atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 1,
                            &fullscreen);
        roundTrip();
    }
    // Another window becomes active; 0: this one again.
    void activate(uint32_t window) {
        const uint32_t active = window ? window : window_;
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, root_, active_, XCB_ATOM_WINDOW, 32, 1, &active);
        roundTrip();
    }
    // No window is active any more (the connection stays).
    void clear() {
        if (!c_)
            return;
        xcb_delete_property(c_, root_, active_);
        roundTrip();
    }

private:
    void roundTrip() { std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr)); }
    uint32_t atom(const char *name) {
        auto *reply = xcb_intern_atom_reply(
            c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const uint32_t a = reply ? reply->atom : 0;
        std::free(reply);
        return a;
    }

    xcb_connection_t *c_ = nullptr;
    uint32_t root_ = 0;
    uint32_t window_ = 0;
    uint32_t active_ = 0;
    uint32_t clients_ = 0;
    bool ok_ = false;
};

} // namespace orvyn::test
