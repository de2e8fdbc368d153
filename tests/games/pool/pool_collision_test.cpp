// SPDX-License-Identifier: GPL-3.0-or-later
// Balls meeting balls: contact, the exchange along the line of centres,
// momentum, and the separation that leaves no two balls overlapping.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "fake_table.h"

namespace pool::test {
namespace {

double Distance(const CPoolBall& a, const CPoolBall& b) {
  const double dx = a.GetPosX() - b.GetPosX(), dy = a.GetPosY() - b.GetPosY();
  return std::sqrt(dx * dx + dy * dy);
}

TEST(PoolCollision, TouchingMeansCentresCloserThanADiameterAndSoundsByThisBallsSpeed) {
  FakeTable table;
  CPoolBall a(&table, {200, 200}, 0, 0, kCushion, 1);
  CPoolBall b(&table, {214, 200}, 0, 0, kCushion, 2);
  EXPECT_FALSE(a.Touches(b));  // exactly a diameter apart
  b.MoveTo(213, 200);
  EXPECT_TRUE(a.Touches(b));
  b.MoveTo(210, 210);  // 14.1 apart although the pictures overlap
  EXPECT_FALSE(a.Touches(b));
  b.MoveTo(209, 209);
  a.SetVelocity(4.0, 0);
  EXPECT_TRUE(a.Touches(b));
  EXPECT_EQ(table.sounds.back(), kClickHardSound);
  a.SetVelocity(3.9, 0);
  EXPECT_TRUE(a.Touches(b));
  EXPECT_EQ(table.sounds.back(), kClickSoftSound);
  CPoolBall ghost(nullptr, {200, 200}, 0, 0, kCushion, 3);
  EXPECT_FALSE(a.Touches(ghost));
}

TEST(PoolCollision, HeadOnTheMovingBallStopsAndTheOtherTakesItsSpeedAndHeading) {
  FakeTable table;
  CPoolBall a(&table, {200, 192}, 0, 0, kCushion, 0);
  CPoolBall b(&table, {214, 192}, 0, 0, kCushion, 1);
  a.SetVelocity(5.0, 0.0);
  a.Collide(b);
  EXPECT_NEAR(a.m_dSpeed, 0.0, 1e-9);
  EXPECT_NEAR(b.m_dSpeed, 5.0, 1e-9);
  EXPECT_NEAR(b.m_dHeading, 0.0, 1e-9);
  EXPECT_EQ(b.GetPosX(), 214);
}

TEST(PoolCollision, AShotStraightAtABallPassesNearlyAllItsSpeedOn) {
  FakeTable table;
  CPoolBall cue(&table, {300, 192}, 0, 0, kCushion, 0);
  CPoolBall one(&table, {250, 192}, 0, 0, kCushion, 1);
  cue.SetVelocity(4.0, 180.0);
  for (int i = 0; i < 100 && !cue.Touches(one); ++i) {
    cue.Step();
    table.now = cue.NextStepDue(table.now);
  }
  ASSERT_TRUE(cue.Touches(one));
  cue.Collide(one);
  EXPECT_LT(cue.m_dSpeed, 1.0);
  EXPECT_GT(one.m_dSpeed, 3.9);
  EXPECT_LT(std::cos(one.m_dHeading), -0.99);  // off to the left
  EXPECT_GE(Distance(cue, one), 14.0);
}

TEST(PoolCollision, MomentumIsKeptAndNoTwoBallsOverlapAfterwards) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int trial = 0; trial < 500; ++trial) {
    FakeTable table;
    CPoolBall b(&table, {300, 192}, 0, 0, kCushion, 1);
    // A somewhere around B, overlapping it a little, rolling at it within 60 degrees.
    const double around = unit(rng) * 6.283185307;
    const double gap = 12.0 + 1.9 * unit(rng);
    const int ax = 300 + static_cast<int>(std::lround(std::cos(around) * gap));
    const int ay = 192 - static_cast<int>(std::lround(std::sin(around) * gap));
    CPoolBall a(&table, {ax, ay}, 0, 0, kCushion, 0);
    const double toward = std::atan2(static_cast<double>(ay - 192), static_cast<double>(300 - ax)) * kRadToDeg;
    a.SetVelocity(1.0 + 6.0 * unit(rng), toward + (unit(rng) - 0.5) * 120.0);
    if (!a.Touches(b)) continue;
    const double px = a.m_dVelX + b.m_dVelX, py = a.m_dVelY + b.m_dVelY;
    a.Collide(b);
    SCOPED_TRACE(trial);
    // Below 1.0 the first separation step's friction stops the ball; a ball left
    // at rest inside the other is pushed off at 1.0. Otherwise momentum is kept.
    if (b.m_dSpeed > 1.0) {
      EXPECT_NEAR(a.m_dVelX + b.m_dVelX, px, 1e-6);
      EXPECT_NEAR(a.m_dVelY + b.m_dVelY, py, 1e-6);
    }
    EXPECT_GE(Distance(a, b), 14.0);
    EXPECT_TRUE(std::isfinite(a.m_dSpeed) && std::isfinite(b.m_dSpeed));
  }
}

TEST(PoolCollision, ABallLeftAtRestInsideAnotherRollsAwayAtOneForFiftyOneStepsInAll) {
  FakeTable table;
  CPoolBall a(&table, {300, 192}, 0, 0, kCushion, 0);
  CPoolBall b(&table, {290, 192}, 0, 0, kCushion, 1);
  a.Collide(b);  // nothing moves: the exchange leaves B at rest, overlapping
  EXPECT_EQ(b.m_dSpeed, 1.0);
  EXPECT_GE(Distance(a, b), 14.0);
  const int separation = b.m_nFrictionSteps;
  EXPECT_GT(separation, 0);
  // With no further contact it rolls one pixel every 40 ms until friction stops it.
  std::vector<DWORD> moves;
  for (int i = 0; i < 1000; ++i) {
    const int x = b.GetPosX(), y = b.GetPosY();
    if (!b.Step()) break;
    if (b.GetPosX() != x || b.GetPosY() != y) moves.push_back(table.now);
    table.now = b.NextStepDue(table.now);
  }
  EXPECT_EQ(separation + static_cast<int>(moves.size()), 51);
  for (std::size_t i = 1; i < moves.size(); ++i) EXPECT_EQ(moves[i] - moves[i - 1], 40u);
  EXPECT_EQ(b.m_dSpeed, 0.0);
}

TEST(PoolCollision, TwinBallsTurnFiveDegreesApartWhileSeparating) {
  FakeTable table;
  CPoolBall a(&table, {300, 192}, 0, 0, kCushion, 0);
  CPoolBall b(&table, {310, 192}, 0, 0, kCushion, 1);
  a.SetVelocity(2.0, 30.0);
  b.SetVelocity(2.0, 30.0);
  const double vx = b.m_dVelX, vy = b.m_dVelY;
  b.SeparationStep(a);
  EXPECT_NEAR(b.m_dHeading * kRadToDeg, 35.0, 1e-9);
  EXPECT_EQ(b.m_dVelX, vx);  // the velocity itself is left as it was
  EXPECT_EQ(b.m_dVelY, vy);
  b.SeparationStep(a);
  EXPECT_NEAR(b.m_dHeading * kRadToDeg, 35.0, 1e-9);  // no longer twins
}

}  // namespace
}  // namespace pool::test
