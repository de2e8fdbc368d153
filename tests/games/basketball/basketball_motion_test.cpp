// SPDX-License-Identifier: GPL-3.0-or-later
// One ball's flight step by step, and the sliding backboard.
#include "games/basketball/model/basketball_motion.h"

#include <gtest/gtest.h>

#include "games/basketball/model/basketball_computer.h"

namespace basketball {
namespace {

constexpr DWORD kTick = 16;  // the animation timer's pace

ShotBall Launched(int rack, int power, CPoint release, DWORD now) {
  ShotBall b = RackedBall(rack);
  b.nPower = power;
  b.nTargetX = release.x;
  b.nTargetY = release.y;
  LaunchBall(b, now);
  return b;
}

// A ball about to fall past the rim line at x (its bottom just above it).
ShotBall AboveRim(float x) {
  ShotBall b = RackedBall(0);
  b.nState = kFalling;
  b.x = x;
  b.y = static_cast<float>(kRimY - kBallRimReach) - 2.0f;
  b.dy = kFallStep;
  b.z = kBoardDepth;
  b.nPower = 3;
  return b;
}

TEST(BasketballMotion, HoldTimeSetsLoftAndALongHoldIsTheSlowestLob) {
  ShotBall quick = Launched(0, PowerFromHold(250), {200, 100}, 0);
  EXPECT_EQ(quick.nPower, 2);
  EXPECT_EQ(quick.dz, 6.0f);
  EXPECT_EQ(quick.nTargetY, 80);  // raised by 20
  EXPECT_EQ(quick.nState, kRising);
  EXPECT_EQ(quick.x, 145.0f);
  EXPECT_EQ(quick.y, 200.0f);
  EXPECT_EQ(quick.z, 1.0f);

  ShotBall lob = Launched(1, PowerFromHold(700), {200, 100}, 0);
  EXPECT_EQ(lob.dz, 1.0f);
  EXPECT_EQ(lob.nTargetY, 40);  // raised by 60
  ShotBall held = Launched(1, PowerFromHold(5000), {200, 100}, 0);
  EXPECT_EQ(held.nPower, kMaxPower);
  EXPECT_EQ(held.dz, 1.0f);
  EXPECT_EQ(Launched(1, PowerFromHold(690), {200, 100}, 0).dz, 2.0f);
  EXPECT_EQ(Launched(1, 4, {200, 100}, 0).nTargetY, 60);  // raised by 40
  EXPECT_EQ(Launched(1, 7, {200, 30}, 0).nTargetY, 20);   // never above 20
}

TEST(BasketballMotion, TheRiseEndsExactlyOnTheTargetThenComesBackDown) {
  ShotBall b = Launched(2, 0, {180, 60}, 0);
  DWORD now = 0;
  int steps = 0;
  while (b.nState == kRising && steps < 500) {
    now += kTick;
    AdvanceBall(b, now, kBoardHome.x);
    ++steps;
  }
  EXPECT_EQ(steps, 19);  // (150 - 1) / 8 steps up, the last one snapped
  EXPECT_EQ(b.nState, kDescending);
  EXPECT_EQ(b.x, 180.0f);
  EXPECT_EQ(b.y, 40.0f);
  EXPECT_EQ(b.z, 150.0f);
  EXPECT_GT(b.dy, 0.0f);  // back down the screen
}

TEST(BasketballMotion, AStepWaitsForThePowerInMilliseconds) {
  ShotBall b = Launched(0, 7, {200, 60}, 1000);
  EXPECT_FALSE(AdvanceBall(b, 1007, kBoardHome.x).move);
  EXPECT_TRUE(AdvanceBall(b, 1008, kBoardHome.x).move);
}

TEST(BasketballMotion, TheDescentBouncesOffTheSidesWithASound) {
  ShotBall b = RackedBall(0);
  b.nState = kDescending;
  b.x = kDescentRightWall - 1.0f;
  b.dx = 3.0f;
  b.z = 160.0f;
  b.dz = 2.0f;
  BallFrame f = AdvanceBall(b, 100, kBoardHome.x);
  EXPECT_EQ(f.sound, kSideSound);
  EXPECT_EQ(b.dx, -3.0f);
  // Mirrored at the wall: two pixels past it become two pixels short of it.
  EXPECT_EQ(b.x, kDescentRightWall - 2.0f);
  f = AdvanceBall(b, 200, kBoardHome.x);
  EXPECT_EQ(f.sound, 0u);
}

TEST(BasketballMotion, ASlowBallPastTheWallTurnsBackOnceInsteadOfShaking) {
  ShotBall b = RackedBall(0);
  b.nState = kDescending;
  b.x = kDescentLeftWall - 2.0f;
  b.dx = -0.5f;
  b.z = 160.0f;
  b.dz = 1.0f;
  int knocks = 0;
  for (DWORD now = 100; now < 1000; now += kTick) knocks += AdvanceBall(b, now, kBoardHome.x).sound == kSideSound;
  EXPECT_EQ(knocks, 1);
  EXPECT_GT(b.dx, 0.0f);
}

TEST(BasketballMotion, ReachingTheBoardOverTheGlassKnocksAndStartsTheFall) {
  ShotBall b = RackedBall(0);
  b.nState = kDescending;
  b.x = 200.0f;
  b.y = 80.0f;
  b.z = 198.0f;
  b.dz = 4.0f;
  BallFrame f = AdvanceBall(b, 100, kBoardHome.x);
  EXPECT_EQ(b.nState, kFalling);
  EXPECT_EQ(b.dy, kFallStep);
  EXPECT_EQ(f.sound, kBoardSound);
  // Beside the glass: no knock.
  ShotBall wide = b;
  wide.nState = kDescending;
  wide.z = 198.0f;
  wide.x = 245.0f;
  EXPECT_EQ(AdvanceBall(wide, 200, kBoardHome.x).sound, 0u);
}

TEST(BasketballMotion, RimWindowsFollowTheBoard) {
  for (int bx : {kBoardLeftmost, kBoardHome.x, kBoardRightmost}) {
    auto outcome = [bx](float offset) {
      ShotBall b = AboveRim(static_cast<float>(bx) + offset);
      AdvanceBall(b, 100, bx);
      return b.nState;
    };
    EXPECT_EQ(outcome(29.5f), kNetFirst) << bx;
    EXPECT_EQ(outcome(43.5f), kNetFirst) << bx;
    EXPECT_EQ(outcome(9.5f), kLeftBounce) << bx;
    EXPECT_EQ(outcome(28.5f), kLeftBounce) << bx;
    EXPECT_EQ(outcome(44.0f), kRightBounce) << bx;
    EXPECT_EQ(outcome(63.5f), kRightBounce) << bx;
    EXPECT_EQ(outcome(9.0f), kFalling) << bx;  // past the rim's outer edge
    EXPECT_EQ(outcome(64.0f), kFalling) << bx;
  }
}

TEST(BasketballMotion, ARimBounceFliesOutTowardsItsSideAndDropsFromDepth100) {
  ShotBall b = AboveRim(kBoardHome.x + 15.0f);
  b.z = 206.0f;
  AdvanceBall(b, 100, kBoardHome.x);
  ASSERT_EQ(b.nState, kLeftBounce);
  EXPECT_EQ(b.dz, -5.0f);
  EXPECT_LT(b.dx, 0.0f);
  DWORD now = 100;
  int steps = 0;
  while (b.nState == kLeftBounce && steps < 300) {
    now += kTick;
    const BallFrame f = AdvanceBall(b, now, kBoardHome.x);
    if (b.nState == kLeftBounce) {
      EXPECT_GE(f.cel, kLeftBounceFirstCel);
      EXPECT_LT(f.cel, kRightBounceFirstCel);
    }
    EXPECT_NE(f.pos, kHidden) << "no ball vanishes in mid-air";
    ++steps;
  }
  // Out in front of the ring it falls to the floor, and only there is it gone.
  EXPECT_EQ(b.nState, kFalling);
  EXPECT_NEAR(b.x, static_cast<float>(kLeftBounceTarget.x), 1.0f);
  EXPECT_EQ(b.z, static_cast<float>(kBounceOutDepth));
  BallFrame f;
  while (b.nState == kFalling && steps++ < 400) f = AdvanceBall(b, now += kTick, kBoardHome.x);
  EXPECT_EQ(b.nState, kGone);
  EXPECT_EQ(f.pos, kHidden);
  EXPECT_GT(b.y, kFloorY);
}

TEST(BasketballMotion, TheNetSwishesAndTheBallDropsOutUnderneath) {
  ShotBall b = AboveRim(kBoardHome.x + 36.0f);
  AdvanceBall(b, 100, kBoardHome.x);
  ASSERT_EQ(b.nState, kNetFirst);
  std::vector<int> boardCels;
  int swishes = 0;
  bool scored = false;
  for (DWORD now = 116; now < 2000 && !scored; now += kTick) {
    const BallFrame f = AdvanceBall(b, now, kBoardHome.x);
    if (f.boardCel >= 0) boardCels.push_back(f.boardCel);
    swishes += f.sound == kBasketSound;
    scored = f.scored;
    if (scored) {
      EXPECT_EQ(f.pos, CPoint(kBoardHome.x + kBoardWidth / 2, static_cast<int>(kBelowNetY)));
    }
  }
  ASSERT_TRUE(scored);
  EXPECT_EQ(boardCels, (std::vector<int>{7, 8, 9, 10, 11, 12, 0}));
  EXPECT_EQ(swishes, 1);
  EXPECT_EQ(b.nState, kFalling);
}

TEST(BasketballMotion, AFallenBallReturnsToTheRackAfterASecond) {
  ShotBall b = RackedBall(3);
  b.nState = kFalling;
  b.x = 250.0f;
  b.y = 198.0f;
  b.dy = kFallStep;
  BallFrame f = AdvanceBall(b, 500, kBoardHome.x);
  EXPECT_EQ(b.nState, kGone);
  EXPECT_EQ(f.pos, kHidden);
  EXPECT_FALSE(AdvanceBall(b, 1500, kBoardHome.x).move);
  f = AdvanceBall(b, 1501, kBoardHome.x);
  EXPECT_EQ(b.nState, kOnRack);
  EXPECT_EQ(f.pos, kRackSpots[3]);
  EXPECT_EQ(f.cel, 0);
}

TEST(BasketballMotion, FlightCelsStayInRangeAtEveryDepth) {
  ShotBall b = RackedBall(0);
  for (int z = 0; z <= 210; ++z) {
    b.z = static_cast<float>(z);
    for (int spin = 1; spin <= 3; ++spin) {
      b.nSpinCel = spin;
      EXPECT_GE(FlightCel(b), 0);
      EXPECT_LT(FlightCel(b), kLeftBounceFirstCel);
      b.nState = kRightBounce;
      EXPECT_LT(BounceCel(b), kBallCels);
      b.nState = kLeftBounce;
      EXPECT_LT(BounceCel(b), kRightBounceFirstCel);
    }
  }
  b.nSpinCel = 1;
  b.z = 150.0f;
  EXPECT_EQ(FlightCel(b), 6);  // the top of the arc is still the third size
  b.z = 200.0f;
  EXPECT_EQ(FlightCel(b), 9);
}

TEST(BasketballMotion, TheBoardSlidesOnePixelPer20MsBetweenItsStops) {
  BoardSlide board;
  board.x = kBoardLeftmost + 1;
  EXPECT_FALSE(StepBoard(board, 20));
  EXPECT_TRUE(StepBoard(board, 21));
  EXPECT_EQ(board.x, kBoardLeftmost);
  EXPECT_TRUE(StepBoard(board, 42));
  EXPECT_EQ(board.x, kBoardLeftmost + 1);  // turned at the left stop
  board.x = kBoardRightmost;
  EXPECT_TRUE(StepBoard(board, 100));
  EXPECT_EQ(board.x, kBoardRightmost - 1);
}

TEST(BasketballComputer, ShotsAimAcrossTheBoardAndEmptyRangesAreSafe) {
  const ComputerShot high = ChooseComputerShot([](int n) { return n - 1; }, kBoardWidth);
  EXPECT_EQ(high.power, 9);
  EXPECT_EQ(high.targetX, kBoardLeftmost + kBoardWidth + 29);
  EXPECT_EQ(high.targetY, 106);
  const ComputerShot low = ChooseComputerShot([](int) { return 0; }, kBoardWidth);
  EXPECT_EQ(low.power, 4);
  EXPECT_EQ(low.targetX, kBoardLeftmost);
  // A board without a picture (width 0) still gives a shot, never a rand() % 0.
  const ComputerShot bare = ChooseComputerShot([](int n) { return n <= 0 ? -1 : 0; }, -30);
  EXPECT_EQ(bare.targetX, kBoardLeftmost);
  EXPECT_EQ(NextShotDelay([](int n) { return n - 1; }), 1099u);

  std::array<ShotBall, kBalls> balls{};
  for (auto& b : balls) b.nState = kRising;
  EXPECT_EQ(FirstRackedBall(balls), -1);
  balls[2].nState = kOnRack;
  balls[3].nState = kOnRack;
  EXPECT_EQ(FirstRackedBall(balls), 2);
}

}  // namespace
}  // namespace basketball
