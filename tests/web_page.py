# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves the built web page on 127.0.0.1 and drives Debian's Chromium, headless, over its
DevTools protocol: the program's window appears, its controls reach the browser's accessibility
tree with their names, Return gives the report of the search from 0 to 1 in the console, a screenshot shows the drawing, Ctrl+Q ends the program and the page says so,
and no exception is logged. Exits 77 (skipped) when the site or Chromium is missing.
Usage: python3 web_page.py SITE_DIRECTORY [SCREENSHOT.png]"""

import base64
import functools
import http.server
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

REPORT = "The shortest Distance from start 0 to destination 1 is 72"


def skip(reason):
    print(f"SKIP: {reason}")
    sys.exit(77)


def fail(reason):
    print(f"FAIL: {reason}")
    sys.exit(1)


site = sys.argv[1] if len(sys.argv) > 1 else ""
screenshot = sys.argv[2] if len(sys.argv) > 2 else ""
if not os.path.isfile(os.path.join(site, "index.html")):
    skip(f"no built site in {site!r} (scripts/web builds it)")
browser = shutil.which("chromium")
if browser is None:
    skip("chromium is not installed (scripts/install-deps web installs it)")
try:
    import websocket  # python3-websocket
except ImportError:
    skip("python3-websocket is not installed (scripts/install-deps web installs it)")


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(
    ("127.0.0.1", 0), functools.partial(QuietHandler, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
page_url = f"http://127.0.0.1:{server.server_address[1]}/index.html"

profile = tempfile.mkdtemp()
chromium = subprocess.Popen(
    [browser, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
     "--disable-background-networking", "--disable-component-update", "--disable-sync",
     "--remote-debugging-address=127.0.0.1", "--remote-debugging-port=0",
     f"--user-data-dir={profile}", "--window-size=1000,1000", "about:blank"],
    stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)


class Page:
    """One DevTools connection to the page, keeping every event it receives."""

    def __init__(self, url):
        self.socket = websocket.create_connection(url, timeout=60)
        self.next_id = 0
        self.events = []

    def call(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.next_id:
                if "error" in message:
                    fail(f"{method}: {message['error']}")
                return message.get("result", {})
            self.events.append(message)

    def evaluate(self, expression):
        return self.call("Runtime.evaluate", expression=expression,
                         returnByValue=True)["result"].get("value")

    def console(self):
        lines = []
        for event in self.events:
            if event.get("method") == "Runtime.consoleAPICalled":
                lines += [str(arg.get("value", "")) for arg in event["params"]["args"]]
        return "\n".join(lines)

    def exceptions(self):
        return [event["params"]["exceptionDetails"] for event in self.events
                if event.get("method") == "Runtime.exceptionThrown"]

    def key(self, key, code, virtual, modifiers=0, text=""):
        for kind in ("keyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, key=key, code=code,
                      windowsVirtualKeyCode=virtual, nativeVirtualKeyCode=virtual,
                      modifiers=modifiers, text=text if kind == "keyDown" else "")

    def wait(self, what, test, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if test():
                return time.monotonic()
            time.sleep(0.2)
            self.call("Runtime.evaluate", expression="0")  # takes in the events sent meanwhile
        fail(f"{what} within {seconds} s; console:\n{self.console()}")


try:
    line = ""
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline and "DevTools listening on" not in line:
        line = chromium.stderr.readline()
    match = re.search(r"ws://127\.0\.0\.1:(\d+)/", line)
    if not match:
        fail("Chromium did not open its DevTools port")
    port = match.group(1)
    targets = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list"))
    page = Page(next(t for t in targets if t["type"] == "page")["webSocketDebuggerUrl"])
    page.call("Runtime.enable")
    page.call("Page.enable")
    page.call("Emulation.setDeviceMetricsOverride", width=1000, height=1000,
              deviceScaleFactor=1, mobile=False)

    start = time.monotonic()
    page.call("Page.navigate", url=page_url)
    running = page.wait("the program did not start",
                        lambda: page.evaluate("document.querySelector('#screen.running') !== null"
                                              " && document.querySelector('#screen canvas, "
                                              "#screen div') !== null"), 90)
    print(f"the program's window appeared {running - start:.1f} s after navigation")

    # Qt exposes the controls to the browser's accessibility tree once its "Enable Screen
    # Reader" button is pressed: each must carry its name.
    shadow = "document.querySelector('#qt-shadow-container').shadowRoot"
    page.evaluate(f"{shadow}.querySelector('button').click()")
    page.wait("the controls were not exposed to assistive technology",
              lambda: page.evaluate(f"{shadow}.querySelectorAll('input').length > 0"), 10)
    names = page.evaluate(f"Array.from({shadow}.querySelectorAll('input, button'))"
                          ".map(e => e.textContent.trim())")
    expected = ["SOURCE", "DESTINATION", "TRAFFIC LOAD", "RANDOM EFFECT", "RESTART",
                "SEARCH START"]
    missing = [name for name in expected if name not in names]
    if missing:
        fail(f"controls exposed without their names {missing}; exposed: {names}")
    print("controls exposed with their names: " + ", ".join(expected))

    # The keyboard goes to the program once it has been clicked: an empty part of its drawing.
    box = page.evaluate("JSON.stringify(document.querySelector('#screen')"
                        ".getBoundingClientRect())")
    box = json.loads(box)
    x, y = box["x"] + 470, box["y"] + 440
    for kind in ("mousePressed", "mouseReleased"):
        page.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)
    time.sleep(0.5)
    page.key("Enter", "Enter", 13, text="\r")
    page.wait("Return gave no report of 0 to 1", lambda: REPORT in page.console(), 30)
    print(f"Return printed the report in the console: {REPORT}")

    time.sleep(0.5)
    if screenshot:
        shot = page.call("Page.captureScreenshot", format="png")
        with open(screenshot, "wb") as out:
            out.write(base64.b64decode(shot["data"]))
        print(f"screenshot: {screenshot}")

    page.key("q", "KeyQ", 81, modifiers=2)  # Ctrl+Q
    page.wait("Ctrl+Q did not end the program",
              lambda: "has ended" in (page.evaluate(
                  "document.getElementById('status').textContent") or ""), 20)
    print("Ctrl+Q ended the program; the page says: "
          + page.evaluate("document.getElementById('status').textContent"))

    if page.exceptions():
        fail(f"exceptions in the page: {page.exceptions()}")
    print("no exception was logged")
finally:
    chromium.kill()
    chromium.wait()
    server.shutdown()
    shutil.rmtree(profile, ignore_errors=True)
