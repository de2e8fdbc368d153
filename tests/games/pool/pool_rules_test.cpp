// SPDX-License-Identifier: GPL-3.0-or-later
// The 8-ball rules as plain functions: judgement, turns and groups, aiming
// power and pocket calls.
#include <gtest/gtest.h>

#include "games/pool/model/pool_rules.h"

namespace pool::test {
namespace {

BallFlags AllOn() {
  BallFlags f{};
  f.fill(true);
  return f;
}

BallFlags Without(BallFlags f, std::initializer_list<int> down) {
  for (int n : down) f[static_cast<std::size_t>(n)] = false;
  return f;
}

TEST(PoolRules, TheEightBallIsJudgedByGroupCallAndCueBall) {
  const BallFlags solidsGone = Without(AllOn(), {1, 2, 3, 4, 5, 6, 7});
  EXPECT_EQ(JudgeShot(Without(AllOn(), {8}), kOpenTable, 2, -1), Verdict::EightOutOfTurn);
  EXPECT_EQ(JudgeShot(Without(AllOn(), {3, 8}), kSolids, 2, 2), Verdict::EightOutOfTurn);
  EXPECT_EQ(JudgeShot(Without(solidsGone, {8}), kSolids, 4, 4), Verdict::Win);
  EXPECT_EQ(JudgeShot(Without(solidsGone, {8}), kSolids, 4, 1), Verdict::EightWrongPocket);
  EXPECT_EQ(JudgeShot(Without(solidsGone, {8}), kSolids, 4, -1), Verdict::EightWrongPocket);
  // A scratch with the group cleared loses even with the 8 still on the table.
  EXPECT_EQ(JudgeShot(Without(solidsGone, {0}), kSolids, kNoPocket, -1), Verdict::ScratchOnEight);
  EXPECT_EQ(JudgeShot(Without(AllOn(), {0, 9}), kStripes, kNoPocket, -1), Verdict::PlayOn);
  EXPECT_TRUE(IsOnEightBall(solidsGone, kSolids));
  EXPECT_FALSE(IsOnEightBall(solidsGone, kOpenTable));
  EXPECT_FALSE(IsOnEightBall(Without(solidsGone, {8}), kSolids));
}

TEST(PoolRules, OnAnOpenTableTheLastBallDownInNumberOrderSetsTheGroups) {
  Groups groups;
  const BallFlags before{};
  EXPECT_FALSE(TurnPasses(groups, 0, false, 1, Without(AllOn(), {3, 12}), before));
  EXPECT_TRUE(groups.set);
  EXPECT_EQ(groups.seat[0], kStripes);
  EXPECT_EQ(groups.seat[1], kSolids);

  Groups second;
  EXPECT_FALSE(TurnPasses(second, 1, false, 5, Without(AllOn(), {2}), before));
  EXPECT_EQ(second.seat[1], kSolids);
  EXPECT_EQ(second.seat[0], kStripes);

  // The 8 alone settles the table without giving anyone a group.
  Groups eight;
  EXPECT_TRUE(TurnPasses(eight, 0, false, 1, Without(AllOn(), {8}), before));
  EXPECT_TRUE(eight.set);
  EXPECT_EQ(eight.seat[0], kOpenTable);
}

TEST(PoolRules, TheTurnPassesOnAMissAWrongFirstBallOrAScratch) {
  BallFlags before{};
  before[3] = true;  // down before this shot: it settles nothing now
  Groups open;
  EXPECT_TRUE(TurnPasses(open, 0, false, 1, Without(AllOn(), {3}), before));
  EXPECT_FALSE(open.set);

  Groups groups;
  groups.set = true;
  groups.seat = {kSolids, kStripes};
  EXPECT_TRUE(TurnPasses(groups, 0, false, -1, AllOn(), {}));
  EXPECT_TRUE(TurnPasses(groups, 0, true, 2, Without(AllOn(), {2}), {}));
  EXPECT_TRUE(TurnPasses(groups, 0, false, 10, Without(AllOn(), {2}), {}));  // a stripe first
  EXPECT_FALSE(TurnPasses(groups, 0, false, 2, Without(AllOn(), {2}), {}));
  EXPECT_TRUE(TurnPasses(groups, 0, false, 2, Without(AllOn(), {11}), {}));  // only theirs went down
  // The 8 counts as a solid for the first hit and as one's own ball to sink.
  EXPECT_FALSE(TurnPasses(groups, 0, false, 8, Without(AllOn(), {1}), {}));
  EXPECT_TRUE(TurnPasses(groups, 1, false, 8, Without(AllOn(), {9}), {}));
  EXPECT_FALSE(TurnPasses(groups, 1, false, 9, Without(AllOn(), {8}), {}));
}

TEST(PoolRules, PowerGrowsWithTheDragFromHalfAtTenPixelsToSevenAtOneFortyAndBeyond) {
  const CPoint cue{411, 192};
  EXPECT_DOUBLE_EQ(AimPower(cue, {421, 192}), 0.5);
  EXPECT_DOUBLE_EQ(AimPower(cue, {420, 192}), 0.0);
  EXPECT_DOUBLE_EQ(AimPower(cue, {411, 232}), 2.0);
  EXPECT_DOUBLE_EQ(AimPower(cue, {411, 332}), 7.0);
  EXPECT_DOUBLE_EQ(AimPower(cue, {600, 400}), 7.0);
  // The cue ball runs from the mouse through its centre.
  EXPECT_NEAR(AimAngle(cue, {451, 192}), 180.0, 1e-7);
  EXPECT_NEAR(AimAngle(cue, {371, 192}), 0.0, 1e-7);
  EXPECT_NEAR(AimAngle(cue, {411, 232}), 90.0, 1e-7);
}

TEST(PoolRules, APocketIsCalledWithinTwentyPixelsOfItsCallPoint) {
  EXPECT_EQ(PickPocket(299 + 15, 82), 1);
  EXPECT_EQ(PocketMessage(1), "Top Middle Pocket Selected");
  EXPECT_EQ(PickPocket(299 + 25, 82), -1);
  EXPECT_EQ(PickPocket(299 + 20, 82), -1);
  EXPECT_EQ(PickPocket(89, 297 - 19), 5);
  EXPECT_EQ(PocketMessage(5), "Bottom Left Corner Pocket Selected");
  EXPECT_EQ(PocketMessage(6), "");
}

TEST(PoolRules, TheKitchenStartsAtTheHeadString) {
  EXPECT_TRUE(InKitchen({411, 150}));
  EXPECT_FALSE(InKitchen({410, 150}));
  EXPECT_FALSE(InKitchen({509, 150}));
  EXPECT_FALSE(InKitchen({450, 295}));
  EXPECT_STREQ(GroupWord(kSolids), "solid");
  EXPECT_STREQ(GroupWord(kStripes), "stripe");
  EXPECT_STREQ(GroupWord(kOpenTable), "open table");
}

}  // namespace
}  // namespace pool::test
