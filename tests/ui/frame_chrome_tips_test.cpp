// SPDX-License-Identifier: GPL-3.0-or-later
// Tool tips and button prompts: the prompt shows at once, the tip after a
// pause, and a click or a new screen sends the tip away.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chrome_test_fixture.h"
#include "res/resource_ids.h"
#include "ui/tooltip.h"

namespace {

using namespace quintaro::test;

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

// A click on a button under its tip that changes the screen: what is shown
// afterwards is the new screen everywhere, under the tip's old place too,
// with the frame put together as the screen backend does it (one image
// kept from frame to frame, only the changed area copied).
TEST_F(ChromeTest, TheAreaUnderATipShowsTheNewScreenAfterAClickChangesIt) {
  const auto paint = [this](std::uint32_t colour) {
    const CRect whole = t.host().WindowSurface().Bounds();
    const SurfaceView v = t.host().DrawOnSurface(whole);
    for (int y = whole.top; y < whole.bottom; ++y) std::fill(v.Row(y), v.Row(y) + whole.Width(), colour);
  };
  constexpr std::uint32_t kOldScreen = 0x00203040u, kNewScreen = 0x00605040u;
  Surface32 shown;
  paint(kOldScreen);
  t.host().ComposeForDisplay(shown);
  const CPoint fame = ButtonCentre(ID_VIEW_HALLOFFAME);
  t.Move(fame);
  t.Wait(600);
  RunSteps(t, frame);
  ASSERT_TRUE(chrome->ToolTip().Visible());
  const CRect tip = chrome->ToolTip().Rect();
  t.host().ComposeForDisplay(shown);
  t.host().PostMouse(WM_LBUTTONDOWN, fame.x, fame.y, MK_LBUTTON);
  t.host().PostMouse(WM_LBUTTONUP, fame.x, fame.y, 0);
  Pump();
  t.host().ComposeForDisplay(shown);  // a frame between the click and the new screen
  ASSERT_EQ(commands, std::vector<UINT>{ID_VIEW_HALLOFFAME});
  paint(kNewScreen);
  chrome->DismissToolTip();
  t.Wait(300);
  RunSteps(t, frame);
  t.host().ComposeForDisplay(shown);
  EXPECT_FALSE(chrome->ToolTip().Visible());
  const Surface32& surface = t.host().WindowSurface();
  int stale = 0;
  for (int y = 0; y < surface.Height(); ++y)
    for (int x = 0; x < surface.Width(); ++x) stale += shown.Row(y)[x] != surface.Row(y)[x];
  EXPECT_EQ(stale, 0);
  for (int y = tip.top; y < tip.bottom; ++y)
    for (int x = tip.left; x < tip.right; ++x) ASSERT_EQ(shown.Row(y)[x] & 0xFFFFFFu, kNewScreen) << x << "," << y;
}

}  // namespace
