// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a picture straight onto the window surface through a CDC (the
// splash screen). Each colour of the picture shows as the display shows it:
// the nearest system-palette colour on a palette display.
#include <array>
#include <cstdint>

#include "gfx/dib.h"
#include "platform/dc.h"

int CDIB::Draw(CDC* pDC, int x, int y, DWORD dwRop) const {
  if (!pDC || dwRop != SRCCOPY || !m_pInfo || !m_pBits) return 0;
  std::array<std::uint32_t, 256> lut{};
  for (int i = 0; i < 256; ++i) {
    const RGBQUAD& c = m_pInfo->colors[i];
    lut[static_cast<std::size_t>(i)] = pDC->Resolve(RGB(c.rgbRed, c.rgbGreen, c.rgbBlue));
  }

  const CPoint origin = pDC->Origin();
  const CRect picture(origin.x + x, origin.y + y, origin.x + x + GetWidth(), origin.y + y + GetHeight());
  CRect visible;
  if (!visible.IntersectRect(picture, pDC->Area())) return 0;
  const SurfaceView target = pDC->Target(visible);
  for (int sy = visible.top; sy < visible.bottom; ++sy) {
    const BYTE* src = PixelPtr(visible.left - picture.left, sy - picture.top);
    std::uint32_t* dst = target.Row(sy) + visible.left;
    for (int n = visible.Width(); n > 0; --n) *dst++ = lut[*src++];
  }
  return GetHeight();
}
