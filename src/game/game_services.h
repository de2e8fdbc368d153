// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a game may ask of the program around it, in one narrow
// interface: the seats and whose turn it is, whether a game is under way,
// the scene and its redraw, timers, the status line, message boxes and
// dialogs, and the turn state it shares with the playfield window. The
// application implements it; a game sees no document, view or frame, so a
// game and everything under src/game/ link without the application.
#include <string>

#include "game/player.h"
#include "platform/messages.h"
#include "platform/rect.h"
#include "platform/types.h"

class CDialog;
class CGame;
class CPalette;
class CSpriteList;
class Host;
struct CTurnState;

class GameServices {
 public:
  virtual ~GameServices() = default;

  // --- Seats and scores ---------------------------------------------------
  virtual CObArray& Players() = 0;
  // The index of the last seat in play (seats 0..LastSeat() play).
  virtual int LastSeat() const = 0;
  virtual int CurrentSeat() const = 0;
  virtual CPlayer* CurrentPlayer() const = 0;
  // Makes `nSeat` the seat to play (the index and the player together).
  virtual void SetCurrentSeat(int nSeat) = 0;
  // The seat of the player with id `nId`, or -1.
  virtual int FindPlayer(int nId) const = 0;

  // --- The game under way -------------------------------------------------
  // True while `game` is the one on the table; anything a game's own loop
  // dispatches may replace it.
  virtual bool IsCurrentGame(const CGame& game) const = 0;
  virtual bool GameInProgress() const = 0;
  virtual void SetGameInProgress(bool bInProgress) = 0;
  // No game is under way any more and the final board stays up.
  virtual void MarkGameEnded() = 0;
  // A computer holds the first turn and the player's click that starts it
  // has not come yet (set again for every new game).
  virtual bool AwaitingComputerClick() const = 0;
  virtual void SetAwaitingComputerClick(bool bAwaiting) = 0;
  // The screen the game is on, and the variant it was started with.
  virtual int Screen() const = 0;
  virtual int Variant() const = 0;
  // Remembers a Type Of Game choice and starts the game on screen afresh
  // with it. The calling game is destroyed once control is back in the main
  // loop: it must touch nothing of itself afterwards.
  virtual void RestartWithVariant(int nVariant) = 0;
  // Starts the same game afresh (same caveat).
  virtual void Restart() = 0;
  // The player's Sound switch.
  virtual bool SoundOn() const = 0;
  // False for a seat played on another machine (an online room): this
  // machine's Wall Of Fame and statistics keep its own players only.
  virtual bool SeatPlayedHere(int /*nSeat*/) const { return true; }

  // --- The scene and its redraw -------------------------------------------
  virtual CSpriteList& Sprites() = 0;
  // The display shows more than 256 colours: sprites keep their own colours.
  virtual bool IsTrueColor() const = 0;
  // The playfield's palette, or null before one is built.
  virtual const CPalette* Palette() const = 0;
  // Composes and shows every pending dirty rectangle.
  virtual void FlushDirtyRects() = 0;
  virtual void AddDirtyRect(const CRect& rect) = 0;
  // Composes a rectangle (null: the whole playfield) into the frame, and
  // copies one (null: the whole playfield) to the window.
  virtual void RenderRect(const CRect* pRect) = 0;
  virtual void BlitRect(const CRect* pRect) = 0;

  // --- Timers, the clock and input ----------------------------------------
  virtual BOOL StartTimer(UINT nID, UINT nMs) = 0;
  virtual BOOL StopTimer(UINT nID) = 0;
  virtual Host& GetHost() = 0;
  // Drag, held sprite, computer playing and Escape, shared with the window.
  virtual CTurnState& Turn() = 0;
  // Hands a message a game's own loop took off the queue to the program.
  virtual void DispatchOne(const MSG& msg) = 0;

  // --- Words to the player ------------------------------------------------
  virtual void SetStatusText(const std::string& text) = 0;
  virtual std::string StatusText() const = 0;
  virtual int MessageBox(const std::string& text, const std::string& caption, UINT nType) = 0;
  virtual int DoModal(CDialog& dialog) = 0;
};
