#!/usr/bin/python3
"""The page in headless Chromium, one browser start for every check.

Usage: page_test.py SITE_DIR SKIRMOD_CALC SAMPLE_STATS AXE_JS [SCREENSHOT_DIR]

The oracle for every figure and text is skirmod-calc on the same stats file; the bytes of
a download are checked against the sample file edited by hand here. Random pairings use a
fixed seed, printed on failure; SKIRMOD_WEB_SEED and SKIRMOD_WEB_PAIRINGS change them, and
SKIRMOD_WEB_PORT picks the local port (0: any free one).
"""
import json
import os
import random
import subprocess
import sys
import tempfile
import time
import traceback

from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.select import Select
from selenium.webdriver.support.wait import WebDriverWait

from headless import chromium, serve_site

SEED = int(os.environ.get("SKIRMOD_WEB_SEED", "23"))
PAIRINGS = int(os.environ.get("SKIRMOD_WEB_PAIRINGS", "200"))

# The count box's texts: every way a count can be written, and what is not a count.
COUNT_KINDS = [
    lambda r: str(r.randint(0, 60)),
    lambda r: str(r.randint(100, 250000)),
    lambda r: str(r.randint(-500, -1)),
    lambda r: "$%X" % r.randint(1, 4095),
    lambda r: " %d" % r.randint(1, 999),
    lambda r: str(r.choice([2**63 - 1, 2**62 + r.randint(0, 99), 10**15])),
    lambda r: r.choice(["", "abc", "12x", "-"]),
]

REPORTS = {
    "calculation": ["CalculationMemo"],
    "targeting": ["TargetAttMemo", "TargetDefMemo"],
    "resources": ["ResourcesAttMemo", "ResourcesDefMemo"],
    "basic": ["BasicStatsAttMemo", "BasicStatsDefMemo"],
}

# The desktop's accessible names (src/ui) of the controls the page shares with it.
DESKTOP_NAMES = {
    "AttShips": "Ships attacking", "AttShipList": "Attacking ship type",
    "DefShipList": "Defending ship type", "CurrentResultMemo": "Current result",
    "SpinUpBtn": "Spin up", "SpinDownBtn": "Spin down", "ResultsMemo": "Results log",
    "CalculationMemo": "Calculation", "TargetAttMemo": "Attacker targeting",
    "TargetDefMemo": "Defender targeting", "ResourcesAttMemo": "Attacker resources",
    "ResourcesDefMemo": "Defender resources", "BasicStatsAttMemo": "Attacker basic stats",
    "BasicStatsDefMemo": "Defender basic stats", "FileHeaderText": "Stats file header",
    "ResultsAddBtn": "Add", "ResultsInsertBtn": "Insert", "ResultsInsertSpaceBtn": "Insert Space",
    "ResultsDeleteBtn": "Delete", "ResultsClearBtn": "Clear", "ResultsMoveUpBtn": "Move Up",
    "ResultsMoveDownBtn": "Move Down", "ResultsCopyBtn": "Copy", "EditerBtn": "Edit",
    "UpdateAndSaveBtn": "Save", "CancelEditBtn": "Cancel", "RestoreBtn": "Restore",
}


class Page:
    def __init__(self, site, calc, sample, axe, shots):
        self.calc, self.axe, self.shots = calc, axe, shots
        # The browser's file chooser takes absolute paths only.
        self.sample = os.path.abspath(sample)
        self.work = tempfile.mkdtemp(prefix="skirmod-web-")
        self.server, self.url = serve_site(site)
        self.driver = chromium(os.path.join(self.work, "profile"))
        self.downloads = os.path.join(self.work, "downloads")
        self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                    {"behavior": "allow", "downloadPath": self.downloads})
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.load()

    def load(self):
        self.driver.get(self.url)
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_script("return document.body.classList.contains('ready')"))

    def el(self, element_id):
        return self.driver.find_element(By.ID, element_id)

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
        """A cell of the grid, which the page fills once it is scrolled near."""
        self.driver.execute_script("document.getElementById('StatsGrid').scrollIntoView()")
        where = (By.CSS_SELECTOR, '#StatsGrid td[data-row="%d"][data-column="%d"]' % (row, column))
        WebDriverWait(self.driver, 10).until(lambda d: d.find_elements(*where))
        return self.driver.find_element(*where)

    def grid_text(self):
        self.cell(0, 1)
        return self.el("StatsGrid").text

    def type_count(self, text):
        box = self.el("AttShips")
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys(Keys.DELETE)
        if text:
            box.send_keys(text)

    def open_file(self, path):
        """Chooses a file and waits until the page has read it: the header box or a message
        names it."""
        name = os.path.basename(path)
        self.el("OpenFile").send_keys(path)
        WebDriverWait(self.driver, 30).until(
            lambda d: name in self.message() or name in self.value("FileHeaderText"))

    def message(self):
        return self.el("Message").text

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

    def ship_names(self):
        return [o.text for o in Select(self.el("AttShipList")).options]

    def result_line(self):
        return self.value("CurrentResultMemo") + "\n"


