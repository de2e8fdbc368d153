// SPDX-License-Identifier: GPL-3.0-or-later
// The game on the table: the break, the rules after a shot, ball in hand,
// the legal-shot check, aiming power, calling the pocket, and Escape.
#include <gtest/gtest.h>

#include "games/pool/pool_dialogs.h"
#include "pool_app.h"
#include "res/table_check.h"

namespace pool::test {
namespace {

class PoolGame : public ::testing::Test {
 protected:
  void SetUp() override { app.StartPool(); }
  CPool& G() { return *app.Game(); }
  PoolApp app;
};

TEST_F(PoolGame, TheBreakRunsAlongTheRacksLineIntoTheApexBall) {
  EXPECT_EQ(app.Status(), "Player1, shoots at open table.");
  app.Down(451, 192);  // the mouse to the right: the cue ball runs left
  EXPECT_EQ(G().m_dPower, 2.0);
  app.Up(451, 192);
  ASSERT_NE(G().m_pFirstHit, nullptr);
  EXPECT_EQ(G().m_pFirstHit->m_nNumber, 1);
  EXPECT_FALSE(G().m_bMoving);
  EXPECT_GT(app.CountEvents("sound 379"), 0);  // a soft strike
  EXPECT_TRUE(app.Doc().m_bGameInProgress);
  for (int n = 0; n < kBallCount; ++n) EXPECT_EQ(G().Ball(n).m_dSpeed, 0.0) << n;
}

TEST_F(PoolGame, TheEightDownOnTheBreakLoses) {
  app.Pocket(8, 2);
  app.EndShot(1);
  EXPECT_TRUE(app.Said("Player1 potted the 8 before the groups were decided and loses."));
  EXPECT_TRUE(G().m_bGameOver);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_GT(app.CountEvents("sound 326"), 0);
}

TEST_F(PoolGame, TheEightBeforeTheGroupIsClearedNamesTheGroup) {
  app.SetGroups(kStripes, kSolids);
  app.Pocket(8, 2);
  app.EndShot(9);
  EXPECT_TRUE(app.Said("Player1 potted the 8 before clearing the stripes and loses."));
}

TEST_F(PoolGame, ThreeAndTwelveOnAnOpenTableGiveTheShooterStripesAndAnotherShot) {
  app.Pocket(3, 0);
  app.Pocket(12, 4);
  app.EndShot(1);
  EXPECT_TRUE(G().m_bGroupsSet);
  EXPECT_EQ(G().m_nGroup[0], kStripes);
  EXPECT_EQ(G().m_nGroup[1], kSolids);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);
  EXPECT_EQ(app.Status(), "Player1, shoots at stripe.");
}

TEST_F(PoolGame, AScratchThatSankFiveRespotsItAndGivesTheOtherSeatBallInHand) {
  app.Put(1, 300, 250);  // ball 1's spot is free
  app.Pocket(5, 3);
  app.Pocket(0, 2);
  app.EndShot(5);
  EXPECT_TRUE(G().Ball(5).m_bOnTable);
  EXPECT_EQ(G().Ball(5).GetPosX(), 187);
  EXPECT_EQ(G().Ball(5).GetPosY(), 192);
  EXPECT_FALSE(G().m_bGroupsSet);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_EQ(app.Status(), "Player2, place cue ball");
  EXPECT_FALSE(G().m_bGameOver);
}

TEST_F(PoolGame, ARespotTakesTheNextFreeSpotOrLeavesTheBallInTheTray) {
  app.Pocket(5, 3);
  app.Pocket(0, 2);
  app.EndShot(5);
  // Ball 1 still sits on its spot; ball 2's spot is taken too, and so on: 5's own spot is free.
  EXPECT_EQ(G().Ball(5).GetPosX(), kRack[5].spot.x);
  EXPECT_EQ(G().Ball(5).GetPosY(), kRack[5].spot.y);
}

TEST_F(PoolGame, BallInHandIsPlacedOnlyInsideTheKitchen) {
  app.Pocket(0, 2);
  app.Click(400, 150);
  EXPECT_FALSE(G().Ball(0).m_bOnTable);
  EXPECT_EQ(app.Status(), "Player1, place cue ball");  // still in hand, and told so
  app.Click(450, 150);
  EXPECT_TRUE(G().Ball(0).m_bOnTable);
  EXPECT_EQ(G().Ball(0).GetPosX(), 450);
  EXPECT_EQ(G().Ball(0).GetPosY(), 150);
  EXPECT_TRUE(G().m_bCuePlaced);
}

TEST_F(PoolGame, BallInHandIsNotPutDownOnAnotherBall) {
  app.Put(3, 450, 150);
  app.Pocket(0, 2);
  app.Click(455, 150);
  EXPECT_FALSE(G().Ball(0).m_bOnTable);
  app.Click(480, 150);
  EXPECT_TRUE(G().Ball(0).m_bOnTable);
}

TEST_F(PoolGame, FromBallInHandTheCueBallMustLeaveTheKitchenFirst) {
  app.Put(3, 425, 150);  // a ball lying in the kitchen
  app.Pocket(0, 2);
  app.Click(450, 150);
  app.Down(470, 150);
  app.Up(470, 150);  // straight at ball 3
  EXPECT_TRUE(app.Said("Checking for legal shot...."));
  EXPECT_EQ(app.Status(), "Illegal shot - try again");
  EXPECT_EQ(G().Ball(0).GetPosX(), 450);
  EXPECT_EQ(G().Ball(3).GetPosX(), 425);
  EXPECT_EQ(app.CountEvents("sound 37"), 0);  // the check is silent
  // A click on the cue ball takes no shot at all: it is still placed, and still to be checked.
  app.Click(450, 150);
  EXPECT_EQ(app.Status(), "Player1, shoots at open table.");
  EXPECT_TRUE(G().m_bCuePlaced);
  // Up and away from it is fine.
  app.Down(490, 190);
  app.Up(490, 190);
  EXPECT_TRUE(app.Said("Legal shot"));
  EXPECT_FALSE(G().m_bCuePlaced);
}

TEST_F(PoolGame, ACueBallDroppedDuringTheCheckMustBePlacedAgain) {
  app.Pocket(0, 2);
  app.Click(495, 105);
  app.Down(455, 145);
  app.Up(455, 145);  // toward the top right corner pocket
  EXPECT_EQ(app.Status(), "Illegal shot - try again");
  EXPECT_FALSE(G().Ball(0).m_bOnTable);
  EXPECT_EQ(G().Ball(0).GetPosX(), 495);
  app.Click(450, 200);
  EXPECT_TRUE(G().Ball(0).m_bOnTable);
  EXPECT_EQ(G().Ball(0).GetPosX(), 450);
}

TEST_F(PoolGame, ATenPixelDragIsHalfPowerAndNinePixelsIsNoShotAndTheTurnStays) {
  app.Down(420, 192);
  EXPECT_EQ(G().m_dPower, 0.0);
  app.Up(420, 192);
  EXPECT_EQ(G().Ball(0).GetPosX(), 411);  // it did not move ...
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);  // ... and the turn is still the player's
  EXPECT_EQ(G().m_pFirstHit, nullptr);
  EXPECT_EQ(app.CountEvents("sound 379"), 0);
  EXPECT_EQ(app.Status(), "Player1, shoots at open table.");
  app.Down(421, 192);
  EXPECT_EQ(G().m_dPower, 0.5);
  app.Up(421, 192);
  EXPECT_EQ(G().Ball(0).GetPosX(), 410);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
}

