// The main window's chrome on the headless backend: layout, accelerators,
// the tool bar and its tips, the status line, the Alt key and the help window.
#include <gtest/gtest.h>

#include "res/menu_table.h"
#include "res/resource_ids.h"
#include "ui/frame_chrome.h"
#include "ui/help_window.h"
#include "ui/menu_layout.h"
#include "ui/tooltip.h"
#include "ui_test_host.h"

namespace {

class ChromeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.host().onEvent = [this](const std::string& e) { events.push_back(e); };
    frame = t.host().CreateWindow([this](const MSG& msg) -> LRESULT {
      LRESULT r = 0;
      if (chrome->HandleFrameMessage(msg, &r)) return r;
      if (msg.message == WM_COMMAND) commands.push_back(static_cast<UINT>(msg.wParam));
      return 0;
    });
    view = t.host().CreateWindow([this](const MSG& msg) -> LRESULT {
      if (msg.message == WM_PAINT) ++viewPaints;
      return 0;
    });
    t.host().SetViewWindow(view);
    t.host().SetFocus(view);
    chrome = std::make_unique<CFrameChrome>(t.host());
    chrome->Create(frame);
  }

  // The application's loop: the chrome's filters, then dispatch, until the queue is empty.
  void Pump() {
    MSG msg;
    while (t.host().PeekMessage(&msg, true)) {
      if (!chrome->PreTranslateMessage(msg)) t.host().DispatchMessage(msg);
    }
  }
  void Key(UINT vk, bool down = true) { t.host().PostKey(down ? WM_KEYDOWN : WM_KEYUP, vk); }
  CPoint ButtonCentre(UINT id) {
    for (const ToolButton& b : chrome->ToolBar().Buttons())
      if (b.id == id) return b.rect.CenterPoint();
    return {};
  }

  UiTestHost t;
  HWND frame = HWND_NONE, view = HWND_NONE;
  std::unique_ptr<CFrameChrome> chrome;
  std::vector<UINT> commands;
  std::vector<std::string> events;
  int viewPaints = 0;
};

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

