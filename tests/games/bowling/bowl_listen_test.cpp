// SPDX-License-Identifier: GPL-3.0-or-later
// A window that listens while a ball rolls: the close box and Quit Game ask
// at once, other commands are carried out once the ball is back, a press
// during the ball return starts the next swing, and the words over the lane.
#include <gtest/gtest.h>

#include "bowl_app.h"
#include "games/bowling/model/bowl_lane.h"
#include "games/bowling/model/bowl_swing.h"

namespace bowling::test {
namespace {

constexpr const char* kQuestion = "Do you wish to quit the current game?";

class BowlListen : public ::testing::Test {
 protected:
  BowlApp app;
  // Presses and drags a straight swing, then lets go at the returned tick.
  DWORD PrepareSwing(CPoint press = kPressMiddle, CPoint release = kReleaseMiddle) {
    app.Move(press.x, press.y);
    app.Down(press.x, press.y);
    app.Move(release.x, release.y);
    app.Wait(300);
    m_release = release;
    return app.Now();
  }
  void Release() { app.Up(m_release.x, m_release.y); }
  CPoint m_release;
};

TEST_F(BowlListen, MainWindowChosenDuringARollIsCarriedOutOnceTheBallIsBack) {
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  const DWORD t0 = PrepareSwing();
  app.At(t0 + 200, [this] { app.PostCommand(ID_VIEW_MAINWINDOW); });
  int counted = kNotBowled;
  bool rolling = true;
  DWORD askedAt = 0;
  app.boxDriver = [&](const std::string& text, DialogController&) -> std::optional<int> {
    EXPECT_EQ(text, kQuestion);
    askedAt = app.Now();
    counted = game->m_frames[0][0].nBall1;
    rolling = game->m_bRolling != FALSE;
    return IDYES;
  };
  Release();
  // Asked after the roll, the count and the ball return, not during them.
  EXPECT_GT(askedAt, t0 + kCountPauseMs);
  EXPECT_NE(counted, kNotBowled);
  EXPECT_FALSE(rolling);
  EXPECT_EQ(app.Doc().m_nGameType, kScreenTitle);
}

TEST_F(BowlListen, TheCloseBoxDuringARollAsksAtOnceAndNoLetsTheBallCount) {
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  const DWORD t0 = PrepareSwing();
  app.At(t0 + 200, [this] { app.GetHost().PostClose(); });
  DWORD askedAt = 0;
  bool rolling = false;
  app.boxDriver = [&](const std::string& text, DialogController&) -> std::optional<int> {
    EXPECT_EQ(text, kQuestion);
    askedAt = app.Now();
    rolling = game->m_bRolling != FALSE;
    app.GetHost().Sleep(1500);  // the player thinks it over: the roll stands still
    return IDNO;
  };
  Release();
  EXPECT_GE(askedAt, t0 + 200);
  EXPECT_LT(askedAt, t0 + 400);
  EXPECT_TRUE(rolling);
  ASSERT_EQ(app.Game(), game);
  EXPECT_NE(game->m_frames[0][0].nBall1, kNotBowled);
  EXPECT_EQ(app.Doc().m_nGameType, kScreenBowling);
}

TEST_F(BowlListen, QuitGameDuringARollAsksAtOnceAndYesLeavesTheGame) {
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  DWORD t0 = PrepareSwing();
  app.At(t0 + 300, [this] { app.PostCommand(ID_GAME_QUITGAME); });
  app.answers.push_back(IDNO);
  Release();
  ASSERT_EQ(app.boxes.size(), 1u);
  ASSERT_EQ(app.Game(), game);  // No: the ball rolled on and counted
  EXPECT_NE(game->m_frames[0][0].nBall1, kNotBowled);
  t0 = PrepareSwing();
  app.At(t0 + 300, [this] { app.PostCommand(ID_GAME_QUITGAME); });
  app.answers.push_back(IDYES);
  Release();
  EXPECT_EQ(app.boxes.size(), 2u);
  EXPECT_EQ(app.Doc().m_nGameType, kScreenTitle);
  app.Wait(3000);  // nothing of the old roll runs on
  EXPECT_EQ(app.Doc().m_nGameType, kScreenTitle);
}

TEST_F(BowlListen, APressDuringTheBallReturnStartsTheNextSwingOnceTheBallIsBack) {
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  // A gutter ball: about 0.8 s up the gutter, 1 s of pause, 1 s of return.
  const DWORD t0 = PrepareSwing({200, 390}, {178, 230});
  app.At(t0 + 2300, [this] { app.PostMouseAt(WM_LBUTTONDOWN, kPressMiddle.x, kPressMiddle.y); });
  Release();
  const DWORD back = app.Now();
  EXPECT_EQ(game->m_nBallInFrame, 1);
  EXPECT_TRUE(app.View().m_turn.m_bDragging);  // the next swing is under way
  EXPECT_GE(game->m_dwPressTick, t0 + 2300);
  EXPECT_LE(game->m_dwPressTick, back);
  EXPECT_EQ(game->m_pBall->Y(), kBallStartY);  // at the foul line under the pointer
  app.Move(kReleaseMiddle.x, kReleaseMiddle.y);
  app.Wait(300);
  app.Up(kReleaseMiddle.x, kReleaseMiddle.y);
  EXPECT_EQ(game->m_nFrame, 1);  // the second ball was bowled
}

TEST_F(BowlListen, ClicksAtTheRollingBallAreLost) {
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  const DWORD t0 = PrepareSwing();
  app.At(t0 + 200, [this] {
    app.PostMouseAt(WM_LBUTTONDOWN, kPressMiddle.x, kPressMiddle.y);
    app.PostMouseAt(WM_LBUTTONUP, kReleaseMiddle.x, kReleaseMiddle.y);
  });
  Release();
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  EXPECT_EQ(app.CountEvents("sound 367"), 1);  // one ball only
  EXPECT_EQ(game->m_nBallInFrame == 1 || game->m_nFrame == 1, true);
}

TEST_F(BowlListen, TheSwingShowsTheBallTheGuideAndTheSpeedSoFar) {
  app.GetHost().Settings().WriteProfileInt("Bowling", "Spin", 3);
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  app.Move(230, 385);
  app.Down(230, 385);
  app.Move(240, 240);
  // The ball waits at the foul line under the pointer; the guide's dots run up its line.
  EXPECT_EQ(game->m_pBall->X(), MapX(240));
  EXPECT_EQ(game->m_pBall->Y(), kBallStartY);
  // The speed falls as the swing goes on, even with the pointer at rest.
  const double before = game->SwingSpeedShown();
  app.Wait(600);
  const double after = game->SwingSpeedShown();
  EXPECT_GT(before, after);
  EXPECT_NEAR(after, SpeedForSwing(app.Now() - game->m_dwPressTick), 0.02);
  // With Spin set, Ctrl held bends the guide to the right.
  EXPECT_EQ(game->GuideBend(), 0.0);
  app.GetHost().PostKey(WM_KEYDOWN, VK_CONTROL);
  app.Pump();
  app.Wait(800);
  EXPECT_GT(game->GuideBend(), 10.0);
  app.GetHost().PostKey(WM_KEYUP, VK_CONTROL);
  app.Pump();
  app.Up(240, 240);
  EXPECT_LT(game->m_throw.hook.dTurn, 0.0);
}

TEST_F(BowlListen, AFoulShowsItsWordAndScoresNothing) {
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  app.Swing(kPressMiddle, {230, 150});
  EXPECT_EQ(game->m_frames[0][0].nBall1, 0);
  EXPECT_NE(game->StateJson().find("\"banner\":\"foul\""), std::string::npos);
  EXPECT_EQ(app.CountEvents("sound 397"), 1);
}

TEST_F(BowlListen, StrikesSparesAndSplitsAreNamedOverTheLane) {
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  int strikes = 0;
  for (int ball = 0; ball < 21 && app.Game() == game; ++ball) {
    const int frame = game->m_nFrame, inFrame = game->m_nBallInFrame;
    app.Swing({234, 385}, {234, 230}, 250);
    if (app.Game() != game) break;
    const BowlFrameCell& cell = game->m_frames[0][static_cast<std::size_t>(frame)];
    const int code = inFrame == 0 ? cell.nBall1 : cell.nBall2;
    const std::string json = game->StateJson();
    if (code == kStrike) {
      ++strikes;
      EXPECT_NE(json.find("\"banner\":\"strike\""), std::string::npos) << json;
    } else if (code == kSpare) {
      EXPECT_NE(json.find("\"banner\":\"spare\""), std::string::npos) << json;
    } else if (inFrame == 0 && IsSplit(game->StandingPins())) {
      EXPECT_NE(json.find("\"banner\":\"split\""), std::string::npos) << json;
    }
  }
  EXPECT_GT(strikes, 0);
}

}  // namespace
}  // namespace bowling::test
