// SPDX-License-Identifier: GPL-3.0-or-later
// Turns online: the mover's input streamed as it is played, the turn's end
// sent with the game's record, and the watchers playing the input into
// their own game and then taking up the record.
#include "app/online/online_desk.h"

#include <utility>

#include "app/online/online_seats.h"
#include "app/online/turn_input.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/resume_record.h"
#include "game/game_services.h"
#include "platform/host.h"
#include "platform/i18n.h"

namespace {

// How often the mover's input goes out while a turn is under way.
constexpr DWORD kSendEveryMs = 50;
// The watchers play the input this long after it first arrives, so input
// that trickles in keeps its own rhythm.
constexpr DWORD kPlaybackDelayMs = 120;
// While in a room the main loop looks at the connection this often, and
// a game's loop, peeking at its messages, at most this often.
constexpr DWORD kPollEveryMs = 20;
constexpr DWORD kPollGapMs = 4;
// A message a game's loop dropped is not waited for longer than this.
constexpr DWORD kPlaybackGraceMs = 1000;
// Input held back until the turn before it is taken up; more than this is a
// flood (a turn's end is always kept: its record puts the table right).
constexpr std::size_t kMaxQueuedInput = 2000;

int Number(const NetMessage& message, std::string_view key, int fallback) {
  const std::string text = message.Get(key);
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  return text.empty() || *end != '\0' ? fallback : static_cast<int>(value);
}

std::uint32_t Unsigned(const NetMessage& message, std::string_view key) {
  return static_cast<std::uint32_t>(std::strtoul(message.Get(key, "0").c_str(), nullptr, 10));
}

}  // namespace

bool OnlineDesk::IsPlayfieldInput(const MSG& msg) const {
  return IsTurnInputMessage(msg.message) && msg.hwnd == m_app.GetHost().ViewWindow();
}

void OnlineDesk::WakeMainLoop() {
  ::Host& host = m_app.GetHost();
  host.PostMessage(host.ViewWindow(), WM_NULL);
}

void OnlineDesk::OnGameMessage(const NetMessage& message) {
  WakeMainLoop();
  // A real-time game's aims and news are kept for the main loop too.
  if (m_playing && RinkRoom() && m_rink.Take(message)) return;
  // Whatever changes the table waits for the main loop; input only queues.
  if (message.type == "start") m_pendingStart = message;
  else if (message.type == "input" || message.type == "turn") QueueInput(message);
  else if (message.type == "sync" && (m_resumeOnJoin || m_awaitingRoomGame)) m_pendingSync = message;
  if (message.type == "back") SendRoomGame(Number(message, "seat", -1));
  if (message.type == "back" && Number(message, "seat", -1) == m_turnSeat && m_playing && !SeatIsLocal(m_turnSeat) &&
      !RinkRoom()) {
    // What the lost mover sent of its turn is void: it plays the turn again.
    m_replayTurn = true;
    m_inputQueue.clear();
  }
}

void OnlineDesk::QueueInput(const NetMessage& message) {
  if (m_inputQueue.size() < kMaxQueuedInput || message.type == "turn") m_inputQueue.push_back(message);
  DrainInput();
}

void OnlineDesk::DrainInput() {
  // Input and turns are taken in the order they came; input of a turn may
  // come before the main loop has taken up the start or the turn before it.
  while (!m_inputQueue.empty() && m_playing && !m_pendingTurn && !m_pendingStart && !m_replayTurn) {
    NetMessage next = std::move(m_inputQueue.front());
    m_inputQueue.pop_front();
    // A turn's end waits for its input to be played; what follows waits for it.
    if (next.type == "turn") m_pendingTurn = std::move(next);
    else TakeInput(next);
  }
}

