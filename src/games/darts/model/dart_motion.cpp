// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_motion.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <cmath>

namespace darts {

namespace {
constexpr double kRadToDeg = 57.29577951471995;
constexpr double kDriftStep = 0.25;
// The panel's last column is the zone's right edge.
constexpr double kPanelScale = static_cast<double>(kFlightPanel.right - 1 - kFlightPanel.left) /
                               static_cast<double>(kThrowZone.right - kThrowZone.left);
constexpr int kStepHeight = 10;
constexpr double kStepFraction = 1.0 / (kFlightSteps * kStepHeight);  // of the way across, per pixel of height

std::size_t Index(int value, int max) { return static_cast<std::size_t>(std::clamp(value, 0, max)); }
}  // namespace

int IdealStrokeMs(int velocity) { return kIdealStrokeMs[Index(velocity, kVelocityMax)]; }
int AccuracyDivisor(int accuracy) { return kAccuracyDivisor[Index(accuracy, kAccuracyMax)]; }
double DriftFactor(int drift) { return kDriftStep * std::clamp(drift, 0, kDriftMax); }

ThrowSettings ClampSettings(ThrowSettings s) {
  s.velocity = std::clamp(s.velocity, 0, kVelocityMax);
  s.accuracy = std::clamp(s.accuracy, 0, kAccuracyMax);
  s.drift = std::clamp(s.drift, 0, kDriftMax);
  return s;
}

int StrokeAngle(CPoint press, CPoint release) {
  return static_cast<int>(pmath::Atan2(static_cast<double>(release.x - press.x),
                                     static_cast<double>(press.y - release.y)) *
                          kRadToDeg);
}

Landing LandingPoint(CPoint press, CPoint release, DWORD durationMs, const ThrowSettings& settings) {
  Landing l;
  l.strokeAngle = StrokeAngle(press, release);
  // A long hold must not wrap: the error is worked out in 64 bits and the result clamped.
  const std::int64_t error = static_cast<std::int64_t>(IdealStrokeMs(settings.velocity)) -
                             static_cast<std::int64_t>(durationMs);
  const std::int64_t y = release.y + error / AccuracyDivisor(settings.accuracy);
  const int x = release.x + static_cast<int>(DriftFactor(settings.drift) * l.strokeAngle);
  l.point.x = std::max(std::min(x, kLandMaxX), kLandMinX);
  l.point.y = static_cast<int>(std::clamp<std::int64_t>(y, kLandMinY, kLandMaxY));
  return l;
}

int FlightPanelX(int zoneX) {
  return static_cast<int>((zoneX - kThrowZone.left) * kPanelScale + kFlightPanel.left);
}

CPoint FlightStart(int pressX) { return {FlightPanelX(pressX), kThrowLineY}; }

CPoint FlightStep(int pressX, int landingX, int step) {
  const int xs = FlightPanelX(pressX);
  const int xe = FlightPanelX(landingX);
  const int i = step * kStepHeight;
  return {static_cast<int>(xs + i * (xe - xs) * kStepFraction), kThrowLineY - (i + kStepHeight)};
}

}  // namespace darts
