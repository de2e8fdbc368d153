// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/basketball/model/basketball_motion.h"

#include <algorithm>
#include <cmath>

namespace basketball {

namespace {

// The size factor's 0.02 is kept in single precision, so z = 150 still
// counts as the third size and z = 200 as the fourth.
constexpr double kSizeFactor = static_cast<double>(0.02f);

bool Due(DWORD now, DWORD since, DWORD ms) { return now - since > ms; }

CPoint At(float x, float y) { return {static_cast<int>(x), static_cast<int>(y)}; }

void Spin(ShotBall& b, DWORD now) {
  if (!Due(now, b.dwSpinTick, kSpinMs)) return;
  b.nSpinCel = b.nSpinCel % kSpinPhases + 1;
  b.dwSpinTick = now;
}

// Shows the ball where it is, turned on by its spin, at its size.
void ShowFlying(ShotBall& b, DWORD now, BallFrame& f) {
  f.move = true;
  f.pos = At(b.x, b.y);
  Spin(b, now);
  f.cel = FlightCel(b);
}

void Rise(ShotBall& b, DWORD now, BallFrame& f) {
  b.x += b.dx;
  b.y += b.dy;
  b.z += b.dz;
  if (b.z >= static_cast<float>(b.nTargetZ)) {
    // The top of the arc: from here the ball comes back down the screen.
    b.x = static_cast<float>(b.nTargetX);
    b.y = static_cast<float>(b.nTargetY);
    b.z = static_cast<float>(b.nTargetZ);
    b.nState = kDescending;
    b.dy = -b.dy;
    b.nTargetZ = static_cast<int>(kBoardDepth);
  }
  b.dwStepTick = now;
  ShowFlying(b, now, f);
}

void Descend(ShotBall& b, DWORD now, int boardX, BallFrame& f) {
  // Only a ball still heading out turns back: a slow one just past a wall
  // would otherwise shake there, knocking at every step.
  if ((b.x > kDescentRightWall && b.dx > 0.0f) || (b.x < kDescentLeftWall && b.dx < 0.0f)) {
    b.dx = -b.dx;
    f.sound = kSideSound;
  }
  b.x += b.dx;
  b.y += b.dy;
  b.z += b.dz;
  if (b.z < kBoardDepth) {
    ShowFlying(b, now, f);
    return;
  }
  b.nState = kFalling;
  b.dy = kFallStep;
  f.move = true;
  f.pos = At(b.x, b.y);
  const bool overBoard = static_cast<float>(boardX) < b.x && b.x < static_cast<float>(boardX + kBoardWidth) &&
                         static_cast<float>(kGlassTop) < b.y && b.y < static_cast<float>(kGlassBottom);
  if (overBoard) f.sound = kBoardSound;
  b.dwStepTick = now;
}

// The ball's bottom meets the rim line: in the ring, on the ring, or past it.
bool MeetRim(ShotBall& b, int boardX, BallFrame& f) {
  const float x = b.x;
  const auto edge = [boardX](int offset) { return static_cast<float>(boardX + offset); };
  if (edge(kBasketLeft) < x && x < edge(kBasketRight)) {
    b.nState = kNetFirst;
    f.move = true;
    f.pos = kHidden;
    return true;
  }
  if (edge(kRimOuterLeft) < x && x < edge(kRimOuterRight)) {
    const bool left = x < edge(kBasketLeft);
    const CPoint target = left ? kLeftBounceTarget : kRightBounceTarget;
    b.nState = left ? kLeftBounce : kRightBounce;
    b.nTargetX = target.x;
    b.nTargetY = target.y;
    b.nTargetZ = kBounceOutDepth;
    b.dz = -static_cast<float>(8 - b.nPower);
    ComputeStep(b);
    return true;
  }
  return false;
}

void Fall(ShotBall& b, DWORD now, int boardX, BallFrame& f) {
  b.y += b.dy;
  const float bottom = b.y + static_cast<float>(kBallRimReach);
  const float rim = static_cast<float>(kRimY);
  if (bottom > rim && bottom - b.dy < rim) {
    MeetRim(b, boardX, f);
    return;
  }
  f.move = true;
  f.pos = At(b.x, b.y);
  Spin(b, now);
  f.cel = b.nSpinCel + 8;
  if (b.y > kFloorY) {
    b.nState = kGone;
    f.pos = kHidden;
    b.dwStepTick = now;
  }
}

void Net(ShotBall& b, DWORD now, int boardX, BallFrame& f) {
  const bool slow = b.nState == 8 || b.nState == 9;
  if (!Due(now, b.dwStepTick, slow ? 100 : 50)) return;
  if (b.nState == kNetLast) {
    // Out under the net: the basket counts and the ball drops to the floor.
    f.boardCel = 0;
    b.nState = kFalling;
    b.x = static_cast<float>(boardX + kBoardWidth / 2);
    b.y = kBelowNetY;
    f.move = true;
    f.pos = At(b.x, b.y);
    f.scored = true;
  } else {
    f.boardCel = b.nState;
    ++b.nState;
    if (b.nState == 8) f.sound = kBasketSound;
  }
  b.dwStepTick = now;
}

void Bounce(ShotBall& b, DWORD now, BallFrame& f) {
  b.x += b.dx;
  b.y += b.dy;
  b.z += b.dz;
  b.dwStepTick = now;
  f.move = true;
  if (b.z <= static_cast<float>(kBounceOutDepth)) {
    b.nState = kGone;
    f.pos = kHidden;
    return;
  }
  f.pos = At(b.x, b.y);
  Spin(b, now);
  f.cel = BounceCel(b);
}

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

BallFrame AdvanceBall(ShotBall& b, DWORD now, int boardX) {
  BallFrame f;
  const bool due = Due(now, b.dwStepTick, static_cast<DWORD>(std::max(b.nPower, 0)));
  switch (b.nState) {
    case kRising:
      if (due) Rise(b, now, f);
      break;
    case kDescending:
      if (due) Descend(b, now, boardX, f);
      break;
    case kFalling:
      if (due) Fall(b, now, boardX, f);
      break;
    case kGone:
      if (Due(now, b.dwStepTick, kGoneMs)) {
        ReturnToRack(b);
        f.move = true;
        f.pos = {b.nRestX, b.nRestY};
        f.cel = 0;
        b.dwStepTick = now;
      }
      break;
    case kLeftBounce:
    case kRightBounce:
      if (due) Bounce(b, now, f);
      break;
    default:
      if (b.nState >= kNetFirst && b.nState <= kNetLast) Net(b, now, boardX, f);
      break;
  }
  return f;
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
