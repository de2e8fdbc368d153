# SPDX-License-Identifier: GPL-3.0-or-later
"""The person at Darts: where it aims for what is left in 301, each dart
thrown with a drag and watched landing; the pace of the darts by their
sounds."""
import math

from persons.person import wait_for_seat


AIM_POSITIONS = [0, 4, 14, 16, 2, 6, 11, 18, 20, 8, 12, 10, 7, 1, 9, 13, 19, 15, 3, 17, 5]
DARTS = {
    "newcomer": dict(release=20.0, press=15.0, timing=90.0, trebles=False, react=150),
    "regular": dict(release=12.0, press=9.0, timing=45.0, trebles=True, react=80),
}
LANDING_SOUNDS = (324, 325)  # a miss, a hit


def board_point(number, radius):
    """The middle of a number's bed at a radius, as the game's targets are."""
    pos = AIM_POSITIONS[number]
    degrees = 18 * pos if pos < 11 else -(18 * pos - 198)
    a = math.radians(degrees)
    return int(math.cos(a) * radius) + 266, int(math.sin(a) * -radius) + 141


def dart_target(remaining, trebles):
    """Where a person aims in 301: the regular plays the finish as a darts player does."""
    if not trebles or remaining <= 20:
        return board_point(20 if remaining > 20 or remaining < 1 else remaining, 38)
    if remaining >= 60:
        return board_point(20, 65)
    if remaining in (25, 50):
        return (266, 149) if remaining == 25 else (266, 141)
    if remaining % 3 == 0:
        return board_point(remaining // 3, 65)
    if remaining % 2 == 0 and remaining <= 40:
        return board_point(remaining // 2, 97)
    return board_point(20 if remaining > 40 else remaining - 20, 38)


def darts_turn(d, me, s, seat):
    h = me.h
    for k in range(3):
        if s["current"] != seat or s["game"]["gameOver"] or d.winner:
            return s
        x, y = dart_target(s["players"][seat]["score"], h["trebles"])
        release = (round(x + me.err(h["release"])), round(y + me.err(h["release"])))
        press = (min(max(round(release[0] + me.err(h["press"])), 156), 381), 365)
        ms = max(50, round(300 + me.err(h["timing"])))
        slot = s["game"]["dartsThrown"]
        d.send(f"wait {me.reaction()}", f"click {249 + 30 * slot} 320", f"wait {me.reaction()}")
        me.drag(d, press[0], press[1], min(max(release[0], 129), 406), min(max(release[1], 4), 281), ms)
        s = watch_flight(d, seat, slot)
    return s


def watch_flight(d, seat, slot):
    """The person watches the dart land before it picks the next: the tray has one dart fewer, or the turn is over."""
    d.send("wait 480")
    for _ in range(20):
        s = d.see()
        if s["game"]["dartsThrown"] != slot or s["current"] != seat or s["game"]["gameOver"] or d.winner:
            return s
        d.send("wait 100")
    return s


def play_darts(d, me, seat):
    """A 301 game; True when the person wins, and the gaps between its darts and the computer's."""
    d.sounds.clear()
    mine, theirs = [], []
    d.winner = None
    while True:
        s = wait_for_seat(d, seat)
        theirs += d.sounds
        d.sounds.clear()
        # The next game is started afresh from the menu.
        if d.winner:
            left = [p["score"] for p in s["players"][:2]]
            points = [301 - left[seat], 301 - left[1 - seat]]
            darts = [landings(mine), landings(theirs)]
            return d.winner == f"Player{seat + 1}", landing_gaps(mine), landing_gaps(theirs), points, darts
        s = darts_turn(d, me, s, seat)
        mine += d.sounds
        d.sounds.clear()


def landings(sounds):
    return sum(i in LANDING_SOUNDS for _, i in sounds)


def landing_gaps(sounds):
    """The time between darts landing within a turn (the other side's turn takes longer)."""
    ticks = [t for t, i in sounds if i in LANDING_SOUNDS]
    return [b - a for a, b in zip(ticks, ticks[1:]) if b - a < 3000]
