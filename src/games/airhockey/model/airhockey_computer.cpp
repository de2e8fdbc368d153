// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/airhockey/model/airhockey_computer.h"

#include <cmath>

#include "games/airhockey/model/airhockey_geometry.h"
#include "games/airhockey/model/airhockey_motion.h"

namespace airhockey {

namespace {

using skill::ComputerSkill;

constexpr int R = kMalletRadius;

// Measured against the bench's models of a person on the mouse: the
// Beginner plods, Club runs at the quicker pace one run in three, the Expert
// half its runs and now and then at full pace, so a regular still beats it.
int RandomSpeed(const RandomSource& random, ComputerSkill level) {
  switch (level) {
    case ComputerSkill::Expert: return 1 + random(2) + random(2);
    case ComputerSkill::Beginner: return 1;
    case ComputerSkill::Club: break;
  }
  return random(3) == 2 ? 2 : 1;
}

bool WantsToAttack(const Mallet& mallet, const Puck& puck, ComputerSkill level) {
  if (puck.speed == 0) return true;
  const bool comingUp = puck.runStart.y > puck.pos.y;
  bool readable = comingUp || puck.speed == 1;
  if (level == ComputerSkill::Beginner) readable = comingUp && puck.speed == 1;
  if (level == ComputerSkill::Expert) readable = comingUp || puck.speed <= 2;
  return puck.pos.y < kCentreLineY && mallet.pos.y < puck.pos.y && readable;
}

// Sets off after the puck; the attack is called off at once when the target
// is out of bounds, and the mallet waits for the next sub-step either way.
void StartAttack(Mallet& mallet, const Puck& puck, const RandomSource& random, ComputerSkill level) {
  mallet.attack = true;
  const CPoint target = AttackTarget(puck, random);
  mallet.HeadFor(target);
  mallet.speed = RandomSpeed(random, level);
  mallet.homing = false;
  if (!IsFairTarget(target)) mallet.attack = false;
}

// The puck has slipped past toward the goal, right in front of the mallet:
// run for a goal post.
bool PuckBehind(const Mallet& mallet, const Puck& puck) {
  return puck.pos.x >= mallet.pos.x - R && puck.pos.x <= mallet.pos.x + R && puck.pos.y <= mallet.pos.y &&
         puck.runStart.y >= puck.pos.y;
}

void Defend(Mallet& mallet, const Puck& puck, const RandomSource& random, ComputerSkill level) {
  if (!mallet.homing) {
    mallet.HeadFor(kComputerHome);
    mallet.speed = RandomSpeed(random, level);
    mallet.homing = true;
  }
  if (PuckBehind(mallet, puck)) {
    mallet.attack = true;
    mallet.homing = false;
    mallet.HeadFor({random(2) == 1 ? kGoalLeft : kGoalRight, kPostY});
    mallet.speed = RandomSpeed(random, level);
    return;
  }
  if (MoveMallet(mallet)) mallet.homing = false;
}

}  // namespace

CPoint AttackTarget(const Puck& puck, const RandomSource& random) {
  if (puck.speed == 0) return puck.pos;
  const double dx = puck.aim.x - puck.pos.x, dy = puck.aim.y - puck.pos.y;
  const int reach = static_cast<int>(std::sqrt(dx * dx + dy * dy) + 0.5);
  // At its aim point the puck has nothing ahead of it: go for the puck.
  if (reach <= 0) return puck.pos;
  const int k = random(reach);
  CPoint target = puck.pos;
  if (puck.line.shallow) {
    target.x += puck.aim.x >= puck.pos.x ? k : -k;
    target.y = YAtX(target.x, puck.line);
  } else {
    target.y += puck.aim.y >= puck.pos.y ? k : -k;
    target.x = XAtY(target.y, puck.line);
  }
  if (target.x + R > kWallRight) {
    target.x = kWallRight - R;
    target.y = YAtX(target.x, puck.line);
  }
  if (target.x - R < kWallLeft) {
    target.x = kWallLeft + R;
    target.y = YAtX(target.x, puck.line);
  }
  return target;
}

bool IsFairTarget(CPoint target) {
  return target.y <= kCentreLineY && target.x + R <= kWallRight && target.x - R >= kWallLeft &&
         target.y - R >= kWallTop && target.y + R <= kWallBottom;
}

void MoveComputerMallet(Mallet& mallet, const Puck& puck, const RandomSource& random, ComputerSkill level) {
  if (mallet.attack && puck.pos.y < mallet.pos.y) mallet.attack = false;  // the puck got past
  if (mallet.attack) {
    if (MoveMallet(mallet)) mallet.attack = false;
    return;
  }
  if (WantsToAttack(mallet, puck, level))
    StartAttack(mallet, puck, random, level);
  else
    Defend(mallet, puck, random, level);
}

}  // namespace airhockey
