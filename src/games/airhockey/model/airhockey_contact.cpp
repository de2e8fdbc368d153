// SPDX-License-Identifier: GPL-3.0-or-later
// Where the puck and a mallet meet outside a hit: the way the puck travels,
// and keeping the puck from under a mallet.
#include <algorithm>
#include <cmath>

#include "games/airhockey/model/airhockey_geometry.h"
#include "platform/portable_math.h"
#include "games/airhockey/model/airhockey_motion.h"

namespace airhockey {

// The way the puck travels: the run so far, or, when that is too short to
// tell (just bounced, or pushed back by a mallet), its heading toward the aim.
std::pair<double, double> TravelOf(const Puck& puck) {
  constexpr double kShortest = 8.0;
  const double vx = puck.pos.x - puck.runStart.x, vy = puck.pos.y - puck.runStart.y;
  if (pmath::Hypot(vx, vy) >= kShortest) return {vx, vy};
  const double ax = puck.aim.x - puck.pos.x, ay = puck.aim.y - puck.pos.y;
  const double reach = pmath::Hypot(ax, ay);
  if (reach == 0.0) return {vx, vy};
  return {ax / reach * kShortest, ay / reach * kShortest};
}

namespace {

double Length(double x, double y) { return pmath::Hypot(x, y); }

double DistanceBetween(CPoint a, CPoint b) {
  return Length(static_cast<double>(a.x) - b.x, static_cast<double>(a.y) - b.y);
}

constexpr int kContact = kMalletRadius + kPuckRadius;

// The whole-pixel point `reach` (plus a half, so rounding never falls short)
// from `centre` in the direction (ux, uy).
CPoint PointOut(CPoint centre, double ux, double uy, double reach) {
  return {static_cast<int>(std::lround(centre.x + ux * (reach + 0.5))),
          static_cast<int>(std::lround(centre.y + uy * (reach + 0.5)))};
}

CPoint HeldIn(CPoint p, const CRect& area) {
  return {std::clamp(p.x, static_cast<int>(area.left), static_cast<int>(area.right)),
          std::clamp(p.y, static_cast<int>(area.top), static_cast<int>(area.bottom))};
}

bool Overlapping(CPoint puck, CPoint mallet) { return DistanceBetween(puck, mallet) < kContact; }

const CRect kPuckArea{kWallLeft + kPuckRadius, kWallTop + kPuckRadius, kWallRight - kPuckRadius,
                      kWallBottom - kPuckRadius};

// The puck is carried ahead of the mallet to where the two just touch.
void PushPuck(Puck& puck, const Mallet& mallet) {
  double ux = puck.pos.x - mallet.pos.x, uy = puck.pos.y - mallet.pos.y;
  double gap = Length(ux, uy);
  if (gap == 0.0) {
    // Dead centre: out the way the mallet was going.
    ux = mallet.pos.x - mallet.prev.x;
    uy = mallet.pos.y - mallet.prev.y;
    gap = Length(ux, uy);
    if (gap == 0.0) uy = gap = 1.0;
  }
  const CPoint pushed = HeldIn(PointOut(mallet.pos, ux / gap, uy / gap, kContact), kPuckArea);
  if (pushed == puck.pos) return;
  puck.pos = pushed;
  // A run goes on toward its aim from where the puck was pushed to (where
  // it began still tells which way it travels); a puck at rest stays at rest.
  if (puck.live) {
    puck.line = LineBetween(puck.pos, puck.aim);
  } else {
    puck.aim = puck.runStart = puck.pos;
  }
}

}  // namespace

void HoldMalletBack(const Puck& puck, Mallet& mallet, const CRect& malletArea) {
  if (!Overlapping(puck.pos, mallet.pos)) return;
  const double px = mallet.pos.x - puck.pos.x, py = mallet.pos.y - puck.pos.y;
  const double back = Length(px, py);
  mallet.pos = back == 0.0 ? mallet.prev : HeldIn(PointOut(puck.pos, px / back, py / back, kContact), malletArea);
  mallet.HeadFor(mallet.target);
}

void KeepPuckClear(Puck& puck, Mallet& mallet, const CRect& malletArea) {
  if (!Overlapping(puck.pos, mallet.pos)) return;
  const auto [vx, vy] = TravelOf(puck);
  const bool comingAtMallet =
      puck.live && puck.speed > 0 && vx * (mallet.pos.x - puck.pos.x) + vy * (mallet.pos.y - puck.pos.y) > 0;
  // A puck running into the mallet keeps its run and the mallet gives way (so
  // a puck can always get out of a corner); one the mallet has caught up with
  // is carried ahead of it. Whichever cannot move (a wall, the centre line)
  // leaves the moving to the other.
  if (comingAtMallet) {
    HoldMalletBack(puck, mallet, malletArea);
    if (Overlapping(puck.pos, mallet.pos)) PushPuck(puck, mallet);
  } else {
    PushPuck(puck, mallet);
    if (Overlapping(puck.pos, mallet.pos)) HoldMalletBack(puck, mallet, malletArea);
  }
}

}  // namespace airhockey
