// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer passer throws as a person's hand does: it picks a hole, takes
// up a spot in a freshly placed throwing zone, leans against the drift as
// well as it has learnt to, and its release strays around its aim and its
// timing around the time it means. Its level is the size of those errors:
// the Beginner errs as a newcomer does, Club as a regular, the Expert a
// little less and with quicker passes for the bonus yards; none is perfect.
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

// A passer's hand: the sizes are standard deviations.
struct PasserHand {
  int smallHolePercent = 100;  // how often it goes for the small hole
  double aimSpread = 0;        // pixels the release strays from where it means it
  int earlyMs = 0;             // how much quicker than nominal it means to throw (less than 0: slower)
  int timingSpread = 0;        // ms the throw strays from that
  int leanPercent = 100;       // the share of the drift it leans against
  int leanSpread = 0;          // percent that share strays
};

// The hand of a level.
PasserHand HandOf(skill::ComputerSkill level);

// `random(n)` gives 0..n-1; the draws come in a fixed order (hole, zone,
// press point, lean, timing, aim), so a seeded game replays exactly.
ComputerPass HandPass(const ThrowSettings& settings, const PasserHand& hand, const std::function<int(int)>& random);
ComputerPass ComputerAim(const ThrowSettings& settings, skill::ComputerSkill level,
                         const std::function<int(int)>& random);
// The Club passer at the other settings' defaults.
ComputerPass ComputerAim(int velocity, const std::function<int(int)>& random);

// The throwing zone with its left edge `shift` pixels right of the first one.
CRect ThrowZoneAt(int shift);

// The quickest drag a hand makes from the zone to the board.
inline constexpr int kQuickestThrowMs = 120;

}  // namespace football
