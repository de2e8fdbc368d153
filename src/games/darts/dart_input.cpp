// SPDX-License-Identifier: GPL-3.0-or-later
// The user's side of a throw: picking a dart from the tray, putting it back,
// the stroke from the throw zone to the board, and the cursors.
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "games/darts/dart.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"

using namespace darts;

void CDart::PickDart(int nTray, CQuintaroView* pView) {
  CSprite* dart = m_trayDarts[static_cast<std::size_t>(nTray)];
  PlaySound(kPickSound);
  pView->m_turn.m_pSelSprite = dart;
  pView->m_turn.m_nSelX = dart->GetX();
  pView->m_turn.m_nSelY = dart->GetY();
  m_trayUsed[static_cast<std::size_t>(nTray)] = true;
  m_ptHandBeforePick = {m_pHandDart->GetX(), m_pHandDart->GetY()};
  dart->SetPosition(kHiddenXY, kHiddenXY);
  m_pHandDart->SetPosition(kHandPosition.x, kHandPosition.y);
  pView->FlushDirtyRects();
  Doc().m_bGameInProgress = TRUE;
}

void CDart::PutDartBack(CQuintaroView* pView) {
  CSprite* dart = pView->m_turn.m_pSelSprite;
  if (!dart) return;
  dart->SetPosition(pView->m_turn.m_nSelX, pView->m_turn.m_nSelY);
  m_pHandDart->SetPosition(kHiddenXY, kHiddenXY);
  pView->FlushDirtyRects();
  for (int i = 0; i < kTrayDarts; ++i)
    if (m_trayDarts[static_cast<std::size_t>(i)] == dart) m_trayUsed[static_cast<std::size_t>(i)] = false;
  pView->m_turn.m_pSelSprite = nullptr;
}

void CDart::StartStroke(int x, int y, CQuintaroView* pView) {
  Host& host = pView->GetHost();
  m_dwThrowTime = host.GetTickCount();
  host.SetCursor(static_cast<int>(kThrowingCursor));
  host.SetCapture(host.ViewWindow());
  m_ptPress = {x, y};
  pView->m_turn.m_bDragging = TRUE;
}

void CDart::OnLButtonDown(UINT /*nFlags*/, int x, int y, CQuintaroView* pView) {
  // Whose seat it is now decides, not what the seat was when the game began:
  // the players dialog may have handed a computer's seat to the user.
  if (!pView || m_bGameOver || IsComputerTurn() || !SceneIsOurs()) return;
  pView->m_turn.m_bComputerPlaying = FALSE;
  const CPoint pt{x, y};
  if (!pView->m_turn.m_pSelSprite) {
    if (m_rcTray.PtInRect(pt)) {
      const int tray = TrayDartAt(x, y);
      if (tray >= 0) PickDart(tray, pView);
    }
    return;
  }
  if (m_rcTray.PtInRect(pt)) PutDartBack(pView);
  // Only a dart in hand can be thrown.
  if (pView->m_turn.m_pSelSprite && m_rcThrowZone.PtInRect(pt)) StartStroke(x, y, pView);
}

void CDart::OnMouseMove(UINT /*nFlags*/, int x, int y, CQuintaroView* /*pView*/) {
  ShowHoldCursor(m_rcThrowZone.PtInRect(CPoint{x, y}), static_cast<int>(kReadyCursor),
                 static_cast<int>(kThrowingCursor));
}

void CDart::OnLButtonUp(UINT /*nFlags*/, int x, int y, CQuintaroView* pView) {
  if (!pView) return;
  if (m_bGameOver) {
    RestartGame();  // the final board stayed up until this click; the click starts the next game
    return;
  }
  Host& host = pView->GetHost();
  if (pView->m_turn.m_bDragging && !pView->m_turn.m_bComputerPlaying) {
    if (m_rcBoard.PtInRect(CPoint{x, y}) && pView->m_turn.m_pSelSprite && SceneIsOurs()) {
      m_dwThrowTime = host.GetTickCount() - m_dwThrowTime;
      m_ptRelease = {x, y};
      const ThrowResult result = ResolveThrow(pView, true);
      if (result == ThrowResult::GameOver) return;
      const CPlayer* next = Doc().m_pCurrentPlayer;
      if (result != ThrowResult::PlayOn && next && next->m_bComputer) PostComputerTurn();
    }
    // A release anywhere else throws nothing: the dart stays in hand for another stroke.
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
