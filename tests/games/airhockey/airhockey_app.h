// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program on the headless backend with an air hockey match on the
// table: the user in seat 0, the computer in seat 1.
#include "games/airhockey/airhockey.h"
#include "games/airhockey/model/airhockey_geometry.h"
#include "games/airhockey/model/airhockey_motion.h"
#include "support/game_app.h"

namespace airhockey::test {

using quintaro::test::Seats;

class AirHockeyApp : public quintaro::test::GameApp {
 public:
  using GameApp::GameApp;
  CAirHockey* Game() { return GameAs<CAirHockey>(); }
  Rink& TheRink() { return Game()->m_rink; }
  void StartAirHockey() { StartGame(kScreenAirHockey, 0, {2, {false, true}}); }

  // Lets `ms` of virtual time pass a millisecond at a time, so that every
  // timer tick falls due and is taken as the program would take it.
  void RunFor(DWORD ms) {
    const DWORD end = Now() + ms;
    while (static_cast<std::int32_t>(Now() - end) < 0) Wait(1);
  }
  // Runs until `done` holds or `ms` have passed; true when it held.
  template <class Done>
  bool RunUntil(Done done, DWORD ms) {
    const DWORD end = Now() + ms;
    while (static_cast<std::int32_t>(Now() - end) < 0) {
      if (done()) return true;
      Wait(1);
    }
    return done();
  }
  // A press on the user's mallet where it stands.
  void PressMallet() {
    const CPoint at = TheRink().human.pos;
    Down(at.x, at.y);
    Up(at.x, at.y);
  }
};

// A puck already on a run from `from` toward `aim`.
inline Puck PuckOnRun(CPoint from, CPoint aim, int speed) {
  Puck puck;
  puck.pos = puck.runStart = from;
  puck.aim = aim;
  puck.line = LineBetween(from, aim);
  puck.speed = speed;
  puck.live = true;
  return puck;
}

}  // namespace airhockey::test
