// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Straight runs on the rink. A line keeps a float slope and a whole-pixel
// intercept; a shallow line (|slope| <= 1) is walked along x, a steep one
// along y. A vertical line is stored with the slope 99.
#include "platform/rect.h"

namespace airhockey {

inline constexpr float kVerticalSlope = 99.0f;

struct Line {
  float slope = kVerticalSlope;
  int intercept = 0;
  bool shallow = false;
};

// Truncates toward zero, clamped so that a run toward infinity stays an int.
int TruncToInt(double value);

// (a.y - b.y) / (a.x - b.x), or 99 when both share an x.
float SlopeBetween(CPoint a, CPoint b);
// trunc(p.y - p.x m): the intercept of a line of slope m through p.
int InterceptThrough(CPoint p, float slope);
// The line of the given slope through p.
Line LineWithSlope(float slope, CPoint p);
// The line from `from` toward `to`, its intercept taken at `from`.
Line LineBetween(CPoint from, CPoint to);

// y at x: trunc(x m + 0.5 + c).
int YAtX(int x, const Line& line);
// x at y: trunc((y - c) / m + 0.5).
int XAtY(int y, const Line& line);

// The point of the line at x = X, held onto the rink's top and bottom walls
// (x then follows from y). Always on the rink's border when X is a side wall.
CPoint PointAtX(int x, float slope, int intercept);
// The point of the line at y = Y, held onto the side walls (y then follows from x).
CPoint PointAtY(int y, float slope, int intercept);

}  // namespace airhockey
