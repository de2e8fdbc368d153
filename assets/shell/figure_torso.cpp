// SPDX-License-Identifier: GPL-3.0-or-later
// The torso with its jersey or shirt, the number on it, and the top of the shorts or trousers.
#include <array>

#include "core/text.h"
#include "shell/figure_parts.h"

namespace art {
namespace {

// Half-widths in head heights along the spine, seen in profile (front and
// back of the body) and from the front; a turned body blends the two.
constexpr std::array<float, 6> kT{-0.3f, 0.f, 0.35f, 0.7f, 0.9f, 1.f};
constexpr std::array<float, 6> kProfileFront{0.36f, 0.48f, 0.42f, 0.62f, 0.56f, 0.3f};
constexpr std::array<float, 6> kProfileBack{0.4f, 0.6f, 0.42f, 0.5f, 0.5f, 0.34f};
constexpr std::array<float, 6> kFrontal{0.56f, 0.74f, 0.6f, 0.84f, 0.92f, 0.42f};

float Smooth(const std::array<float, 6>& v, float t) {
  for (std::size_t i = 1; i < kT.size(); ++i)
    if (t <= kT[i] || i + 1 == kT.size()) {
      const float u = std::clamp((t - kT[i - 1]) / (kT[i] - kT[i - 1]), 0.f, 1.f);
      return v[i - 1] + (v[i] - v[i - 1]) * u * u * (3.f - 2.f * u);
    }
  return v.back();
}

Pt Forward(const Skeleton& s) { return Perp(s.spineDir) * (s.facing > 0 ? 1.f : -1.f); }

// A polo collar standing round the neck, and the buttoned placket below it.
void PaintCollar(Canvas& c, const Skeleton& s, const Outfit& o, Pt neck) {
  const float h = s.h;
  const Pt back = neck - Forward(s) * (0.3f * h) - s.spineDir * (0.02f * h), front = neck + Forward(s) * (0.32f * h) - s.spineDir * (0.16f * h);
  PaintSolid(c, Bone(back, front, 0.2f * h, 0.14f * h), o.shirt, 0.1f * h, 0.7f);
  const Pt p0 = TorsoPoint(s, 0.93f, 0.7f), p1 = TorsoPoint(s, 0.78f, 0.78f);
  c.Paint(Line(p0.x, p0.y, p1.x, p1.y, 0.8f), OutlineColor(o.shirt), 0.7f);
  for (float t : {0.25f, 0.75f}) {
    const Pt b = Lerp(p0, p1, t);
    c.Paint(Circle{b.x, b.y, 0.7f}, RampColor(Ramp::Grey, 0.9f));
  }
}

// The jersey, dressed over the torso: a vest leaves the shoulders bare.
template <class Torso>
void PaintJersey(Canvas& c, const Skeleton& s, const Outfit& o, const Torso& torso) {
  const float h = s.h;
  const Pt neck = s.neckBase + s.spineDir * (0.1f * h) + Forward(s) * (0.1f * h);
  const auto body = Subtract{torso, Circle{neck.x, neck.y, 0.3f * h}};
  if (o.top != Top::Tank) {
    PaintSolid(c, body, o.shirt, 0.5f * h, 0.f);
    PaintOnSolid(c, torso, Intersect{Ring{neck.x, neck.y, 0.3f * h, 0.42f * h}, torso}, o.trim, 0.5f * h);
    if (o.collar) PaintCollar(c, s, o, neck);
    return;
  }
  // Arm holes: tall ovals just outside the shoulder joints.
  const float rx = 0.22f * h, ry = 0.4f * h;
  const Pt n = s.nearArm.shoulder - Forward(s) * (0.1f * h) - s.spineDir * (0.16f * h);
  const Pt f = s.farArm.shoulder + Forward(s) * (0.1f * h) - s.spineDir * (0.16f * h);
  const auto vest = Subtract{Subtract{body, Ellipse{n.x, n.y, rx, ry}}, Ellipse{f.x, f.y, rx, ry}};
  PaintSolid(c, vest, o.shirt, 0.5f * h, 0.f);
  // Trim around the neck and the arm holes.
  for (Pt p : {n, f})
    PaintOnSolid(c, torso, Intersect{Subtract{Ellipse{p.x, p.y, rx + 0.1f * h, ry + 0.1f * h}, Ellipse{p.x, p.y, rx, ry}}, vest}, o.trim, 0.5f * h);
  PaintOnSolid(c, torso, Intersect{Ring{neck.x, neck.y, 0.3f * h, 0.4f * h}, Grow{vest, 0.1f * h}}, o.trim, 0.5f * h);
}

// The jersey number, printed on the chest and shaded with it.
template <class Torso>
void PaintNumber(Canvas& c, const Skeleton& s, const Outfit& o, const Torso& torso) {
  if (o.number.empty()) return;
  const float h = s.h;
  const Pt at = TorsoPoint(s, 0.6f, o.numberSide);
  Canvas print(c.Width(), c.Height(), {}, 0.f);
  TextStyle t;
  t.size = h > 25.f ? 16 : 14;
  t.align = Align::Center;
  DrawTextShadowed(print, t, at.x, at.y - static_cast<float>(t.size) * 0.55f, o.number, {0, 0, 0}, 0.f, 0.f, 1.2f);
  const Rgb edge = OutlineColor(o.shirt);
  const Box b = torso.Bounds();
  for (int y = std::max(0, static_cast<int>(b.y0)); y < std::min(c.Height(), static_cast<int>(b.y1) + 1); ++y)
    for (int x = std::max(0, static_cast<int>(b.x0)); x < std::min(c.Width(), static_cast<int>(b.x1) + 1); ++x) {
      const Pixel& p = print.At(x, y);
      if (p.a <= 0.f || torso(x + 0.5f, y + 0.5f) > -0.5f) continue;
      float nx, ny, nz;
      SolidNormal(torso, x + 0.5f, y + 0.5f, 0.5f * h, nx, ny, nz);
      c.Blend(x, y, Mix(edge, LitColor(o.trim, nx, ny, nz), p.r / 255.f), p.a);
    }
}

}  // namespace

Pt TorsoPoint(const Skeleton& s, float t, float side) {
  const float front = Smooth(kProfileFront, t) + (Smooth(kFrontal, t) - Smooth(kProfileFront, t)) * s.turn;
  const float back = Smooth(kProfileBack, t) + (Smooth(kFrontal, t) - Smooth(kProfileBack, t)) * s.turn;
  return Lerp(s.pelvis, s.neckBase, t) + Forward(s) * (s.h * side * (side > 0 ? front : back));
}

Polygon TorsoOutline(const Skeleton& s, float t0, float t1) {
  constexpr int kSteps = 20;
  Polygon p;
  for (int i = 0; i <= kSteps; ++i) {
    const Pt q = TorsoPoint(s, t0 + (t1 - t0) * static_cast<float>(i) / kSteps, 1.f);
    p.pts.emplace_back(q.x, q.y);
  }
  for (int i = kSteps; i >= 0; --i) {
    const Pt q = TorsoPoint(s, t0 + (t1 - t0) * static_cast<float>(i) / kSteps, -1.f);
    p.pts.emplace_back(q.x, q.y);
  }
  return p;
}

void PaintTorso(Canvas& c, const Skeleton& s, const Outfit& o) {
  const float h = s.h;
  const Pt chin = s.headCentre + Pt{0.f, 0.3f * h};
  PaintSolid(c, Bone(s.neckBase - s.spineDir * (0.1f * h), chin, 0.5f * h, 0.4f * h), o.skin, 0.22f * h);
  const Polygon torso = TorsoOutline(s, -0.1f, 1.f);
  PaintSolid(c, torso, o.skin, 0.5f * h);
  PaintJersey(c, s, o, torso);
  PaintNumber(c, s, o, torso);
  // Folds: the shirt gathers above the waistband and pulls from the armpits.
  const Material fold{o.shirt.ramp, o.shirt.dark, o.shirt.dark + (o.shirt.light - o.shirt.dark) * 0.4f};
  for (float k : {-0.5f, 0.1f, 0.55f}) {
    const Pt a = TorsoPoint(s, 0.24f, k), b = TorsoPoint(s, 0.32f, k + 0.22f);
    PaintOnSolid(c, torso, Line(a.x, a.y, b.x, b.y, 1.1f, 0.5f), fold, 0.5f * h, 0.55f);
  }
  const Pt a = TorsoPoint(s, 0.78f, -0.55f), b = TorsoPoint(s, 0.5f, 0.05f);
  PaintOnSolid(c, torso, Line(a.x, a.y, b.x, b.y, 0.6f, 1.2f), fold, 0.5f * h, 0.35f);
}

void PaintHips(Canvas& c, const Skeleton& s, const Outfit& o) {
  const float h = s.h;
  const Pt waist = Lerp(s.pelvis, s.neckBase, 0.2f);
  const Polygon hips = TorsoOutline(s, o.bottomCut == Bottom::Shorts ? -0.2f : -0.3f, 0.3f);
  // The seat and the tops of both legs as one garment, so it reads as a single pair.
  const float wide = o.bottomCut == Bottom::Shorts ? 0.86f : 0.78f;
  const auto legs = Blend{Bone(s.nearLeg.hip, Lerp(s.nearLeg.hip, s.nearLeg.knee, 0.4f), wide * h, wide * 0.9f * h),
                          Bone(s.farLeg.hip, Lerp(s.farLeg.hip, s.farLeg.knee, 0.4f), wide * h, wide * 0.9f * h), 0.1f * h};
  const auto pants = Blend{Intersect{hips, HalfPlane{waist, s.spineDir}}, legs, 0.12f * h};
  PaintSolid(c, Intersect{pants, HalfPlane{waist, s.spineDir}}, o.bottom, 0.45f * h);
  // Waistband, or a belt with its buckle on trousers.
  const bool belt = o.bottomCut != Bottom::Shorts;
  const Material band = belt ? Material{Ramp::Grey, 0.02f, 0.3f, 0.6f} : o.bottom;
  PaintOnSolid(c, hips, Intersect{HalfPlane{waist, s.spineDir}, HalfPlane{waist - s.spineDir * (0.14f * h), s.spineDir * -1.f}}, band, 0.5f * h);
  if (belt) {
    const Pt buckle = TorsoPoint(s, 0.17f, 0.85f - 0.8f * s.turn);
    c.Paint(RoundRect{buckle.x - 0.08f * h, buckle.y - 0.07f * h, buckle.x + 0.08f * h, buckle.y + 0.07f * h, 0.5f}, RampColor(Ramp::Gold, 0.8f));
  } else {
    const Pt l = Lerp(waist, TorsoPoint(s, 0.2f, -1.f), 1.f) - s.spineDir * (0.07f * h), r = TorsoPoint(s, 0.2f, 1.f) - s.spineDir * (0.07f * h);
    PaintOnSolid(c, hips, Line(l.x, l.y, r.x, r.y, 0.05f * h), o.trim, 0.5f * h);
  }
}

}  // namespace art
