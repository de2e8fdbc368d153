#include "gfx/frame_convert.h"

#include <cstring>

namespace {

// Four 32-bit pixels as one value: the compiler assembles the four table
// entries in a vector register and writes them with a single store, which
// is where a pixel-at-a-time loop spends its time.
using PixelQuad = std::uint32_t __attribute__((vector_size(16)));

void ConvertRow(const BYTE* s, std::uint32_t* d, int w, const std::uint32_t* table) {
  int i = 0;
  for (; i + 4 <= w; i += 4) {
    const PixelQuad quad = {table[s[i]], table[s[i + 1]], table[s[i + 2]], table[s[i + 3]]};
    std::memcpy(d + i, &quad, sizeof quad);
  }
  for (; i < w; ++i) d[i] = table[s[i]];
}

}  // namespace

void ConvertIndexedRect(const CDIB& src, const CRect& rect, const ColorLut& lut, SurfaceView dst, int dstX,
                        int dstY) {
  const int w = rect.Width();
  if (w <= 0) return;
  // A private copy of the table: the compiler then knows that writing the
  // surface cannot change it, and keeps the loop tight.
  std::uint32_t table[256];
  std::memcpy(table, lut.data(), sizeof table);
  for (int y = rect.top; y < rect.bottom; ++y) {
    ConvertRow(src.PixelPtr(rect.left, y), dst.Row(dstY + (y - rect.top)) + dstX, w, table);
  }
}

ColorLut LutFromEntries(std::span<const PALETTEENTRY> entries) {
  ColorLut lut{};
  for (std::size_t i = 0; i < entries.size() && i < lut.size(); ++i) {
    lut[i] = ToPixel(entries[i].peRed, entries[i].peGreen, entries[i].peBlue);
  }
  return lut;
}
