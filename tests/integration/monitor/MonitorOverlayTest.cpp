// The OSD's overlay over a fullscreen game, as a player meets it: a private
// X server with a window manager, a fullscreen window that holds the focus,
// Monitor with the real OSD, and a profile key on the emulated keyboard.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "integration/monitor/MonitorProcessKit.h"

namespace orvyn::test {
namespace {

#ifdef ORVYN_WITNESS

struct XReply {
    void operator()(void *p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, XReply>;

struct Box {
    int x = 0, y = 0, width = 0, height = 0;
    int centreX() const { return x + width / 2; }
    int centreY() const { return y + height / 2; }
};

class XProbe {
public:
    explicit XProbe(const std::string &display) : c_(xcb_connect(display.c_str(), nullptr)) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
    }
    ~XProbe() { xcb_disconnect(c_); }
    bool ok() const { return !xcb_connection_has_error(c_); }

    xcb_atom_t atom(const char *name) {
        Reply<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(
            c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
        return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    // A property of `w` when its items are `format` bits wide.
    Reply<xcb_get_property_reply_t> property(xcb_window_t w, xcb_atom_t name, uint8_t format) {
        Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(
            c_, xcb_get_property(c_, 0, w, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr));
        return r && r->format == format ? std::move(r) : nullptr;
    }
    std::vector<uint32_t> words(xcb_window_t w, const char *name) {
        const auto r = property(w, atom(name), 32);
        if (!r)
            return {};
        const auto *v = static_cast<const uint32_t *>(xcb_get_property_value(r.get()));
        return {v, v + xcb_get_property_value_length(r.get()) / 4};
    }
    xcb_window_t activeWindow() {
        const auto v = words(root_, "_NET_ACTIVE_WINDOW");
        return v.empty() ? xcb_window_t{XCB_WINDOW_NONE} : v[0];
    }
    bool fullscreen(xcb_window_t w) {
        const auto states = words(w, "_NET_WM_STATE");
        return std::find(states.begin(), states.end(), atom("_NET_WM_STATE_FULLSCREEN")) != states.end();
    }
    xcb_window_t focus() {
        Reply<xcb_get_input_focus_reply_t> r(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
        return r ? r->focus : xcb_window_t{XCB_WINDOW_NONE};
    }
    std::string name(xcb_window_t w) {
        const auto r = property(w, XCB_ATOM_WM_NAME, 8);
        return r ? std::string(static_cast<const char *>(xcb_get_property_value(r.get())),
                               static_cast<std::size_t>(xcb_get_property_value_length(r.get())))
                 : std::string();
    }
    // The OSD's overlay when it is mapped (override-redirect), and where:
    // the root's children, looked at top to bottom.
    std::optional<std::pair<xcb_window_t, Box>> overlay() {
        Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c_, xcb_query_tree(c_, root_), nullptr));
        if (!tree)
            return std::nullopt;
        const xcb_window_t *children = xcb_query_tree_children(tree.get());
        const std::vector<xcb_window_t> windows(children,
                                                children + xcb_query_tree_children_length(tree.get()));
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
            Reply<xcb_get_window_attributes_reply_t> a(
                xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, *it), nullptr));
            if (!a || !a->override_redirect || a->map_state != XCB_MAP_STATE_VIEWABLE ||
                name(*it) != "OSD notice")
                continue;
            Reply<xcb_get_geometry_reply_t> g(xcb_get_geometry_reply(c_, xcb_get_geometry(c_, *it), nullptr));
            if (g)
                return std::make_pair(*it, Box{g->x, g->y, g->width, g->height});
        }
        return std::nullopt;
    }
    // Pixels of the screen (a screenshot) whose colour is the skin's red.
    int redPixels(const Box &r) {
        Reply<xcb_get_image_reply_t> image(
            xcb_get_image_reply(c_,
                                xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, static_cast<int16_t>(r.x),
                                              static_cast<int16_t>(r.y), static_cast<uint16_t>(r.width),
                                              static_cast<uint16_t>(r.height), ~0u),
                                nullptr));
        if (!image)
            return 0;
        const uint8_t *p = xcb_get_image_data(image.get());
        const int length = xcb_get_image_data_length(image.get());
        int red = 0;
        for (int i = 0; i + 3 < length; i += 4) // 24-bit depth: B, G, R, pad
            red += p[i + 2] > 180 && p[i + 1] < 80 && p[i] < 80;
        return red;
    }
    xcb_window_t root() const { return root_; }

private:
    xcb_connection_t *c_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
};

bool runs(const std::vector<std::string> &args) {
    return Child(args).wait() == 0;
}

