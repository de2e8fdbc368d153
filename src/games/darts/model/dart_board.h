// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a landing point on the dartboard turns into a ring, a number and points.
#include "games/darts/model/dart_geometry.h"
#include "platform/rect.h"

namespace darts {

inline constexpr int kOuterBullPoints = 25;
inline constexpr int kInnerBullPoints = 50;

enum class Ring { Miss, InnerBull, OuterBull, Single, Treble, Double };

struct BoardHit {
  Ring ring = Ring::Miss;
  int number = 0;  // 1..20 for the numbered rings, 25 or 50 for the bulls, 0 for a miss
  int points = 0;
  bool OnBoard() const { return ring != Ring::Miss; }
};

// Position in kSegments of a landing angle (degrees, counter-clockwise from
// the right, -180..180). An angle on a boundary goes to the segment farther
// from 0 degrees.
int SegmentPosition(int angle);

// Ring, number and points of a landing point `dist` whole pixels from the
// centre at `angle` degrees.
BoardHit ResolveHit(int dist, int angle);

// Polar form of a playfield point about the board centre, both truncated to
// whole degrees and pixels.
struct BoardPolar {
  int angle = 0;  // -180..180, counter-clockwise from the right
  int dist = 0;
};
BoardPolar ToBoardPolar(CPoint pt);

// The point `radius` pixels from the centre in the middle of the segment at
// `position` in kSegments (positions 22 and 23, the bulls, give the centre).
CPoint SegmentCenterPoint(int position, int radius);

}  // namespace darts
