// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/basketball/model/basketball_computer.h"

namespace basketball {

namespace {
int Draw(const RandomSource& random, int n) { return n > 0 && random ? random(n) : 0; }
}  // namespace

int FirstRackedBall(const std::array<ShotBall, kBalls>& balls) {
  for (int i = 0; i < kBalls; ++i)
    if (balls[static_cast<std::size_t>(i)].nState == kOnRack) return i;
  return -1;
}

ComputerShot ChooseComputerShot(const RandomSource& random, int boardCelWidth) {
  ComputerShot shot;
  shot.power = Draw(random, 6) + 4;
  shot.targetX = Draw(random, boardCelWidth + 30) + kBoardLeftmost;
  shot.targetY = Draw(random, 107);
  return shot;
}

DWORD NextShotDelay(const RandomSource& random) { return static_cast<DWORD>(Draw(random, 400) + 700); }

}  // namespace basketball
