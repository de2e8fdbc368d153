// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every place, size, rectangle and resource id of the basketball game. The
// game, its generated art and its tests all draw from this one header, so
// the hoop the player sees is the hoop the rules score.
#include <array>

#include "platform/rect.h"
#include "platform/types.h"

namespace basketball {

// --- Variants and settings ----------------------------------------------
inline constexpr int kVariantTimed = 0;
inline constexpr int kVariantPractice = 1;
inline constexpr int kVariantPlayTo40 = 2;

inline constexpr int kSeats = 4;
inline constexpr int kBalls = 4;

// "GameTime" is 30, 60 or 90 seconds: track bar positions 1..3 of 30 s each.
inline constexpr int kGameTimeStep = 30;
inline constexpr int kGameTimeMinPos = 1;
inline constexpr int kGameTimeMaxPos = 3;
inline constexpr int kDefaultGameTime = 60;
// "BackboardPercent": 0 (not at all) .. 4 (all of the time).
inline constexpr int kBoardPercentMax = 4;
inline constexpr int kDefaultBoardPercent = 1;

// --- Timers ----------------------------------------------------------------
inline constexpr UINT kClockTimer = 60;
inline constexpr UINT kClockPeriodMs = 1000;
inline constexpr UINT kAnimTimer = 2;
inline constexpr UINT kAnimPeriodMs = 1;

// --- Court ---------------------------------------------------------------
// Releasing a held ball in here shoots it.
inline constexpr CRect kShootZone{132, 0, 268, 178};
// Where each ball rests on the rack (the ball's centre).
inline constexpr std::array<CPoint, kBalls> kRackSpots = {CPoint{145, 236}, CPoint{179, 236}, CPoint{213, 236},
                                                          CPoint{247, 236}};
// Every shot leaves the hand at this height, below its rack spot.
inline constexpr float kLaunchY = 200.0f;

// --- Balls ---------------------------------------------------------------
inline constexpr int kBallCelWidth = 32;
inline constexpr int kBallCelHeight = 33;
inline constexpr int kBallCels = 24;
// Ball diameters of the four depth sizes, nearest (just thrown) to farthest
// (at the backboard); a rim bounce uses the two farthest.
inline constexpr std::array<int, 4> kBallDiameters = {30, 24, 19, 15};
inline constexpr int kSpinPhases = 3;
inline constexpr int kLeftBounceFirstCel = 12;
inline constexpr int kRightBounceFirstCel = 18;
// The ball's bottom is this far below its centre when it meets the rim.
inline constexpr int kBallRimReach = 10;

// Depth along the shot: 1 in the hand, 150 at the top of the arc, 200 at the
// backboard; a rim bounce comes back out to 100.
inline constexpr float kLaunchDepth = 1.0f;
inline constexpr int kArcTopDepth = 150;
inline constexpr float kBoardDepth = 200.0f;
inline constexpr int kBounceOutDepth = 100;

// --- Backboard -------------------------------------------------------------
inline constexpr int kBoardWidth = 74;
inline constexpr int kBoardHeight = 108;
inline constexpr int kBoardCels = 14;
inline constexpr CPoint kBoardHome{162, 66};  // its top left at the start of every turn
inline constexpr int kBoardLeftmost = 147;
inline constexpr int kBoardRightmost = 177;
inline constexpr DWORD kBoardStepMs = 20;
// The glass, relative to the board's left edge and the playfield's top.
inline constexpr int kGlassTop = 66;
inline constexpr int kGlassBottom = 122;
// The rim line a falling ball's bottom must cross, and the windows along it
// (offsets from the board's left edge): inside the ring scores, on the ring
// bounces out to its side.
inline constexpr int kRimY = 97;
inline constexpr int kRimOuterLeft = 9;
inline constexpr int kBasketLeft = 29;
inline constexpr int kBasketRight = 44;
inline constexpr int kRimOuterRight = 64;
// The ring reaches out from the glass to this depth: a ball deeper than it
// is behind the ring's front and is drawn behind it.
inline constexpr float kRimFrontDepth = 190.0f;
// Drawing order (smaller in front): a ball out in the air, the ring's front,
// a ball behind the ring's front, the board.
inline constexpr int kBallSpriteDepth = 1;
inline constexpr int kRimFrontSpriteDepth = 120;
inline constexpr int kBallBehindRimSpriteDepth = 160;
inline constexpr int kBoardSpriteDepth = 200;
// A ball that went through the net drops on from here (y), under the hoop.
inline constexpr float kBelowNetY = 141.0f;
// A ball that bounced off the rim flies out towards these points.
inline constexpr CPoint kLeftBounceTarget{172, 66};
inline constexpr CPoint kRightBounceTarget{228, 66};
// The side walls of the descent: beyond these the ball bounces back.
inline constexpr float kDescentLeftWall = 152.0f;
inline constexpr float kDescentRightWall = 248.0f;
// Below this a falling ball is gone.
inline constexpr float kFloorY = 200.0f;

// --- Score display -------------------------------------------------------
inline constexpr int kLargeDigitWidth = 20;
inline constexpr int kLargeDigitHeight = 32;
inline constexpr int kSmallDigitWidth = 14;
inline constexpr int kSmallDigitHeight = 23;
inline constexpr CPoint kPointsDigits{452, 106};
inline constexpr CPoint kClockDigits{345, 106};
inline constexpr std::array<CPoint, kSeats> kPlayerDigits = {CPoint{470, 172}, CPoint{470, 201}, CPoint{470, 230},
                                                             CPoint{470, 260}};
inline constexpr std::array<CRect, kSeats> kNameBoxes = {CRect{338, 174, 434, 192}, CRect{338, 203, 434, 221},
                                                         CRect{338, 232, 434, 250}, CRect{338, 262, 434, 280}};

// --- Resources -------------------------------------------------------------
inline constexpr UINT kCourtBitmap = 131;
// Backboard cels 0..13; 0 and 13 are the plain board, 7..12 the ball
// dropping through the swishing net.
inline constexpr std::array<UINT, kBoardCels> kBoardBitmaps = {253, 241, 242, 243, 244, 245, 246,
                                                               247, 248, 249, 250, 251, 252, 253};
inline constexpr int kFirstNetCel = 7;
// The front half of the ring alone, placed with the board, drawn over the
// balls behind it.
inline constexpr UINT kRimFrontBitmap = 410;
inline constexpr int kLastNetCel = 12;
// Ball cels 0..23: four sizes by three spin phases, then the left and the
// right rim bounce (two sizes by three phases each).
inline constexpr std::array<UINT, kBallCels> kBallBitmaps = {339, 338, 337, 344, 343, 342, 349, 348,
                                                             347, 392, 391, 390, 385, 383, 384, 388,
                                                             386, 387, 304, 345, 346, 305, 350, 389};
inline constexpr std::array<UINT, 10> kLargeDigitBitmaps = {255, 256, 257, 258, 259, 260, 261, 262, 263, 264};
inline constexpr std::array<UINT, 10> kSmallDigitBitmaps = {182, 184, 186, 188, 190, 192, 194, 196, 198, 200};

inline constexpr UINT kShootCursor = 332;

inline constexpr UINT kBasketSound = 363;
inline constexpr UINT kBoardSound = 362;
inline constexpr UINT kSideSound = 373;
inline constexpr UINT kUnusedSound = 327;
inline constexpr UINT kPickUpSound = 402;
inline constexpr UINT kTurnOverSound = 397;
inline constexpr std::array<UINT, 6> kSoundTable = {kBasketSound, kBoardSound,  kSideSound,
                                                    kUnusedSound, kPickUpSound, kTurnOverSound};

inline constexpr UINT kTypeOfGameDialog = 139;
inline constexpr int kRadioTimed = 1020;
inline constexpr int kRadioPractice = 1021;
inline constexpr int kRadioPlayTo40 = 1022;

inline constexpr UINT kControlsDialog = 353;
inline constexpr int kGameTimeTrack = 1026;
inline constexpr int kBoardTrack = 1027;

}  // namespace basketball
