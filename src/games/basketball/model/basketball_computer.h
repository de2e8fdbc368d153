// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer shooter: which ball it takes, how long it "holds" it, where
// it aims and how long it waits before the next shot.
#include <array>
#include <functional>

#include "games/basketball/model/basketball_motion.h"

namespace basketball {

// rand() % n; a range of 0 or less gives 0.
using RandomSource = std::function<int(int)>;

struct ComputerShot {
  int power = 0;
  int targetX = 0;
  int targetY = 0;
};

// The first ball on the rack, or -1.
int FirstRackedBall(const std::array<ShotBall, kBalls>& balls);
// A shot aimed somewhere across the backboard, held 0.4 .. 0.9 s.
ComputerShot ChooseComputerShot(const RandomSource& random, int boardCelWidth);
// Milliseconds until the computer's next shot: 700 .. 1099.
DWORD NextShotDelay(const RandomSource& random);

}  // namespace basketball
