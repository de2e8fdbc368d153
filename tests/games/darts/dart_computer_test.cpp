// SPDX-License-Identifier: GPL-3.0-or-later
// Computer players through the whole program: the first turn waits for a
// click, later turns follow at once, Escape restarts, stale turn messages are
// ignored.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "darts_app.h"
#include "games/darts/model/dart_motion.h"

namespace darts::test {
namespace {

constexpr const char* kClickPrompt = "status \"Click mouse to start computer player!\"";

void ThreeMisses(DartsApp& app) {
  for (const CPoint& grip : kTrayGrips) {
    app.Click(grip.x, grip.y);
    app.Stroke({200, kThrowLine.y}, {140, 10}, 300);
  }
}

TEST(DartComputer, TakesItsTurnRightAfterTheUserAndHandsBack) {
  DartsApp app;
  app.StartDarts(kVariant301, {2, {false, true}});
  ThreeMisses(app);
  // The user's last release posted the computer's turn, which has now been played.
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);
  EXPECT_FALSE(app.View().m_turn.m_bComputerPlaying);
  EXPECT_LT(app.Player(1).m_nScore, 301);
  EXPECT_EQ(app.Player(0).m_nScore, 301);
  EXPECT_EQ(app.CountEvents(kClickPrompt), 0);  // nobody was asked to click
  EXPECT_EQ(app.CountEvents("sound 402"), 3);   // only the user picks darts from the tray
  EXPECT_EQ(app.GetHost().QueuedCount(), 0u);
}

TEST(DartComputer, TheFirstComputerTurnWaitsForAClick) {
  DartsApp app;
  app.StartDarts(kVariant501, {2, {true, false}});
  EXPECT_EQ(app.CountEvents(kClickPrompt), 1);
  EXPECT_TRUE(app.View().m_turn.m_bComputerPlaying);
  app.Wait(10000);
  EXPECT_EQ(app.Player(0).m_nScore, 501);
  // The click cannot take the computer's dart; its release starts the computer.
  app.Click(kTrayGrips[0].x, kTrayGrips[0].y);
  EXPECT_EQ(app.View().m_turn.m_pSelSprite, nullptr);
  EXPECT_LT(app.Player(0).m_nScore, 501);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_FALSE(app.View().m_turn.m_bComputerPlaying);
  EXPECT_TRUE(app.Doc().m_bGameInProgress);
  EXPECT_FALSE(app.Doc().m_bFirstComputerTurn);
}

TEST(DartComputer, EscapeWhileTheComputerPlaysRestartsTheGame) {
  DartsApp app;
  app.StartDarts(kVariant301, {2, {true, false}});
  CDart* game = app.Game();
  app.autoPump = false;
  app.Click(300, 200);
  app.Pump({}, 2);  // the click: the computer's turn is now queued
  app.Key(VK_ESCAPE);
  app.Pump();
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_NE(app.Game(), game);
  EXPECT_EQ(app.Player(0).m_nScore, 301);  // not a dart was thrown
  EXPECT_FALSE(app.View().m_turn.m_bEscape);
  EXPECT_EQ(app.CountEvents("sound 32"), 0);
  // The new game waits for its click again.
  EXPECT_TRUE(app.Doc().m_bFirstComputerTurn);
}

TEST(DartComputer, EscapeInThePauseAfterTheComputersLastDartStillRestarts) {
  DartsApp app;
  app.StartDarts(kVariant301, {2, {false, true}});
  CDart* game = app.Game();
  // Escape comes once the computer's third dart is in the board, while its
  // darts stay on show: no throw is left to take it off the queue.
  app.Backend().SetFeeder([&app, sent = false](DWORD now) mutable -> std::optional<DWORD> {
    const int landed = app.CountEvents("sound 324") + app.CountEvents("sound 325");
    if (!sent && landed == 6) {
      app.GetHost().PostKey(WM_KEYDOWN, VK_ESCAPE);
      app.GetHost().PostKey(WM_KEYUP, VK_ESCAPE);
      sent = true;
    }
    return sent ? std::nullopt : std::optional<DWORD>(now + 10);
  });
  ThreeMisses(app);
  app.Backend().SetFeeder({});
  app.Pump();
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_NE(app.Game(), game) << "the game starts afresh";
  EXPECT_EQ(app.Player(1).m_nScore, 301);
  EXPECT_FALSE(app.View().m_turn.m_bEscape);
}

TEST(DartComputer, AnEscapeFromBeforeTheComputersTurnIsForgotten) {
  DartsApp app;
  app.StartDarts(kVariant301, {2, {true, false}});
  CDart* game = app.Game();
  app.autoPump = false;
  app.Key(VK_ESCAPE);  // pressed while nothing runs
  app.Pump();
  app.Click(300, 200);
  app.Pump();
  EXPECT_EQ(app.Game(), game);
  EXPECT_GT(app.CountEvents("sound 32"), 0);  // the computer threw
}

TEST(DartComputer, AStaleTurnMessageThrowsNothing) {
  DartsApp app;
  app.StartDarts(kVariant301, {2, {false, true}});
  app.GetHost().PostMessage(app.GetHost().ViewWindow(), WM_COMPUTER_TURN);
  app.Pump();
  EXPECT_EQ(app.Player(0).m_nScore, 301);
  EXPECT_EQ(app.Game()->m_nDartsThrown, 0);
  // Nor before the first click when the computer plays first.
  DartsApp second;
  second.StartDarts(kVariant301, {1, {true}});
  second.GetHost().PostMessage(second.GetHost().ViewWindow(), WM_COMPUTER_TURN);
  second.Pump();
  EXPECT_EQ(second.Player(0).m_nScore, 301);
}

TEST(DartComputer, ThePictureOfAStuckDartLeavesTheAimSequenceAlone) {
  DartsApp app;
  app.StartDarts(kVariant301, {1, {true}});
  CDart* game = app.Game();
  Host& host = app.GetHost();
  // What a computer turn does, within one second of the clock.
  host.Random().Seed(static_cast<std::uint32_t>(host.Time()));
  std::vector<CPoint> landings;
  for (int dart = 0; dart < 3; ++dart) {
    game->ComputerAim(&app.Player(0));
    game->ScoreShot(&app.Player(0));
    const std::uint32_t before = host.Random().State();
    game->PlaceDart(nullptr, 0, nullptr, FALSE);
    EXPECT_EQ(host.Random().State(), before);
    landings.push_back(game->m_ptLanding);
  }
  EXPECT_NE(landings[0], landings[1]);
  EXPECT_NE(landings[1], landings[2]);
}

TEST(DartComputer, ADartTheUserHeldGoesBackBeforeTheComputerThrows) {
  DartsApp app;
  app.GetHost().Settings().WriteProfileInt("Darts", "ComputerSkill", 1);  // Club: all three darts land
  app.StartDarts(kVariant301, {2, {false, false}});
  app.Click(kTrayGrips[1].x, kTrayGrips[1].y);
  ASSERT_NE(app.View().m_turn.m_pSelSprite, nullptr);
  // The seat is handed to the computer while the user holds a dart.
  app.Player(0).m_bComputer = TRUE;
  app.Doc().m_bFirstComputerTurn = FALSE;
  app.GetHost().PostMessage(app.GetHost().ViewWindow(), WM_COMPUTER_TURN);
  app.Pump([&] { return app.Doc().m_nCurrentPlayer == 1; });
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_EQ(app.View().m_turn.m_pSelSprite, nullptr);
  EXPECT_EQ(app.CountEvents("sound 325") + app.CountEvents("sound 324"), 3);
}

}  // namespace
}  // namespace darts::test
