// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lines that need more than one glyph after another in the text's own order:
// names in Arabic or Hebrew, alone or mixed with other scripts.
#include <string_view>
#include <vector>

#include "platform/font.h"

// A glyph of a laid-out line: its pen position from the line's start and how
// far its origin sits above the baseline.
struct PlacedGlyph {
  GlyphImage image;
  int pen = 0;
  int rise = 0;
};

// `text` as drawn from left to right, and its whole advance in `advance`.
std::vector<PlacedGlyph> LayOutLine(const FontAtlas& font, std::string_view text, int* advance);
