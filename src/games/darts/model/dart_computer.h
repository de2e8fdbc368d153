// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer player's choices: the stroke (press, release, duration) it
// makes up for a throw, the way a steady but imperfect hand would throw it.
// Its level changes where it aims and how steady its hand is.
#include <functional>

#include "game/computer_skill.h"
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

// What the computer sees before a dart.
struct AimSituation {
  int variant = kVariant301;
  int remaining = 0;                  // the player's score in 301 and 501
  const CricketMarks* marks = nullptr;
  int seat = 0;
  int velocity = 1;                   // the throw setting: the ideal stroke time
  int dartsLeft = 3;                  // in this turn
  CountdownOptions options;
  bool isIn = true;                   // has started counting (double in)
};

// Club, the plain rules: near the centre while more than 20 remain, then at
// the single of the number that finishes; Cricket at the first open entry.
// With double in or out it goes for the doubles it needs. Beginner aims the
// same way with a shakier hand and timing. Expert goes for the treble 20,
// the trebles in Cricket and the darts players' checkouts, with a steady hand.
Stroke ComputerAim(const AimSituation& situation, skill::ComputerSkill level, const RandomDraw& random);

// The Club computer under the plain rules.
Stroke ComputerAim(int variant, int remaining, const CricketMarks& marks, int seat, int velocity,
                   const RandomDraw& random);

}  // namespace darts
