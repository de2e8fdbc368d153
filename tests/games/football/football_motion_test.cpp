// SPDX-License-Identifier: GPL-3.0-or-later
// The flight of a pass: from the hand onto the board, smaller with the
// distance; the tumble off a rim or post; the bounce back off the face.
#include "games/football/model/football_geometry.h"
#include "games/football/model/football_motion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace football {
namespace {

double Dist(CPoint a, CPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

TEST(FootballMotion, ThePassFliesFromTheHandOntoTheBoardGrowingSmaller) {
  EXPECT_EQ(FlightStepMs(0), 20);
  EXPECT_EQ(FlightStepMs(500), 20);
  EXPECT_EQ(FlightStepMs(501), 40);
  EXPECT_EQ(FlightStepMs(1000), 40);
  EXPECT_EQ(FlightStepMs(1001), 60);
  for (int hx = kFirstThrowZone.left; hx < kFirstThrowZone.right + kZoneShiftRange; hx += 23)
    for (int lx = kLandMinX; lx <= kLandMaxX; lx += 41)
      for (int ly = kLandMinY; ly <= kLandMaxY; ly += 37)
        for (int arc : {20, 40, 60}) {
          const CPoint hand{hx, 279}, landing{lx, ly};
          const std::vector<Step> steps = PassSteps(hand, landing, arc);
          ASSERT_GE(steps.size(), 12u);
          // It leaves the hand, not the board, and ends on the landing point.
          EXPECT_LE(Dist(steps.front().at, hand), 2.0 * arc / 3 + 15) << hx << " " << lx << "," << ly;
          EXPECT_EQ(steps.back().at, landing);
          EXPECT_EQ(AwaySize(steps.front().cel), 0);
          EXPECT_EQ(AwaySize(steps.back().cel), kAwaySizes - 1);
          // Smaller and smaller as it flies away, and up over an arc on the way.
          int highest = 0;
          for (std::size_t k = 1; k < steps.size(); ++k) {
            EXPECT_GE(AwaySize(steps[k].cel), AwaySize(steps[k - 1].cel));
            const double t = static_cast<double>(k + 1) / steps.size();
            highest = std::max(highest, static_cast<int>(hand.y + (landing.y - hand.y) * t) - steps[k].at.y);
          }
          EXPECT_GE(highest, arc - 2);
        }
}

TEST(FootballMotion, AMissBouncesBackOffTheFaceOntoTheGrass) {
  for (int sideways : {-1, 0, 1})
    for (const CPoint from : {CPoint{160, 200}, CPoint{250, 60}, CPoint{200, 140}}) {
      const std::vector<Step> steps = FaceBounceSteps(from, sideways);
      ASSERT_FALSE(steps.empty());
      EXPECT_LE(Dist(steps.front().at, from), 3.0);
      EXPECT_GE(steps.back().at.y, kDropFloorY);
      EXPECT_EQ((steps.back().at.x - from.x) * sideways >= 0, true);
      // It comes back towards the thrower: never smaller than at the board, a little bigger later.
      for (const Step& s : steps) EXPECT_GE(AwaySize(s.cel), kAwaySizes - 2);
      EXPECT_EQ(AwaySize(steps.back().cel), kAwaySizes - 2);
      for (std::size_t k = 1; k < steps.size(); ++k) EXPECT_LE(steps[k].at.y - steps[k - 1].at.y, 30);
    }
}

TEST(FootballMotion, BouncesLeaveInTheDrawnDirection) {
  const CPoint from{200, 100};
  BounceDraws d;
  d.direction = 2;
  d.jx = 7;
  d.jy = 3;
  d.sx = 1;
  d.sy = 0;
  EXPECT_EQ(BounceTarget(Strike::Rim, from, d), CPoint(200 + 7 - 50, 100 - 3 - 50));
  EXPECT_EQ(BounceTarget(Strike::LeftPost, from, d), CPoint(200 + 7 + 50, 100 - 3 - 50));
  EXPECT_EQ(BounceTarget(Strike::RightPost, from, d), CPoint(200 + 7 - 50, 100 - 3 - 50));
  EXPECT_EQ(BounceTarget(Strike::HoleOrMiss, from, d), from);

  EXPECT_TRUE(BounceSteps(from, from).empty());
  const CPoint target{260, 100};
  const std::vector<Step> steps = BounceSteps(from, target);
  ASSERT_EQ(steps.size(), 12u);  // 60 pixels, 5 a step
  EXPECT_EQ(steps.back().at, target);
  const std::vector<Step> longer = BounceSteps(from, {200 + 77, 100});
  ASSERT_EQ(longer.size(), 16u);
  // It tumbles at the size the flight shrank it to, never back at hand size.
  for (const Step& s : longer) EXPECT_EQ(AwaySize(s.cel), kAwaySizes - 1) << s.cel;
  EXPECT_NE(longer[0].cel, longer[1].cel);
  // The vertical run is mirrored: a target below sends the ball up.
  EXPECT_LT(BounceSteps(from, {200, 150}).back().at.y, from.y);
}

}  // namespace
}  // namespace football
