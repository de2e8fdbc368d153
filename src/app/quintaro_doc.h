// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document: the state of the table. It knows which screen is shown, owns
// the current game, the four seats, the sprites and the playfield picture,
// and carries out the Game, Options and View menu commands.
#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "res/game_screens.h"
#include "game/game_table.h"
#include "game/player.h"
#include "game/wall_of_fame.h"
#include "gfx/sprite_list.h"
#include "platform/types.h"

class CDIB;
class CGame;
class CQuintaroView;
class CQuintaroApp;
class CCmdUI;
class CGameShell;
class GameServices;


// Update hints sent to the view.
inline constexpr LPARAM kHintBackground = 0;
inline constexpr LPARAM kHintSprites = 2;

class CQuintaroDoc {
 public:
  explicit CQuintaroDoc(CQuintaroApp& app);
  ~CQuintaroDoc();
  CQuintaroDoc(const CQuintaroDoc&) = delete;
  CQuintaroDoc& operator=(const CQuintaroDoc&) = delete;

  void SetView(CQuintaroView* pView) { m_pView = pView; }
  CQuintaroView* GetView() { return m_pView; }
  CQuintaroApp& App() { return m_app; }
  // What the document's games are handed: the shell's side of the game seam.
  GameServices& Services();

  // Builds the screen that m_nGameType names; the old game is stopped and retired.
  BOOL OnNewDocument();
  void DeleteContents();
  void RefreshScores(BOOL bNewGame);
  void StopCurrentGame();
  BOOL ChangeBackground(std::unique_ptr<CDIB> pDIB);
  void ResetTurnState();
  int FindPlayer(int nId) const;
  void CreatePlayers();
  void DeletePlayers();
  void LoadHallOfFame();
  void DrawHallOfFame();
  void UpdateAllViews(LPARAM lHint);
  // The games this document can show (tests may hand it their own).
  std::span<const GameInfo> Games() const { return m_games; }
  void SetGames(std::span<const GameInfo> games) { m_games = games; }
  // The row of the current screen's game, or null on the title and Hall of Fame screens.
  const GameInfo* CurrentGameInfo() const { return FindGame(m_games, m_nGameType); }
  bool IsGameScreen(int nScreen) const { return FindGame(m_games, nScreen) != nullptr; }
  // Remembers the variant a game's Type Of Game chose; it is used from its next start.
  void SetVariant(int nScreen, int nVariant);

  // True when the game on screen may end: no game is under way, or the
  // player said Yes to quitting it.
  bool MayLeaveGame();
  // Menu and tool-bar commands; false when the command is not the document's.
  bool OnCommand(UINT nId);
  // Enabling and check marks of the document's commands; false when not ours.
  bool OnUpdateCommand(CCmdUI& cmdUI);
  // The window lost the focus or was minimised (true), or is back (false):
  // a real-time game stands still meanwhile, and the game hears of it.
  void OnWindowAway(bool bAway);
  // Destroys games that ended themselves, once no member of theirs is running.
  void ReapRetiredGames();
  // The state dump of the headless driver (one line of JSON).
  std::string StateJson() const;

  std::unique_ptr<CDIB> m_pBackground;
  // A game is under way: leaving it asks first. Cleared when a game ends.
  BOOL m_bGameInProgress = FALSE;
  // A game on this screen has ended and its final board is still up: nobody
  // has started the next one yet.
  bool m_bGameEnded = false;
  int m_nGameType = kScreenTitle;
  CObArray m_players;
  CSpriteList m_sprites;
  int m_nLastPlayer = 0;
  int m_nCurrentPlayer = 0;
  BOOL m_bBackgroundChanged = TRUE;
  BOOL m_bTrueColor = FALSE;
  CPlayer* m_pCurrentPlayer = nullptr;
  BOOL m_bSound = TRUE;
  BOOL m_bFirstComputerTurn = TRUE;
  int m_nGameVariant = 0;  // the current game's variant
  std::array<int, kScreenCount> m_variants{};  // each game's last Type Of Game choice
  std::unique_ptr<CGame> m_pGame;
  std::array<FameEntry, 2 * kFameEntries> m_hallOfFame;

  // Saves the sound switch (at once when it changes, and again as the program ends).
  void StoreSound();

 private:
  bool AskQuitGame();
  void OnNumberOfPlayers();
  void OnSound();
  void StartScreen(int nGameType);
  UINT BackgroundFor(int nGameType) const;
  void RetireGame();
  void EndTurnState();
  // Play is held while the window is away from a real-time game.
  void HoldPlayWhileAway();

  CQuintaroApp& m_app;
  std::unique_ptr<CGameShell> m_pShell;
  CQuintaroView* m_pView = nullptr;
  std::vector<std::unique_ptr<CGame>> m_retiredGames;
  bool m_bWindowAway = false;
  std::span<const GameInfo> m_games = GameTable();
};
