// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's mallet: it attacks a resting puck at once, picks points
// ahead of a slow puck in its half, never aims into the user's half, gives
// up when the puck gets past it and runs for a goal post.
#include <gtest/gtest.h>

#include <random>

#include "games/airhockey/model/airhockey_computer.h"
#include "games/airhockey/model/airhockey_geometry.h"
#include "games/airhockey/model/airhockey_motion.h"
#include "games/airhockey/model/airhockey_rink.h"

namespace airhockey {
namespace {

// The program's generator stands in: rand() % n, and n must be positive.
class SeededRandom {
 public:
  explicit SeededRandom(std::uint32_t seed) : m_engine(seed) {}
  RandomSource Source() {
    return [this](int n) {
      EXPECT_GT(n, 0) << "a random draw from an empty range";
      ++draws;
      return n > 0 ? static_cast<int>(m_engine() % static_cast<std::uint32_t>(n)) : 0;
    };
  }
  int draws = 0;

 private:
  std::mt19937 m_engine;
};

Puck MovingPuck(CPoint from, CPoint aim, int speed, CPoint at) {
  Puck puck;
  puck.runStart = from;
  puck.pos = at;
  puck.aim = aim;
  puck.line = LineBetween(from, aim);
  puck.speed = speed;
  puck.live = true;
  return puck;
}

TEST(AirHockeyComputer, ServeToTheComputerIsSentDownAtOnce) {
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(seed);
    SeededRandom random(seed);
    Rink rink;
    ServePuck(rink, ServeSide::ToComputer);
    RunSubStep(rink, random.Source());
    EXPECT_TRUE(rink.computer.attack) << "it sets off in the first sub-step";
    EXPECT_EQ(rink.computer.target, CPoint(129, 112));
    EXPECT_EQ(rink.computer.pos, CPoint(129, 54)) << "and moves from the next one";
    int steps = 1;
    while (!rink.puck.live && steps < 200) {
      RunSubStep(rink, random.Source());
      ++steps;
    }
    ASSERT_TRUE(rink.puck.live);
    EXPECT_GE(rink.puck.speed, 1);
    EXPECT_LE(rink.puck.speed, 2);
    EXPECT_EQ(rink.puck.aim.y, kWallBottom) << "down toward the user's end";
    EXPECT_LE(std::abs(rink.computer.pos.x - 129), 1) << "a vertical path may drift a pixel";
  }
}

TEST(AirHockeyComputer, RestingPuckInTheUsersHalfIsLeftAlone) {
  SeededRandom random(3);
  Rink rink;
  ServePuck(rink, ServeSide::ToHuman);
  for (int i = 0; i < 50; ++i) RunSubStep(rink, random.Source());
  EXPECT_EQ(rink.computer.pos, kComputerHome);
  EXPECT_FALSE(rink.computer.attack);
  EXPECT_FALSE(rink.puck.live);
}

TEST(AirHockeyComputer, NeverAttacksIntoTheUsersHalfNorThroughAWall) {
  SeededRandom random(11);
  std::mt19937 pick(5);
  auto in = [&pick](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(pick); };
  int attacks = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    const CPoint at{in(54, 206), in(32, 364)};
    const CPoint from{in(54, 206), in(32, 364)};
    const bool side = in(0, 1) == 1;
    const CPoint aim = side ? CPoint{in(0, 1) ? kWallLeft : kWallRight, in(24, 372)}
                            : CPoint{in(46, 214), in(0, 1) ? kWallTop : kWallBottom};
    const Puck puck = MovingPuck(from, aim, in(0, 3), at);
    Mallet mallet;
    mallet.PlaceAt({in(58, 202), in(36, 188)});
    MoveComputerMallet(mallet, puck, random.Source());
    if (!mallet.attack) continue;
    ++attacks;
    EXPECT_LE(mallet.target.y, kCentreLineY);
    EXPECT_GE(mallet.target.x - kMalletRadius, kWallLeft);
    EXPECT_LE(mallet.target.x + kMalletRadius, kWallRight);
    EXPECT_GE(mallet.target.y - kMalletRadius, kWallTop);
    EXPECT_GE(mallet.speed, 1);
    EXPECT_LE(mallet.speed, 2);
  }
  EXPECT_GT(attacks, 100);
}

TEST(AirHockeyComputer, GivesUpWhenThePuckGetsPastIt) {
  SeededRandom random(2);
  Mallet mallet;
  mallet.PlaceAt({129, 100});
  mallet.attack = true;
  mallet.HeadFor({129, 160});
  const Puck past = MovingPuck({129, 300}, {129, kWallTop}, 2, {160, 90});
  MoveComputerMallet(mallet, past, random.Source());
  EXPECT_FALSE(mallet.attack);
  EXPECT_TRUE(mallet.homing);
  EXPECT_EQ(mallet.target, kComputerHome);
}

TEST(AirHockeyComputer, PuckSlippingPastRightInFrontSendsItToAGoalPost) {
  SeededRandom random(9);
  Mallet mallet;
  mallet.PlaceAt({129, 120});
  const Puck puck = MovingPuck({129, 300}, {125, kWallTop}, 3, {132, 120});
  MoveComputerMallet(mallet, puck, random.Source());
  EXPECT_TRUE(mallet.attack);
  EXPECT_FALSE(mallet.homing);
  EXPECT_TRUE(mallet.target == CPoint(kGoalLeft, kPostY) || mallet.target == CPoint(kGoalRight, kPostY));
  EXPECT_EQ(mallet.pos, CPoint(129, 120)) << "it sets off from the next sub-step";
}

TEST(AirHockeyComputer, AttackAimsAheadOnThePucksRunOrAtAPuckWithNoRunLeft) {
  SeededRandom random(8);
  const Puck slow = MovingPuck({180, 190}, {60, kWallTop}, 1, {170, 175});
  for (int i = 0; i < 50; ++i) {
    const CPoint t = AttackTarget(slow, random.Source());
    EXPECT_LE(t.y, 175) << "ahead, not behind";
    EXPECT_LE(std::abs(t.x - XAtY(t.y, slow.line)), 1) << "on the run's line";
  }
  // A puck standing on its own aim point leaves no range to draw from.
  const Puck spent = MovingPuck({129, 180}, {140, 150}, 1, {140, 150});
  random.draws = 0;
  Mallet mallet;
  mallet.PlaceAt({129, 60});
  MoveComputerMallet(mallet, spent, random.Source());
  EXPECT_TRUE(mallet.attack);
  EXPECT_EQ(mallet.target, CPoint(140, 150));
  EXPECT_EQ(random.draws, 1) << "only the mallet's speed is drawn";
}

}  // namespace
}  // namespace airhockey
