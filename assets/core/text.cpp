// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text.h"

#include <cmath>

namespace art {
namespace {

const FontAtlas& Atlas(const TextStyle& s) { return GetFont(s.bold, s.size); }

float Coverage(const FontAtlas& f, const GlyphInfo& g, float gx, float gy) {
  // Bilinear sample of the glyph's coverage, zero outside it.
  auto at = [&](int x, int y) -> float {
    if (x < 0 || y < 0 || x >= g.width || y >= g.height) return 0.f;
    return f.coverage[(g.atlasY + y) * f.atlasWidth + g.atlasX + x] / 255.f;
  };
  const float fx = gx - 0.5f, fy = gy - 0.5f;
  const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
  const float tx = fx - x0, ty = fy - y0;
  const float top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * tx;
  const float bot = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * tx;
  return top + (bot - top) * ty;
}

// Calls paint(x, y, coverage) for every canvas pixel the text touches.
template <class F>
void ForEachCoverage(const TextStyle& s, float x, float y, std::string_view text, F paint) {
  const FontAtlas& f = Atlas(s);
  const float w = MeasureText(s, text);
  if (s.align == Align::Center) x -= w * 0.5f;
  if (s.align == Align::Right) x -= w;
  float pen = x;
  for (unsigned char c : text) {
    const GlyphInfo& g = *f.Glyph(c);
    const float gx0 = pen + g.left * s.scale;
    const float gy0 = y + (f.ascent - g.top) * s.scale;
    const int px0 = static_cast<int>(std::floor(gx0)) - 1, py0 = static_cast<int>(std::floor(gy0)) - 1;
    const int px1 = static_cast<int>(std::ceil(gx0 + g.width * s.scale)) + 1;
    const int py1 = static_cast<int>(std::ceil(gy0 + g.height * s.scale)) + 1;
    for (int py = py0; py < py1; ++py)
      for (int px = px0; px < px1; ++px) {
        const float cov = Coverage(f, g, (px + 0.5f - gx0) / s.scale, (py + 0.5f - gy0) / s.scale);
        if (cov > 0.f) paint(px, py, cov);
      }
    pen += g.advance * s.scale;
  }
}

}  // namespace

// The built-in glyphs alone, byte by byte as they are painted: the art is
// the same on every machine, whatever fonts it has.
float MeasureText(const TextStyle& s, std::string_view text) {
  int width = 0;
  for (unsigned char c : text) width += Atlas(s).Glyph(c)->advance;
  return static_cast<float>(width) * s.scale;
}

void DrawText(Canvas& canvas, const TextStyle& s, float x, float y, std::string_view text) {
  ForEachCoverage(s, x, y, text, [&](int px, int py, float cov) { canvas.Blend(px, py, s.color, cov * s.alpha); });
}

void DrawTextShadowed(Canvas& canvas, const TextStyle& s, float x, float y, std::string_view text, Rgb shadow,
                      float dx, float dy, float outline) {
  if (outline > 0.f) {
    TextStyle o = s;
    o.color = shadow;
    for (int k = 0; k < 8; ++k) {
      const float a = static_cast<float>(k) * 0.785398f;
      DrawText(canvas, o, x + std::cos(a) * outline, y + std::sin(a) * outline, text);
    }
  }
  TextStyle sh = s;
  sh.color = shadow;
  sh.alpha = s.alpha * 0.7f;
  DrawText(canvas, sh, x + dx, y + dy, text);
  DrawText(canvas, s, x, y, text);
}

}  // namespace art
