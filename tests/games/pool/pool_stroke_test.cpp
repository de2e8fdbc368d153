// SPDX-License-Identifier: GPL-3.0-or-later
// A stroke through touching balls on its own: between two balls it is the
// elastic exchange; through any group it keeps momentum and energy; along a
// line the far ball leaves fastest; and into the tight rack it sends nearly
// every ball away from the middle at a speed that rolls.
#include "games/pool/model/pool_stroke.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "games/pool/model/pool_geometry.h"

namespace pool::test {
namespace {

std::vector<StrokeContact> Touching(const std::vector<StrokeBody>& bodies, double within) {
  std::vector<StrokeContact> contacts;
  for (std::size_t a = 0; a < bodies.size(); ++a)
    for (std::size_t b = a + 1; b < bodies.size(); ++b) {
      const double dx = bodies[b].x - bodies[a].x, dy = bodies[b].y - bodies[a].y;
      if (dx * dx + dy * dy < within * within) contacts.push_back({a, b});
    }
  return contacts;
}

double Closing(const StrokeBody& a, const StrokeBody& b) {
  const double dx = b.x - a.x, dy = b.y - a.y, d = std::sqrt(dx * dx + dy * dy);
  return ((a.vx - b.vx) * dx + (a.vy - b.vy) * dy) / d;
}

TEST(PoolStroke, BetweenTwoBallsItIsTheElasticExchangeAlongTheLineOfCentres) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int struck = 0;
  for (int trial = 0; trial < 2000; ++trial) {
    const double around = 6.283185307 * unit(rng), nx = std::cos(around), ny = std::sin(around);
    std::vector<StrokeBody> bodies = {{300, 192, 7 * (unit(rng) - 0.5), 7 * (unit(rng) - 0.5)},
                                      {300 + 14 * nx, 192 + 14 * ny, 7 * (unit(rng) - 0.5), 7 * (unit(rng) - 0.5)}};
    const std::vector<StrokeBody> start = bodies;
    std::vector<StrokeContact> contacts = Touching(bodies, 15);
    const double uA = start[0].vx * nx + start[0].vy * ny, uB = start[1].vx * nx + start[1].vy * ny;
    SCOPED_TRACE(trial);
    const bool hit = ResolveStroke(bodies, contacts);
    EXPECT_EQ(hit, uA > uB);
    if (hit) ++struck;
    // Closing, the parts along the line of centres are exchanged; parting, nothing changes.
    const double swap = hit ? uB - uA : 0.0;
    EXPECT_NEAR(bodies[0].vx, start[0].vx + swap * nx, 1e-9);
    EXPECT_NEAR(bodies[0].vy, start[0].vy + swap * ny, 1e-9);
    EXPECT_NEAR(bodies[1].vx, start[1].vx - swap * nx, 1e-9);
    EXPECT_NEAR(bodies[1].vy, start[1].vy - swap * ny, 1e-9);
  }
  EXPECT_GT(struck, 500);
}

TEST(PoolStroke, ThroughAnyGroupMomentumAndEnergyAreKeptAndNoPairStillCloses) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int trial = 0; trial < 500; ++trial) {
    // A cluster grown ball by ball, each new one touching one already there.
    std::vector<StrokeBody> bodies = {{300, 192, 0, 0}};
    const int count = 2 + static_cast<int>(unit(rng) * 8);
    while (static_cast<int>(bodies.size()) < count) {
      const StrokeBody& from = bodies[static_cast<std::size_t>(unit(rng) * static_cast<double>(bodies.size()))];
      const double around = 6.283185307 * unit(rng);
      const StrokeBody next{from.x + 14.2 * std::cos(around), from.y + 14.2 * std::sin(around), 0, 0};
      bool free = true;
      for (const StrokeBody& b : bodies) free = free && std::hypot(b.x - next.x, b.y - next.y) >= 14.0;
      if (free) bodies.push_back(next);
    }
    for (StrokeBody& b : bodies)
      if (unit(rng) < 0.5) {
        b.vx = 14 * (unit(rng) - 0.5);
        b.vy = 14 * (unit(rng) - 0.5);
      }
    double px = 0, py = 0;
    for (const StrokeBody& b : bodies) {
      px += b.vx;
      py += b.vy;
    }
    const double before = StrokeEnergy(bodies);
    std::vector<StrokeContact> contacts = Touching(bodies, 15);
    SCOPED_TRACE(trial);
    ResolveStroke(bodies, contacts);
    double qx = 0, qy = 0;
    for (const StrokeBody& b : bodies) {
      qx += b.vx;
      qy += b.vy;
    }
    EXPECT_NEAR(qx, px, 1e-9);
    EXPECT_NEAR(qy, py, 1e-9);
    EXPECT_NEAR(StrokeEnergy(bodies), before, 1e-9 * (1.0 + before));
    for (const StrokeContact& c : contacts) EXPECT_LE(Closing(bodies[c.a], bodies[c.b]), 1e-6);
  }
}

TEST(PoolStroke, AlongALineOfTouchingBallsTheFarBallLeavesFastest) {
  std::vector<StrokeBody> bodies = {{200, 192, -7, 0}, {186, 192, 0, 0}, {172, 192, 0, 0}, {158, 192, 0, 0}};
  std::vector<StrokeContact> contacts = Touching(bodies, 15);
  ASSERT_TRUE(ResolveStroke(bodies, contacts));
  for (std::size_t k = 1; k < bodies.size(); ++k) {
    EXPECT_LE(bodies[k].vx, bodies[k - 1].vx + 1e-9);  // no ball runs into the one ahead of it
    EXPECT_NEAR(bodies[k].vy, 0.0, 1e-9);
  }
  EXPECT_LT(bodies.back().vx, -5.0);
  EXPECT_GE(bodies.front().vx, 0.0);  // the striker stops or comes back
}

TEST(PoolStroke, ABreakSendsNearlyTheWholeRackAwayFromItsMiddleAtARollingSpeed) {
  for (double power : {5.0, 7.0}) {
    std::vector<StrokeBody> bodies = {{kRack[1].spot.x + 14.0, 192, -power, 0}};
    double cx = 0, cy = 0;
    for (int n = 1; n < kBallCount; ++n) {
      const CPoint at = kRack[static_cast<std::size_t>(n)].spot;
      bodies.push_back({double(at.x), double(at.y), 0, 0});
      cx += at.x / 15.0;
      cy += at.y / 15.0;
    }
    std::vector<StrokeContact> contacts = Touching(bodies, 15);
    ASSERT_TRUE(ResolveStroke(bodies, contacts));
    int rolling = 0;
    for (std::size_t k = 1; k < bodies.size(); ++k) {
      const StrokeBody& b = bodies[k];
      const bool outward = b.vx * (b.x - cx) + b.vy * (b.y - cy) > 0;
      rolling += std::hypot(b.vx, b.vy) >= 1.0 && outward;
    }
    EXPECT_GE(rolling, 12) << "power " << power;
  }
}

}  // namespace
}  // namespace pool::test
