// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's chrome: menu bar, tool bar with tool tips, status line
// and the sunken edge around the view. The application creates its frame
// window and hands it over; the chrome lays the window out, draws itself on
// the window surface and turns clicks and keys on it into WM_COMMAND
// messages posted to the frame. It also runs the shell's modal windows
// (message boxes, dialogs, help, about box) so that a test script can answer
// them.
//
// Wiring, in the application:
//   chrome.Create(frameHwnd);             // layout, first drawing
//   chrome.SetUpdateHook(...);            // enabling and check marks
//   loop:  if (!chrome.PreTranslateMessage(msg)) host.DispatchMessage(msg);
//          (when the queue is empty: chrome.OnIdle())
//   frame window procedure:
//          if (chrome.HandleFrameMessage(msg, &result)) return result;
//          WM_COMMAND: the document's commands, then chrome.OnCommand(id).
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/host.h"
#include "ui/chrome_layout.h"
#include "ui/cmd_ui.h"
#include "ui/modal_script.h"
#include "ui/status_bar.h"
#include "ui/toolbar.h"

class CDialog;
class CToolTip;

// The frame timer that drives tool tips.
inline constexpr UINT kToolTipTimer = 0xE001;
inline constexpr UINT kToolTipTimerMs = 100;
inline constexpr DWORD kToolTipDelayMs = 500;

class CFrameChrome {
 public:
  explicit CFrameChrome(Host& host);
  ~CFrameChrome();
  CFrameChrome(const CFrameChrome&) = delete;
  CFrameChrome& operator=(const CFrameChrome&) = delete;

  // Takes `frame` as the frame window, lays the window out (Host::SetLayout),
  // draws the chrome and shows the idle text in the status line.
  void Create(HWND frame);
  HWND Frame() const { return m_frame; }
  const ChromeLayout& Layout() const { return m_layout; }

  // --- Command routing -----------------------------------------------------
  void SetUpdateHook(UpdateCommandHook hook) { m_update = std::move(hook); }
  // The state of a command: the application's hook, then the chrome's own
  // (the tool bar's check mark).
  CCmdUI QueryCommand(UINT id) const;
  bool IsCommandEnabled(UINT id) const { return QueryCommand(id).m_bEnabled != FALSE; }
  // A command as the user would choose it from the menu: posted to the
  // frame when enabled; otherwise reported as `menu ID disabled`.
  bool ChooseCommand(UINT id);
  // Accelerators, the Alt key and F10, before dispatch. True when consumed.
  bool PreTranslateMessage(const MSG& msg);
  // Messages for the frame window that concern the chrome (clicks and
  // moves on it, the menu keys, its timer, paints). True when handled.
  bool HandleFrameMessage(const MSG& msg, LRESULT* result);
  // The framework commands the chrome carries out: tool bar on/off, help
  // (F1, Help Topics, Shift+F1, default help), About, Exit (closes the
  // frame). False for any other command.
  bool OnCommand(UINT id);
  // When the program is idle: tool-bar buttons follow the update hook.
  void OnIdle();

  // --- Status line ----------------------------------------------------------
  // Shows `text` at once and reports `status "TEXT"` when it changed.
  void SetStatusText(const std::string& text);
  const std::string& GetStatusText() const { return m_status.Text(); }
  // What the status line shows now (a prompt may stand in for the text).
  const std::string& ShownStatusText() const { return m_status.Shown(); }

  // --- Tool bar ---------------------------------------------------------------
  void ShowToolBar(bool show);
  bool IsToolBarVisible() const { return m_toolBarVisible; }
  const CToolBar& ToolBar() const { return m_toolBar; }
  const CToolTip& ToolTip() const { return *m_tip; }
  // The screen changed under the pointer: the tip and the button's prompt go
  // and stay away until the pointer moves on to another button.
  void DismissToolTip();
  // A prompt for what the pointer is over outside the chrome (a scene of
  // the title screen): it stands in for the status text while there.
  void ShowHoverPrompt(std::optional<std::string> prompt) { ShowPrompt(std::move(prompt)); }

  // --- Modal windows ----------------------------------------------------------
  void SetModalScript(ModalScript* script) { m_script = script; }
  ModalScript* Script() const { return m_script; }
  int MessageBox(std::string_view text, std::string_view caption = {}, UINT type = 0);
  int DoModal(CDialog& dialog);
  void ShowHelp();
  void ShowAbout();
  // Runs the menu from bar item `item` (open: with its popup; selectFirst:
  // its first item highlighted) and posts the chosen command. Returns it (0
  // when dismissed).
  UINT TrackMenu(int item, bool open, bool selectFirst = false);

  // Draws all of the chrome on the window surface.
  void Redraw();

 private:
  void DrawMenuBarNow(int highlighted);
  void DrawToolBarNow();
  void DrawStatusNow();
  void ShowPrompt(std::optional<std::string> prompt);
  void OnChromeMouse(const MSG& msg);
  // The pointer moved to `p` on the chrome: the prompt and tip follow the button under it.
  void TrackHover(CPoint p);
  void OnTipTimer();
  void HideTip();
  bool OnMenuKey(const MSG& msg);
  // A system key: Alt, F10, Alt+F4 or Alt+letter; false for the accelerators' keys.
  bool OnSysKeyDown(const MSG& msg);

  Host& m_host;
  HWND m_frame = HWND_NONE;
  ChromeLayout m_layout;
  bool m_toolBarVisible = true;
  UpdateCommandHook m_update;
  ModalScript* m_script = nullptr;
  CStatusBar m_status;
  CToolBar m_toolBar;
  std::unique_ptr<CToolTip> m_tip;
  int m_hover = -1;          // tool-bar button under the pointer
  DWORD m_hoverSince = 0;
  bool m_tipDismissed = false;  // a click or a new screen: no tip until the pointer moves on
  bool m_tipTimer = false;
  bool m_altPending = false; // Alt went down alone; its release opens the menu
};
