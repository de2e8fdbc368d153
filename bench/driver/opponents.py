#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A model of a person plays the computer's levels through the headless driver.

  bench/driver/opponents.py build/quintaro-headless [GAMES] [football|basketball|...|pool ...]

The person sees what a player sees (the state dump, read after a person's
reaction time) and plays only with the mouse: a move to the ball, a press,
a drag at a hand's speed (a pointer move every 20 ms), a release; never two
presses closer than 250 ms. The driver runs with --follow, so the person
answers what it saw. Two people:

* the newcomer: large errors. In Football it goes for either hole, leans
  against only 60 % (+-30 %) of the ball's drift, releases 8.5 px (SD) off
  where it means and throws slowly (750 +- 200 ms for a 600 ms pass, now and
  then late enough to be intercepted). In Basketball its release strays 7 px
  across the board (a band of aims that score is about 11 px wide, so it
  makes a bit over half its shots) and a shot takes it 1.6 +- 0.3 s.
* the regular: small errors. Football: the small hole (20 px across), 7 px
  off, 85 +- 15 % of the drift, a pass a little quicker than nominal
  (550 +- 100 ms). Basketball: 4.5 px across the board, 1.25 +- 0.15 s a
  shot (back to the rack, a pick-up, a 0.55 s hold and the drag up).

The sizes come from the games' bands of good releases: Football's small hole
is 20 px across and the drift moves the ball one pixel per degree of lean;
Basketball's bands of scoring aims are about 11 px across. A mouse drag of
150-200 px ending on a spot strays a few pixels for a practised hand (Fitts'
effective width of about 16 px, SD 4 px) and twice that for a new one.
tests/support/person_models.h holds the same hands for the tests, which play
them on the games' models; this script checks them on the whole program.

For each game and pairing it plays GAMES games (default 20; the person takes
the first seat in half of them) and prints a table row: the person's wins,
the computer's misses and, for Basketball, points and shots a turn; for Air
Hockey both ends' goals a match; for Darts and Bowling the pace of both sides
and their averages (three darts, a game), which should match the tests' own
figures for the same hands. Pool plays only when named: the person's balls
potted a shot and shots a rack (its hands are in persons/pool.py).
"""
import random
import sys

import stats
from headless import Driver
from persons.airhockey import AIRHOCKEY, play_airhockey
from persons.basketball import BASKETBALL, play_basketball
from persons.bowling import BOWLING, play_bowling
from persons.darts import DARTS, play_darts
from persons.football import FOOTBALL, play_football
from persons.person import Person
from persons.pool import POOL, play_pool

NEW_GAME = {"football": 32787, "basketball": 32784, "airhockey": 32783, "darts": 32786, "bowling": 32785,
            "pool": 32788}
SECTION = {"football": "Football", "basketball": "Basketball", "airhockey": "AirHockey", "darts": "Darts",
           "bowling": "Bowling", "pool": "Pool"}
LEVELS = ["Beginner", "Club", "Expert"]
HANDS = {"football": FOOTBALL, "basketball": BASKETBALL, "airhockey": AIRHOCKEY, "darts": DARTS, "bowling": BOWLING,
         "pool": POOL}
PLAYS = {"football": play_football, "basketball": play_basketball, "airhockey": play_airhockey, "darts": play_darts,
         "bowling": play_bowling, "pool": play_pool}


def start_driver(exe, config, sound):
    """A program at the title screen with the seats set up; sounds tell when a
    dart lands or a ball is bowled, the other games run without."""
    d = Driver(exe)
    d.send(*(["epoch 1700000000"] + ([] if sound else ["nosound"]) + config + ["start", "wait 5000"]))
    return d


def run_pairing(exe, game, person, level, games, seed):
    wins, extra = 0, []
    # Air Hockey's person always has the lower mallet, the first seat.
    halves = ((games, 0),) if game == "airhockey" else (((games + 1) // 2, 0), (games // 2, 1))
    for half, seat in halves:
        if half == 0:
            continue
        section = SECTION[game]
        config = [f"setting {section} ComputerSkill {LEVELS.index(level)}", "setting Players Count 2",
                  f"setting Players Computer1 {seat}", f"setting Players Computer2 {1 - seat}"]
        if game == "basketball":
            config += ["setting Basketball GameTime 30"]
        d = start_driver(exe, config, sound=game in ("darts", "bowling"))
        rng = random.Random(seed + seat)
        me = Person(rng, HANDS[game][person])
        play = PLAYS[game]
        for k in range(half):
            d.send(f"srand {seed + 100 * seat + k + 1}", f"menu {NEW_GAME[game]}", "wait 500")
            r = play(d, me, seat)
            wins += r[0]
            extra.append(r[1:])
        d.close()
    return wins, extra


def main():
    exe = sys.argv[1]
    games = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    chosen = sys.argv[3:] or ["football", "basketball", "airhockey", "darts", "bowling"]
    pairings = [("newcomer", "Beginner"), ("regular", "Club"), ("regular", "Expert")]
    print("| game | person | level | games | person wins | computer |")
    print("|---|---|---|---|---|---|")
    for game in chosen:
        for n, (person, level) in enumerate(pairings):
            wins, extra = run_pairing(exe, game, person, level, games, 1000 * (n + 1))
            note = stats.note(game, extra)
            print(f"| {game} | {person} | {level} | {games} | {100 * wins / games:.0f} % | {note} |", flush=True)


if __name__ == "__main__":
    main()
