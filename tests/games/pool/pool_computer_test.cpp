// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's choices: how far a ball rolls, the pots a table offers
// (clear paths, cut, pocket), the targets of a group, the shot it picks
// after playing the best ones out, and where it puts the cue ball in hand.
#include <gtest/gtest.h>

#include <cmath>

#include "games/pool/model/pool_computer.h"

namespace pool::test {
namespace {

struct Layout {
  TableState t;
  void Put(int n, CPoint at) {
    t.pos[static_cast<std::size_t>(n)] = at;
    t.onTable[static_cast<std::size_t>(n)] = true;
  }
};

int NoRandom(int) { return 0; }
// Club's eye with a cue that goes where it is aimed: what it chooses, not how it strays.
constexpr CueHand kSteadyHand{skill::ComputerSkill::Club, 0.0};

TEST(PoolComputer, ABallRollsByTheFrictionStepsOfEachLevel) {
  EXPECT_DOUBLE_EQ(RollDistance(1.0), 51.0);
  EXPECT_DOUBLE_EQ(RollDistance(2.0), 2.0 * 101 + 51);
  EXPECT_DOUBLE_EQ(RollDistance(0.4), 0.0);
  EXPECT_DOUBLE_EQ(SpeedAfter(3.0, 100.0), 3.0);
  EXPECT_DOUBLE_EQ(SpeedAfter(3.0, 500.0), 2.0);
  EXPECT_DOUBLE_EQ(SpeedAfter(1.0, 60.0), 0.0);
}

TEST(PoolComputer, AStraightPotIsFoundWithTheCueBallAimedAtTheGhostBall) {
  Layout l;
  l.Put(0, {299, 250});
  l.Put(3, {299, 160});
  const std::vector<PotLine> pots = FindPots(l.t, {3});
  ASSERT_FALSE(pots.empty());
  EXPECT_EQ(pots.front().pocket, 1);  // straight up into the top middle pocket
  EXPECT_NEAR(pots.front().angle, 90.0, 1.0);
  EXPECT_NEAR(pots.front().cut, 0.0, 0.02);
}

TEST(PoolComputer, ABallInThePathRulesAPotOut) {
  Layout l;
  l.Put(0, {299, 250});
  l.Put(3, {299, 160});
  l.Put(8, {300, 120});  // the 8 between the 3 and the pocket
  for (const PotLine& p : FindPots(l.t, {3})) EXPECT_NE(p.pocket, 1);
  l.Put(8, {300, 200});  // the 8 between the cue ball and the 3
  for (const PotLine& p : FindPots(l.t, {3})) EXPECT_NE(p.pocket, 1);
}

TEST(PoolComputer, TargetsAreTheGroupThenTheEight) {
  Layout l;
  l.Put(0, {300, 192});
  l.Put(3, {340, 192});
  l.Put(12, {320, 192});
  l.Put(8, {301, 220});
  EXPECT_EQ(Targets(l.t, kOpenTable, false), (std::vector<int>{3, 12}));
  EXPECT_EQ(Targets(l.t, kSolids, false), (std::vector<int>{3}));
  EXPECT_EQ(Targets(l.t, kStripes, false), (std::vector<int>{12}));
  l.t.onTable[12] = false;
  EXPECT_EQ(Targets(l.t, kStripes, false), (std::vector<int>{8}));
  // With the cue ball in hand, balls in the kitchen do not count.
  l.Put(5, {450, 150});
  EXPECT_EQ(Targets(l.t, kSolids, true), (std::vector<int>{3}));
}

TEST(PoolComputer, ItPotsTheEasyBallAndCallsThePocketForTheEight) {
  Layout l;
  l.Put(0, {299, 250});
  l.Put(3, {299, 160});
  l.Put(12, {200, 250});
  const ComputerShot shot = PlanShot(l.t, kSolids, false, 0, NoRandom, kSteadyHand);
  ASSERT_TRUE(shot.any);
  EXPECT_EQ(shot.target, 3);
  EXPECT_FALSE(shot.safety);
  const ShotOutcome out = SimulateShot(l.t, shot.power, shot.angle);
  EXPECT_FALSE(out.after.onTable[3]);
  EXPECT_TRUE(out.after.onTable[kCueBall]);

  Layout eight;
  eight.Put(0, {299, 250});
  eight.Put(8, {299, 160});
  eight.Put(12, {200, 250});
  const ComputerShot last = PlanShot(eight.t, kSolids, false, 0, NoRandom, kSteadyHand);
  EXPECT_EQ(last.target, kEightBall);
  EXPECT_EQ(last.pocket, 1);
  EXPECT_EQ(SimulateShot(eight.t, last.power, last.angle).pocket[kEightBall], 1);
}

TEST(PoolComputer, ItNeverPotsTheEightEarlyNorLetsTheCueBallFollowIn) {
  // The 3 lies straight in line with the 8 and the top middle pocket: potting
  // the 3 there would take the 8 with it. The cue ball must not go in either.
  Layout l;
  l.Put(0, {299, 260});
  l.Put(3, {299, 200});
  l.Put(8, {299, 130});
  l.Put(10, {150, 150});
  const ComputerShot shot = PlanShot(l.t, kSolids, false, 0, NoRandom, kSteadyHand);
  ASSERT_TRUE(shot.any);
  const ShotOutcome out = SimulateShot(l.t, shot.power, shot.angle);
  EXPECT_TRUE(out.after.onTable[kEightBall]);
  EXPECT_TRUE(out.after.onTable[kCueBall]);
  EXPECT_EQ(out.firstHit, 3);
}

TEST(PoolComputer, WithNoClearPotItPlaysSafeSoftly) {
  // Its only ball hides behind two of the other group's by the top cushion.
  Layout l;
  l.Put(0, {300, 280});
  l.Put(3, {300, 110});
  l.Put(12, {300, 140});
  l.Put(13, {270, 130});
  l.Put(14, {330, 130});
  const ComputerShot shot = PlanShot(l.t, kSolids, false, 0, NoRandom, kSteadyHand);
  ASSERT_TRUE(shot.any);
  EXPECT_TRUE(shot.safety);
  EXPECT_LE(shot.power, 5.0);
}

TEST(PoolComputer, TheCueBallInHandGoesWhereItHasAPot) {
  Layout l;
  l.Put(3, {300, 150});
  l.t.pos[kCueBall] = {0, 0};
  const CPoint spot = PlaceInHand(l.t, kSolids);
  EXPECT_TRUE(InKitchen(spot));
  l.Put(0, spot);
  EXPECT_FALSE(FindPots(l.t, {3}).empty());
}

}  // namespace
}  // namespace pool::test
