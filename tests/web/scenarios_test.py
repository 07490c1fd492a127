"""The shared scenarios (tests/scenarios/scenarios.json) played on the page in headless Chromium
with real key and mouse events; every difference from a step's "then" is reported.

Usage: scenarios_test.py SITE_FOLDER SCENARIOS_JSON
"""
import json
import sys

from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import browser

KEYS = {"Tab": [Keys.TAB], "Shift+Tab": [Keys.SHIFT, Keys.TAB], "Up": [Keys.UP],
        "Down": [Keys.DOWN], "Left": [Keys.LEFT], "Right": [Keys.RIGHT],
        "Ctrl+Z": [Keys.CONTROL, "z"], "Ctrl+V": [Keys.CONTROL, "v"]}

READ = """
const what = arguments[0];
if (what === 'focus') return document.activeElement.id;
if (what === 'seat') return (document.querySelector('input[name=seat]:checked') || {}).id || '';
return document.getElementById(what).value;"""


class Driver:
    def __init__(self, driver, address):
        self.driver, self.address = driver, address

    def start(self):
        browser.open_page(self.driver, self.address)

    def press(self, key):
        *held, last = KEYS[key]
        actions = ActionChains(self.driver)
        for modifier in held:
            actions.key_down(modifier)
        actions.send_keys(last)
        for modifier in reversed(held):
            actions.key_up(modifier)
        actions.perform()

    def click(self, name):
        ActionChains(self.driver).click(self.driver.find_element(By.ID, name)).perform()

    def type(self, box, keys):
        self.click(box)
        ActionChains(self.driver).send_keys(Keys.END).perform()
        for key in keys:
            ActionChains(self.driver).send_keys(Keys.BACKSPACE if key == "\b" else key).perform()

    def paste(self, box, text):
        self.click(box)
        self.press_select_all()
        self.driver.execute_async_script(
            "navigator.clipboard.writeText(arguments[0]).then(arguments[1])", text)
        self.press("Ctrl+V")

    def press_select_all(self):
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("a").key_up(
            Keys.CONTROL).perform()

    def read(self, what):
        return self.driver.execute_script(READ, what)


def play(driver, scenarios):
    differences = []
    for scenario in scenarios["scenarios"]:
        driver.start()
        for number, step in enumerate(scenario["steps"], 1):
            if "type" in step:
                driver.type(step["into"], step["type"])
            if "paste" in step:
                driver.paste(step["into"], step["paste"])
            if "press" in step:
                driver.press(step["press"])
            if "click" in step:
                driver.click(step["click"])
            expected = step["then"]
            try:  # the page answers each event at once; the wait only covers a slow machine
                browser.wait(driver.driver, lambda _: all(
                    driver.read(what) == text for what, text in expected.items()), "the step")
            except TimeoutException:
                differences += [f'{scenario["name"]}, step {number}: {what} is '
                                f'"{driver.read(what)}", not "{text}"'
                                for what, text in expected.items() if driver.read(what) != text]
    return differences


def main(site, scenarios_file):
    with open(scenarios_file, encoding="utf-8") as file:
        scenarios = json.load(file)
    with browser.serve(site) as address, browser.chromium() as chromium:
        chromium.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": address.rstrip("/"),
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        differences = play(Driver(chromium, address), scenarios)
        differences += [f"console: {entry['message']}" for entry in browser.console_errors(chromium)]
    for difference in differences:
        print(difference)
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
