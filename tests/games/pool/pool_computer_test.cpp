// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's choices: target, cut through the ghost ball, power from
// the path length, and where it puts the cue ball in hand.
#include <gtest/gtest.h>

#include "games/pool/model/pool_computer.h"

namespace pool::test {
namespace {

struct Layout {
  BallPoints pos{};
  BallFlags onTable{};
  void Put(int n, CPoint at) {
    pos[static_cast<std::size_t>(n)] = at;
    onTable[static_cast<std::size_t>(n)] = true;
  }
};

TEST(PoolComputer, PowerFollowsThePathLength) {
  EXPECT_EQ(PowerForPath(39), 1.0);
  EXPECT_EQ(PowerForPath(40), 2.0);
  EXPECT_EQ(PowerForPath(206), 5.0);
  EXPECT_EQ(PowerForPath(299), 6.0);
  EXPECT_EQ(PowerForPath(300), 7.0);
}

TEST(PoolComputer, AStraightShotAimsThroughTheGhostBallWithPowerFromThePath) {
  // Target 100 pixels above the cue ball, the top middle pocket 120 beyond it.
  const ComputerAim aim = AimAtTarget({299, 202}, {299, 302});
  EXPECT_EQ(aim.pocket, 1);
  EXPECT_NEAR(aim.angle, 90.0, 1e-7);
  EXPECT_EQ(aim.power, 5.0);  // 86 + 120 = 206
}

TEST(PoolComputer, ABackwardCutFallsToTheNextNearestPocket) {
  // The nearest pocket lies behind the target as seen from the cue ball.
  // The top left corner is nearest but behind the target from the cue ball's side.
  const ComputerAim aim = AimAtTarget({130, 120}, {110, 100});
  EXPECT_EQ(aim.pocket, 1);
}

TEST(PoolComputer, TargetsTheNearestBallOfItsGroupThenTheEight) {
  Layout t;
  t.Put(0, {300, 192});
  t.Put(3, {340, 192});
  t.Put(12, {320, 192});
  t.Put(8, {301, 200});
  EXPECT_EQ(ChooseTarget(t.pos, t.onTable, kOpenTable, false), 12);  // never the 8 on an open table
  EXPECT_EQ(ChooseTarget(t.pos, t.onTable, kSolids, false), 3);
  t.Put(2, {260, 192});  // as near as 3: the lower number wins
  EXPECT_EQ(ChooseTarget(t.pos, t.onTable, kSolids, false), 2);
  Layout eight;
  eight.Put(0, {300, 192});
  eight.Put(8, {200, 150});
  eight.Put(10, {310, 192});
  EXPECT_EQ(ChooseTarget(eight.pos, eight.onTable, kSolids, false), 8);
  eight.onTable[8] = false;
  EXPECT_EQ(ChooseTarget(eight.pos, eight.onTable, kSolids, false), -1);
}

TEST(PoolComputer, WithBallInHandBallsInTheKitchenAreNoTargets) {
  Layout t;
  t.Put(0, {411, 192});
  t.Put(3, {450, 120});
  t.Put(5, {480, 250});
  EXPECT_EQ(ChooseTarget(t.pos, t.onTable, kOpenTable, true), -1);
  EXPECT_EQ(ChooseTarget(t.pos, t.onTable, kOpenTable, false), 3);
  t.Put(6, {200, 200});
  EXPECT_EQ(ChooseTarget(t.pos, t.onTable, kSolids, true), 6);
  // Group balls only in the kitchen: not the 8 instead.
  Layout g;
  g.Put(0, {411, 192});
  g.Put(2, {450, 120});
  g.Put(8, {200, 200});
  EXPECT_EQ(ChooseTarget(g.pos, g.onTable, kSolids, true), -1);
}

TEST(PoolComputer, TheCueBallInHandGoesDownTheHeadStringToTheFirstFreeSpot) {
  const CPoint first = FindCueSpot([](CPoint) { return true; });
  EXPECT_EQ(first.x, 411);
  EXPECT_EQ(first.y, 192);
  const CPoint below = FindCueSpot([](CPoint p) { return p.y >= 206; });
  EXPECT_EQ(below.y, 206);
  // The whole line taken: up it, then further into the kitchen, never off the table.
  const CPoint up = FindCueSpot([](CPoint p) { return p.y < 150; });
  EXPECT_EQ(up.x, 411);
  EXPECT_LT(up.y, 150);
  const CPoint deeper = FindCueSpot([](CPoint p) { return p.x > 411; });
  EXPECT_GT(deeper.x, 411);
  EXPECT_LE(deeper.x + kBallRadius, kCushion.right);
}

}  // namespace
}  // namespace pool::test
