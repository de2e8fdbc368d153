// SPDX-License-Identifier: GPL-3.0-or-later
// The user's swing: the press on the approach, the drag with the ball at the
// foul line and the guide up the lane, Shift or Ctrl for the hook, and the
// release that rolls the ball.
#include <algorithm>

#include "games/bowling/bowl.h"
#include "games/bowling/model/bowl_swing.h"
#include "platform/host.h"

using namespace bowling;

namespace {
constexpr UINT kSwingTimer = 31;   // keeps the speed gauge moving while the pointer rests
constexpr UINT kSwingTimerMs = 40;
constexpr const char* kSpinOffHint = "Spin is off: set it in Options > Game Controls to hook with Shift or Ctrl.";
}  // namespace

void CBowl::OnLButtonDown(UINT /*nFlags*/, int x, int y) {
  if (m_bGameOver) return;  // the final sheet waits for the release
  SetGameInProgress(TRUE);
  m_bPressSeen = true;
  if (Turn().m_bComputerPlaying || m_bRolling || !m_rcPressZone.PtInRect(CPoint{x, y}) || !SceneIsOurs())
    return;
  Host& host = GetHost();
  m_dwPressTick = host.GetTickCount();
  host.SetCursor(static_cast<int>(kDragCursor));
  host.SetCapture(host.ViewWindow());
  Turn().m_bDragging = TRUE;
  m_ptPress = {MapX(x), y};
  m_bKeyDown = m_bShiftKey = m_bCtrlKey = FALSE;
  m_dwKeyTime = 0;
  // The ball leaves the return for the foul line, under the pointer.
  ShowSwing(x, y);
  StartTimer(kSwingTimer, kSwingTimerMs);
}

void CBowl::OnMouseMove(UINT /*nFlags*/, int x, int y) {
  Host& host = GetHost();
  const CPoint pt{x, y};
  if (Turn().m_bDragging) {
    if (m_rcReleaseZone.PtInRect(pt))
      host.SetCursor(static_cast<int>(kReleaseCursor));
    else if (kLowerLane.PtInRect(pt) || m_rcPressZone.PtInRect(pt))
      host.SetCursor(static_cast<int>(kDragCursor));
    if (!m_bRolling && SceneIsOurs()) ShowSwing(x, y);
    return;
  }
  // Without a drag the window's own arrow shows again, as the system restores
  // a window's class cursor on every move that is not captured.
  const int shown = host.GetCursorId();
  if (shown == static_cast<int>(kDragCursor) || shown == static_cast<int>(kReleaseCursor)) host.SetCursor(0);
}

void CBowl::OnTimer(UINT nIDEvent) {
  if (nIDEvent != kSwingTimer) return;
  if (!Turn().m_bDragging || m_bRolling || !SceneIsOurs()) {
    StopTimer(kSwingTimer);
    return;
  }
  ShowSwing(m_ptPointer.x, m_ptPointer.y);
}

void CBowl::StopGame() { StopTimer(kSwingTimer); }

void CBowl::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
  const bool shift = nChar == VK_SHIFT;
  const bool ctrl = nChar == VK_CONTROL;
  if (m_bRolling || (!shift && !ctrl)) return;
  // With Spin off the keys would do nothing: say how to make them hook.
  if (m_nSpinDegrees == 0) {
    if (SceneIsOurs() && !Turn().m_bComputerPlaying) SetStatusText(0, kSpinOffHint);
    return;
  }
  if (!Turn().m_bDragging) return;
  // The repeat of the key being timed is ignored; the other key starts the timing afresh.
  if ((shift && m_bShiftKey) || (ctrl && m_bCtrlKey)) return;
  m_bKeyDown = TRUE;
  m_bShiftKey = shift ? TRUE : FALSE;
  m_bCtrlKey = ctrl ? TRUE : FALSE;
  m_dwKeyTime = GetHost().GetTickCount();
  if (SceneIsOurs()) ShowSwing(m_ptPointer.x, m_ptPointer.y);
}

void CBowl::OnKeyUp(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
  if (!Turn().m_bDragging || m_bRolling || !m_bKeyDown) return;
  if (nChar == VK_SHIFT && m_bShiftKey) {
    m_bShiftKey = FALSE;
    m_bHookRight = FALSE;  // the key let go decides the way, as the guide showed it
  } else if (nChar == VK_CONTROL && m_bCtrlKey) {
    m_bCtrlKey = FALSE;
    m_bHookRight = TRUE;
  } else {
    return;
  }
  m_bKeyDown = FALSE;
  m_dwKeyTime = GetHost().GetTickCount() - m_dwKeyTime;
  if (SceneIsOurs()) ShowSwing(m_ptPointer.x, m_ptPointer.y);
}

