// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frame_chrome.h"

#include "res/statistics_ids.h"
#include "ui/statistics_box.h"

#include "platform/i18n.h"
#include "res/menu_table.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "res/toolbar_table.h"
#include "ui/about_box.h"
#include "ui/dialog.h"
#include "ui/help_window.h"
#include "ui/menu_draw.h"
#include "ui/message_box.h"
#include "ui/paint.h"
#include "ui/toolbar_images.h"
#include "ui/tooltip.h"

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
  const SurfaceView surface = m_host.DrawOnWholeSurface();
  DrawMenuBar(surface, m_layout.menuBar, MainMenu(), LayoutMenuBar(MainMenu(), m_layout.menuBar), -1);
  if (m_toolBarVisible) m_toolBar.Draw(surface);
  DrawSunkenEdge(surface, m_layout.viewFrame);
  m_status.Draw(surface);
  m_host.Present();
}

void CFrameChrome::DrawMenuBarNow(int highlighted) {
  if (m_layout.size.cx == 0) return;
  DrawMenuBar(m_host.DrawOnSurface(m_layout.menuBar), m_layout.menuBar, MainMenu(),
              LayoutMenuBar(MainMenu(), m_layout.menuBar), highlighted);
  m_host.Present();
}

void CFrameChrome::DrawToolBarNow() {
  if (m_layout.size.cx == 0 || !m_toolBarVisible) return;
  m_toolBar.Draw(m_host.DrawOnSurface(m_layout.toolBar));
  m_host.Present();
}

void CFrameChrome::DrawStatusNow() {
  if (m_layout.size.cx == 0) return;
  m_status.Draw(m_host.DrawOnSurface(m_layout.statusBar));
  m_host.Present();
}

// --- Status line ------------------------------------------------------------------

void CFrameChrome::SetStatusText(const std::string& text) {
  if (!m_status.SetText(TrShown(text))) return;
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
    case ID_GAME_STATISTICS:
      HideTip();
      RunStatisticsBox(m_host, m_script);
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
