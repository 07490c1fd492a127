#!/usr/bin/python3
"""The page's budgets (docs/PERFORMANCE.md), measured, never asserted.

  size        every file a first visit downloads (the worker keeps them all), raw and gzip -9
  start-up    first visits with no HTTP cache and no worker, alternating with a static page with
              two plain inputs, both served compressed from 127.0.0.1; the figures are medians of
              the per-round ratios to the static page's first paint (it has no contentful one):
                paint     the page's first contentful paint
                computed  the page's ron field showing 7700 for a hand (3 han, 40 fu) typed into
                          the boxes as soon as they exist, before the WebAssembly has arrived
  keystroke   one input event's recompute inside the page: the box's value set and its input
              event dispatched, through the model to both fields written; in runs of 100
  Lighthouse  the performance score on a phone as Lighthouse emulates one, served compressed

Usage: bench/web_budgets.py [SITE_FOLDER] [ROUNDS]   (after cmake --build --preset web)
"""
import functools
import gzip
import os
import pathlib
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
import browser  # noqa: E402
import lighthouse_test  # noqa: E402

# Runs before any script of the page: types the hand as soon as both boxes and the ron field are
# parsed, and notes when the program writes the hand's result into the field.
TYPE_EARLY = """
new MutationObserver((_, observer) => {
  const a = document.getElementById('a'), b = document.getElementById('b');
  const c = document.getElementById('c');
  if (!a || !b || !c) return;
  observer.disconnect();
  for (const [box, text] of [[a, '3'], [b, '40']]) {
    box.value = text;
    box.dispatchEvent(new InputEvent('input', {bubbles: true}));
  }
  const value = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
  Object.defineProperty(c, 'value', {get() { return value.get.call(this); }, set(text) {
    value.set.call(this, text);
    if (text === '7700') window.orunikaComputed ??= performance.now();
  }});
}).observe(document, {childList: true, subtree: true});"""

# [the paint, when the hand was computed, when the page's own files had come] once all are known.
TIMES = """const paint = performance.getEntriesByName(arguments[0])[0];
const files = performance.getEntriesByType('resource').concat(
  performance.getEntriesByType('navigation'));
const came = name => files.find(file => file.name.endsWith(name))?.responseEnd;
return paint && (arguments[0] === 'first-paint' || window.orunikaComputed) ?
  [paint.startTime, window.orunikaComputed, came('/'), came('orunika.js'), came('orunika.wasm')]
  : null;"""

PLAIN = """<!DOCTYPE html><html lang="ja"><head><meta charset="utf-8"><title>Orunika</title></head>
<body><input type="text"><input type="text"></body></html>"""

KEYSTROKES = """
const han = document.getElementById('a'), box = document.getElementById('b');
const c = document.getElementById('c'), times = [];
han.value = '3';  // so that every keystroke writes both fields: 7700 / 2600, then asking again
han.dispatchEvent(new InputEvent('input', {bubbles: true}));
for (let round = 0; round < 20; ++round) {
  const start = performance.now();
  for (let i = 0; i < 100; ++i) {  // the clock ticks in 0.1 ms: time a hundred at once
    box.value = i % 2 ? '40' : '4';
    box.dispatchEvent(new InputEvent('input', {bubbles: true}));
  }
  times.push((performance.now() - start) / 100);
  if (c.value !== '7700') throw new Error('no result');
}
return times;"""


@functools.lru_cache
def compressed(path, _):  # by the file's time too, for a file that changes while it is served
    return gzip.compress(path.read_bytes())


class StaticHost(browser.Files):
    """As a static host serves a site: text and WebAssembly compressed once, over connections kept
    open, with no delay for a response's last packet."""
    protocol_version = "HTTP/1.1"
    disable_nagle_algorithm = True

    def do_GET(self):
        path = pathlib.Path(self.translate_path(self.path))
        path = path / "index.html" if path.is_dir() else path
        if path.suffix not in (".html", ".js", ".wasm", ".webmanifest") or not path.is_file() or \
                "gzip" not in self.headers.get("Accept-Encoding", ""):
            return super().do_GET()
        data = compressed(path, path.stat().st_mtime_ns)
        self.send_response(200)
        for name, value in (("Content-Type", self.guess_type(str(path))),
                            ("Content-Encoding", "gzip"), ("Content-Length", str(len(data)))):
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(data)


