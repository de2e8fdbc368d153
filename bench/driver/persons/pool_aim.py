# SPDX-License-Identifier: GPL-3.0-or-later
"""The pot a club player sees on a Pool table, and the stroke that plays it.

A table is a list of balls (x, y, kind) in table pixels, kind one of 'cue',
'solid', 'stripe', 'eight'; a group is 'open', 'solid', 'stripe' or 'eight'
(the player's group is cleared). The person takes the straightest cut with
clear lines, and hits the nearest legal ball full when there is none. The
real-window person finds the balls on the screen; the driver's person reads
them from the state dump.
"""
import math

MOUTHS = [(92, 90), (299.5, 90), (509, 90), (509, 295), (299.5, 295), (92, 295)]
CALL = [(89, 87), (299, 82), (509, 87), (509, 297), (299, 301), (89, 297)]
BALL = 14  # diameter: two balls touch when their centres are this close
POWER_PER_PIXEL = 0.05  # of the drag back from the cue ball
MOST_POWER = 7.0


def seg_dist(p, a, b):
    ax, ay = a
    bx, by = b
    px, py = p
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0 if length2 == 0 else max(0, min(1, ((px - ax) * dx + (py - ay) * dy) / length2))
    return math.hypot(ax + t * dx - px, ay + t * dy - py)


def kind_ok(kind, group):
    if group == 'open':
        return kind in ('solid', 'stripe')
    if group == 'eight':
        return kind == 'eight'
    return kind == group


def pots(table, group, allowed=lambda ghost, ball: True):
    """Every clean pot of a legal ball, best first: (score, ghost, run, pocket)."""
    cue = next(b for b in table if b[2] == 'cue')
    others = [b for b in table if b[2] != 'cue']
    found = []
    for b in others:
        if not kind_ok(b[2], group):
            continue
        for k, m in enumerate(MOUTHS):
            vx, vy = m[0] - b[0], m[1] - b[1]
            d2 = math.hypot(vx, vy)
            ux, uy = vx / d2, vy / d2
            g = (b[0] - BALL * ux, b[1] - BALL * uy)
            wx, wy = g[0] - cue[0], g[1] - cue[1]
            d1 = math.hypot(wx, wy)
            if d1 < 1 or not allowed(g, b):
                continue
            cut = math.degrees(math.acos(max(-1, min(1, (wx * ux + wy * uy) / d1))))
            if cut > 70:
                continue
            if any(seg_dist(o[:2], cue[:2], g) < BALL for o in others if o is not b):
                continue
            if any(seg_dist(o[:2], b[:2], m) < BALL for o in others if o is not b):
                continue
            found.append((math.cos(math.radians(cut)) ** 2 / (1 + (d1 + d2) / 300), g, d1 + d2, k))
    found.sort(key=lambda pot: -pot[0])
    return found


def plan(table, group, allowed=lambda ghost, ball: True):
    """Where to send the cue ball, how far the balls run and the pocket: the
    best pot, or the nearest legal ball hit full; None with no ball to play."""
    cue = next((b for b in table if b[2] == 'cue'), None)
    if cue is None:
        return None
    best = pots(table, group, allowed)
    if best:
        return best[0][1], best[0][2], best[0][3]
    others = [b for b in table if b[2] != 'cue' and allowed(b[:2], b)]
    legal = [b for b in others if kind_ok(b[2], group)] or others
    if not legal:
        return None
    b = min(legal, key=lambda o: math.hypot(o[0] - cue[0], o[1] - cue[1]))
    return (b[0], b[1]), 250, 0


def power_for(run):
    """Harder for a longer run, as a player judges it."""
    return min(MOST_POWER, 2.6 + run / 110)


def stroke(cue, target, run, rng, aim_sd):
    """The press (just behind the cue ball) and the release of the drag back
    that sends the cue ball at target, with a hand's errors of aim (degrees)
    and of length (6 %)."""
    angle = math.atan2(target[1] - cue[1], target[0] - cue[0]) + math.radians(rng.gauss(0, aim_sd))
    pull = power_for(run) / POWER_PER_PIXEL * (1 + rng.gauss(0, 0.06))
    end = (cue[0] - pull * math.cos(angle), cue[1] - pull * math.sin(angle))
    start = (cue[0] - 12 * math.cos(angle), cue[1] - 12 * math.sin(angle))
    return start, end
