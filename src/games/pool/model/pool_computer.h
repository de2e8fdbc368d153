// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer player's choices: where it puts the cue ball in hand, which
// ball it shoots at, and the cut into a pocket through the ghost ball.
#include <array>
#include <functional>

#include "games/pool/model/pool_geometry.h"
#include "games/pool/model/pool_rules.h"
#include "platform/rect.h"

namespace pool {

using BallPoints = std::array<CPoint, kBallCount>;

// The computer's target for a seat of group `nGroup`: the nearest ball of its
// group (any but the 8 on an open table), the 8 once the group is cleared;
// with the cue ball in hand, balls inside the kitchen do not count. -1: none.
// `nPassOver` skips that many of the nearest candidates (counting round).
int ChooseTarget(const BallPoints& pos, const BallFlags& onTable, int nGroup, bool bInHand, int nPassOver = 0);

struct ComputerAim {
  double angle = 0;  // degrees
  double power = 0;
  int pocket = -1;   // the pocket the target is cut into
};

// Aims the cue ball at `cue` through the ghost ball behind `target` into the
// nearest pocket with a cut under 90 degrees (else the farthest pocket).
ComputerAim AimAtTarget(CPoint target, CPoint cue);
// Power for the length of cue ball path plus target path.
double PowerForPath(int nLength);

// Where the computer tries the cue ball in hand, in order: down the head
// string from the rack's line, then up it, then lines further into the
// kitchen. `free` says whether a spot is clear of the object balls.
CPoint FindCueSpot(const std::function<bool(CPoint)>& free);

}  // namespace pool
