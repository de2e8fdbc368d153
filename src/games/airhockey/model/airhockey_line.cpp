// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/airhockey/model/airhockey_line.h"

#include <cmath>

#include "games/airhockey/model/airhockey_geometry.h"

namespace airhockey {

namespace {
constexpr double kIntLimit = 1.0e9;
}  // namespace

int TruncToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value > kIntLimit) return static_cast<int>(kIntLimit);
  if (value < -kIntLimit) return static_cast<int>(-kIntLimit);
  return static_cast<int>(value);
}

float SlopeBetween(CPoint a, CPoint b) {
  const float dx = static_cast<float>(a.x - b.x);
  const float dy = static_cast<float>(a.y - b.y);
  if (dx == 0.0f) return kVerticalSlope;
  return dy / dx;
}

int InterceptThrough(CPoint p, float slope) {
  return TruncToInt(static_cast<float>(p.y) - static_cast<float>(p.x) * slope);
}

Line LineWithSlope(float slope, CPoint p) { return {slope, InterceptThrough(p, slope), std::fabs(slope) <= 1.0f}; }

Line LineBetween(CPoint from, CPoint to) { return LineWithSlope(SlopeBetween(to, from), from); }

int YAtX(int x, const Line& line) {
  return TruncToInt(static_cast<double>(static_cast<float>(x) * line.slope) + 0.5 + line.intercept);
}

int XAtY(int y, const Line& line) {
  // A level line meets no other y: send the point off toward the side it leans to.
  if (line.slope == 0.0f) return y >= line.intercept ? static_cast<int>(kIntLimit) : static_cast<int>(-kIntLimit);
  return TruncToInt(static_cast<double>(static_cast<float>(y - line.intercept) / line.slope) + 0.5);
}

CPoint PointAtX(int x, float slope, int intercept) {
  const Line line{slope, intercept, false};
  CPoint p{x, YAtX(x, line)};
  if (p.y > kWallBottom) {
    p.y = kWallBottom;
    p.x = XAtY(p.y, line);
  } else if (p.y < kWallTop) {
    p.y = kWallTop;
    p.x = XAtY(p.y, line);
  }
  return p;
}

CPoint PointAtY(int y, float slope, int intercept) {
  const Line line{slope, intercept, false};
  CPoint p{XAtY(y, line), y};
  if (p.x > kWallRight) {
    p.x = kWallRight;
    p.y = YAtX(p.x, line);
  } else if (p.x < kWallLeft) {
    p.x = kWallLeft;
    p.y = YAtX(p.x, line);
  }
  return p;
}

}  // namespace airhockey
