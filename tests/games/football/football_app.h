#pragma once
// The whole program on the headless backend with a football game on the table.
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
  void Pass(CPoint release, DWORD ms) {
    Stroke(ZoneMiddle(), release, ms);
  }
  // A pass straight up from the zone's middle column, released at the
  // nominal time: it lands where it is released (drift needs a lean).
  void StraightPass(int releaseY, DWORD ms = 600) {
    const CPoint press = ZoneMiddle();
    Stroke(press, {press.x, releaseY}, ms);
  }
  CPoint ZoneMiddle() {
    const CRect& z = Game()->m_rcThrowZone;
    return {(z.left + z.right) / 2, (z.top + z.bottom) / 2};
  }
};

}  // namespace football::test
