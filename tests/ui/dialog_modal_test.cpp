// SPDX-License-Identifier: GPL-3.0-or-later
// How a dialog runs and closes: validation that keeps it open, a script
// that answers it without a loop, and the modal loop over a live window.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "dialog_test_fixture.h"

namespace {

using namespace quintaro::test;

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
  TickInAnotherWindow(ticks);
  const Surface32 before = t.host().Overlay();
  ListScript script;
  script.dialog = [&](DialogController& d) -> std::optional<int> {
    EXPECT_EQ(d.ControlEnabled(IDC_NAME2), true);
    EXPECT_EQ(d.ControlEnabled(IDC_NAME3), false);
    EXPECT_EQ(d.ControlEnabled(4242), std::nullopt);
    d.Show();
    EXPECT_TRUE(t.host().OverlayVisible());
    const DWORD start = t.host().RealTicks();
    EXPECT_TRUE(d.Wait(120));
    EXPECT_EQ(t.host().RealTicks() - start, 120u);
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
  TickInAnotherWindow(ticks);
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
  const DWORD start = t.host().RealTicks();
  EXPECT_EQ(dlg.DoModal(t.host()), IDCANCEL);
  EXPECT_EQ(t.starved(), 0);
  EXPECT_GE(ticks, 1);
  EXPECT_GT(t.host().RealTicks(), start);
  EXPECT_EQ(t.host().ModalLayer(), HWND_NONE);
  EXPECT_FALSE(t.host().OverlayVisible());
  EXPECT_TRUE(std::equal(before.Data(), before.Data() + before.Width() * before.Height(), t.host().Overlay().Data()));
}

}  // namespace
