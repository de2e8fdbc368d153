// SPDX-License-Identifier: GPL-3.0-or-later
// Spin on the cue ball: the stroke off centre, sliding friction turning slip
// into roll, english off the cushions and the throw it gives a struck ball.
//
// The cloth's friction is taken from measured values for pool balls on
// cloth: sliding friction 0.2, rolling resistance 0.01, so a sliding ball
// is slowed twenty times as hard as the same ball rolling; ball on ball 0.06.
// The table's own rolling (a speed level lost every so many steps) stands
// for the rolling resistance: a ball struck at full power rolls as far as
// under an even deceleration of 7 x 7 / (2 x that distance) a step, and
// sliding friction is twenty times that, the same at every pace (a step is
// the table's unit of time). A solid ball's spin is worth 2/5 of its
// speed's energy, so friction takes slip off the speed and the spin in the
// ratio 2 : 5, and the slip goes at 7/2 of the friction. Nothing here ever
// adds energy: friction only takes it, and english turns a path without
// speeding it.
#include <algorithm>
#include <cmath>

#include "games/pool/model/pool_ball.h"
#include "platform/portable_math.h"
#include "games/pool/model/pool_spin.h"

using namespace pool;

namespace {
constexpr double kSlideOverRoll = 0.2 / 0.01;
constexpr double kBallOnBall = 0.06;
// The furthest a tip may go from centre is half the radius: the spin it
// gives is 5/2 x offset / radius x speed, 1.25 x speed at the most.
constexpr double kSpinPerTip = 2.5 * 0.5;
// A cushion's grip on english: how much of the spin's surface speed turns into speed along it.
constexpr double kCushionGrip = 0.2;
// Spin about the upright axis wears away slowly on the cloth, per step.
constexpr double kSideWear = 0.004;
constexpr double kLeastSlip = 0.02;

// How far a ball struck at full power rolls, in pixels.
constexpr double FullPowerRoll() {
  double run = 0;
  for (int s = kTopSpeedLevel; s >= 1; --s) run += s * (kFrictionSteps[static_cast<std::size_t>(s)] + 1);
  return run;
}
constexpr double kRollingPerStep = kMaxPower * kMaxPower / (2.0 * FullPowerRoll());
constexpr double kSlideFriction = kSlideOverRoll * kRollingPerStep;
}  // namespace

void CPoolBall::Strike(double dSpeed, double dAngle, double tipX, double tipY) {
  SetVelocity(dSpeed, dAngle);
  // The tip stays on the ball: inside a circle of the furthest offset.
  const double r = pmath::Hypot(tipX, tipY);
  if (r > 1.0) {
    tipX /= r;
    tipY /= r;
  }
  m_dSide = kSpinPerTip * tipX * dSpeed;
  if (tipY == 0.0) return;
  m_dSpinX = kSpinPerTip * tipY * m_dVelX;
  m_dSpinY = kSpinPerTip * tipY * m_dVelY;
  m_bSpinning = true;
}

bool CPoolBall::IsMoving() const {
  if (m_dSpeed != 0.0) return true;
  return m_bSpinning && pmath::Hypot(m_dSpinX, m_dSpinY) > kLeastSlip;
}

void CPoolBall::ReoriginExact() {
  m_dOriginX += m_nSteps * m_dVelX;
  m_dOriginY += m_nSteps * m_dVelY;
  m_nSteps = 0;
  m_nOriginX = static_cast<int>(m_dOriginX);
  m_nOriginY = static_cast<int>(m_dOriginY);
}

void CPoolBall::Slide() {
  if (m_dSide != 0.0) m_dSide = m_dSide > 0 ? std::max(0.0, m_dSide - kSideWear) : std::min(0.0, m_dSide + kSideWear);
  const double ux = m_dVelX - m_dSpinX, uy = m_dVelY - m_dSpinY, slip = pmath::Hypot(ux, uy);
  if (slip < 1e-9) {
    m_bRolling = true;
    return;
  }
  ReoriginExact();
  const double friction = kSlideFriction;
  // The slip goes at 7/2 of the friction: the last step takes just what is left.
  const double j = std::min(friction, slip * 2.0 / 7.0);
  double vx = m_dVelX - j * ux / slip, vy = m_dVelY - j * uy / slip;
  m_dSpinX += 2.5 * j * ux / slip;
  m_dSpinY += 2.5 * j * uy / slip;
  if (j < friction) {
    // The slip is gone: the ball rolls, spin and velocity agreeing.
    m_dSpinX = vx;
    m_dSpinY = vy;
    m_bRolling = true;
  }
  m_dSpeed = pmath::Hypot(vx, vy);
  if (m_dSpeed > 0.0) m_dHeading = pmath::Atan2(-vy, vx);
  m_dVelX = vx;
  m_dVelY = vy;
  if (m_bRolling && m_dSpeed < 0.5) {
    m_dSpeed = m_dVelX = m_dVelY = 0;
    m_dSpinX = m_dSpinY = 0;
    m_bSpinning = false;
  }
}

void CPoolBall::EnglishOffCushion(bool bHorizontal, double inVx, double inVy) {
  const double in = pmath::Hypot(inVx, inVy);
  if (in <= 0.0 || m_dSpeed <= 0.0) return;
  // Right of the way the ball came in (the screen's y runs down).
  const double rightX = -inVy / in, rightY = inVx / in;
  // Along the cushion: a side cushion (bHorizontal: x reversed) runs up and down.
  const double alongX = bHorizontal ? 0.0 : 1.0, alongY = bHorizontal ? 1.0 : 0.0;
  const double side = rightX * alongX + rightY * alongY >= 0 ? 1.0 : -1.0;
  const double kick = kCushionGrip * m_dSide * side;
  const double vx = m_dVelX + kick * alongX, vy = m_dVelY + kick * alongY;
  if (pmath::Hypot(vx, vy) <= 0.0) return;
  // The cushion's speed, turned: english steers, it never adds. The run
  // starts where the rebound put the ball.
  m_dHeading = pmath::Atan2(-vy, vx);
  ApplyHeading();
  m_dSide *= 1.0 - kCushionGrip;
}

void pool::ThrowStruckBall(const CPoolBall& cue, CPoolBall& struck, double cx, double cy) {
  if (cue.m_dSide == 0.0 || struck.m_dSpeed <= 0.0) return;
  double nx = struck.GetPosX() - cx, ny = struck.GetPosY() - cy;
  const double d = pmath::Hypot(nx, ny);
  if (d < 1e-9) return;
  nx /= d;
  ny /= d;
  // The cue ball's surface drags the struck ball away from the side of the tip, as far as
  // ball-on-ball friction allows.
  const double amount = std::min(kBallOnBall * struck.m_dSpeed, std::fabs(cue.m_dSide) * kBallOnBall);
  const double sign = cue.m_dSide > 0 ? -1.0 : 1.0;
  const double vx = struck.m_dVelX + sign * amount * -ny, vy = struck.m_dVelY + sign * amount * nx;
  struck.SetMotion(vx, vy, struck.m_dSpeed);  // turned, never sped up
}
