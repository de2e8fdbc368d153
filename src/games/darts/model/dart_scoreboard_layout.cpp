// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_scoreboard_layout.h"

namespace darts {

namespace {
CRect Moved(CRect r, int dx, int dy) {
  r.OffsetRect(dx, dy);
  return r;
}
}  // namespace

ScoreboardLayout LayoutScoreboard(int variant) {
  ScoreboardLayout l;
  if (variant == kVariantCricket) {
    for (std::size_t i = 0; i < kSeats; ++i) l.names[i] = Moved(kCricketName, 0, kCricketRowStep * static_cast<int>(i));
    for (int c = 0; c < kGridColumns; ++c) {
      // Columns right of the labels move over by the label column's extra width.
      const int extra = kGridLabelWidth - kGridCell.Width();
      CRect cell = Moved(kGridCell, kGridColumnStep * c + (c > kLabelColumn ? extra : 0), 0);
      if (c == kLabelColumn) cell.right = cell.left + kGridLabelWidth;
      for (int r = 0; r < kCricketEntries; ++r)
        l.grid[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = Moved(cell, 0, kGridRowStep * r);
    }
    return l;
  }
  for (std::size_t i = 0; i < kSeats; ++i) {
    l.names[i] = Moved(kCountdownName, 0, kCountdownRowStep * static_cast<int>(i));
    l.scores[i] = Moved(kCountdownScore, 0, kCountdownRowStep * static_cast<int>(i));
  }
  l.throwBox = kThrowBox;
  l.totalBox = kTotalBox;
  return l;
}

int GridColumnSeat(int column) {
  if (column == kLabelColumn) return -1;
  return column < kLabelColumn ? column : column - 1;
}

}  // namespace darts
