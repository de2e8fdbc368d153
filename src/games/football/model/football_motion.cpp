// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/football/model/football_motion.h"

#include <algorithm>
#include <cmath>

namespace football {

namespace {
constexpr double kStepRun = 5.0;   // each step moves 5 along the arc's run
constexpr double kHalfRun = 50.0;  // a half of the arc is 50 of run long
constexpr int kBounceReach = 50;

// One half of the arc from `from`, `length` pixels long, in direction
// (cos a, sign * |sin a|). The steeper the half, the more steps it takes.
std::vector<Step> HalfArc(CPoint from, double length, double a, int ySign, int firstCel) {
  const double theta = std::atan2(length, kHalfRun);
  const double stride = kStepRun * std::sin(theta);
  const double run = kStepRun * std::cos(theta);
  std::vector<Step> steps;
  double sum = 0;
  for (int k = 0;; ++k) {
    const int x = static_cast<int>(from.x + k * stride * std::cos(a));
    const int y = static_cast<int>(from.y + ySign * k * std::abs(stride * std::sin(a)));
    steps.push_back({{x, y}, firstCel + k % 3});
    sum += run;
    if (sum >= kHalfRun) break;
  }
  return steps;
}

int Signed(int magnitude, int sign) { return sign == 0 ? -magnitude : magnitude; }
}  // namespace

CPoint FlightStart(CPoint press, int zoneTop) {
  return {static_cast<int>((press.x - 113) * 0.005128205128205128 * 187 + 118),
          static_cast<int>((press.y - zoneTop) * 0.041666666666666664 * 102 + 55)};
}

int FlightStepMs(DWORD throwMs) {
  if (throwMs <= 500) return 20;
  if (throwMs <= 1000) return 40;
  return 60;
}

CPoint Apex(CPoint start, CPoint landing, int height) {
  return {start.x + (landing.x - start.x) / 2, std::min(start.y, landing.y) - height};
}

std::vector<Step> RisingSteps(CPoint start, CPoint apex) {
  const double dx = apex.x - start.x;
  const double dy = start.y - apex.y;
  const double length = static_cast<int>(std::sqrt(dy * dy + dx * dx));
  const double a = std::atan2(dy, dx);  // straight up (pi/2) for a pass with no sideways run
  return HalfArc(start, length, a, -1, kFirstRisingCel);
}

std::vector<Step> FallingSteps(CPoint apex, CPoint landing) {
  const double dx = landing.x - apex.x;
  const double dy = landing.y - apex.y;
  const double length = static_cast<int>(std::sqrt(dx * dx + dy * dy));
  const double a = -std::atan2(dy, dx);  // straight down (-pi/2) for a pass with no sideways run
  return HalfArc(apex, length, a, +1, kFirstFallingCel);
}

CPoint BounceTarget(Strike strike, CPoint from, const BounceDraws& d) {
  int cx = 0;
  int cy = 0;
  switch (strike) {
    case Strike::Rim: {
      static constexpr int kCx[4] = {+1, -1, -1, +1};
      static constexpr int kCy[4] = {+1, +1, -1, -1};
      const int v = std::clamp(d.direction, 0, 3);
      cx = kCx[v];
      cy = kCy[v];
      break;
    }
    case Strike::LeftPost:
      cx = +1;
      cy = -1;
      break;  // off the left post: away to the right
    case Strike::RightPost:
      cx = -1;
      cy = -1;
      break;  // off the right post: away to the left
    case Strike::HoleOrMiss: return from;
  }
  return {from.x + Signed(d.jx, d.sx) + kBounceReach * cx, from.y + Signed(d.jy, d.sy) + kBounceReach * cy};
}

std::vector<Step> BounceSteps(CPoint from, CPoint target) {
  std::vector<Step> steps;
  const double dx = target.x - from.x;
  const double dy = target.y - from.y;
  const double distance = std::sqrt(dx * dx + dy * dy);
  if (distance <= 0) return steps;
  const double a = std::atan2(dy, dx);
  constexpr int kTumbleCels = kFlightCels - kFirstTumbleCel;
  constexpr int kLoopCels = kFlightCels - kFirstTumbleLoopCel;
  for (int k = 1;; ++k) {
    const int i = k - 1;
    const int cel = i < kTumbleCels ? kFirstTumbleCel + i : kFirstTumbleLoopCel + (i - kTumbleCels) % kLoopCels;
    steps.push_back({{static_cast<int>(from.x + k * kBounceStepPx * std::cos(a)),
                      static_cast<int>(from.y - k * kBounceStepPx * std::sin(a))},
                     cel});
    if (kBounceStepPx * k >= distance) break;
  }
  return steps;
}

std::vector<Step> DropSteps(CPoint from, int landingY) {
  std::vector<Step> steps;
  const int fall = kDropFloorY - landingY;
  for (int k = 1; fall > 0; ++k) {
    steps.push_back({{from.x, from.y + kBounceStepPx * k}, kFirstDropCel + (k - 1) % 4});
    if (kBounceStepPx * k >= fall) break;
  }
  return steps;
}

}  // namespace football
