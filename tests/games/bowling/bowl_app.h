// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program on the headless backend with a bowling game on the table,
// and the swings a user makes on the approach.
#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

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

  // Something the user does at virtual time `tick`, even while the program
  // is busy in a roll: it lands in the queue then, as real input would.
  void At(DWORD tick, std::function<void()> action) {
    m_timed.emplace_back(tick, std::move(action));
    Backend().SetFeeder([this](DWORD now) -> std::optional<DWORD> {
      std::vector<std::function<void()>> due;
      std::optional<DWORD> next;
      for (auto it = m_timed.begin(); it != m_timed.end();) {
        if (it->first <= now) {
          due.push_back(std::move(it->second));
          it = m_timed.erase(it);
        } else {
          next = next ? std::min(*next, it->first) : it->first;
          ++it;
        }
      }
      for (auto& action : due) action();
      return next;
    });
  }
  // Mouse and command input posted straight into the queue (for At).
  void PostMouseAt(UINT message, int x, int y) {
    const CRect& view = GetHost().ViewRect();
    GetHost().PostMouse(message, x + view.left, y + view.top, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0);
  }
  void PostCommand(UINT id) { GetHost().PostMessage(GetHost().FrameWindow(), WM_COMMAND, id, 0); }

 private:
  std::vector<std::pair<DWORD, std::function<void()>>> m_timed;
};

}  // namespace bowling::test
