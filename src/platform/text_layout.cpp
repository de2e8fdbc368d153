// SPDX-License-Identifier: GPL-3.0-or-later
// A line holding right-to-left letters is drawn run by run in FriBidi's
// visual order; each right-to-left run is shaped as a whole (HarfBuzz, in a
// desktop font that has its letters), so Arabic letters join as written.
// Everything else is drawn a character at a time, as before.
#include "platform/text_layout.h"

#include <string>

#include "platform/bidi_order.h"
#include "platform/font.h"
#include "platform/glyph_fallback.h"

namespace {

std::u32string Decode(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  ForEachCodePoint(text, [&](char32_t c) { out.push_back(c); });
  return out;
}

GlyphImage FromRaster(const RasterGlyph& r) {
  return {r.coverage.data(), r.width, r.width, r.height, r.left, r.top, r.advance};
}

// 1/64 pixel to the nearest pixel.
int Pixels(int value64) { return (value64 + 32) >> 6; }

// A run the desktop's fonts shaped, or null when they could not.
const ShapedRun* ShapedFromDesktop(const FontAtlas& font, std::u32string_view run) {
  GlyphFallback* fallback = CurrentGlyphFallback();
  return fallback ? fallback->Shape(run, true, font.bold, font.em64) : nullptr;
}

}  // namespace

bool MayNeedLayout(std::string_view text) {
  // Every right-to-left script starts at U+0590, two bytes led by 0xD6 in UTF-8.
  for (const char byte : text)
    if (static_cast<unsigned char>(byte) >= 0xD6) return HasRightToLeft(Decode(text));
  return false;
}

std::vector<PlacedGlyph> LayOutLine(const FontAtlas& font, std::string_view text, int* advance) {
  const std::u32string chars = Decode(text);
  std::vector<PlacedGlyph> line;
  int pen = 0;
  const auto place = [&](char32_t c) {
    const GlyphImage g = ResolveGlyph(font, c);
    line.push_back({g, pen, 0});
    pen += g.advance;
  };
  for (const VisualRun& run : VisualRuns(chars)) {
    const std::u32string_view part = std::u32string_view(chars).substr(run.start, run.length);
    if (!run.rightToLeft) {
      for (const char32_t c : part) place(c);
      continue;
    }
    if (const ShapedRun* shaped = ShapedFromDesktop(font, part)) {
      for (const ShapedGlyph& g : shaped->glyphs) {
        if (g.image) line.push_back({FromRaster(*g.image), pen + Pixels(g.x64), Pixels(g.y64)});
      }
      pen += Pixels(shaped->advance64);
      continue;
    }
    for (auto c = part.rbegin(); c != part.rend(); ++c) place(*c);
  }
  if (advance) *advance = pen;
  return line;
}

int LaidOutWidth(const FontAtlas& font, std::string_view text) {
  int advance = 0;
  LayOutLine(font, text, &advance);
  return advance;
}
