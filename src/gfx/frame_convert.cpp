#include "gfx/frame_convert.h"

#include <bit>
#include <cstring>

// The eight-pixel loop below takes the first pixel from the lowest byte.
static_assert(std::endian::native == std::endian::little);

void ConvertIndexedRect(const CDIB& src, const CRect& rect, const ColorLut& lut, SurfaceView dst, int dstX,
                        int dstY) {
  const int w = rect.Width();
  if (w <= 0) return;
  // A private copy of the table: the compiler then knows that writing the
  // surface cannot change it, and keeps the loop tight.
  std::uint32_t table[256];
  std::memcpy(table, lut.data(), sizeof table);
  for (int y = rect.top; y < rect.bottom; ++y) {
    const BYTE* s = src.PixelPtr(rect.left, y);
    std::uint32_t* d = dst.Row(dstY + (y - rect.top)) + dstX;
    int i = 0;
    // Eight source pixels per load.
    for (; i + 8 <= w; i += 8) {
      std::uint64_t v;
      std::memcpy(&v, s + i, sizeof v);
      for (int k = 0; k < 8; ++k, v >>= 8) d[i + k] = table[v & 0xFF];
    }
    for (; i < w; ++i) d[i] = table[s[i]];
  }
}

ColorLut LutFromEntries(std::span<const PALETTEENTRY> entries) {
  ColorLut lut{};
  for (std::size_t i = 0; i < entries.size() && i < lut.size(); ++i) {
    lut[i] = ToPixel(entries[i].peRed, entries[i].peGreen, entries[i].peBlue);
  }
  return lut;
}
