// SPDX-License-Identifier: GPL-3.0-or-later
// Tool tips and the button prompts: the pointer resting on a tool-bar button
// shows its tip after a delay and its prompt in the status line at once.
#include "res/string_table.h"
#include "ui/frame_chrome.h"
#include "ui/tooltip.h"

void CFrameChrome::TrackHover(CPoint p) {
  const int hit = m_toolBarVisible ? m_toolBar.HitTest(p) : -1;
  if (hit == m_hover) {
    if (hit < 0) ShowPrompt(std::nullopt);  // off the view: a scene's prompt goes too
    return;
  }
  m_hover = hit;
  m_hoverSince = m_host.RealTicks();
  m_tipDismissed = false;
  if (hit < 0) {
    HideTip();
    ShowPrompt(std::nullopt);
    return;
  }
  const UINT id = m_toolBar.Buttons()[static_cast<std::size_t>(hit)].id;
  ShowPrompt(std::string(CommandPrompt(id)));
  // Once a tip shows, the next button's tip follows at once.
  if (m_tip->Visible()) m_tip->Show(std::string(CommandTip(id)), p);
  if (!m_tipTimer) m_tipTimer = m_host.SetTimer(m_frame, kToolTipTimer, kToolTipTimerMs);
}

void CFrameChrome::OnTipTimer() {
  // Under a modal window the tip waits: taking it away now would restore the
  // overlay beneath the newer window and cut a hole in it.
  if (m_host.ModalLayer() != HWND_NONE) return;
  const CPoint p = m_host.GetCursorPos();
  const int hit = m_toolBarVisible ? m_toolBar.HitTest(p) : -1;
  if (hit != m_hover) {
    m_hover = hit;
    m_hoverSince = m_host.RealTicks();
    m_tipDismissed = false;
    HideTip();
    ShowPrompt(hit < 0 ? std::nullopt : std::optional<std::string>(CommandPrompt(m_toolBar.Buttons()[static_cast<std::size_t>(hit)].id)));
  }
  if (hit < 0) {
    HideTip();
    m_host.KillTimer(m_frame, kToolTipTimer);
    m_tipTimer = false;
    return;
  }
  if (!m_tip->Visible() && !m_tipDismissed && !m_toolBar.Tracking() &&
      m_host.RealTicks() - m_hoverSince >= kToolTipDelayMs)
    m_tip->Show(std::string(CommandTip(m_toolBar.Buttons()[static_cast<std::size_t>(hit)].id)), p);
}

void CFrameChrome::HideTip() { m_tip->Hide(); }

void CFrameChrome::DismissToolTip() {
  HideTip();
  ShowPrompt(std::nullopt);
  m_tipDismissed = true;
}