double CBowl::SpinFactorNow(DWORD now) const {
  return SpinFactor(m_bKeyDown ? now - m_dwKeyTime : m_dwKeyTime);
}

Throw CBowl::SwingThrow(int x, int y, DWORD now) const {
  const int onApproach = std::clamp(x, static_cast<int>(m_rcPressZone.left), static_cast<int>(m_rcPressZone.right) - 1);
  const bool right = m_bKeyDown ? m_bCtrlKey != FALSE : m_bHookRight != FALSE;
  return ThrowFromSwing(m_ptPress, CPoint{MapX(onApproach), y}, now - m_dwPressTick, m_nSpinDegrees,
                        SpinFactorNow(now), right);
}

bool CBowl::TakeRelease(int x, int y, DWORD now) {
  const CPoint pt{x, y};
  if (m_rcReleaseZone.PtInRect(pt)) {
    const DWORD hold = now - m_dwPressTick;
    m_ptRelease = {MapX(x), y};
    m_nSpeedIndex = SpeedIndexForSwing(hold);
    m_throw = ThrowFromSwing(m_ptPress, m_ptRelease, hold, m_nSpinDegrees, m_dSpinFactor, m_bHookRight != FALSE);
    // A quick swing throws fast and hooks late; a slow one throws slow and hooks early.
    m_dHookStep = m_throw.hook.dTurn < 0.0 ? -m_throw.hook.dTurn : m_throw.hook.dTurn;
    m_nHookLine = static_cast<int>(m_throw.hook.dStartY);
    m_pBall->m_bMoving = TRUE;
    return true;
  }
  if (kAboveReleaseZone.PtInRect(pt)) {
    m_bNoRoll = TRUE;
    PlaySound(kNoRollSound);
    m_pBall->m_bMoving = FALSE;
    return true;
  }
  return false;  // no ball: the player simply swings again
}

void CBowl::OnLButtonUp(UINT /*nFlags*/, int x, int y) {
  if (m_bGameOver && !m_bRolling) {
    RestartGame();  // the final sheet stayed up until this click; the click starts the next game
    return;
  }
  Host& host = GetHost();
  if (Turn().m_bDragging && !Turn().m_bComputerPlaying && !m_bRolling && SceneIsOurs()) {
    const DWORD now = host.GetTickCount();
    StopTimer(kSwingTimer);
    if (m_bKeyDown) {  // the key is still held: its time ends here
      m_bKeyDown = FALSE;
      m_dwKeyTime = now - m_dwKeyTime;
      m_bHookRight = m_bCtrlKey ? TRUE : FALSE;
      m_bShiftKey = m_bCtrlKey = FALSE;
    }
    m_dSpinFactor = SpinFactor(m_dwKeyTime);
    const bool thrown = TakeRelease(x, y, now);
    // The swing is over: the pointer is free for the menu and the tool bar
    // while the ball rolls.
    host.ReleaseCapture();
    if (thrown) {
      ++m_nBallInFrame;
      AnimateShot(&Sprites());
      if (!SceneIsOurs()) return;  // the game was quit during the roll
      UpdateScoreboard(&Players(), FALSE, CurrentSeat());
      if (!AfterHumanBall()) return;
    } else {
      // Let go beside the approach: the ball goes back to the return.
      HideSwing();
      m_pBall->SetPosition(kReturnX, kReturnRestY);
      FlushDirty();
    }
    m_bNoRoll = FALSE;
    Turn().m_bDragging = FALSE;
  }
  const bool computer = GetCurrentPlayer() && GetCurrentPlayer()->m_bComputer;
  Turn().m_bComputerPlaying = computer ? TRUE : FALSE;
  // The release of the title's click that chose this game is not the click
  // the prompt asks for: the first computer bowler waits for a press of ours.
  if (computer && m_bPressSeen && AwaitingComputerClick()) {
    SetStatusText(0, "");  // the prompt is answered: it must not stay up while the computer bowls
    PlaySound(kStartComputerSound);
    Turn().BeginLoop();  // only an Escape pressed from now on abandons the computers' game
    StartComputerOnClick(false);  // the game is under way once the first ball rolls
  }
  m_dwKeyTime = 0;
  m_bKeyDown = m_bShiftKey = m_bCtrlKey = FALSE;
}
