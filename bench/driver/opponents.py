#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A model of a person plays the computer's levels through the headless driver.

  bench/driver/opponents.py build/quintaro-headless [GAMES] [football|basketball ...]

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
figures for the same hands.
"""
import json
import math
import os
import random
import subprocess
import sys

DEBUG = bool(os.environ.get("OPPONENTS_DEBUG"))
FOLLOW_WAIT = 20  # ms between pointer moves in a drag
NEW_GAME = {"football": 32787, "basketball": 32784, "airhockey": 32783, "darts": 32786, "bowling": 32785}
SECTION = {"football": "Football", "basketball": "Basketball", "airhockey": "AirHockey", "darts": "Darts",
           "bowling": "Bowling"}
LEVELS = ["Beginner", "Club", "Expert"]


class Driver:
    """One headless program, fed a line at a time; state() reads the dump."""

    def __init__(self, exe, config, sound=False):
        self.p = subprocess.Popen([exe, "-", "--follow"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  text=True, bufsize=1)
        self.statuses = []  # the status line's texts, as they came
        self.boxes = []  # the message boxes' lines
        self.sounds = []  # (tick, id) of the sounds played
        self.winner = None  # the name the status line last called the winner
        # The sounds tell when a dart lands or a ball is bowled; the other games run without.
        self.send(*(["epoch 1700000000"] + ([] if sound else ["nosound"]) + config + ["start", "wait 5000"]))

    def send(self, *lines):
        self.p.stdin.write("\n".join(lines) + "\n")

    def state(self):
        self.send("state")
        self.p.stdin.flush()
        for line in self.p.stdout:
            if DEBUG:
                sys.stderr.write(line)
            if " sound " in line:
                self.sounds.append((int(line[1:line.index("]")]), int(line.split(" sound ", 1)[1])))
            if " msgbox " in line:
                self.boxes.append(line)
            if " status \"" in line:
                self.statuses.append(line.split(" status ", 1)[1].strip().strip('"'))
                if self.statuses[-1].endswith(" wins. Click to play again."):
                    self.winner = self.statuses[-1].split(" wins.")[0]
            if " state {" in line:
                self.tick = int(line[1:line.index("]")])
                return json.loads(line.split(" state ", 1)[1])
        raise RuntimeError("the driver ended")

    def close(self):
        try:
            self.send("quit")
            self.p.stdin.close()
        except BrokenPipeError:
            pass
        self.p.wait()


class Person:
    def __init__(self, rng, hand):
        self.rng, self.h = rng, hand

    def err(self, sd):
        return self.rng.gauss(0.0, sd)

    def reaction(self):
        return 250 + int(abs(self.err(self.h["react"])))

    def drag(self, d, x0, y0, x1, y1, ms):
        """Press at (x0, y0), move to (x1, y1) over ms, release there."""
        lines = [f"move {x0} {y0}", f"down {x0} {y0}"]
        steps = max(1, ms // FOLLOW_WAIT)
        for k in range(1, steps + 1):
            t = k / steps
            # The waits add up to ms exactly: a drag's time is what the hand meant.
            wait = ms * k // steps - ms * (k - 1) // steps
            lines += [f"wait {wait}", f"move {round(x0 + (x1 - x0) * t)} {round(y0 + (y1 - y0) * t)}"]
        lines += [f"up {x1} {y1}"]
        d.send(*lines)


# --- Football --------------------------------------------------------------
SMALL, LARGE = (194, 127), (227, 92)
FOOTBALL = {
    "newcomer": dict(small=0.5, aim=8.5, early=-150, tsd=200, lean=0.6, leansd=0.3, react=150),
    "regular": dict(small=1.0, aim=7.0, early=50, tsd=100, lean=0.85, leansd=0.15, react=80),
}


def drag_angle(press, release):
    return int(math.atan2(release[0] - press[0], press[1] - release[1]) / math.pi * 180)


def football_pass(d, me, zone):
    h = me.h
    hole = SMALL if me.rng.random() < h["small"] else LARGE
    press = (zone[0] + me.rng.randrange(5, 34), zone[1] + me.rng.randrange(4, 20))
    lean = h["lean"] + me.err(h["leansd"])
    ms = max(120, round(600 - h["early"] + me.err(h["tsd"])))
    aim = (hole[0], hole[1] - round(lean * h["early"] / 50))
    x = aim[0]
    for _ in range(3):
        x = aim[0] - round(lean * drag_angle(press, (x, aim[1])))
    release = (min(max(round(x + me.err(h["aim"])), 156), 267), min(max(round(aim[1] + me.err(h["aim"])), 55), 205))
    me.drag(d, press[0], press[1], release[0], release[1], ms)


def play_football(d, me, seat):
    """One game to 28; True when the person wins, and the computer's (passes, misses)."""
    passes = misses = 0
    idle = 0
    computer = passed = False
    while True:
        s = d.state()
        g, players = s["game"], s["players"]
        # The status line tells each pass: the computer's come after it is named
        # to play, and its turn is over when the person has thrown again.
        if passed:
            computer, passed = False, False
        for text in d.statuses:
            if text.startswith("Computer ("):
                computer = True
            elif text == "Begin Pass":
                computer = False
            elif computer and text.startswith("Pass"):
                passes += 1
                misses += "Incomplete" in text
            elif computer and "ntercept" in text:
                passes += 1
                misses += 1
        d.statuses.clear()
        if g["gameOver"]:
            won = players[seat]["score"] > players[1 - seat]["score"]
            d.send(f"wait {me.reaction()}", "click 300 320", "wait 500")
            return won, passes, misses
        if s["current"] != seat:
            idle += 1
            # The computer's first turn waits for a click on the board.
            d.send("click 450 350" if idle % 3 == 0 else "wait 1500")
            continue
        idle = 0
        d.send(f"wait {me.reaction()}", "move 160 236", f"wait {me.reaction()}", "click 160 236", "wait 300")
        zone = d.state()["game"]["zone"]
        d.send(f"wait {me.reaction()}")
        d.statuses.clear()
        football_pass(d, me, zone)
        passed = True
        d.send("wait 4000")


