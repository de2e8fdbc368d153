// SPDX-License-Identifier: GPL-3.0-or-later
// One online room: its game, its seats and whose turn it is. The server
// keeps rooms apart from the sockets, so all of this runs on virtual time.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/net_message.h"

using ConnectionId = std::uint64_t;
using Millis = std::int64_t;

// A message for one connection; the text is shared when many receive it.
// With `close` the connection is closed once the text (if any) is sent.
struct Outgoing {
  ConnectionId to = 0;
  std::shared_ptr<const std::string> text;
  bool close = false;
};

enum class SeatState { Empty, Connected, Away };

struct Seat {
  std::string name;
  bool computer = false;
  SeatState state = SeatState::Empty;
  ConnectionId connection = 0;  // while connected
  std::string token;            // the rejoin secret of the human who sat here
  Millis awaySince = 0;
};

struct Room {
  std::string code;
  std::string game;
  std::string version;  // every member plays the creator's program version
  std::vector<Seat> seats;
  bool started = false;
  int turn = 0;
  Millis lastActive = 0;                // the last message that played or changed the room
  std::optional<Millis> unmannedSince;  // when the last member went

  // The seat the connection sits in, if any.
  std::optional<int> SeatOf(ConnectionId connection) const;
  // The creator (seat 0) while connected, else 0.
  ConnectionId Creator() const;
  // The connection may play for `seat`: it sits there, or it is the creator
  // and the computer plays the seat.
  bool MayPlayFor(ConnectionId connection, int seat) const;
  bool AllHumansConnected() const;
  bool AnyoneConnected() const;
  bool ValidSeat(int seat) const { return seat >= 0 && seat < static_cast<int>(seats.size()); }
  NetMessage Lobby() const;
};

// The most seats a game takes online: Air Hockey and Pool are played by two.
std::optional<int> MaxSeatsOf(const std::string& game);
