#include "ui/frame_chrome.h"

#include "res/accel_table.h"
#include "res/menu_table.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "res/toolbar_table.h"
#include "ui/about_box.h"
#include "ui/accelerator.h"
#include "ui/dialog.h"
#include "ui/help_window.h"
#include "ui/menu_draw.h"
#include "ui/menu_tracker.h"
#include "ui/message_box.h"
#include "ui/paint.h"
#include "ui/toolbar_images.h"
#include "ui/tooltip.h"
#include "ui/ui_text.h"

namespace {

constexpr LPARAM kRepeatBit = LPARAM{1} << 30;

}  // namespace

CFrameChrome::CFrameChrome(Host& host)
    : m_host(host), m_toolBar(MainToolBar()), m_tip(std::make_unique<CToolTip>(host)) {}

CFrameChrome::~CFrameChrome() = default;

void CFrameChrome::Create(HWND frame) {
  m_frame = frame;
  m_host.SetFrameWindow(frame);
  Surface32 strip;
  if (DecodeBitmapResource(m_host.Resources().Find(ResKind::Bitmap, IDB_TOOLBAR), &strip))
    m_toolBar.SetImages(std::move(strip));
  ShowToolBar(true);
  m_toolBar.UpdateStates([this](CCmdUI& c) { c = QueryCommand(c.m_nID); });
  SetStatusText(std::string(LoadStringRes(AFX_IDS_IDLEMESSAGE)));
  Redraw();
}

// --- Layout and drawing -------------------------------------------------------

void CFrameChrome::ShowToolBar(bool show) {
  if (show == m_toolBarVisible && m_layout.size.cx != 0) return;
  HideTip();
  m_toolBarVisible = show;
  m_layout = ComputeChromeLayout(show);
  m_host.SetLayout(m_layout.size.cx, m_layout.size.cy, m_layout.view, m_layout.menuBar);
  m_toolBar.Layout(m_layout.toolBar);
  m_status.SetRect(m_layout.statusBar);
  Redraw();
  // The view moved (or the surface was made anew): it paints itself again.
  if (m_host.ViewWindow() != HWND_NONE) m_host.InvalidateWindow(m_host.ViewWindow());
}

void CFrameChrome::Redraw() {
  if (m_layout.size.cx == 0) return;
  SurfaceView surface = m_host.WindowSurface().View();
  DrawMenuBar(surface, m_layout.menuBar, MainMenu(), LayoutMenuBar(MainMenu(), m_layout.menuBar), -1);
  if (m_toolBarVisible) m_toolBar.Draw(surface);
  DrawSunkenEdge(surface, m_layout.viewFrame);
  m_status.Draw(surface);
  m_host.Present();
}

void CFrameChrome::DrawMenuBarNow(int highlighted) {
  if (m_layout.size.cx == 0) return;
  DrawMenuBar(m_host.WindowSurface().View(), m_layout.menuBar, MainMenu(), LayoutMenuBar(MainMenu(), m_layout.menuBar),
              highlighted);
  m_host.Present();
}

void CFrameChrome::DrawToolBarNow() {
  if (m_layout.size.cx == 0 || !m_toolBarVisible) return;
  m_toolBar.Draw(m_host.WindowSurface().View());
  m_host.Present();
}

void CFrameChrome::DrawStatusNow() {
  if (m_layout.size.cx == 0) return;
  m_status.Draw(m_host.WindowSurface().View());
  m_host.Present();
}

// --- Status line ------------------------------------------------------------------

void CFrameChrome::SetStatusText(const std::string& text) {
  if (!m_status.SetText(text)) return;
  m_host.Report("status " + QuoteForReport(text));
  DrawStatusNow();
}

void CFrameChrome::ShowPrompt(std::optional<std::string> prompt) {
  if (m_status.SetPrompt(std::move(prompt))) DrawStatusNow();
}

