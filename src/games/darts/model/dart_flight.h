#pragma once
// The flight of a dart, shown side-on in the narrow panel at the left of the
// playfield: the throw zone's width maps onto the panel, and the dart rises
// from the throw line to the height of the board.
#include "platform/rect.h"

namespace darts {

inline constexpr int kFlightSteps = 32;
inline constexpr int kFlightStepMs = 15;
inline constexpr int kFlightBaseY = 365;

// Panel x of a throw-zone x (155..382 onto 12..130).
int FlightPanelX(int zoneX);
// Where the flying dart is drawn before the first step.
CPoint FlightStart(int pressX);
// Where it is drawn after step `step` (0..kFlightSteps-1).
CPoint FlightStep(int pressX, int landingX, int step);

}  // namespace darts
