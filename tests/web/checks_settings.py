"""Setup's Settings and About, the held spin buttons, the Alt-keys and Copy's message. The
expected keys come from the README's key table, the version from the build's project()
call, the read-me from the build's configured file, figures from skirmod-calc."""
import os
import re
import time

from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.select import Select
from selenium.webdriver.support.wait import WebDriverWait

from page_driver import chord

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
DEFAULT_COLOURS = "clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,"


def kept_settings_line(page):
    table = page.driver.execute_script("return localStorage.getItem('skirmod.table') || ''")
    return table.split("\r\n")[3] if table else None


def css_property(page, name):
    return page.driver.execute_script(
        "return document.documentElement.style.getPropertyValue(arguments[0])", name)


def pick_colour(page, index, colour):
    """What the browser's colour chooser does while the user moves in it."""
    page.driver.execute_script(
        "const input = document.getElementById(arguments[0]); input.value = arguments[1];"
        "input.dispatchEvent(new Event('input', {bubbles: true}))", "SettingsColor%d" % index, colour)


def forget_downloads(page):
    """The saves of these checks download the table; later checks count on an empty folder."""
    for name in os.listdir(page.downloads) if os.path.isdir(page.downloads) else []:
        os.remove(os.path.join(page.downloads, name))


def check_settings_colour_previews_and_is_kept(page):
    """A colour shows at once; Cancel Changes takes it back; saved, it is line 4 of the kept
    table and the colour of the next visit."""
    page.el("RestoreBtn").click()
    assert page.el("SaveSettingsBtn").get_attribute("disabled") is not None
    before = css_property(page, "--main-bg")
    pick_colour(page, 0, "#123456")
    assert css_property(page, "--main-bg") == "#123456", css_property(page, "--main-bg")
    assert page.el("SaveSettingsBtn").is_enabled() and page.el("CancelSettingsBtn").is_enabled()
    page.el("CancelSettingsBtn").click()
    assert css_property(page, "--main-bg") == before
    assert not page.el("SaveSettingsBtn").is_enabled()
    # Details text, sixth in the line: red 0x12, green 0x34, blue 0x56 is $00563412.
    pick_colour(page, 5, "#123456")
    page.el("SaveSettingsBtn").click()
    want = "1,0,0,0,0,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,$00563412,clBlue,"
    assert kept_settings_line(page) == want, kept_settings_line(page)
    assert not page.el("SaveSettingsBtn").is_enabled()
    # A saved table keeps the saved line, and Cancel Changes goes back to it.
    page.el("EditerBtn").click()
    page.el("UpdateAndSaveBtn").click()
    pick_colour(page, 5, "#abcdef")
    page.el("CancelSettingsBtn").click()
    assert css_property(page, "--details-text") == "#123456"
    assert kept_settings_line(page) == want, kept_settings_line(page)
    page.load()
    assert css_property(page, "--details-text") == "#123456"
    assert page.el("SettingsColor5").get_attribute("value") == "#123456"
    page.el("ClassicSettingsBtn").click()
    assert css_property(page, "--details-text") == "#000080"
    page.el("SaveSettingsBtn").click()
    assert kept_settings_line(page) == "1,0,0,0,0," + DEFAULT_COLOURS


def check_startup_values_and_hints(page):
    """Saved start-up values start the next fresh visit, with the hints on; skirmod-calc
    gives the same result for those ships and that count."""
    page.el("ToolTipsTick").click()
    fleet = page.el("DefaultFleetSizeEdit")
    fleet.send_keys(Keys.CONTROL, "a")
    fleet.send_keys("2,5x0")  # what the box keeps: 250
    Select(page.el("DefaultAttackerList")).select_by_index(5)
    Select(page.el("DefaultDefenderList")).select_by_index(9)
    page.el("SaveSettingsBtn").click()
    assert kept_settings_line(page) == "1,1,250,5,9," + DEFAULT_COLOURS, kept_settings_line(page)
    # A reload goes on with what it showed; a fresh visit starts from the settings.
    page.driver.execute_script("localStorage.removeItem('skirmod.inputs')")
    page.load()
    names = page.ship_names()
    assert page.values("AttShips") == ["250"]
    assert [Select(page.el(i)).first_selected_option.text
            for i in ("AttShipList", "DefShipList")] == [names[5], names[9]]
    assert page.result_line() == page.skirmod_calc("result", names[5], names[9], "250")
    assert page.el("ClipBtn").get_attribute("title") == "Copy result to clipboard"
    page.el("HelpBtn").click()
    assert page.el("ClipBtn").get_attribute("title") == ""
    assert page.el("HelpBtn").text == "Show Tips"
    page.el("ClassicSettingsBtn").click()
    page.el("SaveSettingsBtn").click()


