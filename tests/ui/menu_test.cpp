// SPDX-License-Identifier: GPL-3.0-or-later
// The menu: layout and hit testing, keyboard and mouse tracking, enabling
// and check marks through the update hook.
#include <gtest/gtest.h>

#include "res/menu_table.h"
#include "res/resource_ids.h"
#include "ui/menu_layout.h"
#include "ui/menu_tracker.h"
#include "ui_test_host.h"

namespace {

const CRect kBar(0, 0, kClientWidth, kMenuBarHeight);

TEST(MenuLayout, BarItemsLieSideBySide) {
  const std::vector<CRect> items = LayoutMenuBar(MainMenu(), kBar);
  ASSERT_EQ(items.size(), 5u);
  for (std::size_t i = 1; i < items.size(); ++i) EXPECT_EQ(items[i].left, items[i - 1].right);
  EXPECT_EQ(HitTestRects(items, items[2].CenterPoint()), 2);
  EXPECT_EQ(HitTestRects(items, CPoint(kClientWidth - 2, 5)), -1);
}

TEST(MenuLayout, PopupsFitTheirTextAndStayInTheWindow) {
  const std::span<const MenuItemDef> game = MainMenu()[0].items;
  const PopupLayout layout = LayoutPopup(game);
  ASSERT_EQ(layout.items.size(), game.size());
  // Items follow each other; the separator is thinner than a command.
  for (std::size_t i = 1; i < layout.items.size(); ++i) EXPECT_EQ(layout.items[i].top, layout.items[i - 1].bottom);
  EXPECT_EQ(layout.items[2].Height(), kPopupSeparatorHeight);
  EXPECT_EQ(layout.size.cy, layout.items.back().bottom + kPopupBorder);
  EXPECT_EQ(MenuLabel(game[0]), "&New");
  EXPECT_EQ(MenuAccelText(game[0]), "Ctrl+N");
  // Near the right edge a popup moves left; a submenu flips to the other side.
  const CRect bounds(0, 0, 606, 471);
  EXPECT_EQ(PlacePopupUnder(CRect(580, 1, 600, 18), SIZE{100, 80}, bounds).x, 506);
  EXPECT_EQ(PlaceSubmenu(CRect(450, 20, 550, 100), CRect(3, 3, 97, 20), SIZE{100, 80}, bounds).x, 353);
  EXPECT_EQ(PlaceSubmenu(CRect(10, 20, 110, 100), CRect(3, 3, 97, 20), SIZE{100, 80}, bounds).x, 107);
  EXPECT_EQ(PlaceSubmenu(CRect(10, 400, 110, 460), CRect(3, 3, 97, 20), SIZE{100, 80}, bounds).y, 391);
}

class MenuTrackerTest : public ::testing::Test {
 protected:
  void SetUp() override { t.LayOut(); }
  CMenuTracker Make() {
    return CMenuTracker(t.host(), MainMenu(), kBar,
                        {[this](int h) { barDrawn.push_back(h); }, [this](std::string_view p) { prompt = p; },
                         [this](CCmdUI& c) {
                           ++asked;
                           if (c.m_nID == ID_GAME_QUITGAME) c.Enable(FALSE);
                           if (c.m_nID == ID_OPTIONS_SOUND) c.SetCheck(1);
                         }});
  }
  static MSG Key(UINT vk) { return MSG{0, WM_KEYDOWN, vk, 0, 0}; }
  static MSG Mouse(UINT message, CPoint p) { return MSG{0, message, 0, MAKELPARAM(p.x, p.y), 0}; }

