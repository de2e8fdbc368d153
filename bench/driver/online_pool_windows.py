#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole game of 8-ball online between the desktop program and the page,
each in a real window, each played by window_pool_person.py from its screen.

  bench/driver/online_pool_windows.py [desk|page] [SHOTDIR]

The argument says who creates the room (desk by default); the other joins
with the code, typed into its own Game > Play Online... . Started here and
ended here: Xvfb on DESK_DISPLAY (:35) and PAGE_DISPLAY (:36) unless they
run already, quintaro-server on a free 127.0.0.1 port, tests/web/serve.mjs
serving build-web/ with /room passed to it, the desktop program
(build/quintaro --zoom=2, settings of its own) and Chromium in a kiosk window.
The desktop seat is named Desk, the page's Page.

After every turn that both machines have taken, the two tables are
screenshotted (SHOTDIR/turnNN-desk.png, turnNN-page.png) and their balls
compared as the person sees them; at the end both screens are kept twice, a
few seconds apart (end-*.png, end-later-*.png). Printed at the end: the
turns, the time, each person's last status line, the tables that disagreed
and the drifts each program logged ("online drift"). SEED (0) varies the
persons' hands, AIM_SD (0.8 degrees) their aim, MINUTES (40) bounds the game.
Needs python3-pil, python3-scipy, tesseract-ocr, xdotool, imagemagick,
chromium and node (not tests/web's packages: the page is driven by the mouse
only). Both builds first: build/ and build-web/ (make web).
"""
import importlib.util
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import urllib.request

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.environ.get("BUILD", os.path.join(ROOT, "build"))
WEB_BUILD = os.environ.get("WEB_BUILD", os.path.join(ROOT, "build-web"))
DESK_DISPLAY = os.environ.get("DESK_DISPLAY", ":35")
PAGE_DISPLAY = os.environ.get("PAGE_DISPLAY", ":36")
CREATOR = sys.argv[1] if len(sys.argv) > 1 else "desk"
SHOTDIR = sys.argv[2] if len(sys.argv) > 2 else "/tmp/online-pool-shots"
MINUTES = float(os.environ.get("MINUTES", "40"))
Z = 2  # both windows show the table at twice its size
# Where the window's surface (menus included) starts on each screen: the
# desktop window is found by xdotool; the page's canvas is centred in the kiosk.
SURFACE_W, SURFACE_H = 606, 471

person_file = importlib.util.spec_from_file_location("person", os.path.join(ROOT, "bench/driver/window_pool_person.py"))
person = importlib.util.module_from_spec(person_file)
person_file.loader.exec_module(person)

children = []  # only what this script started is ended by it


def start(args, display=None, log=None, env=None):
    e = dict(os.environ, **(env or {}))
    if display:
        e["DISPLAY"] = display
    out = open(log, "w") if log else subprocess.DEVNULL
    p = subprocess.Popen(args, env=e, stdout=out, stderr=subprocess.STDOUT, start_new_session=True)
    children.append(p)
    return p


def display_up(display):
    return subprocess.run(["xdotool", "getdisplaygeometry"], env=dict(os.environ, DISPLAY=display),
                          capture_output=True).returncode == 0


def ensure_display(display, logdir):
    if display_up(display):
        return
    start(["Xvfb", display, "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
          log=os.path.join(logdir, "xvfb%s.log" % display.strip(":")))
    for _ in range(50):
        if display_up(display):
            return
        time.sleep(0.1)
    sys.exit("Xvfb %s did not start" % display)


def first_line(path, pattern, seconds):
    """The first match of pattern in a growing log, waited for."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if os.path.exists(path):
            m = re.search(pattern, open(path, errors="replace").read())
            if m:
                return m
        time.sleep(0.2)
    sys.exit("nothing like %r in %s within %d s" % (pattern, path, seconds))


def xdo(display, *args):
    subprocess.run(["xdotool", *map(str, args)], env=dict(os.environ, DISPLAY=display), check=True)


def screen(display, path=None):
    path = path or os.path.join(tempfile.gettempdir(), "online_pool_%d%s.png" % (os.getpid(), display.strip(":")))
    subprocess.run(["import", "-window", "root", path], env=dict(os.environ, DISPLAY=display), check=True)
    return path


