// SPDX-License-Identifier: GPL-3.0-or-later
// What a new player meets first: the status line says whose possession it is
// and how to pass, also after the computer's; the scoreboard lists only the
// seats in play, marks the computer's, and the current name reads on black.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "football_app.h"

namespace football::test {
namespace {

// The window's pixel at a playfield point.
std::uint32_t PixelAt(FootballApp& app, int x, int y) {
  const CRect& view = app.GetHost().ViewRect();
  return app.GetHost().WindowSurface().At(x + view.left, y + view.top) & 0xFFFFFF;
}

// The rightmost column of a box with any ink on black, or -1.
int RightmostInk(FootballApp& app, const CRect& box) {
  int right = -1;
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x)
      if (PixelAt(app, x, y) != 0) right = std::max(right, x);
  return right;
}

// The brightest pixel of a box (0.3 R + 0.59 G + 0.11 B).
double BrightestInk(FootballApp& app, const CRect& box) {
  double best = 0;
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x) {
      const std::uint32_t c = PixelAt(app, x, y);
      best = std::max(best, 0.3 * (c >> 16 & 0xFF) + 0.59 * (c >> 8 & 0xFF) + 0.11 * (c & 0xFF));
    }
  return best;
}

TEST_F(FootballGame, TheStatusLineSaysWhoPassesAndHowAlsoAfterTheComputer) {
  Start(1);
  EXPECT_EQ(app.App().Frame().StatusText(), std::string("Player1") + kBeginPassSuffix);

  FootballApp withComputer;
  withComputer.GetHost().Settings().WriteProfileInt("Football", "Drift", 0);
  withComputer.StartFootball(kPlayTo28, {2, {true, false}});
  withComputer.PickUp();  // the click that starts the computer's possession
  ASSERT_EQ(withComputer.Doc().m_nCurrentPlayer, 1);
  bool named = false;
  for (const std::string& e : withComputer.events) named |= e == "status \"Player1 (computer) to pass\"";
  EXPECT_TRUE(named);
  EXPECT_EQ(withComputer.App().Frame().StatusText(), std::string("Player2") + kBeginPassSuffix);
}

TEST_F(FootballGame, TheScoreboardListsTheSeatsInPlayMarksTheComputerAndReads) {
  app.GetHost().Settings().WriteProfileInt("Football", "Drift", 0);
  app.StartFootball(kPlayTo28, {2, {false, true}});
  EXPECT_EQ(RightmostInk(app, NameBox(2)), -1) << "a third seat is not in play";
  EXPECT_EQ(RightmostInk(app, ScoreBox(3)), -1) << "nor a fourth";
  // "Player2" as long as "Player1", and the computer's mark after it.
  EXPECT_GT(RightmostInk(app, NameBox(1)) - NameBox(1).left, RightmostInk(app, NameBox(0)) - NameBox(0).left + 8);
  // The current seat's colour reads on the black box, as white does.
  EXPECT_GT(BrightestInk(app, NameBox(0)), 110.0);
}

}  // namespace
}  // namespace football::test
