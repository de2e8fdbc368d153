// SPDX-License-Identifier: GPL-3.0-or-later
// Ball against ball: the contact test, the collision (back-off, exchange of
// the normal parts of the velocities, separation) and the separation step.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "games/pool/model/pool_ball.h"

using namespace pool;

namespace {
// Far beyond any real separation (a ball crosses another in under 30
// pixels): a guard against a ball trapped between cushions and a ball.
constexpr int kMaxSeparationSteps = 1000;
constexpr double kDiameterSquared = kBallDiameter * kBallDiameter;

double CentreDistance(int ax, int ay, int bx, int by) {
  const double dx = ax - bx, dy = ay - by;
  return std::sqrt(dx * dx + dy * dy);
}

// Pushes a back-off component one more pixel away from zero.
double PushFromZero(double d) { return d >= 0 ? d + 1.0 : d - 1.0; }

// B's new normal speed for an elastic collision along the line of centres:
// of the two roots that conserve momentum and energy, the one that is not
// B's old speed.
double NewNormalOfB(double uA, double uB, int mA, int mB) {
  const double P = mA * uA + mB * uB;
  const double E = mB * uB * uB / 2.0 + mA * uA * uA / 2.0;
  // Rounding can make the discriminant a hair below zero when both balls
  // share the same normal speed; its root is zero then, not NaN.
  const double disc = P * P - (P * P - 2.0 * mA * E) * (static_cast<double>(mA) / mB + 1.0);
  const double D = std::sqrt(std::max(disc, 0.0));
  double r1 = (P + D) / (mA + mB);
  const double r2 = (P - D) / (mA + mB);
  if (std::fabs(r1) < 1e-7) r1 = 0;
  if ((r1 > uB * 0.9999999 && r1 < uB * 1.0000001) || r1 == uB) return r2;
  return r1;
}

struct Parts {
  double u;  // along the line of centres
  double t;  // across it
};

Parts Split(double vx, double vy, double c, double s) { return {c * vx - s * vy, -(s * vx + c * vy)}; }

}  // namespace

BOOL CPoolBall::Touches(const CPoolBall& other) {
  if (!m_pEnv || !other.m_pEnv) return FALSE;
  const int dx = m_nX - other.m_nX, dy = m_nY - other.m_nY;
  // The pictures must overlap by more than a row or column ...
  if (std::abs(dx) >= kBallDiameter || std::abs(dy) >= kBallDiameter) return FALSE;
  // ... and the centres be closer than a diameter.
  if (static_cast<double>(dx * dx + dy * dy) >= kDiameterSquared) return FALSE;
  m_pEnv->PlaySound(m_dSpeed >= 4.0 ? kClickHardSound : kClickSoftSound);
  return TRUE;
}

bool CPoolBall::Approaches(const CPoolBall& other) const {
  const double dx = other.m_nX - m_nX, dy = other.m_nY - m_nY;
  return (other.m_dVelX - m_dVelX) * dx + (other.m_dVelY - m_dVelY) * dy < 0;
}

void CPoolBall::Collide(CPoolBall& other) {
  if (!m_pEnv || !other.m_pEnv) return;
  const int bx = other.m_nX, by = other.m_nY;
  int ax = m_nX, ay = m_nY;
  // Back this ball out of the other along its own path, one pixel beyond.
  const double overlap = kBallDiameter - CentreDistance(ax, ay, bx, by);
  if (overlap > 0) {
    const double dx = PushFromZero(-(std::cos(m_dHeading) * overlap));
    const double dy = PushFromZero(std::sin(m_dHeading) * overlap);
    if (Advance(static_cast<int>(ax + dx), static_cast<int>(ay + dy))) {
      ax = m_nX;
      ay = m_nY;
    } else {
      ax = 0;
      ay = 0;
    }
  }
  const double theta = std::atan2(static_cast<double>(ay - by), static_cast<double>(bx - ax));
  const double c = std::cos(theta), s = std::sin(theta);
  const Parts a = Split(m_dVelX, m_dVelY, c, s);
  const Parts b = Split(other.m_dVelX, other.m_dVelY, c, s);
  const double uB = NewNormalOfB(a.u, b.u, m_nMass, other.m_nMass);
  const double uA = (m_nMass * a.u + other.m_nMass * b.u - uB * other.m_nMass) / m_nMass;
  auto apply = [c, s](CPoolBall& ball, double u, double t) {
    const double vx = c * u - s * t;
    const double vy = -(s * u + c * t);
    ball.SetVelocity(std::sqrt(vx * vx + vy * vy), std::atan2(-vy, vx) * kRadToDeg);
  };
  apply(*this, uA, a.t);
  apply(other, uB, b.t);
  Reorigin(ax, ay);
  other.Reorigin(other.m_nX, other.m_nY);
  // The other ball steps away until the two no longer overlap.
  for (int n = 0; n < kMaxSeparationSteps; ++n) {
    if (CentreDistance(m_nX, m_nY, other.m_nX, other.m_nY) >= kBallDiameter) break;
    other.SeparationStep(*this);
  }
  Reorigin(m_nX, m_nY);
  other.Reorigin(other.m_nX, other.m_nY);
}

BOOL CPoolBall::SeparationStep(const CPoolBall& other) {
  if (!m_pEnv) return FALSE;
  if (m_dSpeed == 0.0) SetVelocity(1.0, m_dHeading * kRadToDeg);
  // Two balls rolling as one would never part: turn this one's heading.
  if (other.m_dHeading == m_dHeading && other.m_dSpeed == m_dSpeed) m_dHeading += 5.0 * kDegToRad;
  ++m_nSteps;
  const int x = static_cast<int>(m_nOriginX + m_nSteps / m_dSpeed * m_dVelX);
  const int y = static_cast<int>(m_nOriginY + m_nSteps / m_dSpeed * m_dVelY);
  return Advance(x, y);
}
