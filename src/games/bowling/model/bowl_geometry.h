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
// A body that leaves the lane runs down a gutter centred here; a gutter is a
// ball wide, so a gutter ball is drawn inside it.
inline constexpr int kLeftGutterX = 20;
inline constexpr int kRightGutterX = 134;
inline constexpr float kGutterHalfWidth = 12.5f;
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
// The hook: the ball skids kHookSkidBase + kHookSkidPerSpeed x speed pixels
// from the foul line, then grips; its turn grows over kHookRampPx pixels to
// the full rate of its Spin position (radians per pixel rolled, at the key's
// full factor). Measured so that Maximum bends a fast ball about 30 pixels
// by the head pin and a slow one about 50, Medium half that.
inline constexpr double kHookSkidBase = 30.0;
inline constexpr double kHookSkidPerSpeed = 200.0;
inline constexpr double kHookRampPx = 60.0;
inline constexpr std::array<double, 4> kHookTurnPerSpin = {0.0, 0.00092, 0.00184, 0.00276};
// A struck pin's heading is jolted by up to this much either way: pins
// rattle, so the same line does not always carry the same way.
inline constexpr double kPinScatter = 12.0 * kDegree;

// --- The approach (the swing) -----------------------------------------------
inline constexpr CRect kPressZone{176, 368, 285, 400};
inline constexpr CRect kReleaseZone{176, 207, 285, 252};
inline constexpr CRect kAboveReleaseZone{176, 0, 285, 207};
inline constexpr CRect kLowerLane{33, 207, 121, 400};
inline constexpr int kSwingFullMs = 1500;  // the hold time that counts as 100 %
// The ball's speed from the hold time, continuous so that every millisecond
// of the swing counts: kSwingFastSpeed at kSwingFastMs or quicker, falling
// through 0.5 at kSwingNominalMs to kSwingSlowSpeed at kSwingFullMs.
inline constexpr int kSwingFastMs = 100;
inline constexpr double kSwingFastSpeed = 0.55;
inline constexpr int kSwingNominalMs = 300;
inline constexpr double kSwingNominalSpeed = 0.5;
inline constexpr double kSwingSlowSpeed = 0.2;
// The drag's slant turns the ball by this share of its angle: the aim is
// gentle enough to point at a pin, not at the gutter.
inline constexpr double kAimGain = 0.5;
// Computer bowlers press and release here.
inline constexpr int kComputerPressY = 369;
inline constexpr int kComputerReleaseY = 251;

// Approach x to lane x.
constexpr int MapX(int x) { return (x - kPressZone.left) * 88 / 109 + kLaneLeft; }

// --- The swing on screen ---------------------------------------------------------
// While the button is held the ball waits at the foul line under the pointer
// and a faint dotted guide runs up its line to the pins.
inline constexpr int kFoulLineY = 359;      // painted just ahead of the waiting ball
inline constexpr int kGuideDots = 24;
inline constexpr double kGuideSpacing = 12.0;  // pixels of line between two dots
inline constexpr double kGuideEndY = 80.0;     // the guide stops at the head pin
inline constexpr int kGuideDepth = 6;          // behind the pins and the ball
// The speed gauge beside the approach: FAST at the top, SLOW at the bottom;
// a marker shows the speed the swing has so far.
inline constexpr CRect kSpeedScale{298, 222, 310, 338};
inline constexpr int kSpeedMarkerDepth = 0;
// Words over the lane after a ball, in the banner's cel order.
inline constexpr int kBannerStrike = 0;
inline constexpr int kBannerSpare = 1;
inline constexpr int kBannerSplit = 2;
inline constexpr int kBannerFoul = 3;
inline constexpr CPoint kBannerAt{77, 190};  // centre, over the middle of the lane
inline constexpr SIZE kBannerSize{84, 26};
inline constexpr int kBannerDepth = 0;

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
// The frames stand kSheetShift pixels right of the classic sheet so that a
// name of the players dialog's full length fits its box.
inline constexpr int kSheetShift = 46;
inline constexpr CRect kSheetPanel{151, 68, 592, 204};
inline constexpr CRect kNameBox{157, 95, 199 + kSheetShift, 118};
inline constexpr CRect kBall1Box{212 + kSheetShift, 96, 220 + kSheetShift, 105};
inline constexpr CRect kBall2Box{223 + kSheetShift, 96, 231 + kSheetShift, 105};
inline constexpr CRect kTotalBox{202 + kSheetShift, 107, 231 + kSheetShift, 118};
inline constexpr CRect kBall3Box{523 + kSheetShift, 96, 532 + kSheetShift, 105};
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

// New pictures of the swing and the words over the lane.
inline constexpr UINT kGuideDotCel = 430;
inline constexpr UINT kHookDotCel = 431;
inline constexpr UINT kSpeedMarkerCel = 432;
inline constexpr std::array<UINT, 4> kBannerCels = {433, 434, 435, 436};
inline constexpr SIZE kGuideDotSize{3, 3};
inline constexpr SIZE kSpeedMarkerSize{18, 7};

inline constexpr UINT kDragCursor = 394;
inline constexpr UINT kReleaseCursor = 393;

inline constexpr UINT kGutterSound = 370;
inline constexpr UINT kPinHitSound = 369;
inline constexpr UINT kReleaseSound = 367;
inline constexpr UINT kAllDownSound = 327;
inline constexpr UINT kGameOverSound = 328;
inline constexpr UINT kNoRollSound = 397;
inline constexpr UINT kStartComputerSound = 402;
// Pins crash in three sizes: the ball meeting the first pins, a handful down,
// nearly the whole rack going.
inline constexpr UINT kPinCrashSound = 403;
inline constexpr UINT kPinScatterSound = 404;
inline constexpr int kPinsForCrash = 4;
inline constexpr int kPinsForScatter = 8;
// The ball rolling, by speed, fastest first; it sounds with the release.
inline constexpr std::array<UINT, 4> kRollSounds = {364, 365, 366, 368};
// The roll for a swing's speed index (1 the fastest .. 4 the slowest).
constexpr UINT RollSoundFor(int nSpeedIndex) {
  return kRollSounds[static_cast<std::size_t>(nSpeedIndex < 1 ? 0 : nSpeedIndex > 4 ? 3 : nSpeedIndex - 1)];
}
// The sound set in its loading order.
inline constexpr std::array<UINT, 13> kSoundTable = {370, 369, 367, 368, 364, 365, 366, 327, 328, 397, 402, 403, 404};

inline constexpr UINT kControlsDialog = 334;
inline constexpr int kSpinTrack = 1025;
inline constexpr int kPinInteractionTrack = 1026;
inline constexpr int kSettingMax = 3;
// Spin by track-bar position (0 none .. 3 maximum) and the pin speed divisor
// by Pin Interaction position: struck pins slide further, and take more
// pins with them, the higher the position. Position 1 is the default: a
// pocket hit at a good speed strikes about half the time (the strike map
// test measures it).
inline constexpr std::array<int, 4> kSpinDegrees = {0, 1, 2, 3};
inline constexpr std::array<double, 4> kPinFriction = {1.025, 1.016, 1.011, 1.0065};
inline constexpr int kDefaultSpin = 0;
inline constexpr int kDefaultPinInteraction = 1;

}  // namespace bowling
