"""What the page keeps: reloads, Restore and Undo, two windows of one browser, storage that
is blocked or full, and the bytes that go through Open, the kept table and Save."""
import os
import re
import time

from selenium.webdriver.support.select import Select
from selenium.webdriver.support.wait import WebDriverWait

from selenium.webdriver.common.keys import Keys

from page_driver import axe_findings, log_entries, paste, press

BUILT_IN = "The built-in table: no ShipStats.txt opened on this page."


def value_line(row, column):
    """The line of ShipStats.txt that holds the value of a row and column."""
    return 2 + 3 * (19 * row + column)


def sample_lines(page):
    return open(page.sample, "rb").read().split(b"\r\n")


def write(page, name, lines):
    path = os.path.join(page.work, name)
    open(path, "wb").write(b"\r\n".join(lines))
    return path


def wait(page, condition, what, seconds=10):
    WebDriverWait(page.driver, seconds).until(lambda d: condition(), what)


def kept(page, key):
    return page.driver.execute_script("return localStorage.getItem(arguments[0])", "skirmod." + key)


def check_backslash_reload_and_save_time(page):
    """A backslash in the header and in a cell goes through Open, a reload and Save; Save
    ends editing, and writes its time in digits even where the locale writes Arabic."""
    lines = sample_lines(page)
    lines[0] = b"C:\\Games\\ShipStats \\ header"
    lines[value_line(2, 1)] = b"Au\\r"
    path = write(page, "Backslash.txt", lines)
    page.open_file(path)
    page.load()  # an opened table is kept
    header = page.value("FileHeaderText").split("\n")
    assert header == ["C:\\Games\\ShipStats \\ header", "File location...  Backslash.txt"], header
    assert page.cell(2, 1).get_property("value") == "Au\\r"
    page.driver.execute_script(
        "Date.prototype.toLocaleDateString = () => '\u0668/\u0661\u0662/\u0662\u0660\u0662\u0666';"
        "Date.prototype.toLocaleTimeString = () => '\uc624\uc804 4:26:22';")
    page.el("EditerBtn").click()
    before = time.time()
    page.el("UpdateAndSaveBtn").click()
    data = page.saved_file().split(b"\r\n")
    assert data[1:] == lines[1:], "the saved table differs from the opened one"
    stamp = re.fullmatch(rb"Modified ShipStats.txt file. Last Edited... "
                         rb"(\d\d/\d\d/\d{4} \d\d:\d\d:\d\d)", data[0])
    assert stamp, data[0]
    moments = {time.strftime("%d/%m/%Y %H:%M:%S", time.localtime(t)).encode()
               for t in range(int(before) - 1, int(time.time()) + 2)}
    assert stamp.group(1) in moments, (stamp.group(1), sorted(moments))
    editable = page.driver.execute_script(
        "return [document.body.classList.contains('editing'),"
        " document.querySelector('#StatsGrid td').isContentEditable]")
    assert editable == [False, False], "Save left the page editing: %s" % editable
    page.load()
    assert page.cell(2, 1).get_property("value") == "Au\\r"
    page.open_file(page.sample)


def check_file_read_in_pieces(page):
    """A file over 16 KiB whose bytes 8,192 and 16,384 are digits of ship names: the ship
    lists show the names whole."""
    lines = sample_lines(page)
    names = {}
    for at in (8192, 16384):
        # The last ship whose name starts before the byte: its name grows past it.
        starts = {row: sum(len(text) + 2 for text in lines[:value_line(row, 0)])
                  for row in range(54)}
        row = max(row for row, start in starts.items() if start <= at)
        lines[value_line(row, 0)] = (b"1234567890" * 900)[:at - starts[row] + 20]
        names[row] = lines[value_line(row, 0)].decode()
    data = b"\r\n".join(lines)
    assert len(data) > 16384 and data[8192:8193].isdigit() and data[16384:16385].isdigit()
    page.open_file(write(page, "Pieces.txt", lines))
    shown = page.ship_names()
    assert all(shown[row] == name for row, name in names.items()), [len(n) for n in shown]
    page.open_file(page.sample)


