"""Who stops them: the page's rows against skirmod-calc's `counters --json` and `stop --json`
on the built-in table and on an edited one, a row into the calculator, the keyboard path,
the phone's width and the time a typed count takes."""
import json
import os
import random
import statistics
import subprocess
import tempfile

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from checks_calculator import PAIRINGS, choose_ships
from checks_layout import TOUCH, phone, sideways, small_targets
from page_driver import SEED, axe_findings, focused

# What a variant does, in the words of the companion's text answer.
VERBS = {"emp": "hold", "kill": "kill", "capture": "capture"}
# Stat columns an edit may change, and the line of ShipStats.txt holding a row's value.
EDITED_COLUMNS = {"Ag": 7, "WPSP": 8, "Guns": 9, "Power": 10, "Armor": 11, "EMPRes": 12,
                  "Metal": 13, "Crystal": 14, "Eon": 15}

SHOWN = """
const body = document.getElementById('CountersTable').tBodies[0];
const text = (row, name) => row.querySelector('.' + name).textContent;
return {
  rows: [...body.rows].map((row) => [Number(row.dataset.row), ...['attacker', 'ships', 'verb',
    'metal', 'crystal', 'eon', 'total', 'efficiency'].map((name) => text(row, name))]),
  marked: [...body.rows].map((row) => row.querySelector('.mark').checkVisibility()),
  blocked: [...document.querySelectorAll('#CountersBlocked li')].map((li) => li.textContent),
  summary: document.getElementById('CountersSummary').textContent,
  caption: document.getElementById('CountersCaption').textContent,
  folded: [document.getElementById('CountersBlocked').hidden,
           document.querySelector('#CountersBlocked summary').textContent],
};
"""


def counters_oracle(calc, stats, defender, wanted):
    """skirmod-calc's ranking as the page shows it; `stats` None is the built-in table."""
    with tempfile.TemporaryDirectory() as empty:
        args = [os.path.abspath(calc), "--json"] + (["--stats", stats] if stats else []) + [
            "counters", defender, str(wanted)]
        answer = json.loads(subprocess.run(args, cwd=empty, capture_output=True, check=True).stdout)
    rows, blocked = [], []
    for c in answer["counters"]:
        if "reason" in c:
            blocked.append("%s: %s" % (c["attacker"], c["reason_text"]))
            continue
        rows.append([c["row"], c["attacker"], str(c["ships"]),
                     "%s %s" % (VERBS[c["variant"]], c["result"]),
                     *(str(c[k]) for k in ("metal", "crystal", "eon", "total")),
                     c["efficiency"] + "%"])
    return rows, blocked


def stop_oracle(calc, stats, attacker, defender, wanted):
    with tempfile.TemporaryDirectory() as empty:
        args = [os.path.abspath(calc), "--json"] + (["--stats", stats] if stats else []) + [
            "stop", attacker, defender, str(wanted)]
        return json.loads(subprocess.run(args, cwd=empty, capture_output=True, check=True).stdout)


def random_wanted(rng):
    return rng.choice([rng.randint(1, 60), rng.randint(61, 250000), 10 ** rng.randint(9, 15),
                       2 ** 62 + rng.randint(0, 999)])


def edited_table(page, rng):
    """The sample with random stats changed, and a type without guns, one without power and
    one whose Metal makes any large fleet's cost overflow 64 bits."""
    lines = open(page.sample, "rb").read().split(b"\r\n")

    def put(row, column, value):
        lines[2 + 3 * (19 * row + column)] = str(value).encode()
    for _ in range(30):
        put(rng.randrange(54), rng.choice(list(EDITED_COLUMNS.values())), rng.randint(0, 2000))
    put(rng.randrange(54), EDITED_COLUMNS["Guns"], 0)
    put(rng.randrange(54), EDITED_COLUMNS["Power"], 0)
    put(rng.randrange(54), EDITED_COLUMNS["Metal"], 2 ** 62)
    path = os.path.join(page.work, "StopTable.txt")
    open(path, "wb").write(b"\r\n".join(lines))
    return path


