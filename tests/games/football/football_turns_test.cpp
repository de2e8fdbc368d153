// SPDX-License-Identifier: GPL-3.0-or-later
// Around the user's passes: the computer's possessions, Escape, the Options
// commands and the state dump.
#include <gtest/gtest.h>

#include "football_app.h"
#include "gfx/sprite_list.h"

namespace football::test {
namespace {

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

TEST_F(FootballGame, TheComputersThrowingZoneGoesWithItsPossession) {
  Start(2);
  app.Player(1).m_bComputer = TRUE;
  CFootBall* game = app.Game();
  for (int i = 0; i < 4; ++i) PassTo(kMissPoint);
  // The computer's possession has been played; the user's begins.
  ASSERT_EQ(app.Doc().m_nCurrentPlayer, 0);
  EXPECT_EQ(game->m_pZoneMarker->GetX(), kHiddenXY);
  EXPECT_FALSE(game->m_bZonePlaced);
  app.PickUp();
  EXPECT_EQ(game->m_pZoneMarker->GetX(), game->m_rcThrowZone.left);
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

TEST_F(FootballGame, EscapeInThePauseAfterAComputerPossessionStillStartsAfresh) {
  app.GetHost().Settings().WriteProfileInt("Football", "Drift", 0);
  app.StartFootball(kPlayTo28, {2, {false, true}});
  CFootBall* game = app.Game();
  // Escape comes once the computer's possession is over, while the pause
  // before the user's possession runs: no pass is left to take it off the queue.
  app.Backend().SetFeeder([this, sent = false](DWORD now) mutable -> std::optional<DWORD> {
    if (!sent && app.Doc().m_nCurrentPlayer == 0 && app.View().m_turn.m_bComputerPlaying) {
      app.GetHost().PostKey(WM_KEYDOWN, VK_ESCAPE);
      app.GetHost().PostKey(WM_KEYUP, VK_ESCAPE);
      sent = true;
    }
    return sent ? std::nullopt : std::optional<DWORD>(now + 10);
  });
  for (int i = 0; i < 4; ++i) PassTo(kMissPoint);
  app.Backend().SetFeeder({});
  app.Pump();
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_NE(app.Game(), game) << "the game starts afresh";
  EXPECT_EQ(app.Player(1).m_nScore, 0);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);
  EXPECT_FALSE(app.View().m_turn.m_bEscape);
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
  EXPECT_EQ(json,
            "{\"variant\":1,\"yardsToGoal\":80,\"down\":2,\"toGo\":10,\"gain\":0,\"hole\":0,"
            "\"intercepted\":false,\"touchdown\":false,\"zone\":[" +
                std::to_string(z.left) + ",267," + std::to_string(z.right) + ",291],\"zonePlaced\":false,"
                "\"gameOver\":false}");
}

}  // namespace
}  // namespace football::test
