// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_frame.h"

#include "app/replay_commands.h"
#include <fstream>

#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/online/online_commands.h"
#include "app/replay_commands.h"
#include "app/version.h"
#include "app/window_mode.h"
#include "platform/window_icon.h"
#include "res/resource_ids.h"
#include "ui/frame_chrome.h"

CMainFrame::CMainFrame(CQuintaroApp& app)
    : m_app(app),
      m_chrome(std::make_unique<CFrameChrome>(app.GetHost())),
      m_windowMode(std::make_unique<CWindowMode>(app.GetHost())) {}

CMainFrame::~CMainFrame() {
  if (m_hwnd != HWND_NONE) m_app.GetHost().DestroyWindow(m_hwnd);
}

CRect CMainFrame::FramePlacement(int screenWidth, int screenHeight) {
  constexpr int kWidth = 612;
  constexpr int kHeight = 495;
  const int x = (screenWidth - kWidth) / 2;
  const int y = (screenHeight - kHeight) / 2;
  return {x, y, x + kWidth, y + kHeight};
}

bool CMainFrame::Create() {
  Host& host = m_app.GetHost();
  m_hwnd = host.CreateWindow([this](const MSG& msg) { return WindowProc(msg); });
  host.SetFrameWindow(m_hwnd);
  host.GetBackend().SetTitle(kProgramTitle);
  host.GetBackend().SetIcons(LoadIcons(host.Resources(), IDI_WINDOW_ICON_FIRST, kWindowIconCount));
  m_chrome->SetUpdateHook([this](CCmdUI& cmdUI) { OnUpdateCommand(cmdUI); });
  m_chrome->Create(m_hwnd);
  return true;
}

void CMainFrame::Show() {
  m_chrome->Redraw();
  m_app.GetHost().Present(true);
}

void CMainFrame::SetModalScript(ModalScript* script) {
  m_pScript = script;
  m_chrome->SetModalScript(script);
}

bool CMainFrame::TranslateAccelerator(const MSG& msg) { return m_chrome->PreTranslateMessage(msg); }

int CMainFrame::MessageBox(std::string_view text, std::string_view caption, UINT type) {
  return m_chrome->MessageBox(text, caption, type);
}

void CMainFrame::SetStatusText(const std::string& text) { m_chrome->SetStatusText(text); }

std::string CMainFrame::StatusText() const { return m_chrome->GetStatusText(); }

bool CMainFrame::IsCommandEnabled(UINT id) { return m_chrome->IsCommandEnabled(id); }

void CMainFrame::OnIdle() { m_chrome->OnIdle(); }

void CMainFrame::OnUpdateCommand(CCmdUI& cmdUI) {
  if (!m_windowMode->OnUpdateCommand(cmdUI)) m_app.Doc().OnUpdateCommand(cmdUI);
}

LRESULT CMainFrame::WindowProc(const MSG& msg) {
  LRESULT result = 0;
  // The frame's own cursor is the arrow, over its bars as over its border.
  Host& host = m_app.GetHost();
  if ((msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) && host.GetCapture() == HWND_NONE)
    host.SetCursor(0);
  if (m_chrome->HandleFrameMessage(msg, &result)) return result;
  switch (msg.message) {
    case WM_COMMAND:
      OnCommand(static_cast<UINT>(LOWORD(static_cast<DWORD>(msg.wParam))));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    // The desktop's news about the window concerns the game in the view.
    case WM_ACTIVATEAPP:
    case WM_SIZE:
      return host.SendMessage(host.ViewWindow(), msg.message, msg.wParam, msg.lParam);
    case WM_QUERYNEWPALETTE:
      return m_app.GetHost().SendMessage(m_app.GetHost().ViewWindow(), WM_QUERYNEWPALETTE);
    case WM_PALETTECHANGED:
      m_app.GetHost().SendMessage(m_app.GetHost().ViewWindow(), WM_PALETTECHANGED, msg.wParam);
      return 0;
    default:
      return 0;
  }
}

void CMainFrame::OnCommand(UINT id) {
  if (id == ID_FILE_SAVE) {
    OnSave();
    return;
  }
  if (m_windowMode->OnCommand(id) || OnReplayCommand(m_app, id) || OnOnlineCommand(m_app, id) || m_app.Doc().OnCommand(id)) return;
  m_chrome->OnCommand(id);  // tool bar, help, about, exit; the rest do nothing
}

void CMainFrame::OnSave() {
  // Documents carry no data: saving writes an empty document.
  const char* name = "Quintaro.qtp";
  std::ofstream file(name, std::ios::binary | std::ios::trunc);
  SetStatusText(file ? std::string("Saved ") + name : std::string("Could not save ") + name);
}

void CMainFrame::OnClose() {
  // The close box, Alt+F4 and Exit (Ctrl+Q) all come here: a game under way
  // is not left without asking.
  if (!m_app.Doc().MayLeaveGame()) return;
  m_app.Terminate(0);
}
