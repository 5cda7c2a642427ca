#!/usr/bin/env python3
"""Walks the window over AT-SPI as a screen reader would:

    atspi_walk.py TIDEWELL_BINARY

opens the window on a made-up Linux app in a home of its own, then checks what the
accessibility bus says: the header's and the bottom bar's texts, controls named by their
labels, and arrowing through the found items moving the focus from row to row (a focus event
for each, with its name and checked state). Exits 77 (skipped) with the reason where no
display or no accessibility bus is there: run it under a desktop session (an X server, a
session bus and at-spi-bus-launcher).
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(reason):
    print(f"SKIP: {reason}")
    sys.exit(SKIP)


def fail(reason):
    print(f"FAIL: {reason}")
    sys.exit(1)


if not os.environ.get("DISPLAY"):
    skip("no X display (run under a desktop session)")
if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
    skip("no session bus, so no accessibility bus")
if not shutil.which("xdotool"):
    skip("xdotool is missing: keys cannot be sent")
try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
except (ImportError, ValueError) as error:
    skip(f"the AT-SPI client library is missing ({error})")


def make_home(root):
    """A home with one Linux app and two leftovers of it."""
    home = os.path.join(root, "home")
    entry = os.path.join(home, ".local/share/applications/org.example.Brinewater.desktop")
    os.makedirs(os.path.dirname(entry))
    with open(entry, "w") as file:
        file.write("[Desktop Entry]\nType=Application\nName=Brinewater\nExec=brinewater\n")
    for folder in (".config/brinewater", ".cache/brinewater"):
        os.makedirs(os.path.join(home, folder))
        with open(os.path.join(home, folder, "state"), "w") as file:
            file.write("x" * 5000)
    return home, entry


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def walk(node, depth=0):
    if node is None or depth > 60:
        return
    yield node
    for index in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(index), depth + 1)


def find_app(name, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = Atspi.get_desktop(0)
        for index in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(index)
            if app is not None and app.get_name() == name:
                return app
        pump(0.2)
    return None


def wait_for(predicate, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        result = predicate()
        if result:
            return result
        pump(0.1)
    return None


def has_state(node, state):
    return node.get_state_set().contains(state)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    root = tempfile.mkdtemp()
    home, entry = make_home(root)
    environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                       XDG_DATA_HOME=os.path.join(home, ".local/share"),
                       XDG_CACHE_HOME=os.path.join(root, "cache"), LANGUAGE="en", LC_ALL="C.UTF-8",
                       QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       TIDEWELL_APPEARANCE="light")
    window = subprocess.Popen([sys.argv[1], entry], env=environment)
    focus_events = []

    def on_focus(event):
        if event.detail1 == 1:
            focus_events.append((event.source.get_name(),
                                 has_state(event.source, Atspi.StateType.CHECKED)))

    listener = Atspi.EventListener.new(on_focus)
    listener.register("object:state-changed:focused")
    try:
        app = find_app("Tidewell", 15)
        if app is None:
            skip("the window never appeared on the accessibility bus")

        def rows():
            return [node for node in walk(app) if node.get_role() == Atspi.Role.CHECK_BOX
                    and node.get_name().startswith(("brinewater", "org.example"))]

        found = wait_for(lambda: len(rows()) == 2 and rows(), 30)
        if not found:
            fail("the two found items never showed as check boxes")
        names = [node.get_name() for node in walk(app)]
        for text in ("Brinewater", "Installed by the system", "Total selected size", "Found items",
                     "Remove", "Cancel"):
            if not any(name == text for name in names):
                fail(f"nothing on the bus is named \"{text}\"")
        for node in walk(app):
            role = node.get_role()
            if role == Atspi.Role.PUSH_BUTTON and not node.get_name():
                fail("a button without a name")
            if role == Atspi.Role.PARAGRAPH and has_state(node, Atspi.StateType.FOCUSABLE):
                fail(f"the text \"{node.get_name()}\" offers to take the focus")
        # Without a window manager the keyboard goes where X puts its focus.
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "Tidewell",
                        "windowfocus", "--sync"], check=False, capture_output=True)
        pump(0.5)
        focus_events.clear()
        subprocess.run(["xdotool", "key", "Down"], check=True)
        if not wait_for(lambda: focus_events, 5):
            fail("arrowing down sent no focus event")
        focused = [node for node in rows() if has_state(node, Atspi.StateType.FOCUSED)]
        if len(focused) != 1 or focused[0].get_name() != focus_events[-1][0]:
            fail(f"the focus event ({focus_events[-1]}) is not the focused row")
        name = focused[0].get_name()
        subprocess.run(["xdotool", "key", "space"], check=True)
        if not wait_for(lambda: not has_state(focused[0], Atspi.StateType.CHECKED), 5):
            fail("Space did not clear the row's checked state")
        if focused[0].get_name() != name:
            fail(f"the row's name changed with its state: {name} -> {focused[0].get_name()}")
        print(f"OK: {len(names)} objects, focus moved to \"{name}\"")
        return 0
    finally:
        listener.deregister("object:state-changed:focused")
        window.terminate()
        window.wait(10)
        shutil.rmtree(root, ignore_errors=True)


sys.exit(main())
