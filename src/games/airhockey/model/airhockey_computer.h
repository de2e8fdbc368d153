// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's mallet: it attacks a resting puck or one coming up slowly
// in its half, runs to a goal post when the puck gets past it, and otherwise
// heads home. It never aims into the user's half.
#include <functional>

#include "game/computer_skill.h"
#include "games/airhockey/model/airhockey_bodies.h"

namespace airhockey {

// rand() % n of the program's generator.
using RandomSource = std::function<int(int)>;

// One sub-step of the computer's mallet. The level sets how fast the mallet
// moves and how early it reads the puck: the Expert runs at 1..3 pixels a
// sub-step (2 on average) and goes for any slow puck in its half; Club
// mostly at 1; the Beginner plods at 1 and only goes for a resting puck or
// one creeping up toward its goal.
void MoveComputerMallet(Mallet& mallet, const Puck& puck, const RandomSource& random,
                        skill::ComputerSkill level = skill::ComputerSkill::Club);

// Where an attack on the puck aims: the puck itself when it rests (or has no
// run left ahead of it), else a random point ahead of it on its run, kept
// off the side walls.
CPoint AttackTarget(const Puck& puck, const RandomSource& random);

// The target lies where the mallet may stand: in the computer's half and
// wholly inside the walls.
bool IsFairTarget(CPoint target);

}  // namespace airhockey
