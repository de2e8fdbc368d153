// SPDX-License-Identifier: GPL-3.0-or-later
// A basketball game played through the whole program on virtual time: the
// hand, real shots, baskets worth 2 or 3, turns, the pause, the winner and
// the Wall Of Fame.
#include <gtest/gtest.h>

#include "basketball_app.h"
#include "game/wall_of_fame.h"
#include "games/basketball/model/basketball_rules.h"
#include "gfx/sprite.h"

namespace basketball::test {
namespace {

// Held 0.8 s and let go here, ball 1 drops through the ring of a resting board.
constexpr CPoint kSwishRelease{194, 60};

class BasketballGame : public ::testing::Test {
 protected:
  void SetGameTime(int seconds) { app.GetHost().Settings().WriteProfileInt("Basketball", "GameTime", seconds); }
  // Puts ball `i` just above the rim at board offset `offset`, falling.
  void DropAtRim(int i, int offset) {
    ShotBall& b = app.Game()->m_balls[static_cast<std::size_t>(i)];
    b.nState = kFalling;
    b.x = static_cast<float>(app.Game()->m_pBackboard->GetX() + offset);
    b.y = static_cast<float>(kRimY - kBallRimReach) - 2.0f;
    b.dy = kFallStep;
    b.z = kBoardDepth;
    b.nPower = 7;
  }
  bool TurnRunning() { return app.Game()->m_bTurnRunning != FALSE; }
  BasketballApp app;
};

TEST_F(BasketballGame, AClickStartsTheTurnAndAHeldBallIsShotFromTheZone) {
  app.StartBasketball(kVariantTimed, {1, {}});
  CBasketBall* game = app.Game();
  ASSERT_NE(game, nullptr);
  EXPECT_EQ(app.CountEvents("status \"Click left mouse button to begin.\""), 1);
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
  EXPECT_EQ(app.Doc().m_sprites.GetCount(), 1 + 1 + 4 + 12);

  const CPoint spot = kRackSpots[1];
  app.Down(spot.x, spot.y);
  EXPECT_TRUE(TurnRunning());
  EXPECT_TRUE(app.Doc().m_bGameInProgress);
  EXPECT_EQ(game->m_nTime, 60);
  EXPECT_TRUE(game->m_bHolding);
  EXPECT_EQ(game->m_nHeldBall, 1);
  EXPECT_EQ(app.CountEvents("sound 402"), 1);
  EXPECT_EQ(app.GetHost().GetCapture(), app.GetHost().ViewWindow());
  EXPECT_EQ(game->m_pBallSprites[1]->GetX(), -100 - kBallCelWidth / 2);
  app.Move(kSwishRelease.x, kSwishRelease.y);
  EXPECT_EQ(app.GetHost().GetCursorId(), static_cast<int>(kShootCursor));
  app.Move(300, 60);  // off the zone
  EXPECT_EQ(app.GetHost().GetCursorId(), 0);
  app.Move(kSwishRelease.x, kSwishRelease.y);
  app.Wait(800);
  app.Up(kSwishRelease.x, kSwishRelease.y);
  EXPECT_FALSE(game->m_bHolding);
  EXPECT_EQ(app.GetHost().GetCapture(), HWND_NONE);
  EXPECT_EQ(game->m_balls[1].nState, kRising);
  EXPECT_EQ(game->m_balls[1].nPower, 7);

  const DWORD launched = app.Now();
  ASSERT_TRUE(app.RunUntil([&] { return game->m_nPoints == 2; }, 8000));
  // The slowest lob: 199 steps up to the glass, one a tick, then the net.
  EXPECT_GE(app.Now() - launched, 3400u);
  EXPECT_LE(app.Now() - launched, 4200u);
  EXPECT_EQ(app.CountEvents("sound 363"), 1);
  EXPECT_EQ(app.CountEvents("sound 362"), 1);
  ASSERT_TRUE(app.RunUntil([&] { return game->m_balls[1].nState == kOnRack; }, 3000));
  EXPECT_EQ(game->m_pBallSprites[1]->GetPosX(), spot.x);
}

TEST_F(BasketballGame, AReleaseOffTheZoneOrACatchInTheAirPutsTheBallBackOnTheRack) {
  app.StartBasketball(kVariantPractice, {1, {}});
  CBasketBall* game = app.Game();
  const CPoint spot = kRackSpots[0];
  app.Down(spot.x, spot.y);
  app.Up(320, 300);
  EXPECT_EQ(game->m_balls[0].nState, kOnRack);
  EXPECT_EQ(game->m_pBallSprites[0]->GetPosX(), spot.x);
  EXPECT_EQ(game->m_pBallSprites[0]->GetPosY(), spot.y);

  app.Down(spot.x, spot.y);
  app.Up(200, 100);
  ASSERT_EQ(game->m_balls[0].nState, kRising);
  app.RunUntil([&] { return game->m_balls[0].z > 60.0f; }, 2000);
  const CPoint seen{game->m_pBallSprites[0]->GetPosX(), game->m_pBallSprites[0]->GetPosY()};
  app.Down(seen.x, seen.y);
  ASSERT_TRUE(game->m_bHolding);
  EXPECT_EQ(game->m_balls[0].nState, kOnRack);
  app.Wait(16);
  app.Wait(16);
  EXPECT_EQ(game->m_pBallSprites[0]->GetX(), -100 - kBallCelWidth / 2);  // in the hand, not flying on
  app.Up(320, 300);
  EXPECT_EQ(game->m_pBallSprites[0]->GetPosX(), spot.x);
}

TEST_F(BasketballGame, ABasketScoresTwoAndThreeWhileTheBoardMoves) {
  app.StartBasketball(kVariantTimed, {1, {}});
  CBasketBall* game = app.Game();
  app.Click(400, 300);
  ASSERT_TRUE(TurnRunning());
  DropAtRim(2, 36);
  ASSERT_TRUE(app.RunUntil([&] { return game->m_nPoints == 2; }, 2000));
  EXPECT_EQ(game->m_pBackboard->GetX(), kBoardHome.x);
  game->m_nTime = 15;  // the last quarter: the board slides
  app.RunUntil([&] { return game->m_pBackboard->GetX() != kBoardHome.x; }, 500);
  EXPECT_LT(game->m_pBackboard->GetX(), kBoardHome.x);
  DropAtRim(3, 36);
  ASSERT_TRUE(app.RunUntil([&] { return game->m_nPoints == 5; }, 2000));
  // A ball on the ring bounces out and scores nothing.
  DropAtRim(0, 12);
  app.Wait(16);
  EXPECT_EQ(game->m_balls[0].nState, kLeftBounce);
  app.RunUntil([&] { return game->m_balls[0].nState == kOnRack; }, 4000);
  EXPECT_EQ(game->m_nPoints, 5);
}

TEST_F(BasketballGame, ATimedTurnEndsWhenTheClockRunsOutAndTheNextWaitsFourSeconds) {
  SetGameTime(30);
  app.StartBasketball(kVariantTimed, {2, {}});
  CBasketBall* game = app.Game();
  app.Click(400, 300);
  game->m_nPoints = 7;
  ASSERT_TRUE(app.RunUntil([&] { return !TurnRunning(); }, 31500));
  EXPECT_EQ(app.Player(0).m_nScore, 7);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_EQ(app.CountEvents("sound 397"), 1);
  EXPECT_EQ(game->m_pBackboard->GetX(), kBoardHome.x);
  app.Wait(3000);
  app.Click(400, 300);
  EXPECT_FALSE(TurnRunning());
  app.Wait(1100);
  app.Click(400, 300);
  EXPECT_TRUE(TurnRunning());
  EXPECT_EQ(game->m_nTime, 30);
  EXPECT_EQ(game->m_nPoints, 0);
}

TEST_F(BasketballGame, TheWinnerIsAnnouncedAndEntersTheWallOfFameTiesToTheLowerSeat) {
  SetGameTime(30);
  app.StartBasketball(kVariantTimed, {2, {}});
  CBasketBall* game = app.Game();
  for (int seat = 0; seat < 2; ++seat) {
    app.Wait(4100);
    app.Click(400, 300);
    ASSERT_TRUE(TurnRunning());
    game->m_nPoints = 12;
    ASSERT_TRUE(app.RunUntil([&] { return !TurnRunning(); }, 31500));
  }
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0], "Player1 is the winner with a score of 12!");
  const FameTable fame = ReadFameTable(app.GetHost().Settings(), kBasketballFame);
  EXPECT_EQ(fame[0].name, "Player1");
  EXPECT_EQ(fame[1].name, "Player2");
  EXPECT_EQ(fame[1].score, 12);
  EXPECT_EQ(fame[2].score, 0);
  // The final board stays, nothing in progress, until the next click starts
  // a fresh game with player 1.
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
  EXPECT_EQ(app.Player(0).m_nScore, 12);
  app.Wait(4100);
  app.Click(400, 300);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);
  EXPECT_EQ(app.Player(0).m_nScore, 0);
  EXPECT_TRUE(TurnRunning());
}

