// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as the painter works with them: floating-point RGB in 0..255 and
// straight (not premultiplied) alpha in 0..1.
#include <algorithm>
#include <cstdint>

namespace art {

struct Rgb {
  float r = 0, g = 0, b = 0;
};

constexpr Rgb Hex(std::uint32_t rgb) {
  return {static_cast<float>((rgb >> 16) & 0xFF), static_cast<float>((rgb >> 8) & 0xFF),
          static_cast<float>(rgb & 0xFF)};
}

constexpr Rgb Mix(Rgb a, Rgb b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

constexpr Rgb Scale(Rgb c, float k) { return {c.r * k, c.g * k, c.b * k}; }

// Darkens towards black (k < 0) or lightens towards white (k > 0).
constexpr Rgb Shade(Rgb c, float k) {
  return k < 0 ? Mix(c, Rgb{0, 0, 0}, -k) : Mix(c, Rgb{255, 255, 255}, k);
}

inline Rgb Clamp(Rgb c) {
  return {std::clamp(c.r, 0.f, 255.f), std::clamp(c.g, 0.f, 255.f), std::clamp(c.b, 0.f, 255.f)};
}

}  // namespace art
