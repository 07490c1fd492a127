#!/usr/bin/python3
"""What only the real program on a real X server shows: its window found by its title, its start
read through AT-SPI as a screen reader reads it (each control by its role and the caption that
labels it), and a hand typed as X key events by xdotool. Keeps a screenshot of the window.

Usage: x11_smoke_test.py PROGRAM SCREENSHOT.png, under dbus-run-session. It starts an Xvfb of its
own, which picks a free display itself: xvfb-run -a can pick one that a run beside it takes first."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

REQUIRED = "入力が必要"
# Every wait ends as soon as its condition holds; only a broken program waits this long. A shared
# machine under load, or the sanitizers, may take a minute where an idle one takes a second.
PATIENCE = 240.0
PROGRAM = None  # the calculator, once started: a wait ends when it does


def wait_for(what, condition):
    """Polls until condition() gives something true, and returns that."""
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline and PROGRAM.poll() is None:
        # AT-SPI's events keep its cache of the tree and the texts up to date: deliver them first.
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            seen = condition()
        except GLib.Error:  # a call the busy program did not answer in time: ask again
            seen = None
        if seen:
            return seen
        time.sleep(0.1)
    ended = "" if PROGRAM.poll() is None else f" the program ended with status {PROGRAM.poll()},"
    sys.exit(f"FAIL:{ended} no {what} after {time.monotonic() - deadline + PATIENCE:.0f} s")


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=PATIENCE)


def labelled(caption):
    return lambda node: caption in [relation.getTarget(0).name for relation in node.getRelationSet()
                                    if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY]


def main():
    program, screenshot = sys.argv[1], sys.argv[2]
    # Xvfb names its display on the pipe once it takes clients. Without -noreset it would reset as
    # the program's display check hangs up, its only client, and refuse Qt's connection meanwhile.
    reader, writer = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(writer), "-nolisten", "tcp",
                               "-screen", "0", "640x480x24"], pass_fds=(writer,))
    os.close(writer)
    os.environ.update(DISPLAY=":" + os.fdopen(reader).readline().strip(), QT_QPA_PLATFORM="xcb",
                      QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    global PROGRAM
    PROGRAM = subprocess.Popen([program])
    try:
        window = wait_for("window titled Orunika", lambda: xdotool(
            "search", "--onlyvisible", "--name", "^Orunika$").stdout.split())[0]
        app = wait_for("accessible application Orunika", lambda: next((
            app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "Orunika"), None))

        def find(role, test, what):
            """The one control of that role that passes the test, once the tree holds it."""
            def found():
                nodes = pyatspi.findAllDescendants(app, lambda n: n.getRole() == role and test(n))
                return nodes[0] if len(nodes) == 1 else None
            return wait_for(what, found)

        for caption in ("飜数", "符"):
            find(pyatspi.ROLE_TEXT, labelled(caption), f"text box labelled {caption}")
        ron, tsumo = (find(pyatspi.ROLE_LABEL, labelled(caption), f"field labelled {caption}")
                      for caption in ("ロンアガリ", "ツモアガリ"))
        dealer = find(pyatspi.ROLE_RADIO_BUTTON, lambda node: node.name == "親", "option button 親")
        wait_for("start with 親 selected and both fields asking for input", lambda: (
            dealer.getState().contains(pyatspi.STATE_CHECKED) and ron.name == tsumo.name == REQUIRED))
        wait_for("keyboard focus in the window", lambda: xdotool("windowfocus", window) and xdotool(
            "getwindowfocus").stdout.split() == [window])
        xdotool("type", "--delay", "50", "3\t40")  # han, Tab, fu
        wait_for("7700 and 2600 for 親, 3 han and 40 fu", lambda: (ron.name, tsumo.name) == (
            "7700", "2600"))
        subprocess.run(["import", "-window", window, screenshot], check=True, timeout=PATIENCE)
        print(f"the real window answered X keys and a screen reader; screenshot in {screenshot}")
    finally:
        PROGRAM.kill()
        server.kill()


if __name__ == "__main__":
    main()
