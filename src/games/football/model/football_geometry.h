// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the football game, its art and its tests agree on: where the
// board, its holes and posts, the rack, the throwing zone and the scoreboard
// lie on the playfield, and the ids of its pictures, cursors, sounds and
// dialogs.
#include <array>

#include "platform/rect.h"
#include "platform/types.h"

namespace football {

// --- The target board ---------------------------------------------------
struct Hole {
  CPoint centre;
  int radius;       // through the hole up to this distance (inclusive)
  int rimOuter;     // the rim band: truncated distances above radius, below this
  int centreYards;  // what a pass through the very centre gains
  int edgeLoss;     // yards less at the edge
  double perPixel;  // 1 / radius, as the gain is worked out
};
inline constexpr Hole kLargeHole{{227, 92}, 17, 24, 10, 10, 0.058823529411764705};
inline constexpr Hole kSmallHole{{194, 127}, 10, 20, 40, 30, 0.1};
inline constexpr CRect kLeftPost{119, 58, 149, 209};
inline constexpr CRect kRightPost{280, 58, 303, 209};
// The board face between the posts.
inline constexpr CRect kBoardFace{149, 58, 280, 209};
// Landing points are kept inside these bounds (inclusive).
inline constexpr int kLandMinX = 127;
inline constexpr int kLandMaxX = 291;
inline constexpr int kLandMinY = 0;
inline constexpr int kLandMaxY = 209;
// A ball that bounces back off the board's face drops to this height.
inline constexpr int kDropFloorY = 195;

// --- Where the player throws from ------------------------------------------
inline constexpr CRect kRackRect{131, 224, 298, 248};
inline constexpr std::array<CPoint, 3> kRackSlots = {CPoint{160, 236}, CPoint{215, 236}, CPoint{270, 236}};
inline constexpr CRect kFirstThrowZone{113, 267, 152, 291};  // moved right by 0..156 before a throw
inline constexpr int kZoneWidth = 39;
inline constexpr int kZoneHeight = 24;
inline constexpr int kZoneShiftRange = 157;  // Random(157): the zone's shift to the right
inline constexpr CRect kReleaseRect{156, 55, 268, 206};
inline constexpr int kHiddenXY = -100;

// --- The scoreboard ----------------------------------------------------------
inline constexpr int kDigitWidth = 20;
inline constexpr int kDigitHeight = 32;
inline constexpr CPoint kDownDigitAt{380, 154};
inline constexpr CPoint kToGoDigitsAt{431, 154};
inline constexpr CPoint kYardsDigitsAt{492, 154};
inline constexpr int kSlots = 4;
// Name and score boxes of player slot i, drawn on the window.
inline constexpr CRect NameBox(int i) { return {355, 182 + 29 * i, 461, 200 + 29 * i}; }
inline constexpr CRect ScoreBox(int i) { return {491, 182 + 29 * i, 525, 200 + 29 * i}; }
// The digit pictures stand 32 rows tall but the first name row begins 28
// rows below their top: the lit window of a digit keeps above that row's
// edge (one row above the name box), and the rest of the picture is clear.
inline constexpr int kDigitWindowRows = NameBox(0).top - 1 - kDownDigitAt.y;

// --- Pictures ------------------------------------------------------------------
inline constexpr UINT kFieldBitmap = 179;
inline constexpr UINT kRackBallBitmap = 283;
inline constexpr UINT kZoneMarkerBitmap = 352;
inline constexpr UINT kFirstDigitBitmap = 255;  // 255..264 show 0..9
inline constexpr int kDigits = 10;
inline constexpr CPoint kRackBallHotSpot{25, 13};

// The flying football's cels: picture and hot spot. 0..2 rising, 3..5
// falling, 6..9 dropping, 10..21 tumbling off a rim or a post, 22..33 flying
// away up the field.
struct Cel {
  UINT bitmap;
  CPoint hot;
};
// 22..33: the pass flying away up the field, four sizes (in the hand .. at
// the board) of three turns each, each picture centred on its hot spot.
inline constexpr int kFlightCels = 34;
inline constexpr std::array<Cel, kFlightCels> kCels = {{
    {289, {21, 28}}, {313, {21, 28}}, {314, {21, 28}}, {315, {21, 30}}, {316, {21, 30}}, {317, {21, 30}},
    {318, {14, 16}}, {319, {15, 16}}, {320, {14, 16}}, {321, {14, 16}}, {307, {25, 13}}, {308, {24, 19}},
    {309, {13, 17}}, {310, {10, 18}}, {311, {13, 17}}, {312, {17, 13}}, {283, {25, 13}}, {284, {24, 19}},
    {285, {18, 25}}, {286, {14, 26}}, {287, {18, 24}}, {288, {24, 18}},
    {411, {16, 16}}, {412, {16, 16}}, {413, {16, 16}}, {414, {12, 12}}, {415, {12, 12}}, {416, {12, 12}},
    {417, {9, 9}},   {418, {9, 9}},   {419, {9, 9}},   {420, {6, 6}},   {421, {6, 6}},   {422, {6, 6}},
}};
inline constexpr int kFirstRisingCel = 0;
inline constexpr int kFirstFallingCel = 3;
inline constexpr int kFirstDropCel = 6;
inline constexpr int kFirstTumbleCel = 10;
inline constexpr int kFirstTumbleLoopCel = 16;
inline constexpr int kFirstAwayCel = 22;
inline constexpr int kAwaySizes = 4;

// --- Cursors -------------------------------------------------------------------
inline constexpr UINT kReadyCursor = 295;     // over the throwing zone with a ball in hand
inline constexpr UINT kThrowingCursor = 296;  // while a throw is dragged

// --- Sounds --------------------------------------------------------------------
inline constexpr UINT kWinSound = 328;
inline constexpr UINT kFirstDownSound = 329;
inline constexpr UINT kLossSound = 326;  // interception or loss of downs
inline constexpr UINT kTouchdownSound = 330;
inline constexpr UINT kStartSound = 331;
inline constexpr UINT kPickSound = 402;
inline constexpr UINT kRimSound = 362;
inline constexpr UINT kLargeHoleSound = 371;
inline constexpr UINT kSmallHoleSound = 372;
inline constexpr UINT kPostSound = 373;
inline constexpr UINT kMissSound = 400;
inline constexpr std::array<UINT, 11> kSoundTable = {kWinSound,       kFirstDownSound, kLossSound, kTouchdownSound,
                                                     kStartSound,     kPickSound,      kRimSound,  kLargeHoleSound,
                                                     kSmallHoleSound, kPostSound,      kMissSound};

// --- Dialogs -------------------------------------------------------------------
inline constexpr UINT kTypeOfGameDialog = 140;
inline constexpr int kRadioPlayTo28 = 1010;
inline constexpr int kRadioPlayTo40 = 1011;
inline constexpr int kRadioPlayTo54 = 1012;
inline constexpr UINT kControlsDialog = 301;
inline constexpr int kVelocityTrack = 1020;
inline constexpr int kAccuracyTrack = 1021;
inline constexpr int kDriftTrack = 1022;

}  // namespace football
