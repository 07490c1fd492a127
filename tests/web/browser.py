"""The page served on 127.0.0.1 at a free port, and Debian's Chromium driving it headless.

Shared by the web tests and the web budget (bench/web_budgets.py). Every wait is for a condition,
with a generous limit: the tests run on a loaded two-core machine.
"""
import contextlib
import functools
import http.server
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

# A control's text by its id; "focus" names the control with the keyboard, "seat" the chosen seat.
READ = """return Object.fromEntries(arguments[0].map(what => [what,
  what === 'focus' ? document.activeElement.id :
  what === 'seat' ? document.querySelector('[name=seat]:checked')?.id ?? '' :
  document.getElementById(what).value]));"""


class _Files(http.server.SimpleHTTPRequestHandler):
    # Types come from Debian's /etc/mime.types, as for tools/serve-web: application/wasm lets
    # Chromium compile the WebAssembly while it downloads.
    def log_message(self, *args):
        pass

    def end_headers(self):
        # Every load asks the server again: the service worker, not the HTTP cache, keeps the page.
        self.send_header("Cache-Control", "no-store")
        super().end_headers()


@contextlib.contextmanager
def serve(folder):
    """Serves `folder` on 127.0.0.1 at a free port; yields its address."""
    with http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(_Files, directory=folder)) as server:
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            yield f"http://127.0.0.1:{server.server_address[1]}/"
        finally:
            server.shutdown()


@contextlib.contextmanager
def chromium():
    """Headless Chromium in a fresh profile of chromedriver's, its console kept for the tests."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                 "--disable-component-update", "--lang=ja"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    with webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options) as driver:
        yield driver


def wait(driver, condition, what, seconds=60):
    return WebDriverWait(driver, seconds, 0.02).until(condition, f"waited {seconds} s for {what}")


def read(driver, *what):
    return driver.execute_script(READ, what)


def open_page(driver, address):
    """Loads the page and waits until the form has drawn its first results."""
    driver.get(address)
    wait(driver, lambda d: d.execute_script("return document.getElementById('c')?.value"),
         "the result fields")