// --- Commands ---------------------------------------------------------------------

CCmdUI CFrameChrome::QueryCommand(UINT id) const {
  CCmdUI state = QueryCommandState(m_update, id);
  if (id == ID_VIEW_TOOLBAR) state.SetCheck(m_toolBarVisible ? 1 : 0);
  return state;
}

bool CFrameChrome::ChooseCommand(UINT id) {
  if (!IsCommandEnabled(id)) {
    m_host.Report("menu " + std::to_string(id) + " disabled");
    return false;
  }
  m_host.PostMessage(m_frame, WM_COMMAND, id, 0);
  return true;
}

bool CFrameChrome::OnCommand(UINT id) {
  switch (id) {
    case ID_VIEW_TOOLBAR:
      ShowToolBar(!m_toolBarVisible);
      return true;
    case ID_HELP:
    case ID_HELP_FINDER:
    case ID_DEFAULT_HELP:
    case ID_CONTEXT_HELP:
      ShowHelp();
      return true;
    case ID_APP_ABOUT:
      ShowAbout();
      return true;
    case ID_APP_EXIT:
      m_host.PostMessage(m_frame, WM_CLOSE);
      return true;
    default:
      return false;
  }
}

void CFrameChrome::OnIdle() {
  if (m_toolBar.UpdateStates([this](CCmdUI& c) { c = QueryCommand(c.m_nID); })) DrawToolBarNow();
}

// --- Keys ---------------------------------------------------------------------------

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
        if (vk != static_cast<UINT>(MnemonicKey(MainMenu()[i].text)) || vk == 0) continue;
        TrackMenu(static_cast<int>(i), true, true);
        return true;
      }
      return false;  // Alt+Backspace and friends are accelerators
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

// --- Mouse on the chrome -----------------------------------------------------------------

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
    case WM_MOUSEMOVE: {
      if (m_toolBar.Tracking()) {
        m_toolBar.OnMouseMove(p);
        DrawToolBarNow();
      }
      const int hit = m_toolBarVisible ? m_toolBar.HitTest(p) : -1;
      if (hit == m_hover) {
        if (hit < 0) ShowPrompt(std::nullopt);  // off the view: a scene's prompt goes too
        return;
      }
      m_hover = hit;
      m_hoverSince = m_host.GetTickCount();
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
      return;
    }
    default:
      return;
  }
}

void CFrameChrome::OnTipTimer() {
  // Under a modal window the tip waits: taking it away now would restore the
  // overlay beneath the newer window and cut a hole in it.
  if (m_host.ModalLayer() != HWND_NONE) return;
  const CPoint p = m_host.GetCursorPos();
  const int hit = m_toolBarVisible ? m_toolBar.HitTest(p) : -1;
  if (hit != m_hover) {
    m_hover = hit;
    m_hoverSince = m_host.GetTickCount();
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
      m_host.GetTickCount() - m_hoverSince >= kToolTipDelayMs)
    m_tip->Show(std::string(CommandTip(m_toolBar.Buttons()[static_cast<std::size_t>(hit)].id)), p);
}

void CFrameChrome::HideTip() { m_tip->Hide(); }

void CFrameChrome::DismissToolTip() {
  HideTip();
  ShowPrompt(std::nullopt);
  m_tipDismissed = true;
}

// --- Modal windows -----------------------------------------------------------------------

int CFrameChrome::MessageBox(std::string_view text, std::string_view caption, UINT type) {
  HideTip();
  return ShowMessageBox(m_host, m_script, text, caption, type);
}

int CFrameChrome::DoModal(CDialog& dialog) {
  HideTip();
  return dialog.DoModal(m_host, m_script);
}

void CFrameChrome::ShowHelp() {
  HideTip();
  RunHelpWindow(m_host, m_script != nullptr);
}

void CFrameChrome::ShowAbout() {
  HideTip();
  RunAboutBox(m_host, m_script);
}
