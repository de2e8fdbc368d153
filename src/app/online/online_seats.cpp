// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/online/online_seats.h"

#include <algorithm>

#include "app/quintaro_doc.h"
#include "app/resume_record.h"
#include "net/player_name.h"

RoomPlan PlanRoom(const CQuintaroDoc& doc) {
  RoomPlan plan;
  plan.seats = std::clamp(doc.m_nLastPlayer + 1, 2, kMaxOnlineSeats);
  for (int i = 0; i < plan.seats; ++i) {
    const bool computer = i > 0 && i <= doc.m_nLastPlayer && doc.m_players[static_cast<std::size_t>(i)]->m_bComputer;
    if (i > 0) plan.computers += ',';
    plan.computers += computer ? '1' : '0';
  }
  return plan;
}

StateRecord SeatRoom(CQuintaroDoc& doc, const OnlineRoom& room) {
  for (int i = 0; i < kSeatCount; ++i) {
    CPlayer& p = *doc.m_players[static_cast<std::size_t>(i)];
    p.m_bActive = i < room.seats;
    p.m_nScore = 0;
    if (i >= room.seats) continue;
    const OnlineSeat& seat = room.seat[static_cast<std::size_t>(i)];
    p.m_strName = CleanPlayerName(seat.name, i);
    p.m_bComputer = seat.computer;
  }
  doc.m_nLastPlayer = room.seats - 1;
  doc.m_nCurrentPlayer = 0;
  doc.m_nGameType = OnlineGameScreen(room.game);
  doc.m_nGameVariant = doc.m_variants[static_cast<std::size_t>(doc.m_nGameType)];
  return CaptureStart(doc);
}

void MarkSeatComputer(StateRecord& record, int seat, bool computer) {
  const std::string key = "seat" + std::to_string(seat);
  StateReader reader(record);
  auto values = reader.Ints(key, 4, -1000000, 1000000);
  if (!reader.Ok()) return;
  values[0] = computer ? 1 : 0;
  record.SetInts(key, values);
}
