// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flight of one ball, step by step: launch, rise to the top of the arc,
// descent towards the backboard between the side walls, the fall past the
// rim (basket, rim bounce or a plain miss), the net, and back to the rack.
// Each ball runs on its own clock; the game applies what a step shows.
#include <array>

#include "games/basketball/model/basketball_geometry.h"
#include "platform/types.h"

namespace basketball {

enum BallState : int {
  kOnRack = 0,
  kRising = 1,
  kDescending = 2,
  kFalling = 3,
  kGone = 4,
  kNetFirst = 7,  // 7..12: the board shows the net cel of the same number
  kNetLast = 13,  // the ball drops out under the net
  kLeftBounce = 14,
  kRightBounce = 15,
};

struct ShotBall {
  float x = 0, y = 0, z = 0;
  float dx = 0, dy = 0, dz = 0;
  int nTargetX = 0, nTargetY = 0, nTargetZ = 0;
  int nState = kOnRack;
  int nPower = 0;  // tenths of a second held; also the least ms between steps
  DWORD dwStepTick = 0;
  int nSpinCel = 1;  // 1..3
  DWORD dwSpinTick = 0;
  int nRestX = 0, nRestY = 0;
};

inline constexpr int kMaxPower = 7;
inline constexpr DWORD kSpinMs = 200;
inline constexpr DWORD kGoneMs = 1000;
inline constexpr float kFallStep = 5.0f;

// A ball resting on rack spot `i`.
ShotBall RackedBall(int i);
// Puts a ball back on its rack spot (state, spin and position).
void ReturnToRack(ShotBall& ball);
// Power from a hold of `heldMs`: tenths of a second.
int PowerFromHold(DWORD heldMs);
// Raises the target by the power, caps the power and starts the rise from
// below the ball's rack spot.
void LaunchBall(ShotBall& ball, DWORD now);
// dx, dy from the depth still to go, so the ball reaches its target.
void ComputeStep(ShotBall& ball);

// The ball's cel for its depth and spin (sizes 0..3 near to far).
int FlightCel(const ShotBall& ball);
int BounceCel(const ShotBall& ball);

// What one animation tick did to a ball, for the game to show and sound.
struct BallFrame {
  bool move = false;  // the sprite goes to `pos`
  CPoint pos;
  int cel = -1;       // -1: unchanged
  int boardCel = -1;  // -1: unchanged
  UINT sound = 0;     // 0: none
  bool scored = false;
  bool behindRim = false;  // drawn behind the ring's front
};
inline constexpr CPoint kHidden{-100, -100};

// The ball is deeper than the ring's front reaches out from the glass.
bool BehindRimFront(const ShotBall& ball);

// Advances a ball by one timer tick at `now`; `boardX` is the backboard's left edge.
BallFrame AdvanceBall(ShotBall& ball, DWORD now, int boardX);

// The sliding backboard: one pixel per 20 ms between its two stops.
struct BoardSlide {
  int x = kBoardHome.x;
  bool left = true;
  DWORD tick = 0;
};
// Moves the board when it is due; true when it moved.
bool StepBoard(BoardSlide& board, DWORD now);

}  // namespace basketball
