// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_board.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <cmath>

namespace darts {

namespace {
constexpr double kRadToDeg = 57.29577951471995;
constexpr double kDegToRad = 0.017453292519444445;
constexpr int kLastNumberedPosition = 21;
}  // namespace

int SegmentPosition(int angle) {
  const double t = angle / static_cast<double>(kSegmentDegrees);
  const int k = t >= 0 ? static_cast<int>(t + 0.5) : static_cast<int>(11 - (t - 0.5));
  // Angles outside -180..180 never come from a landing point; keep them on the board all the same.
  return std::clamp(k, 0, kLastNumberedPosition);
}

BoardHit ResolveHit(int dist, int angle) {
  BoardHit hit;
  if (dist < 0 || dist > kBoardRadius) return hit;
  if (dist <= kInnerBullMax) {
    hit.ring = Ring::InnerBull;
    hit.number = hit.points = kInnerBullPoints;
    return hit;
  }
  if (dist <= kOuterBullMax) {
    hit.ring = Ring::OuterBull;
    hit.number = hit.points = kOuterBullPoints;
    return hit;
  }
  hit.number = kSegments[static_cast<std::size_t>(SegmentPosition(angle))];
  if (dist >= kTrebleMin && dist <= kTrebleMax) {
    hit.ring = Ring::Treble;
    hit.points = 3 * hit.number;
  } else if (dist >= kDoubleMin) {
    hit.ring = Ring::Double;
    hit.points = 2 * hit.number;
  } else {
    hit.ring = Ring::Single;
    hit.points = hit.number;
  }
  return hit;
}

BoardPolar ToBoardPolar(CPoint pt) {
  const double dy = kBoardCenterY - pt.y;
  const double dx = pt.x - kBoardCenterX;
  BoardPolar p;
  p.angle = static_cast<int>(pmath::Atan2(dy, dx) * kRadToDeg);
  p.dist = static_cast<int>(std::sqrt(dy * dy + dx * dx));
  return p;
}

CPoint SegmentCenterPoint(int position, int radius) {
  if (position < 0 || position > kLastNumberedPosition) return {kBoardCenterX, kBoardCenterY};
  const int degrees = position < 11 ? kSegmentDegrees * position : -(kSegmentDegrees * position - 198);
  const double angle = degrees * kDegToRad;
  return {static_cast<int>(pmath::Cos(angle) * radius) + kBoardCenterX,
          static_cast<int>(pmath::Sin(angle) * -radius) + kBoardCenterY};
}

}  // namespace darts
