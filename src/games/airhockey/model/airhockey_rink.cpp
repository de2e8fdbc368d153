// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/airhockey/model/airhockey_rink.h"

#include "games/airhockey/model/airhockey_geometry.h"
#include "games/airhockey/model/airhockey_motion.h"

namespace airhockey {

namespace {

void CoolDown(Mallet& mallet) {
  if (mallet.cooldown > 0) --mallet.cooldown;
}

void CheckHit(Puck& puck, Mallet& mallet, const RandomSource& random, SubStepEvents& events) {
  if (!Touching(puck, mallet) || mallet.cooldown != 0) return;
  HitPuck(puck, mallet);
  mallet.cooldown = kHitCooldown;
  events.Add(PickKnock(random));
}

// Neither mallet covers the puck; squeezed between the two, the mallets give way.
void KeepPuckClearOfMallets(Rink& rink) {
  KeepPuckClear(rink.puck, rink.human, kHumanMalletArea);
  KeepPuckClear(rink.puck, rink.computer, kComputerMalletArea);
  HoldMalletBack(rink.puck, rink.human, kHumanMalletArea);
}

}  // namespace

UINT PickKnock(const RandomSource& random) { return random(2) == 0 ? kHitSound : kBounceSound; }

void CheckHits(Rink& rink, const RandomSource& random, SubStepEvents& events) {
  CheckHit(rink.puck, rink.human, random, events);
  // Touching the puck at all ends the computer's run at it.
  if (Touching(rink.puck, rink.computer)) rink.computer.attack = false;
  CheckHit(rink.puck, rink.computer, random, events);
}

SubStepEvents RunSubStep(Rink& rink, const RandomSource& random, skill::ComputerSkill level,
                         const MalletDriver& moveHuman, const MalletDriver& moveFar) {
  SubStepEvents events;
  CoolDown(rink.human);
  CoolDown(rink.computer);
  if (moveFar)
    moveFar(rink);
  else
    MoveComputerMallet(rink.computer, rink.puck, random, level);
  if (moveHuman) {
    moveHuman(rink);
  } else {
    rink.human.HeadFor(rink.human.target);
    MoveMallet(rink.human);
  }
  // Whole-pixel intercepts can lean a path a pixel off its line: the
  // user's mallet is still held inside its half.
  rink.human.pos = ClampToHumanHalf(rink.human.pos).point;
  CheckHits(rink, random, events);
  MovePuck(rink.puck);
  CheckHits(rink, random, events);
  KeepPuckClearOfMallets(rink);
  if (!AgainstWall(rink.puck)) return events;
  if (InGoalMouth(rink.puck)) {
    events.goal = AtComputerEnd(rink.puck) ? Goal::ForHuman : Goal::ForComputer;
  } else if (rink.puck.live) {
    BouncePuck(rink.puck);
    events.Add(PickKnock(random));
  }
  return events;
}

}  // namespace airhockey
