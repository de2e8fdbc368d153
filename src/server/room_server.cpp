// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/room_server.h"

#include <charconv>

#include "net/room_code.h"

RoomServer::RoomServer(RoomLimits limits, RandomByte randomByte)
    : limits_(limits), randomByte_(std::move(randomByte)) {}

void RoomServer::Open(ConnectionId connection, Millis now) {
  connections_.try_emplace(connection, Connection{RateLimit(limits_.messagesPerSecond, limits_.messageBurst, now), {}});
}

void RoomServer::Receive(ConnectionId id, std::string_view frame, Millis now) {
  const auto it = connections_.find(id);
  if (it == connections_.end()) return;
  Connection& connection = it->second;
  if (!connection.rate.Take(now)) return Refuse(id, "rate", "Too many messages: slow down.");
  if (frame.size() > kMaxNetMessageBytes) return Refuse(id, "too_big", "Messages are at most 64 KiB.");
  std::string error;
  const auto message = DecodeNetMessage(frame, error);
  if (!message) {
    Refuse(id, "malformed", "That was no message: " + error + ".");
    outbox_.push_back({id, nullptr, true});
    return Close(id, now);
  }
  Dispatch(id, connection, *message, now);
}

void RoomServer::Dispatch(ConnectionId id, Connection& connection, const NetMessage& m, Millis now) {
  const std::string& type = m.type;
  if (type == "ping") return Send(id, {"pong", {}, {}});
  if (type == "create" || type == "join") {
    if (!connection.room.empty()) return Refuse(id, "not_ready", "Leave this room before entering another.");
    return type == "create" ? Create(id, connection, m, now) : Join(id, connection, m, now);
  }
  const auto roomIt = rooms_.find(connection.room);
  if (roomIt == rooms_.end()) {
    static const char* const kKnown[] = {"start", "input", "turn", "mallet", "rink", "sync", "handover", "leave"};
    for (const char* known : kKnown)
      if (type == known) return Refuse(id, "no_room", "You are in no room.");
    return Refuse(id, "malformed", "The server does not know the message '" + type + "'.");
  }
  Room& room = roomIt->second;
  if (type == "leave") return Leave(id, connection, now, false);
  if (type == "start") return Start(id, room, m, now);
  if (type == "input" || type == "turn") return Play(id, room, m, now);
  if (type == "mallet") return Mallet(id, room, m);
  if (type == "rink") return Rink(id, room, m);
  if (type == "sync") return Sync(id, room, m);
  if (type == "handover") return Handover(id, room, m);
  Refuse(id, "malformed", "The server does not know the message '" + type + "'.");
}

void RoomServer::Close(ConnectionId id, Millis now) {
  const auto it = connections_.find(id);
  if (it == connections_.end()) return;
  if (!it->second.room.empty()) Leave(id, it->second, now, true);
  connections_.erase(it);
}

void RoomServer::Tick(Millis now) {
  for (auto it = rooms_.begin(); it != rooms_.end();) {
    Room& room = it->second;
    FreeExpiredSeats(room, now);
    if (now - room.lastActive >= limits_.idle) {
      Expire(room, "expired");
      it = rooms_.erase(it);
    } else if (room.unmannedSince && now - *room.unmannedSince >= limits_.awayKeep) {
      it = rooms_.erase(it);
    } else {
      ++it;
    }
  }
}

void RoomServer::FreeExpiredSeats(Room& room, Millis now) {
  bool changed = false;
  for (std::size_t i = 0; i < room.seats.size(); ++i) {
    Seat& seat = room.seats[i];
    if (seat.state != SeatState::Away || now - seat.awaySince < limits_.awayKeep) continue;
    seat = Seat{};
    changed = true;
  }
  if (changed) SendLobby(room);
}

void RoomServer::Expire(Room& room, std::string_view reason) {
  SendToRoom(room, {"closed", {{"reason", std::string(reason)}}, {}});
  for (Seat& seat : room.seats)
    if (seat.state == SeatState::Connected && !seat.computer)
      if (const auto it = connections_.find(seat.connection); it != connections_.end()) it->second.room.clear();
}

void RoomServer::Shutdown() {
  const auto closed = std::make_shared<const std::string>(EncodeNetMessage({"closed", {{"reason", "shutdown"}}, {}}));
  for (const auto& [id, connection] : connections_) outbox_.push_back({id, closed, true});
  connections_.clear();
  rooms_.clear();
}

std::vector<Outgoing> RoomServer::TakeOutbox() { return std::exchange(outbox_, {}); }

void RoomServer::Send(ConnectionId to, const NetMessage& message) {
  outbox_.push_back({to, std::make_shared<const std::string>(EncodeNetMessage(message)), false});
}

void RoomServer::SendToRoom(const Room& room, const NetMessage& message, ConnectionId except) {
  const auto text = std::make_shared<const std::string>(EncodeNetMessage(message));
  for (const Seat& seat : room.seats)
    if (seat.state == SeatState::Connected && !seat.computer && seat.connection != except)
      outbox_.push_back({seat.connection, text, false});
}

void RoomServer::Refuse(ConnectionId to, std::string_view reason, std::string_view text) {
  Send(to, {"error", {{"reason", std::string(reason)}, {"text", std::string(text)}}, {}});
}

std::string RoomServer::NewToken() {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string token;
  for (int i = 0; i < 16; ++i) {
    const unsigned byte = randomByte_();
    token.push_back(kHex[byte >> 4]);
    token.push_back(kHex[byte & 15]);
  }
  return token;
}

std::string RoomServer::NewCode() {
  const auto ours = [this](const std::string& code) {
    return limits_.codeFirst.empty() || limits_.codeFirst.find(code[0]) != std::string::npos;
  };
  std::string code;
  do code = MakeRoomCode(randomByte_);
  while (rooms_.contains(code) || !ours(code));
  return code;
}

std::optional<int> FieldInt(const NetMessage& message, std::string_view key, int low, int high) {
  const std::string* text = message.Field(key);
  if (!text || text->empty()) return std::nullopt;
  int value = 0;
  const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (ec != std::errc() || end != text->data() + text->size() || value < low || value > high) return std::nullopt;
  return value;
}