def check_restore_asks_and_undoes(page):
    """Restore asks first and keeps the table until it is answered; Undo brings back the
    table and its name; the same file chosen again after Restore is read again."""
    lines = sample_lines(page)
    lines[value_line(1, 9)] = b"41"
    mine = write(page, "Mine.txt", lines)
    page.open_file(mine)
    grid = page.grid_text()
    page.el("RestoreBtn").click()
    assert page.el("Confirm").is_displayed() and "Mine.txt" in page.value("ConfirmText")
    assert page.driver.execute_script("return document.activeElement.id") == "ConfirmYesBtn"
    assert axe_findings(page) == []
    page.el("ConfirmNoBtn").click()
    assert not page.el("Confirm").is_displayed() and page.grid_text() == grid
    page.el("RestoreBtn").click()
    press(page, Keys.ESCAPE)
    assert not page.el("Confirm").is_displayed() and page.grid_text() == grid
    assert kept(page, "name") == "Mine.txt"
    page.el("RestoreBtn").click()
    page.el("ConfirmYesBtn").click()
    assert page.value("FileHeaderText").split("\n")[1] == BUILT_IN
    assert page.cell(1, 9).get_property("value") != "41" and kept(page, "table") is None
    assert page.value("TableMessage") == "The built-in table is in use."
    page.type_count("8")  # a calculation with the built-in table; Undo stays
    page.el("UndoBtn").click()
    assert page.value("FileHeaderText").split("\n")[1] == "File location...  Mine.txt"
    assert page.grid_text() == grid and kept(page, "name") == "Mine.txt"
    assert not page.el("UndoBtn").is_displayed()
    page.el("RestoreBtn").click()
    page.el("ConfirmYesBtn").click()
    page.open_file(mine)
    assert page.grid_text() == grid, "the same file chosen again was not read again"
    page.open_file(page.sample)


def check_dropped_file_message(page):
    """A file dropped while the Setup section is not shown is refused at the top of the
    page, in a live region, and the table stays."""
    page.open_file(page.sample)
    page.el("CalculationBtn").click()
    page.driver.execute_script(
        "const data = new DataTransfer();"
        "data.items.add(new File(['not a table'], 'Dropped.txt'));"
        "document.getElementById('AttShips').dispatchEvent("
        "  new DragEvent('drop', {dataTransfer: data, bubbles: true, cancelable: true}))")
    wait(page, lambda: page.value("Message"), "no message")
    assert page.value("Message") == ("Warning... Dropped.txt file possibly corrupted; the table "
                                     "in use stays."), page.value("Message")
    assert page.el("Message").get_attribute("role") in ("alert", "status")
    assert page.value("FileHeaderText").endswith("ShipStats.txt")


def check_cells_only_in_edit(page):
    """Outside Edit a typed or pasted cell changes nothing and says why, on a phone just
    below the table's buttons."""
    page.open_file(page.sample)
    before = page.grid_text()
    cell = page.cell(1, 9)
    page.driver.execute_script(
        "arguments[0].textContent = '99'; arguments[0].dataset.typed = 'yes';"
        "arguments[0].dispatchEvent(new FocusEvent('focusout', {bubbles: true}))", cell)
    assert page.value("TableMessage") == "The table changes only after Edit."
    page.driver.set_window_size(360, 800)
    try:
        paste(page, page.cell(1, 9), "98")
        assert page.value("TableMessage") == "The table changes only after Edit."
        gap = page.driver.execute_script(
            "return document.getElementById('TableMessage').getBoundingClientRect().top -"
            " document.getElementById('RestoreBtn').getBoundingClientRect().bottom")
        assert 0 <= gap < 100, "the message is %d px from the table's buttons" % gap
    finally:
        page.driver.set_window_size(1280, 1000)
    assert page.grid_text() == before


def check_startup_ship_past_table(page):
    """A settings line naming rows past the table starts on the first ship, as the desktop."""
    lines = sample_lines(page)
    lines[3] = b"1,0,5,54,70,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,"
    page.open_file(write(page, "PastTable.txt", lines))
    page.driver.execute_script("localStorage.removeItem('skirmod.inputs')")
    page.load()
    chosen = [Select(page.el(i)).first_selected_option.text for i in ("AttShipList", "DefShipList")]
    assert chosen == [page.ship_names()[0]] * 2 and page.value("AttShips") == "5", chosen
    page.open_file(page.sample)


