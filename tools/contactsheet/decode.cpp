// SPDX-License-Identifier: GPL-3.0-or-later
#include "decode.h"

#include <cstring>

namespace sheet {
namespace {
std::uint32_t U32(const BYTE* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24); }
int U16(const BYTE* p) { return p[0] | (p[1] << 8); }
}  // namespace

std::optional<Picture> DecodePicture(std::span<const BYTE> b) {
  if (b.size() < 1064 || U32(b.data()) != 40 || U16(b.data() + 14) != 8 || U32(b.data() + 16) != 0) return std::nullopt;
  const int w = static_cast<int>(U32(b.data() + 4)), h = static_cast<int>(U32(b.data() + 8));
  if (w <= 0 || h <= 0 || w > 4096 || h > 4096) return std::nullopt;
  const std::size_t stride = (static_cast<std::size_t>(w) + 3) & ~std::size_t{3};
  if (b.size() < 1064 + stride * static_cast<std::size_t>(h)) return std::nullopt;
  Picture p;
  p.image.Resize(w, h);
  p.transparent.assign(static_cast<std::size_t>(w) * h, false);
  const BYTE* colors = b.data() + 40;
  const BYTE* pixels = b.data() + 1064;
  const BYTE key = pixels[stride * static_cast<std::size_t>(h - 1)];  // top-left
  SurfaceView v = p.image.View();
  for (int y = 0; y < h; ++y) {
    const BYTE* row = pixels + stride * static_cast<std::size_t>(h - 1 - y);
    for (int x = 0; x < w; ++x) {
      const BYTE i = row[x];
      v.Row(y)[x] = ToPixel(colors[i * 4 + 2], colors[i * 4 + 1], colors[i * 4]);
      p.transparent[static_cast<std::size_t>(y) * w + x] = i == key;
    }
  }
  return p;
}

std::optional<WaveInfo> DecodeWave(std::span<const BYTE> b) {
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) return std::nullopt;
  WaveInfo w;
  bool data = false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::uint32_t size = U32(b.data() + at + 4);
    if (size > b.size() - at - 8) break;
    const BYTE* body = b.data() + at + 8;
    if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && size >= 16) {
      w.channels = U16(body + 2);
      w.rate = static_cast<int>(U32(body + 4));
      w.bits = U16(body + 14);
    } else if (std::memcmp(b.data() + at, "data", 4) == 0 && w.bits == 16 && w.channels > 0) {
      const std::size_t frames = size / (2u * static_cast<std::size_t>(w.channels));
      w.samples.resize(frames);
      for (std::size_t i = 0; i < frames; ++i)
        w.samples[i] = static_cast<std::int16_t>(U16(body + i * 2u * static_cast<std::size_t>(w.channels)));
      data = true;
    }
    at += 8 + size + (size & 1);
  }
  if (!data || w.rate <= 0) return std::nullopt;
  return w;
}

}  // namespace sheet
