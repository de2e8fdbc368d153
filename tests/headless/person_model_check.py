#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The bench's model of a person plays through the driver as a player does.

  person_model_check.py BENCH_DRIVER_DIR QUINTARO_HEADLESS

A few seeded games: at Air Hockey the newcomer's mallet scores goals against
the Beginner and its matches end, and the match boxes are read for who won;
at Darts each pick of the regular's is thrown (its darts land at a person's
pace, well under two seconds apart) and its three-dart average is a
regular's; at Pool the regular's racks end and its shots pot balls as a club
player's do.
"""
import sys

sys.path.insert(0, sys.argv[1])
import opponents  # noqa: E402

EXE = sys.argv[2]
failures = []

wins, matches = opponents.run_pairing(EXE, "airhockey", "newcomer", "Beginner", 3, 1000)
goals = [m[0] for m in matches]
print(f"air hockey: the newcomer won {wins} of 3 matches, scoring {goals} goals; the computer {[m[1] for m in matches]}")
if None in goals or sum(goals) == 0:
    failures.append("the person's mallet scored no goal, or a match never ended")
if wins != sum(g == 7 for g in goals):
    failures.append("the match boxes were misread: a match with 7 goals is a win")

wins, games = opponents.run_pairing(EXE, "darts", "regular", "Club", 4, 2000)
gaps = [g for e in games for g in e[0]]
average = 3 * sum(e[2][0] for e in games) / max(1, sum(e[3][0] for e in games))
pace = sum(gaps) / max(1, len(gaps)) / 1000
print(f"darts: the regular's darts land every {pace:.2f} s, three-dart average {average:.1f}")
if not 0.9 <= pace <= 2.0:
    failures.append(f"the person's darts land every {pace:.2f} s: some picks were not thrown")
if not 35 <= average <= 65:
    failures.append(f"the regular's three-dart average is {average:.1f}")

wins, racks = opponents.run_pairing(EXE, "pool", "regular", "Club", 4, 3000)
shots = sum(r[0] for r in racks)
per_shot = sum(r[1] for r in racks) / max(1, shots)
print(f"pool: the regular won {wins} of 4 racks, {shots} shots, {per_shot:.2f} balls potted a shot")
if any(r[0] >= 200 for r in racks):
    failures.append("a pool rack never ended: the person shot on and on")
if per_shot < 0.3:
    failures.append(f"the regular pots {per_shot:.2f} balls a shot")

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
