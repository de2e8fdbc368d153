// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shapes as signed distance functions (negative inside, in pixels) with their
// bounding boxes; Canvas::Paint anti-aliases their edges.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "core/canvas.h"

namespace art {

inline float Length(float x, float y) { return std::sqrt(x * x + y * y); }

struct Circle {
  float cx, cy, r;
  float operator()(float x, float y) const { return Length(x - cx, y - cy) - r; }
  Box Bounds() const { return {cx - r, cy - r, cx + r, cy + r}; }
};

struct Ring {
  float cx, cy, r0, r1;
  float operator()(float x, float y) const {
    const float d = Length(x - cx, y - cy);
    return std::max(r0 - d, d - r1);
  }
  Box Bounds() const { return {cx - r1, cy - r1, cx + r1, cy + r1}; }
};

// An axis-aligned ellipse; the distance is approximate but smooth enough for edges.
struct Ellipse {
  float cx, cy, rx, ry;
  float operator()(float x, float y) const {
    const float nx = (x - cx) / rx, ny = (y - cy) / ry;
    const float k = Length(nx, ny);
    if (k < 1e-6f) return -std::min(rx, ry);
    const float gx = nx / rx, gy = ny / ry;  // gradient of k, scaled
    return (k - 1.f) * k / std::max(1e-6f, Length(gx, gy));
  }
  Box Bounds() const { return {cx - rx, cy - ry, cx + rx, cy + ry}; }
};

// A rectangle with rounded corners of radius `radius`.
struct RoundRect {
  float x0, y0, x1, y1, radius = 0.f;
  float operator()(float x, float y) const {
    const float hx = (x1 - x0) * 0.5f, hy = (y1 - y0) * 0.5f;
    const float qx = std::abs(x - (x0 + hx)) - hx + radius;
    const float qy = std::abs(y - (y0 + hy)) - hy + radius;
    return Length(std::max(qx, 0.f), std::max(qy, 0.f)) + std::min(std::max(qx, qy), 0.f) - radius;
  }
  Box Bounds() const { return {x0, y0, x1, y1}; }
};

// A thick line with round caps (a capsule), optionally tapering from w0 to w1.
struct Line {
  float xa, ya, xb, yb, w0, w1;
  Line(float xa_, float ya_, float xb_, float yb_, float width, float widthEnd = -1.f)
      : xa(xa_), ya(ya_), xb(xb_), yb(yb_), w0(width * 0.5f), w1((widthEnd < 0 ? width : widthEnd) * 0.5f) {}
  float operator()(float x, float y) const {
    const float dx = xb - xa, dy = yb - ya;
    const float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? ((x - xa) * dx + (y - ya) * dy) / len2 : 0.f;
    t = std::clamp(t, 0.f, 1.f);
    return Length(x - (xa + t * dx), y - (ya + t * dy)) - (w0 + (w1 - w0) * t);
  }
  Box Bounds() const {
    const float w = std::max(w0, w1);
    return {std::min(xa, xb) - w, std::min(ya, yb) - w, std::max(xa, xb) + w, std::max(ya, yb) + w};
  }
};

// A closed polygon filled with the even-odd rule.
struct Polygon {
  std::vector<std::pair<float, float>> pts;
  float operator()(float x, float y) const {
    float best = 1e30f;
    bool inside = false;
    const std::size_t n = pts.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
      const auto [xi, yi] = pts[i];
      const auto [xj, yj] = pts[j];
      const float ex = xj - xi, ey = yj - yi;
      const float len2 = ex * ex + ey * ey;
      const float t = len2 > 0 ? std::clamp(((x - xi) * ex + (y - yi) * ey) / len2, 0.f, 1.f) : 0.f;
      best = std::min(best, Length(x - (xi + t * ex), y - (yi + t * ey)));
      if (((yi > y) != (yj > y)) && (x < (xj - xi) * (y - yi) / (yj - yi) + xi)) inside = !inside;
    }
    return inside ? -best : best;
  }
  Box Bounds() const {
    Box b{1e30f, 1e30f, -1e30f, -1e30f};
    for (const auto& [px, py] : pts) b = {std::min(b.x0, px), std::min(b.y0, py), std::max(b.x1, px), std::max(b.y1, py)};
    return b;
  }
};

// Shapes combined: inside either, inside both, or inside a but not b.
template <class A, class B>
struct Union {
  A a;
  B b;
  float operator()(float x, float y) const { return std::min(a(x, y), b(x, y)); }
  Box Bounds() const {
    const Box p = a.Bounds(), q = b.Bounds();
    return {std::min(p.x0, q.x0), std::min(p.y0, q.y0), std::max(p.x1, q.x1), std::max(p.y1, q.y1)};
  }
};
template <class A, class B>
struct Subtract {
  A a;
  B b;
  float operator()(float x, float y) const { return std::max(a(x, y), -b(x, y)); }
  Box Bounds() const { return a.Bounds(); }
};
template <class A, class B>
struct Intersect {
  A a;
  B b;
  float operator()(float x, float y) const { return std::max(a(x, y), b(x, y)); }
  Box Bounds() const {
    const Box p = a.Bounds(), q = b.Bounds();
    return {std::max(p.x0, q.x0), std::max(p.y0, q.y0), std::min(p.x1, q.x1), std::min(p.y1, q.y1)};
  }
};
template <class A, class B> Union(A, B) -> Union<A, B>;
template <class A, class B> Subtract(A, B) -> Subtract<A, B>;
template <class A, class B> Intersect(A, B) -> Intersect<A, B>;

// Shading helpers: a vertical or radial blend between two colours.
inline auto VerticalGradient(float y0, float y1, Rgb top, Rgb bottom) {
  return [=](float, float y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.f, 1.f)); };
}
inline auto HorizontalGradient(float x0, float x1, Rgb left, Rgb right) {
  return [=](float x, float) { return Mix(left, right, std::clamp((x - x0) / (x1 - x0), 0.f, 1.f)); };
}
// A sphere-like shading: light from the upper left, highlight at `lx, ly`.
inline auto RadialGradient(float cx, float cy, float r, Rgb inner, Rgb outer) {
  return [=](float x, float y) { return Mix(inner, outer, std::clamp(Length(x - cx, y - cy) / r, 0.f, 1.f)); };
}

}  // namespace art
