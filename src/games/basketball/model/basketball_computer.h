// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer shooter: which ball it takes, how long it "holds" it, where
// it aims and how long it waits before the next shot. The Club shooter lobs
// anywhere across the backboard; the Beginner takes its time and aims wider;
// the Expert plays each candidate shot through in its head, the moving
// backboard included, and takes the one that drops the surest.
#include <array>
#include <functional>

#include "game/computer_skill.h"
#include "games/basketball/model/basketball_motion.h"

namespace basketball {

// rand() % n; a range of 0 or less gives 0.
using RandomSource = std::function<int(int)>;

struct ComputerShot {
  int power = 0;
  int targetX = 0;
  int targetY = 0;
};

// What the shooter sees: the backboard (and whether it slides), the time,
// the animation timer's period and the ball it is about to take.
struct CourtView {
  BoardSlide board;
  bool boardMoving = false;
  DWORD now = 0;
  double tickMs = 15.625;
  int ball = 0;
};

// The first ball on the rack, or -1.
int FirstRackedBall(const std::array<ShotBall, kBalls>& balls);
// A shot aimed somewhere across the backboard, held 0.4 .. 0.9 s.
ComputerShot ChooseComputerShot(const RandomSource& random, int boardCelWidth);
// The shot of a level; Club is the one above.
ComputerShot ChooseComputerShot(const RandomSource& random, int boardCelWidth, skill::ComputerSkill level,
                                const CourtView& court);
// Milliseconds until the computer's next shot: 700 .. 1099 at Club.
DWORD NextShotDelay(const RandomSource& random);
DWORD NextShotDelay(const RandomSource& random, skill::ComputerSkill level);

// Plays a shot through on the model: true when it drops through the ring.
bool ShotScores(const ComputerShot& shot, const CourtView& court);

}  // namespace basketball
