// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_motion.h"

#include <gtest/gtest.h>

namespace darts {
namespace {

constexpr CPoint kRelease{266, 141};

TEST(DartThrow, StrokeTimeAgainstIdealMovesTheDartUpOrDown) {
  const ThrowSettings normal{1, 1, 4};
  const CPoint press{266, 365};  // straight up: no drift
  EXPECT_EQ(LandingPoint(press, kRelease, 250, normal).point, CPoint(266, 146));
  EXPECT_EQ(LandingPoint(press, kRelease, 300, normal).point, kRelease);
  EXPECT_EQ(LandingPoint(press, kRelease, 400, normal).point, CPoint(266, 131));
  // Truncation toward zero both ways.
  EXPECT_EQ(LandingPoint(press, kRelease, 309, normal).point.y, 141);
  EXPECT_EQ(LandingPoint(press, kRelease, 291, normal).point.y, 141);
}

TEST(DartThrow, VelocityAndAccuracyTables) {
  const CPoint press{266, 365};
  // Slow wants 600 ms; low accuracy divides the error by 5.
  EXPECT_EQ(LandingPoint(press, kRelease, 500, {0, 0, 0}).point.y, 161);
  // Fast wants 200 ms; high accuracy divides by 25.
  EXPECT_EQ(LandingPoint(press, kRelease, 300, {2, 2, 0}).point.y, 137);
}

TEST(DartThrow, DriftFollowsTheLeanOfTheStroke) {
  const CPoint release{300, 141};
  const CPoint straight{300, 365};
  EXPECT_EQ(LandingPoint(straight, release, 300, {1, 1, 8}).point.x, 300);
  // A stroke leaning about 10 degrees to the right.
  const CPoint leaning{300 - 40, 141 + 227};
  const Landing l = LandingPoint(leaning, release, 300, {1, 1, 8});
  EXPECT_EQ(l.strokeAngle, 9);  // atan(40/227) = 9.99..., truncated
  EXPECT_EQ(l.point.x, 318);
  const CPoint ten{300 - 40, 141 + 226};  // atan(40/226) = 10.04 degrees
  EXPECT_EQ(LandingPoint(ten, release, 300, {1, 1, 8}).point.x, 320);
  EXPECT_EQ(LandingPoint(ten, release, 300, {1, 1, 4}).point.x, 310);
  EXPECT_EQ(LandingPoint(ten, release, 300, {1, 1, 0}).point.x, 300);
  const CPoint left{300 + 40, 141 + 226};
  EXPECT_EQ(LandingPoint(left, release, 300, {1, 1, 8}).point.x, 280);
}

TEST(DartThrow, LandingStaysInTheReleaseArea) {
  const CPoint press{266, 365};
  EXPECT_EQ(LandingPoint(press, {266, 280}, 0, {1, 0, 0}).point.y, 282);   // 60 px low
  EXPECT_EQ(LandingPoint(press, {266, 5}, 5000, {1, 0, 0}).point.y, 3);    // far too slow
  EXPECT_EQ(LandingPoint({155, 365}, {406, 100}, 300, {1, 1, 8}).point.x, 407);
  EXPECT_EQ(LandingPoint({382, 365}, {129, 100}, 300, {1, 1, 8}).point.x, 128);
  // A button held for days neither wraps nor leaves the area.
  EXPECT_EQ(LandingPoint(press, kRelease, 0xFFFFFFF0u, {0, 0, 8}).point.y, 3);
}

TEST(DartThrow, SettingsOutOfRangeAreClamped) {
  const ThrowSettings s = ClampSettings({-3, 7, 99});
  EXPECT_EQ(s.velocity, 0);
  EXPECT_EQ(s.accuracy, 2);
  EXPECT_EQ(s.drift, 8);
  EXPECT_EQ(IdealStrokeMs(9), 200);
  EXPECT_EQ(AccuracyDivisor(-1), 5);
  EXPECT_DOUBLE_EQ(DriftFactor(4), 1.0);
}

TEST(DartFlight, ThrowZoneMapsOntoTheSidePanel) {
  EXPECT_EQ(FlightPanelX(155), 12);
  EXPECT_EQ(FlightPanelX(268), 70);
  EXPECT_GE(FlightPanelX(381), 129);
  EXPECT_LE(FlightPanelX(382), 130);
}

TEST(DartFlight, RisesTenPixelsAStepFromTheThrowLineToTheBoard) {
  EXPECT_EQ(FlightStart(155), CPoint(12, 365));
  EXPECT_EQ(FlightStep(155, 155, 0), CPoint(12, 355));
  CPoint prev = FlightStart(155);
  for (int step = 0; step < kFlightSteps; ++step) {
    const CPoint at = FlightStep(155, 382, step);
    EXPECT_EQ(at.y, prev.y - 10);
    EXPECT_GE(at.x, prev.x);  // drifts steadily towards the landing side
    prev = at;
  }
  EXPECT_EQ(prev.y, 45);
  EXPECT_EQ(prev.x, 12 + static_cast<int>(310 * (130 - 12) * 0.003125));
}

}  // namespace
}  // namespace darts
