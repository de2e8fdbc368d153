// SPDX-License-Identifier: GPL-3.0-or-later
// The keys the chrome takes before the program sees them: Alt, F10 and
// Alt+letter run the menu, Alt+F4 closes the window, and the accelerators.
#include "res/accel_table.h"
#include "res/menu_table.h"
#include "ui/accelerator.h"
#include "ui/frame_chrome.h"
#include "ui/menu_layout.h"
#include "ui/menu_tracker.h"
#include "ui/ui_text.h"

namespace {

constexpr LPARAM kRepeatBit = LPARAM{1} << 30;

}  // namespace

bool CFrameChrome::PreTranslateMessage(const MSG& msg) {
  if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN)
    m_altPending = false;
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  if (OnMenuKey(msg)) return true;
  return TranslateAccelerator(m_host, m_frame, MainAccelerators(), msg,
                              [this](CCmdUI& c) { c = QueryCommand(c.m_nID); });
}

bool CFrameChrome::OnMenuKey(const MSG& msg) {
  const UINT vk = static_cast<UINT>(msg.wParam);
  switch (msg.message) {
    case WM_SYSKEYDOWN:
      return OnSysKeyDown(msg);
    case WM_SYSKEYUP:
    case WM_KEYUP:
      if (vk == VK_MENU && m_altPending) {
        // Alt pressed and released alone puts the keyboard on the menu bar.
        m_altPending = false;
        TrackMenu(0, false);
        return true;
      }
      return msg.message == WM_SYSKEYUP;
    case WM_KEYDOWN:
      m_altPending = false;
      if (vk == VK_F10 && !m_host.IsKeyDown(VK_SHIFT)) {
        TrackMenu(0, false);
        return true;
      }
      return false;
    case WM_SYSCHAR:
      return true;
    default:
      return false;
  }
}

bool CFrameChrome::OnSysKeyDown(const MSG& msg) {
  const UINT vk = static_cast<UINT>(msg.wParam);
  if (vk == VK_MENU) {
    if (!(msg.lParam & kRepeatBit)) m_altPending = true;
    return true;
  }
  m_altPending = false;
  if (vk == VK_F10) {
    TrackMenu(0, false);
    return true;
  }
  if (vk == 0x73) {  // Alt+F4 closes the window
    m_host.PostMessage(m_frame, WM_CLOSE);
    return true;
  }
  for (std::size_t i = 0; i < MainMenu().size(); ++i) {
    if (vk != static_cast<UINT>(MnemonicKey(MenuLabel(MainMenu()[i]))) || vk == 0) continue;
    TrackMenu(static_cast<int>(i), true, true);
    return true;
  }
  return false;  // Alt+Backspace and friends are accelerators
}

UINT CFrameChrome::TrackMenu(int item, bool open, bool selectFirst) {
  HideTip();
  m_altPending = false;
  CMenuTracker tracker(m_host, MainMenu(), m_layout.menuBar,
                       {[this](int h) { DrawMenuBarNow(h); },
                        [this](std::string_view p) { ShowPrompt(std::string(p)); },
                        [this](CCmdUI& c) { c = QueryCommand(c.m_nID); }});
  const UINT cmd = tracker.Track(item, open, selectFirst);
  ShowPrompt(std::nullopt);
  if (cmd) m_host.PostMessage(m_frame, WM_COMMAND, cmd, 0);
  return cmd;
}
