// SPDX-License-Identifier: GPL-3.0-or-later
// The keys a desktop game answers to: Ctrl+Q quits (asking first when a game
// is under way), M switches the sound, and Escape leaves full screen unless a
// game's shot or computer turn takes it.
#include <gtest/gtest.h>

#include "app/window_mode.h"
#include "support/game_app.h"
#include "ui/frame_chrome.h"

namespace {

using quintaro::test::GameApp;
using quintaro::test::Seats;

void CtrlKey(GameApp& app, UINT vk) {
  Host& host = app.GetHost();
  host.PostKey(WM_KEYDOWN, VK_CONTROL);
  host.PostKey(WM_KEYDOWN, vk);
  host.PostKey(WM_KEYUP, vk);
  host.PostKey(WM_KEYUP, VK_CONTROL);
  app.Pump();
}

bool Fullscreen(GameApp& app) { return app.App().Frame().WindowMode().Fullscreen(); }

TEST(WindowKeys, CtrlQQuitsAndAsksFirstWhenAGameIsUnderWay) {
  EXPECT_EXIT(
      {
        GameApp app;
        CtrlKey(app, 'Q');
      },
      ::testing::ExitedWithCode(0), "");
  GameApp app;
  app.StartGame(kScreenDarts, 0, Seats{});
  app.Doc().m_bGameInProgress = TRUE;
  app.answers.push_back(IDNO);
  CtrlKey(app, 'Q');
  EXPECT_EQ(app.boxes, std::vector<std::string>{"Do you wish to quit the current game?"});
  EXPECT_EQ(app.Doc().m_nGameType, kScreenDarts) << "No keeps the game";
  EXPECT_EQ(app.App().Frame().Chrome().QueryCommand(ID_APP_EXIT).m_bEnabled, TRUE);
  app.answers.push_back(IDYES);
  EXPECT_EXIT(CtrlKey(app, 'Q'), ::testing::ExitedWithCode(0), "");
}

TEST(WindowKeys, MSwitchesTheSoundButNotWhileTypingAName) {
  GameApp app;
  app.StartGame(kScreenPool, 0, Seats{2});
  ASSERT_TRUE(app.Doc().m_bSound);
  app.Key('M');
  EXPECT_FALSE(app.Doc().m_bSound);
  EXPECT_EQ(app.App().Frame().Chrome().QueryCommand(ID_OPTIONS_SOUND).m_nCheck, 0);
  app.Key('M');
  EXPECT_TRUE(app.Doc().m_bSound);
  app.dialogDriver = [](int, DialogController& dlg) -> std::optional<int> {
    dlg.Text(IDC_NAME1, "Mm");
    return IDOK;
  };
  app.Doc().OnCommand(ID_OPTIONS_NUMBEROFPLAYERS);
  app.Pump();
  EXPECT_EQ(app.Player(0).m_strName, "Mm");
  EXPECT_TRUE(app.Doc().m_bSound);
}

TEST(WindowKeys, EscapeLeavesFullScreenUnlessAGameTakesIt) {
  GameApp app;
  app.App().Frame().WindowMode().OnCommand(ID_VIEW_FULLSCREEN);
  ASSERT_TRUE(Fullscreen(app));
  app.Key(VK_ESCAPE);
  EXPECT_FALSE(Fullscreen(app)) << "the title screen has no use for Escape";
  // A darts game with the user at the oche: Escape is free for the window too.
  app.StartGame(kScreenDarts, 0, Seats{});
  app.App().Frame().WindowMode().OnCommand(ID_VIEW_FULLSCREEN);
  app.Key(VK_ESCAPE);
  EXPECT_FALSE(Fullscreen(app));
  EXPECT_FALSE(app.View().m_turn.m_bEscape);
  // While the computer throws, Escape abandons its turn and the screen stays.
  app.StartGame(kScreenDarts, 0, Seats{2, {false, true}});
  app.App().Frame().WindowMode().OnCommand(ID_VIEW_FULLSCREEN);
  app.View().m_turn.m_bComputerPlaying = TRUE;
  app.Key(VK_ESCAPE);
  EXPECT_TRUE(Fullscreen(app));
  EXPECT_TRUE(app.View().m_turn.m_bEscape);
}

}  // namespace
