# SPDX-License-Identifier: GPL-3.0-or-later
"""The person at Air Hockey: the mallet follows the puck as seen a reaction
ago, guards the goal and strikes."""
import math

from persons.person import clamp


AIRHOCKEY = {
    "newcomer": dict(react=330, reach=9, aim=9.0),
    "regular": dict(react=280, reach=11, aim=5.0),
}
FRAME = 16  # ms between the hand's pointer moves
# The goal and match boxes name the ends as the board does, whoever sits there.
SIDE_NAMES = ("PLAYER", "COMPUTER")


def play_airhockey(d, me, seat):
    """A match to 7 with the mouse; True when the person wins, its goals and the computer's."""
    h = me.h
    seen = []  # (tick, puck x, puck y)
    mouse = [129, 347]
    error = [0.0, 0.0]
    frame = 0
    d.boxes.clear()
    for _ in range(40000):
        s = d.see()
        for box in d.boxes:
            if "Wins!" in box:
                goals = [sum(f"{side} scores" in b for b in d.boxes) for side in SIDE_NAMES]
                return f"{SIDE_NAMES[0]} Wins" in box, goals[0], goals[1]
        g = s["game"]
        if not g["playing"]:
            # After a serve: take hold of the mallet again, a person's reaction later.
            m = g["mallets"][0]
            seen.clear()
            mouse = [m["x"], m["y"]]
            d.send(f"wait {me.reaction()}", f"move {m['x']} {m['y']}", f"click {m['x']} {m['y']}", f"wait {FRAME}")
            continue
        puck, mine = g["puck"], g["mallets"][0]
        seen.append((d.tick, puck["x"], puck["y"]))
        while len(seen) > 2 and seen[1][0] <= d.tick - h["react"]:
            seen.pop(0)
        # The puck as seen a reaction ago, carried on along its run.
        (t0, x0, y0), (t1, x1, y1) = seen[0], seen[min(1, len(seen) - 1)]
        k = (d.tick - t1) / max(t1 - t0, 1)
        px, py = clamp(x1 + (x1 - x0) * k, 46, 214), clamp(y1 + (y1 - y0) * k, 24, 372)
        if py < 200:
            want = (130 + (px - 130) / 5, 372 - 24)
        elif mine["y"] > py + 8:
            want = (px, py)
        else:
            want = (px + (10 if px < 130 else -10), py + 36)
        frame += 1
        if frame % 6 == 1:
            error = [me.err(h["aim"]), me.err(h["aim"])]
        dx, dy = want[0] + error[0] - mouse[0], want[1] + error[1] - mouse[1]
        dist = math.hypot(dx, dy)
        if dist >= 1:
            f = min(1.0, h["reach"] / dist)
            mouse = [round(mouse[0] + dx * f), round(mouse[1] + dy * f)]
            d.send(f"move {mouse[0]} {mouse[1]}")
        d.send(f"wait {FRAME}")
    return False, None, None
