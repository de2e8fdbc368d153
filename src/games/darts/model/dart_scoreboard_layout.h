// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the score display puts each item: names and remaining totals with the
// THROW and TOTAL boxes in 301 and 501, names and the marks grid in Cricket.
// The playfield art leaves exactly these boxes black for the game to fill.
#include <array>

#include "games/darts/model/dart_geometry.h"
#include "games/darts/model/dart_rules.h"
#include "platform/rect.h"

namespace darts {

inline constexpr int kGridColumns = 5;
inline constexpr int kLabelColumn = 2;

struct ScoreboardLayout {
  std::array<CRect, kSeats> names;
  std::array<CRect, kSeats> scores;  // 301 and 501 only
  CRect throwBox;                    // 301 and 501 only
  CRect totalBox;                    // 301 and 501 only
  // Cricket: columns player 1, player 2, labels, player 3, player 4; rows 15..20 and Bulls.
  std::array<std::array<CRect, kCricketEntries>, kGridColumns> grid;
};

ScoreboardLayout LayoutScoreboard(int variant);

// The seat whose marks a grid column shows, or -1 for the label column.
int GridColumnSeat(int column);

}  // namespace darts
