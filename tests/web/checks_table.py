"""The ship table: open, edit, paste, save and the file's bytes."""
import os

from selenium.webdriver.common.keys import Keys

from page_driver import log_entries, paste, type_into


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
    got = page.saved_file().split(b"\r\n")
    want = expected_download(page.sample, 3, 9, b"77")
    assert got[0].startswith(b"Modified ShipStats.txt file. Last Edited... "), got[0]
    assert got[1:] == want[1:], "the download differs from the sample edited by hand"
    page.el("ResultsAddBtn").click()
    log = page.value("CurrentResultMemo")
    page.load()
    cell = page.cell(3, 9)
    assert cell.get_property("value") == "77", cell.get_property("value")
    assert log_entries(page) == [log], (log_entries(page), log)


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
        assert page.message() == ("Warning... %s file possibly corrupted; the table in use "
                                  "stays." % name), page.message()
        assert page.value("TableMessage") == page.message(), "not beside the Open button"
        assert page.grid_text() == before, name


def check_paste_and_cancel(page):
    """A pasted block fills rightwards and downwards; a bad one changes nothing; Cancel
    drops every edit."""
    page.open_file(page.sample)
    before = page.grid_text()
    page.el("EditerBtn").click()
    paste(page, page.cell(1, 9), "5\t6\r\n7\t8\r\n")
    pasted = [page.cell(r, c).get_property("value") for r, c in ((1, 9), (1, 10), (2, 9), (2, 10))]
    assert pasted == ["5", "6", "7", "8"], pasted
    paste(page, page.cell(1, 9), "1\t\u20ac")
    assert page.message().startswith("Nothing pasted:"), page.message()
    assert page.cell(1, 9).get_property("value") == "5"
    page.el("CancelEditBtn").click()
    assert page.grid_text() == before


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
    got = page.saved_file().split(b"\r\n")
    want = open(page.sample, "rb").read().split(b"\r\n")
    for (row, column), text in {(4, 9): b"11", (6, 9): b"66", (5, 9): b"1", (5, 10): b"2"}.items():
        want[1 + 3 * (19 * row + column) + 1] = text
    assert got[1:] == want[1:], [(i, g, w) for i, (g, w) in enumerate(zip(got, want)) if g != w][:6]
    page.open_file(page.sample)


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
    assert page.cell(0, 1).get_property("value") == "A\x00ur"
    colours = page.driver.execute_script(
        "const style = getComputedStyle(document.getElementById('Calculator'));"
        "return [style.backgroundColor, style.borderTopColor, style.color]")
    assert colours == ["rgb(128, 0, 0)", "rgb(0, 255, 0)", "rgb(255, 255, 0)"], colours
    page.el("EditerBtn").click()
    cell = page.cell(0, 1)
    before = cell.get_property("value")
    cell.click()
    cell.send_keys("\u20ac")
    cell.send_keys(Keys.TAB)
    assert page.message() == ("Not stored: the cell holds characters the stats file "
                              "cannot store."), page.message()
    cell = page.cell(0, 1)
    assert cell.get_property("value") == before
    page.el("CancelEditBtn").click()
    page.open_file(page.sample)
