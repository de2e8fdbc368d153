// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/bowling/model/bowl_ball.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <cmath>

#include "games/bowling/model/bowl_geometry.h"

namespace bowling {

namespace {

constexpr double kStopSpeed = 0.01;

// Pin fall sequences: the first entry is never shown, as the index moves on
// before each picture.
constexpr int kFallRight0[] = {0, 5, 1};
constexpr int kFallRight1[] = {0, 5, 1, 11};
constexpr int kFallRight2[] = {0, 5, 1, 6, 9};
constexpr int kFallLeft0[] = {0, 4, 3};
constexpr int kFallLeft1[] = {0, 4, 3, 10};
// Knocked straight back: the pin lies along the lane.
constexpr int kFallBack[] = {0, 2};

template <std::size_t N>
void Pick(const int (&cels)[N], const int*& pCels, int& nCels) {
  pCels = cels;
  nCels = static_cast<int>(N);
}

int Trunc(double v) { return static_cast<int>(v); }

}  // namespace

CBowlBall::CBowlBall(BodySprite* pSprite, BodySound* pSound, double dMass, double dRadius, int nSpeedIndex,
                     double dHeading, double dCelDistance, int nLastCel, RandSource rand)
    : m_pSprite(pSprite),
      m_pSound(pSound),
      m_dMass(dMass),
      m_dRadius(dRadius),
      m_dCelDistance(dCelDistance),
      m_nLastCel(nLastCel),
      m_nSpeedIndex(std::clamp(nSpeedIndex, 0, static_cast<int>(kSpeedTable.size()) - 1)),
      m_rand(std::move(rand)) {
  m_dSpeed = kSpeedTable[static_cast<std::size_t>(m_nSpeedIndex)];
  SetHeading(dHeading);
  if (m_pSprite) {
    m_dX = m_pSprite->GetPosX();
    m_dY = m_pSprite->GetPosY();
  }
}

void CBowlBall::SetHeading(double dHeading) {
  m_dHeading = dHeading;
  m_dCos = pmath::Cos(dHeading);
  m_dSin = pmath::Sin(dHeading);
  m_dVelX = m_dCos * m_dSpeed;
  m_dVelY = -(m_dSin * m_dSpeed);
}

void CBowlBall::SetPosition(double x, double y) {
  m_dX = x;
  m_dY = y;
  if (m_pSprite) m_pSprite->SetPosition(Trunc(x), Trunc(y));
}

void CBowlBall::SetSpeedIndex(int nSpeedIndex) {
  m_nSpeedIndex = std::clamp(nSpeedIndex, 0, static_cast<int>(kSpeedTable.size()) - 1);
  m_dSpeed = kSpeedTable[static_cast<std::size_t>(m_nSpeedIndex)];
}

void CBowlBall::Halt() {
  m_dSpeed = 0.0;
  m_dVelX = 0.0;
  m_dVelY = 0.0;
}

void CBowlBall::ShowCel(int nCel) {
  m_nCel = nCel;
  m_dTravel = 0.0;
  if (m_pSprite) m_pSprite->SetCel(nCel);
}

void CBowlBall::StopDead() {
  Halt();
  m_bAtRest = TRUE;
}

BOOL CBowlBall::IsOnDeck() const { return kDeck.PtInRect(CPoint{Trunc(m_dX), Trunc(m_dY)}) ? TRUE : FALSE; }

BOOL CBowlBall::Overlaps(const CBowlBall* pOther) const {
  const double dx = pOther->m_dX - m_dX;
  const double dy = pOther->m_dY - m_dY;
  const double reach = m_dRadius + pOther->m_dRadius;
  return reach * reach > dx * dx + dy * dy ? TRUE : FALSE;
}

void CBowlBall::ChooseFall() {
  // A pin knocked with no sideways motion at all still falls: by the way its
  // heading leans, or straight back.
  const double lean = m_dVelX != 0.0 ? m_dVelX : m_dCos;
  const int k = m_rand ? m_rand() % 3 : 0;
  if (lean > 0.0) {
    if (k == 0) Pick(kFallRight0, m_pFallCels, m_nFallCels);
    else if (k == 1) Pick(kFallRight1, m_pFallCels, m_nFallCels);
    else Pick(kFallRight2, m_pFallCels, m_nFallCels);
  } else if (lean < 0.0) {
    if (k == 0) Pick(kFallLeft0, m_pFallCels, m_nFallCels);
    else Pick(kFallLeft1, m_pFallCels, m_nFallCels);
  } else {
    Pick(kFallBack, m_pFallCels, m_nFallCels);
  }
}

void CBowlBall::SnapIntoGutter(int& ix) {
  if (ix < kLaneLeft) {
    ix = kLeftGutterX;
  } else if (ix > kLaneRight) {
    ix = kRightGutterX;
  } else {
    return;
  }
  m_dX = ix;
  // Straight up the gutter; the velocity is kept, and x is snapped back every step.
  m_dHeading = kHalfPi;
  m_dCos = 0.0;
  m_dSin = 1.0;
  // The ball is snapped back every step it runs in the gutter; it drops in once.
  const bool dropsIn = !(IsBall() && m_bInGutter);
  if (m_pSound && dropsIn) m_pSound->Play(kGutterSound);
  if (IsBall()) m_bInGutter = TRUE;
  if (IsPin()) {
    m_bMoving = FALSE;
    StopDead();
  }
}

void CBowlBall::Animate() {
  if (!m_pSprite) return;
  if (IsPin()) {
    if (++m_nFallTick < m_nStepsPerFallCel) return;
    m_nFallTick = 0;
    ++m_nCel;
    if (m_pFallCels && m_nCel < m_nFallCels) m_pSprite->SetCel(m_pFallCels[m_nCel]);
    return;
  }
  if (m_dTravel > m_dCelDistance) {
    m_nCel = m_nCel >= m_nLastCel ? 0 : m_nCel + 1;
    m_pSprite->SetCel(m_nCel);
    m_dTravel = 0.0;
  }
}

BOOL CBowlBall::Move() {
  if (!m_bMoving || m_dSpeed < kStopSpeed) {
    StopDead();
    return FALSE;
  }
  if (IsPin() && m_bAtRest) {
    m_bAtRest = FALSE;
    m_nCel = 0;
    m_nFallTick = m_nStepsPerFallCel - 1;  // the first picture of the fall shows at once
    ChooseFall();
  }
  m_dTravel += m_dSpeed;
  m_dX += m_dVelX;
  m_dY += m_dVelY;
  int ix = Trunc(m_dX);
  const int iy = Trunc(m_dY);
  if (iy > 0) SnapIntoGutter(ix);
  Animate();
  if (m_pSprite) m_pSprite->SetPosition(ix, iy);
  if (iy <= kOffTopY) {
    m_bMoving = FALSE;
    StopDead();
    return FALSE;
  }
  if (IsPin()) {
    m_dSpeed /= m_dFriction;
    if (m_dSpeed < kStopSpeed) {
      StopDead();
      return FALSE;
    }
    m_dVelX = pmath::Cos(m_dHeading) * m_dSpeed;
    m_dVelY = -(pmath::Sin(m_dHeading) * m_dSpeed);
  }
  return TRUE;
}

}  // namespace bowling
