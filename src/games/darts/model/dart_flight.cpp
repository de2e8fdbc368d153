#include "games/darts/model/dart_flight.h"

namespace darts {

namespace {
constexpr double kPanelScale = 0.5198237885462555;  // 118 / 227
constexpr int kZoneLeft = 155;
constexpr int kPanelLeft = 12;
constexpr int kStepHeight = 10;
constexpr double kStepFraction = 0.003125;  // 1 / 320 per pixel of height
}  // namespace

int FlightPanelX(int zoneX) { return static_cast<int>((zoneX - kZoneLeft) * kPanelScale + kPanelLeft); }

CPoint FlightStart(int pressX) { return {FlightPanelX(pressX), kFlightBaseY}; }

CPoint FlightStep(int pressX, int landingX, int step) {
  const int xs = FlightPanelX(pressX);
  const int xe = FlightPanelX(landingX);
  const int i = step * kStepHeight;
  return {static_cast<int>(xs + i * (xe - xs) * kStepFraction), kFlightBaseY - (i + kStepHeight)};
}

}  // namespace darts
