// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The abstract game every game derives from: the operations the document and
// the view drive it through, and the small toolkit every game shares.
#include <memory>
#include <string>
#include <vector>

#include "game/computer_skill.h"
#include "game/game_context.h"
#include "game/game_services.h"
#include "game/player.h"
#include "game/turn_state.h"
#include "platform/rect.h"
#include "platform/types.h"

class CSprite;
class CSpriteList;
class CDXSound;
class CDialog;
class Host;
class StateRecord;
class StateReader;

// The status line's question before the first computer turn of a game.
inline constexpr const char* kComputerClickPrompt = "Click mouse to start computer player!";

class CGame {
 public:
  explicit CGame(const GameContext& context);
  virtual ~CGame();
  CGame(const CGame&) = delete;
  CGame& operator=(const CGame&) = delete;

  // Creates the playfield sprites.
  virtual BOOL InitGame(CSpriteList* /*pSprites*/) { return TRUE; }
  // Prepares the playfield for the next turn; returns the index of the player to play.
  virtual int NextPlayer(CSpriteList* pSprites, int nCurrent, CObArray* pPlayers, int nLastPlayer,
                         BOOL bMapPalette) = 0;
  virtual void UpdateScoreboard(CObArray* /*pPlayers*/, BOOL /*bNewGame*/, int /*nCurrent*/) {}
  virtual void OnLButtonDown(UINT /*nFlags*/, int /*x*/, int /*y*/) {}
  virtual void OnLButtonUp(UINT /*nFlags*/, int /*x*/, int /*y*/) {}
  virtual void OnRButtonDown(UINT /*nFlags*/, int /*x*/, int /*y*/) {}
  virtual void OnRButtonUp(UINT /*nFlags*/, int /*x*/, int /*y*/) {}
  virtual void OnMouseMove(UINT /*nFlags*/, int /*x*/, int /*y*/) {}
  virtual void PlayComputerTurn() {}
  virtual void OnGameControls() {}
  virtual void OnTypeOfGame() {}
  virtual void OnTimer(UINT /*nIDEvent*/) {}
  virtual void OnKeyDown(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) {}
  virtual void OnKeyUp(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) {}
  // Edit > Undo: whether there is something to take back, and taking it back.
  virtual bool CanUndo() const { return false; }
  virtual void OnUndo() {}
  // Kills the game's timers and stops its activity; must not touch sprites.
  virtual void StopGame() {}
  virtual void StartGame() {}
  // The window lost the focus or was minimised (TRUE), or is back (FALSE).
  virtual void OnWindowAway(BOOL /*bAway*/) {}
  // The game's own part of its state where the last finished shot, throw or
  // turn left it (the shell keeps the seats and scores). False while that is
  // not a point play can resume from (a roll under way, the final board up).
  virtual bool SaveState(StateRecord& /*record*/) const { return false; }
  // Puts the game where a saved record left it, the seats already restored;
  // false (with the reader's error) when the record does not fit this game.
  virtual bool LoadState(StateReader& /*reader*/) { return false; }
  // What the headless driver's state dump shows of this game (a JSON object).
  virtual std::string StateJson() const { return "{}"; }

  // Switches the game's sound set on or off (the document's Sound command).
  void EnableSound(BOOL bSound);

  // --- Toolkit ---------------------------------------------------------
  void AddToScore(int nPlayerId, int nPoints);
  CSpriteList* GetSpriteList();
  void FlushDirty();
  void ResetScores();
  int SetCurrentPlayer(int nPlayerId);
  BOOL AdvancePlayer();
  BOOL IsComputerTurn();
  CPlayer* GetCurrentPlayer() const;
  void SetGameInProgress(BOOL b);
  BOOL IsGameInProgress() const;
  // Sets the status line's text and shows it at once.
  void SetStatusText(int nPane, const std::string& text);
  // True while the status line still asks for the click that starts the
  // first computer turn (a seat may have changed hands since it was shown).
  bool ClickPromptShowing() const;
  BOOL StartTimer(UINT nID, UINT nMs);
  BOOL StopTimer(UINT nID);
  // rand() % n, after reseeding from the clock's seconds when asked.
  int Random(int n, BOOL bReseed);
  static double Distance(const POINT* a, const POINT* b);
  static float Slope(const POINT* a, const POINT* b);

  // The program around the game: everything the game may ask of it.
  GameServices& Services() const { return m_services; }
  Host& GetHost() const;
  // The turn state shared with the view (drag, held sprite, computer, Escape).
  CTurnState& Turn() const;

