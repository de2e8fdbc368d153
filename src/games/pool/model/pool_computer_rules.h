// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's choices that only standard 8-ball and 9-ball ask of it:
// where to put the cue ball for the break, the break itself, and the
// push-out after a 9-ball break (whether to play one, and whether to take
// the table the other seat pushed out to).
#include <functional>
#include <vector>

#include "games/pool/model/pool_computer.h"

namespace pool {

// A spot behind the head string, a little off the middle now and then.
CPoint PlaceForBreak(const std::function<int(int)>& random);
// Full power into the apex of the rack, the hand's error on the line.
ComputerShot PlanBreak(const TableState& table, const std::function<int(int)>& random, const CueHand& hand);
// With no pot anywhere: a spot with a clear line to a ball the cue ball may
// strike is worth a little (the nearer the more), so a safety can be
// played from it; 0 when no line is clear.
double OpenLine(const TableState& t, const std::vector<int>& targets);
// At 9-ball, the 9 played off the lowest ball into a pocket: the lowest
// ball sent to where it strikes the 9 toward the pocket, the cue ball to
// where it strikes the lowest. Judged by the geometry alone, as FindPots.
std::vector<PotLine> NineCombinations(const TableState& table);
// The best pot the seat of `nGroup` has from `table`, 0..1 (0: none).
double BestPotChance(const TableState& table, int nGroup);
// Push out when the planned shot is no pot: the safety then costs no foul.
bool WantsPushOut(const ComputerShot& plan);
// After the other seat's push-out: play on only with a fair pot in view.
bool TakesTableAfterPushOut(const TableState& table, int nGroup);

}  // namespace pool