TEST_F(PoolGame, AClickOnTheCueBallKeepsTheTurn) {
  app.Click(411, 192);
  app.Click(415, 195);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);
  EXPECT_EQ(G().Ball(0).GetPosX(), 411);
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
}

TEST_F(PoolGame, TheShotGoesWhereTheLinePointedWhenTheButtonCameUp) {
  app.Down(451, 192);   // aimed left along the rack's line ...
  app.Move(451, 200);
  app.Move(411, 262);   // ... and at the last moment straight down the table
  EXPECT_NEAR(G().m_dAngle, 90.0, 1e-6);
  EXPECT_NEAR(G().m_dPower, 3.5, 1e-9);
  app.Up(411, 262);
  // Straight up from the cue ball: nothing in the way, the rack untouched.
  EXPECT_EQ(G().m_pFirstHit, nullptr);
  EXPECT_EQ(G().Ball(1).GetPosX(), 187);
  EXPECT_NEAR(G().m_dAngle, 90.0, 1e-6);
}

// However the game ends, and whoever ends it, it is no longer under way; a
// computer seat that loses is told of in the third person.
TEST_F(PoolGame, AComputersEndIsTheEndOfTheGameAndIsToldByName) {
  app.Player(0).m_bComputer = TRUE;
  app.SetGroups(kSolids, kStripes);
  app.KeepOnly({8, 9});
  app.Doc().m_bGameInProgress = TRUE;  // the computer's shot is under way
  G().m_nCalledPocket = 1;
  app.Pocket(8, 1);
  app.Pocket(0, 2);  // the cue ball follows the 8
  app.EndShot(8);
  EXPECT_EQ(app.Status(), "Player1 scratches on 8-ball shot and loses!");
  EXPECT_TRUE(G().m_bGameOver);
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
}

