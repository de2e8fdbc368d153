// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A computer bowler's swing: it picks its own line (the pocket on a full
// rack, the middle of what stands for a spare), its own speed and, when Spin
// allows, its own hook, then swings with a bowler's small errors. It makes
// up everything from the runtime's rand() and never reuses a user's hook.
#include "game/computer_skill.h"
#include "games/bowling/model/bowl_ball.h"
#include "games/bowling/model/bowl_lane.h"
#include "platform/rect.h"
#include "platform/types.h"

namespace bowling {

struct ComputerSwing {
  CPoint press;    // lane coordinates, as the user's swing after MapX
  CPoint release;
  DWORD holdMs = 300;
  int speedIndex = 1;
  double spinFactor = 0.0;  // 0: no hook
  bool hookRight = false;
};

// Where the ball's centre should cross the head pin's row to take the most
// of the pins in `standing`: the 1-3 pocket on a full rack.
double ComputerTarget(unsigned standing);

// A computer bowler's swing at the pins in `standing`, with Spin at position
// `nSpin` (0 none .. 3 maximum). A Beginner stands less exactly and swings
// slower more often; an Expert stands closer to the line and keeps a good speed.
ComputerSwing MakeComputerSwing(const RandSource& rand, unsigned standing, int nSpin,
                                skill::ComputerSkill level = skill::ComputerSkill::Club);

}  // namespace bowling
