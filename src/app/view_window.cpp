// SPDX-License-Identifier: GPL-3.0-or-later
// The view's window: input routing to the current game, timers, the title
// screen's regions, painting and palette messages.
#include "app/main_frame.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "app/title_prompt.h"
#include "app/window_mode.h"
#include "game/game.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "res/title_regions.h"
#include "ui/frame_chrome.h"

void CQuintaroView::Create(CQuintaroDoc* pDoc) {
  m_pDoc = pDoc;
  AttachScene(&pDoc->m_sprites, &pDoc->m_bTrueColor);
  m_hwnd = m_host.CreateWindow([this](const MSG& msg) { return WindowProc(msg); });
  m_host.SetViewWindow(m_hwnd);
  m_host.SetFocus(m_hwnd);
}

void CQuintaroView::DestroyWindow() {
  if (m_pDoc) m_pDoc->StopCurrentGame();
  // The document may go before the view does: a window once gone forgets it.
  m_pDoc = nullptr;
  if (m_hwnd != HWND_NONE) m_host.DestroyWindow(m_hwnd);
  m_hwnd = HWND_NONE;
  DiscardDirtyRects();
}

BOOL CQuintaroView::StartTimer(UINT nID, UINT nMs) { return m_host.SetTimer(m_hwnd, nID, nMs) ? TRUE : FALSE; }

BOOL CQuintaroView::StopTimer(UINT nID) { return m_host.KillTimer(m_hwnd, nID) ? TRUE : FALSE; }

BOOL CQuintaroView::HitTestRegions(int x, int y, BOOL bSelect) {
  std::optional<int> target;
  for (const HotRegion& region : TitleRegions()) {
    if (!region.Contains(x, y)) continue;
    target = region.nGameType;  // the last region containing the point wins
    if (bSelect)
      m_pDoc->m_nGameType = region.nGameType;
    else
      m_host.SetCursor(static_cast<int>(IDC_HOTSPOT));
  }
  if (!target && !bSelect) m_host.SetCursor(0);
  if (!bSelect) m_pDoc->App().Frame().Chrome().ShowHoverPrompt(TitleRegionPrompt(m_pDoc->Games(), target));
  return target ? TRUE : FALSE;
}

void CQuintaroView::OnUpdate(LPARAM lHint) {
  if (m_pDoc->m_bBackgroundChanged) {
    SetBackground(m_pDoc->m_pBackground.get());
    m_pDoc->m_bBackgroundChanged = FALSE;
  }
  if (lHint == 2) {
    m_turn.Deselect();
    RemapAllSprites();
    m_pDoc->m_bBackgroundChanged = FALSE;
  }
}

void CQuintaroView::OnDraw() {
  BlitRect(nullptr);
  // The score displays and the Wall Of Fame are drawn on the window, not into
  // the frame buffer, so every repaint draws them again.
  const int type = m_pDoc->m_nGameType;
  if (m_pDoc->IsGameScreen(type) || type == kScreenHallOfFame) m_pDoc->RefreshScores(FALSE);
}

BOOL CQuintaroView::OnQueryNewPalette() {
  if (!m_pPalette) return TRUE;
  // Realising the palette again puts its colours back into the system palette;
  // the window is then repainted whole.
  OnDraw();
  return TRUE;
}

void CQuintaroView::OnLButtonDown(UINT nFlags, int x, int y) {
  const int type = m_pDoc->m_nGameType;
  if (type == kScreenTitle) {
    if (HitTestRegions(x, y, TRUE)) {
      m_host.SetCursor(0);
      m_pDoc->OnNewDocument();
    }
  } else if (m_pDoc->IsGameScreen(type) && m_pDoc->m_pGame) {
    m_pDoc->m_pGame->OnLButtonDown(nFlags, x, y);
  }
}

void CQuintaroView::OnLButtonUp(UINT nFlags, int x, int y) {
  const GameInfo* game = m_pDoc->CurrentGameInfo();
  if (game && game->bTakesButtonUp && m_pDoc->m_pGame) m_pDoc->m_pGame->OnLButtonUp(nFlags, x, y);
}

