// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/bowling/model/bowl_hook_curve.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <cmath>

#include "games/bowling/model/bowl_lane.h"

namespace bowling {

namespace {
constexpr double kSampleSpeed = 0.35;  // the speed scale's second mark
}  // namespace

std::vector<LanePoint> HookCurve(int nSpin) {
  // The same turn the roll gives (CLaneRoll::TurnBall), without the pins.
  const Hook hook = MakeHook(nSpin, 1.0, false, kSampleSpeed);
  const double headPinY = kPinSpots.back().y;
  double x = 0, y = kBallStartY, heading = kHalfPi, travel = 0;
  std::vector<LanePoint> line{{x, y}};
  while (y > headPinY) {
    if (hook.dTurn != 0.0 && y <= hook.dStartY) {
      travel += kSampleSpeed;
      const double grip = std::min(1.0, travel / kHookRampPx);
      heading = std::clamp(heading + hook.dTurn * grip * kSampleSpeed, kHookRightLimit, kHookLeftLimit);
    }
    x += kSampleSpeed * pmath::Cos(heading);
    y -= kSampleSpeed * pmath::Sin(heading);
    line.push_back({x, y});
  }
  return line;
}

}  // namespace bowling