class Side:
    """One window: where its surface sits and how to click and type in it."""

    def __init__(self, name, display, origin, log, console):
        self.name, self.display, self.origin, self.log, self.console = name, display, origin, log, console

    def click(self, x, y):
        xdo(self.display, "mousemove", int(self.origin[0] + Z * x + 1), int(self.origin[1] + Z * y + 1))
        time.sleep(0.2)
        xdo(self.display, "click", 1)
        time.sleep(0.6)

    def keys(self, *keys):
        for k in keys:
            xdo(self.display, "key", k)
            time.sleep(0.15)

    def type(self, text):
        xdo(self.display, "type", "--delay", 80, text)
        time.sleep(0.2)

    def events(self):
        """The program's online events so far ("online turn sent 0 next 1", ...)."""
        if not os.path.exists(self.log):
            return []
        return re.findall(r"quintaro: (online [^\"\n]*)", open(self.log, errors="replace").read())

    def turns(self):
        return sum(1 for e in self.events() if e.startswith("online turn sent") or e.startswith("online turn taken"))

    def view(self):
        """Where the table's (0,0) is on the screen: the view sits 2 pixels in and 48 down."""
        return "%g,%g" % (self.origin[0] + Z * 2, self.origin[1] + Z * 48)


def open_online_dialog(side, menu_y):
    side.click(17, 8)         # Game
    side.click(52, menu_y)    # Play Online...
    time.sleep(0.8)


def fill_address_and_name(side, address):
    """The server's address (the page keeps its own, the server that served it) and the name."""
    open_online_dialog(side, side.menu_y)
    if address:
        side.keys("ctrl+a")
        side.type(address)
    side.keys("Tab", "ctrl+a")


def create_room(side, address):
    fill_address_and_name(side, address)
    side.type(side.name)
    side.keys("Tab", "space")    # Create Room
    code = first_line(side.log, r"quintaro: online joined (\S+) seat 0", 20).group(1)
    print("%s created room %s" % (side.name, code), flush=True)
    return code


def join_room(side, address, code):
    fill_address_and_name(side, address)
    side.type(side.name)
    side.keys("Tab", "Tab")
    side.type(code)
    side.keys("Tab", "space")    # Join Room
    first_line(side.log, r"quintaro: online joined \S+ seat 1", 20)
    print("%s joined" % side.name, flush=True)


def health(port):
    with urllib.request.urlopen("http://127.0.0.1:%d/health" % port, timeout=2) as r:
        return r.read().decode()


def table_of(path, side):
    person.OX, person.OY = (float(v) for v in side.view().split(","))
    from PIL import Image
    img = Image.open(path).convert("RGB")
    return sorted((b[0], b[1], b[2]) for b in person.balls(img)
                  if all(((b[0] - m[0]) ** 2 + (b[1] - m[1]) ** 2) ** 0.5 > 13 for m in person.MOUTHS))


def tables_differ(a, b):
    """What differs between two tables as seen: a ball missing or more than 3 pixels off."""
    if len(a) != len(b):
        return "%d balls against %d" % (len(a), len(b))
    left = list(b)
    for ball in a:
        near = [o for o in left if o[2] == ball[2] and abs(o[0] - ball[0]) <= 3 and abs(o[1] - ball[1]) <= 3]
        if not near:
            return "the %s at %g,%g has no match" % (ball[2], ball[0], ball[1])
        left.remove(near[0])
    return None


def still(side):
    a = open(screen(side.display), "rb").read()
    time.sleep(0.6)
    return a == open(screen(side.display), "rb").read()


def paired_shots(desk, page, name):
    paths = [os.path.join(SHOTDIR, "%s-%s.png" % (name, s.name.lower())) for s in (desk, page)]
    screen(desk.display, paths[0])
    screen(page.display, paths[1])
    return paths


def desktop_origin():
    out = subprocess.run(["xdotool", "search", "--name", "Quintaro", "getwindowgeometry"],
                         env=dict(os.environ, DISPLAY=DESK_DISPLAY), capture_output=True, text=True).stdout
    m = re.search(r"Position: (\d+),(\d+)", out)
    return (int(m.group(1)), int(m.group(2))) if m else (354, 69)


def page_origin():
    """The page's window, found on the screen: the first rows and columns of its grey menu bar."""
    import numpy as np
    from PIL import Image
    a = np.asarray(Image.open(screen(PAGE_DISPLAY)).convert("RGB")).astype(int)
    grey = (a.max(axis=2) - a.min(axis=2) < 8) & (a[..., 0] > 170) & (a[..., 0] < 216)
    rows, cols = np.where(grey.sum(axis=1) > Z * SURFACE_W * 0.8)[0], np.where(grey.sum(axis=0) > 20)[0]
    return (int(cols[0]), int(rows[0])) if len(rows) and len(cols) else (354, 69)


def watch(desk, page, persons, t0):
    """Shots of both tables after every turn both have taken, compared ball for ball."""
    shot_turn, mismatches = -1, []
    while any(p.poll() is None for p in persons) and time.monotonic() - t0 < MINUTES * 60:
        time.sleep(1.0)
        n = min(desk.turns(), page.turns())
        if n == shot_turn or desk.turns() != page.turns() or not (still(desk) and still(page)):
            continue
        if desk.turns() != n or page.turns() != n:
            continue
        shot_turn = n
        # The mover may already be placing the cue ball for its next shot, which
        # the other machine shows a moment later: a difference is looked at again.
        for _ in range(10):
            paths = paired_shots(desk, page, "turn%02d" % n)
            diff = tables_differ(table_of(paths[0], desk), table_of(paths[1], page))
            if not diff or desk.turns() != n or page.turns() != n:
                break
            time.sleep(1.0)
            while not (still(desk) and still(page)):
                time.sleep(0.5)
        print("turn %d: %s" % (n, diff or "both tables agree"), flush=True)
        if diff:
            mismatches.append((n, diff))
    return mismatches


