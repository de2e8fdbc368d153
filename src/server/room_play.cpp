// SPDX-License-Identifier: GPL-3.0-or-later
// Playing in a room: the creator starts, the seat whose turn it is streams
// its input and ends its turn, Air Hockey's mallets and rink flow both ways.
// Bodies are passed on as they come: the server never reads game state.
#include "server/room_server.h"

void RoomServer::Start(ConnectionId id, Room& room, const NetMessage& m, Millis now) {
  if (id != room.Creator()) return Refuse(id, "not_creator", "Only the room's creator can start the game.");
  if (room.started) return Refuse(id, "not_ready", "The game has started already.");
  if (!room.AllHumansConnected()) return Refuse(id, "not_ready", "Wait until every seat is filled.");
  const auto turn = m.Field("turn") ? FieldInt(m, "turn", 0, static_cast<int>(room.seats.size()) - 1) : 0;
  if (!turn) return Refuse(id, "malformed", "The first turn names no seat of this room.");
  room.started = true;
  room.turn = *turn;
  room.lastActive = now;
  Relay(room, id, m);
  SendLobby(room);
}

void RoomServer::Play(ConnectionId id, Room& room, const NetMessage& m, Millis now) {
  if (!room.started) return Refuse(id, "not_ready", "The game has not started.");
  const auto seat = FieldInt(m, "seat", 0, static_cast<int>(room.seats.size()) - 1);
  if (!seat || *seat != room.turn || !room.MayPlayFor(id, *seat))
    return Refuse(id, "not_your_turn", "It is not your turn.");
  if (m.type == "turn") {
    const auto next = FieldInt(m, "next", 0, static_cast<int>(room.seats.size()) - 1);
    const auto over = m.Field("over") ? FieldInt(m, "over", 0, 1) : 0;
    if (!next || !over) return Refuse(id, "malformed", "A turn names the next seat and whether the game is over.");
    room.turn = *next;
    if (*over == 1) room.started = false;
  }
  room.lastActive = now;
  Relay(room, id, m);
  if (!room.started) SendLobby(room);
}

void RoomServer::Mallet(ConnectionId id, Room& room, const NetMessage& m) {
  const auto seat = room.SeatOf(id);
  if (room.game != "airhockey" || !room.started || !seat || *seat == 0)
    return Refuse(id, "not_your_turn", "Only the guest's mallet moves this way.");
  Relay(room, id, m);
}

void RoomServer::Rink(ConnectionId id, Room& room, const NetMessage& m) {
  if (room.game != "airhockey" || id != room.Creator()) return Refuse(id, "not_creator", "Only the creator runs the rink.");
  if (!room.started) return Refuse(id, "not_ready", "The game has not started.");
  Relay(room, id, m);
}

void RoomServer::Sync(ConnectionId id, Room& room, const NetMessage& m) {
  // A member passes the room's game to a member who came back; the body is
  // passed on unread, to that member only.
  if (!room.started || !room.SeatOf(id)) return Refuse(id, "not_ready", "The game has not started.");
  const auto seat = FieldInt(m, "seat", 0, static_cast<int>(room.seats.size()) - 1);
  if (!seat) return Refuse(id, "malformed", "There is no such seat.");
  const Seat& chair = room.seats[static_cast<std::size_t>(*seat)];
  if (chair.computer || chair.state != SeatState::Connected || chair.connection == id)
    return Refuse(id, "not_ready", "No one is back in that seat.");
  Relay(room, id, m, chair.connection);
}

void RoomServer::Relay(Room& room, ConnectionId from, const NetMessage& m, ConnectionId only) {
  NetMessage relayed{m.type, {}, m.body};
  relayed.fields.reserve(m.fields.size() + 1);
  for (const auto& field : m.fields)
    if (field.first != "from") relayed.fields.push_back(field);
  relayed.fields.emplace_back("from", std::to_string(*room.SeatOf(from)));
  if (relayed.fields.size() > kMaxNetFields) return Refuse(from, "malformed", "A message has at most 32 fields.");
  const auto text = std::make_shared<const std::string>(EncodeNetMessage(relayed));
  if (text->size() > kMaxNetMessageBytes) return Refuse(from, "too_big", "Messages are at most 64 KiB.");
  for (const Seat& seat : room.seats)
    if (seat.state == SeatState::Connected && !seat.computer && seat.connection != from &&
        (only == 0 || seat.connection == only))
      outbox_.push_back({seat.connection, text, false});
}