  // --- The games' own loops (a shot, a roll, a flight, a computer turn) ----
  // True while this game is the document's current game. Anything a loop
  // dispatches may replace the game; the loop must then return at once.
  bool IsCurrentGame() const;
  // Takes one queued message and dispatches it only if it is a key press, a
  // paint, or for the window: the menu bar, the tool bar and the menu keys, a
  // menu or tool-bar command, a close request, the window going away or back.
  // Other input (the playfield's) is dropped; a quit request goes back to the
  // main loop. Returns IsCurrentGame().
  bool PumpOneMessage();
  // PumpOneMessage for every message queued by now; stops as soon as this
  // game is no longer the current one. Returns IsCurrentGame().
  bool PumpMessages();
  // Takes one queued message of any kind and dispatches it. Returns IsCurrentGame().
  bool DispatchOneMessage();
  // DispatchOneMessage for every message queued by now, so a menu command
  // chosen meanwhile is carried out at once; stops as soon as this game is
  // no longer the current one. Returns IsCurrentGame().
  bool DispatchMessages();
  // Drops the playfield's queued input (the end of a roll); an Escape press is
  // noted, and what is for the window (menus, tool bar, commands) stays queued.
  void DiscardQueueKeepEscape();
  // True when Escape was pressed during the computer turn so far, including
  // a press still waiting in the queue behind other input (taken off then).
  bool EscapePressedDuringTurn();
  // Asks the view to call PlayComputerTurn once the handler has returned.
  void PostComputerTurn();
  // Starts the same game afresh through the document. This game is destroyed
  // once control is back in the main loop: touch nothing of it afterwards.
  void RestartGame();
  // A seat's win in words: the game's own words for a person, "Name wins"
  // for a computer seat (the user did not win it).
  static std::string WinText(const CPlayer& winner, const std::string& humanText);
  // The line under a final board: the result, and how the next game starts.
  void ShowResultLine(const std::string& result);
  // The game on screen has ended, whoever ended it: no game is under way, so
  // leaving asks nothing until the next one starts. Every game's end calls it.
  void MarkGameEnded();
  // A message box over the window; an empty caption shows the program's title.
  int MessageBox(const std::string& text, const std::string& caption = "", UINT nType = 0);
  // A computer-turn message is for a computer seat whose turn has begun. A
  // stale one (the seat became a human, the first click is still awaited) is
  // refused with false; otherwise the computer takes over from any drag, and
  // Escape counts only from now on.
  bool TakeComputerTurn();
  // The level the seat to play plays at when the computer plays it.
  skill::ComputerSkill GetComputerSkill() const;
  // The level a seat plays at: its own from the Players dialog, else the game's.
  skill::ComputerSkill SeatSkill(const CPlayer* pPlayer) const;
  // Adds a finished game to each active seat's statistics: its result is the
  // seat's score (or `results[seat]` when given, in tenths when
  // `resultsInTenths`), and `winnerSeat` (-1 for nobody) won.
  void RecordStatistics(int winnerSeat, const std::vector<int>* results = nullptr, bool resultsInTenths = false);
  // The seats as the Wall Of Fame sees them: a seat played on another machine sits out.
  CObArray SeatsPlayedHere(const CObArray& players) const;
  // The player's seat in the document, or -1.
  int SeatIndexOf(const CPlayer* pPlayer) const;
  // Tells the status line that a computer seat starts, and at what level.
  void ShowComputerSkill();
  void ShowComputerSkill(skill::ComputerSkill level);
  // The cursor of a held piece: over its zone the ready or the throwing
  // cursor; elsewhere, once nothing is dragged, the arrow replaces either, as
  // the system restores a window's class cursor on every move.
  void ShowHoldCursor(bool bOverZone, int nReadyCursor, int nThrowingCursor);
  // Runs a dialog modally; returns the closing button's id.
  int DoModal(CDialog& dialog);
  // Plays a wave of the game's sound set, if it has one.
  void PlaySound(UINT nWaveId);
  // Silences every play of one sound (a roll that has reached the pins).
  void StopSound(UINT nWaveId);

  std::unique_ptr<CDXSound> m_pSound;
  BOOL m_bSound = TRUE;

 protected:
  // Evaluates a finished shot, throw or roll and updates the player's score.
  virtual int ScoreShot(CPlayer* /*pPlayer*/) { return 0; }
  // 1: this player has won; 0: play on; -1: the turn is void.
  virtual int CheckWinner(CPlayer* /*pPlayer*/) { return 0; }
  virtual void AnimateShot(CSpriteList* /*pSprites*/) {}
  virtual void LoadSounds() {}

  // --- Liveness -----------------------------------------------------------
  // The one test a game's own loop makes after anything it dispatched: this
  // game is still the one on the table and its scene still holds the sprite
  // SceneKey() names (a game replaced or restarted meanwhile fails it, and the
  // loop must return at once, touching nothing of the game).
  bool SceneIsOurs() const;
  // The sprite whose presence says the scene is this game's (null: none yet).
  virtual const CSprite* SceneKey() const { return nullptr; }

  // --- The click that starts a computer holding the first turn -------------
  // A computer seat is to play and the player's click that starts it has not
  // come yet: the status line asks for it.
  bool AwaitingComputerClick() const;
  // The player's click: when a computer waits for it, the game is under way
  // (unless `bMarkInProgress` is false), the computer's turn is posted and
  // true is returned; otherwise nothing happens.
  bool StartComputerOnClick(bool bMarkInProgress = true);
  // A computer taking over from the user starts at once, so nothing asks for
  // a click any more.
  void ComputerTakesOver();

  // Shorthands for what games ask most.
  CObArray& Players() const;
  int CurrentSeat() const;
  int LastSeat() const;
  CSpriteList& Sprites() const;
  bool IsTrueColor() const;

 private:
  GameServices& m_services;
};
