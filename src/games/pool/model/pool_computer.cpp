// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_computer.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace pool {

namespace {
constexpr double kRightAngle = 1.57079632675;
constexpr int kCueSpotStep = 7;
}  // namespace

int ChooseTarget(const BallPoints& pos, const BallFlags& onTable, int nGroup, bool bInHand, int nPassOver) {
  const CPoint cue = pos[kCueBall];
  auto usable = [&](int n) {
    return onTable[static_cast<std::size_t>(n)] && !(bInHand && InKitchen(pos[static_cast<std::size_t>(n)]));
  };
  // The 8 is a target only once the group is cleared, and then the only one.
  const bool eightOnly = nGroup != kOpenTable && GroupCleared(onTable, nGroup);
  std::vector<std::pair<long, int>> candidates;  // squared distance, number
  for (int n = 1; n < kBallCount; ++n) {
    const bool wanted = eightOnly ? n == kEightBall
                                  : n != kEightBall && (nGroup == kOpenTable || GroupOfBall(n) == nGroup);
    if (!wanted || !usable(n)) continue;
    const long dx = pos[static_cast<std::size_t>(n)].x - cue.x, dy = pos[static_cast<std::size_t>(n)].y - cue.y;
    candidates.emplace_back(dx * dx + dy * dy, n);
  }
  if (candidates.empty()) return -1;
  // Nearest first; the lower number wins a tie.
  std::sort(candidates.begin(), candidates.end());
  return candidates[static_cast<std::size_t>(std::max(nPassOver, 0)) % candidates.size()].second;
}

double PowerForPath(int nLength) {
  constexpr std::array<int, 6> kLimits = {40, 100, 150, 200, 250, 300};
  for (std::size_t i = 0; i < kLimits.size(); ++i)
    if (nLength < kLimits[i]) return static_cast<double>(i + 1);
  return kMaxPower;
}

ComputerAim AimAtTarget(CPoint target, CPoint cue) {
  struct Option {
    int pocket;
    double dist;
    double psi;  // from the target toward the pocket, radians, y up
  };
  std::array<Option, kPocketCount> options{};
  for (int k = 0; k < kPocketCount; ++k) {
    const CPoint p = kCallPoints[static_cast<std::size_t>(k)];
    const double dx = p.x - target.x, dy = target.y - p.y;
    options[static_cast<std::size_t>(k)] = {k, std::sqrt(dx * dx + dy * dy), std::atan2(dy, dx)};
  }
  std::stable_sort(options.begin(), options.end(), [](const Option& a, const Option& b) { return a.dist < b.dist; });
  const double phi = std::atan2(static_cast<double>(cue.y - target.y), static_cast<double>(target.x - cue.x));
  Option chosen = options.back();
  for (const Option& o : options) {
    if (std::acos(std::cos(o.psi - phi)) < kRightAngle) {
      chosen = o;
      break;
    }
  }
  // The ghost ball: one diameter behind the target on the line from the pocket.
  const int gx = target.x + static_cast<int>(std::cos(chosen.psi) * -kBallDiameter);
  const int gy = target.y + static_cast<int>(std::sin(chosen.psi) * kBallDiameter);
  ComputerAim aim;
  aim.pocket = chosen.pocket;
  aim.angle = std::atan2(static_cast<double>(cue.y - gy), static_cast<double>(gx - cue.x)) * kRadToDeg;
  const double cueToGhost = std::sqrt(static_cast<double>((gx - cue.x) * (gx - cue.x) + (gy - cue.y) * (gy - cue.y)));
  const int length = static_cast<int>(std::trunc(cueToGhost) + chosen.dist);
  aim.power = PowerForPath(length);
  return aim;
}

CPoint FindCueSpot(const std::function<bool(CPoint)>& free) {
  const int x0 = kHeadStringX;
  const int yStart = kRack[kCueBall].spot.y;
  const int yMin = kCushion.top + kBallRadius, yMax = kCushion.bottom - kBallRadius;
  for (int x = x0; x + kBallRadius <= kCushion.right; x += kCueSpotStep) {
    for (int y = yStart; y <= yMax; y += kCueSpotStep)
      if (free({x, y})) return {x, y};
    for (int y = yStart - kCueSpotStep; y >= yMin; y -= kCueSpotStep)
      if (free({x, y})) return {x, y};
  }
  // Fifteen balls cannot fill the kitchen; the rack's spot is the last resort.
  return kRack[kCueBall].spot;
}

}  // namespace pool
