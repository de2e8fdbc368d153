// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a dart moves. A mouse stroke becomes a landing point: the stroke's lean
// moves the dart sideways (drift), its speed against the ideal time moves it
// up or down (velocity), and the accuracy setting scales that error. Then the
// dart flies, shown side-on in the flight panel at the left of the playfield.
#include <array>
#include <cstdint>

#include "games/darts/model/dart_geometry.h"
#include "platform/rect.h"
#include "platform/types.h"

namespace darts {

// The player's throw settings.
struct ThrowSettings {
  int velocity = 1;  // 0 Slow, 1 Normal, 2 Fast
  int accuracy = 1;  // 0 Low, 1 Medium, 2 High
  int drift = 4;     // 0 None .. 4 Normal .. 8 Twice
};
inline constexpr int kVelocityMax = 2;
inline constexpr int kAccuracyMax = 2;
inline constexpr int kDriftMax = 8;

// Ideal stroke time (ms) per velocity, error divisor per accuracy, drift factor per drift.
inline constexpr std::array<int, 3> kIdealStrokeMs = {600, 300, 200};
inline constexpr std::array<int, 3> kAccuracyDivisor = {5, 10, 25};
int IdealStrokeMs(int velocity);
int AccuracyDivisor(int accuracy);
double DriftFactor(int drift);

// Brings stored or dialog values into their ranges.
ThrowSettings ClampSettings(ThrowSettings s);

// Degrees of the stroke from straight up, positive to the right, truncated.
int StrokeAngle(CPoint press, CPoint release);

struct Landing {
  int strokeAngle = 0;
  CPoint point;
};

// The landing point of a stroke from `press` to `release` that took `durationMs`.
Landing LandingPoint(CPoint press, CPoint release, DWORD durationMs, const ThrowSettings& settings);

// Panel x of a throw-zone x (the zone's width maps onto the panel's).
int FlightPanelX(int zoneX);
// Where the flying dart is drawn before the first step: on the throw line.
CPoint FlightStart(int pressX);
// Where it is drawn after step `step` (0..kFlightSteps-1), rising ten pixels a step.
CPoint FlightStep(int pressX, int landingX, int step);

}  // namespace darts
