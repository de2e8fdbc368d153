// SPDX-License-Identifier: GPL-3.0-or-later
// The user's side of a throw: picking a dart from the tray, putting it back,
// the stroke from the throw zone to the board, and the cursors.
#include "games/darts/dart.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"

using namespace darts;

void CDart::PickDart(int nTray) {
  CSprite* dart = m_trayDarts[static_cast<std::size_t>(nTray)];
  PlaySound(kPickSound);
  Turn().m_pSelSprite = dart;
  Turn().m_nSelX = dart->GetX();
  Turn().m_nSelY = dart->GetY();
  m_trayUsed[static_cast<std::size_t>(nTray)] = true;
  m_ptHandBeforePick = {m_pHandDart->GetX(), m_pHandDart->GetY()};
  dart->SetPosition(kHiddenXY, kHiddenXY);
  m_pHandDart->SetPosition(kHandPosition.x, kHandPosition.y);
  FlushDirty();
  SetGameInProgress(TRUE);
}

void CDart::PutDartBack() {
  CSprite* dart = Turn().m_pSelSprite;
  if (!dart) return;
  dart->SetPosition(Turn().m_nSelX, Turn().m_nSelY);
  m_pHandDart->SetPosition(kHiddenXY, kHiddenXY);
  FlushDirty();
  for (int i = 0; i < kTrayDarts; ++i)
    if (m_trayDarts[static_cast<std::size_t>(i)] == dart) m_trayUsed[static_cast<std::size_t>(i)] = false;
  Turn().m_pSelSprite = nullptr;
}

void CDart::StartStroke(int x, int y) {
  Host& host = GetHost();
  m_dwThrowTime = host.GetTickCount();
  host.SetCursor(static_cast<int>(kThrowingCursor));
  host.SetCapture(host.ViewWindow());
  m_ptPress = {x, y};
  Turn().m_bDragging = TRUE;
}

void CDart::OnLButtonDown(UINT /*nFlags*/, int x, int y) {
  // Whose seat it is now decides, not what the seat was when the game began:
  // the players dialog may have handed a computer's seat to the user.
  if (m_bGameOver || IsComputerTurn() || !SceneIsOurs()) return;
  Turn().m_bComputerPlaying = FALSE;
  const CPoint pt{x, y};
  if (!Turn().m_pSelSprite) {
    if (m_rcTray.PtInRect(pt)) {
      const int tray = TrayDartAt(x, y);
      if (tray >= 0) PickDart(tray);
    }
    return;
  }
  if (m_rcTray.PtInRect(pt)) PutDartBack();
  // Only a dart in hand can be thrown.
  if (Turn().m_pSelSprite && m_rcThrowZone.PtInRect(pt)) StartStroke(x, y);
}

void CDart::OnMouseMove(UINT /*nFlags*/, int x, int y) {
  ShowHoldCursor(m_rcThrowZone.PtInRect(CPoint{x, y}), static_cast<int>(kReadyCursor),
                 static_cast<int>(kThrowingCursor));
}

void CDart::OnLButtonUp(UINT /*nFlags*/, int x, int y) {
  if (m_bGameOver) {
    RestartGame();  // the final board stayed up until this click; the click starts the next game
    return;
  }
  Host& host = GetHost();
  if (Turn().m_bDragging && !Turn().m_bComputerPlaying) {
    if (m_rcBoard.PtInRect(CPoint{x, y}) && Turn().m_pSelSprite && SceneIsOurs()) {
      m_dwThrowTime = host.GetTickCount() - m_dwThrowTime;
      m_ptRelease = {x, y};
      const ThrowResult result = ResolveThrow(true);
      if (result == ThrowResult::GameOver) return;
      const CPlayer* next = GetCurrentPlayer();
      if (result != ThrowResult::PlayOn && next && next->m_bComputer) PostComputerTurn();
    }
    // A release anywhere else throws nothing: the dart stays in hand for another stroke.
    host.ReleaseCapture();
    Turn().m_bDragging = FALSE;
  }
  const bool computer = GetCurrentPlayer() && GetCurrentPlayer()->m_bComputer;
  Turn().m_bComputerPlaying = computer ? TRUE : FALSE;
  if (computer) StartComputerOnClick();
}
