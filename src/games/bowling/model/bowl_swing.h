// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The swing: how a drag on the approach becomes a ball on the lane (start
// point, heading, speed, hook).
#include "games/bowling/model/bowl_ball.h"
#include "games/bowling/model/bowl_geometry.h"
#include "games/bowling/model/bowl_lane.h"
#include "platform/rect.h"
#include "platform/types.h"

namespace bowling {

// Speed index 1 (fast) .. 4 (slow) from the time between press and release.
int SpeedIndexForSwing(DWORD holdMs);
// The ball's speed in pixels per step from the same time, continuous: a
// quick swing rolls fast, a slow one slow, and 20 ms more is a little slower.
double SpeedForSwing(DWORD holdMs);
// 0.0, 0.25, 0.5, 0.75 or 1.0 from how long Shift or Ctrl was held.
double SpinFactor(DWORD keyHoldMs);

struct Launch {
  double startX = 0.0;
  double heading = kHalfPi;
};
// The ball starts at the foul line under the release point and heads up the
// lane turned by half the drag's slant. Points are in lane coordinates (x
// already mapped).
Launch LaunchFromDrag(CPoint press, CPoint release);

// The whole ball from a swing: press and release in lane coordinates, the
// hold time, and the hook (Spin position, key factor, direction).
Throw ThrowFromSwing(CPoint press, CPoint release, DWORD holdMs, int nSpin, double dSpinFactor, bool bHookRight);

}  // namespace bowling