def check_pairings(page):
    """Typed counts and chosen ships give skirmod-calc's result line and four reports."""
    page.open_file(page.sample)
    names = page.ship_names()
    rng = random.Random(SEED)
    for n in range(PAIRINGS):
        att, dfn = rng.randrange(len(names)), rng.randrange(len(names))
        count = rng.choice(COUNT_KINDS)(rng)
        Select(page.el("AttShipList")).select_by_index(att)
        Select(page.el("DefShipList")).select_by_index(dfn)
        page.type_count(count)
        where = "pairing %d of seed %d: %s v %s, count %r" % (n, SEED, names[att], names[dfn], count)
        pairing = [names[att], names[dfn], count]
        expected = page.skirmod_calc_all(
            [["result", *pairing]] + [["report", kind, *pairing] for kind in REPORTS])
        shown = page.values("CurrentResultMemo", *(b for boxes in REPORTS.values() for b in boxes))
        texts = [shown.pop(0) + "\n"]
        for boxes in REPORTS.values():
            texts.append("\n".join(shown.pop(0) + "\n" for _ in boxes))
        for what, text, want in zip(["result", *REPORTS], texts, expected):
            assert text == want, "%s: %s differs\n page: %r\n calc: %r" % (where, what, text, want)


def expected_download(sample, row, column, text):
    """The sample with one value changed, as the desktop's Save writes it: every value of row
    r and column c sits on line 1 + 3 * (19 r + c) + 2; the header line is checked apart."""
    lines = open(sample, "rb").read().split(b"\r\n")
    lines[1 + 3 * (19 * row + column) + 1] = text
    return lines


def check_open_edit_download(page):
    """Open -> edit -> Save downloads the desktop's bytes; reloading keeps table and log."""
    page.open_file(page.sample)
    page.el("EditerBtn").click()
    cell = page.cell(3, 9)
    cell.click()
    cell.send_keys(Keys.CONTROL, "a")
    cell.send_keys("77")
    cell.send_keys(Keys.TAB)
    page.el("UpdateAndSaveBtn").click()
    saved = os.path.join(page.downloads, "ShipStats.txt")
    WebDriverWait(page.driver, 10).until(lambda d: os.path.exists(saved))
    got = open(saved, "rb").read().split(b"\r\n")
    want = expected_download(page.sample, 3, 9, b"77")
    assert got[0].startswith(b"Modified ShipStats.txt file. Last Edited... "), got[0]
    assert got[1:] == want[1:], "the download differs from the sample edited by hand"
    page.el("ResultsAddBtn").click()
    log = page.value("CurrentResultMemo")
    page.load()
    cell = page.cell(3, 9)
    assert cell.text == "77", "the edited table was not kept: %r" % cell.text
    assert log_entries(page) == [log], (log_entries(page), log)
    os.remove(saved)


def check_damaged_files(page):
    """A damaged, empty or too large file gives the desktop's message and keeps the table."""
    sample = open(page.sample, "rb").read().split(b"\r\n")
    files = [
        ("Damaged.txt", b"\r\n".join(sample[:100] + [b"Sparrowhawk"] + sample[102:])),
        ("Empty.txt", b""),
        ("Large.txt", b"\r\n".join(sample) + b"x" * (16 * 1024 * 1024)),
    ]
    page.open_file(page.sample)
    before = page.grid_text()
    for name, data in files:
        path = os.path.join(page.work, name)
        open(path, "wb").write(data)
        page.open_file(path)
        assert page.message() == ("Warning... %s file possibly corrupted. Proceed with default "
                                  "values ???" % name), page.message()
        assert page.grid_text() == before, name


