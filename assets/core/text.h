// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text in the embedded Liberation Sans atlases, painted onto a canvas.
#include <string_view>

#include "core/canvas.h"
#include "platform/font.h"

namespace art {

enum class Align { Left, Center, Right };

struct TextStyle {
  bool bold = true;
  int size = 14;        // cell height of the atlas
  float scale = 1.f;    // drawn larger or smaller than the atlas
  Rgb color{255, 255, 255};
  float alpha = 1.f;
  Align align = Align::Left;
};

// Width of the text in canvas pixels.
float MeasureText(const TextStyle& style, std::string_view text);
// Paints the text with its cell's top-left (or top-centre/right by align) at (x, y).
void DrawText(Canvas& canvas, const TextStyle& style, float x, float y, std::string_view text);
// The same with a soft dark shadow offset by (dx, dy) and an optional outline.
void DrawTextShadowed(Canvas& canvas, const TextStyle& style, float x, float y, std::string_view text,
                      Rgb shadow = {0, 0, 0}, float dx = 1.5f, float dy = 1.5f, float outline = 0.f);

}  // namespace art
