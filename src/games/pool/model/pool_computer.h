// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer player's choices. It lists the pots its group offers (clear
// paths, a cut it can make, a pocket that takes the line), plays the best
// few out on a copy of the table with the game's own physics, and takes the
// one that pots a ball of its group without the 8 or the cue ball
// following, with the best next shot after it. With no such pot it plays
// safe: a soft shot that strikes one of its own balls first and leaves the
// other seat the least. For the 8 it calls the pocket it aims at.
#include <functional>
#include <vector>

#include "game/computer_skill.h"
#include "games/pool/model/pool_aim.h"

namespace pool {

struct ComputerShot {
  bool any = false;     // false: nothing at all to shoot at
  double angle = 0;     // degrees
  double power = 0;
  int target = -1;
  int pocket = -1;      // the pocket aimed at (called for the 8), -1 for a safety
  bool safety = false;
  double score = 0;     // how the look-ahead judged it
};

// Whether ball `n` is of the group `nGroup` holds (any but the 8 on an open table).
bool OwnsBall(int n, int nGroup);

// The balls the seat of group `nGroup` may aim at: its group's (any but the 8
// on an open table), the 8 once the group is cleared. With the cue ball in
// hand, balls inside the kitchen do not count.
std::vector<int> Targets(const TableState& table, int nGroup, bool bInHand);

// A free spot in the kitchen (or, `bAnywhere`, on the whole bed) for the cue
// ball in hand, the one with the best pot; `table` has the cue ball off.
CPoint PlaceInHand(const TableState& table, int nGroup, bool bAnywhere = false);

// The shot for the seat of group `nGroup` (the cue ball on the table).
// `nImpatience` grows with the seat's own shots in a row that sank nothing:
// the computer then takes pots it would otherwise think too risky, and
// `random` (0..n-1) varies its choice so two computers never repeat a
// position for ever. A Beginner looks at fewer pots; an Expert weighs up to
// thirty pots, more strengths, and lines up to a degree either side of each
// for position. Every level's cue strays off the line it chose.
ComputerShot PlanShot(const TableState& table, int nGroup, bool bInHand, int nImpatience,
                      const std::function<int(int)>& random, skill::ComputerSkill level = skill::ComputerSkill::Club);

// A player at the table: how far ahead it reads (a level's eye) and how far
// its cue strays from the line it chose (SD, degrees). A level plays with
// its own hand; the bench's models of a person with theirs.
struct CueHand {
  skill::ComputerSkill eye = skill::ComputerSkill::Club;
  double angleSpread = 0;
  // One stroke in this many is hurried and strays as a club player's (0: never).
  int offShotOneIn = 0;
};
CueHand HandOf(skill::ComputerSkill level);
ComputerShot PlanShot(const TableState& table, int nGroup, bool bInHand, int nImpatience,
                      const std::function<int(int)>& random, const CueHand& hand);

// How a played-out shot looks to the shooter of group `nGroup` who aimed
// `target` at `pocket`: a win or loss on the 8 dominates, then a foul, then
// a pot with the next shot after it, then how little the other seat has.
double JudgeOutcome(const TableState& before, const ShotOutcome& outcome, int nGroup, int target, int pocket);

}  // namespace pool
