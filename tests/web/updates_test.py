#!/usr/bin/python3
"""The page's build as a static host serves it, in headless Chromium with one fresh profile:
each file downloaded once; the start-up result in index.html, equal to the engine's and
never shown where what the page keeps makes it wrong; the messages without engine or
JavaScript; a visit offline; a server that hangs; a new build under the same address.

Usage: updates_test.py SITE_DIR SAMPLE_STATS

SITE_DIR is build-web/site; its parts (build-web/site-parts) and src/web/bake_site.js make
the second build. The server is this script's own: it can hang, go down, drop or slow down
files.
SKIRMOD_WEB_CHECKS runs only the checks whose names hold one of its comma-separated words.
"""
import collections
import html.parser
import http.server
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import traceback
import urllib.request

from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.by import By
from selenium.webdriver.support.wait import WebDriverWait

from headless import HASHED, HostHandler, chromium

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
# Where the engine's start-up answer shows; the log apart.
BAKED = ["AttShips", "AttShipList", "DefShipList", "FileHeaderText", "CombatText", "DefShips",
         "TargetDisplay", "InitText", "TargetText", "ClassText", "Efficiency",
         "CurrentResultMemo", "CalculationMemo", "TargetAttMemo", "TargetDefMemo",
         "ResourcesAttMemo", "ResourcesDefMemo", "BasicStatsAttMemo", "BasicStatsDefMemo"]
ENGINE_FAILED = ("The calculator could not start: its engine did not load. "
                 "Reload the page to try again.")
WASM_DELAY_S = 0.8

# What a control shows: a value, a selected option's value, or a report box's lines.
READ = """
const read = (e) => {
  if (e.classList.contains('report')) return [...e.children].map((l) => l.textContent).join('\\n');
  if (e.tagName === 'SELECT') return e.selectedIndex < 0 ? null : e.value;
  return 'value' in e && e.tagName !== 'OUTPUT' ? e.value : e.textContent;
};
"""
SHOWN = READ + "return arguments[0].map((id) => read(document.getElementById(id)));"
# Before every frame the browser renders: what the ids show, null where hidden, false where
# not parsed yet.
FRAMES = READ + """
window.skirmodFrames = [];
const ids = %s;
const look = () => {
  if (document.body) {
    skirmodFrames.push({ready: document.body.classList.contains('ready'), shown: ids.map((id) => {
      const e = document.getElementById(id);
      if (!e) return false;
      return getComputedStyle(e).visibility === 'visible' ? read(e) : null;
    })});
  }
  requestAnimationFrame(look);
};
requestAnimationFrame(look);
"""


class Handler(HostHandler):
    """The site as a static host should serve it; the server's switches make it hang, go
    down (every connection closed unanswered, as offline), drop or slow down files."""

    def __init__(self, request, address, server):
        super().__init__(request, address, server, directory=server.site)

    def do_GET(self):
        server = self.server
        with server.lock:
            server.requests.append(self.path)
        if server.hang:
            server.released.wait(60)
            return
        if server.down:
            self.close_connection = True
            return
        if any(self.path.endswith(end) for end in server.missing):
            self.send_error(404)
            return
        if self.path.endswith(".wasm"):
            time.sleep(server.wasm_delay)
        super().do_GET()


class SiteServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, site):
        super().__init__(("127.0.0.1", int(os.environ.get("SKIRMOD_WEB_PORT", "0"))), Handler)
        self.site, self.requests, self.lock = site, [], threading.Lock()
        self.hang, self.released, self.missing, self.wasm_delay = False, threading.Event(), (), 0
        self.down = False
        threading.Thread(target=self.serve_forever, daemon=True).start()
        self.url = "http://127.0.0.1:%d/" % self.server_address[1]

    def handle_error(self, request, address):
        # A reload drops the downloads of the page it leaves.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, address)


