// SPDX-License-Identifier: GPL-3.0-or-later
// The real server over real sockets on 127.0.0.1: a room of three plays
// turns; wrong-turn, oversized and garbage messages are refused while the
// room plays on; a player who drops gets the seat back with the token;
// /health counts; SIGTERM tells everyone and ends the server.
#include <gtest/gtest.h>

#include "live_server.h"

namespace {

NetMessage Turn(int seat, int next, std::string body) {
  return {"turn", {{"seat", std::to_string(seat)}, {"next", std::to_string(next)}, {"over", "0"}}, std::move(body)};
}

// `mover` ends its turn; every other member sees it, and the room moves on.
void PlayTurn(LiveClient& mover, int seat, int next, std::vector<LiveClient*> others) {
  const std::string body = "state after seat " + std::to_string(seat);
  mover.Send(Turn(seat, next, body));
  for (LiveClient* other : others) {
    const NetMessage seen = other->Next("turn");
    EXPECT_EQ(seen.body, body);
    EXPECT_EQ(seen.Get("from"), std::to_string(seat));
  }
}

TEST(ServerLive, ARoomPlaysOnThroughRefusedMessagesDropsAndRejoins) {
  LiveServer server;
  ASSERT_NE(server.Port(), 0);
  EXPECT_EQ(HttpGet(server.Port(), "/health"), "ok rooms=0 connections=0\n");
  EXPECT_EQ(HttpGet(server.Port(), "/elsewhere"), "404");

  LiveClient ann(server.Port()), bob(server.Port());
  auto cy = std::make_unique<LiveClient>(server.Port());
  ann.Send({"create", {{"game", "darts"}, {"seats", "3"}, {"name", "Ann"}, {"version", "1.0"}}, {}});
  const std::string code = ann.Next("joined").Get("code");
  ASSERT_EQ(code.size(), 9u);
  bob.Send({"join", {{"code", code}, {"name", "Bob"}, {"version", "1.0"}}, {}});
  EXPECT_EQ(bob.Next("joined").Get("seat"), "1");
  cy->Send({"join", {{"code", code}, {"name", "Cy"}, {"version", "1.0"}}, {}});
  const NetMessage cyJoined = cy->Next("joined");
  EXPECT_EQ(HttpGet(server.Port(), "/health"), "ok rooms=1 connections=3\n");

  ann.Send({"start", {{"seed", "42"}}, "first record"});
  EXPECT_EQ(bob.Next("start").body, "first record");
  EXPECT_EQ(cy->Next("start").body, "first record");
  PlayTurn(ann, 0, 1, {&bob, cy.get()});

  // Cy plays out of turn, Bob sends a turn too long to pass on: both refused.
  cy->Send(Turn(1, 2, "forged"));
  EXPECT_EQ(cy->Next("error").Get("reason"), "not_your_turn");
  bob.SendRaw("qn1 turn\nseat=1\nnext=2\n\n" + std::string(kMaxNetMessageBytes + 10, 'x'));
  EXPECT_EQ(bob.Next("error").Get("reason"), "too_big");
  PlayTurn(bob, 1, 2, {&ann, cy.get()});

  // Garbage closes Cy's connection only; Cy comes back to seat 2 with the token.
  cy->SendRaw("\x16\x03\x01 not a message");
  EXPECT_EQ(cy->Next("error").Get("reason"), "malformed");
  EXPECT_EQ(cy->Next("anything").type, "");
  EXPECT_EQ(ann.Next("away").Get("seat"), "2");
  cy = std::make_unique<LiveClient>(server.Port());
  cy->Send({"join", {{"code", code}, {"name", "Cy"}, {"version", "1.0"}, {"token", cyJoined.Get("token")}}, {}});
  EXPECT_EQ(cy->Next("joined").Get("seat"), "2");
  EXPECT_EQ(bob.Next("back").Get("name"), "Cy");
  PlayTurn(*cy, 2, 0, {&ann, &bob});

  // A frame far beyond any message is cut off by the WebSocket layer itself.
  bob.SendRaw(std::string(5 * kMaxNetMessageBytes, 'x'));
  EXPECT_EQ(bob.Next("anything").type, "");
  EXPECT_EQ(ann.Next("away").Get("seat"), "1");
  PlayTurn(ann, 0, 2, {cy.get()});

  server.Terminate();
  for (LiveClient* member : {&ann, cy.get()}) {
    EXPECT_EQ(member->Next("closed").Get("reason"), "shutdown");
    EXPECT_EQ(member->Next("anything").type, "");  // and the connection closes
  }
  EXPECT_EQ(server.Wait(), 0);
}

}  // namespace
