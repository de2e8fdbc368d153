// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_ball.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <cmath>

using namespace pool;

namespace {
constexpr double kTiny = 1e-9;
constexpr double kCushionLoss = 0.5;
constexpr double kFrictionLoss = 1.0;
constexpr double kRestBelow = 0.5;
// A ball more than this far behind its pace stops catching up.
constexpr DWORD kMaxStepLagMs = 250;

double Clean(double v) { return std::fabs(v) < kTiny ? 0.0 : v; }
}  // namespace

CPoolBall::CPoolBall(BallEnv* pEnv, CPoint pos, double dSpeed, double dAngle, const CRect& rcCushion, int nNumber)
    : m_dSpeed(dSpeed),
      m_nOriginX(pos.x),
      m_nOriginY(pos.y),
      m_dHeading(dAngle * kDegToRad),
      m_rcCushion(rcCushion),
      m_nNumber(nNumber),
      m_nGroup(nNumber <= kEightBall ? 0 : 1),
      m_pEnv(pEnv),
      m_nX(pos.x),
      m_nY(pos.y),
      m_dOriginX(pos.x),
      m_dOriginY(pos.y) {
  m_dVelX = m_dSpeed * pmath::Cos(m_dHeading);
  m_dVelY = -(m_dSpeed * pmath::Sin(m_dHeading));
}

int CPoolBall::SpeedLevel() const {
  // A collision can push a ball past the top level; it then runs at the top level's pace.
  const double level = std::trunc(std::fabs(m_dSpeed));
  return level >= kTopSpeedLevel ? kTopSpeedLevel : static_cast<int>(level);
}

DWORD CPoolBall::NextStepDue(DWORD now) const {
  if (m_dwLastTick == 0) return now;
  return m_dwLastTick + kStepDelayMs[static_cast<std::size_t>(SpeedLevel())];
}

void CPoolBall::ApplyHeading() {
  m_dVelX = Clean(m_dSpeed * pmath::Cos(m_dHeading));
  m_dVelY = Clean(-(m_dSpeed * pmath::Sin(m_dHeading)));
}

void CPoolBall::Reorigin(int x, int y) {
  m_nSteps = 0;
  m_nOriginX = x;
  m_nOriginY = y;
  m_dOriginX = x;
  m_dOriginY = y;
}

void CPoolBall::SetVelocity(double dSpeed, double dAngle) {
  m_dSpeed = dSpeed;
  m_dHeading = dAngle * kDegToRad;
  ApplyHeading();
  m_nFrictionSteps = 0;
  m_dwLastTick = 0;
  m_dwPaceTick = 0;
  Reorigin(m_nX, m_nY);
  m_dSpinX = m_dSpinY = m_dSide = 0;
  m_bSpinning = m_bRolling = false;
}

void CPoolBall::MoveTo(int x, int y) {
  if (!m_pEnv) return;
  m_nX = x;
  m_nY = y;
  m_pEnv->ShowBall(m_nNumber, x, y);
}

BOOL CPoolBall::Step() {
  if (!m_pEnv || !IsMoving()) return FALSE;
  const DWORD now = m_pEnv->Ticks();
  // The wait for the next step counts from when the last one fell due, not
  // from when a late frame let it run, so the ball keeps its pace; a ball far
  // behind (a stalled clock) starts its timing afresh.
  if (m_dwLastTick == 0) m_dwLastTick = m_dwPaceTick != 0 && now - m_dwPaceTick < kMaxStepLagMs ? m_dwPaceTick : now;
  const DWORD delay = kStepDelayMs[static_cast<std::size_t>(SpeedLevel())];
  if (now - m_dwLastTick < delay) return TRUE;
  m_dwPaceTick = m_dwLastTick + delay;
  m_dwLastTick = 0;
  if (m_bSpinning) Slide();
  ++m_nSteps;
  const int x = static_cast<int>(m_nSteps * m_dVelX + m_dOriginX);
  const int y = static_cast<int>(m_nSteps * m_dVelY + m_dOriginY);
  return Advance(x, y);
}

