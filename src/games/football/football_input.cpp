// SPDX-License-Identifier: GPL-3.0-or-later
// The user's side of a pass: taking a football from the rack, putting it
// back, the drag from the throwing zone to the board, and the cursors.
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
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

void CFootBall::PickUpBall(CSprite* pBall, CQuintaroView* pView) {
  PlaySound(kPickSound);
  pView->m_turn.Select(pBall, pBall->GetPosX(), pBall->GetPosY());
  PlaceThrowZone();
  pBall->SetPosition(kHiddenXY, kHiddenXY);
  pView->FlushDirtyRects();
  Doc().m_bGameInProgress = TRUE;
}

void CFootBall::PutBallBack(CQuintaroView* pView) {
  CSprite* ball = pView->m_turn.m_pSelSprite;
  if (ball) ball->SetPosition(pView->m_turn.m_nSelX, pView->m_turn.m_nSelY);
  HideFlyingBall();
  pView->FlushDirtyRects();
  pView->m_turn.Deselect();
}

void CFootBall::StartDrag(int x, int y, CQuintaroView* pView) {
  Host& host = pView->GetHost();
  m_dwThrowTime = host.GetTickCount();
  host.SetCursor(static_cast<int>(kThrowingCursor));
  host.SetCapture(host.ViewWindow());
  m_ptPress = {x, y};
  pView->m_turn.m_bDragging = TRUE;
}

void CFootBall::OnLButtonDown(UINT /*nFlags*/, int x, int y, CQuintaroView* pView) {
  // Over the final board the click's release starts the next game.
  if (!pView || !SceneIsOurs() || m_bGameOver || pView->m_turn.m_bComputerPlaying) return;
  const CPoint pt{x, y};
  if (!pView->m_turn.m_pSelSprite) {
    if (m_rcRack.PtInRect(pt))
      if (CSprite* ball = RackBallAt(x, y)) PickUpBall(ball, pView);
    return;
  }
  if (m_rcRack.PtInRect(pt)) PutBallBack(pView);
  // Only a ball in hand can be thrown.
  if (pView->m_turn.m_pSelSprite && m_rcThrowZone.PtInRect(pt)) StartDrag(x, y, pView);
}

void CFootBall::OnMouseMove(UINT /*nFlags*/, int x, int y, CQuintaroView* /*pView*/) {
  ShowHoldCursor(m_rcThrowZone.PtInRect(CPoint{x, y}), static_cast<int>(kReadyCursor),
                 static_cast<int>(kThrowingCursor));
}

void CFootBall::OnLButtonUp(UINT /*nFlags*/, int x, int y, CQuintaroView* pView) {
  if (!pView) return;
  if (m_bGameOver) {
    // The document replaces this game: nothing of ours may run after this call.
    RestartGame();
    return;
  }
  Host& host = pView->GetHost();
  if (pView->m_turn.m_bDragging && !pView->m_turn.m_bComputerPlaying) {
    if (m_rcRelease.PtInRect(CPoint{x, y}) && SceneIsOurs() && !ThrowHumanPass(x, y, pView)) return;
    // A release anywhere else throws nothing: the ball stays in hand for another try.
    if (SceneIsOurs()) {
      HideFlyingBall();
      pView->FlushDirtyRects();
    }
    host.ReleaseCapture();
    pView->m_turn.m_bDragging = FALSE;
  }
  CQuintaroDoc& doc = Doc();
  const bool computer = doc.m_pCurrentPlayer && doc.m_pCurrentPlayer->m_bComputer;
  pView->m_turn.m_bComputerPlaying = computer ? TRUE : FALSE;
  if (computer && doc.m_bFirstComputerTurn) {
    doc.m_bGameInProgress = TRUE;
    PostComputerTurn();
    doc.m_bFirstComputerTurn = FALSE;
  }
}

bool CFootBall::ThrowHumanPass(int x, int y, CQuintaroView* pView) {
  Host& host = pView->GetHost();
  m_dwThrowTime = host.GetTickCount() - m_dwThrowTime;
  m_ptRelease = {x, y};
  if (!ResolvePass(pView, true)) return false;
  if (PossessionOver()) ChangePossession(pView, false);
  return true;
}
