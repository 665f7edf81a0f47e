"""All matchups: the heat map's figures and colours against skirmod-calc's matrix (its --json
and its --svg), the keyboard's path through the map into the calculator, the cells' names,
and the redraw's time on a phone."""
import json
import os
import statistics
import subprocess
import xml.etree.ElementTree as ElementTree

from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.wait import WebDriverWait

from checks_storage import BUILT_IN, sample_lines, value_line, write
from page_driver import axe_findings, chord, focused, press

SVG = "{http://www.w3.org/2000/svg}"
CELL = 14
NAMES = 112

# The squares' colours as drawn, one pixel a cell, with the size they are shown at; and
# whether the hatch over them has ink on the middle of a cell, on its line from the bottom
# left corner to the top right one.
CANVAS_COLOURS = """
const cells = document.getElementById('MatrixCells');
const size = cells.width;
const pixels = cells.getContext('2d').getImageData(0, 0, size, size).data;
const hex = (at) => '#' + [0, 1, 2].map((i) => pixels[at + i].toString(16).padStart(2, '0')).join('');
const colours = [];
for (let i = 0; i < size * size; i++) colours.push(hex(4 * i));
const overlay = document.getElementById('MatrixCanvas');
const ratio = overlay.width / parseFloat(overlay.style.width);
const ink = overlay.getContext('2d').getImageData(0, 0, overlay.width, overlay.height).data;
const hatched = [];
for (let row = 0; row < size; row++) {
  for (let column = 0; column < size; column++) {
    const x = Math.floor((arguments[1] + column * arguments[0] + arguments[0] / 2 - 0.5) * ratio);
    const y = Math.floor((arguments[1] + row * arguments[0] + arguments[0] / 2) * ratio);
    hatched.push(ink[4 * (y * overlay.width + x) + 3] > 0);
  }
}
return [size, cells.style.width, cells.style.left, colours, hatched];
"""

TABLE_TEXTS = """
const table = document.getElementById('MatrixTable');
return [...table.rows].map((row) => [...row.cells].map((cell) => cell.textContent));
"""

# A count change with the map shown, as a player types it: from the input event to the map
# drawn afresh (the engine's 2,916 combats, the squares, the active cell), and on to the
# frame after it; a pause between changes.
TIME_REDRAW = """
const [runs, done] = arguments;
const box = document.getElementById('AttShips');
const times = {redraw: [], frame: []};
const pause = () => new Promise((go) => setTimeout(go, 150));
(async () => {
  for (let i = 1; i <= runs; i++) {
    await pause();
    const start = performance.now();
    box.value = String(900 + i);
    box.dispatchEvent(new Event('input'));
    if (!document.getElementById('MatrixCaption').textContent.includes(` ${900 + i} ships`))
      throw new Error('no new map');
    times.redraw.push(performance.now() - start);
    await new Promise((go) => requestAnimationFrame(() => setTimeout(go)));
    times.frame.push(performance.now() - start);
  }
  done(times);
})();
"""


def figure_text(cell):
    if cell["efficiency"] is None:
        return "no target"
    return "%d stopped, %s%%" % (cell["result"], cell["efficiency"])


def companion(page, stats, *args):
    """skirmod-calc matrix on a stats file, or on the built-in table when there is none."""
    where = os.path.join(page.work, "no-table")
    os.makedirs(where, exist_ok=True)
    command = [page.calc] + (["--stats", stats] if stats else []) + ["matrix", *args]
    return subprocess.run(command, cwd=where, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                          check=True).stdout.decode("utf-8")


def svg_fills(path):
    cells = ElementTree.parse(path).getroot().find(SVG + "g[@id='cells']")
    return [rect.get("fill") for rect in cells.iter(SVG + "rect")]


def use_built_in_table(page):
    if page.value("FileHeaderText").split("\n")[1] != BUILT_IN:
        page.el("RestoreBtn").click()
        page.el("ConfirmYesBtn").click()
    assert page.value("FileHeaderText").split("\n")[1] == BUILT_IN


