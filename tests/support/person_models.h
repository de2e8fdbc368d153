// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hands of the two models of a person the computer's levels are
// measured against: a newcomer (large errors) and a regular (small ones).
// bench/driver/opponents.py plays the same hands through the headless
// driver, pressing, dragging and releasing as a user does; the sizes and
// the reasons for them are written there. Keep the two in step.
#include "games/airhockey/model/airhockey_computer.h"
#include "games/basketball/model/basketball_computer.h"
#include "games/football/model/football_computer.h"
#include "games/pool/model/pool_computer.h"

namespace person {

// Basketball: a band of scoring aims is about 11 pixels across the board.
inline constexpr basketball::ShooterHand kBasketballNewcomer{7.0, 6.0, 500, 200, 1600, 300};
inline constexpr basketball::ShooterHand kBasketballRegular{4.5, 4.0, 550, 100, 1250, 150};

// Football: the small hole is 20 pixels across, the large 34.
inline constexpr football::PasserHand kFootballNewcomer{50, 8.5, -150, 200, 60, 30};
inline constexpr football::PasserHand kFootballRegular{100, 7.0, 50, 100, 85, 15};

// Pool: the newcomer sees the few plain pots and its cue strays 1.7 degrees;
// the regular reads the table as Club does, 0.6 degrees off the line.
inline constexpr pool::CueHand kPoolNewcomer{skill::ComputerSkill::Beginner, 1.7};
inline constexpr pool::CueHand kPoolRegular{skill::ComputerSkill::Club, 0.6};

// Air Hockey: the hand on the mouse. It sees the puck a reaction time late,
// moves the pointer at most `reach` pixels a 16 ms frame (a quick hand
// crosses the half, 170 pixels, in about a quarter of a second) and puts the
// mallet off the spot it means by `aimSpread` pixels (SD, drawn anew every
// tenth of a second): a mallet is 24 pixels across, the puck 16.
struct MalletHand {
  int reactionMs = 250;
  int reach = 10;
  double aimSpread = 0;
};
inline constexpr MalletHand kAirHockeyNewcomer{330, 9, 9.0};
inline constexpr MalletHand kAirHockeyRegular{280, 11, 5.0};

}  // namespace person
