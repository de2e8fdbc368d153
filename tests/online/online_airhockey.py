#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A match of Air Hockey between two headless programs in one room of a real
room server: the creator's machine runs the rink, the guest's shows it; the
guest's program is lost once and comes back mid-match."""
import json

from online_harness import Driver
from play_online import check_own_records, open_room, settings_lines


def rink(state_json):
    """What must agree between the two machines at a match's end."""
    state = json.loads(state_json)
    return {"scores": [p["score"] for p in state["players"]][:2], "inProgress": state["inProgress"],
            "matchOver": state["game"]["matchOver"]}


def drop_and_come_back(ann, bob, headless):
    """Bob's program is lost between rallies: Ann's waits for him and will
    not start play; Bob's, started again, comes back to his seat."""
    kept = settings_lines(bob)
    bob.kill()
    ann.send("online wait away", "wait 100", "down 129 347", "wait 100")
    state = json.loads(ann.state())
    assert state["status"] == "Waiting for Bob", state["status"]
    assert not state["game"]["playing"], "play started without Bob"
    bob = Driver(headless, "bob again")
    bob.send("epoch 1700000000", *kept, "answer yes", "start", "wait 5000", "online rejoin")
    bob.until(r"online room \S+ seat 1")
    ann.send("online wait seats", "wait 100")
    assert json.loads(ann.state())["status"] == "Playing against Bob."
    return bob


def bob_starts_play(ann, bob):
    """Play waits after a goal; Bob presses his mallet where his screen shows
    it, and play runs on Ann's machine, which runs the rink."""
    state = json.loads(bob.state())
    assert state["status"] == "Playing against Ann.", state["status"]
    at = state["game"]["mallets"][1]
    bob.send(f"down {at['x']} {at['y']}", f"up {at['x']} {at['y']}", "wait 20", "move 60 60", "wait 20")
    ann.send("online wait presses 1", "wait 20")
    assert json.loads(ann.state())["game"]["playing"], "Bob's press did not start play"
    ann.send("online wait aim 60 60", "wait 300", "move 129 300")


def airhockey(server, headless):
    """Ann's machine runs the rink, Bob's shows it. Each scores from the serve
    to their own half with the other's mallet out of the way: Bob's mallet
    moves on Ann's machine only by what Bob's pointer does on his, and his
    press starts one rally. Bob's program is lost once and comes back mid-match."""
    ann, bob = open_room(server, headless, "airhockey")
    for goal in range(1, 14):
        if goal == 5:
            bob = drop_and_come_back(ann, bob, headless)
        if goal == 3:  # Bob starts this rally with a press on his mallet, then stands aside
            bob_starts_play(ann, bob)
        elif goal % 2:  # the puck waits in Ann's half: she drives it up the middle
            bob.send("move 60 60", "wait 20")
            ann.send("online wait aim 60 60", "down 129 347", "move 129 300")
        else:  # in Bob's half: he comes down through it while Ann stands aside
            bob.send("move 129 60", "wait 20")
            ann.send("online wait aim 129 60", "down 129 347", "move 60 347")
            bob.send("move 129 160", "wait 20")
        for driver in (ann, bob):
            driver.send(f"online wait goals {goal}")
    for driver in (ann, bob):
        driver.send("online wait over")
    end = rink(ann.state())
    if rink(bob.state()) != end:
        raise AssertionError(f"the machines disagree:\nann {end}\nbob {rink(bob.state())}")
    assert end == {"scores": [7, 6], "inProgress": False, "matchOver": True}, end
    online = json.loads(ann.state())["online"]
    assert online["rinkSent"] > 13, online
    check_own_records(ann, bob)
    return ann, bob
