"""The page under test in headless Chromium or Firefox: the browser, the local server, and
the ways a player reaches the page's controls. skirmod-calc on the same stats file is the
oracle."""
import os
import subprocess
import tempfile

from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.select import Select
from selenium.webdriver.support.wait import WebDriverWait

from bidi_driver import Unsupported, firefox
from headless import chromium, serve_site

SEED = int(os.environ.get("SKIRMOD_WEB_SEED", "23"))
BROWSERS = ("chromium", "firefox")


class Page:
    def __init__(self, site, calc, sample, axe, shots, browser="chromium"):
        self.site, self.axe, self.shots = site, axe, shots
        # Checks run the companion from folders of their own.
        self.calc = os.path.abspath(calc)
        self.browser, self.skipped = browser, []
        # The browser's file chooser takes absolute paths only.
        self.sample = os.path.abspath(sample)
        self.work = tempfile.mkdtemp(prefix="skirmod-web-")
        self.server, self.url = serve_site(site)
        # The same server under another name: an origin whose storage the browser blocks.
        self.blocked_url = self.url.replace("127.0.0.1", "localhost")
        self.downloads = os.path.join(self.work, "downloads")
        profile = os.path.join(self.work, "profile")
        if browser == "firefox":
            self.driver = firefox(profile, self.downloads, self.blocked_url.rstrip("/"))
        else:
            self.driver = chromium(profile, self.blocked_url.rstrip("/"))
            self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                        {"behavior": "allow", "downloadPath": self.downloads})
            self.driver.execute_cdp_cmd("Browser.grantPermissions", {
                "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.load()

    def skip(self, step, reason):
        """A step this browser cannot take, said where the check's result is printed, the
        first time."""
        if step not in self.skipped:
            self.skipped.append(step)
            print("  SKIP in %s: %s: %s" % (self.browser, step, reason))

    def devtools(self, step, command, params):
        """A Chromium DevTools command, which Firefox takes where WebDriver BiDi has the same
        (see bidi_driver); else that step is skipped there. Whether it was taken."""
        try:
            self.driver.execute_cdp_cmd(command, params)
            return True
        except Unsupported as why:
            self.skip(step, why.msg)
            return False

    def load(self, url=None):
        self.driver.get(url or self.url)
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_script("return document.body.classList.contains('ready')"))

    def el(self, element_id):
        """A control, with the section that holds it shown and itself scrolled to the middle
        of the screen, clear of the docked result line, as a player would find it."""
        found = self.driver.find_element(By.ID, element_id)
        self.driver.execute_script(
            "const panel = arguments[0].closest('[role=tabpanel]');"
            "if (panel && panel.hidden)"
            "  document.querySelector(`[aria-controls='${panel.id}']`).click();"
            "arguments[0].scrollIntoView({block: 'center'})", found)
        return found

    def values(self, *element_ids):
        """What controls show, in one round trip; a report box shows one line per block."""
        return self.driver.execute_script(
            "return arguments[0].map((id) => { const e = document.getElementById(id);"
            "if (e.classList.contains('report'))"
            "  return [...e.children].map((line) => line.textContent).join('\\n');"
            "return 'value' in e && e.tagName !== 'OUTPUT' ? e.value : e.textContent; })",
            list(element_ids))

    def value(self, element_id):
        return self.values(element_id)[0]

    def cell(self, row, column):
        """A cell's text box in the grid, which the page builds in idle time after start."""
        self.el("StatsGrid")
        where = (By.CSS_SELECTOR, "#StatsGrid tbody tr:nth-child(%d) > :nth-child(%d) > input"
                 % (row + 1, column + 1))
        WebDriverWait(self.driver, 10).until(lambda d: d.find_elements(*where))
        cell = self.driver.find_element(*where)
        # Centred, as a player would scroll to it: not under the fixed header row or names.
        self.driver.execute_script(
            "arguments[0].scrollIntoView({block: 'center', inline: 'center'})", cell)
        return cell

    def grid_text(self):
        """The grid as lines of tab-separated texts: the header row, then one line a ship."""
        self.cell(0, 1)
        return self.driver.execute_script(
            "return [...document.getElementById('StatsGrid').rows].map((row) => [...row.cells]"
            ".map((c) => c.firstChild.value ?? c.textContent).join('\\t')).join('\\n')")

    def type_count(self, text):
        box = self.el("AttShips")
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys(Keys.DELETE)
        if text:
            box.send_keys(text)

    def open_file(self, path):
        """Chooses a file and waits until the page has read it: the ship lists are filled
        anew or a message changes, and the header box or a message names it. The header may
        name it already, when the same file is opened again."""
        name = os.path.basename(path)
        self.driver.execute_script(
            "window.fileRead = false;"
            "const watch = new MutationObserver(() => { window.fileRead = true; watch.disconnect(); });"
            "for (const place of document.querySelectorAll('#AttShipList, [id$=Message]'))"
            "  watch.observe(place, {childList: true, subtree: true, characterData: true});")
        self.el("OpenFile").send_keys(path)
        WebDriverWait(self.driver, 30).until(
            lambda d: d.execute_script("return window.fileRead")
            and (name in self.message() or name in self.value("FileHeaderText")))

    def message(self):
        """The messages the page shows, wherever they stand, one per line."""
        return self.driver.execute_script(
            "return ['Message', 'TableMessage', 'LogMessage'].map((id) =>"
            " document.getElementById(id).textContent).filter((t) => t).join('\\n')")

    def skirmod_calc(self, *args):
        return self.skirmod_calc_all([args])[0]

    def skirmod_calc_all(self, questions):
        """skirmod-calc's answers to several questions, asked at once."""
        runs = [subprocess.Popen([self.calc, "--stats", self.sample, *args],
                                 stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
                for args in questions]
        answers = [run.communicate()[0].decode("latin-1") for run in runs]
        assert all(run.returncode == 0 for run in runs), questions
        return answers

    def saved_file(self, name="ShipStats.txt"):
        """The bytes of a finished download, which is then removed. Firefox makes the file
        empty at once and fills it through a .part file beside it."""
        path = os.path.join(self.downloads, name)
        WebDriverWait(self.driver, 10).until(
            lambda d: os.path.exists(path) and os.path.getsize(path)
            and not os.path.exists(path + ".part"), "no download %s" % name)
        data = open(path, "rb").read()
        os.remove(path)
        return data

    def ship_names(self):
        return [o.text for o in Select(self.el("AttShipList")).options]

    def result_line(self):
        return self.value("CurrentResultMemo") + "\n"


def paste(page, cell, text):
    """`text` pasted onto a cell. Firefox hands a made-up paste event no data, so there it
    goes through the clipboard and Ctrl+V in the cell."""
    if page.browser == "firefox":
        page.driver.execute_async_script(
            "navigator.clipboard.writeText(arguments[0]).then(arguments[1])", text)
        cell.send_keys(Keys.CONTROL, "v")
        return
    page.driver.execute_script(
        "const data = new DataTransfer(); data.setData('text/plain', arguments[1]);"
        "arguments[0].dispatchEvent(new ClipboardEvent('paste', {clipboardData: data,"
        " bubbles: true, cancelable: true}))", cell, text)


def type_into(page, row, column, text, leave=True):
    cell = page.cell(row, column)
    cell.click()
    cell.send_keys(Keys.CONTROL, "a")
    cell.send_keys(text)
    if leave:
        cell.send_keys(Keys.TAB)


def press(page, *keys):
    webdriver.ActionChains(page.driver).send_keys(*keys).perform()


def chord(page, modifier, key):
    webdriver.ActionChains(page.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()


def focused(page):
    return page.driver.execute_script("return document.activeElement.id")


def tab_to(page, element_id, limit=60):
    for _ in range(limit):
        if focused(page) == element_id:
            return
        press(page, Keys.TAB)
    raise AssertionError("Tab never reached %s" % element_id)


def log_entries(page):
    """The log's entries as it shows them; an empty log shows a line saying so, not an entry."""
    page.el("ResultsMemo")
    return page.driver.execute_script(
        "return [...document.querySelectorAll('#ResultsMemo [role=option]:not([aria-disabled])')]"
        ".map((o) => o.textContent)")


def axe_findings(page):
    page.driver.execute_script(open(page.axe).read())
    violations = page.driver.execute_async_script(
        "axe.run(document).then((r) => arguments[0](r.violations.map("
        "(v) => ({id: v.id, impact: v.impact, nodes: v.nodes.map((n) => n.target.join(' '))}))))")
    return [v for v in violations if v["impact"] in ("serious", "critical")]
