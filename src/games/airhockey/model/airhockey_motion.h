// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the bodies move within one sub-step: serving, mallets walking their
// paths, the puck running along its line, hits and wall bounces. Positions
// are whole pixels; lines are set only when a run or a path starts.
#include <utility>

#include "games/airhockey/model/airhockey_bodies.h"

namespace airhockey {

enum class ServeSide { ToHuman, ToComputer };

// Mallets home and at rest, puck at rest on the serving side's spot.
void ServePuck(Rink& rink, ServeSide side);

// One step of `speed` pixels along the path, never past the target. True
// when this step reached the target; a mallet already there does nothing.
bool MoveMallet(Mallet& mallet);

// One step of a live puck toward its aim, held inside the walls.
void MovePuck(Puck& puck);

// The mallets' centres are closer than their radii together.
bool Touching(const Puck& puck, const Mallet& mallet);
// The length of the mallet's last step, rounded and capped at the top speed.
int LastStepSpeed(const Mallet& mallet);
// The mallet strikes the puck: a new run from the puck's position.
void HitPuck(Puck& puck, const Mallet& mallet);

// The way the puck travels: the run so far, or its heading toward the aim
// when the run is too short to tell.
std::pair<double, double> TravelOf(const Puck& puck);

// A mallet never covers the puck: one that has caught up with it (a hit that
// left the puck slower than the mallet, a puck held at a wall, a puck that
// ran into a mallet not yet ready to hit again) pushes it out to where the
// two just touch. A puck pinned at a wall holds the mallet back instead.
void KeepPuckClear(Puck& puck, Mallet& mallet, const CRect& malletArea);
// The mallet, if it covers the puck, stops against it (within its area).
void HoldMalletBack(const Puck& puck, Mallet& mallet, const CRect& malletArea);

// The puck is at a wall and heading into it.
bool AgainstWall(const Puck& puck);
// Across the mouth of a goal, clear of both posts.
bool InGoalMouth(const Puck& puck);
// At the top wall: a goal there is the user's.
bool AtComputerEnd(const Puck& puck);
// The puck leaves a wall on its mirrored line, keeping its sense of travel.
void BouncePuck(Puck& puck);

// Where the user's mallet may go: the point held inside the user's half.
struct HumanAim {
  CPoint point;
  bool clamped = false;
};
HumanAim ClampToHumanHalf(CPoint mouse);
// The same for a person's mallet in the far half (the second seat's, played on another machine).
HumanAim ClampToFarHalf(CPoint mouse);
// A person's far mallet: one step toward its aim, held inside its half.
void WalkFarMallet(Mallet& mallet);
// The mallet's speed toward a new unclamped mouse point: a still mouse
// gives 1, any move the top speed.
int HumanMalletSpeed(CPoint oldTarget, CPoint newTarget);

}  // namespace airhockey
