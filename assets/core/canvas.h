// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A floating-point RGBA picture the painter draws into before it is
// quantised to the master palette. Pixel (x, y) covers [x, x+1) x [y, y+1);
// shapes are sampled at pixel centres (x + 0.5, y + 0.5).
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/color.h"

namespace art {

struct Pixel {
  float r = 0, g = 0, b = 0, a = 0;
};

struct Box {
  float x0, y0, x1, y1;
};

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {}, float alpha = 1.f);

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
  Pixel& At(int x, int y) { return m_pixels[Index(x, y)]; }
  const Pixel& At(int x, int y) const { return m_pixels[Index(x, y)]; }
  Rgb ColorAt(int x, int y) const {
    const Pixel& p = At(x, y);
    return {p.r, p.g, p.b};
  }

  // Source-over blend of colour c with opacity a (0..1).
  void Blend(int x, int y, Rgb c, float a) {
    if (!Inside(x, y) || a <= 0.f) return;
    Pixel& p = At(x, y);
    a = std::min(a, 1.f);
    const float outA = a + p.a * (1.f - a);
    if (outA <= 0.f) return;
    const float k = a / outA;
    p.r += (c.r - p.r) * k;
    p.g += (c.g - p.g) * k;
    p.b += (c.b - p.b) * k;
    p.a = outA;
  }
  void Set(int x, int y, Rgb c, float a = 1.f) {
    if (Inside(x, y)) m_pixels[Index(x, y)] = {c.r, c.g, c.b, a};
  }

  // Pixels marked flat are quantised to the nearest colour without dithering:
  // areas the program draws into, and plain UI surfaces.
  void MarkFlat(int x, int y, bool flat = true) {
    if (Inside(x, y)) m_flat[Index(x, y)] = flat ? 1 : 0;
  }
  bool IsFlat(int x, int y) const { return m_flat[Index(x, y)] != 0; }

  // A solid, exact rectangle [x0, x1) x [y0, y1), marked flat.
  void FillRect(int x0, int y0, int x1, int y1, Rgb c, bool flat = true);

  // Paints every pixel of the box with shader(x, y) at the pixel centre.
  template <class Shader>
  void Fill(Box box, Shader shader, float alpha = 1.f) {
    ForBox(box, [&](int x, int y, float px, float py) { Blend(x, y, shader(px, py), alpha); });
  }

  // Paints a shape given by its signed distance (negative inside, pixels),
  // anti-aliased over `soft` pixels, coloured by shader(x, y).
  template <class Shape, class Shader>
  void Paint(const Shape& shape, Shader shader, float alpha = 1.f, float soft = 1.f) {
    Box b = shape.Bounds();
    b = {b.x0 - soft, b.y0 - soft, b.x1 + soft, b.y1 + soft};
    ForBox(b, [&](int x, int y, float px, float py) {
      const float d = shape(px, py);
      const float cover = std::clamp(0.5f - d / soft, 0.f, 1.f);
      if (cover > 0.f) Blend(x, y, shader(px, py), cover * alpha);
    });
  }
  template <class Shape>
  void Paint(const Shape& shape, Rgb color, float alpha = 1.f, float soft = 1.f) {
    Paint(shape, [color](float, float) { return color; }, alpha, soft);
  }

  // Composites another canvas at (dx, dy).
  void Draw(const Canvas& src, int dx, int dy, float alpha = 1.f);

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x);
  }
  template <class F>
  void ForBox(Box b, F f) {
    const int x0 = std::max(0, static_cast<int>(std::floor(b.x0)));
    const int y0 = std::max(0, static_cast<int>(std::floor(b.y0)));
    const int x1 = std::min(m_width, static_cast<int>(std::ceil(b.x1)) + 1);
    const int y1 = std::min(m_height, static_cast<int>(std::ceil(b.y1)) + 1);
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) f(x, y, static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
  }

  int m_width;
  int m_height;
  std::vector<Pixel> m_pixels;
  std::vector<unsigned char> m_flat;
};

}  // namespace art
