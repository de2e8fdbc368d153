// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screens the document can show: the title, each game of the rows and
// the Hall of Fame, and how many numbers they take.
#include <algorithm>

#include "res/game_rows_data.h"
#include "res/screen_numbers.h"

inline constexpr int kScreenCount = [] {
  int count = kScreenHallOfFame + 1;
  for (const GameShellRow& row : kGameShellRows) count = std::max(count, row.nScreen + 1);
  return count;
}();