TEST_F(ChromeTest, HoverShowsThePromptAtOnceAndTheTipAfterAPause) {
  const CPoint sound = ButtonCentre(ID_OPTIONS_SOUND);
  t.host().PostMouse(WM_MOUSEMOVE, sound.x, sound.y, 0);
  Pump();
  EXPECT_EQ(chrome->ShownStatusText(), "Sound On/Off");
  EXPECT_EQ(chrome->GetStatusText(), "For Help, press F1");  // the text itself is kept
  EXPECT_FALSE(chrome->ToolTip().Visible());
  // Half a second later the tip shows: let the frame's timer run.
  t.Wait(600);
  t.Then([&] { t.host().PostMessage(frame, WM_USER, 0, 0); });
  MSG msg;
  while (t.host().GetMessage(&msg) && msg.message != WM_USER) t.host().DispatchMessage(msg);
  ASSERT_TRUE(chrome->ToolTip().Visible());
  EXPECT_EQ(chrome->ToolTip().Text(), "Sound On\\Off");
  EXPECT_TRUE(t.host().OverlayVisible());
  // Leaving the tool bar for the view takes tip and prompt away.
  t.host().PostMouse(WM_MOUSEMOVE, 300, 200, 0);
  t.Wait(300);
  t.Then([&] { t.host().PostMessage(frame, WM_USER, 0, 0); });
  while (t.host().GetMessage(&msg) && msg.message != WM_USER) t.host().DispatchMessage(msg);
  EXPECT_FALSE(chrome->ToolTip().Visible());
  EXPECT_EQ(chrome->ShownStatusText(), "For Help, press F1");
  EXPECT_FALSE(t.host().OverlayVisible());
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

TEST_F(ChromeTest, AltAloneFocusesTheBarAndAltLetterOpensAMenu) {
  // Alt, release, Right, Down, Enter: the Options menu's first item.
  t.host().PostKey(WM_KEYDOWN, VK_MENU, true);
  t.host().PostKey(WM_KEYUP, VK_MENU, true);
  t.Key(VK_RIGHT);
  t.Key(VK_DOWN);
  t.Key(VK_RETURN);
  Pump();
  EXPECT_EQ(commands, (std::vector<UINT>{ID_OPTIONS_NUMBEROFPLAYERS}));
  // Alt+V opens View with its first item highlighted; "T" chooses Toolbar.
  t.host().PostKey(WM_KEYDOWN, VK_MENU, true);
  t.host().PostKey(WM_KEYDOWN, 'V', true);
  t.Key('T');
  Pump();
  EXPECT_EQ(commands.back(), ID_VIEW_TOOLBAR);
  EXPECT_EQ(t.starved(), 0);
}

TEST_F(ChromeTest, ClickOnTheMenuBarOpensItsMenu) {
  const std::vector<CRect> bar = LayoutMenuBar(MainMenu(), chrome->Layout().menuBar);
  t.host().PostMouse(WM_LBUTTONDOWN, bar[3].CenterPoint().x, bar[3].CenterPoint().y, MK_LBUTTON);
  t.Key(VK_UP);  // "About Quintaro..."
  t.Key(VK_RETURN);
  Pump();
  EXPECT_EQ(commands, (std::vector<UINT>{ID_APP_ABOUT}));
  EXPECT_EQ(chrome->ShownStatusText(), "For Help, press F1");
}

TEST_F(ChromeTest, ExitClosesTheFrameAndUnknownCommandsAreLeftAlone) {
  EXPECT_TRUE(chrome->OnCommand(ID_APP_EXIT));
  MSG msg;
  ASSERT_TRUE(t.host().PeekMessage(&msg, true));
  EXPECT_EQ(msg.message, WM_CLOSE);
  EXPECT_EQ(msg.hwnd, frame);
  EXPECT_FALSE(chrome->OnCommand(ID_GAME_NEW_POOL));
}

// Runs the program's loop until every scripted step has run and the queue is empty.
void RunSteps(UiTestHost& t, HWND frame) {
  t.Then([&] { t.host().PostMessage(frame, WM_USER, 0, 0); });
  MSG msg;
  while (t.host().GetMessage(&msg) && msg.message != WM_USER) t.host().DispatchMessage(msg);
}

TEST_F(ChromeTest, AClickOrANewScreenSendsTheTipAwayUntilThePointerMovesOn) {
  const CPoint sound = ButtonCentre(ID_OPTIONS_SOUND);
  t.Move(sound);
  t.Wait(600);
  RunSteps(t, frame);
  ASSERT_TRUE(chrome->ToolTip().Visible());
  // The screen changes under the pointer (a game ended, a command ran).
  chrome->DismissToolTip();
  EXPECT_FALSE(chrome->ToolTip().Visible());
  EXPECT_EQ(chrome->ShownStatusText(), "For Help, press F1");
  t.Move(sound + CPoint(1, 0));  // still the same button
  t.Wait(900);
  RunSteps(t, frame);
  EXPECT_FALSE(chrome->ToolTip().Visible());
  EXPECT_EQ(chrome->ShownStatusText(), "For Help, press F1");
  // On another button the tip comes back after its pause.
  t.Move(ButtonCentre(ID_OPTIONS_NUMBEROFPLAYERS));
  t.Wait(600);
  RunSteps(t, frame);
  EXPECT_TRUE(chrome->ToolTip().Visible());
  // A click on the button sends it away for good while the pointer stays.
  t.Then([&] { t.host().PostMouse(WM_LBUTTONDOWN, sound.x, sound.y, MK_LBUTTON); });
  t.Wait(900);
  RunSteps(t, frame);
  EXPECT_FALSE(chrome->ToolTip().Visible());
}

TEST_F(ChromeTest, AClickOutsideAnOpenMenuClosesItAndReachesItsTarget) {
  const std::vector<CRect> bar = LayoutMenuBar(MainMenu(), chrome->Layout().menuBar);
  // The Game menu drops down on the left; the Help button is clear of it.
  t.host().PostMouse(WM_LBUTTONDOWN, bar[0].CenterPoint().x, bar[0].CenterPoint().y, MK_LBUTTON);
  t.Click(ButtonCentre(ID_HELP_FINDER));
  Pump();
  EXPECT_EQ(commands, (std::vector<UINT>{ID_HELP_FINDER}));
  EXPECT_EQ(t.host().ModalLayer(), HWND_NONE);
  EXPECT_FALSE(t.host().OverlayVisible());
}

TEST_F(ChromeTest, EscapeClosesAMenuTheMouseOpenedAndTheNextClickCounts) {
  const std::vector<CRect> bar = LayoutMenuBar(MainMenu(), chrome->Layout().menuBar);
  t.host().PostMouse(WM_LBUTTONDOWN, bar[1].CenterPoint().x, bar[1].CenterPoint().y, MK_LBUTTON);
  t.Key(VK_ESCAPE);
  t.Click(ButtonCentre(ID_OPTIONS_SOUND));
  Pump();
  EXPECT_EQ(commands, (std::vector<UINT>{ID_OPTIONS_SOUND}));
  // From the keyboard the classic way stays: Escape goes back to the bar first.
  t.host().PostKey(WM_KEYDOWN, 'O', true);
  t.Key(VK_ESCAPE);
  t.Key(VK_DOWN);
  t.Key(VK_RETURN);
  Pump();
  EXPECT_EQ(commands.back(), ID_OPTIONS_NUMBEROFPLAYERS);
}

TEST(HelpWindow, ScrollsByKeysWheelAndBarAndCloses) {
  UiTestHost t;
  t.LayOut();
  CHelpWindow help(t.host());
  help.Create();
  ASSERT_GT(help.MaxScroll(), 0);  // the help is longer than its pane
  auto key = [&](UINT vk) { help.HandleMessage(MSG{0, WM_KEYDOWN, vk, 0, 0}); };
  key(VK_DOWN);
  const int line = help.ScrollPos();
  EXPECT_GT(line, 0);
  key(VK_NEXT);
  EXPECT_GT(help.ScrollPos(), line);
  key(VK_END);
  EXPECT_EQ(help.ScrollPos(), help.MaxScroll());
  key(VK_DOWN);
  EXPECT_EQ(help.ScrollPos(), help.MaxScroll());
  key(VK_HOME);
  EXPECT_EQ(help.ScrollPos(), 0);
  const CPoint mid = help.PaneRect().CenterPoint();
  help.HandleMessage(MSG{0, WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<DWORD>(-120) << 16), MAKELPARAM(mid.x, mid.y), 0});
  EXPECT_EQ(help.ScrollPos(), 3 * line);
  // Dragging the thumb to the bottom of its trough shows the end.
  const CPoint thumb = help.ThumbRect().CenterPoint();
  help.HandleMessage(MSG{0, WM_LBUTTONDOWN, 0, MAKELPARAM(thumb.x, thumb.y), 0});
  help.HandleMessage(MSG{0, WM_MOUSEMOVE, 0, MAKELPARAM(thumb.x, help.DownArrowRect().top + 50), 0});
  help.HandleMessage(MSG{0, WM_LBUTTONUP, 0, MAKELPARAM(thumb.x, help.DownArrowRect().top + 50), 0});
  EXPECT_EQ(help.ScrollPos(), help.MaxScroll());
  const CPoint close = help.CloseButtonRect().CenterPoint();
  help.HandleMessage(MSG{0, WM_LBUTTONDOWN, 0, MAKELPARAM(close.x, close.y), 0});
  EXPECT_FALSE(help.IsClosed());
  help.HandleMessage(MSG{0, WM_LBUTTONUP, 0, MAKELPARAM(close.x, close.y), 0});
  EXPECT_TRUE(help.IsClosed());
}

TEST(HelpWindow, RunsModallyAndIsOnlyReportedUnderAScript) {
  UiTestHost t;
  t.LayOut();
  std::vector<std::string> events;
  t.host().onEvent = [&](const std::string& e) { events.push_back(e); };
  RunHelpWindow(t.host(), true);
  EXPECT_EQ(events, (std::vector<std::string>{"help shown"}));
  t.Key(VK_NEXT);
  t.Key(VK_ESCAPE);
  RunHelpWindow(t.host(), false);
  EXPECT_EQ(t.starved(), 0);
  EXPECT_FALSE(t.host().OverlayVisible());
}

}  // namespace
