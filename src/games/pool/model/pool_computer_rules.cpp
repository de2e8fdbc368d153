// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_computer_rules.h"

#include <algorithm>
#include <cmath>

#include "games/pool/model/pool_rule_sets.h"
#include "platform/portable_math.h"

namespace pool {

namespace {

// x to the power 1.5 with the same bits on every build (no library pow).
double ThreeHalvesPower(double x) { return x > 0.0 ? x * std::sqrt(x) : 0.0; }

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
  shot.angle = pmath::Atan2(-static_cast<double>(kFootSpot.y - c.y), static_cast<double>(kFootSpot.x - c.x)) * kRadToDeg;
  if (random) shot.angle += skill::HandError(random, hand.angleSpread);
  shot.target = LowestOnTable(table.onTable);
  return shot;
}

double OpenLine(const TableState& t, const std::vector<int>& targets) {
  const CPoint c = t.pos[kCueBall];
  double best = 0;
  for (int n : targets) {
    const CPoint b = t.pos[static_cast<std::size_t>(n)];
    const double d = pmath::Hypot(b.x - c.x, b.y - c.y);
    if (d <= kBallDiameter) continue;
    // Up to where the cue ball meets it full: the balls touching it are no hindrance.
    const double k = (d - kBallDiameter) / d;
    const Vec from{double(c.x), double(c.y)}, to{c.x + (b.x - c.x) * k, c.y + (b.y - c.y) * k};
    if (!PathClear(t, from, to, kCueBall, n, kBallDiameter)) continue;
    best = std::max(best, 0.01 / (1.0 + d / 100.0));
  }
  return best;
}

namespace {
constexpr double kMostComboCut = 60.0 * kDegToRad;
constexpr double kComboClearance = kBallDiameter + 1.0;

Vec At(const TableState& t, int n) {
  const CPoint p = t.pos[static_cast<std::size_t>(n)];
  return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

// The unit vector from a to b and the distance; false when they are one point.
bool Towards(Vec a, Vec b, Vec& dir, double& length) {
  length = pmath::Hypot(b.x - a.x, b.y - a.y);
  if (length < 1.0) return false;
  dir = {(b.x - a.x) / length, (b.y - a.y) / length};
  return true;
}

// The combination into `aim`, or chance 0.
PotLine Combination(const TableState& t, int lowest, int pocket, Vec aim) {
  PotLine pot;
  pot.target = lowest;
  pot.pocket = pocket;
  const Vec cue = At(t, kCueBall), low = At(t, lowest), nine = At(t, kNineBall);
  Vec toPocket, toNine, toGhost;
  double nineRun = 0, lowRun = 0;
  if (!Towards(nine, aim, toPocket, nineRun)) return pot;
  const Vec nineGhost{nine.x - toPocket.x * kBallDiameter, nine.y - toPocket.y * kBallDiameter};
  if (!Towards(low, nineGhost, toNine, lowRun)) return pot;
  pot.ghost = {low.x - toNine.x * kBallDiameter, low.y - toNine.y * kBallDiameter};
  if (!Towards(cue, pot.ghost, toGhost, pot.cueRun)) return pot;
  const double nineCut = pmath::Acos(std::clamp(toNine.x * toPocket.x + toNine.y * toPocket.y, -1.0, 1.0));
  pot.cut = pmath::Acos(std::clamp(toGhost.x * toNine.x + toGhost.y * toNine.y, -1.0, 1.0));
  if (nineCut > kMostComboCut || pot.cut > kMostComboCut) return pot;
  if (!PathClear(t, nine, aim, kNineBall, lowest, kComboClearance) ||
      !PathClear(t, low, nineGhost, lowest, kNineBall, kComboClearance) ||
      !PathClear(t, cue, pot.ghost, kCueBall, lowest, kComboClearance))
    return pot;
  pot.angle = pmath::Atan2(-toGhost.y, toGhost.x) * kRadToDeg;
  pot.ballRun = lowRun + nineRun;
  // Two cuts in a row: harder than either pot alone.
  pot.chance = 0.5 * ThreeHalvesPower(pmath::Cos(pot.cut) * pmath::Cos(nineCut)) * 250.0 /
               (250.0 + pot.cueRun + 1.5 * pot.ballRun);
  return pot;
}
}  // namespace

std::vector<PotLine> NineCombinations(const TableState& table) {
  std::vector<PotLine> pots;
  const int lowest = LowestOnTable(table.onTable);
  if (lowest <= 0 || lowest == kNineBall || !table.onTable[kNineBall] || !table.onTable[kCueBall]) return pots;
  for (int k = 0; k < kPocketCount; ++k)
    for (const Vec& aim : PocketAims(k)) {
      const PotLine pot = Combination(table, lowest, k, aim);
      if (pot.chance > 0) pots.push_back(pot);
    }
  return pots;
}

double BestPotChance(const TableState& table, int nGroup) {
  const std::vector<PotLine> pots = FindPots(table, Targets(table, nGroup, false));
  return pots.empty() ? 0.0 : pots.front().chance;
}

bool WantsPushOut(const ComputerShot& plan) { return !plan.any || plan.safety; }

bool TakesTableAfterPushOut(const TableState& table, int nGroup) { return BestPotChance(table, nGroup) >= kFairPot; }

}  // namespace pool
