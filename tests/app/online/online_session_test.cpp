// SPDX-License-Identifier: GPL-3.0-or-later
// A room membership over a transport a test plays the far end of: the seat
// is joined, a dropped connection comes back to the same seat with its
// token for as long as the seat is kept, and a server that goes away or
// refuses ends the online game with a reason.
#include <gtest/gtest.h>

#include <random>

#include "app/online/online_session.h"
#include "net/loopback_transport.h"

namespace {

struct Heard : OnlineEvents {
  int joined = 0;
  std::vector<std::string> game;
  std::string ended;
  void OnJoined() override { ++joined; }
  void OnRoomChanged() override {}
  void OnGameMessage(const NetMessage& m) override { game.push_back(m.type); }
  void OnEnded(const std::string& why) override { ended = why; }
  void OnRefused(const std::string&, const std::string&) override {}
};

// Every transport the session opens, kept for the test to play the server.
struct Links {
  std::vector<LoopbackTransport*> made;
  std::vector<std::shared_ptr<const LoopbackTransport::Far>> farEnds;  // outlive the transports
  NetTransportFactory Factory() {
    return [this] {
      auto link = std::make_unique<LoopbackTransport>();
      made.push_back(link.get());
      farEnds.push_back(link->SharedFarEnd());
      return link;
    };
  }
  LoopbackTransport& Last() { return *made.back(); }
};

std::string Msg(NetMessage m) { return EncodeNetMessage(m); }

NetMessage Sent(LoopbackTransport& link, std::size_t i) {
  std::string error;
  return *DecodeNetMessage(link.FarEnd().sent.at(i), error);
}

void Join(OnlineSession& session, Links& links, DWORD now) {
  session.Join("ws://127.0.0.1:8152/room", "abcd-efgh", "Ann");
  session.Poll(now);
  links.Last().Deliver(Msg({"joined", {{"code", "ABCD-EFGH"}, {"seat", "1"}, {"token", "7f"}}, {}}));
  session.Poll(now);
}

TEST(OnlineSession, JoinsAndPassesTheRoomsMessagesOn) {
  Links links;
  Heard heard;
  OnlineSession session(links.Factory(), heard, "1.0");
  Join(session, links, 0);
  const NetMessage hello = Sent(links.Last(), 0);
  EXPECT_EQ(hello.type, "join");
  EXPECT_EQ(hello.Get("code"), "ABCDEFGH");  // as the server reads it
  EXPECT_EQ(session.GetPhase(), OnlineSession::Phase::InRoom);
  EXPECT_EQ(session.Seat(), 1);
  links.Last().Deliver(Msg({"lobby", {{"game", "pool"}, {"seats", "2"}, {"turn", "1"}, {"name0", "Bob"},
                                     {"kind0", "human"}, {"state0", "away"}}, {}}));
  links.Last().Deliver(Msg({"turn", {{"seat", "0"}, {"next", "1"}}, "x=1"}));
  links.Last().Deliver("not a message at all");
  session.Poll(0);
  EXPECT_EQ(session.Room().game, "pool");
  EXPECT_EQ(session.Room().FirstAway(), 0);
  EXPECT_EQ(heard.game, std::vector<std::string>{"turn"});
}

// Over many seeded runs the connection drops at a random moment and the
// server comes back after a random while: within the five minutes a seat is
// kept the session is back on the same seat with the same token, trying no
// more often than every two seconds; after them it gives up with a reason.
TEST(OnlineSession, ComesBackToTheSameSeatWhileItIsKept) {
  std::mt19937 random(35);
  for (int run = 0; run < 200; ++run) {
    Links links;
    Heard heard;
    OnlineSession session(links.Factory(), heard, "1.0");
    DWORD now = 1000 + random() % 100000;
    Join(session, links, now);
    links.Last().Drop("reset by peer");
    session.Poll(now);
    ASSERT_EQ(session.GetPhase(), OnlineSession::Phase::Reconnecting);
    const DWORD lost = now;
    const DWORD downFor = random() % (2 * OnlineSession::kRejoinWindowMs);
    std::size_t attempts = 0;
    while (session.GetPhase() == OnlineSession::Phase::Reconnecting) {
      now += 100;
      const std::size_t before = links.made.size();
      session.Poll(now);
      if (links.made.size() == before) continue;
      ++attempts;
      LoopbackTransport& link = links.Last();
      if (now - lost < downFor) {
        link.Drop("refused");
        continue;
      }
      session.Poll(now);  // opened: the join with the token goes out
      const NetMessage again = Sent(link, 0);
      EXPECT_EQ(again.Get("token"), "7f");
      link.Deliver(Msg({"joined", {{"code", "ABCD-EFGH"}, {"seat", "1"}, {"token", "7f"}}, {}}));
      session.Poll(now);
    }
    const bool kept = downFor <= OnlineSession::kRejoinWindowMs - OnlineSession::kRetryMs;
    if (kept) {
      EXPECT_EQ(session.GetPhase(), OnlineSession::Phase::InRoom) << "run " << run;
      EXPECT_EQ(session.Seat(), 1);
    }
    if (session.GetPhase() == OnlineSession::Phase::Ended) {
      EXPECT_FALSE(heard.ended.empty());
    }
    EXPECT_LE(attempts, (now - lost) / OnlineSession::kRetryMs + 1) << "run " << run;
  }
}

TEST(OnlineSession, EndsWithAReasonWhenTheServerGoesOrRefuses) {
  struct Case {
    NetMessage message;
    bool joinedFirst;
  };
  const Case cases[] = {
      {{"closed", {{"reason", "shutdown"}}, {}}, true},
      {{"closed", {{"reason", "expired"}}, {}}, true},
      {{"error", {{"reason", "no_room"}}, {}}, false},
      {{"error", {{"reason", "room_full"}}, {}}, false},
      {{"error", {{"reason", "bad_version"}}, {}}, false},
  };
  for (const Case& c : cases) {
    Links links;
    Heard heard;
    OnlineSession session(links.Factory(), heard, "1.0");
    if (c.joinedFirst) {
      Join(session, links, 0);
    } else {
      session.Join("ws://127.0.0.1:1/room", "ABCDEFGH", "Ann");
      session.Poll(0);
    }
    links.Last().Deliver(Msg(c.message));
    session.Poll(0);
    EXPECT_EQ(session.GetPhase(), OnlineSession::Phase::Ended) << c.message.Get("reason");
    EXPECT_FALSE(heard.ended.empty());
    EXPECT_TRUE(links.farEnds.back()->closedByUs);  // the session let its transport go
  }
  // A server that cannot be reached at all.
  Links links;
  Heard heard;
  OnlineSession session(links.Factory(), heard, "1.0");
  session.Create("ws://127.0.0.1:1/room", "darts", 2, "0,0", "Ann");
  links.Last().Drop("connection refused");
  session.Poll(0);
  EXPECT_EQ(session.GetPhase(), OnlineSession::Phase::Ended);
  EXPECT_NE(heard.ended.find("connection refused"), std::string::npos);
}

}  // namespace
