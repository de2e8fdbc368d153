// SPDX-License-Identifier: GPL-3.0-or-later
// The inner loop of every frame: copying a rectangle between 8-bit images.
#include <cstring>

#include "gfx/dib.h"

namespace {

// Every pixel that is not the key replaces the destination's. Written as a
// select rather than a branch so the compiler can vectorise it.
inline void KeyedRow(BYTE* __restrict d, const BYTE* __restrict s, int w, BYTE key) {
  for (int i = 0; i < w; ++i) {
    const BYTE v = s[i];
    d[i] = v == key ? d[i] : v;
  }
}

}  // namespace

void CDIB::BlitTo(CDIB* pDest, int xd, int yd, int w, int h, int xs, int ys, COLORREF clrKey) const {
  if (!pDest || w <= 0 || h <= 0 || !m_pBits || !pDest->m_pBits) return;
  // One check of the whole rectangle, so that the loops below need none. A
  // caller that failed to clip gets nothing drawn rather than a stray write.
  if (xs < 0 || ys < 0 || xs > GetWidth() - w || ys > GetHeight() - h) return;
  if (xd < 0 || yd < 0 || xd > pDest->GetWidth() - w || yd > pDest->GetHeight() - h) return;

  const std::ptrdiff_t srcStride = GetStride();
  const std::ptrdiff_t dstStride = pDest->GetStride();
  // The lowest picture row of each rectangle comes first in memory.
  const BYTE* s = PixelPtr(xs, ys + h - 1);
  BYTE* d = pDest->PixelPtr(xd, yd + h - 1);
  const auto rowBytes = static_cast<std::size_t>(w);

  if (clrKey == kNoKey) {
    if (w == GetWidth() && w == pDest->GetWidth()) {
      // Whole rows of two images of one width: the rows, with the padding
      // between them, are one run of memory in both, so a single copy does.
      const std::size_t run = static_cast<std::size_t>(h - 1) * static_cast<std::size_t>(srcStride) + rowBytes;
      if (pDest == this) std::memmove(d, s, run);
      else std::memcpy(d, s, run);
      return;
    }
    if (pDest == this) {
      // Overlapping copies within one image: move row by row in a safe order.
      if (d > s) {
        for (int row = h - 1; row >= 0; --row) std::memmove(d + row * dstStride, s + row * srcStride, rowBytes);
      } else {
        for (int row = 0; row < h; ++row) std::memmove(d + row * dstStride, s + row * srcStride, rowBytes);
      }
      return;
    }
    for (int row = 0; row < h; ++row, s += srcStride, d += dstStride) std::memcpy(d, s, rowBytes);
    return;
  }

  const auto key = static_cast<BYTE>(clrKey & 0xFF);
  if (pDest == this) {
    // A keyed copy onto itself is unusual enough to go through a scratch row.
    CDIB scratch;
    if (!scratch.Create(w, h)) return;
    BlitTo(&scratch, 0, 0, w, h, xs, ys, kNoKey);
    scratch.BlitTo(pDest, xd, yd, w, h, 0, 0, clrKey);
    return;
  }
  for (int row = 0; row < h; ++row, s += srcStride, d += dstStride) KeyedRow(d, s, w, key);
}
