// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hands of the two models of a person the computer's levels are
// measured against: a newcomer (large errors) and a regular (small ones).
// bench/driver/opponents.py plays the same hands through the headless
// driver, pressing, dragging and releasing as a user does; the sizes and
// the reasons for them are written there. Keep the two in step.
#include "games/basketball/model/basketball_computer.h"
#include "games/football/model/football_computer.h"

namespace person {

// Basketball: a band of scoring aims is about 11 pixels across the board.
inline constexpr basketball::ShooterHand kBasketballNewcomer{7.0, 6.0, 500, 200, 1600, 300};
inline constexpr basketball::ShooterHand kBasketballRegular{4.5, 4.0, 550, 100, 1250, 150};

// Football: the small hole is 20 pixels across, the large 34.
inline constexpr football::PasserHand kFootballNewcomer{50, 8.5, -150, 200, 60, 30};
inline constexpr football::PasserHand kFootballRegular{100, 7.0, 50, 100, 85, 15};

}  // namespace person
