// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/bowling/bowl_sheet_text.h"

#include <algorithm>
#include <climits>

#include "platform/utf8.h"

namespace bowling {

namespace {

constexpr int kBallMarkCells[] = {12, 11};  // bold; the larger where it leaves a pixel clear
constexpr int kTotalCells[] = {13, 12, 11};  // bold
constexpr int kNameCells[] = {14, 13, 12, 11};
constexpr int kNameMargin = 2;  // pixels kept clear at the box's left and right

// Places one line with its ink's top-left at (x, y).
PlacedLine LineAt(const FontAtlas& font, std::string_view text, const CRect& ink, int x, int y) {
  // The cell's top is `ascent` above the baseline; the ink's top is -ink.top above it.
  return {std::string(text), CPoint{x - ink.left, y - ink.top - font.ascent}};
}

// The first of the sizes whose ink leaves at least a pixel of the box clear
// across and down (the last size otherwise).
template <std::size_t N>
int FittingCell(std::string_view text, const CRect& box, const int (&cells)[N]) {
  for (int cell : cells) {
    const CRect ink = InkOf(GetFont(true, cell), text);
    if (ink.Width() <= box.Width() - 1 && ink.Height() <= box.Height() - 1) return cell;
  }
  return cells[N - 1];
}

PlacedText Centred(std::string_view text, const CRect& box, bool bold, int cell) {
  PlacedText out;
  out.font = &GetFont(bold, cell);
  const CRect ink = InkOf(*out.font, text);
  const int x = box.left + (box.Width() - ink.Width()) / 2;
  const int y = box.top + (box.Height() - ink.Height() + 1) / 2;
  out.lines.push_back(LineAt(*out.font, text, ink, x, y));
  out.ink = CRect(x, y, x + ink.Width(), y + ink.Height());
  return out;
}

// The longest prefix (whole characters) whose advance fits `width`.
std::size_t FitPrefix(const FontAtlas& font, std::string_view text, int width) {
  std::size_t at = 0;
  int pen = 0;
  while (at < text.size()) {
    const Utf8Char c = DecodeUtf8(text, at);
    const GlyphInfo& g = *font.Glyph(c.valid ? c.code : U'\uFFFD');
    if (pen + g.left + g.width > width) break;
    pen += g.advance;
    at += c.length;
  }
  return at;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

CRect InkOf(const FontAtlas& font, std::string_view text) {
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN, pen = 0;
  ForEachCodePoint(text, [&](char32_t c) {
    const GlyphInfo& g = *font.Glyph(c);
    if (g.width > 0 && g.height > 0) {
      left = std::min(left, pen + g.left);
      right = std::max(right, pen + g.left + g.width);
      top = std::min(top, -g.top);
      bottom = std::max(bottom, -g.top + g.height);
    }
    pen += g.advance;
  });
  if (left > right) return CRect(0, 0, 0, 0);
  return CRect(left, top, right, bottom);
}

PlacedText PlaceBallMark(std::string_view text, const CRect& box) {
  return Centred(text, box, true, FittingCell(text, box, kBallMarkCells));
}

PlacedText PlaceTotal(std::string_view text, const CRect& box) {
  return Centred(text, box, true, FittingCell(text, box, kTotalCells));
}

PlacedText PlaceName(std::string_view name, const CRect& box) {
  const int width = box.Width() - 2 * kNameMargin;
  PlacedText out;
  // One line, as large as fits.
  for (int cell : kNameCells) {
    const FontAtlas& font = GetFont(true, cell);
    const CRect ink = InkOf(font, name);
    if (ink.right > width || ink.Height() > box.Height()) continue;
    out.font = &font;
    const int x = box.left + kNameMargin;
    const int y = box.top + (box.Height() - ink.Height() + 1) / 2;
    // Left-aligned by the pen, so that names line up whatever their first letter.
    out.lines.push_back({std::string(name), CPoint{x, y - ink.top - font.ascent}});
    out.ink = CRect(x + ink.left, y, x + ink.right, y + ink.Height());
    return out;
  }
  // Two lines of the smallest size, broken at a space where one fits.
  const FontAtlas& font = GetFont(false, kNameCells[std::size(kNameCells) - 1]);
  out.font = &font;
  std::size_t cut = FitPrefix(font, name, width);
  if (cut < name.size()) {
    const std::size_t space = name.substr(0, cut + 1).rfind(' ');
    if (space != std::string_view::npos && space > 0) cut = space;
  }
  std::string first(Trimmed(name.substr(0, cut)));
  std::string second(Trimmed(name.substr(cut)));
  if (FitPrefix(font, second, width) < second.size()) {
    const std::string dots = "...";
    const int room = width - InkOf(font, dots).right;
    second = std::string(Trimmed(std::string_view(second).substr(0, FitPrefix(font, second, room)))) + dots;
  }
  const int lineStep = font.cellHeight;
  const int top = box.top + (box.Height() - 2 * lineStep) / 2;
  const int x = box.left + kNameMargin;
  out.lines.push_back({first, CPoint{x, top}});
  out.lines.push_back({second, CPoint{x, top + lineStep}});
  CRect ink1 = InkOf(font, first), ink2 = InkOf(font, second);
  ink1.OffsetRect(x, top + font.ascent);
  ink2.OffsetRect(x, top + lineStep + font.ascent);
  out.ink.UnionRect(ink1, ink2);
  return out;
}

}  // namespace bowling
