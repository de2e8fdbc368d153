// SPDX-License-Identifier: GPL-3.0-or-later
// Spin on the cue ball, measured: a full hit from 60 cm with draw, stun and
// follow; english off a cushion and the throw it gives; and no contact or
// sliding step that makes energy, spin counted in.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>

#include "fake_table.h"
#include "games/pool/model/pool_contacts.h"
#include "games/pool/model/pool_sim.h"

namespace pool::test {
namespace {

// 60 cm at the table's scale, the bed a nine-foot table's 2540 mm long (the
// balls are drawn larger than that scale: at theirs, 57 mm to 14 px, 60 cm
// is 147 px, and the measure is printed for that too).
constexpr double kTableLength = kCushion.right - kCushion.left;
constexpr double kSixtyCm = 600.0 * kTableLength / 2540.0;
constexpr double kSixtyCmByBall = 600.0 * kBallDiameter / 57.15;

// Energy of a ball in units of its mass: speed, and the spin of a solid ball (2/5 of it).
double Energy(const CPoolBall& b) {
  return b.m_dSpeed * b.m_dSpeed + 0.4 * (b.m_dSpinX * b.m_dSpinX + b.m_dSpinY * b.m_dSpinY + b.m_dSide * b.m_dSide);
}

struct AfterHit {
  double contactX = 0;
  double furthestBack = 0;  // toward where it came from, past the contact
  double furthestOn = 0;    // on past the contact, the way it was going
  double restX = 0;
};

// The cue ball strikes a ball kSixtyCm away straight on, rolling left; once
// they meet the struck ball is lifted off so only the cue ball's own run is measured.
AfterHit FullHit(double power, double tipY, double distance = kSixtyCm) {
  FakeTable env;
  std::array<std::unique_ptr<CPoolBall>, kBallCount> owned;
  TableBalls balls{};
  const int objectX = 250, cueX = objectX + static_cast<int>(std::lround(distance));
  owned[0] = std::make_unique<CPoolBall>(&env, CPoint{cueX, 192}, 0.0, 0.0, kCushion, 0);
  owned[1] = std::make_unique<CPoolBall>(&env, CPoint{objectX, 192}, 0.0, 0.0, kCushion, 1);
  balls[0] = owned[0].get();
  balls[1] = owned[1].get();
  AfterHit out;
  bool hit = false;
  ContactEvents events;
  events.onHit = [&](int, int) { hit = true; };
  CPoolBall& cue = *balls[0];
  cue.Strike(power, 180.0, 0.0, tipY);
  while (StepBalls(balls, events) > 0) {
    if (hit && balls[1]->m_bOnTable) {
      out.contactX = cue.GetPosX();
      balls[1]->m_bOnTable = FALSE;
    }
    if (hit) {
      out.furthestBack = std::max(out.furthestBack, cue.GetPosX() - out.contactX);
      out.furthestOn = std::max(out.furthestOn, out.contactX - cue.GetPosX());
    }
    DWORD due = env.now;
    if (!NextDue(balls, env.now, due)) break;
    env.now = due;
  }
  out.restX = cue.GetPosX();
  return out;
}

TEST(PoolSpin, AFullHitFromSixtyCentimetresDrawsBackFollowsOnOrStops) {
  for (double power : {5.0, 7.0}) {
    SCOPED_TRACE(power);
    const AfterHit draw = FullHit(power, -1.0), stun = FullHit(power, 0.0), follow = FullHit(power, 1.0);
    RecordProperty("draw_back_px_at_" + std::to_string(static_cast<int>(power)), std::to_string(draw.furthestBack));
    RecordProperty("follow_on_px_at_" + std::to_string(static_cast<int>(power)), std::to_string(follow.furthestOn));
    RecordProperty("stun_off_px_at_" + std::to_string(static_cast<int>(power)),
                   std::to_string(std::fabs(stun.restX - stun.contactX)));
    const AfterHit byBall = FullHit(power, -1.0, kSixtyCmByBall);
    std::printf("power %.0f from %.0f px: draw back %.0f, follow on %.0f, stun %.0f off; from %.0f px draw back %.0f\n",
                power, kSixtyCm, draw.furthestBack, follow.furthestOn, std::fabs(stun.restX - stun.contactX),
                kSixtyCmByBall, byBall.furthestBack);
    // Stun: the centre stops it dead, within a ball's width of where it struck.
    EXPECT_LE(std::fabs(stun.restX - stun.contactX), kBallDiameter);
    // Follow runs on through the struck ball's place.
    EXPECT_GT(follow.furthestOn, 2.0 * kBallDiameter);
    EXPECT_EQ(follow.furthestBack, 0.0);
    if (power == 7.0) {
      // Full draw brings it back a quarter of the table's length.
      EXPECT_GE(draw.furthestBack, kTableLength / 4.0);
    } else {
      // Softer, the draw mostly wears off on the way: it still comes back.
      EXPECT_GT(draw.furthestBack, 0.0);
    }
    EXPECT_EQ(draw.furthestOn, 0.0);
  }
}

TEST(PoolSpin, NoContactOfSpinningBallsMakesEnergy) {
  std::mt19937 rng(17);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int struck = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    FakeTable env;
    const double around = unit(rng) * 6.283185307, gap = 6.0 + 7.9 * unit(rng);
    CPoolBall a(&env, {300 + static_cast<int>(std::lround(std::cos(around) * gap)),
                       192 - static_cast<int>(std::lround(std::sin(around) * gap))},
                0, 0, kCushion, 0);
    CPoolBall b(&env, {300, 192}, 0, 0, kCushion, 1);
    a.Strike(7.0 * unit(rng), 360.0 * unit(rng), 2.0 * unit(rng) - 1.0, 2.0 * unit(rng) - 1.0);
    if (unit(rng) < 0.5) b.Strike(7.0 * unit(rng), 360.0 * unit(rng), 2.0 * unit(rng) - 1.0, 2.0 * unit(rng) - 1.0);
    if (!a.Overlaps(b)) continue;
    TableBalls balls{};
    balls[0] = &a;
    balls[1] = &b;
    const double before = Energy(a) + Energy(b);
    int hits = 0;
    ContactEvents events;
    events.onHit = [&](int, int) { ++hits; };
    ResolveContacts(balls, 0, events);
    struck += hits > 0;
    SCOPED_TRACE(trial);
    EXPECT_LE(Energy(a) + Energy(b), before * (1.0 + 1e-9) + 1e-9);
  }
  EXPECT_GT(struck, 500);
}

TEST(PoolSpin, SlidingOnlyEverTakesEnergyAndEndsInARoll) {
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int trial = 0; trial < 200; ++trial) {
    FakeTable env;
    CPoolBall ball(&env, {300, 192}, 0, 0, kOpenField, 0);
    ball.Strike(0.5 + 6.5 * unit(rng), 360.0 * unit(rng), 0.0, 2.0 * unit(rng) - 1.0);
    double last = Energy(ball);
    while (ball.Step()) {
      SCOPED_TRACE(trial);
      const double now = Energy(ball);
      ASSERT_LE(now, last + 1e-9);
      last = now;
      env.now = ball.NextStepDue(env.now);
    }
    EXPECT_FALSE(ball.IsMoving());
  }
}

