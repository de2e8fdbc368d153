// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application: owns the host, the document, the frame with its chrome,
// the view and the splash window, runs start-up and the main message loop.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "net/net_transport.h"
#include "platform/host.h"

class CQuintaroDoc;
class CQuintaroView;
class CMainFrame;
class CSplashWnd;
class CDialog;
class ModalScript;
class ResumeKeeper;
class ReplayDesk;
class OnlineDesk;

struct AppOptions {
  bool showSplash = true;                           // false for "Embedding"/"Automation"
  std::filesystem::path splashFile = "splash.bmp";  // looked for in the working directory
  ModalScript* script = nullptr;                    // answers dialogs and message boxes (headless)
  std::optional<int> zoom;                          // this run's zoom, over the stored one
  std::optional<bool> fullscreen;                   // this run's full screen, over the stored one
  std::filesystem::path replayFile;                 // a replay to play once the program has started
  NetTransportFactory netTransport;                 // the platform's connections; none: no online play
  bool rejoinOnline = false;                        // at start-up, back to a seat kept in an online room
  std::string roomServer;                           // the server Play Online offers first; empty: this machine's
};

class CQuintaroApp {
 public:
  CQuintaroApp(std::unique_ptr<Host> host, AppOptions options);
  ~CQuintaroApp();
  CQuintaroApp(const CQuintaroApp&) = delete;
  CQuintaroApp& operator=(const CQuintaroApp&) = delete;

  // Start-up: frame, splash, view, document and the first screen. False when
  // start-up failed and the program should end.
  bool InitInstance();
  // The main message loop; returns the exit code.
  int Run();
  // One message through the application's filters, then to its window.
  void DispatchOne(const MSG& msg);
  // True while a game's own loop (a shot, a computer turn) takes messages.
  bool InGameLoop() const { return m_nDispatchDepth > 1; }
  // How many messages are being handled, one inside another (0: the main loop waits).
  int DispatchDepth() const { return m_nDispatchDepth; }
  // Stores the game under way where its last finished turn left it.
  void KeepUnfinishedGame();
  // Stores what must persist and ends the process at once with `code`.
  [[noreturn]] void Terminate(int code);

  Host& GetHost() { return *m_host; }
  CQuintaroDoc& Doc() { return *m_doc; }
  CQuintaroView& View() { return *m_view; }
  CMainFrame& Frame() { return *m_frame; }
  CSplashWnd* Splash() { return m_splash.get(); }
  ResumeKeeper& Resume() { return *m_resume; }
  ReplayDesk& Replays() { return *m_replays; }
  OnlineDesk& Online() { return *m_online; }
  const AppOptions& Options() const { return m_options; }
  const OnlineDesk* OnlineIfUp() const { return m_online.get(); }
  void CloseSplash();

  // Sets the status line and shows it at once.
  void SetStatusText(const std::string& text);
  // The main loop has nothing to do: the tool bar follows the commands, and
  // problems with the settings file are told (once the splash has gone).
  void OnIdle();

 private:
  bool PreTranslateMessage(const MSG& msg);
  // The program is closing: what must persist is saved, and problems with
  // the settings file are shown while the window is still there.
  void SaveBeforeClosing();
  void TellSettingsProblemsBeforeClosing();
  // From here on, problems with the settings file go to standard error: the
  // window is closing.
  void TellSettingsProblemsOnStderr();

  std::unique_ptr<Host> m_host;
  AppOptions m_options;
  std::unique_ptr<CQuintaroDoc> m_doc;
  std::unique_ptr<CMainFrame> m_frame;
  std::unique_ptr<CQuintaroView> m_view;
  std::unique_ptr<CSplashWnd> m_splash;
  std::unique_ptr<ResumeKeeper> m_resume;
  std::unique_ptr<OnlineDesk> m_online;  // this machine's seat in an online room, if any
  std::unique_ptr<ReplayDesk> m_replays;  // every game recorded; replays played back  // the unfinished game, kept for the next start
  std::vector<std::string> m_settingsProblems;  // waiting for the next idle moment
  bool m_closing = false;                       // the settings were saved for the close
  int m_nDispatchDepth = 0;                     // the main loop's dispatch is 1; a game loop's inside it 2
};

// The running application (there is exactly one while the program runs).
CQuintaroApp& AfxGetApp();
bool AfxHasApp();
// A message box over the main window; the headless driver's script answers it.
int AfxMessageBox(std::string_view text, std::string_view caption, UINT type);
// Runs a dialog modally over the main window; returns the closing button's id.
int AfxDoModal(CDialog& dialog);
