// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse on the chrome: a press on the menu bar runs the menu, the tool
// bar's buttons press and release, and the frame's other messages that
// concern the chrome are taken here.
#include "res/menu_table.h"
#include "ui/frame_chrome.h"
#include "ui/menu_layout.h"

bool CFrameChrome::HandleFrameMessage(const MSG& msg, LRESULT* result) {
  if (result) *result = 0;
  switch (msg.message) {
    case WM_NCLBUTTONDOWN: {
      const CPoint p(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
      const int item = HitTestRects(LayoutMenuBar(MainMenu(), m_layout.menuBar), p);
      if (item >= 0) TrackMenu(item, true);
      return true;
    }
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
      OnChromeMouse(msg);
      return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
      return true;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
      // Normally taken before dispatch; this covers a loop that dispatches directly.
      OnMenuKey(msg);
      return true;
    case WM_TIMER:
      if (msg.wParam != kToolTipTimer) return false;
      OnTipTimer();
      return true;
    case WM_PAINT:
      Redraw();
      return true;
    default:
      return false;
  }
}

void CFrameChrome::OnChromeMouse(const MSG& msg) {
  const CPoint p(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
  switch (msg.message) {
    case WM_LBUTTONDOWN:
      m_altPending = false;
      HideTip();
      m_tipDismissed = true;
      if (m_toolBarVisible && m_toolBar.OnButtonDown(p)) {
        m_host.SetCapture(m_frame);
        DrawToolBarNow();
      }
      return;
    case WM_LBUTTONUP:
      if (m_toolBar.Tracking()) {
        const UINT cmd = m_toolBar.OnButtonUp(p);
        m_host.ReleaseCapture();
        DrawToolBarNow();
        if (cmd) m_host.PostMessage(m_frame, WM_COMMAND, cmd, 0);
      }
      return;
    case WM_MOUSEMOVE:
      if (m_toolBar.Tracking()) {
        m_toolBar.OnMouseMove(p);
        DrawToolBarNow();
      }
      TrackHover(p);
      return;
    default:
      return;
  }
}
