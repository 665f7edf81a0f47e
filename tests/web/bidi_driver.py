"""A selenium-shaped driver for Debian's Firefox over WebDriver BiDi, so that the page test's
checks run unchanged in it: selenium's own WebElement, ActionChains, Select and
WebDriverWait work on it. BiDi's shared element ids are selenium's element ids, and its
input actions take selenium's W3C action lists nearly as they are."""
import base64
import ctypes
import itertools
import json
import os
import re
import signal
import subprocess
import threading

import websocket
from selenium.common.exceptions import (ElementClickInterceptedException, JavascriptException,
                                        NoSuchElementException, WebDriverException)
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.remote.command import Command
from selenium.webdriver.remote.webelement import WebElement

# The key a selenium element id travels under in a W3C action's origin.
W3C_ELEMENT = "element-6066-11e4-a52e-4f735466cecf"
MODIFIERS = {Keys.SHIFT, Keys.CONTROL, Keys.ALT, Keys.META}


class Unsupported(WebDriverException):
    """A Chromium DevTools command with no counterpart in Firefox over BiDi."""


class BidiDriver:
    _is_remote = False  # files for a file input are on this machine

    def __init__(self, process, url):
        self.process = process
        self.socket = websocket.create_connection(
            url + "/session", timeout=120, suppress_origin=True)
        self.ids = itertools.count(1)
        session = self.send("session.new", {"capabilities": {"alwaysMatch": {
            "unhandledPromptBehavior": {"default": "ignore"}}}})
        self.session_id = session["sessionId"]
        self.version = session["capabilities"]["browserVersion"]
        self.switch_to = SwitchTo(self)
        # The start-up tab never has the window's focus, so focus and blur events would not
        # fire in it; a tab opened in its place does.
        self.context = self.window_handles[0]
        start_up = self.context
        self.switch_to.new_window("tab")
        self.send("browsingContext.close", {"context": start_up})

    def send(self, method, params):
        """One command and its answer; events (none are subscribed to) are passed over."""
        number = next(self.ids)
        self.socket.send(json.dumps({"id": number, "method": method, "params": params}))
        while True:
            answer = json.loads(self.socket.recv())
            if answer.get("id") == number:
                break
        if answer.get("type") == "error":
            raise WebDriverException("%s: %s: %s" % (method, answer["error"], answer.get("message")))
        return answer["result"]

    # --- scripts -------------------------------------------------------------------------

    def call(self, function, *args):
        """A JavaScript function called in the page with these arguments, its promise awaited;
        its result as Python values, elements as WebElements."""
        answer = self.send("script.callFunction", {
            "functionDeclaration": function, "awaitPromise": True,
            "target": {"context": self.context}, "arguments": [self.local(a) for a in args],
            "serializationOptions": {"maxDomDepth": 0}, "resultOwnership": "none"})
        if answer["type"] == "exception":
            details = answer["exceptionDetails"]
            raise JavascriptException("%s\n%s" % (details.get("text"), json.dumps(
                details.get("stackTrace", {}).get("callFrames", [])[:3])))
        return self.remote(answer["result"])

    def execute_script(self, script, *args):
        return self.call("function () {\n%s\n}" % script, *args)

    def execute_async_script(self, script, *args):
        """As selenium's: the script's last argument is the callback that ends it."""
        return self.call("function (...args) { return new Promise((done, fail) => {"
                         " setTimeout(() => fail(new Error('no answer in 30 s')), 30000);"
                         " (function () {\n%s\n}).apply(this, [...args, done]); }); }" % script,
                         *args)

    def local(self, value):
        if isinstance(value, WebElement):
            return {"sharedId": value.id}
        if value is None:
            return {"type": "null"}
        if isinstance(value, bool):
            return {"type": "boolean", "value": value}
        if isinstance(value, (int, float)):
            return {"type": "number", "value": value}
        if isinstance(value, str):
            return {"type": "string", "value": value}
        if isinstance(value, (list, tuple)):
            return {"type": "array", "value": [self.local(v) for v in value]}
        if isinstance(value, dict):
            return {"type": "object", "value": [[k, self.local(v)] for k, v in value.items()]}
        raise TypeError("no script value for %r" % (value,))

    def remote(self, value):
        kind = value["type"]
        if kind in ("undefined", "null"):
            return None
        if kind == "number" and isinstance(value["value"], str):
            return float(value["value"].replace("Infinity", "inf"))
        if kind in ("string", "number", "boolean"):
            return value["value"]
        if kind == "bigint":
            return int(value["value"])
        if kind in ("array", "set", "nodelist", "htmlcollection"):
            return [self.remote(v) for v in value.get("value", [])]
        if kind in ("object", "map"):
            return {k if isinstance(k, str) else self.remote(k): self.remote(v)
                    for k, v in value.get("value", [])}
        if kind == "node":
            return WebElement(self, value["sharedId"])
        raise JavascriptException("the script returned a %s, which has no Python value" % kind)

    # --- finding elements ------------------------------------------------------------------

    FIND = ("function (root, using, value, all) {"
            " root = root || document;"
            " if (using === 'xpath') {"
            "  const found = document.evaluate(value, root, null,"
            "   XPathResult.ORDERED_NODE_SNAPSHOT_TYPE, null);"
            "  const nodes = Array.from({length: found.snapshotLength}, (_, i) => found.snapshotItem(i));"
            "  return all ? nodes : nodes[0] ?? null; }"
            " return all ? [...root.querySelectorAll(value)] : root.querySelector(value); }")

    def find(self, root, using, value, every):
        if using == "id":
            using, value = "css selector", '[id="%s"]' % value
        elif using == "tag name":
            using = "css selector"
        found = self.call(self.FIND, root, using, value, every)
        if found is None:
            raise NoSuchElementException("no element for %s %r" % (using, value))
        return found

    def find_element(self, by="id", value=None):
        return self.find(None, by, value, False)

    def find_elements(self, by="id", value=None):
        return self.find(None, by, value, True)

    # --- what selenium's WebElement and ActionChains ask -------------------------------------

    def execute(self, command, params=None):
        params = params or {}
        element = WebElement(self, params["id"]) if "id" in params else None
        handlers = {
            Command.FIND_CHILD_ELEMENT: lambda: self.find(element, params["using"], params["value"], False),
            Command.FIND_CHILD_ELEMENTS: lambda: self.find(element, params["using"], params["value"], True),
            Command.CLICK_ELEMENT: lambda: self.click(element),
            Command.SEND_KEYS_TO_ELEMENT: lambda: self.send_keys(element, params["text"]),
            Command.CLEAR_ELEMENT: lambda: self.call(
                "function (e) { e.focus(); e.value = '';"
                " e.dispatchEvent(new Event('input', {bubbles: true}));"
                " e.dispatchEvent(new Event('change', {bubbles: true})); e.blur(); }", element),
            Command.GET_ELEMENT_PROPERTY: lambda: self.call(
                "function (e, name) { return e[name]; }", element, params["name"]),
            Command.GET_ELEMENT_ATTRIBUTE: lambda: self.call(
                "function (e, name) { return e.getAttribute(name); }", element, params["name"]),
            Command.GET_ELEMENT_TAG_NAME: lambda: self.call(
                "function (e) { return e.tagName.toLowerCase(); }", element),
            # What a player reads: an option's label, else the rendered text, trimmed.
            Command.GET_ELEMENT_TEXT: lambda: self.call(
                "function (e) { return (e.tagName === 'OPTION' ? e.text : e.innerText)"
                ".replace(/^[^\\S\\xa0]+|[^\\S\\xa0]+$/g, ''); }", element),
            Command.IS_ELEMENT_SELECTED: lambda: self.call(
                "function (e) { return Boolean(e.selected ?? e.checked); }", element),
            Command.IS_ELEMENT_ENABLED: lambda: self.call(
                "function (e) { return !e.matches(':disabled'); }", element),
            Command.GET_ELEMENT_RECT: lambda: self.call(
                "function (e) { const r = e.getBoundingClientRect(); return {x: r.x + scrollX,"
                " y: r.y + scrollY, width: r.width, height: r.height}; }", element),
            Command.GET_ELEMENT_ARIA_ROLE: lambda: self.accessible(element, "role", self.call(
                ROLE_GUESSES, element)),
            Command.GET_ELEMENT_ARIA_LABEL: lambda: self.accessible(element, "name", self.call(
                NAME_GUESSES, element)),
            Command.W3C_ACTIONS: lambda: self.perform(params["actions"]),
            Command.W3C_CLEAR_ACTIONS: lambda: self.send("input.releaseActions",
                                                         {"context": self.context}),
        }
        if command not in handlers:
            raise Unsupported("%s is not offered in Firefox over BiDi" % command)
        return {"value": handlers[command]()}

    def accessible(self, element, what, guesses):
        """The element's role or accessible name in Firefox's accessibility tree. BiDi finds
        nodes by role and name but tells neither, so guesses from the markup are put to it;
        Firefox's answer decides, and none it confirms is said as such."""
        for guess in guesses:
            found = self.send("browsingContext.locateNodes", {
                "context": self.context, "startNodes": [{"sharedId": element.id}], "maxNodeCount": 1,
                "locator": {"type": "accessibility", "value": {what: guess}}})["nodes"]
            if found and found[0]["sharedId"] == element.id:
                return guess
        return "(Firefox confirms no %s of %s)" % (what, ", ".join(map(repr, guesses)))

    # Scrolls the element into view as WebDriver's click does, then says what a click at
    # its centre would hit if not the element itself.
    CLICK_TARGET = """function (e) {
      const box = e.getBoundingClientRect();
      if (box.right <= 0 || box.bottom <= 0 || box.left >= innerWidth || box.top >= innerHeight)
        e.scrollIntoView({block: 'end', inline: 'nearest'});
      const r = e.getClientRects()[0] || e.getBoundingClientRect();
      const [left, top] = [Math.max(0, r.left), Math.max(0, r.top)];
      const x = (left + Math.min(innerWidth, r.right)) / 2, y = (top + Math.min(innerHeight, r.bottom)) / 2;
      const hit = document.elementFromPoint(x, y);
      if (!hit || hit === e || e.contains(hit) || [...(e.labels || [])].some((l) => l.contains(hit)))
        return null;
      return `${hit.tagName}#${hit.id}.${hit.className} at ${Math.round(x)},${Math.round(y)}`;
    }"""

    # An option is chosen as WebDriver does, without opening its drop-down.
    CHOOSE_OPTION = """function (option) {
      const list = option.closest('select');
      list.focus();
      if (list.multiple) option.selected = !option.selected; else option.selected = true;
      list.dispatchEvent(new Event('input', {bubbles: true}));
      list.dispatchEvent(new Event('change', {bubbles: true}));
      list.dispatchEvent(new MouseEvent('click', {bubbles: true}));
    }"""

    def click(self, element):
        if element.tag_name == "option":
            self.call(self.CHOOSE_OPTION, element)
            return None
        hidden_by = self.call(self.CLICK_TARGET, element)
        if hidden_by:
            raise ElementClickInterceptedException("the click would hit %s" % hidden_by)
        origin = {"type": "element", "element": {"sharedId": element.id}}
        self.send("input.performActions", {"context": self.context, "actions": [{
            "type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
            "actions": [{"type": "pointerMove", "x": 0, "y": 0, "origin": origin},
                        {"type": "pointerDown", "button": 0},
                        {"type": "pointerUp", "button": 0}]}]})
        return None

    def send_keys(self, element, text):
        """As WebDriver's: a file input takes paths; anything else gets the focus, the caret
        after its text if it had no focus, then each key; a modifier stays down until
        pressed again, Keys.NULL or the end."""
        if self.call("function (e) { return e.type === 'file'; }", element):
            self.send("input.setFiles", {"context": self.context,
                                         "element": {"sharedId": element.id},
                                         "files": text.split("\n")})
            return None
        self.call("function (e) {"
                  " if (document.activeElement === e) return;"
                  " e.focus();"
                  " try { e.setSelectionRange(e.value.length, e.value.length); } catch (x) {} }",
                  element)
        held, actions = [], []
        for key in text:
            if key == Keys.NULL or key in held:
                released = held if key == Keys.NULL else [key]
                actions += [{"type": "keyUp", "value": k} for k in released]
                held = [k for k in held if k not in released]
            elif key in MODIFIERS:
                held.append(key)
                actions.append({"type": "keyDown", "value": key})
            else:
                actions += [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
        actions += [{"type": "keyUp", "value": k} for k in held]
        self.perform([{"type": "key", "id": "keyboard", "actions": actions}])
        return None

    def perform(self, sources):
        """selenium's W3C action lists: only an element origin is written differently."""
        for source in sources:
            for action in source["actions"]:
                origin = action.get("origin")
                if isinstance(origin, dict) and W3C_ELEMENT in origin:
                    action["origin"] = {"type": "element", "element": {"sharedId": origin[W3C_ELEMENT]}}
        self.send("input.performActions", {"context": self.context, "actions": sources})
        # Tab past the page's last control takes the focus to Firefox's toolbar, where keys
        # still reach the page but Enter presses no button; Chromium goes round to the
        # page's first control. The page gets the focus back, as after a Tab round the toolbar.
        if any(source["type"] == "key" for source in sources):
            self.call("function () { if (!document.hasFocus()) window.focus(); }")

    # --- pages, windows and the screen -------------------------------------------------------

    def get(self, url):
        self.send("browsingContext.navigate", {"context": self.context, "url": url, "wait": "complete"})

    @property
    def current_window_handle(self):
        return self.context

    @property
    def window_handles(self):
        return [c["context"] for c in self.send("browsingContext.getTree", {"maxDepth": 0})["contexts"]]

    def close(self):
        self.send("browsingContext.close", {"context": self.context})

    def set_window_size(self, width, height):
        self.send("browsingContext.setViewport", {
            "context": self.context, "viewport": {"width": width, "height": height}})

    def get_screenshot_as_png(self):
        return base64.b64decode(self.send("browsingContext.captureScreenshot",
                                          {"context": self.context})["data"])

    def save_screenshot(self, path):
        with open(path, "wb") as out:
            out.write(self.get_screenshot_as_png())
        return True

    def execute_cdp_cmd(self, command, params):
        """The Chromium DevTools emulation the checks use where BiDi has the same: a phone's
        screen (its width and pixel ratio; the page's layout follows the width alone, so
        Chromium's `mobile` flag has nothing to change here). Anything else raises Unsupported, for the check to skip
        that step with its reason."""
        if command == "Emulation.setDeviceMetricsOverride":
            self.send("browsingContext.setViewport", {
                "context": self.context,
                "viewport": {"width": params["width"], "height": params["height"]},
                "devicePixelRatio": params.get("deviceScaleFactor") or None})
        elif command == "Emulation.clearDeviceMetricsOverride":
            self.send("browsingContext.setViewport", {
                "context": self.context, "viewport": None, "devicePixelRatio": None})
        else:
            raise Unsupported("%s has no counterpart in Firefox %s over WebDriver BiDi" % (
                command, self.version))
        return {}

    def quit(self):
        try:
            self.send("browser.close", {})
        except (WebDriverException, websocket.WebSocketException, OSError):
            pass
        try:
            self.process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


# The role the markup gives an element, then the roles of its tag, then the rest.
ROLE_GUESSES = """function (e) {
  const type = e.getAttribute('type') || 'text';
  const byTag = {
    INPUT: {number: ['spinbutton'], checkbox: ['checkbox'], radio: ['radio'], range: ['slider'],
            button: ['button'], submit: ['button'], reset: ['button'], color: ['button']}[type]
           || ['textbox', 'combobox'],
    BUTTON: ['button'], SELECT: ['combobox', 'listbox'], TEXTAREA: ['textbox'],
    OPTION: ['option'], TH: ['rowheader', 'columnheader'], TD: ['cell', 'gridcell'],
    A: ['link'], SECTION: ['region'], OUTPUT: ['status'], UL: ['list'], OL: ['list'],
    LI: ['listitem'], TABLE: ['table', 'grid'], TR: ['row'], DIALOG: ['dialog'],
  }[e.tagName] || [];
  const rest = ['region', 'status', 'alert', 'log', 'group', 'heading', 'tab', 'tabpanel',
                'tablist', 'dialog', 'alertdialog', 'listbox', 'option', 'textbox', 'button',
                'generic', 'paragraph', 'article', 'img', 'separator', 'navigation', 'main',
                'form', 'document', 'application', 'presentation', 'none'];
  const own = (e.getAttribute('role') || '').split(/\s+/).filter(Boolean);
  return [...new Set([...own, ...byTag, ...rest])];
}"""

# The texts an element's accessible name may come from, the likeliest first.
NAME_GUESSES = """function (e) {
  const text = (n) => (n.innerText ?? n.textContent ?? '').replace(/\s+/g, ' ').trim();
  const by = (e.getAttribute('aria-labelledby') || '').split(/\s+/)
    .map((id) => document.getElementById(id)).filter(Boolean);
  return [...new Set([e.getAttribute('aria-label'), by.map(text).join(' '),
    ...[...(e.labels || [])].map(text), e.getAttribute('title'), e.getAttribute('placeholder'),
    e.getAttribute('alt'), text(e), e.value].filter((t) => t && t.trim()).map((t) => t.trim()))];
}"""


class SwitchTo:
    def __init__(self, driver):
        self.driver = driver

    def window(self, handle):
        self.driver.context = handle
        self.driver.send("browsingContext.activate", {"context": handle})

    def new_window(self, kind="tab"):
        made = self.driver.send("browsingContext.create", {"type": kind})["context"]
        self.window(made)


def preferences_file(prefs):
    return "".join("user_pref(%s, %s);\n" % (json.dumps(k), json.dumps(v)) for k, v in prefs.items())


def end_with_parent():
    """A test stopped by its time-out leaves no browser behind: the kernel ends Firefox
    with it (prctl PR_SET_PDEATHSIG, SIGTERM)."""
    ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGTERM)


