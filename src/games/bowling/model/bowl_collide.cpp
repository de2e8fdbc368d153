// SPDX-License-Identifier: GPL-3.0-or-later
// Two bodies meeting: an elastic exchange along the line of centres, the
// sideways motion kept, and the struck body pushed clear.
#include <algorithm>
#include <cmath>

#include "games/bowling/model/bowl_ball.h"
#include "platform/portable_math.h"

namespace bowling {

namespace {

// A push apart that has not separated two bodies after this many steps
// never will: the bodies are left overlapping rather than the game hanging.
constexpr int kMaxSeparationSteps = 2000;

// One root of the exchange always equals B's old normal velocity; the other is the answer.
bool SameVelocity(double r, double v) {
  const double lo = std::min(0.9999999 * v, 1.0000001 * v);
  const double hi = std::max(0.9999999 * v, 1.0000001 * v);
  return (r > lo && r < hi) || r == v;
}

// B's normal velocity after the exchange, from momentum and energy along the normal.
double NewNormalOfB(double mA, double mB, double aN, double bN) {
  const double p = mB * bN + mA * aN;
  const double e = 0.5 * mB * bN * bN + 0.5 * mA * aN * aN;
  // Never negative in exact arithmetic; rounding may take it just below zero.
  const double under = std::max(0.0, p * p - (p * p - 2.0 * mA * e) * (1.0 + mA / mB));
  const double d = std::sqrt(under);
  double r1 = (p + d) / (mA + mB);
  const double r2 = (p - d) / (mA + mB);
  if (std::abs(r1) < 1e-7) r1 = 0.0;
  return SameVelocity(r1, bN) ? r2 : r1;
}

// Sets the velocity from normal and tangential parts, then speed and heading from it.
void Renormalise(CBowlBall& body, double n, double t, double c, double s) {
  const double vx = n * c - t * s;
  const double vy = -(n * s + t * c);
  body.m_dSpeed = std::sqrt(vx * vx + vy * vy);
  body.SetHeading(pmath::Atan2(-vy, vx));
}

}  // namespace

void CBowlBall::Collide(CBowlBall* pOther) {
  if (!pOther || !m_pSprite || !pOther->m_pSprite) return;
  CBowlBall& a = *this;
  CBowlBall& b = *pOther;
  a.m_bHit = TRUE;
  b.m_bHit = TRUE;
  const double ax = a.m_dX, ay = a.m_dY;
  double bx = b.m_dX, by = b.m_dY;
  const double dx = bx - ax, dy = by - ay;
  const double theta = pmath::Atan2(-dy, dx);
  const double c = pmath::Cos(theta), s = pmath::Sin(theta);

  const double aN = a.m_dVelX * c - a.m_dVelY * s;
  const double aT = -(a.m_dVelX * s + a.m_dVelY * c);
  const double bN = b.m_dVelX * c - b.m_dVelY * s;
  const double bT = -(b.m_dVelX * s + b.m_dVelY * c);
  const double u = NewNormalOfB(a.m_dMass, b.m_dMass, aN, bN);
  const double aN2 = (a.m_dMass * aN + b.m_dMass * bN - b.m_dMass * u) / a.m_dMass;
  Renormalise(a, aN2, aT, c, s);
  Renormalise(b, u, bT, c, s);

  // B alone moves on along its new path until the two no longer overlap; a
  // B that does not move cannot be pushed, and the push is bounded.
  const double reach = (a.m_dRadius + b.m_dRadius) * (a.m_dRadius + b.m_dRadius);
  const bool bMoves = b.m_dVelX != 0.0 || b.m_dVelY != 0.0;
  if (bMoves && dx * dx + dy * dy < reach) {
    for (int i = 0; i < kMaxSeparationSteps; ++i) {
      bx += b.m_dVelX;
      by += b.m_dVelY;
      if ((bx - ax) * (bx - ax) + (by - ay) * (by - ay) >= reach) break;
    }
  }
  a.SetPosition(ax, ay);
  b.SetPosition(bx, by);
}

}  // namespace bowling