def built_in_table(page):
    page.driver.execute_script("localStorage.clear()")
    page.load()


def show_counters(page, defender, wanted):
    """The calculator's defender, then the count typed into the view's own field."""
    choose_ships(page, 0, defender)
    box = page.el("StopCount")
    box.send_keys(Keys.CONTROL, "a")
    box.send_keys(Keys.DELETE)
    if wanted != "":
        box.send_keys(str(wanted))
    return page.driver.execute_script(SHOWN)


def compare_with_companion(page, stats, rng, cases):
    names = [o.get_attribute("value") for o in page.driver.find_elements(
        By.CSS_SELECTOR, "#DefShipList option")]
    for n in range(cases):
        defender, wanted = rng.randrange(54), random_wanted(rng)
        where = "case %d of seed %d (%s): %d %s" % (n, SEED, stats or "built-in", wanted,
                                                   names[defender])
        shown = show_counters(page, defender, wanted)
        rows, blocked = counters_oracle(page.calc, stats, names[defender], wanted)
        assert shown["rows"] == rows, "%s\n page: %r\n calc: %r" % (where, shown["rows"], rows)
        assert shown["blocked"] == blocked, "%s\n page: %r\n calc: %r" % (
            where, shown["blocked"], blocked)
        assert shown["marked"] == [i == 0 for i in range(len(rows))], (where, shown["marked"])
        best = rows[0] if rows else None
        summary = ("Cheapest: %s %s, %s resources, %s efficient; %d of 54 types stop them."
                   % (best[2], best[1], best[7], best[8], len(rows)) if best else
                   "No type stops %d %s in one tick." % (wanted, names[defender]))
        assert shown["summary"] == summary, (where, shown["summary"], summary)
        assert str(wanted) in shown["caption"] and names[defender] in shown["caption"], where
        assert shown["folded"] == [not blocked, "Cannot stop them: %d of 54 types" % len(
            blocked)], (where, shown["folded"])
        # `stop` for the cheapest, a random row and a type that cannot.
        picks = [r[1] for r in rows[:1] + rng.sample(rows, min(1, len(rows)))]
        picks += [b.split(":")[0] for b in blocked[:1]]
        for attacker in picks:
            stop = stop_oracle(page.calc, stats, attacker, names[defender], wanted)
            row = next((r for r in rows if r[1] == attacker), None)
            if stop["found"]:
                assert row and row[2] == str(stop["ships"]) and row[3].endswith(
                    " %d" % stop["result"]), (where, attacker, row, stop)
            else:
                assert "%s: %s" % (attacker, stop["reason_text"]) in blocked, (where, stop)


