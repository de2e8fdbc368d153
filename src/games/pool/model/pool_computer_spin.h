// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's spin for position: once it has chosen a pot, a Club or
// Expert player plays it out with draw, stun and follow and keeps the one
// that leaves it the best next shot. A Beginner always strikes the centre.
#include "game/computer_skill.h"
#include "games/pool/model/pool_computer.h"
#include "games/pool/model/pool_sim.h"

namespace pool {

Tip ChooseTip(const TableState& table, int nGroup, const ComputerShot& shot, skill::ComputerSkill level);

}  // namespace pool
