#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Bowling as a player meets it, measured through the headless driver.

  bench/driver/bowling_throws.py build/quintaro-headless [THROWS] [CENTRES] [GAMES]

1. THROWS first balls at a full rack (default 20000), swings drawn at random
   (seeded) from every press and release on the approach and every hold from
   150 to 1350 ms; each is classed by where its line crosses the head pin's
   row (the pocket, the nose, a thin hit) and by speed (a good speed is that
   of a 600 ms swing or quicker), and the strikes of each class are counted.
2. CENTRES striking pocket swings, each with the 125 swings within 2 pixels of
   its press and release and 20 ms of its hold: the share of them that strike.
3. GAMES whole games bowled by one computer player at the default strength.
"""
import json
import math
import random
import subprocess
import sys
from collections import Counter

PRESS_Y, RELEASE_Y = 385, 230
GOOD_SPEED = 0.425  # a 600 ms swing
BATCH = 40


def run(driver, lines):
    script = "\n".join(["epoch 1700000000", "start", "wait 5000"] + lines + ["quit"]) + "\n"
    out = subprocess.run([driver, "-"], input=script, capture_output=True, text=True, check=False).stdout
    return [json.loads(l.split(" state ", 1)[1]) for l in out.splitlines() if " state {" in l]


def swing_lines(seed, press, release, hold):
    return [f"srand {seed}", f"move {press} {PRESS_Y}", f"down {press} {PRESS_Y}", f"wait {hold // 2}",
            f"move {(press + release) // 2} {(PRESS_Y + RELEASE_Y) // 2}", f"wait {hold - hold // 2}",
            f"move {release} {RELEASE_Y}", f"up {release} {RELEASE_Y}", "wait 200", "state", "wait 8000", "state",
            "answer yes", "menu 32785", "wait 100"]


def bowl(driver, swings, seed0):
    """(throw, pins down) for each swing, each the first ball of a fresh game."""
    results = []
    for b in range(0, len(swings), BATCH):
        lines = ["menu 32785"]
        for i, s in enumerate(swings[b:b + BATCH]):
            lines += swing_lines(seed0 + b + i, *s)
        states = run(driver, lines)
        for i in range(0, len(states) - 1, 2):
            first = states[i + 1]["game"]["frames"][0][0][0]
            results.append((states[i]["game"]["throw"], 10 if first == 12 else first))
    return results


def x_at_head_pin_row(t):
    # A straight ball from the foul line (y 375) to the head pin's row (y 71).
    return t["startX"] + (375 - 71) * math.cos(t["heading"]) / math.sin(t["heading"])


def hit_class(t):
    x = x_at_head_pin_row(t)
    if 63 <= x <= 69 or 75 <= x <= 81:
        return "pocket"
    if 70 < x < 74:
        return "nose"
    if 57 <= x <= 61 or 83 <= x <= 87:
        return "thin"
    return "elsewhere"


def main():
    driver = sys.argv[1]
    throws = int(sys.argv[2]) if len(sys.argv) > 2 else 20000
    centres = int(sys.argv[3]) if len(sys.argv) > 3 else 40
    games = int(sys.argv[4]) if len(sys.argv) > 4 else 200
    swings = [(r - s, r, h) for r in range(176, 285) for s in range(-20, 21, 2) for h in range(150, 1351, 60)
              if 176 <= r - s < 285]
    random.seed(7)
    random.shuffle(swings)
    swings = swings[:throws]
    results = bowl(driver, swings, 1000)
    count, strikes = Counter(), Counter()
    striking_pocket = []
    for s, (t, pins) in zip(swings, results):
        key = hit_class(t) + (" good" if t["speed"] >= GOOD_SPEED - 1e-9 else " slow")
        count[key] += 1
        strikes[key] += pins == 10
        if key == "pocket good" and pins == 10:
            striking_pocket.append(s)
    print(f"{len(results)} first balls at a full rack, {sum(strikes.values())} strikes")
    for key in sorted(count):
        print(f"  {key:14s} {count[key]:6d} throws {100.0 * strikes[key] / count[key]:5.1f} % strikes")

    random.shuffle(striking_pocket)
    shares = []
    for c, (p, r, h) in enumerate(striking_pocket[:centres]):
        near = [(p + dp, r + dr, h + dh) for dp in range(-2, 3) for dr in range(-2, 3) for dh in range(-20, 21, 10)]
        got = bowl(driver, near, 50000 + 1000 * c)
        shares.append((sum(pins == 10 for _, pins in got) / len(got), (p, r, h)))
    if shares:
        worst = max(shares)
        print(f"{len(shares)} striking pocket swings: their neighbourhoods strike {100 * worst[0]:.0f} % at most "
              f"(press {worst[1][0]}, release {worst[1][1]}, {worst[1][2]} ms), "
              f"{100 * sum(s for s, _ in shares) / len(shares):.0f} % on average")

    scores = []
    for g in range(0, games, 10):
        lines = ["dialog 137 click 1001 check 1000 1 ok", "menu 32779", "menu 32785"]
        for i in range(min(10, games - g)):
            lines += [f"srand {g + i + 1}", "click 400 300", "wait 1000", "answer state ok", "wait 150000"]
        scores += [s["players"][0]["score"] for s in run(driver, lines)]
    if scores:
        print(f"{len(scores)} games by the computer: average {sum(scores) / len(scores):.1f}, "
              f"best {max(scores)}, worst {min(scores)}")


if __name__ == "__main__":
    main()
