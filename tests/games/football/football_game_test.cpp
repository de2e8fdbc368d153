// A football game played through the whole program on virtual time: the
// user's passes, the series of downs, touchdowns, interceptions, the change
// of possession and the end of a game.
#include <gtest/gtest.h>

#include "football_app.h"
#include "gfx/sprite_list.h"

namespace football::test {
namespace {

constexpr CPoint kLargeCentre = kLargeHole.centre;
constexpr CPoint kMissPoint{160, 200};  // on the board face, far from both holes

class FootballGame : public ::testing::Test {
 protected:
  // Without drift a pass released at the nominal time lands where it was released.
  void Start(int players, int variant = kPlayTo28) {
    app.GetHost().Settings().WriteProfileInt("Football", "Drift", 0);
    app.StartFootball(variant, {players, {}});
    ASSERT_NE(app.Game(), nullptr);
  }
  void PassTo(CPoint release, DWORD ms = 600) {
    app.PickUp();
    app.Pass(release, ms);
  }
  bool Saw(const std::string& event) const {
    for (const std::string& e : app.events)
      if (e == event) return true;
    return false;
  }
  FootballApp app;
};

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
  EXPECT_TRUE(Saw("status \"Begin Pass\""));
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
  EXPECT_TRUE(Saw("status \"Game Over - You Win\""));
  EXPECT_EQ(app.CountEvents("sound 328"), 1);
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_NE(app.Game(), game);
  EXPECT_EQ(app.Player(0).m_nScore, 0);
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
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
  EXPECT_GE(app.CountEvents("sound 326"), 1);
  EXPECT_GE(app.CountEvents("sound 362"), 1);  // it looks like a rim shot
  EXPECT_EQ(app.Player(0).m_nScore, 0);
  EXPECT_FALSE(game->m_bIntercepted);  // reset for the next possession
}

TEST_F(FootballGame, TheComputerWaitsForAClickThenPlaysAWholePossession) {
  app.GetHost().Settings().WriteProfileInt("Football", "Drift", 0);
  app.StartFootball(kPlayTo28, {2, {true, false}});
  CFootBall* game = app.Game();
  EXPECT_EQ(app.GetHost().Settings().GetProfileInt("Football", "Drift", 4), 0);
  EXPECT_TRUE(Saw("status \"Click mouse to start computer player!\""));
  // The click that starts the computer takes no ball from the rack.
  app.PickUp();
  EXPECT_EQ(app.View().m_turn.m_pSelSprite, nullptr);
  EXPECT_EQ(app.CountEvents("sound 402"), 0);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_FALSE(app.View().m_turn.m_bComputerPlaying);
  EXPECT_FALSE(app.Doc().m_bFirstComputerTurn);
  int passes = 0;
  for (const char* landed : {"sound 371", "sound 372", "sound 400", "sound 362", "sound 373"})
    passes += app.CountEvents(landed);
  EXPECT_GE(passes, 1);
  for (CSprite* ball : game->m_rackBalls) EXPECT_GT(ball->GetPosX(), 0);
  // The user's possession, then the computer again at once without a click.
  for (int i = 0; i < 4; ++i) PassTo(kMissPoint);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_FALSE(app.View().m_turn.m_bComputerPlaying);
}

TEST_F(FootballGame, EscapeDuringAComputerPossessionStartsTheGameAfresh) {
  app.StartFootball(kPlayTo40, {2, {true, true}});
  CFootBall* game = app.Game();
  app.autoPump = false;
  app.Click(300, 100);
  app.Pump({}, 2);  // the click: the first possession is posted
  app.Pump({}, 1);  // the first computer's possession, which posts the second's
  ASSERT_EQ(app.Game(), game);
  ASSERT_EQ(app.Doc().m_nCurrentPlayer, 1);
  app.Key(VK_ESCAPE);
  app.Pump({}, 1);
  app.Pump();
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_NE(app.Game(), game);
  EXPECT_EQ(app.Game()->m_nGameType, kPlayTo40);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);
  EXPECT_EQ(app.CountEvents("sound 331"), 2);
}

TEST_F(FootballGame, TypeOfGameAsksFirstAndKeepsTheChoice) {
  Start(1);
  app.PickUp();
  app.answers.push_back(IDNO);
  app.Doc().OnCommand(ID_OPTIONS_TYPEOFGAME);
  EXPECT_TRUE(app.dialogs.empty());
  CFootBall* game = app.Game();
  app.answers.push_back(IDYES);
  app.dialogDriver = [](int id, DialogController& dlg) -> std::optional<int> {
    EXPECT_EQ(id, static_cast<int>(kTypeOfGameDialog));
    dlg.Click(kRadioPlayTo54);
    return IDOK;
  };
  app.Doc().OnCommand(ID_OPTIONS_TYPEOFGAME);
  app.Pump();
  ASSERT_NE(app.Game(), game);
  EXPECT_EQ(app.Game()->m_nGameType, kPlayTo54);
  EXPECT_EQ(app.Doc().m_nGameVariant, kPlayTo54);
}

TEST_F(FootballGame, ControlsAreReadTolerantlyAndWrittenOnOk) {
  SettingsStore& store = app.GetHost().Settings();
  store.WriteProfileInt("Football", "Velocity", 7);
  store.WriteProfileInt("Football", "Accuracy", -2);
  store.WriteProfileInt("Football", "Drift", 12);
  app.StartFootball(kPlayTo28, {1, {}});
  CFootBall* game = app.Game();
  EXPECT_EQ(game->m_nVelocity, 2);
  EXPECT_EQ(game->m_nAccuracy, 0);
  EXPECT_EQ(game->m_nDrift, 8);
  app.dialogDriver = [](int id, DialogController& dlg) -> std::optional<int> {
    EXPECT_EQ(id, static_cast<int>(kControlsDialog));
    dlg.Track(kVelocityTrack, 0);
    dlg.Track(kDriftTrack, 3);
    return IDOK;
  };
  app.Doc().OnCommand(ID_OPTIONS_GAMECONTROLS);
  EXPECT_EQ(game->m_nVelocity, 0);
  EXPECT_EQ(game->m_nAccuracy, 0);
  EXPECT_EQ(game->m_nDrift, 3);
  EXPECT_EQ(store.GetProfileInt("Football", "Velocity", -1), 0);
  EXPECT_EQ(store.GetProfileInt("Football", "Accuracy", -1), 0);
  EXPECT_EQ(store.GetProfileInt("Football", "Drift", -1), 3);
}

TEST_F(FootballGame, TheStateDumpCarriesTheSeries) {
  Start(1, kPlayTo40);
  PassTo(kMissPoint);
  const std::string json = app.Game()->StateJson();
  const CRect z = app.Game()->m_rcThrowZone;
  EXPECT_EQ(json, "{\"variant\":1,\"yardsToGoal\":80,\"down\":2,\"toGo\":10,\"gain\":0,\"hole\":0,"
                  "\"intercepted\":false,\"touchdown\":false,\"zone\":[" +
                      std::to_string(z.left) + ",267," + std::to_string(z.right) + ",291],\"zonePlaced\":false}");
}

}  // namespace
}  // namespace football::test
