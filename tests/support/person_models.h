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

// Darts: a quick stroke from the throw line up to the spot it means, about
// 290 pixels in the ideal 300 ms. The end of a quick aimed movement strays in
// proportion to its length (some 4 % for a practised hand): the release
// strays `releaseSpread` pixels (SD, each axis), 12 for the regular and 20
// for the newcomer; the press strays `pressSpread` sideways, leaning the
// stroke (a degree of lean moves the dart a pixel); the stroke's time is off
// by `timingSpreadMs` (a practised hand keeps a third of a second to 15 %, a
// new one to 30 %; ten milliseconds move the dart a pixel up or down). The
// band of releases that scores well is narrow: the treble ring is 5 pixels
// deep and a bed 20 pixels wide there, so the regular meets the treble 20
// about one dart in ten and the 20 about one in two; the newcomer aims at
// the fat 20 and finds it about one dart in three.
struct DartHand {
  double releaseSpread = 0;
  double pressSpread = 0;
  double timingSpreadMs = 0;
  bool aimsAtTrebles = false;  // the treble 20 and the darts players' finishes, else the big single
};
inline constexpr DartHand kDartsNewcomer{20.0, 15.0, 90.0, false};
inline constexpr DartHand kDartsRegular{12.0, 9.0, 45.0, true};

// Bowling: a drag of about 155 pixels up the approach. The ball starts under
// the release, which strays `releaseSpread` screen pixels (SD) from the line
// a bowler reads (the pocket on a full rack, the middle of what stands): 9
// for the regular, whose 0.4 s drag ends within 6 % of its length, and 15
// for the newcomer; the press strays `pressSpread` sideways, slanting the
// ball. The hold is `holdMs` give or take `holdSpreadMs`: the newcomer swings
// slowly and unevenly. The pocket that strikes is about 6 lane pixels (7 on
// the approach) wide, so the regular finds it about one ball in three.
struct BowlerHand {
  double releaseSpread = 0;
  double pressSpread = 0;
  int holdMs = 0;
  int holdSpreadMs = 0;
};
inline constexpr BowlerHand kBowlingNewcomer{15.0, 10.5, 600, 250};
inline constexpr BowlerHand kBowlingRegular{9.0, 6.3, 400, 100};

}  // namespace person
