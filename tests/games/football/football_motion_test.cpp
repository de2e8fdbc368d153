// SPDX-License-Identifier: GPL-3.0-or-later
// The flight of a pass: where it starts, the two halves of its arc, the
// tumble off a rim or post and the drop through a hole.
#include "games/football/model/football_motion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace football {
namespace {

double Dist(CPoint a, CPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

TEST(FootballMotion, TheFlightStartsOverTheBoardFromWhereThePressWas) {
  EXPECT_EQ(FlightStart({113, 267}, 267), CPoint(118, 55));
  EXPECT_EQ(FlightStart({308, 290}, 267), CPoint(305, 152));
  EXPECT_EQ(FlightStart({200, 279}, 267), CPoint(201, 106));
  EXPECT_EQ(FlightStepMs(0), 20);
  EXPECT_EQ(FlightStepMs(500), 20);
  EXPECT_EQ(FlightStepMs(501), 40);
  EXPECT_EQ(FlightStepMs(1000), 40);
  EXPECT_EQ(FlightStepMs(1001), 60);
  EXPECT_EQ(Apex({100, 150}, {200, 90}, 40), CPoint(150, 50));
}

TEST(FootballMotion, TheArcRisesToItsApexAndFallsOntoTheLandingPoint) {
  const CPoint start{150, 120}, landing{227, 92};
  const CPoint apex = Apex(start, landing, 40);
  const std::vector<Step> up = RisingSteps(start, apex);
  ASSERT_FALSE(up.empty());
  EXPECT_EQ(up.front().at, start);
  EXPECT_LE(Dist(up.back().at, apex), 6.0);
  for (std::size_t k = 0; k < up.size(); ++k) {
    EXPECT_EQ(up[k].cel, static_cast<int>(k % 3));
    if (k) {
      EXPECT_LE(up[k].at.y, up[k - 1].at.y);
      EXPECT_GE(up[k].at.x, up[k - 1].at.x);
    }
  }
  const std::vector<Step> down = FallingSteps(apex, landing);
  EXPECT_EQ(down.front().at, apex);
  EXPECT_LE(Dist(down.back().at, landing), 6.0);
  for (std::size_t k = 0; k < down.size(); ++k) EXPECT_EQ(down[k].cel, 3 + static_cast<int>(k % 3));
  // A steeper, longer half takes more steps of the same run.
  EXPECT_GT(RisingSteps({150, 150}, {150, 50}).size(), RisingSteps({150, 150}, {150, 130}).size());
  // Straight up and straight down when there is no sideways run.
  for (const Step& s : RisingSteps({150, 150}, {150, 90})) EXPECT_EQ(s.at.x, 150);
  for (const Step& s : FallingSteps({150, 90}, {150, 150})) EXPECT_EQ(s.at.x, 150);
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
  for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(longer[i].cel, 10 + static_cast<int>(i));
  EXPECT_EQ(longer[12].cel, 16);
  EXPECT_EQ(longer[15].cel, 19);
  // The vertical run is mirrored: a target below sends the ball up.
  EXPECT_LT(BounceSteps(from, {200, 150}).back().at.y, from.y);
}

TEST(FootballMotion, TheBallDropsToTheFloorBelowItsLandingPoint) {
  EXPECT_TRUE(DropSteps({200, 195}, 195).empty());
  EXPECT_TRUE(DropSteps({200, 205}, 209).empty());
  const std::vector<Step> drop = DropSteps({227, 91}, 92);  // 103 pixels to fall
  ASSERT_EQ(drop.size(), 21u);
  EXPECT_EQ(drop.front().at, CPoint(227, 96));
  EXPECT_EQ(drop.back().at, CPoint(227, 91 + 105));
  for (std::size_t k = 0; k < drop.size(); ++k) EXPECT_EQ(drop[k].cel, 6 + static_cast<int>(k % 4));
}

}  // namespace
}  // namespace football
