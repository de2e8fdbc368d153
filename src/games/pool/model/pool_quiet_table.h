// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A copy of the table away from the screen: the game's own balls, steps and
// contacts, with no sound, no pictures and a clock of its own. The computer's
// look-ahead and the aim guide both play shots on it.
#include <array>
#include <memory>

#include "games/pool/model/pool_ball.h"
#include "games/pool/model/pool_sim.h"

namespace pool {

class QuietTable : public BallEnv {
 public:
  DWORD now = 1;
  DWORD Ticks() override { return now; }
  void PlaySound(UINT) override {}
  void ShowBall(int, int, int) override {}
};

using OwnedBalls = std::array<std::unique_ptr<CPoolBall>, kBallCount>;

// The balls where `table` has them, at rest, on `env`.
inline OwnedBalls BallsAt(const TableState& table, BallEnv& env) {
  OwnedBalls balls;
  for (int n = 0; n < kBallCount; ++n) {
    const std::size_t i = static_cast<std::size_t>(n);
    balls[i] = std::make_unique<CPoolBall>(&env, table.pos[i], 0.0, 0.0, kCushion, n);
    balls[i]->m_bOnTable = table.onTable[i] ? TRUE : FALSE;
  }
  return balls;
}

}  // namespace pool
