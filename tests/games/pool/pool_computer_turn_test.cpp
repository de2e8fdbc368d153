// SPDX-License-Identifier: GPL-3.0-or-later
// The computer at the table: it waits for a click when it opens, places the
// cue ball in hand, calls the pocket it aims at for the 8, and hands over.
#include <gtest/gtest.h>

#include <cmath>

#include "pool_app.h"

namespace pool::test {
namespace {

constexpr const char* kClickPrompt = "Click mouse to start computer player!";

TEST(PoolComputerTurn, ASeatHandedToTheUserBeforeTheClickGetsTheUsersPrompt) {
  PoolApp app;
  app.StartPool(true, false);
  ASSERT_EQ(app.Status(), kClickPrompt);
  // Number of Players before the click: no new game, the seat is the user's now.
  app.HandFirstSeatToTheUser();
  ASSERT_FALSE(app.Player(0).m_bComputer);
  EXPECT_EQ(app.Status(), "Player1, shoots at open table.");
}

TEST(PoolComputerTurn, TheFirstComputerTurnWaitsForAClick) {
  PoolApp app;
  app.StartPool(true, false);
  EXPECT_EQ(app.Status(), kClickPrompt);
  app.Wait(5000);
  EXPECT_EQ(app.Game()->Ball(0).GetPosX(), 411);  // nobody has shot
  EXPECT_FALSE(app.Game()->m_pFirstHit);
  app.Click(300, 380);
  EXPECT_FALSE(app.Doc().m_bFirstComputerTurn);
  EXPECT_TRUE(app.Said("Player1, shoots at open table."));
  ASSERT_NE(app.Game()->m_pFirstHit, nullptr);  // the break was played
  EXPECT_FALSE(app.Game()->m_bMoving);
}

TEST(PoolComputerTurn, AComputerFollowingAHumanStartsWithoutAClick) {
  PoolApp app;
  app.StartPool(false, true);
  app.Down(411, 150);
  app.Up(411, 150);  // a soft shot away from the rack: nothing drops, the turn passes, and the computer shoots
  EXPECT_FALSE(app.Said(kClickPrompt));
  EXPECT_TRUE(app.Said("Player2, shoots at open table."));
  ASSERT_NE(app.Game()->m_pFirstHit, nullptr);
}

TEST(PoolComputerTurn, WithBallInHandItPlacesTheCueBallInTheKitchenAndShoots) {
  PoolApp app;
  app.StartPool(false, true);
  app.KeepOnly({3});
  app.Put(3, 250, 150);
  app.Pocket(0, 2);
  ASSERT_TRUE(app.Game()->ChooseComputerShot());
  EXPECT_TRUE(app.Game()->Ball(0).m_bOnTable);
  EXPECT_TRUE(InKitchen({app.Game()->Ball(0).GetPosX(), app.Game()->Ball(0).GetPosY()}));
  EXPECT_GT(app.Game()->m_dPower, 0.0);
}

TEST(PoolComputerTurn, OnTheEightItCallsThePocketItAimsAt) {
  PoolApp app;
  app.StartPool(false, true);
  app.SetGroups(kSolids, kStripes);
  app.KeepOnly({8, 1});
  app.Put(8, 299, 160);
  app.Put(0, 299, 250);
  app.Put(1, 150, 250);
  app.Doc().m_nCurrentPlayer = 1;
  app.Doc().m_pCurrentPlayer = &app.Player(1);
  ASSERT_TRUE(app.Game()->ChooseComputerShot());
  EXPECT_EQ(app.Game()->m_nCalledPocket, 1);
  EXPECT_EQ(app.Status(), PocketMessage(1));
}

TEST(PoolComputerTurn, AStaleTurnMessageForAHumanSeatPlaysNothing) {
  PoolApp app;
  app.StartPool();
  app.Game()->PlayComputerTurn();
  EXPECT_EQ(app.Game()->m_pFirstHit, nullptr);
  EXPECT_EQ(app.Game()->Ball(0).GetPosX(), 411);
}

TEST(PoolComputerTurn, ADecidedGameIsNotPlayedOnByTheComputer) {
  PoolApp app;
  app.StartPool(false, true);
  app.Pocket(8, 2);
  app.EndShot(1);  // the human loses on the break; the computer has the table
  ASSERT_TRUE(app.Game()->m_bGameOver);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  app.Game()->PlayComputerTurn();
  EXPECT_EQ(app.Game()->Ball(0).GetPosX(), 411);
}

}  // namespace
}  // namespace pool::test
