// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a turn online: the mover sends the game's record as its turn
// ends; the watchers take it up and note when their own game had gone
// another way. And what the status line says about who is playing.
#include "app/online/online_desk.h"

#include "app/online/online_seats.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/resume_keeper.h"
#include "app/resume_record.h"
#include "game/game_services.h"
#include "platform/host.h"
#include "platform/i18n.h"

namespace {

std::string Fill(const std::string& format, const std::string& name) {
  std::string text = format;
  if (const std::size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, name);
  return text;
}

// The seats' scores in a record, as the players read them.
std::string Scores(const StateRecord& record) {
  std::string text;
  for (int i = 0; i < kSeatCount; ++i)
    if (const std::string* seat = record.Find("seat" + std::to_string(i))) text += *seat + ";";
  return text;
}

}  // namespace

void OnlineDesk::CheckTurnEnded() {
  CQuintaroDoc& doc = m_app.Doc();
  ::Host& host = m_app.GetHost();
  if (doc.m_bGameEnded) {
    FlushInput(true);
    m_session->Send(NetMessage{"turn",
                               {{"seat", std::to_string(m_turnSeat)}, {"next", std::to_string(m_turnSeat)},
                                {"over", "1"}, {"seed", std::to_string(host.Random().State())}},
                               CaptureStart(doc).Write()});
    // The last turn counts as taken here as on the other machines, so a game
    // that ends in its first turn is seen as over on both.
    ++m_turnsTaken;
    m_playing = false;
    host.Report("online game over");
    return;
  }
  if (!doc.m_bGameInProgress || doc.m_nCurrentPlayer == m_turnSeat) return;
  const auto record = CaptureGame(doc);
  if (!record) return;  // something still moves: the turn ends once it rests
  FlushInput(true);
  const int next = doc.m_nCurrentPlayer;
  // Every machine's clock reads the same as the next turn begins: a computer
  // that seeds from it throws the same darts everywhere.
  const std::int64_t wall = host.Time();
  m_session->Send(NetMessage{"turn",
                             {{"seat", std::to_string(m_turnSeat)}, {"next", std::to_string(next)}, {"over", "0"},
                              {"seed", std::to_string(host.Random().State())}, {"wall", std::to_string(wall)}},
                             record->Write()});
  host.PinWallClock(wall);
  ++m_turnsTaken;
  host.Report("online turn sent " + std::to_string(m_turnSeat) + " next " + std::to_string(next));
  BeginTurn(next);
}

void OnlineDesk::AdoptTurn() {
  const NetMessage turn = *m_pendingTurn;
  m_pendingTurn.reset();
  CQuintaroDoc& doc = m_app.Doc();
  ::Host& host = m_app.GetHost();
  const bool over = turn.Get("over") == "1";
  std::string error;
  auto record = StateRecord::Read(turn.body, error);
  if (record) SeatsAsInRoom(*record);
  if (!record) {
    host.Report("online turn refused: " + error);
  } else if (over) {
    // The final board stays as this machine played it; the scores are the mover's.
    if (!doc.m_bGameEnded || Scores(CaptureStart(doc)) != Scores(*record)) NoteDrift();
    if (!doc.m_bGameEnded && RestoreGame(doc, *record, error, false)) doc.Services().MarkGameEnded();
  } else {
    const auto own = CaptureGame(doc);
    if (!own || own->Write() != record->Write()) {
      NoteDrift();
      // Whether a computer waits for a click is this table's, as on the others.
      const BOOL awaitingClick = doc.m_bFirstComputerTurn;
      if (!RestoreGame(doc, *record, error, true)) host.Report("online turn cannot be taken up: " + error);
      else doc.m_bFirstComputerTurn = awaitingClick;
    }
  }
  host.Random().Seed(static_cast<std::uint32_t>(std::strtoul(turn.Get("seed", "0").c_str(), nullptr, 10)));
  if (turn.Field("wall")) host.PinWallClock(std::strtoll(turn.Get("wall").c_str(), nullptr, 10));
  ++m_turnsTaken;
  host.Report("online turn taken " + turn.Get("seat") + " next " + turn.Get("next"));
  if (over) {
    m_playing = false;
    host.Report("online game over");
    return;
  }
  BeginTurn(std::atoi(turn.Get("next", "0").c_str()));
}

bool OnlineDesk::HoldsBack(const MSG& msg) {
  if (!m_playing || msg.message != WM_COMPUTER_TURN || m_app.Doc().m_nCurrentPlayer == m_turnSeat) return false;
  m_computerTurnHeld = true;
  return true;
}

void OnlineDesk::NoteDrift() {
  ++m_drifts;
  m_app.GetHost().Report("online drift: this machine's game went another way; the mover's record is taken up");
}

void OnlineDesk::TakeUpKeptGame() {
  // A program started again after it was lost takes up its kept game and
  // plays on from the room's turn.
  m_awaitingRoomGame = false;
  std::string error;
  const auto text = m_app.Resume().Load();
  auto record = text ? StateRecord::Read(*text, error) : std::nullopt;
  if (record) SeatsAsInRoom(*record);
  // Without one, the next turn's record puts the room's game on the table.
  if (!record || !RestoreGame(m_app.Doc(), *record, error, true))
    m_app.GetHost().Report("online rejoined with no game to take up");
  m_playing = true;
  const std::string seed = m_app.GetHost().Settings().GetProfileString("Online", "TurnSeed", "0");
  m_app.GetHost().Random().Seed(static_cast<std::uint32_t>(std::strtoul(seed.c_str(), nullptr, 10)));
  BeginTurn(m_session->Room().turn);
}

void OnlineDesk::TakeOverHandedSeats() {
  // Every machine plays a seat handed to the computer from now on.
  if (!m_playing) return;
  CQuintaroDoc& doc = m_app.Doc();
  bool turnHanded = false;
  for (int k = 0; k < m_session->Room().seats && k < kSeatCount; ++k) {
    CPlayer& player = *doc.m_players[static_cast<std::size_t>(k)];
    if (!m_session->Room().seat[static_cast<std::size_t>(k)].computer || player.m_bComputer) continue;
    player.m_bComputer = TRUE;
    if (m_turnStart) ComputerTakesSeat(*m_turnStart, k);
    turnHanded = turnHanded || k == m_turnSeat;
  }
  // The turn under way starts again from its beginning, the computer's now.
  if (turnHanded && m_turnStart) ReplayTurnFromStart();
}

void OnlineDesk::ShowWhoPlays() {
  if (!m_session) return;
  std::string text;
  if (m_session->GetPhase() == OnlineSession::Phase::Reconnecting) {
    text = Tr("Reconnecting...");
  } else if (const int watched = RinkRoom() ? 1 - m_session->Seat() : m_turnSeat; m_playing && !SeatIsLocal(watched)) {
    // In real time both play at once, whoever's turn the room says it is:
    // the line names the other side.
    const OnlineSeat& seat = m_session->Room().seat[static_cast<std::size_t>(watched)];
    if (seat.presence == OnlineSeat::Presence::Away) text = Fill(Tr("Waiting for %s"), seat.name);
    else if (RinkRoom()) text = Fill(Tr("Playing against %s."), seat.name);
    else text = Fill(Tr("%s is playing."), seat.name);
  }
  if (text == m_status) return;
  m_status = text;
  if (!text.empty()) m_app.SetStatusText(text);
}
