// SPDX-License-Identifier: GPL-3.0-or-later
// The swing: approach to lane, hold time to speed, key time to hook, the
// drag line to the ball's start, and the computer bowler's made-up swings.
#include <gtest/gtest.h>

#include <cmath>

#include "games/bowling/model/bowl_computer.h"
#include "games/bowling/model/bowl_swing.h"

namespace bowling {
namespace {

TEST(BowlSwing, TheApproachMapsOntoTheLane) {
  EXPECT_EQ(MapX(176), 33);
  EXPECT_EQ(MapX(284), 120);
  EXPECT_EQ(MapX(230), 76);
}

TEST(BowlSwing, AQuickSwingIsFastAndASlowOneSlow) {
  EXPECT_EQ(SpeedIndexForSwing(0), 1);
  EXPECT_EQ(SpeedIndexForSwing(389), 1);  // 25 %
  EXPECT_EQ(SpeedIndexForSwing(390), 2);
  EXPECT_EQ(SpeedIndexForSwing(764), 2);
  EXPECT_EQ(SpeedIndexForSwing(765), 3);
  EXPECT_EQ(SpeedIndexForSwing(1139), 3);
  EXPECT_EQ(SpeedIndexForSwing(1140), 4);
  EXPECT_EQ(SpeedIndexForSwing(60000), 4);
  EXPECT_EQ(SpinFactor(0), 0.0);
  EXPECT_EQ(SpinFactor(1), 0.25);
  EXPECT_EQ(SpinFactor(250), 0.5);
  EXPECT_EQ(SpinFactor(749), 0.75);
  EXPECT_EQ(SpinFactor(750), 1.0);
  EXPECT_NEAR(HookStep(2, 0.5), kDegree, 1e-15);
}

TEST(BowlSwing, TheBallFollowsTheDragLine) {
  // Straight up: the ball starts below the press point.
  Launch straight = LaunchFromDrag({76, 380}, {76, 230});
  EXPECT_EQ(straight.startX, 76.0);
  EXPECT_EQ(straight.heading, kHalfPi);
  // Leaning right: it starts where the line crosses y 206, heading up and right.
  Launch right = LaunchFromDrag({60, 380}, {70, 230});
  EXPECT_EQ(right.startX, static_cast<int>(60 + 174.0 / 15.0));
  EXPECT_NEAR(right.heading, std::atan2(174.0, right.startX - 60), 1e-12);
  EXPECT_LT(right.heading, kHalfPi);
  // The hook turns by its step and never past 45 degrees either side of straight.
  EXPECT_NEAR(HookedHeading(kHalfPi, 0.1, false), kHalfPi + 0.1, 1e-12);
  EXPECT_NEAR(HookedHeading(kHalfPi, 0.1, true), kHalfPi - 0.1, 1e-12);
  EXPECT_EQ(HookedHeading(2.3, 0.1, false), 2.3);
  EXPECT_EQ(HookedHeading(0.8, 0.1, true), 0.8);
}

TEST(BowlSwing, ComputerSwingsStayOnTheLane) {
  unsigned seed = 12345;
  const RandSource rand = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) & 0x7FFF);
  };
  int fast = 0;
  for (int i = 0; i < 2000; ++i) {
    const ComputerSwing s = MakeComputerSwing(rand);
    EXPECT_GE(s.press.x, kLaneLeft + 2);
    EXPECT_LE(s.press.x, kLaneLeft + 85);
    EXPECT_LE(std::abs(s.release.x - s.press.x), 5);
    EXPECT_EQ(s.press.y, 369);
    EXPECT_EQ(s.release.y, 251);
    ASSERT_TRUE(s.speedIndex == 1 || s.speedIndex == 2);
    fast += s.speedIndex == 1;
  }
  EXPECT_GT(fast, 800);
  EXPECT_LT(fast, 1200);
  // Always the largest values: the far right, drifting back towards the middle.
  const ComputerSwing top = MakeComputerSwing([] { return 32767; });
  EXPECT_EQ(top.press.x, 85 + kLaneLeft);
  EXPECT_EQ(top.release.x, 80 + kLaneLeft);
  EXPECT_EQ(top.speedIndex, 2);
}

}  // namespace
}  // namespace bowling
