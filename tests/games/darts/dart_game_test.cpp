// SPDX-License-Identifier: GPL-3.0-or-later
// A darts game played through the whole program on virtual time: the user's
// strokes, scoring, bust and win, Cricket marks, turns and the state dump.
#include <gtest/gtest.h>

#include <algorithm>

#include "darts_app.h"
#include "games/darts/model/dart_board.h"
#include "games/darts/model/dart_geometry.h"
#include "gfx/sprite_list.h"

namespace darts::test {
namespace {

class DartGame : public ::testing::Test {
 protected:
  DartsApp app;
};

TEST_F(DartGame, AHumanTurnScoresThreeDartsAndPassesTheTurn) {
  app.StartDarts(kVariant301, {2, {}});
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_EQ(app.Player(0).m_nScore, 301);
  EXPECT_EQ(app.Doc().m_sprites.GetCount(), 4);

  app.Click(kTrayGrips[0].x, kTrayGrips[0].y);
  EXPECT_NE(app.View().m_turn.m_pSelSprite, nullptr);
  EXPECT_TRUE(app.Doc().m_bGameInProgress);
  EXPECT_EQ(app.CountEvents("sound 402"), 1);
  app.Move(kThrowLine.x, kThrowLine.y);
  EXPECT_EQ(app.GetHost().GetCursorId(), static_cast<int>(kReadyCursor));
  app.Down(kThrowLine.x, kThrowLine.y);
  EXPECT_EQ(app.GetHost().GetCursorId(), static_cast<int>(kThrowingCursor));
  EXPECT_TRUE(app.View().m_turn.m_bDragging);
  app.Move(266, 300);  // on its way to the board: still throwing
  EXPECT_EQ(app.GetHost().GetCursorId(), static_cast<int>(kThrowingCursor));
  app.Wait(300);
  const DWORD released = app.Now();
  app.Up(266, 141);
  // The flight takes its time on the clock: 32 steps of 15 ms.
  EXPECT_GE(app.Now() - released, 480u);
  CDart* game = app.Game();
  EXPECT_EQ(game->m_ptLanding, CPoint(266, 141));
  EXPECT_EQ(game->m_nLastScore, 50);
  EXPECT_EQ(app.Player(0).m_nScore, 251);
  EXPECT_EQ(game->m_nDartsThrown, 1);
  EXPECT_EQ(app.CountEvents("sound 325"), 1);
  EXPECT_EQ(app.View().m_turn.m_pSelSprite, nullptr);
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  app.Move(266, 365);  // no dart in hand: the arrow
  EXPECT_EQ(app.GetHost().GetCursorId(), 0);

  Throw(app, 1, {266, 79});  // treble 20
  EXPECT_EQ(game->m_nLastScore, 60);
  EXPECT_EQ(game->m_nTurnTotal, 110);

  const DWORD before = app.Now();
  Throw(app, 2, {266, 45});  // double 20
  EXPECT_EQ(app.Player(0).m_nScore, 151);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_EQ(app.Doc().m_pCurrentPlayer, &app.Player(1));
  EXPECT_GE(app.Now() - before, 300u + 480u + 2000u);  // the darts stay up for two seconds
  EXPECT_EQ(game->m_nDartsThrown, 0);
  EXPECT_EQ(game->m_nTurnTotal, 0);
  EXPECT_EQ(app.Doc().m_sprites.GetCount(), 4);  // the next player's fresh tray
  EXPECT_EQ(app.Doc().m_pGame.get(), game);
}

TEST_F(DartGame, AReleaseOffTheBoardKeepsTheDartInHand) {
  app.StartDarts(kVariant301, {1, {}});
  app.Click(kTrayGrips[1].x, kTrayGrips[1].y);
  CSprite* held = app.View().m_turn.m_pSelSprite;
  ASSERT_NE(held, nullptr);
  app.Stroke(kThrowLine, {500, 100}, 300);
  EXPECT_EQ(app.View().m_turn.m_pSelSprite, held);
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  EXPECT_EQ(app.GetHost().GetCapture(), HWND_NONE);
  EXPECT_EQ(app.Game()->m_nDartsThrown, 0);
  EXPECT_EQ(app.Player(0).m_nScore, 301);
  // A press outside the throw zone starts nothing; the next stroke throws.
  app.Stroke({266, 390}, {266, 141}, 300);
  EXPECT_EQ(app.Game()->m_nDartsThrown, 0);
  app.Stroke(kThrowLine, {266, 141}, 300);
  EXPECT_EQ(app.Game()->m_nDartsThrown, 1);
  EXPECT_EQ(app.Player(0).m_nScore, 251);
}

TEST_F(DartGame, BustRestoresTheScoreOfTheTurnsStartAndEndsTheTurn) {
  app.StartDarts(kVariant301, {2, {}});
  app.Player(0).m_nScore = 40;
  Throw(app, 0, OnNumber(20, 40));  // single 20: 20 left
  EXPECT_EQ(app.Player(0).m_nScore, 20);
  Throw(app, 1, {266, 77});  // treble 20: below zero
  EXPECT_EQ(app.boxes.back(), "You have busted");
  EXPECT_EQ(app.CountEvents("sound 326"), 1);
  EXPECT_EQ(app.Player(0).m_nScore, 40);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_EQ(app.Game()->m_nDartsThrown, 0);
}

TEST_F(DartGame, TheBustBoxOpensOnTheRestoredScoreNeverBelowZero) {
  app.StartDarts(kVariant301, {2, {}});
  app.Player(0).m_nScore = 40;
  Throw(app, 0, OnNumber(20, 40));  // single 20: 20 left
  int scoreAtBox = -1;
  bool boardAlreadyCurrent = false;
  app.boxDriver = [&](const std::string&, DialogController&) -> std::optional<int> {
    scoreAtBox = app.Player(0).m_nScore;
    // What the score box shows must be what a fresh draw of the restored score shows.
    CRect box = LayoutScoreboard(kVariant301).scores[0];
    box.OffsetRect(app.GetHost().ViewRect().left, app.GetHost().ViewRect().top);
    auto pixels = [&] {
      std::vector<std::uint32_t> out;
      for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) out.push_back(app.GetHost().WindowSurface().At(x, y));
      return out;
    };
    const auto shown = pixels();
    app.Game()->UpdateScoreboard(&app.Doc().m_players, FALSE, app.Doc().m_nCurrentPlayer);
    boardAlreadyCurrent = shown == pixels();
    return IDOK;
  };
  Throw(app, 1, {266, 77});  // treble 20: below zero
  ASSERT_EQ(app.boxes.back(), "You have busted");
  EXPECT_EQ(scoreAtBox, 40);
  EXPECT_TRUE(boardAlreadyCurrent);
}

TEST_F(DartGame, ExactlyZeroWinsAndTheNextClickStartsTheGameAgain) {
  app.StartDarts(kVariant501, {2, {}});
  CDart* first = app.Game();
  app.Player(0).m_nScore = 2;
  Throw(app, 0, OnNumber(3, 40));  // 3 on 2 busts
  EXPECT_EQ(app.Player(0).m_nScore, 2);
  // Player 2 misses three times.
  for (int i = 0; i < 3; ++i) Throw(app, i, {130, 5});
  EXPECT_EQ(app.CountEvents("sound 324"), 3);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);
  Throw(app, 0, OnNumber(2, 40));
  EXPECT_EQ(app.boxes.back(), "Hurray you have won, good job");
  EXPECT_EQ(app.CountEvents("sound 327"), 1);
  // The final board stays with its scores until the next click; the game is over.
  ASSERT_EQ(app.Game(), first);
  EXPECT_TRUE(first->m_bGameOver);
  EXPECT_EQ(app.Player(0).m_nScore, 0);
  EXPECT_EQ(app.Player(1).m_nScore, 501);
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
  app.Wait(5000);
  EXPECT_EQ(app.Game(), first);
  app.Click(300, 200);
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_NE(app.Game(), first);
  EXPECT_EQ(app.Game()->m_nVariant, kVariant501);
  EXPECT_EQ(app.Player(0).m_nScore, 501);
  EXPECT_EQ(app.Player(1).m_nScore, 501);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
}

