// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The balls of one table moving together: one pass of the shot loop steps
// every ball that is due and settles the contacts each step makes, so that
// no two balls are ever left inside each other. The game's shot loop, the
// computer's look-ahead and the tests all run shots through this.
#include <array>
#include <functional>

#include "games/pool/model/pool_ball.h"

namespace pool {

using TableBalls = std::array<CPoolBall*, kBallCount>;

// Told of every stroke between two balls (by number), and after every move.
struct ContactEvents {
  std::function<void(int, int)> onHit;
  std::function<void()> onMove;
};

// After ball `mover` stepped: its contacts, earliest first (it backs up to
// each), then every overlap the pushes set off, until the table is settled.
void ResolveContacts(const TableBalls& balls, int mover, const ContactEvents& events);

// One pass: each ball on the table steps if it is due and its contacts are
// settled. Returns the number of balls still moving (or waiting to).
int StepBalls(const TableBalls& balls, const ContactEvents& events);

// How many cushions the balls have met in all (the rules ask whether one
// did after the cue ball's first contact).
int CushionsMet(const TableBalls& balls);

// The earliest tick at which a moving ball is due; false when none moves.
bool NextDue(const TableBalls& balls, DWORD now, DWORD& due);

}  // namespace pool
