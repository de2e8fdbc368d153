// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts a person is painted from, back to front (shared by figures.cpp).
#include "shell/figures.h"

namespace art {

// A half-plane: positive on the side `n` points to.
struct HalfPlane {
  Pt p, n;
  float operator()(float x, float y) const { return (x - p.x) * n.x + (y - p.y) * n.y; }
  Box Bounds() const { return {-1e4f, -1e4f, 1e4f, 1e4f}; }
};

// A tapering capsule between two joints.
inline Line Bone(Pt a, Pt b, float wa, float wb) { return Line(a.x, a.y, b.x, b.y, wa, wb); }

void PaintArm(Canvas& c, const Skeleton& s, const ArmJoints& arm, const Outfit& o, Grip grip);
void PaintLeg(Canvas& c, const Skeleton& s, const LegJoints& leg, const Outfit& o);
void PaintTorso(Canvas& c, const Skeleton& s, const Outfit& o);
void PaintHips(Canvas& c, const Skeleton& s, const Outfit& o);
void PaintHead(Canvas& c, const Skeleton& s, const Outfit& o);

// The torso's outline from below the hips (t < 0) to the base of the neck (t = 1).
Polygon TorsoOutline(const Skeleton& s, float t0, float t1);
// A point on the torso's surface: t along the spine, `side` from -1 (back) to 1 (front).
Pt TorsoPoint(const Skeleton& s, float t, float side);

}  // namespace art
