#!/usr/bin/env python3
"""Option as a screen reader sees it: the accessibility tree of the main
window and of each dialog over AT-SPI, and APPLY pressed through its
accessible action.

Runs Option (X11 through its own Xvfb), Monitor and kbsim; expects a private
session bus (dbus-run-session). Exits 77 (skipped) only when the
accessibility bus cannot be reached."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
MAIN_TITLE = "Orvyn Vantor Keyboard Option"
# The skin's help texts, which name these controls.
ADVANCED_TAB = "Polling rate; lighting; Windows key lock and power saving."
POLLING_SLOW = "Report 125 times a second (8 ms)."
POLLING_FAST = "Report 1000 times a second (1 ms): the quickest response."
APPLY = "Write the changes to the keyboard."
MACRO_TAB = "Give the programmable keys macros and functions."
G5 = "Programmable key G5. Click to choose what it does."
# Each dialog: its title, the control that opens it (the main window's, by
# name or description), the entry of the key menu to take (downward steps,
# None: no menu) and the name of its Cancel button.
DIALOGS = [
    ("Swap key Dialog", "Esc", None, "Keep the key as it was."),
    (" Gaming Mouse Macro Manager", "Record and edit the macros of the macro library.", None,
     "Discard the changes to the macro library."),
    ("Profile", "Change the name and the game program of the current profile.", None,
     "Leave the profile as it was."),
    ("Z.ORBA Shortcut Dialog", G5, 6, "Keep the key as it was."),
    ("Launch Program", G5, 7, "Keep the key as it was."),
]


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(predicate, seconds, step=0.1):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return None


class Processes:
    def __init__(self):
        self.children = []

    def start(self, argv, env, log):
        child = subprocess.Popen(argv, env=env, stdout=log, stderr=subprocess.STDOUT)
        self.children.append(child)
        return child

    def stop(self):
        for child in reversed(self.children):
            if child.poll() is None:
                child.send_signal(signal.SIGTERM)
                try:
                    child.wait(5)
                except subprocess.TimeoutExpired:
                    child.kill()
                    child.wait()


def start_xvfb(processes, base):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1600x1200x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=open(os.path.join(base, "xvfb.log"), "w"))
    processes.children.append(xvfb)
    os.close(write_end)
    with os.fdopen(read_end) as f:
        number = f.readline().strip()
    if not number:
        fail("Xvfb did not start")
    return ":" + number


def accessibility_bus_address():
    """The accessibility bus's address, or None when it cannot start."""
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        return None
    try:
        out = subprocess.run(
            ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], capture_output=True, text=True, timeout=20)
    except (OSError, subprocess.TimeoutExpired):
        return None
    address = out.stdout.strip()
    return address if out.returncode == 0 and address else None


def find_option(desktop, pid):
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def showing(node):
    import pyatspi
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find_showing(window, role, name):
    for node, _ in walk(window):
        if (node.name == name or node.description == name) and showing(node) \
                and (role is None or node.getRoleName() == role):
            return node
    return None


def nameless_controls(window):
    """Showing nodes without a role (a filler or an unknown role is what a
    painted widget without an interface of its own shows as) or a name."""
    found = []
    for node, depth in walk(window):
        if not showing(node):
            continue
        role = node.getRoleName()
        if role in ("unknown", "invalid", "filler", "redundant object") or not node.name.strip():
            found.append("%s %r (parent %r)" % (role, node.name, node.parent.name if node.parent else None))
    return found


def top_window(app, title):
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.name == title and showing(child):
            return child
    return None


def run_action(pyatspi, window, name, wanted):
    """Runs the action `wanted` of the showing control called (or described) `name`."""
    node = wait_for(lambda: find_showing(window, None, name), 10, 0.25)
    if node is None:
        fail("no showing control called %r" % name)
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if wanted not in names:
        fail("%r offers no %s action, only %r" % (name, wanted, names))
    action.doAction(names.index(wanted))


def dialog_problems(pyatspi, app, window, display, dialog):
    """Opens one dialog from the main window, lists its unnamed controls and
    leaves it by its Cancel button, all through accessible actions (a key
    menu's entry is chosen with the keyboard)."""
    title, opener, menu_steps, cancel = dialog
    if menu_steps is None:
        run_action(pyatspi, window, opener, "Press")
    else:
        run_action(pyatspi, window, opener, "ShowMenu")
        time.sleep(1)
        keys = ["Down"] * menu_steps + ["Return"]
        subprocess.run(["xdotool", "key", "--delay", "50"] + keys, env=dict(os.environ, DISPLAY=display),
                       check=False)
    found = wait_for(lambda: top_window(app, title), 15, 0.25)
    if found is None:
        fail("the dialog %r did not open" % title)
    problems = ["%s: %s" % (title.strip(), p) for p in nameless_controls(found)]
    run_action(pyatspi, found, cancel, "Press")
    if not wait_for(lambda: top_window(app, title) is None, 10):
        fail("the dialog %r did not close by its Cancel action" % title)
    return problems


def is_checked(pyatspi, node):
    return node is not None and node.getState().contains(pyatspi.STATE_CHECKED)


def press(pyatspi, window, role, name):
    """Runs the press action of the showing control called `name`."""
    node = wait_for(lambda: find_showing(window, role, name), 10, 0.25)
    if node is None:
        fail("no showing %s called %r" % (role or "control", name))
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("%r offers no press action, only %r" % (name, names))
    action.doAction(names.index("Press"))


