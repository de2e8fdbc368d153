// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Characters beyond the built-in atlases (Chinese, Japanese, Korean, Arabic,
// ...) drawn from the fonts the desktop has. The program works without it:
// a build with no font service, or a desktop with no font that has the
// character, draws '?' from the atlas instead.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct RasterGlyph {
  std::vector<std::uint8_t> coverage;  // width x height, 8-bit alpha
  int width = 0, height = 0, left = 0, top = 0, advance = 0;
};

// One glyph of a shaped run.
struct ShapedGlyph {
  unsigned index = 0;                  // the glyph in its font
  const RasterGlyph* image = nullptr;  // null for a glyph that draws nothing
  int x64 = 0;                         // origin from the run's start, 1/64 pixel
  int y64 = 0;                         // and above the baseline
};

struct ShapedRun {
  std::vector<ShapedGlyph> glyphs;  // left to right as drawn
  int advance64 = 0;
  std::string fontFile;  // the font shaped in
  int fontIndex = 0;
};

class GlyphFallback {
 public:
  virtual ~GlyphFallback() = default;
  // `c` at that em (1/64 pixel) and weight, from a font that has it; null
  // when none does. The glyph stays valid as long as this object.
  virtual const RasterGlyph* Find(char32_t c, bool bold, int em64) = 0;
  // `run` (one direction, as FriBidi split the line) shaped in a font that
  // has its first letter, so that letters join as written; null where this
  // fallback cannot shape, and the run is then drawn letter by letter.
  virtual const ShapedRun* Shape(std::u32string_view /*run*/, bool /*rightToLeft*/, bool /*bold*/, int /*em64*/) {
    return nullptr;
  }
};

// The desktop's fonts through fontconfig and FreeType, or null in a build
// without them.
std::unique_ptr<GlyphFallback> MakeSystemGlyphFallback();

// Where text drawing looks for characters the atlases lack; the system's
// fonts by default. Tests install their own or none (null); returns the
// previous one, which the caller keeps alive while it is installed.
GlyphFallback* InstallGlyphFallback(GlyphFallback* fallback);
// The fallback text drawing uses now (null when there is none).
GlyphFallback* CurrentGlyphFallback();
