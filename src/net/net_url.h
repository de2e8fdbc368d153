// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Room server addresses: what a player types ("127.0.0.1:8152",
// "games.example.org", "wss://games.example.org/room") becomes the URL a
// transport opens, and a transport takes that URL apart.
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kDefaultRoomPort = "8152";
inline constexpr std::string_view kRoomPath = "/room";

struct NetUrl {
  bool secure = false;  // wss://
  std::string host;     // without the brackets of an IPv6 address
  std::string port;     // always filled: the scheme's own when the URL names none
  std::string path;     // starts with '/'
};

// Takes apart ws://host[:port][/path] and wss://...; nothing when malformed.
std::optional<NetUrl> ParseNetUrl(std::string_view url);
// The URL of the rooms at the address a player typed: a scheme, a port and
// the room path are added when missing. Empty when the address is unusable.
std::string RoomUrl(std::string_view typed);
