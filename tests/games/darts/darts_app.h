#pragma once
// The whole program on the headless backend with a darts game on the table.
#include "games/darts/dart.h"
#include "support/game_app.h"

namespace darts::test {

using quintaro::test::Seats;

class DartsApp : public quintaro::test::GameApp {
 public:
  using GameApp::GameApp;
  CDart* Game() { return GameAs<CDart>(); }
  void StartDarts(int variant, const Seats& seats) { StartGame(kScreenDarts, variant, seats); }
};

// Where the user takes hold of the three tray darts.
inline constexpr std::array<CPoint, 3> kTrayGrips = {CPoint{249, 320}, CPoint{279, 320}, CPoint{309, 320}};
inline constexpr CPoint kThrowLine{266, 365};

}  // namespace darts::test
