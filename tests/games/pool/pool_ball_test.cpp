// SPDX-License-Identifier: GPL-3.0-or-later
// Rolling, friction, cushions and pockets of a single ball.
#include <gtest/gtest.h>

#include <cmath>

#include "fake_table.h"

namespace pool::test {
namespace {

TEST(PoolBall, RunsThroughTheSpeedLevelsAtTheirOwnPace) {
  FakeTable table;
  // Along y = 192 with no cushion in reach: no pocket lies on that line.
  CPoolBall ball(&table, {200, 192}, 0, 0, kOpenField, 1);
  ball.SetVelocity(7.0, 0.0);
  const DWORD start = table.now;
  int steps = 0;
  while (ball.m_dSpeed == 7.0) {
    const int x = ball.GetPosX();
    const int before = table.shown;
    ASSERT_TRUE(ball.Step());
    if (table.shown != before) {
      ++steps;
      if (ball.m_dSpeed == 7.0) {
        EXPECT_EQ(ball.GetPosX() - x, 7);
      }
    }
    table.now = ball.NextStepDue(table.now);
  }
  // 351 steps of 7 pixels, one millisecond apart, before slowing to 6.
  EXPECT_EQ(steps, 351);
  EXPECT_EQ(table.now - start, 351u);
  EXPECT_EQ(ball.m_dSpeed, 6.0);
  EXPECT_EQ(ball.GetPosX(), 200 + 351 * 7);
  EXPECT_EQ(ball.GetPosY(), 192);
  // Then 301 steps at 6, two milliseconds apart.
  const DWORD six = table.now;
  steps = 0;
  while (ball.m_dSpeed == 6.0) {
    const int before = table.shown;
    ASSERT_TRUE(ball.Step());
    steps += table.shown != before;
    table.now = ball.NextStepDue(table.now);
  }
  EXPECT_EQ(steps, 301);
  EXPECT_EQ(table.now - six, 602u);
}

TEST(PoolBall, BetweenHalfAndOneItMakesOneStepAndStops) {
  FakeTable table;
  CPoolBall ball(&table, {200, 192}, 0, 0, kCushion, 3);
  ball.SetVelocity(0.8, 90.0);
  EXPECT_EQ(table.RollUntilStopped(ball), 1);
  EXPECT_EQ(ball.m_dSpeed, 0.0);
  EXPECT_FALSE(ball.Step());
}

TEST(PoolBall, StraightIntoTheLeftCushionAtSevenComesBackAtSixAndAHalf) {
  FakeTable table;
  CPoolBall ball(&table, {120, 192}, 0, 0, kCushion, 0);
  ball.SetVelocity(7.0, 180.0);
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(ball.Step());
    table.now = ball.NextStepDue(table.now + 1);
    ASSERT_TRUE(ball.Step());
  }
  // 120 -> 113 -> 106 -> 99 -> 92, reflected to 106.
  EXPECT_EQ(ball.GetPosX(), 2 * 92 + 14 - 92);
  EXPECT_EQ(ball.GetPosY(), 192);
  EXPECT_DOUBLE_EQ(ball.m_dSpeed, 6.5);
  EXPECT_GT(ball.m_dVelX, 6.49);
  EXPECT_EQ(ball.m_dVelY, 0.0);
  EXPECT_EQ(table.Count(kCushionHardSound), 1);
}

TEST(PoolBall, ABallReachingACushionBelowOneStopsThere) {
  FakeTable table;
  CPoolBall ball(&table, {99, 192}, 0, 0, kCushion, 0);
  ball.SetVelocity(0.9, 180.0);
  EXPECT_EQ(table.RollUntilStopped(ball), 1);
  EXPECT_EQ(ball.m_dSpeed, 0.0);
  EXPECT_EQ(ball.GetPosX(), 100);  // 98 reflected off the cushion line
  EXPECT_EQ(table.Count(kCushionSoftSound), 1);
  EXPECT_TRUE(ball.m_bOnTable);
}

TEST(PoolBall, InsideThePocketMouthNoCushionActsAndTheBallDrops) {
  FakeTable table;
  CPoolBall ball(&table, {100, 150}, 0, 0, kCushion, 9);
  ball.SetVelocity(3.0, 90.0);  // straight up the left side, centre on x = 100
  table.RollUntilStopped(ball);
  EXPECT_FALSE(ball.m_bOnTable);
  EXPECT_EQ(ball.m_nPocket, 0);
  EXPECT_EQ(table.Count(kCushionSoftSound) + table.Count(kCushionHardSound), 0);
  EXPECT_EQ(table.Count(kPocketSound), 1);
  EXPECT_EQ(ball.m_dSpeed, 0.0);
  // Ball 9 waits in the tray.
  EXPECT_EQ(ball.GetPosX(), 345);
  EXPECT_EQ(ball.GetPosY(), 340);
}

TEST(PoolBall, RollingStraightAlongTheMiddlePocketsEdgeStaysOnTheTable) {
  FakeTable table;
  CPoolBall ball(&table, {314, 150}, 0, 0, kCushion, 4);
  ball.SetVelocity(2.0, 90.0);
  table.RollUntilStopped(ball);
  EXPECT_TRUE(ball.m_bOnTable);
  EXPECT_GE(ball.GetPosY(), kCushion.top + kBallRadius);
}

TEST(PoolBall, PocketedBallsLieInTheTray) {
  EXPECT_EQ(TrayPosition(8).x, 270);
  EXPECT_EQ(TrayPosition(8).y, 340);
  EXPECT_EQ(TrayPosition(9).x, 345);
  EXPECT_EQ(TrayPosition(1).x, 130);
  EXPECT_EQ(TrayPosition(15).x, 465);
  EXPECT_EQ(TrayPosition(0).x, 130);
  EXPECT_EQ(TrayPosition(0).y, 380);
}

TEST(PoolBall, PocketsAreTestedInTheirOrderAndDoNotOverlap) {
  for (std::size_t a = 0; a < kPocketRects.size(); ++a)
    for (std::size_t b = a + 1; b < kPocketRects.size(); ++b) {
      CRect both;
      EXPECT_FALSE(both.IntersectRect(kPocketRects[a], kPocketRects[b])) << a << " and " << b;
    }
  FakeTable table;
  CPoolBall ball(&table, {300, 100}, 0, 0, kCushion, 5);
  ball.SetVelocity(2.0, 90.0);
  table.RollUntilStopped(ball);
  EXPECT_EQ(ball.m_nPocket, 1);
}

TEST(PoolBall, ASpeedPastTheTopLevelPacesAsTheTopLevel) {
  FakeTable table;
  CPoolBall ball(&table, {200, 192}, 0, 0, kOpenField, 2);
  ball.SetVelocity(9.5, 0.0);
  EXPECT_EQ(ball.SpeedLevel(), 7);
  int moved = 0;
  for (int i = 0; i < 2000 && ball.m_dSpeed > 9.0; ++i) {
    const int before = table.shown;
    ball.Step();
    moved += table.shown != before;
    table.now = ball.NextStepDue(table.now);
  }
  EXPECT_EQ(moved, 351);
  EXPECT_DOUBLE_EQ(ball.m_dSpeed, 8.5);
}

TEST(PoolBall, WithoutAPictureABallNeverMoves) {
  CPoolBall ball(nullptr, {200, 192}, 5.0, 0.0, kCushion, 1);
  EXPECT_FALSE(ball.Step());
  EXPECT_EQ(ball.GetPosX(), 200);
}

}  // namespace
}  // namespace pool::test
