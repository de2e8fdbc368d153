// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/bowling/model/bowl_swing.h"

#include <cmath>

#include "games/bowling/model/bowl_geometry.h"

namespace bowling {

int SpeedIndexForSwing(DWORD holdMs) {
  const unsigned pct = static_cast<unsigned>(holdMs) * 100u / static_cast<unsigned>(kSwingFullMs);
  if (pct > 75) return 4;
  if (pct > 50) return 3;
  if (pct > 25) return 2;
  return 1;
}

double SpinFactor(DWORD keyHoldMs) {
  if (keyHoldMs == 0) return 0.0;
  if (keyHoldMs < 250) return 0.25;
  if (keyHoldMs < 500) return 0.5;
  if (keyHoldMs < 750) return 0.75;
  return 1.0;
}

double HookStep(int spinDegrees, double spinFactor) { return spinDegrees * kDegree * spinFactor; }

Launch LaunchFromDrag(CPoint press, CPoint release) {
  Launch launch;
  if (release.x == press.x || release.y == press.y) {
    launch.startX = press.x;
    return launch;
  }
  const double slope = static_cast<double>(press.y - release.y) / static_cast<double>(release.x - press.x);
  launch.startX = static_cast<int>(press.x + (press.y - kSwingCrossY) / slope);
  launch.heading = std::atan2(static_cast<double>(press.y - kSwingCrossY), launch.startX - press.x);
  return launch;
}

double HookedHeading(double heading, double step, bool hookRight) {
  if (!hookRight) {
    const double turned = heading + step;
    return turned < kHookLeftLimit ? turned : heading;
  }
  const double turned = heading - step;
  return turned > kHookRightLimit ? turned : heading;
}

}  // namespace bowling
