// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resume_record.h"

#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "game/computer_skill.h"
#include "game/game.h"

namespace {

constexpr int kMaxScore = 1000000;

std::string SeatKey(int seat) { return "seat" + std::to_string(seat); }

void WriteSeats(const CQuintaroDoc& doc, StateRecord& record) {
  record.SetInts("seats", {doc.m_nLastPlayer, doc.m_nCurrentPlayer});
  for (int i = 0; i < kSeatCount; ++i) {
    const CPlayer& p = *doc.m_players[static_cast<std::size_t>(i)];
    record.SetText(SeatKey(i) + ".name", p.m_strName);
    record.SetInts(SeatKey(i), {p.m_bComputer ? 1 : 0, p.m_bActive ? 1 : 0, p.m_nLevel, p.m_nScore});
  }
}

struct Seats {
  int last = 0;
  int current = 0;
  std::array<CPlayer, kSeatCount> players{CPlayer(0, FALSE, "", FALSE, 0), CPlayer(1, FALSE, "", FALSE, 0),
                                          CPlayer(2, FALSE, "", FALSE, 0), CPlayer(3, FALSE, "", FALSE, 0)};
};

Seats ReadSeats(StateReader& reader) {
  Seats seats;
  const auto order = reader.Ints("seats", 2, 0, kSeatCount - 1);
  seats.last = order[0];
  seats.current = order[1];
  if (reader.Ok() && seats.current > seats.last) reader.Fail("seats: the seat to play is not at the table");
  for (int i = 0; i < kSeatCount; ++i) {
    CPlayer& p = seats.players[static_cast<std::size_t>(i)];
    p.m_strName = reader.Text(SeatKey(i) + ".name", kMaxPlayerName * 4);
    const auto v = reader.Ints(SeatKey(i), 4, -kMaxScore, kMaxScore);
    if (reader.Ok() && (v[0] < 0 || v[0] > 1 || v[1] < 0 || v[1] > 1 || v[2] < CPlayer::kGameLevel ||
                        v[2] > static_cast<int>(skill::ComputerSkill::Expert)))
      reader.Fail(SeatKey(i) + ": no such seat");
    p.m_bComputer = v[0];
    p.m_bActive = v[1];
    p.m_nLevel = v[2];
    p.m_nScore = v[3];
  }
  return seats;
}

}  // namespace

std::optional<StateRecord> CaptureGame(CQuintaroDoc& doc) {
  if (!doc.m_pGame || !doc.m_bGameInProgress || !doc.CurrentGameInfo()) return std::nullopt;
  StateRecord record;
  if (!doc.m_pGame->SaveState(record)) return std::nullopt;
  record.SetInts("game", {doc.m_nGameType, doc.m_nGameVariant});
  WriteSeats(doc, record);
  return record;
}

std::string RecordGameName(const CQuintaroDoc& doc, const StateRecord& record) {
  StateReader reader(record);
  const int screen = reader.Ints("game", 2, 0, kScreenCount - 1)[0];
  const GameInfo* info = reader.Ok() ? FindGame(doc.Games(), screen) : nullptr;
  return info ? info->pszName : "";
}

StateRecord CaptureStart(const CQuintaroDoc& doc) {
  StateRecord record;
  record.SetInts("game", {doc.m_nGameType, doc.m_nGameVariant});
  WriteSeats(doc, record);
  return record;
}

bool RestoreGame(CQuintaroDoc& doc, const StateRecord& record, std::string& error, bool withGameState) {
  StateReader reader(record);
  const auto game = reader.Ints("game", 2, 0, kScreenCount - 1);
  const GameInfo* info = reader.Ok() ? FindGame(doc.Games(), game[0]) : nullptr;
  if (reader.Ok() && !info) reader.Fail("game: no such game");
  if (reader.Ok() && info->ClampVariant(game[1]) != game[1]) reader.Fail("game: no such type of game");
  Seats seats = ReadSeats(reader);
  if (!reader.Ok()) {
    error = reader.Error();
    return false;
  }
  // The game starts afresh with the record's seats, then takes up its own state.
  std::array<CPlayer, kSeatCount> before{*doc.m_players[0], *doc.m_players[1], *doc.m_players[2], *doc.m_players[3]};
  const int lastBefore = doc.m_nLastPlayer;
  auto putSeats = [&doc](const auto& players, int last) {
    for (int i = 0; i < kSeatCount; ++i) *doc.m_players[static_cast<std::size_t>(i)] = players[static_cast<std::size_t>(i)];
    doc.m_nLastPlayer = last;
  };
  putSeats(seats.players, seats.last);
  doc.m_nGameType = info->nScreen;
  doc.m_variants[static_cast<std::size_t>(info->nScreen)] = game[1];
  doc.OnNewDocument();
  if (!withGameState) return true;
  putSeats(seats.players, seats.last);
  doc.m_nCurrentPlayer = seats.current;
  doc.m_pCurrentPlayer = doc.m_players[static_cast<std::size_t>(seats.current)].get();
  if (!doc.m_pGame || !doc.m_pGame->LoadState(reader)) {
    error = reader.Ok() ? "the game cannot be taken up" : reader.Error();
    putSeats(before, lastBefore);
    doc.m_nGameType = kScreenTitle;
    doc.OnNewDocument();
    return false;
  }
  doc.m_bGameInProgress = TRUE;
  doc.m_bFirstComputerTurn = TRUE;
  // The playfield first, then the score display over it.
  doc.UpdateAllViews(kHintSprites);
  doc.m_pGame->UpdateScoreboard(&doc.m_players, FALSE, doc.m_nCurrentPlayer);
  if (doc.m_pCurrentPlayer->m_bComputer) doc.m_pGame->SetStatusText(0, kComputerClickPrompt);
  return true;
}
