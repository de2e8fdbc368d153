#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the machine that watches a Pool turn says on its status line: while
Ann plays on her machine, Bob's reads "Ann is playing." from the start to the
end of her turn, never a prompt of her game ("Ann, shoots at open table.",
"Illegal shot - try again") that would read as if it spoke to him; once the
turn is his, his own prompt comes."""
import re
import sys

from online_harness import run_with_server
from play_online import open_room


def watch_ann_play(server, headless):
    ann, bob = open_room(server, headless, "pool")
    # A soft break that pockets nothing: the turn passes to Bob.
    ann.send("down 451 192", "move 471 192", "move 481 192", "up 481 192", "wait 15000", "online wait turns 1")
    bob.send("online wait turns 1", "wait 500", "state")
    bob.until(r"\] state \{")
    return ann, bob


def check_bobs_line(drivers):
    bob = drivers[1]
    said = [m.group(1) for m in (re.search(r'\] status "(.*)"$', line) for line in bob.out.seen) if m]
    if "Ann is playing." not in said:
        raise AssertionError(f"Bob was never told Ann is playing: {said}")
    # From the moment Ann's turn is shown until her shot has passed the turn on.
    watching = said[said.index("Ann is playing.") + 1:]
    during = watching[:next((i for i, text in enumerate(watching) if text.startswith("Bob, ")), len(watching))]
    if during:
        raise AssertionError(f"during Ann's turn Bob's status line also said {during}")
    if not said[-1].startswith("Bob, "):
        raise AssertionError(f"Bob's turn was not put to him: {said[-3:]}")


def main():
    server_exe, headless = sys.argv[1:3]
    run_with_server(server_exe, lambda server: watch_ann_play(server, headless), check_bobs_line)
    print("online pool watcher: passed")


if __name__ == "__main__":
    main()
