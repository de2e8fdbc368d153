// SPDX-License-Identifier: GPL-3.0-or-later
// Entering and leaving rooms: create, join, rejoin by token, leave, drop,
// and the creator handing an empty chair to the computer.
#include "net/player_name.h"
#include "net/room_code.h"
#include "server/room_server.h"

namespace {

// The computer seats of `computers` ("0,1,1"), or nothing when it does not
// name each of `seats` seats once; the creator's seat is always human.
std::optional<std::vector<bool>> ComputerSeats(const std::string& computers, int seats) {
  std::vector<bool> flags;
  if (computers.empty()) return std::vector<bool>(static_cast<std::size_t>(seats), false);
  for (std::size_t i = 0; i < computers.size(); i += 2) {
    if ((computers[i] != '0' && computers[i] != '1') || (i + 1 < computers.size() && computers[i + 1] != ','))
      return std::nullopt;
    flags.push_back(computers[i] == '1');
  }
  if (static_cast<int>(flags.size()) != seats || flags.front()) return std::nullopt;
  return flags;
}

}  // namespace

void RoomServer::Create(ConnectionId id, Connection& connection, const NetMessage& m, Millis now) {
  const std::string game = m.Get("game");
  const auto maxSeats = MaxSeatsOf(game);
  if (!maxSeats) return Refuse(id, "malformed", "The server does not know that game.");
  const auto seats = FieldInt(m, "seats", 2, *maxSeats);
  const auto computers = seats ? ComputerSeats(m.Get("computers"), *seats) : std::nullopt;
  if (!computers) return Refuse(id, "malformed", "That game does not take that many seats or computers.");
  if (m.Get("version").empty()) return Refuse(id, "bad_version", "Say which version of the program you play.");
  Room room{NewCode(), game, m.Get("version"), {}, false, 0, now, std::nullopt};
  room.seats.resize(static_cast<std::size_t>(*seats));
  for (std::size_t i = 1; i < room.seats.size(); ++i) {
    if (!(*computers)[i]) continue;
    room.seats[i] = Seat{"Computer " + std::to_string(i + 1), true, SeatState::Connected, 0, {}, 0};
  }
  room.seats[0] = Seat{CleanPlayerName(m.Get("name"), 0), false, SeatState::Connected, id, NewToken(), 0};
  connection.room = room.code;
  Send(id, {"joined", {{"code", ShowRoomCode(room.code)}, {"seat", "0"}, {"token", room.seats[0].token}}, {}});
  const auto [it, added] = rooms_.emplace(room.code, std::move(room));
  SendLobby(it->second);
}

void RoomServer::Join(ConnectionId id, Connection& connection, const NetMessage& m, Millis now) {
  const auto code = NormaliseRoomCode(m.Get("code"));
  const auto it = code ? rooms_.find(*code) : rooms_.end();
  if (it == rooms_.end()) return Refuse(id, "no_room", "There is no room with that code.");
  Room& room = it->second;
  if (m.Get("version") != room.version)
    return Refuse(id, "bad_version", "This room plays version " + room.version + " of the program.");
  int seat = -1;  // the seat of the token, else the first empty one
  const std::string token = m.Get("token");
  for (std::size_t i = 0; i < room.seats.size() && !token.empty(); ++i)
    if (!room.seats[i].computer && room.seats[i].token == token) seat = static_cast<int>(i);
  for (std::size_t i = 0; i < room.seats.size() && seat < 0 && !room.started; ++i)
    if (room.seats[i].state == SeatState::Empty) seat = static_cast<int>(i);
  if (seat < 0) return Refuse(id, "room_full", "Every seat in that room is taken.");
  connection.room = room.code;
  room.unmannedSince.reset();
  room.lastActive = now;
  if (room.seats[static_cast<std::size_t>(seat)].state != SeatState::Empty) return Rejoin(id, room, seat);
  Seat& chair = room.seats[static_cast<std::size_t>(seat)];
  chair = Seat{CleanPlayerName(m.Get("name"), seat), false, SeatState::Connected, id, NewToken(), 0};
  Send(id, {"joined", {{"code", ShowRoomCode(room.code)}, {"seat", std::to_string(seat)}, {"token", chair.token}}, {}});
  SendLobby(room);
}

void RoomServer::Rejoin(ConnectionId id, Room& room, int seat) {
  Seat& chair = room.seats[static_cast<std::size_t>(seat)];
  // A second connection with the same token takes over: the first one is
  // most likely a dead socket that has not noticed yet.
  if (chair.state == SeatState::Connected && chair.connection != id) {
    if (const auto old = connections_.find(chair.connection); old != connections_.end()) old->second.room.clear();
    outbox_.push_back({chair.connection, nullptr, true});
  }
  chair.state = SeatState::Connected;
  chair.connection = id;
  Send(id, {"joined", {{"code", ShowRoomCode(room.code)}, {"seat", std::to_string(seat)}, {"token", chair.token}}, {}});
  SendToRoom(room, {"back", {{"seat", std::to_string(seat)}, {"name", chair.name}}, {}}, id);
  SendLobby(room);
}

void RoomServer::Leave(ConnectionId id, Connection& connection, Millis now, bool dropped) {
  const auto it = rooms_.find(connection.room);
  connection.room.clear();
  if (it == rooms_.end()) return;
  Room& room = it->second;
  const auto seat = room.SeatOf(id);
  if (!seat) return;
  Seat& chair = room.seats[static_cast<std::size_t>(*seat)];
  if (dropped || room.started) {
    // A dropped player may come back with the token; one who left in the
    // middle of a game may not, but the creator can give the chair away.
    chair.state = SeatState::Away;
    chair.connection = 0;
    chair.awaySince = now;
    if (!dropped) chair.token.clear();
    SendToRoom(room, {"away", {{"seat", std::to_string(*seat)}, {"name", chair.name}}, {}});
  } else {
    chair = Seat{};
  }
  if (!room.AnyoneConnected()) room.unmannedSince = now;
  SendLobby(room);
}

void RoomServer::Handover(ConnectionId id, Room& room, const NetMessage& m) {
  if (id != room.Creator()) return Refuse(id, "not_creator", "Only the room's creator can hand a seat over.");
  const auto seat = FieldInt(m, "seat", 1, static_cast<int>(room.seats.size()) - 1);
  if (!seat) return Refuse(id, "malformed", "There is no such seat.");
  Seat& chair = room.seats[static_cast<std::size_t>(*seat)];
  if (chair.computer || chair.state == SeatState::Connected)
    return Refuse(id, "not_ready", "That seat's player is still here.");
  const std::string name = chair.state == SeatState::Away ? chair.name : "Computer " + std::to_string(*seat + 1);
  chair = Seat{name, true, SeatState::Connected, 0, {}, 0};
  SendLobby(room);
}
