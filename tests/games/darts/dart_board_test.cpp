// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_board.h"

#include <gtest/gtest.h>

namespace darts {
namespace {

TEST(DartBoard, RingsByDistance) {
  struct Case {
    int dist;
    Ring ring;
    int points;  // at angle 90, the 20
  };
  const Case cases[] = {
      {0, Ring::InnerBull, 50},  {5, Ring::InnerBull, 50}, {6, Ring::OuterBull, 25},
      {10, Ring::OuterBull, 25}, {11, Ring::Single, 20},   {61, Ring::Single, 20},
      {62, Ring::Treble, 60},    {67, Ring::Treble, 60},   {68, Ring::Single, 20},
      {93, Ring::Single, 20},    {94, Ring::Double, 40},   {100, Ring::Double, 40},
      {101, Ring::Miss, 0},      {500, Ring::Miss, 0},
  };
  for (const Case& c : cases) {
    const BoardHit hit = ResolveHit(c.dist, 90);
    EXPECT_EQ(hit.ring, c.ring) << "distance " << c.dist;
    EXPECT_EQ(hit.points, c.points) << "distance " << c.dist;
    EXPECT_EQ(hit.OnBoard(), c.dist <= 100) << "distance " << c.dist;
  }
}

TEST(DartBoard, NumbersByAngle) {
  struct Case {
    int angle;
    int number;
  };
  const Case cases[] = {{0, 6},   {8, 6},    {-8, 6},   {9, 13},   {-9, 10},  {26, 13}, {27, 4},
                        {-27, 15}, {90, 20},  {-90, 3},  {99, 5},   {-99, 19}, {171, 11}, {-171, 11},
                        {170, 14}, {-170, 8}, {180, 11}, {-180, 11}};
  for (const Case& c : cases) EXPECT_EQ(ResolveHit(50, c.angle).number, c.number) << "angle " << c.angle;
}

TEST(DartBoard, EveryNumberAppearsOnceAroundTheBoard) {
  int seen[21] = {};
  for (int a = -162; a <= 180; a += 18) ++seen[ResolveHit(50, a).number];
  for (int n = 1; n <= 20; ++n) EXPECT_EQ(seen[n], 1) << n;
}

TEST(DartBoard, ThePicturesNumberingAgreesWithTheScoring) {
  // The art walks the numbers counter-clockwise from 0 degrees; each is the
  // number the game scores in the middle of that segment.
  for (int k = 0; k < kNumberedSegments; ++k) {
    const int middle = k <= 10 ? k * kSegmentDegrees : k * kSegmentDegrees - 360;
    EXPECT_EQ(NumberCounterClockwise(k), ResolveHit(50, middle).number) << "segment " << k;
  }
  EXPECT_EQ(NumberCounterClockwise(kNumberedSegments), NumberCounterClockwise(0));
  // Neighbours never share a colour.
  for (int k = 0; k < kNumberedSegments; ++k)
    EXPECT_NE(IsDarkSegment(NumberCounterClockwise(k)), IsDarkSegment(NumberCounterClockwise(k + 1))) << k;
}

TEST(DartBoard, AimPositionsPointBackAtTheirNumbers) {
  for (int n = 1; n <= 20; ++n)
    EXPECT_EQ(kSegments[static_cast<std::size_t>(kAimPositions[static_cast<std::size_t>(n)])], n);
  EXPECT_EQ(kSegments[static_cast<std::size_t>(kAimPositions[21])], 25);
  EXPECT_EQ(kSegments[static_cast<std::size_t>(kAimPositions[22])], 50);
}

TEST(DartBoard, SegmentPositionStaysInTheTableForAnyAngle) {
  for (int a = -1000; a <= 1000; ++a) {
    const int k = SegmentPosition(a);
    EXPECT_GE(k, 0);
    EXPECT_LE(k, 21);
  }
}

TEST(DartBoard, PolarOfPlayfieldPoints) {
  EXPECT_EQ(ToBoardPolar({266, 141}).dist, 0);
  BoardPolar p = ToBoardPolar({266, 41});  // straight up
  EXPECT_EQ(p.angle, 90);
  EXPECT_EQ(p.dist, 100);
  p = ToBoardPolar({166, 141});  // left
  EXPECT_EQ(p.angle, 180);
  p = ToBoardPolar({266, 241});  // down
  EXPECT_EQ(p.angle, -90);
  EXPECT_EQ(ResolveHit(p.dist, p.angle).points, 6);  // double 3
  p = ToBoardPolar({269, 145});  // 5 pixels out
  EXPECT_EQ(p.dist, 5);
}

TEST(DartBoard, SegmentCentresLieInTheirSegments) {
  for (int k = 0; k < 22; ++k) {
    const BoardPolar p = ToBoardPolar(SegmentCenterPoint(k, 50));
    EXPECT_NEAR(p.dist, 50, 1);
    EXPECT_EQ(ResolveHit(p.dist, p.angle).number, kSegments[static_cast<std::size_t>(k)]) << k;
  }
  EXPECT_EQ(SegmentCenterPoint(22, 50), CPoint(266, 141));
}

}  // namespace
}  // namespace darts
