"""The page served on 127.0.0.1 at a free port, and Debian's Chromium driving it headless.

Shared by the web tests and the web budget (bench/web_budgets.py). Every wait is for a condition,
with a generous limit: the tests run on a loaded two-core machine.
"""
import contextlib
import functools
import gzip
import http.server
import pathlib
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

# A control's text by its id; "focus" names the control with the keyboard, "seat" the chosen seat.
READ = """return Object.fromEntries(arguments[0].map(what => [what,
  what === 'focus' ? document.activeElement.id :
  what === 'seat' ? document.querySelector('[name=seat]:checked')?.id ?? '' :
  document.getElementById(what).value]));"""


# Headless, as root, on a machine without a GPU or a network beyond this one.
CHROMIUM_FLAGS = ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                  "--disable-component-update", "--disable-background-networking", "--lang=ja")


@functools.lru_cache
def _compressed(path, _):  # by the file's time too, for a file that changes while it is served
    return gzip.compress(path.read_bytes())


class _Files(http.server.SimpleHTTPRequestHandler):
    # Types come from Debian's /etc/mime.types, as for tools/serve-web: application/wasm lets
    # Chromium compile the WebAssembly while it downloads. As a static host serves them: text and
    # WebAssembly compressed once, over connections kept open.
    protocol_version = "HTTP/1.1"
    disable_nagle_algorithm = True  # or a response's last packet waits for an acknowledgement

    def log_message(self, *args):
        pass

    def end_headers(self):
        # Every load asks the server again: the service worker, not the HTTP cache, keeps the page.
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def do_GET(self):
        if self.path.endswith(".wasm"):
            self.server.program.wait()
        path = pathlib.Path(self.translate_path(self.path))
        path = path / "index.html" if path.is_dir() else path
        if path.suffix not in (".html", ".js", ".wasm", ".webmanifest") or not path.is_file() or \
                "gzip" not in self.headers.get("Accept-Encoding", ""):
            return super().do_GET()
        data = _compressed(path, path.stat().st_mtime_ns)
        self.send_response(200)
        for name, value in (("Content-Type", self.guess_type(str(path))),
                            ("Content-Encoding", "gzip"), ("Content-Length", str(len(data)))):
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(data)


@contextlib.contextmanager
def serve(folder, program=None):
    """Serves `folder` on 127.0.0.1 at a free port; yields its address. The WebAssembly waits for
    the event `program`, if one is given."""
    with http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(_Files, directory=folder)) as server:
        server.program = program or threading.Event()
        if not program:
            server.program.set()
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
    for flag in CHROMIUM_FLAGS:
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    with webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options) as driver:
        yield driver


def wait(driver, condition, what, seconds=60):
    return WebDriverWait(driver, seconds, 0.02).until(condition, f"waited {seconds} s for {what}")


def read(driver, *what):
    return driver.execute_script(READ, what)


def open_page(driver, address):
    """Loads the page (None: the one there) and waits until its program has bound the form: the
    page shows the form before, and takes what is done then only once the program runs."""
    if address:
        driver.get(address)
    wait(driver, lambda d: d.execute_script("return !!window.Module?.orunikaEvent"), "the program")