TEST_F(PoolGame, TheResultStaysUntilAClickWhichRacksTheNextGame) {
  app.SetGroups(kSolids, kStripes);
  app.KeepOnly({8, 9});
  G().m_nCalledPocket = 1;
  app.Pocket(8, 1);
  app.EndShot(8);
  ASSERT_EQ(app.Status(), "Player1 Wins!");
  CPool* over = app.Game();
  app.Down(451, 192);
  app.Move(480, 192);
  EXPECT_EQ(app.Status(), "Player1 Wins!");
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  app.Up(480, 192);
  ASSERT_NE(app.Game(), over);  // a new rack, no shot
  for (int n = 0; n < kBallCount; ++n) {
    EXPECT_TRUE(app.Game()->Ball(n).m_bOnTable);
    EXPECT_EQ(app.Game()->Ball(n).GetPosX(), kRack[static_cast<std::size_t>(n)].spot.x);
  }
  EXPECT_FALSE(app.Game()->m_bGameOver);
}

TEST_F(PoolGame, OnTheEightAPocketMustBeCalledBeforeAiming) {
  app.SetGroups(kSolids, kStripes);
  app.KeepOnly({8, 9, 10});
  app.Click(299 + 25, 82);
  EXPECT_EQ(app.Status(), "Select Pocket for 8 ball.");
  EXPECT_FALSE(G().m_bPocketCalled);
  EXPECT_EQ(G().m_nCalledPocket, -1);
  app.Down(300, 300);
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  app.Up(299 + 15, 82);
  EXPECT_EQ(app.Status(), "Top Middle Pocket Selected");
  EXPECT_TRUE(G().m_bPocketCalled);
  EXPECT_EQ(G().m_nCalledPocket, 1);
  app.Down(430, 192);
  EXPECT_TRUE(app.View().m_turn.m_bDragging);
  app.Up(430, 192);
  EXPECT_FALSE(G().m_bPocketCalled);  // the call is spent by the shot
}

TEST_F(PoolGame, OnTheEightWithBallInHandOneCallServesThePlacingAndTheShot) {
  app.SetGroups(kSolids, kStripes);
  app.KeepOnly({8, 9, 10});
  app.Pocket(0, 5);  // ball in hand
  app.Click(299, 82);
  ASSERT_TRUE(G().m_bPocketCalled);
  // Putting the cue ball down does not spend the call...
  app.Click(450, 150);
  ASSERT_TRUE(G().Ball(0).m_bOnTable);
  EXPECT_TRUE(G().m_bPocketCalled);
  // ...nor does a click on it, which takes no shot.
  app.Click(450, 150);
  EXPECT_EQ(app.Status(), "Player1, shoots at solid.");
  EXPECT_TRUE(G().m_bPocketCalled);
  // The shot itself does.
  app.Down(480, 150);
  EXPECT_TRUE(app.View().m_turn.m_bDragging);
  app.Up(480, 150);
  EXPECT_TRUE(app.Said("Legal shot"));
  EXPECT_FALSE(G().m_bPocketCalled);
}

