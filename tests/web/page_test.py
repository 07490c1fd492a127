"""The page in one browser engine (browser.py): the shared scenarios (tests/scenarios/scenarios.json)
played with real key and mouse events, and what only the page has. What is typed before the program
runs, the places of the design at 100 %, texts of every kind dropped into a box, and a console
with nothing in it; a rebuilt site reaching a kept page, and that page without network. Chromium
alone shows a test the names a screen reader finds and a phone's screen, upright and sideways.

Usage: page_test.py ENGINE SITE_FOLDER SOURCE_FOLDER   (ENGINE: blink, webkit or gecko)
"""
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest

import browser

# Each control's place in CSS pixels against the form's; a seat's place is its label's.
PLACES = """const form = document.getElementById('m').getBoundingClientRect();
return Object.fromEntries(arguments[0].map(name => {
  const r = document.getElementById(name).closest('#m > *, #m').getBoundingClientRect();
  return [name, [r.left - form.left, r.top - form.top, r.width, r.height]]; }));"""

# Each control's tooltip and the alignment of its place's text.
LOOKS = """return Object.fromEntries(arguments[0].map(name => {
  const control = document.getElementById(name);
  return [name, [control.title, getComputedStyle(control.closest('#m > *')).textAlign]]; }));"""

# Texts of every kind dropped on the fu box, each over all it holds; only the last selects a row.
DROPS = """const box = document.getElementById('b');
for (const text of ['1'.repeat(100000), '\\0\\ud800', '1e309', '-0', '40\\n5']) {
  const dataTransfer = new DataTransfer();
  dataTransfer.setData('text/plain', text);
  box.setSelectionRange(0, box.value.length);  // unlike select(), no focus
  box.dispatchEvent(new DragEvent('drop', {bubbles: true, cancelable: true, dataTransfer}));
}"""


# Steps an engine cannot be given as a user gives them, and why.
UNDELIVERABLE = {
    ("webkit", "Ctrl+Z"): "WebKitGTK leaves Ctrl+Z to the browser around it, and MiniBrowser binds "
                          "it to nothing: the key reaches the page but undoes nothing",
}


def act(page, step):
    """Does what a scenario's step says, to the control with the keyboard after any click."""
    if "paste" in step:
        browser.copy(page, step["paste"])
    if "into" in step or "click" in step:  # a box gets the keyboard as a click gives it
        browser.click(page, step.get("into") or step["click"])
    if "type" in step:
        browser.press(page, "End")
        browser.type_text(page, step["type"])
    if "paste" in step:
        browser.press(page, "Ctrl", "A")
        browser.press(page, "Ctrl", "V")
    if "press" in step:
        browser.press(page, *step["press"].split("+"))


def design():
    """The form's size and each control's place in twips, each control's tooltip and alignment,
    and the form's colour as CSS and as a hex colour, read from the design header itself."""
    text = (SOURCE / "form/design.h").read_text(encoding="utf-8")
    size = re.search(r"ClientWidth = (\d+);\s+inline constexpr int ClientHeight = (\d+);", text)
    rows = re.findall(r'\{"(\w+)", (\d+), (\d+), (\d+), (\d+), \d+, Align::(\w+), u"([^"]*)"', text)
    rgb = [int(c) for c in re.search(r"MenuColour\{(\d+), (\d+), (\d+)\}", text).groups()]
    looks = {name: [tip, "center" if align == "Centre" else "left"]
             for name, *_, align, tip in rows}
    return {"m": [0, 0, int(size[1]), int(size[2])],
            **{name: [int(twips) for twips in place[:4]] for name, *place in rows}}, \
        ("rgb({}, {}, {})".format(*rgb), "#{:02x}{:02x}{:02x}".format(*rgb)), looks


