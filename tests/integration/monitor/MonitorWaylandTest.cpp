// Monitor on a Wayland desktop: a headless sway with two native Wayland
// windows; the one brought to the front picks the profile of its game, by
// the process sway names or, without sway's IPC, by its app id. The real
// OSD's notice shows above a native fullscreen window.
#include <gtest/gtest.h>

#include "MonitorProcessKit.h"

namespace orvyn::test {
namespace {

class MonitorWayland : public MonitorProcessTest {
protected:
    void SetUp() override {
        if (::access("/usr/bin/sway", X_OK) != 0 || ::access("/usr/bin/foot", X_OK) != 0)
            GTEST_SKIP() << "sway or foot is not installed";
        MonitorProcessTest::SetUp();
        ASSERT_FALSE(dir.empty());
        startSway();
    }
    void startSway() {
        sway = std::make_unique<Child>(std::vector<std::string>{"/bin/sh", kTestbed, "compositor", dir});
        eventually([&] { return !display().empty() && !ipc().empty(); }, 10s);
        ASSERT_FALSE(display().empty()) << "sway did not start";
        ASSERT_FALSE(ipc().empty()) << "sway has no IPC socket";
    }
    void stopSway() {
        sway.reset(); // killed: its windows go with it
        windows.clear();
        for (const char *left : {"/wayland-1", "/wayland-1.lock"})
            std::filesystem::remove(dir + left);
        for (std::string socket = ipc(); !socket.empty(); socket = ipc())
            std::filesystem::remove(socket);
    }

    std::string display() const {
        return std::filesystem::exists(dir + "/wayland-1") ? dir + "/wayland-1" : "";
    }
    std::string ipc() const {
        for (const auto &entry : std::filesystem::directory_iterator(dir))
            if (entry.path().filename().string().starts_with("sway-ipc."))
                return entry.path().string();
        return {};
    }
    std::string swaymsg(const std::string &arguments) const {
        return commandOutput("swaymsg -s '" + ipc() + "' " + arguments + " 2>&1");
    }
    bool focus(const std::string &appId) const {
        return swaymsg("'[app_id=" + appId + "] focus'").find("\"success\": true") != std::string::npos;
    }
    // A foot window with this app id, running as the process `name`.
    void openWindow(const std::string &appId, const std::string &name) {
        windows.push_back(std::make_unique<Child>(
            std::vector<std::string>{"/bin/sh", kTestbed, "window", dir, appId, name}));
        EXPECT_TRUE(eventually(
            [&] { return swaymsg("-t get_tree").find("\"app_id\": \"" + appId + "\"") != std::string::npos; },
            10s))
            << "no window " << appId;
    }
    // Monitor without sway's IPC, these windows open, a profile for Racer.exe.
    void startWithoutIpc(std::initializer_list<const char *> appIds) {
        saveGameProfile(2, "C:\\Games\\Racer.exe");
        for (const char *appId : appIds)
            openWindow(appId, "");
        const ScopedVariable wayland("WAYLAND_DISPLAY", display());
        ::unsetenv("SWAYSOCK");
        startConnected();
    }
    // Brings the window to the front; Monitor must switch to `profile`.
    void focusSwitchesTo(const std::string &appId, int profile) {
        option.drain();
        EXPECT_TRUE(focus(appId));
        switchedTo(profile);
    }

    // Pixels in the skin's red in the top centre of sway's screen (a
    // screenshot as binary PPM); -1 without a screenshot.
    int redPixelsAtTopCentre() const {
        const std::string ppm =
            commandOutput("WAYLAND_DISPLAY='" + display() + "' grim -t ppm - 2>/dev/null");
        int width = 0, height = 0, maxval = 0, header = 0;
        if (std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &width, &height, &maxval, &header) != 3 ||
            maxval != 255 ||
            ppm.size() < std::size_t(header + 1) + std::size_t(width) * std::size_t(height) * 3)
            return -1;
        const auto *rgb = reinterpret_cast<const unsigned char *>(ppm.data()) + header + 1;
        int red = 0;
        for (int y = 0; y < std::min(height, 200); ++y)
            for (int x = std::max(0, width / 2 - 150); x < std::min(width, width / 2 + 150); ++x) {
                const unsigned char *p = rgb + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3;
                red += p[0] > 180 && p[1] < 80 && p[2] < 80;
            }
        return red;
    }

