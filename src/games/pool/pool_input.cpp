// SPDX-License-Identifier: GPL-3.0-or-later
// The human's turn: calling a pocket for the 8-ball, aiming by dragging away
// from the cue ball with the aim line drawn on the window, placing the cue
// ball in hand, and the shot on release.
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "games/pool/pool.h"
#include "platform/dc.h"
#include "platform/host.h"

using namespace pool;

namespace {
constexpr int kAimLineMargin = 10;
}  // namespace

void CPool::AimPower(CPoint cue, CPoint mouse) {
  m_dPower = pool::AimPower(cue, mouse);
  m_dAngle = pool::AimAngle(cue, mouse);
}

void CPool::DrawAimLine(CPoint to) {
  // Straight onto the window with the default pen: the line is not part of the composed frame.
  CDC dc(GetHost());
  const CPoint cue = CuePoint();
  dc.MoveTo(cue.x, cue.y);
  dc.LineTo(to.x, to.y);
}

void CPool::EraseAimLine(CPoint from, CPoint to, CQuintaroView* pView) {
  CRect rect(from.x, from.y, to.x, to.y);
  rect.NormalizeRect();
  rect.InflateRect(kAimLineMargin, kAimLineMargin);
  pView->AddDirtyRect(&rect);
  pView->FlushDirtyRects();
}

void CPool::OnLButtonDown(UINT /*nFlags*/, int x, int y, CQuintaroView* pView) {
  if (!pView || !SceneIsOurs() || m_bMoving) return;
  const CPlayer* player = Doc().m_pCurrentPlayer;
  // On the 8-ball a pocket must be called before aiming.
  if (IsOnEightBall(player) && !m_bGameOver && !m_bPocketCalled) return;
  if (!m_pCueBall->m_bOnTable) {
    pView->m_turn.m_bDragging = TRUE;  // ball in hand: the release places it
    return;
  }
  Host& host = pView->GetHost();
  m_ptAim = {x, y};
  host.SetCapture(host.ViewWindow());
  pView->m_turn.m_bDragging = TRUE;
  AimPower(CuePoint(), m_ptAim);
  SetStatusText(0, ShootsAt(player));
  DrawAimLine(m_ptAim);
}

void CPool::OnMouseMove(UINT /*nFlags*/, int x, int y, CQuintaroView* pView) {
  if (!pView || !SceneIsOurs() || m_bMoving || !pView->m_turn.m_bDragging || !m_pCueBall->m_bOnTable) return;
  // The power and angle follow the point of the previous event, as the line drawn there shows.
  AimPower(CuePoint(), m_ptAim);
  EraseAimLine(CuePoint(), m_ptAim, pView);
  DrawAimLine({x, y});
  m_ptAim = {x, y};
}

void CPool::PlaceCueBall(int x, int y) {
  if (!pool::InKitchen({x, y})) return;
  // A cue ball put down on top of another ball could never make a legal shot.
  for (int n = 1; n < kBallCount; ++n) {
    const CPoolBall& b = Ball(n);
    const int dx = b.GetPosX() - x, dy = b.GetPosY() - y;
    if (b.m_bOnTable && dx * dx + dy * dy < kBallDiameter * kBallDiameter) return;
  }
  m_pCueBall->MoveTo(x, y);
  m_pCueBall->m_bOnTable = TRUE;
  m_pCueBall->SetVelocity(0, 0);
}

void CPool::OnLButtonUp(UINT /*nFlags*/, int x, int y, CQuintaroView* pView) {
  if (!pView || !SceneIsOurs()) return;
  const CPlayer* player = Doc().m_pCurrentPlayer;
  const bool onEight = IsOnEightBall(player) && !m_bGameOver;
  if (onEight && !m_bPocketCalled) {
    SetStatusText(0, "Select Pocket for 8 ball.");
    const int pocket = PickPocket(x, y);
    if (pocket >= 0) {
      m_nCalledPocket = pocket;
      m_bPocketCalled = TRUE;
      SetStatusText(0, PocketMessage(pocket));
    }
    return;
  }
  if (m_bMoving || !pView->m_turn.m_bDragging) {
    ClosingPrompt();
    return;
  }
  pView->GetHost().ReleaseCapture();
  pView->m_turn.m_bDragging = FALSE;
  EraseAimLine(CuePoint(), {x, y}, pView);
  SetStatusText(0, ShootsAt(player));
  if (!m_pCueBall->m_bOnTable) {
    PlaceCueBall(x, y);
    m_bCuePlaced = TRUE;
    // Let go outside the kitchen (or on a ball), it is still in hand: say so.
    if (!m_pCueBall->m_bOnTable) ClosingPrompt();
    pView->FlushDirtyRects();
    return;
  }
  ShootFromRelease(pView);
}

void CPool::ShootFromRelease(CQuintaroView* pView) {
  CQuintaroDoc& doc = Doc();
  doc.m_bGameInProgress = TRUE;
  if (doc.m_pCurrentPlayer && doc.m_pCurrentPlayer->m_bComputer) {
    // The click that starts a computer player that has the first turn.
    if (doc.m_bFirstComputerTurn) {
      doc.m_bFirstComputerTurn = FALSE;
      PostComputerTurn();
    }
    return;
  }
  if (m_bCuePlaced) {
    if (!CheckLegalShot()) {
      SetStatusText(0, "Illegal shot - try again");
      return;
    }
    m_bCuePlaced = FALSE;
    SetStatusText(0, "Legal shot");
  }
  // The call is spent by the shot it was made for: the next shot at the 8
  // needs a new one. Putting the cue ball down, or a shot refused from the
  // kitchen, does not spend it.
  if (IsOnEightBall(doc.m_pCurrentPlayer) && !m_bGameOver) m_bPocketCalled = FALSE;
  AnimateShot(&doc.m_sprites, pView);
  if (m_bInterrupted) {
    m_bInterrupted = FALSE;
    return;
  }
  EndOfShot(&doc, pView);
  pView->FlushDirtyRects();
  if (doc.m_pCurrentPlayer && doc.m_pCurrentPlayer->m_bComputer) {
    HandOverToComputer();
    return;
  }
  pView->m_turn.m_bComputerPlaying = FALSE;
  if (!m_bResultShown) ClosingPrompt();
}
