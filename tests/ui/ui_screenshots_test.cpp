// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the chrome for a person to look at. Runs only when
// QUINTARO_UI_SHOTS names a directory; the pictures land there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/players_dlg.h"
#include "platform/png.h"
#include "res/resource_ids.h"
#include "res/shell_dialogs.h"
#include "ui/about_box.h"
#include "ui/frame_chrome.h"
#include "ui/help_window.h"
#include "ui/menu_layout.h"
#include "ui/message_box.h"
#include "ui/paint.h"
#include "ui/toolbar_images.h"
#include "ui_test_host.h"

namespace {

class ChromeShots : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* dir = std::getenv("QUINTARO_UI_SHOTS");
    if (!dir) GTEST_SKIP() << "set QUINTARO_UI_SHOTS to a directory to render the chrome";
    m_dir = dir;
    std::filesystem::create_directories(m_dir);
    m_frame = t.host().CreateWindow([this](const MSG& msg) -> LRESULT {
      LRESULT r = 0;
      m_chrome->HandleFrameMessage(msg, &r);
      return r;
    });
    m_chrome = std::make_unique<CFrameChrome>(t.host());
    m_chrome->Create(m_frame);
  }

  void FillView(bool picture) {
    Surface32 title;
    const CRect view = t.host().ViewRect();
    const SurfaceView window = t.host().DrawOnSurface(view);
    if (picture && DecodeBitmapResource(t.host().Resources().Find(ResKind::Bitmap, IDB_TITLE), &title)) {
      for (int y = 0; y < view.Height() && y < title.Height(); ++y)
        for (int x = 0; x < view.Width() && x < title.Width(); ++x)
          window.Row(view.top + y)[view.left + x] = title.At(x, y);
    } else {
      FillRect(window, view, ToPixel(128, 128, 128));
    }
  }

  void Shot(const char* name) {
    Surface32 out;
    t.host().ComposeForDisplay(out);
    EXPECT_TRUE(SavePng(m_dir / (std::string(name) + ".png"), out));
  }

  UiTestHost t;
  std::filesystem::path m_dir;
  HWND m_frame = HWND_NONE;
  std::unique_ptr<CFrameChrome> m_chrome;
};

