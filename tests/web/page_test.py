"""The page in headless Chromium: the shared scenarios (tests/scenarios/scenarios.json), played with
real key and mouse events, and what only the page has. At 100 %: the places of the design, the
names a screen reader finds, and a console with no errors whatever is dropped. On a phone: the
whole form scaled to the width, the number keypad, and a reload with no network.

Usage: page_test.py SITE_FOLDER SOURCE_FOLDER
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

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import browser

# Each control's place in CSS pixels against the form's; a seat's place is its label's.
PLACES = """const form = document.getElementById('m').getBoundingClientRect();
return Object.fromEntries(arguments[0].map(name => {
  const r = document.getElementById(name).closest('#m > *, #m').getBoundingClientRect();
  return [name, [r.left - form.left, r.top - form.top, r.width, r.height]]; }));"""


def chord(name):  # "Up", "Shift+Tab", "Ctrl+Z": send_keys holds a modifier down to its end
    return [getattr(Keys, {"Ctrl": "CONTROL"}.get(key, key.upper()), key.lower())
            for key in name.split("+")]


def act(driver, step):
    """Does what a scenario's step says, to the control with the keyboard after any click."""
    if "into" in step or "click" in step:  # a box gets the keyboard as a click gives it
        control = driver.find_element(By.ID, step.get("into") or step["click"])
        ActionChains(driver).click(control).perform()
    keys = driver.switch_to.active_element.send_keys
    if "type" in step:
        keys(Keys.END, step["type"].replace("\b", Keys.BACKSPACE))
    if "paste" in step:
        keys(*chord("Ctrl+A"))
        driver.execute_async_script(
            "navigator.clipboard.writeText(arguments[0]).then(arguments[1])", step["paste"])
        keys(*chord("Ctrl+V"))
    if "press" in step:
        keys(*chord(step["press"]))


def design_places():
    """The form's size and each control's place in twips, read from the design header itself."""
    text = (SOURCE / "form/design.h").read_text(encoding="utf-8")
    size = re.search(r"ClientWidth = (\d+);\s+inline constexpr int ClientHeight = (\d+);", text)
    rows = re.findall(r'\{"(\w+)", (\d+), (\d+), (\d+), (\d+),', text)
    return {"m": [0, 0, int(size[1]), int(size[2])],
            **{name: [int(twips) for twips in place] for name, *place in rows}}


def design_colour():
    """The form's colour, as the browser writes it: "rgb(212, 208, 200)"."""
    text = (SOURCE / "form/design.h").read_text(encoding="utf-8")
    return "rgb({}, {}, {})".format(*re.search(r"MenuColour\{(\d+), (\d+), (\d+)\}", text).groups())


def console_errors(driver):
    return [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]