def show_matrix(page, count):
    page.type_count(count)
    page.el("MatrixMap")


def set_pressed(page, button_id, pressed):
    button = page.el(button_id)
    if (button.get_attribute("aria-pressed") == "true") != pressed:
        button.click()


def expect_page_equals_companion(page, stats, count, where):
    """The map at `count` shows the companion's figures and colours on `stats`."""
    show_matrix(page, count)
    return expect_map_shows(page, stats, count, where)


def expect_map_shows(page, stats, count, where):
    """The map as it stands, table order, against the companion's --json and --svg."""
    answer = json.loads(companion(page, stats, "--json", "--count", count))
    set_pressed(page, "MatrixGroupBtn", False)
    set_pressed(page, "MatrixTableBtn", True)
    rows = page.driver.execute_script(TABLE_TEXTS)
    ships = answer["ships"]
    assert rows[0][1:] == ships, (where, rows[0])
    for att, row in enumerate(rows[1:]):
        assert row[0] == ships[att], (where, att)
        expected = [figure_text(cell) for cell in answer["cells"][att]]
        wrong = [(ships[att], ships[d], row[1 + d], expected[d])
                 for d in range(len(ships)) if row[1 + d] != expected[d]]
        assert not wrong, (where, wrong[:5])
    svg = os.path.join(page.work, "matrix.svg")
    companion(page, stats, "--count", count, "--svg", svg)
    size, width, left, colours, hatched = page.driver.execute_script(CANVAS_COLOURS, CELL, NAMES)
    assert (size, width, left) == (54, "%dpx" % (54 * CELL), "%dpx" % NAMES), (size, width, left)
    fills = svg_fills(svg)
    assert len(fills) == 54 * 54
    for i, fill in enumerate(fills):
        cell = answer["cells"][i // 54][i % 54]
        drawn = "#ffffff" if fill == "url(#no-target)" else fill
        assert colours[i] == drawn, (where, ships[i // 54], ships[i % 54], colours[i], fill)
        assert (cell["color"] or "#ffffff") == drawn, (where, i)
        # A cell without a target is hatched, the others are even.
        assert hatched[i] == (fill == "url(#no-target)"), (where, i, hatched[i])
    set_pressed(page, "MatrixTableBtn", False)
    return answer


def edited_table(page):
    """The sample with figures changed by hand: costs far up and down, guns taken away, a
    name the stats file writes in Latin-1."""
    lines = sample_lines(page)
    lines[value_line(4, 13)] = b"999999999"   # Warden's metal: a dear fleet
    lines[value_line(20, 11)] = b"1"          # Blackout's armour
    lines[value_line(11, 9)] = b"0"           # Dreadnought without guns
    lines[value_line(30, 14)] = b"-5000"      # Phantom's crystal below nothing
    lines[value_line(7, 0)] = "Jörgnaut".encode("latin-1")
    return write(page, "Matrix.txt", lines)


def check_matrix_against_the_companion(page):
    """On the built-in table and on an edited one, every cell's figures are skirmod-calc
    matrix --json's, byte for byte, and every drawn colour is its --svg's; a table dropped
    while the map shows is drawn at once."""
    use_built_in_table(page)
    built_in = expect_page_equals_companion(page, None, "1000", "built-in, 1000")
    expect_page_equals_companion(page, None, "37", "built-in, 37")
    # Results past a script's exact integers (2^53), the count written as the box allows.
    huge = expect_page_equals_companion(page, None, "$7FFFFFFFFFFFFFFF", "built-in, 2^63 - 1")
    assert any(abs(c["result"]) > 2**53 for row in huge["cells"] for c in row)
    mine = edited_table(page)
    page.open_file(mine)
    edited = expect_page_equals_companion(page, mine, "1000", "edited, 1000")
    assert edited["cells"] != built_in["cells"] and "Jörgnaut" in edited["ships"]
    # A table dropped while the map shows redraws it there and then.
    page.driver.execute_script(
        "const data = new DataTransfer();"
        "data.items.add(new File([Uint8Array.from(arguments[0], (c) => c.charCodeAt(0))],"
        " 'Dropped.txt'));"
        "document.getElementById('MatrixMap').dispatchEvent("
        "  new DragEvent('drop', {dataTransfer: data, bubbles: true, cancelable: true}))",
        open(page.sample, "rb").read().decode("latin-1"))
    WebDriverWait(page.driver, 10).until(lambda d: "Jörgnaut" not in page.ship_names(),
                                         "the dropped table was not taken")
    assert page.driver.execute_script("return !document.getElementById('MatrixPanel').hidden")
    expect_map_shows(page, page.sample, "1000", "dropped sample, 1000")
    page.open_file(page.sample)


def grouped_order(page):
    """The rows grouped by class, by hand from the sample file: classes in the order they
    first appear, table order within each."""
    lines = sample_lines(page)
    classes = [lines[value_line(row, 2)].decode("latin-1") for row in range(54)]
    first = {}
    for row, name in enumerate(classes):
        first.setdefault(name, row)
    return sorted(range(54), key=lambda row: (first[classes[row]], row))


def active_cell(page):
    return page.driver.execute_script(
        "const map = document.getElementById('MatrixMap');"
        "const cell = document.getElementById(map.getAttribute('aria-activedescendant'));"
        "return [cell.getAttribute('role'), cell.textContent,"
        " +cell.parentElement.getAttribute('aria-rowindex'), +cell.getAttribute('aria-colindex')]")


def chosen_pairing(page):
    return page.driver.execute_script(
        "return [document.getElementById('AttShipList').selectedIndex,"
        " document.getElementById('DefShipList').selectedIndex]")


def check_matrix_keyboard_path(page):
    """One tab stop; arrows, Home, End and the page keys move the active cell, whose name is
    the pair and its figures; Enter opens that pairing in the calculator, at the map's count,
    in table order and grouped by class."""
    answer = json.loads(page.skirmod_calc("matrix", "--json", "--count", "500"))
    ships = answer["ships"]
    show_matrix(page, "500")
    set_pressed(page, "MatrixGroupBtn", False)
    page.driver.execute_script("document.getElementById('MatrixBtn').focus()")
    press(page, Keys.TAB)
    for _ in range(4):
        if focused(page) == "MatrixMap":
            break
        press(page, Keys.TAB)
    assert focused(page) == "MatrixMap"
    chord(page, Keys.CONTROL, Keys.HOME)
    press(page, Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_DOWN,
          Keys.ARROW_DOWN, Keys.ARROW_LEFT)
    expected = "%s v %s: %s" % (ships[2], ships[2], figure_text(answer["cells"][2][2]))
    assert active_cell(page) == ["gridcell", expected, 3, 3], active_cell(page)
    assert page.value("MatrixInfo") == expected
    press(page, Keys.END, Keys.PAGE_DOWN, Keys.ARROW_DOWN)
    assert active_cell(page)[2:] == [14, 54]
    press(page, Keys.ARROW_RIGHT)  # the edge holds
    assert active_cell(page)[2:] == [14, 54]
    press(page, Keys.ENTER)
    assert chosen_pairing(page) == [13, 53]
    expected_line = page.skirmod_calc("result", ships[13], ships[53], "500")
    assert page.result_line() == expected_line, (page.result_line(), expected_line)
    assert focused(page) == "MatrixMap"
    # Tab leaves the map at once: its cells are no tab stops. A button put right after it
    # shows where the focus goes, whatever a browser does past the page's last control.
    page.driver.execute_script(
        "document.getElementById('MatrixMap').after("
        "  Object.assign(document.createElement('button'), {id: 'AfterMap'}))")
    press(page, Keys.TAB)
    assert focused(page) == "AfterMap", focused(page)
    page.driver.execute_script("document.getElementById('AfterMap').remove()")

    order = grouped_order(page)
    assert order != list(range(54)), "the sample's classes are in table order already"
    set_pressed(page, "MatrixGroupBtn", True)
    page.driver.execute_script("document.getElementById('MatrixMap').focus()")
    chord(page, Keys.CONTROL, Keys.HOME)
    press(page, *[Keys.ARROW_DOWN] * 40, *[Keys.ARROW_RIGHT] * 7)
    att, dfn = order[40], order[7]
    expected = "%s v %s: %s" % (ships[att], ships[dfn], figure_text(answer["cells"][att][dfn]))
    assert active_cell(page)[1] == expected, (active_cell(page), expected)
    press(page, " ")
    assert chosen_pairing(page) == [att, dfn]
    set_pressed(page, "MatrixGroupBtn", False)


def check_matrix_names_and_a_click(page):
    """The map is a grid named by its heading, its table view has headers both ways, no
    serious accessibility finding; a click on a square opens that pairing."""
    show_matrix(page, "250")
    set_pressed(page, "MatrixTableBtn", True)
    names = page.driver.execute_script(
        "const map = document.getElementById('MatrixMap');"
        "const table = document.getElementById('MatrixTable');"
        "return [map.getAttribute('role'), document.getElementById("
        "map.getAttribute('aria-labelledby')).textContent, map.tabIndex,"
        " table.rows[0].cells[5].scope, table.rows[9].cells[0].scope, table.caption.textContent]")
    assert names[:5] == ["grid", "All matchups", 0, "col", "row"], names
    assert "at 250 ships" in names[5]
    findings = axe_findings(page)
    assert findings == [], findings
    set_pressed(page, "MatrixTableBtn", False)
    canvas = page.el("MatrixCanvas")
    page.driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", canvas)

    def tap(kind, row, column):
        page.driver.execute_script(
            "const box = arguments[0].getBoundingClientRect();"
            "for (const type of ['pointerdown', 'click'])"
            "  arguments[0].dispatchEvent(new PointerEvent(type, {bubbles: true,"
            "   pointerType: arguments[1], clientX: box.left + arguments[2],"
            "   clientY: box.top + arguments[3]}))",
            canvas, kind, NAMES + column * CELL + 5, NAMES + row * CELL + 9)

    tap("mouse", 6, 20)
    assert chosen_pairing(page) == [6, 20]
    # A finger's first tap shows the pair, the second on the same square opens it.
    tap("touch", 9, 31)
    assert chosen_pairing(page) == [6, 20] and active_cell(page)[2:] == [10, 32]
    assert page.value("MatrixInfo").endswith("Tap it again to open it in the calculator.")
    tap("touch", 9, 31)
    assert chosen_pairing(page) == [9, 31]


def check_matrix_redraw_quick_on_a_phone(page):
    """On a phone (360 px, the processor four times slower) a count change redraws all 2,916
    pairings within 50 ms, the median of 15 (the frame after it for the record); nothing
    scrolls sideways. Where the browser cannot slow its processor, at full speed."""
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True})
    slowed = page.devtools("a slowed processor", "Emulation.setCPUThrottlingRate", {"rate": 4})
    try:
        show_matrix(page, "900")
        times = page.driver.execute_async_script(TIME_REDRAW, 15)
        set_pressed(page, "MatrixTableBtn", True)
        widths = page.driver.execute_script(
            "return [document.documentElement.scrollWidth, document.documentElement.clientWidth]")
        set_pressed(page, "MatrixTableBtn", False)
    finally:
        if slowed:
            page.driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})
        page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    redraw, frame = statistics.median(times["redraw"]), statistics.median(times["frame"])
    print("  count change to new map: median %.1f ms (to the frame after it %.1f ms) of %d;"
          " runs %s" % (redraw, frame, len(times["redraw"]),
                        " ".join("%.1f" % t for t in times["redraw"])))
    assert widths[0] <= widths[1], widths
    assert len(times["redraw"]) == 15 and redraw <= 50, times
