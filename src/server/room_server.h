// SPDX-License-Identifier: GPL-3.0-or-later
// The rooms of one server process, with no sockets: connections come and go,
// frames arrive, time passes (the caller says what time it is), and what
// each connection is to be sent collects in an outbox.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "server/rate_limit.h"
#include "server/room.h"

struct RoomLimits {
  Millis idle = 30 * 60 * 1000;      // a room nobody plays in this long expires
  Millis awayKeep = 5 * 60 * 1000;   // a dropped member's seat waits this long
  double messagesPerSecond = 100;    // on average, per connection
  double messageBurst = 200;
  // The letters this process's room codes start with, so that a proxy in
  // front of several processes finds a room's process from its code; empty
  // for any letter.
  std::string codeFirst;
};

class RoomServer {
 public:
  using RandomByte = std::function<std::uint8_t()>;
  RoomServer(RoomLimits limits, RandomByte randomByte);

  void Open(ConnectionId connection, Millis now);
  // One frame from a connection. A frame that is no message closes it.
  void Receive(ConnectionId connection, std::string_view frame, Millis now);
  // The connection went; its seat, if any, waits for a rejoin.
  void Close(ConnectionId connection, Millis now);
  // Expires idle rooms, frees seats kept too long, removes abandoned rooms.
  void Tick(Millis now);
  // Tells everyone the server is going and closes every connection.
  void Shutdown();

  std::vector<Outgoing> TakeOutbox();
  std::size_t RoomCount() const { return rooms_.size(); }
  std::size_t ConnectionCount() const { return connections_.size(); }

 private:
  struct Connection {
    RateLimit rate;
    std::string room;  // the code of the room it sits in, or empty
  };

  void Dispatch(ConnectionId id, Connection& connection, const NetMessage& message, Millis now);
  // Entering and leaving rooms.
  void Create(ConnectionId id, Connection& connection, const NetMessage& message, Millis now);
  void Join(ConnectionId id, Connection& connection, const NetMessage& message, Millis now);
  void Rejoin(ConnectionId id, Room& room, int seat);
  void Leave(ConnectionId id, Connection& connection, Millis now, bool dropped);
  void Handover(ConnectionId id, Room& room, const NetMessage& message);
  // Playing in a room.
  void Start(ConnectionId id, Room& room, const NetMessage& message, Millis now);
  void Play(ConnectionId id, Room& room, const NetMessage& message, Millis now);
  void Mallet(ConnectionId id, Room& room, const NetMessage& message);
  void Rink(ConnectionId id, Room& room, const NetMessage& message);
  void Sync(ConnectionId id, Room& room, const NetMessage& message);
  // To every other member, or only to connection `only`.
  void Relay(Room& room, ConnectionId from, const NetMessage& message, ConnectionId only = 0);
  void FreeExpiredSeats(Room& room, Millis now);
  void Expire(Room& room, std::string_view reason);

  void Send(ConnectionId to, const NetMessage& message);
  void SendToRoom(const Room& room, const NetMessage& message, ConnectionId except = 0);
  void Refuse(ConnectionId to, std::string_view reason, std::string_view text);
  void SendLobby(const Room& room) { SendToRoom(room, room.Lobby()); }
  std::string NewToken();
  std::string NewCode();

  RoomLimits limits_;
  RandomByte randomByte_;
  std::unordered_map<ConnectionId, Connection> connections_;
  std::unordered_map<std::string, Room> rooms_;
  std::vector<Outgoing> outbox_;
};

// A whole number in [low, high] from a field, if the field holds one.
std::optional<int> FieldInt(const NetMessage& message, std::string_view key, int low, int high);
