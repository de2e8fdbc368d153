// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program on the headless backend with a pool table, and ways to
// lay out a position without playing up to it.
#include <initializer_list>

#include "games/pool/pool.h"
#include "support/game_app.h"

namespace pool::test {

using quintaro::test::Seats;

class PoolApp : public quintaro::test::GameApp {
 public:
  using GameApp::GameApp;
  CPool* Game() { return GameAs<CPool>(); }
  void StartPool(bool computer0 = false, bool computer1 = false) {
    StartGame(kScreenPool, 0, {2, {computer0, computer1, false, false}});
  }
  // Takes every object ball but `keep` off the table, as if pocketed in earlier shots.
  void KeepOnly(std::initializer_list<int> keep) {
    CPool& g = *Game();
    for (int n = 1; n < kBallCount; ++n) {
      bool kept = false;
      for (int k : keep) kept = kept || k == n;
      if (kept) continue;
      Pocket(n, 0);
      g.m_bPocketedBefore[static_cast<std::size_t>(n)] = TRUE;
    }
  }
  // Ball n drops into `pocket` (in the shot being judged).
  void Pocket(int n, int pocket) {
    CPoolBall& b = Game()->Ball(n);
    b.m_bOnTable = FALSE;
    b.m_nPocket = pocket;
    const CPoint tray = TrayPosition(n);
    b.MoveTo(tray.x, tray.y);
  }
  void Put(int n, int x, int y) { Game()->Ball(n).MoveTo(x, y); }
  void SetGroups(int seat0, int seat1) {
    Game()->m_nGroup = {seat0, seat1};
    Game()->m_bGroupsSet = TRUE;
  }
  void EndShot(int firstHit) {
    CPool& g = *Game();
    g.m_pFirstHit = firstHit >= 0 ? &g.Ball(firstHit) : nullptr;
    g.EndOfShot();
    if (!g.m_bGameOver) g.ClosingPrompt();
  }
  std::string Status() { return Doc().App().Frame().StatusText(); }
  bool Said(const std::string& text) const {
    for (const std::string& e : events)
      if (e == "status \"" + text + "\"") return true;
    return false;
  }
};

}  // namespace pool::test
