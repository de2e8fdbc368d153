// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the score sheet's characters go: each ball mark, frame total and
// name is placed by the ink of its glyphs, so that it sits inside its box at
// every zoom, and a long name takes a smaller size or a second line.
#include <string>
#include <string_view>
#include <vector>

#include "platform/font.h"
#include "platform/rect.h"

namespace bowling {

struct PlacedLine {
  std::string text;
  CPoint cell;  // top-left of the text's cell, as CDC::TextOut takes it
};

struct PlacedText {
  const FontAtlas* font = nullptr;
  std::vector<PlacedLine> lines;
  CRect ink;  // what the glyphs cover (right and bottom exclusive)
};

// The pixels the glyphs of `text` cover with the pen at x 0 on baseline 0.
CRect InkOf(const FontAtlas& font, std::string_view text);

// A ball mark ("7", "/", "X") in its 8 x 9 box or a total in its box: the
// ink centred. The sizes are the sheet's own.
PlacedText PlaceBallMark(std::string_view text, const CRect& box);
PlacedText PlaceTotal(std::string_view text, const CRect& box);
// A player's name, left-aligned and centred vertically: the largest size
// that fits on one line, else two lines, else cut short with "...".
PlacedText PlaceName(std::string_view name, const CRect& box);

}  // namespace bowling
