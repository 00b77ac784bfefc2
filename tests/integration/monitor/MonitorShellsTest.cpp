// Monitor on the big desktops, each on a bus of its own: a virtual KWin runs
// Monitor's script, a headless GNOME Shell the package's extension; the
// window the desktop brings to the front picks the profile of its game.
#include <gtest/gtest.h>

#include "MonitorProcessKit.h"

namespace orvyn::test {
namespace {

// A GTK window standing for a game (foot cannot run on KWin here).
constexpr const char *kWindowScript = R"(import sys, gi
gi.require_version("Gtk", "3.0")
from gi.repository import Gtk
window = Gtk.Window(title=sys.argv[1])
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()
)";

class DesktopShellTest : public MonitorProcessTest {
protected:
    // Skips unless `program` and python3-gi are installed; a private folder
    // and session bus, which Monitor gets too.
    void setUpShell(const char *program) {
        if (::access(program, X_OK) != 0 || !std::filesystem::exists("/usr/lib/python3/dist-packages/gi"))
            GTEST_SKIP() << program << " or python3-gi is not installed";
        MonitorProcessTest::SetUp();
        ASSERT_FALSE(dir.empty());
        const auto address = startBus();
        ASSERT_FALSE(address.empty()) << "no private bus";
        busAddress = std::make_unique<ScopedVariable>("DBUS_SESSION_BUS_ADDRESS", address);
        std::ofstream(dir + "/window.py") << kWindowScript;
    }
    std::string startBus() {
        buses.push_back(std::make_unique<Child>(
            std::vector<std::string>{"/usr/bin/dbus-daemon", "--session", "--nofork", "--print-address"}));
        return buses.back()->readLine().value_or("");
    }
    // `command` with its stderr into a log of the folder.
    std::vector<std::string> logged(const std::string &log, std::vector<std::string> command) const {
        command.insert(command.begin(), {"/bin/sh", "-c", "exec \"$@\" 2>\"$0\"", dir + "/" + log + ".log"});
        return command;
    }
    static bool waitOnBus(const std::string &name) {
        return eventually(
            [&] {
                return commandOutput("dbus-send --session --print-reply --dest=org.freedesktop.DBus "
                                     "/org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:" +
                                     name + " 2>/dev/null")
                           .find("boolean true") != std::string::npos;
            },
            15s);
    }
    // A window of a process named `name` on the desktop's Wayland display.
    void openWindow(const std::string &name, const std::string &display) {
        std::filesystem::create_symlink("/usr/bin/python3", dir + "/" + name);
        windows.push_back(std::make_unique<Child>(logged(
            name, {"/usr/bin/env", "XDG_RUNTIME_DIR=" + dir, "WAYLAND_DISPLAY=" + display,
                   "GDK_BACKEND=wayland", "NO_AT_BRIDGE=1", dir + "/" + name, dir + "/window.py", name})));
    }
    // The editor in front when Monitor starts switches nothing; the racer's
    // new window, which the desktop brings to the front, switches to its game.
    void newWindowInFrontSwitches(const std::string &display, const char *desktop) {
        saveGameProfile(3, "/opt/games/racer");
        openWindow("editor", display);
        const ScopedVariable wayland("WAYLAND_DISPLAY", dir + "/" + display);
        const ScopedVariable current("XDG_CURRENT_DESKTOP", desktop);
        startConnected();
        EXPECT_TRUE(option.quiet()) << "the editor in front switched";
        openWindow("racer", display);
        switchedTo(3);
    }

    // Destroyed after Monitor ends, in reverse: the windows, the shell, the buses, the folder.
    const ScratchFolder scratch{"shell-test"};
    const std::string &dir = scratch.path;
    std::vector<std::unique_ptr<Child>> buses;
    std::unique_ptr<ScopedVariable> busAddress;
    std::unique_ptr<Child> shell;
    std::vector<std::unique_ptr<Child>> windows;
};

class MonitorKWin : public DesktopShellTest {
protected:
    void SetUp() override {
        setUpShell("/usr/bin/kwin_wayland");
        if (IsSkipped() || HasFatalFailure())
            return;
        // The installed binary carries a file capability a container may not grant.
        std::filesystem::copy_file("/usr/bin/kwin_wayland", dir + "/kwin_wayland");
        shell = std::make_unique<Child>(logged(
            "kwin", {"/usr/bin/env", "XDG_RUNTIME_DIR=" + dir, dir + "/kwin_wayland", "--virtual",
                     "--no-lockscreen", "--socket", "kwin-test", "--width", "1280", "--height", "800"}));
        ASSERT_TRUE(waitOnBus("org.kde.KWin")) << "KWin did not start";
    }
};

TEST_F(MonitorKWin, ActivatedWindowSwitchesByItsProcess) {
    newWindowInFrontSwitches("kwin-test", "KDE");
}

class MonitorGnome : public DesktopShellTest {
protected:
    void SetUp() override {
        setUpShell("/usr/bin/gnome-shell");
        if (IsSkipped() || HasFatalFailure())
            return;
        // The shell will not start without a system bus (its login manager).
        const std::string systemBus = startBus();
        ASSERT_FALSE(systemBus.empty());
        // The extension as the package installs it, enabled as a user would
        // have it (in a settings file of the test's own).
        const std::string extensions = dir + "/data/gnome-shell/extensions/";
        std::filesystem::create_directories(extensions);
        std::filesystem::copy(std::string(ORVYN_GNOME_EXTENSION), extensions + kUuid,
                              std::filesystem::copy_options::recursive);
        std::filesystem::create_directories(dir + "/config/glib-2.0/settings");
        std::ofstream(dir + "/config/glib-2.0/settings/keyfile")
            << "[org/gnome/shell]\nenabled-extensions=['" << kUuid << "']\n";
        shell = std::make_unique<Child>(
            logged("gnome-shell",
                   {"/usr/bin/env", "HOME=" + dir, "XDG_RUNTIME_DIR=" + dir, "XDG_DATA_HOME=" + dir + "/data",
                    "XDG_CONFIG_HOME=" + dir + "/config", "GSETTINGS_BACKEND=keyfile",
                    "DBUS_SYSTEM_BUS_ADDRESS=" + systemBus, "/usr/bin/gnome-shell", "--headless", "--wayland",
                    "--no-x11", "--virtual-monitor", "1280x800", "--wayland-display", "gnome-test"}));
        ASSERT_TRUE(waitOnBus("org.orvyn.Vantor.FocusedWindow"))
            << "the shell or its extension did not start";
        // The shell shows the overview once started, and there new windows
        // get no focus: wait for it, then leave it.
        const std::string property =
            "dbus-send --session --print-reply --dest=org.gnome.Shell /org/gnome/Shell "
            "org.freedesktop.DBus.Properties.";
        const auto overview = [&] {
            return commandOutput(property + "Get string:org.gnome.Shell string:OverviewActive 2>/dev/null")
                       .find("true") != std::string::npos;
        };
        eventually(overview, 10s);
        commandOutput(property + "Set string:org.gnome.Shell string:OverviewActive variant:boolean:false");
        ASSERT_TRUE(eventually([&] { return !overview(); }, 10s));
    }

    static constexpr const char *kUuid = "orvyn-vantor-foreground@orvyn";
};

TEST_F(MonitorGnome, FocusedWindowSwitchesByItsProcess) {
    newWindowInFrontSwitches("gnome-test", "GNOME");
}

} // namespace
} // namespace orvyn::test
