// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the people on the title screen are lit: every body part and garment is
// a signed-distance shape painted as a rounded solid, lit from the upper left
// like the props around them, with a thin dark outline.
#include <algorithm>
#include <cmath>

#include "core/canvas.h"
#include "core/palette.h"
#include "core/shapes.h"

namespace art {

struct Pt {
  float x, y;
};
inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, float k) { return {a.x * k, a.y * k}; }
inline Pt Lerp(Pt a, Pt b, float t) { return a + (b - a) * t; }
inline float Dist(Pt a, Pt b) { return Length(b.x - a.x, b.y - a.y); }
inline Pt Unit(Pt a) {
  const float l = std::max(1e-4f, Length(a.x, a.y));
  return {a.x / l, a.y / l};
}
// The direction a quarter turn clockwise on screen from `a`.
inline Pt Perp(Pt a) { return {-a.y, a.x}; }

// A colour ramp of the master palette and the stretch of it a surface uses,
// from its shadow (`dark`) to its fully lit side (`light`).
struct Material {
  Ramp ramp;
  float dark, light;
  float shine = 0.25f;  // strength of the small specular highlight
};

// A ramp colour between palette entries, so gradients dither smoothly.
Rgb RampLerp(Ramp ramp, float t);
// The colour of a surface with unit normal (nx, ny, nz), nz towards the viewer.
Rgb LitColor(const Material& m, float nx, float ny, float nz);
// The outline colour of a material: its darkest shade.
Rgb OutlineColor(const Material& m);

// A shape grown outwards by `by` pixels.
template <class S>
struct Grow {
  S s;
  float by;
  float operator()(float x, float y) const { return s(x, y) - by; }
  Box Bounds() const {
    const Box b = s.Bounds();
    return {b.x0 - by, b.y0 - by, b.x1 + by, b.y1 + by};
  }
};
template <class S> Grow(S, float) -> Grow<S>;

// Two shapes blended into one over `k` pixels, so joints read as one body.
template <class A, class B>
struct Blend {
  A a;
  B b;
  float k;
  float operator()(float x, float y) const {
    const float da = a(x, y), db = b(x, y);
    const float h = std::clamp(0.5f + 0.5f * (db - da) / k, 0.f, 1.f);
    return db + (da - db) * h - k * h * (1.f - h);
  }
  Box Bounds() const {
    const Box p = a.Bounds(), q = b.Bounds();
    return {std::min(p.x0, q.x0), std::min(p.y0, q.y0), std::max(p.x1, q.x1), std::max(p.y1, q.y1)};
  }
};
template <class A, class B> Blend(A, B, float) -> Blend<A, B>;

// The surface normal of a shape seen as a solid whose cross-section is
// rounded over `round` pixels from its edge.
template <class S>
void SolidNormal(const S& s, float x, float y, float round, float& nx, float& ny, float& nz) {
  const float e = 0.5f;
  const float gx = s(x + e, y) - s(x - e, y), gy = s(x, y + e) - s(x, y - e);
  const float gl = std::max(1e-5f, Length(gx, gy));
  const float u = std::clamp(1.f + s(x, y) / round, 0.f, 0.999f);  // 0 deep inside, 1 at the edge
  nx = gx / gl * u;
  ny = gy / gl * u;
  nz = std::sqrt(1.f - u * u);
}

// Paints the shape as a lit, rounded solid with a dark outline `outline` px wide.
template <class S>
void PaintSolid(Canvas& c, const S& s, const Material& m, float round, float outline = 0.9f) {
  if (outline > 0.f) c.Paint(Grow{s, outline}, OutlineColor(m), 0.9f);
  c.Paint(s, [&](float x, float y) {
    float nx, ny, nz;
    SolidNormal(s, x, y, round, nx, ny, nz);
    return LitColor(m, nx, ny, nz);
  });
}

// Paints `detail` (a seam, fold or stripe) over a solid `body`, lit as the body's surface.
template <class S, class D>
void PaintOnSolid(Canvas& c, const S& body, const D& detail, const Material& m, float round, float alpha = 1.f) {
  c.Paint(Intersect{detail, body}, [&](float x, float y) {
    float nx, ny, nz;
    SolidNormal(body, x, y, round, nx, ny, nz);
    return LitColor(m, nx, ny, nz);
  }, alpha);
}

}  // namespace art