void OnlineDesk::OnDispatch(const MSG& msg) {
  // In real time each machine's player moves its own mallet on its own machine.
  if (!m_playing || !IsPlayfieldInput(msg) || RinkRoom()) return;
  if (!SeatIsLocal(m_turnSeat)) {
    ++m_taken;  // the watcher's playfield takes only the mover's input
    return;
  }
  // In a computer seat's turn too: every machine plays the computer, and the
  // creator's click that lets it start must reach them.
  m_outbox.push_back({m_app.GetHost().GetTickCount() - m_turnT0, msg.message, msg.wParam, msg.lParam});
  // A release may start a shot that runs in the game's own loop, away from
  // the main loop's sending: it goes out now, so the others see the shot as
  // it is played here rather than once it has ended.
  if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP) FlushInput(true);
}

void OnlineDesk::BeginFromStart(const NetMessage& message) {
  std::string error;
  auto record = StateRecord::Read(message.body, error);
  ::Host& host = m_app.GetHost();
  if (record) {
    SeatsAsInRoom(*record);
    host.Random().Seed(Unsigned(message, "seed"));
    host.PinWallClock(std::strtoll(message.Get("wall", "0").c_str(), nullptr, 10));
  }
  if (!record || !RestoreGame(m_app.Doc(), *record, error, false)) {
    host.Report("online start refused: " + error);
    return;
  }
  m_playing = true;
  m_turnsTaken = 0;
  BeginTurn(Number(message, "turn", 0));
}

void OnlineDesk::BeginTurn(int seat) {
  m_turnSeat = seat;
  m_turnT0 = m_app.GetHost().GetTickCount();
  m_outbox.clear();
  m_inbox.clear();
  m_inputBase.reset();
  m_posted = m_taken = 0;
  m_wasInProgress = m_app.Doc().m_bGameInProgress;
  m_turnStart = CaptureGame(m_app.Doc());
  DrainInput();
  m_turnSeed = m_app.GetHost().Random().State();
  m_turnWall = m_app.GetHost().Time();
  // A program lost mid-turn starts the turn again from the same numbers.
  m_app.GetHost().Settings().WriteProfileString("Online", "TurnSeed", std::to_string(m_turnSeed));
  // A computer's turn the table went on to early starts now that the room is there too.
  if (std::exchange(m_computerTurnHeld, false) && seat == m_app.Doc().m_nCurrentPlayer)
    m_app.GetHost().PostMessage(m_app.GetHost().ViewWindow(), WM_COMPUTER_TURN);
  ShowWhoPlays();
}

void OnlineDesk::ReplayTurnFromStart() {
  // The mover was lost mid-turn and plays the turn again from its start.
  std::string error;
  if (m_turnStart && !RestoreGame(m_app.Doc(), *m_turnStart, error, true))
    m_app.GetHost().Report("online turn cannot be played again: " + error);
  m_app.GetHost().Random().Seed(m_turnSeed);
  m_app.GetHost().PinWallClock(m_turnWall);
  BeginTurn(m_turnSeat);
}

void OnlineDesk::TakeInput(const NetMessage& message) {
  if (!m_playing || Number(message, "seat", -1) != m_turnSeat || SeatIsLocal(m_turnSeat)) return;
  std::string error;
  const auto events = ReadTurnInput(message.body, error);
  if (!events) return m_app.GetHost().Report("online input refused: " + error);
  const DWORD now = m_app.GetHost().GetTickCount();
  for (const TurnInputEvent& e : *events) {
    if (!m_inputBase) m_inputBase = now + kPlaybackDelayMs - e.tick;
    // Input that comes late moves the rest back with it, keeping its rhythm.
    const auto late = static_cast<std::int32_t>(now - (*m_inputBase + e.tick));
    if (late > 0) *m_inputBase += static_cast<DWORD>(late);
    m_inbox.push_back(e);
  }
}

void OnlineDesk::PollSession(DWORD realNow, bool always) {
  if (!m_session || (!always && m_polledAt && realNow - *m_polledAt < kPollGapMs)) return;
  m_polledAt = realNow;
  m_session->Poll(realNow);
}

