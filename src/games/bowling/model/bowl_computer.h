// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A computer bowler's swing: where it presses and releases on the lane and
// how fast it throws, made up from the runtime's rand().
#include "games/bowling/model/bowl_ball.h"
#include "platform/rect.h"

namespace bowling {

struct ComputerSwing {
  CPoint press;
  CPoint release;
  int speedIndex = 1;
};
// A computer bowler's swing, made with the runtime's rand().
ComputerSwing MakeComputerSwing(const RandSource& rand);

}  // namespace bowling
