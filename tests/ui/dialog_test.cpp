// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog engine driven as a user would, with clicks and keys on the
// window surface, on the players dialog's template.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_test_fixture.h"

namespace {

using namespace quintaro::test;

TEST_F(DialogTest, OpensWithDataAndTheEnablingRule) {
  dlg.Create(t.host());
  EXPECT_EQ(dlg.GetCheckedRadioButton(IDC_ONE_PLAYER, IDC_FOUR_PLAYERS), IDC_TWO_PLAYERS);
  EXPECT_TRUE(dlg.IsDlgItemEnabled(IDC_NAME2));
  EXPECT_FALSE(dlg.IsDlgItemEnabled(IDC_NAME3));
  EXPECT_FALSE(dlg.IsDlgItemEnabled(IDC_COMPUTER4));
  EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME3), "Cy");  // greyed seats keep their names
  EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_COMPUTER2), 1);
  EXPECT_EQ(dlg.GetFocusId(), IDC_TWO_PLAYERS);    // Tab stop of a radio group: its checked button
  EXPECT_EQ(dlg.GetDlgItem(IDC_NAME1)->edit.limit, 20);
  // Centred over the window, inside it.
  const CRect w = dlg.WindowRect();
  EXPECT_TRUE(CRect(0, 0, kClientWidth, 471).PtInRect(w.TopLeft()));
  EXPECT_LE(w.right, kClientWidth);
}

TEST_F(DialogTest, ClickingFourPlayersEnablesEverySeatAndOneGreysThemAgain) {
  dlg.Create(t.host());
  ClickAt(Centre(IDC_FOUR_PLAYERS));
  for (int id : kNames) EXPECT_TRUE(dlg.IsDlgItemEnabled(id));
  EXPECT_EQ(dlg.GetCheckedRadioButton(IDC_ONE_PLAYER, IDC_FOUR_PLAYERS), IDC_FOUR_PLAYERS);
  ClickAt(Centre(IDC_ONE_PLAYER));
  EXPECT_TRUE(dlg.IsDlgItemEnabled(IDC_NAME1));
  EXPECT_FALSE(dlg.IsDlgItemEnabled(IDC_NAME2));
  EXPECT_FALSE(dlg.IsDlgItemEnabled(IDC_COMPUTER2));
  // A press that leaves the button before the release clicks nothing.
  const int before = static_cast<int>(dlg.commands.size());
  Mouse(WM_LBUTTONDOWN, Centre(IDC_THREE_PLAYERS));
  Mouse(WM_MOUSEMOVE, CPoint(1, 1));
  Mouse(WM_LBUTTONUP, CPoint(1, 1));
  EXPECT_EQ(static_cast<int>(dlg.commands.size()), before);
  // Disabled controls ignore clicks.
  ClickAt(Centre(IDC_COMPUTER3));
  EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_COMPUTER3), 0);
}

TEST_F(DialogTest, KeyboardNavigation) {
  dlg.Create(t.host());
  // Arrows in the radio group move and check.
  Key(VK_DOWN);
  EXPECT_EQ(dlg.GetFocusId(), IDC_THREE_PLAYERS);
  EXPECT_EQ(dlg.GetCheckedRadioButton(IDC_ONE_PLAYER, IDC_FOUR_PLAYERS), IDC_THREE_PLAYERS);
  EXPECT_TRUE(dlg.IsDlgItemEnabled(IDC_NAME3));
  Key(VK_UP);
  Key(VK_UP);
  Key(VK_UP);  // wraps round to the last button
  EXPECT_EQ(dlg.GetFocusId(), IDC_FOUR_PLAYERS);
  ClickAt(Centre(IDC_TWO_PLAYERS));
  // Tab visits the enabled controls in order, skipping greyed seats.
  std::vector<int> order;
  for (int i = 0; i < 7; ++i) {
    Key(VK_TAB);
    order.push_back(dlg.GetFocusId());
  }
  EXPECT_EQ(order, (std::vector<int>{IDC_NAME1, IDC_NAME2, IDC_COMPUTER1, IDC_COMPUTER2, IDOK, IDCANCEL,
                                     IDC_TWO_PLAYERS}));
  Key(VK_SHIFT);
  Key(VK_TAB);
  Key(VK_SHIFT, WM_KEYUP);
  EXPECT_EQ(dlg.GetFocusId(), IDCANCEL);
  // Space presses the focused check box on the way down and clicks it on the way up.
  dlg.GotoDlgCtrl(IDC_COMPUTER1);
  Key(VK_SPACE);
  EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_COMPUTER1), 0);
  Key(VK_SPACE, WM_KEYUP);
  EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_COMPUTER1), 1);
  // Alt and a mnemonic-less letter do nothing; Escape cancels.
  Key('Q', WM_SYSKEYDOWN);
  EXPECT_FALSE(dlg.IsClosed());
  Key(VK_ESCAPE);
  EXPECT_TRUE(dlg.IsClosed());
  EXPECT_EQ(dlg.Result(), IDCANCEL);
}

}  // namespace
