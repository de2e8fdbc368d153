// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/basketball/model/basketball_motion.h"

#include <algorithm>
#include <cmath>

#include "games/basketball/model/basketball_ring.h"

namespace basketball {

namespace {

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

// Past a side wall the ball comes back as a mirror image, so where it
// reaches the board does not depend on the size of its steps.
void KeepBetweenWalls(ShotBall& b, BallFrame& f) {
  if (b.x > kDescentRightWall && b.dx > 0.0f) {
    b.x = 2.0f * kDescentRightWall - b.x;
    b.dx = -b.dx;
    f.sound = kSideSound;
  } else if (b.x < kDescentLeftWall && b.dx < 0.0f) {
    b.x = 2.0f * kDescentLeftWall - b.x;
    b.dx = -b.dx;
    f.sound = kSideSound;
  }
}

// The ball reaches the glass and drops from there.
void ArriveAtBoard(ShotBall& b, int boardX, BallFrame& f) {
  b.nState = kFalling;
  b.dy = kFallStep;
  f.move = true;
  f.pos = At(b.x, b.y);
  const bool overGlass = static_cast<float>(boardX) < b.x && b.x < static_cast<float>(boardX + kBoardWidth) &&
                         static_cast<float>(kGlassTop) < b.y && b.y < static_cast<float>(kGlassBottom);
  if (overGlass) f.sound = kBoardSound;
}

void Descend(ShotBall& b, DWORD now, int boardX, BallFrame& f) {
  // The last step stops on the glass: a quick shot's big steps must not
  // carry it further than a slow one's.
  StepSpan s{b.x, b.y, b.z, true};
  const float toBoard = kBoardDepth - b.z;
  const float part = b.dz > 0.0f && b.dz > toBoard ? toBoard / b.dz : 1.0f;
  b.x += b.dx * part;
  b.y += b.dy * part;
  b.z += b.dz * part;
  KeepBetweenWalls(b, f);
  s.straight = f.sound != kSideSound;
  if (MeetRingOnTheWay(b, s, boardX, f) || RunIntoRingEnd(b, boardX, f)) {
    b.dwStepTick = now;
    return;
  }
  if (b.z < kBoardDepth) {
    ShowFlying(b, now, f);
    return;
  }
  b.z = kBoardDepth;
  b.dwStepTick = now;
  ArriveAtBoard(b, boardX, f);
}

// A ball falling down the glass is the far size; one knocked out off the
// ring falls at the size its bounce left it.
int FallCel(const ShotBall& b) {
  const int size = b.z >= kBoardDepth ? 3 : 2;
  return size * kSpinPhases + b.nSpinCel - 1;
}

void Fall(ShotBall& b, DWORD now, int boardX, BallFrame& f) {
  b.y += b.dy;
  const float bottom = b.y + static_cast<float>(kBallRimReach);
  const float rim = static_cast<float>(kRimY);
  // Only a ball at the glass can meet the ring; one bounced out falls in front of it.
  const bool atGlass = b.z >= kBoardDepth;
  if (atGlass && bottom > rim && bottom - b.dy <= rim && MeetRim(b, boardX, f)) {
    b.dwStepTick = now;
    if (b.nState != kNetFirst) {
      f.move = true;
      f.pos = At(b.x, b.y);
    }
    return;
  }
  f.move = true;
  f.pos = At(b.x, b.y);
  Spin(b, now);
  f.cel = FallCel(b);
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
    b.z = kBoardDepth;
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
    // Out in front of the ring the ball drops to the floor.
    b.z = static_cast<float>(kBounceOutDepth);
    b.nState = kFalling;
    b.dy = kFallStep;
    b.dx = 0.0f;
  }
  f.pos = At(b.x, b.y);
  Spin(b, now);
  f.cel = b.nState == kFalling ? FallCel(b) : BounceCel(b);
}

}  // namespace

bool BehindRimFront(const ShotBall& b) {
  return b.nState != kOnRack && b.nState != kGone && b.z > kRimFrontDepth;
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
  f.behindRim = BehindRimFront(b);
  return f;
}

}  // namespace basketball