# --- Basketball -----------------------------------------------------------
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
        if d.state()["game"]["turnRunning"]:
            break
        d.send("wait 700")
    points = shots = 0
    next_shot = 0
    while True:
        s = d.state()
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
        s = d.state()
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
    d.state()
    # The first seat keeps the lead on a tie; nobody wins at 0.
    won = mine > theirs or (mine == theirs and seat == 0 and mine > 0)
    return won, mine, theirs, shots


# --- Air Hockey -------------------------------------------------------------
AIRHOCKEY = {
    "newcomer": dict(react=330, reach=9, aim=9.0),
    "regular": dict(react=280, reach=11, aim=5.0),
}
FRAME = 16  # ms between the hand's pointer moves
# The goal and match boxes name the ends as the board does, whoever sits there.
SIDE_NAMES = ("PLAYER", "COMPUTER")


def clamp(v, lo, hi):
    return max(lo, min(hi, v))


def play_airhockey(d, me, seat):
    """A match to 7 with the mouse; True when the person wins, its goals and the computer's."""
    h = me.h
    seen = []  # (tick, puck x, puck y)
    mouse = [129, 347]
    error = [0.0, 0.0]
    frame = 0
    d.boxes.clear()
    for _ in range(40000):
        s = d.state()
        for box in d.boxes:
            if "Wins!" in box:
                goals = [sum(f"{side} scores" in b for b in d.boxes) for side in SIDE_NAMES]
                return f"{SIDE_NAMES[0]} Wins" in box, goals[0], goals[1]
        g = s["game"]
        if not g["playing"]:
            # After a serve: take hold of the mallet again, a person's reaction later.
            m = g["mallets"][0]
            seen.clear()
            mouse = [m["x"], m["y"]]
            d.send(f"wait {me.reaction()}", f"move {m['x']} {m['y']}", f"click {m['x']} {m['y']}", f"wait {FRAME}")
            continue
        puck, mine = g["puck"], g["mallets"][0]
        seen.append((d.tick, puck["x"], puck["y"]))
        while len(seen) > 2 and seen[1][0] <= d.tick - h["react"]:
            seen.pop(0)
        # The puck as seen a reaction ago, carried on along its run.
        (t0, x0, y0), (t1, x1, y1) = seen[0], seen[min(1, len(seen) - 1)]
        k = (d.tick - t1) / max(t1 - t0, 1)
        px, py = clamp(x1 + (x1 - x0) * k, 46, 214), clamp(y1 + (y1 - y0) * k, 24, 372)
        if py < 200:
            want = (130 + (px - 130) / 5, 372 - 24)
        elif mine["y"] > py + 8:
            want = (px, py)
        else:
            want = (px + (10 if px < 130 else -10), py + 36)
        frame += 1
        if frame % 6 == 1:
            error = [me.err(h["aim"]), me.err(h["aim"])]
        dx, dy = want[0] + error[0] - mouse[0], want[1] + error[1] - mouse[1]
        dist = math.hypot(dx, dy)
        if dist >= 1:
            f = min(1.0, h["reach"] / dist)
            mouse = [round(mouse[0] + dx * f), round(mouse[1] + dy * f)]
            d.send(f"move {mouse[0]} {mouse[1]}")
        d.send(f"wait {FRAME}")
    return False, None, None