def paste(page, cell, text):
    page.driver.execute_script(
        "const data = new DataTransfer(); data.setData('text/plain', arguments[1]);"
        "arguments[0].dispatchEvent(new ClipboardEvent('paste', {clipboardData: data,"
        " bubbles: true, cancelable: true}))", cell, text)


def check_paste_and_cancel(page):
    """A pasted block fills rightwards and downwards; a bad one changes nothing; Cancel
    drops every edit."""
    page.open_file(page.sample)
    before = page.grid_text()
    page.el("EditerBtn").click()
    paste(page, page.cell(1, 9), "5\t6\r\n7\t8\r\n")
    assert [page.cell(r, c).text for r, c in ((1, 9), (1, 10), (2, 9), (2, 10))] == [
        "5", "6", "7", "8"]
    paste(page, page.cell(1, 9), "1\t\u20ac")
    assert page.message().startswith("Nothing pasted:"), page.message()
    assert page.cell(1, 9).text == "5"
    page.el("CancelEditBtn").click()
    assert page.grid_text() == before


def type_into(page, row, column, text, leave=True):
    cell = page.cell(row, column)
    cell.click()
    cell.send_keys(Keys.CONTROL, "a")
    cell.send_keys(text)
    if leave:
        cell.send_keys(Keys.TAB)


def check_typed_then_pasted(page):
    """Cells typed, then a block pasted onto a cell still being typed in and beside the
    typed ones: Save downloads the block where it landed and the typed values elsewhere."""
    page.open_file(page.sample)
    page.el("EditerBtn").click()
    type_into(page, 4, 9, "11")
    type_into(page, 6, 9, "66")
    type_into(page, 5, 9, "55", leave=False)
    paste(page, page.cell(5, 9), "1\t2\r\n")
    page.el("UpdateAndSaveBtn").click()
    saved = os.path.join(page.downloads, "ShipStats.txt")
    WebDriverWait(page.driver, 10).until(lambda d: os.path.exists(saved))
    got = open(saved, "rb").read().split(b"\r\n")
    want = open(page.sample, "rb").read().split(b"\r\n")
    for (row, column), text in {(4, 9): b"11", (6, 9): b"66", (5, 9): b"1", (5, 10): b"2"}.items():
        want[1 + 3 * (19 * row + column) + 1] = text
    os.remove(saved)
    assert got[1:] == want[1:], [(i, g, w) for i, (g, w) in enumerate(zip(got, want)) if g != w][:6]
    page.open_file(page.sample)


def check_reload_keeps_inputs(page):
    """A reload shows the count and the ships the page showed last; a kept row the table
    no longer has falls back to the start-up ship."""
    page.load()
    names = page.ship_names()
    Select(page.el("AttShipList")).select_by_index(7)
    Select(page.el("DefShipList")).select_by_index(31)
    page.type_count("$2A")
    line = page.result_line()
    page.load()
    assert page.value("AttShips") == "$2A", page.value("AttShips")
    assert page.result_line() == line == page.skirmod_calc("result", names[7], names[31], "$2A")
    page.driver.execute_script(
        "localStorage.setItem('skirmod.inputs', '{\"attacker\": 54, \"defender\": 3,"
        " \"count\": \"9\"}')")
    page.load()
    assert page.message() == "", page.message()
    assert Select(page.el("AttShipList")).first_selected_option.text == names[0]
    assert page.result_line().startswith("9 %s " % names[0]), page.result_line()
    page.driver.execute_script("localStorage.setItem('skirmod.inputs', '{not json')")
    page.load()
    assert page.message() == "" and page.value("AttShips"), page.value("AttShips")


