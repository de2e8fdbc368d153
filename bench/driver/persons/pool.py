# SPDX-License-Identifier: GPL-3.0-or-later
"""The person at Pool through the driver: it reads the balls and the groups
from the state dump, puts the cue ball down in the kitchen when it is in
hand, calls the pocket on the 8 and drags the cue back at a hand's speed."""
import math

from persons.pool_aim import CALL, MOUTHS, pots, plan, stroke

KIND = ['cue'] + ['solid'] * 7 + ['eight'] + ['stripe'] * 7
GROUP = {0: 'solid', 1: 'stripe'}
HEAD_STRING = 411  # the kitchen lies to the right of it
VIEW = (601, 400)  # the playfield's last pixel
DRAG_STEPS, STEP_MS = 8, 40


def table_of(state):
    """The balls on the table as (x, y, kind), away from the pockets' mouths."""
    return [(b["x"], b["y"], KIND[n]) for n, b in enumerate(state["game"]["balls"]) if b["onTable"] and
            all(math.hypot(b["x"] - m[0], b["y"] - m[1]) > 13 for m in MOUTHS)]


def group_of(state, seat):
    game = state["game"]
    group = GROUP.get(game["group"][seat], 'open')
    if group == 'open':
        return group
    left = [n for n, b in enumerate(game["balls"]) if b["onTable"] and KIND[n] == group]
    return group if left else 'eight'


def out_of_kitchen(ghost, ball):
    """From the kitchen the cue ball must cross the head string before it meets a ball."""
    return ghost[0] < HEAD_STRING - 8 and ball[0] < HEAD_STRING - 8


def kitchen_spot(table, group):
    """Where in the kitchen the cue ball has the best pot, or the middle of it."""
    others = [b for b in table if b[2] != 'cue']
    best = (-1.0, (450, 192))
    for x in (425, 450, 475):
        for y in range(110, 280, 14):
            if any(math.hypot(x - b[0], y - b[1]) < 16 for b in others):
                continue
            found = pots([(x, y, 'cue')] + others, group, out_of_kitchen)
            if found and found[0][0] > best[0]:
                best = (found[0][0], (x, y))
    return best[1]


def within_view(cue, end):
    """The release kept on the playfield: a shorter drag along the same line."""
    t = 1.0
    for axis in (0, 1):
        d = end[axis] - cue[axis]
        if d > 0 and end[axis] > VIEW[axis]:
            t = min(t, (VIEW[axis] - cue[axis]) / d)
        elif d < 0 and end[axis] < 0:
            t = min(t, -cue[axis] / d)
    return cue[0] + (end[0] - cue[0]) * t, cue[1] + (end[1] - cue[1]) * t


def drag_lines(start, end):
    """Press, draw the cue back over DRAG_STEPS moves, let go."""
    sx, sy = round(start[0]), round(start[1])
    lines = [f"move {sx} {sy}", f"down {sx} {sy}"]
    for k in range(1, DRAG_STEPS + 1):
        t = k / DRAG_STEPS
        x, y = round(start[0] + (end[0] - start[0]) * t), round(start[1] + (end[1] - start[1]) * t)
        lines += [f"wait {STEP_MS}", f"move {x} {y}"]
    return lines + [f"up {x} {y}"]


def shot_lines(state, seat, rng, aim_sd, placed=False):
    """The mouse input of one shot for the seat on turn: the cue ball put down
    if it is in hand, the pocket called on the 8, the stroke. placed: the cue
    ball lies in the kitchen where it was put, and must leave it first."""
    game = state["game"]
    group = group_of(state, seat)
    table, place = table_of(state), []
    if not game["balls"][0]["onTable"]:
        x, y = kitchen_spot(table, group)
        place = [f"click {x} {y}"]
        table = [(x, y, 'cue')] + table
        placed = True
    planned = plan(table, group, out_of_kitchen if placed else lambda ghost, ball: True)
    cue = next(b for b in table if b[2] == 'cue')
    # Nothing to play from the kitchen: a firm shot up the table off the far cushion.
    target, run, pocket = planned or ((cue[0] - 200, cue[1] + rng.uniform(-60, 60)), 300, 0)
    # On the 8 the pocket is called before anything else, the cue ball put down too.
    call = ["click {} {}".format(*CALL[pocket])] if group == 'eight' and not game["pocketCalled"] else []
    start, end = stroke(cue[:2], target, run, rng, aim_sd)
    return call + place + drag_lines(start, within_view(cue[:2], end))
