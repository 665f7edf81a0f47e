"""The test's own driver on a small page of its own: what the checks count on from selenium,
the same in Chromium (chromedriver) and in Firefox (bidi_driver). Runs first: if the driver
is wrong, no later failure means anything."""
import urllib.parse

from selenium.common.exceptions import ElementClickInterceptedException, NoSuchElementException
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.select import Select

from page_driver import chord, focused, press

PAGE = """<!doctype html><title>driver</title>
<label for=Box>Fleet size</label> <input id=Box value=old>
<select id=List><option>Alpha</option><option>Beta</option></select>
<button id=Press aria-label="Press me">P</button>
<button id=Under style="position: fixed; bottom: 5px; left: 5px">Under</button>
<div id=Cover style="position: fixed; inset: auto 0 0 0; height: 40px; background: #fff"></div>
<div style="height: 3000px"></div><button id=Last>Last</button>
<script>
  window.seen = [];
  for (const type of ['click', 'change']) document.addEventListener(type, (e) => seen.push(type + ' ' + e.target.id));
</script>"""


def driver_page(page):
    page.driver.get("data:text/html," + urllib.parse.quote(PAGE))
    return page.driver


def check_driver_scripts_and_elements(page):
    """Values and elements go into and come out of scripts as they are; finding, reading and
    naming elements."""
    driver = driver_page(page)
    try:
        box = driver.find_element(By.ID, "Box")
        back = driver.execute_script(
            "return [arguments[0], arguments[1], {n: 1.5, none: null, list: [true, 'é']}]", box, 7)
        assert back[0] == box and back[1:] == [7, {"n": 1.5, "none": None, "list": [True, "é"]}], back
        assert driver.execute_async_script("setTimeout(() => arguments[1](arguments[0] * 2), 10)", 21) == 42
        try:
            driver.find_element(By.ID, "Nowhere")
            raise AssertionError("a missing element was found")
        except NoSuchElementException:
            pass
        got = [box.tag_name, box.get_attribute("value"), box.get_property("value"),
               driver.find_element(By.CSS_SELECTOR, "label").text, box.accessible_name,
               box.aria_role, driver.find_element(By.ID, "Press").accessible_name,
               [o.text for o in Select(driver.find_element(By.ID, "List")).options],
               len(driver.find_elements(By.XPATH, "//button"))]
        assert got == ["input", "old", "old", "Fleet size", "Fleet size", "textbox", "Press me",
                       ["Alpha", "Beta"], 3], got
    finally:
        page.load()


def check_driver_keys_and_clicks(page):
    """Typed keys with a modifier held, a chosen option, a click on what covers the element
    refused, and Tab past the last control going round to the first, where Enter presses."""
    driver = driver_page(page)
    try:
        box = driver.find_element(By.ID, "Box")
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys("ab", Keys.SHIFT, "cd", Keys.NULL, "e")
        assert box.get_property("value") == "abCDe", box.get_property("value")
        chord(page, Keys.SHIFT, Keys.HOME)
        press(page, Keys.DELETE)
        assert box.get_property("value") == "", box.get_property("value")
        Select(driver.find_element(By.ID, "List")).select_by_index(1)
        driver.find_element(By.ID, "Press").click()
        seen = driver.execute_script("return [List.value, seen]")
        assert seen == ["Beta", ["change Box", "change List", "click List", "click Press"]], seen
        try:
            driver.find_element(By.ID, "Under").click()
            raise AssertionError("a covered button was clicked")
        except ElementClickInterceptedException:
            pass
        driver.execute_script("seen.length = 0; Last.focus()")
        press(page, Keys.TAB)
        press(page, Keys.TAB)
        assert focused(page) == "Box", focused(page)
        driver.execute_script("Press.focus()")
        press(page, Keys.ENTER)
        assert driver.execute_script("return seen") == ["click Press"], driver.execute_script("return seen")
    finally:
        page.load()
