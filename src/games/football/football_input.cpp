// SPDX-License-Identifier: GPL-3.0-or-later
// The user's side of a pass: taking a football from the rack, putting it
// back, the drag from the throwing zone to the board, and the cursors.
#include "games/football/football.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"

using namespace football;

void CFootBall::PlaceThrowZone() {
  if (m_bZonePlaced) return;
  const int shift = Random(kZoneShiftRange, FALSE);
  m_rcThrowZone = {kFirstThrowZone.left + shift, kFirstThrowZone.top, kFirstThrowZone.right + shift,
                   kFirstThrowZone.bottom};
  if (m_pZoneMarker) m_pZoneMarker->SetPosition(m_rcThrowZone.left, m_rcThrowZone.top);
  m_bZonePlaced = TRUE;
}

void CFootBall::PickUpBall(CSprite* pBall) {
  PlaySound(kPickSound);
  Turn().Select(pBall, pBall->GetPosX(), pBall->GetPosY());
  PlaceThrowZone();
  pBall->SetPosition(kHiddenXY, kHiddenXY);
  FlushDirty();
  SetGameInProgress(TRUE);
}

void CFootBall::PutBallBack() {
  CSprite* ball = Turn().m_pSelSprite;
  if (ball) ball->SetPosition(Turn().m_nSelX, Turn().m_nSelY);
  HideFlyingBall();
  FlushDirty();
  Turn().Deselect();
}

void CFootBall::StartDrag(int x, int y) {
  Host& host = GetHost();
  m_dwThrowTime = host.GetTickCount();
  host.SetCursor(static_cast<int>(kThrowingCursor));
  host.SetCapture(host.ViewWindow());
  m_ptPress = {x, y};
  Turn().m_bDragging = TRUE;
}

void CFootBall::OnLButtonDown(UINT /*nFlags*/, int x, int y) {
  // Over the final board the click's release starts the next game.
  if (!SceneIsOurs() || m_bGameOver || Turn().m_bComputerPlaying) return;
  const CPoint pt{x, y};
  if (!Turn().m_pSelSprite) {
    if (m_rcRack.PtInRect(pt))
      if (CSprite* ball = RackBallAt(x, y)) PickUpBall(ball);
    return;
  }
  if (m_rcRack.PtInRect(pt)) PutBallBack();
  // Only a ball in hand can be thrown.
  if (Turn().m_pSelSprite && m_rcThrowZone.PtInRect(pt)) StartDrag(x, y);
}

void CFootBall::OnMouseMove(UINT /*nFlags*/, int x, int y) {
  ShowHoldCursor(m_rcThrowZone.PtInRect(CPoint{x, y}), static_cast<int>(kReadyCursor),
                 static_cast<int>(kThrowingCursor));
}

void CFootBall::OnLButtonUp(UINT /*nFlags*/, int x, int y) {
  if (m_bGameOver) {
    // The document replaces this game: nothing of ours may run after this call.
    RestartGame();
    return;
  }
  Host& host = GetHost();
  if (Turn().m_bDragging && !Turn().m_bComputerPlaying) {
    if (m_rcRelease.PtInRect(CPoint{x, y}) && SceneIsOurs() && !ThrowHumanPass(x, y)) return;
    // A release anywhere else throws nothing: the ball stays in hand for another try.
    if (SceneIsOurs()) {
      HideFlyingBall();
      FlushDirty();
    }
    host.ReleaseCapture();
    Turn().m_bDragging = FALSE;
  }
  const bool computer = GetCurrentPlayer() && GetCurrentPlayer()->m_bComputer;
  Turn().m_bComputerPlaying = computer ? TRUE : FALSE;
  if (computer) StartComputerOnClick();
}

bool CFootBall::ThrowHumanPass(int x, int y) {
  Host& host = GetHost();
  m_dwThrowTime = host.GetTickCount() - m_dwThrowTime;
  m_ptRelease = {x, y};
  if (!ResolvePass(true)) return false;
  if (PossessionOver()) ChangePossession(false);
  return true;
}
