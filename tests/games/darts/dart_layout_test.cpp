// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the darts screen writes or holds fits where it goes: the
// Cricket labels and marks in their cells, the dart in hand inside the
// flight panel's frame.
#include <gtest/gtest.h>

#include <string>

#include "games/darts/model/dart_geometry.h"
#include "games/darts/model/dart_scoreboard_layout.h"
#include "platform/dc.h"
#include "platform/font.h"

namespace darts {
namespace {

// The face and size the scoreboard writes with.
const FontAtlas& ScoreFont() {
  CFont font;
  font.CreateFont(15, 0, 0, 0, FW_BOLD);
  return font.Atlas();
}

TEST(DartsLayout, CricketLabelsAndMarksFitTheirCells) {
  const ScoreboardLayout layout = LayoutScoreboard(kVariantCricket);
  const FontAtlas& font = ScoreFont();
  for (int c = 0; c < kGridColumns; ++c) {
    const auto& column = layout.grid[static_cast<std::size_t>(c)];
    for (int r = 0; r < kCricketEntries; ++r) {
      const CRect& cell = column[static_cast<std::size_t>(r)];
      const std::string widest = c != kLabelColumn       ? "|||"
                                 : r == kBullsEntry ? "Bulls"
                                                    : std::to_string(kFirstCricketNumber + r);
      EXPECT_LE(TextWidth(font, widest), cell.Width()) << widest << " in column " << c;
    }
  }
}

TEST(DartsLayout, CricketGridStaysOnTheBoardWithoutOverlaps) {
  const ScoreboardLayout layout = LayoutScoreboard(kVariantCricket);
  for (int c = 0; c < kGridColumns; ++c) {
    const CRect& cell = layout.grid[static_cast<std::size_t>(c)][0];
    EXPECT_GT(cell.left, kScorePanel.left) << c;
    EXPECT_LT(cell.right, kScorePanel.right) << c;
    if (c > 0) {
      EXPECT_GT(cell.left, layout.grid[static_cast<std::size_t>(c - 1)][0].right) << c;
    }
  }
  EXPECT_LT(layout.grid[0][kCricketEntries - 1].bottom, kCricketPanelBottom);
}

TEST(DartsLayout, TheDartInHandStaysInsideTheFlightPanel) {
  const CRect held(kHandPosition.x, kHandPosition.y, kHandPosition.x + kTraySlotWidth,
                   kHandPosition.y + kTraySlotHeight);
  CRect inside;
  inside.IntersectRect(held, kFlightPanel);
  EXPECT_EQ(inside, held);
}

}  // namespace
}  // namespace darts
