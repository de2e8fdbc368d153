// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/figure_shading.h"

namespace art {
namespace {

// Light from the upper left and in front of the scene, as on the props.
constexpr float kLx = -0.50f, kLy = -0.62f, kLz = 0.60f;

}  // namespace

Rgb RampLerp(Ramp ramp, float t) {
  const int n = GetRamp(ramp).count;
  const float f = std::clamp(t, 0.f, 1.f) * static_cast<float>(n - 1);
  const float i = std::floor(f);
  const float step = 1.f / static_cast<float>(n - 1);
  return Mix(RampColor(ramp, i * step), RampColor(ramp, std::min(1.f, (i + 1.f) * step)), f - i);
}

Rgb LitColor(const Material& m, float nx, float ny, float nz) {
  const float len = std::sqrt(kLx * kLx + kLy * kLy + kLz * kLz);
  const float diffuse = (nx * kLx + ny * kLy + nz * kLz) / len;
  // Wrapped lighting keeps the shadow side readable; it bottoms out on the rim.
  const float v = std::clamp((diffuse + 0.3f) / 1.3f, 0.f, 1.f);
  Rgb col = RampLerp(m.ramp, m.dark + (m.light - m.dark) * v);
  // A small highlight where the surface mirrors the light towards the viewer.
  const float hx = kLx / len, hy = kLy / len, hz = kLz / len + 1.f;
  const float hl = Length(Length(hx, hy), hz);
  const float glint = std::pow(std::max(0.f, (nx * hx + ny * hy + nz * hz) / hl), 28.f) * m.shine;
  return Mix(col, RampLerp(m.ramp, 1.f), std::min(1.f, glint));
}

Rgb OutlineColor(const Material& m) { return Mix(RampColor(m.ramp, 0.f), Rgb{0, 0, 0}, 0.35f); }

}  // namespace art
