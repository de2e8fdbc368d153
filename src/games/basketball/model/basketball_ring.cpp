// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/basketball/model/basketball_ring.h"

namespace basketball {

namespace {

CPoint At(float x, float y) { return {static_cast<int>(x), static_cast<int>(y)}; }

void MoveToStepPoint(ShotBall& b, const StepSpan& s, float t) {
  if (s.straight) b.x = s.x0 + (b.x - s.x0) * t;
  b.y = s.y0 + (b.y - s.y0) * t;
  b.z = s.z0 + (b.z - s.z0) * t;
}

}  // namespace

bool InRimSpan(float x, int boardX) {
  return static_cast<float>(boardX + kRimOuterLeft) < x && x < static_cast<float>(boardX + kRimOuterRight);
}

void BounceOut(ShotBall& b, bool left) {
  const CPoint target = left ? kLeftBounceTarget : kRightBounceTarget;
  b.nState = left ? kLeftBounce : kRightBounce;
  b.nTargetX = target.x;
  b.nTargetY = target.y;
  b.nTargetZ = kBounceOutDepth;
  b.dz = -static_cast<float>(8 - b.nPower);
  ComputeStep(b);
}

bool MeetRim(ShotBall& b, int boardX, BallFrame& f) {
  const float x = b.x;
  const auto edge = [boardX](int offset) { return static_cast<float>(boardX + offset); };
  if (edge(kBasketLeft) < x && x < edge(kBasketRight)) {
    b.nState = kNetFirst;
    f.move = true;
    f.pos = kHidden;
    return true;
  }
  if (!InRimSpan(x, boardX)) return false;
  BounceOut(b, x < edge(kBasketLeft));
  return true;
}

// The ring sticks out from the glass at the rim line, as deep as its front
// reaches. A ball whose path meets it there drops in or bounces off, at the
// point of the path where they meet, so the outcome follows the aim and not
// the size of the steps. True when the ball met the ring.
bool MeetRingOnTheWay(ShotBall& b, const StepSpan& s, int boardX, BallFrame& f) {
  if (b.z <= kRimFrontDepth) return false;
  const float rim = static_cast<float>(kRimY);
  const float reach = static_cast<float>(kBallRimReach);
  const float t0 = s.z0 > kRimFrontDepth ? 0.0f : (kRimFrontDepth - s.z0) / (b.z - s.z0);
  const float yIn = s.y0 + (b.y - s.y0) * t0;
  float t = -1.0f;
  bool fromAbove = true;
  if (s.z0 <= kRimFrontDepth && yIn + reach > rim && yIn - reach < rim) {
    // It comes in level with the ring: it meets the ring's front edge.
    t = t0;
    fromAbove = yIn <= rim;
  } else if (yIn + reach <= rim && b.y + reach > rim) {
    // It comes down onto the ring inside the hoop's depth.
    t = t0 + (rim - reach - yIn) / (b.y - yIn) * (1.0f - t0);
  }
  if (t < 0.0f) return false;
  const ShotBall before = b;
  MoveToStepPoint(b, s, t);
  const float middle = static_cast<float>(boardX) + (kBasketLeft + kBasketRight) * 0.5f;
  bool met = false;
  if (fromAbove) {
    met = MeetRim(b, boardX, f);
  } else if (InRimSpan(b.x, boardX)) {
    BounceOut(b, b.x < middle);
    met = true;
  }
  if (!met) {
    b = before;
    return false;
  }
  if (b.nState != kNetFirst) {
    f.move = true;
    f.pos = At(b.x, b.y);
  }
  return true;
}

bool RunIntoRingEnd(ShotBall& b, int boardX, BallFrame& f) {
  const float rim = static_cast<float>(kRimY);
  const float reach = static_cast<float>(kBallRimReach);
  const bool level = b.y - reach < rim && rim < b.y + reach;
  if (b.z <= kRimFrontDepth || !level || !InRimSpan(b.x, boardX)) return false;
  BounceOut(b, b.x < static_cast<float>(boardX) + (kBasketLeft + kBasketRight) * 0.5f);
  f.move = true;
  f.pos = At(b.x, b.y);
  return true;
}

}  // namespace basketball
