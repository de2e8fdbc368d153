// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/canvas.h"

namespace art {

Canvas::Canvas(int width, int height, Rgb fill, float alpha)
    : m_width(std::max(1, width)),
      m_height(std::max(1, height)),
      m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height),
               Pixel{fill.r, fill.g, fill.b, alpha}),
      m_flat(m_pixels.size(), 0) {}

void Canvas::FillRect(int x0, int y0, int x1, int y1, Rgb c, bool flat) {
  for (int y = std::max(0, y0); y < std::min(m_height, y1); ++y)
    for (int x = std::max(0, x0); x < std::min(m_width, x1); ++x) {
      Set(x, y, c);
      MarkFlat(x, y, flat);
    }
}

void Canvas::Draw(const Canvas& src, int dx, int dy, float alpha) {
  for (int y = 0; y < src.Height(); ++y)
    for (int x = 0; x < src.Width(); ++x) {
      const Pixel& p = src.At(x, y);
      Blend(dx + x, dy + y, {p.r, p.g, p.b}, p.a * alpha);
    }
}

}  // namespace art
