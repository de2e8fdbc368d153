// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program on the headless backend with a football game on the table.
#include <gtest/gtest.h>

#include <string>

#include "games/football/football.h"
#include "support/game_app.h"

namespace football::test {

using quintaro::test::Seats;

class FootballApp : public quintaro::test::GameApp {
 public:
  using GameApp::GameApp;
  CFootBall* Game() { return GameAs<CFootBall>(); }
  void StartFootball(int variant, const Seats& seats) { StartGame(kScreenFootball, variant, seats); }

  // Takes the football from rack slot `slot` (0..2).
  void PickUp(int slot = 0) {
    const CPoint at = kRackSlots[static_cast<std::size_t>(slot)];
    Click(at.x, at.y);
  }
  // A press in the middle of the throwing zone, a hold of `ms`, a release at `release`.
  void Pass(CPoint release, DWORD ms) { Stroke(ZoneMiddle(), release, ms); }
  CPoint ZoneMiddle() {
    const CRect& z = Game()->m_rcThrowZone;
    return {(z.left + z.right) / 2, (z.top + z.bottom) / 2};
  }
};

inline constexpr CPoint kLargeCentre = kLargeHole.centre;
inline constexpr CPoint kMissPoint{160, 200};  // on the board face, far from both holes

// A game on the table and the helpers the game tests share.
class FootballGame : public ::testing::Test {
 protected:
  // Without drift a pass released at the nominal time lands where it was released.
  void Start(int players, int variant = kPlayTo28) {
    app.GetHost().Settings().WriteProfileInt("Football", "Drift", 0);
    app.StartFootball(variant, {players, {}});
    ASSERT_NE(app.Game(), nullptr);
  }
  void PassTo(CPoint release, DWORD ms = 600) {
    app.PickUp();
    app.Pass(release, ms);
  }
  bool Saw(const std::string& event) const {
    for (const std::string& e : app.events)
      if (e == event) return true;
    return false;
  }
  FootballApp app;
};

}  // namespace football::test
