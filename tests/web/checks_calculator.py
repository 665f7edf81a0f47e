"""The calculator, the results log and the page's names, against skirmod-calc."""
import concurrent.futures
import json
import os
import random

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.select import Select
from selenium.webdriver.support.wait import WebDriverWait

from page_driver import SEED, axe_findings, chord, focused, log_entries, press, tab_to

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


def choose_ships(page, att, dfn):
    """Both lists as a choice in them leaves them: the row selected, then "change"."""
    page.driver.execute_script(
        "[['AttShipList', arguments[0]], ['DefShipList', arguments[1]]].forEach(([id, row]) => {"
        " const list = document.getElementById(id); list.selectedIndex = row;"
        " list.dispatchEvent(new Event('change')); })", att, dfn)


def check_pairings(page):
    """Typed counts and chosen ships give skirmod-calc's result line and four reports."""
    page.open_file(page.sample)
    names = page.ship_names()
    rng = random.Random(SEED)
    pairings = []
    for _ in range(PAIRINGS):
        att, dfn = rng.randrange(len(names)), rng.randrange(len(names))
        pairings.append((att, dfn, rng.choice(COUNT_KINDS)(rng)))
    # skirmod-calc answers while the browser works: a few processes at a time.
    with concurrent.futures.ThreadPoolExecutor(max_workers=3) as pool:
        answers = pool.map(lambda p: page.skirmod_calc_all(
            [["result", names[p[0]], names[p[1]], p[2]]] +
            [["report", kind, names[p[0]], names[p[1]], p[2]] for kind in REPORTS]), pairings)
        for n, ((att, dfn, count), expected) in enumerate(zip(pairings, answers)):
            choose_ships(page, att, dfn)
            page.type_count(count)
            where = "pairing %d of seed %d: %s v %s, count %r" % (
                n, SEED, names[att], names[dfn], count)
            shown = page.values("CurrentResultMemo",
                                *(b for boxes in REPORTS.values() for b in boxes))
            texts = [shown.pop(0) + "\n"]
            for boxes in REPORTS.values():
                texts.append("\n".join(shown.pop(0) + "\n" for _ in boxes))
            for what, text, want in zip(["result", *REPORTS], texts, expected):
                assert text == want, "%s: %s differs\n page: %r\n calc: %r" % (
                    where, what, text, want)


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
    read_clipboard = lambda: page.driver.execute_async_script(
        "navigator.clipboard.readText().then(arguments[0], (e) => arguments[0](String(e)))")
    # Copy link stands between Copy Result and Switch: the address, which holds the battle.
    chord(page, Keys.SHIFT, Keys.TAB)
    assert focused(page) == "CopyLinkBtn", focused(page)
    press(page, Keys.ENTER)
    WebDriverWait(page.driver, 5).until(
        lambda d: read_clipboard() == d.execute_script("return location.href"))
    assert "#att=" in read_clipboard(), read_clipboard()
    chord(page, Keys.SHIFT, Keys.TAB)
    assert focused(page) == "ClipBtn", focused(page)
    press(page, Keys.ENTER)
    WebDriverWait(page.driver, 5).until(lambda d: read_clipboard() + "\n" == expected)
    page.el("ResultsBtn").click()
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
    """The desktop's accessible names; the result line is the one live region that speaks a
    result, and a count change speaks it once: the statuses of the log, the table and Copy
    stay as they were."""
    names = {}
    for editing in (False, True):
        shown = [i for i in DESKTOP_NAMES if page.el(i).is_displayed() and i not in names]
        names.update({i: page.el(i).accessible_name for i in shown})
        page.el("EditerBtn" if not editing else "CancelEditBtn").click()
    assert names == DESKTOP_NAMES, {i: n for i, n in names.items() if n != DESKTOP_NAMES.get(i)}
    live = page.driver.find_elements(By.CSS_SELECTOR, "[aria-live], [role=status], [role=alert], output")
    polite = [e.get_attribute("id") for e in live if e.get_attribute("aria-live") == "polite"
              or e.get_attribute("role") == "status" and not e.get_attribute("aria-live")]
    assert sorted(polite) == ["ClipStatus", "CountersMessage", "CountersSummary",
                              "CurrentResultMemo", "LinkMessage", "LogMessage", "LogStatus",
                              "TableMessage"], polite
    page.type_count("12")
    before = dict(zip(polite, page.values(*polite)))
    page.type_count("13")
    after = dict(zip(polite, page.values(*polite)))
    changed = [i for i in polite if after[i] != before[i]]
    assert changed == ["CurrentResultMemo"], (before, after)


def check_axe(page):
    """No serious or critical finding of axe-core, reading and editing the table."""
    findings = axe_findings(page)
    page.el("EditerBtn").click()
    findings += axe_findings(page)
    page.el("CancelEditBtn").click()
    assert not findings, json.dumps(findings, indent=1)[:3000]


def check_start_focus_and_count_notice(page):
    """Once the page is ready the count box has the focus; a count that is no number is
    answered at once by what it counts as, and the notice goes with the next number. The
    file chooser opens from its own button."""
    page.load()
    assert focused(page) == "AttShips", focused(page)
    for text, notice in [("12x", "Not a whole number: counts as 0 ships"),
                         ("9223372036854775808", "Beyond the 64-bit range: counts as 0 ships"),
                         ("-", "Not a whole number: counts as 0 ships"),
                         ("12", "")]:
        page.type_count(text)
        assert page.message() == notice, (text, page.message())
    opened = page.driver.execute_script(
        "const input = document.getElementById('OpenFile'); let opened = 0;"
        "input.click = () => { opened += 1; };"
        "document.getElementById('OpenFileBtn').click(); return opened;")
    assert opened == 1, opened
    assert page.el("OpenFile").get_attribute("tabindex") == "-1"
