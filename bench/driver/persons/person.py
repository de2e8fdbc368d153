# SPDX-License-Identifier: GPL-3.0-or-later
"""A model of a person at the mouse: its hand's errors, its reaction time,
a drag at a hand's speed, and its wait while the other side plays."""


FOLLOW_WAIT = 20  # ms between pointer moves in a drag


class Person:
    def __init__(self, rng, hand):
        self.rng, self.h = rng, hand

    def err(self, sd):
        return self.rng.gauss(0.0, sd)

    def reaction(self):
        return 250 + int(abs(self.err(self.h["react"])))

    def drag(self, d, x0, y0, x1, y1, ms):
        """Press at (x0, y0), move to (x1, y1) over ms, release there."""
        lines = [f"move {x0} {y0}", f"down {x0} {y0}"]
        steps = max(1, ms // FOLLOW_WAIT)
        for k in range(1, steps + 1):
            t = k / steps
            # The waits add up to ms exactly: a drag's time is what the hand meant.
            wait = ms * k // steps - ms * (k - 1) // steps
            lines += [f"wait {wait}", f"move {round(x0 + (x1 - x0) * t)} {round(y0 + (y1 - y0) * t)}"]
        lines += [f"up {x1} {y1}"]
        d.send(*lines)


def clamp(v, lo, hi):
    return max(lo, min(hi, v))


def wait_for_seat(d, seat, limit=600, step=200):
    """Waits out the computer's turn (a click starts a game's first one); the last state."""
    for _ in range(limit):
        s = d.see()
        if d.winner or s["game"]["gameOver"] or s["current"] == seat and not s["game"].get("rolling"):
            return s
        prompt = d.statuses and d.statuses[-1].startswith("Click mouse to start")
        d.send("click 300 200" if prompt else f"wait {step}")
        d.statuses.clear()
    return d.see()
