#!/usr/bin/python3
"""The page's first result painted against the first paint of the same HTML with no
scripts, side by side in one headless Chromium run; exits 1 when the page takes more than
1.2 times as long, or when the service worker makes a repeat visit slower.

Usage: bench/web_first_paint.py [SITE_DIR]   (default build-web/site)

The site is served with the caching headers the README asks of a static host, and
cross-origin isolated, so that Chromium times paints to the microsecond rather than in
steps of 4 ms. Each round loads, in turn: the HTML with no scripts and the page, on a first
visit (no cache, no service worker), then on a repeat visit through the browser's cache; and
the page three more times, in an order that turns round from round to round: through the
browser's cache without the service worker, through the service worker stopped first (as it
is when a player comes back after a while) and through the service worker still running.
Times are the browser's own, from navigation start: Paint Timing's first paint for the HTML
with no scripts, Element Timing of the "Ships killed or held" figure for the page. Ratios and
differences are the medians of each round's own; the service worker counts as slower only
when the 95% confidence interval of a median difference lies above zero.
"""
import math
import os
import re
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from headless import HostHandler, chromium, serve_site  # noqa: E402

ROUNDS = int(os.environ.get("SKIRMOD_PAINT_ROUNDS", "31"))
RATIO = 1.2
CONFIDENCE = 0.95

PAINTED = """
const [kind, name, done] = arguments;
new PerformanceObserver((list) => {
  const entry = list.getEntries().find((e) => (e.identifier || e.name) === name);
  if (entry) done(entry.renderTime || entry.loadTime || entry.startTime);
}).observe({type: kind, buffered: true});
"""


class IsolatedHost(HostHandler):
    """Cross-origin isolated: the only way Chromium times paints finer than 4 ms."""

    def end_headers(self):
        self.send_header("Cross-Origin-Opener-Policy", "same-origin")
        self.send_header("Cross-Origin-Embedder-Policy", "require-corp")
        super().end_headers()


def without_scripts(site, work):
    """The site with static.html: index.html less its scripts and the module's preload."""
    copy = os.path.join(work, "site")
    shutil.copytree(site, copy)
    with open(os.path.join(copy, "index.html"), encoding="utf-8") as f:
        page = f.read()
    page = re.sub(r"<script\b.*?</script>\n?", "", page, flags=re.S)
    page = re.sub(r'<link rel="preload"[^>]*>\n?', "", page)
    with open(os.path.join(copy, "static.html"), "w", encoding="utf-8") as f:
        f.write(page)
    return copy


class Browser:
    def __init__(self, work):
        self.driver = chromium(os.path.join(work, "profile"))
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("ServiceWorker.enable", {})

    def visit(self, url, kind, name, fresh=False, worker=None):
        """`worker` is None (bypassed), "stopped" first, or "running" as it is."""
        self.driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": fresh})
        self.driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": not worker})
        if worker == "stopped":
            self.driver.execute_cdp_cmd("ServiceWorker.stopAllWorkers", {})
        self.driver.get(url)
        return self.driver.execute_async_script(PAINTED, kind, name)

    def page(self, url, **how):
        return self.visit(url, "element", "first-result", **how)

    def static(self, url, **how):
        return self.visit(url + "static.html", "paint", "first-paint", **how)

    def isolated(self):
        return self.driver.execute_script("return crossOriginIsolated")

    def wait_for_worker(self):
        self.driver.execute_async_script(
            "const done = arguments[0];"
            "if (navigator.serviceWorker.controller) done();"
            "else navigator.serviceWorker.addEventListener('controllerchange', () => done())")


def median_interval(ordered):
    """The distribution-free confidence interval of the median of sorted values: the order
    statistics that the binomial distribution with p = 1/2 leaves outside it."""
    n = len(ordered)
    tail, k = 0.0, 0
    while k < n // 2:
        tail += math.comb(n, k) / 2 ** n
        if tail > (1 - CONFIDENCE) / 2:
            break
        k += 1
    k = max(k, 1)
    return ordered[k - 1], ordered[n - k]


WORKER = {None: "repeat page, no service worker", "stopped": "repeat page, worker stopped",
          "running": "repeat page, worker running"}
# A running worker is the one the visit before started; the visit without it takes each place.
ORDERS = [(None, "stopped", "running"), ("stopped", None, "running"),
          ("stopped", "running", None)]


def main():
    site = sys.argv[1] if len(sys.argv) > 1 else "build-web/site"
    work = tempfile.mkdtemp(prefix="skirmod-paint-")
    server, url = serve_site(without_scripts(site, work), IsolatedHost)
    browser = Browser(work)
    times = {key: [] for key in ["first static", "first page", "repeat static",
                                 *WORKER.values()]}
    try:
        browser.page(url, worker="running")
        browser.wait_for_worker()
        browser.static(url)
        for n in range(ROUNDS):
            times["first static"].append(browser.static(url, fresh=True))
            times["first page"].append(browser.page(url, fresh=True))
            times["repeat static"].append(browser.static(url))
            for worker in ORDERS[n % len(ORDERS)]:
                times[WORKER[worker]].append(browser.page(url, worker=worker))
        version = browser.driver.capabilities.get("browserVersion")
        isolated = browser.isolated()
    finally:
        browser.driver.quit()
        server.shutdown()
    median = {key: statistics.median(values) for key, values in times.items()}
    print("Chromium %s, %s, medians of %d rounds, paints timed %s" % (
        version, url, ROUNDS, "to the microsecond" if isolated else "in 4 ms steps"))
    for key, values in times.items():
        print("%-34s %7.1f ms  (min %.1f, max %.1f)" % (key, median[key], min(values), max(values)))
    # Paired within each round, so that what else the machine does weighs on both alike.
    def paired(a, b):
        return statistics.median(x / y for x, y in zip(times[a], times[b]))

    ratios = [("first visit", paired("first page", "first static")),
              ("repeat visit", paired(WORKER["stopped"], "repeat static"))]
    over = 0
    for name, ratio in ratios:
        verdict = "ok" if ratio <= RATIO else "OVER"
        over += ratio > RATIO
        print("%-34s %7.2f x (goal <= %.1f x) %s" % (name + ": page / no scripts", ratio, RATIO,
                                                   verdict))
    slower = 0
    for worker in ("stopped", "running"):
        change = sorted(x - y for x, y in zip(times[WORKER[worker]], times[WORKER[None]]))
        low, high = median_interval(change)
        slower += low > 0
        print("%-34s %+7.1f ms (%.0f%%: %+.1f to %+.1f) %s" % (
            "service worker %s" % worker, statistics.median(change), CONFIDENCE * 100, low, high,
            "SLOWER" if low > 0 else "ok"))
    return 1 if over or slower else 0


if __name__ == "__main__":
    sys.exit(main())
