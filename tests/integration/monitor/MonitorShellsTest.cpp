// Monitor on KDE Plasma: a virtual KWin on a bus of its own runs Monitor's
// script; the window KWin activates picks the profile of its game.
#include <gtest/gtest.h>

#include "MonitorProcessKit.h"

namespace orvyn::test {
namespace {

constexpr const char *kKWin = "/usr/bin/kwin_wayland";

// A GTK window standing for a game (foot cannot run on KWin here).
constexpr const char *kWindowScript = R"(import sys, gi
gi.require_version("Gtk", "3.0")
from gi.repository import Gtk
window = Gtk.Window(title=sys.argv[1])
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()
)";

class MonitorKWin : public MonitorProcessTest {
protected:
    void SetUp() override {
        if (::access(kKWin, X_OK) != 0 || !std::filesystem::exists("/usr/lib/python3/dist-packages/gi"))
            GTEST_SKIP() << "kwin_wayland or python3-gi is not installed";
        MonitorProcessTest::SetUp();
        char pattern[] = "/tmp/kwin-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir = pattern;
        bus = std::make_unique<Child>(
            std::vector<std::string>{"/usr/bin/dbus-daemon", "--session", "--nofork", "--print-address"});
        const auto address = bus->readLine();
        ASSERT_TRUE(address && !address->empty()) << "no private bus";
        busAddress = std::make_unique<ScopedVariable>("DBUS_SESSION_BUS_ADDRESS", *address);
        // The installed binary carries a file capability a container may not grant.
        std::filesystem::copy_file(kKWin, dir + "/kwin_wayland");
        kwin = std::make_unique<Child>(std::vector<std::string>{
            "/bin/sh", "-c", "exec \"$@\" 2>\"$0\"", dir + "/kwin.log", "/usr/bin/env",
            "XDG_RUNTIME_DIR=" + dir, dir + "/kwin_wayland", "--virtual", "--no-lockscreen", "--socket",
            "kwin-test", "--width", "1280", "--height", "800"});
        for (int i = 0; i < 1500 && !kwinOnBus(); ++i)
            std::this_thread::sleep_for(10ms);
        ASSERT_TRUE(kwinOnBus()) << "KWin did not start";
        std::ofstream(dir + "/window.py") << kWindowScript;
    }
    void TearDown() override {
        MonitorProcessTest::TearDown();
        windows.clear();
        kwin.reset();
        bus.reset();
        busAddress.reset();
        if (!dir.empty())
            std::filesystem::remove_all(dir);
    }
    bool kwinOnBus() const {
        FILE *pipe =
            ::popen("dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus "
                    "org.freedesktop.DBus.NameHasOwner string:org.kde.KWin 2>/dev/null",
                    "r");
        if (!pipe)
            return false;
        char buffer[512] = {};
        const std::size_t n = std::fread(buffer, 1, sizeof(buffer) - 1, pipe);
        ::pclose(pipe);
        return std::string(buffer, n).find("boolean true") != std::string::npos;
    }
    // A window of a process named `name`.
    void openWindow(const std::string &name) {
        std::filesystem::create_symlink("/usr/bin/python3", dir + "/" + name);
        windows.push_back(std::make_unique<Child>(std::vector<std::string>{
            "/bin/sh", "-c", "exec \"$@\" 2>\"$0\"", dir + "/" + name + ".log", "/usr/bin/env",
            "XDG_RUNTIME_DIR=" + dir, "WAYLAND_DISPLAY=kwin-test", "GDK_BACKEND=wayland", "NO_AT_BRIDGE=1",
            dir + "/" + name, dir + "/window.py", name}));
    }

    std::string dir;
    std::unique_ptr<Child> bus;
    std::unique_ptr<ScopedVariable> busAddress;
    std::unique_ptr<Child> kwin;
    std::vector<std::unique_ptr<Child>> windows;
};

TEST_F(MonitorKWin, ActivatedWindowSwitchesByItsProcess) {
    auto profile = std::make_unique<ProfileData>();
    makeDefaultProfile(*profile, 3, "Profile");
    setFixed(profile->GameFile, "/opt/games/racer");
    std::filesystem::create_directories(home + "config");
    ASSERT_TRUE(SettingsStore::saveProfile(*profile, home + "config/Default3.gkp"));
    openWindow("editor");
    const ScopedVariable wayland("WAYLAND_DISPLAY", dir + "/kwin-test");
    const ScopedVariable desktop("XDG_CURRENT_DESKTOP", "KDE");
    startConnected();
    EXPECT_TRUE(option.quiet()) << "the editor in front switched";

    openWindow("racer"); // KWin activates a new window
    ASSERT_TRUE(option.waitFor(WM_PROFILE_CHANGED));
    for (int i = 0; i < 500 && model.currentProfile() != 3; ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(model.currentProfile(), 3);
    SharedConfigBlock block;
    block.open(runtime.runtime());
    auto config = std::make_unique<ConfigBlock>();
    ASSERT_TRUE(block.take(*config));
    EXPECT_EQ(config->CurrentProfile, 3);
}

} // namespace
} // namespace orvyn::test
