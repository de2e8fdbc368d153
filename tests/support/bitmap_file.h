// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small 8-bit uncompressed .bmp file for tests that need a picture on disk.
#include <cstdint>
#include <vector>

namespace quintaro::test {

// `width` x `height` pixels, every one palette index `index`; the palette is
// a grey ramp (entry i is i, i, i).
inline std::vector<char> BitmapFile(int width, int height, char index = 7) {
  const int stride = (width + 3) & ~3;
  const std::uint32_t pixels = static_cast<std::uint32_t>(stride * height);
  const std::uint32_t offset = 14 + 40 + 1024;
  std::vector<char> f;
  auto put = [&](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) f.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  f.push_back('B');
  f.push_back('M');
  put(offset + pixels, 4);
  put(0, 4);
  put(offset, 4);
  put(40, 4);
  put(static_cast<std::uint32_t>(width), 4);
  put(static_cast<std::uint32_t>(height), 4);
  put(1, 2);
  put(8, 2);
  for (int i = 0; i < 6; ++i) put(0, 4);
  for (int i = 0; i < 256; ++i) put(static_cast<std::uint32_t>(i * 0x010101), 4);
  f.insert(f.end(), pixels, index);
  return f;
}

}  // namespace quintaro::test
