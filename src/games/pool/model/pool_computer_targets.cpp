// SPDX-License-Identifier: GPL-3.0-or-later
// What the computer may aim at under each rule set, and where it puts the
// cue ball when it has it in hand.
#include "games/pool/model/pool_computer.h"

#include "games/pool/model/pool_computer_rules.h"
#include "games/pool/model/pool_rule_sets.h"

namespace pool {

namespace {
constexpr int kInHandStep = 14;  // pixels between the spots tried for the cue ball in hand
}  // namespace

bool OwnsBall(int n, int nGroup) {
  if (n == kEightBall || n < 1) return false;
  return nGroup == kOpenTable || GroupOfBall(n) == nGroup;
}

std::vector<int> Targets(const TableState& table, int nGroup, bool bInHand) {
  std::vector<int> out;
  // At 9-ball only the lowest ball may be struck first.
  if (table.rules == RuleSet::NineBall) {
    const int lowest = LowestOnTable(table.onTable);
    if (lowest > 0 && !(bInHand && InKitchen(table.pos[static_cast<std::size_t>(lowest)]))) out.push_back(lowest);
    return out;
  }
  const bool eightOnly = nGroup != kOpenTable && GroupCleared(table.onTable, nGroup);
  for (int n = 1; n < kBallCount; ++n) {
    const std::size_t i = static_cast<std::size_t>(n);
    if (!table.onTable[i] || (bInHand && InKitchen(table.pos[i]))) continue;
    if (eightOnly ? n == kEightBall : OwnsBall(n, nGroup)) out.push_back(n);
  }
  return out;
}

CPoint PlaceInHand(const TableState& table, int nGroup, bool bAnywhere) {
  CPoint best = kRack[kCueBall].spot;
  double bestChance = -1.0;
  const int left = bAnywhere ? kBedLeft + kBallRadius : kKitchen.left + kBallRadius;
  for (int x = left; x <= kBedRight - kBallRadius; x += kInHandStep)
    for (int y = kBedTop + kBallRadius; y <= kBedBottom - kBallRadius; y += kInHandStep) {
      TableState t = table;
      t.pos[kCueBall] = {x, y};
      t.onTable[kCueBall] = true;
      bool free = true;
      for (int n = 1; n < kBallCount && free; ++n) {
        const CPoint p = t.pos[static_cast<std::size_t>(n)];
        free = !t.onTable[static_cast<std::size_t>(n)] ||
               (p.x - x) * (p.x - x) + (p.y - y) * (p.y - y) >= (kBallDiameter + 1) * (kBallDiameter + 1);
      }
      if (!free) continue;
      const std::vector<int> targets = Targets(t, nGroup, !bAnywhere);
      const std::vector<PotLine> pots = FindPots(t, targets);
      const double chance = !pots.empty() ? pots.front().chance : bAnywhere ? OpenLine(t, targets) : 0.0;
      if (chance > bestChance) {
        bestChance = chance;
        best = {x, y};
      }
    }
  return best;
}

}  // namespace pool
