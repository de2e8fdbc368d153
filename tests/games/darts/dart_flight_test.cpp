#include "games/darts/model/dart_flight.h"

#include <gtest/gtest.h>


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

}  // namespace
}  // namespace darts
