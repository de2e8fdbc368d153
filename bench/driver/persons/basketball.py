# SPDX-License-Identifier: GPL-3.0-or-later
"""The person at Basketball: shots from the rack at the board, against the
clock, and the computer's turn watched out."""
import math


RACK = [(145, 236), (179, 236), (213, 236), (247, 236)]
# Where along the board a ball from each rack spot drops, for the board's x:
# a regular has learnt it (the middle of the band of scoring aims).
AIM_AT_147 = [174.0, 182.0, 191.7, 200.0]
AIM_PER_BOARD_PIXEL = 0.73
BASKETBALL = {
    "newcomer": dict(aim=7.0, moving=6.0, hold=500, holdsd=200, cycle=1600, cyclesd=300, react=150),
    "regular": dict(aim=4.5, moving=4.0, hold=550, holdsd=100, cycle=1250, cyclesd=150, react=80),
}


def basketball_turn(d, me):
    """The person's Timed turn: shots until the clock runs out; its points and shots."""
    h = me.h
    for _ in range(10):  # a click starts the turn once the pause before it is over
        d.send(f"wait {me.reaction()}", "click 400 300", "wait 300")
        if d.see()["game"]["turnRunning"]:
            break
        d.send("wait 700")
    points = shots = 0
    next_shot = 0
    while True:
        s = d.see()
        g = s["game"]
        if not g["turnRunning"] or s["current"] != me.seat:
            return points, shots
        points = g["points"]
        # The hand is still on its way back from the last shot.
        if d.tick < next_shot:
            d.send(f"wait {next_shot - d.tick}")
            continue
        racked = [i for i, b in enumerate(g["balls"]) if b["state"] == 0]
        if not racked:
            d.send("wait 100")
            continue
        i = racked[0]
        board = g["boardX"]
        # A sliding board is aimed at where it is on average, give or take.
        moving = g["time"] <= 7
        bx = 162 if moving else board
        spread = math.hypot(h["aim"], h["moving"]) if moving else h["aim"]
        x = round(AIM_AT_147[i] + AIM_PER_BOARD_PIXEL * (bx - 147) + me.err(spread))
        y = round(40 + me.err(3 * spread))
        hold = max(150, round(h["hold"] + me.err(h["holdsd"])))
        cycle = max(700, round(h["cycle"] + me.err(h["cyclesd"])))
        rx, ry = RACK[i]
        next_shot = d.tick + cycle
        me.drag(d, rx, ry, min(max(x, 132), 267), min(max(y, 0), 177), hold)
        shots += 1
        d.send("wait 250")


def computer_turn(d, seat):
    """Waits out the computer's turn (started with a click if it waits for one); its points."""
    points, started = 0, False
    for _ in range(60):
        s = d.see()
        g = s["game"]
        if g["turnRunning"] and s["current"] != seat:
            started = True
            points = g["points"]
        elif started or s["current"] == seat or any("winner" in m for m in d.boxes):
            return points
        d.send("click 400 300" if not started else "wait 1000", "wait 1000")
    return points


def play_basketball(d, me, seat):
    """One Timed game of two turns; True when the person wins, and both sides' points and the person's shots."""
    me.seat = seat
    d.boxes.clear()
    mine = theirs = shots = 0
    if seat == 1:
        theirs = computer_turn(d, seat)
    mine, shots = basketball_turn(d, me)
    if seat == 0:
        d.send("wait 2000")
        theirs = computer_turn(d, seat)
    d.send("wait 2000")
    d.see()
    # The first seat keeps the lead on a tie; nobody wins at 0.
    won = mine > theirs or (mine == theirs and seat == 0 and mine > 0)
    return won, mine, theirs, shots
