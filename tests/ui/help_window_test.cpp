// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: scrolling by keys, the wheel and the scroll bar, closing,
// and running modally or only being reported under a script.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/help_window.h"
#include "ui_test_host.h"

namespace {

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
