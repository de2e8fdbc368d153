// SPDX-License-Identifier: GPL-3.0-or-later
// Ball against ball: the contact test, the back-up to the moment of contact,
// the exchange along the line of centres, and the separation that leaves no
// two balls inside each other.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "games/pool/model/pool_ball.h"
#include "platform/portable_math.h"

using namespace pool;

namespace {
constexpr double kDiameterSquared = kBallDiameter * kBallDiameter;
// A separation gives up past this push (each ball): only a ball wedged between
// a cushion and another ball in a corner needs more, and the next step frees it.
constexpr double kMostPush = 16.0;
constexpr double kPushStep = 0.5;

bool InLongSpan(double x) {
  return (kLongRailLeftA < x && x < kLongRailRightA) || (kLongRailLeftB < x && x < kLongRailRightB);
}

long DistanceSquared(int ax, int ay, int bx, int by) {
  const long dx = ax - bx, dy = ay - by;
  return dx * dx + dy * dy;
}
}  // namespace

void pool::ClampToBed(double& x, double& y) {
  if (kSideRailTop < y && y < kSideRailBottom) x = std::clamp(x, double{kBedLeft}, double{kBedRight});
  if (InLongSpan(x)) y = std::clamp(y, double{kBedTop}, double{kBedBottom});
}

BOOL CPoolBall::Touches(const CPoolBall& other) {
  if (!Overlaps(other)) return FALSE;
  PlayClick(m_dSpeed);
  return TRUE;
}

void CPoolBall::PlayClick(double dSpeed) {
  if (m_pEnv) m_pEnv->PlaySound(dSpeed >= 4.0 ? kClickHardSound : kClickSoftSound);
}

bool CPoolBall::Overlaps(const CPoolBall& other) const {
  if (!m_pEnv || !other.m_pEnv) return false;
  const int dx = m_nX - other.m_nX, dy = m_nY - other.m_nY;
  if (std::abs(dx) >= kBallDiameter || std::abs(dy) >= kBallDiameter) return false;
  return DistanceSquared(m_nX, m_nY, other.m_nX, other.m_nY) < kDiameterSquared;
}

bool CPoolBall::Approaches(const CPoolBall& other) const {
  const double dx = other.m_nX - m_nX, dy = other.m_nY - m_nY;
  return (other.m_dVelX - m_dVelX) * dx + (other.m_dVelY - m_dVelY) * dy < 0;
}

double CPoolBall::ContactBackOff(const CPoolBall& other) const {
  if (m_dSpeed <= 0.0 || !Overlaps(other)) return 0.0;
  const double ux = pmath::Cos(m_dHeading), uy = -pmath::Sin(m_dHeading);
  const double rx = m_nX - other.m_nX, ry = m_nY - other.m_nY;
  const double rr = rx * rx + ry * ry, ru = rx * ux + ry * uy;
  // |r - s u| = diameter, the root behind the ball.
  const double s = ru + std::sqrt(std::max(ru * ru - rr + kDiameterSquared, 0.0));
  // No further back than the step that brought it here.
  return std::clamp(s, 0.0, std::fabs(m_dSpeed) + 1.0);
}

void CPoolBall::SetMotion(double vx, double vy, double dSpeed) {
  m_dSpeed = dSpeed;
  if (dSpeed > 0.0) m_dHeading = pmath::Atan2(-vy, vx);
  ApplyHeading();
  m_bRolling = false;  // a struck ball's spin is as it was: it slides
  m_nFrictionSteps = 0;
  m_dwLastTick = 0;
  m_dwPaceTick = 0;
  Reorigin(m_nX, m_nY);
}