TEST_F(ChromeShots, RendersEveryWindow) {
  FillView(false);
  m_chrome->SetUpdateHook([](CCmdUI& c) {
    if (c.m_nID == ID_OPTIONS_SOUND) c.SetCheck(1);
    if (c.m_nID == ID_OPTIONS_TYPEOFGAME || c.m_nID == ID_GAME_QUITGAME || c.m_nID == ID_OPTIONS_GAMECONTROLS)
      c.Enable(FALSE);
  });
  m_chrome->OnIdle();
  Shot("frame");

  FillView(true);
  const std::vector<CRect> bar = LayoutMenuBar(MainMenu(), m_chrome->Layout().menuBar);
  t.Then([&] {
    // Hover the "New" item so its submenu opens.
    t.host().PostMouse(WM_MOUSEMOVE, bar[0].left + 20, bar[0].bottom + 10, 0);
  });
  t.Then([&] { t.host().PostMouse(WM_MOUSEMOVE, bar[0].left + 150, bar[0].bottom + 30, 0); });
  t.Then([&] { Shot("menu_game_new"); });
  t.Key(VK_ESCAPE);
  t.Key(VK_ESCAPE);
  t.Key(VK_ESCAPE);
  m_chrome->TrackMenu(0, true);

  t.Then([&] { Shot("menu_options"); });
  t.Key(VK_ESCAPE);  // one Escape leaves a menu bar with no menu open
  m_chrome->TrackMenu(2, true, true);

  t.Then([&] { Shot("about"); });
  t.Key('L');  // Licences...
  t.Then([&] { Shot("licences"); });
  t.Key(VK_NEXT);
  t.Key(VK_NEXT);
  t.Key(VK_NEXT);
  t.Key(VK_NEXT);
  t.Then([&] { Shot("licences_font"); });
  t.Key(VK_ESCAPE);
  t.Key(VK_ESCAPE);
  m_chrome->ShowAbout();

  t.Then([&] { Shot("msgbox_yesno"); });
  t.Key('N');
  m_chrome->MessageBox("Do you wish to quit the current game?", "Quit Game?", MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL);

  t.Then([&] { Shot("msgbox_ok"); });
  t.Key(VK_RETURN);
  m_chrome->MessageBox("Hurray you have won, good job", "", MB_OK);

  t.Then([&] { Shot("msgbox_exclamation"); });
  t.Key(VK_RETURN);
  m_chrome->MessageBox("Please enter no more than 20 characters.", "", MB_OK | MB_ICONEXCLAMATION);

  CPlayersDlg players;
  players.m_nPlayers = 1;
  players.m_strName = {"Alice", "Bob", "Carol", "Dave"};
  players.m_bComputer = {FALSE, TRUE, FALSE, FALSE};
  t.Then([&] { Shot("players"); });
  t.Key(VK_TAB);
  t.Key(VK_TAB);
  t.Then([&] { Shot("players_focus_edit"); });
  t.Key(VK_ESCAPE);
  m_chrome->DoModal(players);

  // A dialog with every kind of control, as the games' dialogs use them.
  static constexpr ControlDef kControls[] = {
      {ControlKind::GroupBox, -1, "Select Game", 7, 7, 90, 62, 0},
      {ControlKind::RadioButton, 100, "&301", 17, 20, 60, 12, WS_GROUP | WS_TABSTOP},
      {ControlKind::RadioButton, 101, "&501", 17, 34, 60, 12, 0},
      {ControlKind::RadioButton, 102, "&Cricket", 17, 48, 60, 12, 0},
      {ControlKind::CheckBox, 103, "&Sound effects", 17, 76, 80, 12, WS_GROUP | WS_TABSTOP},
      {ControlKind::CheckBox, 104, "Computer &hints", 17, 90, 80, 12, WS_TABSTOP | WS_DISABLED},
      {ControlKind::GroupBox, -1, "Game Controls", 105, 7, 150, 97, 0},
      {ControlKind::Static, -1, "Velocity", 112, 22, 36, 8, 0},
      {ControlKind::TrackBar, 110, "", 150, 16, 100, 20, TBS_BOTH | WS_TABSTOP | WS_GROUP},
      {ControlKind::Static, -1, "Slow", 152, 37, 30, 8, 0},
      {ControlKind::Static, -1, "Fast", 218, 37, 30, 8, SS_RIGHT},
      {ControlKind::Static, -1, "Drift", 112, 62, 36, 8, 0},
      {ControlKind::TrackBar, 111, "", 150, 56, 100, 20, TBS_AUTOTICKS | WS_TABSTOP},
      {ControlKind::Static, -1, "None", 152, 77, 30, 8, 0},
      {ControlKind::Static, -1, "Normal", 185, 77, 30, 8, SS_CENTER},
      {ControlKind::Static, -1, "Twice", 218, 77, 30, 8, SS_RIGHT},
      {ControlKind::Static, -1, "&Name:", 7, 114, 30, 8, 0},
      {ControlKind::Edit, 112, "Player1", 40, 112, 80, 13, WS_BORDER | WS_TABSTOP | WS_GROUP},
      {ControlKind::DefPushButton, 1, "OK", 150, 112, 50, 14, WS_GROUP | WS_TABSTOP},
      {ControlKind::PushButton, 2, "Cancel", 205, 112, 50, 14, WS_TABSTOP},
  };
  static constexpr DialogTemplate kAllControls{900, "Dart Game Controls", 262, 133, kControls};
  class AllControls : public CDialog {
   public:
    AllControls() : CDialog(kAllControls) {}
    BOOL OnInitDialog() override {
      CheckRadioButton(100, 102, 101);
      CheckDlgButton(103, 1);
      SetTrackRange(110, 0, 2);
      SetTrackTic(110, 1);
      SetTrackPos(110, 1);
      SetTrackRange(111, 0, 8);
      SetTrackPos(111, 4);
      return TRUE;
    }
  } controls;
  t.Then([&] { Shot("controls"); });
  t.Key(VK_ESCAPE);
  m_chrome->DoModal(controls);

  t.Then([&] { Shot("help"); });
  t.Key(VK_NEXT);
  t.Key(VK_NEXT);
  t.Then([&] { Shot("help_scrolled"); });
  t.Key(VK_ESCAPE);
  m_chrome->ShowHelp();

  // A tool tip and the fly-by prompt over the Sound button.
  for (const ToolButton& b : m_chrome->ToolBar().Buttons()) {
    if (b.id != ID_OPTIONS_SOUND) continue;
    t.host().PostMouse(WM_MOUSEMOVE, b.rect.CenterPoint().x, b.rect.CenterPoint().y, 0);
  }
  t.Wait(700);
  t.Then([&] { t.host().PostMessage(m_frame, WM_USER, 0, 0); });
  MSG msg;
  while (t.host().GetMessage(&msg) && msg.message != WM_USER) t.host().DispatchMessage(msg);
  Shot("tooltip");

  m_chrome->ShowToolBar(false);
  FillView(false);
  Shot("frame_no_toolbar");
  EXPECT_EQ(t.starved(), 0);
}

}  // namespace
