// SPDX-License-Identifier: GPL-3.0-or-later
#include "football/football_painter.h"

#include <cmath>

#include "core/palette.h"
#include "core/shapes.h"

namespace art {

namespace {

constexpr float kDegToRad = 0.017453292519444445f;
const Rgb kLeather = Hex(0x7A3A1A);
const Rgb kLeatherLight = Hex(0xC0703A);
const Rgb kLeatherDark = Hex(0x3A1808);
const Rgb kWhite{245, 242, 232};

// The ball's outline: a lens with pointed tips, in the ball's own frame
// (u along the long axis, v across it).
struct Lens {
  float a, b;  // half length, half width
  float operator()(float u, float v) const {
    const float c = (a * a - b * b) / (2.f * b);
    const float r = c + b;
    return std::max(Length(u, v - c) - r, Length(u, v + c) - r);
  }
};

struct Frame {
  float cx, cy, cosA, sinA;
  // Playfield-style y down: the angle turns counter-clockwise on screen.
  void ToLocal(float x, float y, float& u, float& v) const {
    const float dx = x - cx, dy = y - cy;
    u = dx * cosA - dy * sinA;
    v = dx * sinA + dy * cosA;
  }
};

}  // namespace

void PaintFootball(Canvas& c, const FootballPose& p) {
  const float a = p.length * 0.5f, b = p.width * 0.5f;
  const Frame f{p.cx, p.cy, std::cos(p.angleDeg * kDegToRad), std::sin(p.angleDeg * kDegToRad)};
  const Lens lens{a, b};
  const float reach = a + 2.f;
  const Box box{p.cx - reach, p.cy - reach, p.cx + reach, p.cy + reach};
  for (int y = static_cast<int>(box.y0); y <= static_cast<int>(box.y1); ++y)
    for (int x = static_cast<int>(box.x0); x <= static_cast<int>(box.x1); ++x) {
      float u = 0, v = 0;
      f.ToLocal(x + 0.5f, y + 0.5f, u, v);
      const float d = lens(u, v);
      const float cover = std::clamp(0.5f - d, 0.f, 1.f);
      if (cover <= 0.f) continue;
      // Round shading: lit from the upper left of the screen.
      const float nx = (x + 0.5f - p.cx) / reach, ny = (y + 0.5f - p.cy) / reach;
      const float light = std::clamp(0.55f - 0.9f * (nx + ny) * 0.5f - 0.35f * (nx * nx + ny * ny), 0.f, 1.f);
      Rgb col = Mix(kLeatherDark, Mix(kLeather, kLeatherLight, light), std::clamp(0.4f + light, 0.f, 1.f));
      // The rim darkens where the surface turns away.
      col = Shade(col, -0.45f * std::clamp(1.f + d / (b * 0.55f), 0.f, 1.f));
      // White stripes around the ball near both tips.
      const float su = std::abs(u) / a;
      if (su > 0.56f && su < 0.66f) col = Mix(col, Shade(kWhite, -0.35f * (1.f - light)), 0.9f);
      // Laces along the top seam, where the spin has turned them.
      const float laceV = p.lacePhase * b * 0.6f;
      const float seamFacing = 1.f - std::abs(p.lacePhase) * 0.5f;
      if (std::abs(u) < a * 0.32f) {
        if (std::abs(v - laceV) < 0.9f) col = Mix(col, kWhite, 0.85f * seamFacing);
        const float stitch = std::fmod(std::abs(u) + 100.f, 3.4f);
        if (stitch < 1.2f && std::abs(v - laceV) < 2.6f) col = Mix(col, kWhite, 0.95f * seamFacing);
      }
      c.Blend(x, y, col, cover);
    }
  // A soft highlight on the lit side.
  c.Paint(Circle{p.cx - a * 0.25f * (f.cosA + f.sinA * 0.3f), p.cy - b * 0.5f, b * 0.35f}, kWhite, 0.18f, 3.f);
}

void PaintSpeedLines(Canvas& c, float cx, float cy, float dx, float dy, float reach, float alpha) {
  const float len = Length(dx, dy);
  if (len <= 0) return;
  const float ux = dx / len, uy = dy / len;
  for (int i = -1; i <= 1; ++i) {
    const float ox = -uy * 4.f * i, oy = ux * 4.f * i;
    const float start = 4.f + 2.f * std::abs(i);
    c.Paint(Line(cx - ux * start + ox, cy - uy * start + oy, cx - ux * reach + ox, cy - uy * reach + oy, 1.6f, 0.4f),
            Rgb{255, 255, 255}, alpha * (i == 0 ? 1.f : 0.7f));
  }
}

}  // namespace art
