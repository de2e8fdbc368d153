// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text.h"

#include "platform/text_layout.h"

namespace {

std::uint32_t Blend(std::uint32_t under, std::uint32_t over, unsigned alpha) {
  const unsigned inv = 255 - alpha;
  const unsigned r = (((over >> 16) & 0xFF) * alpha + ((under >> 16) & 0xFF) * inv + 127) / 255;
  const unsigned g = (((over >> 8) & 0xFF) * alpha + ((under >> 8) & 0xFF) * inv + 127) / 255;
  const unsigned b = ((over & 0xFF) * alpha + (under & 0xFF) * inv + 127) / 255;
  return (r << 16) | (g << 8) | b;
}

// Calls place(glyph, left, top) for each character of `text` with its
// top-left where DrawTextAt puts it, the pen starting at (x, y).
template <class Place>
void PlaceGlyphs(const FontAtlas& font, int x, int y, std::string_view text, Place place) {
  const int baseline = y + font.ascent;
  if (MayNeedLayout(text)) {
    for (const PlacedGlyph& g : LayOutLine(font, text, nullptr))
      place(g.image, x + g.pen + g.image.left, baseline - g.rise - g.image.top);
    return;
  }
  int pen = x;
  ForEachCodePoint(text, [&](char32_t c) {
    const GlyphImage g = ResolveGlyph(font, c);
    place(g, pen + g.left, baseline - g.top);
    pen += g.advance;
  });
}

}  // namespace

void DrawTextAt(SurfaceView dst, const CRect& clip, const FontAtlas& font, int x, int y, std::string_view text,
                std::uint32_t color) {
  CRect bounds;
  if (!bounds.IntersectRect(clip, dst.Bounds())) return;
  PlaceGlyphs(font, x, y, text, [&](const GlyphImage& g, int gx, int gy) {
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
  });
}

CRect TextInkBounds(const FontAtlas& font, int x, int y, std::string_view text) {
  CRect ink;
  PlaceGlyphs(font, x, y, text, [&](const GlyphImage& g, int gx, int gy) {
    ink.UnionRect(ink, CRect(gx, gy, gx + g.width, gy + g.height));
  });
  return ink;
}