class Page(unittest.TestCase):
    def test_the_shared_scenarios(self):
        scenarios = json.loads((SOURCE / "tests/scenarios/scenarios.json").read_text("utf-8"))
        with browser.serve(SITE) as address, browser.engine(ENGINE) as page:
            for scenario in scenarios["scenarios"]:
                browser.open_page(page, address)
                for number, step in enumerate(scenario["steps"], 1):
                    with self.subTest(scenario["name"], step=number):  # answered at once
                        if reason := UNDELIVERABLE.get((ENGINE, step.get("press"))):
                            self.skipTest(reason)
                        act(page, step)
                        self.assertEqual(browser.read(page, *step["then"]), step["then"])
            self.assertEqual(page.console(), [])

    def test_typed_before_the_program_then_at_100_percent(self):
        places, _, looks = design()
        self.assertEqual(len(places), 11)
        program = threading.Event()
        with browser.serve(SITE, program) as address, browser.engine(ENGINE) as page:
            # The form shows before its WebAssembly arrives: what is done then is not lost, and
            # no result is shown that the program has not computed.
            page.open(address)
            for step in ({"type": "3", "into": "a"}, {"type": "40", "into": "b"}, {"click": "h"}):
                act(page, step)
            self.assertEqual(browser.read(page, "c", "d"), {"c": "入力が必要", "d": "入力が必要"})
            program.set()
            browser.open_page(page, None)
            self.assertEqual(browser.read(page, "c", "d", "seat", "focus"),
                             {"c": "5200", "d": "1300.2600", "seat": "h", "focus": "h"})
            browser.open_page(page, address)
            self.assertEqual(page.run(PLACES, list(places)),
                             {name: [twips / 15 for twips in place]
                              for name, place in places.items()})
            self.assertEqual(page.run(LOOKS, list(looks)), looks)
            act(page, {"type": "5", "into": "a"})
            if ENGINE == "blink":
                nodes = page.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
                named = {(node["role"]["value"], node.get("name", {}).get("value")):
                         node.get("value", {}).get("value", "") for node in nodes
                         if not node.get("ignored")}
                expected = {("textbox", "飜数"): "5", ("textbox", "符"): "",
                            ("radio", "親"): "", ("radio", "子"): "",
                            ("textbox", "ロンアガリ"): "12000", ("textbox", "ツモアガリ"): "4000"}
                self.assertEqual({key: named.get(key) for key in expected}, expected)
            page.run(DROPS)
            self.assertEqual(browser.read(page, "b", "c"), {"b": "40", "c": "12000"})
            browser.press(page, "Shift", "Tab")  # back into the han box, its text selected
            self.assertEqual(page.run("const box = document.activeElement;"
                                      "return [box.id, box.selectionStart, box.selectionEnd]"),
                             ["a", 0, 1])
            self.assertEqual(page.console(), [])

    def test_a_new_site_reaches_a_kept_page_which_works_without_network(self):
        places, (colour, hex_colour), _ = design()
        with tempfile.TemporaryDirectory() as served, browser.engine(ENGINE) as page:
            shutil.copytree(SITE, served, dirs_exist_ok=True)
            with browser.serve(served) as address:
                browser.open_page(page, address)
                browser.wait(page, lambda p: p.run("return !!navigator.serviceWorker.controller"),
                             "the worker")
                browser.open_page(page, address)  # a page the worker answers
                # Sites one byte apart, fingerprinted as the build does, at the same address:
                # each time a new worker takes over, and the page shows the new site at once
                # unless a hand is being typed into it.
                index = pathlib.Path(served, "index.html")
                for title, hand in (("Orunikb", ""), ("Orunikc", "3")):
                    act(page, {"type": hand, "into": "a"})
                    # A reload is told as it is asked for where the engine has the Navigation
                    # API (Blink), else as the page goes; the tab's session storage outlives it.
                    # Watched before the site changes: a second after a navigation the engine
                    # looks for a new worker by itself (WebKit does), and may install it first.
                    page.run("const workers = navigator.serviceWorker, left = () => {"
                             "  sessionStorage.left = 'reloaded'; };"
                             "sessionStorage.clear();"
                             "window.navigation?.addEventListener('navigate', left);"
                             "addEventListener('pagehide', left);"
                             "workers.oncontrollerchange = () => { window.changed = true; };")
                    index.write_text(re.sub(r"<title>\w+<", f"<title>{title}<",
                                            index.read_text("utf-8")), "utf-8")
                    subprocess.run(["cmake", f"-DSITE={served}", "-DVERSION=next",
                                    f"-DTEMPLATE={SOURCE}/ui/web/service-worker.js.in",
                                    "-P", f"{SOURCE}/ui/web/fingerprint.cmake"], check=True)
                    # An update asked while the engine's own look still reads the old worker may
                    # be answered by that look (Gecko), with nothing new: so it is asked again.
                    page.run("const ask = worker => window.changed || worker.installing ||"
                             "  worker.waiting || worker.update().then(() => ask(worker));"
                             "navigator.serviceWorker.getRegistration().then(ask);")
                    taken = "window.changed || sessionStorage.left" if hand else \
                        f"document.title === '{title}'"
                    browser.wait(page, lambda p: p.run(f"return {taken}"), "the new worker")
                    self.assertEqual(page.run("return sessionStorage.left ?? 'kept'"),
                                     "kept" if hand else "reloaded")
                    browser.open_page(page, None)
                act(page, {"type": "40", "into": "b"})
                self.assertEqual([page.run("return document.title"), browser.read(page, "c")],
                                 ["Orunikb", {"c": "7700"}])
                cache = re.search(r"'(orunika-next-[0-9a-f]{16})'",
                                  pathlib.Path(served, "service-worker.js").read_text())[1]
            # The server is gone: from the worker alone. On a phone, upright and sideways, the
            # form is scaled by one factor to fit, and nothing scrolls or reflows.
            for width, height in ((390, 844), (844, 390)) if ENGINE == "blink" else ((0, 0),):
                if width:
                    page.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                                {"enabled": True})
                    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                        "width": width, "height": height, "deviceScaleFactor": 3, "mobile": True})
                browser.open_page(page, address)
                self.assertEqual(page.run("""const page = document.scrollingElement;
                    return [page.scrollWidth <= innerWidth, page.scrollHeight <= innerHeight,
                            getComputedStyle(document.documentElement).backgroundColor,
                            document.querySelector('meta[name=theme-color]').content,
                            document.title]"""), [True, True, colour, hex_colour, "Orunikc"])
                if width:
                    scale = min(width / places["m"][2], height / places["m"][3])
                    shown = page.run(PLACES, list(places))
                    for name, place in places.items():
                        for pixels, twips in zip(shown[name], place):
                            self.assertAlmostEqual(pixels, twips * scale, delta=0.5, msg=name)
                    for name in "abgh":  # large enough to touch
                        self.assertGreaterEqual(min(shown[name][2:]), 24, name)
            act(page, {"type": "3", "into": "a"})
            act(page, {"type": "40", "into": "b"})
            self.assertEqual(browser.read(page, "c"), {"c": "7700"})
            self.assertEqual(page.run("return caches.keys()"), [cache])


if __name__ == "__main__":
    ENGINE, SITE, SOURCE = sys.argv[1], sys.argv[2], pathlib.Path(sys.argv[3])
    unittest.main(argv=sys.argv[:1] + sys.argv[4:], verbosity=2, warnings="ignore")
