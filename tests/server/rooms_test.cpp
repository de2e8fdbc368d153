// SPDX-License-Identifier: GPL-3.0-or-later
// Rooms on virtual time: a game of four plays through with each turn passed
// to the others only, a dropped player gets the seat back with its token,
// idle and abandoned rooms go, and floods are slowed without closing anyone.
#include "server/room_table.h"

namespace {

NetMessage Turn(int seat, int next, std::string body = "state") {
  return {"turn", {{"seat", std::to_string(seat)}, {"next", std::to_string(next)}, {"over", "0"}}, std::move(body)};
}

int ErrorCount(const std::vector<NetMessage>& messages, std::string_view reason) {
  int count = 0;
  for (const NetMessage& m : messages) count += m.type == "error" && m.Get("reason") == reason;
  return count;
}

TEST(Rooms, AGameOfFourPlaysThroughAndEachTurnReachesTheOthersOnly) {
  RoomTable t;
  const auto [ann, code] = t.Create("darts", 4, "0,0,1,0");
  ASSERT_EQ(code.size(), 9u);
  const ConnectionId bob = t.Join(code, "Bob"), cy = t.Join("  " + code.substr(0, 4) + code.substr(5), "  Cy\xe2\x80\xae  ");
  EXPECT_EQ(t.Last(bob, "joined").Get("seat"), "1");
  EXPECT_EQ(t.Last(cy, "joined").Get("seat"), "3");  // seat 2 is the computer's
  const NetMessage lobby = t.Last(ann, "lobby");
  EXPECT_EQ(lobby.Get("name3"), "Cy");
  EXPECT_EQ(lobby.Get("kind2"), "computer");
  // A fifth cannot come in, and nobody but the creator may start.
  EXPECT_EQ(t.Last(t.Join(code, "Dee"), "error").Get("reason"), "room_full");
  t.Send(bob, {"start", {{"seed", "7"}}, "record"});
  EXPECT_EQ(t.Last(bob, "error").Get("reason"), "not_creator");
  t.Forget();
  t.Send(ann, {"start", {{"seed", "7"}}, "record"});
  EXPECT_EQ(t.Last(bob, "start").body, "record");
  EXPECT_EQ(t.Last(bob, "start").Get("from"), "0");
  EXPECT_EQ(t.Last(ann, "start").type, "");

  // Two rounds: the creator plays the computer's seat 2.
  const std::array<ConnectionId, 4> mover = {ann, bob, ann, cy};
  for (int round = 0, seat = 0; round < 8; ++round, seat = (seat + 1) % 4) {
    t.Forget();
    const ConnectionId wrong = mover[static_cast<std::size_t>((seat + 1) % 4)];
    t.Send(wrong, Turn(seat, seat + 1, "forged"));
    t.Send(mover[static_cast<std::size_t>(seat)], {"input", {{"seat", std::to_string(seat)}, {"tick", "3"}}, "move"});
    t.Send(mover[static_cast<std::size_t>(seat)], Turn(seat, (seat + 1) % 4, "after " + std::to_string(round)));
    EXPECT_EQ(t.Last(wrong, "error").Get("reason"), "not_your_turn");
    for (ConnectionId member : {ann, bob, cy}) {
      std::vector<NetMessage> turns;
      for (const NetMessage& m : t.Take(member))
        if (m.type == "turn") turns.push_back(m);
      if (member == mover[static_cast<std::size_t>(seat)]) {
        EXPECT_TRUE(turns.empty());
        continue;
      }
      ASSERT_EQ(turns.size(), 1u) << "round " << round;
      EXPECT_EQ(turns[0].body, "after " + std::to_string(round));
      EXPECT_EQ(turns[0].Get("from"), seat == 2 ? "0" : std::to_string(seat));
    }
  }
}

TEST(Rooms, ADroppedPlayerComesBackWithItsTokenOrTheCreatorHandsTheSeatOver) {
  RoomTable t;
  const auto [ann, code] = t.Create("pool", 2);
  const ConnectionId bob = t.Join(code, "Bob");
  const std::string token = t.Last(bob, "joined").Get("token");
  EXPECT_EQ(token.size(), 32u);
  t.Send(ann, {"start", {{"seed", "1"}, {"turn", "1"}}, {}});
  t.Drop(bob);
  EXPECT_EQ(t.Last(ann, "away").Get("name"), "Bob");
  EXPECT_EQ(t.Last(ann, "lobby").Get("state1"), "away");
  t.Pass(4 * 60 * 1000);
  EXPECT_EQ(t.Last(t.Join(code, "Eve", "0123456789abcdef0123456789abcdef"), "error").Get("reason"), "room_full");
  const ConnectionId bobAgain = t.Join(code, "Bob", token);
  EXPECT_EQ(t.Last(bobAgain, "joined").Get("seat"), "1");
  EXPECT_EQ(t.Last(ann, "back").Get("seat"), "1");
  // Still Bob's turn, as it was when he dropped.
  t.Send(bobAgain, Turn(1, 0));
  EXPECT_EQ(t.Last(ann, "turn").Get("from"), "1");

  // Gone past five minutes: the token no longer opens the seat; Ann gives it to the computer.
  t.Drop(bobAgain);
  t.Pass(5 * 60 * 1000 + 1000);
  EXPECT_EQ(t.Last(t.Join(code, "Bob", token), "error").Get("reason"), "room_full");
  t.Send(ann, Turn(0, 1));
  t.Send(ann, {"handover", {{"seat", "1"}}, {}});
  EXPECT_EQ(t.Last(ann, "lobby").Get("kind1"), "computer");
  t.Forget();
  t.Send(ann, Turn(1, 0));
  EXPECT_EQ(t.Last(ann, "error").type, "");
}

// The room's game for a member back after its program restarted goes to
// that member alone, and only once the game is under way and it is back.
TEST(Rooms, TheRoomsGameGoesOnlyToTheMemberWhoCameBack) {
  RoomTable t;
  const auto [ann, code] = t.Create("darts", 3);
  const ConnectionId bob = t.Join(code, "Bob"), cy = t.Join(code, "Cy");
  const std::string token = t.Last(bob, "joined").Get("token");
  const NetMessage sync{"sync", {{"seat", "1"}, {"seed", "9"}, {"turn", "2"}}, "record"};
  t.Send(cy, sync);
  EXPECT_EQ(t.Last(cy, "error").Get("reason"), "not_ready");  // not started
  t.Send(ann, {"start", {{"seed", "1"}}, {}});
  t.Drop(bob);
  t.Forget();
  t.Send(cy, sync);
  EXPECT_EQ(t.Last(cy, "error").Get("reason"), "not_ready");  // nobody in seat 1
  const ConnectionId bobAgain = t.Join(code, "Bob", token);
  t.Forget();
  t.Send(cy, sync);
  EXPECT_EQ(t.Last(bobAgain, "sync").body, "record");
  EXPECT_EQ(t.Last(bobAgain, "sync").Get("from"), "2");
  EXPECT_EQ(t.Last(ann, "sync").type, "");
  t.Send(cy, {"sync", {{"seat", "7"}}, {}});
  EXPECT_EQ(t.Last(cy, "error").Get("reason"), "malformed");
}

TEST(Rooms, IdleRoomsExpireAndRoomsEveryoneLeftAreRemoved) {
  RoomLimits limits;
  limits.idle = 30 * 60 * 1000;
  RoomTable t(2, limits);
  const auto [ann, code] = t.Create("darts", 2);
  const ConnectionId bob = t.Join(code, "Bob");
  for (int minute = 0; minute < 29; ++minute) {
    t.Send(ann, {"ping", {}, {}});  // pings keep a connection, not a room, alive
    t.Pass(60 * 1000);
  }
  EXPECT_EQ(t.server.RoomCount(), 1u);
  t.Pass(60 * 1000);
  EXPECT_EQ(t.server.RoomCount(), 0u);
  EXPECT_EQ(t.Last(bob, "closed").Get("reason"), "expired");
  // Out of the room but still connected: a new room can be made at once.
  const auto [dee, other] = t.Create("bowling", 3);
  t.Drop(dee);
  t.Pass(5 * 60 * 1000 - 1000);
  EXPECT_EQ(t.server.RoomCount(), 1u);
  t.Pass(1000);
  EXPECT_EQ(t.server.RoomCount(), 0u);
  t.Send(ann, {"leave", {}, {}});
  EXPECT_EQ(t.Last(ann, "error").Get("reason"), "no_room");
}

TEST(Rooms, FloodsAreSlowedToTheAverageRateWhileTheConnectionStays) {
  RoomTable t;
  const ConnectionId flooder = t.Connect();
  int accepted = 0;
  // A thousand a second for ten seconds: the burst, then a hundred a second.
  for (int ms = 0; ms < 10000; ++ms) {
    t.Send(flooder, {"ping", {}, {}});
    for (const NetMessage& m : t.Take(flooder)) accepted += m.type == "pong";
    t.now += 1;
  }
  EXPECT_NEAR(accepted, 200 + 100 * 10, 5);
  EXPECT_FALSE(t.closedByServer.contains(flooder));
}

TEST(Rooms, OversizedGarbageAndWrongMessagesAreRefusedAndOnlyGarbageClosesItsSender) {
  RoomTable t;
  const auto [ann, code] = t.Create("darts", 2);
  const ConnectionId bob = t.Join(code, "Bob");
  t.Send(ann, {"start", {{"seed", "1"}}, {}});
  t.SendRaw(bob, "qn1 input\nseat=1\n\n" + std::string(kMaxNetMessageBytes, 'x'));
  t.Send(bob, {"rink", {{"tick", "1"}}, {}});
  t.Send(bob, {"dance", {}, {}});
  t.Send(bob, {"create", {{"game", "darts"}, {"seats", "2"}, {"version", "1.0"}}, {}});
  const auto bobs = t.Take(bob);
  EXPECT_EQ(ErrorCount(bobs, "too_big"), 1);
  EXPECT_EQ(ErrorCount(bobs, "not_creator"), 1);
  EXPECT_EQ(ErrorCount(bobs, "malformed"), 1);
  EXPECT_EQ(ErrorCount(bobs, "not_ready"), 1);
  EXPECT_TRUE(t.closedByServer.empty());
  t.SendRaw(ann, "GET / HTTP/1.1\r\n\r\n");
  EXPECT_TRUE(t.closedByServer.contains(ann));
  EXPECT_EQ(t.Last(bob, "away").Get("seat"), "0");
  EXPECT_EQ(t.Last(t.Join(code, "Eve"), "error").Get("reason"), "room_full");
  const auto late = t.Join("ZZZZ-ZZZZ", "Bob");
  EXPECT_EQ(t.Last(late, "error").Get("reason"), "no_room");
}

}  // namespace
