// SPDX-License-Identifier: GPL-3.0-or-later
// A bowling game played through the whole program on virtual time: the
// swing, the roll and its pace, balls thrown short, clicks during a roll,
// the hook keys, computer bowlers, settings, the end of a game.
#include <gtest/gtest.h>

#include "bowl_app.h"
#include "games/bowling/model/bowl_swing.h"
#include "gfx/sprite_list.h"
#include "platform/dc.h"

namespace bowling::test {
namespace {

class BowlGame : public ::testing::Test {
 protected:
  BowlApp app;
};

TEST_F(BowlGame, AGutterBallRollsAtOnePixelPerTwoMillisecondsAndCountsNothing) {
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  ASSERT_NE(game, nullptr);
  // The ball, ten pins, the guide's dots, the speed marker and the banner.
  EXPECT_EQ(app.Doc().m_sprites.GetCount(), 11 + kGuideDots + 2);
  app.Move(200, 390);
  app.Down(200, 390);
  EXPECT_EQ(app.GetHost().GetCursorId(), static_cast<int>(kDragCursor));
  EXPECT_TRUE(app.View().m_turn.m_bDragging);
  // Off the return while swinging: at the foul line, under the pointer.
  EXPECT_EQ(game->m_pBall->X(), MapX(200));
  EXPECT_EQ(game->m_pBall->Y(), kBallStartY);
  app.Move(178, 230);
  EXPECT_EQ(app.GetHost().GetCursorId(), static_cast<int>(kReleaseCursor));
  app.Wait(300);
  const DWORD released = app.Now();
  app.Up(178, 230);
  // 401 pixels at 0.5 a step, a step a millisecond; then the count pause
  // and the ball return (12 steps of 22 ms and 73 of 10 ms).
  const DWORD took = app.Now() - released;
  EXPECT_GE(took, 800u + 1000u + 12u * 22u + 73u * 10u);
  EXPECT_LE(took, 830u + 1000u + 12u * 22u + 73u * 10u + 20u);
  EXPECT_EQ(game->m_nSpeedIndex, 1);
  EXPECT_EQ(game->m_nBallInFrame, 1);
  EXPECT_EQ(game->m_frames[0][0].nBall1, 0);
  EXPECT_GE(app.CountEvents("sound 370"), 1);
  EXPECT_EQ(app.CountEvents("sound 369"), 0);
  EXPECT_FALSE(game->m_pBall->m_bInGutter);  // cleared for the next ball
  EXPECT_EQ(static_cast<int>(game->m_pBall->X()), kReturnX);
  EXPECT_EQ(static_cast<int>(game->m_pBall->Y()), kReturnRestY);
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  EXPECT_EQ(app.GetHost().GetCapture(), HWND_NONE);
  for (const auto& pin : game->m_pins) EXPECT_FALSE(pin->m_bHit);
}

TEST_F(BowlGame, AStraightBallKnocksPinsAndTheFrameGoesOn) {
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  app.Swing(kPressMiddle, kReleaseMiddle);
  EXPECT_EQ(app.CountEvents("sound 369"), 1);  // the first contact only
  const int first = game->m_frames[0][0].nBall1;
  ASSERT_GE(first, 1);
  if (first == kStrike) {
    EXPECT_EQ(game->m_nFrame, 1);
    return;
  }
  // Fallen pins are swept off; the standing ones wait for the second ball.
  int swept = 0;
  for (const auto& pin : game->m_pins) swept += pin->m_bHit && pin->X() < 0 ? 1 : 0;
  EXPECT_EQ(swept, first);
  app.GutterBall();
  EXPECT_EQ(game->m_frames[0][0].nBall2, 0);
  EXPECT_EQ(game->m_frames[0][0].nTotal, first);
  EXPECT_EQ(app.Player(0).m_nScore, first);
  EXPECT_EQ(game->m_nFrame, 1);
  EXPECT_EQ(game->m_nBallInFrame, 0);
  for (const auto& pin : game->m_pins) EXPECT_FALSE(pin->m_bHit);  // a fresh rack
}

TEST_F(BowlGame, ABallLetGoAboveTheReleaseZoneCountsZeroWithoutARoll) {
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  const DWORD before = app.Now();
  app.Swing(kPressMiddle, {230, 100});
  EXPECT_EQ(app.CountEvents("sound 397"), 1);
  EXPECT_EQ(app.CountEvents("sound 367"), 0);
  EXPECT_EQ(game->m_frames[0][0].nBall1, 0);
  EXPECT_EQ(game->m_nBallInFrame, 1);
  EXPECT_GE(app.Now() - before, 300u + 1000u + 994u);
  // Released beside the approach: no ball at all, the player swings again.
  app.Swing(kPressMiddle, {450, 300});
  EXPECT_EQ(game->m_nBallInFrame, 1);
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  // A press off the approach starts nothing.
  app.Swing({230, 300}, kReleaseMiddle);
  EXPECT_EQ(game->m_nBallInFrame, 1);
}

TEST_F(BowlGame, ClicksDuringARollAreLostButEscapeIsKept) {
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  app.Move(kPressMiddle.x, kPressMiddle.y);
  app.Down(kPressMiddle.x, kPressMiddle.y);
  app.Wait(300);
  app.autoPump = false;
  app.Up(kReleaseMiddle.x, kReleaseMiddle.y);
  // Queued behind the release: they arrive while the ball rolls.
  app.Down(kPressMiddle.x, kPressMiddle.y);
  app.Up(kReleaseMiddle.x, kReleaseMiddle.y);
  app.Key(VK_ESCAPE);
  app.Pump();
  EXPECT_EQ(game->m_nBallInFrame == 1 || game->m_nFrame == 1, true);
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  EXPECT_EQ(app.GetHost().QueuedCount(), 0u);
  EXPECT_TRUE(app.View().m_turn.m_bEscape);
  EXPECT_EQ(app.CountEvents("sound 367"), 1);  // one ball only
}

TEST_F(BowlGame, ShiftOrCtrlHeldDuringTheSwingSetsTheHook) {
  app.GetHost().Settings().WriteProfileInt("Bowling", "Spin", 3);
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  app.Down(kPressMiddle.x, kPressMiddle.y);
  app.GetHost().PostKey(WM_KEYDOWN, VK_CONTROL);
  app.Pump();
  app.Wait(800);
  app.Up(kReleaseMiddle.x, kReleaseMiddle.y);  // the key is still held
  EXPECT_TRUE(game->m_bHookRight);
  EXPECT_DOUBLE_EQ(game->m_dSpinFactor, 1.0);
  EXPECT_NEAR(game->m_dHookStep, kHookTurnPerSpin[3], 1e-12);
  EXPECT_LT(game->m_throw.hook.dTurn, 0.0);  // to the right
  EXPECT_EQ(game->m_nSpeedIndex, 3);  // 800 of 1500 ms
  // A slower ball grips sooner: it skids 30 + 200 x speed pixels.
  EXPECT_EQ(game->m_nHookLine, static_cast<int>(kBallStartY - (30.0 + 200.0 * SpeedForSwing(800))));
  app.GetHost().PostKey(WM_KEYUP, VK_CONTROL);
  app.Pump();
  // Shift pressed and let go during the next swing: 200 ms is a quarter hook to the left.
  app.Down(kPressMiddle.x, kPressMiddle.y);
  app.GetHost().PostKey(WM_KEYDOWN, VK_SHIFT);
  app.Pump();
  app.Wait(200);
  app.GetHost().PostKey(WM_KEYUP, VK_SHIFT);
  app.Pump();
  app.Wait(100);
  app.Up(kReleaseMiddle.x, kReleaseMiddle.y);
  EXPECT_DOUBLE_EQ(game->m_dSpinFactor, 0.25);
  EXPECT_FALSE(game->m_bHookRight);  // the key let go early decides the way: Shift, left
  EXPECT_GT(game->m_throw.hook.dTurn, 0.0);
  // Without a key there is no hook.
  app.Swing(kPressMiddle, kReleaseMiddle);
  EXPECT_EQ(game->m_dHookStep, 0.0);
}

TEST_F(BowlGame, WithSpinOffAHookKeySaysWhereToTurnItOnAndBendsNothing) {
  app.StartBowling({1, {}});
  app.Down(kPressMiddle.x, kPressMiddle.y);
  app.GetHost().PostKey(WM_KEYDOWN, VK_SHIFT);
  app.Pump();
  const std::string status = app.Doc().App().Frame().StatusText();
  EXPECT_NE(status.find("Options > Game Controls"), std::string::npos) << status;
  app.Wait(400);
  app.Up(kReleaseMiddle.x, kReleaseMiddle.y);
  EXPECT_EQ(app.Game()->m_throw.hook.dTurn, 0.0);
}

TEST_F(BowlGame, TheFirstComputerBowlerWaitsForAClickThenBowlsItsFrame) {
  app.StartBowling({2, {true, false}});
  CBowl* game = app.Game();
  EXPECT_EQ(app.GetHost().GetCursorId(), 0);
  EXPECT_NE(app.events.end(), std::find(app.events.begin(), app.events.end(),
                                        "status \"Click mouse to start computer player!\""));
  // The user cannot bowl the computer's ball.
  app.Down(kPressMiddle.x, kPressMiddle.y);
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  EXPECT_EQ(game->m_nBallInFrame, 0);
  app.events.clear();
  app.Up(kReleaseMiddle.x, kReleaseMiddle.y);
  EXPECT_EQ(app.CountEvents("sound 402"), 1);
  EXPECT_FALSE(app.Doc().m_bFirstComputerTurn);
  // The prompt goes once it is answered.
  EXPECT_EQ(app.CountEvents("status \"\""), 1);
  EXPECT_NE(game->m_frames[0][0].nBall1, kNotBowled);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_FALSE(app.View().m_turn.m_bComputerPlaying);
  // The user's frame; then the computer follows by itself, two seconds later.
  app.GutterBall();
  app.GutterBall();
  EXPECT_EQ(game->m_nFrame, 1);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_NE(game->m_frames[0][1].nBall1, kNotBowled);
  EXPECT_EQ(app.CountEvents("sound 402"), 1);
  EXPECT_EQ(app.CountEvents("status \"Click mouse"), 0);
}

TEST_F(BowlGame, EscapeDuringTheComputersTurnStartsANewGame) {
  app.StartBowling({2, {true, true}});
  CBowl* game = app.Game();
  app.autoPump = false;
  app.Click(300, 300);
  app.Pump({}, 2);  // the click; the computer's turn starts
  app.Key(VK_ESCAPE);
  app.Pump();
  EXPECT_NE(app.Game(), game);
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_EQ(app.Game()->m_frames[0][0].nBall1, kNotBowled);
}

TEST_F(BowlGame, StoredSettingsAreClampedAndTheDialogStoresNewOnes) {
  SettingsStore& store = app.GetHost().Settings();
  store.WriteProfileInt("Bowling", "Spin", 9);
  store.WriteProfileInt("Bowling", "PinInteraction", -2);
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  EXPECT_EQ(game->m_nSpinDegrees, 3);
  EXPECT_EQ(game->m_nPinInteraction, 0);
  EXPECT_DOUBLE_EQ(game->m_pins[4]->m_dFriction, kPinFriction[0]);
  app.dialogDriver = [](int id, DialogController& dlg) -> std::optional<int> {
    EXPECT_EQ(id, static_cast<int>(kControlsDialog));
    dlg.Track(kSpinTrack, 1);
    dlg.Track(kPinInteractionTrack, 3);
    return IDOK;
  };
  app.Doc().OnCommand(ID_OPTIONS_GAMECONTROLS);
  EXPECT_EQ(store.GetProfileInt("Bowling", "Spin", -1), 1);
  EXPECT_EQ(store.GetProfileInt("Bowling", "PinInteraction", -1), 3);
  EXPECT_EQ(game->m_nSpinDegrees, 1);
  EXPECT_DOUBLE_EQ(game->m_pins[9]->m_dFriction, 1.0065);
  app.dialogDriver = [](int, DialogController& dlg) -> std::optional<int> {
    dlg.Track(kSpinTrack, 0);
    return IDCANCEL;
  };
  app.Doc().OnCommand(ID_OPTIONS_GAMECONTROLS);
  EXPECT_EQ(game->m_nSpinDegrees, 1);
}

TEST_F(BowlGame, AWholeGameEndsWithTheWinnerAndTheWallOfFame) {
  app.StartBowling({1, {}});
  CBowl* game = app.Game();
  for (int ball = 0; ball < 21 && !game->m_bGameOver; ++ball) app.Swing(kPressMiddle, kReleaseMiddle);
  ASSERT_TRUE(game->m_bGameOver);
  ASSERT_FALSE(app.boxes.empty());
  EXPECT_EQ(app.boxes.back(), "Good job Player1, you have won!");
  // The final sheet and the result stay up until the next click.
  const int final = app.Player(0).m_nScore;
  EXPECT_GT(final, 0);
  EXPECT_NE(game->m_frames[0][9].nBall1, kNotBowled);
  EXPECT_EQ(app.App().Frame().StatusText(), "Player1 wins. Click to play again.");
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
  app.Wait(5000);
  ASSERT_EQ(app.Game(), game);
  app.Click(kPressMiddle.x, kPressMiddle.y);
  ASSERT_NE(app.Game(), game);  // a fresh game
  EXPECT_EQ(app.Game()->m_frames[0][0].nBall1, kNotBowled);
  EXPECT_EQ(app.CountEvents("sound 328"), 1);
  const int best = app.GetHost().Settings().GetProfileInt("Wall Of Fame", "Bowling_Score_1", 0);
  EXPECT_GT(best, 0);
  EXPECT_LE(best, 300);
  EXPECT_EQ(app.GetHost().Settings().GetProfileString("Wall Of Fame", "Bowling_Name_1", ""), "Player1");
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
}


TEST_F(BowlGame, TheSheetShowsBallsAndTotalsInTheirBoxes) {
  constexpr std::uint32_t kWhite = 0xFFFFFF;
  app.StartBowling({2, {}});
  CBowl* game = app.Game();
  // The bowler up in a light blue that reads on black.
  const std::uint32_t kBlue = CDC(app.GetHost()).Resolve(RGB(96, 168, 255));
  EXPECT_GT((kBlue & 0xFF) + ((kBlue >> 8) & 0xFF), 200u) << std::hex << kBlue;
  EXPECT_GT(app.CountColour(game->m_rcName[0], kBlue), 10);  // the bowler up
  EXPECT_EQ(app.CountColour(game->m_rcName[1], kBlue), 0);
  EXPECT_GT(app.CountColour(game->m_rcName[1], kWhite), 10);
  EXPECT_EQ(app.CountColour(game->m_rcName[2], kWhite), 0);  // nobody in seat 3
  app.GutterBall();
  const BowlFrameCell& first = game->m_frames[0][0];
  const auto bright = [this](const CRect& box) {
    const CRect& view = app.GetHost().ViewRect();
    int n = 0;
    for (int y = box.top; y < box.bottom; ++y)
      for (int x = box.left; x < box.right; ++x) {
        const std::uint32_t p = app.GetHost().WindowSurface().At(x + view.left, y + view.top);
        n += (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF) > 300 ? 1 : 0;
      }
    return n;
  };
  EXPECT_GT(bright(first.rcBall1), 8);  // "0"
  EXPECT_EQ(bright(first.rcBall2), 0);
  EXPECT_EQ(bright(first.rcTotal), 0);
  app.GutterBall();
  EXPECT_GT(bright(first.rcTotal), 8);
  EXPECT_EQ(app.CountColour(game->m_frames[1][0].rcBall1, kWhite), 0);  // seat 2 has not bowled
  EXPECT_GT(app.CountColour(game->m_rcName[1], CDC(app.GetHost()).Resolve(RGB(255, 104, 96))), 10);  // seat 2 is up
}

TEST_F(BowlGame, TheStateDumpCarriesTheBowlingFields) {
  app.StartBowling({2, {}});
  app.GutterBall();
  const std::string json = app.Game()->StateJson();
  for (const char* key : {"\"frame\":0", "\"ballInFrame\":1", "\"frames\":[[[0,-1,-1],[-1,-1,-1]",
                          "\"pins\":[{\"x\":42,\"y\":11,\"hit\":false,\"moving\":true}",
                          "\"ball\":{\"x\":364,\"y\":319,\"moving\":false,\"inGutter\":false}", "\"rolling\":false",
                          "\"gameOver\":false"})
    EXPECT_NE(json.find(key), std::string::npos) << key << " in " << json;
}

}  // namespace
}  // namespace bowling::test