TEST_F(PoolGame, AScratchWithTheGroupClearedLosesWithTheEightStillUp) {
  app.SetGroups(kSolids, kStripes);
  app.KeepOnly({8, 9});
  app.Pocket(0, 5);
  app.EndShot(8);
  EXPECT_TRUE(app.Said("Player1 scratches on 8-ball shot, you lose!"));
  EXPECT_TRUE(G().m_bGameOver);
}

TEST_F(PoolGame, TheEightInTheCalledPocketWinsAndElsewhereLosesForEitherSeat) {
  app.SetGroups(kSolids, kStripes);
  app.KeepOnly({8, 9});
  G().m_nCalledPocket = 1;
  app.Pocket(8, 1);
  app.EndShot(8);
  EXPECT_TRUE(app.Said("Player1 Wins!"));
  EXPECT_EQ(app.Status(), "Player1 Wins!");  // the result stays on the status line
  EXPECT_GT(app.CountEvents("sound 327"), 0);

  app.StartPool();
  app.SetGroups(kSolids, kStripes);
  app.KeepOnly({8, 1});
  app.Doc().m_nCurrentPlayer = 1;
  app.Doc().m_pCurrentPlayer = &app.Player(1);
  G().m_nCalledPocket = 4;
  app.Pocket(8, 3);
  app.EndShot(8);
  EXPECT_TRUE(app.Said("Player2 Loses! 8-Ball in wrong pocket."));
  EXPECT_TRUE(G().m_bGameOver);
}

TEST_F(PoolGame, EscapeDuringAShotRacksAFreshTable) {
  CPool* before = app.Game();
  app.autoPump = false;
  app.Down(551, 192);
  app.Up(551, 192);
  app.Key(VK_ESCAPE);
  app.Pump();
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_NE(app.Game(), before);
  for (int n = 0; n < kBallCount; ++n) {
    EXPECT_EQ(app.Game()->Ball(n).GetPosX(), kRack[static_cast<std::size_t>(n)].spot.x);
    EXPECT_TRUE(app.Game()->Ball(n).m_bOnTable);
  }
}

TEST_F(PoolGame, TheStateDumpCarriesEveryBallGroupAndCall) {
  const std::string json = G().StateJson();
  for (const char* key : {"\"balls\":[{\"x\":411,\"y\":192,\"onTable\":true,\"pocket\":-1}", "\"group\":[2,2]",
                          "\"groupsSet\":false", "\"calledPocket\":-1", "\"pocketCalled\":false",
                          "\"gameOver\":false", "\"moving\":false", "\"power\":7", "\"angle\":180"})
    EXPECT_NE(json.find(key), std::string::npos) << key;
  app.Pocket(12, 4);
  EXPECT_NE(G().StateJson().find("{\"x\":405,\"y\":340,\"onTable\":false,\"pocket\":4}"), std::string::npos);
}

// The CUE picture picks the tip: low in it is draw, the dot shows it, and
// after the shot the tip is back in the centre. The guide can be turned off.
TEST_F(PoolGame, TheCuePicturePicksTheTipForOneShot) {
  app.Click(kCueTray.x, kCueTray.y + kTipDotReach);
  EXPECT_DOUBLE_EQ(G().m_tip.y, -1.0);
  EXPECT_DOUBLE_EQ(G().m_tip.x, 0.0);
  EXPECT_FALSE(app.Doc().m_bGameInProgress);  // picking the tip is no shot
  app.Down(451, 192);
  app.Up(451, 192);
  EXPECT_EQ(G().m_tip.x, 0.0);
  EXPECT_EQ(G().m_tip.y, 0.0);
}

TEST(PoolControls, TheStoredSettingHidesTheGuideAndTheDialogIsWellFormed) {
  for (const DialogTemplate* dialog : PoolDialogTemplates()) EXPECT_TRUE(CheckDialogTemplate(*dialog).empty());
  PoolApp app;
  app.GetHost().Settings().WriteProfileInt(kSettingsSection, kAimGuideKey, 0);
  app.StartPool();
  EXPECT_FALSE(app.Game()->m_bShowGuide);
}

}  // namespace
}  // namespace pool::test
