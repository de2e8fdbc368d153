// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/frame_rgba.h"

#include <algorithm>
#include <cstring>

void ConvertToRgba(const Surface32& frame, const CRect& area, std::vector<std::uint8_t>& rgba) {
  const int w = frame.Width();
  const int h = frame.Height();
  rgba.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
  const int left = std::max(0, area.left), right = std::min(w, area.right);
  const int top = std::max(0, area.top), bottom = std::min(h, area.bottom);
  for (int y = top; y < bottom; ++y) {
    const std::uint32_t* src = frame.Data() + static_cast<std::size_t>(y) * w;
    std::uint8_t* dst = rgba.data() + static_cast<std::size_t>(y) * w * 4;
    for (int x = left; x < right; ++x) {
      const std::uint32_t p = src[x];
      // Little-endian memory: the word A B G R is the bytes R, G, B, A.
      const std::uint32_t out = 0xFF000000u | ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
      std::memcpy(dst + static_cast<std::size_t>(x) * 4, &out, sizeof out);
    }
  }
}
