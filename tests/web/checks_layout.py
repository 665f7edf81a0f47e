"""The page on a phone: sections as tabs with the result line in view, thumb-sized controls,
the results log as a list that wraps, explanations as text of the page; the log by keyboard
and what it says after each command."""
import contextlib

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.select import Select

from page_driver import chord, focused, log_entries, press

TABS = [
    "CalculationBtn", "TargetBtn", "ResourcesBtn", "BasicStatsBtn", "ResultsBtn", "StatsFileBtn"]
TOUCH = 44  # CSS pixels of a thumb's target


@contextlib.contextmanager
def phone(page):
    """A 360 by 740 phone with a touch screen, at twice the pixels, the page loaded afresh."""
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True})
    touch = page.devtools("a touch screen", "Emulation.setTouchEmulationEnabled",
                          {"enabled": True, "maxTouchPoints": 5})
    page.load()
    try:
        yield
    finally:
        if touch:
            page.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
        page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        page.load()


def small_targets(page):
    """The visible buttons, tabs, inputs and lists smaller than a thumb, with their sizes. A
    check box or radio button is touched through its label too, so the larger one counts."""
    return page.driver.execute_script(
        "const big = (r) => r.height >= arguments[0] - 0.5 && r.width >= arguments[0] - 0.5;"
        "const touched = (e) => /^(checkbox|radio)$/.test(e.type) ? [e, ...e.labels] : [e];"
        "return [...document.querySelectorAll('button, [role=tab], input, select, label.button')]"
        ".filter((e) => e.checkVisibility({opacityProperty: true, visibilityProperty: true}))"
        ".filter((e) => !touched(e).some((t) => big(t.getBoundingClientRect())))"
        ".map((e) => [e.id || e.textContent, e.getBoundingClientRect()])"
        ".map(([name, r]) => [name, Math.round(r.width), Math.round(r.height)])", TOUCH)


def sideways(page):
    return page.driver.execute_script(
        "return [document.documentElement.scrollWidth, window.innerWidth]")


def in_view(page, element_id):
    """Whether the element is wholly inside the window, as [top, bottom, window height]."""
    top, bottom, height = page.driver.execute_script(
        "const r = document.getElementById(arguments[0]).getBoundingClientRect();"
        "return [r.top, r.bottom, window.innerHeight]", element_id)
    return 0 <= top and bottom <= height and bottom > top, [top, bottom, height]


def shown_panel(page):
    return page.driver.execute_script(
        "return [...document.querySelectorAll('[role=tabpanel]')]"
        ".filter((p) => !p.hidden).map((p) => p.id)")


def check_phone_sizes_and_width(page):
    """On a phone, in every section, nothing scrolls sideways and every control is at least
    44 px each way; the explanations are page text with no scroll box of their own."""
    page.el("ResultsAddBtn").click()
    with phone(page):
        found = {}
        for tab in TABS:
            page.el(tab).click()
            found[tab] = (sideways(page), small_targets(page))
            if tab == "CalculationBtn":
                boxes = page.driver.execute_script(
                    "return [...document.querySelectorAll('.report')]"
                    ".filter((e) => e.checkVisibility()).map((e) => [e.id,"
                    " e.scrollWidth <= e.clientWidth, e.scrollHeight <= e.clientHeight + 1,"
                    " e.tabIndex, e.getAttribute('role')])")
        for tab, ((width, window), small) in found.items():
            assert width <= window == 360, (tab, width, window)
            assert not small, (tab, small)
        assert boxes == [["CalculationMemo", True, True, -1, "region"]], boxes


