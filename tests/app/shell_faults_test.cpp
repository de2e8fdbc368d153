// SPDX-License-Identifier: GPL-3.0-or-later
// What a user can do to the window around a game: repaint the Hall of Fame,
// leave a game with its cursor shown or the button held, use the tool bar
// while the computer plays.
#include <gtest/gtest.h>

#include "games/darts/dart.h"
#include "support/game_app.h"
#include "ui/frame_chrome.h"
#include "ui/toolbar.h"

namespace quintaro::test {
namespace {

constexpr CPoint kTrayGrip{249, 320};
constexpr CPoint kThrowZone{200, 365};

// Pixels of the Wall Of Fame's red text inside a playfield rectangle.
int RedTextPixels(GameApp& app, const CRect& rect) {
  const CRect& view = app.GetHost().ViewRect();
  const Surface32& surface = app.GetHost().WindowSurface();
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      const std::uint32_t p = surface.At(view.left + x, view.top + y);
      const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      count += r > 160 && g < 80 && b < 80;
    }
  }
  return count;
}

void ClickToolButton(GameApp& app, UINT id) {
  for (const ToolButton& b : app.App().Frame().Chrome().ToolBar().Buttons()) {
    if (b.id != id) continue;
    const CPoint c = b.rect.CenterPoint();
    app.GetHost().PostMouse(WM_LBUTTONDOWN, c.x, c.y, MK_LBUTTON);
    app.GetHost().PostMouse(WM_LBUTTONUP, c.x, c.y, 0);
  }
  if (app.autoPump) app.Pump();
}

void ChooseFromMenuByKeyboard(GameApp& app, UINT menuLetter, UINT itemLetter) {
  // The open menu takes only keys typed after it opened.
  app.Backend().SetFeeder([&app, itemLetter, typed = false](DWORD now) mutable -> std::optional<DWORD> {
    if (typed) return std::nullopt;
    if (app.GetHost().ModalLayer() == HWND_NONE) return now + 1;
    typed = true;
    app.GetHost().PostKey(WM_KEYDOWN, itemLetter);
    app.GetHost().PostKey(WM_KEYUP, itemLetter);
    return std::nullopt;
  });
  app.GetHost().PostKey(WM_KEYDOWN, VK_MENU, true);
  app.GetHost().PostKey(WM_KEYDOWN, menuLetter, true);
  app.Pump();
  app.Backend().SetFeeder({});
}

TEST(ShellFaults, HallOfFameNamesSurviveARepaint) {
  GameApp app;
  app.GetHost().Settings().WriteProfileString("Wall Of Fame", "Bowling_Name_1", "WWWWWWWW");
  app.GetHost().Settings().WriteProfileInt("Wall Of Fame", "Bowling_Score_1", 288);
  app.Doc().OnCommand(ID_VIEW_HALLOFFAME);
  app.Pump();
  const CRect firstBowlingRow(328, 237, 546, 259);
  const int shown = RedTextPixels(app, firstBowlingRow);
  ASSERT_GT(shown, 50);
  // Hiding and showing the tool bar moves the view and repaints it twice.
  app.App().Frame().Chrome().OnCommand(ID_VIEW_TOOLBAR);
  app.Pump();
  app.App().Frame().Chrome().OnCommand(ID_VIEW_TOOLBAR);
  app.Pump();
  EXPECT_EQ(RedTextPixels(app, firstBowlingRow), shown);
}

TEST(ShellFaults, TheArrowComesBackWhenNothingClaimsTheMouse) {
  GameApp app;
  app.StartGame(kScreenDarts, 0, {1, {}});
  app.Click(kTrayGrip.x, kTrayGrip.y);
  app.Move(kThrowZone.x, kThrowZone.y);
  ASSERT_NE(app.GetHost().GetCursorId(), 0);  // the darts cursor
  app.answers.push_back(IDYES);
  app.Doc().OnCommand(ID_VIEW_MAINWINDOW);
  app.Pump();
  EXPECT_EQ(app.Doc().m_nGameType, kScreenTitle);
  EXPECT_EQ(app.GetHost().GetCursorId(), 0);

  // On the Hall of Fame, whatever cursor was left, a move brings the arrow.
  app.Doc().OnCommand(ID_VIEW_HALLOFFAME);
  app.Pump();
  app.GetHost().SetCursor(static_cast<int>(IDC_HOTSPOT));
  app.Move(300, 200);
  EXPECT_EQ(app.GetHost().GetCursorId(), 0);
  EXPECT_EQ(app.Backend().CursorId(), 0);
}

