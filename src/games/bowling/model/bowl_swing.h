// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The swing: how a drag on the approach becomes a ball on the lane (start
// point, heading, speed, hook).
#include "games/bowling/model/bowl_ball.h"
#include "games/bowling/model/bowl_geometry.h"
#include "platform/rect.h"
#include "platform/types.h"

namespace bowling {

// Speed index 1 (fast) .. 4 (slow) from the time between press and release.
int SpeedIndexForSwing(DWORD holdMs);
// 0.0, 0.25, 0.5, 0.75 or 1.0 from how long Shift or Ctrl was held.
double SpinFactor(DWORD keyHoldMs);
// Heading change per hook step, in radians.
double HookStep(int spinDegrees, double spinFactor);

struct Launch {
  double startX = 0.0;
  double heading = kHalfPi;
};
// Where the ball starts (the drag line's crossing of y 206) and its heading.
// Points are in lane coordinates (x already mapped).
Launch LaunchFromDrag(CPoint press, CPoint release);

// One turn of the hook; the heading stays within 45 degrees of straight up.
// Returns the new heading, or the old one when the turn would go past it.
double HookedHeading(double heading, double step, bool hookRight);

}  // namespace bowling
