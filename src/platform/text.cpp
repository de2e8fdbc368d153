// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text.h"

namespace {

std::uint32_t Blend(std::uint32_t under, std::uint32_t over, unsigned alpha) {
  const unsigned inv = 255 - alpha;
  const unsigned r = (((over >> 16) & 0xFF) * alpha + ((under >> 16) & 0xFF) * inv + 127) / 255;
  const unsigned g = (((over >> 8) & 0xFF) * alpha + ((under >> 8) & 0xFF) * inv + 127) / 255;
  const unsigned b = ((over & 0xFF) * alpha + (under & 0xFF) * inv + 127) / 255;
  return (r << 16) | (g << 8) | b;
}

}  // namespace

void DrawTextAt(SurfaceView dst, const CRect& clip, const FontAtlas& font, int x, int y, std::string_view text,
                std::uint32_t color) {
  CRect bounds;
  if (!bounds.IntersectRect(clip, dst.Bounds())) return;
  const int baseline = y + font.ascent;
  int pen = x;
  ForEachCodePoint(text, [&](char32_t c) {
    const GlyphImage g = ResolveGlyph(font, c);
    const int gx = pen + g.left;
    const int gy = baseline - g.top;
    for (int row = 0; row < g.height; ++row) {
      const int py = gy + row;
      if (py < bounds.top || py >= bounds.bottom) continue;
      const std::uint8_t* src = g.coverage + row * g.pitch;
      std::uint32_t* out = dst.Row(py);
      for (int col = 0; col < g.width; ++col) {
        const int px = gx + col;
        if (px < bounds.left || px >= bounds.right || src[col] == 0) continue;
        out[px] = src[col] == 255 ? color : Blend(out[px], color, src[col]);
      }
    }
    pen += g.advance;
  });
}

CRect TextInkBounds(const FontAtlas& font, int x, int y, std::string_view text) {
  CRect ink;
  const int baseline = y + font.ascent;
  int pen = x;
  ForEachCodePoint(text, [&](char32_t c) {
    const GlyphImage g = ResolveGlyph(font, c);
    const int gx = pen + g.left;
    const int gy = baseline - g.top;
    ink.UnionRect(ink, CRect(gx, gy, gx + g.width, gy + g.height));
    pen += g.advance;
  });
  return ink;
}
