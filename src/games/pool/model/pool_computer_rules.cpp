// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_computer_rules.h"

#include <algorithm>
#include <cmath>

#include "games/pool/model/pool_rule_sets.h"

namespace pool {

namespace {
constexpr int kBreakSpread = 40;  // pixels either side of the middle of the head string
// A pot this sure is worth taking over from a push-out (a straight pot of
// half the table's length rates about 0.5).
constexpr double kFairPot = 0.3;
}  // namespace

CPoint PlaceForBreak(const std::function<int(int)>& random) {
  const int off = random ? random(2 * kBreakSpread + 1) - kBreakSpread : 0;
  return {kHeadStringX + kBallRadius, kRack[kCueBall].spot.y + off};
}

ComputerShot PlanBreak(const TableState& table, const std::function<int(int)>& random, const CueHand& hand) {
  const CPoint c = table.pos[kCueBall];
  ComputerShot shot;
  shot.any = true;
  shot.power = kMaxPower;
  shot.angle = std::atan2(-static_cast<double>(kFootSpot.y - c.y), static_cast<double>(kFootSpot.x - c.x)) * kRadToDeg;
  if (random) shot.angle += skill::HandError(random, hand.angleSpread);
  shot.target = LowestOnTable(table.onTable);
  return shot;
}

double OpenLine(const TableState& t, const std::vector<int>& targets) {
  const CPoint c = t.pos[kCueBall];
  double best = 0;
  for (int n : targets) {
    const CPoint b = t.pos[static_cast<std::size_t>(n)];
    const double d = std::hypot(b.x - c.x, b.y - c.y);
    if (d <= kBallDiameter) continue;
    // Up to where the cue ball meets it full: the balls touching it are no hindrance.
    const double k = (d - kBallDiameter) / d;
    const Vec from{double(c.x), double(c.y)}, to{c.x + (b.x - c.x) * k, c.y + (b.y - c.y) * k};
    if (!PathClear(t, from, to, kCueBall, n, kBallDiameter)) continue;
    best = std::max(best, 0.01 / (1.0 + d / 100.0));
  }
  return best;
}

double BestPotChance(const TableState& table, int nGroup) {
  const std::vector<PotLine> pots = FindPots(table, Targets(table, nGroup, false));
  return pots.empty() ? 0.0 : pots.front().chance;
}

bool WantsPushOut(const ComputerShot& plan) { return !plan.any || plan.safety; }

bool TakesTableAfterPushOut(const TableState& table, int nGroup) { return BestPotChance(table, nGroup) >= kFairPot; }

}  // namespace pool