def firefox(profile, downloads, blocked_origin=None, width=1280, height=1000):
    """Debian's Firefox ESR headless on a fresh profile that saves downloads into
    `downloads` without asking and lets the page read what it copied; `blocked_origin` may
    keep no site data, as a user's cookie exception for a site blocks it."""
    os.makedirs(profile, exist_ok=True)
    prefs = {
        "browser.download.dir": downloads, "browser.download.folderList": 2,
        "browser.download.useDownloadDir": True,
        "browser.download.always_ask_before_handling_new_types": False,
        # The downloads panel would take the focus from the page.
        "browser.download.alwaysOpenPanel": False,
        # The clipboard without the paste prompt.
        "dom.events.testing.asyncClipboard": True,
        # The page may take the focus back from the toolbar (see perform).
        "dom.disable_window_flip": False,
    }
    if blocked_origin:
        # The site permissions a fresh profile starts with: this one's cookies denied.
        defaults = os.path.join(profile, "permissions-defaults")
        with open(defaults, "w") as out:
            out.write("origin\tcookie\t2\t%s\n" % blocked_origin)
        prefs["permissions.manager.defaultsUrl"] = "file://" + defaults
    with open(os.path.join(profile, "user.js"), "w") as out:
        out.write(preferences_file(prefs))
    process = subprocess.Popen(
        ["/usr/bin/firefox-esr", "--headless", "--no-remote", "--profile", profile,
         "--width", str(width), "--height", str(height), "--remote-debugging-port", "0",
         "about:blank"],
        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, errors="replace",
        preexec_fn=end_with_parent)
    for line in process.stderr:
        found = re.match(r"WebDriver BiDi listening on (ws://\S+)", line)
        if found:
            break
    else:
        raise WebDriverException("Firefox ended without offering WebDriver BiDi")
    # Firefox goes on writing to its error output; a full pipe would stall it.
    threading.Thread(target=process.stderr.read, daemon=True).start()
    return BidiDriver(process, found.group(1))
