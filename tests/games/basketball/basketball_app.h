// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program on the headless backend with a basketball game on the table.
#include "games/basketball/basketball.h"
#include "support/game_app.h"

namespace basketball::test {

using quintaro::test::Seats;

class BasketballApp : public quintaro::test::GameApp {
 public:
  using GameApp::GameApp;
  CBasketBall* Game() { return GameAs<CBasketBall>(); }
  void StartBasketball(int variant, const Seats& seats) { StartGame(kScreenBasketball, variant, seats); }

  // Lets the program run until `done` holds or `ms` have passed, 16 ms at a time.
  template <typename Done>
  bool RunUntil(Done done, DWORD ms) {
    const DWORD end = Now() + ms;
    while (!done()) {
      if (static_cast<LONG>(Now() - end) >= 0) return false;
      Wait(16);
    }
    return true;
  }
  // Picks up rack ball `i`, holds it `holdMs` and lets it go at `release`.
  void Shoot(int i, CPoint release, DWORD holdMs) {
    const CPoint spot = kRackSpots[static_cast<std::size_t>(i)];
    Down(spot.x, spot.y);
    Move(release.x, release.y);
    Wait(holdMs);
    Up(release.x, release.y);
  }
};

}  // namespace basketball::test
