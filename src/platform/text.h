// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing text from the glyph atlases onto 32-bit surfaces.
#include <string_view>

#include "platform/font.h"
#include "platform/surface.h"

// Draws `text` with its cell's top-left corner at (x, y), blending the glyph
// coverage in `color` (0x00RRGGBB); nothing outside `clip` is touched.
void DrawTextAt(SurfaceView dst, const CRect& clip, const FontAtlas& font, int x, int y,
                std::string_view text, std::uint32_t color);
// The smallest rectangle holding every glyph DrawTextAt would draw for the
// same text and place (glyphs may reach past the cell).
CRect TextInkBounds(const FontAtlas& font, int x, int y, std::string_view text);