TEST_F(BasketballGame, NobodyScoringSaysSoAndLeavesTheWallOfFame) {
  SetGameTime(30);
  app.StartBasketball(kVariantTimed, {1, {}});
  app.Click(400, 300);
  ASSERT_TRUE(app.RunUntil([&] { return !TurnRunning(); }, 31500));
  EXPECT_EQ(app.boxes, std::vector<std::string>{kNobodyScored});
  EXPECT_TRUE(app.App().Frame().StatusText().starts_with(kNobodyScored));
  EXPECT_EQ(ReadFameTable(app.GetHost().Settings(), kBasketballFame)[0].name, "Player 1");
  EXPECT_EQ(ReadFameTable(app.GetHost().Settings(), kBasketballFame)[0].score, 0);
}

TEST_F(BasketballGame, PlayTo40EndsAtTheFirstBasketAbove40OrAt99Seconds) {
  app.StartBasketball(kVariantPlayTo40, {2, {}});
  CBasketBall* game = app.Game();
  app.Click(400, 300);
  ASSERT_TRUE(app.RunUntil([&] { return game->m_nTime == 3; }, 3500));
  game->m_nPoints = 38;  // the board moves from 30 points: a basket is worth 3
  DropAtRim(1, 36);
  ASSERT_TRUE(app.RunUntil([&] { return !TurnRunning(); }, 3000));
  EXPECT_EQ(app.Player(0).m_nScore, game->m_nTime);
  const int first = app.Player(0).m_nScore;

  app.Wait(4100);
  app.Click(400, 300);
  game->m_nTime = 97;
  ASSERT_TRUE(app.RunUntil([&] { return !TurnRunning(); }, 2500));
  EXPECT_EQ(app.Player(1).m_nScore, 99);  // the final board keeps the clock that ran out
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0], "Player1 is the winner with a time of " + std::to_string(first) + "!");
  // Play to 40 never enters the Wall Of Fame.
  EXPECT_EQ(ReadFameTable(app.GetHost().Settings(), kBasketballFame)[0].score, 0);
}

