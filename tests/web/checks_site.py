"""The page as a site: the phone's width, installing, working offline. Runs last: it stops
the server."""
import os

from selenium.webdriver.support.select import Select

from checks_link import calc, edited_sample


def show_example(page):
    """A few results in the log, the Calculation section shown, the page at its top."""
    page.load()
    page.el("ResultsClearBtn").click()
    Select(page.el("AttShipList")).select_by_visible_text("Dreadnought")
    for defender, count in [("Sovereign", "184"), ("Sparrow", "12"), ("Sovereign", "420")]:
        Select(page.el("DefShipList")).select_by_visible_text(defender)
        page.type_count(count)
        page.el("ResultsAddBtn").click()
    page.el("CalculationBtn").click()
    page.driver.execute_script("window.scrollTo(0, 0)")


def show_log(page):
    """The Results section, the page scrolled to its end."""
    page.el("ResultsBtn").click()
    page.driver.execute_script("window.scrollTo(0, document.documentElement.scrollHeight)")


def save_views(page, width):
    """The README's pictures of the page's own views: Who stops them, All matchups, and a
    shared battle whose link carries cells of the sender's table."""
    show_example(page)
    page.el("CountersBtn").click()
    page.driver.execute_script("document.getElementById('Details').scrollIntoView()")
    page.driver.save_screenshot(os.path.join(page.shots, "web-%s-counters.png" % width))
    page.el("MatrixBtn").click()
    page.driver.execute_script("document.getElementById('Details').scrollIntoView()")
    page.driver.save_screenshot(os.path.join(page.shots, "web-%s-matrix.png" % width))
    link = calc(page, "link", "Dreadnought", "Sovereign", "420", stats=edited_sample(page)).strip()
    page.driver.get("about:blank")
    page.load(page.url + link)
    page.el("CalculationBtn").click()
    page.driver.execute_script("window.scrollTo(0, 0)")
    page.driver.save_screenshot(os.path.join(page.shots, "web-%s-link.png" % width))
    page.load(page.url)


def check_phone_width(page):
    """At 360 CSS pixels nothing scrolls sideways."""
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 360, "height": 780, "deviceScaleFactor": 2, "mobile": True})
    show_example(page)
    width = page.driver.execute_script(
        "return [document.documentElement.scrollWidth, window.innerWidth]")
    if page.shots:
        page.driver.save_screenshot(os.path.join(page.shots, "web-phone.png"))
        show_log(page)
        page.driver.save_screenshot(os.path.join(page.shots, "web-phone-log.png"))
        save_views(page, "phone")
    page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    assert width[0] <= width[1] == 360, width
    if page.shots:
        page.driver.set_window_size(1280, 900)
        show_example(page)
        page.driver.save_screenshot(os.path.join(page.shots, "web-desktop.png"))
        save_views(page, "desktop")


def check_installable_and_offline(page):
    """Chromium finds nothing against installing the page; once loaded, it works with the
    server gone: the service worker's cache."""
    page.driver.execute_async_script(
        "navigator.serviceWorker.ready.then(() => arguments[0]())")
    if page.browser == "chromium":
        manifest = page.driver.execute_cdp_cmd("Page.getAppManifest", {})
        errors = page.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
        assert not manifest["errors"] and not errors["installabilityErrors"], (manifest, errors)
    else:
        page.skip("installability", "Firefox on the desktop installs no web apps")
    page.load()
    page.server.shutdown()
    page.server.server_close()
    page.load()
    page.type_count("7")
    assert page.result_line().startswith("7 "), page.result_line()
