// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quantise.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

constexpr int kBayer8[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21}};

int ToByte(float v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

}  // namespace

Quantiser::Quantiser() : m_cache(1u << 24, 0xFFFF) {}

std::uint8_t Quantiser::Nearest(int r, int g, int b) {
  r = std::clamp(r, 0, 255);
  g = std::clamp(g, 0, 255);
  b = std::clamp(b, 0, 255);
  std::uint16_t& slot = m_cache[(static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
                                static_cast<std::uint32_t>(b)];
  if (slot != 0xFFFF) return static_cast<std::uint8_t>(slot);
  const auto& pal = MasterPalette();
  int best = 0, bestD = 1 << 30;
  for (int i = 0; i < 256; ++i) {
    if (i == kKeyIndex) continue;
    const int dr = pal[i].r - r, dg = pal[i].g - g, db = pal[i].b - b;
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestD) { bestD = d; best = i; }
  }
  slot = static_cast<std::uint16_t>(best);
  return static_cast<std::uint8_t>(best);
}

IndexedImage Quantiser::Convert(const Canvas& canvas, Dither dither) {
  const int w = canvas.Width(), h = canvas.Height();
  IndexedImage out{w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * h)};
  const auto& pal = MasterPalette();
  // Error rows for diffusion (current and next), with a one-pixel margin.
  std::vector<Rgb> err(static_cast<std::size_t>(w + 2)), nextErr(static_cast<std::size_t>(w + 2));
  for (int y = 0; y < h; ++y) {
    std::fill(nextErr.begin(), nextErr.end(), Rgb{});
    const bool leftToRight = (y % 2) == 0;
    for (int i = 0; i < w; ++i) {
      const int x = leftToRight ? i : w - 1 - i;
      Rgb c = canvas.ColorAt(x, y);
      const bool flat = canvas.IsFlat(x, y) || dither == Dither::None;
      if (!flat && dither == Dither::Ordered) {
        const float o = (static_cast<float>(kBayer8[y & 7][x & 7]) + 0.5f) / 64.f - 0.5f;
        c = {c.r + o * 14.f, c.g + o * 14.f, c.b + o * 14.f};
      } else if (!flat && dither == Dither::Diffusion) {
        const Rgb& e = err[static_cast<std::size_t>(x + 1)];
        c = {c.r + e.r, c.g + e.g, c.b + e.b};
      }
      const std::uint8_t idx = Nearest(ToByte(c.r), ToByte(c.g), ToByte(c.b));
      out.pixels[static_cast<std::size_t>(y) * w + x] = idx;
      if (flat || dither != Dither::Diffusion) continue;
      // Floyd-Steinberg, damped a little so flat gradients stay calm.
      const Rgb q{(c.r - pal[idx].r) * 0.9f, (c.g - pal[idx].g) * 0.9f, (c.b - pal[idx].b) * 0.9f};
      const int dir = leftToRight ? 1 : -1;
      auto add = [](Rgb& t, const Rgb& e, float k) { t = {t.r + e.r * k, t.g + e.g * k, t.b + e.b * k}; };
      const std::size_t xi = static_cast<std::size_t>(x + 1);
      add(err[xi + dir], q, 7.f / 16.f);
      add(nextErr[xi - dir], q, 3.f / 16.f);
      add(nextErr[xi], q, 5.f / 16.f);
      add(nextErr[xi + dir], q, 1.f / 16.f);
    }
    std::swap(err, nextErr);
  }
  return out;
}

IndexedImage Quantiser::ConvertKeyed(const Canvas& canvas, Rgb matte, float cut, Dither dither) {
  Canvas flat(canvas.Width(), canvas.Height());
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const Pixel& p = canvas.At(x, y);
      const float a = std::clamp(p.a, 0.f, 1.f);
      flat.Set(x, y, Mix(matte, {p.r, p.g, p.b}, a));
    }
  IndexedImage out = Convert(flat, dither);
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x)
      if (canvas.At(x, y).a < cut) out.pixels[static_cast<std::size_t>(y) * out.width + x] = kKeyIndex;
  // The top-left pixel names the key, so it must be transparent.
  if (!out.pixels.empty()) out.pixels[0] = kKeyIndex;
  return out;
}

}  // namespace art
