// SPDX-License-Identifier: GPL-3.0-or-later
// Standard 8-ball and 9-ball on the table: the breaker drags the cue ball
// along behind the head string; a foul hands the other player the cue ball
// to drag anywhere; a tap that leaves every ball short of a cushion is a
// foul; the 9-ball rack is a diamond; after a 9-ball break the next player
// may push out, and the other chooses to play on or hand the shot back.
#include <gtest/gtest.h>

#include "pool_app.h"
#include "res/resource_ids.h"

namespace pool::test {
namespace {

class PoolRuleSetsGame : public ::testing::Test {
 protected:
  void Start(RuleSet rules) { app.StartGame(kScreenPool, static_cast<int>(rules), {2, {false, false, false, false}}); }
  CPool& G() { return *app.Game(); }
  CPoint Cue() { return {G().Ball(0).GetPosX(), G().Ball(0).GetPosY()}; }
  void Carry(CPoint to) {
    const CPoint from = Cue();
    app.Down(from.x, from.y);
    app.Move((from.x + to.x) / 2, (from.y + to.y) / 2);
    app.Move(to.x, to.y);
    app.Up(to.x, to.y);
  }
  PoolApp app;
};

TEST_F(PoolRuleSetsGame, AFoulHandsTheOtherPlayerTheCueBallToDragAnywhere) {
  Start(RuleSet::Standard);
  EXPECT_EQ(app.Status(), "Player1 breaks: drag the cue ball behind the head string, then shoot.");
  Carry({460, 130});
  EXPECT_EQ(Cue(), CPoint(460, 130));
  Carry({300, 130});  // past the head string: it stays behind it
  EXPECT_TRUE(InKitchen(Cue()));
  // The break scratches: the other player has the cue ball in hand anywhere.
  app.Pocket(0, 2);
  app.EndShot(1);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  EXPECT_EQ(app.Status(),
            "Foul: scratch. Player2, ball in hand: drag the cue ball, then shoot.");
  EXPECT_TRUE(G().Ball(0).m_bOnTable);
  EXPECT_FALSE(G().m_bGroupsSet);
  Carry({240, 250});
  EXPECT_EQ(Cue(), CPoint(240, 250));
  // A tap into a ball that leaves everything short of a cushion is a foul.
  app.Put(3, 200, 250);
  app.Down(262, 250);
  app.Up(262, 250);
  ASSERT_NE(G().m_pFirstHit, nullptr);
  EXPECT_EQ(G().m_pFirstHit->m_nNumber, 3);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);
  EXPECT_TRUE(G().m_bInHand);
  EXPECT_TRUE(app.Said("Foul: no rail. Player1, ball in hand: drag the cue ball, then shoot."));
}

TEST_F(PoolRuleSetsGame, NineBallRacksADiamondAndOffersAPushOutAfterTheBreak) {
  Start(RuleSet::NineBall);
  EXPECT_EQ(G().Ball(1).GetPosX(), kFootSpot.x);
  EXPECT_EQ(G().Ball(9).GetPosX(), 163);
  EXPECT_EQ(G().Ball(9).GetPosY(), 192);
  for (int n = 10; n < kBallCount; ++n) EXPECT_FALSE(G().Ball(n).m_bOnTable) << n;
  EXPECT_NE(G().StateJson().find("\"ballOn\":1"), std::string::npos);
  // The break, then the next player pushes out and the other hands the shot back.
  app.answers = {IDYES, IDNO};
  app.Down(480, 192);
  app.Up(551, 192);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_NE(app.boxes[0].find("push out?"), std::string::npos);
  EXPECT_TRUE(G().m_bPushOutDeclared);
  const int pusher = app.Doc().m_nCurrentPlayer;
  // A soft roll along the top that strikes nothing is no foul.
  for (int n = 1; n <= 9; ++n)
    if (G().Ball(n).m_bOnTable && G().Ball(n).GetPosY() < 130) app.Put(n, 200, 250 + 2 * n);
  app.Put(0, 430, 110);
  app.Down(410, 110);
  app.Up(410, 110);
  ASSERT_EQ(app.boxes.size(), 2u);
  EXPECT_NE(app.boxes[1].find("pushed out. Play on from here?"), std::string::npos);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, pusher);
  EXPECT_FALSE(G().m_bInHand);
  EXPECT_NE(G().StateJson().find("\"pushOut\":\"none\""), std::string::npos);
}

}  // namespace
}  // namespace pool::test