void CQuintaroView::OnMouseMove(UINT nFlags, int x, int y) {
  const unsigned cursorsBefore = m_host.CursorRequests();
  const int type = m_pDoc->m_nGameType;
  if (type == kScreenTitle)
    HitTestRegions(x, y, FALSE);
  else if (m_pDoc->IsGameScreen(type) && m_pDoc->m_pGame)
    m_pDoc->m_pGame->OnMouseMove(nFlags, x, y);
  // The window's own cursor is the arrow: a move that nobody gave a cursor
  // shows it again, as the system does for a window unless the mouse is captured.
  if (m_host.CursorRequests() == cursorsBefore && m_host.GetCapture() == HWND_NONE) m_host.SetCursor(0);
}

void CQuintaroView::OnKey(UINT message, UINT nChar, UINT nRepCnt, UINT nFlags) {
  CGame* game = m_pDoc->m_pGame.get();
  if (message == WM_KEYDOWN && nChar == VK_ESCAPE) {
    // A shot or a computer's turn under way is abandoned; otherwise no game
    // wants Escape and it leaves full screen, as everywhere on the desktop.
    const bool gameWantsIt = game && (m_pDoc->App().InGameLoop() || m_turn.m_bComputerPlaying);
    if (gameWantsIt || !m_pDoc->App().Frame().WindowMode().LeaveFullscreen())
      m_turn.m_bEscape = TRUE;  // the running loops test it; never passed to a game
    return;
  }
  if ((nChar != VK_SHIFT && nChar != VK_CONTROL) || !game) return;
  if (message == WM_KEYDOWN)
    game->OnKeyDown(nChar, nRepCnt, nFlags);
  else
    game->OnKeyUp(nChar, nRepCnt, nFlags);
}

void CQuintaroView::OnWindowState(UINT message, WPARAM wParam) {
  const bool wasAway = m_bInactive || m_bMinimised;
  if (message == WM_ACTIVATEAPP) m_bInactive = wParam == 0;
  if (message == WM_SIZE) m_bMinimised = wParam == SIZE_MINIMIZED;
  const bool away = m_bInactive || m_bMinimised;
  if (away != wasAway && m_pDoc) m_pDoc->OnWindowAway(away);
}

LRESULT CQuintaroView::WindowProc(const MSG& msg) {
  const int x = GET_X_LPARAM(msg.lParam);
  const int y = GET_Y_LPARAM(msg.lParam);
  const UINT flags = static_cast<UINT>(msg.wParam);
  CGame* game = m_pDoc ? m_pDoc->m_pGame.get() : nullptr;
  switch (msg.message) {
    case WM_LBUTTONDOWN: OnLButtonDown(flags, x, y); return 0;
    case WM_LBUTTONUP: OnLButtonUp(flags, x, y); return 0;
    case WM_MOUSEMOVE: OnMouseMove(flags, x, y); return 0;
    case WM_RBUTTONDOWN: if (game) game->OnRButtonDown(flags, x, y); return 0;
    case WM_RBUTTONUP: if (game) game->OnRButtonUp(flags, x, y); return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
      OnKey(msg.message, static_cast<UINT>(msg.wParam), static_cast<UINT>(msg.lParam & 0xFFFF),
            static_cast<UINT>((msg.lParam >> 16) & 0xFFFF));
      return 0;
    case WM_TIMER: if (game) game->OnTimer(static_cast<UINT>(msg.wParam)); return 0;
    case WM_COMPUTER_TURN: if (game) game->PlayComputerTurn(); return 1;
    case WM_PAINT: OnDraw(); return 0;
    case WM_ACTIVATEAPP:
    case WM_SIZE: OnWindowState(msg.message, msg.wParam); return 0;
    case WM_QUERYNEWPALETTE: return OnQueryNewPalette();
    case WM_PALETTECHANGED:
      if (static_cast<HWND>(msg.wParam) != m_hwnd) OnQueryNewPalette();
      return 0;
    default: return 0;
  }
}
