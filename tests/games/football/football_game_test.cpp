// SPDX-License-Identifier: GPL-3.0-or-later
// A football game played through the whole program on virtual time: the
// user's passes, the series of downs, touchdowns, interceptions, the change
// of possession and the end of a game.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "football_app.h"
#include "gfx/sprite_list.h"

namespace football::test {
namespace {

TEST_F(FootballGame, APassThroughTheLargeHoleMakesAFirstDown) {
  Start(2);
  CFootBall* game = app.Game();
  EXPECT_EQ(app.Doc().m_sprites.GetCount(), 10);
  EXPECT_EQ(app.CountEvents("sound 331"), 1);
  app.PickUp(1);
  CSprite* held = app.View().m_turn.m_pSelSprite;
  ASSERT_EQ(held, game->m_rackBalls[1]);
  EXPECT_EQ(held->GetPosX(), kHiddenXY);
  EXPECT_EQ(app.CountEvents("sound 402"), 1);
  EXPECT_TRUE(app.Doc().m_bGameInProgress);
  EXPECT_TRUE(game->m_bZonePlaced);
  EXPECT_EQ(game->m_pZoneMarker->GetX(), game->m_rcThrowZone.left);
  EXPECT_EQ(game->m_rcThrowZone.Width(), kZoneWidth);

  const CPoint press = app.ZoneMiddle();
  app.Move(press.x, press.y);
  EXPECT_EQ(app.GetHost().GetCursorId(), static_cast<int>(kReadyCursor));
  app.Down(press.x, press.y);
  EXPECT_EQ(app.GetHost().GetCursorId(), static_cast<int>(kThrowingCursor));
  EXPECT_TRUE(app.View().m_turn.m_bDragging);
  app.Wait(600);
  const DWORD released = app.Now();
  app.Up(kLargeCentre.x, kLargeCentre.y);
  // The flight, then the drop through the hole, take their time on the clock.
  EXPECT_GE(app.Now() - released, 800u);
  EXPECT_EQ(game->m_nGain, 10);
  EXPECT_EQ(game->m_nHole, kLargeHoleHit);
  EXPECT_EQ(game->m_nYardsToGoal, 70);
  EXPECT_EQ(game->m_nDown, 1);
  EXPECT_EQ(game->m_nToGo, 10);
  EXPECT_EQ(app.CountEvents("sound 371"), 1);
  EXPECT_TRUE(Saw("status \"Pass completed for 10 yards, First Down Baby!\""));
  EXPECT_EQ(game->m_pYardsTens->GetCelIndex(), 7);
  EXPECT_EQ(game->m_pYardsUnits->GetCelIndex(), 0);
  // The ball is back in the rack, the zone marker gone until the next ball is taken.
  EXPECT_EQ(held->GetPosX(), kRackSlots[1].x);
  EXPECT_EQ(app.View().m_turn.m_pSelSprite, nullptr);
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  EXPECT_EQ(app.GetHost().GetCapture(), HWND_NONE);
  EXPECT_EQ(game->m_pZoneMarker->GetX(), kHiddenXY);
  EXPECT_EQ(game->m_pFlyingBall->GetPosX(), kHiddenXY);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);
}

// Where the flying ball is shown during a pass to `release`, sampled every few milliseconds.
std::vector<CPoint> WatchFlight(FootballApp& app, CPoint release) {
  std::vector<CPoint> seen;
  app.Backend().SetFeeder([&](DWORD now) -> std::optional<DWORD> {
    const CSprite* ball = app.Game() ? app.Game()->m_pFlyingBall : nullptr;
    if (ball && ball->GetPosX() != kHiddenXY && (seen.empty() || !(seen.back() == CPoint{ball->GetPosX(), ball->GetPosY()})))
      seen.push_back({ball->GetPosX(), ball->GetPosY()});
    return now + 5;
  });
  app.PickUp();
  app.Pass(release, 600);
  app.Backend().SetFeeder({});
  return seen;
}

TEST_F(FootballGame, APassFliesFromTheThrowerAndGoesThroughAHoleOrBouncesOffTheFace) {
  Start(1);
  const std::vector<CPoint> through = WatchFlight(app, kLargeCentre);
  ASSERT_GT(through.size(), 10u);
  // It leaves the hand in the throwing zone, far below the board...
  EXPECT_GT(through.front().y, kBoardFace.bottom);
  // ...and goes on behind the face through the hole: nothing of it below the hole after.
  EXPECT_EQ(through.back(), kLargeCentre);
  const std::vector<CPoint> missed = WatchFlight(app, kMissPoint);
  ASSERT_GT(missed.size(), 10u);
  EXPECT_GT(missed.front().y, kBoardFace.bottom);
  // Off the face it comes back down to the grass at the board's foot.
  EXPECT_GE(missed.back().y, kDropFloorY);
  EXPECT_NE(std::find(missed.begin(), missed.end(), kMissPoint), missed.end());
}

TEST_F(FootballGame, AReleaseOffTheBoardThrowsNothingAndTheBallCanGoBack) {
  Start(1);
  CFootBall* game = app.Game();
  app.PickUp(2);
  CSprite* held = app.View().m_turn.m_pSelSprite;
  ASSERT_NE(held, nullptr);
  app.Pass({400, 100}, 600);
  EXPECT_EQ(app.View().m_turn.m_pSelSprite, held);
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  EXPECT_EQ(app.GetHost().GetCapture(), HWND_NONE);
  EXPECT_EQ(game->m_nDown, 1);
  EXPECT_EQ(app.CountEvents("sound 400"), 0);
  // A press outside the zone starts nothing.
  app.Stroke({game->m_rcThrowZone.left - 1, 280}, kLargeCentre, 600);
  EXPECT_EQ(game->m_nDown, 1);
  // Putting the ball back keeps the zone where it is; taking one again shows it there.
  const CRect zone = game->m_rcThrowZone;
  app.Click(kRackSlots[0].x, kRackSlots[0].y);
  EXPECT_EQ(app.View().m_turn.m_pSelSprite, nullptr);
  EXPECT_EQ(held->GetPosX(), kRackSlots[2].x);
  EXPECT_EQ(held->GetPosY(), kRackSlots[2].y);
  app.PickUp(0);
  EXPECT_EQ(game->m_rcThrowZone, zone);
  app.Pass(kMissPoint, 600);
  EXPECT_EQ(game->m_nDown, 2);
  EXPECT_EQ(app.CountEvents("sound 400"), 1);
  EXPECT_TRUE(Saw("status \"Pass is Incomplete\""));
}

TEST_F(FootballGame, FourIncompletePassesLoseTheDownsWithoutEverShowingFive) {
  Start(2);
  CFootBall* game = app.Game();
  int shownAtLoss = -1;
  auto record = app.GetHost().onEvent;
  app.GetHost().onEvent = [&](const std::string& e) {
    if (e == "status \"Loss of Down\"") shownAtLoss = game->m_pDownDigit->GetCelIndex();
    record(e);
  };
  for (int i = 0; i < 3; ++i) PassTo(kMissPoint);
  EXPECT_EQ(game->m_nDown, 4);
  EXPECT_EQ(game->m_pDownDigit->GetCelIndex(), 4);
  const DWORD before = app.Now();
  PassTo(kMissPoint);
  EXPECT_EQ(shownAtLoss, 4);
  EXPECT_GE(app.Now() - before, 2000u);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_EQ(game->m_nDown, 1);
  EXPECT_EQ(game->m_pDownDigit->GetCelIndex(), 1);
  EXPECT_EQ(app.Player(0).m_nScore, 0);
  // The next user is told to pass, by name.
  EXPECT_EQ(app.App().Frame().StatusText(), std::string("Player2") + kBeginPassSuffix);
}

TEST_F(FootballGame, TouchdownsScoreSevenAndTheGameIsWonAtTheTarget) {
  Start(1);
  CFootBall* game = app.Game();
  game->m_nYardsToGoal = 10;
  PassTo(kLargeCentre);
  EXPECT_EQ(app.Player(0).m_nScore, 7);
  EXPECT_TRUE(Saw("status \"Pass is completed for 10 yards, Touchdown\""));
  EXPECT_EQ(app.CountEvents("sound 330"), 1);
  // One player: the possession comes straight back, from the 80.
  EXPECT_EQ(game->m_nYardsToGoal, 80);
  EXPECT_EQ(game->m_pYardsTens->GetCelIndex(), 8);
  EXPECT_FALSE(game->m_bTouchdown);
  game->m_nYardsToGoal = 3;
  PassTo(kLargeCentre);
  EXPECT_EQ(app.Player(0).m_nScore, 14);
  // 21 points, then the fourth touchdown reaches 28 and wins.
  game->m_nYardsToGoal = 3;
  PassTo(kLargeCentre);
  game->m_nYardsToGoal = 3;
  app.PickUp();
  app.Pass(kLargeCentre, 600);
  EXPECT_EQ(app.boxes.back(), "Hurray you have won, good job");
  EXPECT_EQ(app.CountEvents("sound 328"), 1);
  // The final board stays up, however long the user looks at it.
  app.Wait(30000);
  EXPECT_EQ(app.Game(), game);
  EXPECT_EQ(app.Player(0).m_nScore, 28);
  EXPECT_EQ(app.App().Frame().StatusText(), "Game Over - You Win");
  EXPECT_EQ(game->m_pYardsTens->GetCelIndex(), 0);
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
  // No ball comes off the rack over it: the click starts the next game.
  app.PickUp();
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_NE(app.Game(), game);
  EXPECT_EQ(app.Player(0).m_nScore, 0);
  EXPECT_EQ(app.View().m_turn.m_pSelSprite, nullptr);
}

TEST_F(FootballGame, AGameCommandOverTheFinalBoardStartsTheNextGame) {
  Start(2);
  app.Player(1).m_nScore = 21;
  app.Player(1).m_bComputer = TRUE;
  CFootBall* game = app.Game();
  // The computer's possession after the user's four misses: its touchdown wins.
  for (int i = 0; i < 4; ++i) PassTo(kMissPoint);
  // Any level misses now and then: the user keeps missing, so the ball comes back until the computer scores.
  for (int tries = 0; tries < 200 && !game->m_bGameOver; ++tries) {
    app.Player(1).m_nScore = 21;
    if (app.Doc().m_nCurrentPlayer == 0) {
      PassTo(kMissPoint);
    } else {
      game->m_nYardsToGoal = 1;
      game->m_nDown = 1;
      app.Pump();
    }
  }
  ASSERT_TRUE(game->m_bGameOver);
  EXPECT_EQ(app.boxes.back(), "Player2 wins");
  EXPECT_EQ(app.App().Frame().StatusText(), "Player2 wins");
  EXPECT_FALSE(app.View().m_turn.m_bComputerPlaying);
  app.Doc().OnCommand(ID_OPTIONS_GAMECONTROLS);  // cancelled: the next game starts all the same
  app.Pump();
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_NE(app.Game(), game);
  EXPECT_EQ(app.Player(1).m_nScore, 0);
}

TEST_F(FootballGame, ALatePassMayBeInterceptedAndLosesTheBall) {
  Start(2);
  CFootBall* game = app.Game();
  // A quarter of passes more than half a second late are picked off.
  for (int i = 0; i < 40 && app.Doc().m_nCurrentPlayer == 0; ++i) {
    game->m_nDown = 1;  // keep the possession going until one is caught
    game->m_nYardsToGoal = 80;
    PassTo({kLargeCentre.x, kLargeCentre.y + 12}, 1200);
  }
  ASSERT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_EQ(app.boxes.back(), "Interception");
  EXPECT_TRUE(Saw("status \"Pass is intercepted\""));
  // The pick ends the possession as an interception: no down is spent on it.
  auto caught = std::find(app.events.begin(), app.events.end(), "status \"Pass is intercepted\"");
  for (auto e = caught; e != app.events.end(); ++e) {
    EXPECT_NE(*e, "status \"Pass is Incomplete\"");
    EXPECT_NE(*e, "status \"Loss of Down\"");
  }
  EXPECT_GE(app.CountEvents("sound 326"), 1);
  EXPECT_GE(app.CountEvents("sound 362"), 1);  // it looks like a rim shot
  EXPECT_EQ(app.Player(0).m_nScore, 0);
  EXPECT_FALSE(game->m_bIntercepted);  // reset for the next possession
}

}  // namespace
}  // namespace football::test
