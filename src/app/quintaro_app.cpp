// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/quintaro_app.h"

#include <cstdlib>
#include <iostream>

#include "app/language_choice.h"
#include "app/main_frame.h"
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "app/online/online_desk.h"
#include "app/replay_desk.h"
#include "app/resume_keeper.h"
#include "app/splash_wnd.h"
#include "app/version.h"
#include "app/window_mode.h"
#include "ui/player_stats.h"
#include "game/wall_of_fame.h"
#include "platform/hang_up.h"
#include "platform/settings_notice.h"
#include "res/shown_text.h"
#include "ui/frame_chrome.h"
#include "ui/message_box.h"

namespace {

CQuintaroApp* g_app = nullptr;  // the one application object of the process

}  // namespace

CQuintaroApp& AfxGetApp() { return *g_app; }
bool AfxHasApp() { return g_app != nullptr; }

int AfxMessageBox(std::string_view text, std::string_view caption, UINT type) {
  return g_app->Frame().MessageBox(text, caption, type);
}

int AfxDoModal(CDialog& dialog) { return g_app->Frame().Chrome().DoModal(dialog); }

CQuintaroApp::CQuintaroApp(std::unique_ptr<Host> host, AppOptions options)
    : m_host(std::move(host)), m_options(std::move(options)) {
  g_app = this;
  MergeWallOfFameEntryByEntry(m_host->Settings());
  MergeStatsRecordByRecord(m_host->Settings());
}

CQuintaroApp::~CQuintaroApp() {
  // The main loop ended without a close (the headless driver ran out of
  // script): there is no one to answer a message.
  if (m_frame && !m_closing) m_frame->WindowMode().StorePlacement();
  TellSettingsProblemsOnStderr();
  m_splash.reset();
  if (m_view) m_view->DestroyWindow();
  m_doc.reset();  // stores the sound setting
  m_view.reset();
  m_frame.reset();
  if (g_app == this) g_app = nullptr;
}

bool CQuintaroApp::InitInstance() {
  // The document first (seats and the sound setting), then the frame with its
  // chrome and the splash, then the view, then the first screen.
  m_host->Settings().SetProblemHandler([this](const std::string& text) { m_settingsProblems.push_back(text); });
  // What the last run could not tell before it ended is told now.
  if (const auto& file = m_host->Settings().File())
    for (const std::string& text : TakeSettingsNotice(*file))
      m_settingsProblems.push_back("When Quintaro last closed: " + text);
  CatchHangUp();
  InstallShownTextTranslator();
  RestoreLanguage(m_host->Settings());
  m_doc = std::make_unique<CQuintaroDoc>(*this);
  m_resume = std::make_unique<ResumeKeeper>(m_host->Settings(), *m_doc);
  m_replays = std::make_unique<ReplayDesk>(*this);
  // Play time steps, so a game plays back from its recording as it was played.
  m_host->StepPlayClock(true);
  m_online = std::make_unique<OnlineDesk>(*this, m_options.netTransport);
  m_frame = std::make_unique<CMainFrame>(*this);
  m_frame->SetModalScript(m_options.script);
  if (!m_frame->Create()) return false;
  if (m_options.showSplash) m_splash = std::make_unique<CSplashWnd>(*m_host, m_options.splashFile);
  m_view = std::make_unique<CQuintaroView>(*m_host);
  m_view->Create(m_doc.get());
  m_doc->SetView(m_view.get());
  m_doc->OnNewDocument();
  m_view->OnInitialUpdate();
  // The window appears when its zoom is chosen, with the splash already on
  // the first picture.
  m_frame->WindowMode().Restore(m_options.zoom, m_options.fullscreen);
  m_frame->Show();
  return true;
}

void CQuintaroApp::CloseSplash() {
  if (!m_splash) return;
  m_splash.reset();
  m_host->Report("splash hidden");
  m_host->UpdateWindow(m_host->FrameWindow());
}

bool CQuintaroApp::PreTranslateMessage(const MSG& msg) {
  // The first key or mouse press only removes the splash. A command chosen
  // from the menu or the tool bar was such a press too.
  const bool command = msg.message == WM_COMMAND && msg.hwnd == m_host->FrameWindow();
  if (m_splash && (command || CSplashWnd::IsDismissingInput(msg.message))) {
    CloseSplash();
    return true;
  }
  return m_frame->TranslateAccelerator(msg);
}