def went_quiet(log_path):
    """True once kbsim's log has stood still for half a second after it began
    (Monitor's read-back is over), within 20 s."""
    seen, quiet = -1, 0
    for _ in range(200):
        time.sleep(0.1)
        size = os.path.getsize(log_path) if os.path.exists(log_path) else 0
        quiet = quiet + 1 if size > 0 and size == seen else 0
        seen = size
        if quiet == 5:
            return True
    return False


def kbsim_writes(log_path):
    """How many reports the keyboard was sent (kbsim logs them "<- SET")."""
    try:
        with open(log_path) as f:
            return sum(1 for line in f if "<- SET" in line)
    except OSError:
        return 0


def main():
    if len(sys.argv) != 2:
        fail("usage: AccessibilityTreeTest.py PROGRAM_DIR")
    program_dir = os.path.abspath(sys.argv[1])
    address = accessibility_bus_address()
    if address is None:
        print("SKIP: the accessibility bus (org.a11y.Bus) cannot start on this session bus", file=sys.stderr)
        return SKIP
    try:
        import pyatspi
    except ImportError:
        fail("python3-pyatspi is missing (scripts/install-deps.sh installs it)")

    base = tempfile.mkdtemp(prefix="option-atspi-")
    processes = Processes()
    try:
        return run(pyatspi, program_dir, base, processes)
    finally:
        processes.stop()
        if os.environ.get("KEEP_TEST_FILES") is None:
            shutil.rmtree(base, ignore_errors=True)


def run(pyatspi, program_dir, base, processes):
    runtime = os.path.join(base, "run")
    home = os.path.join(base, "home")
    programs = os.path.join(base, "bin")
    os.makedirs(runtime, mode=0o700)
    os.makedirs(os.path.join(home, "config"))
    os.makedirs(programs)
    # Monitor starts what lies beside it: give it a folder without the OSD.
    for program in ("Monitor", "Option"):
        shutil.copy2(os.path.join(program_dir, program), programs)
    for shared in ("devbridge.so", "uitext.so", "skins"):
        os.symlink(os.path.join(program_dir, shared), os.path.join(programs, shared))

    socket = os.path.join(runtime, "keyboard.sock")
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, ORVYN_VANTOR_HOME=home, ORVYN_KEYBOARD="emulator",
               ORVYN_KEYBOARD_SOCKET=socket, ORVYN_TIME_SCALE="0.01", ORVYN_TRACE="1")
    log = open(os.path.join(base, "processes.log"), "w")
    kbsim_log = os.path.join(base, "kbsim.log")
    processes.start([os.path.join(program_dir, "kbsim"), "serve", "--socket", socket, "--log", kbsim_log],
                    env, log)
    if not wait_for(lambda: os.path.exists(socket), 10):
        fail("kbsim did not open its socket")
    processes.start([os.path.join(programs, "Monitor")], dict(env, QT_QPA_PLATFORM="offscreen"), log)
    if not went_quiet(kbsim_log):
        fail("Monitor did not read the keyboard back")

    display = start_xvfb(processes, base)
    option = processes.start([os.path.join(programs, "Option")],
                             dict(env, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                                  QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1"), log)

    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: find_option(desktop, option.pid), 30, 0.25)
    if app is None:
        fail("Option never appeared on the accessibility bus")
    window = wait_for(lambda: next((app.getChildAtIndex(i) for i in range(app.childCount)
                                    if app.getChildAtIndex(i) is not None
                                    and app.getChildAtIndex(i).name == MAIN_TITLE), None), 30, 0.25)
    if window is None:
        fail("no window of Option is called %r; its windows: %r"
             % (MAIN_TITLE, [app.getChildAtIndex(i).name for i in range(app.childCount)]))

    nameless = nameless_controls(window)
    if nameless:
        fail("controls without a role or a name:\n  " + "\n  ".join(nameless))

    # Every dialog: the standard-key page is shown at start, the G-keys
    # from the macro-key page.
    for dialog in DIALOGS:
        if dialog[1] == G5:
            press(pyatspi, window, "page tab", MACRO_TAB)
        nameless += dialog_problems(pyatspi, app, window, display, dialog)
    if nameless:
        fail("dialog controls without a role or a name:\n  " + "\n  ".join(nameless))

    # A page tab, a switch on its page and APPLY, all through their actions.
    press(pyatspi, window, "page tab", ADVANCED_TAB)
    # A polling rate other than the chosen one, so that there is a change.
    slow = find_showing(window, None, POLLING_SLOW)
    switch = POLLING_FAST if slow is not None and is_checked(pyatspi, slow) else POLLING_SLOW
    press(pyatspi, window, None, switch)
    if not wait_for(lambda: is_checked(pyatspi, find_showing(window, None, switch)), 10):
        fail("%r does not read checked after its press action" % switch)
    before = kbsim_writes(kbsim_log)
    press(pyatspi, window, "push button", APPLY)
    if not wait_for(lambda: kbsim_writes(kbsim_log) > before, 20):
        fail("APPLY pressed through its accessible action wrote nothing to the keyboard")

    if os.environ.get("DUMP_TREE"):
        for node, depth in walk(window):
            print("  " * depth + "%s %r %r %s" % (node.getRoleName(), node.name, node.description,
                                                   [pyatspi.stateToString(x) for x in node.getState().getStates()]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
