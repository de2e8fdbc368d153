// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's side of an online room. The seat whose turn it is plays on
// its own machine: its playfield input is recorded (tick, message) and
// streamed to the others, and when its turn ends the machine sends the
// game's record. The other machines play the streamed input into their own
// game at the recorded ticks, as a replay plays, so they show the same
// motion; then they take up the record (and note any drift in their own
// outcome). Meanwhile their own playfield input does not reach the game.
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/online/online_rink.h"
#include "app/online/online_session.h"
#include "app/online/turn_input.h"
#include "game/state_record.h"
#include "platform/input_source.h"

class CQuintaroApp;

class OnlineDesk final : public OnlineEvents, public InputSource {
 public:
  OnlineDesk(CQuintaroApp& app, NetTransportFactory factory);
  ~OnlineDesk() override;

  bool Available() const { return static_cast<bool>(m_factory); }
  // Opens a room for the game on screen (its game, seats and computer seats).
  // False, with the reason in LastMessage(), when that cannot be.
  bool CreateRoom(const std::string& typedAddress, const std::string& name);
  bool Join(const std::string& typedAddress, const std::string& code, const std::string& name);
  // The creator starts the game with the room's seats (false while seats are empty).
  bool Start();
  // The creator gives an away member's seat to a computer.
  void HandOver(int seat);
  void Leave();
  // The kept seat of the last room, if any: rejoined at start-up.
  bool RejoinKept();

  // True when a seat is kept from a room this program was in.
  bool KeepsSeat() const;

  // From the main loop.
  void OnDispatch(const MSG& msg);
  // True when `msg` must wait: the table has gone on to a computer's turn
  // before the room's turn under way has ended here. It is posted again
  // once that turn is taken up.
  bool HoldsBack(const MSG& msg);
  void Idle();

  const OnlineSession* Session() const { return m_session.get(); }
  bool InRoom() const { return m_session && m_session->Active(); }
  bool Playing() const { return m_playing; }
  // The creator's start has come and waits for the main loop.
  bool StartArrived() const { return m_pendingStart.has_value(); }
  // "Reconnecting...", "Waiting for Ann", or empty.
  const std::string& ConnectionStatus() const { return m_status; }
  int TurnSeat() const { return m_turnSeat; }
  int TurnsTaken() const { return m_turnsTaken; }
  // Input of the other machine's turn has come and is still being played here.
  bool PlayingInput() const { return !m_inbox.empty() || m_taken < m_posted; }
  int Drifts() const { return m_drifts; }
  // True when `seat` is played on this machine (its member, or the creator's computer).
  bool SeatIsLocal(int seat) const;
  // The last thing the online game told the player (an end, a refusal).
  const std::string& LastMessage() const { return m_lastMessage; }
  // The room's game runs in real time on the creator's machine (Air Hockey).
  bool RinkRoom() const { return m_session && OnlineRink::IsRinkGame(m_session->Room().game); }
  const OnlineRink& Rink() const { return m_rink; }

  // OnlineEvents
  void OnJoined() override;
  void OnRoomChanged() override;
  void OnGameMessage(const NetMessage& message) override;
  void OnEnded(const std::string& why) override;
  void OnRefused(const std::string& reason, const std::string& text) override;

  // InputSource
  void PostDue(::Host& host, DWORD playNow) override;
  std::optional<DWORD> NextDue() const override;
  std::optional<DWORD> PollDue() const override;
  bool LetUserInput(const MSG& msg) override;

 private:
  bool IsPlayfieldInput(const MSG& msg) const;
  void Begin(const std::string& typedAddress);
  void BeginFromStart(const NetMessage& message);
  void QueueInput(const NetMessage& message);
  void DrainInput();
  bool PlaybackDone() const;
  void TakeInput(const NetMessage& message);
  void BeginTurn(int seat);
  void FlushInput(bool force);
  void CheckTurnEnded();
  void AdoptTurn();
  void ShowWhoPlays();
  void Tell(const std::string& text);
  void TellEnd();
  // What arrived waits for the main loop: a message makes sure it comes round.
  void WakeMainLoop();
  void NoteDrift();
  void TakeUpKeptGame();
  void ReplayTurnFromStart();
  void TakeOverHandedSeats();
  void ForgetSeat();
  void RinkIdle();
  // Looks at the connection, at most once every few milliseconds of real time.
  void PollSession(DWORD realNow, bool always = false);
  // A member came back: the first member still here sends it the room's game.
  void SendRoomGame(int seat);
  void TakeUpRoomGame(const NetMessage& sync);
  // Back in the seat after a restart: the room's game from the others, or the kept one.
  void TakeUpGameOnReturn();
  void SeatsAsInRoom(StateRecord& record) const;

  CQuintaroApp& m_app;
  NetTransportFactory m_factory;
  std::unique_ptr<OnlineSession> m_session;
  std::string m_lastMessage;
  bool m_playing = false;  // the room's game is on this machine's table
  int m_turnSeat = 0;      // the seat whose turn it is, as the room knows it
  DWORD m_turnT0 = 0;      // the play tick this machine's turn began
  int m_turnsTaken = 0;
  int m_drifts = 0;
  // The mover's side: input not yet sent, and when it was last sent.
  std::vector<TurnInputEvent> m_outbox;
  DWORD m_sentAt = 0;
  // The watchers' side: the turn's input still to be posted, the play tick
  // its tick 0 falls on, and the turn's record once it has come.
  std::deque<NetMessage> m_inputQueue;
  std::deque<TurnInputEvent> m_inbox;
  std::optional<DWORD> m_inputBase;
  std::size_t m_posted = 0;
  std::size_t m_taken = 0;
  DWORD m_postedAt = 0;  // the play tick input was last posted
  std::optional<NetMessage> m_pendingTurn;
  // What arrived between messages and waits for the main loop.
  std::optional<NetMessage> m_pendingStart;
  bool m_endPending = false;
  bool m_roomChanged = false;
  bool m_rejoining = false;     // joining with a kept token
  bool m_resumeOnJoin = false;  // rejoined with no game on the table: take up the kept one
  // Rejoined while others are here: the room's game comes from one of them
  // (the kept game only when none comes by the deadline, real time).
  bool m_awaitingRoomGame = false;
  DWORD m_roomGameDeadline = 0;
  std::optional<NetMessage> m_pendingSync;
  bool m_computerTurnHeld = false;
  std::optional<DWORD> m_polledAt;  // real time of the last look at the connection
  bool m_wasInProgress = false;
  // The game as the turn under way began, to play it again from there when
  // its mover comes back after being lost mid-turn.
  std::optional<StateRecord> m_turnStart;
  std::uint32_t m_turnSeed = 0;
  std::int64_t m_turnWall = 0;  // the wall clock as the turn began
  bool m_replayTurn = false;
  std::string m_status;  // what the status line says about the connection, if anything
  OnlineRink m_rink{m_app};
};
