// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Glyph atlases rasterised from Liberation Sans at build time and compiled in.
// Sizes are cell heights in pixels (ascent + descent), as a classic font
// height of 14 means: Liberation Sans has Arial's metrics.
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/utf8.h"

struct GlyphInfo {
  std::int16_t atlasX;   // top-left of the glyph's coverage in the atlas
  std::int16_t atlasY;
  std::uint8_t width;    // coverage size
  std::uint8_t height;
  std::int8_t left;      // pen x to the coverage's left edge
  std::int8_t top;       // baseline to the coverage's top edge (positive up)
  std::uint8_t advance;  // pen advance in whole pixels
};

struct FontAtlas {
  bool bold;
  int cellHeight;  // ascent + descent
  int ascent;
  int descent;
  int firstChar;   // glyphs cover firstChar .. firstChar + glyphCount - 1
  int glyphCount;
  const GlyphInfo* glyphs;
  const std::uint8_t* coverage;  // 8-bit alpha, atlasWidth x atlasHeight
  int atlasWidth;
  int atlasHeight;

  // The glyph of a code point; characters the atlas lacks (controls, letters
  // beyond it, bytes that were not UTF-8) are drawn as '?'.
  const GlyphInfo* Glyph(char32_t c) const {
    const long i = static_cast<long>(c) - firstChar;
    const bool control = c >= 0x7F && c < 0xA0;
    if (i < 0 || i >= glyphCount || control) return glyphs + ('?' - firstChar);
    return glyphs + i;
  }
};

// Generated at build time.
extern const FontAtlas kFontAtlases[];
extern const int kFontAtlasCount;

// The atlas of that weight whose cell height is closest to `cellHeight`.
inline const FontAtlas& GetFont(bool bold, int cellHeight) {
  const FontAtlas* best = &kFontAtlases[0];
  int bestScore = 1 << 30;
  for (int i = 0; i < kFontAtlasCount; ++i) {
    const FontAtlas& f = kFontAtlases[i];
    const int d = f.cellHeight > cellHeight ? f.cellHeight - cellHeight : cellHeight - f.cellHeight;
    const int score = d * 2 + (f.bold != bold ? 1000 : 0);
    if (score < bestScore) { bestScore = score; best = &f; }
  }
  return *best;
}

inline int TextWidth(const FontAtlas& font, std::string_view text) {
  int w = 0;
  ForEachCodePoint(text, [&](char32_t c) { w += font.Glyph(c)->advance; });
  return w;
}
