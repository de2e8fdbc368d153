// SPDX-License-Identifier: GPL-3.0-or-later
// A member back in its seat after its program started again gets the room's
// game from a member who stayed: the record and the generator's state where
// the turn under way began (or the last turn's end still to be taken up),
// so it plays on from where the room is, whatever it kept or was asked.
#include <cstdlib>
#include <utility>

#include "app/online/online_desk.h"
#include "app/online/online_seats.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/resume_record.h"
#include "platform/host.h"
#include "platform/settings.h"

namespace {

// A member back in the room waits this long (real time) for the room's game
// from the others before it takes up its own kept one.
constexpr DWORD kRoomGameWaitMs = 10000;

}  // namespace

bool OnlineDesk::KeepsSeat() const {
  SettingsStore& settings = m_app.GetHost().Settings();
  return !settings.GetProfileString("Online", "Token", "").empty() &&
         !settings.GetProfileString("Online", "Room", "").empty();
}

void OnlineDesk::SeatsAsInRoom(StateRecord& record) const {
  // Every table plays the room's computer seats as computers.
  if (!m_session) return;
  const OnlineRoom& room = m_session->Room();
  for (int k = 0; k < room.seats; ++k) MarkSeatComputer(record, k, room.seat[static_cast<std::size_t>(k)].computer);
}

void OnlineDesk::SendRoomGame(int seat) {
  if (!m_playing || !m_session || seat == m_session->Seat()) return;
  // A rink is brought up to date by the running machine's news instead.
  if (RinkRoom()) return;
  // One member sends it: the first one still here.
  if (m_session->Room().FirstOtherHere(seat) != m_session->Seat()) return;
  // The latest turn's end this machine has heard of, or the turn under way.
  const NetMessage* latest = m_pendingTurn ? &*m_pendingTurn : nullptr;
  for (const NetMessage& queued : m_inputQueue)
    if (queued.type == "turn") latest = &queued;
  NetMessage sync{"sync", {{"seat", std::to_string(seat)}}, {}};
  if (latest) {
    if (latest->Get("over") == "1") return;  // the game is over: nothing to play on
    sync.fields.emplace_back("seed", latest->Get("seed", "0"));
    sync.fields.emplace_back("turn", latest->Get("next", "0"));
    sync.fields.emplace_back("wall", latest->Get("wall", std::to_string(m_turnWall)));
    sync.body = latest->body;
  } else {
    if (!m_turnStart) return;
    sync.fields.emplace_back("seed", std::to_string(m_turnSeed));
    sync.fields.emplace_back("turn", std::to_string(m_turnSeat));
    sync.fields.emplace_back("wall", std::to_string(m_turnWall));
    sync.body = m_turnStart->Write();
  }
  m_session->Send(sync);
  m_app.GetHost().Report("online sent the room's game to seat " + std::to_string(seat));
}

void OnlineDesk::TakeUpGameOnReturn() {
  if (m_resumeOnJoin) {
    if (m_session->Room().seats == 0) return;  // the lobby is still to come
    m_resumeOnJoin = false;
    // Someone else is here: the room's game comes from them.
    m_awaitingRoomGame =
        !RinkRoom() && (m_pendingSync || m_session->Room().FirstOtherHere(m_session->Seat()) >= 0);
    m_roomGameDeadline = m_app.GetHost().RealTicks() + kRoomGameWaitMs;
    if (!m_awaitingRoomGame) return TakeUpKeptGame();
  }
  if (m_pendingSync) TakeUpRoomGame(*std::exchange(m_pendingSync, std::nullopt));
  else if (static_cast<std::int32_t>(m_app.GetHost().RealTicks() - m_roomGameDeadline) >= 0) TakeUpKeptGame();
}

void OnlineDesk::TakeUpRoomGame(const NetMessage& sync) {
  ::Host& host = m_app.GetHost();
  std::string error;
  auto record = StateRecord::Read(sync.body, error);
  if (record) SeatsAsInRoom(*record);
  const int turn = std::atoi(sync.Get("turn", "-1").c_str());
  if (turn < 0 || turn >= m_session->Room().seats) error = "no such seat on turn";
  if (!record || !error.empty() || !RestoreGame(m_app.Doc(), *record, error, true)) {
    host.Report("online room's game refused: " + error);
    return TakeUpKeptGame();
  }
  m_awaitingRoomGame = false;
  host.Random().Seed(static_cast<std::uint32_t>(std::strtoul(sync.Get("seed", "0").c_str(), nullptr, 10)));
  host.PinWallClock(std::strtoll(sync.Get("wall", "0").c_str(), nullptr, 10));
  m_playing = true;
  host.Report("online took up the room's game");
  BeginTurn(turn);
}
