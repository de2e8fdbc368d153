// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A shot played out on a copy of the table, away from the screen and the
// clock: the same balls, steps and contacts as the game's shot loop, on a
// virtual clock of its own. The computer looks ahead with it; the tests and
// the benchmark measure breaks with it.
#include <array>

#include "games/pool/model/pool_geometry.h"
#include "games/pool/model/pool_rules.h"
#include "platform/rect.h"
#include "platform/types.h"

namespace pool {

using BallPoints = std::array<CPoint, kBallCount>;

// Where the balls stand and which are in play.
struct TableState {
  BallPoints pos{};
  BallFlags onTable{};
  RuleSet rules = RuleSet::Classic;  // the kind of game played on it
};

struct ShotOutcome {
  TableState after;
  std::array<int, kBallCount> pocket{};  // pocket each ball dropped into in this shot, -1 if none
  std::array<double, kBallCount> travelled{};  // how far each ball rolled, pixels
  int firstHit = -1;                     // first ball the cue ball struck, -1 for none
  bool railAfterContact = false;         // a ball met a cushion after the cue ball's first contact
  int collisions = 0;
  DWORD ms = 0;                          // virtual time until every ball stopped
  bool cutOff = false;                   // stopped by the limit instead
};

// The longest a shot may run: far beyond any real one (a lone ball at full
// power rolls for about 8 s). A shot that gets here is stopped where it is.
inline constexpr DWORD kLongestShotMs = 60000;

// Where the cue's tip meets the cue ball, each -1..1 of the furthest it may
// go from centre: x to the right, y above (follow) or below (draw).
struct Tip {
  double x = 0, y = 0;
};

// Plays the cue ball off at `power` and `angle` (degrees) from `table`, struck at `tip`.
ShotOutcome SimulateShot(const TableState& table, double power, double angle, DWORD limitMs = kLongestShotMs,
                         Tip tip = {});

// The table as racked.
TableState RackedTable();

}  // namespace pool
