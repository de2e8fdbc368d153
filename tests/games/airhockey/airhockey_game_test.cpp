// SPDX-License-Identifier: GPL-3.0-or-later
// The game through the real document and view: it starts at once, a press
// on the mallet starts and another pauses play, the mallet follows the mouse
// inside its half, goals stop play and serve to the side that conceded,
// seven goals end the match, the speed setting and its dialog, the state dump.
#include <gtest/gtest.h>

#include "airhockey_app.h"
#include "game/game_table.h"
#include "gfx/sprite.h"
#include "ui/dialog.h"

namespace airhockey::test {
namespace {

TEST(AirHockeyGame, TableRowStartsItAtOnceWithoutButtonReleases) {
  const GameInfo* row = FindGame(GameTable(), kScreenAirHockey);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->start, GameStart::AtOnce);
  EXPECT_FALSE(row->bTakesButtonUp);
  EXPECT_TRUE(row->bGameControls);
  EXPECT_FALSE(row->bTypeOfGame);
  EXPECT_EQ(row->BackgroundFor(0), kRinkBitmap);
}

TEST(AirHockeyGame, StartsInProgressWithThePuckServedToTheUser) {
  AirHockeyApp app;
  app.Player(0).m_nScore = 4;
  app.StartAirHockey();
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_TRUE(app.Doc().m_bGameInProgress);
  EXPECT_EQ(app.Player(0).m_nScore, 0);
  EXPECT_EQ(app.Player(1).m_nScore, 0);
  EXPECT_EQ(app.TheRink().puck.pos, CPoint(129, 286));
  EXPECT_FALSE(app.Game()->m_bPlaying);
  EXPECT_EQ(app.CountEvents("sound 358"), 1);
  EXPECT_EQ(app.Game()->m_nSubSteps, kDefaultSubSteps);
  // Nothing moves before the user takes the mallet.
  app.RunFor(500);
  EXPECT_EQ(app.TheRink().computer.pos, kComputerHome);
  // With sound switched off the first serve is silent too.
  AirHockeyApp quiet;
  quiet.Doc().m_bSound = FALSE;
  quiet.StartAirHockey();
  EXPECT_EQ(quiet.CountEvents("sound"), 0);
}

TEST(AirHockeyGame, PressOnTheMalletPlaysAPressAnywherePausesKeepingTheRun) {
  AirHockeyApp app;
  app.StartAirHockey();
  app.Click(300, 300);
  EXPECT_FALSE(app.Game()->m_bPlaying) << "a press that misses the mallet does nothing";
  app.PressMallet();
  EXPECT_TRUE(app.Game()->m_bPlaying);
  EXPECT_TRUE(app.View().m_turn.m_bDragging);
  // Push up through the puck.
  app.Move(129, 240);
  ASSERT_TRUE(app.RunUntil([&] { return app.TheRink().puck.live; }, 500));
  app.RunFor(40);
  app.Click(20, 20);
  EXPECT_FALSE(app.Game()->m_bPlaying);
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  const Puck paused = app.TheRink().puck;
  app.RunFor(300);
  EXPECT_EQ(app.TheRink().puck.pos, paused.pos) << "nothing moves while paused";
  app.PressMallet();
  app.RunFor(20);
  const Puck& resumed = app.TheRink().puck;
  EXPECT_EQ(resumed.aim, paused.aim);
  EXPECT_EQ(resumed.runStart, paused.runStart);
  EXPECT_LT(resumed.pos.y, paused.pos.y);
}

TEST(AirHockeyGame, MalletFollowsTheMouseOnlyInsideTheUsersHalf) {
  AirHockeyApp app;
  app.StartAirHockey();
  app.Move(60, 220);
  app.RunFor(100);
  EXPECT_EQ(app.TheRink().human.target, kHumanHome) << "moves while paused are ignored";
  app.PressMallet();
  app.Move(590, 5);
  EXPECT_EQ(app.TheRink().human.target, CPoint(202, 212));
  app.RunFor(300);
  EXPECT_EQ(app.TheRink().human.pos, CPoint(202, 212));
  // Round the puck, not through it.
  app.Move(590, 399);
  app.RunFor(300);
  app.Move(0, 399);
  app.RunFor(300);
  EXPECT_EQ(app.TheRink().human.pos, CPoint(58, 360));
}

TEST(AirHockeyGame, GoalsStopPlayScoreAndServeToTheSideThatConceded) {
  AirHockeyApp app;
  app.StartAirHockey();
  app.PressMallet();
  app.TheRink().computer.PlaceAt({190, 100});
  app.TheRink().puck = PuckOnRun({130, 44}, {130, kWallTop}, 2);
  // The digits already show the goal when the box tells who scored.
  std::vector<int> shownUnderBox;
  app.boxDriver = [&](const std::string&, DialogController&) -> std::optional<int> {
    for (CSprite* digits : app.Game()->m_pScoreSprite) shownUnderBox.push_back(digits->GetCelIndex());
    return IDOK;
  };
  ASSERT_TRUE(app.RunUntil([&] { return !app.boxes.empty(); }, 1000));
  EXPECT_EQ(app.boxes, std::vector<std::string>{"Its a Goal!\nPLAYER scores."});
  EXPECT_EQ(shownUnderBox, (std::vector<int>{1, 0}));
  EXPECT_EQ(app.Player(0).m_nScore, 1);
  EXPECT_EQ(app.Player(1).m_nScore, 0);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_EQ(app.TheRink().puck.pos, CPoint(129, 112)) << "served to the computer";
  EXPECT_FALSE(app.Game()->m_bPlaying);
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  EXPECT_EQ(app.CountEvents("sound 359"), 1);
  EXPECT_EQ(app.Game()->m_pScoreSprite[0]->GetCelIndex(), 1);
  app.RunFor(500);
  EXPECT_EQ(app.TheRink().puck.pos, CPoint(129, 112)) << "play waits for the user";

  app.PressMallet();
  app.TheRink().human.PlaceAt({60, 300});
  app.TheRink().puck = PuckOnRun({130, 300}, {130, kWallBottom}, 3);
  ASSERT_TRUE(app.RunUntil([&] { return app.boxes.size() == 2; }, 1000));
  EXPECT_EQ(app.boxes.back(), "Its a Goal!\nCOMPUTER scores.");
  EXPECT_EQ(shownUnderBox, (std::vector<int>{1, 0, 1, 1}));
  EXPECT_EQ(app.Player(1).m_nScore, 1);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);
  EXPECT_EQ(app.TheRink().puck.pos, CPoint(129, 286)) << "served to the user";
  EXPECT_EQ(app.Game()->m_pScoreSprite[1]->GetCelIndex(), 1);
}

