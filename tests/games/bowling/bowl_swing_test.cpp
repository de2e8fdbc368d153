// SPDX-License-Identifier: GPL-3.0-or-later
// The swing: approach to lane, hold time to speed, key time to hook, the
// drag line to the ball's start, and the computer bowler's made-up swings.
#include <gtest/gtest.h>

#include <cmath>

#include "games/bowling/model/bowl_computer.h"
#include "games/bowling/model/bowl_lane.h"
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
}

TEST(BowlSwing, TheSpeedFollowsEveryMillisecondOfTheSwing) {
  EXPECT_DOUBLE_EQ(SpeedForSwing(0), kSwingFastSpeed);
  EXPECT_DOUBLE_EQ(SpeedForSwing(300), 0.5);
  EXPECT_DOUBLE_EQ(SpeedForSwing(1500), kSwingSlowSpeed);
  EXPECT_DOUBLE_EQ(SpeedForSwing(60000), kSwingSlowSpeed);
  // 20 ms more is a little slower, never the same ball.
  for (DWORD h = 100; h < 1500; h += 20) EXPECT_GT(SpeedForSwing(h), SpeedForSwing(h + 20)) << h;
  EXPECT_LT(SpeedForSwing(300) - SpeedForSwing(320), 0.01);
}

TEST(BowlSwing, TheBallStartsUnderTheReleaseAndTurnsByHalfTheDragsSlant) {
  // Straight up: the ball starts under the release point.
  const Launch straight = LaunchFromDrag({76, 380}, {76, 230});
  EXPECT_EQ(straight.startX, 76.0);
  EXPECT_EQ(straight.heading, kHalfPi);
  // Leaning right by 10 lane pixels over 150: half that angle to the right.
  const Launch right = LaunchFromDrag({60, 380}, {70, 230});
  EXPECT_EQ(right.startX, 70.0);
  EXPECT_NEAR(right.heading, kHalfPi - 0.5 * std::atan2(10.0, 150.0), 1e-12);
  // A 10-pixel slant moves the ball about 10 pixels by the pins, not into the gutter.
  Throw t;
  t.dStartX = right.startX;
  t.dHeading = right.heading;
  EXPECT_NEAR(PredictX(t, kPocketY) - t.dStartX, 10.0, 1.5);
  // No swing up the lane: straight on.
  EXPECT_EQ(LaunchFromDrag({60, 230}, {70, 380}).heading, kHalfPi);
}

TEST(BowlSwing, AHookBendsTheLineMoreAndMoreAtEverySpinPosition) {
  double last = 0.0;
  for (int spin = 1; spin <= kSettingMax; ++spin) {
    Throw t = ThrowFromSwing({77, 385}, {77, 230}, 300, spin, 1.0, false);
    const double bend = 77.0 - PredictX(t, kPocketY);  // Shift bends it left
    EXPECT_GT(bend, last + 5.0) << "spin " << spin;  // every position counts
    last = bend;
    // The line skids straight first, then curves progressively: each stretch
    // of the path turns more than the one before until it meets the pins.
    const std::vector<PathPoint> path = PredictPath(t, kPocketY, 20.0);
    ASSERT_GT(path.size(), 8u);
    EXPECT_NEAR(path[1].x, 77.0, 1e-9);
    double prevSlope = 0.0;
    for (std::size_t i = 1; i + 1 < path.size(); ++i) {
      const double slope = (path[i].x - path[i + 1].x) / (path[i].y - path[i + 1].y);
      EXPECT_GE(slope, prevSlope - 1e-9) << "spin " << spin << " at " << path[i].y;
      prevSlope = slope;
    }
  }
  // Maximum bends a good ball about 30 pixels by the head pin, a slow one more,
  // and a quarter turn of the key a quarter as much; Ctrl bends it the other way.
  const Throw fast = ThrowFromSwing({77, 385}, {77, 230}, 300, 3, 1.0, true);
  const Throw slow = ThrowFromSwing({77, 385}, {77, 230}, 1400, 3, 1.0, true);
  const double fastBend = PredictX(fast, kPocketY) - 77.0, slowBend = PredictX(slow, kPocketY) - 77.0;
  EXPECT_GT(fastBend, 25.0);
  EXPECT_LT(fastBend, 35.0);
  EXPECT_GT(slowBend, fastBend);
  const Throw quarter = ThrowFromSwing({77, 385}, {77, 230}, 300, 3, 0.25, true);
  EXPECT_NEAR(PredictX(quarter, kPocketY) - 77.0, fastBend / 4.0, 1.5);
  // Spin at None: the keys do nothing.
  EXPECT_EQ(ThrowFromSwing({77, 385}, {77, 230}, 300, 0, 1.0, true).hook.dTurn, 0.0);
}

TEST(BowlSwing, ComputerBowlersAimAtThePocketOrTheSpareAndChooseTheirOwnHook) {
  unsigned seed = 12345;
  const RandSource rand = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) & 0x7FFF);
  };
  int hooks = 0, left = 0, right = 0;
  double sum = 0.0;
  for (int i = 0; i < 2000; ++i) {
    const ComputerSwing s = MakeComputerSwing(rand, kFullRack, 3);
    EXPECT_GE(s.release.x, kLaneLeft + 4);
    EXPECT_LE(s.release.x, kLaneRight - 4);
    EXPECT_EQ(s.press.y, 385);
    EXPECT_EQ(s.release.y, 230);
    EXPECT_GE(s.holdMs, 220u);
    EXPECT_LT(s.holdMs, 540u);
    hooks += s.spinFactor > 0.0;
    left += s.spinFactor > 0.0 && !s.hookRight;
    right += s.spinFactor > 0.0 && s.hookRight;
    const Throw t = ThrowFromSwing(s.press, s.release, s.holdMs, 3, s.spinFactor, s.hookRight);
    sum += PredictX(t, kPocketY);
  }
  // About half hooked, from the right into the 1-3 pocket; on average at the pocket.
  EXPECT_GT(hooks, 800);
  EXPECT_LT(hooks, 1200);
  EXPECT_EQ(right, 0);
  EXPECT_NEAR(sum / 2000.0, 78.0, 1.5);
  // Spin at None: never a hook.
  for (int i = 0; i < 200; ++i) EXPECT_EQ(MakeComputerSwing(rand, kFullRack, 0).spinFactor, 0.0);
  // Spares: the 10 pin alone (spot 4, far right), the 7 pin alone, the 7-10.
  EXPECT_NEAR(ComputerTarget(1u << 3), kPinSpots[3].x, 7.0);
  EXPECT_NEAR(ComputerTarget(1u << 0), kPinSpots[0].x, 7.0);
  const unsigned twoPins = (1u << 7) | (1u << 4);  // the 2 and 4 pins: one line takes both
  const double x = ComputerTarget(twoPins);
  EXPECT_LE(std::abs(x - kPinSpots[7].x), 13.0);
  EXPECT_LE(std::abs(x - kPinSpots[4].x), 13.0);
}

}  // namespace
}  // namespace bowling
