// SPDX-License-Identifier: GPL-3.0-or-later
// A room server on virtual time with clients that read what it sends, for
// the room tests.
#pragma once

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "net/net_message.h"
#include "server/room_server.h"

class RoomTable {
 public:
  explicit RoomTable(unsigned seed = 1, RoomLimits limits = {})
      : rng_(seed), server(limits, [this] { return static_cast<std::uint8_t>(rng_()); }) {}

  ConnectionId Connect() {
    const ConnectionId id = next_++;
    server.Open(id, now);
    return id;
  }
  void SendRaw(ConnectionId id, const std::string& frame) {
    server.Receive(id, frame, now);
    Pump();
  }
  void Send(ConnectionId id, const NetMessage& m) { SendRaw(id, EncodeNetMessage(m)); }
  void Drop(ConnectionId id) {
    server.Close(id, now);
    Pump();
  }
  void Pass(Millis ms) {
    now += ms;
    server.Tick(now);
    Pump();
  }
  // What the connection received since the last call, in order.
  std::vector<NetMessage> Take(ConnectionId id) { return std::exchange(inbox[id], {}); }
  // The last message of a type the connection received (keeps the inbox);
  // one with no type when there is none.
  const NetMessage& Last(ConnectionId id, std::string_view type) const {
    static const NetMessage kNone;
    const auto it = inbox.find(id);
    if (it == inbox.end()) return kNone;
    for (auto m = it->second.rbegin(); m != it->second.rend(); ++m)
      if (m->type == type) return *m;
    return kNone;
  }
  void Forget() { inbox.clear(); }

  // Creates a room for `game` and returns the creator and the code.
  std::pair<ConnectionId, std::string> Create(const std::string& game, int seats, const std::string& computers = {}) {
    const ConnectionId id = Connect();
    Send(id, {"create", {{"game", game}, {"seats", std::to_string(seats)}, {"computers", computers}, {"name", "Ann"}, {"version", "1.0"}}, {}});
    return {id, Last(id, "joined").Get("code")};
  }
  ConnectionId Join(const std::string& code, const std::string& name, const std::string& token = {}) {
    const ConnectionId id = Connect();
    Send(id, {"join", {{"code", code}, {"name", name}, {"version", "1.0"}, {"token", token}}, {}});
    return id;
  }

  Millis now = 0;
  std::map<ConnectionId, std::vector<NetMessage>> inbox;
  std::set<ConnectionId> closedByServer;

 private:
  void Pump() {
    for (const Outgoing& out : server.TakeOutbox()) {
      if (out.text) {
        std::string error;
        const auto m = DecodeNetMessage(*out.text, error);
        ASSERT_TRUE(m) << "the server sent something no client can read: " << error;
        inbox[out.to].push_back(*m);
      }
      if (out.close) closedByServer.insert(out.to);
    }
  }

  std::mt19937 rng_;
  ConnectionId next_ = 1;

 public:
  RoomServer server;
};