void OnlineDesk::PostDue(::Host& host, DWORD playNow) {
  PollSession(host.RealTicks());
  // Behind a dialog play stands still: input waits for it to close, as the
  // dialog's loop would drop it.
  if (host.PlayHeld()) return;
  while (!m_inbox.empty() && m_inputBase && static_cast<std::int32_t>(playNow - (*m_inputBase + m_inbox.front().tick)) >= 0) {
    const TurnInputEvent e = m_inbox.front();
    m_inbox.pop_front();
    ++m_posted;
    m_postedAt = playNow;
    host.PostMessage(host.ViewWindow(), e.message, e.wParam, e.lParam);
  }
}

std::optional<DWORD> OnlineDesk::NextDue() const {
  if (!m_inbox.empty() && m_inputBase) return *m_inputBase + m_inbox.front().tick;
  if (!m_session || !m_session->Active()) return std::nullopt;
  return m_app.GetHost().GetTickCount() + kPollEveryMs;
}

std::optional<DWORD> OnlineDesk::PollDue() const {
  if (!m_session || !m_session->Active()) return std::nullopt;
  return (m_polledAt ? *m_polledAt : m_app.GetHost().RealTicks()) + kPollEveryMs;
}

bool OnlineDesk::LetUserInput(const MSG& msg) {
  if (m_awaitingRoomGame && IsPlayfieldInput(msg)) return false;
  return !m_playing || !IsPlayfieldInput(msg) || SeatIsLocal(m_turnSeat) || RinkRoom();
}

void OnlineDesk::Idle() {
  if (!m_session) return;
  // The main loop's idle round is not the hot path: it always looks.
  PollSession(m_app.GetHost().RealTicks(), true);
  if (m_endPending) return TellEnd();
  if (m_pendingStart) {
    const NetMessage start = *m_pendingStart;
    m_pendingStart.reset();
    if (!m_session->IsCreator()) BeginFromStart(start);
  }
  if (m_resumeOnJoin || m_awaitingRoomGame) TakeUpGameOnReturn();
  if (m_replayTurn) {
    m_replayTurn = false;
    ReplayTurnFromStart();
  }
  if (m_roomChanged) {
    m_roomChanged = false;
    TakeOverHandedSeats();
    ShowWhoPlays();
  }
  if (!m_playing) return;
  if (RinkRoom()) return RinkIdle();
  if (SeatIsLocal(m_turnSeat)) {
    FlushInput(false);
    CheckTurnEnded();
  } else if (m_pendingTurn && PlaybackDone()) {
    AdoptTurn();
  }
}

bool OnlineDesk::PlaybackDone() const {
  // Every message posted has been taken, or a game's loop has let some go
  // and long enough has passed.
  if (!m_inbox.empty()) return false;
  return m_taken >= m_posted || m_app.GetHost().GetTickCount() - m_postedAt > kPlaybackGraceMs;
}

void OnlineDesk::FlushInput(bool force) {
  const DWORD now = m_app.GetHost().GetTickCount();
  if (m_outbox.empty() || (!force && now - m_sentAt < kSendEveryMs)) return;
  m_sentAt = now;
  m_session->Send(NetMessage{"input", {{"seat", std::to_string(m_turnSeat)}, {"tick", std::to_string(now - m_turnT0)}},
                             WriteTurnInput(m_outbox)});
  m_outbox.clear();
}

void OnlineDesk::RinkIdle() {
  // The rink runs on the creator's machine until a side has won; the
  // creator's record of the final score ends the room's game everywhere.
  m_rink.Idle(*m_session);
  if (m_session->IsCreator() && m_app.Doc().m_bGameEnded) CheckTurnEnded();
  else if (!m_session->IsCreator() && m_pendingTurn) AdoptTurn();
  if (!m_playing) m_rink.Stop();
}
