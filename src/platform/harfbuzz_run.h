// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A run of one script and direction shaped by HarfBuzz in a FreeType face:
// the glyphs Arabic letters take where they join, in the order drawn.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string_view>
#include <vector>

struct ShapedIndex {
  unsigned index = 0;  // the glyph in the face
  int x64 = 0;         // origin from the run's start, 1/64 pixel
  int y64 = 0;         // and above the baseline
};

// The glyphs of `run` from left to right, at the size set on `face`, and the
// run's advance in `advance64`.
std::vector<ShapedIndex> ShapeInFace(FT_Face face, std::u32string_view run, bool rightToLeft, int* advance64);