def check_engine_refusals(page):
    """An unknown command or a row outside the table is an error the page shows."""
    answers = page.driver.execute_script(
        "return [call('frobnicate'), call('attacker', '54'), call('defender', '-1'),"
        " call('cell', '0', '19', 'x'), call('log', 'shuffle', '0'), call('step', 'up')]")
    errors = [a.get("error") for a in answers]
    assert errors == ["no command 'frobnicate'", "row 54 is outside 0 to 53",
                      "row -1 is outside 0 to 53", "column 19 is outside 0 to 18",
                      "no log command 'shuffle'", "step 'up' is not a whole number"], errors
    assert page.message() == "step 'up' is not a whole number", page.message()
    page.type_count("3")
    assert page.message() == "" and page.result_line().startswith("3 "), page.result_line()


def check_latin1_and_colours(page):
    """Bytes 128-255 show as Latin-1, and the settings line colours the calculator; a typed
    character beyond Latin-1 is refused like a paste."""
    accented = os.path.join(page.work, "Accented.txt")
    lines = open(page.sample, "rb").read().split(b"\r\n")
    lines[3] = b"1,0,0,0,0,clMaroon,clLime,$0000FFFF,clAqua,clSkyBlue,clNavy,clBlue,"
    lines[2] = b"Sp\xe9rrow\xff"  # the first ship's name
    lines[5] = b"A\x00ur"  # its race: a NUL byte is text too
    open(accented, "wb").write(b"\r\n".join(lines))
    page.open_file(accented)
    assert "Sp\u00e9rrow\u00ff" in page.ship_names()
    assert page.driver.execute_script("return arguments[0].textContent", page.cell(0, 1)) == "A\x00ur"
    colours = page.driver.execute_script(
        "const style = getComputedStyle(document.getElementById('Calculator'));"
        "return [style.backgroundColor, style.borderTopColor, style.color]")
    assert colours == ["rgb(128, 0, 0)", "rgb(0, 255, 0)", "rgb(255, 255, 0)"], colours
    page.el("EditerBtn").click()
    cell = page.cell(0, 1)
    before = cell.text
    cell.click()
    cell.send_keys("\u20ac")
    cell.send_keys(Keys.TAB)
    assert page.message() == ("Nothing pasted: the block holds characters the stats file "
                              "cannot store."), page.message()
    cell = page.cell(0, 1)
    assert cell.text == before
    page.el("CancelEditBtn").click()
    page.open_file(page.sample)


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
    return [o.get_attribute("value") for o in Select(page.el("ResultsMemo")).options]


def check_keyboard(page):
    """Count, ships, switch and the log by keyboard alone, in the order Tab takes."""
    page.el("ResultsClearBtn").click()
    page.open_file(page.sample)
    page.load()
    page.driver.find_element(By.TAG_NAME, "body").click()
    tab_to(page, "AttShips")
    page.type_count("184")
    press(page, Keys.ARROW_UP, Keys.PAGE_UP, Keys.PAGE_UP, Keys.ARROW_DOWN, Keys.PAGE_DOWN)
    assert page.value("AttShips") == "194", page.value("AttShips")
    tab_to(page, "SpinUpBtn")
    press(page, Keys.ENTER)
    tab_to(page, "AttShipList")
    start = Select(page.el("AttShipList")).first_selected_option.text
    press(page, Keys.ARROW_DOWN)
    tab_to(page, "DefShipList")
    press(page, Keys.ARROW_DOWN, Keys.ARROW_DOWN)
    names = page.ship_names()
    att, dfn = names[names.index(start) + 1], names[2]
    tab_to(page, "SwitchBtn")
    press(page, Keys.ENTER)
    expected = page.skirmod_calc("result", dfn, att, "195")
    assert page.result_line() == expected, (page.result_line(), expected)
    chord(page, Keys.SHIFT, Keys.TAB)
    assert focused(page) == "ClipBtn", focused(page)
    press(page, Keys.ENTER)
    copied = page.driver.execute_async_script(
        "navigator.clipboard.readText().then(arguments[0], (e) => arguments[0](String(e)))")
    assert copied + "\n" == expected, copied
    tab_to(page, "ResultsAddBtn")
    press(page, Keys.ENTER)
    tab_to(page, "ResultsInsertSpaceBtn")
    press(page, Keys.ENTER)
    tab_to(page, "ResultsMemo")
    press(page, Keys.HOME)
    chord(page, Keys.CONTROL, Keys.ARROW_DOWN)
    assert log_entries(page) == [expected.rstrip("\n"), ""], log_entries(page)
    press(page, Keys.DELETE, Keys.DELETE)
    assert not log_entries(page)


