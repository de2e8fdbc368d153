// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The aim guide: where the cue ball goes from the shot being aimed, up to
// the first ball or cushion it meets. The cue ball is run alone through the
// game's own steps (the others stand still until it meets one), so the
// ghost ball stands where the shot will really strike.
#include "games/pool/model/pool_aim.h"
#include "games/pool/model/pool_sim.h"

namespace pool {

enum class GuideEnd {
  Ball,     // it meets a ball: `end` is the ghost ball
  Cushion,  // it meets a cushion first: `end` is the centre on the cushion line
  Pocket,   // it drops: `end` is the last place it stood
  Stops     // it comes to rest first
};

struct AimGuide {
  Vec from;                 // the cue ball's centre
  Vec end;                  // where the cue ball's centre is when the guide ends
  GuideEnd kind = GuideEnd::Stops;
  int ball = -1;            // the ball met, for GuideEnd::Ball
  Vec objectDir;            // the way that ball leaves (a unit vector along the line of centres)
};

// The guide for a shot at `power` and `angle` (degrees), struck at `tip`, with the cue ball on `table`.
AimGuide TraceAim(const TableState& table, double power, double angle, Tip tip = {});

}  // namespace pool