TEST_F(DartGame, CricketMarksFromTheBoard) {
  app.StartDarts(kVariantCricket, {2, {}});
  CDart* game = app.Game();
  Throw(app, 0, OnNumber(20, 64));  // treble 20 closes 20 at once
  EXPECT_EQ(game->m_marks.Get(0, 5), "|||");
  Throw(app, 1, {266, 141});  // inner bull: two marks
  EXPECT_EQ(game->m_marks.Get(0, kBullsEntry), "||");
  Throw(app, 2, {266, 133});  // outer bull: the third
  EXPECT_EQ(game->m_marks.Get(0, kBullsEntry), "|||");
  // Player 2: a treble 5 and a double 8 are worth 15 and 16 but mark nothing.
  Throw(app, 0, OnNumber(5, 64));
  EXPECT_EQ(game->m_nLastScore, 15);
  Throw(app, 1, OnNumber(8, 97));
  EXPECT_EQ(game->m_nLastScore, 16);
  Throw(app, 2, OnNumber(15, 97));  // double 15
  for (int e = 0; e < kCricketEntries; ++e) EXPECT_EQ(game->m_marks.Get(1, e), e == 0 ? "||" : "0") << e;
  // Player 1 again: a fourth mark on the closed 20 is lost.
  Throw(app, 0, OnNumber(20, 40));
  EXPECT_EQ(game->m_marks.Get(0, 5), "|||");
  EXPECT_EQ(app.Player(0).m_nScore, 0);  // Cricket keeps no points
}

