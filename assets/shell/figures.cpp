#include "shell/figures.h"

#include <cmath>

#include "core/palette.h"
#include "core/shapes.h"

namespace art {
namespace {

void Limb(Canvas& c, Pt a, Pt b, float w0, float w1, Rgb color) {
  c.Paint(Line(a.x, a.y, b.x, b.y, w0, w1), [&](float x, float y) {
    // Light from the upper left: the limb's left side is brighter.
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float len = std::max(1e-3f, Length(dx, dy));
    const float side = ((x - a.x) * (-dy) + (y - a.y) * dx) / len / std::max(1.f, w0 * 0.5f);
    return Shade(color, std::clamp(side * 0.15f, -0.2f, 0.15f));
  });
}

void Arm(Canvas& c, const Figure& f, Pt shoulder, Pt elbow, Pt hand) {
  const float g = f.girth;
  Limb(c, shoulder, elbow, 7.5f * g, 6.5f * g, f.longSleeves ? f.shirt : f.skin);
  if (!f.longSleeves) {
    // Short sleeve over the upper arm.
    const Pt mid{shoulder.x + (elbow.x - shoulder.x) * 0.45f, shoulder.y + (elbow.y - shoulder.y) * 0.45f};
    Limb(c, shoulder, mid, 8.5f * g, 8.f * g, f.shirt);
  }
  Limb(c, elbow, hand, 6.f * g, 5.f * g, f.longSleeves ? f.shirt : f.skin);
  c.Paint(Circle{hand.x, hand.y, 3.3f * g}, f.skin);
}

void Leg(Canvas& c, const Figure& f, Pt hip, Pt knee, Pt foot) {
  const float g = f.girth;
  const Rgb lower = f.longTrousers ? f.shorts : f.skin;
  Limb(c, hip, knee, 10.f * g, 8.f * g, f.longTrousers ? f.shorts : f.skin);
  Limb(c, knee, foot, 8.f * g, 6.f * g, lower);
  if (!f.longTrousers) {
    const Pt mid{hip.x + (knee.x - hip.x) * 0.5f, hip.y + (knee.y - hip.y) * 0.5f};
    Limb(c, hip, mid, 12.f * g, 11.f * g, f.shorts);
    // White socks.
    const Pt sock{knee.x + (foot.x - knee.x) * 0.55f, knee.y + (foot.y - knee.y) * 0.55f};
    Limb(c, sock, foot, 6.8f * g, 6.2f * g, RampColor(Ramp::Grey, 0.95f));
  }
  c.Paint(Ellipse{foot.x + 3.f * g, foot.y + 1.f, 6.5f * g, 3.5f * g}, f.shoes);
}

}  // namespace

void PaintFigure(Canvas& c, const Figure& f) {
  const float g = f.girth;
  Arm(c, f, f.backShoulder, f.backElbow, f.backHand);
  Leg(c, f, {f.hip.x - 3.f * g, f.hip.y}, f.backKnee, f.backFoot);
  // Torso: a tapered shape from the shoulders to the hips.
  const Pt sMid{(f.backShoulder.x + f.frontShoulder.x) * 0.5f, (f.backShoulder.y + f.frontShoulder.y) * 0.5f};
  c.Paint(Line(sMid.x, sMid.y + 3.f * g, f.hip.x, f.hip.y - 2.f * g, 20.f * g, 16.f * g), [&](float x, float) {
    return Shade(f.shirt, std::clamp((sMid.x - x) / (12.f * g), -1.f, 1.f) * 0.12f);
  });
  c.Paint(Line(f.hip.x - 1.f, f.hip.y - 3.f * g, f.hip.x, f.hip.y + 4.f * g, 18.f * g, 17.f * g), f.shorts);
  Leg(c, f, {f.hip.x + 3.f * g, f.hip.y}, f.frontKnee, f.frontFoot);
  Limb(c, f.neck, {f.head.x, f.head.y + f.headR * 0.6f}, 6.f * g, 6.f * g, f.skin);
  // Head with hair or helmet.
  c.Paint(Circle{f.head.x, f.head.y, f.headR}, [&](float x, float y) {
    return Shade(f.skin, std::clamp(((f.head.x - x) + (f.head.y - y)) / (3.f * f.headR), -0.2f, 0.2f));
  });
  if (f.helmet) {
    c.Paint(Intersect{Circle{f.head.x - 1.f, f.head.y - 1.f, f.headR + 2.f}, RoundRect{f.head.x - 20, f.head.y - 20, f.head.x + f.headR * 0.55f, f.head.y + f.headR * 0.55f, 0}},
            [&](float x, float y) {
              return Shade(f.helmetColor, std::clamp(((f.head.x - x) + (f.head.y - y)) / (2.f * f.headR), -0.3f, 0.35f));
            });
    c.Paint(Line(f.head.x + f.headR * 0.4f, f.head.y - 1.f, f.head.x + f.headR * 1.05f, f.head.y + f.headR * 0.5f, 1.6f),
            RampColor(Ramp::Grey, 0.85f));
    c.Paint(Line(f.head.x + f.headR * 0.3f, f.head.y + f.headR * 0.55f, f.head.x + f.headR * 1.05f, f.head.y + f.headR * 0.5f, 1.6f),
            RampColor(Ramp::Grey, 0.85f));
  } else {
    c.Paint(Intersect{Circle{f.head.x - 0.5f, f.head.y - 1.5f, f.headR + 0.8f}, RoundRect{f.head.x - 20, f.head.y - 20, f.head.x + 20, f.head.y - f.headR * 0.25f, 0}},
            f.hair);
    c.Paint(Circle{f.head.x + f.headR * 0.45f, f.head.y + 0.5f, 1.1f}, RampColor(Ramp::Grey, 0.05f));
  }
  Arm(c, f, f.frontShoulder, f.frontElbow, f.frontHand);
}

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
