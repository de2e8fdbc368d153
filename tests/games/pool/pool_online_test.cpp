// SPDX-License-Identifier: GPL-3.0-or-later
// A Pool table in an online room, this machine in the second seat. Watched
// while the first seat plays at another machine, the status line keeps
// saying who is playing, and that player's loss is told by name, not as if
// it were the watcher's. Played here, a shot goes out as it is struck.
#include <gtest/gtest.h>

#include "app/online/online_desk.h"
#include "app/online/turn_input.h"
#include "app/resume_record.h"
#include "net/loopback_transport.h"
#include "net/net_message.h"
#include "pool_app.h"

namespace pool::test {
namespace {

class PoolOnlineTable : public ::testing::Test {
 protected:
  // Joins the room as Bob in the second seat; `turn` is the seat to play first.
  void Sit(int turn) {
    app.StartPool();
    OnlineDesk& online = app.App().Online();
    ASSERT_TRUE(online.Join("127.0.0.1:8152", "ABCD-EFGH", "Bob"));
    online.Idle();
    Deliver({"joined", {{"code", "ABCD-EFGH"}, {"seat", "1"}, {"token", "7f"}}, {}});
    Deliver({"lobby", {{"code", "ABCD-EFGH"}, {"game", "pool"}, {"seats", "2"}, {"started", "1"}, {"turn", "0"},
                       {"name0", "Ann"}, {"kind0", "human"}, {"state0", "connected"},
                       {"name1", "Bob"}, {"kind1", "human"}, {"state1", "connected"}}, {}});
    Deliver({"start", {{"seed", "7"}, {"turn", std::to_string(turn)}, {"from", "0"}}, CaptureStart(app.Doc()).Write()});
    ASSERT_TRUE(online.Playing());
    ASSERT_FALSE(online.SeatIsLocal(0));
  }
  // The far end has been sent the release of a stroke.
  bool ReleaseSent() const {
    for (const std::string& text : link->FarEnd().sent) {
      std::string error;
      const auto message = DecodeNetMessage(text, error);
      if (!message || message->type != "input") continue;
      for (const TurnInputEvent& e : ReadTurnInput(message->body, error).value_or(std::vector<TurnInputEvent>{}))
        if (e.message == WM_LBUTTONUP) return true;
    }
    return false;
  }
  void Deliver(const NetMessage& message) {
    link->Deliver(EncodeNetMessage(message));
    app.App().Online().Idle();
  }
  CPool& G() { return *app.Game(); }

  LoopbackTransport* link = nullptr;
  PoolApp app{1000, true, nullptr, nullptr, [this]() -> std::unique_ptr<NetTransport> {
                auto made = std::make_unique<LoopbackTransport>();
                link = made.get();
                return made;
              }};
};

TEST_F(PoolOnlineTable, TheMoversPromptsStayOffTheWatchersStatusLine) {
  Sit(0);
  EXPECT_EQ(app.Status(), "Ann is playing.");
  // Ann on the 8: her machine asks her for a pocket, this one does not.
  app.SetGroups(kSolids, kStripes);
  app.KeepOnly({8, 9});
  G().ClosingPrompt();
  EXPECT_EQ(app.Status(), "Ann is playing.");
}

TEST_F(PoolOnlineTable, AnotherMachinesPlayerWhoScratchesOnTheEightIsToldOfByName) {
  Sit(0);
  app.SetGroups(kSolids, kStripes);
  app.KeepOnly({8, 9});
  app.Pocket(0, 5);
  app.EndShot(8);
  EXPECT_TRUE(G().m_bGameOver);
  EXPECT_EQ(app.Status(), app.Player(0).m_strName + " scratches on 8-ball shot and loses!");
}

TEST_F(PoolOnlineTable, AShotGoesOutAsItIsStruckNotOnceTheBallsHaveStopped) {
  Sit(1);
  std::optional<bool> sentAtTheStrike;
  app.GetHost().Audio()->SetPlayObserver([&](const PlayRecord&) {
    if (!sentAtTheStrike) sentAtTheStrike = ReleaseSent();
  });
  app.Down(451, 192);
  app.Up(481, 192);
  ASSERT_TRUE(sentAtTheStrike.has_value());
  EXPECT_TRUE(*sentAtTheStrike);
}

}  // namespace
}  // namespace pool::test
