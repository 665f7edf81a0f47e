"""The site on a local static server and Debian's Chromium headless with a fresh profile:
what the page test and the browser benchmark both start."""
import functools
import http.server
import os
import re
import threading

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

CHROMIUM_FLAGS = ("--headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
                  "--disable-background-networking --disable-component-update --disable-sync")


# The build's names that hold their content's digest.
HASHED = re.compile(r"\.[0-9a-f]{10}\.")


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class HostHandler(QuietHandler):
    """The caching headers the README asks a static host to send."""

    def end_headers(self):
        self.send_header("Cache-Control", "public, max-age=31536000, immutable"
                         if HASHED.search(self.path) else "no-cache")
        super().end_headers()


def serve_site(site, handler=QuietHandler):
    """A static server for `site` on 127.0.0.1 (port SKIRMOD_WEB_PORT, else any free one),
    serving from a thread; returns it and its address."""
    handler = functools.partial(handler, directory=site)
    port = int(os.environ.get("SKIRMOD_WEB_PORT", "0"))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, "http://127.0.0.1:%d/" % server.server_address[1]


def chromium(profile, blocked_origin=None):
    """Chromium on a fresh profile; `blocked_origin` may keep no site data, as a user's
    content setting for cookies and site data blocks it."""
    options = Options()
    if blocked_origin:
        options.add_experimental_option("prefs", {"profile": {"content_settings": {"exceptions": {
            "cookies": {blocked_origin + ",*": {"setting": 2}}}}}})
    for flag in CHROMIUM_FLAGS.split():
        options.add_argument(flag)
    options.add_argument("--user-data-dir=" + profile)
    options.add_argument("--window-size=1280,1000")
    options.binary_location = "/usr/bin/chromium"
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