  UiTestHost t;
  std::vector<int> barDrawn;
  std::string prompt;
  int asked = 0;
};

TEST_F(MenuTrackerTest, KeyboardWalksIntoTheNewSubmenuAndChooses) {
  CMenuTracker m = Make();
  m.Begin(0, false);  // Alt: the bar has the keyboard, nothing open
  EXPECT_EQ(m.OpenLevels(), 0);
  m.HandleMessage(Key(VK_DOWN));
  ASSERT_EQ(m.OpenLevels(), 1);
  EXPECT_EQ(m.Selected(0), 0);  // "New"
  m.HandleMessage(Key(VK_RIGHT));
  ASSERT_EQ(m.OpenLevels(), 2);
  EXPECT_EQ(m.Selected(1), 0);
  m.HandleMessage(Key(VK_DOWN));
  EXPECT_EQ(prompt, "New Game of Basketball");
  m.HandleMessage(Key(VK_RETURN));
  EXPECT_TRUE(m.Done());
  EXPECT_EQ(m.Chosen(), ID_GAME_NEW_BASKETBALL);
  EXPECT_EQ(barDrawn.back(), -1);  // the bar is back to normal
}

TEST_F(MenuTrackerTest, EscapeClosesOneLevelAtATime) {
  CMenuTracker m = Make();
  m.Begin(0, true, true);
  m.HandleMessage(Key(VK_RIGHT));
  EXPECT_EQ(m.OpenLevels(), 2);
  m.HandleMessage(Key(VK_ESCAPE));
  EXPECT_EQ(m.OpenLevels(), 1);
  m.HandleMessage(Key(VK_ESCAPE));
  EXPECT_EQ(m.OpenLevels(), 0);
  EXPECT_FALSE(m.Done());
  m.HandleMessage(Key(VK_ESCAPE));
  EXPECT_TRUE(m.Done());
  EXPECT_EQ(m.Chosen(), 0u);
}

TEST_F(MenuTrackerTest, ArrowsSkipSeparatorsAndWrapBetweenMenus) {
  CMenuTracker m = Make();
  m.Begin(2, true, true);  // Options, "Number of Players..."
  m.HandleMessage(Key(VK_DOWN));
  m.HandleMessage(Key(VK_DOWN));  // over the separator
  EXPECT_EQ(m.Selected(0), 3);    // "Game Controls..."
  m.HandleMessage(Key(VK_UP));
  m.HandleMessage(Key(VK_UP));
  m.HandleMessage(Key(VK_UP));    // wraps to the bottom
  EXPECT_EQ(m.Selected(0), 7);    // "Language", below "Sound"
  EXPECT_EQ(m.ItemState(0, 6).m_nCheck, 1);
  m.HandleMessage(Key(VK_LEFT));
  EXPECT_EQ(m.BarItem(), 1);      // Edit
  m.HandleMessage(Key(VK_LEFT));
  m.HandleMessage(Key(VK_LEFT));
  EXPECT_EQ(m.BarItem(), 4);      // Help, from the left end
  EXPECT_EQ(m.OpenLevels(), 1);
}

TEST_F(MenuTrackerTest, DisabledCommandsCanBeHighlightedButNotChosen) {
  CMenuTracker m = Make();
  m.Begin(0, true);
  EXPECT_FALSE(m.ItemState(0, 1).m_bEnabled);
  m.HandleMessage(Key('Q'));  // the mnemonic of "Quit Game"
  EXPECT_EQ(m.Selected(0), 1);
  EXPECT_FALSE(m.Done());
  m.HandleMessage(Key(VK_RETURN));
  EXPECT_FALSE(m.Done());
  m.HandleMessage(Mouse(WM_LBUTTONUP, m.ItemRect(0, 1).CenterPoint()));
  EXPECT_FALSE(m.Done());
  m.HandleMessage(Key('X'));  // "E&xit"
  EXPECT_TRUE(m.Done());
  EXPECT_EQ(m.Chosen(), ID_APP_EXIT);
  EXPECT_GT(asked, 0);
}

TEST_F(MenuTrackerTest, MouseSlidesBetweenMenusAndClicksAnItem) {
  CMenuTracker m = Make();
  m.Begin(0, true);
  const std::vector<CRect>& bar = m.BarItems();
  m.HandleMessage(Mouse(WM_MOUSEMOVE, bar[3].CenterPoint()));
  EXPECT_EQ(m.BarItem(), 3);  // the View menu opened in its place
  ASSERT_EQ(m.OpenLevels(), 1);
  const CPoint toolbar = m.ItemRect(0, 2).CenterPoint();
  m.HandleMessage(Mouse(WM_MOUSEMOVE, toolbar));
  EXPECT_EQ(prompt, "Show or hide the toolbar");
  m.HandleMessage(Mouse(WM_LBUTTONDOWN, toolbar));
  m.HandleMessage(Mouse(WM_LBUTTONUP, toolbar));
  EXPECT_TRUE(m.Done());
  EXPECT_EQ(m.Chosen(), ID_VIEW_TOOLBAR);
}

TEST_F(MenuTrackerTest, HoveringAPopupItemOpensItsSubmenuAndAClickOutsideDismisses) {
  CMenuTracker m = Make();
  m.Begin(0, true);
  m.HandleMessage(Mouse(WM_MOUSEMOVE, m.ItemRect(0, 0).CenterPoint()));
  ASSERT_EQ(m.OpenLevels(), 2);
  EXPECT_EQ(m.PopupRect(1).left, m.PopupRect(0).right - kPopupBorder);
  m.HandleMessage(Mouse(WM_MOUSEMOVE, m.ItemRect(1, 5).CenterPoint()));
  EXPECT_EQ(m.Selected(1), 5);
  EXPECT_EQ(m.OpenLevels(), 2);
  // A click on the open menu's own bar item closes it; so does a click elsewhere.
  m.HandleMessage(Mouse(WM_LBUTTONDOWN, CPoint(300, 300)));
  EXPECT_TRUE(m.Done());
  EXPECT_EQ(m.Chosen(), 0u);
  CMenuTracker again = Make();
  again.Begin(1, true);
  again.HandleMessage(Mouse(WM_LBUTTONDOWN, again.BarItems()[1].CenterPoint()));
  EXPECT_TRUE(again.Done());
}

TEST_F(MenuTrackerTest, TrackRunsItsLoopAndCleansUp) {
  const Surface32 before = t.host().Overlay();
  t.Key(VK_UP);      // from "New" round to "Exit"
  t.Key(VK_RETURN);
  CMenuTracker m = Make();
  EXPECT_EQ(m.Track(0, true, true), ID_APP_EXIT);
  EXPECT_EQ(t.host().ModalLayer(), HWND_NONE);
  EXPECT_FALSE(t.host().OverlayVisible());
  EXPECT_TRUE(std::equal(before.Data(), before.Data() + before.Width() * before.Height(), t.host().Overlay().Data()));
  EXPECT_EQ(t.starved(), 0);
}

}  // namespace
