// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_rules.h"
#include "platform/portable_math.h"

#include <cmath>

namespace pool {

namespace {
constexpr std::array<const char*, kPocketCount> kPocketMessages = {
    "Top Left Corner Pocket Selected",     "Top Middle Pocket Selected",  "Top Right Corner Pocket Selected",
    "Bottom Right Corner Pocket Selected", "Bottom Middle Pocket Selected", "Bottom Left Corner Pocket Selected"};

bool WentDown(int n, const BallFlags& onTable, const BallFlags& before) {
  return !onTable[static_cast<std::size_t>(n)] && !before[static_cast<std::size_t>(n)];
}

// Balls of a group: 1..7 or 9..15.
int FirstOf(int nGroup) { return nGroup == kSolids ? 1 : 9; }
}  // namespace

const char* GroupWord(int nGroup) {
  switch (nGroup) {
    case kSolids: return "solid";
    case kStripes: return "stripe";
    default: return "open table";
  }
}

bool GroupCleared(const BallFlags& onTable, int nGroup) {
  if (nGroup != kSolids && nGroup != kStripes) return false;
  for (int n = FirstOf(nGroup); n < FirstOf(nGroup) + 7; ++n)
    if (onTable[static_cast<std::size_t>(n)]) return false;
  return true;
}

bool IsOnEightBall(const BallFlags& onTable, int nGroup) {
  return onTable[kEightBall] && GroupCleared(onTable, nGroup);
}

Verdict JudgeShot(const BallFlags& onTable, int nGroup, int nEightPocket, int nCalledPocket) {
  const bool cleared = GroupCleared(onTable, nGroup);
  if (!onTable[kCueBall] && cleared) return Verdict::ScratchOnEight;
  if (onTable[kEightBall]) return Verdict::PlayOn;
  if (!cleared) return Verdict::EightOutOfTurn;
  return nEightPocket == nCalledPocket ? Verdict::Win : Verdict::EightWrongPocket;
}

bool TurnPasses(Groups& groups, int nSeat, bool bTurnOver, int nFirstHit, const BallFlags& onTable,
                const BallFlags& before) {
  if (bTurnOver || nFirstHit < 0) return true;
  const int seat = nSeat != 0 ? 1 : 0;
  if (!groups.set) {
    for (int n = 1; n < kBallCount; ++n) {
      if (!WentDown(n, onTable, before)) continue;
      groups.set = true;
      if (n == kEightBall) continue;  // settles the table without giving anyone a group
      // A later ball in the order wins: solids and a stripe together make stripes.
      groups.seat[static_cast<std::size_t>(seat)] = n < kEightBall ? kSolids : kStripes;
      groups.seat[static_cast<std::size_t>(1 - seat)] = n < kEightBall ? kStripes : kSolids;
    }
    return groups.seat[static_cast<std::size_t>(seat)] == kOpenTable;
  }
  const int g = groups.seat[static_cast<std::size_t>(seat)];
  if (g == kOpenTable) return true;
  if (GroupOfBall(nFirstHit) != g) return true;
  // The shooter plays on after sinking one of his own or the 8.
  const int from = g == kSolids ? 1 : kEightBall, to = g == kSolids ? kEightBall : 15;
  for (int n = from; n <= to; ++n)
    if (WentDown(n, onTable, before)) return false;
  return true;
}

double AimPower(CPoint cue, CPoint mouse) {
  const double dx = mouse.x - cue.x, dy = mouse.y - cue.y;
  const double power = kPowerPerPixel * std::sqrt(dx * dx + dy * dy);
  if (power < kLeastPower) return 0.0;
  return power > kMaxPower ? kMaxPower : power;
}

double AimAngle(CPoint cue, CPoint mouse) {
  return pmath::Atan2(static_cast<double>(mouse.y - cue.y), static_cast<double>(cue.x - mouse.x)) * kRadToDeg;
}

int PickPocket(int x, int y) {
  for (int k = 0; k < kPocketCount; ++k) {
    const CPoint p = kCallPoints[static_cast<std::size_t>(k)];
    const int dx = x - p.x, dy = y - p.y;
    if (dx * dx + dy * dy < kCallRadiusSquared) return k;
  }
  return -1;
}

std::string PocketMessage(int nPocket) {
  if (nPocket < 0 || nPocket >= kPocketCount) return {};
  return kPocketMessages[static_cast<std::size_t>(nPocket)];
}

bool InKitchen(CPoint ball) { return kKitchen.PtInRect(ball); }

}  // namespace pool
