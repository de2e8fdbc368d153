#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How often a watcher's table plays a computer seat's turn another way than
the creator's, measured on whole seeded games through a real room server.

  bench/online/computer_seat_drifts.py BUILD [GAMES] [darts|bowling|football|basketball ...]

Ann (the room's creator), Bob and a computer seat play GAMES games (default
3) of each game named, each from its own clock (so its own dice). Ann and
Bob play the same plain throws every turn; Ann's click lets the computer
start where it waits for one. Every turn's end is compared on the other
machine: a drift is a turn whose record differed there, counted apart for
the people's turns (their input replayed) and the computer's (played by
both machines: a drift there means the watcher's computer went another way).
A game's last turn ends the game and is not counted in its turns.
"""
import json
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "online"))
from online_harness import Server, open_room  # noqa: E402

NEW_GAME = {"darts": "menu 32786", "bowling": "menu 32785", "football": "menu 32787", "basketball": "menu 32784"}
THREE_SEATS = "dialog 137 click 1003 check 1006 1 ok"
TWO_SEATS = "dialog 137 click 1002 ok"
TRAY_X = (249, 279, 309)
# Where the creator clicks to let the computer start, where it waits for that.
COMPUTER_CLICK = {"darts": "click 300 200", "bowling": "click 230 385", "football": "click 450 350",
                  "basketball": "click 400 300"}


def human_lines(game, state):
    """The same plain throw each time: a dart at the single 1, a straight ball,
    a pass from the zone up the field, a basketball turn left to its clock."""
    if game == "football":
        zone = json.loads(state)["game"]["zone"]
        x, y = zone[0] + 20, zone[1] + 10
        return ["move 160 236", "click 160 236", "wait 300", f"move {x} {y}", f"down {x} {y}", "wait 300",
                f"move {(x + 210) // 2} {(y + 130) // 2}", "wait 300", "up 210 130", "wait 4000"]
    if game == "basketball":
        return ["click 400 300", "wait 3000"]
    if game == "darts":
        slot = json.loads(state)["game"]["dartsThrown"] % 3
        return [f"click {TRAY_X[slot]} 320", "move 266 365", "down 266 365", "wait 300", "up 275 112", "wait 3000"]
    return ["move 230 385", "down 230 385", "wait 250", "move 230 308", "wait 250", "move 230 230", "up 230 230",
            "wait 9000"]


def play_game(build, server, game, epoch):
    ann, bob = open_room(server, f"{build}/quintaro-headless", NEW_GAME[game], (THREE_SEATS, TWO_SEATS),
                         epoch=epoch)
    taken = 0
    computer_turns = 0
    for _ in range(400):
        state = json.loads(ann.state())
        online = state.get("online", {})
        if not online.get("playing", False) and online.get("turns", 0) > 0:
            break
        seat = online["turnSeat"]
        mover, watcher = (bob, ann) if seat == 1 else (ann, bob)
        lines = [COMPUTER_CLICK[game], "wait 3000"] if seat == 2 else human_lines(game, mover.state())
        mover.send(*lines)
        turns = json.loads(mover.state())["online"]["turns"]
        if turns > taken:
            computer_turns += seat == 2
            watcher.send(f"online wait turns {turns}")
            watcher.state()
            taken = turns
    # The last turn's end reaches the watcher too.
    for driver in (ann, bob):
        driver.send("online wait over")
        driver.state()
    drifts = [0, 0]  # in people's turns, in the computer's
    for driver in (ann, bob):
        drifted = False
        for line in driver.out.seen:
            drifted = drifted or "online drift" in line
            taken_seat = re.search(r"online turn taken (\d)", line)
            if taken_seat and drifted:
                drifts[taken_seat.group(1) == "2"] += 1
                drifted = False
    for driver in (ann, bob):
        driver.kill()
    return taken, computer_turns, drifts[0], drifts[1]


def main():
    build = sys.argv[1]
    games = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    names = sys.argv[3:] or ["darts", "bowling", "football", "basketball"]
    server = Server(f"{build}/quintaro-server")
    try:
        for name in names:
            totals = [0, 0, 0, 0]
            for g in range(games):
                result = play_game(build, server, name, 1700000000 + 7919 * g)
                totals = [a + b for a, b in zip(totals, result)]
                print(f"{name} game {g + 1}: turns {result[0]} ({result[1]} the computer's), drifts in people's "
                      f"turns {result[2]}, in the computer's {result[3]}", flush=True)
            print(f"{name}: {games} games, {totals[0]} turns ({totals[1]} the computer's), drifts in people's "
                  f"turns {totals[2]}, in the computer's {totals[3]}")
    finally:
        server.stop()


if __name__ == "__main__":
    main()
