// SPDX-License-Identifier: GPL-3.0-or-later
// Track bars in a dialog, driven by keys, the mouse and a script, on a
// settings dialog with a labelled track bar, a second one and a check box.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "res/resource_ids.h"
#include "ui/ddx.h"
#include "ui/dialog.h"
#include "ui/trackbar_logic.h"
#include "ui_test_host.h"

namespace {

// A settings dialog: a label with a mnemonic, two track bars, a check box.
constexpr ControlDef kSettingsControls[] = {
    {ControlKind::Static, -1, "&Speed", 5, 8, 30, 8, 0},
    {ControlKind::TrackBar, 20, "", 40, 4, 100, 20, TBS_AUTOTICKS | WS_TABSTOP | WS_GROUP},
    {ControlKind::TrackBar, 21, "", 40, 30, 100, 20, TBS_BOTH | WS_TABSTOP | WS_GROUP},
    {ControlKind::CheckBox, 22, "&Hints", 5, 56, 60, 12, WS_TABSTOP | WS_GROUP},
    {ControlKind::DefPushButton, IDOK, "OK", 40, 75, 50, 14, WS_TABSTOP | WS_GROUP},
    {ControlKind::PushButton, IDCANCEL, "Cancel", 95, 75, 50, 14, WS_TABSTOP},
};
constexpr DialogTemplate kSettings{901, "Game Controls", 150, 95, kSettingsControls};

class SettingsDialog : public CDialog {
 public:
  SettingsDialog() : CDialog(kSettings) {}
  int m_nSpeed = 8;
  int m_nDrift = 4;
  BOOL m_bHints = FALSE;
  int changes = 0;

 protected:
  BOOL OnInitDialog() override {
    SetTrackRange(20, 1, 20);
    SetTrackPageSize(20, 4);
    SetTrackRange(21, 0, 8);
    return CDialog::OnInitDialog();
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Slider(pDX, 20, m_nSpeed);
    DDX_Slider(pDX, 21, m_nDrift);
    DDX_Check(pDX, 22, m_bHints);
  }
  void OnCommand(int, UINT code) override {
    if (code == TB_CHANGED) ++changes;
  }
};

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { t.LayOut(); }
  void Key(UINT vk, UINT message = WM_KEYDOWN) { dlg.HandleMessage(MSG{0, message, vk, 0, 0}); }
  void Mouse(UINT message, CPoint p) { dlg.HandleMessage(MSG{0, message, 0, MAKELPARAM(p.x, p.y), 0}); }
  UiTestHost t;
  SettingsDialog dlg;
};

TEST_F(SettingsTest, TrackBarsFollowKeysAndMouseAndExchangeTheirPositions) {
  dlg.Create(t.host());
  EXPECT_EQ(dlg.GetFocusId(), 20);
  EXPECT_EQ(dlg.GetTrackPos(20), 8);
  Key(VK_RIGHT);
  Key(VK_NEXT);
  EXPECT_EQ(dlg.GetTrackPos(20), 13);
  Key(VK_END);
  Key(VK_END);  // already there: no change reported
  EXPECT_EQ(dlg.changes, 3);
  Key(VK_TAB);
  Key(VK_HOME);
  EXPECT_EQ(dlg.GetTrackPos(21), 0);
  // A click on the channel right of the thumb pages towards it; dragging the thumb follows the pointer.
  const CRect r = dlg.ControlRect(21);
  Mouse(WM_LBUTTONDOWN, CPoint(r.right - 12, r.CenterPoint().y));
  Mouse(WM_LBUTTONUP, CPoint(r.right - 12, r.CenterPoint().y));
  EXPECT_EQ(dlg.GetTrackPos(21), 1);
  const DialogControl* drift = dlg.GetDlgItem(21);
  TrackGeometry g = TrackLayout(drift->rect, drift->track, drift->style);
  const CPoint thumb(dlg.ClientRect().left + g.thumb.CenterPoint().x, dlg.ClientRect().top + g.thumb.CenterPoint().y);
  Mouse(WM_LBUTTONDOWN, thumb);
  Mouse(WM_MOUSEMOVE, CPoint(r.right + 40, thumb.y));
  Mouse(WM_LBUTTONUP, CPoint(r.right + 40, thumb.y));
  EXPECT_EQ(dlg.GetTrackPos(21), 8);
  // Alt+S: the label hands the focus to the track bar after it; Alt+H clicks the check box.
  Key('S', WM_SYSKEYDOWN);
  EXPECT_EQ(dlg.GetFocusId(), 20);
  Key('H', WM_SYSKEYDOWN);
  EXPECT_EQ(dlg.IsDlgButtonChecked(22), 1);
  Key(VK_RETURN);
  ASSERT_TRUE(dlg.IsClosed());
  EXPECT_EQ(dlg.m_nSpeed, 20);
  EXPECT_EQ(dlg.m_nDrift, 8);
  EXPECT_EQ(dlg.m_bHints, TRUE);
}

TEST_F(SettingsTest, ScriptMovesATrackBarWithinItsRange) {
  class Script : public ModalScript {
   public:
    std::optional<int> AnswerMessageBox(const std::string&, const std::string&, UINT) override { return {}; }
    std::optional<int> RunDialog(int id, DialogController& d) override {
      EXPECT_EQ(id, 901);
      EXPECT_TRUE(d.Track(20, 99));
      EXPECT_TRUE(d.Track(21, -3));
      EXPECT_FALSE(d.Track(22, 1));
      return IDOK;
    }
  } script;
  EXPECT_EQ(dlg.DoModal(t.host(), &script), IDOK);
  EXPECT_EQ(dlg.m_nSpeed, 20);
  EXPECT_EQ(dlg.m_nDrift, 0);
}

}  // namespace
