// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records every game as it is played and plays a recording back. A game is
// recorded from its start: the seats (and, for a game taken up again, its
// state), the random generator and the clock, which is pinned to count play
// time from there, then each mouse and key message the playfield takes,
// with its play tick and its place among the game's messages (timer ticks
// and its own posted messages included). Playing back starts the same game
// the same way and posts each message when the game stands where it stood,
// so the game ends exactly as recorded, in a window as on virtual time (play
// time steps: see PlayClock); the player's own input on the playfield is
// ignored meanwhile, and Escape stops the replay, leaving the game where it
// is, to play on.
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
  // Every message about to be dispatched (`inGameLoop`: a game's own loop
  // took it): the playfield's input is recorded, the game's messages counted.
  void OnDispatch(const MSG& msg, bool inGameLoop);
  // The main loop is idle: a replay that has run its course ends here.
  void Idle();

  // Writes the game on screen as a replay; an empty string, or why not.
  // `withinCommand`: called while a menu command is handled.
  std::string Save(const std::filesystem::path& file, bool withinCommand = false);
  // Plays a replay file in the window; false (after telling why) when it cannot.
  bool Open(const std::filesystem::path& file);
  bool Playing() const { return m_playing; }
  // Where Game > Save Replay puts its files and Open Replay finds them.
  std::filesystem::path Folder() const;

  // InputSource
  void PostDue(Host& host, DWORD playNow) override;
  std::optional<DWORD> NextDue() const override;
  bool LetUserInput(const MSG& msg) override;

 private:
  void Stop(const std::string& why);
  bool IsPlayfieldInput(const MSG& msg) const;
  // Where the game stands now.
  ReplayMark Here(bool inGameLoop);
  // The recording's next mark (a message's, or its end's), if any is left.
  const ReplayMark* NextMark() const;
  // The game stands where `mark` was made, but perhaps short of its tick.
  bool AtPlace(const ReplayMark& mark) const;

  CQuintaroApp& m_app;
  Replay m_replay;             // what is recorded, or played
  bool m_recording = false;    // a game on screen is being recorded
  bool m_playing = false;
  bool m_startPending = false;  // a replay's game is about to start
  DWORD m_t0 = 0;              // the play tick the game began at
  std::uint32_t m_handled = 0;  // the game's messages handled since it began
  std::size_t m_next = 0;      // the next event to post while playing
  bool m_endPosted = false;    // the recording's end has come
  bool m_endedAsRecorded = false;
};
