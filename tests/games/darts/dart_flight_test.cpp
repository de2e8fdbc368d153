#include "games/darts/dart_flight.h"

#include <gtest/gtest.h>

#include "games/darts/dart_resources.h"
#include "games/darts/dart_scoreboard.h"

namespace darts {
namespace {

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

TEST(DartStuckPictures, EverySeatHasFourPoses) {
  EXPECT_EQ(StuckDartFor(0, 1).bitmap, 152u);
  EXPECT_EQ(StuckDartFor(0, 1).hotX, 40);
  EXPECT_EQ(StuckDartFor(1, 2).bitmap, 173u);
  EXPECT_EQ(StuckDartFor(1, 2).hotX, 0);
  EXPECT_EQ(StuckDartFor(2, 5).bitmap, 169u);
  EXPECT_EQ(StuckDartFor(2, 5).hotY, 0);
  EXPECT_EQ(StuckDartFor(3, 6).bitmap, 163u);
  EXPECT_EQ(StuckDartFor(3, 6).hotY, 26);
  for (int k = 0; k < 7; ++k) EXPECT_EQ(IsStuckDartVariant(k), k == 1 || k == 2 || k == 5 || k == 6) << k;
}

TEST(DartScoreboard, LayoutOfBothKinds) {
  const ScoreboardLayout countdown = LayoutScoreboard(kVariant501);
  EXPECT_EQ(countdown.names[3], CRect(434, 174, 535, 190));
  EXPECT_EQ(countdown.scores[0], CRect(550, 84, 582, 100));
  EXPECT_EQ(countdown.throwBox, CRect(430, 245, 490, 280));
  EXPECT_EQ(countdown.totalBox, CRect(520, 245, 580, 280));
  const ScoreboardLayout cricket = LayoutScoreboard(kVariantCricket);
  EXPECT_EQ(cricket.names[1], CRect(450, 113, 578, 129));
  EXPECT_EQ(cricket.grid[0][0], CRect(424, 214, 452, 228));
  EXPECT_EQ(cricket.grid[4][6], CRect(552, 322, 580, 336));
  EXPECT_EQ(GridColumnSeat(0), 0);
  EXPECT_EQ(GridColumnSeat(1), 1);
  EXPECT_EQ(GridColumnSeat(2), -1);
  EXPECT_EQ(GridColumnSeat(3), 2);
  EXPECT_EQ(GridColumnSeat(4), 3);
}

}  // namespace
}  // namespace darts