    static constexpr const char *kTestbed = ORVYN_SWAY_TESTBED;
    // Destroyed after Monitor ends, in reverse: the windows, sway, the folder.
    const ScratchFolder scratch{"sway-test"};
    const std::string &dir = scratch.path;
    std::unique_ptr<Child> sway;
    std::vector<std::unique_ptr<Child>> windows;
};

// sway names each window's process: the game is known by its program name,
// whatever its app id.
TEST_F(MonitorWayland, WindowInFrontSwitchesByItsProcess) {
    saveGameProfile(3, "/opt/games/racer");
    openWindow("com.example.Racer", "racer");
    openWindow("com.example.Editor", "editor");
    const ScopedVariable wayland("WAYLAND_DISPLAY", display());
    const ScopedVariable swaysock("SWAYSOCK", ipc());
    startConnected();
    EXPECT_TRUE(option.quiet()) << "the editor in front switched";
    focusSwitchesTo("com.example.Racer", 3);
    // Back to the editor: no switch back.
    EXPECT_TRUE(focus("com.example.Editor"));
    EXPECT_TRUE(option.quiet());
    EXPECT_EQ(model.currentProfile(), 3);
}

// Without sway's IPC nothing names a process: the app id is the game file's
// name without its extension.
TEST_F(MonitorWayland, WithoutProcessesTheAppIdNamesTheGame) {
    startWithoutIpc({"racer", "editor"});
    EXPECT_TRUE(option.quiet());
    focusSwitchesTo("racer", 2);
}

// The compositor goes and comes back: Monitor follows the new one.
TEST_F(MonitorWayland, ACompositorThatRestartsIsFollowed) {
    startWithoutIpc({"editor"});
    stopSway();
    startSway();
    openWindow("editor", "");
    EXPECT_TRUE(option.quiet());
    openWindow("racer", ""); // a new window comes to the front
    switchedTo(2);
}

// A profile key while a native Wayland window is fullscreen: the real OSD's
// notice is a layer above it, at the top centre, gone after its time.
TEST_F(MonitorWayland, ProfileNoticeShowsAboveANativeFullscreenWindow) {
    if (::access("/usr/bin/grim", X_OK) != 0)
        GTEST_SKIP() << "grim is not installed";
    openWindow("com.example.Game", "");
    EXPECT_NE(swaymsg("'[app_id=com.example.Game] fullscreen enable'").find("\"success\": true"),
              std::string::npos);
    ASSERT_EQ(redPixelsAtTopCentre(), 0) << "no screenshot, or red before any notice";
    osd.close();
    std::filesystem::remove(programs + "OSD");
    std::filesystem::create_symlink(std::string(ORVYN_PROGRAM_DIR) + "OSD", programs + "OSD");
    const ScopedVariable wayland("WAYLAND_DISPLAY", display());
    startConnected();
    EndpointPoster poster(runtime.runtime());
    ASSERT_TRUE(eventually([&] { return poster.exists(kOsdTitle); }, kPatience));

    ASSERT_TRUE(server->sendEvent(0x1000, 3));
    EXPECT_TRUE(eventually([&] { return redPixelsAtTopCentre() > 0; }, 2s)) << "no notice above the window";
    EXPECT_NE(swaymsg("-t get_tree").find("\"fullscreen_mode\": 1"), std::string::npos);
    EXPECT_TRUE(eventually([&] { return redPixelsAtTopCentre() == 0; }, 4s)) << "the notice stayed";
    monitor->kill(SIGTERM);
    monitor->wait();
    monitor.reset();
}

} // namespace
} // namespace orvyn::test
