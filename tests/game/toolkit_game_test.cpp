// SPDX-License-Identifier: GPL-3.0-or-later
// A game that exists only here, registered with the document through a
// one-row table, calls every tool the base class gives a game: scores and
// seats, drawing and timers, the loop helpers, restarting and message boxes.
#include <gtest/gtest.h>

#include <vector>

#include "game/game.h"
#include "gfx/sprite_list.h"
#include "support/game_app.h"
#include "ui/message_box.h"

namespace {

using quintaro::test::GameApp;
using quintaro::test::Seats;

// Counts what the document and the view ask of it.
class CToolkitGame : public CGame {
 public:
  CToolkitGame(const GameContext& context, int nVariant) : CGame(context), m_nVariant(nVariant) { ++s_nBuilt; }

  int NextPlayer(CSpriteList*, int nCurrent, CObArray*, int, BOOL) override {
    ++m_nNextPlayerCalls;
    return nCurrent;
  }
  void UpdateScoreboard(CObArray*, BOOL, int) override { ++m_nScoreboardDraws; }
  void OnTimer(UINT nIDEvent) override { m_timerTicks.push_back(nIDEvent); }
  void OnKeyDown(UINT nChar, UINT, UINT) override { m_keys.push_back(nChar); }
  void OnLButtonDown(UINT, int, int) override { ++m_nClicks; }
  void PlayComputerTurn() override { ++m_nComputerTurns; }

  static inline int s_nBuilt = 0;
  int m_nVariant;
  int m_nNextPlayerCalls = 0;
  int m_nScoreboardDraws = 0;
  int m_nClicks = 0;
  int m_nComputerTurns = 0;
  std::vector<UINT> m_timerTicks;
  std::vector<UINT> m_keys;
};

std::unique_ptr<CGame> MakeToolkitGame(const GameContext& context, int nVariant) {
  return std::make_unique<CToolkitGame>(context, nVariant);
}

constexpr GameInfo kToolkitTable[] = {
    {kScreenBowling, ID_GAME_NEW_BOWLING, "Toolkit", {IDB_BOWLING, IDB_BOWLING, IDB_BOWLING}, 1, false, false,
     GameStart::OnFirstInput, true, false, true, &MakeToolkitGame},
};

class ToolkitGame : public ::testing::Test {
 protected:
  ToolkitGame() {
    app.Doc().SetGames(kToolkitTable);
    app.StartGame(kScreenBowling, 0, Seats{3, {false, true, false}});
  }
  CToolkitGame& Game() { return *app.GameAs<CToolkitGame>(); }
  void PostMouseDown() {
    const CRect& view = app.GetHost().ViewRect();
    app.GetHost().PostMouse(WM_LBUTTONDOWN, view.left + 10, view.top + 10, MK_LBUTTON);
  }

  GameApp app;
};

TEST_F(ToolkitGame, TheOneRowTableBuildsTheGameWithItsContext) {
  ASSERT_NE(app.GameAs<CToolkitGame>(), nullptr);
  EXPECT_EQ(&Game().Services(), &app.Doc().Services());
  EXPECT_EQ(&Game().GetHost(), &app.GetHost());
  EXPECT_EQ(&Game().Turn(), &app.View().m_turn);
  EXPECT_EQ(Game().GetSpriteList(), &app.Doc().m_sprites);
  EXPECT_TRUE(Game().IsCurrentGame());
  EXPECT_GE(Game().m_nScoreboardDraws, 1);  // the document draws the new game's score display
  // The other games are not in this document's table.
  EXPECT_FALSE(app.Doc().IsGameScreen(kScreenDarts));
}

TEST_F(ToolkitGame, ScoresAndSeats) {
  CToolkitGame& game = Game();
  const int draws = game.m_nScoreboardDraws;
  game.AddToScore(app.Player(1).m_nId, 7);
  game.AddToScore(app.Player(1).m_nId, 5);
  game.AddToScore(-42, 100);  // nobody: ignored
  EXPECT_EQ(app.Player(1).m_nScore, 12);
  EXPECT_EQ(game.m_nScoreboardDraws, draws + 2);
  game.ResetScores();
  EXPECT_EQ(app.Player(1).m_nScore, 0);
  EXPECT_EQ(game.m_nScoreboardDraws, draws + 3);

  EXPECT_EQ(game.SetCurrentPlayer(app.Player(1).m_nId), 1);
  EXPECT_EQ(game.m_nNextPlayerCalls, 1);
  EXPECT_TRUE(game.IsComputerTurn());
  EXPECT_EQ(game.GetCurrentPlayer(), &app.Player(1));
  EXPECT_TRUE(game.AdvancePlayer());
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 2);
  EXPECT_FALSE(game.AdvancePlayer()) << "the last seat stays";
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 2);
  EXPECT_FALSE(game.IsComputerTurn());
}

TEST_F(ToolkitGame, DrawingAndTimers) {
  CToolkitGame& game = Game();
  auto sprite = std::make_unique<CSprite>(20, 30, 0, 1);
  CSprite* raw = sprite.get();
  game.GetSpriteList()->Insert(std::move(sprite));
  raw->SetPosition(40, 50);
  game.FlushDirty();
  EXPECT_TRUE(app.Doc().m_sprites.Contains(raw));

  ASSERT_TRUE(game.StartTimer(7, 100));
  for (int i = 0; i < 3; ++i) app.Wait(100);
  EXPECT_EQ(game.m_timerTicks, (std::vector<UINT>{7, 7, 7}));
  EXPECT_TRUE(game.StopTimer(7));
  for (int i = 0; i < 3; ++i) app.Wait(100);
  EXPECT_EQ(game.m_timerTicks.size(), 3u);
  EXPECT_FALSE(game.StopTimer(7));
}