def check_counters_against_companion(page):
    """Random defenders and counts, on the built-in table and on an edited stats file: the
    rows, their order, the cheapest's mark, the reasons and the summary are skirmod-calc's."""
    rng = random.Random(SEED)
    cases = max(3, PAIRINGS // 20)
    built_in_table(page)
    page.el("CountersBtn").click()
    compare_with_companion(page, None, rng, cases)
    edited = edited_table(page, rng)
    page.open_file(edited)
    page.el("CountersBtn").click()
    compare_with_companion(page, edited, rng, cases)


def check_counters_refuse_what_is_no_count(page):
    """A count that is no whole number from 1 up empties the view and says why; the next
    number fills it again."""
    page.el("CountersBtn").click()
    refusal = "Defenders to stop: a whole number from 1 to 9223372036854775807."
    for text in ["0", "-5", "abc", "9223372036854775808", ""]:
        shown = show_counters(page, 3, text)
        message = page.value("CountersMessage")
        assert (shown["rows"], shown["blocked"], message) == ([], [], refusal), (text, shown)
    shown = show_counters(page, 3, "$10")
    assert shown["rows"] and "at least 16 " in shown["caption"], shown
    assert page.value("CountersMessage") == "", page.value("CountersMessage")


def calculator_inputs(page):
    return page.driver.execute_script(
        "return ['AttShipList', 'DefShipList'].map((id) => document.getElementById(id)"
        ".selectedIndex).concat([document.getElementById('AttShips').value])")


def check_counters_row_into_calculator(page):
    """Tapping a row puts its attacker, the defender and the ships needed into the
    calculator, whose result line is then `stop`'s: it stops them, one ship fewer does not."""
    built_in_table(page)
    names = page.ship_names()
    rng = random.Random(SEED + 1)
    page.el("CountersBtn").click()
    for _ in range(3):
        defender, wanted = rng.randrange(54), rng.randint(1, 5000)
        rows = show_counters(page, defender, wanted)["rows"]
        if not rows:
            continue
        i = rng.randrange(len(rows))
        page.driver.find_elements(By.CSS_SELECTOR, "#CountersTable tbody tr")[i].find_element(
            By.CSS_SELECTOR, "td").click()
        att, ships = rows[i][0], rows[i][2]
        assert calculator_inputs(page) == [att, defender, ships], (calculator_inputs(page), rows[i])
        stop = stop_oracle(page.calc, None, names[att], names[defender], wanted)
        assert page.result_line() == stop["result_line"] + "\n", (page.result_line(), stop)
        assert int(page.value("DefShips")) >= wanted > stop["one_fewer"]["result"], stop


def check_counters_follow_the_calculators_defender(page):
    """Another defender chosen in the calculator shows at once while the view shows, and
    when it shows next if it did not. A reload keeps the view's own count, as typed."""
    built_in_table(page)
    names = page.ship_names()
    page.el("CountersBtn").click()
    show_counters(page, 4, 250)
    for defender, hidden in [(13, False), (40, True)]:
        if hidden:
            page.el("CalculationBtn").click()
        choose_ships(page, 2, defender)
        if hidden:
            page.el("CountersBtn").click()
        shown = page.driver.execute_script(SHOWN)
        rows, blocked = counters_oracle(page.calc, None, names[defender], 250)
        assert (shown["rows"], shown["blocked"]) == (rows, blocked), (defender, shown)
        assert " 250 %s " % names[defender] in shown["caption"], shown["caption"]
    # A reload opens on the section shown last; the view fills itself there too, with the
    # count typed last.
    page.load()
    shown = page.driver.execute_script(SHOWN)
    assert page.value("StopCount") == "250"
    assert shown["rows"] == counters_oracle(page.calc, None, names[40], 250)[0], shown


def keys(page, *pressed):
    """Keys into the element that has the focus, as a player types them."""
    page.driver.execute_script("return document.activeElement").send_keys(*pressed)


def tab_until(page, selector, limit=80):
    for _ in range(limit):
        if page.driver.execute_script(
                "return document.activeElement.matches(arguments[0])", selector):
            return
        keys(page, Keys.TAB)
    raise AssertionError("Tab never reached %s" % selector)


def check_counters_keyboard(page):
    """By keys alone: the tab list's End and Left twice reach the tab (All matchups lies
    between it and Setup), Tab the count; typing
    changes the polite live summary; Tab to a row and Enter puts it into the calculator;
    Tab on to the folded reasons and Enter unfolds them."""
    page.load()
    page.el("CalculationBtn").click()
    keys(page, Keys.END)
    keys(page, Keys.ARROW_LEFT, Keys.ARROW_LEFT)
    assert focused(page) == "CountersBtn", focused(page)
    assert page.driver.find_element(By.ID, "CountersPanel").is_displayed()
    assert page.driver.execute_script(
        "const s = document.getElementById('CountersSummary');"
        "return [s.getAttribute('role'), s.getAttribute('aria-live')]") == ["status", "polite"]
    before = page.value("CountersSummary")
    keys(page, Keys.TAB)
    assert focused(page) == "StopCount", focused(page)
    keys(page, Keys.END, "7")
    after = page.value("CountersSummary")
    assert after != before and after.startswith("Cheapest: "), (before, after)
    keys(page, Keys.TAB)
    first = page.driver.execute_script(
        "const row = document.activeElement.closest('#CountersTable tbody tr');"
        "return row && [Number(row.dataset.row), row.dataset.ships]")
    assert first, "Tab from the count does not reach the first row"
    keys(page, Keys.TAB)
    keys(page, Keys.ENTER)
    second = page.driver.execute_script(
        "const row = document.activeElement.closest('tr');"
        "return [Number(row.dataset.row), row.dataset.ships, row.rowIndex]")
    assert second[2] == 2, second
    defender = calculator_inputs(page)[1]
    assert calculator_inputs(page) == [second[0], defender, second[1]], calculator_inputs(page)
    headers = page.driver.execute_script(
        "return [...document.querySelectorAll('#CountersTable thead th')].map((h) =>"
        " [h.scope, h.textContent.replace('\\u00ad', '')])")
    assert headers == [["col", "Attacker"], ["col", "Ships needed"], ["col", "Fleet cost"],
                       ["col", "Efficiency"]], headers
    tab_until(page, "#CountersBlocked summary")
    keys(page, Keys.ENTER)
    assert page.driver.execute_script("return document.getElementById('CountersBlocked').open")
    findings = axe_findings(page)
    assert not findings, json.dumps(findings, indent=1)[:3000]


def check_counters_on_a_phone(page):
    """At 360 px nothing scrolls sideways, every row and control is a thumb's height, the
    reasons too once unfolded."""
    with phone(page):
        page.el("CountersBtn").click()
        show_counters(page, 0, 100)
        page.driver.execute_script("document.getElementById('CountersBlocked').open = true")
        width, window = sideways(page)
        heights = page.driver.execute_script(
            "return [...document.querySelectorAll('#CountersTable tbody tr,"
            " #CountersBlocked summary')].map((r) => r.getBoundingClientRect().height)")
        small = small_targets(page)
    assert width <= window == 360, (width, window)
    assert len(heights) > 1 and min(heights) >= TOUCH - 0.5, heights
    assert not small, small


TIME_COUNTS = """
const box = document.getElementById('StopCount');
const body = document.getElementById('CountersTable').tBodies[0];
const times = [];
for (const text of arguments[0]) {
  const start = performance.now();
  box.value = text;
  box.dispatchEvent(new Event('input'));
  body.getBoundingClientRect();
  times.push(performance.now() - start);
}
return times;
"""


def check_counters_follow_typing(page):
    """A typed count to the list updated, the engine's 54 searches and the page's layout:
    at most 16 ms, the median of 200 counts; on the phone profile (the processor four times
    slower) the figure is printed."""
    page.load()
    page.el("CountersBtn").click()
    counts = [str(7 ** (i % 20) + i) for i in range(200)]
    desk = page.driver.execute_script(TIME_COUNTS, counts)
    slow = phone_times(page, counts[:50])
    print("  count typed to list updated: median %.1f ms (90th percentile %.1f); phone profile"
          " median %.1f ms" % (statistics.median(desk), statistics.quantiles(desk, n=10)[-1],
                               statistics.median(slow)))
    assert statistics.median(desk) <= 16, desk


def phone_times(page, counts):
    """The same on the phone profile: 360 px, the processor four times slower; no figure
    where the browser cannot slow its processor."""
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 360, "height": 780, "deviceScaleFactor": 2, "mobile": True})
    slowed = page.devtools("a slowed processor", "Emulation.setCPUThrottlingRate", {"rate": 4})
    try:
        return page.driver.execute_script(TIME_COUNTS, counts) if slowed else [float("nan")]
    finally:
        if slowed:
            page.driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})
        page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
