// SPDX-License-Identifier: GPL-3.0-or-later
// The aim guide against the shot itself: over seeded tables and aims, the
// ghost ball stands where the cue ball really strikes the first ball (the
// game's own shot loop), the ball named is the one struck, and a guide that
// ends on a cushion is one the cue ball reaches before any ball.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "fake_table.h"
#include "games/pool/model/pool_contacts.h"
#include "games/pool/model/pool_guide.h"

namespace pool::test {
namespace {

// Where the cue ball stood when it first struck a ball, and which ball, in the real shot.
struct RealContact {
  int ball = -1;
  double x = 0, y = 0;
  bool cushionFirst = false;
};

RealContact PlayUntilFirstContact(const TableState& t, double power, double angle) {
  FakeTable env;
  std::array<std::unique_ptr<CPoolBall>, kBallCount> owned;
  TableBalls balls{};
  for (int n = 0; n < kBallCount; ++n) {
    const std::size_t i = static_cast<std::size_t>(n);
    owned[i] = std::make_unique<CPoolBall>(&env, t.pos[i], 0.0, 0.0, kCushion, n);
    owned[i]->m_bOnTable = t.onTable[i] ? TRUE : FALSE;
    balls[i] = owned[i].get();
  }
  RealContact real;
  ContactEvents events;
  double heading = 0;
  // Each move is reported before its contacts are settled: a cushion on the
  // step that also meets a ball comes first, as the guide has it.
  events.onMove = [&] {
    if (real.ball < 0 && std::fabs(std::remainder(balls[kCueBall]->m_dHeading - heading, 6.283185307179586)) > 1e-6)
      real.cushionFirst = true;
  };
  events.onHit = [&](int a, int b) {
    if (real.ball >= 0 || (a != kCueBall && b != kCueBall)) return;
    real.ball = a == kCueBall ? b : a;
    real.x = balls[kCueBall]->GetPosX();
    real.y = balls[kCueBall]->GetPosY();
  };
  CPoolBall& cue = *balls[kCueBall];
  cue.SetVelocity(power, angle);
  heading = cue.m_dHeading;
  while (real.ball < 0 && StepBalls(balls, events) > 0) {
    DWORD due = env.now;
    if (!NextDue(balls, env.now, due)) break;
    env.now = due;
  }
  return real;
}

// A few balls scattered on the bed, none touching another, none in a mouth.
TableState Scatter(std::mt19937& rng) {
  std::uniform_int_distribution<int> x(kBedLeft + 8, kBedRight - 8), y(kBedTop + 8, kBedBottom - 8), count(1, 7);
  TableState t;
  const int n = count(rng);
  for (int k = 0; k <= n; ++k) {
    for (int tries = 0; tries < 100; ++tries) {
      const CPoint p{x(rng), y(rng)};
      bool clear = true;
      for (int j = 0; j < k && clear; ++j) {
        const double dx = p.x - t.pos[static_cast<std::size_t>(j)].x, dy = p.y - t.pos[static_cast<std::size_t>(j)].y;
        clear = dx * dx + dy * dy > 15.0 * 15.0;
      }
      if (!clear) continue;
      t.pos[static_cast<std::size_t>(k)] = p;
      t.onTable[static_cast<std::size_t>(k)] = true;
      break;
    }
  }
  return t;
}

TEST(PoolGuide, TheGhostBallStandsWithinAPixelOfWhereTheCueBallReallyStrikes) {
  std::mt19937 rng(39);
  std::uniform_real_distribution<double> angle(0.0, 360.0), power(0.5, kMaxPower);
  int ghosts = 0, cushions = 0;
  double worst = 0;
  for (int aim = 0; ghosts < 500 && aim < 5000; ++aim) {
    const TableState t = Scatter(rng);
    const double p = power(rng), a = angle(rng);
    const AimGuide guide = TraceAim(t, p, a);
    const RealContact real = PlayUntilFirstContact(t, p, a);
    if (guide.kind == GuideEnd::Ball) {
      ++ghosts;
      ASSERT_EQ(real.ball, guide.ball) << "aim " << aim;
      const double miss = std::hypot(real.x - guide.end.x, real.y - guide.end.y);
      worst = std::max(worst, miss);
      EXPECT_LE(miss, 1.0) << "aim " << aim;
      // The struck ball's line runs from the ghost through its centre.
      const CPoint o = t.pos[static_cast<std::size_t>(guide.ball)];
      EXPECT_NEAR(std::hypot(o.x - guide.end.x, o.y - guide.end.y), kBallDiameter, 1.0);
    } else if (guide.kind == GuideEnd::Cushion) {
      ++cushions;
      EXPECT_TRUE(real.ball < 0 || real.cushionFirst) << "aim " << aim;
    }
  }
  EXPECT_EQ(ghosts, 500);
  EXPECT_GT(cushions, 50);
  RecordProperty("worst_ghost_miss_px", std::to_string(worst));
}

}  // namespace
}  // namespace pool::test
