// SPDX-License-Identifier: GPL-3.0-or-later
// The rink's motion: lines held on the border, serves, mallet steps, hits
// that take their speed from the mallet's last step, reflections and wall
// bounces, goals, and the limits of the user's mallet.
#include <gtest/gtest.h>

#include <cmath>

#include "games/airhockey/model/airhockey_geometry.h"
#include "games/airhockey/model/airhockey_motion.h"
#include "games/airhockey/model/airhockey_rink.h"

namespace airhockey {
namespace {

// A puck on a run from `from` toward `aim`, already `speed` per sub-step.
Puck MovingPuck(CPoint from, CPoint aim, int speed) {
  Puck puck;
  puck.pos = puck.runStart = from;
  puck.aim = aim;
  puck.line = LineBetween(from, aim);
  puck.speed = speed;
  puck.live = true;
  return puck;
}

// A mallet that has just stepped from `prev` to `pos`.
Mallet SteppedMallet(CPoint prev, CPoint pos) {
  Mallet m;
  m.PlaceAt(pos);
  m.prev = prev;
  return m;
}

// Mallets parked in the corners, far from any puck.
Rink EmptyRink(const Puck& puck) {
  Rink rink;
  rink.puck = puck;
  rink.human.PlaceAt({200, 360});
  rink.computer.PlaceAt({60, 40});
  rink.computer.homing = true;
  return rink;
}

const RandomSource kFirst = [](int) { return 0; };

bool OnBorder(CPoint p) {
  return p.x == kWallLeft || p.x == kWallRight || p.y == kWallTop || p.y == kWallBottom;
}

TEST(AirHockeyLine, SlopeInterceptAndBorderPoints) {
  EXPECT_FLOAT_EQ(SlopeBetween({5, 3}, {5, 9}), 99.0f);
  EXPECT_FLOAT_EQ(SlopeBetween({4, 6}, {2, 2}), 2.0f);
  EXPECT_EQ(InterceptThrough({10, 50}, 2.0f), 30);
  EXPECT_EQ(InterceptThrough({3, 10}, 0.5f), 8);  // 10 - 1.5 truncated
  // A steep line met at a side wall is held on the end wall instead.
  const Line steep = LineWithSlope(4.0f, {130, 200});
  const CPoint atRight = PointAtX(kWallRight, steep.slope, steep.intercept);
  EXPECT_EQ(atRight.y, kWallBottom);
  EXPECT_EQ(atRight.x, XAtY(kWallBottom, steep));
  // A shallow line met at an end wall is held on a side wall.
  const Line shallow = LineWithSlope(-0.25f, {130, 200});
  const CPoint atTop = PointAtY(kWallTop, shallow.slope, shallow.intercept);
  EXPECT_EQ(atTop.x, kWallRight);
  EXPECT_EQ(atTop.y, YAtX(kWallRight, shallow));
  // Rounding: y at x adds a half before truncating.
  EXPECT_EQ(YAtX(3, {0.5f, 0, true}), 2);
  EXPECT_EQ(XAtY(3, {2.0f, 0, false}), 2);
}

TEST(AirHockeyLine, LevelAndNearlyLevelLinesStayOnTheRink) {
  for (float slope : {0.0f, -0.0f, 1e-6f, -1e-6f, 1e-3f}) {
    SCOPED_TRACE(slope);
    const Line line = LineWithSlope(slope, {130, 150});
    for (int y : {kWallTop, kWallBottom}) {
      const CPoint p = PointAtY(y, line.slope, line.intercept);
      EXPECT_TRUE(p.x == kWallLeft || p.x == kWallRight);
      EXPECT_GE(p.y, kWallTop - 1);
      EXPECT_LE(p.y, kWallBottom + 1);
    }
  }
}

TEST(AirHockeyServe, PuckRestsOnTheServedSideAndMalletsGoHome) {
  Rink rink;
  rink.computer.attack = true;
  rink.human.cooldown = rink.computer.cooldown = 5;
  ServePuck(rink, ServeSide::ToHuman);
  EXPECT_EQ(rink.puck.pos, CPoint(129, 286));
  EXPECT_EQ(rink.puck.speed, 0);
  EXPECT_FALSE(rink.puck.live);
  EXPECT_EQ(rink.human.target, CPoint(129, 347));
  EXPECT_EQ(rink.computer.prev, CPoint(129, 54));
  EXPECT_FALSE(rink.computer.attack);
  EXPECT_EQ(rink.human.cooldown + rink.computer.cooldown, 0);
  ServePuck(rink, ServeSide::ToComputer);
  EXPECT_EQ(rink.puck.pos, CPoint(129, 112));
}

TEST(AirHockeyMallet, StepsAlongItsPathAndStopsExactlyOnTheTarget) {
  Mallet m;
  m.PlaceAt({100, 300});
  m.speed = 3;
  m.HeadFor({110, 260});  // steep: walked along y
  int steps = 0;
  while (m.pos != m.target) {
    const CPoint before = m.pos;
    const bool arrived = MoveMallet(m);
    EXPECT_EQ(m.prev, before);
    EXPECT_GE(m.pos.y, 260);
    EXPECT_EQ(arrived, m.pos == m.target);
    ASSERT_LT(++steps, 20);
  }
  EXPECT_EQ(steps, 14);  // 40 pixels at 3 a step
  EXPECT_FALSE(MoveMallet(m)) << "a mallet on its target stays";
  EXPECT_EQ(m.prev.y, 261);
  m.HeadFor({60, 250});  // shallow: walked along x
  MoveMallet(m);
  EXPECT_EQ(m.pos.x, 107);
  EXPECT_EQ(m.pos.y, YAtX(107, m.path));
}

TEST(AirHockeyHit, SpeedComesFromTheMalletsLastStep) {
  const Puck resting = MovingPuck({129, 286}, {129, 286}, 0);
  for (const auto& [step, want] : {std::pair{CPoint{0, -1}, 1}, {CPoint{1, -1}, 1}, {CPoint{0, -2}, 2},
                                   {CPoint{-2, -2}, 3}, {CPoint{0, -12}, 3}}) {
    Puck puck = resting;
    puck.live = false;
    const CPoint at{129, 305};
    HitPuck(puck, SteppedMallet(at - step, at));
    EXPECT_EQ(puck.speed, want) << step.x << "," << step.y;
    EXPECT_TRUE(puck.live);
  }
  // A mallet that has not moved leaves a resting puck at rest ...
  Puck still = resting;
  HitPuck(still, SteppedMallet({129, 305}, {129, 305}));
  EXPECT_EQ(still.speed, 0);
  Rink rink = EmptyRink(still);
  for (int i = 0; i < 10; ++i) RunSubStep(rink, kFirst);
  EXPECT_EQ(rink.puck.pos, CPoint(129, 286));
  // ... and a moving puck at its own speed.
  Puck moving = MovingPuck({129, 200}, {129, kWallBottom}, 2);
  moving.pos = {129, 280};
  HitPuck(moving, SteppedMallet({129, 299}, {129, 299}));
  EXPECT_EQ(moving.speed, 2);
}

TEST(AirHockeyHit, RestingPuckLeavesAlongTheLineThroughBothCentres) {
  // Straight from below, moving up: straight up the rink.
  Puck puck = MovingPuck({129, 286}, {129, 286}, 0);
  HitPuck(puck, SteppedMallet({129, 308}, {129, 305}));
  EXPECT_EQ(puck.aim, CPoint(129, kWallTop));
  EXPECT_EQ(puck.runStart, puck.pos);
  // From below and to the right, moving up and left: off to the upper left.
  puck = MovingPuck({129, 286}, {129, 286}, 0);
  HitPuck(puck, SteppedMallet({143, 303}, {141, 301}));
  EXPECT_TRUE(OnBorder(puck.aim));
  EXPECT_LT(puck.aim.x, 129);
  EXPECT_LT(puck.aim.y, 286);
}

TEST(AirHockeyHit, MovingPuckIsMirroredOffTheMallet) {
  // Coming straight down onto a mallet straight below: back up.
  Puck puck = MovingPuck({129, 150}, {129, kWallBottom}, 2);
  puck.pos = {129, 290};
  HitPuck(puck, SteppedMallet({129, 309}, {129, 309}));
  EXPECT_EQ(puck.aim.x, 129);
  EXPECT_EQ(puck.aim.y, kWallTop);
  // Coming straight up onto the computer's mallet above: back down, not through it.
  puck = MovingPuck({129, 300}, {129, kWallTop}, 2);
  puck.pos = {129, 80};
  HitPuck(puck, SteppedMallet({129, 61}, {129, 61}));
  EXPECT_EQ(puck.aim.y, kWallBottom);
  // Coming down and right onto a mallet below and left of its path: off to the right.
  puck = MovingPuck({80, 150}, {150, kWallBottom}, 2);
  puck.pos = {120, 250};
  HitPuck(puck, SteppedMallet({108, 266}, {108, 266}));
  EXPECT_EQ(puck.aim.x, kWallRight);
  EXPECT_GT(puck.line.slope, -1.0f);
  // Caught up from behind, a puck already moving away keeps its aim and takes the new speed.
  puck = MovingPuck({129, 300}, {129, kWallTop}, 1);
  puck.pos = {129, 270};
  HitPuck(puck, SteppedMallet({129, 292}, {129, 289}));
  EXPECT_EQ(puck.aim, CPoint(129, kWallTop));
  EXPECT_EQ(puck.speed, 3);
}

TEST(AirHockeyWalls, GoalAtX130AndBounceAtX110) {
  for (const auto& [x, goal] : {std::pair{130, true}, std::pair{110, false}, std::pair{113, true},
                                std::pair{112, false}, std::pair{147, true}, std::pair{148, false}}) {
    SCOPED_TRACE(x);
    Rink rink = EmptyRink(MovingPuck({x, 60}, {x, kWallTop}, 3));
    SubStepEvents events;
    for (int i = 0; i < 20 && events.goal == Goal::None && rink.puck.aim.y == kWallTop; ++i)
      events = RunSubStep(rink, kFirst);
    EXPECT_EQ(rink.puck.pos.y, kWallTop + kPuckRadius);
    if (goal) {
      EXPECT_EQ(events.goal, Goal::ForHuman);
    } else {
      EXPECT_EQ(events.goal, Goal::None);
      EXPECT_EQ(rink.puck.aim, CPoint(x, kWallBottom)) << "straight back down";
      EXPECT_EQ(events.soundCount, 1);
    }
  }
  Rink rink = EmptyRink(MovingPuck({130, 300}, {130, kWallBottom}, 3));
  SubStepEvents events;
  for (int i = 0; i < 30 && events.goal == Goal::None; ++i) events = RunSubStep(rink, kFirst);
  EXPECT_EQ(events.goal, Goal::ForComputer);
}

TEST(AirHockeyWalls, StraightRunsComeStraightBack) {
  for (const auto& [y, aimY, backY] : {std::tuple{300, kWallBottom, kWallTop}, {100, kWallTop, kWallBottom}}) {
    Puck puck = MovingPuck({70, y}, {70, aimY}, 2);
    puck.pos = {70, aimY == kWallTop ? kWallTop + kPuckRadius : kWallBottom - kPuckRadius};
    ASSERT_TRUE(AgainstWall(puck));
    BouncePuck(puck);
    EXPECT_EQ(puck.aim, CPoint(70, backY));
    EXPECT_EQ(puck.speed, 2);
  }
}

TEST(AirHockeyWalls, BouncesKeepTheSenseOfTravel) {
  // Up and to the right into the top wall: down and still to the right.
  Puck puck = MovingPuck({80, 150}, {150, kWallTop}, 2);
  puck.pos = {140, kWallTop + kPuckRadius};
  BouncePuck(puck);
  EXPECT_GT(puck.aim.x, 140);
  EXPECT_GT(puck.aim.y, kWallTop + kPuckRadius);
  // Down and to the right into the right wall: left and still down.
  puck = MovingPuck({150, 100}, {kWallRight, 200}, 2);
  puck.pos = {kWallRight - kPuckRadius, 160};
  BouncePuck(puck);
  EXPECT_LT(puck.aim.x, kWallRight - kPuckRadius);
  EXPECT_GT(puck.aim.y, 160);
}

TEST(AirHockeyWalls, NearlyVerticalRunAlongASideWallReachesTheEndAndComesBack) {
  // Stored as vertical, the line still leans a pixel over its length: the
  // puck slides into the side wall on its way up and must not be thrown back
  // down its run there, nor stay in the corner.
  Rink rink = EmptyRink(MovingPuck({205, 207}, {205, kWallBottom}, 1));
  rink.human.PlaceAt({60, 300});
  int steps = 0;
  while (rink.puck.aim.y == kWallBottom && steps < 400) {
    RunSubStep(rink, kFirst);
    ++steps;
  }
  EXPECT_LT(steps, 200);
  EXPECT_EQ(rink.puck.aim.y, kWallTop);
  for (int i = 0; i < 20; ++i) RunSubStep(rink, kFirst);
  EXPECT_LT(rink.puck.pos.y, kWallBottom - kPuckRadius - 10) << "on its way back up";
}

TEST(AirHockeyHuman, MouseSetsTheMalletsSpeedOnlyInsideItsHalf) {
  EXPECT_TRUE(ClampToHumanHalf({130, 211}).clamped);
  EXPECT_FALSE(ClampToHumanHalf({58, 212}).clamped);
  EXPECT_EQ(HumanMalletSpeed({100, 300}, {100, 300}), 1) << "a still mouse";
  EXPECT_EQ(HumanMalletSpeed({100, 300}, {101, 300}), 3) << "any move";
}

}  // namespace
}  // namespace airhockey
