// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seats of an online game on this machine's table: the room a player
// opens from the game on screen, and the room's seats put at the table.
#include <string>

#include "app/online/online_room.h"
#include "game/state_record.h"

class CQuintaroDoc;

struct RoomPlan {
  int seats = 2;
  std::string computers;  // "0,1,0": 1 for a seat the computer plays
};

// The room for the game on screen: its seats (at least two) and which of
// them the computer plays (never the creator's own seat 0).
RoomPlan PlanRoom(const CQuintaroDoc& doc);
// Puts the room's game and seats at the table (names, computers, fresh
// scores) and returns the game's starting record.
StateRecord SeatRoom(CQuintaroDoc& doc, const OnlineRoom& room);
// The record with `seat` played by the computer or not.
void MarkSeatComputer(StateRecord& record, int seat, bool computer);
// The record with `seat` played by the computer (a seat handed over).
inline void ComputerTakesSeat(StateRecord& record, int seat) { MarkSeatComputer(record, seat, true); }
