"""The page served on 127.0.0.1 at a free port, and Debian's Chromium driving it headless.

Shared by the web tests and the web budget (bench/web_budgets.py). Every wait is for a condition,
with a generous limit: the tests run on a loaded two-core machine.
"""
import contextlib
import functools
import http.server
import os
import shutil
import subprocess
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

ASKING = "入力が必要"
LIMIT = 60  # seconds for any one condition


class _Files(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".webmanifest": "application/manifest+json"}

    def log_message(self, *args):
        pass

    def end_headers(self):
        # Every load asks the server again: the service worker, not the HTTP cache, keeps the page.
        self.send_header("Cache-Control", "no-store")
        super().end_headers()


@contextlib.contextmanager
def serve(folder):
    """Serves `folder` on 127.0.0.1 at a free port; yields its address."""
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(_Files, directory=folder))
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield f"http://127.0.0.1:{server.server_address[1]}/"
    finally:
        server.shutdown()
        server.server_close()


@contextlib.contextmanager
def chromium(width=800, height=600, phone=False):
    """Headless Chromium with a fresh profile, its console kept for the tests to read."""
    profile = tempfile.mkdtemp(prefix="orunika-chromium-")
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--disable-dev-shm-usage",
                 "--lang=ja", f"--user-data-dir={profile}", f"--window-size={width},{height}"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        if phone:
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 3, "mobile": True})
            driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                   {"enabled": True, "maxTouchPoints": 5})
            driver.execute_cdp_cmd("Emulation.setEmitTouchEventsForMouse", {"enabled": True})
        yield driver
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def wait(driver, condition, what):
    return WebDriverWait(driver, LIMIT, poll_frequency=0.02).until(
        lambda d: condition(d), message=f"waited {LIMIT} s for {what}")


def value(driver, name):
    return driver.execute_script("return document.getElementById(arguments[0]).value", name)


def open_page(driver, address):
    """Loads the page and waits until the form has drawn its first results."""
    driver.get(address)
    wait(driver, lambda d: d.execute_script(
        "const c = document.getElementById('c'); return c !== null && c.value !== ''"),
        "the result fields")


def console_errors(driver):
    return [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
