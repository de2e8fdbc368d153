// SPDX-License-Identifier: GPL-3.0-or-later
// The human's turn: calling a pocket for the 8-ball, aiming by dragging away
// from the cue ball with the cue line and the power gauge drawn on the
// window, placing the cue ball in hand, and the shot on release. After a
// result the next click racks a new game.
#include <algorithm>
#include <cmath>

#include "games/pool/pool.h"
#include "platform/dc.h"
#include "platform/host.h"

using namespace pool;

void CPool::AimPower(CPoint cue, CPoint mouse) {
  m_dPower = pool::AimPower(cue, mouse);
  m_dAngle = pool::AimAngle(cue, mouse);
}

void CPool::OnLButtonDown(UINT /*nFlags*/, int x, int y) {
  // After a result the click racks a new game, on its release.
  if (!SceneIsOurs() || m_bMoving || m_bGameOver) return;
  const CPlayer* player = GetCurrentPlayer();
  if ((!player || !player->m_bComputer) && PickTip(x, y)) {
    FlushDirty();
    return;
  }
  // On the 8-ball a pocket must be called before aiming.
  if (IsOnEightBall(player) && !m_bPocketCalled) return;
  Host& host = GetHost();
  const CPoint cue = CuePoint();
  const bool human = !player || !player->m_bComputer;
  if (m_bInHand && human && (x - cue.x) * (x - cue.x) + (y - cue.y) * (y - cue.y) <= kBallDiameter * kBallDiameter) {
    // A press on the cue ball in hand picks it up; the drag carries it.
    m_bCarrying = TRUE;
    host.SetCapture(host.ViewWindow());
    Turn().m_bDragging = TRUE;
    return;
  }
  if (!m_pCueBall->m_bOnTable) {
    Turn().m_bDragging = TRUE;  // ball in hand: the release places it
    return;
  }
  m_ptAim = {x, y};
  host.SetCapture(host.ViewWindow());
  Turn().m_bDragging = TRUE;
  AimPower(CuePoint(), m_ptAim);
  SetStatusText(0, ShootsAt(player));
  if (!player || !player->m_bComputer) DrawAim(m_ptAim);
}

void CPool::OnMouseMove(UINT /*nFlags*/, int x, int y) {
  if (!SceneIsOurs() || m_bMoving || m_bGameOver || !Turn().m_bDragging || !m_pCueBall->m_bOnTable)
    return;
  const CPlayer* player = GetCurrentPlayer();
  if (player && player->m_bComputer) return;
  if (m_bCarrying) {
    CarryCueBall(x, y);
    FlushDirty();
    return;
  }
  // What is shown is what the release will shoot.
  m_ptAim = {x, y};
  AimPower(CuePoint(), m_ptAim);
  EraseAim();
  DrawAim(m_ptAim);
}

void CPool::PlaceCueBall(int x, int y) {
  // Only where a ball can lie: in the kitchen, clear of the cushions and of every mouth.
  if (!pool::InKitchen({x, y}) || x < kBedLeft || x > kBedRight || y < kBedTop || y > kBedBottom) return;
  for (const PocketMouth& m : kPocketMouths)
    if ((m.x - x) * (m.x - x) + (m.y - y) * (m.y - y) < m.radius * m.radius) return;
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

void CPool::OnLButtonUp(UINT /*nFlags*/, int x, int y) {
  if (!SceneIsOurs()) return;
  if (m_bGameOver && !m_bMoving) {
    RestartGame();  // the result stayed up until this click; the click racks the next game
    return;
  }
  const CPlayer* player = GetCurrentPlayer();
  const bool computer = player && player->m_bComputer;
  if (IsOnEightBall(player) && !m_bPocketCalled && !computer) {
    SetStatusText(0, "Select Pocket for 8 ball.");
    const int pocket = PickPocket(x, y);
    if (pocket >= 0) {
      m_nCalledPocket = pocket;
      m_bPocketCalled = TRUE;
      SetStatusText(0, PocketMessage(pocket));
    }
    return;
  }
  if (m_bMoving || !Turn().m_bDragging) {
    ClosingPrompt();
    return;
  }
  if (m_bCarrying) {
    // The cue ball is put down where it was carried to; the player aims next.
    CarryCueBall(x, y);
    m_bCarrying = FALSE;
    GetHost().ReleaseCapture();
    Turn().m_bDragging = FALSE;
    FlushDirty();
    ClosingPrompt();
    return;
  }
  GetHost().ReleaseCapture();
  Turn().m_bDragging = FALSE;
  EraseAim();
  if (!m_pCueBall->m_bOnTable && !computer) {
    SetStatusText(0, ShootsAt(player));
    PlaceCueBall(x, y);
    m_bCuePlaced = TRUE;
    // Let go outside the kitchen (or on a ball), it is still in hand: say so.
    if (!m_pCueBall->m_bOnTable) ClosingPrompt();
    FlushDirty();
    return;
  }
  // The shot goes where the line pointed, as hard as the gauge showed, when the button came up.
  if (m_pCueBall->m_bOnTable) AimPower(CuePoint(), {x, y});
  ShootFromRelease();
}

void CPool::ShootFromRelease() {
  if (GetCurrentPlayer() && GetCurrentPlayer()->m_bComputer) {
    // The click that starts a computer player that has the first turn.
    StartComputerOnClick();
    return;
  }
  if (m_dPower <= 0.0) {
    // A click on the cue ball, or too short a drag: no shot, and the turn stays.
    ClosingPrompt();
    return;
  }
  SetGameInProgress(TRUE);
  SetStatusText(0, ShootsAt(GetCurrentPlayer()));
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
  if (IsOnEightBall(GetCurrentPlayer()) && !m_bGameOver) m_bPocketCalled = FALSE;
  AnimateShot(&Sprites());
  if (m_bInterrupted) {
    m_bInterrupted = FALSE;
    return;
  }
  EndOfShot();
  FlushDirty();
  if (GetCurrentPlayer() && GetCurrentPlayer()->m_bComputer) {
    HandOverToComputer();
    return;
  }
  Turn().m_bComputerPlaying = FALSE;
  if (!m_bResultShown) ClosingPrompt();
  AskPushOut();
  if (IsCurrentGame() && !m_bResultShown) ClosingPrompt();
}
