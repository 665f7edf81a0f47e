#!/usr/bin/python3
"""The page's four budgets, measured in headless Chromium; exits 1 when one is exceeded.

Usage: bench/web_budgets.py [SITE_DIR]   (default build-web/site; scripts/build-web.sh makes it)

1. skirmod.wasm and skirmod.js together: at most 200 KB, at most 80 KB gzip-compressed.
2. Navigation start to the first result painted, served from 127.0.0.1, as the browser's
   own timeline has it (Element Timing of the "Ships killed or held" figure): at most
   200 ms, the median of 15 first visits (no cache, no service worker).
3. A count change to the new result on the page, the page's style and layout brought up
   to date: at most 2 ms, the median of 1,000 changes.
4. Who stops them: a count typed into its field to the list of all 54 attackers updated,
   the engine's stop searches, the rows and the layout: at most 16 ms, the median of 200
   counts from 1 to 7^19. The same on the phone profile (360 px, the processor four times
   slower) is printed beside it.
5. All matchups on a phone (360 px, the processor four times slower): a count change to the
   heat map of all 2,916 pairings redrawn, at most 50 ms, the median of 40 changes (and, for
   the record, to the frame after it).
"""
import contextlib
import gzip
import os
import re
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from checks_counters import TIME_COUNTS  # noqa: E402
from checks_matrix import TIME_REDRAW  # noqa: E402
from headless import chromium, serve_site  # noqa: E402

KB = 1000
LOADS = 15
CHANGES = 1000
STOP_COUNTS = [str(7 ** (i % 20) + i) for i in range(200)]
MATRIX_CHANGES = 40

FIRST_RESULT = """
const done = arguments[0];
new PerformanceObserver((list) => {
  const entry = list.getEntries().find((e) => e.identifier === 'first-result');
  if (entry) done(entry.renderTime || entry.loadTime);
}).observe({type: 'element', buffered: true});
"""

COUNT_CHANGES = """
const box = document.getElementById('AttShips');
const shown = document.getElementById('CurrentResultMemo');
const times = [];
for (let i = 0; i < arguments[0]; i++) {
  const start = performance.now();
  box.value = String(100 + i);
  box.dispatchEvent(new Event('input'));
  if (!shown.textContent.startsWith(String(100 + i) + ' ')) throw new Error('no new result');
  shown.getBoundingClientRect();
  times.push(performance.now() - start);
}
return times;
"""


def sizes(site):
    # The build names them by their digest: skirmod.0123456789.wasm.
    files = [os.path.join(site, name) for name in os.listdir(site)
             if re.fullmatch(r"skirmod\.[0-9a-f]{10}\.(wasm|js)", name)]
    assert len(files) == 2, files
    raw = sum(os.path.getsize(f) for f in files)
    packed = sum(len(gzip.compress(open(f, "rb").read(), 9)) for f in files)
    return raw, packed


def first_result_times(driver, url):
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
    times = []
    for _ in range(LOADS):
        driver.get(url)
        times.append(driver.execute_async_script(FIRST_RESULT))
    return times


@contextlib.contextmanager
def phone_profile(driver):
    """A phone: 360 px at twice the pixels, the processor four times slower."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True})
    driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
    try:
        yield
    finally:
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})
        driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


def stop_times(driver):
    """The page test's timing of Who stops them, the list checked to follow the last count."""
    driver.execute_script("document.getElementById('CountersBtn').click()")
    times = driver.execute_script(TIME_COUNTS, STOP_COUNTS)
    caption = driver.execute_script("return document.getElementById('CountersCaption').textContent")
    if " %s " % STOP_COUNTS[-1] not in caption:
        raise RuntimeError("Who stops them did not follow the counts: " + caption)
    return times


def phone_stop_times(driver):
    with phone_profile(driver):
        return stop_times(driver)


def matrix_redraw_times(driver, url):
    """The map's redraws on the phone profile, after a few to warm the engine's code."""
    driver.get(url)
    driver.execute_script("document.getElementById('MatrixBtn').click()")
    with phone_profile(driver):
        driver.execute_async_script(TIME_REDRAW, 5)
        return driver.execute_async_script(TIME_REDRAW, MATRIX_CHANGES)


def main():
    site = sys.argv[1] if len(sys.argv) > 1 else "build-web/site"
    raw, packed = sizes(site)
    server, url = serve_site(site)
    driver = chromium(tempfile.mkdtemp(prefix="skirmod-bench-"))
    try:
        paint = first_result_times(driver, url)
        changes = driver.execute_script(COUNT_CHANGES, CHANGES)
        stops = stop_times(driver)
        phone_stops = phone_stop_times(driver)
        matrix = matrix_redraw_times(driver, url)
        version = driver.capabilities.get("browserVersion")
    finally:
        driver.quit()
        server.shutdown()
    budgets = [
        ("wasm + js", raw / KB, 200, "KB"),
        ("wasm + js, gzip -9", packed / KB, 80, "KB"),
        ("first result painted, median of %d" % LOADS, statistics.median(paint), 200, "ms"),
        ("count change to new result, median of %d" % CHANGES, statistics.median(changes), 2,
         "ms"),
        ("who stops them, typed count to list, median of %d" % len(STOP_COUNTS),
         statistics.median(stops), 16, "ms"),
        ("phone: count change to matrix redrawn, median of %d" % MATRIX_CHANGES,
         statistics.median(matrix["redraw"]), 50, "ms"),
    ]
    print("Chromium %s, %s" % (version, url))
    print("first result painted: min %.1f ms, max %.1f ms" % (min(paint), max(paint)))
    print("count change: 90th percentile %.3f ms, max %.3f ms" % (
        statistics.quantiles(changes, n=10)[-1], max(changes)))
    print("who stops them: 90th percentile %.3f ms, max %.3f ms; phone profile median %.3f ms,"
          " 90th percentile %.3f ms" % (statistics.quantiles(stops, n=10)[-1], max(stops),
                                        statistics.median(phone_stops),
                                        statistics.quantiles(phone_stops, n=10)[-1]))
    print("phone matrix: redraw 90th percentile %.1f ms, max %.1f ms; to the frame after it "
          "median %.1f ms, max %.1f ms" % (
              statistics.quantiles(matrix["redraw"], n=10)[-1], max(matrix["redraw"]),
              statistics.median(matrix["frame"]), max(matrix["frame"])))
    over = 0
    for name, value, limit, unit in budgets:
        verdict = "ok" if value <= limit else "OVER BUDGET"
        over += value > limit
        print("%-50s %8.3f %s (budget %d %s) %s" % (name, value, unit, limit, unit, verdict))
    return 1 if over else 0


if __name__ == "__main__":
    sys.exit(main())
