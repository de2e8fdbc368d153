#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Two headless programs play in one room of a real room server on
127.0.0.1: a whole game of Darts, turns of Pool, and a Darts game whose
mover is killed mid-turn and comes back. Both transcripts must end in the
same state: the game, the scores and whose turn it is."""
import json
import math
import sys

from online_harness import Driver, Server

GAME_NEW = {"darts": "menu 32786", "pool": "menu 32788"}
TRAY_X = (249, 279, 309)


def table(state_json):
    """What must agree between the machines: the game and the seats' scores."""
    state = json.loads(state_json)
    return {"screen": state["screen"], "current": state["current"], "inProgress": state["inProgress"],
            "scores": [p["score"] for p in state["players"]], "game": state["game"]}


TWO_PLAYERS = "dialog 137 click 1002 ok"


def open_room(server, headless, game, settings_a=(), settings_b=(), players_a=TWO_PLAYERS):
    ann, bob = Driver(headless, "ann"), Driver(headless, "bob")
    for driver, settings, players in ((ann, settings_a, players_a), (bob, settings_b, TWO_PLAYERS)):
        driver.send("epoch 1700000000", *settings, "start", "wait 5000", players, "menu 32779", GAME_NEW[game])
    ann.send(f"online host {server.address} Ann")
    code = ann.until(r"online room (\S+) seat 0").group(1)
    bob.send(f"online join {server.address} {code} Bob")
    bob.until(r"online room \S+ seat 1")
    ann.send("online wait seats", "online start", "online wait started")
    bob.send("online wait started")
    return ann, bob


def throw(dart, x, y):
    return [f"click {TRAY_X[dart]} 320", "move 266 365", "down 266 365", "wait 300", f"up {x} {y}", "wait 1000"]


def darts_turn(targets):
    lines = []
    for dart, (x, y) in enumerate(targets):
        lines += throw(dart, x, y)
    return lines + ["wait 2000"]


TREBLE_20, OUTER_BULL, SINGLE_1 = (266, 79), (266, 133), (275, 112)


def play_darts(mover, watcher, targets, turns):
    """One turn of three darts; both machines wait until it has ended on theirs
    (turns=0: the game's last turn)."""
    wait = f"online wait turns {turns}" if turns > 0 else "online wait over"
    mover.send(*darts_turn(targets), wait)
    watcher.send(wait)


def settings_lines(driver):
    driver.send("settings", "state")
    lines = []
    while True:
        line = driver.until(r"\] (setting .*|state .*)").group(1)
        if line.startswith("state "):
            return lines
        lines.append(line)


def check_own_records(ann, bob):
    """Each machine's statistics keep its own player only (names in hexadecimal)."""
    for driver, own, other in ((ann, "416E6E", "426F62"), (bob, "426F62", "416E6E")):
        records = [line for line in settings_lines(driver) if '"Statistics"' in line]
        if not any(f"_{own} " in line for line in records) or any(f"_{other} " in line for line in records):
            raise AssertionError(f"{driver.out.name} keeps other records than its own: {records}")


def check_same(ann, bob):
    a, b = table(ann.state()), table(bob.state())
    if a != b:
        raise AssertionError(f"the machines disagree:\nann {a}\nbob {b}")
    return a


def darts(server, headless):
    ann, bob = open_room(server, headless, "darts")
    play_darts(ann, bob, [TREBLE_20] * 3, 1)
    play_darts(bob, ann, [OUTER_BULL] * 3, 2)
    play_darts(ann, bob, [TREBLE_20, TREBLE_20, SINGLE_1], 0)
    end = check_same(ann, bob)
    assert end["scores"][:2] == [0, 226], end["scores"]
    assert not end["inProgress"]
    check_own_records(ann, bob)
    return ann, bob


def pool_shot(state_json):
    """A firm shot from the cue ball at the nearest ball on the table."""
    balls = json.loads(state_json)["game"]["balls"]
    cue = balls[0]
    target = min((b for b in balls[1:] if b["onTable"]),
                 key=lambda b: math.hypot(b["x"] - cue["x"], b["y"] - cue["y"]))
    dx, dy = cue["x"] - target["x"], cue["y"] - target["y"]
    length = math.hypot(dx, dy) or 1.0
    ux, uy = dx / length, dy / length
    near = (round(cue["x"] + ux * 20), round(cue["y"] + uy * 20))
    far = (round(cue["x"] + ux * 45), round(cue["y"] + uy * 45))
    return [f"down {near[0]} {near[1]}", f"move {far[0]} {far[1]}", f"up {far[0]} {far[1]}", "wait 15000"]


