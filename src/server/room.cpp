// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/room.h"

#include <array>
#include <string_view>
#include <utility>

std::optional<int> Room::SeatOf(ConnectionId connection) const {
  for (std::size_t i = 0; i < seats.size(); ++i)
    if (seats[i].state == SeatState::Connected && !seats[i].computer && seats[i].connection == connection)
      return static_cast<int>(i);
  return std::nullopt;
}

ConnectionId Room::Creator() const {
  return seats.front().state == SeatState::Connected ? seats.front().connection : 0;
}

bool Room::MayPlayFor(ConnectionId connection, int seat) const {
  if (!ValidSeat(seat) || connection == 0) return false;
  const Seat& s = seats[static_cast<std::size_t>(seat)];
  if (s.computer) return connection == Creator();
  return s.state == SeatState::Connected && s.connection == connection;
}

bool Room::AllHumansConnected() const {
  for (const Seat& s : seats)
    if (!s.computer && s.state != SeatState::Connected) return false;
  return true;
}

bool Room::AnyoneConnected() const {
  for (const Seat& s : seats)
    if (!s.computer && s.state == SeatState::Connected) return true;
  return false;
}

NetMessage Room::Lobby() const {
  static constexpr std::array<std::string_view, 3> kStates = {"empty", "connected", "away"};
  NetMessage m{"lobby", {}, {}};
  m.fields = {{"code", code}, {"game", game}, {"seats", std::to_string(seats.size())},
              {"started", started ? "1" : "0"}, {"turn", std::to_string(turn)}};
  for (std::size_t i = 0; i < seats.size(); ++i) {
    const std::string k = std::to_string(i);
    const Seat& s = seats[i];
    m.fields.emplace_back("name" + k, s.name);
    m.fields.emplace_back("kind" + k, s.computer ? "computer" : "human");
    m.fields.emplace_back("state" + k, std::string(kStates[static_cast<std::size_t>(s.state)]));
  }
  return m;
}

std::optional<int> MaxSeatsOf(const std::string& game) {
  static constexpr std::array<std::pair<std::string_view, int>, 6> kGames = {
      {{"airhockey", 2}, {"basketball", 4}, {"bowling", 4}, {"darts", 4}, {"football", 4}, {"pool", 2}}};
  for (const auto& [name, seats] : kGames)
    if (name == game) return seats;
  return std::nullopt;
}
