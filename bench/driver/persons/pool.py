# SPDX-License-Identifier: GPL-3.0-or-later
"""The person at Pool through the driver: it reads the balls and the groups
from the state dump, puts the cue ball down in the kitchen when it is in
hand, calls the pocket on the 8 and drags the cue back at a hand's speed.
Its cue strays as the tests' people's do: the newcomer 1.7 degrees, the
regular 0.6."""
import math

from persons.person import wait_for_seat
from persons.pool_aim import CALL, pots, plan, stroke

POOL = {
    "newcomer": dict(aim=1.7, react=150),
    "regular": dict(aim=0.6, react=80),
}

KIND = ['cue'] + ['solid'] * 7 + ['eight'] + ['stripe'] * 7
GROUP = {0: 'solid', 1: 'stripe'}
HEAD_STRING = 411  # the kitchen lies to the right of it
VIEW = (601, 400)  # the playfield's last pixel
DRAG_STEPS, STEP_MS = 8, 40


def table_of(state):
    """The balls on the table as (x, y, kind)."""
    return [(b["x"], b["y"], KIND[n]) for n, b in enumerate(state["game"]["balls"]) if b["onTable"]]


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
    """A free spot in the kitchen with the best pot from it, or the free spot
    nearest its middle."""
    others = [b for b in table if b[2] != 'cue']
    free = [(x, y) for x in (425, 450, 475) for y in range(110, 280, 14)
            if all(math.hypot(x - b[0], y - b[1]) >= 16 for b in others)] or [(450, 192)]
    best = (-1.0, min(free, key=lambda p: math.hypot(p[0] - 450, p[1] - 192)))
    for x, y in free:
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


def at_rest(d, settled=lambda s: True, limit=200):
    """Waits until the balls have stopped and settled(state) holds (a shot is
    cut off after a minute); the state then, or the last one seen."""
    for _ in range(limit):
        s = d.see()
        if not s["game"]["moving"] and settled(s):
            return s
        d.send("wait 500")
    return s


def balls_on_table(s):
    return sum(b["onTable"] for b in s["game"]["balls"][1:])


def play_pool(d, me, seat, most_shots=200):
    """A rack against the computer; True when the person wins, and its shots and the balls they potted."""
    shots = potted = 0
    placed = False
    while shots < most_shots:
        s = at_rest(d)
        if s["current"] != seat and not s["game"]["gameOver"]:
            s = wait_for_seat(d, seat, 600, 500)
        if s["game"]["gameOver"]:
            # The status line names the shooter first: "Ann Wins!", "Ann ... loses".
            shooter = s["status"].startswith(s["players"][seat]["name"] + " ")
            return shooter == ("Wins!" in s["status"]), shots, potted
        before = balls_on_table(s)
        d.statuses.clear()
        d.send(f"wait {me.reaction()}", *shot_lines(s, seat, me.rng, me.h["aim"], placed), "wait 500")
        s = at_rest(d)
        # A shot refused from the kitchen is played again from where the cue ball lies.
        placed = any(text.startswith("Illegal shot") for text in d.statuses)
        shots += not placed
        potted += before - balls_on_table(s)
    return False, shots, potted