TEST_F(BasketballGame, PracticeHasNoClockAndMainWindowAndNewStillWork) {
  app.StartBasketball(kVariantPractice, {1, {}});
  CBasketBall* game = app.Game();
  const CPoint spot = kRackSpots[2];
  app.Down(spot.x, spot.y);  // the turn starts with a ball in hand
  app.Wait(5000);
  EXPECT_EQ(game->m_nTime, 0);
  EXPECT_TRUE(TurnRunning());
  app.Up(spot.x, 100);
  app.RunUntil([] { return false; }, 500);
  // New restarts at once, even mid-shot.
  app.Doc().OnCommand(ID_GAME_NEW_BASKETBALL);
  app.Pump();
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_NE(app.Game(), game);
  EXPECT_FALSE(app.Game()->m_bTurnRunning);
  // Main Window asks, and leaves on Yes.
  app.Down(spot.x, spot.y);
  app.Wait(40);
  app.answers.push_back(IDYES);
  app.Doc().OnCommand(ID_VIEW_MAINWINDOW);
  app.Pump();
  EXPECT_EQ(app.Doc().m_nGameType, kScreenTitle);
  EXPECT_EQ(app.GetHost().GetCapture(), HWND_NONE);
  app.Wait(100);  // no timer of the old game reaches anything
}

TEST_F(BasketballGame, AScoreOfAnotherGameNeverReachesTheDigits) {
  app.Player(0).m_nScore = 301;
  app.StartBasketball(kVariantTimed, {1, {}});
  EXPECT_EQ(app.Player(0).m_nScore, 0);
  app.Click(400, 300);
  EXPECT_EQ(app.Game()->m_pPlayerDigits[0][0]->GetCelIndex(), 0);
}

TEST_F(BasketballGame, AComputerShootsByItselfAndTheNextComputerStartsAfterThePause) {
  SetGameTime(30);
  app.StartBasketball(kVariantTimed, {2, {false, true}});
  CBasketBall* game = app.Game();
  const auto status = [&] { return app.App().Frame().StatusText(); };
  ASSERT_EQ(status(), "Click left mouse button to begin.");
  app.Click(400, 300);
  EXPECT_EQ(status(), "");  // answered: no prompt while the turn runs
  ASSERT_TRUE(app.RunUntil([&] { return !TurnRunning(); }, 31500));
  ASSERT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_EQ(status(), "");  // the computer needs no click
  ASSERT_TRUE(app.RunUntil([&] { return TurnRunning(); }, 4500));
  // The user's hand takes nothing from a computer's rack.
  const CPoint spot = kRackSpots[3];
  app.RunUntil([&] { return game->m_balls[0].nState != kOnRack; }, 1000);
  EXPECT_NE(game->m_balls[0].nState, kOnRack);
  app.Click(spot.x, spot.y);
  EXPECT_FALSE(game->m_bHolding);
  ASSERT_TRUE(app.RunUntil([&] { return !TurnRunning(); }, 31500));
  // The game is over: its result stays on the status line with the prompt for the next.
  EXPECT_TRUE(status().ends_with("Click left mouse button to begin.")) << status();
  EXPECT_GT(status().size(), std::string("Click left mouse button to begin.").size());
}

}  // namespace
}  // namespace basketball::test
