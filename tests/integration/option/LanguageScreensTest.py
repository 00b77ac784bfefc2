#!/usr/bin/env python3
"""Option in every shipped language, as a user opens it: the main window, the
macro manager (its button clicked) and a key's menu (G5 clicked on the macro
keys page). Each is saved as PNG under OUT/<code>/ and fails when it does not
appear, is blank, holds a text without a glyph in the faces in use, or shows
in English a text the language's catalogue or string table translates.

Arguments: PROGRAM_DIR SOURCE_DIR OUT SCREEN_SHOT; expects a private session
bus (dbus-run-session). Exits 77 (skipped) only when the accessibility bus
cannot be reached."""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree

from AccessibilityTreeTest import (MACRO_TAB, MAIN_TITLE, Processes, accessibility_bus_address, fail,
                                   find_option, showing, start_xvfb, top_window, wait_for, walk)

SKIP = 77
MACRO_MANAGER = "Record and edit the macros of the macro library."
MANAGER_TITLE = " Gaming Mouse Macro Manager"
MANAGER_CANCEL = "Discard the changes to the macro library."
PROGRAMMABLE_KEY = "Programmable key G%1. Click to choose what it does."


def local(catalogue, english, *values):
    """What a control is called in the language: its quick help comes from
    the language's skin set, drawn from the same catalogue."""
    text = catalogue.get(english, english)
    for number, value in enumerate(values, 1):
        text = text.replace("%%%d" % number, value)
    return text


def catalogue_translations(source_dir, code):
    """English text -> translation, for every finished translation that
    differs from its source in orvyn_<code>.ts (none for English)."""
    path = os.path.join(source_dir, "src", "translations", "orvyn_%s.ts" % code)
    if not os.path.exists(path):
        return {}
    out = {}
    for message in ElementTree.parse(path).getroot().iter("message"):
        source, translation = message.find("source"), message.find("translation")
        if source is None or translation is None or translation.get("type") in ("unfinished", "vanished",
                                                                                 "obsolete"):
            continue
        if translation.text and translation.text != source.text:
            out[source.text] = translation.text
    return out


def table_translations(screen_shot, program_dir, code):
    """English table text -> this language's, where they differ."""
    out = subprocess.run([screen_shot, "--table", program_dir, code], capture_output=True, text=True)
    if out.returncode != 0:
        fail("%s: cannot read the string table from %s" % (code, program_dir))
    return json.loads(out.stdout)


def visible_texts(node):
    """The names and descriptions of the showing nodes under `node`."""
    found = []
    for each, _ in walk(node):
        if showing(each):
            found += [t for t in (each.name, each.description) if t and t.strip()]
    return found


def extents(node):
    import pyatspi
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def find_control(window, name):
    return wait_for(lambda: next((n for n, _ in walk(window) if showing(n)
                                  and (n.name == name or n.description == name)), None), 10, 0.1)


def click(display, window, name):
    """Clicks the middle of the showing control called (or described) `name`."""
    node = find_control(window, name)
    if node is None:
        fail("no showing control called %r" % name)
    x, y, w, h = extents(node)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 2), "click", "1"],
                   env=dict(os.environ, DISPLAY=display), check=False)


class Screens:
    """One language's screenshots and the problems found in them."""

    def __init__(self, code, folder, display, screen_shot):
        self.code, self.folder, self.display, self.screen_shot = code, folder, display, screen_shot
        self.problems = []

    def take(self, name, box, texts, translated):
        """`translated`: English text -> its translation, for the texts this
        screen must not show in English."""
        path = os.path.join(self.folder, name + ".png")
        x, y, w, h = box
        result = subprocess.run([self.screen_shot, path, str(x), str(y), str(w), str(h)],
                                input=json.dumps(sorted(set(texts))), capture_output=True, text=True,
                                env=dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb"))
        self.problems += ["%s %s: %s" % (self.code, name, line) for line in result.stdout.splitlines()]
        if result.returncode not in (0, 1):
            self.problems.append("%s %s: screen_shot failed: %s" % (self.code, name, result.stderr.strip()))
        english = sorted(t for t in set(texts) if t in translated)
        self.problems += ["%s %s: left in English: %r (translated %r)" % (self.code, name, t, translated[t])
                          for t in english]


def menu_texts(log_path):
    """The items of the last menu Option opened (it traces them: a popup is
    not in the accessibility tree), or None before one opened."""
    with open(log_path, encoding="utf-8", errors="replace") as f:
        shown = [line.split("Option: menu shows ", 1)[1].rstrip("\n") for line in f
                 if "Option: menu shows " in line]
    return shown[-1].split(" | ") if shown else None


def windows_box(display, pid):
    """The rectangle around every visible window of process `pid`."""
    env = dict(os.environ, DISPLAY=display)
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], env=env,
                         capture_output=True, text=True).stdout.split()
    boxes = []
    for wid in ids:
        out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", wid], env=env, capture_output=True,
                             text=True).stdout
        g = dict(line.split("=", 1) for line in out.split() if "=" in line)
        boxes.append((int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])))
    x, y = min(b[0] for b in boxes), min(b[1] for b in boxes)
    return x, y, max(b[0] + b[2] for b in boxes) - x, max(b[1] + b[3] for b in boxes) - y


