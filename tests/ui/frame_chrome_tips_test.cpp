// SPDX-License-Identifier: GPL-3.0-or-later
// Tool tips and button prompts: the prompt shows at once, the tip after a
// pause, and a click or a new screen sends the tip away.
#include <gtest/gtest.h>

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

}  // namespace