def sizes(site):
    total_raw = total_gzip = 0
    for name in sorted(os.listdir(site)):
        with open(os.path.join(site, name), "rb") as file:
            data = file.read()
        packed = len(gzip.compress(data, 9))
        total_raw, total_gzip = total_raw + len(data), total_gzip + packed
        print(f"  {name:22} {len(data):7} B raw {packed:7} B gzip")
    print(f"  {'all':22} {total_raw:7} B raw {total_gzip:7} B gzip "
          f"({total_gzip / 1000:.1f} KB; budget 45 KB)")


def first_visit(driver, address, paint):
    driver.execute_cdp_cmd("Storage.clearDataForOrigin", {
        "origin": address.rstrip("/"), "storageTypes": "all"})
    driver.get(address)
    return browser.wait(driver, lambda d: d.execute_script(TIMES, paint), "the page's times")


def start_up(site, rounds):
    plain = tempfile.mkdtemp(prefix="orunika-plain-")
    with open(os.path.join(plain, "index.html"), "w", encoding="utf-8") as file:
        file.write(PLAIN)
    with browser.serve(site, files=StaticHost) as page, \
            browser.serve(plain, files=StaticHost) as baseline, browser.engine("blink") as chromium:
        driver = chromium.driver
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": TYPE_EARLY})
        first_visit(driver, baseline, "first-paint")
        rows = []
        for round in range(rounds):  # alternating which goes first
            visits = [(page, "first-contentful-paint"), (baseline, "first-paint")]
            ours, theirs = (first_visit(driver, *visit) for visit in visits[::1 - 2 * (round % 2)])
            ours, theirs = (ours, theirs) if round % 2 == 0 else (theirs, ours)
            rows.append([*ours, theirs[0]])
        median = lambda column: statistics.median(row[column] for row in rows)  # noqa: E731
        ratio = lambda column: statistics.median(row[column] / row[5] for row in rows)  # noqa
        print(f"start-up over {rounds} rounds: paint {ratio(0):.2f}x (budget 1.1), computed "
              f"{ratio(1):.2f}x (budget 1.25, moonshot 1.1) of the static page's first paint")
        print(f"  medians in ms: static page's first paint {median(5):.1f}; the page's first "
              f"contentful paint {median(0):.1f}, hand computed {median(1):.1f}; index.html "
              f"came {median(2):.1f}, orunika.js {median(3):.1f}, orunika.wasm {median(4):.1f}")
        driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": "1"})
        browser.open_page(chromium, page)
        times = sorted(chromium.run(KEYSTROKES))
        print(f"keystroke: median {statistics.median(times) * 1000:.1f} µs, slowest "
              f"{times[-1] * 1000:.1f} µs, of 20 runs of 100 (budget 1 ms)")


def main(site="build/web/site", rounds="25"):
    print("size:")
    sizes(site)
    start_up(site, int(rounds))
    with browser.serve(site, files=StaticHost) as address:
        report = lighthouse_test.lighthouse(address, ["performance"])
    costs = [f"{audit['id']} ({audit.get('displayValue', audit['score'])})"
             for audit in report["audits"].values() if audit["score"] is not None
             and audit["score"] < 1 and audit["scoreDisplayMode"] != "informative"]
    metrics = [f"{name} {report['audits'][name]['displayValue']}" for name in (
        "first-contentful-paint", "largest-contentful-paint", "total-blocking-time",
        "cumulative-layout-shift", "speed-index")]
    print(f"Lighthouse performance: {round(report['categories']['performance']['score'] * 100)} "
          f"({', '.join(metrics)}); short of full marks: {', '.join(costs) or 'nothing'}")


if __name__ == "__main__":
    main(*sys.argv[1:])
