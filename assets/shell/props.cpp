// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/props.h"

#include <algorithm>
#include <cmath>

#include "core/palette.h"
#include "core/shapes.h"

namespace art {

void PaintBasketball(Canvas& c, float cx, float cy, float r) {
  c.Paint(Circle{cx, cy, r}, [&](float x, float y) {
    const float d = Length(x - (cx - r * 0.35f), y - (cy - r * 0.35f)) / (r * 1.5f);
    return Mix(RampColor(Ramp::Orange, 0.75f), RampColor(Ramp::Orange, 0.2f), std::clamp(d, 0.f, 1.f));
  });
  const Rgb seam = RampColor(Ramp::Orange, 0.05f);
  const float w = std::max(0.7f, r * 0.09f);
  c.Paint(Intersect{Line(cx - r, cy, cx + r, cy, w), Circle{cx, cy, r}}, seam);
  c.Paint(Intersect{Line(cx, cy - r, cx, cy + r, w), Circle{cx, cy, r}}, seam);
  c.Paint(Intersect{Ring{cx - r * 1.3f, cy, r * 0.95f - w * 0.5f, r * 0.95f + w * 0.5f}, Circle{cx, cy, r}}, seam);
  c.Paint(Intersect{Ring{cx + r * 1.3f, cy, r * 0.95f - w * 0.5f, r * 0.95f + w * 0.5f}, Circle{cx, cy, r}}, seam);
}

void PaintFootball(Canvas& c, float cx, float cy, float rx, float ry, float angleDeg) {
  const float a = angleDeg * 3.14159265f / 180.f, ca = std::cos(a), sa = std::sin(a);
  struct Rotated {
    float cx, cy, rx, ry, ca, sa;
    float operator()(float x, float y) const {
      const float u = (x - cx) * ca + (y - cy) * sa, v = -(x - cx) * sa + (y - cy) * ca;
      return Ellipse{0, 0, rx, ry}(u, v);
    }
    Box Bounds() const { const float m = std::max(rx, ry); return {cx - m, cy - m, cx + m, cy + m}; }
  };
  c.Paint(Rotated{cx, cy, rx, ry, ca, sa}, [&](float x, float y) {
    const float d = Length(x - (cx - rx * 0.3f), y - (cy - ry * 0.5f)) / (rx * 1.4f);
    return Mix(RampColor(Ramp::Brick, 0.75f), RampColor(Ramp::Brick, 0.2f), std::clamp(d, 0.f, 1.f));
  });
  // Laces along the long axis.
  const Rgb white = RampColor(Ramp::Grey, 0.97f);
  c.Paint(Line(cx - ca * rx * 0.4f, cy - sa * rx * 0.4f, cx + ca * rx * 0.4f, cy + sa * rx * 0.4f, 1.2f), white);
  for (int i = -2; i <= 2; ++i) {
    const float px = cx + ca * rx * 0.16f * i, py = cy + sa * rx * 0.16f * i;
    c.Paint(Line(px + sa * ry * 0.3f, py - ca * ry * 0.3f, px - sa * ry * 0.3f, py + ca * ry * 0.3f, 1.f), white);
  }
}

void PaintBowlingPin(Canvas& c, float cx, float baseY, float h) {
  const float w = h * 0.36f;  // widest
  auto body = Union{Union{Ellipse{cx, baseY - h * 0.3f, w * 0.5f, h * 0.3f}, Ellipse{cx, baseY - h * 0.82f, w * 0.3f, h * 0.17f}},
                    Line(cx, baseY - h * 0.3f, cx, baseY - h * 0.75f, w * 0.32f)};
  c.Paint(body, [&](float x, float) {
    return Mix(RampColor(Ramp::Grey, 1.f), RampColor(Ramp::Grey, 0.55f), std::clamp((x - cx + w * 0.2f) / w, 0.f, 1.f));
  });
  c.Paint(Intersect{body, RoundRect{cx - w, baseY - h * 0.7f, cx + w, baseY - h * 0.64f, 0}}, RampColor(Ramp::BoardRed, 0.45f));
  c.Paint(Intersect{body, RoundRect{cx - w, baseY - h * 0.61f, cx + w, baseY - h * 0.57f, 0}}, RampColor(Ramp::BoardRed, 0.45f));
}

void PaintBowlingBall(Canvas& c, float cx, float cy, float r, Rgb color) {
  c.Paint(Circle{cx, cy, r}, [&](float x, float y) {
    const float d = Length(x - (cx - r * 0.4f), y - (cy - r * 0.4f)) / (r * 1.6f);
    return Mix(Shade(color, 0.35f), Shade(color, -0.6f), std::clamp(d, 0.f, 1.f));
  });
  c.Paint(Circle{cx + r * 0.15f, cy - r * 0.3f, r * 0.13f}, RampColor(Ramp::Grey, 0.05f));
  c.Paint(Circle{cx + r * 0.42f, cy - r * 0.12f, r * 0.13f}, RampColor(Ramp::Grey, 0.05f));
  c.Paint(Circle{cx + r * 0.25f, cy + r * 0.2f, r * 0.15f}, RampColor(Ramp::Grey, 0.05f));
  c.Paint(Circle{cx - r * 0.42f, cy - r * 0.45f, r * 0.18f}, Rgb{255, 255, 255}, 0.5f, r * 0.2f);
}

void PaintPoolBall(Canvas& c, float cx, float cy, float r, Rgb color, bool stripe) {
  c.Paint(Circle{cx, cy, r}, [&](float x, float y) {
    const bool band = !stripe || std::abs(y - cy) < r * 0.45f;
    const Rgb base = band ? color : RampColor(Ramp::Grey, 0.97f);
    const float d = Length(x - (cx - r * 0.35f), y - (cy - r * 0.35f)) / (r * 1.7f);
    return Shade(base, 0.15f - std::clamp(d, 0.f, 1.f) * 0.6f);
  });
  c.Paint(Circle{cx - r * 0.35f, cy - r * 0.38f, r * 0.22f}, Rgb{255, 255, 255}, 0.7f, std::max(1.f, r * 0.15f));
}

void PaintTrophy(Canvas& c, float cx, float baseY, float h) {
  const Rgb gold = RampColor(Ramp::Gold, 0.65f);
  auto shade = [&](float x, float) {
    return Mix(RampColor(Ramp::Gold, 0.98f), RampColor(Ramp::Gold, 0.3f), std::clamp((x - cx + h * 0.15f) / (h * 0.4f), 0.f, 1.f));
  };
  c.Paint(RoundRect{cx - h * 0.22f, baseY - h * 0.12f, cx + h * 0.22f, baseY, 1.5f}, RampColor(Ramp::Wood, 0.3f));
  c.Paint(Line(cx, baseY - h * 0.12f, cx, baseY - h * 0.45f, h * 0.08f, h * 0.05f), shade);
  c.Paint(Ring{cx - h * 0.25f, baseY - h * 0.75f, h * 0.09f, h * 0.14f}, gold);
  c.Paint(Ring{cx + h * 0.25f, baseY - h * 0.75f, h * 0.09f, h * 0.14f}, gold);
  c.Paint(Intersect{Circle{cx, baseY - h * 0.78f, h * 0.3f}, RoundRect{cx - h, baseY - h, cx + h, baseY - h * 0.78f + h * 0.3f, 0}}, shade);
  c.Paint(Intersect{Circle{cx, baseY - h * 0.95f, h * 0.3f}, RoundRect{cx - h, baseY - h * 0.95f, cx + h, baseY - h * 0.7f, 0}}, shade);
}

}  // namespace art
