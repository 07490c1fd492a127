#!/usr/bin/python3
"""The built program on a real X server, used as a person would: keys typed and a mouse click sent
as X events by xdotool, and what the window shows read back through AT-SPI, the interface screen
readers use. Keeps a screenshot of the window as it was at the end.

Usage: x11_smoke_test.py PROGRAM SCREENSHOT.png, under dbus-run-session and xvfb-run."""
import os
import subprocess
import sys
import time

import pyatspi

REQUIRED = "入力が必要"


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True,
                          text=True, timeout=20).stdout


def wait_for(what, read, expected, timeout=10.0):
    deadline = time.monotonic() + timeout
    while True:
        seen = read()
        if seen == expected:
            return
        if time.monotonic() > deadline:
            sys.exit(f"FAIL: {what}: expected {expected!r}, saw {seen!r}")
        time.sleep(0.05)


def accessible_tree(node):
    yield node
    for child in node:
        if child is not None:
            yield from accessible_tree(child)


def find_application(name):
    for _ in range(200):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == name:
                return app
        time.sleep(0.05)
    sys.exit(f"FAIL: no accessible application named {name}")


class Window:
    """The calculator as AT-SPI shows it; result fields are found by where they stand."""

    def __init__(self, app):
        self.nodes = list(accessible_tree(app))

    def _at(self, role, x, y):
        for node in self.nodes:
            if node.getRole() == role:
                extents = node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
                if (extents.x, extents.y) == (x, y):
                    return node
        sys.exit(f"FAIL: nothing of role {role} at ({x}, {y})")

    def results(self):
        return (self._at(pyatspi.ROLE_LABEL, 96, 48).name, self._at(pyatspi.ROLE_LABEL, 96, 72).name)

    def seat(self):
        checked = [node.name for node in self.nodes if node.getRole() == pyatspi.ROLE_RADIO_BUTTON
                   and node.getState().contains(pyatspi.STATE_CHECKED)]
        return checked


def main():
    program, screenshot = sys.argv[1], sys.argv[2]
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    calculator = subprocess.Popen([program], env=env)
    try:
        window_id = xdotool("search", "--sync", "--onlyvisible", "--name", "^Orunika$").split()[0]
        geometry = xdotool("getwindowgeometry", window_id)
        if "218x96" not in geometry:
            sys.exit(f"FAIL: window geometry {geometry!r}")
        xdotool("windowfocus", "--sync", window_id)
        window = Window(find_application("orunika"))

        wait_for("start-up results", window.results, (REQUIRED, REQUIRED))
        wait_for("start-up seat", window.seat, ["親"])

        xdotool("type", "--delay", 30, "3")
        xdotool("key", "Tab")
        xdotool("type", "--delay", 30, "4")
        wait_for("han 3, fu 4", window.results, (REQUIRED, REQUIRED))
        xdotool("type", "--delay", 30, "0")
        wait_for("親, han 3, fu 40", window.results, ("7700", "2600"))

        xdotool("mousemove", "--window", window_id, 12, 36, "click", 1)  # on 子
        wait_for("子 selected", window.seat, ["子"])
        wait_for("子, han 3, fu 40", window.results, ("5200", "1300.2600"))

        subprocess.run(["import", "-window", window_id, screenshot], check=True, timeout=20)

        xdotool("mousemove", "--window", window_id, 200, 36, "click", 1)  # after the fu
        xdotool("key", "BackSpace", "BackSpace")
        wait_for("empty fu", window.results, (REQUIRED, REQUIRED))
        print(f"the real window answered keys and clicks; screenshot in {screenshot}")
    finally:
        calculator.terminate()
        calculator.wait(timeout=10)


if __name__ == "__main__":
    main()
