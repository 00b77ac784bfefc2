// x_witness: another X client for the recorder's tests.
//   x_witness watch  - a window that holds the input focus and prints
//                      "key <keycode> down|up" for every key it receives
//                      until stdin closes.
//   x_witness grab   - holds an active keyboard grab ("grabbed") until
//                      stdin closes.
//   x_witness fullscreen - like watch, in a window that asks the window
//                      manager for fullscreen (a game), and also prints
//                      "button <n> down" for every click it receives.
// It prints "ready <window>" once its window is mapped.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

void say(const std::string &line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void takeFocus(xcb_connection_t *c, xcb_window_t w) {
    xcb_set_input_focus(c, XCB_INPUT_FOCUS_POINTER_ROOT, w, XCB_CURRENT_TIME);
    // A round trip: the focus is set once the reply is here.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

bool grabKeyboard(xcb_connection_t *c, xcb_window_t w) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        xcb_grab_keyboard_reply_t *reply = xcb_grab_keyboard_reply(
            c, xcb_grab_keyboard(c, 0, w, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
            nullptr);
        const bool ok = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
        std::free(reply);
        if (ok)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name) {
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return a;
}

} // namespace

int main(int argc, char **argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "watch" && mode != "grab" && mode != "fullscreen") {
        std::fprintf(stderr, "usage: x_witness watch|grab|fullscreen\n");
        return 2;
    }
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (!c || xcb_connection_has_error(c)) {
        std::fprintf(stderr, "x_witness: no X server\n");
        return 1;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t w = xcb_generate_id(c);
    const uint32_t mask = XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK;
    const uint32_t values[] = {screen->black_pixel, XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE |
                                                        XCB_EVENT_MASK_BUTTON_PRESS |
                                                        XCB_EVENT_MASK_STRUCTURE_NOTIFY};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, 1200, 900, 200, 120, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, mask, values);
    static const char kTitle[] = "x_witness";
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, sizeof kTitle - 1,
                        kTitle);
    if (mode == "fullscreen") {
        const xcb_atom_t state = atom(c, "_NET_WM_STATE");
        const xcb_atom_t fullscreen = atom(c, "_NET_WM_STATE_FULLSCREEN");
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, state, XCB_ATOM_ATOM, 32, 1, &fullscreen);
    }
    xcb_map_window(c, w);
    xcb_flush(c);
    // Wait until it is mapped.
    while (xcb_generic_event_t *e = xcb_wait_for_event(c)) {
        const bool mapped = (e->response_type & 0x7F) == XCB_MAP_NOTIFY;
        std::free(e);
        if (mapped)
            break;
    }
    if (mode == "grab") {
        if (!grabKeyboard(c, w)) {
            say("failed");
            return 1;
        }
        say("grabbed");
        char buf[64];
        while (::read(STDIN_FILENO, buf, sizeof buf) > 0) {
        }
        xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
        xcb_disconnect(c);
        return 0;
    }

    takeFocus(c, w);
    say("ready " + std::to_string(w));
    pollfd fds[2] = {{xcb_get_file_descriptor(c), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    for (;;) {
        while (xcb_generic_event_t *e = xcb_poll_for_event(c)) {
            const uint8_t type = e->response_type & 0x7F;
            if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) {
                const auto *k = reinterpret_cast<xcb_key_press_event_t *>(e);
                say("key " + std::to_string(k->detail) + (type == XCB_KEY_PRESS ? " down" : " up"));
            } else if (type == XCB_BUTTON_PRESS) {
                const auto *b = reinterpret_cast<xcb_button_press_event_t *>(e);
                say("button " + std::to_string(b->detail) + " down");
            }
            std::free(e);
        }
        if (xcb_connection_has_error(c))
            return 1;
        if (::poll(fds, 2, -1) < 0)
            continue;
        if (fds[1].revents & (POLLIN | POLLHUP)) {
            char buf[64];
            if (::read(STDIN_FILENO, buf, sizeof buf) <= 0)
                break;
        }
    }
    xcb_disconnect(c);
    return 0;
}