TEST(AirHockeyGame, SevenGoalsEndTheMatchWhoseScoreStaysUntilTheUserClicks) {
  AirHockeyApp app;
  app.StartAirHockey();
  app.Player(0).m_nScore = 6;
  app.Player(1).m_nScore = 5;
  app.PressMallet();
  app.TheRink().computer.PlaceAt({190, 100});
  app.TheRink().puck = PuckOnRun({125, 44}, {125, kWallTop}, 3);
  ASSERT_TRUE(app.RunUntil([&] { return app.boxes.size() >= 2; }, 1000));
  // The boxes name the sides as the board does.
  EXPECT_EQ(app.boxes, (std::vector<std::string>{"Its a Goal!\nPLAYER scores.", "PLAYER Wins!"}));
  // The final score stays, and the match is over: nothing is under way.
  app.RunFor(2000);
  EXPECT_EQ(app.Player(0).m_nScore, 7);
  EXPECT_EQ(app.Player(1).m_nScore, 5);
  EXPECT_EQ(app.Game()->m_pScoreSprite[0]->GetCelIndex(), 7);
  EXPECT_EQ(app.Game()->m_pScoreSprite[1]->GetCelIndex(), 5);
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
  EXPECT_EQ(app.App().Frame().StatusText(), "PLAYER Wins!");
  EXPECT_EQ(app.TheRink().puck.pos, CPoint(129, 112)) << "the serve follows at once";
  // A repaint does not announce the winner again.
  app.GetHost().PostMessage(app.GetHost().ViewWindow(), WM_PAINT);
  app.Pump();
  EXPECT_EQ(app.boxes.size(), 2u);
  // The next click starts a new match at 0 : 0.
  app.Click(20, 20);
  EXPECT_EQ(app.Player(0).m_nScore, 0);
  EXPECT_EQ(app.Player(1).m_nScore, 0);
  EXPECT_EQ(app.Game()->m_pScoreSprite[0]->GetCelIndex(), 0);
  EXPECT_TRUE(app.Doc().m_bGameInProgress);
  EXPECT_FALSE(app.Game()->m_bPlaying);
}

TEST(AirHockeyGame, SpeedSettingIsHeldInRange) {
  for (const auto& [stored, want] : {std::pair{50, 20}, {-4, 1}, {0, 1}, {13, 13}}) {
    AirHockeyApp app;
    app.GetHost().Settings().WriteProfileInt("AirHockey", "Speed", stored);
    app.StartAirHockey();
    EXPECT_EQ(app.Game()->m_nSubSteps, want) << stored;
  }
}

