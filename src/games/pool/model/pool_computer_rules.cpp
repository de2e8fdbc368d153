// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_computer_rules.h"

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

double BestPotChance(const TableState& table, int nGroup) {
  const std::vector<PotLine> pots = FindPots(table, Targets(table, nGroup, false));
  return pots.empty() ? 0.0 : pots.front().chance;
}

bool WantsPushOut(const ComputerShot& plan) { return !plan.any || plan.safety; }

bool TakesTableAfterPushOut(const TableState& table, int nGroup) { return BestPotChance(table, nGroup) >= kFairPot; }

}  // namespace pool
