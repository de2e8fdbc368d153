#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Two headless programs play in one room of a real room server on
127.0.0.1: a whole game of Darts, a whole rack of Pool, a Darts game whose
mover is killed mid-turn and comes back, and a match of Air Hockey played in
real time. Both transcripts must end in the same state: the game, the scores
and whose turn it is."""
import json
import os
import random
import sys

from online_harness import TWO_PLAYERS, Driver, run_with_server
from online_harness import open_room as harness_open_room
from persons.pool import POOL, at_rest, shot_lines  # the bench's Pool person, on the harness's path

GAME_NEW = {"darts": "menu 32786", "pool": "menu 32788", "airhockey": "menu 32783"}
TRAY_X = (249, 279, 309)


def table(state_json):
    """What must agree between the machines: the game and the seats' scores."""
    state = json.loads(state_json)
    return {"screen": state["screen"], "current": state["current"], "inProgress": state["inProgress"],
            "scores": [p["score"] for p in state["players"]], "game": state["game"]}


def open_room(server, headless, game, settings_a=(), settings_b=(), players_a=TWO_PLAYERS):
    return harness_open_room(server, headless, GAME_NEW[game], (players_a, TWO_PLAYERS), (settings_a, settings_b))


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


# Both seats are played by the bench's regular Pool person, seeded: the same
# seed plays the same rack. The default one is a long rack (33 shots today)
# won on the 8, with the cue ball in hand now and then on the way.
POOL_AIM_SD = POOL["regular"]["aim"]
POOL_SEED = int(os.environ.get("QUINTARO_ONLINE_POOL_SEED", "5"))
MOST_SHOTS = 150


def turn_told(seat, turns):
    """Balls at rest are not all: a turn that passed has gone out to the room,
    and at the rack's end the result has been told and the last turn sent."""
    def told(state):
        if state["game"]["gameOver"]:
            return not state["online"]["playing"]
        return state["current"] == seat or state["online"]["turns"] > turns
    return told


def pool_shot(mover, seat, rng, turns):
    """The seat on turn plays a shot on its machine (a shot refused from the
    kitchen, where the cue ball must cross the head string first, is played
    again) and waits until it is over; the state then."""
    placed, told = False, turn_told(seat, turns)
    for _ in range(5):
        state = mover.see()
        mover.statuses.clear()
        mover.send(*shot_lines(state, seat, rng, POOL_AIM_SD, placed), "wait 500")
        state = at_rest(mover, told)
        if not told(state) or state["game"]["moving"]:
            raise AssertionError(f"{mover.name}: the shot never ended")
        if not any(text.startswith("Illegal shot") for text in mover.statuses):
            return state
        placed = True
    raise AssertionError(f"{mover.name}: every shot from the kitchen was refused")


def pool_turn(mover, seat, rng, turns):
    """Shots until the seat's turn passes or the rack is over; how many."""
    for shots in range(1, MOST_SHOTS + 1):
        state = pool_shot(mover, seat, rng, turns)
        if state["game"]["gameOver"] or state["online"]["turns"] > turns:
            return shots
    raise AssertionError(f"{mover.name}: the turn did not pass in {MOST_SHOTS} shots")


def take_up(watcher, turns):
    """The watcher plays the turn as its input arrives, on virtual time (the
    wait for the network's first message passes quickly there too), and takes
    the mover's record up; a network slower still is waited for in real time."""
    for _ in range(3000):
        if watcher.see()["online"]["turns"] >= turns:
            return
        watcher.send("wait 200")
    watcher.send(f"online wait turns {turns}")


def pool(server, headless, seed=POOL_SEED):
    """A whole rack: each seat shoots on its own machine and the other takes
    the turn up; both tables agree after every turn and at the end."""
    ann, bob = open_room(server, headless, "pool")
    seats, rng = (ann, bob), random.Random(seed)
    shots = turns = 0
    while shots < MOST_SHOTS:
        seat = ann.see()["online"]["turnSeat"]
        mover, watcher = seats[seat], seats[1 - seat]
        shots += pool_turn(mover, seat, rng, turns)
        turns += 1
        # The turn that ends the rack reaches the other machine too.
        take_up(watcher, turns)
        end = check_same(ann, bob)
        if end["game"]["gameOver"]:
            break
    else:
        raise AssertionError(f"the rack was not over after {shots} shots")
    states = [driver.see() for driver in seats]
    said = [state["status"] for state in states]
    if said[0] != said[1] or not any(word in said[0].lower() for word in ("wins", "lose")):
        raise AssertionError(f"the rack ended otherwise on the two machines: {said}")
    if any(state["online"]["playing"] for state in states):
        raise AssertionError("a machine still plays the rack that is over")
    left = [n for n, b in enumerate(end["game"]["balls"]) if b["onTable"]]
    print(f"online pool: seed {seed}, {shots} shots in {turns} turns, {said[0]!r}, balls on the table {left}, "
          f"{ann.drifts() + bob.drifts()} drift(s)")
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
    from online_airhockey import airhockey  # it opens rooms and checks records as the others do

    tests = {"darts": darts, "pool": pool, "rejoin": rejoin, "handover": handover, "modal": modal,
             "computer": computer, "airhockey": airhockey,
             "rejoin_after_no": lambda s, h: rejoin(s, h, "no")}

    def no_drift(drivers):
        # The same program on both sides plays the same input the same way: no
        # turn's record had to correct the other machine (only a lost mover's
        # half turn may).
        drifts = sum(driver.drifts() for driver in drivers)
        if which in ("darts", "pool", "modal", "computer", "airhockey") and drifts:
            raise AssertionError(f"{drifts} turn(s) went another way on the watching machine")

    run_with_server(server_exe, lambda server: tests[which](server, headless), no_drift)
    print(f"online {which}: passed")


if __name__ == "__main__":
    main()
