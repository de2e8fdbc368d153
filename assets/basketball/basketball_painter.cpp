// SPDX-License-Identifier: GPL-3.0-or-later
#include "basketball/basketball_painter.h"

#include <algorithm>
#include <cmath>

#include "core/palette.h"
#include "core/shapes.h"
#include "games/basketball/model/basketball_geometry.h"

namespace art::bball {

using namespace basketball;

void PaintBall(Canvas& c, float cx, float cy, float r, float turn) {
  // Lit from the upper left, with a dark rim so it reads on the floor and the glass.
  c.Paint(Circle{cx, cy, r + 0.6f}, RampColor(Ramp::Orange, 0.02f));
  c.Paint(Circle{cx, cy, r}, [&](float x, float y) {
    const float d = Length(x - (cx - r * 0.4f), y - (cy - r * 0.45f)) / (r * 1.7f);
    return Mix(RampColor(Ramp::Orange, 0.85f), RampColor(Ramp::Orange, 0.15f), std::clamp(d, 0.f, 1.f));
  });
  const Rgb seam = RampColor(Ramp::Orange, 0.0f);
  const float w = std::max(0.8f, r * 0.1f);
  const float ca = std::cos(turn), sa = std::sin(turn);
  auto along = [&](float u, float v) { return std::pair{cx + u * ca - v * sa, cy + u * sa + v * ca}; };
  const auto [ax, ay] = along(-r, 0.f);
  const auto [bx, by] = along(r, 0.f);
  const auto [px, py] = along(0.f, -r);
  const auto [qx, qy] = along(0.f, r);
  const Circle inside{cx, cy, r - 0.3f};
  c.Paint(Intersect{Line(ax, ay, bx, by, w), inside}, seam);
  c.Paint(Intersect{Line(px, py, qx, qy, w), inside}, seam);
  for (float side : {-1.f, 1.f}) {
    const auto [rx, ry] = along(side * r * 1.3f, 0.f);
    c.Paint(Intersect{Ring{rx, ry, r * 0.95f - w * 0.5f, r * 0.95f + w * 0.5f}, inside}, seam);
  }
  // A soft highlight.
  c.Paint(Ellipse{cx - r * 0.38f, cy - r * 0.42f, r * 0.32f, r * 0.22f}, RampColor(Ramp::Orange, 0.97f), 0.45f, 1.5f);
}

Hoop HoopOnBoard() {
  // The ring spans the scoring window and most of each rim window.
  const float cx = (kBasketLeft + kBasketRight) * 0.5f;
  const float rx = (kRimOuterRight - kRimOuterLeft) * 0.5f - 8.5f;
  return {cx, static_cast<float>(kRimY - kBoardHome.y), rx, 4.5f};
}

void PaintRimBack(Canvas& c, const Hoop& h) {
  const Rgb dark = RampColor(Ramp::Orange, 0.2f);
  for (int i = 0; i <= 40; ++i) {
    const float a = 3.14159265f * static_cast<float>(i) / 40.f;  // the far half
    const float x = h.cx + h.rx * std::cos(a), y = h.y - h.ry * std::sin(a);
    c.Paint(Circle{x, y, 1.1f}, dark);
  }
}

void PaintRimFront(Canvas& c, const Hoop& h) {
  for (int i = 0; i <= 60; ++i) {
    const float a = 3.14159265f * static_cast<float>(i) / 60.f;  // the near half
    const float x = h.cx + h.rx * std::cos(a), y = h.y + h.ry * std::sin(a);
    const float light = 0.55f + 0.35f * std::sin(a) * (x < h.cx ? 1.f : 0.7f);
    c.Paint(Circle{x, y, 1.5f}, RampColor(Ramp::Orange, light));
  }
  // The ring's two ends, where the far and near halves meet.
  for (float side : {-1.f, 1.f}) c.Paint(Circle{h.cx + side * h.rx, h.y, 1.6f}, RampColor(Ramp::Orange, 0.45f));
}

void PaintNet(Canvas& c, const Hoop& h, float stretch, float sway, float bulge, float bulgeY) {
  const float top = h.y + 1.f;
  const float length = 34.f + 8.f * stretch;
  const float bottom = top + length;
  const float footHalf = h.rx * (0.5f - 0.12f * stretch);
  constexpr int kCords = 10;
  auto halfAt = [&](float y) {
    const float t = std::clamp((y - top) / length, 0.f, 1.f);
    float half = h.rx + (footHalf - h.rx) * t;
    const float near = std::max(0.f, 1.f - std::abs(y - bulgeY) / 9.f);
    return half + bulge * near;
  };
  auto centreAt = [&](float y) { return h.cx + sway * std::clamp((y - top) / length, 0.f, 1.f); };
  const Rgb cord = RampColor(Ramp::Grey, 0.93f);
  const Rgb shadow = RampColor(Ramp::Grey, 0.55f);
  // Diagonal cords crossing each other make the diamond mesh.
  constexpr int kRows = 5;
  for (int k = 0; k < kCords; ++k) {
    for (int row = 0; row < kRows; ++row) {
      const float y0 = top + length * static_cast<float>(row) / kRows;
      const float y1 = top + length * static_cast<float>(row + 1) / kRows;
      const float u0 = -1.f + 2.f * (static_cast<float>(k) + (row % 2 ? 0.5f : 0.f)) / (kCords - 1);
      for (float dir : {-1.f, 1.f}) {
        const float u1 = std::clamp(u0 + dir * 1.f / (kCords - 1), -1.f, 1.f);
        const float x0 = centreAt(y0) + u0 * halfAt(y0), x1 = centreAt(y1) + u1 * halfAt(y1);
        const bool back = std::abs(u0) < 0.999f && row % 2 == 1;
        c.Paint(Line(x0, y0, x1, y1, 0.9f), back ? shadow : cord, 0.95f, 0.8f);
      }
    }
  }
  // The hem at the foot of the net.
  c.Paint(Line(centreAt(bottom) - halfAt(bottom), bottom, centreAt(bottom) + halfAt(bottom), bottom, 1.1f), cord);
}

}  // namespace art::bball
