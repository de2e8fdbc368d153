// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_stats.h"

#include <cstdio>

namespace darts {

namespace {
std::string Fixed(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}
}  // namespace

std::string AverageText(const SeatStats& stats) {
  return stats.darts > 0 ? Fixed(stats.ThreeDartAverage(), 1) : std::string();
}

std::string MarksPerRoundText(const SeatStats& stats) {
  return stats.darts > 0 ? Fixed(stats.MarksPerRound(), 2) : std::string();
}

}  // namespace darts
