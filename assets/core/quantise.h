// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns painted canvases into 8-bit pictures in the master palette.
#include <cstdint>
#include <vector>

#include "core/canvas.h"
#include "core/palette.h"

namespace art {

// An 8-bit picture, rows top-down (the writer turns them bottom-up).
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
  std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

enum class Dither { None, Ordered, Diffusion };

class Quantiser {
 public:
  Quantiser();
  // Nearest master-palette entry by squared RGB distance, never the key.
  std::uint8_t Nearest(int r, int g, int b);
  // A picture without transparency. Pixels marked flat are never dithered.
  IndexedImage Convert(const Canvas& canvas, Dither dither);
  // A sprite cel: pixels with alpha below `cut` become the key colour, the
  // others are blended over `matte` (the colour they will usually stand on).
  IndexedImage ConvertKeyed(const Canvas& canvas, Rgb matte, float cut = 0.5f, Dither dither = Dither::None);

 private:
  std::vector<std::uint16_t> m_cache;  // 24-bit colour -> index, 0xFFFF unknown
};

}  // namespace art
