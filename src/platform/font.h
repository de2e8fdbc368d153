// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Glyph atlases rasterised from Liberation Sans at build time and compiled in.
// Sizes are cell heights in pixels (ascent + descent), as a classic font
// height of 14 means: Liberation Sans has Arial's metrics. The atlases hold
// Latin, Greek and Cyrillic; other characters come from the desktop's fonts
// at run time (platform/glyph_fallback.h) where the build has them.
#include <algorithm>
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
  int em64;               // the em the face was drawn at, in 1/64 pixel
  const char32_t* codes;  // the characters held, ascending
  int glyphCount;
  const GlyphInfo* glyphs;       // one per code
  const std::uint8_t* coverage;  // 8-bit alpha, atlasWidth x atlasHeight
  int atlasWidth;
  int atlasHeight;

  // The glyph of a code point, or null when the atlas lacks it.
  const GlyphInfo* Find(char32_t c) const {
    // Printable ASCII comes first and without gaps.
    if (c >= 0x20 && c < 0x7F) return glyphs + (c - 0x20);
    const char32_t* end = codes + glyphCount;
    const char32_t* at = std::lower_bound(codes, end, c);
    return at != end && *at == c ? glyphs + (at - codes) : nullptr;
  }
  // The built-in glyph only: characters the atlas lacks are drawn as '?'.
  const GlyphInfo* Glyph(char32_t c) const {
    const GlyphInfo* g = Find(c);
    return g ? g : Find('?');
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

// A glyph ready to draw: from the atlas, from a desktop font, or '?'.
struct GlyphImage {
  const std::uint8_t* coverage;  // the top-left of the glyph's coverage
  int pitch;                     // bytes from one coverage row to the next
  int width, height, left, top, advance;
};

GlyphImage ResolveGlyph(const FontAtlas& font, char32_t c);

inline int GlyphAdvance(const FontAtlas& font, char32_t c) { return ResolveGlyph(font, c).advance; }

// Whether `text` holds right-to-left letters, which are ordered and shaped
// as a line rather than drawn one after another (platform/text_layout.h).
bool MayNeedLayout(std::string_view text);
int LaidOutWidth(const FontAtlas& font, std::string_view text);

inline int TextWidth(const FontAtlas& font, std::string_view text) {
  if (MayNeedLayout(text)) return LaidOutWidth(font, text);
  int w = 0;
  ForEachCodePoint(text, [&](char32_t c) { w += GlyphAdvance(font, c); });
  return w;
}
