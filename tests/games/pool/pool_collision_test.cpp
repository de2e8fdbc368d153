// SPDX-License-Identifier: GPL-3.0-or-later
// Balls meeting balls: contact, the back-up to the moment of contact, the
// exchange along the line of centres (momentum kept, energy never made), the
// separation that leaves no two balls inside each other, and a rack's
// contacts settled all at once.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "fake_table.h"
#include "games/pool/model/pool_contacts.h"

namespace pool::test {
namespace {

double Distance(const CPoolBall& a, const CPoolBall& b) {
  const double dx = a.GetPosX() - b.GetPosX(), dy = a.GetPosY() - b.GetPosY();
  return std::sqrt(dx * dx + dy * dy);
}

double Energy(const CPoolBall& a, const CPoolBall& b) { return a.m_dSpeed * a.m_dSpeed + b.m_dSpeed * b.m_dSpeed; }

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
  CPoolBall a(&table, {201, 192}, 0, 0, kCushion, 0);
  CPoolBall b(&table, {214, 192}, 0, 0, kCushion, 1);
  a.SetVelocity(5.0, 0.0);
  EXPECT_TRUE(a.Collide(b));
  EXPECT_NEAR(a.m_dSpeed, 0.0, 1e-9);
  EXPECT_NEAR(b.m_dSpeed, 5.0, 1e-9);
  EXPECT_NEAR(b.m_dHeading, 0.0, 1e-9);
  EXPECT_EQ(b.GetPosX(), 214);  // the moving ball backed up to the contact; the other did not move
  EXPECT_EQ(a.GetPosX(), 200);
  EXPECT_EQ(table.Count(kClickHardSound), 1);
}

TEST(PoolCollision, ABallStruckOffCentreGoesOffAlongTheLineOfCentresAtTheMomentOfContact) {
  FakeTable table;
  // Rolling left along y = 192 at 7 a step, the moving ball has run 5 px into
  // a ball 7 px above its line; it first touched it 12.1 px to its right.
  CPoolBall a(&table, {180, 192}, 0, 0, kCushion, 1);
  CPoolBall b(&table, {173, 185}, 0, 0, kCushion, 9);
  a.SetVelocity(7.0, 180.0);
  EXPECT_NEAR(a.ContactBackOff(b), 5.12, 0.01);
  a.Collide(b);
  // The struck ball goes off 30 degrees above the line, not the 45 degrees the overlap would show.
  EXPECT_NEAR(b.m_dHeading * kRadToDeg, 150.0, 0.5);
  EXPECT_NEAR(b.m_dSpeed, 7.0 * std::cos(30.0 * kDegToRad), 0.05);
  EXPECT_GE(Distance(a, b), 14.0);
}

TEST(PoolCollision, NoCollisionOfARandomPairMakesEnergyAndMomentumIsKept) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int struck = 0;
  for (int trial = 0; trial < 5000; ++trial) {
    FakeTable table;
    const int bx = 300, by = 192;
    const double around = unit(rng) * 6.283185307, gap = 6.0 + 7.9 * unit(rng);
    const int ax = bx + static_cast<int>(std::lround(std::cos(around) * gap));
    const int ay = by - static_cast<int>(std::lround(std::sin(around) * gap));
    CPoolBall a(&table, {ax, ay}, 0, 0, kCushion, 0);
    CPoolBall b(&table, {bx, by}, 0, 0, kCushion, 1);
    a.SetVelocity(7.0 * unit(rng), 360.0 * unit(rng));
    if (unit(rng) < 0.6) b.SetVelocity(7.0 * unit(rng), 360.0 * unit(rng));
    if (!a.Overlaps(b)) continue;
    const double before = Energy(a, b), px = a.m_dVelX + b.m_dVelX, py = a.m_dVelY + b.m_dVelY;
    const double vax = a.m_dVelX, vay = a.m_dVelY, vbx = b.m_dVelX, vby = b.m_dVelY;
    SCOPED_TRACE(trial);
    const BOOL hit = a.Collide(b);
    struck += hit;
    EXPECT_LE(Energy(a, b), before);
    if (hit) {
      EXPECT_NEAR(Energy(a, b), before, 1e-6 * (1.0 + before));
      EXPECT_NEAR(a.m_dVelX + b.m_dVelX, px, 1e-6);
      EXPECT_NEAR(a.m_dVelY + b.m_dVelY, py, 1e-6);
    } else {
      // Balls already parting are only pushed apart: their motion stays.
      EXPECT_NEAR(a.m_dVelX, vax, 1e-9);
      EXPECT_NEAR(a.m_dVelY, vay, 1e-9);
      EXPECT_NEAR(b.m_dVelX, vbx, 1e-9);
      EXPECT_NEAR(b.m_dVelY, vby, 1e-9);
    }
    EXPECT_GE(Distance(a, b), 14.0);
    EXPECT_TRUE(std::isfinite(a.m_dSpeed) && std::isfinite(b.m_dSpeed));
  }
  EXPECT_GT(struck, 1000);
}

