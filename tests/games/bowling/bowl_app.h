// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program on the headless backend with a bowling game on the table,
// and the swings a user makes on the approach.
#include "games/bowling/bowl.h"
#include "games/bowling/model/bowl_geometry.h"
#include "support/game_app.h"

namespace bowling::test {

using quintaro::test::Seats;

// Where a straight swing down the middle starts and ends.
inline constexpr CPoint kPressMiddle{230, 385};
inline constexpr CPoint kReleaseMiddle{230, 230};

class BowlApp : public quintaro::test::GameApp {
 public:
  using GameApp::GameApp;
  CBowl* Game() { return GameAs<CBowl>(); }
  void StartBowling(const Seats& seats) { StartGame(kScreenBowling, 0, seats); }
  // A swing: press on the approach, drag for `ms`, release; the roll, the
  // count and the ball return all run before this returns.
  void Swing(CPoint press, CPoint release, DWORD ms = 300) {
    Move(press.x, press.y);
    Down(press.x, press.y);
    Move((press.x + release.x) / 2, (press.y + release.y) / 2);
    Wait(ms);
    Move(release.x, release.y);
    Up(release.x, release.y);
  }
  // A quick swing that runs into the left gutter.
  void GutterBall() { Swing({200, 390}, {178, 230}); }
};

}  // namespace bowling::test