BOOL CPoolBall::Bounce(CPoolBall& other, double ax, double ay) {
  double nx = other.m_nX - ax, ny = other.m_nY - ay;
  const double d = std::sqrt(nx * nx + ny * ny);
  if (d < 1e-9) {
    nx = pmath::Cos(m_dHeading);
    ny = -pmath::Sin(m_dHeading);
  } else {
    nx /= d;
    ny /= d;
  }
  const double uA = m_dVelX * nx + m_dVelY * ny, uB = other.m_dVelX * nx + other.m_dVelY * ny;
  if (uA - uB <= 0.0) return FALSE;  // already parting
  PlayClick(m_dSpeed);
  // An elastic exchange along the line of centres; the parts across it stay.
  const double mA = m_nMass, mB = other.m_nMass;
  const double uA2 = ((mA - mB) * uA + 2.0 * mB * uB) / (mA + mB);
  const double uB2 = ((mB - mA) * uB + 2.0 * mA * uA) / (mA + mB);
  const double ax2 = m_dVelX + (uA2 - uA) * nx, ay2 = m_dVelY + (uA2 - uA) * ny;
  const double bx2 = other.m_dVelX + (uB2 - uB) * nx, by2 = other.m_dVelY + (uB2 - uB) * ny;
  double sA = std::sqrt(ax2 * ax2 + ay2 * ay2), sB = std::sqrt(bx2 * bx2 + by2 * by2);
  // Rounding must never leave the pair with more energy than it had.
  // Equal balls are compared unweighted, exactly as their speeds are read.
  const double wA = mA == mB ? 1.0 : mA, wB = mA == mB ? 1.0 : mB;
  const double before = wA * m_dSpeed * m_dSpeed + wB * other.m_dSpeed * other.m_dSpeed;
  while (wA * sA * sA + wB * sB * sB > before) {
    sA *= 1.0 - 1e-12;
    sB *= 1.0 - 1e-12;
  }
  SetMotion(ax2, ay2, sA);
  other.SetMotion(bx2, by2, sB);
  return TRUE;
}

void CPoolBall::PlaceAt(double x, double y) {
  ClampToBed(x, y);
  const int ix = static_cast<int>(std::lround(x)), iy = static_cast<int>(std::lround(y));
  const int pocket = PocketAt(ix, iy);
  if (pocket >= 0) {
    DropInto(pocket);
    return;
  }
  MoveTo(ix, iy);
  Reorigin(ix, iy);
}

void CPoolBall::Separate(CPoolBall& other) {
  if (!m_bOnTable || !other.m_bOnTable || !Overlaps(other)) return;
  double nx = other.m_nX - m_nX, ny = other.m_nY - m_nY;
  const double d = std::sqrt(nx * nx + ny * ny);
  if (d < 1e-9) {
    // One on top of the other: part them across this ball's path.
    nx = pmath::Sin(m_dHeading);
    ny = pmath::Cos(m_dHeading);
  } else {
    nx /= d;
    ny /= d;
  }
  const double x0 = m_nX, y0 = m_nY, x1 = other.m_nX, y1 = other.m_nY;
  double ax = x0, ay = y0, bx = x1, by = y1;
  for (double push = (kBallDiameter - d) / 2.0; push <= kMostPush; push += kPushStep) {
    ax = x0 - nx * push, ay = y0 - ny * push;
    bx = x1 + nx * push, by = y1 + ny * push;
    ClampToBed(ax, ay);
    ClampToBed(bx, by);
    if (DistanceSquared(static_cast<int>(std::lround(ax)), static_cast<int>(std::lround(ay)),
                        static_cast<int>(std::lround(bx)), static_cast<int>(std::lround(by))) >= kDiameterSquared)
      break;
  }
  PlaceAt(ax, ay);
  other.PlaceAt(bx, by);
}

BOOL CPoolBall::Collide(CPoolBall& other) {
  if (!m_pEnv || !other.m_pEnv) return FALSE;
  // Back up to where the two first touched: the line of centres there is the one the balls struck along.
  const double s = ContactBackOff(other);
  double ax = m_nX, ay = m_nY;
  if (s > 0.0) {
    ax -= s * pmath::Cos(m_dHeading);
    ay += s * pmath::Sin(m_dHeading);
    ClampToBed(ax, ay);
    PlaceAt(ax, ay);
    if (!m_bOnTable) return FALSE;
  }
  const BOOL struck = Bounce(other, ax, ay);
  Separate(other);
  return struck;
}
