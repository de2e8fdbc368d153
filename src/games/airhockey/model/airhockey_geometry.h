// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The air hockey rink and everything on it: walls, goals, halves, the bodies'
// sizes, where they stand at a serve, the scoreboard, and the resource ids.
// The game, its art and its tests all draw from this one header.
#include <array>

#include "platform/rect.h"
#include "platform/types.h"

namespace airhockey {

// Walls (the puck and mallets keep their centres inside them by their radius).
inline constexpr int kWallLeft = 46;
inline constexpr int kWallRight = 214;
inline constexpr int kWallTop = 24;      // the computer's end
inline constexpr int kWallBottom = 372;  // the user's end
inline constexpr int kCentreLineY = 200;
inline constexpr int kRinkCentreX = (kWallLeft + kWallRight) / 2;  // 130

// The goals: open stretches of the top and bottom walls, ends exclusive.
inline constexpr int kGoalLeft = 104;
inline constexpr int kGoalRight = 156;

// The two halves as (left, top, right, bottom).
inline constexpr CRect kHumanHalf{kWallLeft, kCentreLineY, kWallRight, kWallBottom};
inline constexpr CRect kComputerHalf{kWallLeft, kWallTop, kWallRight, kCentreLineY};

// Bodies: half their pictures' widths.
inline constexpr int kPuckSize = 17;
inline constexpr int kPuckRadius = 8;
inline constexpr int kMalletSize = 24;
inline constexpr int kMalletRadius = 12;

// Where the mallets' centres may go (inclusive): the user's in its half, the
// computer's anywhere on the rink.
inline constexpr CRect kHumanMalletArea{kWallLeft + kMalletRadius, kCentreLineY + kMalletRadius,
                                        kWallRight - kMalletRadius, kWallBottom - kMalletRadius};
inline constexpr CRect kComputerMalletArea{kWallLeft + kMalletRadius, kWallTop + kMalletRadius,
                                           kWallRight - kMalletRadius, kWallBottom - kMalletRadius};

// Where the bodies stand at a serve.
inline constexpr CPoint kHumanHome{129, 347};
inline constexpr CPoint kComputerHome{129, 54};
inline constexpr int kServeX = 129;
inline constexpr int kServeHumanY = static_cast<int>((kWallBottom - kCentreLineY) * 0.5 + kCentreLineY);  // 286
inline constexpr int kServeComputerY = (kWallTop + kCentreLineY) / 2;                                    // 112

// The computer defends by running to a goal post, just out from its wall.
inline constexpr int kPostY = kMalletRadius + 26;

// Speeds in pixels per sub-step.
inline constexpr int kMaxSpeed = 3;
// Sub-steps after a hit during which the same mallet cannot hit again.
inline constexpr int kHitCooldown = 8;

// The scoreboard: one digit sprite per side, top-left corners.
inline constexpr int kDigitWidth = 20;
inline constexpr int kDigitHeight = 32;
inline constexpr int kScoreCentreX = 438;
inline constexpr CPoint kHumanScoreAt{kScoreCentreX - kDigitWidth / 2, 177};
inline constexpr CPoint kComputerScoreAt{kScoreCentreX - kDigitWidth / 2, 66};

// The scoreboard's name for the computer's side, used when it scores or wins.
inline constexpr const char* kComputerSideName = "COMPUTER";

// A match is won at this many goals.
inline constexpr int kWinningScore = 7;

// The "Speed" setting: sub-steps per timer tick.
inline constexpr int kMinSubSteps = 1;
inline constexpr int kMaxSubSteps = 20;
inline constexpr int kDefaultSubSteps = 8;
inline constexpr UINT kTimerId = 1;
inline constexpr UINT kTimerPeriodMs = 1;

// Resources.
inline constexpr UINT kRinkBitmap = 134;
inline constexpr UINT kMalletBitmap = 254;
inline constexpr UINT kPuckBitmap = 277;
inline constexpr UINT kFirstDigitBitmap = 255;  // 255..262 show 0..7
inline constexpr int kDigitCels = 8;

inline constexpr UINT kHitSound = 356;
inline constexpr UINT kBounceSound = 357;
inline constexpr UINT kServeSound = 358;
inline constexpr UINT kGoalSound = 359;
inline constexpr UINT kSpareSound1 = 361;  // loaded with the set, never played
inline constexpr UINT kSpareSound2 = 355;
inline constexpr std::array<UINT, 6> kSoundTable = {kHitSound, kBounceSound, kSpareSound1,
                                                    kServeSound, kGoalSound, kSpareSound2};

inline constexpr UINT kControlsDialog = 354;
inline constexpr int kSpeedTrack = 1030;

}  // namespace airhockey
