// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer player's choices: the stroke (press, release, duration) it
// makes up for a throw, the way a steady but imperfect hand would throw it.
#include <functional>

#include "games/darts/model/dart_rules.h"
#include "platform/rect.h"
#include "platform/types.h"

namespace darts {

struct Stroke {
  CPoint press;
  CPoint release;
  DWORD durationMs = 0;
};

// Draws 0..n-1 (the game's Random(n, FALSE)).
using RandomDraw = std::function<int(int)>;

// 301/501: near the centre while more than 20 remain, then at the single of
// the number that finishes. Cricket: at the first open entry of the seat.
// `remaining` is the player's score; `marks` and `seat` matter in Cricket only.
Stroke ComputerAim(int variant, int remaining, const CricketMarks& marks, int seat, int velocity,
                   const RandomDraw& random);

}  // namespace darts
