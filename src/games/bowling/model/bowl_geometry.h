// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the bowling game, its art and its tests must agree on: the lane,
// the gutters, the pin deck and spots, the approach where the swing is drawn,
// the ball return, the score sheet and every resource id.
#include <array>

#include "platform/rect.h"
#include "platform/types.h"

namespace bowling {

inline constexpr int kPlayers = 4;
inline constexpr int kFrames = 10;
inline constexpr int kPins = 10;
inline constexpr int kTenthFrame = 9;

// --- The lane ------------------------------------------------------------
inline constexpr int kLaneLeft = 33;    // first x of the lane surface
inline constexpr int kLaneRight = 121;  // last x of the lane surface
inline constexpr int kLeftGutterX = 23;
inline constexpr int kRightGutterX = 129;
// Only bodies in here meet the ball (right and bottom exclusive).
inline constexpr CRect kDeck{32, -1, 122, 208};
inline constexpr int kOffTopY = -26;     // a body whose y reaches this has left the lane
inline constexpr double kBallStartY = 375.0;
inline constexpr int kSwingCrossY = 206;  // the drag line is followed from where it crosses this y

struct PinSpot {
  int x, y, depth;
};
// Spot order 1..10: the back row first, the head pin last.
inline constexpr std::array<PinSpot, kPins> kPinSpots = {{{42, 11, 1},
                                                          {62, 11, 1},
                                                          {82, 11, 1},
                                                          {102, 11, 1},
                                                          {52, 31, 2},
                                                          {72, 31, 2},
                                                          {92, 31, 2},
                                                          {62, 51, 3},
                                                          {82, 51, 3},
                                                          {72, 71, 4}}};

// --- Bodies --------------------------------------------------------------
inline constexpr double kHalfPi = 1.57079632675;  // straight up the lane
inline constexpr double kBallMass = 15.0;
inline constexpr double kBallRadius = 12.0;
inline constexpr double kPinMass = 1.0;
inline constexpr double kPinRadius = 5.0;
inline constexpr double kBallCelDistance = 20.0;
inline constexpr double kPinCelDistance = 9999.0;
inline constexpr int kBallLastCel = 2;
inline constexpr int kPinLastCel = 1;
inline constexpr int kBallSpeedIndex = 4;
// Pixels per step by speed index.
inline constexpr std::array<double, 5> kSpeedTable = {0.0, 0.5, 0.35, 0.25, 0.2};
// Screen y below which the hook starts, by speed index (1..4).
inline constexpr std::array<int, 5> kHookLines = {71, 120, 130, 140, 150};
inline constexpr int kInitialHookLine = 71;
inline constexpr double kHookLeftLimit = 2.356194490125;   // 135 degrees
inline constexpr double kHookRightLimit = 0.785398163375;  // 45 degrees
inline constexpr double kDegree = 0.017453292519444445;

// --- The approach (the swing) -----------------------------------------------
inline constexpr CRect kPressZone{176, 368, 285, 400};
inline constexpr CRect kReleaseZone{176, 207, 285, 252};
inline constexpr CRect kAboveReleaseZone{176, 0, 285, 207};
inline constexpr CRect kLowerLane{33, 207, 121, 400};
inline constexpr int kSwingFullMs = 1500;  // the hold time that counts as 100 %
// Computer bowlers press and release here.
inline constexpr int kComputerPressY = 369;
inline constexpr int kComputerReleaseY = 251;

// Approach x to lane x.
constexpr int MapX(int x) { return (x - kPressZone.left) * 88 / 109 + kLaneLeft; }

// --- The ball return ---------------------------------------------------------
inline constexpr int kReturnX = 364;
inline constexpr int kReturnChuteTop = 284;
inline constexpr int kReturnChuteSteps = 12;  // y 284, 287 .. 317
inline constexpr int kReturnChuteStep = 3;
inline constexpr int kReturnRestY = 319;
inline constexpr int kReturnWellX = 364;
inline constexpr int kReturnWellY = 349;
inline constexpr double kReturnWellRadius = 30.0;
inline constexpr int kReturnWellSteps = 73;
inline constexpr double kReturnWellStepAngle = 0.08726646259722222;  // 5 degrees
inline constexpr DWORD kReturnChuteMs = 22;
inline constexpr DWORD kReturnWellMs = 10;
inline constexpr CPoint kBallHome{352, 307};  // where the ball sprite is created

// --- Pacing ----------------------------------------------------------------------
inline constexpr DWORD kRollStepMs = 1;          // one physics step per millisecond
inline constexpr DWORD kRollLimitMs = 10000;     // a roll is cut off after this
inline constexpr DWORD kCountPauseMs = 1000;     // pins lie still before they are swept
inline constexpr DWORD kComputerPauseMs = 2000;  // before a computer bowler's frame
// A falling pin shows each picture of its fall for this many steps, about
// one displayed frame, so the fall is seen and not only its end.
inline constexpr int kStepsPerFallCel = 16;

// --- The score sheet -----------------------------------------------------------
inline constexpr CRect kNameBox{153, 95, 199, 118};
inline constexpr CRect kBall1Box{212, 96, 220, 105};
inline constexpr CRect kBall2Box{223, 96, 231, 105};
inline constexpr CRect kTotalBox{202, 107, 231, 118};
inline constexpr CRect kBall3Box{523, 96, 532, 105};
inline constexpr int kRowStep = 26;
inline constexpr int kFrameStep = 32;

// --- Resources --------------------------------------------------------------------
inline constexpr UINT kLaneBitmap = 132;
inline constexpr std::array<UINT, 3> kBallCels = {297, 298, 299};
// Pin cels 0..11 in sprite order.
inline constexpr std::array<UINT, 12> kPinCels = {265, 269, 270, 271, 272, 273, 274, 275, 276, 267, 266, 268};
inline constexpr CPoint kBallHotSpot{12, 12};
inline constexpr CPoint kPinHotSpot{4, 7};
inline constexpr int kBallSize = 25;

inline constexpr UINT kDragCursor = 394;
inline constexpr UINT kReleaseCursor = 393;

inline constexpr UINT kGutterSound = 370;
inline constexpr UINT kPinHitSound = 369;
inline constexpr UINT kReleaseSound = 367;
inline constexpr UINT kAllDownSound = 327;
inline constexpr UINT kGameOverSound = 328;
inline constexpr UINT kNoRollSound = 397;
inline constexpr UINT kStartComputerSound = 402;
// The sound set in its loading order (368, 364, 365 and 366 are never played).
inline constexpr std::array<UINT, 11> kSoundTable = {370, 369, 367, 368, 364, 365, 366, 327, 328, 397, 402};

inline constexpr UINT kControlsDialog = 334;
inline constexpr int kSpinTrack = 1025;
inline constexpr int kPinInteractionTrack = 1026;
inline constexpr int kSettingMax = 3;
// Degrees per hook step and pin speed divisor, by track-bar position.
inline constexpr std::array<int, 4> kSpinDegrees = {0, 1, 2, 3};
inline constexpr std::array<double, 4> kPinFriction = {1.05, 1.025, 1.0125, 1.0065};

}  // namespace bowling
