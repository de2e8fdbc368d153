// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/figures.h"

#include <algorithm>

#include "core/decor.h"
#include "shell/figure_parts.h"

namespace art {

void PaintFloorShadows(Canvas& c, const Skeleton& s, float floorY) {
  const LegJoints* feet[] = {&s.nearLeg, &s.farLeg};
  float x0 = 1e9f, x1 = -1e9f;
  for (const LegJoints* g : feet) {
    x0 = std::min({x0, g->heel.x, g->toe.x});
    x1 = std::max({x1, g->heel.x, g->toe.x});
  }
  // The light comes from the upper left, so the shadow falls a little to the right.
  ContactShadow(c, (x0 + x1) * 0.5f + s.h * 0.2f, floorY + 1.f, (x1 - x0) * 0.5f + s.h * 0.5f, s.h * 0.2f, 0.5f);
  for (const LegJoints* g : feet) {
    const float lift = floorY - std::max(g->heel.y, g->toe.y);
    if (lift > s.h * 0.3f) continue;
    const float cx = (g->heel.x + g->toe.x) * 0.5f, rx = std::abs(g->toe.x - g->heel.x) * 0.5f + 1.f;
    ContactShadow(c, cx + 1.f, floorY + 0.5f, rx, 2.f, 0.45f);
  }
}

namespace {

// The far arm and leg are half hidden from the light by the body: a shade darker.
Outfit InShade(const Outfit& o) {
  Outfit far = o;
  for (Material* m : {&far.skin, &far.shirt, &far.bottom, &far.socks, &far.shoe, &far.trim})
    m->light = m->dark + (m->light - m->dark) * 0.7f;
  return far;
}

}  // namespace

void PaintFigure(Canvas& c, const Skeleton& s, const Outfit& o, const std::function<void(Canvas&)>& held) {
  const Outfit far = InShade(o);
  // Back to front: the far arm and leg, the body, the near leg, the head, the near arm.
  // What a hand holds goes in just before its arm, so the fingers close over it.
  const bool farHolds = o.farGrip == Grip::Hold, nearHolds = !farHolds && o.nearGrip == Grip::Hold;
  if (held && farHolds) held(c);
  PaintArm(c, s, s.farArm, far, o.farGrip);
  PaintLeg(c, s, s.farLeg, far);
  PaintTorso(c, s, o);
  PaintHips(c, s, o);
  PaintLeg(c, s, s.nearLeg, o);
  PaintHead(c, s, o);
  if (held && nearHolds) held(c);
  PaintArm(c, s, s.nearArm, o, o.nearGrip);
  if (held && !farHolds && !nearHolds) held(c);
}

}  // namespace art
