// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program on the headless backend with a darts game on the table.
#include <algorithm>

#include "games/darts/dart.h"
#include "games/darts/model/dart_board.h"
#include "games/darts/model/dart_geometry.h"
#include "games/darts/model/dart_motion.h"
#include "support/game_app.h"

namespace darts::test {

using quintaro::test::Seats;

class DartsApp : public quintaro::test::GameApp {
 public:
  using GameApp::GameApp;
  CDart* Game() { return GameAs<CDart>(); }
  void StartDarts(int variant, const Seats& seats) { StartGame(kScreenDarts, variant, seats); }
};

// Where the user takes hold of the three tray darts: on the barrel, a little
// below the top of each tray dart.
inline constexpr std::array<CPoint, kTrayDarts> kTrayGrips = {
    CPoint{kTraySlots[0].x + 5, kTraySlots[0].y + 20}, CPoint{kTraySlots[1].x + 5, kTraySlots[1].y + 20},
    CPoint{kTraySlots[2].x + 5, kTraySlots[2].y + 20}};
// A stroke straight up from here at the board's centre has no drift.
inline constexpr CPoint kThrowLine{kBoardCenterX, kThrowLineY};

// A point `dist` pixels out in the middle of the segment of `number`.
inline CPoint OnNumber(int number, int dist) {
  return SegmentCenterPoint(kAimPositions[static_cast<std::size_t>(number)], dist);
}

// Picks tray dart `tray` and throws it straight up, released at `target`,
// in the ideal time of Normal velocity: it lands exactly there.
inline void Throw(DartsApp& app, int tray, CPoint target) {
  app.Click(kTrayGrips[static_cast<std::size_t>(tray)].x, kTrayGrips[static_cast<std::size_t>(tray)].y);
  // Straight up when the target is above the throw zone: no drift.
  app.Stroke({std::clamp(target.x, kThrowZone.left + 1, kThrowZone.right - 1), kThrowLine.y}, target, 300);
}

}  // namespace darts::test
