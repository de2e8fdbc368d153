// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_rule_sets.h"

#include <algorithm>

namespace pool {

namespace {
constexpr std::array<const char*, kRuleSetCount> kNames = {"Classic 8-ball", "Standard 8-ball", "9-ball"};

// The diamond of 9-ball in the places of the 8-ball rack: the 1 at the
// apex, the 9 in the middle of the widest row, the others around them.
constexpr std::array<CPoint, kNineBall + 1> kDiamond = {{
    {0, 0}, {187, 192}, {175, 199}, {163, 178}, {151, 199}, {139, 192}, {175, 185}, {163, 206}, {151, 185}, {163, 192},
}};

bool WentDown(int n, const ShotFacts& f) {
  const std::size_t i = static_cast<std::size_t>(n);
  return !f.onTable[i] && !f.offBefore[i];
}

// Object balls that went down in this shot, the 8 left out.
struct Potted {
  int solids = 0, stripes = 0;
  bool eight = false;
  int Count() const { return solids + stripes + (eight ? 1 : 0); }
};

Potted PottedIn(const ShotFacts& f) {
  Potted p;
  for (int n = 1; n < kBallCount; ++n) {
    if (!WentDown(n, f)) continue;
    if (n == kEightBall)
      p.eight = true;
    else
      (n < kEightBall ? p.solids : p.stripes) += 1;
  }
  return p;
}

// The balls the cue ball may strike first in standard 8-ball.
bool FairFirst(const ShotFacts& f, const Groups& groups, int seat, bool onEight) {
  if (f.isBreak) return true;
  if (onEight) return f.firstHit == kEightBall;
  if (f.firstHit == kEightBall) return false;
  const int own = groups.set ? groups.seat[static_cast<std::size_t>(seat)] : kOpenTable;
  return own == kOpenTable || GroupOfBall(f.firstHit) == own;
}

Foul StandardFoul(const ShotFacts& f, const Groups& groups, int seat, bool onEight, int potted) {
  if (!f.onTable[kCueBall]) return Foul::Scratch;
  if (f.firstHit < 0) return Foul::NoBallHit;
  if (!FairFirst(f, groups, seat, onEight)) return Foul::WrongBallFirst;
  if (!f.isBreak && potted == 0 && !f.railAfterContact) return Foul::NoRail;
  return Foul::None;
}

// An open table goes to the group potted; with both, to the group of the ball struck first.
void SettleGroups(Groups& groups, int seat, const Potted& p, int firstHit) {
  if (p.solids + p.stripes == 0) return;
  const int g = p.stripes == 0 ? kSolids : p.solids == 0 ? kStripes : GroupOfBall(firstHit);
  groups.set = true;
  groups.seat[static_cast<std::size_t>(seat)] = g;
  groups.seat[static_cast<std::size_t>(1 - seat)] = 1 - g;
}
}  // namespace

RuleSet RuleSetOf(int nVariant) { return static_cast<RuleSet>(std::clamp(nVariant, 0, kRuleSetCount - 1)); }

const char* RuleSetName(RuleSet rules) { return kNames[static_cast<std::size_t>(rules)]; }

TableState RackedNineBall() {
  TableState t = RackedTable();
  t.rules = RuleSet::NineBall;
  for (int n = 1; n < kBallCount; ++n) {
    const std::size_t i = static_cast<std::size_t>(n);
    t.onTable[i] = n <= kNineBall;
    t.pos[i] = n <= kNineBall ? kDiamond[i] : TrayPosition(n);
  }
  return t;
}

CPoint FreeSpotNear(const TableState& table, CPoint spot, int n) {
  auto free = [&](int x) {
    for (int m = 0; m < kBallCount; ++m) {
      const std::size_t i = static_cast<std::size_t>(m);
      const double dx = table.pos[i].x - x, dy = table.pos[i].y - spot.y;
      if (m != n && table.onTable[i] && dx * dx + dy * dy < kBallDiameter * kBallDiameter) return false;
    }
    return true;
  };
  for (int x = spot.x; x >= kBedLeft; --x)
    if (free(x)) return {x, spot.y};
  for (int x = spot.x; x <= kBedRight; ++x)
    if (free(x)) return {x, spot.y};
  return spot;
}

int LowestOnTable(const BallFlags& onTable) {
  for (int n = 1; n < kBallCount; ++n)
    if (onTable[static_cast<std::size_t>(n)]) return n;
  return -1;
}

RuleCall JudgeStandard(const ShotFacts& f, Groups& groups, int nSeat) {
  const int seat = nSeat != 0 ? 1 : 0;
  const int own = groups.set ? groups.seat[static_cast<std::size_t>(seat)] : kOpenTable;
  BallFlags before{};
  for (int n = 0; n < kBallCount; ++n) before[static_cast<std::size_t>(n)] = !f.offBefore[static_cast<std::size_t>(n)];
  const bool onEight = IsOnEightBall(before, own);
  const Potted p = PottedIn(f);
  RuleCall call;
  call.foul = StandardFoul(f, groups, seat, onEight, p.Count());
  const bool foul = call.foul != Foul::None;
  if (p.eight && f.isBreak) {
    call.respot = kEightBall;  // the 8 off the break comes back; the table plays on
  } else if (p.eight) {
    call.result = onEight && !foul && f.eightPocket == f.calledPocket ? Result::Win : Result::Loss;
    call.why = !onEight ? LossWhy::EightTooSoon : foul ? LossWhy::EightOnFoul : LossWhy::EightWrongPocket;
    if (call.result == Result::Win) call.why = LossWhy::None;
    call.turnPasses = call.result == Result::Loss;
    return call;
  }
  if (foul) {
    call.ballInHand = true;
    return call;
  }
  // The break leaves the table open whatever dropped; after it the first legal pot decides.
  if (!f.isBreak && own == kOpenTable) SettleGroups(groups, seat, p, f.firstHit);
  const int mine = groups.set ? groups.seat[static_cast<std::size_t>(seat)] : kOpenTable;
  const int ownDown = mine == kSolids ? p.solids : mine == kStripes ? p.stripes : p.solids + p.stripes;
  call.turnPasses = ownDown == 0;
  return call;
}

RuleCall JudgeNineBall(const ShotFacts& f) {
  BallFlags before{};
  for (int n = 0; n < kBallCount; ++n) before[static_cast<std::size_t>(n)] = !f.offBefore[static_cast<std::size_t>(n)];
  const int lowest = LowestOnTable(before);
  int potted = 0;
  for (int n = 1; n < kBallCount; ++n) potted += WentDown(n, f) ? 1 : 0;
  RuleCall call;
  call.pushOutNext = f.isBreak;
  if (!f.onTable[kCueBall])
    call.foul = Foul::Scratch;
  else if (f.pushOut)
    call.foul = Foul::None;  // a push-out need strike nothing and reach no cushion
  else if (f.firstHit < 0)
    call.foul = Foul::NoBallHit;
  else if (f.firstHit != lowest)
    call.foul = Foul::WrongBallFirst;
  else if (!f.isBreak && potted == 0 && !f.railAfterContact)
    call.foul = Foul::NoRail;
  const bool nine = WentDown(kNineBall, f);
  if (call.foul != Foul::None) {
    call.ballInHand = true;
    call.pushOutNext = false;
    if (nine) call.respot = kNineBall;
    return call;
  }
  if (f.pushOut) {
    // What drops on a push-out stays down, but the 9 comes back; the other seat chooses.
    if (nine) call.respot = kNineBall;
    return call;
  }
  if (nine) {
    call.result = Result::Win;
    call.turnPasses = false;
    return call;
  }
  call.turnPasses = potted == 0;
  return call;
}

std::string FoulText(Foul foul, int nBallOn) {
  switch (foul) {
    case Foul::None: return {};
    // Short, as players say them: the status line has room for the rest of the prompt.
    case Foul::Scratch: return "Foul: scratch.";
    case Foul::NoBallHit: return "Foul: no ball hit.";
    case Foul::WrongBallFirst:
      return nBallOn > 0 ? "Foul: missed the " + std::to_string(nBallOn) + "." : "Foul: wrong ball first.";
    case Foul::NoRail: return "Foul: no rail.";
  }
  return {};
}

}  // namespace pool