def check_phone_log_is_a_wrapping_list(page):
    """On a phone the log shows each entry as a row of its own, a long line wrapped onto
    more lines, the engine's texts exactly."""
    with phone(page):
        page.el("ResultsClearBtn").click()
        empty = page.driver.execute_script(
            "const l = document.getElementById('ResultsMemo');"
            "return [l.children.length, l.firstChild.textContent, l.firstChild.offsetHeight]")
        assert empty[:2] == [1, "The log is empty"] and empty[2] >= TOUCH, empty
        Select(page.el("AttShipList")).select_by_visible_text("Dreadnought")
        Select(page.el("DefShipList")).select_by_visible_text("Sovereign")
        lines = []
        for count in ["184", "7"]:
            page.type_count(count)
            lines.append(page.result_line().rstrip("\n"))
            page.el("ResultsAddBtn").click()
        assert log_entries(page) == lines, log_entries(page)
        rows = page.driver.execute_script(
            "const range = document.createRange();"
            "return [...document.querySelectorAll('#ResultsMemo [role=option]')].map((o) => {"
            " const r = o.getBoundingClientRect(); range.selectNodeContents(o);"
            " const tops = [...range.getClientRects()].map((l) => Math.round(l.top));"
            " return [Math.round(r.top), Math.round(r.height), Math.round(r.right),"
            "  new Set(tops).size, o.checkVisibility()]; })")
        tops = [row[0] for row in rows]
        assert tops == sorted(set(tops)), rows  # one row below the other, not a drop-down
        assert all(row[4] and row[1] >= TOUCH and row[2] <= 360 for row in rows), rows
        long_row = log_entries(page).index(lines[0])
        assert len(lines[0]) > 80 and rows[long_row][3] >= 2, (lines[0], rows)
        assert page.el("ResultsMemo").tag_name != "select"


def check_phone_sections_keep_the_result_in_view(page):
    """Sections switch by touch and by the arrow keys, Home and End; switching from far
    down a long section shows the new one from its top with the result line still in view."""
    with phone(page):
        page.el("CalculationBtn").click()
        page.el("TargetBtn").click()
        assert shown_panel(page) == ["TargetPanel"], shown_panel(page)
        page.el("TargetBtn").send_keys(Keys.ARROW_RIGHT)
        assert (focused(page), shown_panel(page)) == ("ResourcesBtn", ["ResourcesPanel"])
        press(page, Keys.END)
        assert (focused(page), shown_panel(page)) == ("StatsFileBtn", ["StatsFilePanel"])
        press(page, Keys.ARROW_RIGHT)
        assert (focused(page), shown_panel(page)) == ("CalculationBtn", ["CalculationPanel"])
        press(page, Keys.ARROW_LEFT, Keys.HOME)
        assert (focused(page), shown_panel(page)) == ("CalculationBtn", ["CalculationPanel"])
        # Targeting is the longest section: far down another, its start is far above.
        for far_tab, to in [("ResourcesBtn", Keys.ARROW_LEFT), ("BasicStatsBtn", None)]:
            page.el(far_tab).click()
            page.driver.execute_script("window.scrollTo(0, document.documentElement.scrollHeight)")
            below = page.driver.execute_script(
                "return document.getElementById('Details').getBoundingClientRect().top")
            seen = in_view(page, "CurrentResultMemo")
            assert below < -200 and seen[0], (far_tab, below, seen)
            if to:
                press(page, to)
            else:
                page.el("TargetBtn").click()
            seen = [in_view(page, i) for i in ("CurrentResultMemo", "ToolBar1", "TargetAttHeading")]
            assert all(s[0] for s in seen), (far_tab, seen)


def status(page):
    return page.value("LogStatus").rstrip("\u00a0")


def selected(page):
    return page.driver.execute_script(
        "const l = document.getElementById('ResultsMemo');"
        "const a = l.getAttribute('aria-activedescendant');"
        "return [[...l.children].findIndex((o) => o.getAttribute('aria-selected') === 'true'),"
        " a && document.getElementById(a).textContent]")


