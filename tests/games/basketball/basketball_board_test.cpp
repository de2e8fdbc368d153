// SPDX-License-Identifier: GPL-3.0-or-later
// The board between turns and games: the clock before the first turn, and
// which seat is marked once a game is over.
#include <gtest/gtest.h>

#include "basketball_app.h"

namespace basketball::test {
namespace {

class BasketballBoard : public ::testing::Test {
 protected:
  void SetGameTime(int seconds) { app.GetHost().Settings().WriteProfileInt("Basketball", "GameTime", seconds); }
  bool TurnRunning() { return app.Game()->m_bTurnRunning != FALSE; }
  BasketballApp app;
};

TEST_F(BasketballBoard, BeforeTheFirstTurnTheClockShowsNothingYet) {
  // Every digit starts at 0, whatever a turn will have.
  SetGameTime(90);
  app.StartBasketball(kVariantTimed, {1, {}});
  CBasketBall* game = app.Game();
  EXPECT_EQ(game->m_pTimeTens->GetCelIndex(), 0);
  EXPECT_EQ(game->m_pTimeOnes->GetCelIndex(), 0);
}


TEST_F(BasketballBoard, TheSeatsShowBeforeTheFirstClick) {
  app.StartBasketball(kVariantTimed, {2, {}});
  CBasketBall* game = app.Game();
  EXPECT_GT(app.CountColour(game->m_rcName[0], 0x0000FF), 0) << "the first seat, marked";
  EXPECT_GT(app.CountColour(game->m_rcName[1], 0xFFFFFF), 0) << "the second seat";
  // A repaint draws them again.
  app.GetHost().PostMessage(app.GetHost().ViewWindow(), WM_PAINT);
  app.Pump();
  EXPECT_GT(app.CountColour(game->m_rcName[1], 0xFFFFFF), 0);
}

TEST_F(BasketballBoard, AfterTheLastTurnTheBoardMarksTheFirstSeatForTheNextGame) {
  SetGameTime(30);
  app.StartBasketball(kVariantTimed, {2, {}});
  CBasketBall* game = app.Game();
  for (int turn = 0; turn < 2; ++turn) {
    app.Wait(4100);
    app.Click(400, 300);
    ASSERT_TRUE(TurnRunning());
    ASSERT_TRUE(app.RunUntil([&] { return !TurnRunning(); }, 31500));
  }
  // Nobody scored: the final board marks nobody, until the next click.
  EXPECT_EQ(app.CountColour(game->m_rcName[1], 0xFF0000), 0);  // the last shooter is no longer marked
  EXPECT_EQ(app.CountColour(game->m_rcName[0], 0x0000FF), 0);
  app.Wait(4100);
  app.Click(400, 300);
  ASSERT_EQ(app.Doc().m_nCurrentPlayer, 0);
  EXPECT_GT(app.CountColour(game->m_rcName[0], 0x0000FF), 0);
}

}  // namespace
}  // namespace basketball::test
