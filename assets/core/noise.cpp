// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/noise.h"

#include <cmath>

namespace art {

float Hash2(int x, int y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8DA6B343u ^ static_cast<std::uint32_t>(y) * 0xD8163841u ^
                    seed * 0xCB1AB31Fu;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  h ^= h >> 15;
  return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

float ValueNoise(float x, float y, std::uint32_t seed) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  float tx = x - fx, ty = y - fy;
  tx = tx * tx * (3.f - 2.f * tx);
  ty = ty * ty * (3.f - 2.f * ty);
  const float a = Hash2(ix, iy, seed), b = Hash2(ix + 1, iy, seed);
  const float c = Hash2(ix, iy + 1, seed), d = Hash2(ix + 1, iy + 1, seed);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float Fbm(float x, float y, std::uint32_t seed, int octaves) {
  float sum = 0.f, amp = 0.5f, norm = 0.f;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * ValueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u);
    norm += amp;
    x *= 2.03f;
    y *= 2.03f;
    amp *= 0.5f;
  }
  return sum / norm;
}

}  // namespace art
