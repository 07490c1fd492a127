"""The page served on 127.0.0.1 at a free port, and a browser engine that drives it: Blink (Debian's
Chromium) and WebKit (WebKitGTK's MiniBrowser, on the test's X display) through Selenium, Gecko
(Firefox ESR) over WebDriver BiDi, which this module speaks itself. Every engine takes the same
scripts and the same W3C input actions, so one driver plays them all.

Shared by the web tests, the web budget (bench/web_budgets.py) and tools/screenshot-web. Every
wait is for a condition, with a generous limit: the tests run on a loaded two-core machine.
"""
import contextlib
import functools
import glob
import http.server
import itertools
import json
import pathlib
import re
import subprocess
import tempfile
import threading
import time

import websocket
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.remote.command import Command

# Headless, as root, on a machine without a GPU or a network beyond this one.
CHROMIUM_FLAGS = ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                  "--disable-component-update", "--disable-background-networking", "--lang=ja")

# A control's text by its id; "focus" names the control with the keyboard, "seat" the chosen seat.
READ = """return Object.fromEntries(arguments[0].map(what => [what,
  what === 'focus' ? document.activeElement.id :
  what === 'seat' ? document.querySelector('[name=seat]:checked')?.id ?? '' :
  document.getElementById(what).value]));"""


class Files(http.server.SimpleHTTPRequestHandler):
    # Types come from Debian's /etc/mime.types, as for tools/serve-web: application/wasm lets the
    # browser compile the WebAssembly while it downloads.
    def log_message(self, *args):
        pass

    def end_headers(self):
        # Every load asks the server again: the service worker, not the HTTP cache, keeps the page.
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def do_GET(self):
        if self.path.endswith(".wasm"):
            self.server.program.wait()
        super().do_GET()


@contextlib.contextmanager
def serve(folder, program=None, files=Files):
    """Serves `folder` on 127.0.0.1 at a free port with the handler `files`; yields its address.
    The WebAssembly waits for the event `program`, if one is given."""
    with http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(files, directory=folder)) as server:
        server.program = program or threading.Event()
        if not program:
            server.program.set()
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            yield f"http://127.0.0.1:{server.server_address[1]}/"
        finally:
            server.shutdown()


