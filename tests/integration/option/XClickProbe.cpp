// A second X client for the tests: one plain window at the top-left corner
// of the screen that prints "window <id>" once it is mapped and "press" for
// every mouse button pressed in it. Ends when its input closes.
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

int main() {
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const xcb_window_t window = xcb_generate_id(x);
    const uint32_t values[] = {screen->white_pixel, XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_EXPOSURE};
    xcb_create_window(x, XCB_COPY_FROM_PARENT, window, screen->root, 10, 10, 200, 150, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
    xcb_map_window(x, window);
    xcb_flush(x);

    bool announced = false;
    pollfd fds[2] = {{xcb_get_file_descriptor(x), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            const uint8_t type = event->response_type & 0x7F;
            if (type == XCB_EXPOSE && !announced) {
                std::printf("window %u\n", window);
                announced = true;
            } else if (type == XCB_BUTTON_PRESS) {
                std::printf("press\n");
            }
            std::fflush(stdout);
            std::free(event);
        }
        if (xcb_connection_has_error(x))
            return 1;
        if (::poll(fds, 2, -1) < 0)
            return 1;
        if (fds[1].revents & (POLLIN | POLLHUP)) {
            char byte;
            if (::read(STDIN_FILENO, &byte, 1) <= 0)
                break;
        }
    }
    xcb_disconnect(x);
    return 0;
}
