#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A person plays Basketball or Football in the real window, with xdotool.

  DISPLAY=:N window_person.py basketball|football HAND SHOTDIR

The program runs in a window at --zoom=2 with the game's title screen up, one
computer seat in the second place and the level to meet set in the settings.
The person sees what a player sees, the screen (it reads the backboard's
place, the pass box and whose name the scoreboard lights from screenshots),
and plays with the mouse at a hand's speed with the hands of
bench/driver/persons/ (HAND is newcomer or regular). Screenshots along
the way go to SHOTDIR; the final scores are read from them.

VIEW=X,Y gives the view's top left on the screen (358,166 for the window's
first place on a 1920 x 1080 screen). Football's message boxes are told apart
by a print of their text: the script prints each one's; END_TEXTS lists the
prints that end the game (the computer's win; the person's win has a wide box).
"""
import hashlib
import math
import os
import random
import subprocess
import sys
import time

X0, Y0 = (int(v) for v in os.environ.get("VIEW", "358,166").split(","))
Z = 2  # the window's zoom


def xdo(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def at(x, y):
    return X0 + Z * x, Y0 + Z * y


def move(x, y):
    xdo("mousemove", *at(x, y))


def click(x, y):
    move(x, y)
    time.sleep(0.05)
    xdo("click", 1)


def drag(x0, y0, x1, y1, ms):
    move(x0, y0)
    time.sleep(0.08)
    xdo("mousedown", 1)
    steps = max(1, ms // 20)
    t0 = time.monotonic()
    for k in range(1, steps + 1):
        due = t0 + ms / 1000 * k / steps
        time.sleep(max(0.0, due - time.monotonic()))
        move(round(x0 + (x1 - x0) * k / steps), round(y0 + (y1 - y0) * k / steps))
    xdo("mouseup", 1)


def shot(path):
    subprocess.run(["import", "-window", "root", "-crop", f"{602 * Z}x{401 * Z}+{X0}+{Y0}", path], check=True)


def grab(x0, y0, w, hgt):
    """The view's pixels in a rectangle, read from the screen: a function of playfield x and y."""
    out = subprocess.run(["import", "-window", "root", "-crop", f"{w * Z}x{hgt * Z}+{X0 + Z * x0}+{Y0 + Z * y0}",
                          "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    W = w * Z

    def px(x, y):
        i = 3 * ((Z * (y - y0)) * W + Z * (x - x0))
        return tuple(out[i:i + 3])
    return px


# --- Basketball -------------------------------------------------------------
RACK = [(145, 236), (179, 236), (213, 236), (247, 236)]
AIM_AT_147 = [174.0, 182.0, 191.7, 200.0]
HANDS = {
    "newcomer": dict(aim=7.0, moving=6.0, hold=500, holdsd=200, cycle=1600, cyclesd=300),
    "regular": dict(aim=4.5, moving=4.0, hold=550, holdsd=100, cycle=1250, cyclesd=150),
}


def board_x():
    """The backboard's left edge: the first white along a row through it."""
    px = grab(120, 72, 200, 1)
    xs = [x for x in range(120, 320) if min(px(x, 72)) > 200]
    return xs[0] - 1 if xs else None


def basketball(hand, shots_dir, rng):
    h = HANDS[hand]
    err = lambda sd: rng.gauss(0.0, sd)
    click(71, 87)  # the hoop on the title screen
    time.sleep(3)
    shot(f"{shots_dir}/bb_0_ready.png")
    click(400, 300)  # begins the turn
    start = time.monotonic()
    i = 0
    last = board_x()
    n = 0
    while time.monotonic() - start < 29.5:
        bx = board_x()
        moving = bx is None or last is None or bx != last
        last = bx
        aim_x = 162 if moving else bx
        spread = math.hypot(h["aim"], h["moving"]) if moving else h["aim"]
        x = round(AIM_AT_147[i] + 0.73 * (aim_x - 147) + err(spread))
        y = round(40 + err(3 * spread))
        hold = max(150, round(h["hold"] + err(h["holdsd"])))
        cycle = max(0.7, (h["cycle"] + err(h["cyclesd"])) / 1000)
        t = time.monotonic()
        rx, ry = RACK[i]
        drag(rx, ry, min(max(x, 132), 267), min(max(y, 0), 177), hold)
        n += 1
        if n in (3, 12):
            shot(f"{shots_dir}/bb_1_shot{n}.png")
        i = (i + 1) % 4
        time.sleep(max(0.0, cycle - (time.monotonic() - t)))
    print("person shots", n, flush=True)
    time.sleep(3)
    shot(f"{shots_dir}/bb_2_after_turn.png")
    click(400, 300)  # the computer's turn may wait for a click
    for k in range(8):
        time.sleep(5)
        shot(f"{shots_dir}/bb_3_computer{k}.png")


# --- Football ---------------------------------------------------------------
SMALL, LARGE = (194, 127), (227, 92)
PASSERS = {
    "newcomer": dict(small=0.5, aim=8.5, early=-150, tsd=200, lean=0.6, leansd=0.3),
    "regular": dict(small=1.0, aim=7.0, early=50, tsd=100, lean=0.85, leansd=0.15),
}


def find_zone():
    """The pass box's yellow outline, as [left, top, right, bottom], or None."""
    px = grab(100, 255, 250, 45)
    pts = [(x, y) for y in range(255, 300) for x in range(100, 350) if px(x, y) == (0xF7, 0xDF, 0x87)]
    if len(pts) < 20:
        return None
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return [min(xs) - 1, min(ys) - 1, max(xs) + 2, max(ys) + 2]


def message_box():
    """A message box's title bar width and a print of its text (0, None when no box is up)."""
    px = grab(0, 50, 600, 300)
    navy = [(x, y) for y in range(50, 350) for x in range(0, 600) if px(x, y) == (0, 0, 128)]
    if len(navy) < 200:
        return 0, None
    x0, x1, y1 = min(p[0] for p in navy), max(p[0] for p in navy), max(p[1] for p in navy)
    text = bytes(c for y in range(y1 + 10, y1 + 35) for x in range(x0, x1) for c in px(x, y))
    return x1 - x0, hashlib.md5(text).hexdigest()[:12]


def my_turn():
    """The scoreboard names the player to pass in light blue: the first row is the person's."""
    px = grab(355, 183, 110, 12)
    return sum(px(x, y) == (0x7C, 0x9C, 0xF0) for y in range(183, 195) for x in range(355, 465)) > 30


def drag_angle(press, release):
    return int(math.atan2(release[0] - press[0], press[1] - release[1]) / math.pi * 180)


def football_pass(h, zone, rng):
    err = lambda sd: rng.gauss(0.0, sd)
    hole = SMALL if rng.random() < h["small"] else LARGE
    press = (zone[0] + rng.randrange(5, 34), zone[1] + rng.randrange(4, 20))
    lean = h["lean"] + err(h["leansd"])
    ms = max(120, round(600 - h["early"] + err(h["tsd"])))
    aim = (hole[0], hole[1] - round(lean * h["early"] / 50))
    x = aim[0]
    for _ in range(3):
        x = aim[0] - round(lean * drag_angle(press, (x, aim[1])))
    release = (min(max(round(x + err(h["aim"])), 156), 267), min(max(round(aim[1] + err(h["aim"])), 55), 205))
    drag(press[0], press[1], release[0], release[1], ms)


def football(hand, shots_dir, rng):
    h = PASSERS[hand]
    click(171, 217)  # the footballer on the title screen
    time.sleep(3)
    shot(f"{shots_dir}/fb_0_ready.png")
    passes = idle = boxes = 0
    start = time.monotonic()
    while time.monotonic() - start < 1500:
        w, text = message_box()
        if w:
            boxes += 1
            shot(f"{shots_dir}/fb_box{boxes:02d}_{text}.png")
            print("box", boxes, "width", w, text, "after", passes, "passes", round(time.monotonic() - start), "s",
                  flush=True)
            time.sleep(0.6)
            xdo("key", "Return")
            time.sleep(1.0)
            # The person's win has a wide box; the computer's is known by its text.
            if w > 150 or text in END_TEXTS:
                return
            continue
        if not my_turn():
            idle += 1
            if idle % 2 == 0 and idle < 200:
                shot(f"{shots_dir}/fb_computer{passes:03d}_{idle:03d}.png")  # its passes as they fly
            if idle % 3 == 0:
                click(450, 350)  # the computer's first turn waits for a click on the board
            time.sleep(1.2)
            continue
        time.sleep(0.25 + abs(rng.gauss(0, 0.08)))
        move(160, 236)
        time.sleep(0.3)
        xdo("click", 1)
        time.sleep(0.35)
        zone = find_zone()
        if not zone:
            idle += 1
            if idle % 3 == 0:
                click(450, 350)  # the computer's first turn waits for a click on the board
            time.sleep(0.6)
            continue
        idle = 0
        time.sleep(0.25 + abs(rng.gauss(0, 0.08)))
        football_pass(h, zone, rng)
        passes += 1
        if passes % 5 == 1:
            time.sleep(0.8)
            shot(f"{shots_dir}/fb_pass{passes:03d}.png")
        time.sleep(3.5)
    print("out of time", flush=True)


END_TEXTS = set(os.environ.get("END_TEXTS", "").split(","))


if __name__ == "__main__":
    game, hand, shots_dir = sys.argv[1:4]
    os.makedirs(shots_dir, exist_ok=True)
    rng = random.Random(int(os.environ.get("SEED", "7")))
    {"basketball": basketball, "football": football}[game](hand, shots_dir, rng)
