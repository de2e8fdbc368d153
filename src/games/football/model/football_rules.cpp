// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/football/model/football_rules.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace football {

namespace {
constexpr double kRadToDegHalf = 0.31830988619288864;  // 1/pi: radians to half-turns
constexpr double kDriftStep = 0.25;
constexpr int kBonusDivisor = 20;
constexpr std::array<int, 3> kTargets = {28, 40, 54};

std::size_t Index(int value, int max) { return static_cast<std::size_t>(std::clamp(value, 0, max)); }

double DistanceFrom(CPoint p, CPoint centre) {
  const double dx = static_cast<double>(p.x) - centre.x;
  const double dy = static_cast<double>(centre.y) - p.y;
  return std::sqrt(dx * dx + dy * dy);
}
}  // namespace

int ClampVariant(int variant) { return std::clamp(variant, kPlayTo28, kPlayTo54); }
int TargetScore(int variant) { return kTargets[static_cast<std::size_t>(ClampVariant(variant))]; }

ThrowSettings ClampSettings(ThrowSettings s) {
  s.velocity = std::clamp(s.velocity, 0, kVelocityMax);
  s.accuracy = std::clamp(s.accuracy, 0, kAccuracyMax);
  s.drift = std::clamp(s.drift, 0, kDriftMax);
  return s;
}

int NominalThrowMs(int velocity) { return kNominalThrowMs[Index(velocity, kVelocityMax)]; }
int AccuracyDivisor(int accuracy) { return kAccuracyDivisor[Index(accuracy, kAccuracyMax)]; }
double DriftFactor(int drift) { return kDriftStep * std::clamp(drift, 0, kDriftMax); }

int DragAngle(CPoint press, CPoint release) {
  const double turn = pmath::Atan2(static_cast<double>(release.x - press.x), static_cast<double>(press.y - release.y));
  return static_cast<int>(turn * kRadToDegHalf * 180);
}

int HoleYards(const Hole& hole, double distance) {
  if (distance > hole.radius) return 0;
  // The small hole is harder to hit and worth more; both fall off to the edge.
  return static_cast<int>(hole.centreYards + (-hole.edgeLoss) * (distance * hole.perPixel));
}

Pass ScorePass(CPoint press, CPoint release, DWORD throwMs, const ThrowSettings& settings,
               const std::function<int(int)>& random) {
  Pass p;
  const std::int64_t nominal = NominalThrowMs(settings.velocity);
  // Worked out signed and wide: a long hold means "late", never a wrapped-around "early".
  const std::int64_t early = nominal - static_cast<std::int64_t>(throwMs);
  p.angle = DragAngle(press, release);
  const int x = release.x + static_cast<int>(DriftFactor(settings.drift) * p.angle);
  const std::int64_t y = release.y + early / AccuracyDivisor(settings.accuracy);
  p.aim.x = std::clamp(x, kLandMinX, kLandMaxX);
  p.aim.y = static_cast<int>(std::clamp<std::int64_t>(y, kLandMinY, kLandMaxY));
  p.bonus = early >= 1 ? static_cast<int>(early / kBonusDivisor) : 0;

  const double dLarge = DistanceFrom(p.aim, kLargeHole.centre);
  const double dSmall = DistanceFrom(p.aim, kSmallHole.centre);
  if (dLarge <= kLargeHole.radius) {
    p.gain = HoleYards(kLargeHole, dLarge) + p.bonus;
    p.hole = kLargeHoleHit;
  } else if (dSmall <= kSmallHole.radius) {
    p.gain = HoleYards(kSmallHole, dSmall) + p.bonus;
    p.hole = kSmallHoleHit;
  }
  if (-early > kInterceptionSlackMs && random && random(4) == 3) {
    p.gain = 0;
    p.intercepted = true;
  }
  p.landing = p.hole == kLargeHoleHit ? kLargeHole.centre : p.hole == kSmallHoleHit ? kSmallHole.centre : p.aim;
  return p;
}

bool InRimBand(CPoint landing) {
  const int dLarge = static_cast<int>(DistanceFrom(landing, kLargeHole.centre));
  const int dSmall = static_cast<int>(DistanceFrom(landing, kSmallHole.centre));
  return (dLarge > kLargeHole.radius && dLarge < kLargeHole.rimOuter) ||
         (dSmall > kSmallHole.radius && dSmall < kSmallHole.rimOuter);
}

Strike JudgeStrike(CPoint landing, bool intercepted) {
  if (intercepted) return Strike::Rim;
  if (kRightPost.PtInRect(landing)) return Strike::RightPost;
  if (kLeftPost.PtInRect(landing)) return Strike::LeftPost;
  if (InRimBand(landing)) return Strike::Rim;
  return Strike::HoleOrMiss;
}

SeriesResult ApplyGain(Series& s, int gain) {
  if (gain != 0) {
    s.yardsToGoal -= gain;
    if (s.yardsToGoal < 1) {
      s.touchdown = true;
      return SeriesResult::Touchdown;
    }
  }
  s.toGo -= gain;
  if (s.toGo < 1) {
    s.down = 1;
    s.toGo = 10;
    return SeriesResult::FirstDown;
  }
  ++s.down;
  return gain > 0 ? SeriesResult::Completed : SeriesResult::Incomplete;
}

}  // namespace football