TEST_F(MonitorProcessTest, ProfileOverlayShowsAboveAFullscreenGameAndLeavesItAlone) {
    for (const char *tool : {"/usr/bin/Xvfb", "/usr/bin/openbox", "/usr/bin/xdotool"}) {
        if (!std::filesystem::exists(tool))
            GTEST_SKIP() << tool << " is not installed";
    }
    // A display of our own: the window manager and the focus are ours.
    Child xserver({"/usr/bin/Xvfb", "-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
    const auto number = xserver.readLine();
    ASSERT_TRUE(number) << "Xvfb did not start";
    const ScopedVariable display("DISPLAY", ":" + *number);
    ::unsetenv("QT_QPA_PLATFORM");
    const ScopedVariable bus("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    XProbe x(":" + *number);
    ASSERT_TRUE(x.ok());
    Child wm({"/usr/bin/openbox", "--sm-disable"});
    ASSERT_TRUE(eventually([&] { return !x.words(x.root(), "_NET_SUPPORTING_WM_CHECK").empty(); }));
    // It announces itself a moment before it takes windows on.
    std::this_thread::sleep_for(500ms);

    Child game({ORVYN_WITNESS, "fullscreen"});
    const auto ready = game.readLine();
    ASSERT_TRUE(ready && ready->rfind("ready ", 0) == 0);
    const auto gameWindow = static_cast<xcb_window_t>(std::stoul(ready->substr(6)));
    ASSERT_TRUE(eventually([&] { return x.activeWindow() == gameWindow && x.fullscreen(gameWindow); }));

    // The real OSD, started by Monitor.
    osd.close();
    std::filesystem::remove(programs + "OSD");
    std::filesystem::create_symlink(std::string(ORVYN_PROGRAM_DIR) + "OSD", programs + "OSD");
    startConnected();
    EndpointPoster poster(runtime.runtime());
    ASSERT_TRUE(eventually([&] { return poster.exists(kOsdTitle); }, kPatience));
    std::this_thread::sleep_for(300ms); // the OSD's window made ready

    const auto pressed = std::chrono::steady_clock::now();
    ASSERT_TRUE(server->sendEvent(0x1000, 3));
    std::optional<std::pair<xcb_window_t, Box>> overlay;
    ASSERT_TRUE(eventually(
        [&] {
            overlay = x.overlay();
            return overlay && x.redPixels(overlay->second) > 0;
        },
        2s))
        << "no overlay on screen";
    const auto shownMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - pressed)
            .count();
    std::printf("profile key to overlay on screen: %lld ms\n", static_cast<long long>(shownMs));
    EXPECT_LT(shownMs, 100);
    const Box where = overlay->second;
    EXPECT_LE(std::abs(where.centreX() - 640), 1) << "top centre";
    EXPECT_LT(where.y, 100) << "top centre";

    // On screen, so above the game (a screenshot's pixels); outside the
    // window manager's lists; the game keeps the focus and its fullscreen
    // state.
    const auto clients = x.words(x.root(), "_NET_CLIENT_LIST");
    EXPECT_EQ(std::find(clients.begin(), clients.end(), overlay->first), clients.end());
    EXPECT_EQ(x.activeWindow(), gameWindow);
    EXPECT_TRUE(x.fullscreen(gameWindow));
    EXPECT_EQ(x.focus(), gameWindow);

    // A typed key and a click on the overlay both reach the game.
    ASSERT_TRUE(runs({"/usr/bin/xdotool", "key", "a"}));
    const auto typed = game.readLine(5);
    EXPECT_TRUE(typed && typed->rfind("key ", 0) == 0 && typed->ends_with(" down"))
        << typed.value_or("nothing");
    ASSERT_TRUE(runs({"/usr/bin/xdotool", "mousemove", std::to_string(where.centreX()),
                      std::to_string(where.centreY()), "click", "1"}));
    std::optional<std::string> click;
    while ((click = game.readLine(5)) && click->rfind("button", 0) != 0) {
    }
    EXPECT_EQ(click, std::optional<std::string>("button 1 down"));
    EXPECT_TRUE(x.overlay()) << "the click landed before the overlay's time was up";
    EXPECT_EQ(x.activeWindow(), gameWindow);
    EXPECT_TRUE(x.fullscreen(gameWindow));

    // Gone after its time.
    EXPECT_TRUE(eventually([&] { return !x.overlay(); }, 4s));
    game.closeStdin();
    // Monitor and the OSD end before their X server does.
    monitor->kill(SIGTERM);
    monitor->wait();
    monitor.reset();
}

#endif

} // namespace
} // namespace orvyn::test