class Elements(html.parser.HTMLParser):
    """What index.html itself shows in the elements with these ids, as SHOWN reads them:
    none of them holds another."""

    def __init__(self, ids):
        super().__init__()
        self.ids, self.shown, self.current = ids, {}, None

    def handle_starttag(self, tag, attributes):
        attributes = dict(attributes)
        if self.current:
            self.current["depth"] += 1
            if tag == "div":
                self.current["lines"].append("")
            if tag == "option" and "selected" in attributes:
                self.current["selected"] = attributes["value"]
        elif attributes.get("id") in self.ids:
            if tag == "input":
                self.shown[attributes["id"]] = attributes.get("value", "")
            else:
                self.current = {"id": attributes["id"], "tag": tag, "depth": 0, "text": "",
                                "lines": [], "selected": None}

    def handle_data(self, data):
        if self.current:
            self.current["text"] += data
            if self.current["lines"]:
                self.current["lines"][-1] += data

    def handle_endtag(self, tag):
        current = self.current
        if not current:
            return
        if current["depth"]:
            current["depth"] -= 1
            return
        shown = {"div": "\n".join(current["lines"]), "select": current["selected"],
                 # A textarea drops one newline right after its start tag.
                 "textarea": re.sub("^\n", "", current["text"])}
        self.shown[current["id"]] = shown.get(tag, current["text"])
        self.current = None


