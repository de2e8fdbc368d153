// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A room as the server last described it (its `lobby` message): the game,
// the seats with who sits there and whether they are connected, whether
// the game has started and whose turn it is.
#include <array>
#include <optional>
#include <string>

struct NetMessage;

inline constexpr int kMaxOnlineSeats = 4;

struct OnlineSeat {
  enum class Presence { Empty, Connected, Away };
  std::string name;
  bool computer = false;
  Presence presence = Presence::Empty;
};

struct OnlineRoom {
  std::string game;  // airhockey, basketball, bowling, darts, football, pool
  int seats = 0;     // 2..4
  bool started = false;
  int turn = 0;
  std::array<OnlineSeat, kMaxOnlineSeats> seat;

  // Every human seat has someone connected (the creator may start).
  bool Ready() const;
  // The first seat whose member is away, or -1.
  int FirstAway() const;
  // The first human seat but `seat` with its member connected, or -1.
  int FirstOtherHere(int seat) const;
};

// The room in a `lobby` message; nothing when the message does not describe one.
std::optional<OnlineRoom> ReadLobby(const NetMessage& message);
// The word the server knows a game by, from the game's screen, and back (-1: none).
std::string OnlineGameWord(int screen);
int OnlineGameScreen(const std::string& word);
