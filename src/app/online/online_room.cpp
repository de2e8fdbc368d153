// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/online/online_room.h"

#include <array>
#include <charconv>

#include "net/net_message.h"
#include "res/game_screens.h"

namespace {

struct GameWord {
  int screen;
  const char* word;
};
constexpr std::array<GameWord, 6> kGameWords{{{kScreenAirHockey, "airhockey"},
                                              {kScreenBasketball, "basketball"},
                                              {kScreenBowling, "bowling"},
                                              {kScreenDarts, "darts"},
                                              {kScreenFootball, "football"},
                                              {kScreenPool, "pool"}}};

std::optional<int> SmallNumber(const NetMessage& message, std::string_view key, int lo, int hi) {
  const std::string* text = message.Field(key);
  int value = 0;
  if (!text || text->empty()) return std::nullopt;
  const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (ec != std::errc() || end != text->data() + text->size() || value < lo || value > hi) return std::nullopt;
  return value;
}

OnlineSeat::Presence ReadPresence(const std::string& word) {
  if (word == "connected") return OnlineSeat::Presence::Connected;
  if (word == "away") return OnlineSeat::Presence::Away;
  return OnlineSeat::Presence::Empty;
}

}  // namespace

bool OnlineRoom::Ready() const {
  for (int i = 0; i < seats; ++i) {
    const OnlineSeat& s = seat[static_cast<std::size_t>(i)];
    if (!s.computer && s.presence != OnlineSeat::Presence::Connected) return false;
  }
  return seats > 0;
}

int OnlineRoom::FirstAway() const {
  for (int i = 0; i < seats; ++i)
    if (seat[static_cast<std::size_t>(i)].presence == OnlineSeat::Presence::Away) return i;
  return -1;
}

int OnlineRoom::FirstOtherHere(int other) const {
  for (int i = 0; i < seats; ++i) {
    const OnlineSeat& s = seat[static_cast<std::size_t>(i)];
    if (i != other && !s.computer && s.presence == OnlineSeat::Presence::Connected) return i;
  }
  return -1;
}

std::optional<OnlineRoom> ReadLobby(const NetMessage& message) {
  OnlineRoom room;
  room.game = message.Get("game");
  const auto seats = SmallNumber(message, "seats", 2, kMaxOnlineSeats);
  if (OnlineGameScreen(room.game) < 0 || !seats) return std::nullopt;
  room.seats = *seats;
  room.started = message.Get("started") == "1";
  room.turn = SmallNumber(message, "turn", 0, room.seats - 1).value_or(0);
  for (int i = 0; i < room.seats; ++i) {
    OnlineSeat& s = room.seat[static_cast<std::size_t>(i)];
    const std::string k = std::to_string(i);
    s.name = message.Get("name" + k);
    s.computer = message.Get("kind" + k) == "computer";
    s.presence = ReadPresence(message.Get("state" + k));
  }
  return room;
}

std::string OnlineGameWord(int screen) {
  for (const GameWord& g : kGameWords)
    if (g.screen == screen) return g.word;
  return {};
}

int OnlineGameScreen(const std::string& word) {
  for (const GameWord& g : kGameWords)
    if (word == g.word) return g.screen;
  return -1;
}
