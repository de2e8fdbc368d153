// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/bowling/model/bowl_swing.h"
#include "platform/portable_math.h"

#include <algorithm>
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

double SpeedForSwing(DWORD holdMs) {
  const double h = static_cast<double>(std::min<DWORD>(holdMs, static_cast<DWORD>(kSwingFullMs)));
  if (h <= kSwingFastMs) return kSwingFastSpeed;
  if (h <= kSwingNominalMs)
    return kSwingFastSpeed + (kSwingNominalSpeed - kSwingFastSpeed) * (h - kSwingFastMs) / (kSwingNominalMs - kSwingFastMs);
  return kSwingNominalSpeed +
         (kSwingSlowSpeed - kSwingNominalSpeed) * (h - kSwingNominalMs) / (kSwingFullMs - kSwingNominalMs);
}

double SpinFactor(DWORD keyHoldMs) {
  if (keyHoldMs == 0) return 0.0;
  if (keyHoldMs < 250) return 0.25;
  if (keyHoldMs < 500) return 0.5;
  if (keyHoldMs < 750) return 0.75;
  return 1.0;
}

Launch LaunchFromDrag(CPoint press, CPoint release) {
  Launch launch;
  launch.startX = release.x;
  const double dy = static_cast<double>(press.y - release.y);
  const double dx = static_cast<double>(release.x - press.x);
  if (dy <= 0.0) return launch;  // not a swing up the lane: straight on
  launch.heading = kHalfPi - kAimGain * pmath::Atan2(dx, dy);
  return launch;
}

Throw ThrowFromSwing(CPoint press, CPoint release, DWORD holdMs, int nSpin, double dSpinFactor, bool bHookRight) {
  const Launch launch = LaunchFromDrag(press, release);
  Throw t;
  t.dStartX = launch.startX;
  t.dHeading = launch.heading;
  t.dSpeed = SpeedForSwing(holdMs);
  t.hook = MakeHook(nSpin, dSpinFactor, bHookRight, t.dSpeed);
  return t;
}

}  // namespace bowling
