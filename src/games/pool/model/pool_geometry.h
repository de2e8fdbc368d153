// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the pool game, its art and its tests share: the table's
// cushion lines, pocket capture areas and call points, the kitchen, the
// rack, the tray for pocketed balls, the motion tables and the resource ids.
#include <array>

#include "platform/rect.h"
#include "platform/types.h"

namespace pool {

inline constexpr int kBallCount = 16;  // the cue ball (0) and fifteen object balls
inline constexpr int kCueBall = 0;
inline constexpr int kEightBall = 8;
inline constexpr int kBallRadius = 7;
inline constexpr int kBallDiameter = 14;  // two balls touch when their centres are closer
// Balls at rest may lie this close (a tight rack's diagonal neighbours are
// 13.9 px apart); any nearer and one stands inside the other.
inline constexpr double kNearestAtRest = 13.5;
inline constexpr int kBallSize = 15;      // sprite cels are 15 x 15, hot spot at the centre
inline constexpr int kBallHot = 7;

// Where a ball's centre meets a cushion: left, top, right, bottom.
inline constexpr CRect kCushion{92, 90, 509, 295};
// The cushions act only between the pocket mouths (open intervals of the
// ball's centre). The jaws stand far enough back from each corner that a
// ball rolling along either rail, up to half a ball off it, meets the mouth
// before the end cushion; past them a ball only clips the jaw and comes out.
inline constexpr int kSideRailTop = 103, kSideRailBottom = 282;     // left and right cushions, y span
inline constexpr int kLongRailLeftA = 105, kLongRailRightA = 285;   // top and bottom cushions, first x span
// The second span starts one pixel early: at x = 314 a ball is neither in the
// middle pocket (its right edge is exclusive) nor under a cushion, and one
// rolling straight up or down there would leave the table.
inline constexpr int kLongRailLeftB = 313, kLongRailRightB = 496;   // second x span

inline constexpr int kPocketCount = 6;
inline constexpr int kNoPocket = 6;  // a ball's pocket before it drops
// Capture areas of the pockets, numbered clockwise from the top left; the
// ball's centre must be inside (right and bottom exclusive).
inline constexpr std::array<CRect, kPocketCount> kPocketRects = {{
    {80, 79, 103, 100},    // top left corner
    {285, 65, 314, 95},    // top middle
    {498, 79, 521, 100},   // top right corner
    {498, 286, 521, 306},  // bottom right corner
    {285, 288, 314, 318},  // bottom middle
    {80, 286, 103, 306},   // bottom left corner
}};
// The mouths: a ball whose centre comes inside the circle while heading
// toward its middle drops into that pocket, wherever the capture area lies.
// Corner mouths sit on the corner of the cushion lines, the middle ones on
// the cushion line at the middle of the opening; a ball rolling along a rail
// (its centre up to 4 pixels off it) passes through a middle mouth.
struct PocketMouth {
  double x, y, radius;
};
inline constexpr std::array<PocketMouth, kPocketCount> kPocketMouths = {{
    {92.0, 90.0, 15.0}, {299.5, 90.0, 12.0}, {509.0, 90.0, 15.0},
    {509.0, 295.0, 15.0}, {299.5, 295.0, 12.0}, {92.0, 295.0, 15.0},
}};
// The order in which a rolling ball is tested against them.
inline constexpr std::array<int, kPocketCount> kPocketTestOrder = {0, 5, 1, 4, 2, 3};
// Where a player clicks to call a pocket, and how close (squared) counts.
inline constexpr std::array<CPoint, kPocketCount> kCallPoints = {{
    {89, 87}, {299, 82}, {509, 87}, {509, 297}, {299, 301}, {89, 297}}};
inline constexpr int kCallRadiusSquared = 400;

// How far a ball's centre comes toward each cushion line (all edges inclusive).
inline constexpr int kBedLeft = kCushion.left + kBallRadius, kBedTop = kCushion.top + kBallRadius;
inline constexpr int kBedRight = kCushion.right - kBallRadius, kBedBottom = kCushion.bottom - kBallRadius;

// The kitchen: where the cue ball goes when placed by hand.
inline constexpr CRect kKitchen{411, 90, 509, 295};
inline constexpr int kHeadStringX = 411;

// The rack, by ball number (0 is the cue ball): spot and the two cels. The
// balls are racked tight: each touches its neighbours (columns 12 px apart,
// balls 14 px apart down a column, 13.9 px along the diagonals), so that a
// break strikes the rack as one body.
struct RackSpot {
  CPoint spot;
  UINT cel0;
  UINT cel1;
};
inline constexpr std::array<RackSpot, kBallCount> kRack = {{
    {{411, 192}, 278, 278},  // cue ball
    {{187, 192}, 214, 215}, {{139, 192}, 216, 217}, {{151, 213}, 218, 219}, {{139, 220}, 220, 221},
    {{139, 164}, 222, 223}, {{151, 171}, 224, 225}, {{175, 199}, 226, 227}, {{163, 192}, 228, 229},
    {{175, 185}, 230, 231}, {{163, 178}, 202, 203}, {{163, 206}, 204, 205}, {{139, 178}, 206, 207},
    {{139, 206}, 208, 209}, {{151, 199}, 210, 211}, {{151, 185}, 212, 213},
}};

// The tray below the table: where a pocketed ball rests.
inline constexpr CPoint kCueTray{130, 380};
inline constexpr CPoint TrayPosition(int nNumber) {
  if (nNumber <= 0) return kCueTray;
  if (nNumber <= 8) return {20 * nNumber + 110, 340};
  return {20 * nNumber + 165, 340};
}

// Motion by speed level (the integer part of the speed, 0..7): how many
// milliseconds a ball waits between steps, and how many steps it takes
// before friction slows it by one level.
inline constexpr int kTopSpeedLevel = 7;
inline constexpr std::array<DWORD, 8> kStepDelayMs = {0, 40, 20, 10, 5, 3, 2, 1};
inline constexpr std::array<int, 8> kFrictionSteps = {0, 50, 100, 150, 200, 250, 300, 350};
inline constexpr double kMaxPower = 7.0;
// A drag gives this much power per pixel between the cue ball and the mouse
// (none below half a level), so full power is 140 pixels away.
inline constexpr double kPowerPerPixel = 0.05;
inline constexpr double kLeastPower = 0.5;

// The CUE picture (the cup where a pocketed cue ball rests) is also where
// the player picks the point the tip strikes: a click within its radius,
// the dot showing the choice up to kTipDotReach from the middle.
inline constexpr int kTipPickRadius = 12;
inline constexpr int kTipDotReach = 8;
inline constexpr UINT kTipDotCel = 460;
inline constexpr int kTipDotSize = 5;

// The power gauge beside the table (right and bottom exclusive): a sunken
// well in the art, filled from the bottom while the player drags.
inline constexpr CRect kPowerGauge{556, 100, 570, 286};

inline constexpr double kDegToRad = 0.017453292519444445;
inline constexpr double kRadToDeg = 57.29577951471995;

// Resources.
inline constexpr UINT kTableBitmap = 133;
inline constexpr UINT kPocketSound = 374;
inline constexpr UINT kCushionSoftSound = 375;
inline constexpr UINT kCushionHardSound = 376;
inline constexpr UINT kClickHardSound = 377;
inline constexpr UINT kClickSoftSound = 378;
inline constexpr UINT kCueSoftSound = 379;
inline constexpr UINT kCueMediumSound = 380;
inline constexpr UINT kCueHardSound = 381;
inline constexpr UINT kRackSound = 382;
inline constexpr UINT kWinSound = 327;
inline constexpr UINT kLossSound = 326;
inline constexpr std::array<UINT, 11> kSoundTable = {377, 378, 379, 380, 381, 376, 375, 374, 382, 327, 326};

}  // namespace pool
