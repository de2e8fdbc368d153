// SPDX-License-Identifier: GPL-3.0-or-later
// The shooter's hand: starting a turn with a click, picking a ball up (off
// the rack or out of the air), the shooting cursor and the release.
#include "games/basketball/basketball.h"
#include "gfx/sprite.h"
#include "platform/host.h"

using namespace basketball;

void CBasketBall::PickUp(int x, int y) {
  Host& host = GetHost();
  for (int i = 0; i < kBalls; ++i) {
    CSprite* sprite = m_pBallSprites[static_cast<std::size_t>(i)];
    if (!sprite || !sprite->HitTest(x, y)) continue;
    ShotBall& ball = m_balls[static_cast<std::size_t>(i)];
    m_bHolding = TRUE;
    PlaySound(kPickUpSound);
    host.SetCapture(host.ViewWindow());
    Turn().m_bDragging = TRUE;
    m_nHeldBall = i;
    ball.dwStepTick = host.GetTickCount();
    ball.x = static_cast<float>(x);
    ball.y = static_cast<float>(y);
    // A ball caught in the air stops flying: it is in the hand now.
    ball.nState = kOnRack;
    sprite->SetPosition(kHidden.x, kHidden.y);
    // One hand holds one ball: overlapping balls below stay where they are.
    break;
  }
  FlushDirty();
}

void CBasketBall::OnLButtonDown(UINT /*nFlags*/, int x, int y) {
  if (!SceneIsOurs()) return;
  // The click after the final board clears it for the next game, and starts that game.
  ClearFinalBoard();
  if (!m_bTurnRunning && !TryStartTurn()) {
    // Clicked during the pause after a turn: the turn starts once the pause is over.
    m_bStartPending = true;
    StartTimer(m_nAnimTimer, kAnimPeriodMs);
    return;
  }
  if (IsComputerTurn() || m_bHolding) return;
  PickUp(x, y);
}

void CBasketBall::OnMouseMove(UINT /*nFlags*/, int x, int y) {
  Host& host = GetHost();
  if (m_bHolding && m_rcShootZone.PtInRect(CPoint{x, y})) {
    host.SetCursor(static_cast<int>(kShootCursor));
    return;
  }
  // Away from the zone, or with empty hands, the arrow shows again.
  if (host.GetCursorId() == static_cast<int>(kShootCursor)) host.SetCursor(0);
}

void CBasketBall::OnLButtonUp(UINT /*nFlags*/, int x, int y) {
  if (!m_bHolding || !SceneIsOurs()) return;
  Host& host = GetHost();
  host.ReleaseCapture();
  Turn().m_bDragging = FALSE;
  m_bHolding = FALSE;
  const std::size_t i = static_cast<std::size_t>(m_nHeldBall);
  ShotBall& ball = m_balls[i];
  if (m_rcShootZone.PtInRect(CPoint{x, y})) {
    ball.nPower = PowerFromHold(host.GetTickCount() - ball.dwStepTick);
    ball.nTargetX = x;
    ball.nTargetY = y;
    LaunchBall(m_nHeldBall);
  } else {
    ReturnToRack(ball);
    if (CSprite* sprite = m_pBallSprites[i]) {
      sprite->SetCel(0);
      sprite->SetDepth(kBallSpriteDepth);
      sprite->SetPosition(ball.nRestX, ball.nRestY);
    }
  }
  if (host.GetCursorId() == static_cast<int>(kShootCursor)) host.SetCursor(0);
  FlushDirty();
}