TEST_F(DartGame, ClosingTheSeventhCricketEntryWins) {
  app.StartDarts(kVariantCricket, {2, {}});
  CDart* game = app.Game();
  for (int e = 0; e < kCricketEntries - 1; ++e)
    for (int i = 0; i < 3; ++i) game->AddMark(0, e);
  game->AddMark(0, kBullsEntry);
  Throw(app, 0, {266, 141});
  EXPECT_EQ(app.boxes.back(), "Hurray you have won, good job");
  EXPECT_EQ(game->m_marks.Get(0, kBullsEntry), "|||");  // the marks stay up
  app.Click(300, 200);
  EXPECT_NE(app.Game(), game);
  EXPECT_EQ(app.Game()->m_marks.Get(0, 5), "0");
}

TEST_F(DartGame, TurnsGoRoundThreePlayers) {
  app.StartDarts(kVariant301, {3, {}});
  const int expected[] = {1, 2, 0, 1};
  for (int turn : expected) {
    for (int i = 0; i < 3; ++i) Throw(app, i, {130, 5});
    EXPECT_EQ(app.Doc().m_nCurrentPlayer, turn);
    EXPECT_EQ(app.Doc().m_pCurrentPlayer->m_nId, turn);
  }
}

TEST_F(DartGame, StrokeTimeDecidesHeightWithTheCurrentSettings) {
  app.StartDarts(kVariant301, {1, {}});
  app.Click(kTrayGrips[0].x, kTrayGrips[0].y);
  app.Stroke({266, kThrowLine.y}, {266, 141}, 250);
  EXPECT_EQ(app.Game()->m_ptLanding, CPoint(266, 146));
  app.Click(kTrayGrips[1].x, kTrayGrips[1].y);
  app.Stroke({266, kThrowLine.y}, {266, 141}, 400);
  EXPECT_EQ(app.Game()->m_ptLanding, CPoint(266, 131));
}

TEST_F(DartGame, StateDumpCarriesTheDartsFields) {
  app.StartDarts(kVariantCricket, {1, {}});
  Throw(app, 0, OnNumber(16, 97));
  const std::string json = app.Game()->StateJson();
  EXPECT_NE(json.find("\"variant\":2"), std::string::npos) << json;
  EXPECT_NE(json.find("\"dartsThrown\":1"), std::string::npos) << json;
  EXPECT_NE(json.find("\"turnTotal\":32"), std::string::npos) << json;
  EXPECT_NE(json.find("\"lastScore\":32"), std::string::npos) << json;
  EXPECT_NE(json.find("\"marks\":[[\"0\",\"||\",\"0\",\"0\",\"0\",\"0\",\"0\"],"), std::string::npos) << json;
}

}  // namespace
}  // namespace darts::test