class Page(unittest.TestCase):
    def test_the_shared_scenarios(self):
        scenarios = json.loads((SOURCE / "tests/scenarios/scenarios.json").read_text("utf-8"))
        with browser.serve(SITE) as address, browser.chromium() as driver:
            driver.execute_cdp_cmd("Browser.grantPermissions", {
                "origin": address.rstrip("/"),
                "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
            for scenario in scenarios["scenarios"]:
                browser.open_page(driver, address)
                for number, step in enumerate(scenario["steps"], 1):
                    act(driver, step)
                    with self.subTest(scenario["name"], step=number):  # answered at once
                        self.assertEqual(browser.read(driver, *step["then"]), step["then"])
            self.assertEqual(console_errors(driver), [])

    def test_typed_before_the_program_then_at_100_percent(self):
        places = design_places()
        self.assertEqual(len(places), 11)
        program = threading.Event()
        with browser.serve(SITE, program) as address, browser.chromium() as driver:
            # The form shows before its WebAssembly arrives: what is done then is not lost, and
            # no result is shown that the program has not computed.
            driver.get(address)
            driver.find_element(By.ID, "a").send_keys("3")
            driver.find_element(By.ID, "b").send_keys("40")
            driver.find_element(By.ID, "h").click()
            self.assertEqual(browser.read(driver, "c", "d"), {"c": "入力が必要", "d": "入力が必要"})
            program.set()
            browser.open_page(driver, None)
            self.assertEqual(browser.read(driver, "c", "d", "seat", "focus"),
                             {"c": "5200", "d": "1300.2600", "seat": "h", "focus": "h"})
            browser.open_page(driver, address)
            self.assertEqual(driver.execute_script(PLACES, list(places)),
                             {name: [twips / 15 for twips in place]
                              for name, place in places.items()})
            driver.find_element(By.ID, "a").send_keys("5")
            nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
            named = {(node["role"]["value"], node.get("name", {}).get("value")):
                     node.get("value", {}).get("value", "") for node in nodes
                     if not node.get("ignored")}
            expected = {("textbox", "飜数"): "5", ("textbox", "符"): "",
                        ("radio", "親"): "", ("radio", "子"): "",
                        ("textbox", "ロンアガリ"): "12000", ("textbox", "ツモアガリ"): "4000"}
            self.assertEqual({key: named.get(key) for key in expected}, expected)
            driver.execute_script("""const box = document.getElementById('b');
                const texts = ['1'.repeat(100000), '\\0\\ud800', '1e309', '-0', '40\\n5'];
                for (const text of texts) {
                  const dataTransfer = new DataTransfer();
                  dataTransfer.setData('text/plain', text);
                  box.setSelectionRange(0, box.value.length);  // unlike select(), no focus
                  box.dispatchEvent(new DragEvent('drop', {bubbles: true, cancelable: true,
                                                           dataTransfer}));
                }""")
            self.assertEqual(browser.read(driver, "b", "c"), {"b": "40", "c": "12000"})
            self.assertEqual(console_errors(driver), [])

    def test_a_new_site_reaches_a_kept_page_then_a_phone_without_network(self):
        places, colour = design_places(), design_colour()
        with tempfile.TemporaryDirectory() as served, browser.chromium() as driver:
            shutil.copytree(SITE, served, dirs_exist_ok=True)
            with browser.serve(served) as address:
                browser.open_page(driver, address)
                browser.wait(driver, lambda d: d.execute_script(
                    "return navigator.serviceWorker.controller"), "the worker")
                # A site one byte apart, fingerprinted as its build does, at the same address.
                page = pathlib.Path(served, "index.html")
                page.write_text(page.read_text("utf-8").replace("<title>Orunika<",
                                                                "<title>Orunikb<"), "utf-8")
                subprocess.run(["cmake", f"-DSITE={served}", "-DVERSION=next",
                                f"-DTEMPLATE={SOURCE}/ui/web/service-worker.js.in",
                                "-P", f"{SOURCE}/ui/web/fingerprint.cmake"], check=True)
                driver.refresh()
                browser.wait(driver, lambda d: d.title == "Orunikb", "the new page")
                cache = re.search(r"'(orunika-next-[0-9a-f]{16})'",
                                  pathlib.Path(served, "service-worker.js").read_text())[1]
            # On a phone, upright and sideways, from the worker alone: the server is gone. The
            # form is scaled by one factor to fit, and nothing scrolls or reflows.
            driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
            for width, height in ((390, 844), (844, 390)):
                driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": width, "height": height, "deviceScaleFactor": 3, "mobile": True})
                browser.open_page(driver, address)
                self.assertEqual(driver.execute_script("""const page = document.scrollingElement;
                    return [page.scrollWidth <= innerWidth, page.scrollHeight <= innerHeight,
                            getComputedStyle(document.documentElement).backgroundColor,
                            [...document.querySelectorAll('#a, #b')].map(box => box.inputMode),
                            document.title]"""),
                    [True, True, colour, ["decimal", "decimal"], "Orunikb"])
                scale = min(width / places["m"][2], height / places["m"][3])
                shown = driver.execute_script(PLACES, list(places))
                for name, place in places.items():
                    for pixels, twips in zip(shown[name], place):
                        self.assertAlmostEqual(pixels, twips * scale, delta=0.5, msg=name)
                for name in "abgh":  # large enough to touch
                    self.assertGreaterEqual(min(shown[name][2:]), 24, name)
            driver.find_element(By.ID, "a").send_keys("3")
            driver.find_element(By.ID, "b").send_keys("40")
            self.assertEqual(browser.read(driver, "c"), {"c": "7700"})
            self.assertEqual(driver.execute_script("return caches.keys()"), [cache])

if __name__ == "__main__":
    SITE, SOURCE = sys.argv[1], pathlib.Path(sys.argv[2])
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