def check_log_by_keyboard_and_what_it_says(page):
    """Up, Down, Home and End move the selection; the engine's keys and buttons work on it,
    and after each command the status says what changed and what is selected."""
    page.el("ResultsClearBtn").click()
    assert status(page).endswith("The log is empty"), status(page)
    lines = []
    for count in ["1", "2", "3"]:
        page.type_count(count)
        lines.append(page.result_line().rstrip("\n"))
        page.el("ResultsAddBtn").click()
        assert status(page).startswith("Added: %s. Selected line " % lines[-1]), status(page)
    assert log_entries(page) == lines, log_entries(page)
    page.el("ResultsMemo").click()
    press(page, Keys.HOME)
    assert selected(page) == [0, lines[0]], selected(page)
    press(page, Keys.DOWN, Keys.DOWN, Keys.DOWN)
    assert selected(page) == [2, lines[2]], selected(page)
    press(page, Keys.HOME, Keys.END, Keys.UP)
    assert selected(page) == [1, lines[1]], selected(page)
    press(page, Keys.DELETE)
    assert log_entries(page) == [lines[0], lines[2]], log_entries(page)
    index, text = selected(page)
    said = "Deleted: %s. Selected line %d of 2: %s" % (lines[1], index + 1, text)
    assert status(page) == said, status(page)
    press(page, Keys.HOME)
    chord(page, Keys.SHIFT, Keys.INSERT)
    assert log_entries(page) == ["", lines[0], lines[2]], log_entries(page)
    assert status(page).startswith("Added: Empty line. Selected line "), status(page)
    name = page.driver.execute_script(
        "return document.querySelector('#ResultsEntry0').getAttribute('aria-label')")
    assert name == "Empty line", name
    press(page, Keys.HOME)
    chord(page, Keys.CONTROL, Keys.DOWN)
    assert log_entries(page) == [lines[0], "", lines[2]], log_entries(page)
    assert status(page).startswith("Moved: Empty line. Selected line "), status(page)
    chord(page, Keys.CONTROL, "c")
    assert status(page).startswith("Copied the log. Selected line "), status(page)
    page.el("ResultsClearBtn").click()
    assert status(page) == "Deleted all 3 entries. The log is empty", status(page)
    active = page.el("ResultsMemo").get_attribute("aria-activedescendant")
    assert log_entries(page) == [] and page.el(active).text == "The log is empty", active
    roles = [page.el(i).aria_role for i in ("ResultsMemo", active, "CalculationMemo")]
    assert roles == ["listbox", "option", "region"], roles


def check_log_buttons_and_copy(page):
    """Insert, Move Down, Move Up and Delete by their buttons act on the entry chosen by a
    click; Copy puts the log on the clipboard as the desktop's does, each line ending CR LF."""
    page.el("ResultsClearBtn").click()
    lines = []
    for count in ["5", "6"]:
        page.type_count(count)
        lines.append(page.result_line().rstrip("\n"))
        page.el("ResultsAddBtn").click()
    five, six = lines
    assert (log_entries(page), selected(page)) == ([five, six], [1, six]), selected(page)
    page.driver.find_element(By.CSS_SELECTOR, "#ResultsMemo [role=option]").click()
    steps = [("ResultsInsertBtn", [six, five, six], 0), ("ResultsMoveDownBtn", [five, six, six], 1),
             ("ResultsMoveUpBtn", [six, five, six], 0)]
    for button, entries, chosen in steps:
        page.el(button).click()
        assert (log_entries(page), selected(page)[0]) == (entries, chosen), (button, selected(page))
    page.el("ResultsCopyBtn").click()
    copied = page.driver.execute_async_script(
        "navigator.clipboard.readText().then(arguments[0], (e) => arguments[0](String(e)))")
    assert copied == "%s\r\n%s\r\n%s\r\n" % (six, five, six), copied
    page.el("ResultsDeleteBtn").click()
    page.el("ResultsDeleteBtn").click()
    assert (log_entries(page), selected(page)) == ([six], [0, six]), selected(page)
    page.el("ResultsClearBtn").click()
