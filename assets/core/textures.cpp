// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textures.h"

#include <cmath>

#include "core/noise.h"

namespace art {

Rgb WoodGrain(float x, float y, std::uint32_t seed, bool alongX, Ramp ramp, float darkT, float lightT) {
  const float u = alongX ? x : y;  // along the grain
  const float v = alongX ? y : x;  // across it
  const float warp = Fbm(u * 0.012f, v * 0.08f, seed, 3) * 6.f;
  const float rings = v * 0.35f + warp;
  float t = rings - std::floor(rings);
  t = std::pow(std::sin(t * 3.14159265f), 2.f);
  const float fibre = Fbm(u * 0.25f, v * 1.6f, seed + 7u, 2);
  const float k = std::clamp(0.55f * t + 0.45f * fibre, 0.f, 1.f);
  return Mix(RampColor(ramp, darkT), RampColor(ramp, lightT), k);
}

Rgb Felt(float x, float y, std::uint32_t seed, Rgb base, float strength) {
  const float n = Fbm(x * 0.35f, y * 0.35f, seed, 3) - 0.5f;
  const float fine = Hash2(static_cast<int>(x), static_cast<int>(y), seed + 3u) - 0.5f;
  return Clamp(Shade(base, (n * 1.4f + fine * 0.6f) * strength * 2.f));
}

Rgb Cork(float x, float y, std::uint32_t seed) {
  const float n = Fbm(x * 0.15f, y * 0.15f, seed, 3);
  const float grain = Hash2(static_cast<int>(x * 0.7f), static_cast<int>(y * 0.7f), seed + 11u);
  float t = 0.35f + 0.35f * n + 0.3f * grain;
  if (grain > 0.93f) t = 0.1f;  // dark flecks
  return Mix(RampColor(Ramp::Cork, 0.f), RampColor(Ramp::Cork, 1.f), std::clamp(t, 0.f, 1.f));
}

Rgb BrushedMetal(float x, float y, std::uint32_t seed, Rgb base) {
  const float streak = Fbm(x * 0.02f, y * 1.5f, seed, 2) - 0.5f;
  return Clamp(Shade(base, streak * 0.25f));
}

}  // namespace art
