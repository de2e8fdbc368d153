// SPDX-License-Identifier: GPL-3.0-or-later
// A ball on the rack and in the hand: its rack spot, the launch that the
// hold time lofts, the steps toward its target, the pictures its depth
// shows; and the sliding backboard.
#include <algorithm>

#include "games/basketball/model/basketball_motion.h"

namespace basketball {

namespace {

// The size factor's 0.02 is kept in single precision, so z = 150 still
// counts as the third size and z = 200 as the fourth.
constexpr double kSizeFactor = static_cast<double>(0.02f);

bool Due(DWORD now, DWORD since, DWORD ms) { return now - since > ms; }

}  // namespace

ShotBall RackedBall(int i) {
  ShotBall b;
  const CPoint spot = kRackSpots[static_cast<std::size_t>(std::clamp(i, 0, kBalls - 1))];
  b.nRestX = spot.x;
  b.nRestY = spot.y;
  ReturnToRack(b);
  return b;
}

void ReturnToRack(ShotBall& b) {
  b.nState = kOnRack;
  b.nSpinCel = 1;
  b.x = static_cast<float>(b.nRestX);
  b.y = static_cast<float>(b.nRestY);
  b.z = 0;
}

int PowerFromHold(DWORD heldMs) { return static_cast<int>(std::min<DWORD>(heldMs / 100, 1000)); }

void LaunchBall(ShotBall& b, DWORD now) {
  b.dwStepTick = now;
  b.dwSpinTick = now;
  b.nTargetZ = kArcTopDepth;
  b.x = static_cast<float>(b.nRestX);
  b.y = kLaunchY;
  b.z = kLaunchDepth;
  b.nState = kRising;
  // The longer the ball was held, the higher the lob.
  b.nPower = std::max(b.nPower, 0);
  if (b.nPower <= 3)
    b.nTargetY -= 20;
  else if (b.nPower <= 5)
    b.nTargetY -= 40;
  else
    b.nTargetY -= 60;
  b.nPower = std::min(b.nPower, kMaxPower);
  b.nTargetY = std::max(b.nTargetY, 20);
  b.dz = static_cast<float>(8 - b.nPower);
  ComputeStep(b);
}

void ComputeStep(ShotBall& b) {
  if (b.dz == 0.0f) return;
  const float n = (static_cast<float>(b.nTargetZ) - b.z) / b.dz;
  if (n == 0.0f) return;
  b.dy = (static_cast<float>(b.nTargetY) - b.y) / n;
  b.dx = (static_cast<float>(b.nTargetX) - b.x) / n;
}

int FlightCel(const ShotBall& b) {
  const int size = std::clamp(static_cast<int>(static_cast<double>(b.z) * kSizeFactor), 0, 3);
  return size * kSpinPhases + b.nSpinCel - 1;
}

int BounceCel(const ShotBall& b) {
  // Only the two far sizes exist for a rim bounce.
  const int size = std::clamp(static_cast<int>(static_cast<double>(b.z) * kSizeFactor - 2.0), 0, 1);
  return size * kSpinPhases + b.nSpinCel + (b.nState == kLeftBounce ? 11 : 17);
}

bool StepBoard(BoardSlide& board, DWORD now) {
  if (board.x <= kBoardLeftmost) board.left = false;
  if (board.x >= kBoardRightmost) board.left = true;
  if (!Due(now, board.tick, kBoardStepMs)) return false;
  board.tick = now;
  board.x += board.left ? -1 : 1;
  return true;
}

}  // namespace basketball