TEST_F(ToolkitGame, TheGamesClockStandsStillBehindAnOpenDialogAndGoesOnOnTheSameBeat) {
  CToolkitGame& game = Game();
  // Each tick is served as it falls due.
  const auto play = [&](DWORD ms) {
    for (DWORD i = 0; i < ms; ++i) app.Wait(1);
  };
  game.StartTimer(3, 50);
  play(120);
  ASSERT_EQ(game.m_timerTicks.size(), 2u);
  bool waited = false;
  DWORD playAtOpen = 0;
  app.dialogDriver = [&](int, DialogController& dialog) -> std::optional<int> {
    playAtOpen = app.Now();
    waited = dialog.Wait(475);
    return IDCANCEL;
  };
  app.Doc().OnCommand(ID_OPTIONS_NUMBEROFPLAYERS);
  EXPECT_TRUE(waited);
  EXPECT_EQ(app.Now(), playAtOpen) << "play time stood still";
  EXPECT_EQ(game.m_timerTicks.size(), 2u);
  play(29);
  EXPECT_EQ(game.m_timerTicks.size(), 2u) << "the next tick is still 30 ms of play away";
  play(1);
  EXPECT_EQ(game.m_timerTicks.size(), 3u);
}

TEST_F(ToolkitGame, TheGamesClockStandsStillBehindAMessageBoxToo) {
  CToolkitGame& game = Game();
  game.StartTimer(4, 100);
  app.boxDriver = [](const std::string&, DialogController& box) -> std::optional<int> {
    box.Wait(250);
    return IDNO;
  };
  EXPECT_EQ(game.MessageBox("Play on?", "Toolkit", MB_YESNO), IDNO);
  EXPECT_TRUE(game.m_timerTicks.empty());
}

TEST_F(ToolkitGame, AnAnswerForAGameThatIsGoneAppliesToNothing) {
  CToolkitGame* first = &Game();
  app.boxDriver = [&](const std::string&, DialogController&) -> std::optional<int> {
    first->RestartGame();  // the game ended while its question was up
    return IDYES;
  };
  EXPECT_EQ(first->MessageBox("Quit?", "Toolkit", MB_YESNO), IDCANCEL);
  app.Pump();
}

TEST_F(ToolkitGame, LoopHelpersTakeWhatALoopKeeps) {
  CToolkitGame& game = Game();
  app.autoPump = false;
  Host& host = app.GetHost();
  // PumpOneMessage: a key press is dispatched, a click on the playfield is dropped.
  host.PostKey(WM_KEYDOWN, VK_SHIFT);
  PostMouseDown();
  EXPECT_TRUE(game.PumpOneMessage());
  EXPECT_TRUE(game.PumpOneMessage());
  EXPECT_EQ(game.m_keys, (std::vector<UINT>{VK_SHIFT}));
  EXPECT_EQ(game.m_nClicks, 0);
  // DispatchOneMessage: anything goes through.
  PostMouseDown();
  EXPECT_TRUE(game.DispatchOneMessage());
  EXPECT_EQ(game.m_nClicks, 1);
  // DiscardQueueKeepEscape: the queue empties, an Escape in it is remembered.
  PostMouseDown();
  host.PostKey(WM_KEYDOWN, VK_ESCAPE);
  host.PostKey(WM_KEYDOWN, VK_SHIFT);
  game.Turn().BeginLoop();
  host.PostMessage(host.FrameWindow(), WM_COMMAND, ID_OPTIONS_SOUND);
  host.PostActivate(false);
  game.DiscardQueueKeepEscape();
  // A command chosen meanwhile and the window's news stay; the playfield's input goes.
  EXPECT_EQ(host.QueuedCount(), 2u);
  const bool sound = app.Doc().m_bSound;
  EXPECT_TRUE(game.PumpMessages());
  EXPECT_EQ(host.QueuedCount(), 0u);
  EXPECT_NE(app.Doc().m_bSound, sound) << "the command was carried out";
  EXPECT_TRUE(game.Turn().ConsumeEscape());
  EXPECT_FALSE(game.Turn().ConsumeEscape());
  // PostComputerTurn: the view calls back once the handler is done.
  game.PostComputerTurn();
  EXPECT_EQ(game.m_nComputerTurns, 0);
  app.Pump();
  EXPECT_EQ(game.m_nComputerTurns, 1);
}

TEST_F(ToolkitGame, RestartGameAndMessageBoxes) {
  CToolkitGame* first = &Game();
  const int built = CToolkitGame::s_nBuilt;
  app.answers = {IDNO};
  EXPECT_EQ(first->MessageBox("Again?", "Toolkit", MB_YESNO), IDNO);
  EXPECT_EQ(app.boxes, (std::vector<std::string>{"Again?"}));
  EXPECT_EQ(first->MessageBox("Done."), IDOK) << "an unanswered box takes its default button";

  app.GetHost().SetCapture(app.GetHost().ViewWindow());
  first->Turn().m_bDragging = TRUE;
  first->RestartGame();
  EXPECT_FALSE(first->IsCurrentGame());
  EXPECT_FALSE(first->PumpOneMessage()) << "a replaced game's loop is told to stop";
  app.Pump();
  ASSERT_NE(app.GameAs<CToolkitGame>(), nullptr);
  EXPECT_EQ(CToolkitGame::s_nBuilt, built + 1) << "a fresh game replaced it";
  EXPECT_EQ(app.GetHost().GetCapture(), HWND_NONE);
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
}

}  // namespace