TEST(PoolSpin, EnglishTurnsTheWayOffACushionAndThrowsTheStruckBall) {
  // Straight up into the top cushion: right english comes off to the right, left to the left.
  auto offCushion = [](double tipX) {
    FakeTable env;
    CPoolBall ball(&env, {200, 150}, 0, 0, kCushion, 0);
    ball.Strike(3.0, 90.0, tipX, 0.0);
    for (int i = 0; i < 200 && ball.m_dVelY <= 0 && ball.Step(); ++i) env.now = ball.NextStepDue(env.now);
    return std::atan2(ball.m_dVelX, ball.m_dVelY) * kRadToDeg;  // 0 straight back down, + to the right
  };
  EXPECT_NEAR(offCushion(0.0), 0.0, 1e-9);
  const double right = offCushion(1.0), left = offCushion(-1.0);
  EXPECT_GT(right, 5.0);
  EXPECT_NEAR(left, -right, 1e-6);
  RecordProperty("english_off_cushion_deg", std::to_string(right));
  // A straight full hit with right english throws the struck ball a little
  // to the left of the line of centres (rolling left, its left is down the screen).
  auto thrown = [](double tipX) {
    FakeTable env;
    CPoolBall cue(&env, {313, 192}, 0, 0, kCushion, 0), struck(&env, {300, 192}, 0, 0, kCushion, 1);
    cue.Strike(4.0, 180.0, tipX, 0.0);
    TableBalls balls{};
    balls[0] = &cue;
    balls[1] = &struck;
    ResolveContacts(balls, 0, {});
    return std::atan2(struck.m_dVelY, -struck.m_dVelX) * kRadToDeg;
  };
  EXPECT_NEAR(thrown(0.0), 0.0, 1e-9);
  const double throwDeg = thrown(1.0);
  EXPECT_GT(throwDeg, 1.0);
  EXPECT_LT(throwDeg, 5.0);
  EXPECT_NEAR(thrown(-1.0), -throwDeg, 1e-6);
  RecordProperty("throw_deg", std::to_string(throwDeg));
}

}  // namespace
}  // namespace pool::test
