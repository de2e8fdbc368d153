// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer passer: it picks one of the two holes, aims somewhere inside
// it, takes up a spot in a freshly placed throwing zone and releases within
// two tenths of a second of the nominal time. Its level decides how close to
// the hole's middle it aims and how well it times the pass: the expert goes
// for the middle of the small hole with a quick, straight pass.
#include <functional>

#include "game/computer_skill.h"
#include "games/football/model/football_rules.h"
#include "platform/rect.h"
#include "platform/types.h"

namespace football {

struct ComputerPass {
  CPoint release;
  int zoneShift = 0;  // the new throwing zone's shift to the right
  CPoint press;
  DWORD throwMs = 0;
};

// `random(n)` gives 0..n-1; the draws come in a fixed order (hole, aim,
// zone, press point, timing), so a seeded game replays exactly. The expert
// allows for the drift and accuracy of `settings` as a good passer would.
ComputerPass ComputerAim(const ThrowSettings& settings, skill::ComputerSkill level,
                         const std::function<int(int)>& random);
// The Club passer.
ComputerPass ComputerAim(int velocity, const std::function<int(int)>& random);

// The throwing zone with its left edge `shift` pixels right of the first one.
CRect ThrowZoneAt(int shift);

}  // namespace football
