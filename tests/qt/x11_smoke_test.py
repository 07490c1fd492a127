#!/usr/bin/python3
"""The built program on a real X server, used as a person would: keys typed and a mouse click sent
as X events by xdotool, and everything read back through AT-SPI, as a screen reader reads it: each
control by its role and the caption that labels it, and every change of a result as an event.
Keeps a screenshot of the window.

Usage: x11_smoke_test.py PROGRAM SCREENSHOT.png, under dbus-run-session and xvfb-run."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

REQUIRED = "入力が必要"
# How long to wait for the program before calling it broken. Every wait ends as soon as the
# program answers; only a broken one waits the whole time, so this is generous for a machine that
# is busy, or runs the program under sanitizers.
PATIENCE = 60.0


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True,
                          text=True, timeout=PATIENCE).stdout


def check(what, seen, expected):
    if seen != expected:
        sys.exit(f"FAIL: {what}: expected {expected!r}, saw {seen!r}")


def wait_for(what, read, expected):
    deadline = time.monotonic() + PATIENCE
    while read() != expected and time.monotonic() < deadline:
        GLib.MainContext.default().iteration(False)  # deliver AT-SPI events meanwhile
        time.sleep(0.02)
    check(what, read(), expected)


def accessible_tree(node):
    yield node
    for child in node:
        if child is not None:
            yield from accessible_tree(child)


def find_application(name):
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.05)
    sys.exit(f"FAIL: no accessible application named {name}")


def labelled_by(node):
    return [relation.getTarget(0).name for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY]


def find(nodes, role, caption):
    """The control of that role that a screen reader announces by that caption."""
    found = [node for node in nodes if node.getRole() == role and labelled_by(node) == [caption]]
    check(f"controls of role {role} labelled {caption}", len(found), 1)
    return found[0]


def main():
    program, screenshot = sys.argv[1], sys.argv[2]
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    calculator = subprocess.Popen([program], env=env)
    try:
        window_id = xdotool("search", "--sync", "--onlyvisible", "--name", "^Orunika$").split()[0]
        check("window size", "218x96" in xdotool("getwindowgeometry", window_id), True)
        xdotool("windowfocus", "--sync", window_id)
        nodes = list(accessible_tree(find_application("Orunika")))

        check("han box", find(nodes, pyatspi.ROLE_TEXT, "飜数").name, "飜数")
        check("fu box", find(nodes, pyatspi.ROLE_TEXT, "符").name, "符")
        ron, tsumo = (find(nodes, pyatspi.ROLE_LABEL, caption) for caption in ("ロンアガリ", "ツモアガリ"))
        check("tsumo description", tsumo.description, "表示形式は(子.親)です")
        seats = {node.name: node for node in nodes if node.getRole() == pyatspi.ROLE_RADIO_BUTTON}
        selected = lambda: sorted(name for name, node in seats.items()
                                  if node.getState().contains(pyatspi.STATE_CHECKED))
        results = lambda: (ron.name, tsumo.name)
        check("seats", sorted(seats), ["子", "親"])
        wait_for("start-up seat", selected, ["親"])
        wait_for("start-up results", results, (REQUIRED, REQUIRED))

        announced = []  # what a screen reader heard, a repeated notice counted once

        def listener(event):
            notice = (event.source.name, event.source == ron)
            if notice not in announced[-2:]:
                announced.append(notice)

        pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")

        xdotool("type", "--delay", 30, "3")
        xdotool("key", "Tab")
        xdotool("type", "--delay", 30, "40")
        wait_for("親, han 3, fu 40", results, ("7700", "2600"))
        xdotool("mousemove", "--window", window_id, 12, 36, "click", 1)  # on 子
        wait_for("子 selected", selected, ["子"])
        wait_for("子, han 3, fu 40", results, ("5200", "1300.2600"))
        subprocess.run(["import", "-window", window_id, screenshot], check=True,
                       timeout=PATIENCE)
        xdotool("mousemove", "--window", window_id, 200, 36, "click", 1)  # after the fu
        xdotool("key", "BackSpace")
        wait_for("fu 4", results, (REQUIRED, REQUIRED))

        wait_for("every change of a result announced", lambda: announced, [
            ("7700", True), ("2600", False), ("5200", True), ("1300.2600", False),
            (REQUIRED, True), (REQUIRED, False)])
        print(f"the real window answered keys and clicks; screenshot in {screenshot}")
    finally:
        calculator.terminate()
        try:
            calculator.wait(timeout=PATIENCE)
        except subprocess.TimeoutExpired:
            calculator.kill()


if __name__ == "__main__":
    main()