TEST(AirHockeyGame, ControlsDialogSetsTheSpeedOnOkOnly) {
  AirHockeyApp app;
  app.GetHost().Settings().WriteProfileInt("AirHockey", "Speed", 99);
  app.StartAirHockey();
  int opened = -1;
  app.dialogDriver = [&](int id, DialogController& dlg) -> std::optional<int> {
    EXPECT_EQ(id, static_cast<int>(kControlsDialog));
    auto& dialog = dynamic_cast<CDialog&>(dlg);
    opened = dialog.GetTrackPos(kSpeedTrack);
    const DialogControl* track = dialog.GetDlgItem(kSpeedTrack);
    EXPECT_EQ(track->track.rangeMin, 1);
    EXPECT_EQ(track->track.rangeMax, 20);
    EXPECT_EQ(track->track.pageSize, 4);
    dlg.Track(kSpeedTrack, 3);
    return IDCANCEL;
  };
  app.Game()->OnGameControls();
  EXPECT_EQ(opened, 20) << "opens at the stored value, held in range";
  EXPECT_EQ(app.Game()->m_nSubSteps, 20);
  EXPECT_EQ(app.GetHost().Settings().GetProfileInt("AirHockey", "Speed", 0), 99);
  app.dialogDriver = [](int, DialogController& dlg) -> std::optional<int> {
    dlg.Track(kSpeedTrack, 3);
    dlg.Click(IDOK);
    return IDOK;
  };
  app.Game()->OnGameControls();
  EXPECT_EQ(app.Game()->m_nSubSteps, 3);
  EXPECT_EQ(app.GetHost().Settings().GetProfileInt("AirHockey", "Speed", 0), 3);
}

TEST(AirHockeyGame, StateDumpCarriesThePuckTheMalletsAndPlay) {
  AirHockeyApp app;
  app.StartAirHockey();
  EXPECT_EQ(app.Game()->StateJson(),
            "{\"puck\":{\"x\":129,\"y\":286,\"aimX\":129,\"aimY\":286,\"speed\":0,\"live\":false},"
            "\"mallets\":[{\"x\":129,\"y\":347,\"targetX\":129,\"targetY\":347},"
            "{\"x\":129,\"y\":54,\"targetX\":129,\"targetY\":54}],\"playing\":false,\"matchOver\":false}");
  app.PressMallet();
  EXPECT_NE(app.Game()->StateJson().find("\"playing\":true"), std::string::npos);
}

TEST(AirHockeyGame, StoppingTheGameStopsPlay) {
  AirHockeyApp app;
  app.StartAirHockey();
  app.PressMallet();
  app.Doc().StopCurrentGame();
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
  EXPECT_FALSE(app.Game()->m_bPlaying);
  app.Click(129, 347);
  EXPECT_FALSE(app.Game()->m_bPlaying) << "presses are ignored when no game is in progress";
}

// The pace a player sees: timer ticks per second under the host's timer
// resolution, and the puck's speed in pixels per second at each hit speed.
TEST(AirHockeyGame, PaceFollowsTheTimerResolutionAndTheSpeedSetting) {
  {
    AirHockeyApp app;
    app.GetHost().Settings().WriteProfileInt("AirHockey", "Speed", 1);
    app.StartAirHockey();
    app.PressMallet();
    app.TheRink().puck = PuckOnRun({70, 360}, {70, kWallTop}, 1);
    app.RunFor(2000);
    const int ticksPerSecond = (360 - app.TheRink().puck.pos.y) / 2;
    EXPECT_GE(ticksPerSecond, 63);
    EXPECT_LE(ticksPerSecond, 64);
    RecordProperty("TimerTicksPerSecond", ticksPerSecond);
  }
  for (int speed = 1; speed <= 3; ++speed) {
    AirHockeyApp app;
    app.StartAirHockey();
    app.PressMallet();
    app.TheRink().puck = PuckOnRun({70, 360}, {70, kWallTop}, speed);
    app.RunFor(125);
    const int pixelsPerSecond = (360 - app.TheRink().puck.pos.y) * 8;
    // 64 ticks of 8 sub-steps; a window of 125 ms may hold one tick fewer.
    EXPECT_NEAR(pixelsPerSecond, 64 * kDefaultSubSteps * speed, 64 * speed);
    RecordProperty("PuckPixelsPerSecondAtSpeed" + std::to_string(speed), pixelsPerSecond);
  }
}

}  // namespace
}  // namespace airhockey::test
