// SPDX-License-Identifier: GPL-3.0-or-later
// The players dialog's name fields: typing up to the limit, the clipboard,
// select all, and placing the caret or selecting a word with the mouse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_test_fixture.h"

namespace {

using namespace quintaro::test;

TEST_F(DialogTest, TypingIntoANameRespectsTheLimitAndEnterValidates) {
  dlg.Create(t.host());
  dlg.GotoDlgCtrl(IDC_NAME1);  // selects the whole name, as Tab does
  for (char c : std::string("A very long player nam")) Char(c);
  EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME1), "A very long player n");  // 21st character refused
  Key(VK_BACK);
  Key(VK_HOME);
  Key(VK_DELETE);
  EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME1), " very long player ");
  Key(VK_RETURN);  // Enter in an edit presses the default button
  EXPECT_TRUE(dlg.IsClosed());
  EXPECT_EQ(dlg.Result(), IDOK);
  EXPECT_EQ(dlg.m_names[0], " very long player ");
  EXPECT_EQ(dlg.m_nPlayers, 1);
  EXPECT_EQ(dlg.m_computer[1], TRUE);
}

TEST_F(DialogTest, NameFieldsTakeTheClipboardAndSelectAll) {
  dlg.m_names[0] = "Zo\xC3\xAB";  // held in UTF-8, as the desktop has it
  dlg.Create(t.host());
  dlg.GotoDlgCtrl(IDC_NAME1);
  Key(VK_CONTROL);
  Key('C');  // copies the whole name: going to a field selects it
  EXPECT_EQ(t.host().GetBackend().ClipboardText(), "Zo\xC3\xAB");  // the desktop's UTF-8
  Key(VK_CONTROL, WM_KEYUP);
  dlg.GotoDlgCtrl(IDC_NAME2);
  Key(VK_END);
  Key(VK_CONTROL);
  Key('V');
  EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME2), "BenZo\xC3\xAB");
  Key('A');
  Key('X');
  EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME2), "");
  EXPECT_EQ(t.host().GetBackend().ClipboardText(), "BenZo\xC3\xAB");
  // A letter beyond the fonts is kept (it draws as '?'); bytes that are not UTF-8 are dropped.
  t.host().GetBackend().SetClipboardText("\xE2\x82\xAC\xFF" "5");
  Key('V');
  EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME2), "\xE2\x82\xAC" "5");
  // Without Ctrl the letters are typed again.
  Key(VK_CONTROL, WM_KEYUP);
  Char('a');
  EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME2), "\xE2\x82\xAC" "5a");
  // Characters arrive from the desktop as code points and leave whole.
  Char(0xFC);
  EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME2), "\xE2\x82\xAC" "5a\xC3\xBC");
  Key(VK_BACK);
  Key(VK_BACK);
  Key(VK_BACK);
  EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME2), "\xE2\x82\xAC");
}

TEST_F(DialogTest, DoubleClickSelectsAWordAndAClickPlacesTheCaret) {
  dlg.m_names[0] = "Anna Lee";
  dlg.Create(t.host());
  const CRect field = dlg.ControlRect(IDC_NAME1);
  const CPoint inFirstWord(field.left + 8, field.CenterPoint().y);
  const auto press = [&](CPoint p, DWORD time) {
    dlg.HandleMessage(MSG{0, WM_LBUTTONDOWN, 0, MAKELPARAM(p.x, p.y), time});
    dlg.HandleMessage(MSG{0, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y), time});
  };
  press(inFirstWord, 1000);
  Char('x');  // typed where the click put the caret, not at the end
  EXPECT_NE(dlg.GetDlgItemText(IDC_NAME1).find('x'), dlg.GetDlgItemText(IDC_NAME1).size() - 1);
  Key(VK_BACK);
  press(inFirstWord, 3000);
  press(inFirstWord, 3200);  // a double-click
  Char('B');
  EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME1), "B Lee");
  press(inFirstWord, 5000);
  press(inFirstWord, 5900);  // too slow: two clicks
  Char('o');
  EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME1).size(), 6u);
}

}  // namespace
