#include "gfx/frame_convert.h"

void ConvertIndexedRect(const CDIB& src, const CRect& rect, const ColorLut& lut, SurfaceView dst, int dstX,
                        int dstY) {
  const int w = rect.Width();
  if (w <= 0) return;
  for (int y = rect.top; y < rect.bottom; ++y) {
    const BYTE* s = src.PixelPtr(rect.left, y);
    std::uint32_t* __restrict d = dst.Row(dstY + (y - rect.top)) + dstX;
    for (int i = 0; i < w; ++i) d[i] = lut[s[i]];
  }
}

ColorLut LutFromEntries(std::span<const PALETTEENTRY> entries) {
  ColorLut lut{};
  for (std::size_t i = 0; i < entries.size() && i < lut.size(); ++i) {
    lut[i] = ToPixel(entries[i].peRed, entries[i].peGreen, entries[i].peBlue);
  }
  return lut;
}