TEST(PoolCollision, BothBallsOfAnOverlappingPairStandApartAlongTheLineOfCentres) {
  FakeTable table;
  CPoolBall a(&table, {300, 192}, 0, 0, kCushion, 0);
  CPoolBall b(&table, {306, 192}, 0, 0, kCushion, 1);
  a.Separate(b);
  EXPECT_EQ(a.GetPosY(), 192);
  EXPECT_EQ(b.GetPosY(), 192);
  EXPECT_EQ(a.GetPosX(), 296);  // each went half the way
  EXPECT_EQ(b.GetPosX(), 310);
  EXPECT_EQ(a.m_dSpeed, 0.0);  // and neither was set rolling
  EXPECT_EQ(b.m_dSpeed, 0.0);
}

TEST(PoolCollision, ABallAgainstACushionStaysAndTheOtherGoesTheWholeWay) {
  FakeTable table;
  CPoolBall a(&table, {kBedLeft, 192}, 0, 0, kCushion, 0);
  CPoolBall b(&table, {kBedLeft + 8, 192}, 0, 0, kCushion, 1);
  a.Separate(b);
  EXPECT_EQ(a.GetPosX(), kBedLeft);
  EXPECT_GE(Distance(a, b), 14.0);
}

TEST(PoolCollision, ABallStrikingTwoAtOnceMovesBoth) {
  FakeTable table;
  CPoolBall cue(&table, {190, 192}, 0, 0, kCushion, 0);
  CPoolBall up(&table, {173, 185}, 0, 0, kCushion, 9);
  CPoolBall down(&table, {173, 199}, 0, 0, kCushion, 7);
  TableBalls balls{};
  balls[0] = &cue;
  balls[9] = &up;
  balls[7] = &down;
  for (int n = 1; n < kBallCount; ++n)
    if (!balls[static_cast<std::size_t>(n)]) {
      static CPoolBall off(nullptr, {0, 0}, 0, 0, kCushion, 1);
      balls[static_cast<std::size_t>(n)] = &off;
    }
  cue.SetVelocity(7.0, 180.0);
  int hits = 0;
  ContactEvents events;
  events.onHit = [&hits](int, int) { ++hits; };
  for (int i = 0; i < 10 && hits == 0; ++i) {
    StepBalls(balls, events);
    table.now += 1;
  }
  EXPECT_EQ(hits, 2);
  EXPECT_EQ(table.Count(kClickHardSound), 2);  // one click for each ball struck
  EXPECT_GT(up.m_dSpeed, 2.0);
  EXPECT_GT(down.m_dSpeed, 2.0);
  EXPECT_GE(Distance(cue, up), 14.0);
  EXPECT_GE(Distance(cue, down), 14.0);
  EXPECT_GE(Distance(up, down), 14.0);
}

}  // namespace
}  // namespace pool::test
