// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flight of a pass step by step: the ball flies from the thrower's hand
// up the field onto the board, then tumbles off a rim or a post, goes on
// through a hole behind the board's face, or bounces back off the face. Positions are hot-spot positions
// of the flying football; each step names the cel it shows.
#include <vector>

#include "games/football/model/football_rules.h"
#include "platform/rect.h"
#include "platform/types.h"

namespace football {

struct Step {
  CPoint at;
  int cel = 0;
};

// Milliseconds per flight step, and the arc's height in pixels: a slow pass
// flies slower and higher.
int FlightStepMs(DWORD throwMs);
inline int ArcHeight(DWORD throwMs) { return FlightStepMs(throwMs); }

// The pass leaves the thrower's hand at `hand` and flies away up the field
// to `landing` on the board's face: over an arc `arcHeight` high in its
// middle, growing smaller with the distance (cels 22..33, four sizes of three
// turns each); the last step is on the landing point, at the smallest size.
std::vector<Step> PassSteps(CPoint hand, CPoint landing, int arcHeight);
// The size (0 in the hand .. kAwaySizes - 1 at the board) a cel shows, or -1
// for a cel that is not one of the flight away.
int AwaySize(int cel);

// The random numbers a bounce is drawn from, in the order they are drawn.
struct BounceDraws {
  int direction = 0;   // rim only: 0..3
  int jx = 0, jy = 0;  // 0..29
  int sx = 0, sy = 0;  // 0 minus, 1 plus
};
// Where a ball that came down at `from` bounces towards.
CPoint BounceTarget(Strike strike, CPoint from, const BounceDraws& draws);

inline constexpr int kBounceStepPx = 5;
inline constexpr int kBounceStepMs = 25;
// The tumble from `from` towards `target`, five pixels a step, turning over
// at the size the ball has at the board; none when the two coincide.
std::vector<Step> BounceSteps(CPoint from, CPoint target);
// A ball that missed the holes bounces back off the board's face and drops
// to the grass at its foot, drifting `sideways` (-1, 0, +1) as it flew, and
// growing a little as it comes back towards the thrower (cels of the two
// smallest sizes).
std::vector<Step> FaceBounceSteps(CPoint from, int sideways);

}  // namespace football
