// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where everything of the darts game is, and the ids of its pictures, cursors,
// sounds and dialogs. The game, the art generator and the tests all read them
// from here, so the pictures and the rules cannot drift apart.
#include <array>

#include "platform/rect.h"
#include "platform/types.h"

namespace darts {

// --- The board ---------------------------------------------------------------
inline constexpr int kBoardCenterX = 266;
inline constexpr int kBoardCenterY = 141;

// Rings by whole-pixel distance from the centre (each bound included).
inline constexpr int kInnerBullMax = 5;
inline constexpr int kOuterBullMax = 10;
inline constexpr int kTrebleMin = 62;
inline constexpr int kTrebleMax = 67;
inline constexpr int kDoubleMin = 94;
inline constexpr int kBoardRadius = 100;  // the outer edge of the double ring
// The black ring of numbers around the doubles (in the picture only).
inline constexpr int kNumberRingRadius = 131;

// Board numbers by position: 0..10 counter-clockwise from the 6 at the right
// to the 11 at the left in 18-degree steps, 11..21 clockwise from the 6 again
// to the 11, then the two bulls.
inline constexpr std::array<int, 24> kSegments = {6,  13, 4, 18, 1,  20, 5,  12, 9, 14, 11, 6,
                                                  10, 15, 2, 17, 3, 19, 7,  16, 8, 11, 25, 50};
// Where each target 0..20, 25 (index 21) and 50 (index 22) sits in kSegments.
inline constexpr std::array<int, 23> kAimPositions = {0,  4, 14, 16, 2,  6,  11, 18, 20, 8,  12, 10,
                                                      7, 1, 9,  13, 19, 15, 3,  17, 5,  22, 23};
inline constexpr int kSegmentDegrees = 18;
inline constexpr int kNumberedSegments = 20;

// The number of the k-th segment counter-clockwise from the 6 at 0 degrees
// (k = 0..19), read off kSegments.
constexpr int NumberCounterClockwise(int k) {
  k = ((k % kNumberedSegments) + kNumberedSegments) % kNumberedSegments;
  return k <= 10 ? kSegments[static_cast<std::size_t>(k)] : kSegments[static_cast<std::size_t>(31 - k)];
}

// The segments painted dark: black singles, red trebles and doubles. The
// others have cream singles and green trebles and doubles.
constexpr bool IsDarkSegment(int number) {
  for (int dark : {20, 18, 13, 10, 2, 3, 7, 8, 14, 12})
    if (number == dark) return true;
  return false;
}

// --- The throw -----------------------------------------------------------------
// The tray the darts are picked from, the throw zone strokes start in, and
// the area strokes must end in.
inline constexpr CRect kTrayRect{244, 300, 315, 347};
inline constexpr CRect kThrowZone{155, 355, 382, 375};
inline constexpr CRect kBoardArea{128, 3, 407, 282};
// Landing points stay inside the release area (its edges included).
inline constexpr int kLandMinX = kBoardArea.left;
inline constexpr int kLandMaxX = kBoardArea.right;
inline constexpr int kLandMinY = kBoardArea.top;
inline constexpr int kLandMaxY = kBoardArea.bottom;
// Where the computer's strokes start, and the flight's first height.
inline constexpr int kThrowLineY = 365;

inline constexpr int kTrayDarts = 3;
inline constexpr std::array<CPoint, kTrayDarts> kTraySlots = {CPoint{244, 300}, CPoint{274, 300}, CPoint{304, 300}};
inline constexpr int kTraySlotWidth = 11;  // a tray dart's picture
inline constexpr int kTraySlotHeight = 47;
// Darts out of play are parked off screen.
inline constexpr int kHiddenXY = -100;

// --- The flight panel ------------------------------------------------------------
// The flight is shown side-on in the narrow panel at the left: the throw
// zone's width maps onto the panel, and the dart rises from the throw line.
inline constexpr CRect kFlightPanel{12, 45, 131, 366};
inline constexpr int kFlightSteps = 32;
inline constexpr int kFlightStepMs = 15;
// The dart in hand stands at the foot of the flight panel, inside its frame.
inline constexpr CPoint kHandPosition{(kFlightPanel.left + kFlightPanel.right - kTraySlotWidth) / 2,
                                      kFlightPanel.bottom - kTraySlotHeight - 4};

// --- The score display -------------------------------------------------------------
// The chalkboard on the right; the game writes into its black boxes.
inline constexpr CRect kScorePanel{418, 44, 594, 296};
inline constexpr int kCricketPanelBottom = 348;
// 301 and 501: a row per seat (name, remaining), then the last dart and the turn.
inline constexpr CRect kCountdownName{434, 84, 535, 100};
inline constexpr CRect kCountdownScore{550, 84, 582, 100};
inline constexpr int kCountdownRowStep = 30;
inline constexpr CRect kThrowBox{430, 245, 490, 280};
inline constexpr CRect kTotalBox{520, 245, 580, 280};
// Cricket: a name row per seat, then the marks grid.
inline constexpr CRect kCricketName{450, 86, 578, 102};
inline constexpr int kCricketRowStep = 27;
// The middle column holds the labels (15..20 and "Bulls") and is wider.
inline constexpr CRect kGridCell{424, 214, 452, 228};
inline constexpr int kGridColumnStep = 31;
inline constexpr int kGridLabelWidth = 40;
inline constexpr int kGridRowStep = 18;

// --- Pictures, cursors, sounds ------------------------------------------------------
inline constexpr int kSeats = 4;
// A player's darts in the tray, by seat.
inline constexpr std::array<UINT, kSeats> kTrayBitmaps = {143, 145, 144, 151};

// A dart stuck in the board, in one of four poses k (1, 2, 5 or 6): the first
// two lean in (41 x 28), the last two stand straight (11 x 27) with the tip
// at the top or at the bottom. The hot spot is the tip.
struct StuckDartImage {
  UINT bitmap = 0;
  int width = 0;
  int height = 0;
  int hotX = 0;
  int hotY = 0;
};
inline constexpr std::array<int, 4> kStuckPoses = {1, 2, 5, 6};
inline constexpr std::array<std::array<UINT, 4>, kSeats> kStuckBitmaps = {{
    {152, 153, 156, 157},
    {172, 173, 176, 177},
    {164, 165, 169, 170},
    {158, 159, 162, 163},
}};
// The k values a stuck-dart draw accepts.
constexpr bool IsStuckDartVariant(int k) { return k == 1 || k == 2 || k == 5 || k == 6; }
// The picture of seat `seat` in pose k; other values of k give the first pose.
constexpr StuckDartImage StuckDartFor(int seat, int k) {
  const std::size_t s = static_cast<std::size_t>(seat < 0 ? 0 : seat >= kSeats ? kSeats - 1 : seat);
  switch (k) {
    case 2: return {kStuckBitmaps[s][1], 41, 28, 0, 26};
    case 5: return {kStuckBitmaps[s][2], 11, 27, 5, 0};
    case 6: return {kStuckBitmaps[s][3], 11, 27, 5, 26};
    default: return {kStuckBitmaps[s][0], 41, 28, 40, 26};
  }
}

inline constexpr UINT kReadyCursor = 149;     // over the throw zone, dart in hand
inline constexpr UINT kThrowingCursor = 150;  // during a stroke
inline constexpr int kCursorHotX = 16;        // the cursor dart's point
inline constexpr int kCursorHotY = 1;

inline constexpr UINT kMissSound = 324;
inline constexpr UINT kHitSound = 325;
inline constexpr UINT kBustSound = 326;
inline constexpr UINT kWinSound = 327;
inline constexpr UINT kPickSound = 402;
inline constexpr std::array<UINT, 5> kSoundTable = {kMissSound, kHitSound, kBustSound, kWinSound, kPickSound};

// --- Dialogs ---------------------------------------------------------------------------
inline constexpr UINT kTypeOfGameDialog = 138;
inline constexpr int kRadio301 = 1004;
inline constexpr int kRadio501 = 1005;
inline constexpr int kRadioCricket = 1006;
inline constexpr int kCheckDoubleOut = 1007;  // the darts players' options under the three kinds
inline constexpr int kCheckDoubleIn = 1008;

inline constexpr UINT kControlsDialog = 143;
inline constexpr int kAccuracyTrack = 1013;
inline constexpr int kVelocityTrack = 1015;
inline constexpr int kDriftTrack = 1017;

}  // namespace darts
