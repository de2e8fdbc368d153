// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/airhockey/model/airhockey_motion.h"

#include <algorithm>
#include <cmath>

#include "games/airhockey/model/airhockey_geometry.h"

namespace airhockey {

namespace {

double Length(double x, double y) { return std::sqrt(x * x + y * y); }

double DistanceBetween(CPoint a, CPoint b) {
  return Length(static_cast<double>(a.x) - b.x, static_cast<double>(a.y) - b.y);
}

// Starts a new straight run from where the puck is now toward `aim`.
void RestartRun(Puck& puck, CPoint aim) {
  puck.runStart = puck.pos;
  puck.aim = aim;
  puck.line = LineBetween(puck.pos, aim);
}

// A puck lying still: it leaves along the line through both centres, on the
// side the mallet was moving toward.
CPoint AimFromRest(const Puck& puck, const Mallet& mallet) {
  const int dx = mallet.pos.x - puck.pos.x;
  const int dy = mallet.pos.y - puck.pos.y;
  const bool movedDown = mallet.prev.y < mallet.pos.y;
  if (dx == 0) return {mallet.pos.x, movedDown ? kWallBottom : kWallTop};
  const float slope = static_cast<float>(dy) / static_cast<float>(dx);
  const int intercept = InterceptThrough(mallet.pos, slope);
  if (std::abs(dy) < std::abs(dx))
    return PointAtX(mallet.prev.x < mallet.pos.x ? kWallRight : kWallLeft, slope, intercept);
  return PointAtY(movedDown ? kWallBottom : kWallTop, slope, intercept);
}

// A moving puck coming at the mallet: its run is mirrored about the line
// between the centres.
CPoint AimFromReflection(const Puck& puck, const Mallet& mallet) {
  const auto [vx, vy] = TravelOf(puck);
  const double gap = DistanceBetween(puck.pos, mallet.pos);
  double nx = 0.0, ny = 0.0;
  if (gap > 0.0) {
    nx = (puck.pos.x - mallet.pos.x) / gap;
    ny = (puck.pos.y - mallet.pos.y) / gap;
  }
  const double k = 2.0 * (vx * nx + vy * ny);
  const CPoint p{puck.pos.x + TruncToInt(vx - k * nx - 0.5), puck.pos.y + TruncToInt(vy - k * ny - 0.5)};
  if (p.x == puck.pos.x) {
    // A run mirrored straight up or down goes the way it was mirrored (away
    // from the mallet when nothing is left of it), not through the mallet.
    const bool down = p.y != puck.pos.y ? p.y > puck.pos.y : mallet.pos.y < puck.pos.y;
    return {puck.pos.x, down ? kWallBottom : kWallTop};
  }
  const float slope = SlopeBetween(p, puck.pos);
  return PointAtX(puck.pos.x >= p.x ? kWallLeft : kWallRight, slope, InterceptThrough(p, slope));
}

// The point on the border straight back along the puck's current line.
CPoint ReversedAim(const Puck& puck) {
  const float slope = puck.line.slope;
  const int intercept = InterceptThrough(puck.pos, slope);
  if (puck.line.shallow) return PointAtX(puck.aim.x < puck.pos.x ? kWallRight : kWallLeft, slope, intercept);
  return PointAtY(puck.aim.y < puck.pos.y ? kWallBottom : kWallTop, slope, intercept);
}

// In a corner the mirrored line may lead back into one of the two walls
// (a steep run always does), which would hold the puck there for good: it
// then comes back the way it came.
CPoint CornerAim(const Puck& puck, CPoint mirroredAim) {
  Puck probe = puck;
  probe.aim = mirroredAim;
  return AgainstWall(probe) ? ReversedAim(puck) : mirroredAim;
}

}  // namespace

void ServePuck(Rink& rink, ServeSide side) {
  rink.human.PlaceAt(kHumanHome);
  rink.computer.PlaceAt(kComputerHome);
  rink.human.cooldown = 0;
  rink.computer.cooldown = 0;
  rink.computer.attack = false;
  Puck& puck = rink.puck;
  puck.pos = {kServeX, side == ServeSide::ToHuman ? kServeHumanY : kServeComputerY};
  puck.aim = puck.runStart = puck.pos;
  puck.line = LineWithSlope(kVerticalSlope, puck.pos);
  puck.speed = 0;
  puck.live = false;
}

bool MoveMallet(Mallet& mallet) {
  if (mallet.pos == mallet.target) return false;
  const CPoint from = mallet.pos;
  CPoint to = from;
  if (mallet.path.shallow) {
    const int dir = mallet.target.x >= from.x ? 1 : -1;
    to.x = from.x + dir * mallet.speed;
    if ((to.x - mallet.target.x) * dir >= 0) to = mallet.target;
    else to.y = YAtX(to.x, mallet.path);
  } else {
    const int dir = mallet.target.y >= from.y ? 1 : -1;
    to.y = from.y + dir * mallet.speed;
    if ((to.y - mallet.target.y) * dir >= 0) to = mallet.target;
    else to.x = XAtY(to.y, mallet.path);
  }
  mallet.prev = from;
  mallet.pos = to;
  return to == mallet.target;
}

void MovePuck(Puck& puck) {
  if (!puck.live) return;
  CPoint p = puck.pos;
  if (puck.line.shallow) {
    p.x += puck.aim.x >= p.x ? puck.speed : -puck.speed;
    p.y = YAtX(p.x, puck.line);
  } else {
    p.y += puck.aim.y >= p.y ? puck.speed : -puck.speed;
    p.x = XAtY(p.y, puck.line);
  }
  // Held at a wall, the puck keeps the coordinate it stepped along: working
  // the other one back from a near-vertical (or near-level) line would throw
  // it far back along its run, and it could then never reach the wall.
  const int r = kPuckRadius;
  const bool steep = !puck.line.shallow;
  if (p.y + r > kWallBottom) {
    p.y = kWallBottom - r;
    if (steep) p.x = XAtY(p.y, puck.line);
  }
  if (p.y - r < kWallTop) {
    p.y = kWallTop + r;
    if (steep) p.x = XAtY(p.y, puck.line);
  }
  if (p.x + r > kWallRight) {
    p.x = kWallRight - r;
    if (!steep) p.y = YAtX(p.x, puck.line);
  }
  if (p.x - r < kWallLeft) {
    p.x = kWallLeft + r;
    if (!steep) p.y = YAtX(p.x, puck.line);
  }
  // Worked back at a side wall, y may have crossed an end wall in a corner.
  p.y = std::clamp(p.y, kWallTop + r, kWallBottom - r);
  puck.pos = p;
}

bool Touching(const Puck& puck, const Mallet& mallet) {
  return static_cast<int>(DistanceBetween(puck.pos, mallet.pos)) < kMalletRadius + kPuckRadius;
}

int LastStepSpeed(const Mallet& mallet) {
  return std::min(kMaxSpeed, static_cast<int>(DistanceBetween(mallet.pos, mallet.prev) + 0.5));
}

void HitPuck(Puck& puck, const Mallet& mallet) {
  int speed = LastStepSpeed(mallet);
  if (speed == 0) speed = puck.speed;
  CPoint aim = puck.aim;
  if (puck.speed == 0) {
    aim = AimFromRest(puck, mallet);
  } else {
    const auto [vx, vy] = TravelOf(puck);
    const double wx = mallet.pos.x - puck.pos.x, wy = mallet.pos.y - puck.pos.y;
    // A puck already moving away from the mallet keeps its line.
    if (vx * wx + vy * wy >= 0) aim = AimFromReflection(puck, mallet);
  }
  puck.speed = speed;
  puck.live = true;
  RestartRun(puck, aim);
}

bool AgainstWall(const Puck& puck) {
  const int r = kPuckRadius;
  const CPoint p = puck.pos, a = puck.aim;
  return (p.x <= kWallLeft + r && a.x < p.x) || (p.x >= kWallRight - r && a.x > p.x) ||
         (p.y >= kWallBottom - r && a.y > p.y) || (p.y <= kWallTop + r && a.y < p.y);
}

bool InGoalMouth(const Puck& puck) {
  return puck.pos.x > kGoalLeft + kPuckRadius && puck.pos.x < kGoalRight - kPuckRadius;
}

bool AtComputerEnd(const Puck& puck) { return puck.pos.y - kPuckRadius <= kWallTop; }

void BouncePuck(Puck& puck) {
  const int r = kPuckRadius;
  const CPoint p = puck.pos;
  float mirrored = -puck.line.slope;
  if (mirrored == 0.0f) mirrored = 0.5f;  // a level run leaves at an angle
  const int intercept = InterceptThrough(p, mirrored);
  const bool clearOfSides = p.x + r < kWallRight && p.x - r > kWallLeft;
  const bool clearOfEnds = p.y + r < kWallBottom && p.y - r > kWallTop;
  CPoint aim;
  if (puck.runStart.x == p.x && clearOfSides)
    aim = {p.x, p.y + r >= kWallBottom ? kWallTop : kWallBottom};
  else if (clearOfSides)
    aim = PointAtX(puck.aim.x >= puck.runStart.x ? kWallRight : kWallLeft, mirrored, intercept);
  else if (clearOfEnds)
    aim = PointAtY(puck.runStart.y <= puck.aim.y ? kWallBottom : kWallTop, mirrored, intercept);
  else
    aim = CornerAim(puck, PointAtX(p.x - r > kWallLeft ? kWallLeft : kWallRight, mirrored, intercept));
  RestartRun(puck, aim);
}

HumanAim ClampToHumanHalf(CPoint mouse) {
  const CPoint held{std::clamp(mouse.x, kWallLeft + kMalletRadius, kWallRight - kMalletRadius),
                    std::clamp(mouse.y, kCentreLineY + kMalletRadius, kWallBottom - kMalletRadius)};
  return {held, !(held == mouse)};
}

HumanAim ClampToFarHalf(CPoint mouse) {
  const CPoint held{std::clamp(mouse.x, kWallLeft + kMalletRadius, kWallRight - kMalletRadius),
                    std::clamp(mouse.y, kWallTop + kMalletRadius, kCentreLineY - kMalletRadius)};
  return {held, !(held == mouse)};
}

void WalkFarMallet(Mallet& mallet) {
  mallet.HeadFor(mallet.target);
  MoveMallet(mallet);
  mallet.pos = ClampToFarHalf(mallet.pos).point;
}

int HumanMalletSpeed(CPoint oldTarget, CPoint newTarget) {
  const double d = DistanceBetween(oldTarget, newTarget);
  return std::min(kMaxSpeed, static_cast<int>((d + 0.5) * 2.0));
}

}  // namespace airhockey
