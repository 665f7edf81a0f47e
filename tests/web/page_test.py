#!/usr/bin/python3
"""The page in headless Chromium or Firefox, one browser start for every check.

Usage: page_test.py SITE_DIR SKIRMOD_CALC SAMPLE_STATS AXE_JS [SCREENSHOT_DIR]

SKIRMOD_WEB_BROWSER picks the browser: chromium (the default) or firefox, driven over
WebDriver BiDi; a step Firefox cannot take is skipped there with its reason printed.
The oracle for every figure and text is skirmod-calc on the same stats file; the bytes of
a download are checked against the sample file edited by hand. Random pairings use a fixed
seed, printed on failure; SKIRMOD_WEB_SEED and SKIRMOD_WEB_PAIRINGS change them, and
SKIRMOD_WEB_PORT picks the local port (0: any free one). SKIRMOD_WEB_CHECKS runs only the
checks whose names hold one of its comma-separated words.
"""
import importlib
import inspect
import os
import sys
import time
import traceback

from page_driver import BROWSERS, SEED, Page

# The checks' modules in the order they run; each runs its check_ functions in the order
# they are written. The site's checks stop the server, so they come last.
MODULES = ["checks_driver", "checks_calculator", "checks_table", "checks_grid", "checks_layout",
           "checks_settings", "checks_storage", "checks_counters", "checks_matrix", "checks_link",
           "checks_site"]


def checks():
    wanted = [w for w in os.environ.get("SKIRMOD_WEB_CHECKS", "").split(",") if w]
    for name in MODULES:
        module = importlib.import_module(name)
        found = [f for n, f in vars(module).items() if n.startswith("check_") and callable(f)]
        found.sort(key=lambda f: inspect.getsourcelines(f)[1])
        yield from (f for f in found if not wanted or any(w in f.__name__ for w in wanted))


def main():
    browser = os.environ.get("SKIRMOD_WEB_BROWSER", "chromium")
    if browser not in BROWSERS:
        sys.exit("no browser %s: %s" % (browser, " or ".join(BROWSERS)))
    began = time.monotonic()
    page = Page(*sys.argv[1:5], sys.argv[5] if len(sys.argv) > 5 else None, browser=browser)
    failed = ran = 0
    try:
        for check in checks():
            ran += 1
            started = time.monotonic()
            try:
                check(page)
                print("PASS %s (%.1f s)" % (check.__name__, time.monotonic() - started))
            except Exception:
                failed += 1
                print("FAIL %s (seed %d)\n%s" % (check.__name__, SEED, traceback.format_exc()))
    finally:
        page.driver.quit()
    print("%d of %d checks failed in %s (%.1f s), %d steps skipped" % (
        failed, ran, browser, time.monotonic() - began, len(page.skipped)))
    return 1 if failed or not ran else 0


if __name__ == "__main__":
    sys.exit(main())
