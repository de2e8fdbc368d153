// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main frame: the fixed-size window around the view, with the menu bar,
// the tool bar and the status line. It carries out the frame's own commands
// (help, about, exit, tool bar) and passes the others to the document.
#include <memory>
#include <string>
#include <string_view>

#include "platform/messages.h"
#include "platform/rect.h"

class CQuintaroApp;
class CCmdUI;
class ModalScript;
class CFrameChrome;
class CWindowMode;

class CMainFrame {
 public:
  explicit CMainFrame(CQuintaroApp& app);
  ~CMainFrame();
  CMainFrame(const CMainFrame&) = delete;
  CMainFrame& operator=(const CMainFrame&) = delete;

  // Builds the chrome and lays out the window; false when that fails.
  bool Create();
  void Show();
  HWND GetSafeHwnd() const { return m_hwnd; }

  // Accelerator keys become commands; true when the message was one.
  bool TranslateAccelerator(const MSG& msg);
  int MessageBox(std::string_view text, std::string_view caption, UINT type);
  void SetStatusText(const std::string& text);
  std::string StatusText() const;
  bool IsCommandEnabled(UINT id);
  void SetModalScript(ModalScript* script);
  ModalScript* Script() const { return m_pScript; }
  CFrameChrome& Chrome() { return *m_chrome; }
  CWindowMode& WindowMode() { return *m_windowMode; }
  // When the program is idle: the tool bar follows the commands' states.
  void OnIdle();

  // Outer placement of the classic frame on a screen of that size (the
  // frame is 612 x 495, centred with integer division).
  static CRect FramePlacement(int screenWidth, int screenHeight);

 private:
  LRESULT WindowProc(const MSG& msg);
  void OnCommand(UINT id);
  void OnUpdateCommand(CCmdUI& cmdUI);
  void OnClose();
  void OnSave();

  CQuintaroApp& m_app;
  HWND m_hwnd = HWND_NONE;
  ModalScript* m_pScript = nullptr;
  std::unique_ptr<CFrameChrome> m_chrome;
  std::unique_ptr<CWindowMode> m_windowMode;
};
