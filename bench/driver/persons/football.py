# SPDX-License-Identifier: GPL-3.0-or-later
"""The person at Football: the hole it goes for, its lean against the
ball's drift and the pace of its throw."""
import math


SMALL, LARGE = (194, 127), (227, 92)
FOOTBALL = {
    "newcomer": dict(small=0.5, aim=8.5, early=-150, tsd=200, lean=0.6, leansd=0.3, react=150),
    "regular": dict(small=1.0, aim=7.0, early=50, tsd=100, lean=0.85, leansd=0.15, react=80),
}


def drag_angle(press, release):
    return int(math.atan2(release[0] - press[0], press[1] - release[1]) / math.pi * 180)


def football_pass(d, me, zone):
    h = me.h
    hole = SMALL if me.rng.random() < h["small"] else LARGE
    press = (zone[0] + me.rng.randrange(5, 34), zone[1] + me.rng.randrange(4, 20))
    lean = h["lean"] + me.err(h["leansd"])
    ms = max(120, round(600 - h["early"] + me.err(h["tsd"])))
    aim = (hole[0], hole[1] - round(lean * h["early"] / 50))
    x = aim[0]
    for _ in range(3):
        x = aim[0] - round(lean * drag_angle(press, (x, aim[1])))
    release = (min(max(round(x + me.err(h["aim"])), 156), 267), min(max(round(aim[1] + me.err(h["aim"])), 55), 205))
    me.drag(d, press[0], press[1], release[0], release[1], ms)


def play_football(d, me, seat):
    """One game to 28; True when the person wins, and the computer's (passes, misses)."""
    passes = misses = 0
    idle = 0
    computer = passed = False
    while True:
        s = d.see()
        g, players = s["game"], s["players"]
        # The status line tells each pass: the computer's come after it is named
        # to play, and its turn is over when the person has thrown again.
        if passed:
            computer, passed = False, False
        for text in d.statuses:
            if text.startswith("Computer ("):
                computer = True
            elif text == "Begin Pass":
                computer = False
            elif computer and text.startswith("Pass"):
                passes += 1
                misses += "Incomplete" in text
            elif computer and "ntercept" in text:
                passes += 1
                misses += 1
        d.statuses.clear()
        if g["gameOver"]:
            won = players[seat]["score"] > players[1 - seat]["score"]
            d.send(f"wait {me.reaction()}", "click 300 320", "wait 500")
            return won, passes, misses
        if s["current"] != seat:
            idle += 1
            # The computer's first turn waits for a click on the board.
            d.send("click 450 350" if idle % 3 == 0 else "wait 1500")
            continue
        idle = 0
        d.send(f"wait {me.reaction()}", "move 160 236", f"wait {me.reaction()}", "click 160 236", "wait 300")
        zone = d.see()["game"]["zone"]
        d.send(f"wait {me.reaction()}")
        d.statuses.clear()
        football_pass(d, me, zone)
        passed = True
        d.send("wait 4000")
