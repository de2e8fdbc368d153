// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The geometry of a pot: the ghost ball, the cut, whether a path is clear of
// the other balls, how far a ball rolls from a speed and how hard to strike
// so the object ball reaches its pocket.
#include <vector>

#include "games/pool/model/pool_sim.h"

namespace pool {

struct Vec {
  double x = 0, y = 0;
};

// Where the computer sends a ball into pocket k: a little inside the mouth.
Vec PocketAim(int nPocket);
// Every point a ball may be sent at to drop into pocket k: the mouth, and
// for a corner the two ends of its rails, for a ball lying along one.
std::vector<Vec> PocketAims(int nPocket);

// A pot of `target` into `pocket` with the cue ball at `cue`, judged by the
// geometry alone.
struct PotLine {
  int target = -1;
  int pocket = -1;
  Vec ghost;           // where the cue ball's centre is when it strikes
  double angle = 0;    // degrees, for the cue ball
  double cut = 0;      // radians between the cue ball's path and the object ball's
  double cueRun = 0;   // cue ball to ghost ball
  double ballRun = 0;  // object ball to the pocket
  double chance = 0;   // 0..1, higher for straighter, shorter, clearer pots
};

// Every pot of one of `targets` that has clear paths, a cut under 80 degrees,
// a ghost ball on the bed and an object-ball line the pocket takes, best first.
std::vector<PotLine> FindPots(const TableState& table, const std::vector<int>& targets);

// The segment from a to b passes no ball in play (but `skipA`, `skipB`)
// closer than `clearance` to its centre.
bool PathClear(const TableState& table, Vec a, Vec b, int skipA, int skipB, double clearance);

// How far a ball rolls from `speed`, by the friction steps of each level.
double RollDistance(double speed);
// The speed left after rolling `distance` from `speed` (0 if it stops first).
double SpeedAfter(double speed, double distance);
// The least power (whole or half levels up to 7) that leaves the object ball
// `margin` pixels of roll beyond the pocket; 7 when none does.
double PowerFor(const PotLine& pot, double margin);

}  // namespace pool
