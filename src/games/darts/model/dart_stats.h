// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a darts player's throwing is worth so far in a game: the three-dart
// average of 301 and 501 (a bust's darts count, its points do not) and the
// marks per round of Cricket.
#include <string>

namespace darts {

struct SeatStats {
  int darts = 0;
  int points = 0;  // counted points, busts taken back out
  int marks = 0;   // Cricket marks that went on the board

  double ThreeDartAverage() const { return darts > 0 ? 3.0 * points / darts : 0.0; }
  double MarksPerRound() const { return darts > 0 ? 3.0 * marks / darts : 0.0; }
  friend bool operator==(const SeatStats&, const SeatStats&) = default;
};

// "45.3" for an average, "1.67" for marks per round; empty before the first dart.
std::string AverageText(const SeatStats& stats);
std::string MarksPerRoundText(const SeatStats& stats);

}  // namespace darts
