// SPDX-License-Identifier: GPL-3.0-or-later
// The score sheet's characters sit inside their boxes: every ball mark and
// frame total, and names up to the players dialog's limit.
#include <gtest/gtest.h>

#include <string>

#include "game/player.h"
#include "games/bowling/bowl_sheet_text.h"
#include "games/bowling/model/bowl_rules.h"
#include "platform/utf8.h"

namespace bowling {
namespace {

bool Inside(const CRect& ink, const CRect& box) {
  return ink.left >= box.left && ink.top >= box.top && ink.right <= box.right && ink.bottom <= box.bottom;
}

// The ink where the glyphs land, worked out again from the placed cells.
CRect InkDrawn(const PlacedText& placed) {
  CRect all(0, 0, 0, 0);
  bool first = true;
  for (const PlacedLine& line : placed.lines) {
    CRect ink = InkOf(*placed.font, line.text);
    ink.OffsetRect(line.cell.x, line.cell.y + placed.font->ascent);
    if (ink.IsRectEmpty()) continue;
    if (first) all = ink;
    else all.UnionRect(all, ink);
    first = false;
  }
  return all;
}

TEST(BowlSheetText, BallMarksAndTotalsFitTheirBoxesWithAPixelToSpare) {
  ScoreSheet sheet;
  std::array<CRect, kPlayers> names;
  LayoutSheet(sheet, names);
  const BowlFrameCell& cell = sheet[3][9];
  for (int code = 0; code <= kStrike; ++code) {
    if (code == 10) continue;
    const std::string text = BallText(code);
    for (const CRect& box : {cell.rcBall1, cell.rcBall2, sheet[0][0].rcBall1}) {
      const PlacedText placed = PlaceBallMark(text, box);
      const CRect ink = InkDrawn(placed);
      EXPECT_TRUE(Inside(ink, box)) << text;
      EXPECT_EQ(ink, placed.ink) << text;
      EXPECT_GE(ink.Height(), 6) << text;  // still readable
      if (text != "X") {
        EXPECT_LE(ink.Width(), box.Width() - 1) << text;
      }
    }
  }
  for (int total : {0, 7, 99, 100, 188, 289, 300}) {
    const std::string text = std::to_string(total);
    const PlacedText placed = PlaceTotal(text, cell.rcTotal);
    const CRect ink = InkDrawn(placed);
    EXPECT_TRUE(Inside(ink, cell.rcTotal)) << text;
    EXPECT_GT(ink.top, cell.rcTotal.top - 1) << text;
    EXPECT_GE(ink.Height(), 8) << text;
  }
}

TEST(BowlSheetText, NamesUpToTheDialogsLimitFitTheirBox) {
  ScoreSheet sheet;
  std::array<CRect, kPlayers> names;
  LayoutSheet(sheet, names);
  for (const std::string name : {"Player1", "Player2", "Ann", "Bartholomew Smithson", "Maximiliane Huber-Li",
                                 "Zoë Müller-Lüdensch", "Christopherson-Hale", "abcdefghijklmnopqrst"}) {
    ASSERT_LE(CountUtf8Chars(name), kMaxPlayerName);
    const PlacedText placed = PlaceName(name, names[1]);
    const CRect ink = InkDrawn(placed);
    EXPECT_TRUE(Inside(ink, names[1])) << name;
    EXPECT_GT(ink.left, names[1].left) << name;  // clear of the box's edges
    EXPECT_LT(ink.right, names[1].right) << name;
    std::string shown;
    for (const PlacedLine& line : placed.lines) shown += (shown.empty() ? "" : " ") + line.text;
    // Every letter is shown (the break at a space loses only the space).
    std::string letters = name, shownLetters = shown;
    std::erase(letters, ' ');
    std::erase(shownLetters, ' ');
    std::erase(shownLetters, '-');
    std::erase(letters, '-');
    EXPECT_EQ(shownLetters, letters) << name << " shown as " << shown;
  }
  // Twenty of the widest letter cannot fit: the name is cut short, visibly.
  const PlacedText wide = PlaceName(std::string(kMaxPlayerName, 'W'), names[0]);
  EXPECT_TRUE(Inside(InkDrawn(wide), names[0]));
  EXPECT_NE(wide.lines.back().text.find("..."), std::string::npos);
}

}  // namespace
}  // namespace bowling