TEST(ShellFaults, TheArrowShowsOverTheFrameAndOverAnOpenMenu) {
  GameApp app;
  app.StartGame(kScreenDarts, 0, {1, {}});
  app.Click(kTrayGrip.x, kTrayGrip.y);
  app.Move(kThrowZone.x, kThrowZone.y);
  ASSERT_NE(app.GetHost().GetCursorId(), 0);
  const CPoint bar = app.App().Frame().Chrome().ToolBar().Rect().CenterPoint();
  app.GetHost().PostMouse(WM_MOUSEMOVE, bar.x, bar.y, 0);
  app.Pump();
  EXPECT_EQ(app.GetHost().GetCursorId(), 0);

  app.Move(kThrowZone.x, kThrowZone.y);
  ASSERT_NE(app.GetHost().GetCursorId(), 0);
  int shownOverMenu = -1;
  app.Backend().SetFeeder([&app, &shownOverMenu, step = 0](DWORD now) mutable -> std::optional<DWORD> {
    if (app.GetHost().ModalLayer() == HWND_NONE || step == 3) return step == 3 ? std::nullopt : std::optional(now + 1);
    if (step == 0) app.GetHost().PostMouse(WM_MOUSEMOVE, 40, 60, 0);
    if (step == 1) shownOverMenu = app.GetHost().GetCursorId();
    if (step == 2) app.GetHost().PostKey(WM_KEYDOWN, VK_ESCAPE);
    ++step;
    return now + 1;
  });
  app.GetHost().PostKey(WM_KEYDOWN, VK_MENU, true);
  app.GetHost().PostKey(WM_KEYDOWN, 'V', true);
  app.Pump();
  EXPECT_EQ(shownOverMenu, 0);
}

TEST(ShellFaults, LeavingAGameWithTheButtonHeldFreesTheMouse) {
  GameApp app;
  app.StartGame(kScreenDarts, 0, {1, {}});
  app.Click(kTrayGrip.x, kTrayGrip.y);
  app.Down(kThrowZone.x, kThrowZone.y);
  ASSERT_EQ(app.GetHost().GetCapture(), app.GetHost().ViewWindow());
  // View > Main Window from the keyboard, the button still down.
  app.answers.push_back(IDYES);
  ChooseFromMenuByKeyboard(app, 'V', 'M');
  ASSERT_EQ(app.Doc().m_nGameType, kScreenTitle);
  EXPECT_EQ(app.GetHost().GetCapture(), HWND_NONE);
  EXPECT_FALSE(app.Backend().MouseCaptured());
  EXPECT_FALSE(app.View().m_turn.m_bDragging);
  app.Up(kThrowZone.x, kThrowZone.y);
  // The tool bar answers the mouse again.
  ClickToolButton(app, ID_VIEW_HALLOFFAME);
  EXPECT_EQ(app.Doc().m_nGameType, kScreenHallOfFame);
}

TEST(ShellFaults, CommandsChosenWhileTheComputerPlaysAreCarriedOut) {
  GameApp app;
  app.StartGame(kScreenDarts, 0, {2, {true, false}});
  ASSERT_TRUE(app.Doc().m_bSound);
  app.autoPump = false;
  app.Click(300, 200);
  app.Pump({}, 2);  // the click: the computer's turn is now queued
  ClickToolButton(app, ID_OPTIONS_SOUND);
  app.Pump();
  EXPECT_FALSE(app.Doc().m_bSound);

  // A menu command that ends the game ends the computer's turn with it.
  app.StartGame(kScreenDarts, 0, {2, {true, false}});
  app.Click(300, 200);
  app.Pump({}, 2);
  app.answers.push_back(IDYES);
  app.GetHost().PostMessage(app.GetHost().FrameWindow(), WM_COMMAND, ID_VIEW_MAINWINDOW);
  app.Pump();
  EXPECT_EQ(app.Doc().m_nGameType, kScreenTitle);
  EXPECT_EQ(app.Player(0).m_nScore, 301);
}

}  // namespace
}  // namespace quintaro::test