def check_settings_refusals(page):
    """What the settings line cannot hold is refused and leaves the kept line as it was."""
    kept = kept_settings_line(page)
    answers = page.driver.execute_script(
        "return [call('color', '7', '#000000'), call('color', '0', 'red'),"
        " call('keep', '0', '1,2', '0,0'), call('keep', '0', '5', '54,0'),"
        " call('keep', '0', '5', '3'), call('press', 'sideways')]")
    errors = [a.get("error") for a in answers]
    assert errors == ["role 7 is outside 0 to 6", "colour 'red' is not #rrggbb",
                      "fleet size '1,2' is not a whole number",
                      "default ships '54,0' are not two rows", "default ships '3' are not two rows",
                      "spin 'sideways' is neither up nor down"], errors
    assert kept_settings_line(page) == kept
    page.type_count("3")


def check_about_shows_the_desktops_version_and_read_me(page):
    version = re.search(r"project\(Skirmod VERSION ([0-9.]+)",
                        open(os.path.join(ROOT, "CMakeLists.txt")).read()).group(1)
    assert page.values("Label1", "Label2") == ["Skirmod", "v%s  (Qo round %s)" % (version, version)]
    read_me = open(os.path.join(page.site, "..", "packaging", "ReadMe1st.txt"), encoding="latin-1").read()
    assert read_me.startswith("Skirmod v%s - the battle calculator" % version), read_me[:60]
    assert page.value("ReadMeMemo") == read_me


def hold(page, button_id, seconds, by_key=False):
    """Holds a spin button down, by pointer or by Enter, and gives the counts while held,
    at release and a moment later."""
    button = page.el(button_id)
    actions = webdriver.ActionChains(page.driver)
    if by_key:
        page.driver.execute_script("arguments[0].focus()", button)
        actions.key_down(Keys.ENTER).perform()
    else:
        actions.click_and_hold(button).perform()
    time.sleep(seconds)
    held = int(page.value("AttShips"))
    release = webdriver.ActionChains(page.driver)
    (release.key_up(Keys.ENTER) if by_key else release.release()).perform()
    released = int(page.value("AttShips"))
    time.sleep(0.5)
    return held, released, int(page.value("AttShips"))


def check_hold_to_repeat(page):
    """A held spin button steps again and again and stops at release; a click without a press
    (a screen reader's) steps once."""
    page.type_count("100")
    held, released, later = hold(page, "SpinUpBtn", 1.5)
    assert held > 105 and later == released >= held, (held, released, later)
    page.type_count("100")
    held, released, later = hold(page, "SpinDownBtn", 1.5, by_key=True)
    assert held < 95 and later == released <= held, (held, released, later)
    # A quick press steps once, whatever pressed it: the 50 ms ticks pause three times first.
    page.type_count("100")
    page.driver.execute_script("document.getElementById('SpinUpBtn').click()")
    assert page.value("AttShips") == "101"
    page.el("SpinUpBtn").click()
    assert page.value("AttShips") == "102"
    for key in (Keys.ENTER, Keys.SPACE):
        webdriver.ActionChains(page.driver).key_down(key).key_up(key).perform()
    assert page.value("AttShips") == "104", page.value("AttShips")


def readme_alt_keys():
    """The README's key table rows of the sections' Alt-keys: (where, key, what)."""
    rows = re.findall(r"^\| (Results|Setup) \| (Alt\+\w) \| ([^|]+) \|$",
                      open(os.path.join(ROOT, "README.md")).read(), re.M)
    assert len(rows) == 14, rows
    return rows


def check_alt_keys_from_the_key_table(page):
    """Each Alt-key of the Results and Setup sections presses the button its row names, or goes
    to the area under the heading its row names, while that section shows."""
    page.driver.execute_script(
        "window.pressed = []; document.addEventListener('click', (e) => {"
        " if (e.target.tagName === 'BUTTON') pressed.push(e.target.textContent); }, true)")
    page.el("ResultsAddBtn").click()
    for where, key, what in readme_alt_keys():
        tab = page.driver.find_element(By.XPATH, "//*[@role='tab'][text()='%s']" % where)
        tab.click()
        if what in ("Save", "Cancel") and page.el("EditerBtn").is_displayed():
            page.el("EditerBtn").click()  # they act on an edit
        page.driver.execute_script("pressed.length = 0")
        chord(page, Keys.ALT, key[-1].lower())
        pressed = page.driver.execute_script("return pressed")
        if what in ("Settings", "About"):
            area = page.driver.execute_script(
                "return document.activeElement.closest('#SettingsArea, #AboutArea').id")
            assert area == what + "Area", (key, area)
        else:
            assert pressed == [what], (where, key, pressed)
    forget_downloads(page)


def check_copy_says_it_copied(page):
    """Copy Result says so in its status, which stays quiet while results change."""
    WebDriverWait(page.driver, 6).until(lambda d: page.value("ClipStatus") == "")
    page.type_count("7")
    assert page.value("ClipStatus") == ""
    page.el("ClipBtn").click()
    WebDriverWait(page.driver, 5).until(lambda d: page.value("ClipStatus") == "Copied to the clipboard")
    clip = page.driver.execute_async_script(
        "navigator.clipboard.readText().then(arguments[0])")
    assert clip + "\n" == page.result_line()
