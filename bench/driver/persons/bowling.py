# SPDX-License-Identifier: GPL-3.0-or-later
"""The person at Bowling: the line it reads for the pins standing and its
throw down the lane; the pace of its balls by their sounds."""

from persons.person import wait_for_seat


PIN_X = [42, 62, 82, 102, 52, 72, 92, 62, 82, 72]
BOWLING = {
    "newcomer": dict(release=15.0, press=10.5, hold=600, holdsd=250, react=150),
    "regular": dict(release=9.0, press=6.3, hold=400, holdsd=100, react=80),
}


def bowling_target(standing):
    """The lane x a bowler reads: the pocket on a full rack, else the line nearest most pins."""
    if len(standing) in (0, 10):
        return 78.0
    best, first, last = -1, 0, 0
    for x in range(39, 116):
        n = sum(abs(PIN_X[i] - x) <= 13 for i in standing)
        if n > best:
            best, first, last = n, x, x
        elif n == best and x == last + 1:
            last = x
    return 0.5 * (first + last)


def play_bowling(d, me, seat):
    """A game of ten frames; True when the person wins, and the gaps between its balls and the computer's."""
    h = me.h
    d.sounds.clear()
    released = []  # when the person's balls left its hand
    d.winner = None
    while True:
        s = wait_for_seat(d, seat, 3000, 100)
        g = s["game"]
        if d.winner:
            balls = [(t, any(abs(t - r) < 100 for r in released)) for t, i in d.sounds if i == BALL_ROLLS]
            totals = [p["score"] for p in s["players"][:2]]
            return (d.winner == f"Player{seat + 1}", ball_gaps(balls, True), ball_gaps(balls, False), totals[seat],
                    totals[1 - seat])
        if g["rolling"]:
            d.send("wait 100")
            continue
        standing = [i for i, p in enumerate(g["pins"]) if not p["hit"]]
        x = 176 + (bowling_target(standing) - 33) * 109 / 88
        release = x + me.err(h["release"])
        press = release + me.err(h["press"])
        hold = max(120, round(h["hold"] + me.err(h["holdsd"])))
        d.send(f"wait {me.reaction()}")
        d.see()
        released.append(d.tick + hold)
        me.drag(d, min(max(round(press), 176), 284), 385, min(max(round(release), 176), 284), 230, hold)
        d.send("wait 500")


BALL_ROLLS = 367  # the sound of a ball set rolling


def ball_gaps(balls, mine):
    """The time between one side's balls that follow each other (a frame's two balls)."""
    return [b[0] - a[0] for a, b in zip(balls, balls[1:]) if a[1] == mine and b[1] == mine and b[0] - a[0] < 10000]