# --- Darts ------------------------------------------------------------------
AIM_POSITIONS = [0, 4, 14, 16, 2, 6, 11, 18, 20, 8, 12, 10, 7, 1, 9, 13, 19, 15, 3, 17, 5]
DARTS = {
    "newcomer": dict(release=20.0, press=15.0, timing=90.0, trebles=False, react=150),
    "regular": dict(release=12.0, press=9.0, timing=45.0, trebles=True, react=80),
}
LANDING_SOUNDS = (324, 325)  # a miss, a hit


def board_point(number, radius):
    """The middle of a number's bed at a radius, as the game's targets are."""
    pos = AIM_POSITIONS[number]
    degrees = 18 * pos if pos < 11 else -(18 * pos - 198)
    a = math.radians(degrees)
    return int(math.cos(a) * radius) + 266, int(math.sin(a) * -radius) + 141


def dart_target(remaining, trebles):
    """Where a person aims in 301: the regular plays the finish as a darts player does."""
    if not trebles or remaining <= 20:
        return board_point(20 if remaining > 20 or remaining < 1 else remaining, 38)
    if remaining >= 60:
        return board_point(20, 65)
    if remaining in (25, 50):
        return (266, 149) if remaining == 25 else (266, 141)
    if remaining % 3 == 0:
        return board_point(remaining // 3, 65)
    if remaining % 2 == 0 and remaining <= 40:
        return board_point(remaining // 2, 97)
    return board_point(20 if remaining > 40 else remaining - 20, 38)


def wait_for_seat(d, seat, limit=600, step=200):
    """Waits out the computer's turn (a click starts a game's first one); the last state."""
    for _ in range(limit):
        s = d.state()
        if d.winner or s["game"]["gameOver"] or s["current"] == seat and not s["game"].get("rolling"):
            return s
        prompt = d.statuses and d.statuses[-1].startswith("Click mouse to start")
        d.send("click 300 200" if prompt else f"wait {step}")
        d.statuses.clear()
    return d.state()


def darts_turn(d, me, s, seat):
    h = me.h
    for k in range(3):
        if s["current"] != seat or s["game"]["gameOver"] or d.winner:
            return s
        x, y = dart_target(s["players"][seat]["score"], h["trebles"])
        release = (round(x + me.err(h["release"])), round(y + me.err(h["release"])))
        press = (min(max(round(release[0] + me.err(h["press"])), 156), 381), 365)
        ms = max(50, round(300 + me.err(h["timing"])))
        slot = s["game"]["dartsThrown"]
        d.send(f"wait {me.reaction()}", f"click {249 + 30 * slot} 320", f"wait {me.reaction()}")
        me.drag(d, press[0], press[1], min(max(release[0], 129), 406), min(max(release[1], 4), 281), ms)
        s = watch_flight(d, seat, slot)
    return s


def watch_flight(d, seat, slot):
    """The person watches the dart land before it picks the next: the tray has one dart fewer, or the turn is over."""
    d.send("wait 480")
    for _ in range(20):
        s = d.state()
        if s["game"]["dartsThrown"] != slot or s["current"] != seat or s["game"]["gameOver"] or d.winner:
            return s
        d.send("wait 100")
    return s


def play_darts(d, me, seat):
    """A 301 game; True when the person wins, and the gaps between its darts and the computer's."""
    d.sounds.clear()
    mine, theirs = [], []
    d.winner = None
    while True:
        s = wait_for_seat(d, seat)
        theirs += d.sounds
        d.sounds.clear()
        # The next game is started afresh from the menu.
        if d.winner:
            left = [p["score"] for p in s["players"][:2]]
            points = [301 - left[seat], 301 - left[1 - seat]]
            darts = [landings(mine), landings(theirs)]
            return d.winner == f"Player{seat + 1}", landing_gaps(mine), landing_gaps(theirs), points, darts
        s = darts_turn(d, me, s, seat)
        mine += d.sounds
        d.sounds.clear()


def landings(sounds):
    return sum(i in LANDING_SOUNDS for _, i in sounds)


def landing_gaps(sounds):
    """The time between darts landing within a turn (the other side's turn takes longer)."""
    ticks = [t for t, i in sounds if i in LANDING_SOUNDS]
    return [b - a for a, b in zip(ticks, ticks[1:]) if b - a < 3000]


# --- Bowling ----------------------------------------------------------------
PIN_X = [42, 62, 82, 102, 52, 72, 92, 62, 82, 72]
BOWLING = {
    "newcomer": dict(release=15.0, press=10.5, hold=600, holdsd=250, react=150),
    "regular": dict(release=9.0, press=6.3, hold=400, holdsd=100, react=80),
}


def bowling_target(standing):
    """The lane x a bowler reads: the pocket on a full rack, else the line nearest most pins."""
    if len(standing) in (0, 10):
        return 78.0
    best, first, last = -1, 0, 0
    for x in range(39, 116):
        n = sum(abs(PIN_X[i] - x) <= 13 for i in standing)
        if n > best:
            best, first, last = n, x, x
        elif n == best and x == last + 1:
            last = x
    return 0.5 * (first + last)


def play_bowling(d, me, seat):
    """A game of ten frames; True when the person wins, and the gaps between its balls and the computer's."""
    h = me.h
    d.sounds.clear()
    released = []  # when the person's balls left its hand
    d.winner = None
    while True:
        s = wait_for_seat(d, seat, 3000, 100)
        g = s["game"]
        if d.winner:
            balls = [(t, any(abs(t - r) < 100 for r in released)) for t, i in d.sounds if i == BALL_ROLLS]
            totals = [p["score"] for p in s["players"][:2]]
            return (d.winner == f"Player{seat + 1}", ball_gaps(balls, True), ball_gaps(balls, False), totals[seat],
                    totals[1 - seat])
        if g["rolling"]:
            d.send("wait 100")
            continue
        standing = [i for i, p in enumerate(g["pins"]) if not p["hit"]]
        x = 176 + (bowling_target(standing) - 33) * 109 / 88
        release = x + me.err(h["release"])
        press = release + me.err(h["press"])
        hold = max(120, round(h["hold"] + me.err(h["holdsd"])))
        d.send(f"wait {me.reaction()}")
        d.state()
        released.append(d.tick + hold)
        me.drag(d, min(max(round(press), 176), 284), 385, min(max(round(release), 176), 284), 230, hold)
        d.send("wait 500")


BALL_ROLLS = 367  # the sound of a ball set rolling


def ball_gaps(balls, mine):
    """The time between one side's balls that follow each other (a frame's two balls)."""
    return [b[0] - a[0] for a, b in zip(balls, balls[1:]) if a[1] == mine and b[1] == mine and b[0] - a[0] < 10000]


HANDS = {"football": FOOTBALL, "basketball": BASKETBALL, "airhockey": AIRHOCKEY, "darts": DARTS, "bowling": BOWLING}
PLAYS = {"football": play_football, "basketball": play_basketball, "airhockey": play_airhockey, "darts": play_darts,
         "bowling": play_bowling}


def mean(values):
    return sum(values) / len(values) if values else 0.0


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
        d = Driver(exe, config, sound=game in ("darts", "bowling"))
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
    print(f"| game | person | level | games | person wins | computer |")
    print("|---|---|---|---|---|---|")
    for game in chosen:
        for n, (person, level) in enumerate(pairings):
            wins, extra = run_pairing(exe, game, person, level, games, 1000 * (n + 1))
            if game == "football":
                passes = sum(e[0] for e in extra)
                misses = sum(e[1] for e in extra)
                note = f"misses {100 * misses / max(passes, 1):.0f} % of {passes} passes"
            elif game == "airhockey":
                n = len(extra)
                note = (f"matches to 7: person {sum(e[0] or 0 for e in extra) / n:.1f} goals, "
                        f"computer {sum(e[1] or 0 for e in extra) / n:.1f}")
            elif game in ("darts", "bowling"):
                what = "a dart lands" if game == "darts" else "a frame's second ball"
                note = (f"{what} every {mean([g for e in extra for g in e[0]]) / 1000:.2f} s (person), "
                        f"{mean([g for e in extra for g in e[1]]) / 1000:.2f} s (computer); ")
                if game == "darts":
                    # Three-dart averages, as the game's statistics count them.
                    per = [3 * sum(e[2][i] for e in extra) / max(1, sum(e[3][i] for e in extra)) for i in (0, 1)]
                    note += f"three-dart average {per[0]:.1f} (person), {per[1]:.1f} (computer)"
                else:
                    note += f"average {mean([e[2] for e in extra]):.0f} (person), {mean([e[3] for e in extra]):.0f} (computer)"
            else:
                n = len(extra)
                note = (f"person {sum(e[0] for e in extra) / n:.1f} points ({sum(e[2] for e in extra) / n:.1f} shots), "
                        f"computer {sum(e[1] for e in extra) / n:.1f} points")
            print(f"| {game} | {person} | {level} | {games} | {100 * wins / games:.0f} % | {note} |", flush=True)


if __name__ == "__main__":
    main()
