// SPDX-License-Identifier: GPL-3.0-or-later
// Arms, hands, legs and shoes: tapering limbs with real thickness.
#include "shell/figure_parts.h"

namespace art {
namespace {

void PaintHand(Canvas& c, const Skeleton& s, const ArmJoints& arm, const Outfit& o, Grip grip) {
  const float h = s.h;
  const Pt dir = Unit(arm.handTip - arm.wrist);
  const Pt side = Perp(dir) * -s.facing;  // the thumb side
  const float reach = grip == Grip::Hold ? 0.5f : 0.64f;
  const Pt knuckle = arm.wrist + dir * (0.36f * h), tip = arm.wrist + dir * (reach * h);
  auto palm = Bone(arm.wrist + dir * (0.06f * h), knuckle, 0.26f * h, 0.32f * h);
  auto fingers = Bone(knuckle, tip, 0.28f * h, grip == Grip::Point ? 0.14f * h : 0.22f * h);
  // The thumb wraps round what the hand holds, stands off a pointing hand, and
  // lies along an open hand seen from the back.
  const float spread = grip == Grip::Hold ? 0.1f : (grip == Grip::Point ? 0.2f : 0.06f);
  const Pt thumbTip = knuckle + side * (spread * h) - dir * (0.02f * h);
  auto thumb = Bone(arm.wrist + dir * (0.12f * h) + side * (0.08f * h), thumbTip, 0.14f * h, 0.1f * h);
  const auto hand = Blend{Blend{palm, fingers, 0.06f * h}, thumb, 0.04f * h};
  PaintSolid(c, hand, o.skin, 0.16f * h);
  // The creases between the fingers.
  const Rgb crease = RampColor(o.skin.ramp, o.skin.dark + 0.15f);
  for (float k : {-0.3f, 0.f, 0.3f}) {
    const Pt a = knuckle + dir * (0.04f * h) + side * (k * 0.24f * h), b = tip - dir * (0.03f * h) + side * (k * 0.17f * h);
    c.Paint(Intersect{Line(a.x, a.y, b.x, b.y, 0.6f), fingers}, crease, 0.45f);
  }
}

// A long sleeve rolled up to the middle of the forearm, creased at the elbow.
void PaintRolledSleeve(Canvas& c, const ArmJoints& arm, const Outfit& o, float h) {
  const Pt cuff = Lerp(arm.elbow, arm.wrist, 0.42f), along = Unit(arm.wrist - arm.elbow);
  auto sleeve = Blend{Blend{Circle{arm.shoulder.x, arm.shoulder.y, 0.28f * h}, Bone(arm.shoulder, arm.elbow, 0.54f * h, 0.44f * h), 0.1f * h},
                      Bone(arm.elbow, cuff, 0.44f * h, 0.46f * h), 0.06f * h};
  PaintSolid(c, sleeve, o.shirt, 0.25f * h);
  const Pt r0 = cuff - along * (0.16f * h);
  PaintSolid(c, Bone(r0, cuff, 0.5f * h, 0.5f * h), o.shirt, 0.12f * h, 0.7f);
  const Pt across = Perp(along);
  for (float k : {-0.12f, 0.1f}) {
    const Pt a = arm.elbow + along * (k * h) + across * (0.2f * h), b = arm.elbow + along * ((k + 0.06f) * h) - across * (0.12f * h);
    c.Paint(Intersect{Line(a.x, a.y, b.x, b.y, 0.9f), sleeve}, RampColor(o.shirt.ramp, o.shirt.dark), 0.5f);
  }
}

}  // namespace

void PaintArm(Canvas& c, const Skeleton& s, const ArmJoints& arm, const Outfit& o, Grip grip) {
  const float h = s.h;
  const bool padded = o.top == Top::Padded;
  // Deltoid, upper arm, and a forearm that swells below the elbow and slims to the wrist.
  const Pt swell = Lerp(arm.elbow, arm.wrist, 0.3f);
  auto delt = Circle{Lerp(arm.shoulder, arm.elbow, 0.12f).x, Lerp(arm.shoulder, arm.elbow, 0.12f).y, 0.3f * h};
  auto upper = Bone(arm.shoulder, arm.elbow, 0.52f * h, 0.35f * h);
  auto fore = Blend{Bone(arm.elbow, swell, 0.34f * h, 0.4f * h), Bone(swell, arm.wrist, 0.4f * h, 0.24f * h), 0.05f * h};
  const auto limb = Blend{Blend{delt, upper, 0.1f * h}, fore, 0.08f * h};
  PaintSolid(c, limb, o.skin, 0.2f * h);
  PaintHand(c, s, arm, o, grip);
  if (o.top == Top::Rolled) PaintRolledSleeve(c, arm, o, h);
  if (o.top == Top::Tank || o.top == Top::Rolled) return;
  // A short sleeve: a loose tube over the shoulder with a hem, and a crease where it bunches.
  const Pt end = Lerp(arm.shoulder, arm.elbow, padded ? 0.55f : 0.5f);
  auto sleeve = Blend{Circle{arm.shoulder.x, arm.shoulder.y, (padded ? 0.42f : 0.28f) * h},
                      Bone(arm.shoulder, end, (padded ? 0.58f : 0.5f) * h, (padded ? 0.6f : 0.46f) * h), 0.1f * h};
  PaintSolid(c, sleeve, o.shirt, 0.25f * h);
  const Pt across = Perp(Unit(arm.elbow - arm.shoulder));
  const Pt h0 = end + across * (0.3f * h) - Unit(arm.elbow - arm.shoulder) * (0.05f * h), h1 = end - across * (0.3f * h);
  PaintOnSolid(c, sleeve, Line(h0.x, h0.y, h1.x, h1.y, 0.14f * h), o.trim, 0.25f * h);
  const Pt f0 = Lerp(arm.shoulder, end, 0.55f) + across * (0.05f * h), f1 = Lerp(arm.shoulder, end, 0.85f) - across * (0.18f * h);
  c.Paint(Intersect{Line(f0.x, f0.y, f1.x, f1.y, 0.9f), sleeve}, RampColor(o.shirt.ramp, o.shirt.dark), 0.4f);
}


namespace {

void PaintTrousers(Canvas& c, const LegJoints& g, const Outfit& o, float h, Pt shin, Pt back) {
  auto legging = Blend{Bone(g.hip, g.knee, 0.8f * h, 0.52f * h), Bone(g.knee, g.ankle + shin * (0.1f * h), 0.52f * h, 0.46f * h), 0.1f * h};
  PaintSolid(c, legging, o.bottom, 0.26f * h);
  // Creases behind the knee and where the trousers break over the shoe.
  const Rgb fold = RampColor(o.bottom.ramp, o.bottom.dark);
  for (float k : {-0.12f, 0.1f}) {
    const Pt a = g.knee + shin * (k * h) + back * (0.24f * h), b = g.knee + shin * ((k + 0.08f) * h) - back * (0.02f * h);
    c.Paint(Intersect{Line(a.x, a.y, b.x, b.y, 1.f), legging}, fold, 0.5f);
  }
  const Pt a = g.ankle - shin * (0.3f * h) + back * (0.24f * h), b = g.ankle - shin * (0.2f * h) - back * (0.15f * h);
  c.Paint(Intersect{Line(a.x, a.y, b.x, b.y, 1.f), legging}, fold, 0.45f);
}

// Shorts or knee pants over the thigh, with a hem and a side stripe.
void PaintShortsLeg(Canvas& c, const LegJoints& g, const Outfit& o, float h, Pt shin, float facing) {
  const bool knee = o.bottomCut == Bottom::KneePants;
  const Pt end = knee ? g.knee + shin * (0.14f * h) : Lerp(g.hip, g.knee, 0.8f);
  const Pt thigh = Unit(end - g.hip), across = Perp(thigh) * facing;  // across points to the front
  // A loose leg: a tapered quad that flares towards the hem, rounded only a little.
  const float r = 0.18f * h, w0 = (knee ? 0.44f : 0.4f) * h - r, w1 = (knee ? 0.27f : 0.46f) * h - r;
  const Pt top = g.hip - thigh * ((knee ? 0.16f : 0.12f) * h);
  const Polygon leg{{{(top + across * w0).x, (top + across * w0).y}, {(end + across * w1).x, (end + across * w1).y},
                     {(end - across * w1).x, (end - across * w1).y}, {(top - across * w0).x, (top - across * w0).y}}};
  const auto rounded = Grow{leg, r};
  PaintSolid(c, rounded, o.bottom, 0.3f * h);
  const Pt a = end + across * (w1 + r) - thigh * (0.02f * h), b = end - across * (w1 + r) - thigh * (0.02f * h);
  PaintOnSolid(c, rounded, Line(a.x, a.y, b.x, b.y, (knee ? 0.06f : 0.1f) * h), o.trim, 0.3f * h);
  // The side seam, towards the back of the leg.
  const Pt s0 = top - across * (w0 * 0.55f) + thigh * (0.15f * h), s1 = end - across * (w1 * 0.55f) - thigh * (0.15f * h);
  PaintOnSolid(c, rounded, Line(s0.x, s0.y, s1.x, s1.y, 0.08f * h), o.trim, 0.3f * h, 0.9f);
  // A crease across the thigh where the leg bends.
  const Pt c0 = Lerp(top, end, 0.5f) + across * (w0 * 0.9f), c1 = Lerp(top, end, 0.62f) + across * (w0 * 0.2f);
  c.Paint(Intersect{Line(c0.x, c0.y, c1.x, c1.y, 0.9f), rounded}, RampColor(o.bottom.ramp, o.bottom.dark), 0.4f);
}

void PaintShoe(Canvas& c, const Skeleton& s, const LegJoints& g, const Outfit& o) {
  const float h = s.h;
  const Pt along = Unit(g.toe - g.heel), up = Perp(along) * s.facing;
  const bool high = o.shoes == Shoe::HighTop;
  const Pt toeUp = Perp(Unit(g.toe - g.ball)) * s.facing;
  auto sole = Blend{Bone(g.heel + up * (0.17f * h), g.ball + up * (0.15f * h), 0.36f * h, 0.3f * h),
                    Bone(g.ball + up * (0.15f * h), g.toe + toeUp * (0.12f * h), 0.3f * h, 0.24f * h), 0.06f * h};
  auto foot = Blend{sole,
                    Bone(g.ankle + up * ((high ? 0.22f : 0.0f) * h), g.heel + up * (0.2f * h) + along * (0.08f * h), 0.4f * h, 0.34f * h),
                    0.1f * h};
  PaintSolid(c, foot, o.shoe, 0.16f * h);
  // The sole, and the maker's stripes along the side.
  PaintOnSolid(c, Grow{foot, 0.5f}, HalfPlane{g.heel + up * (0.08f * h), up}, o.sole, 0.1f * h);
  PaintOnSolid(c, Grow{foot, 0.5f}, HalfPlane{g.ball + toeUp * (0.08f * h), toeUp}, o.sole, 0.1f * h);
  if (o.shoes == Shoe::Cleat) {
    for (float k : {0.25f, 0.42f, 0.59f}) {
      const Pt a = Lerp(g.heel, g.toe, k) + up * (0.12f * h), b = a + up * (0.24f * h) - along * (0.1f * h);
      PaintOnSolid(c, foot, Line(a.x, a.y, b.x, b.y, 0.08f * h), o.shoeTrim, 0.16f * h);
    }
  } else if (high) {
    const Pt a = g.toe + up * (0.2f * h) - along * (0.3f * h), b = Lerp(g.heel + up * (0.2f * h), g.ankle + up * (0.26f * h), 0.8f);
    PaintOnSolid(c, foot, Line(a.x, a.y, b.x, b.y, 0.1f * h, 0.14f * h), o.shoeTrim, 0.16f * h);
  }
}

}  // namespace

void PaintLeg(Canvas& c, const Skeleton& s, const LegJoints& g, const Outfit& o) {
  const float h = s.h;
  const Pt shin = Unit(g.ankle - g.knee);
  const Pt back = Perp(shin) * s.facing;  // the calf side
  if (o.bottomCut == Bottom::Trousers) {
    PaintTrousers(c, g, o, h, shin, back);
  } else {
    // Thigh, knee, and a calf that swells behind the shin and slims to the ankle.
    const Pt calf = Lerp(g.knee, g.ankle, 0.3f) + back * (0.05f * h);
    auto lower = Blend{Bone(g.knee, calf, 0.42f * h, 0.46f * h), Bone(calf, g.ankle, 0.46f * h, 0.24f * h), 0.08f * h};
    PaintSolid(c, Blend{Bone(g.hip, g.knee, 0.72f * h, 0.42f * h), lower, 0.08f * h}, o.skin, 0.22f * h);
    const Pt sockTop = Lerp(g.knee, g.ankle, o.bottomCut == Bottom::KneePants ? 0.15f : 0.62f);
    PaintSolid(c, Intersect{Grow{lower, 0.4f}, HalfPlane{sockTop, shin * -1.f}}, o.socks, 0.22f * h);
    PaintShortsLeg(c, g, o, h, shin, s.facing);
  }
  PaintShoe(c, s, g, o);
}

}  // namespace art