def pool(server, headless, turns=6):
    ann, bob = open_room(server, headless, "pool")
    ann.send("down 451 192", "move 471 192", "move 481 192", "up 481 192", "wait 15000")
    for turn in range(turns):
        for driver in (ann, bob):
            driver.send(f"online wait turns {turn + 1}")
        state = json.loads(ann.state())
        mover = ann if state["current"] == 0 else bob
        check_same(ann, bob)
        mover.send(*pool_shot(mover.state()))
    return ann, bob


def rejoin(server, headless, answer="yes"):
    ann, bob = open_room(server, headless, "darts")
    play_darts(ann, bob, [TREBLE_20] * 3, 1)
    # Bob throws one dart of his turn, then his program is lost.
    bob.send(*throw(0, *OUTER_BULL))
    kept = settings_lines(bob)
    bob.kill()
    ann.send("online wait away", "online wait turns 2")
    # Started again with what it kept, it comes back to its seat and plays the
    # turn again from the room's game, whether or not its player took up the
    # kept game when asked.
    bob = Driver(headless, "bob again")
    bob.send("epoch 1700000000", *kept, f"answer {answer}", "start", "wait 5000", "online rejoin")
    bob.until(r"online room \S+ seat 1")
    bob.send("online wait started")
    # The program started again counts turns from its return.
    bob.send(*darts_turn([OUTER_BULL] * 3), "online wait turns 1")
    check_same(ann, bob)
    play_darts(ann, bob, [TREBLE_20, TREBLE_20, SINGLE_1], 0)
    end = check_same(ann, bob)
    # Ann checks out; Bob's turn played again counted on both machines alike.
    assert end["scores"][0] == 0 and 0 < end["scores"][1] < 301, end["scores"]
    return ann, bob


def modal(server, headless):
    ann, bob = open_room(server, headless, "darts")
    # Bob reads the About box while Ann plays her turn: behind it his table
    # stands still, but what comes from the room is taken in, and his table
    # plays her turn once the box is closed.
    bob.send("dialog 100 wait 10000 ok", "menu 57664")
    bob.until(r"dialog 100 opened")
    ann.send(*darts_turn([TREBLE_20] * 3), "online wait turns 1")
    ann.until(r"online turn sent")
    bob.until(r"dialog 100 closed")
    bob.send("online wait turns 1")
    check_same(ann, bob)
    play_darts(bob, ann, [OUTER_BULL] * 3, 2)
    check_same(ann, bob)
    return ann, bob


COMPUTER_SEAT = "dialog 137 click 1003 check 1006 1 ok"


def computer(server, headless):
    """Ann, Bob and the computer: every machine shows the computer's throws."""
    ann, bob = open_room(server, headless, "darts", players_a=COMPUTER_SEAT)
    for turn in range(2):
        play_darts(ann, bob, [TREBLE_20] * 3, 3 * turn + 1)
        play_darts(bob, ann, [OUTER_BULL] * 3, 3 * turn + 2)
        for driver in (ann, bob):
            driver.send(f"online wait turns {3 * turn + 3}")
        end = check_same(ann, bob)
        assert end["scores"][2] < 301, end["scores"]
    return ann, bob


def handover(server, headless):
    ann, bob = open_room(server, headless, "darts")
    play_darts(ann, bob, [TREBLE_20] * 3, 1)
    bob.state()
    bob.kill()
    # Bob is gone for good: Ann gives his seat to the computer, which her
    # machine plays from the start of his turn on her click.
    ann.send("online wait away", "online handover 1", "online wait myturn", "wait 100", "click 300 200",
             "online wait turns 2", "state")
    state = json.loads(ann.until(r"\] state (\{.*\})$").group(1))
    assert state["players"][1]["computer"], state["players"][1]
    assert state["current"] == 0 and state["players"][1]["score"] < 301, state["players"]
    return (ann,)


def main():
    server_exe, headless, which = sys.argv[1:4]
    server = Server(server_exe)
    drivers = ()
    try:
        tests = {"darts": darts, "pool": pool, "rejoin": rejoin, "handover": handover, "modal": modal,
                 "computer": computer,
                 "rejoin_after_no": lambda s, h: rejoin(s, h, "no")}
        drivers = tests[which](server, headless)
        # The same program on both sides plays the same input the same way: no
        # turn's record had to correct the other machine (only a lost mover's
        # half turn may).
        drifts = sum(driver.drifts() for driver in drivers)
        if which in ("darts", "pool", "modal", "computer") and drifts:
            raise AssertionError(f"{drifts} turn(s) went another way on the watching machine")
        for driver in drivers:
            driver.quit()
    finally:
        for driver in drivers:
            if driver.proc.poll() is None:
                driver.kill()
        server.stop()
    print(f"online {which}: passed")


if __name__ == "__main__":
    main()