class Selenium:
    """Blink or WebKit through Selenium; `driver` is there for what only Chromium can do."""

    def __init__(self, driver, console):
        self.driver, self.console = driver, console

    def open(self, address):
        self.driver.get(address)

    def run(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def act(self, actions):
        self.driver.execute(Command.W3C_ACTIONS, {"actions": actions})
        self.driver.execute(Command.W3C_CLEAR_ACTIONS)


class Bidi:
    """Gecko over WebDriver BiDi: one WebSocket, one session, one tab."""

    def __init__(self, address):
        self.socket = websocket.create_connection(address + "/session", suppress_origin=True)
        self.numbers, self.entries = itertools.count(1), []
        self.send("session.new", capabilities={})
        self.send("session.subscribe", events=["log.entryAdded"])
        self.context = self.send("browsingContext.getTree")["contexts"][0]["context"]

    def send(self, method, **parameters):
        number = next(self.numbers)
        self.socket.send(json.dumps({"id": number, "method": method, "params": parameters}))
        while (message := json.loads(self.socket.recv())).get("id") != number:
            if message.get("method") == "log.entryAdded":
                self.entries.append(message["params"]["text"])
        if "error" in message:
            raise RuntimeError(f"{method}: {message['error']}: {message.get('message')}")
        return message["result"]

    def open(self, address):  # not waiting for the load, which a held back program holds back
        self.send("browsingContext.navigate", context=self.context, url=address,
                  wait="interactive")

    def run(self, script, *arguments):
        # Values cross as JSON text, so that neither side needs BiDi's own encoding of them.
        call = (f"async function() {{ return JSON.stringify(await (function() {{ {script} }})"
                f"(...{json.dumps(arguments)})) }}")
        result = self.send("script.callFunction", functionDeclaration=call, awaitPromise=True,
                           target={"context": self.context})["result"]
        return json.loads(result["value"]) if result["type"] == "string" else None

    def act(self, actions):
        self.send("input.performActions", context=self.context, actions=actions)
        self.send("input.releaseActions", context=self.context)

    def console(self):
        self.send("session.status")  # takes in what came before it
        return self.entries


@contextlib.contextmanager
def engine(name):
    """A fresh browser of the engine named "blink", "webkit" or "gecko", in a profile of its own."""
    with tempfile.TemporaryDirectory() as profile:
        if name == "blink":
            options = webdriver.ChromeOptions()
            options.binary_location = "/usr/bin/chromium"
            for flag in CHROMIUM_FLAGS:
                options.add_argument(flag)
            options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
            with webdriver.Chrome(service=Service("/usr/bin/chromedriver"),
                                  options=options) as driver:
                said = []  # Chromium hands each entry over once
                yield Selenium(driver, lambda: said.extend(
                    e["message"] for e in driver.get_log("browser")) or said)
        elif name == "webkit":
            # The console reaches only the browser's standard output, which this wrapper keeps.
            log, wrapper = pathlib.Path(profile, "console"), pathlib.Path(profile, "MiniBrowser")
            browser = glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser")[0]
            wrapper.write_text(f'#!/bin/sh\nexec {browser} --enable-write-console-messages-to-'
                               f'stdout=true "$@" >>{log} 2>&1\n')
            wrapper.chmod(0o755)
            options = webdriver.WebKitGTKOptions()
            options.binary_location = str(wrapper)
            options.add_argument("--automation")
            driver = webdriver.WebKitGTK("/usr/bin/WebKitWebDriver", options=options)
            try:
                yield Selenium(driver, lambda: re.findall(r"CONSOLE \w+ .*", log.read_text()))
            finally:
                driver.quit()
        else:
            firefox = subprocess.Popen(
                ["firefox-esr", "--headless", "--no-remote", "--profile", profile,
                 "--remote-debugging-port=0"], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                text=True)
            try:
                address = next(found[1] for line in firefox.stderr if (
                    found := re.search(r"WebDriver BiDi listening on (\S+)", line)))
                threading.Thread(target=firefox.stderr.read, daemon=True).start()  # drained
                yield Bidi(address)
            finally:
                firefox.terminate()
                firefox.wait()


# What an engine says of itself rather than of the page: after each load of a kept page Gecko
# looks for a new worker, and with no network it reports that look as failed, sooner or later.
ENGINES_OWN = re.compile(r"TypeError: ServiceWorker script at .+ encountered an error during ")


def wait(browser, condition, what, seconds=60):
    """condition(browser)'s first true value, asked every 20 ms. The page's console must stay
    empty: a page that says anything meanwhile, such as a program that stopped, fails at once."""
    end = time.monotonic() + seconds
    while not (value := condition(browser)):
        if said := [line for line in browser.console() if not ENGINES_OWN.match(line)]:
            raise AssertionError(f"waiting for {what}, the page said: {said}")
        if time.monotonic() > end:
            raise TimeoutError(f"waited {seconds} s for {what}")
        time.sleep(0.02)
    return value


def read(browser, *what):
    return browser.run(READ, what)


def open_page(browser, address):
    """Loads the page (None: the one there) and waits until its program has bound the form and the
    keyboard is in it: the page shows the form before, and takes what is done then only once the
    program runs; some engines place the first focus only with the first frame."""
    if address:
        browser.open(address)
    wait(browser, lambda b: b.run("return !!window.Module?.orunikaEvent && "
                                  "document.activeElement !== document.body"), "the program")


def click(browser, control):
    """The left mouse button, down and up, in the middle of the control."""
    x, y = browser.run("""const r = document.getElementById(arguments[0]).getBoundingClientRect();
                          return [Math.round(r.x + r.width / 2), Math.round(r.y + r.height / 2)];""",
                       control)
    browser.act([{"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                  "actions": [{"type": "pointerMove", "x": x, "y": y, "origin": "viewport"},
                              {"type": "pointerDown", "button": 0},
                              {"type": "pointerUp", "button": 0}]}])


KEYS = {"Tab": "\ue004", "Shift": "\ue008", "Ctrl": "\ue009", "Backspace": "\ue003",
        "End": "\ue010", "Left": "\ue012", "Up": "\ue013", "Right": "\ue014", "Down": "\ue015"}


def press(browser, *chord):
    """Holds down each key of the chord in turn ("Ctrl", "V"), then lets them go in reverse."""
    keys = [KEYS.get(key, key.lower()) for key in chord]
    browser.act([{"type": "key", "id": "keyboard", "actions": [
        *({"type": "keyDown", "value": key} for key in keys),
        *({"type": "keyUp", "value": key} for key in reversed(keys))]}])


def type_text(browser, text):
    for character in text:
        press(browser, "Backspace" if character == "\b" else character)


def copy(browser, text):
    """Puts `text`, line breaks and all, on the clipboard by a real Ctrl+C, as a user copies it;
    the keyboard is then nowhere."""
    browser.run("""const scratch = document.body.appendChild(document.createElement('input'));
        scratch.value = 'x';
        scratch.select();
        scratch.addEventListener('copy', event => {
          event.clipboardData.setData('text/plain', arguments[0]);
          event.preventDefault();
          scratch.remove();
        });""", text)
    press(browser, "Ctrl", "C")