def language_screens(pyatspi, code, base, programs, out, display, screen_shot, processes, catalogue, table):
    folder = os.path.join(out, code)
    os.makedirs(folder, exist_ok=True)
    runtime = os.path.join(base, code, "run")
    home = os.path.join(base, code, "home")
    os.makedirs(runtime, mode=0o700)
    os.makedirs(os.path.join(home, "config"))
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, ORVYN_VANTOR_HOME=home, ORVYN_TIME_SCALE="0.01",
               DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               ORVYN_TRACE="1")
    log_path = os.path.join(base, code + ".log")
    log = open(log_path, "w")
    option = processes.start([os.path.join(programs, "Option"), "--language", code], env, log)
    screens = Screens(code, folder, display, screen_shot)

    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: find_option(desktop, option.pid), 30, 0.1)
    if app is None:
        fail("%s: Option never appeared on the accessibility bus" % code)
    window = wait_for(lambda: top_window(app, MAIN_TITLE), 30, 0.1)
    if window is None:
        fail("%s: the main window did not appear" % code)
    # The first frame: the connection line is painted last.
    time.sleep(0.3)
    screens.take("main", extents(window), visible_texts(window), catalogue)

    click(display, window, local(catalogue, MACRO_MANAGER))
    manager = wait_for(lambda: top_window(app, MANAGER_TITLE), 10, 0.1)
    if manager is None:
        fail("%s: the macro manager did not open" % code)
    time.sleep(0.3)
    screens.take("macro_manager", extents(manager), visible_texts(manager), catalogue)
    click(display, manager, local(catalogue, MANAGER_CANCEL))
    if not wait_for(lambda: top_window(app, MANAGER_TITLE) is None, 10):
        fail("%s: the macro manager did not close by Cancel" % code)

    click(display, window, local(catalogue, MACRO_TAB))
    g5 = local(catalogue, PROGRAMMABLE_KEY, "5")
    if find_control(window, g5) is None:
        fail("%s: the macro keys page did not open" % code)
    click(display, window, g5)
    items = wait_for(lambda: menu_texts(log_path), 10, 0.1)
    if items is None:
        fail("%s: G5's menu did not open" % code)
    time.sleep(0.3)
    # The menu's entries are the string table's; the same English word may
    # name a key elsewhere (a key name is not a table text).
    screens.take("key_menu", windows_box(display, option.pid), items, table)

    option.terminate()
    option.wait(10)
    return screens.problems


def main():
    if len(sys.argv) != 5:
        fail("usage: LanguageScreensTest.py PROGRAM_DIR SOURCE_DIR OUT SCREEN_SHOT")
    program_dir, source_dir, out, screen_shot = (os.path.abspath(a) for a in sys.argv[1:])
    if accessibility_bus_address() is None:
        print("SKIP: the accessibility bus (org.a11y.Bus) cannot start on this session bus", file=sys.stderr)
        return SKIP
    try:
        import pyatspi
    except ImportError:
        fail("python3-pyatspi is missing (scripts/install-deps.sh installs it)")
    languages = subprocess.run([screen_shot, "--languages"], capture_output=True, text=True,
                               check=True).stdout.split()
    if "en" not in languages or len(languages) < 2:
        fail("no languages listed: %r" % languages)

    base = tempfile.mkdtemp(prefix="option-screens-")
    processes = Processes()
    problems = []
    try:
        programs = os.path.join(base, "bin")
        os.makedirs(programs)
        # Option alone: without Monitor it works from the settings files.
        shutil.copy2(os.path.join(program_dir, "Option"), programs)
        for shared in ("uitext.so", "skins", "translations"):
            os.symlink(os.path.join(program_dir, shared), os.path.join(programs, shared))
        display = start_xvfb(processes, base)
        for code in languages:
            problems += language_screens(pyatspi, code, base, programs, out, display, screen_shot, processes,
                                         catalogue_translations(source_dir, code),
                                         table_translations(screen_shot, program_dir, code))
    finally:
        processes.stop()
        if os.environ.get("KEEP_TEST_FILES") is None:
            shutil.rmtree(base, ignore_errors=True)
    print("screenshots: %s/<code>/{main,macro_manager,key_menu}.png for %s" % (out, " ".join(languages)))
    if problems:
        fail("\n  ".join(["what a user of these languages would see wrong:"] + problems))
    return 0


if __name__ == "__main__":
    sys.exit(main())