void CPoolBall::Rebound(bool bHorizontal, int x, int y) {
  const double inVx = m_dVelX, inVy = m_dVelY;
  double vx = m_dVelX, vy = m_dVelY;
  if (bHorizontal)
    vx = -vx;
  else
    vy = -vy;
  m_dSpeed -= kCushionLoss;
  if (m_dSpeed < kRestBelow) m_dSpeed = 0;
  m_dHeading = pmath::Atan2(-vy, vx);
  ApplyHeading();
  Reorigin(x, y);
  // The cushion turns the ball's path but not its roll: it slides off it.
  m_bRolling = false;
  if (m_dSide != 0.0) EnglishOffCushion(bHorizontal, inVx, inVy);
}

int CPoolBall::PocketAt(int x, int y) const {
  for (int k : kPocketTestOrder)
    if (kPocketRects[static_cast<std::size_t>(k)].PtInRect(CPoint{x, y})) return k;
  return -1;
}

int CPoolBall::MouthAt(int x, int y) const {
  if (m_dSpeed == 0.0) return -1;
  for (int k : kPocketTestOrder) {
    const PocketMouth& m = kPocketMouths[static_cast<std::size_t>(k)];
    const double dx = m.x - x, dy = m.y - y;
    // Inside the mouth and still heading in: a ball leaving it (off a jaw) stays in play.
    if (dx * dx + dy * dy < m.radius * m.radius && dx * m_dVelX + dy * m_dVelY > 0) return k;
  }
  return -1;
}

void CPoolBall::DropInto(int nPocket) {
  m_pEnv->PlaySound(kPocketSound);
  m_nPocket = nPocket;
  m_bOnTable = FALSE;
  SetVelocity(0, 0);
  const CPoint tray = TrayPosition(m_nNumber);
  MoveTo(tray.x, tray.y);
}

bool CPoolBall::Cushions(int& x, int& y) {
  const CRect& c = m_rcCushion;
  bool cushion = false;
  // Each cushion sees the position the previous one left; none acts across a pocket mouth.
  const bool sideSpan = kSideRailTop < y && y < kSideRailBottom;
  if (x - kBallRadius < c.left && sideSpan) {
    x = 2 * c.left + kBallDiameter - x;
    Rebound(true, x, y);
    cushion = true;
  }
  if (x + kBallRadius > c.right && sideSpan) {
    x = 2 * c.right - kBallDiameter - x;
    Rebound(true, x, y);
    cushion = true;
  }
  const bool longSpan = (kLongRailLeftA < x && x < kLongRailRightA) || (kLongRailLeftB < x && x < kLongRailRightB);
  if (y - kBallRadius < c.top && longSpan) {
    y = 2 * c.top + kBallDiameter - y;
    Rebound(false, x, y);
    cushion = true;
  }
  if (y + kBallRadius > c.bottom && longSpan) {
    y = 2 * c.bottom - kBallDiameter - y;
    Rebound(false, x, y);
    cushion = true;
  }
  return cushion;
}

BOOL CPoolBall::Advance(int x, int y) {
  const bool cushion = Cushions(x, y);
  ++m_nMoves;
  if (cushion) ++m_nCushions;
  int pocket = PocketAt(x, y);
  if (pocket < 0) pocket = MouthAt(x, y);
  if (pocket >= 0) {
    DropInto(pocket);
    return FALSE;
  }
  if (cushion) m_pEnv->PlaySound(m_dSpeed >= 4.0 ? kCushionHardSound : kCushionSoftSound);
  MoveTo(x, y);
  // While a spinning ball slides, sliding friction alone slows it.
  if (m_bSpinning && !m_bRolling) return TRUE;
  ++m_nFrictionSteps;
  if (m_nFrictionSteps > kFrictionSteps[static_cast<std::size_t>(SpeedLevel())]) {
    m_nFrictionSteps = 0;
    m_dSpeed -= kFrictionLoss;
    if (m_dSpeed < kRestBelow) m_dSpeed = 0;
    ApplyHeading();
    Reorigin(x, y);
    if (m_bRolling) {
      // Rolling resistance slows the spin with the ball.
      m_dSpinX = m_dVelX;
      m_dSpinY = m_dVelY;
      if (m_dSpeed == 0.0) m_bSpinning = false;
    }
  }
  return TRUE;
}
