// The dialog engine driven as a user would (keys and clicks on the window
// surface) and as a script would, on the players dialog's template.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "res/shell_dialogs.h"
#include "ui/ddx.h"
#include "ui/dialog.h"
#include "ui/message_box.h"
#include "ui/trackbar_logic.h"
#include "ui_test_host.h"

namespace {

constexpr int kNames[4] = {IDC_NAME1, IDC_NAME2, IDC_NAME3, IDC_NAME4};
constexpr int kComputers[4] = {IDC_COMPUTER1, IDC_COMPUTER2, IDC_COMPUTER3, IDC_COMPUTER4};

// The players dialog's behaviour: seats beyond the chosen count are greyed.
class SeatsDialog : public CDialog {
 public:
  SeatsDialog() : CDialog(PlayersDialogTemplate()) {}
  int m_nPlayers = -1;
  std::array<std::string, 4> m_names;
  std::array<BOOL, 4> m_computer{};
  std::vector<std::pair<int, UINT>> commands;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (m_nPlayers >= 0 && m_nPlayers <= 3) Seats(m_nPlayers + 1);
    return TRUE;
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Radio(pDX, IDC_ONE_PLAYER, m_nPlayers);
    for (int i = 0; i < 4; ++i) {
      DDX_Text(pDX, kNames[i], m_names[static_cast<std::size_t>(i)]);
      DDV_MaxChars(pDX, m_names[static_cast<std::size_t>(i)], 20);
      DDX_Check(pDX, kComputers[i], m_computer[static_cast<std::size_t>(i)]);
    }
  }
  void OnCommand(int id, UINT code) override {
    commands.emplace_back(id, code);
    if (code == BN_CLICKED && id >= IDC_ONE_PLAYER && id <= IDC_FOUR_PLAYERS) Seats(id - IDC_ONE_PLAYER + 1);
  }

 private:
  void Seats(int n) {
    for (int k = 0; k < 4; ++k) {
      EnableDlgItem(kNames[k], k < n);
      EnableDlgItem(kComputers[k], k < n);
    }
  }
};

// Answers from a list; records what it was asked.
class ListScript : public ModalScript {
 public:
  std::vector<std::optional<int>> boxAnswers;
  std::vector<std::string> boxesSeen;
  std::function<std::optional<int>(DialogController&)> dialog;

  std::optional<int> AnswerMessageBox(const std::string& caption, const std::string& text, UINT) override {
    boxesSeen.push_back(caption + "|" + text);
    if (boxAnswers.empty()) return std::nullopt;
    auto a = boxAnswers.front();
    boxAnswers.erase(boxAnswers.begin());
    return a;
  }
  std::optional<int> RunDialog(int, DialogController& d) override { return dialog ? dialog(d) : std::nullopt; }
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.LayOut();
    t.host().onEvent = [this](const std::string& e) { events.push_back(e); };
    dlg.m_nPlayers = 1;
    dlg.m_names = {"Ann", "Ben", "Cy", "Di"};
    dlg.m_computer = {FALSE, TRUE, FALSE, FALSE};
  }
  void Key(UINT vk, UINT message = WM_KEYDOWN) { dlg.HandleMessage(MSG{0, message, vk, 0, 0}); }
  void Char(char32_t c) { dlg.HandleMessage(MSG{0, WM_CHAR, static_cast<WPARAM>(c), 0, 0}); }
  void Mouse(UINT message, CPoint p) { dlg.HandleMessage(MSG{0, message, 0, MAKELPARAM(p.x, p.y), 0}); }
  void ClickAt(CPoint p) {
    Mouse(WM_LBUTTONDOWN, p);
    Mouse(WM_LBUTTONUP, p);
  }
  CPoint Centre(int id) { return dlg.ControlRect(id).CenterPoint(); }

  UiTestHost t;
  SeatsDialog dlg;
  std::vector<std::string> events;
};

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

TEST_F(DialogTest, ValidationRefusesAnOverlongNameAndKeepsTheDialogOpen) {
  ListScript script;
  dlg.m_names[1] = std::string(25, 'x');  // set by the program, past the limit
  dlg.Create(t.host(), &script);
  Key(VK_RETURN);
  EXPECT_FALSE(dlg.IsClosed());
  ASSERT_EQ(script.boxesSeen.size(), 1u);
  EXPECT_EQ(script.boxesSeen[0], "Quintaro|Please enter no more than 20 characters.");
  EXPECT_EQ(dlg.GetFocusId(), IDC_NAME2);  // the faulty field has the focus
  EXPECT_EQ(events.back(), "msgbox \"Quintaro\" \"Please enter no more than 20 characters.\" -> ok unscripted");
}

