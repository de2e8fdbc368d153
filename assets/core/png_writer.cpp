// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/png_writer.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char type[4], const std::vector<std::uint8_t>& data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(crc32(0L, Z_NULL, 0), out.data() + typeAt, static_cast<uInt>(4 + data.size()));
  Put32(out, static_cast<std::uint32_t>(crc));
}

std::uint8_t Byte(float f) { return static_cast<std::uint8_t>(std::clamp(static_cast<int>(std::lround(f)), 0, 255)); }

}  // namespace

std::vector<std::uint8_t> EncodePngRgba(const Canvas& image) {
  const int w = image.Width(), h = image.Height();
  if (w <= 0 || h <= 0) return {};
  const std::size_t rowBytes = 1 + static_cast<std::size_t>(w) * 4;
  std::vector<std::uint8_t> raw(rowBytes * static_cast<std::size_t>(h));
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = raw.data() + rowBytes * static_cast<std::size_t>(y);
    *row++ = 0;  // filter: none
    for (int x = 0; x < w; ++x) {
      const Pixel& p = image.At(x, y);
      const std::uint8_t a = Byte(p.a * 255.f);
      // Fully transparent pixels carry no colour, so equal pictures give equal files.
      *row++ = a ? Byte(p.r) : 0;
      *row++ = a ? Byte(p.g) : 0;
      *row++ = a ? Byte(p.b) : 0;
      *row++ = a;
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) return {};
  packed.resize(packedSize);

  std::vector<std::uint8_t> header;
  Put32(header, static_cast<std::uint32_t>(w));
  Put32(header, static_cast<std::uint32_t>(h));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

}  // namespace art