def check_names_and_live_region(page):
    """The desktop's accessible names; the result line is one polite live region."""
    names = {}
    for editing in (False, True):
        shown = [i for i in DESKTOP_NAMES if page.el(i).is_displayed() and i not in names]
        names.update({i: page.el(i).accessible_name for i in shown})
        page.el("EditerBtn" if not editing else "CancelEditBtn").click()
    assert names == DESKTOP_NAMES, {i: n for i, n in names.items() if n != DESKTOP_NAMES.get(i)}
    live = page.driver.find_elements(By.CSS_SELECTOR, "[aria-live], [role=status], [role=alert], output")
    polite = [e.get_attribute("id") for e in live if e.get_attribute("aria-live") == "polite"]
    assert polite == ["CurrentResultMemo"], polite


def axe_findings(page):
    page.driver.execute_script(open(page.axe).read())
    violations = page.driver.execute_async_script(
        "axe.run(document).then((r) => arguments[0](r.violations.map("
        "(v) => ({id: v.id, impact: v.impact, nodes: v.nodes.map((n) => n.target.join(' '))}))))")
    return [v for v in violations if v["impact"] in ("serious", "critical")]


def check_axe(page):
    """No serious or critical finding of axe-core, reading and editing the table."""
    findings = axe_findings(page)
    page.el("EditerBtn").click()
    findings += axe_findings(page)
    page.el("CancelEditBtn").click()
    assert not findings, json.dumps(findings, indent=1)[:3000]


def show_example(page):
    page.load()
    Select(page.el("AttShipList")).select_by_visible_text("Dreadnought")
    Select(page.el("DefShipList")).select_by_visible_text("Sovereign")
    page.type_count("184")
    page.el("ResultsAddBtn").click()
    page.driver.execute_script("window.scrollTo(0, 0)")


def check_phone_width(page):
    """At 360 CSS pixels nothing scrolls sideways."""
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 360, "height": 780, "deviceScaleFactor": 2, "mobile": True})
    show_example(page)
    width = page.driver.execute_script(
        "return [document.documentElement.scrollWidth, window.innerWidth]")
    if page.shots:
        page.driver.save_screenshot(os.path.join(page.shots, "web-phone.png"))
    page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    assert width[0] <= width[1] == 360, width
    if page.shots:
        page.driver.set_window_size(1280, 900)
        show_example(page)
        page.driver.save_screenshot(os.path.join(page.shots, "web-desktop.png"))


def check_installable_and_offline(page):
    """Chromium finds nothing against installing the page; once loaded, it works with the
    server gone: the service worker's cache."""
    page.driver.execute_async_script(
        "navigator.serviceWorker.ready.then(() => arguments[0]())")
    manifest = page.driver.execute_cdp_cmd("Page.getAppManifest", {})
    errors = page.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
    assert not manifest["errors"] and not errors["installabilityErrors"], (manifest, errors)
    page.load()
    page.server.shutdown()
    page.server.server_close()
    page.load()
    page.type_count("7")
    assert page.result_line().startswith("7 "), page.result_line()


CHECKS = [check_pairings, check_open_edit_download, check_damaged_files, check_paste_and_cancel,
          check_typed_then_pasted, check_engine_refusals, check_reload_keeps_inputs,
          check_latin1_and_colours,
          check_keyboard, check_names_and_live_region, check_axe, check_phone_width,
          check_installable_and_offline]


def main():
    page = Page(*sys.argv[1:5], sys.argv[5] if len(sys.argv) > 5 else None)
    failed = 0
    try:
        for check in CHECKS:
            started = time.monotonic()
            try:
                check(page)
                print("PASS %s (%.1f s)" % (check.__name__, time.monotonic() - started))
            except Exception:
                failed += 1
                print("FAIL %s (seed %d)\n%s" % (check.__name__, SEED, traceback.format_exc()))
    finally:
        page.driver.quit()
    print("%d of %d checks failed" % (failed, len(CHECKS)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
