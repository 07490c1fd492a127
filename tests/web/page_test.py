"""What only the page has: its places at 100 %, the phone's width, the names a screen reader
finds, a reload with no network, and a console with no errors whatever is typed.

Usage: page_test.py SITE_FOLDER DESIGN_HEADER
"""
import re
import sys
import unittest

from selenium.webdriver.common.by import By

import browser

SITE = DESIGN = None


def design_rows():
    """Each control's name and place in twips, read from the design header itself."""
    with open(DESIGN, encoding="utf-8") as header:
        rows = re.findall(r'\{"(\w+)", (\d+), (\d+), (\d+), (\d+),', header.read())
    return {name: tuple(int(twips) for twips in place) for name, *place in rows}


def client_width():
    with open(DESIGN, encoding="utf-8") as header:
        return int(re.search(r"ClientWidth = (\d+);", header.read())[1])


PLACE = """
const control = document.getElementById(arguments[0]).closest('#m > *');
const form = document.getElementById('m').getBoundingClientRect();
const r = control.getBoundingClientRect();
return [r.left - form.left, r.top - form.top, r.width, r.height];"""


class Page(unittest.TestCase):
    def test_controls_stand_at_their_design_places_at_100_percent(self):
        with browser.serve(SITE) as address, browser.chromium() as chromium:
            browser.open_page(chromium, address)
            rows = design_rows()
            self.assertEqual(len(rows), 10)
            for name, twips in rows.items():
                self.assertEqual(chromium.execute_script(PLACE, name),
                                 [value / 15 for value in twips], name)
            self.assertEqual(chromium.find_element(By.ID, "m").size,
                             {"width": 218, "height": 96})
            self.assertEqual(chromium.execute_script(
                "return [document.title, document.documentElement.lang]"), ["Orunika", "ja"])

    def test_a_phone_fills_its_width_with_the_whole_form_and_offers_the_keypad(self):
        with browser.serve(SITE) as address, browser.chromium(390, 844, phone=True) as chromium:
            browser.open_page(chromium, address)
            width, scroll, form, boxes = chromium.execute_script("""return [innerWidth,
                document.scrollingElement.scrollWidth, document.getElementById('m').offsetWidth,
                [...document.querySelectorAll('#a, #b')].map(box => box.inputMode)]""")
            self.assertEqual(width, 390)
            self.assertLessEqual(scroll, width)
            self.assertAlmostEqual(form, width, delta=1)
            self.assertEqual(boxes, ["decimal", "decimal"])
            left, _, right, _ = design_rows()["d"]  # scaled as a whole, not reflowed
            d = chromium.execute_script(PLACE, "d")
            self.assertAlmostEqual(d[0] + d[2], (left + right) * width / client_width(), delta=0.5)

    def test_a_screen_reader_finds_every_control_by_its_name(self):
        with browser.serve(SITE) as address, browser.chromium() as chromium:
            browser.open_page(chromium, address)
            chromium.find_element(By.ID, "a").send_keys("5")
            nodes = chromium.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
            named = {(node["role"]["value"], node.get("name", {}).get("value")):
                     node.get("value", {}).get("value") for node in nodes
                     if not node.get("ignored")}
            for role, name, shown in [("textbox", "飜数", "5"), ("textbox", "符", ""),
                                      ("radio", "親", None), ("radio", "子", None),
                                      ("textbox", "ロンアガリ", "12000"),
                                      ("textbox", "ツモアガリ", "4000")]:
                self.assertIn((role, name), named)
                if shown is not None:
                    self.assertEqual(named[(role, name)] or "", shown, name)

    def test_a_reload_without_network_still_calculates(self):
        with browser.chromium() as chromium:
            with browser.serve(SITE) as address:
                browser.open_page(chromium, address)
                browser.wait(chromium, lambda d: d.execute_script(
                    "return navigator.serviceWorker.controller !== null"), "the worker")
            chromium.refresh()  # the server is gone
            browser.wait(chromium, lambda d: browser.value(d, "c") == browser.ASKING, "start")
            chromium.find_element(By.ID, "a").send_keys("3")
            chromium.find_element(By.ID, "b").send_keys("40")
            self.assertEqual(browser.value(chromium, "c"), "7700")
            self.assertEqual(chromium.execute_script(
                "return caches.keys()", ), ["orunika-3.0.0.1"])

    def test_no_input_writes_to_the_console_and_a_drop_keeps_its_first_line(self):
        with browser.serve(SITE) as address, browser.chromium() as chromium:
            browser.open_page(chromium, address)
            chromium.execute_script("""const box = document.getElementById('b');
                for (const text of ['1'.repeat(100000), '\\0\\ud800', '1e309', '-0', '40\\n5']) {
                  const data = new DataTransfer();
                  data.setData('text/plain', text);
                  box.focus(); box.select();
                  box.dispatchEvent(new DragEvent('drop', {bubbles: true, cancelable: true,
                                                           dataTransfer: data}));
                }""")
            self.assertEqual(browser.value(chromium, "b"), "40")
            self.assertEqual(browser.console_errors(chromium), [])

if __name__ == "__main__":
    SITE, DESIGN = sys.argv[1:3]
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