def main():
    # Stopped from outside, it still ends what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    os.makedirs(SHOTDIR, exist_ok=True)
    work = tempfile.mkdtemp(prefix="online_pool_")
    try:
        for d in (DESK_DISPLAY, PAGE_DISPLAY):
            ensure_display(d, work)
        server_log = os.path.join(work, "server.log")
        start([os.path.join(BUILD, "quintaro-server"), "--listen", "127.0.0.1:0"], log=server_log)
        port = int(first_line(server_log, r"listening on 127\.0\.0\.1:(\d+)", 10).group(1))
        serve_log = os.path.join(work, "serve.log")
        start(["node", os.path.join(ROOT, "tests/web/serve.mjs"), WEB_BUILD, "0", str(port)], log=serve_log)
        url = first_line(serve_log, r"Open (http://\S+)", 10).group(1)

        desk_log = os.path.join(work, "desk.log")
        os.makedirs(os.path.join(work, "desk-config"))
        start([os.path.join(BUILD, "quintaro"), "--zoom=2"], DESK_DISPLAY, desk_log,
              {"XDG_CONFIG_HOME": os.path.join(work, "desk-config")})
        page_log = os.path.join(work, "page.log")
        start(["chromium", "--no-sandbox", "--user-data-dir=" + os.path.join(work, "chromium"), "--kiosk",
               "--no-first-run", "--no-default-browser-check", "--disable-gpu", "--window-position=0,0",
               "--window-size=%s,%s" % tuple(subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True,
                                                             text=True, env=dict(os.environ, DISPLAY=PAGE_DISPLAY)
                                                             ).stdout.split()),
               "--autoplay-policy=no-user-gesture-required", "--enable-logging=stderr", "--v=0", url],
              PAGE_DISPLAY, page_log)
        time.sleep(8)  # the splash on the desktop, the download on the page
        desk = Side("Desk", DESK_DISPLAY, desktop_origin(), desk_log, None)
        page = Side("Page", PAGE_DISPLAY, page_origin(), page_log, None)
        desk.menu_y, page.menu_y = 139, 147
        for side in (desk, page):
            side.click(297, 360)  # the pool table on the title screen
        time.sleep(1.5)
        address = "127.0.0.1:%d" % port
        creator, joiner = (desk, page) if CREATOR == "desk" else (page, desk)
        code = create_room(creator, None if creator is page else address)
        join_room(joiner, None if joiner is page else address, code)
        time.sleep(1.5)
        print("server:", health(port).strip(), flush=True)
        creator.click(167, 308)  # Start, in the lobby
        first_line(joiner.log, r"quintaro: online (turn|start)|online joined", 10)
        time.sleep(2)
        paired_shots(desk, page, "start")

        t0 = time.monotonic()
        persons = []
        base = int(os.environ.get("SEED", "0"))  # another SEED, another game
        for side, seed in ((desk, 11 + base), (page, 22 + base)):
            env = {"NAME": side.name, "VIEW": side.view(), "ZOOM": str(Z), "SHOTDIR": SHOTDIR,
                   "MINUTES": str(MINUTES)}
            persons.append(start(["/usr/bin/python3", os.path.join(ROOT, "bench/driver/window_pool_person.py"),
                                  os.environ.get("AIM_SD", "0.8"), str(seed)], side.display,
                                 os.path.join(work, "person-%s.log" % side.name.lower()), env))
        mismatches = watch(desk, page, persons, t0)
        minutes = (time.monotonic() - t0) / 60
        time.sleep(3)
        paired_shots(desk, page, "end")
        time.sleep(6)
        paired_shots(desk, page, "end-later")
        for side in (desk, page):
            ends = [l for l in open(os.path.join(work, "person-%s.log" % side.name.lower())) if l.startswith("END")]
            drifts = sum(1 for e in side.events() if e.startswith("online drift"))
            print("%s: %d turns, %d drifts, %s" % (side.name, side.turns(), drifts,
                                                   ends[-1].strip() if ends else "no end seen"), flush=True)
        print("%.1f minutes; tables that disagreed: %s" % (minutes, mismatches or "none"), flush=True)
        for name in os.listdir(work):
            if name.endswith(".log"):
                shutil.copy(os.path.join(work, name), SHOTDIR)
    finally:
        for p in reversed(children):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()


if __name__ == "__main__":
    main()
