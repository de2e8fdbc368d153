// SPDX-License-Identifier: GPL-3.0-or-later
// The bodies on the lane: collisions, friction, gutters, the deck and the
// pictures a pin shows as it falls.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "games/bowling/model/bowl_ball.h"
#include "games/bowling/model/bowl_geometry.h"

namespace bowling {
namespace {

struct FakeSprite : BodySprite {
  int x = 0, y = 0, cel = 0;
  std::vector<int> cels;
  void SetPosition(int px, int py) override { x = px, y = py; }
  void SetCel(int c) override {
    cel = c;
    cels.push_back(c);
  }
  int GetPosX() const override { return x; }
  int GetPosY() const override { return y; }
};

struct FakeSound : BodySound {
  std::vector<UINT> played;
  void Play(UINT id) override { played.push_back(id); }
};

struct Bodies {
  FakeSprite ballSprite, pinSprite, otherSprite;
  FakeSound sound;
  int next = 0;
  CBowlBall ball{&ballSprite, &sound, kBallMass, kBallRadius, kBallSpeedIndex, kHalfPi, kBallCelDistance,
                 kBallLastCel};
  CBowlBall pin{&pinSprite, &sound, kPinMass, kPinRadius, 0, 0.0, kPinCelDistance, kPinLastCel,
                [this] { return next; }};
  CBowlBall other{&otherSprite, &sound, kPinMass, kPinRadius, 0, 0.0, kPinCelDistance, kPinLastCel,
                  [this] { return next; }};
};

// Gives a body speed and heading as the game does.
void Launch(CBowlBall& b, double speed, double heading) {
  b.m_dSpeed = speed;
  b.SetHeading(heading);
}

TEST(BowlBall, ABallMeetingARestingPinHeadOnPassesOnTheExchange) {
  Bodies w;
  w.ball.SetPosition(72, 100);
  w.pin.SetPosition(72, 85);
  Launch(w.ball, 0.4, kHalfPi);
  w.ball.Collide(&w.pin);
  EXPECT_NEAR(w.pin.m_dSpeed, 1.875 * 0.4, 1e-9);
  EXPECT_NEAR(w.ball.m_dSpeed, 0.875 * 0.4, 1e-9);
  EXPECT_NEAR(w.pin.m_dHeading, kHalfPi, 1e-6);  // straight on up the lane
  EXPECT_TRUE(w.ball.m_bHit && w.pin.m_bHit);
  // The pin was pushed clear along its new path; the ball stayed put.
  EXPECT_FALSE(w.ball.Overlaps(&w.pin));
  EXPECT_DOUBLE_EQ(w.ball.Y(), 100.0);
  EXPECT_LT(w.pin.Y(), 85.0);
}

TEST(BowlBall, PinsOfEqualMassExchangeTheirNormalVelocities) {
  Bodies w;
  w.pin.SetPosition(50, 50);
  w.other.SetPosition(58, 50);  // to the right, overlapping
  Launch(w.pin, 0.5, 0.0);       // moving right, straight at it
  w.pin.Collide(&w.other);
  EXPECT_NEAR(w.pin.m_dSpeed, 0.0, 1e-9);
  EXPECT_NEAR(w.other.m_dSpeed, 0.5, 1e-9);
  EXPECT_NEAR(w.other.VelX(), 0.5, 1e-9);
  // A glancing blow: only the part along the line of centres passes over.
  Bodies g;
  g.pin.SetPosition(50, 50);
  g.other.SetPosition(50 + 8 * std::cos(0.5), 50 - 8 * std::sin(0.5));
  Launch(g.pin, 0.5, 0.0);
  g.pin.Collide(&g.other);
  EXPECT_NEAR(g.other.m_dSpeed, 0.5 * std::cos(0.5), 1e-9);
  EXPECT_NEAR(g.pin.m_dSpeed, 0.5 * std::sin(0.5), 1e-9);
  const double before = 0.5 * 0.5, after = g.pin.m_dSpeed * g.pin.m_dSpeed + g.other.m_dSpeed * g.other.m_dSpeed;
  EXPECT_NEAR(after, before, 1e-12);  // energy kept
}

TEST(BowlBall, CollideEndsWhenTheStruckBodyCannotMove) {
  Bodies w;
  // Two resting pins on top of each other: nothing moves, nothing may hang.
  w.pin.SetPosition(60, 60);
  w.other.SetPosition(60, 60);
  w.pin.Collide(&w.other);
  EXPECT_EQ(w.pin.m_dSpeed, 0.0);
  EXPECT_FALSE(std::isnan(w.other.X()) || std::isnan(w.other.Y()));
  // A body without a picture takes no part at all.
  CBowlBall ghost(nullptr, nullptr, kPinMass, kPinRadius, 0, 0.0, kPinCelDistance, kPinLastCel);
  w.pin.m_bHit = FALSE;
  w.pin.Collide(&ghost);
  EXPECT_FALSE(w.pin.m_bHit);
}

TEST(BowlBall, APinSlowsByItsFrictionAndStopsBelowOneHundredth) {
  Bodies w;
  w.pin.SetPosition(72, 150);
  Launch(w.pin, 0.02, kHalfPi);
  // 0.02 / 1.025^n < 0.01 first at n = 29.
  int steps = 0;
  while (w.pin.Move()) ++steps;
  EXPECT_EQ(steps, 28);
  EXPECT_EQ(w.pin.m_dSpeed, 0.0);
  EXPECT_TRUE(w.pin.m_bAtRest);
  // A body out of play never moves and loses any speed it had.
  Launch(w.pin, 1.0, kHalfPi);
  w.pin.m_bMoving = FALSE;
  EXPECT_FALSE(w.pin.Move());
  EXPECT_EQ(w.pin.m_dSpeed, 0.0);
  EXPECT_EQ(w.pin.VelY(), 0.0);
}

TEST(BowlBall, TheBallKeepsItsSpeedUpTheLaneAndStopsOffTheTop) {
  Bodies w;
  w.ball.SetPosition(72, kBallStartY);
  Launch(w.ball, 0.5, kHalfPi);
  int steps = 0;
  while (w.ball.Move()) ++steps;
  EXPECT_LE(w.ballSprite.y, kOffTopY);
  EXPECT_GT(w.ballSprite.y, kOffTopY - 1);
  EXPECT_EQ(steps, static_cast<int>((kBallStartY - kOffTopY) / 0.5) - 1);
  EXPECT_FALSE(w.ball.m_bMoving);
  // It rolled through its three cels, one every 20 pixels.
  EXPECT_EQ(w.ballSprite.cels.size(), 19u);  // one change per 41 steps of 0.5
  EXPECT_EQ(w.ballSprite.cels[0], 1);
  EXPECT_EQ(w.ballSprite.cels[2], 0);
}

TEST(BowlBall, BodiesLeavingTheLaneDropIntoTheGutters) {
  Bodies w;
  // A pin reaching x 32 stops in the left gutter at 23, sounding it.
  w.pin.SetPosition(33.2, 50);
  Launch(w.pin, 0.5, M_PI);
  EXPECT_FALSE(w.pin.Move());
  EXPECT_EQ(w.pinSprite.x, kLeftGutterX);
  EXPECT_FALSE(w.pin.m_bMoving);
  EXPECT_EQ(w.sound.played, std::vector<UINT>{kGutterSound});
  w.other.SetPosition(121.8, 50);
  Launch(w.other, 0.5, 0.0);
  EXPECT_FALSE(w.other.Move());
  EXPECT_EQ(w.otherSprite.x, kRightGutterX);
  // The ball runs straight up its gutter, out of reach of every pin.
  w.ball.SetPosition(34, 300);
  Launch(w.ball, 0.4, 2.0);
  w.pin.SetPosition(kPinSpots[0].x, kPinSpots[0].y);
  int steps = 0;
  int inGutter = 0;
  while (w.ball.Move()) {
    ++steps;
    EXPECT_FALSE(w.ball.IsOnDeck() && w.ball.Overlaps(&w.pin));
    // Snapped back every step while on the screen (past the top it runs free).
    if (w.ball.m_bInGutter && w.ballSprite.y > 0) {
      EXPECT_EQ(w.ballSprite.x, kLeftGutterX);
      ++inGutter;
    }
  }
  EXPECT_GT(inGutter, 600);
  EXPECT_LE(w.ballSprite.y, kOffTopY);
  EXPECT_GT(steps, 100);
}

TEST(BowlBall, DeckBoundsAndTouchingBodies) {
  Bodies w;
  const auto onDeck = [&](double x, double y) {
    w.pin.SetPosition(x, y);
    return w.pin.IsOnDeck() != FALSE;
  };
  EXPECT_TRUE(onDeck(32, -1));
  EXPECT_TRUE(onDeck(121.9, 207.9));
  EXPECT_FALSE(onDeck(122, 100));
  EXPECT_FALSE(onDeck(100, 208));
  EXPECT_FALSE(onDeck(31.5, 100));
  // Exactly touching is not overlapping.
  w.pin.SetPosition(50, 50);
  w.other.SetPosition(60, 50);
  EXPECT_FALSE(w.pin.Overlaps(&w.other));
  w.other.SetPosition(59.999, 50);
  EXPECT_TRUE(w.pin.Overlaps(&w.other));
}

TEST(BowlBall, AKnockedPinFallsTheWayItMoves) {
  for (int k = 0; k < 3; ++k) {
    Bodies w;
    w.next = k;
    w.pin.SetPosition(72, 100);
    Launch(w.pin, 0.6, 0.3);  // to the right
    while (w.pin.Move()) {
    }
    const std::vector<std::vector<int>> right = {{5, 1}, {5, 1, 11}, {5, 1, 6, 9}};
    EXPECT_EQ(w.pinSprite.cels, right[static_cast<std::size_t>(k)]) << "k " << k;
    Bodies l;
    l.next = k;
    l.pin.SetPosition(72, 100);
    Launch(l.pin, 0.6, 2.8);  // to the left
    while (l.pin.Move()) {
    }
    EXPECT_EQ(l.pinSprite.cels, k == 0 ? std::vector<int>({4, 3}) : std::vector<int>({4, 3, 10})) << "k " << k;
  }
}

TEST(BowlBall, APinKnockedWithNoSidewaysMotionStillFalls) {
  Bodies w;
  w.pin.SetPosition(72, 100);
  w.pin.m_dSpeed = 0.5;
  w.pin.m_dHeading = kHalfPi;
  w.pin.m_dCos = 0.0;
  w.pin.m_dSin = 1.0;
  w.pin.m_dVelX = 0.0;
  w.pin.m_dVelY = -0.5;
  ASSERT_TRUE(w.pin.Move());
  ASSERT_NE(w.pin.FallCels(), nullptr);
  EXPECT_NE(w.pinSprite.cel, 0);  // never left drawn standing
  // Slow falls: each picture stays up for a number of steps.
  Bodies s;
  s.pin.m_nStepsPerFallCel = 4;
  s.pin.SetPosition(72, 100);
  Launch(s.pin, 0.6, 0.3);
  for (int i = 0; i < 5; ++i) s.pin.Move();
  EXPECT_EQ(s.pinSprite.cels, std::vector<int>({5, 1}));
}

}  // namespace
}  // namespace bowling
