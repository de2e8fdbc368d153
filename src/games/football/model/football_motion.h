// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flight of a pass step by step: the ball rises from its start over an
// apex and falls to its landing point, then tumbles off a rim or a post, or
// drops through a hole or past the board. Positions are hot-spot positions
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

// Where the flight starts for a press at `press` in a zone whose top is `zoneTop`.
CPoint FlightStart(CPoint press, int zoneTop);
// Milliseconds per flight step, and the arc's height in pixels: a slow pass
// flies slower and higher.
int FlightStepMs(DWORD throwMs);
inline int ArcHeight(DWORD throwMs) { return FlightStepMs(throwMs); }
CPoint Apex(CPoint start, CPoint landing, int height);

// The rising half, start to apex (cels 0..2), and the falling half, apex to
// landing point (cels 3..5). Each ends once the steps' run adds up to 50.
std::vector<Step> RisingSteps(CPoint start, CPoint apex);
std::vector<Step> FallingSteps(CPoint apex, CPoint landing);

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
// The tumble from `from` towards `target`, five pixels a step (cels 10..21,
// then 16..21 over and over); none when the two coincide.
std::vector<Step> BounceSteps(CPoint from, CPoint target);
// The drop from `from`, five pixels a step, until the ball has fallen as far
// below the landing height as the floor lies (cels 6..9).
std::vector<Step> DropSteps(CPoint from, int landingY);

}  // namespace football
