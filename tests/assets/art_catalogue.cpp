// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/art_catalogue.h"

#include <cstring>

namespace art_test {

std::optional<Picture> ReadPicture(std::span<const BYTE> bytes) {
  BITMAPINFOHEADER h{};
  if (bytes.size() < sizeof(h) + 1024) return std::nullopt;
  std::memcpy(&h, bytes.data(), sizeof(h));
  if (h.biSize != 40 || h.biBitCount != 8 || h.biWidth <= 0 || h.biHeight <= 0 || h.biWidth > 4096 || h.biHeight > 4096)
    return std::nullopt;
  Picture p;
  p.width = h.biWidth;
  p.height = h.biHeight;
  p.bitCount = h.biBitCount;
  p.compression = h.biCompression;
  p.colors.resize(256);
  std::memcpy(p.colors.data(), bytes.data() + 40, 1024);
  const std::size_t stride = (static_cast<std::size_t>(p.width) + 3) & ~std::size_t{3};
  if (bytes.size() < 1064 + stride * static_cast<std::size_t>(p.height)) return std::nullopt;
  p.pixels.resize(static_cast<std::size_t>(p.width) * p.height);
  for (int y = 0; y < p.height; ++y) {
    const BYTE* row = bytes.data() + 1064 + stride * static_cast<std::size_t>(p.height - 1 - y);
    std::memcpy(p.pixels.data() + static_cast<std::size_t>(y) * p.width, row, static_cast<std::size_t>(p.width));
  }
  return p;
}

std::optional<Picture> FindPicture(const ResourceTable& table, UINT id) {
  return ReadPicture(table.Find(ResKind::Bitmap, id));
}

}  // namespace art_test
