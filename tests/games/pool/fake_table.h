// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table for balls without the program: a clock the test moves, the sounds
// the balls ask for, and where their pictures were last shown.
#include <vector>

#include "games/pool/model/pool_ball.h"

namespace pool::test {

class FakeTable : public BallEnv {
 public:
  DWORD now = 1000;
  std::vector<UINT> sounds;
  int shown = 0;

  DWORD Ticks() override { return now; }
  void PlaySound(UINT nWaveId) override { sounds.push_back(nWaveId); }
  void ShowBall(int, int, int) override { ++shown; }

  // Steps `ball` with the clock moving to each due time; returns the number
  // of steps that moved it (calls that only started a wait do not count).
  int RollUntilStopped(CPoolBall& ball, int limit = 100000) {
    int moved = 0;
    while (limit-- > 0) {
      const int before = shown;
      if (!ball.Step()) break;
      if (shown != before) ++moved;
      now = ball.NextStepDue(now);
    }
    return moved;
  }
  int Count(UINT id) const {
    int n = 0;
    for (UINT s : sounds) n += s == id;
    return n;
  }
};

// A cushion box so large that no ball ever reaches it.
inline constexpr CRect kOpenField{-100000, -100000, 100000, 100000};

}  // namespace pool::test
