// SPDX-License-Identifier: GPL-3.0-or-later
// The head: skull and jaw, ear, nose, eye and mouth, with hair or a helmet.
#include "shell/figure_parts.h"

namespace art {
namespace {

// A point on the head, `fwd` head heights the way the person faces and `down` below the centre.
struct HeadFrame {
  Pt c;
  float h, f, depth;  // depth < 1 when the face turns towards the viewer
  Pt At(float fwd, float down) const { return {c.x + fwd * h * f * (fwd > 0 ? depth : 1.f), c.y + down * h}; }
};

// The ear, with its inner fold; it sits over short hair.
void PaintEar(Canvas& c, const HeadFrame& k, const Outfit& o) {
  const float h = k.h;
  const Pt ear = k.At(-0.08f, 0.04f);
  PaintSolid(c, Ellipse{ear.x, ear.y, 0.09f * h, 0.13f * h}, o.skin, 0.08f * h, 0.7f);
  c.Paint(Ellipse{ear.x + 0.015f * h * k.f, ear.y + 0.01f * h, 0.035f * h, 0.07f * h}, RampColor(o.skin.ramp, o.skin.dark + 0.1f), 0.7f);
}

void PaintFace(Canvas& c, const HeadFrame& k, const Outfit& o) {
  const float h = k.h;
  const Rgb dark = RampColor(o.skin.ramp, 0.f), line = RampColor(o.skin.ramp, o.skin.dark + 0.1f);
  // Nose.
  const Pt n0 = k.At(0.4f, -0.04f), n1 = k.At(0.5f, 0.12f);
  PaintSolid(c, Line(n0.x, n0.y, n1.x, n1.y, 0.12f * h, 0.14f * h), o.skin, 0.06f * h, 0.6f);
  // Brow, eye with its glint, and mouth.
  const Pt eye = k.At(0.29f, 0.0f), brow0 = k.At(0.2f, -0.12f), brow1 = k.At(0.4f, -0.11f);
  c.Paint(Line(brow0.x, brow0.y, brow1.x, brow1.y, 0.08f * h, 0.05f * h), RampLerp(o.hair.ramp, o.hair.dark + 0.05f));
  c.Paint(Ellipse{eye.x, eye.y, 0.06f * h, 0.05f * h}, dark);
  c.Paint(Circle{eye.x + 0.01f * h * k.f, eye.y - 0.015f * h, 0.018f * h}, Rgb{255, 255, 255}, 0.7f);
  const Pt m0 = k.At(0.27f, 0.27f), m1 = k.At(0.39f, 0.25f);
  c.Paint(Line(m0.x, m0.y, m1.x, m1.y, 0.05f * h), line, 0.8f);
}

void PaintHair(Canvas& c, const HeadFrame& k, const Outfit& o, const Ellipse& skull) {
  const float h = k.h;
  // The hairline runs from the forehead to behind the ear.
  const Pt fore = k.At(0.34f, -0.3f), nape = k.At(-0.3f, 0.24f);
  Pt n = Unit(Perp(nape - fore));
  if (n.y > 0) n = n * -1.f;
  // The hairline steps back at the temple, in front of the ear.
  const Pt temple = k.At(0.22f, 0.02f);
  const auto hair = Subtract{Intersect{Grow{skull, o.hairVolume * h}, HalfPlane{fore, n * -1.f}}, Ellipse{temple.x, temple.y, 0.13f * h, 0.17f * h}};
  PaintSolid(c, hair, o.hair, 0.2f * h, 0.7f);
  // Strands catch the light along the crown.
  for (float a : {-0.15f, 0.05f, 0.25f}) {
    const Pt p0 = k.At(a - 0.15f, -0.35f), p1 = k.At(a + 0.12f, -0.42f);
    c.Paint(Intersect{Line(p0.x, p0.y, p1.x, p1.y, 0.05f * h), hair}, RampLerp(o.hair.ramp, o.hair.light + 0.15f), 0.45f);
  }
  // A swept fringe over the forehead on longer hair.
  if (o.hairVolume > 0.06f) {
    const Pt f0 = k.At(0.0f, -0.4f), f1 = k.At(0.4f, -0.2f);
    PaintSolid(c, Bone(f0, f1, 0.26f * h, 0.1f * h), o.hair, 0.1f * h, 0.6f);
  }
  const Pt burn = k.At(0.02f, 0.02f);
  c.Paint(Intersect{Line(burn.x, burn.y - 0.1f * h, burn.x, burn.y + 0.05f * h, 0.08f * h), Grow{skull, 0.f}},
          RampLerp(o.hair.ramp, o.hair.dark + 0.05f), 0.8f);
}

void PaintHelmet(Canvas& c, const HeadFrame& k, const Outfit& o) {
  const float h = k.h;
  const Pt centre = k.At(-0.04f, -0.1f);
  const Ellipse dome{centre.x, centre.y, 0.58f * h, 0.54f * h};
  // The shell is open round the face, from the brow down past the cheek.
  const Pt face = k.At(0.5f, 0.3f);
  const auto shell = Subtract{dome, Ellipse{face.x, face.y, 0.36f * h, 0.44f * h}};
  PaintSolid(c, shell, o.helmetShell, 0.3f * h);
  // A stripe over the crown, from the brow to the back of the neck, and the ear hole.
  PaintOnSolid(c, shell, Intersect{Ring{centre.x, centre.y + 0.04f * h, 0.36f * h, 0.46f * h}, HalfPlane{centre, {0.f, 1.f}}}, o.shirt, 0.3f * h);
  const Pt hole = k.At(-0.1f, 0.06f);
  c.Paint(Circle{hole.x, hole.y, 0.05f * h}, RampColor(o.helmetShell.ramp, 0.15f), 0.8f);
  // Face mask: grey bars in front of the face, and the chin strap.
  const Material mask{Ramp::Grey, 0.3f, 0.95f, 0.5f};
  const Pt side = k.At(0.18f, 0.1f), top = k.At(0.62f, 0.02f), low = k.At(0.56f, 0.42f), chin = k.At(0.3f, 0.48f);
  for (const auto& [a, b] : {std::pair{side, top}, std::pair{top, low}, std::pair{k.At(0.12f, 0.3f), k.At(0.6f, 0.24f)}, std::pair{low, chin}})
    PaintSolid(c, Line(a.x, a.y, b.x, b.y, 0.07f * h), mask, 0.04f * h, 0.5f);
  const Pt strap = k.At(0.0f, 0.3f);
  c.Paint(Line(strap.x, strap.y, chin.x, chin.y, 0.06f * h), RampColor(Ramp::Grey, 0.9f), 0.8f);
}

}  // namespace

void PaintHead(Canvas& c, const Skeleton& s, const Outfit& o) {
  const HeadFrame k{s.headCentre, s.h, s.facing, 1.f - 0.35f * s.turn};
  const float h = s.h;
  // Skull and jaw as one rounded mass.
  const Pt skullC = k.At(-0.03f, -0.07f);
  const Ellipse skull{skullC.x, skullC.y, 0.43f * h, 0.43f * h};
  const Pt j0 = k.At(-0.04f, 0.1f), j1 = k.At(0.27f, 0.38f);
  const Pt f0 = k.At(0.28f, -0.25f), f1 = k.At(0.33f, 0.22f);
  const auto head = Blend{Blend{skull, Bone(j0, j1, 0.56f * h, 0.3f * h), 0.1f * h}, Bone(f0, f1, 0.3f * h, 0.28f * h), 0.08f * h};
  PaintSolid(c, head, o.skin, 0.3f * h, 1.1f);
  PaintFace(c, k, o);
  if (o.helmet) {
    PaintHelmet(c, k, o);
  } else {
    PaintHair(c, k, o, skull);
    PaintEar(c, k, o);
  }
}

}  // namespace art
