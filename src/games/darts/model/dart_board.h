#pragma once
// The dartboard: its place on the playfield, the numbers around it and how a
// landing point turns into a ring, a number and points.
#include <array>

#include "platform/rect.h"

namespace darts {

inline constexpr int kBoardCenterX = 266;
inline constexpr int kBoardCenterY = 141;

// Rings by whole-pixel distance from the centre.
inline constexpr int kInnerBullMax = 5;
inline constexpr int kOuterBullMax = 10;
inline constexpr int kTrebleMin = 62;
inline constexpr int kTrebleMax = 67;
inline constexpr int kDoubleMin = 94;
inline constexpr int kBoardRadius = 100;  // the outer edge of the double ring

inline constexpr int kOuterBullPoints = 25;
inline constexpr int kInnerBullPoints = 50;

// Board numbers by position: 0..10 counter-clockwise from the 6 at the right
// to the 11 at the left in 18-degree steps, 11..21 clockwise from the 6 again
// to the 11, then the two bulls.
inline constexpr std::array<int, 24> kSegments = {6,  13, 4, 18, 1,  20, 5,  12, 9, 14, 11, 6,
                                                  10, 15, 2, 17, 3, 19, 7,  16, 8, 11, 25, 50};
// Where each target 0..20, 25 (index 21) and 50 (index 22) sits in kSegments.
inline constexpr std::array<int, 23> kAimPositions = {0,  4, 14, 16, 2,  6,  11, 18, 20, 8,  12, 10,
                                                      7, 1, 9,  13, 19, 15, 3,  17, 5,  22, 23};
inline constexpr int kSegmentDegrees = 18;

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
