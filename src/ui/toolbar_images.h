#pragma once
// The tool bar's button pictures: a strip of 16 x 15 images in one bitmap
// resource (info header, colour table, pixels), read with every size checked.
#include <span>

#include "platform/surface.h"
#include "platform/types.h"

// Converts an 8- or 4-bit uncompressed bitmap resource to 32-bit pixels.
// False (and `out` untouched) when the bytes do not hold such a picture.
bool DecodeBitmapResource(std::span<const BYTE> bytes, Surface32* out);

// Image `index` of the strip at (x, y); a neutral glyph when the strip lacks it.
void DrawToolImage(SurfaceView dst, int x, int y, const Surface32& strip, int index, bool enabled);
