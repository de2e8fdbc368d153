// SPDX-License-Identifier: GPL-3.0-or-later
// The click prompt of a computer bowler and whose ball it is: the title's
// click that opens the game, seats changing hands before the first click, a
// fresh game after the last frame.
#include <gtest/gtest.h>

#include "bowl_app.h"

namespace bowling::test {
namespace {

class BowlPrompt : public ::testing::Test {
 protected:
  BowlApp app;
};

TEST_F(BowlPrompt, TheClickThatChoosesBowlingOnTheTitleDoesNotStartTheComputer) {
  app.Doc().m_nLastPlayer = 0;
  app.Player(0).m_bComputer = TRUE;
  ASSERT_EQ(app.Doc().m_nGameType, kScreenTitle);
  // The press picks the game; its release lands on the lane already.
  app.Click(300, 150);
  ASSERT_EQ(app.Doc().m_nGameType, kScreenBowling);
  CBowl* game = app.Game();
  ASSERT_NE(game, nullptr);
  EXPECT_TRUE(app.Doc().m_bFirstComputerTurn);
  EXPECT_EQ(game->m_frames[0][0].nBall1, kNotBowled);
  EXPECT_EQ(app.CountEvents("sound 402"), 0);
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
  // The click the prompt asks for starts it. The computer may bowl its whole
  // game and start the next one meanwhile, so only the events tell.
  const int rolled = app.CountEvents("sound 367");
  app.Click(300, 300);
  EXPECT_EQ(app.CountEvents("sound 402"), 1);
  EXPECT_GT(app.CountEvents("sound 367"), rolled) << "the computer bowled";
}

TEST_F(BowlPrompt, ANewGameWithTheUserFirstTakesDownTheLastGamesClickPrompt) {
  app.StartBowling({2, {true, false}});
  ASSERT_EQ(app.App().Frame().StatusText(), "Click mouse to start computer player!");
  app.StartBowling({2, {false, true}});
  EXPECT_EQ(app.App().Frame().StatusText(), "");
}

TEST_F(BowlPrompt, ASeatHandedToTheUserBeforeTheClickBowlsAtOnceWithoutThePrompt) {
  app.StartBowling({2, {true, false}});
  ASSERT_EQ(app.App().Frame().StatusText(), "Click mouse to start computer player!");
  // Number of Players before anything was bowled: no new game, the seat is the user's.
  app.HandFirstSeatToTheUser();
  ASSERT_FALSE(app.Player(0).m_bComputer);
  EXPECT_EQ(app.App().Frame().StatusText(), "");
  // The very first swing rolls.
  app.Swing(kPressMiddle, kReleaseMiddle);
  EXPECT_EQ(app.Game()->m_nBallInFrame, 1);
  EXPECT_EQ(app.CountEvents("sound 367"), 1);

  // And the other way: a seat given to the computer is not the user's to bowl.
  app.StartBowling({2, {false, false}});
  app.dialogDriver = [](int, DialogController& dlg) -> std::optional<int> {
    dlg.Check(IDC_COMPUTER1, 1);
    return IDOK;
  };
  app.Doc().OnCommand(ID_OPTIONS_NUMBEROFPLAYERS);
  app.Pump();
  EXPECT_EQ(app.App().Frame().StatusText(), "Click mouse to start computer player!");
  app.Down(kPressMiddle.x, kPressMiddle.y);
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
}

TEST_F(BowlPrompt, AGameTheComputerFinishesIsNotInProgressAndTheClickStartsAFreshOne) {
  app.StartBowling({1, {true}});
  CBowl* game = app.Game();
  app.Click(300, 300);
  for (int i = 0; i < 40 && !game->m_bGameOver; ++i) app.Wait(3000);
  ASSERT_TRUE(game->m_bGameOver);
  ASSERT_FALSE(app.boxes.empty());
  EXPECT_EQ(app.boxes.back(), "Player1 wins");
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
  app.Click(300, 300);  // the final sheet goes
  ASSERT_NE(app.Game(), game);
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
  EXPECT_TRUE(app.Doc().m_bFirstComputerTurn);
}

}  // namespace
}  // namespace bowling::test
