// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The football as the generator paints it: a pointed leather ball with white
// stripes near its ends and white laces, lit from the upper left.
#include "core/canvas.h"

namespace art {

struct FootballPose {
  float cx = 0, cy = 0;  // centre
  float length = 40;     // tip to tip
  float width = 22;
  float angleDeg = 0;   // the long axis, counter-clockwise from the x axis
  float lacePhase = 0;  // -1..1: where the laces are as the ball spins about its axis
};

void PaintFootball(Canvas& c, const FootballPose& pose);

// A few soft streaks behind a ball moving in direction (dx, dy).
void PaintSpeedLines(Canvas& c, float cx, float cy, float dx, float dy, float reach, float alpha);

}  // namespace art
