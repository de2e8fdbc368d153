// SPDX-License-Identifier: GPL-3.0-or-later
// The title screen names the scene under the pointer on the status line.
#include <gtest/gtest.h>

#include <optional>

#include "app/title_prompt.h"
#include "res/title_regions.h"
#include "support/game_app.h"
#include "ui/frame_chrome.h"

namespace {

using quintaro::test::GameApp;

// A point of the playfield inside the region for `screen`, where no later
// region (which would win) claims it.
std::optional<CPoint> PointIn(int screen) {
  for (int y = 0; y < 401; y += 3)
    for (int x = 0; x < 602; x += 3) {
      std::optional<int> last;
      for (const HotRegion& r : TitleRegions())
        if (r.Contains(x, y)) last = r.nGameType;
      if (last == screen) return CPoint(x, y);
    }
  return std::nullopt;
}

TEST(TitlePrompt, NamesEveryGameAndTheHallOfFame) {
  EXPECT_EQ(TitleRegionPrompt(GameTable(), kScreenDarts), "Play Darts");
  EXPECT_EQ(TitleRegionPrompt(GameTable(), kScreenAirHockey), "Play Air Hockey");
  EXPECT_EQ(TitleRegionPrompt(GameTable(), kScreenHallOfFame), "View the Hall of Fame");
  EXPECT_EQ(TitleRegionPrompt(GameTable(), std::nullopt), std::nullopt);
  EXPECT_EQ(TitleRegionPrompt(GameTable(), kScreenTitle), std::nullopt);
}

TEST(TitlePrompt, HoverShowsItAndLeavingOrClickingTakesItAway) {
  GameApp app;
  CFrameChrome& chrome = app.Doc().App().Frame().Chrome();
  const std::optional<CPoint> darts = PointIn(kScreenDarts);
  const std::optional<CPoint> pool = PointIn(kScreenPool);
  ASSERT_TRUE(darts && pool);
  app.Move(darts->x, darts->y);
  EXPECT_EQ(chrome.ShownStatusText(), "Play Darts");
  EXPECT_EQ(chrome.GetStatusText(), "For Help, press F1");  // the text itself is kept
  app.Move(pool->x, pool->y);
  EXPECT_EQ(chrome.ShownStatusText(), "Play Pool");
  // Off the view (onto the chrome's empty tool-bar area or out of the window).
  app.GetHost().PostMouse(WM_MOUSEMOVE, -1, -1, 0);
  app.Pump();
  EXPECT_EQ(chrome.ShownStatusText(), "For Help, press F1");
  app.Move(darts->x, darts->y);
  app.Click(darts->x, darts->y);
  EXPECT_EQ(app.Doc().m_nGameType, kScreenDarts);
  EXPECT_NE(chrome.ShownStatusText(), "Play Darts");
}

}  // namespace
