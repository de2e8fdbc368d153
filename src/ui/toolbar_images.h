// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool bar's button pictures: a strip of 16 x 15 images in one bitmap
// resource (info header, colour table, pixels), read with every size checked.
#include <array>
#include <cstdint>
#include <span>

#include "platform/surface.h"
#include "platform/types.h"
#include "res/toolbar_table.h"

// Converts an 8- or 4-bit uncompressed bitmap resource to 32-bit pixels.
// False (and `out` untouched) when the bytes do not hold such a picture.
bool DecodeBitmapResource(std::span<const BYTE> bytes, Surface32* out);

// How a disabled picture is drawn: each pixel of its shape leaves a white
// relief one pixel down and right, under a grey copy of the shape.
enum class Relief : std::uint8_t { None, Light, Dark };
inline constexpr int kReliefWidth = kToolImageWidth + 1;
inline constexpr int kReliefHeight = kToolImageHeight + 1;
using ReliefImage = std::array<Relief, kReliefWidth * kReliefHeight>;

// True when the strip holds image `index` whole.
bool HasToolImage(const Surface32& strip, int index);
// The embossed look of image `index` (which must be present), row by row.
ReliefImage EmbossToolImage(const Surface32& strip, int index);

// Image `index` of the strip at (x, y); a neutral glyph when the strip lacks it.
void DrawToolImage(SurfaceView dst, int x, int y, const Surface32& strip, int index, bool enabled);
