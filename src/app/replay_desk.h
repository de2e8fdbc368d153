// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records every game as it is played and plays a recording back. A game is
// recorded from its start: the seats (and, for a game taken up again, its
// state), the random generator and the clock, which is pinned to count play
// time from there, then each mouse and key message the playfield takes,
// with its play tick. Playing back starts the same game the same way and
// posts each message as its tick falls due, so the game ends exactly as
// recorded; the player's own input on the playfield is ignored meanwhile,
// and Escape stops the replay, leaving the game where it is, to play on.
#include <filesystem>
#include <optional>
#include <string>

#include "app/replay_file.h"
#include "platform/input_source.h"
#include "platform/messages.h"

class CQuintaroApp;

class ReplayDesk : public InputSource {
 public:
  explicit ReplayDesk(CQuintaroApp& app) : m_app(app) {}

  // A game's scene is being built, its game object not yet made.
  void OnGameStart();
  // The game just started was taken up from `record` (it holds the game's state).
  void OnGameResumed(const StateRecord& record);
  // Every message about to be dispatched: the playfield's input is recorded.
  void OnDispatch(const MSG& msg);
  // The main loop is idle: a replay that has run its course ends here.
  void Idle();

  // Writes the game on screen as a replay; an empty string, or why not.
  std::string Save(const std::filesystem::path& file);
  // Plays a replay file in the window; false (after telling why) when it cannot.
  bool Open(const std::filesystem::path& file);
  bool Playing() const { return m_playing; }
  // Where Game > Save Replay puts its files and Open Replay finds them.
  std::filesystem::path Folder() const;

  // InputSource
  void PostDue(Host& host, DWORD playNow) override;
  std::optional<DWORD> NextDue() const override;
  bool LetUserInput(const MSG& msg) override;
  DWORD ClampPlayTime(DWORD playNow) const override;

 private:
  void Stop(const std::string& why);
  bool IsPlayfieldInput(const MSG& msg) const;

  CQuintaroApp& m_app;
  Replay m_replay;             // what is recorded, or played
  bool m_recording = false;    // a game on screen is being recorded
  bool m_playing = false;
  bool m_startPending = false;  // a replay's game is about to start
  DWORD m_t0 = 0;              // the play tick the game began at
  std::size_t m_next = 0;      // the next event to post while playing
  std::size_t m_taken = 0;     // events the program has taken while playing
  bool m_endPosted = false;    // the recording's end has come
  bool m_endedAsRecorded = false;
};
