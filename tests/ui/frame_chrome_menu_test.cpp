// SPDX-License-Identifier: GPL-3.0-or-later
// The menu from the chrome: the Alt key, Alt+letter, a click on the bar,
// and Escape or a click outside an open menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chrome_test_fixture.h"
#include "res/menu_table.h"
#include "res/resource_ids.h"
#include "ui/menu_layout.h"

namespace {

using namespace quintaro::test;

TEST_F(ChromeTest, AltAloneFocusesTheBarAndAltLetterOpensAMenu) {
  // Alt, release, Right past Edit, Down, Enter: the Options menu's first item.
  t.host().PostKey(WM_KEYDOWN, VK_MENU, true);
  t.host().PostKey(WM_KEYUP, VK_MENU, true);
  t.Key(VK_RIGHT);
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

// A key that chooses a menu item types nothing into what the item opens,
// whether its character is queued with it (the desktop) or comes after it
// (the page); the next key types as usual.
TEST_F(ChromeTest, TheKeyThatChoosesAMenuItemTypesNothing) {
  for (const bool charQueuedWithKey : {true, false}) {
    typed.clear();
    t.host().PostKey(WM_KEYDOWN, VK_MENU, true);
    t.host().PostKey(WM_KEYDOWN, 'V', true);
    t.Key('T');
    if (charQueuedWithKey) t.host().PostMessage(view, WM_CHAR, 't', 0);
    Pump();
    if (!charQueuedWithKey) t.host().PostMessage(view, WM_CHAR, 't', 0);
    t.Key('X');
    t.host().PostMessage(view, WM_CHAR, 'x', 0);
    Pump();
    EXPECT_EQ(commands.back(), ID_VIEW_TOOLBAR);
    EXPECT_EQ(typed, "x") << charQueuedWithKey;
  }
}

TEST_F(ChromeTest, ClickOnTheMenuBarOpensItsMenu) {
  const std::vector<CRect> bar = LayoutMenuBar(MainMenu(), chrome->Layout().menuBar);
  t.host().PostMouse(WM_LBUTTONDOWN, bar[4].CenterPoint().x, bar[4].CenterPoint().y, MK_LBUTTON);
  t.Key(VK_UP);  // "About Quintaro..."
  t.Key(VK_RETURN);
  Pump();
  EXPECT_EQ(commands, (std::vector<UINT>{ID_APP_ABOUT}));
  EXPECT_EQ(chrome->ShownStatusText(), "For Help, press F1");
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
  t.host().PostMouse(WM_LBUTTONDOWN, bar[2].CenterPoint().x, bar[2].CenterPoint().y, MK_LBUTTON);
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

}  // namespace
