// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turning composed 8-bit pixels into the 32-bit pixels of the window surface.
#include <array>
#include <cstdint>
#include <span>

#include "gfx/dib.h"
#include "platform/surface.h"

using ColorLut = std::array<std::uint32_t, 256>;

// Converts rect (in src's coordinates, inside src) through `lut` into dst
// with its top-left at (dstX, dstY); the caller has clipped both sides.
void ConvertIndexedRect(const CDIB& src, const CRect& rect, const ColorLut& lut, SurfaceView dst, int dstX, int dstY);

// 0x00RRGGBB for each entry of a palette (missing entries black).
ColorLut LutFromEntries(std::span<const PALETTEENTRY> entries);