class UpdatesTest:
    def __init__(self, site, sample):
        self.sample = sample
        self.work = tempfile.mkdtemp(prefix="skirmod-updates-")
        self.site = os.path.join(self.work, "a")
        shutil.copytree(site, self.site)
        self.parts = os.path.join(site, "..", "site-parts")
        self.server = SiteServer(self.site)
        self.driver = chromium(os.path.join(self.work, "profile"))
        self.driver.execute_cdp_cmd("Network.enable", {})

    def shown(self, ids):
        return dict(zip(ids, self.driver.execute_script(SHOWN, ids)))

    def load(self, page=""):
        self.driver.get(self.server.url + page)
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_script("return document.body.classList.contains('ready')"))

    def wait_controlled(self):
        self.driver.execute_async_script(
            "const done = arguments[0];"
            "if (navigator.serviceWorker.controller) done();"
            "else navigator.serviceWorker.addEventListener('controllerchange', () => done())")

    def fresh_visits(self, fresh):
        """Every file from the server, as on a first visit, or the service worker again."""
        self.driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": fresh})
        self.driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": fresh})

    def frames_of_load(self, ids, link=""):
        """Loads the page (at a battle link) while index.html's figures would show alone, the
        module held back, and returns what each frame rendered before and after the engine
        took over."""
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                             {"source": FRAMES % repr(ids)})
        self.server.wasm_delay = WASM_DELAY_S
        try:
            # A link to the page already open would only change its hash, not load it.
            self.driver.get("about:blank")
            self.load(link)
            return self.driver.execute_script("return skirmodFrames")
        finally:
            self.server.wasm_delay = 0
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                        {"identifier": script["identifier"]})

    def baked(self, ids):
        with urllib.request.urlopen(self.server.url) as response:
            page = response.read().decode("utf-8")
        parser = Elements(ids)
        parser.feed(page)
        return parser.shown

    def keep(self, items):
        self.driver.execute_script(
            "localStorage.clear(); for (const [k, v] of Object.entries(arguments[0]))"
            " localStorage.setItem('skirmod.' + k, v)", items)

    def build(self, mark):
        """Another build from the same parts with a mark in the page, its style and scripts."""
        parts = os.path.join(self.work, "parts-" + mark)
        shutil.copytree(self.parts, parts)
        tails = {"page.css": ":root { --build: '%s'; }\n" % mark,
                 "page.js": "window.build = '%s';\n" % mark, "skirmod.js": "\n// %s\n" % mark}
        for name, tail in tails.items():
            with open(os.path.join(parts, name), "a") as f:
                f.write(tail)
        index = os.path.join(parts, "index.html")
        with open(index) as f:
            text = f.read()
        with open(index, "w") as f:
            f.write(text.replace("</head>", '<meta name="build" content="%s">\n</head>' % mark))
        site = os.path.join(self.work, mark)
        subprocess.run(["node", os.path.join(ROOT, "src", "web", "bake_site.js"), parts, site],
                       check=True)
        return site

    def marks(self):
        """Which build the page, its style sheet and its script came from; and its files."""
        return self.driver.execute_script(
            "const meta = document.querySelector('meta[name=build]');"
            "return [meta ? meta.content : 'A',"
            " getComputedStyle(document.documentElement).getPropertyValue('--build')"
            "   .replace(/[' ]/g, '') || 'A',"
            " window.build || 'A',"
            " performance.getEntriesByType('resource').map((e) => new URL(e.name).pathname)]")

    def ask_for_update(self):
        """As the page's own hourly check would."""
        self.driver.execute_async_script(
            "navigator.serviceWorker.getRegistration().then((r) => r.update()).then(arguments[0])")

    def check_first_visit_downloads_each_file_once(self):
        self.load()
        # The worker takes the page once it has every file in its cache.
        self.wait_controlled()
        counts = collections.Counter(self.server.requests)
        served = {"/" + name for name in os.listdir(self.site) if name != "index.html"} | {"/"}
        assert set(counts) >= served, (sorted(counts), sorted(served))
        twice = {path: n for path, n in counts.items() if n > 1}
        assert not twice, twice

    def check_offline_visit_takes_every_file_from_the_cache(self):
        """With the browser's own cache emptied and the server down, or no longer holding this
        build's files, the build's cache alone gives the page, its style sheet and the engine,
        at the folder and at index.html."""
        hashed = tuple("/" + n for n in os.listdir(self.site) if HASHED.search(n))
        for down, missing in ((True, ()), (False, hashed)):
            self.driver.execute_cdp_cmd("Network.clearBrowserCache", {})
            self.server.down, self.server.missing = down, missing
            try:
                for page in ("", "index.html"):
                    try:
                        self.load(page)
                    except TimeoutException:
                        raise AssertionError(("never ready", down, page))
                    styled = self.driver.execute_script(
                        "return getComputedStyle(document.body).marginTop")
                    assert styled == "0px", (down, page, "no style sheet", styled)
                    assert self.marks()[:3] == ["A", "A", "A"], (down, page, self.marks())
                    assert self.shown(["DefShips"])["DefShips"], (down, page, "no result")
            finally:
                self.server.down, self.server.missing = False, ()

    def check_baked_result_is_the_engines(self):
        self.fresh_visits(True)
        self.keep({})
        baked = self.baked(BAKED + ["ResultsMemo"])
        assert set(baked) == set(BAKED + ["ResultsMemo"]), sorted(baked)
        first = self.frames_of_load(BAKED)
        # The page has now kept its start-up values: a repeat visit shows the figures too.
        repeat = self.frames_of_load(BAKED)
        engine = self.shown(BAKED)
        differ = {i: (baked[i], engine[i]) for i in BAKED if baked[i] != engine[i]}
        assert not differ, differ
        for frames in (first, repeat):
            before = [f["shown"] for f in frames if not f["ready"]]
            assert before, "no frame before the engine took over"
            expected = [engine[i] for i in BAKED]
            for shown in before:
                assert all(s is False or s == e for s, e in zip(shown, expected)), shown

    def check_kept_values_never_show_the_baked_result(self):
        table = open(self.sample, encoding="latin-1").read()
        cases = [({"inputs": '{"attacker":3,"count":"12","defender":5}'}, BAKED, ""),
                 ({"table": table, "name": "ShipStats.txt"}, BAKED, ""),
                 ({"log": "12 Lancer kill 3 Warden"}, ["ResultsMemo"], ""),
                 ({}, BAKED, "#att=Harrier&def=Sparrow&n=1000")]
        for kept, hidden, link in cases:
            self.keep(kept)
            frames = self.frames_of_load(BAKED + ["ResultsMemo"], link)
            before = [f["shown"] for f in frames if not f["ready"]]
            assert before, ("no frame before the engine took over", kept)
            for shown in before:
                visible = [i for i, s in zip(BAKED + ["ResultsMemo"], shown)
                           if s is not None and s is not False]
                assert not set(visible) & set(hidden), (kept, visible)
            after = frames[-1]["shown"]
            assert None not in after[:len(BAKED)], (kept, after)
        self.keep({})

    def check_messages_without_engine_or_script(self):
        for missing in [".wasm", ".js"]:
            self.server.missing = (missing,) if missing == ".wasm" else ()
            if missing == ".js":
                self.server.missing = tuple("/" + n for n in os.listdir(self.site)
                                            if n.startswith("skirmod.") and n.endswith(".js"))
            self.driver.get(self.server.url)
            WebDriverWait(self.driver, 20).until(
                lambda d: d.find_element(By.ID, "Message").text == ENGINE_FAILED)
        self.server.missing = ()
        self.driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": True})
        try:
            self.driver.get(self.server.url)
            note = self.driver.find_element(By.XPATH, "//p[contains(., 'needs JavaScript')]")
            assert note.is_displayed()
            assert self.driver.find_element(By.ID, "DefShips").text, "no start-up result"
        finally:
            self.driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": False})
        self.fresh_visits(False)

    def check_new_build_is_offered_and_never_mixed(self):
        self.load()
        self.wait_controlled()
        old = self.marks()
        assert old[:3] == ["A", "A", "A"], old
        self.server.site = self.build("B")
        new_files = {"/" + n for n in os.listdir(self.server.site)}
        self.ask_for_update()
        # The start after the new build is served finds it; the page stays whole until asked.
        for visit in ("reload", "new tab", "reload"):
            if visit == "new tab":
                self.driver.switch_to.new_window("tab")
            self.load()
            WebDriverWait(self.driver, 20).until(
                lambda d: d.find_elements(By.ID, "UpdateOffer"))
            marks = self.marks()
            assert marks[:3] == ["A", "A", "A"], (visit, marks)
            assert not {f for f in marks[3] if HASHED.search(f)} & (new_files - set(old[3])), marks
            if visit == "new tab":
                self.driver.close()
                self.driver.switch_to.window(self.driver.window_handles[0])
        offer = self.driver.find_element(By.ID, "UpdateOffer")
        assert offer.text.startswith("A new version of Skirmod is ready."), offer.text
        self.driver.find_element(By.ID, "UpdateReloadBtn").click()
        WebDriverWait(self.driver, 20).until(lambda d: d.execute_script(
            "return window.build === 'B' && document.body.classList.contains('ready')"))
        marks = self.marks()
        assert marks[:3] == ["B", "B", "B"], marks
        hashed = {f for f in marks[3] if HASHED.search(f)}
        assert hashed and hashed <= new_files, (hashed, new_files)
        assert not self.driver.find_elements(By.ID, "UpdateOffer")

    def check_browser_restart_takes_one_build(self):
        """A restart with a new build waiting: the page is one build whole, the new one
        (no window holds the old one any more) or, with the offer, the old one."""
        self.server.site = self.build("C")
        self.ask_for_update()
        WebDriverWait(self.driver, 20).until(lambda d: d.find_elements(By.ID, "UpdateOffer"))
        self.driver.quit()
        self.driver = chromium(os.path.join(self.work, "profile"))
        self.load()
        marks = self.marks()
        assert marks[0] in "BC" and marks[:3] == [marks[0]] * 3, marks
        offered = bool(self.driver.find_elements(By.ID, "UpdateOffer"))
        assert offered == (marks[0] == "B"), (marks, offered)
        print("  after the restart: build", marks[0])

    def check_hanging_server_falls_back_to_the_cache(self):
        # Last: the browser's update check still waits on the hung connection. Chromium
        # answers "./" from the cache without the worker's script; index.html goes through it.
        self.load()
        self.wait_controlled()
        self.server.hang = True
        took = {}
        try:
            for page in ("", "index.html"):
                started = time.monotonic()
                self.load(page)
                took[page or "./"] = round(time.monotonic() - started, 2)
        finally:
            self.server.hang = False
            self.server.released.set()
        print("  page with the server hanging, seconds:", took)
        assert max(took.values()) < 1.5, took

    def check_hanging_network_gives_way_to_a_kept_copy(self):
        """A file the build's cache lacks but another cache holds: the network gets a second."""
        self.driver.execute_async_script(
            "caches.open('skirmod-earlier').then((c) => c.put('kept.txt', new Response('kept')))"
            ".then(arguments[0])")
        self.server.released.clear()
        self.server.hang = True
        try:
            answer, took = self.driver.execute_async_script(
                "const started = performance.now();"
                "fetch('kept.txt').then((r) => r.text())"
                ".then((text) => arguments[0]([text, (performance.now() - started) / 1000]))")
        finally:
            self.server.hang = False
            self.server.released.set()
        print("  a kept copy with the server hanging: %.2f s" % took)
        assert answer == "kept" and 0.9 < took < 1.6, (answer, took)

def main():
    test = UpdatesTest(*sys.argv[1:3])
    failed = ran = 0
    try:
        wanted = [w for w in os.environ.get("SKIRMOD_WEB_CHECKS", "").split(",") if w]
        for name in [n for n in vars(UpdatesTest) if n.startswith("check_")
                     and (not wanted or any(w in n for w in wanted))]:
            ran += 1
            started = time.monotonic()
            try:
                getattr(test, name)()
                print("PASS %s (%.1f s)" % (name, time.monotonic() - started))
            except Exception:
                failed += 1
                print("FAIL %s\n%s" % (name, traceback.format_exc()))
    finally:
        test.driver.quit()
        test.server.released.set()
        test.server.shutdown()
    print("%d of %d checks failed" % (failed, ran))
    return 1 if failed or not ran else 0


if __name__ == "__main__":
    sys.exit(main())
