// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/football/model/football_motion.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <cmath>

namespace football {

namespace {
constexpr int kBounceReach = 50;
constexpr double kPi = 3.14159265358979;

int Signed(int magnitude, int sign) { return sign == 0 ? -magnitude : magnitude; }

int AwayCel(int size, int turn) { return kFirstAwayCel + size * 3 + turn % 3; }
}  // namespace

int FlightStepMs(DWORD throwMs) {
  if (throwMs <= 500) return 20;
  if (throwMs <= 1000) return 40;
  return 60;
}

std::vector<Step> PassSteps(CPoint hand, CPoint landing, int arcHeight) {
  const double dx = landing.x - hand.x, dy = landing.y - hand.y;
  // About eight pixels of the way a step, never fewer than a dozen steps.
  const int n = std::clamp(static_cast<int>(std::sqrt(dx * dx + dy * dy) / 8.0), 12, 40);
  std::vector<Step> steps;
  for (int k = 1; k <= n; ++k) {
    const double t = static_cast<double>(k) / n;
    const double lift = arcHeight * pmath::Sin(kPi * t);
    const int size = std::min(kAwaySizes - 1, static_cast<int>(t * kAwaySizes));
    steps.push_back({{static_cast<int>(std::lround(hand.x + dx * t)), static_cast<int>(std::lround(hand.y + dy * t - lift))},
                     AwayCel(k == n ? kAwaySizes - 1 : size, k)});
  }
  return steps;
}

int AwaySize(int cel) {
  if (cel < kFirstAwayCel || cel >= kFirstAwayCel + 3 * kAwaySizes) return -1;
  return (cel - kFirstAwayCel) / 3;
}

std::vector<Step> FaceBounceSteps(CPoint from, int sideways) {
  // Back off the face with a little hop, then down to the grass at its foot.
  const double floor = std::max(kDropFloorY, static_cast<int>(from.y) + 8);
  std::vector<Step> steps;
  double x = from.x, y = from.y, vy = -2.5;
  for (int k = 1; k < 60 && y < floor; ++k) {
    x += 0.6 * std::clamp(sideways, -1, 1);
    vy += 0.5;
    y = std::min(floor, y + vy);
    const int size = k < 6 ? kAwaySizes - 1 : kAwaySizes - 2;
    steps.push_back({{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))}, AwayCel(size, k)});
  }
  return steps;
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
  const double a = pmath::Atan2(dy, dx);
  for (int k = 1;; ++k) {
    // Out at the board the ball tumbles at the size the flight left it.
    steps.push_back({{static_cast<int>(from.x + k * kBounceStepPx * pmath::Cos(a)),
                      static_cast<int>(from.y - k * kBounceStepPx * pmath::Sin(a))},
                     AwayCel(kAwaySizes - 1, k)});
    if (kBounceStepPx * k >= distance) break;
  }
  return steps;
}

}  // namespace football
