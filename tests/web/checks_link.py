"""A battle as a link, against skirmod-calc: its links opened in the page, the page's own
address, links that carry changed cells, and damaged or hostile links."""
import os
import random
import subprocess
import tempfile

from selenium.webdriver.common.by import By
from selenium.webdriver.support.wait import WebDriverWait

from checks_layout import sideways, small_targets
from page_driver import SEED, axe_findings

PAIRINGS = max(3, int(os.environ.get("SKIRMOD_WEB_PAIRINGS", "200")) // 10)
START_UP = "The start-up result is shown."


def calc(page, *args, stats=None):
    """skirmod-calc in a folder without ShipStats.txt: the built-in table unless `stats`.
    It writes UTF-8 here."""
    folder = tempfile.mkdtemp(dir=page.work)
    head = ["--stats", stats] if stats else []
    run = subprocess.run([os.path.abspath(page.calc), *head, *args], cwd=folder, capture_output=True,
                         env={**os.environ, "SKIRMOD_PAGE_URL": ""})
    assert run.returncode == 0, (args, run.stderr)
    return run.stdout.decode("utf-8")


def open_fresh(page, link=""):
    """The page opened anew with nothing kept, at a link."""
    page.driver.get("about:blank")
    page.load(page.url + link)


def clear_storage(page):
    page.driver.execute_script("localStorage.clear()")


def edited_sample(page):
    """The sample with a few cells of our own, a name with a blank and a Latin-1 letter
    among them, and the file's path."""
    lines = open(page.sample, "rb").read().split(b"\r\n")
    value = lambda row, column: 2 + 3 * (19 * row + column)
    lines[value(4, 0)] = "Gr\u00e9b\u00e9 Mk 2".encode("latin-1")
    lines[value(4, 9)] = b"61"
    lines[value(9, 11)] = b"5000"
    lines[value(20, 7)] = b"-3"
    path = os.path.join(page.work, "Linked.txt")
    open(path, "wb").write(b"\r\n".join(lines))
    return path


def link_line(page):
    return page.driver.execute_script("return location.hash")


def choose(page, att, dfn, count):
    page.driver.execute_script(
        "[['AttShipList', arguments[0]], ['DefShipList', arguments[1]]].forEach(([id, row]) => {"
        " const list = document.getElementById(id); list.selectedIndex = row;"
        " list.dispatchEvent(new Event('change')); })", att, dfn)
    page.type_count(count)


def check_companion_links_open_in_the_page(page):
    """skirmod-calc's links, on the built-in table and on an edited file, open in the page
    to skirmod-calc's result line; the page's own address is the companion's link."""
    rng = random.Random(SEED)
    edited = edited_sample(page)
    for stats in (None, edited):
        clear_storage(page)
        open_fresh(page)
        if stats:
            page.open_file(stats)
        names = page.ship_names()
        for n in range(PAIRINGS):
            att, dfn = rng.randrange(len(names)), rng.randrange(len(names))
            count = rng.choice([str(rng.randint(0, 5000)), "$%X" % rng.randint(1, 999), "abc",
                                str(2**63 - 1)])
            where = "pairing %d of seed %d: %s v %s x %r, %s" % (
                n, SEED, names[att], names[dfn], count, stats or "built-in")
            link = calc(page, "link", names[att], names[dfn], count, stats=stats).strip()
            expected = calc(page, "result", names[att], names[dfn], count, stats=stats)
            assert link.startswith("#att="), (where, link)
            assert ("&t=" in link) == bool(stats), (where, link)
            clear_storage(page)
            open_fresh(page, link)
            assert page.result_line() == expected, (where, link, page.result_line())
            assert page.value("LinkMessage") == "", (where, page.value("LinkMessage"))
            # The page's own address after a choice there is the companion's link for it.
            a2, d2, c2 = rng.randrange(len(names)), rng.randrange(len(names)), str(rng.randint(1, 900))
            choose(page, a2, d2, c2)
            assert link_line(page) == calc(page, "link", names[a2], names[d2], c2,
                                           stats=stats).strip(), where
            assert page.result_line() == calc(page, "result", names[a2], names[d2], c2,
                                              stats=stats), where


def check_link_table_is_used_not_kept(page):
    """A link with changed cells: the page says how many, uses its table without keeping it,
    and keeps it only when asked."""
    edited = edited_sample(page)
    link = calc(page, "link", "Gr\u00e9b\u00e9 Mk 2", "Sparrow", "250", stats=edited).strip()
    assert link.startswith("#att=Gr%C3%A9b%C3%A9%20Mk%202&def=Sparrow&n=250&t="), link
    clear_storage(page)
    open_fresh(page)
    built_in = page.ship_names()
    open_fresh(page, link)
    expected = calc(page, "result", "Gr\u00e9b\u00e9 Mk 2", "Sparrow", "250", stats=edited)
    assert page.result_line() == expected, (page.result_line(), expected)
    note = page.el("LinkTable")
    assert note.is_displayed()
    assert page.value("LinkTableText").startswith("This link carries 4 changed cells"), \
        page.value("LinkTableText")
    assert axe_findings(page) == []
    kept = lambda: page.driver.execute_script("return localStorage.getItem('skirmod.table')")
    assert kept() is None
    # A reload without the link: the table kept before, untouched.
    open_fresh(page)
    assert page.ship_names() == built_in and kept() is None
    # On a phone's width the note and its button fit, thumb-sized, nothing sideways.
    page.driver.set_window_size(360, 800)
    try:
        open_fresh(page, link)
        width, window = sideways(page)
        assert width <= window, (width, window)
        assert not small_targets(page), small_targets(page)
    finally:
        page.driver.set_window_size(1280, 1000)
    page.el("KeepLinkTableBtn").click()
    assert not page.driver.find_element(By.ID, "LinkTable").is_displayed()
    assert "Gr\u00e9b\u00e9 Mk 2\r\n" in kept() and "\r\n5000\r\n" in kept()
    open_fresh(page)
    assert page.ship_names()[4] == "Gr\u00e9b\u00e9 Mk 2"
    clear_storage(page)


def check_address_follows_without_history(page):
    """Typing and choosing replace the address's entry; Copy link copies the address with
    Copy Result's feedback; a second link pasted into the tab is read."""
    clear_storage(page)
    open_fresh(page)
    length = page.driver.execute_script("return history.length")
    page.type_count("1234")
    names = page.ship_names()
    att, dfn = page.driver.execute_script(
        "return ['AttShipList', 'DefShipList'].map((id) => document.getElementById(id).selectedIndex)")
    assert link_line(page) == calc(page, "link", names[att], names[dfn], "1234").strip()
    assert page.driver.execute_script("return history.length") == length
    button = page.el("CopyLinkBtn")
    assert button.size["height"] >= 44 and button.size["width"] >= 44, button.size
    button.click()
    WebDriverWait(page.driver, 5).until(
        lambda d: page.value("ClipStatus") == "Copied to the clipboard")
    # A touch screen with a share sheet: the sheet gets the address; a sheet closed unused
    # copies nothing, and one that fails gives way to the clipboard.
    page.driver.execute_script(
        "window.matchMedia = (query) => ({matches: query === '(pointer: coarse)'});"
        "window.shared = []; navigator.share = (data) => { window.shared.push(data);"
        " return window.sheet === 'ok' ? Promise.resolve() :"
        "  Promise.reject(new DOMException('no', window.sheet)); };"
        "navigator.clipboard.writeText = (text) => { window.copied = text; return Promise.resolve(); }")
    for sheet, status in (("ok", "Shared"), ("AbortError", ""), ("NotAllowedError",
                                                               "Copied to the clipboard")):
        page.driver.execute_script("window.sheet = arguments[0]; window.copied = null;"
                                   "document.getElementById('ClipStatus').textContent = ''", sheet)
        button.click()
        WebDriverWait(page.driver, 5).until(
            lambda d: d.execute_script("return window.shared.length") > 0)
        WebDriverWait(page.driver, 5).until(lambda d: page.value("ClipStatus") == status)
        shared, copied, href = page.driver.execute_script(
            "return [window.shared.pop(), window.copied, location.href]")
        assert shared["url"] == href and shared["text"] + "\n" == page.result_line(), shared
        assert copied == (href if status.startswith("Copied") else None), (sheet, copied)
    second = calc(page, "link", names[7], names[11], "77").strip()
    page.driver.execute_script("location.hash = arguments[0]", second)
    WebDriverWait(page.driver, 5).until(
        lambda d: page.result_line() == calc(page, "result", names[7], names[11], "77"))


HOSTILE = [
    ("#att=%3Cimg%20src%3Dx%20onerror%3D%22window.hit%3D1%22%3E&def=Sparrow&n=1",
     "its attacking ship '<img src=x onerror=\"window.hit=1\">' is not in its table"),
    ("#att=<img src=x onerror=window.hit=1>&def=Sparrow&n=1", "is not in its table"),
    ("#att=Harrier&def=<script>window.hit=1</script>&n=1", "its defending ship"),
    ("#att=Harrier&def=Sparrow&n=99999999999999999999999", "is beyond the 64-bit range"),
    ("#att=Harrier&def=Sparrow&n=1&t=%%%%", "is not base64url text"),
    ("#att=Harrier&def=Sparrow&n=1&t=AAAA", "is damaged"),
    ("#att=Nobody&def=Sparrow&n=1", "its attacking ship 'Nobody' is not in its table"),
    ("#att=Harrier&def=Sparrow&n=1&att=Sparrow", "it gives att twice"),
    ("#att=Harrier&def=Sparrow&n=1&t=" + "A" * 100 * 1024, "characters long"),
    ("#def=Sparrow", "does not name both ships"),
]


def check_hostile_links(page):
    """Damaged and hostile links: a message next to the result, the start-up result, and
    nothing of the link run or built into the page."""
    clear_storage(page)
    open_fresh(page)
    start_up = page.result_line()
    inline_scripts = page.driver.execute_script(
        "return document.querySelectorAll('script:not([src])').length")
    for n, (link, said) in enumerate(HOSTILE):
        if n % 2:
            open_fresh(page, link)
        else:
            page.type_count("3")
            page.driver.execute_script("location.hash = arguments[0]", link)
            WebDriverWait(page.driver, 5).until(lambda d: page.value("LinkMessage"))
        message = page.value("LinkMessage")
        assert said in message and message.endswith(START_UP), (link[:80], message)
        assert page.el("LinkMessage").is_displayed()
        assert page.result_line() == start_up, (link[:80], page.result_line())
        assert page.driver.execute_script(
            "return [window.hit === undefined, document.querySelectorAll('script:not([src])').length]"
        ) == [True, inline_scripts], link[:80]
        assert not page.driver.find_elements(By.CSS_SELECTOR, "img, [onerror]"), link[:80]
    clear_storage(page)
