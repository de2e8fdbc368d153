// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's chrome on the headless backend: layout, commands,
// accelerators, the tool bar's buttons and the status line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chrome_test_fixture.h"
#include "res/resource_ids.h"
#include "ui/menu_layout.h"

namespace {

using namespace quintaro::test;

TEST_F(ChromeTest, LaysTheWindowOutAroundTheView) {
  const ChromeLayout& l = chrome->Layout();
  EXPECT_EQ(l.size.cx, 606);
  EXPECT_EQ(l.size.cy, 471);
  EXPECT_EQ(l.view.Width(), 602);
  EXPECT_EQ(l.view.Height(), 401);
  EXPECT_EQ(t.host().ViewRect(), l.view);
  EXPECT_EQ(t.host().WindowSurface().Width(), 606);
  EXPECT_EQ(l.menuBar.bottom, l.toolBar.top);
  EXPECT_EQ(l.viewFrame.bottom, l.statusBar.top);
  EXPECT_EQ(events.front(), "status \"For Help, press F1\"");
  // View > Toolbar hides it: the window shortens and the view repaints itself.
  EXPECT_EQ(chrome->QueryCommand(ID_VIEW_TOOLBAR).m_nCheck, 1);
  EXPECT_TRUE(chrome->OnCommand(ID_VIEW_TOOLBAR));
  EXPECT_EQ(chrome->QueryCommand(ID_VIEW_TOOLBAR).m_nCheck, 0);
  EXPECT_EQ(t.host().WindowSurface().Height(), 444);
  EXPECT_EQ(t.host().ViewRect().top, kMenuBarHeight + kViewEdge);
  Pump();
  EXPECT_EQ(viewPaints, 1);
  chrome->ShowToolBar(true);
  EXPECT_EQ(t.host().WindowSurface().Height(), 471);
}

TEST_F(ChromeTest, AcceleratorsPostTheirCommands) {
  Key(VK_CONTROL);
  Key('N');
  Key('N', false);
  Key(VK_CONTROL, false);
  Key(VK_F1);
  Key(VK_SHIFT);
  Key(VK_F1);
  Key(VK_SHIFT, false);
  Key('N');  // plain N is no accelerator
  Pump();
  EXPECT_EQ(commands, (std::vector<UINT>{ID_FILE_NEW, ID_HELP, ID_CONTEXT_HELP}));
}

TEST_F(ChromeTest, DisabledAcceleratorIsSwallowedButNotPosted) {
  chrome->SetUpdateHook([](CCmdUI& c) {
    if (c.m_nID == ID_FILE_NEW) c.Enable(FALSE);
  });
  Key(VK_CONTROL);
  Key('N');
  Pump();
  EXPECT_TRUE(commands.empty());
  // Ctrl released before N is taken from the queue: no accelerator.
  Key(VK_CONTROL, false);
  chrome->SetUpdateHook({});
  Key('N');
  Pump();
  EXPECT_TRUE(commands.empty());
}

TEST_F(ChromeTest, ToolBarClickPostsItsCommandUnlessDisabled) {
  const CPoint players = ButtonCentre(ID_OPTIONS_NUMBEROFPLAYERS);
  t.host().PostMouse(WM_LBUTTONDOWN, players.x, players.y, MK_LBUTTON);
  Pump();
  EXPECT_EQ(t.host().GetCapture(), frame);  // held down while the button is pressed
  t.host().PostMouse(WM_LBUTTONUP, players.x, players.y, 0);
  Pump();
  EXPECT_EQ(commands, (std::vector<UINT>{ID_OPTIONS_NUMBEROFPLAYERS}));
  EXPECT_EQ(t.host().GetCapture(), HWND_NONE);
  // Pressed, then released elsewhere: nothing.
  t.host().PostMouse(WM_LBUTTONDOWN, players.x, players.y, MK_LBUTTON);
  t.host().PostMouse(WM_LBUTTONUP, 300, 300, 0);
  // A disabled button does not press.
  chrome->SetUpdateHook([](CCmdUI& c) {
    if (c.m_nID == ID_GAME_QUITGAME) c.Enable(FALSE);
    if (c.m_nID == ID_OPTIONS_SOUND) c.SetCheck(1);
  });
  chrome->OnIdle();
  const CPoint quit = ButtonCentre(ID_GAME_QUITGAME);
  t.host().PostMouse(WM_LBUTTONDOWN, quit.x, quit.y, MK_LBUTTON);
  t.host().PostMouse(WM_LBUTTONUP, quit.x, quit.y, 0);
  Pump();
  EXPECT_EQ(commands.size(), 1u);
  for (const ToolButton& b : chrome->ToolBar().Buttons()) {
    if (b.id == ID_OPTIONS_SOUND) {
      EXPECT_TRUE(b.checked);
    }
    if (b.id == ID_GAME_QUITGAME) {
      EXPECT_FALSE(b.enabled);
    }
  }
}

TEST_F(ChromeTest, StatusTextIsReportedOncePerChange) {
  events.clear();
  chrome->SetStatusText("Pick a dart please.");
  chrome->SetStatusText("Pick a dart please.");
  chrome->SetStatusText("Say \"cheese\"");
  EXPECT_EQ(events, (std::vector<std::string>{"status \"Pick a dart please.\"", "status \"Say \\\"cheese\\\"\""}));
  EXPECT_EQ(chrome->GetStatusText(), "Say \"cheese\"");
}

TEST_F(ChromeTest, ChoosingADisabledCommandIsReported) {
  chrome->SetUpdateHook([](CCmdUI& c) {
    if (c.m_nID == ID_GAME_QUITGAME) c.Enable(FALSE);
  });
  EXPECT_FALSE(chrome->ChooseCommand(ID_GAME_QUITGAME));
  EXPECT_EQ(events.back(), "menu 32790 disabled");
  EXPECT_TRUE(chrome->ChooseCommand(ID_GAME_NEW_DARTS));
  Pump();
  EXPECT_EQ(commands, (std::vector<UINT>{ID_GAME_NEW_DARTS}));
}

TEST_F(ChromeTest, ExitClosesTheFrameAndUnknownCommandsAreLeftAlone) {
  EXPECT_TRUE(chrome->OnCommand(ID_APP_EXIT));
  MSG msg;
  ASSERT_TRUE(t.host().PeekMessage(&msg, true));
  EXPECT_EQ(msg.message, WM_CLOSE);
  EXPECT_EQ(msg.hwnd, frame);
  EXPECT_FALSE(chrome->OnCommand(ID_GAME_NEW_POOL));
}

}  // namespace
