// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit of the games' own loops: what they take from the queue, how
// they end, and how they hand over to the computer or start afresh.
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "game/game.h"
#include "platform/host.h"
#include "sound/dx_sound.h"
#include "ui/message_box.h"

bool CGame::IsCurrentGame() const { return m_pDoc->m_pGame.get() == this; }

bool CGame::PumpOneMessage() {
  Host& host = GetHost();
  MSG msg;
  if (!host.PeekMessage(&msg, true)) return IsCurrentGame();
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_CLOSE:
    // A paint taken off the queue is done, not lost, or a score display could vanish.
    case WM_PAINT:
    // A menu or tool-bar command chosen meanwhile is carried out, not swallowed;
    // it may replace this game, which the caller sees from the return value.
    case WM_COMMAND:
      m_pDoc->App().DispatchOne(msg);
      break;
    case WM_QUIT:
      // The quit request belongs to the main loop: hand it back.
      host.PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    default:
      // The tool bar and the rest of the frame stay in use; clicks on the
      // playfield are the game's and wait for it.
      if (msg.hwnd == host.FrameWindow() && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
        m_pDoc->App().DispatchOne(msg);
      break;
  }
  return IsCurrentGame();
}

bool CGame::DispatchOneMessage() {
  Host& host = GetHost();
  MSG msg;
  if (!host.PeekMessage(&msg, true)) return IsCurrentGame();
  if (msg.message == WM_QUIT)
    host.PostQuitMessage(static_cast<int>(msg.wParam));
  else
    m_pDoc->App().DispatchOne(msg);
  return IsCurrentGame();
}

void CGame::DiscardQueueKeepEscape() {
  Host& host = GetHost();
  MSG msg;
  bool escape = false;
  bool quit = false;
  int quitCode = 0;
  while (host.PeekMessage(&msg, true)) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) escape = true;
    if (msg.message == WM_QUIT) {
      quit = true;
      quitCode = static_cast<int>(msg.wParam);
    }
  }
  if (escape) Turn().m_bEscape = TRUE;
  if (quit) host.PostQuitMessage(quitCode);
}

bool CGame::EscapePressedDuringTurn() {
  // The last throw and the pause after it take no message; an Escape pressed
  // meanwhile is waiting in the queue and must not be dispatched after the turn.
  Host& host = GetHost();
  MSG msg;
  if (host.PeekMessage(&msg, false, WM_KEYDOWN, WM_KEYDOWN) && msg.wParam == VK_ESCAPE) {
    host.PeekMessage(&msg, true, WM_KEYDOWN, WM_KEYDOWN);
    Turn().m_bEscape = TRUE;
  }
  return Turn().ConsumeEscape();
}

void CGame::PostComputerTurn() {
  Host& host = GetHost();
  host.PostMessage(host.ViewWindow(), WM_COMPUTER_TURN, 0, 0);
}

void CGame::RestartGame() {
  GetHost().ReleaseCapture();
  Turn().Reset();
  // The document replaces this game; it is destroyed once control is back in the message loop.
  m_pDoc->OnNewDocument();
}

int CGame::MessageBox(const std::string& text, const std::string& caption, UINT nType) {
  return AfxMessageBox(text, caption, nType);
}

bool CGame::TakeComputerTurn() {
  const CPlayer* player = m_pDoc->m_pCurrentPlayer;
  if (!IsCurrentGame() || !player || !player->m_bComputer || m_pDoc->m_bFirstComputerTurn) return false;
  CTurnState& turn = Turn();
  turn.m_bComputerPlaying = TRUE;
  if (turn.m_bDragging) GetHost().ReleaseCapture();
  turn.m_bDragging = FALSE;
  turn.BeginLoop();
  return true;
}

void CGame::ShowHoldCursor(bool bOverZone, int nReadyCursor, int nThrowingCursor) {
  Host& host = GetHost();
  const CTurnState& turn = Turn();
  if (turn.m_pSelSprite && bOverZone) {
    host.SetCursor(turn.m_bDragging ? nThrowingCursor : nReadyCursor);
    return;
  }
  const int shown = host.GetCursorId();
  if (!turn.m_bDragging && (shown == nReadyCursor || shown == nThrowingCursor)) host.SetCursor(0);
}

int CGame::DoModal(CDialog& dialog) { return AfxDoModal(dialog); }

void CGame::PlaySound(UINT nWaveId) {
  if (m_pSound) m_pSound->Play(nWaveId);
}