void CQuintaroApp::DispatchOne(const MSG& msg) {
  // A computer's turn the table went on to before the room did waits for it.
  if (m_online && m_online->HoldsBack(msg)) return;
  ++m_nDispatchDepth;
  const bool translated = PreTranslateMessage(msg);
  if (!translated) {
    m_replays->OnDispatch(msg, InGameLoop());
    if (m_online) m_online->OnDispatch(msg);
    m_host->DispatchMessage(msg);
  }
  --m_nDispatchDepth;
  if (m_splash && m_splash->Expired()) CloseSplash();
}

int CQuintaroApp::Run() {
  MSG msg;
  for (;;) {
    if (m_host->QueuedCount() == 0) OnIdle();
    if (!m_host->GetMessage(&msg)) break;
    DispatchOne(msg);
    // Back in the main loop: games that ended themselves can go now.
    m_doc->ReapRetiredGames();
    m_resume->Keep();
    m_replays->Idle();
    if (m_online) m_online->Idle();
  }
  return static_cast<int>(msg.wParam);
}

void CQuintaroApp::KeepUnfinishedGame() {
  if (m_resume) m_resume->Keep();
}

void CQuintaroApp::Terminate(int code) {
  // The view stops the game as its window goes; the document stores the
  // sound setting as it is destroyed. Then the process ends at once.
  SaveBeforeClosing();
  m_splash.reset();
  if (m_view) m_view->DestroyWindow();
  m_doc.reset();
  m_host->GetBackend().ExitProcess(code);
  std::exit(code);  // not reached: the backend ends the process
}

void CQuintaroApp::OnIdle() {
  m_frame->OnIdle();
  if (m_splash) return;
  std::vector<std::string> problems;
  problems.swap(m_settingsProblems);
  for (const std::string& text : problems) m_frame->MessageBox(text, kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
  // Once the splash has gone and the settings' news is told: the game left unfinished last time.
  if (!m_resume->Offered()) {
    // A program going back to its seat in a room takes up the room's game, not asked.
    const bool rejoining = m_options.replayFile.empty() && m_options.rejoinOnline && m_online->KeepsSeat();
    m_resume->OfferOnce(!rejoining);
    if (!m_options.replayFile.empty()) m_replays->Open(m_options.replayFile);
    // A program lost in the middle of an online game goes back to its seat.
    else if (m_options.rejoinOnline) m_online->RejoinKept();
  }
}

void CQuintaroApp::SaveBeforeClosing() {
  if (m_closing) {
    // Closed again while the first close waits for its message: end now,
    // and the note left for the next start tells it.
    TellSettingsProblemsOnStderr();
    return;
  }
  m_closing = true;
  // The game under way is kept where its last finished turn left it.
  KeepUnfinishedGame();
  if (m_frame) m_frame->WindowMode().StorePlacement();
  if (m_doc) m_doc->StoreSound();
  TellSettingsProblemsBeforeClosing();
  TellSettingsProblemsOnStderr();
}

void CQuintaroApp::TellSettingsProblemsBeforeClosing() {
  if (m_settingsProblems.empty() || !m_frame) return;
  // A player who started the game from the desktop sees no standard error:
  // the message is shown while the window is still there. Should the program
  // end before it is answered, the note tells it at the next start.
  const auto& file = m_host->Settings().File();
  const std::vector<std::string> problems = m_settingsProblems;  // a second close may clear the list meanwhile
  if (file) LeaveSettingsNotice(*file, problems);
  CloseSplash();
  for (const std::string& text : problems) m_frame->MessageBox(text, kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
  if (file) TakeSettingsNotice(*file);
}

void CQuintaroApp::TellSettingsProblemsOnStderr() {
  auto toStderr = [](const std::string& text) { std::cerr << "quintaro: " << text << "\n"; };
  for (const std::string& text : m_settingsProblems) toStderr(text);
  m_settingsProblems.clear();
  m_host->Settings().SetProblemHandler(toStderr);
}

void CQuintaroApp::SetStatusText(const std::string& text) { m_frame->SetStatusText(text); }