def check_two_windows(page):
    """Window A logs two lines and saves an edit; B shows both; B's log line joins A's;
    an edit under way in B is not overwritten, and Save there asks first."""
    page.open_file(page.sample)
    # Cleared by the page: storage emptied beneath it may be written back by work still
    # under way from the file just opened.
    page.el("ResultsClearBtn").click()
    page.load()
    a = page.driver.current_window_handle
    page.driver.switch_to.new_window("window")
    b = page.driver.current_window_handle
    page.load()
    try:
        page.driver.switch_to.window(a)
        for count in ("3", "4"):
            page.type_count(count)
            page.el("ResultsAddBtn").click()
        a_log = log_entries(page)
        page.el("EditerBtn").click()
        paste(page, page.cell(2, 9), "52")
        page.el("UpdateAndSaveBtn").click()
        page.saved_file()
        page.driver.switch_to.window(b)
        wait(page, lambda: log_entries(page) == a_log, "B's log is not A's")
        wait(page, lambda: page.cell(2, 9).get_property("value") == "52", "B does not show A's save")
        page.type_count("7")
        page.el("ResultsAddBtn").click()
        both = log_entries(page)
        assert both[:2] == a_log and len(both) == 3, both
        page.el("EditerBtn").click()
        paste(page, page.cell(2, 10), "61")
        page.driver.switch_to.window(a)
        wait(page, lambda: log_entries(page) == both, "A lost B's line or its own")
        page.el("EditerBtn").click()
        paste(page, page.cell(2, 9), "53")
        page.el("UpdateAndSaveBtn").click()
        a_table = kept(page, "table")
        page.saved_file()
        page.driver.switch_to.window(b)
        wait(page, lambda: "Another window" in page.value("TableMessage"), "B was not told")
        assert page.cell(2, 10).get_property("value") == "61", "B's edit under way was replaced"
        page.el("UpdateAndSaveBtn").click()
        assert page.el("Confirm").is_displayed() and "Another window" in page.value("ConfirmText")
        page.el("ConfirmNoBtn").click()
        assert kept(page, "table") == a_table, "B overwrote A's table without asking"
        page.el("CancelEditBtn").click()
        assert page.cell(2, 9).get_property("value") == "53", "Cancel did not show A's table"
    finally:
        page.driver.switch_to.window(b)
        page.driver.close()
        page.driver.switch_to.window(a)
    page.open_file(page.sample)


def check_blocked_storage(page):
    """Where the browser keeps no site data the page starts, says it will not remember,
    and works: a count, a file and the log."""
    page.load(page.blocked_url)
    try:
        assert page.message().startswith("This browser lets the page keep nothing"), page.message()
        page.type_count("6")
        assert page.result_line().startswith("6 "), page.result_line()
        page.open_file(page.sample)
        page.el("ResultsAddBtn").click()
        assert log_entries(page) == [page.value("CurrentResultMemo")]
        assert page.message().startswith("This browser lets the page keep nothing")
    finally:
        page.load()


def check_full_storage(page):
    """A 6 MB header line does not fit the browser's storage: the page shows the file,
    says it will not be remembered, and the log goes on; a reload has the table kept
    before."""
    page.open_file(page.sample)
    lines = sample_lines(page)
    lines[0] = b"Big header " + b"x" * (6 * 1024 * 1024)
    lines[value_line(1, 9)] = b"43"
    page.el("OpenFile").send_keys(write(page, "Big.txt", lines))
    wait(page, lambda: page.value("FileHeaderText").endswith("Big.txt"), "Big.txt not shown", 30)
    assert page.cell(1, 9).get_property("value") == "43", "the grid is stale"
    assert "will not be remembered" in page.value("TableMessage"), page.message()
    page.el("ResultsAddBtn").click()
    assert log_entries(page)[-1] == page.value("CurrentResultMemo")
    assert kept(page, "name") == "ShipStats.txt"
    page.load()
    assert page.value("FileHeaderText").endswith("ShipStats.txt")