TEST_F(DialogTest, ScriptDrivesTheDialogWithoutALoop) {
  ListScript script;
  script.dialog = [&](DialogController& d) -> std::optional<int> {
    EXPECT_TRUE(d.Click(IDC_FOUR_PLAYERS));
    EXPECT_FALSE(d.Text(IDC_NAME4, "Twenty-one characters"));  // typed until the limit
    EXPECT_TRUE(d.Check(IDC_COMPUTER4, 1));
    EXPECT_TRUE(d.Check(IDC_COMPUTER2, 0));
    EXPECT_FALSE(d.Click(4242));
    EXPECT_FALSE(d.Track(IDC_NAME1, 3));  // not a track bar
    return IDOK;
  };
  EXPECT_EQ(dlg.DoModal(t.host(), &script), IDOK);
  EXPECT_EQ(dlg.m_nPlayers, 3);
  EXPECT_EQ(dlg.m_names[3], "Twenty-one character");
  EXPECT_EQ(dlg.m_computer[3], TRUE);
  EXPECT_EQ(dlg.m_computer[1], FALSE);
  EXPECT_EQ(events, (std::vector<std::string>{"dialog 137 opened", "dialog 137 closed ok"}));
}

TEST_F(DialogTest, UnscriptedDialogIsCancelledAndMarked) {
  ListScript script;
  EXPECT_EQ(dlg.DoModal(t.host(), &script), IDCANCEL);
  EXPECT_EQ(events.back(), "dialog 137 closed cancel unscripted");
  EXPECT_EQ(dlg.m_nPlayers, 1);  // untouched
  // A script that clicks OK itself closes the dialog; its answer is not needed.
  SeatsDialog again;
  script.dialog = [](DialogController& d) -> std::optional<int> {
    d.Click(IDOK);
    EXPECT_TRUE(d.IsClosed());
    EXPECT_FALSE(d.Click(IDCANCEL));
    return std::nullopt;
  };
  EXPECT_EQ(again.DoModal(t.host(), &script), IDOK);
  EXPECT_EQ(events.back(), "dialog 137 closed ok");
}

TEST_F(DialogTest, AScriptedDialogShownOrWaitedOnLeavesTheOverlayAsItWas) {
  int ticks = 0;
  const HWND other = t.host().CreateWindow([&](const MSG& m) -> LRESULT {
    if (m.message == WM_TIMER) ++ticks;
    return 0;
  });
  t.host().SetTimer(other, 7, 50);
  const Surface32 before = t.host().Overlay();
  ListScript script;
  script.dialog = [&](DialogController& d) -> std::optional<int> {
    EXPECT_EQ(d.ControlEnabled(IDC_NAME2), true);
    EXPECT_EQ(d.ControlEnabled(IDC_NAME3), false);
    EXPECT_EQ(d.ControlEnabled(4242), std::nullopt);
    d.Show();
    EXPECT_TRUE(t.host().OverlayVisible());
    const DWORD start = t.host().GetTickCount();
    EXPECT_TRUE(d.Wait(120));
    EXPECT_EQ(t.host().GetTickCount() - start, 120u);
    EXPECT_EQ(ticks, 2);
    d.Click(IDC_FOUR_PLAYERS);
    d.Show();  // shows the change
    return IDOK;
  };
  EXPECT_EQ(dlg.DoModal(t.host(), &script), IDOK);
  EXPECT_EQ(dlg.m_nPlayers, 3);
  EXPECT_EQ(t.host().ModalLayer(), HWND_NONE);
  EXPECT_FALSE(t.host().OverlayVisible());
  EXPECT_TRUE(std::equal(before.Data(), before.Data() + before.Width() * before.Height(), t.host().Overlay().Data()));
}

TEST_F(DialogTest, ModalLoopKeepsTimersRunningAndLeavesTheOverlayAsItWas) {
  // Another window's timer keeps ticking while the dialog is up.
  int ticks = 0;
  const HWND other = t.host().CreateWindow([&](const MSG& m) -> LRESULT {
    if (m.message == WM_TIMER) ++ticks;
    return 0;
  });
  t.host().SetTimer(other, 7, 50);
  const Surface32 before = t.host().Overlay();
  t.Wait(200);
  t.Then([&] {
    EXPECT_TRUE(t.host().OverlayVisible());
    EXPECT_NE(t.host().ModalLayer(), HWND_NONE);
  });
  t.Then([&] {
    // A click on Cancel, in window-surface coordinates.
    const CPoint p = dlg.ControlRect(IDCANCEL).CenterPoint();
    t.host().PostMouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    t.host().PostMouse(WM_LBUTTONUP, p.x, p.y, 0);
  });
  const DWORD start = t.host().GetTickCount();
  EXPECT_EQ(dlg.DoModal(t.host()), IDCANCEL);
  EXPECT_EQ(t.starved(), 0);
  EXPECT_GE(ticks, 1);
  EXPECT_GT(t.host().GetTickCount(), start);
  EXPECT_EQ(t.host().ModalLayer(), HWND_NONE);
  EXPECT_FALSE(t.host().OverlayVisible());
  EXPECT_TRUE(std::equal(before.Data(), before.Data() + before.Width() * before.Height(), t.host().Overlay().Data()));
}

}  // namespace

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
