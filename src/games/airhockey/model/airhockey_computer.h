// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's mallet: it attacks a resting puck or one coming up slowly
// in its half, runs to a goal post when the puck gets past it, and otherwise
// heads home. It never aims into the user's half.
#include <functional>

#include "games/airhockey/model/airhockey_bodies.h"

namespace airhockey {

// rand() % n of the program's generator.
using RandomSource = std::function<int(int)>;

// One sub-step of the computer's mallet.
void MoveComputerMallet(Mallet& mallet, const Puck& puck, const RandomSource& random);

// Where an attack on the puck aims: the puck itself when it rests (or has no
// run left ahead of it), else a random point ahead of it on its run, kept
// off the side walls.
CPoint AttackTarget(const Puck& puck, const RandomSource& random);

// The target lies where the mallet may stand: in the computer's half and
// wholly inside the walls.
bool IsFairTarget(CPoint target);

}  // namespace airhockey
