# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves the built web page on 127.0.0.1 and drives Debian's Chromium, headless, over its
DevTools protocol: the program's window appears, its controls reach the browser's accessibility
tree with their names, Return gives the report of the search from 0 to 1 in the console and its
outcome in the page's live region; the page's Save picture downloads the drawing as shown, or as
a one-page PDF; its Search steps, Load sweep, Practice, Routing tables and Edit network buttons
open their windows inside the screen (the plot drawn) and their title bars close them; F6, the
arrows and Return reach the page's buttons, and Practice is answered with keys alone; a
right-click on the drawing opens the menu without hanging the page, and Main window brings the main
window back; Ctrl+Q ends the program and the page says so; a page opened with ?network=FILE
searches that network, so does the link Copy link makes, and a damaged link is refused; a
network made in the Network editor, partly with the pointer and partly as a typed edge list,
is used in the main window and searched from u to z; Routing tables, the built-in network's
load raised to 40, counts up round by round, and so do the three routers of the textbooks
opened by ?network= after bad news on a link; no exception is logged. Exits 77
(skipped) when the site or Chromium is missing.
Usage: python3 web_page.py SITE_DIRECTORY [SCREENSHOT.png]"""

import base64
import functools
import http.server
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request
import zlib

REPORT = "The shortest Distance from start 0 to destination 1 is 72"
OUTCOME = "Path Found !! The optimal path load is 72"
TEXTBOOK_REPORT = "The shortest Distance from start 0 to destination 1 is 2"
EDITED_REPORT = "The shortest Distance from start 0 to destination 5 is 4"  # u to z
# The six routers u, v, w, x, y, z of the networking textbooks, each link both ways, in an order
# that numbers them so: u is 0 and z is 5.
TEXTBOOK_EDGES = "".join(f"{a} {b} {weight}\n{b} {a} {weight}\n" for a, b, weight in (
    ("u", "v", 2), ("u", "w", 5), ("u", "x", 1), ("v", "x", 2), ("v", "w", 3), ("x", "w", 3),
    ("x", "y", 1), ("w", "y", 1), ("w", "z", 5), ("y", "z", 2)))
# Places in the Network editor as the 1000 by 1000 page lays it out, from its window's corners
# (negative: from the right or the bottom): its buttons, the edge list, two empty spots of the
# drawing and the weight label halfway between them.
EDITOR_NEW, EDITOR_USE, EDITOR_APPLY = (56, 50), (-88, 50), (415, -54)
EDITOR_EDGE_LIST = (571, -150)
EDITOR_SPOTS, EDITOR_LABEL = ((111, 267), (291, 267)), (200, 259)
COST_COLOR = (38, 139, 210)  # the Load sweep plot's cost curve


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


def png_pixels(data):
    """Width, height and rows of (r, g, b, a) of an 8-bit, non-interlaced RGB or RGBA PNG."""
    width, height, depth, kind, _, _, interlace = struct.unpack(">IIBBBBB", data[16:29])
    if depth != 8 or kind not in (2, 6) or interlace:
        fail(f"unexpected PNG format: depth {depth}, colour type {kind}, interlace {interlace}")
    chunks, at = b"", 8
    while at < len(data):
        length = int.from_bytes(data[at:at + 4], "big")
        if data[at + 4:at + 8] == b"IDAT":
            chunks += data[at + 8:at + 8 + length]
        at += 12 + length
    raw, size = zlib.decompress(chunks), 3 if kind == 2 else 4
    stride, rows, previous = width * size, [], bytearray(width * size)
    for y in range(height):
        line = raw[y * (stride + 1):(y + 1) * (stride + 1)]
        kind_of_filter, row = line[0], bytearray(line[1:])
        for i in range(stride):
            left = row[i - size] if i >= size else 0
            up, corner = previous[i], previous[i - size] if i >= size else 0
            if kind_of_filter == 1:
                row[i] = (row[i] + left) & 255
            elif kind_of_filter == 2:
                row[i] = (row[i] + up) & 255
            elif kind_of_filter == 3:
                row[i] = (row[i] + (left + up) // 2) & 255
            elif kind_of_filter == 4:
                guess = left + up - corner
                pa, pb, pc = abs(guess - left), abs(guess - up), abs(guess - corner)
                row[i] = (row[i] + (left if pa <= pb and pa <= pc else up if pb <= pc
                                    else corner)) & 255
        rows.append([tuple(row[x * size:x * size + 3]) + ((row[x * 4 + 3],) if size == 4
                                                          else (255,)) for x in range(width)])
        previous = row
    return width, height, rows


def alike(pixel, other):
    return all(abs(a - b) <= 2 for a, b in zip(pixel[:3], other[:3]))


def find_inside(small, large):
    """Where the picture SMALL lies in the screenshot LARGE, or None: its opaque pixels are on
    the screen as they are, give or take the browser's rounding and a stray pixel of its
    antialiasing (the translucent ones show the window's colour through them)."""
    width, height, pixels = small
    big_width, big_height, big = large
    opaque = [(x, y) for y in range(height) for x in range(width) if pixels[y][x][3] == 255]
    if len(opaque) < 100:
        fail(f"the picture has only {len(opaque)} opaque pixels")
    samples = opaque[::len(opaque) // 100]
    for dy in range(big_height - height + 1):
        for dx in range(big_width - width + 1):
            if not all(alike(pixels[y][x], big[y + dy][x + dx]) for x, y in samples):
                continue
            same = sum(alike(pixels[y][x], big[y + dy][x + dx]) for x, y in opaque)
            if same >= 0.99 * len(opaque):
                return dx, dy
    return None


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

    def click(self, x, y, button="left"):
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                      clickCount=1)

    def double_click(self, x, y):
        for count in (1, 2):
            for kind in ("mousePressed", "mouseReleased"):
                self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                          clickCount=count)

    def drag(self, start, end, modifiers=0, steps=5):
        """Presses the left button at START and releases it at END, moving in STEPS between."""
        self.call("Input.dispatchMouseEvent", type="mousePressed", x=start[0], y=start[1],
                  button="left", clickCount=1, modifiers=modifiers)
        for step in range(1, steps + 1):
            self.call("Input.dispatchMouseEvent", type="mouseMoved", button="left", buttons=1,
                      modifiers=modifiers, x=start[0] + (end[0] - start[0]) * step / steps,
                      y=start[1] + (end[1] - start[1]) * step / steps)
        self.call("Input.dispatchMouseEvent", type="mouseReleased", x=end[0], y=end[1],
                  button="left", clickCount=1, modifiers=modifiers)

    def type(self, text):
        """Types TEXT of lower-case letters, digits, spaces and line breaks key by key."""
        for char in text:
            if char == "\n":
                self.key("Enter", "Enter", 13, text="\r")
            elif char == " ":
                self.key(" ", "Space", 32, text=" ")
            else:
                code = f"Digit{char}" if char.isdigit() else f"Key{char.upper()}"
                self.key(char, code, ord(char.upper()), text=char)

    def command(self, name):
        """Presses the page's own button for the command NAME, as a user's click does."""
        self.call("Runtime.evaluate", userGesture=True, expression=(
            f"document.querySelector('#commands [data-command={name}]').click()"))

    def windows(self):
        """The program's shown windows: title and place in the page."""
        return json.loads(self.evaluate(
            "JSON.stringify(Array.from(document.querySelector('#qt-shadow-container')"
            ".shadowRoot.querySelectorAll('.qt-window'))"
            ".filter(w => w.style.display !== 'none').map(w => {"
            " const r = w.getBoundingClientRect(), name = w.querySelector('.window-name');"
            " return {title: name ? name.innerText : '', x: r.x, y: r.y, right: r.right,"
            " bottom: r.bottom, id: w.id}; }))"))

    def window(self, title):
        return next((w for w in self.windows() if w["title"] == title), None)

    def close(self, title):
        """Presses the close button in the title bar of the window TITLE."""
        self.evaluate("Array.from(document.querySelector('#qt-shadow-container').shadowRoot"
                      ".querySelectorAll('.qt-window')).find(w => w.querySelector('.window-name')"
                      f"?.innerText === '{title}').querySelectorAll('.title-bar .image-button')"
                      ".forEach((b, i, all) => { if (i === all.length - 1) b.click(); })")

    def shot(self, box):
        clip = dict(x=box["x"], y=box["y"], width=box["right"] - box["x"],
                    height=box["bottom"] - box["y"], scale=1)
        return base64.b64decode(self.call("Page.captureScreenshot", format="png",
                                          clip=clip)["data"])

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

    # Where the browser has a save dialog of its own (Chromium's File System Access), Qt uses it,
    # and headless it cannot be answered: the test takes the download that other browsers get.
    page.call("Page.addScriptToEvaluateOnNewDocument",
              source="for (const picker of ['showOpenFilePicker', 'showSaveFilePicker']) "
                     "{ delete Window.prototype[picker]; delete window[picker]; }")

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

    # The keyboard goes to the program once it has been clicked, wherever it was before (the
    # page's heading here): an empty part of its drawing.
    page.click(300, 40)
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
    announced = "document.getElementById('announcement').textContent"
    page.wait("the live region did not tell the outcome",
              lambda: OUTCOME in (page.evaluate(announced) or ""), 10)
    print(f"the live region says: {page.evaluate(announced)}")

    time.sleep(0.5)
    if screenshot:
        shot = page.call("Page.captureScreenshot", format="png")
        with open(screenshot, "wb") as out:
            out.write(base64.b64decode(shot["data"]))
        print(f"screenshot: {screenshot}")

    # Save picture asks which kind of file, then hands the drawing to the browser as a download:
    # the picture shown, or a PDF.
    def save_picture(folder, name):
        page.command("savePicture")
        page.wait("Save picture asked nothing", lambda: page.window("Save picture"), 10)
        time.sleep(0.5)
        if name.endswith(".pdf"):
            page.key("Tab", "Tab", 9)
        page.key("Enter", "Enter", 13, text="\r")
        path = os.path.join(folder, name)
        page.wait(f"Save picture gave no download of {name}", lambda: os.path.isfile(path), 20)
        return path

    downloads = tempfile.mkdtemp()
    page.call("Page.setDownloadBehavior", behavior="allow", downloadPath=downloads)
    main_window = page.windows()[0]  # the only one yet, without a title bar: it fills the screen
    shown = png_pixels(page.shot(main_window))
    saved = save_picture(downloads, "netroute.png")
    with open(saved, "rb") as picture:
        drawing = png_pixels(picture.read())
    place = find_inside(drawing, shown)
    if place is None:
        fail(f"the downloaded {drawing[0]}x{drawing[1]} picture is not the drawing shown")
    print(f"Save picture downloaded the drawing, {drawing[0]}x{drawing[1]}, as shown at {place}")
    with open(save_picture(downloads, "netroute.pdf"), "rb") as document:
        pdf = document.read()
    pages = len(re.findall(rb"/Type\s*/Page\b(?!s)", pdf))
    if not pdf.startswith(b"%PDF-") or pages != 1:
        fail(f"the picture saved as PDF is not a one-page PDF ({pages} pages): {pdf[:20]!r}")
    print(f"Save picture as PDF downloaded a PDF of one page, {len(pdf)} bytes")
    shutil.rmtree(downloads, ignore_errors=True)

    # The page's buttons open the windows inside the program's screen; their title bars close
    # them.
    for name, title in (("searchSteps", "Search steps"), ("loadSweep", "Load sweep"),
                        ("practice", "Practice"), ("routingTables", "Routing tables"),
                        ("editNetwork", "Network editor")):
        page.command(name)
        page.wait(f"the {name} button opened no {title} window",
                  lambda: page.window(title) is not None, 10)
        time.sleep(1)  # the sweep is worked out in slices
        shown = page.window(title)
        if (shown["x"] < box["x"] or shown["y"] < box["y"] or shown["right"] > box["right"]
                or shown["bottom"] > box["bottom"]):
            fail(f"{title} lies outside the screen {box}: {shown}")
        if name == "loadSweep":
            _, _, rows = png_pixels(page.shot(shown))
            curve = sum(row.count(COST_COLOR + (255,)) for row in rows)
            if curve < 100:
                fail(f"the Load sweep window shows no plot ({curve} pixels of the curve)")
            print(f"the plot's curve covers {curve} pixels")
        page.close(title)
        page.wait(f"{title} did not close", lambda: page.window(title) is None, 10)
        print(f"{title} opened inside the screen and closed from its title bar")

    # With keys alone: F6 reaches the page's buttons, the arrows move among them, Return opens
    # Practice with its answer field taking the keys, and F6 goes back there.
    focused = ("(() => { const e = document.activeElement; return e.closest('#commands') ?"
               " e.textContent : e.id; })()")
    page.key("F6", "F6", 117)
    if page.evaluate(focused) != "Search steps":
        fail(f"F6 did not reach the page's first button: {page.evaluate(focused)!r} has the keys")
    for _ in range(3):
        page.key("ArrowRight", "ArrowRight", 39)
    if page.evaluate(focused) != "Practice":
        fail(f"the arrows did not reach the Practice button: {page.evaluate(focused)!r}")
    page.key("Enter", "Enter", 13, text="\r")
    page.wait("Return on the Practice button opened no Practice",
              lambda: page.window("Practice") is not None, 10)

    def answer(typed):
        page.evaluate("document.getElementById('announcement').textContent = ''")
        time.sleep(0.5)
        for letter in typed:
            page.key(letter, f"Key{letter.upper()}", ord(letter.upper()), text=letter)
        page.key("Enter", "Enter", 13, text="\r")
        verdict = re.compile(r"(Right\.|Not quite\.) The answer is (.+?)\. ")
        page.wait(f"the answer {typed!r} was given no feedback in the live region",
                  lambda: verdict.match(page.evaluate(announced) or ""), 10)
        said = page.evaluate(announced)
        right, expected = verdict.match(said).groups()
        if (right == "Right.") != (expected == typed):
            fail(f"the answer {typed!r} was judged wrongly: {said}")
        print(f"typed {typed!r} in Practice; the live region says: {said}")

    answer("yes")
    page.key("F6", "F6", 117)
    page.key("F6", "F6", 117)
    page.key("n", "KeyN", 78, modifiers=1)  # Alt+N, Next
    answer("no")
    page.close("Practice")
    page.wait("Practice did not close", lambda: page.window("Practice") is None, 10)

    # A right-click on the drawing's background opens the commands as a menu; its entry works.
    before = {w["id"] for w in page.windows()}
    page.click(x, y, button="right")
    page.wait("a right-click opened no menu",
              lambda: any(w["id"] not in before for w in page.windows()), 10)
    menu = next(w for w in page.windows() if w["id"] not in before)
    time.sleep(0.5)
    page.click(menu["x"] + 30, menu["y"] + 12)  # its first entry, Search steps
    page.wait("the menu's first entry opened no Search steps",
              lambda: page.window("Search steps") is not None, 10)
    print("a right-click opened the menu, and its first entry Search steps")

    # Main window brings the main window to the front with the keyboard: Return searches again.
    page.command("mainWindow")
    time.sleep(0.5)
    page.key("Enter", "Enter", 13, text="\r")
    page.wait("after Main window, Return gave no second report",
              lambda: page.console().count(REPORT) >= 2, 30)
    print("Main window brought the main window back: Return searched again")

    page.key("q", "KeyQ", 81, modifiers=2)  # Ctrl+Q
    page.wait("Ctrl+Q did not end the program",
              lambda: "has ended" in (page.evaluate(
                  "document.getElementById('status').textContent") or ""), 20)
    print("Ctrl+Q ended the program; the page says: "
          + page.evaluate("document.getElementById('status').textContent"))

    # A network named by the page's address: a file beside the page, then the link that Copy
    # link makes, which carries the network itself; a damaged link leaves the built-in network.
    def open_page(url, what):
        page.call("Page.navigate", url=url)
        page.wait(f"the program did not start {what}",
                  lambda: page.evaluate("document.querySelector('#screen.running') !== null"),
                  90)
        time.sleep(1)

    def search_textbook(what):
        reports = page.console().count(TEXTBOOK_REPORT)
        page.click(300, 40)
        page.click(box["x"] + 470, box["y"] + 440)
        time.sleep(0.5)
        page.key("Enter", "Enter", 13, text="\r")
        page.wait(f"Return gave no report of u to v {what}",
                  lambda: page.console().count(TEXTBOOK_REPORT) > reports, 30)
        print(f"{what}: Return printed {TEXTBOOK_REPORT!r}")

    open_page(page_url + "?network=networks/textbook.graphml", "with ?network=")
    page.wait("the live region did not name the network opened",
              lambda: "textbook: 6 vertices, 20 links." in (page.evaluate(announced) or ""), 10)
    print(f"the live region says: {page.evaluate(announced)}")
    search_textbook("?network=networks/textbook.graphml")
    page.evaluate("document.querySelector('[data-page=copyLink]').click()")
    page.wait("Copy link showed no link",
              lambda: page.evaluate("document.getElementById('link').value").startswith("http"),
              10)
    link = page.evaluate("document.getElementById('link').value")
    open_page(link, "from the copied link")
    search_textbook(f"the copied link ({len(link)} characters)")
    # A query of its own, so that the browser loads the page anew rather than only moving to
    # another fragment of the page it shows.
    open_page(page_url + "?damaged#network=AAAA", "with a damaged link")
    status = page.evaluate("document.getElementById('status').textContent")
    if "could not be opened" not in status:
        fail(f"a damaged link was not refused: {status!r}")
    print(f"a damaged link was refused: {status}")

    # A network made in the Network editor and searched in the main window: two vertices and
    # their pair of links with the pointer, a weight typed in place, then the textbook's routers
    # typed into the edge list and applied; "Use this network" hands them over.
    def build_network():
        begun = time.monotonic()
        page.click(300, 40)
        page.click(box["x"] + 470, box["y"] + 440)
        time.sleep(0.5)
        page.key("d", "KeyD", 68, modifiers=3)  # Ctrl+Alt+D
        page.wait("Ctrl+Alt+D opened no Network editor",
                  lambda: page.window("Network editor") is not None, 10)
        editor = page.window("Network editor")
        time.sleep(0.5)

        def at(place):
            dx, dy = place
            return (editor["x"] + dx if dx >= 0 else editor["right"] + dx,
                    editor["y"] + dy if dy >= 0 else editor["bottom"] + dy)

        def expect(what, said):
            page.wait(f"{what}: the live region did not say {said!r}",
                      lambda: re.fullmatch(said, page.evaluate(announced) or ""), 10)
            print(f"{what}: {page.evaluate(announced)}")

        page.click(*at(EDITOR_NEW))
        expect("New", "New network: the network has 0 vertices and 0 links")
        for vertex, spot in enumerate(EDITOR_SPOTS):
            page.double_click(*at(spot))
            expect("a double click on empty space", f"Vertex {vertex} added")
        page.drag(at(EDITOR_SPOTS[0]), at(EDITOR_SPOTS[1]), modifiers=8)  # Shift
        expect("a Shift drag from vertex 0 to 1", "Links 0 to 1 and 1 to 0, weight 10, added")
        page.double_click(*at(EDITOR_LABEL))
        time.sleep(0.5)
        page.type("7\n")
        expect("a double click on the weight, 7 and Return", "Link [01] to [01] now weighs 7")

        page.click(*at(EDITOR_NEW))
        expect("New", "New network: the network has 0 vertices and 0 links")
        page.click(*at(EDITOR_EDGE_LIST))
        page.key("a", "KeyA", 65, modifiers=2)  # Ctrl+A: the typing replaces the list
        page.type(TEXTBOOK_EDGES)
        page.click(*at(EDITOR_APPLY))
        expect("the textbook's edge list applied",
               "Apply the edge list: the network has 6 vertices and 20 links")
        page.click(*at(EDITOR_USE))
        expect("Use this network", "The main window shows this network now.")

        page.command("mainWindow")
        time.sleep(0.5)
        page.key("End", "End", 35)  # DESTINATION, which has the keys, to the last vertex: z
        page.key("Enter", "Enter", 13, text="\r")
        page.wait("the network made in the editor gave no report of u to z",
                  lambda: EDITED_REPORT in page.console(), 30)
        print(f"the main window searched the network made: {EDITED_REPORT!r}, "
              f"all in {time.monotonic() - begun:.1f} s")

    build_network()

    # Routing tables on the built-in network, its load raised to 40: the distance vectors count
    # up round by round, long after link state has its answer.
    def count_to_infinity():
        page.command("mainWindow")
        time.sleep(0.5)
        page.key("b", "KeyB", 66, modifiers=3)  # Ctrl+Alt+B: the built-in network
        page.key("r", "KeyR", 82, modifiers=3)  # Ctrl+Alt+R
        page.wait("Ctrl+Alt+R opened no Routing tables",
                  lambda: page.window("Routing tables") is not None, 10)
        time.sleep(0.5)
        page.key("h", "KeyH", 72, modifiers=1)  # Alt+H: "Change the load to"
        page.key("a", "KeyA", 65, modifiers=2)
        page.type("40")
        page.key("o", "KeyO", 79, modifiers=1)  # Alt+O: "Change load"
        time.sleep(0.5)
        page.key("s", "KeyS", 83, modifiers=1)  # Alt+S: Step
        round_said = r"Round (\d+) after change 1: \d+ entr(y|ies) change.*"
        page.wait("Step after the load change told no round",
                  lambda: re.fullmatch(round_said, page.evaluate(announced) or ""), 10)
        print(f"a round stepped after the load rose to 40: {page.evaluate(announced)}")
        stepped = page.evaluate(announced)
        page.key("l", "KeyL", 76, modifiers=1)  # Alt+L: Last
        page.wait("Last told no later round",
                  lambda: page.evaluate(announced) != stepped and re.match(
                      r"Round \d+ after change 1", page.evaluate(announced) or ""), 10)
        rounds = int(re.match(r"Round (\d+)", page.evaluate(announced)).group(1))
        if rounds < 20:
            fail(f"the distance vectors settled in {rounds} rounds: nothing counted up")
        print(f"the last round, {rounds} rounds after the load rose: {page.evaluate(announced)}")
        page.close("Routing tables")

    count_to_infinity()

    # The same on a network of one's own, the textbooks' three routers opened by the page's
    # address: bad news on the link x to y, and y and z count up round by round.
    def count_on_own_network():
        open_page(page_url + "?network=networks/three-routers.graphml", "with three routers")
        page.click(300, 40)
        page.click(box["x"] + 470, box["y"] + 440)
        time.sleep(0.5)
        page.key("r", "KeyR", 82, modifiers=3)  # Ctrl+Alt+R
        page.wait("Ctrl+Alt+R opened no Routing tables on three routers",
                  lambda: page.window("Routing tables") is not None, 10)
        time.sleep(0.5)
        page.key("n", "KeyN", 78, modifiers=1)  # Alt+N: "Bad news" on the first link, 0 to 1
        page.wait("Bad news was not told",
                  lambda: "Bad news: the link 0 to 1" in (page.evaluate(announced) or ""), 10)
        print(f"on three routers: {page.evaluate(announced)}")
        page.key("l", "KeyL", 76, modifiers=1)  # Alt+L: Last
        page.wait("Last told no round after the bad news",
                  lambda: re.match(r"Round \d+ after change 1", page.evaluate(announced) or ""),
                  10)
        rounds = int(re.match(r"Round (\d+)", page.evaluate(announced)).group(1))
        if rounds < 5:
            fail(f"after bad news three routers settled in round {rounds}: nothing counted up")
        print(f"the last round on three routers: {page.evaluate(announced)}")
        page.close("Routing tables")

    count_on_own_network()

    if page.exceptions():
        fail(f"exceptions in the page: {page.exceptions()}")
    print("no exception was logged")
finally:
    chromium.kill()
    chromium.wait()
    server.shutdown()
    shutil.rmtree(profile, ignore_errors=True)
